#pragma once

#include <QImage>
#include <QString>

// Reading and writing one image file, as the load and save workers do it.
// Safe on any thread; neither function changes process-wide reader settings
// (see IQImageLimits).
class IQImageIO
{
public:
    IQImageIO() = delete;

    // Decodes `path` with the decoder Qt picks by content and suffix (camera
    // RAW through the RAW plug-in), with the orientation stored in the file
    // applied. On failure returns a null image and, when `error` is not null,
    // a message for the user there.
    static QImage readImage(const QString& path, QString* error = nullptr);

    // Writes `image` to `path` in the format its suffix names, with the
    // writer's default settings, through a temporary file that replaces
    // `path` only once complete: a failure leaves an existing file as it was.
    // On failure returns false and, when `error` is not null, a message.
    static bool writeImage(const QImage& image, const QString& path, QString* error = nullptr);
};
