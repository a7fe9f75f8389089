#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

// Image reading as the desktop's own decoders would do it. Here the
// decoding is the program's one image road (IQImageIO), which sits above
// this layer and is handed down at start-up (setDecoder): a file is judged
// by the same checks wherever it is read, its memory cap included, and
// until a decoder is set both readers give null images. Results are plain
// QImage values the caller owns; any thread may call.
class MacOSIO
{
public:
    MacOSIO() = delete;

    // The size wanted of the upright picture; an invalid size for the whole.
    using SizeRule = std::function<QSize(const QSize& upright)>;
    using Decoder = QImage (*)(const QString& filePath, const SizeRule& size);
    // Call once at start-up, before any read.
    static void setDecoder(Decoder decoder);

    // The first image of the file, turned upright by its stored orientation.
    // Null when the file cannot be read.
    static QImage readImage(const QString& filePath);

    // A thumbnail no larger than `maximumSize`, aspect kept, decoded straight
    // at the reduced size and upright. A picture that already fits is not
    // enlarged. Null when the file cannot be read or the maximum size is
    // empty.
    static QImage readImageByQL(const QString& filePath, const QSize& maximumSize);

    // The largest size of the aspect of `size` that fits `bounds` without
    // enlarging; each side rounded and at least one pixel. Invalid when
    // either size is empty.
    static QSize fittedSize(const QSize& size, const QSize& bounds);
};
