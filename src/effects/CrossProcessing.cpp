#include "effects/CrossProcessing.h"

#include "effects/PixelRows.h"

#include <cstddef>

namespace {

const int kNodes = 17 * 17 * 17;
const int kStepR = 289;
const int kStepG = 17;

// Every node's three outputs in one 64-bit word, 21 bits apart (B low, then
// G, then R). A weighted sum of eight nodes with weights adding up to 4096
// stays below 255 x 4096 < 2^20 in each lane, so one multiply per node
// interpolates all three planes at once, with exactly the sums the
// plane-by-plane interpolation forms.
const int kLane = 21;
const std::uint64_t kLaneMask = (std::uint64_t(1) << kLane) - 1;

struct PackedTable
{
    std::uint64_t nodes[kNodes];

    PackedTable()
    {
        for (int i = 0; i < kNodes; ++i) {
            nodes[i] = std::uint64_t(g_pTable[i]) | std::uint64_t(g_pTable[kNodes + i]) << kLane
                | std::uint64_t(g_pTable[2 * kNodes + i]) << (2 * kLane);
        }
    }
};

const PackedTable& packedTable()
{
    static const PackedTable table;
    return table;
}

} // namespace

int ExecuteCrossProcessingImage(std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride)
{
    const std::uint64_t* table = packedTable().nodes;
    return Effects::forEachRow(bits, width, height, stride, [width, table](std::uint8_t* p) {
        for (int x = 0; x < width; ++x, p += 3) {
            const unsigned b = p[0], g = p[1], r = p[2];
            const unsigned fr = r & 15, fg = g & 15, fb = b & 15;
            const unsigned nr = 16 - fr, ng = 16 - fg, nb = 16 - fb;
            // Weights of the four r-g corners, then along b.
            const unsigned w00 = nr * ng, w10 = fr * ng, w01 = nr * fg, w11 = fr * fg;
            const std::uint64_t* t = table + (r >> 4) * kStepR + (g >> 4) * kStepG + (b >> 4);
            const std::uint64_t sum = (t[0] * w00 + t[kStepR] * w10 + t[kStepG] * w01 + t[kStepR + kStepG] * w11) * nb
                + (t[1] * w00 + t[kStepR + 1] * w10 + t[kStepG + 1] * w01 + t[kStepR + kStepG + 1] * w11) * fb;
            p[0] = std::uint8_t((sum & kLaneMask) >> 12);
            p[1] = std::uint8_t((sum >> kLane & kLaneMask) >> 12);
            p[2] = std::uint8_t((sum >> (2 * kLane) & kLaneMask) >> 12);
        }
    });
}
