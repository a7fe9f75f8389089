#include "effects/Blur.h"

#include "effects/ChannelPlane.h"
#include "effects/EffectCommon.h"
#include "effects/Pyramid.h"

#include <algorithm>
#include <cstring>

// The lens blur streams each pyramid level row by row: the band of a level
// (the level minus its expanded parent) is only ever needed three rows at a
// time, so it is made, filtered and added back in one pass without the
// whole-plane buffers of the plain version, and level 0 is read from and
// blended into the interleaved pictures directly. The result is the plain
// version's, byte for byte.

namespace Effects {

double lensBlurShare(int focus, double r)
{
    const double c = ((100 - focus) * 0.9 + focus * 0.2) * 0.01;
    return (1.0 - r) * c + 0.9 * r;
}

int lensBlurReductions(int width, int height, int levels)
{
    const int limit = std::min(levels, LensBlurMaximumLevels) - 1;
    for (int k = 0; k < limit; ++k) {
        if (width < 4 || height < 4)
            return k + 1;
        width = (width + 1) >> 1;
        height = (height + 1) >> 1;
    }
    return std::max(limit, 0);
}

namespace {

// Row values: bytes, bands (-255..255) and their smoothing all fit 16 bits,
// which doubles the lanes of the vectorised row loops.
using Value = std::int16_t;

// Row y of Expand_2D at width w of the packed plane s (sw x sh).
void expandRow(const std::uint8_t* s, int sw, int sh, int y, int w, Value* out)
{
    const int pairs = w >> 1;
    const int inner = std::min(pairs, sw - 1); // pairs whose right neighbour exists
    const std::uint8_t* s0 = s + std::size_t(y >> 1) * std::size_t(sw);
    if (!(y & 1)) {
        int j = 0;
        for (; j < inner; ++j) {
            out[2 * j] = s0[j];
            out[2 * j + 1] = (s0[j] + s0[j + 1]) >> 1;
        }
        for (; j < pairs; ++j)
            out[2 * j] = out[2 * j + 1] = s0[j];
        if (w & 1)
            out[w - 1] = s0[w >> 1];
        return;
    }
    const std::uint8_t* s1 = s + std::size_t(std::min((y >> 1) + 1, sh - 1)) * std::size_t(sw);
    int j = 0;
    for (; j < inner; ++j) {
        const int left = s0[j] + s1[j];
        out[2 * j] = left >> 1;
        out[2 * j + 1] = (left + s0[j + 1] + s1[j + 1]) >> 2;
    }
    for (; j < pairs; ++j)
        out[2 * j] = out[2 * j + 1] = (s0[j] + s1[j]) >> 1;
    if (w & 1)
        out[w - 1] = (s0[w >> 1] + s1[w >> 1]) >> 1;
}

struct Level
{
    const std::uint8_t* values; // the level as reduced
    bool interleaved;           // one channel of B, G, R pixels, else packed
    int stride;
    int width;
    int height;
};

// Working rows of one level pass, each as wide as level 0.
struct Rows
{
    Value* band[3];
    Value* smooth[3];
    Value* expanded;
    Value* result;
    Value* gathered[3]; // level 0: the channel's values of the band rows
};

// Rebuilds `level` from its rebuilt parent: expand(rebuilt) plus the band
// (level - expand(parent)) whose interior is one sixteenth of its binomial
// smoothing; emit(y, row) receives each result row, clamped to 0..255.
template <typename Emit>
void rebuildLevel(const Level& level, const std::uint8_t* parent, const std::uint8_t* rebuiltParent, Rows& rows, Emit emit)
{
    const int w = level.width;
    const int h = level.height;
    const int pw = (w + 1) >> 1;
    const int ph = (h + 1) >> 1;
    const bool filter = w >= 3 && h >= 3;
    auto makeBand = [&](int y) {
        Value* band = rows.band[y % 3];
        expandRow(parent, pw, ph, y, w, rows.expanded);
        const std::uint8_t* p = level.values + std::ptrdiff_t(y) * level.stride;
        if (level.interleaved) {
            Value* values = rows.gathered[y % 3];
            gatherChannel(p, w, values);
            for (int x = 0; x < w; ++x)
                band[x] = Value(values[x] - rows.expanded[x]);
        } else {
            for (int x = 0; x < w; ++x)
                band[x] = Value(p[x] - rows.expanded[x]);
        }
        if (filter) {
            Value* smooth = rows.smooth[y % 3];
            for (int x = 1; x < w - 1; ++x)
                smooth[x] = Value((band[x - 1] + 2 * band[x] + band[x + 1]) >> 4);
        }
    };

    makeBand(0);
    if (h > 1)
        makeBand(1);
    for (int y = 0; y < h; ++y) {
        if (y >= 1 && y + 1 < h)
            makeBand(y + 1);
        const Value* band = rows.band[y % 3];
        Value* out = rows.result;
        expandRow(rebuiltParent, pw, ph, y, w, out);
        if (filter && y >= 1 && y + 1 < h) {
            const Value* above = rows.smooth[(y + 2) % 3];
            const Value* centre = rows.smooth[y % 3];
            const Value* below = rows.smooth[(y + 1) % 3];
            out[0] = clampByte(out[0] + band[0]);
            for (int x = 1; x < w - 1; ++x)
                out[x] = clampByte(out[x] + ((above[x] + 2 * centre[x] + below[x]) >> 4));
            out[w - 1] = clampByte(out[w - 1] + band[w - 1]);
        } else {
            for (int x = 0; x < w; ++x)
                out[x] = clampByte(out[x] + band[x]);
        }
        emit(y, out);
    }
}

} // namespace
} // namespace Effects

