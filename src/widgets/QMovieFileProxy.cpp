#include "widgets/QMovieFileProxy.h"

#include <QBuffer>
#include <QMovie>

QMovieFileProxy::QMovieFileProxy(const QString& fileName)
    : m_movie(std::make_unique<QMovie>(fileName))
{
    prepare();
}

QMovieFileProxy::QMovieFileProxy(const QByteArray& data, const QByteArray& format)
    : m_buffer(std::make_unique<QBuffer>())
{
    m_buffer->setData(data);
    m_buffer->open(QIODevice::ReadOnly);
    m_movie = std::make_unique<QMovie>(m_buffer.get(), format);
    prepare();
}

QMovieFileProxy::~QMovieFileProxy() = default;

void QMovieFileProxy::prepare()
{
    // The viewer steps the frames itself; QMovie's own timer stays idle.
    m_movie->setCacheMode(QMovie::CacheNone);
}

QImage QMovieFileProxy::currentImage() const
{
    return m_movie->currentImage();
}

int QMovieFileProxy::loopCount() const
{
    return m_movie->loopCount();
}

QPixmap QMovieFileProxy::currentPixmap() const
{
    return m_movie->currentPixmap();
}

bool QMovieFileProxy::jumpToFrame(int frame)
{
    return m_movie->jumpToFrame(frame);
}

int QMovieFileProxy::currentFrameNumber() const
{
    return m_movie->currentFrameNumber();
}

int QMovieFileProxy::nextFrameDelay() const
{
    return m_movie->nextFrameDelay();
}

QByteArray QMovieFileProxy::format() const
{
    return m_movie->format();
}

int QMovieFileProxy::frameCount() const
{
    return m_movie->frameCount();
}

bool QMovieFileProxy::isValid() const
{
    return m_movie->isValid();
}

bool QMovieFileProxy::jumpToNextFrame()
{
    // QMovie wraps around to frame 0 by itself; the viewer decides about
    // looping, so the end is reported as the end.
    const int before = m_movie->currentFrameNumber();
    const int count = m_movie->frameCount();
    if (count > 0 && before >= count - 1)
        return false;
    return m_movie->jumpToNextFrame() && m_movie->currentFrameNumber() == before + 1;
}

QString QMovieFileProxy::lastErrorString() const
{
    return m_movie->lastErrorString();
}
