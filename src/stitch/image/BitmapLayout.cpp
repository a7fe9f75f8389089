#include "stitch/image/BitmapLayout.h"

#include "stitch/image/CImage.h"

#include <limits>

bool BitmapLayout::IsValidBitCount(int bitCount)
{
    return bitCount == 1 || bitCount == 8 || bitCount == 24 || bitCount == 32;
}

int BitmapLayout::PaletteEntries(int bitCount)
{
    if (bitCount == 1)
        return 2;
    if (bitCount == 8)
        return 256;
    return 0;
}

std::int64_t BitmapLayout::Stride(std::int64_t width, int bitCount)
{
    return (std::int64_t(bitCount) * width + 31) / 32 * 4;
}

std::int64_t BitmapLayout::ImageSize(std::int64_t width, std::int64_t height, int bitCount)
{
    // Saturates rather than wraps: any caller refuses a size this large.
    const std::int64_t stride = Stride(width, bitCount);
    if (height > 0 && stride > std::numeric_limits<std::int64_t>::max() / 2 / height)
        return std::numeric_limits<std::int64_t>::max() / 2;
    return stride * height;
}

std::int64_t BitmapLayout::PixelOffset(int bitCount)
{
    return 40 + 4 * std::int64_t(PaletteEntries(bitCount));
}

std::int64_t BitmapLayout::BlockSize(std::int64_t width, std::int64_t height, int bitCount)
{
    return ImageSize(width, height, bitCount) + PixelOffset(bitCount);
}

bool BitmapLayout::FitsMemAlloc(std::int64_t bytes)
{
    return bytes >= 0 && bytes <= std::int64_t(std::numeric_limits<unsigned int>::max());
}

int BitmapLayout::Check(const tagBITMAPINFOHEADER& header)
{
    if (header.biSize != 40 || header.biPlanes != 1 || !IsValidBitCount(header.biBitCount)
        || header.biCompression != 0 || header.biWidth <= 0 || header.biHeight <= 0)
        return CImage::ErrorBadFile;
    if (header.biClrUsed > std::uint32_t(PaletteEntries(header.biBitCount)))
        return CImage::ErrorBadFile;
    if (ImageSize(header.biWidth, header.biHeight, header.biBitCount)
        > std::int64_t(std::numeric_limits<std::uint32_t>::max()))
        return CImage::ErrorBadFile;
    return 0;
}
