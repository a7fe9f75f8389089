#pragma once

#include <QImageIOHandler>
#include <QString>

#include <memory>

class RawIOHandlerPrivate;

// Reads one camera RAW file with LibRaw (the thread-safe build). The whole
// file is held in memory while the handler lives; it is parsed once, at the
// first canRead(), read() or option(Size).
//
// read() decodes the sensor data unless the wanted size (the ScaledSize
// option, else the full size) is below the embedded preview, turned upright,
// in either dimension; then it returns the preview, scaled to the wanted
// size. Either road yields an upright QImage::Format_RGB32 image of exactly
// the wanted size. A handler is used on one thread at a time; handlers on
// different threads are independent.
class RawIOHandler : public QImageIOHandler
{
public:
    RawIOHandler();
    ~RawIOHandler() override;

    // True when LibRaw recognises the device's data; sets the format "raw".
    // Leaves the device where it was.
    bool canRead() const override;
    // Decodes the image; false, with a warning and errorString(), on failure,
    // leaving `image` untouched.
    bool read(QImage* image) override;

    // Size: the upright full size, (-1, -1) when the data cannot be opened.
    // ScaledSize: the size read() should deliver. ImageFormat: RGB32.
    QVariant option(ImageOption option) const override;
    void setOption(ImageOption option, const QVariant& value) override;
    bool supportsOption(ImageOption option) const override;

    // Why the last canRead(), read() or option(Size) failed; empty if it did not.
    QString errorString() const;

    // Why the last read() on the calling thread failed ("sensor data: the
    // file ends early" and the like), and forgets it; empty when it
    // succeeded or none ran since the last call. QImageReader passes no
    // handler's reason on: its owner takes it from here, and calls this
    // once before a read to drop a reason left over from another reader.
    static QString takeLastReadError();

    // Whether LibRaw recognises the data of `device`. Reads the device from
    // its start and leaves it where it was.
    static bool canRead(QIODevice* device);

private:
    std::unique_ptr<RawIOHandlerPrivate> d;
};
