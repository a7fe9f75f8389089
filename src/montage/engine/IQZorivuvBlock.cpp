#include "montage/engine/IQZorivuvBlock.h"

#include "montage/engine/IQZorivuvTileReader.h"
#include "files/IQMath.h"

IQZorivuvBlock::IQZorivuvBlock(const QString& path)
    : mean{0, 0, 0}
    , path(path)
{
}

double IQZorivuvBlock::fitOut(int* width, int* height, int minimumWidth, int minimumHeight, bool force)
{
    return IQMath::fitOut(width, height, minimumWidth, minimumHeight, force);
}

bool IQZorivuvBlock::convert(const QSize& tile)
{
    image = QImage();
    mean[0] = mean[1] = mean[2] = 0;
    if (tile.width() < 1 || tile.height() < 1)
        return false;

    QImage cover = IQZorivuvTileReader::readCovering(path, tile);
    if (cover.isNull())
        return false;
    // The reader's cover size meets the tile on one side and exceeds it on
    // the other; a decoder that rounds its scaled size down is made good.
    if (cover.width() < tile.width() || cover.height() < tile.height())
        cover = cover.scaled(tile, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    const QRect centre((cover.width() - tile.width()) / 2, (cover.height() - tile.height()) / 2,
                       tile.width(), tile.height());
    QImage cut = cover.copy(centre).convertToFormat(QImage::Format_BGR888);
    if (cut.isNull() || cut.size() != tile)
        return false;

    // Bytes of a BGR888 pixel: blue, green, red.
    quint64 sums[3] = {0, 0, 0};
    for (int y = 0; y < tile.height(); ++y) {
        const uchar* p = cut.constScanLine(y);
        for (int x = 0; x < tile.width(); ++x, p += 3) {
            sums[0] += p[0];
            sums[1] += p[1];
            sums[2] += p[2];
        }
    }
    const quint64 count = quint64(tile.width()) * quint64(tile.height());
    const quint64 red = sums[2] / count;
    const quint64 green = sums[1] / count;
    const quint64 blue = sums[0] / count;
    mean[0] = uchar(qMax<quint64>(red, 1));
    mean[1] = uchar(qMax<quint64>(green, 1));
    mean[2] = uchar(qMax<quint64>(blue, 1));
    image = std::move(cut);
    return true;
}
