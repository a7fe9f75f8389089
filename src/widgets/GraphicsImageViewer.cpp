#include "widgets/GraphicsImageViewer.h"

#include "widgets/ImageViewInput.h"

#include <QApplication>
#include <QCursor>
#include <QGestureEvent>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QNativeGestureEvent>
#include <QScrollBar>
#include <QTimeLine>
#include <QTimer>
#include <QtDebug>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kSceneSize = 200000.0;

// An empty picture has no size to fit and is treated like none at all.
bool isEmpty(const std::unique_ptr<QPixmap>& pixmap)
{
    return !pixmap || pixmap->isNull();
}

} // namespace

GraphicsImageViewer::GraphicsImageViewer(QWidget* parent)
    : QGraphicsView(parent)
{
    setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setAcceptDrops(false);
    grabGesture(Qt::PinchGesture);
    m_ratio = metric(QPaintDevice::PdmDevicePixelRatioScaled) / 65536.0;

    m_timelineX = new QTimeLine(m_scrollDuration, this);
    m_timelineY = new QTimeLine(m_scrollDuration, this);
    for (QTimeLine* line : {m_timelineX, m_timelineY}) {
        line->setEasingCurve(QEasingCurve::OutSine);
        line->setUpdateInterval(m_scrollFrameInterval);
        connect(line, &QTimeLine::finished, this, &GraphicsImageViewer::onScrollTimelineFinished);
    }

    m_frameTimer = new QTimer(this);
    m_frameTimer->setSingleShot(true);
    m_scalingTimer = new QTimer(this);
    m_scalingTimer->setSingleShot(true);
    m_scalingTimer->setInterval(80);
    m_input = std::make_unique<ImageViewInput>(*this);

    m_item = new QGraphicsPixmapItem;
    m_item->setTransformationMode(Qt::SmoothTransformation);
    m_item->setScale(1.0);

    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scene = new QGraphicsScene(this);
    m_scene->setSceneRect(0, 0, kSceneSize, kSceneSize);
    m_scene->setBackgroundBrush(QColor(34, 34, 34));
    m_scene->addItem(m_item);
    setFrameShape(QFrame::NoFrame);
    // A resize keeps the spot the user looks at in the middle.
    setResizeAnchor(QGraphicsView::AnchorViewCenter);
    setScene(m_scene);

    connect(m_timelineX, &QTimeLine::frameChanged, this, &GraphicsImageViewer::scrollToX);
    connect(m_timelineY, &QTimeLine::frameChanged, this, &GraphicsImageViewer::scrollToY);
    connect(m_frameTimer, &QTimer::timeout, this, &GraphicsImageViewer::onAnimationTimer, Qt::UniqueConnection);
    connect(m_scalingTimer, &QTimer::timeout, this, &GraphicsImageViewer::requestScaling);
    auto emitPosition = [this] {
        emit positionChanged(horizontalScrollBar()->value(), verticalScrollBar()->value());
    };
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, emitPosition);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, emitPosition);

    readSettings();
}

GraphicsImageViewer::~GraphicsImageViewer()
{
    m_frameTimer->stop();
    m_scalingTimer->stop();
    stopPosAnimation();
    // The scene holds the item; detach it before the view's own teardown.
    setScene(nullptr);
    delete m_scene;
    m_scene = nullptr;
    m_item = nullptr;
}

// ---------------------------------------------------------------- queries

ImageFitMode GraphicsImageViewer::fitMode() const
{
    return m_fitMode;
}

QRect GraphicsImageViewer::scaledRect() const
{
    const QRectF r = m_item->sceneBoundingRect();
    return QRect(mapFromScene(r.topLeft()), mapFromScene(r.bottomRight()));
}

double GraphicsImageViewer::currentScale() const
{
    return m_item->scale();
}

QSize GraphicsImageViewer::sourceSize() const
{
    return m_pixmap ? m_pixmap->size() : QSize(0, 0);
}

bool GraphicsImageViewer::isDisplaying() const
{
    return m_pixmap != nullptr;
}

