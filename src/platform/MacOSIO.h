#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Image reading as the desktop's own decoders would do it, here through Qt's
// image plug-ins. Both readers honour the process-wide allocation cap of
// QImageReader (the program sets it once at start-up), so a file whose
// header asks for too much memory reads as a failure. Results are plain
// QImage values the caller owns; any thread may call.
class MacOSIO
{
public:
    MacOSIO() = delete;

    // The first image of the file, turned upright by its stored orientation.
    // Null when the file cannot be read.
    static QImage readImage(const QString& filePath);

    // A thumbnail no larger than `maximumSize`, aspect kept, decoded straight
    // at the reduced size where the decoder can (JPEG can) and upright. A
    // picture that already fits is not enlarged. Null when the file cannot
    // be read or the maximum size is empty.
    static QImage readImageByQL(const QString& filePath, const QSize& maximumSize);

    // The largest size of the aspect of `size` that fits `bounds` without
    // enlarging; each side rounded and at least one pixel. Invalid when
    // either size is empty.
    static QSize fittedSize(const QSize& size, const QSize& bounds);
};
