#include "appliances/IQZorivuvTileReader.h"

#include "files/IQMath.h"

#include <QImageReader>

QImage IQZorivuvTileReader::readCovering(const QString& path, const QSize& tile)
{
    if (tile.isEmpty())
        return QImage();

    QImageReader reader(path, QByteArray());
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);

    // The scaled size applies to the picture as stored, before the stored
    // orientation turns it; the cover size is worked out on the upright
    // picture and turned back, so a portrait photo is not decoded small and
    // then enlarged.
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize stored = reader.size();
    QImage image;
    QSize cover;
    if (stored.width() >= 1 && stored.height() >= 1) {
        const QSize upright = turned ? stored.transposed() : stored;
        int width = upright.width();
        int height = upright.height();
        IQMath::fitOut(&width, &height, tile.width(), tile.height(), true);
        cover = QSize(qMax(width, 1), qMax(height, 1));
        reader.setScaledSize(turned ? cover.transposed() : cover);
        image = reader.read();
    } else {
        // A decoder that cannot tell its size up front is read in full.
        image = reader.read();
        if (image.isNull())
            return QImage();
        int width = image.width();
        int height = image.height();
        IQMath::fitOut(&width, &height, tile.width(), tile.height(), true);
        cover = QSize(qMax(width, 1), qMax(height, 1));
    }
    if (image.isNull())
        return QImage();
    if (image.size() != cover)
        image = image.scaled(cover, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    return image;
}
