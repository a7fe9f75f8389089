#include "widgets/ImageViewerWidget.h"

#include <QHBoxLayout>
#include <QMouseEvent>

ImageViewerWidget::RegisterHelp::RegisterHelp()
{
    const QByteArray name = QMetaObject::normalizedType("QMovieProxy*");
    qRegisterMetaType<QMovieProxy*>(name.constData());
    qRegisterMetaType<ImageFitMode>("ImageFitMode");
    qRegisterMetaType<ScalingFilter>("ScalingFilter");
}

namespace {
const ImageViewerWidget::RegisterHelp s_registerHelp;
}

ImageViewerWidget::ImageViewerWidget(QWidget* parent)
    : QWidget(parent)
    , m_viewer(std::make_unique<GraphicsImageViewer>())
{
    init();
}

ImageViewerWidget::ImageViewerWidget(GraphicsImageViewer* viewer, QWidget* parent)
    : QWidget(parent)
    , m_viewer(viewer)
{
    init();
}

ImageViewerWidget::~ImageViewerWidget()
{
    m_cursorTimer.stop();
    m_viewer.reset();
}

void ImageViewerWidget::init()
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_MouseTracking);
    m_layout = new QHBoxLayout;
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    setLayout(m_layout);
    m_layout->addWidget(m_viewer.get());
    m_viewer->hide();

    GraphicsImageViewer* v = m_viewer.get();
    connect(v, &GraphicsImageViewer::scalingRequested, this, &ImageViewerWidget::scalingRequested);
    connect(v, &GraphicsImageViewer::scaleChanged, this, &ImageViewerWidget::onScaleChanged);
    connect(v, &GraphicsImageViewer::scaleRangeChanged, this, &ImageViewerWidget::onScaleRangeChanged);
    connect(v, &GraphicsImageViewer::playbackFinished, this, &ImageViewerWidget::onAnimationPlaybackFinished);
    connect(this, &ImageViewerWidget::setFilterNearest, v, &GraphicsImageViewer::setFilterNearest);
    connect(this, &ImageViewerWidget::setFilterBilinear, v, &GraphicsImageViewer::setFilterBilinear);
    enableImageViewer();
    enableInteraction();
    connect(&m_cursorTimer, &QTimer::timeout, this, &ImageViewerWidget::hideCursor);
}

// ----------------------------------------------------------------- switches

void ImageViewerWidget::enableImageViewer()
{
    if (m_viewerDisabled == 0)
        return;
    GraphicsImageViewer* v = m_viewer.get();
    m_viewerConnections = {
        connect(v, SIGNAL(durationChanged(int,int)), this, SIGNAL(durationChanged(int,int))),
        connect(v, SIGNAL(frameChanged(int,QImage)), this, SIGNAL(frameChanged(int,QImage))),
        connect(v, SIGNAL(animationPaused(bool)), this, SIGNAL(animationPaused(bool))),
    };
    m_viewer->show();
    m_viewerDisabled = 0;
}

void ImageViewerWidget::disableImageViewer()
{
    if (m_viewerDisabled != 0)
        return;
    m_viewerDisabled = 1;
    m_viewer->closeImage();
    m_viewer->hide();
    for (const auto& c : std::as_const(m_viewerConnections))
        disconnect(c);
    m_viewerConnections.clear();
}

void ImageViewerWidget::enableInteraction()
{
    if (m_interaction)
        return;
    using V = GraphicsImageViewer;
    using W = ImageViewerWidget;
    V* v = m_viewer.get();
    m_interactionConnections = {
        connect(this, &W::toggleLockZoom, v, &V::toggleLockZoom),
        connect(this, &W::toggleLockView, v, &V::toggleLockView),
        connect(this, &W::zoomIn, v, &V::zoomIn),
        connect(this, &W::zoomOut, v, &V::zoomOut),
        connect(this, &W::zoomInCursor, v, &V::zoomInCursor),
        connect(this, &W::zoomOutCursor, v, &V::zoomOutCursor),
        connect(this, &W::scrollUp, v, &V::scrollUp),
        connect(this, &W::scrollDown, v, &V::scrollDown),
        connect(this, &W::scrollLeft, v, &V::scrollLeft),
        connect(this, &W::scrollRight, v, &V::scrollRight),
        connect(this, &W::fitWindow, v, &V::setFitWindow),
        connect(this, &W::fitWidth, v, &V::setFitWidth),
        connect(this, &W::fitOriginal, v, &V::setFitOriginal),
        connect(v, &V::draggedOut, this, &W::draggedOut),
    };
    m_viewer->enableInteraction();
    m_interaction = true;
}

