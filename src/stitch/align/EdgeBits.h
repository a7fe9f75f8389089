#pragma once

#include <cstdint>
#include <vector>

// One bit per pixel of a mask, row by row, so coarse alignment can count
// and intersect 64 pixels at a time. Each row has a spare word at its end:
// Take may read one word past the last pixel.
struct EdgeBits
{
    std::vector<std::uint64_t> words;
    int stride = 0; // words per row
    int threshold = -1; // the gate the mask was made with; -1: none made

    // Bit x of row y is keep(value at y * width + x). False when memory
    // ran out (the mask is then left empty).
    template <typename Keep>
    bool Make(const unsigned char* values, int width, int height, Keep keep)
    {
        words.clear();
        stride = width / 64 + 2;
        try {
            words.assign(std::size_t(stride) * std::size_t(height), 0);
        } catch (...) {
            words.clear();
            return false;
        }
        for (int y = 0; y < height; ++y) {
            const unsigned char* row = values + std::int64_t(y) * width;
            std::uint64_t* out = words.data() + std::int64_t(y) * stride;
            for (int x = 0; x < width; ++x)
                out[x >> 6] |= std::uint64_t(keep(row[x]) ? 1 : 0) << (x & 63);
        }
        return true;
    }

    bool Empty() const { return words.empty(); }
    const std::uint64_t* Row(int y) const { return words.data() + std::int64_t(y) * stride; }

    // The 64 bits of a row from pixel x on (x >= 0, within the row).
    static std::uint64_t Take(const std::uint64_t* row, int x)
    {
        const int word = x >> 6, shift = x & 63;
        return shift ? (row[word] >> shift) | (row[word + 1] << (64 - shift)) : row[word];
    }

    // The mask keeping the first n bits, n 1..64.
    static std::uint64_t Low(int n) { return n >= 64 ? ~std::uint64_t(0) : (std::uint64_t(1) << n) - 1; }

    static int Count(std::uint64_t bits)
    {
#if defined(__POPCNT__)
        return __builtin_popcountll(bits);
#else
        // Without the processor's instruction the builtin is a library
        // call; the bit-parallel sum is quicker.
        bits -= (bits >> 1) & 0x5555555555555555ull;
        bits = (bits & 0x3333333333333333ull) + ((bits >> 2) & 0x3333333333333333ull);
        bits = (bits + (bits >> 4)) & 0x0f0f0f0f0f0f0f0full;
        return int((bits * 0x0101010101010101ull) >> 56);
#endif
    }
    static int Lowest(std::uint64_t bits) { return __builtin_ctzll(bits); }
};
