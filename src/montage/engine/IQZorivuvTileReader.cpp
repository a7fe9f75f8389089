#include "montage/engine/IQZorivuvTileReader.h"

#include "files/IQImageIO.h"
#include "files/IQMath.h"

QImage IQZorivuvTileReader::readCovering(const QString& path, const QSize& tile, QString* error)
{
    if (tile.isEmpty())
        return QImage();
    // The cover size is worked out on the upright picture, so a portrait
    // photo is not decoded small and then enlarged.
    const auto cover = [tile](const QSize& upright) {
        int width = upright.width();
        int height = upright.height();
        IQMath::fitOut(&width, &height, tile.width(), tile.height(), true);
        return QSize(qMax(width, 1), qMax(height, 1));
    };
    return IQImageIO::readImage(path, cover, error);
}