int ExecuteLensBlur(const std::uint8_t* src, int width, int height, int stride, std::uint8_t* dst, int levels, int focus)
{
    using namespace Effects;
    if (width <= 0 || height <= 0)
        return 1;
    if (levels <= 0) {
        std::memcpy(dst, src, planeBytes(stride, height));
        return 1;
    }
    const int reductions = lensBlurReductions(width, height, levels);
    if (reductions == 0) {
        // Blending a picture with itself gives it back.
        for (int y = 0; y < height; ++y)
            std::memcpy(dst + std::ptrdiff_t(y) * stride, src + std::ptrdiff_t(y) * stride, 3 * std::size_t(width));
        return 1;
    }

    int widths[LensBlurMaximumLevels];
    int heights[LensBlurMaximumLevels];
    std::size_t offsets[LensBlurMaximumLevels + 1] = {0};
    for (int k = 0; k <= reductions; ++k) {
        widths[k] = k == 0 ? width : (widths[k - 1] + 1) >> 1;
        heights[k] = k == 0 ? height : (heights[k - 1] + 1) >> 1;
        offsets[k + 1] = offsets[k] + (k == 0 ? 0 : std::size_t(widths[k]) * std::size_t(heights[k]));
    }
    // Levels 1..reductions as reduced, then levels 1..reductions - 1 rebuilt.
    const std::size_t reducedBytes = offsets[reductions + 1];
    const std::size_t rebuiltBytes = offsets[reductions];
    auto planes = allocate<std::uint8_t>(reducedBytes + rebuiltBytes + 1);
    auto rowBuffer = allocate<Value>(12 * std::size_t(width));
    auto blendedRow = allocate<std::uint8_t>(std::size_t(width));
    RadialBlendGrid grid;
    if (!planes || !rowBuffer || !blendedRow || !grid.build(width, height, [focus](double r) { return lensBlurShare(focus, r); }))
        return 0;
    auto reduced = [&](int k) { return planes.get() + offsets[k]; };
    auto rebuilt = [&](int k) { return k == reductions ? reduced(k) : planes.get() + reducedBytes + offsets[k]; };
    Value* row = rowBuffer.get();
    auto nextRow = [&row, width]() {
        Value* next = row;
        row += width;
        return next;
    };
    Rows rows;
    for (int i = 0; i < 3; ++i) {
        rows.band[i] = nextRow();
        rows.smooth[i] = nextRow();
        rows.gathered[i] = nextRow();
    }
    rows.expanded = nextRow();
    rows.result = nextRow();
    Value* weights = nextRow();
    std::uint8_t* blended = blendedRow.get();

    for (int c = 0; c < 3; ++c) {
        reduceChannel(src + c, stride, width, height, 3, reduced(1), widths[1]);
        for (int k = 1; k < reductions; ++k)
            reduceChannel(reduced(k), widths[k], widths[k], heights[k], 1, reduced(k + 1), widths[k + 1]);

        for (int k = reductions - 1; k >= 1; --k) {
            const Level level{reduced(k), false, widths[k], widths[k], heights[k]};
            std::uint8_t* target = rebuilt(k);
            rebuildLevel(level, reduced(k + 1), rebuilt(k + 1), rows, [&](int y, const Value* values) {
                std::uint8_t* out = target + std::size_t(y) * std::size_t(widths[k]);
                for (int x = 0; x < widths[k]; ++x)
                    out[x] = std::uint8_t(values[x]);
            });
        }

        const Level picture{src + c, true, stride, width, height};
        rebuildLevel(picture, reduced(1), rebuilt(1), rows, [&](int y, const Value* values) {
            if ((y & 15) == 0) {
                for (int x = 0; x < width; ++x)
                    weights[x] = Value(grid.weight(x, y));
            }
            const Value* source = rows.gathered[y % 3];
            for (int x = 0; x < width; ++x)
                blended[x] = std::uint8_t((values[x] * weights[x] + source[x] * (256 - weights[x])) >> 8);
            scatterChannel(blended, width, dst + std::ptrdiff_t(y) * stride + c);
        });
    }
    return 1;
}

int ExecuteLensBlurNew(const std::uint8_t* src, int width, int height, int stride, std::uint8_t* dst, int, int focus)
{
    if (width <= 0 || height <= 0)
        return 1;
    Effects::RadialBlendGrid grid;
    auto plane = Effects::allocate<std::uint8_t>(std::size_t(width) * std::size_t(height));
    auto scratch = Effects::allocate<int>(3 * std::size_t(width));
    if (!plane || !scratch || !grid.build(width, height, [focus](double r) { return Effects::lensBlurShare(focus, r); }))
        return 0;
    for (int c = 0; c < 3; ++c) {
        Effects::extractChannel(src, stride, width, height, c, plane.get());
        Effects::filterBytes(plane.get(), width, width, height, scratch.get());
        Effects::insertChannel(plane.get(), width, height, dst, stride, c);
    }
    grid.blend(src, dst, width, height, stride);
    return 1;
}