bool GraphicsImageViewer::imageFits() const
{
    if (!m_pixmap)
        return true;
    const double ratio = freshRatio();
    return m_pixmap->width() <= ratio * viewportWidth() && m_pixmap->height() <= ratio * viewportHeight();
}

bool GraphicsImageViewer::scaledImageFits() const
{
    if (!m_pixmap)
        return true;
    const QSize s = scaledSize();
    return viewportWidth() >= s.width() && viewportHeight() >= s.height();
}

ScalingFilter GraphicsImageViewer::scalingFilter() const
{
    return m_filter;
}

QWidget* GraphicsImageViewer::widget()
{
    return this;
}

QSize GraphicsImageViewer::scaledSize() const
{
    if (!m_pixmap)
        return QSize(0, 0);
    const QSizeF s = m_item->sceneBoundingRect().size();
    return QSize(qRound(s.width()), qRound(s.height()));
}

QPointF GraphicsImageViewer::sceneRoundPos(QPointF scenePos) const
{
    return mapToScene(mapFromScene(scenePos));
}

QRectF GraphicsImageViewer::sceneRoundRect(QRectF sceneRect) const
{
    return QRectF(sceneRoundPos(sceneRect.topLeft()), sceneRect.size());
}

bool GraphicsImageViewer::lockZoomEnabled() const
{
    return m_viewLock == 1;
}

bool GraphicsImageViewer::lockViewEnabled() const
{
    return m_viewLock == 2;
}

ImageScrolling GraphicsImageViewer::imageScrolling() const
{
    return ImageScrollingDefault;
}

QPixmap GraphicsImageViewer::displayedPixmap() const
{
    return m_pixmap ? *m_pixmap : QPixmap();
}

QImage GraphicsImageViewer::displayedImage() const
{
    return m_pixmap ? m_pixmap->toImage() : QImage();
}

bool GraphicsImageViewer::isAnimationRunning() const
{
    return m_movie && m_frameTimer->isActive();
}

QPointF GraphicsImageViewer::visibleCentre() const
{
    return mapToScene(viewport()->rect()).boundingRect().center();
}

QPointF GraphicsImageViewer::sceneCentre() const
{
    return sceneRect().center();
}

int GraphicsImageViewer::viewportWidth() const
{
    const QRect r = viewport()->rect();
    return r.right() - r.left() + 1;
}

int GraphicsImageViewer::viewportHeight() const
{
    const QRect r = viewport()->rect();
    return r.bottom() - r.top() + 1;
}

double GraphicsImageViewer::freshRatio() const
{
    return metric(QPaintDevice::PdmDevicePixelRatioScaled) / 65536.0;
}

QPointF GraphicsImageViewer::viewportPosOf(QPointF scenePos) const
{
    return viewportTransform().map(scenePos);
}

void GraphicsImageViewer::centreViewOn(QPointF scenePos)
{
    // Rounded, not truncated like centerOn(), so that repeated anchored
    // zooms do not creep by a pixel each time.
    horizontalScrollBar()->setValue(qRound(scenePos.x() - viewport()->width() / 2.0));
    verticalScrollBar()->setValue(qRound(scenePos.y() - viewport()->height() / 2.0));
}

void GraphicsImageViewer::repaintNow()
{
    // Paints what is dirty now (after a scroll, only the strip it exposed),
    // without running any other event.
    QCoreApplication::sendPostedEvents(window(), QEvent::UpdateRequest);
}

// --------------------------------------------------------- showing pictures

void GraphicsImageViewer::displayImage(std::unique_ptr<QPixmap> pixmap)
{
    if (isEmpty(pixmap))
        return;
    reset();
    resetPixmap(std::move(pixmap));
}

void GraphicsImageViewer::updateDisplayImage(std::unique_ptr<QPixmap> pixmap)
{
    if (isEmpty(pixmap))
        return;
    if (!m_pixmap || pixmap->size() != m_pixmap->size()) {
        // Kept zoom and scroll belong to the old size and would draw the
        // new picture off-centre.
        resetPixmap(std::move(pixmap));
        return;
    }
    pixmap->setDevicePixelRatio(m_ratio);
    m_pixmap = std::shared_ptr<QPixmap>(pixmap.release());
    m_item->setPixmap(*m_pixmap);
    m_item->update();
}

