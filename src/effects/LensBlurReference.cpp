#include "effects/Blur.h"

#include "effects/ChannelPlane.h"
#include "effects/EffectCommon.h"
#include "effects/Pyramid.h"

#include <algorithm>
#include <cstring>

namespace Effects {

namespace {

constexpr int MaximumLevels = LensBlurMaximumLevels;

// Every working plane of one channel, taken in one piece so that nothing
// can fail once dst is being written. Each step is a whole-plane pass of
// the library's plane functions, as the blur is defined.
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
        || !pyramid.allocate(width, height, lensBlurReductions(width, height, levels)))
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
