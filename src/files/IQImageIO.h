#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

// The one road by which the program reads a picture file, whole or
// reduced, and by which it writes one. Every reader of pictures (the load
// worker, the browser's thumbnails, the montage's target and tiles, the
// panorama's photos, the platform layer) comes through here, so a file is
// judged alike wherever it is opened:
//
// - anything but a regular file (a FIFO, socket, device or folder) is
//   refused before it is read, so no reader ever waits on one;
// - a header claiming more pixels than its file can hold, or more than
//   the memory cap, is refused before anything is allocated
//   (IQImageLimits);
// - a file that stops before its end, or whose data do not decode (a JPEG
//   with garbled scan data included), is refused with damagedMessage(),
//   never shown with grey or noise where data were missing;
// - a reduced read holds about the reduced size in memory: JPEG is
//   reduced while it is decoded, PNG and TIFF strips are decoded a row at a
//   time and reduced as the rows come, and a format that can only be
//   decoded whole is refused beyond IQImageLimits::reducedWholeLimitMB.
//
// The stored orientation (EXIF, TIFF) is applied. Safe on any thread;
// nothing here changes process-wide reader settings. On failure a read
// returns a null image and, when `error` is not null, the user's message.
class IQImageIO
{
public:
    IQImageIO() = delete;

    // The size a reduced read makes of a picture that is `upright` (its
    // stored orientation applied): each side at least 1. An invalid size
    // asks for the whole picture.
    using SizeRule = std::function<QSize(const QSize& upright)>;

    // The whole picture, decoded with the decoder the content (and, for
    // camera RAW, the suffix) names.
    static QImage readImage(const QString& path, QString* error = nullptr);
    // The picture at the size `size` gives, exactly; the whole picture
    // when `size` is empty.
    static QImage readImage(const QString& path, const SizeRule& size, QString* error = nullptr);
    // A picture held in memory (one stored inside a project file). When
    // `format` is not empty ("PNG", "JPEG" ...) the content must be of it.
    static QImage readImage(const QByteArray& bytes, const QByteArray& format, const SizeRule& size,
                            QString* error = nullptr);

    // The upright size a file's header states, after the checks a read
    // makes before decoding; invalid on failure.
    static QSize readSize(const QString& path, QString* error = nullptr);
    static QSize readSize(const QByteArray& bytes, const QByteArray& format, QString* error = nullptr);

    // The message for a file that stops before its end, whose data do not
    // decode, or that is not a regular file at all.
    static QString damagedMessage();

    // Writes `image` to `path` in the format its suffix names, with the
    // writer's default settings, through a temporary file that replaces
    // `path` only once complete: a failure leaves an existing file as it was.
    // On failure returns false and, when `error` is not null, a message.
    static bool writeImage(const QImage& image, const QString& path, QString* error = nullptr);
};
