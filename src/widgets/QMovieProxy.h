#pragma once

#include <QByteArray>
#include <QImage>
#include <QMetaType>
#include <QPixmap>
#include <QString>

// The frames of an animated picture as the image viewers play them. Not a
// QObject: the viewer owns its source through std::unique_ptr and steps it
// from its own timer, in the GUI thread. Frame numbers start at 0.
class QMovieProxy
{
public:
    virtual ~QMovieProxy();

    // The current frame as an image; null before the first frame.
    virtual QImage currentImage() const = 0;
    // Times the animation asks to be played; -1 forever, 0 once.
    virtual int loopCount() const = 0;

    // The current frame.
    virtual QPixmap currentPixmap() const = 0;
    // Goes to frame `frame`; false when it cannot be reached.
    virtual bool jumpToFrame(int frame) = 0;
    virtual int currentFrameNumber() const = 0;
    // Milliseconds to show the current frame.
    virtual int nextFrameDelay() const = 0;

    // Name of the image format ("gif", "webp", ...); empty when unknown.
    virtual QByteArray format() const = 0;

    // Number of frames; 0 when the format cannot tell.
    virtual int frameCount() const = 0;
    // The source can be played.
    virtual bool isValid() const = 0;
    // Advances one frame; false on a decoding error or past the last frame.
    virtual bool jumpToNextFrame() = 0;
    virtual QString lastErrorString() const = 0;
};

Q_DECLARE_METATYPE(QMovieProxy*)