void GraphicsImageViewer::updateDisplayImage2(std::unique_ptr<QPixmap> pixmap)
{
    if (isEmpty(pixmap))
        return;
    m_item->setPixmap(QPixmap());
    m_item->setScale(1.0);
    m_pixmap.reset();
    centreViewOn(sceneCentre());
    viewport()->update();
    resetPixmap(std::move(pixmap));
}

void GraphicsImageViewer::closeImage()
{
    reset();
}

void GraphicsImageViewer::reset()
{
    stopPosAnimation();
    m_item->setPixmap(QPixmap());
    m_item->setScale(1.0);
    m_pixmap.reset();
    stopAnimation();
    m_movie.reset();
    centreViewOn(sceneCentre());
    viewport()->update();
}

void GraphicsImageViewer::placeItem()
{
    const QPointF half(m_pixmap->width() / (2.0 * m_ratio), m_pixmap->height() / (2.0 * m_ratio));
    m_item->setOffset(sceneCentre() - half);
    m_item->setTransformOriginPoint(m_item->boundingRect().center());
}

void GraphicsImageViewer::resetPixmap(std::unique_ptr<QPixmap> pixmap)
{
    if (isEmpty(pixmap))
        return;
    m_pixmap = std::shared_ptr<QPixmap>(pixmap.release());
    m_pixmap->setDevicePixelRatio(m_ratio);
    m_item->setPixmap(*m_pixmap);
    m_item->setTransformationMode(m_filter == FilterBilinear ? Qt::SmoothTransformation : Qt::FastTransformation);
    m_item->setVisible(true);
    placeItem();
    updateScaleRange();
    chooseFitModeForNewPicture();
    requestScaling();
    viewport()->update();
}

void GraphicsImageViewer::updatePixmap(std::unique_ptr<QPixmap> pixmap)
{
    m_pixmap = std::shared_ptr<QPixmap>(pixmap.release());
    m_pixmap->setDevicePixelRatio(m_ratio);
    m_item->setPixmap(*m_pixmap);
    m_item->setVisible(true);
    placeItem();
    m_item->update();
}

void GraphicsImageViewer::chooseFitModeForNewPicture()
{
    if (!(m_keepFitMode && m_fitMode != FitFree))
        m_fitMode = m_defaultFitMode;
    if (m_viewLock != 0) {
        m_fitMode = FitFree;
        fitFree(float(m_lockedScale));
        if (m_viewLock == 2)
            applySavedViewportPos();
    } else {
        applyFitMode();
    }
}

// ------------------------------------------------------------ zoom and fit

void GraphicsImageViewer::applyTransformationMode()
{
    const double scale = currentScale();
    bool smooth;
    if (m_input->fastWhileDragging())
        smooth = false;
    else if (!m_movie)
        smooth = (scale > 1.0 && !m_smoothUpscaling) ? false : m_filter == FilterBilinear;
    else
        smooth = m_smoothAnimation && (scale <= 1.0 || m_smoothUpscaling);
    m_item->setTransformationMode(smooth ? Qt::SmoothTransformation : Qt::FastTransformation);
}

void GraphicsImageViewer::doZoom(float scale)
{
    if (!m_pixmap)
        return;
    const float s = float(std::clamp(double(scale), m_minScale, m_maxScale));
    m_item->setScale(s);
    applyTransformationMode();
    m_item->setVisible(true);
    emit scaleChanged(double(s));
}

void GraphicsImageViewer::updateFitWindowScale()
{
    const double ratio = freshRatio();
    const float fx = float(ratio * viewportWidth() / m_pixmap->width());
    const float fy = float(ratio * viewportHeight() / m_pixmap->height());
    double s = std::min(fx, fy);
    if (m_expandImage && s > m_expandLimit)
        s = m_expandLimit;
    m_fitWindowScale = s;
}