void ImageViewerWidget::disableInteraction()
{
    if (!m_interaction)
        return;
    for (const auto& c : std::as_const(m_interactionConnections))
        disconnect(c);
    m_interactionConnections.clear();
    m_viewer->disableInteraction();
    m_interaction = false;
}

// ----------------------------------------------------------------- pictures

void ImageViewerWidget::prepareToShow()
{
    if (m_viewerDisabled == 0 && m_viewer->hasAnimation())
        m_viewer->stopAnimation();
    enableImageViewer();
}

void ImageViewerWidget::startCursorTimerIfIdle()
{
    if (!m_cursorTimer.isActive())
        m_cursorTimer.start(m_cursorInterval);
}

bool ImageViewerWidget::showImage(QImage image)
{
    return showImage(std::make_unique<QPixmap>(QPixmap::fromImage(image)));
}

bool ImageViewerWidget::showImage(std::unique_ptr<QPixmap> pixmap)
{
    if (!pixmap || pixmap->isNull())
        return false;
    prepareToShow();
    m_viewer->displayImage(std::move(pixmap));
    startCursorTimerIfIdle();
    return true;
}

void ImageViewerWidget::updateShownImage(std::unique_ptr<QPixmap> pixmap)
{
    if (!pixmap || pixmap->isNull())
        return;
    prepareToShow();
    m_viewer->updateDisplayImage(std::move(pixmap));
    startCursorTimerIfIdle();
}

void ImageViewerWidget::updateShownImage2(std::unique_ptr<QPixmap> pixmap)
{
    if (!pixmap || pixmap->isNull())
        return;
    prepareToShow();
    m_viewer->updateDisplayImage2(std::move(pixmap));
    startCursorTimerIfIdle();
}

bool ImageViewerWidget::showAnimation(std::unique_ptr<QMovieProxy> movie)
{
    if (!movie)
        return false;
    prepareToShow();
    m_viewer->displayAnimation(std::move(movie));
    startCursorTimerIfIdle();
    return true;
}

QImage ImageViewerWidget::displayedImage() const
{
    return m_viewer->displayedImage();
}

void ImageViewerWidget::closeImage()
{
    m_viewer->closeImage();
    showCursor();
}

void ImageViewerWidget::setAnimationCallback(GraphicsImageViewer::FrameCallback callback, void* data)
{
    m_viewer->setAnimationCallback(callback, data);
}

// ----------------------------------------------------------------- playback

void ImageViewerWidget::startPlayback()
{
    if (m_viewerDisabled == 0 && m_viewer->hasAnimation())
        m_viewer->startAnimation();
}

void ImageViewerWidget::stopPlayback()
{
    if (m_viewerDisabled == 0 && m_viewer->hasAnimation())
        m_viewer->stopAnimation();
}

void ImageViewerWidget::pauseResumePlayback()
{
    if (m_viewer->hasAnimation())
        m_viewer->pauseResume();
}

void ImageViewerWidget::frameStep()
{
    if (!m_viewer->hasAnimation())
        return;
    m_viewer->stopAnimation();
    m_viewer->nextFrame();
}

void ImageViewerWidget::frameStepBack()
{
    if (!m_viewer->hasAnimation())
        return;
    m_viewer->stopAnimation();
    m_viewer->prevFrame();
}

void ImageViewerWidget::seek(int pos)
{
    if (!m_viewer->hasAnimation())
        return;
    m_viewer->stopAnimation();
    m_viewer->showAnimationFrame(pos);
}

void ImageViewerWidget::setLoopPlayback(bool mode)
{
    m_viewer->setLoopPlayback(mode);
}

void ImageViewerWidget::onAnimationPlaybackFinished()
{
    if (m_viewerDisabled == 0)
        emit playbackFinished();
}

// ------------------------------------------------------------ view values

