#include "effects/Blur.h"

#include "effects/ChannelPlane.h"
#include "effects/EffectCommon.h"
#include "effects/Pyramid.h"

#include <algorithm>
#include <cstring>

namespace Effects {

double lensBlurShare(int focus, double r)
{
    const double c = ((100 - focus) * 0.9 + focus * 0.2) * 0.01;
    return (1.0 - r) * c + 0.9 * r;
}

namespace {

constexpr int MaximumLevels = 8;

// Number of reductions: levels - 1, but no further than one reduction past
// the first level narrower or lower than 4.
int reductionCount(int width, int height, int levels)
{
    const int limit = std::min(levels, MaximumLevels) - 1;
    for (int k = 0; k < limit; ++k) {
        if (width < 4 || height < 4)
            return k + 1;
        width = (width + 1) >> 1;
        height = (height + 1) >> 1;
    }
    return std::max(limit, 0);
}

// Every working plane of one channel, taken in one piece so that nothing
// can fail once dst is being written.
struct Pyramid
{
    int reductions = 0;
    int width[MaximumLevels] = {};
    int height[MaximumLevels] = {};
    std::uint8_t* plane[MaximumLevels] = {};
    std::uint8_t* expanded[MaximumLevels] = {};
    std::int16_t* band[MaximumLevels] = {};
    int* scratch = nullptr;
    std::unique_ptr<std::uint8_t[]> bytes;
    std::unique_ptr<std::int16_t[]> bands;
    std::unique_ptr<int[]> rows;

    bool allocate(int w, int h, int count)
    {
        reductions = count;
        std::size_t byteCount = 0;
        std::size_t bandCount = 0;
        for (int k = 0; k <= count; ++k) {
            width[k] = w;
            height[k] = h;
            const std::size_t size = std::size_t(w) * std::size_t(h);
            byteCount += k < count ? 2 * size : size;
            bandCount += k < count ? size : 0;
            w = (w + 1) >> 1;
            h = (h + 1) >> 1;
        }
        bytes = Effects::allocate<std::uint8_t>(byteCount);
        bands = Effects::allocate<std::int16_t>(std::max<std::size_t>(bandCount, 1));
        rows = Effects::allocate<int>(3 * std::size_t(width[0]));
        if (!bytes || !bands || !rows)
            return false;
        std::uint8_t* b = bytes.get();
        std::int16_t* s = bands.get();
        for (int k = 0; k <= count; ++k) {
            const std::size_t size = std::size_t(width[k]) * std::size_t(height[k]);
            plane[k] = b;
            b += size;
            if (k < count) {
                expanded[k] = b;
                b += size;
                band[k] = s;
                s += size;
            }
        }
        scratch = rows.get();
        return true;
    }

    // Blurs plane[0] in place.
    void run()
    {
        for (int k = 0; k < reductions; ++k) {
            const int w = width[k];
            const int h = height[k];
            Reduce_2D(plane[k], w, w, h, plane[k + 1], width[k + 1]);
            Expand_2D(expanded[k], w, w, h, plane[k + 1], width[k + 1]);
            DiffImage(band[k], plane[k], expanded[k], 0, w, h);
            filterBand(band[k], w, w, h, scratch);
        }
        for (int k = reductions - 1; k >= 0; --k) {
            AddImage(band[k], expanded[k], plane[k], 0, width[k], height[k]);
            if (k > 0)
                Expand_2D(expanded[k - 1], width[k - 1], width[k - 1], height[k - 1], plane[k], width[k]);
        }
    }
};

void copyAll(const std::uint8_t* src, std::uint8_t* dst, int stride, int height)
{
    std::memcpy(dst, src, planeBytes(stride, height));
}

} // namespace

int lensBlurReference(const std::uint8_t* src, int width, int height, int stride, std::uint8_t* dst, int levels, int focus)
{
    if (width <= 0 || height <= 0)
        return 1;
    if (levels <= 0) {
        copyAll(src, dst, stride, height);
        return 1;
    }
    RadialBlendGrid grid;
    Pyramid pyramid;
    if (!grid.build(width, height, [focus](double r) { return lensBlurShare(focus, r); })
        || !pyramid.allocate(width, height, reductionCount(width, height, levels)))
        return 0;

    for (int c = 0; c < 3; ++c) {
        extractChannel(src, stride, width, height, c, pyramid.plane[0]);
        pyramid.run();
        insertChannel(pyramid.plane[0], width, height, dst, stride, c);
    }
    grid.blend(src, dst, width, height, stride);
    return 1;
}

} // namespace Effects

int ExecuteLensBlur(const std::uint8_t* src, int width, int height, int stride, std::uint8_t* dst, int levels, int focus)
{
    return Effects::lensBlurReference(src, width, height, stride, dst, levels, focus);
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
