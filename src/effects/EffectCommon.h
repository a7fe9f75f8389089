#pragma once

// Shared records and rules of the effect library. The library works on
// caller-owned 8-bit pixels: interleaved B, G, R, rows `stride` bytes apart
// (stride >= 3 x width). Bytes between 3 x width and stride are never changed
// by an in-place effect. A width or height of 0 or less means "nothing to do".

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>

// Image record of the tone (ACE_) and white-balance (AWB_) functions.
struct EffectImage
{
    std::int32_t width;
    std::int32_t height;
    std::int32_t format;   // EffectFormat
    std::int32_t reserved; // read and written by no function
    std::int32_t stride;   // bytes from one row to the next
    std::uint8_t* bits;    // first byte of row 0
};

// Record of the SubImage variants: a part of a larger image.
struct EffectSubImage
{
    std::int32_t fullWidth;
    std::int32_t fullHeight;
    std::int32_t format;
    std::int32_t width;  // of the part to process
    std::int32_t height; // of the part to process
    std::int32_t unused[3];
    std::int32_t stride;
    std::uint8_t* bits; // first byte of the part
};

enum EffectFormat : std::int32_t {
    EffectFormatBGR8 = 1,  // 8-bit B, G, R: the only format callers pass
    EffectFormatGray8 = 2,
    EffectFormatBGR16 = 3, // 16-bit B, G, R, native byte order
    EffectFormatGray16 = 4,
};

// Results of the ACE_ and AWB_ functions. Execute functions return 1 for
// success and 0 when working memory cannot be had.
enum EffectResult : int {
    EffectOk = 0,
    EffectNoContext = -2, // also: unsupported format
    EffectNoMemory = -201,
};

namespace Effects {

// Luminance of 8-bit or 12-bit linear B, G, R values.
inline int luma(int b, int g, int r)
{
    return (117 * b + 601 * g + 306 * r) >> 10;
}

inline std::uint8_t clampByte(int value)
{
    return std::uint8_t(value < 0 ? 0 : (value > 255 ? 255 : value));
}

// The library's rounding: truncate(value + 0.5).
inline int roundHalfUp(double value)
{
    return int(value + 0.5);
}

// Bytes of `rows` rows `stride` apart, in a type that cannot overflow for
// any int sizes; 0 for non-positive sizes.
inline std::size_t planeBytes(int stride, int rows)
{
    return stride > 0 && rows > 0 ? std::size_t(stride) * std::size_t(rows) : 0;
}

// Working buffers: no exceptions inside the library, a null pointer when
// memory is short.
template <typename T>
std::unique_ptr<T[]> allocate(std::size_t count)
{
    return std::unique_ptr<T[]>(new (std::nothrow) T[count]);
}

// sRGB transfer tables shared by the tone and white-balance contexts.
// Decoding uses the 0.03928 threshold, encoding 0.00304; both are part of
// the tables' definition.
void fillSrgbDecode8To12(std::uint16_t table[256]);
void fillSrgbEncode12To8(std::uint8_t table[4096]);
void fillSrgbDecode16(std::uint16_t table[65536]);
void fillSrgbEncode16(std::uint16_t table[65536]);

// The grid of 16 x 16 pixel blocks: nodes at x = 0, 16, ... up to the first
// multiple of 16 not below the width (likewise in y).
inline int blockGridColumns(int width)
{
    return (width + 31) >> 4;
}
inline int blockGridRows(int height)
{
    return (height + 31) >> 4;
}

// Normalised distance of the point (x, y) from the image centre
// ((width + 1) >> 1, (height + 1) >> 1): 0 at the centre, 1 at the corners.
double normalisedRadius(int x, int y, int width, int height);

// One weight per block-grid node, 0..256 (256: all effect). A pixel takes
// the weight of its block's node, without interpolation.
class RadialBlendGrid
{
public:
    // `share(r)` is the effect's share (0..1) at normalised radius r.
    // Returns false when the grid cannot be allocated.
    template <typename Share>
    bool build(int width, int height, Share share)
    {
        m_columns = blockGridColumns(width);
        const int rows = blockGridRows(height);
        m_weights = allocate<int>(std::size_t(m_columns) * std::size_t(rows));
        if (!m_weights)
            return false;
        for (int j = 0; j < rows; ++j) {
            for (int i = 0; i < m_columns; ++i)
                m_weights[std::size_t(j) * m_columns + i] = roundHalfUp(share(normalisedRadius(i * 16, j * 16, width, height)) * 256.0);
        }
        return true;
    }

    int weight(int x, int y) const { return m_weights[std::size_t(y >> 4) * m_columns + (x >> 4)]; }

    // dst = (dst x weight + src x (256 - weight)) >> 8 per channel, for the
    // 3 x width bytes of every row.
    void blend(const std::uint8_t* src, std::uint8_t* dst, int width, int height, int stride) const;

private:
    std::unique_ptr<int[]> m_weights;
    int m_columns = 0;
};

} // namespace Effects
