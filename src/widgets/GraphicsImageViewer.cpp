#include "widgets/GraphicsImageViewer.h"

#include "widgets/ImageViewInput.h"
#include "widgets/ImageViewScroller.h"
#include "widgets/ImageViewZoom.h"

#include <QApplication>
#include <QCursor>
#include <QGestureEvent>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QNativeGestureEvent>
#include <QScrollBar>
#include <QTimer>

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

    m_scroller = std::make_unique<ImageViewScroller>(*this);
    m_zoom = std::make_unique<ImageViewZoom>(*this, *m_scroller);
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

ImageFitMode GraphicsImageViewer::fitMode() const { return m_zoom->fitMode(); }
double GraphicsImageViewer::currentScale() const { return m_item->scale(); }
QSize GraphicsImageViewer::sourceSize() const { return m_pixmap ? m_pixmap->size() : QSize(0, 0); }
bool GraphicsImageViewer::isDisplaying() const { return m_pixmap != nullptr; }
ScalingFilter GraphicsImageViewer::scalingFilter() const { return m_filter; }
QWidget* GraphicsImageViewer::widget() { return this; }
double GraphicsImageViewer::minimumScale() const { return m_zoom->minimumScale(); }
double GraphicsImageViewer::maximalScale() const { return m_zoom->maximalScale(); }
double GraphicsImageViewer::fitWindowScale() const { return m_zoom->fitWindowScale(); }
double GraphicsImageViewer::zoomStep() const { return m_zoom->step(); }
bool GraphicsImageViewer::expandImage() const { return m_zoom->expandImage(); }
int GraphicsImageViewer::scrollDuration() const { return m_scroller->duration(); }
int GraphicsImageViewer::scrollStep() const { return m_scroller->step(); }
ImageScrolling GraphicsImageViewer::imageScrolling() const { return ImageScrollingDefault; }
QPixmap GraphicsImageViewer::displayedPixmap() const { return m_pixmap ? *m_pixmap : QPixmap(); }
QImage GraphicsImageViewer::displayedImage() const { return m_pixmap ? m_pixmap->toImage() : QImage(); }
bool GraphicsImageViewer::isAnimationRunning() const { return m_movie && m_frameTimer->isActive(); }

QRect GraphicsImageViewer::scaledRect() const
{
    const QRectF r = pictureRect();
    return QRect(mapFromScene(r.topLeft()), mapFromScene(r.bottomRight()));
}

QSize GraphicsImageViewer::scaledSize() const
{
    if (!m_pixmap)
        return QSize(0, 0);
    const QSizeF s = pictureRect().size();
    return QSize(qRound(s.width()), qRound(s.height()));
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

QPointF GraphicsImageViewer::sceneRoundPos(QPointF scenePos) const
{
    return mapToScene(mapFromScene(scenePos));
}

QRectF GraphicsImageViewer::sceneRoundRect(QRectF sceneRect) const
{
    return QRectF(sceneRoundPos(sceneRect.topLeft()), sceneRect.size());
}

// ------------------------------------------------------- geometry helpers

QPointF GraphicsImageViewer::sceneCentre() const { return sceneRect().center(); }
QRectF GraphicsImageViewer::pictureRect() const { return m_item->sceneBoundingRect(); }
QPoint GraphicsImageViewer::cursorInViewport() const { return viewport()->mapFromGlobal(QCursor::pos()); }
QPointF GraphicsImageViewer::viewportPosOf(QPointF scenePos) const { return viewportTransform().map(scenePos); }

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

QPoint GraphicsImageViewer::viewportCentre() const
{
    const QRect r = viewport()->rect();
    return QPoint(r.right() / 2, r.bottom() / 2);
}

double GraphicsImageViewer::freshRatio() const
{
    return metric(QPaintDevice::PdmDevicePixelRatioScaled) / 65536.0;
}

void GraphicsImageViewer::repaintNow()
{
    // Paints what is dirty now (after a scroll, only the strip it exposed),
    // without running any other event.
    QCoreApplication::sendPostedEvents(window(), QEvent::UpdateRequest);
}

// ------------------------------------------------------- showing pictures

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
    m_scroller->centreViewOn(sceneCentre());
    viewport()->update();
    resetPixmap(std::move(pixmap));
}