void ImageViewerWidget::setFitMode(ImageFitMode mode)
{
    switch (mode) {
    case FitOriginal:
        emit fitOriginal();
        break;
    case FitWidth:
        emit fitWidth();
        break;
    case FitWindow:
        emit fitWindow();
        break;
    case FitFree:
        break;
    }
}

ImageFitMode ImageViewerWidget::fitMode() const
{
    return m_viewer->fitMode();
}

ScalingFilter ImageViewerWidget::scalingFilter() const
{
    return m_viewer->scalingFilter();
}

bool ImageViewerWidget::lockZoomEnabled() const
{
    return m_viewer->lockZoomEnabled();
}

bool ImageViewerWidget::lockViewEnabled() const
{
    return m_viewer->lockViewEnabled();
}

void ImageViewerWidget::setExpandImage(bool mode)
{
    m_viewer->setExpandImage(mode);
}

void ImageViewerWidget::setZoomStep(double step)
{
    m_viewer->setZoomStep(step);
}

void ImageViewerWidget::slotZoom(double scale)
{
    m_viewer->zoom(float(scale));
}

void ImageViewerWidget::slotZoomIn()
{
    emit zoomIn();
}

void ImageViewerWidget::slotZoomOut()
{
    emit zoomOut();
}

QRect ImageViewerWidget::imageRect() const
{
    if (!m_viewer || m_viewerDisabled != 0)
        return QRect();
    return m_viewer->scaledRect();
}

double ImageViewerWidget::currentScale() const
{
    return m_viewerDisabled != 0 ? 1.0 : m_viewer->currentScale();
}

double ImageViewerWidget::maxScale() const
{
    return m_viewer->maximalScale();
}

double ImageViewerWidget::minScale() const
{
    return m_viewer->minimumScale();
}

QSize ImageViewerWidget::sourceSize() const
{
    return m_viewerDisabled != 0 ? QSize(0, 0) : m_viewer->sourceSize();
}

bool ImageViewerWidget::isDisplaying() const
{
    return m_viewerDisabled == 0 && m_viewer->isDisplaying();
}

void ImageViewerWidget::onFullscreenModeChanged(bool mode)
{
    m_viewer->onFullscreenModeChanged(mode);
    m_fullscreen = mode;
}

void ImageViewerWidget::onScaleChanged(double scale)
{
    if (isVisible())
        emit scaleChanged(scale);
}

void ImageViewerWidget::onScaleRangeChanged(double minimum, double maximum)
{
    if (isVisible())
        emit scaleRangeChanged(minimum, maximum);
}

void ImageViewerWidget::showContextMenu()
{
}

void ImageViewerWidget::hideContextMenu()
{
}

void ImageViewerWidget::showContextMenu(QPoint)
{
}

// ------------------------------------------------------------------ cursor

void ImageViewerWidget::hideCursorTimed(bool restartTimer)
{
    if (restartTimer)
        m_cursorTimer.start(m_cursorInterval);
    else
        startCursorTimerIfIdle();
}

void ImageViewerWidget::showCursor()
{
    m_cursorTimer.stop();
    if (cursor().shape() == Qt::BlankCursor)
        setCursor(Qt::ArrowCursor);
}

void ImageViewerWidget::hideCursor()
{
    m_cursorTimer.stop();
    // Only over a picture in the active window: a background window keeps
    // its cursor for whatever the user does elsewhere.
    if (m_viewerDisabled == 0 && m_viewer->isDisplaying() && isActiveWindow() && underMouse())
        setCursor(Qt::BlankCursor);
}

// ------------------------------------------------------------------ events

void ImageViewerWidget::mousePressEvent(QMouseEvent* event)
{
    event->ignore();
}

void ImageViewerWidget::mouseReleaseEvent(QMouseEvent* event)
{
    showCursor();
    startCursorTimerIfIdle();
    event->ignore();
}

void ImageViewerWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (m_interaction && !(event->buttons() & (Qt::LeftButton | Qt::RightButton))) {
        showCursor();
        hideCursorTimed(true);
    }
    if (m_interaction)
        event->ignore();
}

void ImageViewerWidget::keyPressEvent(QKeyEvent* event)
{
    event->accept();
}

void ImageViewerWidget::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
}

void ImageViewerWidget::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
}

void ImageViewerWidget::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
}

bool ImageViewerWidget::focusNextPrevChild(bool)
{
    return false;
}
