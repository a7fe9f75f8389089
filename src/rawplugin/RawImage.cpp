#include "rawplugin/RawImage.h"

#include <QImageIOHandler>
#include <QTransform>

#include <cstdint>
#include <cstring>

namespace RawImage {

namespace {

QImage fromBitmap(const libraw_processed_image_t& record, QString* error)
{
    const int width = record.width;
    const int height = record.height;
    const int colors = record.colors;
    const int bits = record.bits;
    if (width <= 0 || height <= 0 || colors <= 0 || (bits != 8 && bits != 16)) {
        *error = QStringLiteral("unsupported bitmap: %1 x %2, %3 colours of %4 bits")
                     .arg(width).arg(height).arg(colors).arg(bits);
        return {};
    }
    const std::uint64_t pixelBytes = std::uint64_t(colors) * std::uint64_t(bits / 8);
    const std::uint64_t expected = std::uint64_t(width) * std::uint64_t(height) * pixelBytes;
    if (std::uint64_t(record.data_size) != expected) {
        *error = QStringLiteral("bitmap holds %1 bytes where %2 x %3 x %4 x %5 bits needs %6")
                     .arg(record.data_size).arg(width).arg(height).arg(colors).arg(bits).arg(expected);
        return {};
    }

    QImage image;
    if (!QImageIOHandler::allocateImage(QSize(width, height), QImage::Format_RGB32, &image)) {
        *error = QStringLiteral("cannot allocate a %1 x %2 image").arg(width).arg(height);
        return {};
    }
    const bool rgb = colors >= 3;
    for (int y = 0; y < height; ++y) {
        const unsigned char* in = record.data + std::uint64_t(y) * std::uint64_t(width) * pixelBytes;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        if (bits == 8) {
            for (int x = 0; x < width; ++x, in += pixelBytes)
                out[x] = rgb ? qRgb(in[0], in[1], in[2]) : qRgb(in[0], in[0], in[0]);
        } else {
            // 16-bit samples are in host order; keep their upper eight bits.
            for (int x = 0; x < width; ++x, in += pixelBytes) {
                std::uint16_t s[3];
                std::memcpy(s, in, rgb ? 6 : 2);
                out[x] = rgb ? qRgb(s[0] >> 8, s[1] >> 8, s[2] >> 8) : qRgb(s[0] >> 8, s[0] >> 8, s[0] >> 8);
            }
        }
    }
    return image;
}

QImage fromJpeg(const libraw_processed_image_t& record, QString* error)
{
    QImage image;
    if (record.data_size == 0
        || !image.loadFromData(record.data, int(qMin<unsigned>(record.data_size, INT_MAX)), "JPEG")) {
        *error = QStringLiteral("the embedded JPEG preview does not decode");
        return {};
    }
    if (image.format() != QImage::Format_RGB32)
        image.convertTo(QImage::Format_RGB32);
    return image;
}

} // namespace

QImage toQImage(const libraw_processed_image_t& record, QString* error)
{
    QString ignored;
    if (!error)
        error = &ignored;
    return record.type == LIBRAW_IMAGE_JPEG ? fromJpeg(record, error) : fromBitmap(record, error);
}

QImage orient(const QImage& image, int flip)
{
    // Rotations go through QImage's exact quarter-turn paths; the mirrored
    // codes add a mirror to one of them.
    switch (flip) {
    case 1:
        return image.mirrored(true, false);
    case 2:
        return image.mirrored(false, true);
    case 3:
        return image.transformed(QTransform().rotate(180), Qt::FastTransformation);
    case 4:
        return image.transformed(QTransform().rotate(90), Qt::FastTransformation).mirrored(true, false);
    case 5:
        return image.transformed(QTransform().rotate(-90), Qt::FastTransformation);
    case 6:
        return image.transformed(QTransform().rotate(90), Qt::FastTransformation);
    case 7:
        return image.transformed(QTransform().rotate(-90), Qt::FastTransformation).mirrored(true, false);
    default:
        return image;
    }
}

QSize orientedSize(QSize size, int flip)
{
    return (flip >= 0 && flip <= 7 && (flip & 4)) ? size.transposed() : size;
}

} // namespace RawImage
