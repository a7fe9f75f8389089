#pragma once

#include <QImage>
#include <QString>

class QImageReader;

// Reading and writing one image file, as the load and save workers do it.
// Safe on any thread; neither function changes process-wide reader settings
// (see IQImageLimits).
class IQImageIO
{
public:
    IQImageIO() = delete;

    // Decodes `path` with the decoder Qt picks by content and suffix (camera
    // RAW through the RAW plug-in), with the orientation stored in the file
    // applied. A file is refused before decoding when its header claims
    // more pixels than its size can hold (IQImageLimits), and when it stops
    // before its own end: a
    // damaged file never comes back as a picture with grey where data is
    // missing. On failure returns a null image and, when `error` is not
    // null, a message for the user there.
    static QImage readImage(const QString& path, QString* error = nullptr);

    // The checks readImage() makes before decoding (plausibility and
    // completeness; the allocation cap is the decoder's, as a scaled read
    // needs less), for callers that set up their own reader (thumbnails):
    // `reader` reads a file by name. False,
    // with the message in `error` when not null, when the file must not be
    // decoded.
    static bool checkBeforeDecode(QImageReader& reader, QString* error = nullptr);
    // The user's message for a read of `reader` that gave a null image; call
    // it right after the read, on the same thread, and drop the RAW
    // plug-in's stale reason before the read (RawIOHandler::takeLastReadError).
    static QString readFailure(QImageReader& reader);

    // The message for a file that stops before its end or whose data do not
    // decode.
    static QString damagedMessage();

    // Writes `image` to `path` in the format its suffix names, with the
    // writer's default settings, through a temporary file that replaces
    // `path` only once complete: a failure leaves an existing file as it was.
    // On failure returns false and, when `error` is not null, a message.
    static bool writeImage(const QImage& image, const QString& path, QString* error = nullptr);
};
