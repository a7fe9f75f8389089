#pragma once

// Internal to the tone functions: the pixels an EffectImage or an
// EffectSubImage describes, seen as rows of channel values.

#include "effects/EffectCommon.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace Effects {

struct TonePlane
{
    std::uint8_t* bits = nullptr;
    int width = 0;  // pixels per row
    int height = 0; // rows
    int stride = 0; // bytes
    int format = 0;

    static TonePlane of(const EffectImage& image) { return {image.bits, image.width, image.height, image.stride, image.format}; }
    static TonePlane of(const EffectSubImage& image) { return {image.bits, image.width, image.height, image.stride, image.format}; }

    bool empty() const { return width <= 0 || height <= 0 || !bits; }
    bool isWide() const { return format == EffectFormatBGR16 || format == EffectFormatGray16; }
    int channels() const { return format == EffectFormatBGR8 || format == EffectFormatBGR16 ? 3 : 1; }
    // Channel values in one row.
    std::size_t valuesPerRow() const { return std::size_t(width) * std::size_t(channels()); }
    std::uint8_t* row(int y) const { return bits + std::ptrdiff_t(y) * stride; }
};

inline bool isToneFormat(int format)
{
    return format >= EffectFormatBGR8 && format <= EffectFormatGray16;
}

// 16-bit values may sit at odd addresses in a caller's buffer.
inline std::uint16_t load16(const std::uint8_t* p)
{
    std::uint16_t v;
    std::memcpy(&v, p, 2);
    return v;
}

inline void store16(std::uint8_t* p, std::uint16_t v)
{
    std::memcpy(p, &v, 2);
}

// Replaces every channel value v of an 8-bit plane by lut[v].
inline void applyLut8(const TonePlane& plane, const std::uint8_t lut[256])
{
    const std::size_t count = plane.valuesPerRow();
    for (int y = 0; y < plane.height; ++y) {
        std::uint8_t* p = plane.row(y);
        for (std::size_t i = 0; i < count; ++i)
            p[i] = lut[p[i]];
    }
}

// Replaces every channel value v of a 16-bit plane by lut(v).
template <typename Lut>
void applyLut16(const TonePlane& plane, Lut lut)
{
    const std::size_t count = plane.valuesPerRow();
    for (int y = 0; y < plane.height; ++y) {
        std::uint8_t* p = plane.row(y);
        for (std::size_t i = 0; i < count; ++i, p += 2)
            store16(p, lut(load16(p)));
    }
}

} // namespace Effects
