#pragma once

// B, G, R test pictures for the effect tests, allocated to their exact size
// so that the sanitizers catch any read or write past the last row.

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

struct EffectTestImage
{
    int width = 0;
    int height = 0;
    int stride = 0;
    std::vector<std::uint8_t> bytes;

    // Pixels (b, g, r); `padding` bytes of value `pad` end every row.
    static EffectTestImage flat(int width, int height, std::uint8_t b, std::uint8_t g, std::uint8_t r, int padding = 0,
                                std::uint8_t pad = 0xA5)
    {
        EffectTestImage image;
        image.width = width;
        image.height = height;
        image.stride = 3 * width + padding;
        image.bytes.assign(std::size_t(image.stride) * std::size_t(height), pad);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                image.at(x, y, 0) = b;
                image.at(x, y, 1) = g;
                image.at(x, y, 2) = r;
            }
        }
        return image;
    }

    // Reproducible noise in every pixel byte.
    static EffectTestImage noise(int width, int height, unsigned seed, int padding = 0, std::uint8_t pad = 0xA5)
    {
        EffectTestImage image = flat(width, height, 0, 0, 0, padding, pad);
        std::mt19937 generator(seed);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                for (int c = 0; c < 3; ++c)
                    image.at(x, y, c) = std::uint8_t(generator() & 0xFF);
            }
        }
        return image;
    }

    std::uint8_t* bits() { return bytes.data(); }
    const std::uint8_t* bits() const { return bytes.data(); }

    std::uint8_t& at(int x, int y, int channel) { return bytes[std::size_t(y) * std::size_t(stride) + 3 * std::size_t(x) + std::size_t(channel)]; }
    std::uint8_t at(int x, int y, int channel) const { return bytes[std::size_t(y) * std::size_t(stride) + 3 * std::size_t(x) + std::size_t(channel)]; }

    bool isFlat(std::uint8_t b, std::uint8_t g, std::uint8_t r) const
    {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (at(x, y, 0) != b || at(x, y, 1) != g || at(x, y, 2) != r)
                    return false;
            }
        }
        return true;
    }

    bool paddingIs(std::uint8_t pad) const
    {
        for (int y = 0; y < height; ++y) {
            for (int i = 3 * width; i < stride; ++i) {
                if (bytes[std::size_t(y) * std::size_t(stride) + std::size_t(i)] != pad)
                    return false;
            }
        }
        return true;
    }

    bool samePixels(const EffectTestImage& other) const
    {
        for (int y = 0; y < height; ++y) {
            for (int i = 0; i < 3 * width; ++i) {
                if (bytes[std::size_t(y) * std::size_t(stride) + std::size_t(i)] != other.bytes[std::size_t(y) * std::size_t(stride) + std::size_t(i)])
                    return false;
            }
        }
        return true;
    }
};
