#include "widgets/ImageViewInput.h"

#include "widgets/GraphicsImageViewer.h"
#include "widgets/ImageViewScroller.h"
#include "widgets/ImageViewZoom.h"

#include <QGestureEvent>
#include <QInputDevice>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPinchGesture>
#include <QWheelEvent>

#include <cmath>

namespace {

// A button went down in some viewer and has not come up yet. One flag for
// all viewers: a press in one and a move in another still counts.
bool s_mousePressed = false;

constexpr int kWheelNotch = 120;
// Touch-pad notches closer together than this are scrolled, not passed on.
constexpr qint64 kTouchPadNotchGapMs = 101;
constexpr double kZoomDragPerPixel = 0.003;

} // namespace

ImageViewInput::ImageViewInput(GraphicsImageViewer& view)
    : m_view(view)
    , m_zoomDragThreshold(int(view.m_ratio * 4.0))
{
    m_touchPadTimer.start();
}

void ImageViewInput::mousePress(QMouseEvent* event)
{
    GraphicsImageViewer& v = m_view;
    v.QGraphicsView::mousePressEvent(event);
    if (!v.m_pixmap || !v.m_interaction || event->isAccepted())
        return; // off, or a scene item took it
    const QPoint pos = event->position().toPoint();
    m_dragPos = pos;
    m_pressPos = pos;
    m_draggedOut = false;
    if (event->button() == Qt::RightButton)
        v.setZoomAnchor(pos);
    s_mousePressed = true;
    event->accept();
}

void ImageViewInput::mouseMove(QMouseEvent* event)
{
    GraphicsImageViewer& v = m_view;
    v.QGraphicsView::mouseMoveEvent(event);
    if (!v.m_pixmap || !v.m_interaction || !s_mousePressed || m_state == WheelZooming)
        return;
    const QPoint pos = event->position().toPoint();
    if (event->buttons() & Qt::LeftButton)
        dragLeft(pos);
    else if (event->buttons() & Qt::RightButton)
        dragRight(pos);
    else
        event->ignore();
}

void ImageViewInput::dragLeft(QPoint pos)
{
    GraphicsImageViewer& v = m_view;
    if (m_state == Idle && !m_draggedOut) {
        if (!v.scaledImageFits()) {
            if (v.viewport()->cursor().shape() != Qt::ClosedHandCursor)
                v.viewport()->setCursor(Qt::ClosedHandCursor);
            m_state = Panning;
        } else {
            m_state = DragOutPending;
        }
    }
    if (m_state == DragOutPending) {
        if (std::abs(pos.x() - m_pressPos.x()) > m_dragOutDistance
            || std::abs(pos.y() - m_pressPos.y()) > m_dragOutDistance) {
            // Once per press: the receiver starts one drag, not one per move.
            m_state = Idle;
            m_draggedOut = true;
            emit v.draggedOut();
        }
    } else if (m_state == Panning) {
        if (!v.scaledImageFits()) {
            const QPoint d = m_dragPos - pos;
            v.scrollPrecise(d.x(), d.y());
        }
        m_dragPos = pos;
        v.saveViewportPos();
    }
}

void ImageViewInput::dragRight(QPoint pos)
{
    GraphicsImageViewer& v = m_view;
    if (m_state != ZoomDragging) {
        if (std::abs(pos.y() - m_pressPos.y()) <= m_zoomDragThreshold / v.m_ratio)
            return;
        if (v.viewport()->cursor().shape() != Qt::SizeVerCursor)
            v.viewport()->setCursor(Qt::SizeVerCursor);
        m_state = ZoomDragging;
        const QRect vr = v.viewport()->rect();
        if (qint64(vr.width()) * vr.height() > m_largeViewportArea) {
            m_fastWhileDragging = true;
            v.applyTransformationMode();
        }
    }
    const int dy = m_dragPos.y() - pos.y(); // upward zooms in
    const float scale = float(v.currentScale() * (1.0 + float(dy) * kZoomDragPerPixel * v.m_ratio));
    m_dragPos = pos;
    v.m_zoom->dragTo(scale);
}

void ImageViewInput::mouseRelease(QMouseEvent* event)
{
    GraphicsImageViewer& v = m_view;
    s_mousePressed = false;
    if (!v.m_interaction) {
        v.QGraphicsView::mouseReleaseEvent(event);
        return;
    }
    v.viewport()->unsetCursor();
    if (m_fastWhileDragging) {
        m_fastWhileDragging = false;
        v.applyTransformationMode();
    }
    if (!v.m_pixmap || m_state == Idle) {
        v.QGraphicsView::mouseReleaseEvent(event);
        event->ignore();
    }
    m_state = Idle;
}

