#pragma once

#include "stitch/image/BitmapInfo.h"

#include <cstdint>

// Sizes of a packed bitmap, all in 64 bits so that no header can make them
// wrap. In memory the rows begin right after a palette of PaletteEntries
// (2 for 1 bit, 256 for 8 bits, none for 24 and 32 bits), whatever the
// header's colours-used field says.
class BitmapLayout
{
public:
    static bool IsValidBitCount(int bitCount);
    static int PaletteEntries(int bitCount);
    static std::int64_t Stride(std::int64_t width, int bitCount);
    // Widths and heights are those of an int; the size saturates far above
    // anything that can be allocated instead of wrapping.
    static std::int64_t ImageSize(std::int64_t width, std::int64_t height, int bitCount);
    static std::int64_t PixelOffset(int bitCount);
    // Header, palette and rows: the size handed to MemAlloc.
    static std::int64_t BlockSize(std::int64_t width, std::int64_t height, int bitCount);
    // The largest request MemAlloc's 32-bit size can carry.
    static bool FitsMemAlloc(std::int64_t bytes);

    // 0 when the header describes a bitmap this library can hold: size 40,
    // one plane, 1, 8, 24 or 32 bits, no compression, positive width and
    // height, a palette within the bit count and an image size that fits the
    // header's 32-bit field. -1003 otherwise.
    static int Check(const tagBITMAPINFOHEADER& header);
};
