#pragma once

#include <QImage>
#include <QRandomGenerator>

// Smooth colour with grain, so the JPEGs made of it are as costly to decode
// as photographs. The same seed gives the same picture.
inline QImage syntheticPhoto(int width, int height, quint32 seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int grain = int(random.bounded(24u)) - 12;
            line[x] = qRgb(qBound(0, x * 255 / width + grain, 255), qBound(0, y * 255 / height + grain, 255),
                           qBound(0, 128 + grain, 255));
        }
    }
    return image;
}
