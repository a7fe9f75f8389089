#pragma once

// The photograph the benchmarks of the picture pipeline run on, at the sizes
// they compare: VELLUMAR_BENCH_PHOTO, else the wood-grain photograph of
// Debian's mate-backgrounds package, else a synthetic picture; scaled to
// each size and kept in the 24-bit blue-green-red layout of the effect
// engine.

#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <map>

namespace BenchPhoto {

// Sizes by megapixels (4:3, even widths so that libvips and ImageMagick
// see the same pixels without row padding).
inline QSize pictureSize(int megapixels)
{
    switch (megapixels) {
    case 1:
        return {1152, 864};
    case 4:
        return {2304, 1728};
    case 12:
        return {4000, 3000};
    default:
        return {6000, 4000};
    }
}

inline QImage loadPhoto()
{
    QString path = qEnvironmentVariable("VELLUMAR_BENCH_PHOTO");
    if (path.isEmpty())
        path = QStringLiteral("/usr/share/backgrounds/mate/nature/Wood.jpg");
    QImage photo(path);
    if (!photo.isNull())
        return photo;
    std::fprintf(stderr, "photo %s not found; using a synthetic picture\n", qPrintable(path));
    QImage synthetic(2560, 1920, QImage::Format_BGR888);
    std::uint32_t seed = 1;
    for (int y = 0; y < synthetic.height(); ++y) {
        uchar* line = synthetic.scanLine(y);
        for (int x = 0; x < synthetic.width() * 3; ++x) {
            seed = seed * 1664525u + 1013904223u;
            line[x] = uchar(((x / 3) * 255 / synthetic.width() + y * 128 / synthetic.height() + (seed >> 28)) & 0xFF);
        }
    }
    return synthetic;
}

inline const QImage& picture(int megapixels)
{
    static std::map<int, QImage> pictures;
    QImage& image = pictures[megapixels];
    if (image.isNull()) {
        static const QImage photo = loadPhoto();
        image = photo.scaled(pictureSize(megapixels), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_BGR888);
    }
    return image;
}

} // namespace BenchPhoto