void GraphicsImageViewer::updateScaleRange()
{
    if (!m_pixmap)
        return;
    updateFitWindowScale();
    m_minScale = imageFits() ? 1.0 : m_fitWindowScale;
    if (m_viewLock != 0 && m_minScale > m_lockedScale)
        m_minScale = m_lockedScale;
    emit scaleRangeChanged(m_minScale, m_maxScale);
}

void GraphicsImageViewer::fitWindow()
{
    if (!m_pixmap)
        return;
    if (imageFits() && !m_expandImage) {
        fitFree(1.0f);
        return;
    }
    if (currentScale() != m_fitWindowScale) {
        m_item->setVisible(true);
        doZoom(float(m_fitWindowScale));
    }
    centreViewOn(m_item->sceneBoundingRect().center());
}

void GraphicsImageViewer::fitWidth()
{
    if (!m_pixmap)
        return;
    float s = float(freshRatio() * viewportWidth() / m_pixmap->width());
    if (!m_expandImage)
        s = std::min(1.0f, s);
    s = std::min(s, float(m_expandLimit));
    if (currentScale() != double(s)) {
        m_item->setVisible(true);
        doZoom(s);
    }
    centerIfNecessary();
    // Scene y 0 lies far above the picture; the snap below brings the
    // picture's top edge to the viewport's top.
    if (scaledSize().height() > viewportHeight())
        centreViewOn(QPointF(visibleCentre().x(), 0));
    snapToEdges();
}

void GraphicsImageViewer::fitFree(float scale)
{
    if (!m_pixmap)
        return;
    const QRect vr = viewport()->rect();
    switch (m_fitFreeAnchor) {
    case 0:
        doZoom(scale);
        centerIfNecessary();
        if (scaledSize().height() > viewportHeight())
            centreViewOn(QPointF(sceneCentre().x(), 0));
        break;
    case 2:
        setAnchorAt(viewport()->mapFromGlobal(QCursor::pos()));
        zoomAnchored(scale);
        centerIfNecessary();
        break;
    default:
        setAnchorAt(QPoint(vr.right() / 2, vr.bottom() / 2));
        zoomAnchored(scale);
        centerIfNecessary();
        break;
    }
    snapToEdges();
}

void GraphicsImageViewer::applyFitMode()
{
    switch (m_fitMode) {
    case FitWindow:
        fitWindow();
        break;
    case FitWidth:
        fitWidth();
        break;
    case FitOriginal:
        fitNormal();
        break;
    case FitFree:
        break;
    }
}

void GraphicsImageViewer::setAnchorAt(QPoint viewportPos)
{
    m_anchorViewport = viewportPos;
    m_anchorPicture = m_item->mapFromScene(mapToScene(viewportPos));
}

void GraphicsImageViewer::setZoomAnchor(QPoint viewportPos)
{
    setAnchorAt(viewportPos);
}

void GraphicsImageViewer::zoomAnchored(float scale)
{
    if (currentScale() == double(scale))
        return;
    const QPointF c = visibleCentre();
    doZoom(scale);
    const QPointF q = viewportPosOf(m_item->mapToScene(m_anchorPicture));
    centreViewOn(c - (QPointF(m_anchorViewport) - q));
    requestScaling();
}

void GraphicsImageViewer::finishUserZoom()
{
    centerIfNecessary();
    snapToEdges();
    m_fitMode = currentScale() == m_fitWindowScale ? FitWindow : FitFree;
}

void GraphicsImageViewer::zoom(float scale)
{
    const QRect vr = viewport()->rect();
    setAnchorAt(QPoint(vr.right() / 2, vr.bottom() / 2));
    zoomAnchored(scale);
    finishUserZoom();
}

void GraphicsImageViewer::zoomIn()
{
    zoom(float(currentScale() * (1.0 + m_zoomStep)));
}

void GraphicsImageViewer::zoomOut()
{
    zoom(float(currentScale() * (1.0 - m_zoomStep)));
}