void ImageViewInput::wheel(QWheelEvent* event)
{
    GraphicsImageViewer& v = m_view;
    if (event->phase() == Qt::ScrollBegin || event->phase() == Qt::ScrollEnd || !v.m_interaction) {
        event->accept();
        return;
    }
    const QInputDevice* device = event->device();
    const bool touchPad = device && device->type() == QInputDevice::DeviceType::TouchPad;
    // Touch-pads not reported as such still give themselves away by pixel
    // deltas or scroll phases; those scroll rather than zoom.
    if (touchPad || !event->pixelDelta().isNull() || event->phase() != Qt::NoScrollPhase) {
        if (!scrollTouchPad(event))
            event->ignore(); // the parent's
        return;
    }

    event->accept();
    const int angle = event->angleDelta().y();
    if (angle == 0)
        return;
    // High-resolution wheels send fractions of a notch: add them up and
    // zoom one step per whole notch. A turn the other way starts afresh.
    if (m_wheelRemainder != 0 && (angle > 0) != (m_wheelRemainder > 0))
        m_wheelRemainder = 0;
    m_wheelRemainder += angle;
    const int steps = m_wheelRemainder / kWheelNotch;
    m_wheelRemainder -= steps * kWheelNotch;
    if (steps == 0 || !v.m_pixmap)
        return;
    const QPoint pos = event->position().toPoint();
    m_state = WheelZooming;
    for (int i = 0; i < std::abs(steps); ++i)
        v.m_zoom->stepAt(pos, steps > 0);
    m_state = Idle;
}

bool ImageViewInput::scrollTouchPad(QWheelEvent* event)
{
    if (event->modifiers() != Qt::NoModifier)
        return false;
    event->accept();
    if (!m_view.m_pixmap)
        return true;
    const QPoint pixels = event->pixelDelta();
    if (!pixels.isNull()) {
        m_view.m_scroller->scrollCarrying(QPointF(pixels) * m_touchPadFactor);
    } else {
        const QPoint angle = event->angleDelta();
        if (angle.y() != 0 && angle.y() % kWheelNotch == 0 && m_touchPadTimer.elapsed() >= kTouchPadNotchGapMs)
            return false;
        m_view.m_scroller->scrollCarrying(QPointF(angle) * m_touchPadFactor);
        m_touchPadTimer.restart();
    }
    m_view.saveViewportPos();
    return true;
}

bool ImageViewInput::pinch(QGestureEvent* event)
{
    GraphicsImageViewer& v = m_view;
    auto* gesture = static_cast<QPinchGesture*>(event->gesture(Qt::PinchGesture));
    if (!gesture || !v.underMouse() || !(gesture->changeFlags() & QPinchGesture::ScaleFactorChanged))
        return false;
    event->accept();
    if (!v.m_interaction)
        return true;
    if (gesture->totalScaleFactor() == 1.0)
        v.nativeSmartMagnifyEvent(0.0f, 0.0f, 0.0f);
    else if (gesture->scaleFactor() > 1.0)
        v.zoomInCursor();
    else if (gesture->scaleFactor() < 1.0)
        v.zoomOutCursor();
    return true;
}

bool ImageViewInput::nativeGesture(QNativeGestureEvent* event)
{
    GraphicsImageViewer& v = m_view;
    const QPointF pos = event->position();
    bool handled = true;
    switch (event->gestureType()) {
    case Qt::BeginNativeGesture:
    case Qt::EndNativeGesture:
        m_magnifyRemainder = 0.0;
        break;
    case Qt::ZoomNativeGesture: {
        // Touch-pads report a pinch as many small magnifications; each zoom
        // step waits until they add up to one step's worth.
        if (!v.m_interaction)
            return false;
        m_magnifyRemainder += event->value();
        const double step = v.zoomStep() > 0.0 ? v.zoomStep() : 0.05;
        while (std::abs(m_magnifyRemainder) >= step) {
            const float sign = m_magnifyRemainder > 0 ? 1.0f : -1.0f;
            v.nativeMagnifyEvent(sign, float(pos.x()), float(pos.y()));
            m_magnifyRemainder -= sign * step;
        }
        break;
    }
    case Qt::SmartZoomNativeGesture:
        handled = v.nativeSmartMagnifyEvent(float(event->value()), float(pos.x()), float(pos.y()));
        break;
    case Qt::SwipeNativeGesture:
        handled = v.nativeSwipeEvent(float(event->value()), float(pos.x()), float(pos.y()));
        break;
    default:
        return v.QGraphicsView::event(event);
    }
    event->setAccepted(handled);
    return handled;
}

bool ImageViewInput::magnify(float delta)
{
    if (m_view.m_interaction) {
        if (delta > 0)
            m_view.zoomInCursor();
        else if (delta < 0)
            m_view.zoomOutCursor();
    }
    return m_view.m_interaction;
}

bool ImageViewInput::smartMagnify()
{
    if (m_view.m_interaction) {
        switch (m_view.m_zoom->fitMode()) {
        case FitOriginal:
        case FitFree:
            m_view.setFitWindow();
            break;
        case FitWindow:
            m_view.setFitOriginal();
            break;
        case FitWidth:
            break;
        }
    }
    return m_view.m_interaction;
}
