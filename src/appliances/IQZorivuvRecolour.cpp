#include "appliances/IQZorivuvRecolour.h"

#include <algorithm>
#include <cstring>

void IQZorivuvRecolour::apply(const QImage& tile, const uchar mean[3], const uchar cell[3], bool colourise, QImage* out)
{
    const int width = tile.width();
    const int height = tile.height();
    if (!colourise) {
        for (int y = 0; y < height; ++y)
            std::memcpy(out->scanLine(y), tile.constScanLine(y), size_t(width) * 3);
        return;
    }
    quint32 gain[3];
    for (int channel = 0; channel < 3; ++channel) {
        const int rgb = 2 - channel; // BGR888 bytes against red, green, blue
        gain[channel] = (quint32(cell[rgb]) << 10) / quint32(mean[rgb]);
    }
    // The largest product, 255 x (255 << 10), fits 32 bits.
    auto scaled = [](quint32 value, quint32 g) { return uchar(std::min<quint32>((value * g) >> 10, 255)); };

    if (qint64(width) * height < 256) {
        for (int y = 0; y < height; ++y) {
            const uchar* in = tile.constScanLine(y);
            uchar* o = out->scanLine(y);
            for (int x = 0; x < width; ++x, in += 3, o += 3) {
                o[0] = scaled(in[0], gain[0]);
                o[1] = scaled(in[1], gain[1]);
                o[2] = scaled(in[2], gain[2]);
            }
        }
        return;
    }
    // On a tile of more pixels than a table has entries, one table per
    // channel turns the multiply, shift and clamp into one load.
    uchar table[3][256];
    for (int channel = 0; channel < 3; ++channel)
        for (quint32 value = 0; value < 256; ++value)
            table[channel][value] = scaled(value, gain[channel]);
    for (int y = 0; y < height; ++y) {
        const uchar* in = tile.constScanLine(y);
        uchar* o = out->scanLine(y);
        for (int x = 0; x < width; ++x, in += 3, o += 3) {
            o[0] = table[0][in[0]];
            o[1] = table[1][in[1]];
            o[2] = table[2][in[2]];
        }
    }
}