void GraphicsImageViewer::zoomStepAt(QPoint viewportPos, bool in)
{
    setAnchorAt(viewportPos);
    zoomAnchored(float(currentScale() * (in ? 1.0 + m_zoomStep : 1.0 - m_zoomStep)));
    finishUserZoom();
}

void GraphicsImageViewer::zoomInCursor()
{
    if (!underMouse()) {
        zoomIn();
        return;
    }
    zoomStepAt(viewport()->mapFromGlobal(QCursor::pos()), true);
}

void GraphicsImageViewer::zoomOutCursor()
{
    if (!underMouse()) {
        zoomOut();
        return;
    }
    zoomStepAt(viewport()->mapFromGlobal(QCursor::pos()), false);
}

void GraphicsImageViewer::centerIfNecessary()
{
    if (!m_pixmap)
        return;
    QPointF c = visibleCentre();
    const QSize s = scaledSize();
    if (viewportWidth() >= s.width())
        c.setX(sceneCentre().x());
    if (viewportHeight() >= s.height())
        c.setY(sceneCentre().y());
    centreViewOn(c);
}

void GraphicsImageViewer::snapToEdges()
{
    if (!m_pixmap)
        return;
    const QRect r = scaledRect();
    const int w = width();
    const int h = height();
    int dx = 0;
    int dy = 0;
    if (r.width() > w) {
        if (r.left() >= 1)
            dx = r.left();
        else if (w > r.right())
            dx = r.right() - w;
    }
    if (r.height() > h) {
        if (r.top() >= 1)
            dy = r.top();
        else if (h > r.bottom())
            dy = r.bottom() - h;
    }
    if (dx != 0 || dy != 0)
        centreViewOn(visibleCentre() + QPointF(dx, dy));
}

void GraphicsImageViewer::setFitMode(ImageFitMode mode)
{
    m_scalingTimer->stop();
    stopPosAnimation();
    m_fitMode = mode;
    applyFitMode();
    requestScaling();
}

void GraphicsImageViewer::setFitOriginal()
{
    setFitMode(FitOriginal);
}

void GraphicsImageViewer::setFitWidth()
{
    setFitMode(FitWidth);
}

void GraphicsImageViewer::setFitWindow()
{
    setFitMode(FitWindow);
}

void GraphicsImageViewer::requestScaling()
{
    if (!m_pixmap || m_movie)
        return;
    const double scale = currentScale();
    if (scale == 1.0 || !(m_smoothUpscaling || scale < 1.0) || !(double(m_scalingThreshold) > scale))
        return;
    const QSize s = scaledSize();
    emit scalingRequested(QSize(qRound(s.width() * m_ratio), qRound(s.height() * m_ratio)), m_filter);
}

// ---------------------------------------------------------------- settings

void GraphicsImageViewer::readSettings()
{
    m_expandImage = true;
    m_smoothAnimation = true;
    m_smoothUpscaling = true;
    m_expandLimit = 4.0;
    m_keepFitMode = false;
    m_defaultFitMode = FitWindow;
    m_fitFreeAnchor = 1;
    m_zoomStep = 0.2;
    onFullscreenModeChanged(m_fullscreen);
    if (m_pixmap)
        updateScaleRange();
    setScalingFilter(FilterBilinear);
    setFitMode(m_defaultFitMode);
}

void GraphicsImageViewer::setZoomStep(double step)
{
    m_zoomStep = step;
}

void GraphicsImageViewer::setExpandImage(bool mode)
{
    m_expandImage = mode;
    if (m_pixmap)
        updateScaleRange();
    applyFitMode();
    requestScaling();
}

void GraphicsImageViewer::setBackgroundColor(QColor color)
{
    m_scene->setBackgroundBrush(color);
    viewport()->update();
}

void GraphicsImageViewer::onFullscreenModeChanged(bool mode)
{
    m_fullscreen = mode;
    setBackgroundColor(QColor(34, 34, 34));
}

void GraphicsImageViewer::show()
{
    setAttribute(Qt::WA_MouseTracking, false);
    QGraphicsView::show();
    setAttribute(Qt::WA_MouseTracking, true);
}

