#include "files/IQMath.h"

#include <algorithm>
#include <cstring>

namespace {

int roundedScale(int side, double factor)
{
    return int(side * factor + 0.5);
}

// Sets bit x of a MonoLSB row for every pixel whose alpha byte (the top byte
// of a 32-bit ARGB word) is not 0.
void maskRowFromArgb(const quint32* pixels, int width, uchar* maskRow)
{
    const int wholeBytes = width / 8;
    for (int byte = 0; byte < wholeBytes; ++byte, pixels += 8) {
        uchar bits = 0;
        for (int bit = 0; bit < 8; ++bit)
            bits |= uchar((pixels[bit] >= 0x01000000u) << bit);
        maskRow[byte] = bits;
    }
    const int rest = width % 8;
    if (rest) {
        uchar bits = 0;
        for (int bit = 0; bit < rest; ++bit)
            bits |= uchar((pixels[bit] >= 0x01000000u) << bit);
        maskRow[wholeBytes] = bits;
    }
}

// Every pixel of a row opaque: the bits of `width` pixels set, padding clear.
void maskRowOpaque(int width, uchar* maskRow)
{
    std::memset(maskRow, 0xFF, size_t(width / 8));
    if (width % 8)
        maskRow[width / 8] = uchar((1u << (width % 8)) - 1u);
}

} // namespace

double IQMath::fitOut(int* width, int* height, int targetWidth, int targetHeight, bool enlarge)
{
    if (!width || !height || *width <= 0 || *height <= 0)
        return 0.0;
    const double factor = std::max(double(targetWidth) / *width, double(targetHeight) / *height);
    if (factor >= 1.0 && !enlarge)
        return 1.0;
    *width = roundedScale(*width, factor);
    *height = roundedScale(*height, factor);
    return factor;
}

double IQMath::fitIn(int* width, int* height, int targetWidth, int targetHeight)
{
    if (!width || !height || *width <= 0 || *height <= 0)
        return 0.0;
    const double factor = std::min(double(targetHeight) / *height, double(targetWidth) / *width);
    *width = roundedScale(*width, factor);
    *height = roundedScale(*height, factor);
    return factor;
}

double IQMath::shrinkSizeToFit(QSize size, QRect area, double* width, double* height)
{
    const int areaWidth = area.right() - area.left() + 1;
    const int areaHeight = area.bottom() - area.top() + 1;
    if (areaWidth >= size.width() && areaHeight >= size.height()) {
        if (width)
            *width = size.width();
        if (height)
            *height = size.height();
        return 1.0;
    }
    const double factor = std::min(double(areaWidth) / size.width(), double(areaHeight) / size.height());
    if (width)
        *width = size.width() * factor;
    if (height)
        *height = size.height() * factor;
    return factor - 0.001;
}

QImage IQMath::createAlphaMask(const QImage& source)
{
    if (source.isNull())
        return QImage();
    QImage mask(source.size(), QImage::Format_MonoLSB);
    if (mask.isNull())
        return QImage();
    mask.setColorTable({0xFFFFFFFFu, 0xFF000000u});

    if (source.depth() != 32) {
        std::memset(mask.bits(), 0xFF, size_t(mask.sizeInBytes()));
        return mask;
    }

    std::memset(mask.bits(), 0, size_t(mask.sizeInBytes()));
    const int width = source.width();
    const int height = source.height();
    // RGB32 has no alpha: its top byte is not guaranteed to be 0xFF, yet
    // every pixel is opaque.
    if (source.format() == QImage::Format_RGB32) {
        for (int y = 0; y < height; ++y)
            maskRowOpaque(width, mask.scanLine(y));
        return mask;
    }
    // Other 32-bit layouts (RGBA8888, A2RGB30, ...) keep alpha elsewhere:
    // bring them to ARGB words first.
    const bool argbWords = source.format() == QImage::Format_ARGB32
        || source.format() == QImage::Format_ARGB32_Premultiplied;
    const QImage argb = argbWords ? source : source.convertToFormat(QImage::Format_ARGB32);
    if (argb.isNull())
        return QImage();
    for (int y = 0; y < height; ++y)
        maskRowFromArgb(reinterpret_cast<const quint32*>(argb.constScanLine(y)), width, mask.scanLine(y));
    return mask;
}
