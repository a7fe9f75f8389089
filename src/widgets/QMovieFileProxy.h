#pragma once

#include "widgets/QMovieProxy.h"

#include <memory>

class QBuffer;
class QMovie;

// A QMovieProxy over Qt's QMovie: plays any animation format Qt reads (GIF,
// animated WebP, ...). Frames are decoded on demand and not cached, so going
// back means decoding again from frame 0; the viewers only ever go back to 0.
class QMovieFileProxy : public QMovieProxy
{
public:
    // Reads the file `fileName`.
    explicit QMovieFileProxy(const QString& fileName);
    // Reads a copy of `data` held in memory; `format` may be empty to guess.
    explicit QMovieFileProxy(const QByteArray& data, const QByteArray& format = QByteArray());
    ~QMovieFileProxy() override;

    QImage currentImage() const override;
    int loopCount() const override;
    QPixmap currentPixmap() const override;
    bool jumpToFrame(int frame) override;
    int currentFrameNumber() const override;
    int nextFrameDelay() const override;
    QByteArray format() const override;
    int frameCount() const override;
    bool isValid() const override;
    bool jumpToNextFrame() override;
    QString lastErrorString() const override;

private:
    void prepare();

    // Declared before the movie: the movie reads from it and is destroyed first.
    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QMovie> m_movie;
};