void GraphicsImageViewer::hide()
{
    setAttribute(Qt::WA_MouseTracking, false);
    QGraphicsView::hide();
}

void GraphicsImageViewer::setFilterNearest()
{
    setScalingFilter(FilterNearest);
}

void GraphicsImageViewer::setFilterBilinear()
{
    setScalingFilter(FilterBilinear);
}

void GraphicsImageViewer::setScalingFilter(ScalingFilter filter)
{
    m_filter = filter;
    applyTransformationMode();
}

void GraphicsImageViewer::removeItem(QGraphicsItem* item)
{
    m_scene->removeItem(item);
}

void GraphicsImageViewer::swapToOriginalPixmap()
{
    if (m_pixmap)
        m_item->setVisible(true);
}

// --------------------------------------------------------------- scrolling

void GraphicsImageViewer::stopPosAnimation()
{
    if (m_timelineX->state() == QTimeLine::Running)
        m_timelineX->stop();
    if (m_timelineY->state() == QTimeLine::Running)
        m_timelineY->stop();
}

void GraphicsImageViewer::scroll(int x, int y)
{
    stopPosAnimation();
    horizontalScrollBar()->setValue(x);
    verticalScrollBar()->setValue(y);
    centerIfNecessary();
    snapToEdges();
    saveViewportPos();
}

void GraphicsImageViewer::scrollPrecise(int dx, int dy)
{
    stopPosAnimation();
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + dx);
    verticalScrollBar()->setValue(verticalScrollBar()->value() + dy);
    centerIfNecessary();
    snapToEdges();
    saveViewportPos();
}

void GraphicsImageViewer::scrollSmooth(int dx, int dy)
{
    auto axis = [this](int direction, QTimeLine* line, QScrollBar* bar) {
        if (direction == 0)
            return;
        const int s = direction > 0 ? -m_scrollStep : m_scrollStep;
        const int v = bar->value();
        int target = v - s;
        if (line->state() == QTimeLine::Running) {
            const int end = line->endFrame();
            // A press in the direction already running extends that scroll.
            if ((s > 0 && v >= end) || (s < 0 && v <= end))
                target = end - int(s * m_scrollAcceleration);
        }
        line->stop();
        line->setFrameRange(v, target);
        line->start();
    };
    axis(dx, m_timelineX, horizontalScrollBar());
    axis(dy, m_timelineY, verticalScrollBar());
    saveViewportPos();
}

void GraphicsImageViewer::scrollUp()
{
    scrollSmooth(0, -m_scrollStep);
}

void GraphicsImageViewer::scrollDown()
{
    scrollSmooth(0, m_scrollStep);
}

void GraphicsImageViewer::scrollLeft()
{
    scrollSmooth(-m_scrollStep, 0);
}

void GraphicsImageViewer::scrollRight()
{
    scrollSmooth(m_scrollStep, 0);
}

void GraphicsImageViewer::scrollToX(int x)
{
    horizontalScrollBar()->setValue(x);
    centerIfNecessary();
    snapToEdges();
    // Painted here and now: handing control to the event loop from inside
    // this slot could delete the viewer under our feet.
    repaintNow();
}

void GraphicsImageViewer::scrollToY(int y)
{
    verticalScrollBar()->setValue(y);
    centerIfNecessary();
    snapToEdges();
    repaintNow();
}

void GraphicsImageViewer::onScrollTimelineFinished()
{
    saveViewportPos();
}

// ------------------------------------------------------------------- locks

void GraphicsImageViewer::toggleLock(int lock)
{
    if (!m_pixmap)
        return;
    if (m_viewLock == lock) {
        m_viewLock = 0;
        return;
    }
    m_viewLock = lock;
    m_lockedScale = currentScale();
    m_fitMode = FitFree;
    saveViewportPos();
}

void GraphicsImageViewer::toggleLockZoom()
{
    toggleLock(1);
}

void GraphicsImageViewer::toggleLockView()
{
    toggleLock(2);
}

void GraphicsImageViewer::lockZoom()
{
    m_lockedScale = currentScale();
    m_fitMode = FitFree;
    saveViewportPos();
}

