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
    : ViewerCommandWidget(parent)
    , m_viewer(std::make_unique<GraphicsImageViewer>())
{
    init();
}

ImageViewerWidget::ImageViewerWidget(GraphicsImageViewer* viewer, QWidget* parent)
    : ViewerCommandWidget(parent)
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
    m_layout = new QHBoxLayout;
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    setLayout(m_layout);
    m_layout->addWidget(m_viewer.get());
    m_viewer->hide();

    GraphicsImageViewer* v = m_viewer.get();
    connectViewer(v);
    connect(v, &GraphicsImageViewer::scaleChanged, this, &ImageViewerWidget::onScaleChanged);
    connect(v, &GraphicsImageViewer::scaleRangeChanged, this, &ImageViewerWidget::onScaleRangeChanged);
    connect(v, &GraphicsImageViewer::playbackFinished, this, &ImageViewerWidget::onAnimationPlaybackFinished);
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
    m_interactionConnections = wireCommands(m_viewer.get());
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

void ImageViewerWidget::showThrough(void (GraphicsImageViewer::*show)(std::unique_ptr<QPixmap>),
                                    std::unique_ptr<QPixmap> pixmap)
{
    prepareToShow();
    (m_viewer.get()->*show)(std::move(pixmap));
    startCursorTimerIfIdle();
}

bool ImageViewerWidget::showImage(std::unique_ptr<QPixmap> pixmap)
{
    if (!pixmap || pixmap->isNull())
        return false;
    showThrough(&GraphicsImageViewer::displayImage, std::move(pixmap));
    return true;
}

void ImageViewerWidget::updateShownImage(std::unique_ptr<QPixmap> pixmap)
{
    if (pixmap && !pixmap->isNull())
        showThrough(&GraphicsImageViewer::updateDisplayImage, std::move(pixmap));
}

void ImageViewerWidget::updateShownImage2(std::unique_ptr<QPixmap> pixmap)
{
    if (pixmap && !pixmap->isNull())
        showThrough(&GraphicsImageViewer::updateDisplayImage2, std::move(pixmap));
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

