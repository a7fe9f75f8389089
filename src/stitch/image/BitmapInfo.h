#pragma once

#include <cstdint>

// The packed bitmap's 40-byte header (little-endian on disk and in memory).
#pragma pack(push, 1)
struct tagBITMAPINFOHEADER
{
    std::uint32_t biSize;
    std::int32_t biWidth;
    std::int32_t biHeight; // positive: the first row in memory is the bottom row
    std::uint16_t biPlanes;
    std::uint16_t biBitCount;
    std::uint32_t biCompression;
    std::uint32_t biSizeImage;
    std::int32_t biXPelsPerMeter;
    std::int32_t biYPelsPerMeter;
    std::uint32_t biClrUsed;
    std::uint32_t biClrImportant;
};

struct tagRGBQUAD
{
    std::uint8_t rgbBlue;
    std::uint8_t rgbGreen;
    std::uint8_t rgbRed;
    std::uint8_t rgbReserved;
};

struct tagBITMAPINFO
{
    tagBITMAPINFOHEADER bmiHeader;
    tagRGBQUAD bmiColors[1];
};

// The 14 bytes in front of the header in a bitmap file.
struct tagBITMAPFILEHEADER
{
    std::uint16_t bfType;
    std::uint32_t bfSize;
    std::uint32_t bfReserved;
    std::uint32_t bfOffBits;
};
#pragma pack(pop)

static_assert(sizeof(tagBITMAPINFOHEADER) == 40, "packed bitmap header is 40 bytes");
static_assert(sizeof(tagBITMAPFILEHEADER) == 14, "bitmap file header is 14 bytes");