void GraphicsImageViewer::saveViewportPos()
{
    if (m_viewLock != 2 || !m_pixmap)
        return;
    const QRect vr = viewport()->rect();
    const QPointF p = mapToScene(QPoint(vr.right() / 2, vr.bottom() / 2)) + QPointF(1, 1);
    const QRectF r = m_item->sceneBoundingRect();
    if (r.isEmpty())
        return;
    m_savedViewX = std::clamp((p.x() - r.left()) / r.width(), 0.0, 1.0);
    m_savedViewY = std::clamp((p.y() - r.top()) / r.height(), 0.0, 1.0);
}

void GraphicsImageViewer::applySavedViewportPos()
{
    const QRectF r = m_item->sceneBoundingRect();
    centreViewOn(QPointF(r.left() + m_savedViewX * r.width(), r.top() + m_savedViewY * r.height()));
    centerIfNecessary();
    snapToEdges();
}

// ------------------------------------------------------------ view events

void GraphicsImageViewer::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    m_input->setPressPos(viewport()->mapFromGlobal(QCursor::pos()));
    // A viewer inside a hidden parent gets its real size when shown.
    const QWidget* parent = parentWidget();
    if (parent && !parent->isVisible())
        return;
    stopPosAnimation();
    if (m_pixmap)
        updateScaleRange();
    if (m_fitMode == FitWindow || m_fitMode == FitWidth) {
        applyFitMode();
    } else {
        centerIfNecessary();
        snapToEdges();
    }
    viewport()->update();
    m_scalingTimer->start();
    saveViewportPos();
}

void GraphicsImageViewer::showEvent(QShowEvent* event)
{
    QGraphicsView::showEvent(event);
    if (m_fitMode == FitOriginal)
        fitFree(1.0f);
}

// ------------------------------------------------------------------ input

bool GraphicsImageViewer::viewportEvent(QEvent* event)
{
    // Native gestures arrive at the viewport, which does not pass them on.
    if (event->type() == QEvent::NativeGesture)
        return nativeGesture(static_cast<QNativeGestureEvent*>(event));
    return QGraphicsView::viewportEvent(event);
}

bool GraphicsImageViewer::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Gesture:
        return gestureEvent(static_cast<QGestureEvent*>(event));
    case QEvent::NativeGesture:
        return nativeGesture(static_cast<QNativeGestureEvent*>(event));
    default:
        return QGraphicsView::event(event);
    }
}

bool GraphicsImageViewer::nativeGesture(QNativeGestureEvent* event)
{
    return m_input->nativeGesture(event);
}

bool GraphicsImageViewer::gestureEvent(QGestureEvent* event)
{
    return m_input->pinch(event);
}

bool GraphicsImageViewer::nativeMagnifyEvent(float delta, float, float)
{
    if (m_interaction) {
        if (delta > 0)
            zoomInCursor();
        else if (delta < 0)
            zoomOutCursor();
    }
    return m_interaction;
}

bool GraphicsImageViewer::nativeSmartMagnifyEvent(float, float, float)
{
    if (m_interaction) {
        switch (m_fitMode) {
        case FitOriginal:
        case FitFree:
            setFitWindow();
            break;
        case FitWindow:
            setFitOriginal();
            break;
        case FitWidth:
            break;
        }
    }
    return m_interaction;
}

bool GraphicsImageViewer::nativeSwipeEvent(float, float, float)
{
    return true;
}

void GraphicsImageViewer::mousePressEvent(QMouseEvent* event)
{
    m_input->mousePress(event);
}

void GraphicsImageViewer::mouseMoveEvent(QMouseEvent* event)
{
    m_input->mouseMove(event);
}

void GraphicsImageViewer::mouseReleaseEvent(QMouseEvent* event)
{
    m_input->mouseRelease(event);
}

void GraphicsImageViewer::wheelEvent(QWheelEvent* event)
{
    m_input->wheel(event);
}

void GraphicsImageViewer::keyPressEvent(QKeyEvent* event)
{
    event->accept();
}
