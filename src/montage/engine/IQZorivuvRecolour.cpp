#include "montage/engine/IQZorivuvRecolour.h"

#include <algorithm>
#include <cstring>

namespace {

// Gains in the byte order of BGR888 (blue, green, red) from red, green, blue.
void gains(const uchar mean[3], const uchar cell[3], quint32 out[3])
{
    for (int channel = 0; channel < 3; ++channel) {
        const int rgb = 2 - channel;
        out[channel] = (quint32(cell[rgb]) << 10) / quint32(mean[rgb]);
    }
}

// The largest product, 255 x (255 << 10), fits 32 bits.
inline uchar scaled(quint32 value, quint32 gain)
{
    return uchar(std::min<quint32>((value * gain) >> 10, 255));
}

inline quint32 opaque(quint32 blue, quint32 green, quint32 red)
{
    return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

bool packed(const QImage* out)
{
    return out->format() == QImage::Format_BGR888;
}

void copyRows(const QImage& tile, QImage* out)
{
    const int width = tile.width();
    for (int y = 0; y < tile.height(); ++y) {
        const uchar* in = tile.constScanLine(y);
        if (packed(out)) {
            std::memcpy(out->scanLine(y), in, size_t(width) * 3);
            continue;
        }
        auto* o = reinterpret_cast<quint32*>(out->scanLine(y));
        for (int x = 0; x < width; ++x, in += 3)
            o[x] = opaque(in[0], in[1], in[2]);
    }
}

// Bytes a chunk of the fast loop: 16 pixels, so that the gain pattern
// (period 3) lines up with every chunk.
constexpr int chunk = 48;

} // namespace

void IQZorivuvRecolour::apply(const QImage& tile, const uchar mean[3], const uchar cell[3], bool colourise, QImage* out)
{
    if (!colourise) {
        copyRows(tile, out);
        return;
    }
    quint32 gain[3];
    gains(mean, cell, gain);
    // The row is treated as a flat run of bytes against a repeating gain
    // pattern: a fixed-length inner loop the compiler turns into vector
    // multiplies, shifts and clamps.
    quint32 pattern[chunk];
    for (int i = 0; i < chunk; ++i)
        pattern[i] = gain[i % 3];
    const int bytes = tile.width() * 3;
    if (!packed(out)) {
        // Straight into 32-bit pixels: three products a pixel, no table.
        const int width = tile.width();
        for (int y = 0; y < tile.height(); ++y) {
            const uchar* in = tile.constScanLine(y);
            auto* o = reinterpret_cast<quint32*>(out->scanLine(y));
            for (int x = 0; x < width; ++x, in += 3) {
                const quint32 blue = std::min<quint32>((quint32(in[0]) * gain[0]) >> 10, 255);
                const quint32 green = std::min<quint32>((quint32(in[1]) * gain[1]) >> 10, 255);
                const quint32 red = std::min<quint32>((quint32(in[2]) * gain[2]) >> 10, 255);
                o[x] = opaque(blue, green, red);
            }
        }
        return;
    }
    for (int y = 0; y < tile.height(); ++y) {
        const uchar* in = tile.constScanLine(y);
        uchar* o = out->scanLine(y);
        int i = 0;
        for (; i + chunk <= bytes; i += chunk) {
            for (int k = 0; k < chunk; ++k)
                o[i + k] = uchar(std::min<quint32>((quint32(in[i + k]) * pattern[k]) >> 10, 255));
        }
        for (int k = 0; i < bytes; ++i, ++k)
            o[i] = scaled(in[i], pattern[k]);
    }
}

void IQZorivuvRecolour::applyReference(const QImage& tile, const uchar mean[3], const uchar cell[3], bool colourise,
                                       QImage* out)
{
    if (!colourise) {
        copyRows(tile, out);
        return;
    }
    quint32 gain[3];
    gains(mean, cell, gain);
    for (int y = 0; y < tile.height(); ++y) {
        for (int x = 0; x < tile.width(); ++x) {
            const uchar* in = tile.constScanLine(y) + 3 * x;
            uchar bytes[3];
            for (int channel = 0; channel < 3; ++channel)
                bytes[channel] = scaled(in[channel], gain[channel]);
            if (packed(out))
                std::memcpy(out->scanLine(y) + 3 * x, bytes, 3);
            else
                reinterpret_cast<quint32*>(out->scanLine(y))[x] = opaque(bytes[0], bytes[1], bytes[2]);
        }
    }
}
