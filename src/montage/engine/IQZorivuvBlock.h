#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// One tile photo of a montage, decoded at the tile size.
struct IQZorivuvBlock
{
    explicit IQZorivuvBlock(const QString& path = QString());

    // Reads the photo at `path`, scaled to cover `tile` and cut from its
    // centre, into `image` (exactly tile-sized, Format_BGR888), and sets
    // `mean`. Returns false, leaving `image` null and `mean` 0, when the
    // file cannot be read or `tile` is smaller than 1 x 1.
    bool convert(const QSize& tile);

    // IQMath::fitOut: scales the size to cover the minimum (rounded to
    // nearest); with `force` false a size that already covers it stays and
    // 1.0 is returned. 0.0 with nothing changed when a side is not positive.
    static double fitOut(int* width, int* height, int minimumWidth, int minimumHeight, bool force);

    // Mean red, green and blue of `image`, each at least 1 once converted
    // (so that a gain can divide by it); 0 before.
    uchar mean[3];
    QImage image;
    QString path;
};