void GraphicsImageViewer::closeImage() { reset(); }

void GraphicsImageViewer::reset()
{
    stopPosAnimation();
    m_item->setPixmap(QPixmap());
    m_item->setScale(1.0);
    m_pixmap.reset();
    stopAnimation();
    m_movie.reset();
    m_scroller->centreViewOn(sceneCentre());
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
    m_zoom->fitNewPicture();
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

// ---------------------------------------------------------------- drawing

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
    const float s = m_zoom->clamped(scale);
    m_item->setScale(s);
    applyTransformationMode();
    m_item->setVisible(true);
    emit scaleChanged(double(s));
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

void GraphicsImageViewer::setFilterNearest() { setScalingFilter(FilterNearest); }
void GraphicsImageViewer::setFilterBilinear() { setScalingFilter(FilterBilinear); }

void GraphicsImageViewer::setScalingFilter(ScalingFilter filter)
{
    m_filter = filter;
    applyTransformationMode();
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

void GraphicsImageViewer::removeItem(QGraphicsItem* item)
{
    m_scene->removeItem(item);
}

void GraphicsImageViewer::swapToOriginalPixmap()
{
    if (m_pixmap)
        m_item->setVisible(true);
}

// --------------------------------------------------------------- settings

void GraphicsImageViewer::readSettings()
{
    m_zoom->restoreDefaults();
    m_smoothAnimation = true;
    m_smoothUpscaling = true;
    onFullscreenModeChanged(m_fullscreen);
    if (m_pixmap)
        updateScaleRange();
    setScalingFilter(FilterBilinear);
    setFitMode(m_zoom->defaultFitMode());
}

void GraphicsImageViewer::setZoomStep(double step) { m_zoom->setStep(step); }

void GraphicsImageViewer::setExpandImage(bool mode)
{
    m_zoom->setExpandImage(mode);
    requestScaling();
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

// ----------------------------------------------------------- zoom and fit

void GraphicsImageViewer::setFitMode(ImageFitMode mode)
{
    m_scalingTimer->stop();
    stopPosAnimation();
    m_zoom->setFitMode(mode);
    requestScaling();
}

void GraphicsImageViewer::setFitOriginal() { setFitMode(FitOriginal); }
void GraphicsImageViewer::setFitWidth() { setFitMode(FitWidth); }
void GraphicsImageViewer::setFitWindow() { setFitMode(FitWindow); }
void GraphicsImageViewer::zoom(float scale) { m_zoom->zoomAt(viewportCentre(), scale); }
void GraphicsImageViewer::zoomIn() { zoom(m_zoom->steppedScale(true)); }
void GraphicsImageViewer::zoomOut() { zoom(m_zoom->steppedScale(false)); }
void GraphicsImageViewer::zoomInCursor() { zoomAtCursor(true); }
void GraphicsImageViewer::zoomOutCursor() { zoomAtCursor(false); }

void GraphicsImageViewer::zoomAtCursor(bool in)
{
    if (!underMouse()) {
        if (in)
            zoomIn();
        else
            zoomOut();
        return;
    }
    m_zoom->stepAt(cursorInViewport(), in);
}

void GraphicsImageViewer::setZoomAnchor(QPoint viewportPos) { m_zoom->setAnchorAt(viewportPos); }
void GraphicsImageViewer::toggleLockZoom() { m_zoom->toggleLock(1); }
void GraphicsImageViewer::toggleLockView() { m_zoom->toggleLock(2); }
bool GraphicsImageViewer::lockZoomEnabled() const { return m_zoom->lock() == 1; }
bool GraphicsImageViewer::lockViewEnabled() const { return m_zoom->lock() == 2; }
void GraphicsImageViewer::lockZoom() { m_zoom->lockZoom(); }

// Protected steps for subclasses; the zoom helper does the work.

void GraphicsImageViewer::updateScaleRange() { m_zoom->updateScaleRange(); }
void GraphicsImageViewer::updateFitWindowScale() { m_zoom->updateFitWindowScale(); }
void GraphicsImageViewer::fitWindow() { m_zoom->fitWindow(); }
void GraphicsImageViewer::fitWidth() { m_zoom->fitWidth(); }
void GraphicsImageViewer::fitFree(float scale) { m_zoom->fitFree(scale); }
void GraphicsImageViewer::applyFitMode() { m_zoom->applyFitMode(); }
void GraphicsImageViewer::zoomAnchored(float scale) { m_zoom->zoomAnchored(scale); }
void GraphicsImageViewer::toggleLock(int lock) { m_zoom->toggleLock(lock); }

// -------------------------------------------------------------- scrolling

void GraphicsImageViewer::scroll(int x, int y) { m_scroller->scrollTo(x, y); }
void GraphicsImageViewer::scrollPrecise(int dx, int dy) { m_scroller->scrollBy(dx, dy); }
void GraphicsImageViewer::scrollUp() { scrollSmooth(0, -scrollStep()); }
void GraphicsImageViewer::scrollDown() { scrollSmooth(0, scrollStep()); }
void GraphicsImageViewer::scrollLeft() { scrollSmooth(-scrollStep(), 0); }
void GraphicsImageViewer::scrollRight() { scrollSmooth(scrollStep(), 0); }
void GraphicsImageViewer::scrollSmooth(int dx, int dy) { m_scroller->scrollSmooth(dx, dy); }
void GraphicsImageViewer::scrollToX(int x) { m_scroller->showFrameX(x); }
void GraphicsImageViewer::scrollToY(int y) { m_scroller->showFrameY(y); }
void GraphicsImageViewer::onScrollTimelineFinished() { saveViewportPos(); }

// Protected steps for subclasses; the scroll helper does the work.

void GraphicsImageViewer::stopPosAnimation() { m_scroller->stop(); }
void GraphicsImageViewer::centerIfNecessary() { m_scroller->centerIfNecessary(); }
void GraphicsImageViewer::snapToEdges() { m_scroller->snapToEdges(); }
void GraphicsImageViewer::saveViewportPos() { m_scroller->saveViewPos(); }
void GraphicsImageViewer::applySavedViewportPos() { m_scroller->applySavedViewPos(); }

// ------------------------------------------------------------ view events

void GraphicsImageViewer::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    m_input->setPressPos(cursorInViewport());
    // A viewer inside a hidden parent gets its real size when shown.
    const QWidget* parent = parentWidget();
    if (parent && !parent->isVisible())
        return;
    stopPosAnimation();
    if (m_pixmap)
        updateScaleRange();
    const ImageFitMode mode = m_zoom->fitMode();
    if (mode == FitWindow || mode == FitWidth)
        applyFitMode();
    else
        m_scroller->keepInView();
    viewport()->update();
    m_scalingTimer->start();
    saveViewportPos();
}

void GraphicsImageViewer::showEvent(QShowEvent* event)
{
    QGraphicsView::showEvent(event);
    if (m_zoom->fitMode() == FitOriginal)
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

bool GraphicsImageViewer::nativeGesture(QNativeGestureEvent* event) { return m_input->nativeGesture(event); }
bool GraphicsImageViewer::gestureEvent(QGestureEvent* event) { return m_input->pinch(event); }
bool GraphicsImageViewer::nativeMagnifyEvent(float delta, float, float) { return m_input->magnify(delta); }
bool GraphicsImageViewer::nativeSmartMagnifyEvent(float, float, float) { return m_input->smartMagnify(); }
bool GraphicsImageViewer::nativeSwipeEvent(float, float, float) { return true; }
void GraphicsImageViewer::mousePressEvent(QMouseEvent* event) { m_input->mousePress(event); }
void GraphicsImageViewer::mouseMoveEvent(QMouseEvent* event) { m_input->mouseMove(event); }
void GraphicsImageViewer::mouseReleaseEvent(QMouseEvent* event) { m_input->mouseRelease(event); }
void GraphicsImageViewer::wheelEvent(QWheelEvent* event) { m_input->wheel(event); }
void GraphicsImageViewer::keyPressEvent(QKeyEvent* event) { event->accept(); }
