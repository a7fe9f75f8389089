#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The one place where montage tile photos are read from disk.
//
// A photo is read through the program's one image road (IQImageIO) straight
// at the size that covers one tile, so a pool of many large photos costs
// memory in proportion to the tile, not to the photos, and a damaged photo
// is refused as it is everywhere else. Safe on any thread; it changes no
// process-wide reader setting.
class IQZorivuvTileReader
{
public:
    IQZorivuvTileReader() = delete;

    // The upright picture (stored orientation applied) scaled to cover
    // `tile`, its aspect ratio kept: at least one side equals the tile's, the
    // other is at least as long. A null image when the file cannot be read
    // or `tile` is empty, with the user's message in `error` when not null.
    static QImage readCovering(const QString& path, const QSize& tile, QString* error = nullptr);
};
