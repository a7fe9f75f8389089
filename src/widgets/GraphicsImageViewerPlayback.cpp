// Animation playback of the image viewer: frames of a QMovieProxy shown on
// the viewer's own timer, looping or stopping at the end.
#include "widgets/GraphicsImageViewer.h"

#include "widgets/ImageViewZoom.h"

#include <QGraphicsPixmapItem>
#include <QTimer>
#include <QtDebug>

#include <algorithm>

namespace {

// A zero frame delay would re-arm the timer at once and spin.
constexpr int kMinimumFrameDelayMs = 10;

} // namespace

void GraphicsImageViewer::displayAnimation(std::unique_ptr<QMovieProxy> movie)
{
    if (!movie || !movie->isValid())
        return;
    // A source whose first frame cannot be decoded is refused like an
    // invalid one, before the picture shown now is dropped.
    movie->jumpToFrame(0);
    QPixmap frame = movie->currentPixmap();
    if (frame.isNull()) {
        qDebug().noquote() << "[Error] QMovie:" << movie->lastErrorString();
        return;
    }
    reset();
    m_movie = std::move(movie);
    m_item->setTransformationMode(m_smoothAnimation ? Qt::SmoothTransformation : Qt::FastTransformation);
    if (m_frameCallback)
        m_frameCallback(&frame, m_callbackData);
    emit frameChanged(m_movie->currentFrameNumber(), frame.toImage());
    updatePixmap(std::make_unique<QPixmap>(frame));
    emit durationChanged(m_movie->nextFrameDelay(), m_movie->frameCount());
    updateScaleRange();
    m_zoom->fitNewPicture();
    startAnimation();
}

void GraphicsImageViewer::showCurrentFrame()
{
    QPixmap frame = m_movie->currentPixmap();
    if (frame.isNull())
        return;
    if (m_frameCallback)
        m_frameCallback(&frame, m_callbackData);
    emit frameChanged(m_movie->currentFrameNumber(), frame.toImage());
    auto copy = std::make_unique<QPixmap>(frame);
    if (m_pixmap && m_pixmap->size() == frame.size())
        updatePixmap(std::move(copy));
    else
        resetPixmap(std::move(copy));
}

void GraphicsImageViewer::logFrameError() const
{
    qDebug().noquote() << "[Error] QMovie:" << m_movie->lastErrorString();
}

void GraphicsImageViewer::startFrameTimer()
{
    m_frameTimer->start(std::max(m_movie->nextFrameDelay(), kMinimumFrameDelayMs));
}

void GraphicsImageViewer::startAnimation()
{
    if (!m_movie || m_movie->frameCount() < 2)
        return;
    stopAnimation();
    emit animationPaused(false);
    startFrameTimer();
}

void GraphicsImageViewer::stopAnimation()
{
    if (!m_movie)
        return;
    emit animationPaused(true);
    m_frameTimer->stop();
}

void GraphicsImageViewer::pauseResume()
{
    if (!m_movie)
        return;
    if (m_frameTimer->isActive())
        stopAnimation();
    else
        startAnimation();
}

void GraphicsImageViewer::setLoopPlayback(bool mode)
{
    if (m_movie && mode && !m_loopPlayback)
        startAnimation();
    m_loopPlayback = mode;
}

void GraphicsImageViewer::setAnimationCallback(FrameCallback callback, void* data)
{
    m_frameCallback = callback;
    m_callbackData = callback ? data : nullptr;
}

void GraphicsImageViewer::onAnimationTimer()
{
    if (!m_movie)
        return;
    if (m_movie->currentFrameNumber() == m_movie->frameCount() - 1) {
        if (!m_loopPlayback) {
            emit animationPaused(true);
            emit playbackFinished();
            return;
        }
        m_movie->jumpToFrame(0);
    } else if (!m_movie->jumpToNextFrame()) {
        logFrameError();
        stopAnimation();
        return;
    }
    showCurrentFrame();
    startFrameTimer();
}

void GraphicsImageViewer::nextFrame()
{
    if (!m_movie)
        return;
    const int current = m_movie->currentFrameNumber();
    showAnimationFrame(current >= m_movie->frameCount() - 1 ? 0 : current + 1);
}

void GraphicsImageViewer::prevFrame()
{
    if (!m_movie)
        return;
    const int current = m_movie->currentFrameNumber();
    showAnimationFrame(current <= 0 ? m_movie->frameCount() - 1 : current - 1);
}

bool GraphicsImageViewer::showAnimationFrame(int frame)
{
    if (!m_movie || frame < 0 || frame >= m_movie->frameCount())
        return false;
    if (frame == m_movie->currentFrameNumber())
        return true;
    if (m_movie->currentFrameNumber() > frame)
        m_movie->jumpToFrame(0);
    // Bounded: a source that reports success without advancing must not hang us.
    for (int steps = 0; m_movie->currentFrameNumber() != frame && steps < m_movie->frameCount(); ++steps) {
        if (!m_movie->jumpToNextFrame()) {
            logFrameError();
            break;
        }
    }
    showCurrentFrame();
    return true;
}
