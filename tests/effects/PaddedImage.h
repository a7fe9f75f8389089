#pragma once

// Test images laid out as the effect library sees them: rows `stride` bytes
// apart with padding after each row's pixels, and guard bytes before the
// first row and after the last. Padding and guards hold a sentinel, so a
// test can tell whether an operation wrote anywhere but into pixels.

#include "effects/EffectCommon.h"

#include <QList>

#include <cstddef>
#include <cstdint>
#include <vector>

class PaddedImage
{
public:
    static constexpr std::uint8_t Sentinel = 0xA5;
    static constexpr int Guard = 64;

    // bytesPerPixel 3 for 8-bit B,G,R (6 for 16-bit, 1 or 2 for grey);
    // an odd padding gives an odd stride.
    PaddedImage(int width, int height, int bytesPerPixel = 3, int padding = 5)
        : m_width(width)
        , m_height(height)
        , m_bytesPerPixel(bytesPerPixel)
        , m_stride((width > 0 ? width : 0) * bytesPerPixel + padding)
        , m_data(std::size_t(2 * Guard) + std::size_t(m_stride) * std::size_t(height > 0 ? height : 0), Sentinel)
    {
        fill(0);
    }

    int width() const { return m_width; }
    int height() const { return m_height; }
    int stride() const { return m_stride; }
    std::uint8_t* bits() { return m_data.data() + Guard; }
    std::uint8_t* pixel(int x, int y) { return bits() + std::size_t(y) * m_stride + std::size_t(x) * m_bytesPerPixel; }
    const std::uint8_t* pixel(int x, int y) const { return const_cast<PaddedImage*>(this)->pixel(x, y); }

    int at(int x, int y, int channel) const { return pixel(x, y)[channel]; }
    QList<int> bgr(int x, int y) const { return {at(x, y, 0), at(x, y, 1), at(x, y, 2)}; }

    void setPixel(int x, int y, int b, int g, int r)
    {
        std::uint8_t* p = pixel(x, y);
        p[0] = std::uint8_t(b);
        p[1] = std::uint8_t(g);
        p[2] = std::uint8_t(r);
    }

    // Every pixel byte set to `value`.
    void fill(int value)
    {
        for (int y = 0; y < rows(); ++y)
            for (int i = 0; i < rowBytes(); ++i)
                bits()[std::size_t(y) * m_stride + i] = std::uint8_t(value);
    }

    // A fixed pseudo-random pattern (the same for the same seed).
    void fillNoise(std::uint32_t seed)
    {
        for (int y = 0; y < rows(); ++y) {
            for (int i = 0; i < rowBytes(); ++i) {
                seed = seed * 1664525u + 1013904223u;
                bits()[std::size_t(y) * m_stride + i] = std::uint8_t(seed >> 24);
            }
        }
    }

    // The pixel bytes only, row after row.
    std::vector<std::uint8_t> pixels() const
    {
        std::vector<std::uint8_t> out;
        for (int y = 0; y < rows(); ++y) {
            const std::uint8_t* row = pixel(0, y);
            out.insert(out.end(), row, row + rowBytes());
        }
        return out;
    }

    // True when no byte outside the pixels (padding, guards) was written.
    bool outsideUntouched() const
    {
        for (std::size_t i = 0; i < m_data.size(); ++i) {
            const std::ptrdiff_t offset = std::ptrdiff_t(i) - Guard;
            const bool inPixels = offset >= 0 && offset < std::ptrdiff_t(m_stride) * rows() && offset % m_stride < rowBytes();
            if (!inPixels && m_data[i] != Sentinel)
                return false;
        }
        return true;
    }

    EffectImage record(int format = EffectFormatBGR8)
    {
        EffectImage image;
        image.width = m_width;
        image.height = m_height;
        image.format = format;
        image.reserved = 0;
        image.stride = m_stride;
        image.bits = bits();
        return image;
    }

    // The part of `width` x `height` pixels from (x, y).
    EffectSubImage subRecord(int x, int y, int width, int height, int format = EffectFormatBGR8)
    {
        EffectSubImage part{};
        part.fullWidth = m_width;
        part.fullHeight = m_height;
        part.format = format;
        part.width = width;
        part.height = height;
        part.stride = m_stride;
        part.bits = pixel(x, y);
        return part;
    }

private:
    // Negative sizes (which the effects must treat as empty) hold no pixels.
    int rows() const { return m_height > 0 ? m_height : 0; }
    int rowBytes() const { return m_width > 0 ? m_width * m_bytesPerPixel : 0; }

    int m_width;
    int m_height;
    int m_bytesPerPixel;
    int m_stride;
    std::vector<std::uint8_t> m_data;
};
