#include "effects/Blur.h"

#include "effects/ChannelPlane.h"
#include "effects/EffectCommon.h"
#include "effects/Pyramid.h"

#include <algorithm>
#include <cstdlib>

namespace Effects {

double motionBlurShare(int focus, double r)
{
    const double c = 0.5 + 0.004 * focus;
    if (c >= 1.0 || !(r > c))
        return 0.0;
    return std::min((r - c) / (1.0 - c), 1.0);
}

namespace {

struct Step
{
    int dx;
    int dy;
};

// Major and minor step of each direction class; every line runs toward the
// centre.
constexpr Step MajorSteps[8] = {{-1, 0}, {0, -1}, {0, -1}, {1, 0}, {1, 0}, {0, 1}, {0, 1}, {-1, 0}};
constexpr Step MinorSteps[8] = {{0, -1}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}, {1, 0}, {-1, 0}, {0, 1}};

// One line per grid node: its tap count, direction class and the number of
// major steps per minor step.
struct NodeLine
{
    int taps;
    int direction;
    int ratio;
};

// |a| / |b| rounded to nearest.
int roundedRatio(int a, int b)
{
    a = std::abs(a);
    b = std::abs(b);
    return (2 * a + b) / (2 * b);
}

NodeLine nodeLine(int dx, int dy, int cx, int cy)
{
    if (dy > 0) {
        if (dx > dy)
            return {0, 0, roundedRatio(dx, dy)};
        if (dx >= 1)
            return {0, 1, roundedRatio(dy, dx)};
        if (dy >= -dx)
            return {0, 2, dx == 0 ? cy : roundedRatio(dy, dx)};
        return {0, 3, roundedRatio(dx, dy)};
    }
    if (dx <= 0) {
        if (-dx > -dy)
            return {0, 4, dy == 0 ? cx : roundedRatio(dx, dy)};
        return {0, 5, dx == 0 ? cy : roundedRatio(dy, dx)};
    }
    if (dx <= -dy)
        return {0, 6, roundedRatio(dy, dx)};
    return {0, 7, dy == 0 ? cx : roundedRatio(dx, dy)};
}

struct Sums
{
    int b = 0;
    int g = 0;
    int r = 0;
    int count = 0;
};

// Adds up to `taps` pixels: tap k lies k steps `first` and one step `second`
// further for every `every` taps before it. The line ends at the border.
void addLine(const std::uint8_t* src, int width, int height, int stride, int x, int y, int taps, Step first, Step second,
             int every, Sums& sums)
{
    for (int k = 1; k <= taps; ++k) {
        x += first.dx;
        y += first.dy;
        if (k > 1 && (k - 1) % every == 0) {
            x += second.dx;
            y += second.dy;
        }
        if (x < 0 || y < 0 || x >= width || y >= height)
            return;
        const std::uint8_t* p = src + std::ptrdiff_t(y) * stride + 3 * x;
        sums.b += p[0];
        sums.g += p[1];
        sums.r += p[2];
        ++sums.count;
    }
}

int motionBlurSmall(const std::uint8_t* src, int width, int height, int stride, std::uint8_t* dst, int length, int focus)
{
    if (width <= 0 || height <= 0)
        return 1;
    length = std::clamp(length, 0, 255);
    const int columns = blockGridColumns(width);
    const int rows = blockGridRows(height);
    auto lines = allocate<NodeLine>(std::size_t(columns) * std::size_t(rows));
    if (!lines)
        return 0;
    const int cx = (width + 1) >> 1;
    const int cy = (height + 1) >> 1;
    for (int j = 0; j < rows; ++j) {
        for (int i = 0; i < columns; ++i) {
            NodeLine line = nodeLine(i * 16 - cx, j * 16 - cy, cx, cy);
            line.taps = roundHalfUp(motionBlurShare(focus, normalisedRadius(i * 16, j * 16, width, height)) * length);
            lines[std::size_t(j) * columns + i] = line;
        }
    }

    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const NodeLine& line = lines[std::size_t(y >> 4) * columns + (x >> 4)];
            const std::uint8_t* p = src + std::ptrdiff_t(y) * stride + 3 * x;
            std::uint8_t* d = dst + std::ptrdiff_t(y) * stride + 3 * x;
            if (line.taps == 0) {
                d[0] = p[0];
                d[1] = p[1];
                d[2] = p[2];
                continue;
            }
            Sums sums;
            sums.b = p[0];
            sums.g = p[1];
            sums.r = p[2];
            sums.count = 1;
            const Step major = MajorSteps[line.direction];
            const Step minor = MinorSteps[line.direction];
            addLine(src, width, height, stride, x, y, line.taps, major, minor, line.ratio, sums);
            if (line.ratio == 1) {
                // An exact diagonal also takes the two lines of ratio 2
                // beside it.
                addLine(src, width, height, stride, x, y, line.taps, major, minor, 2, sums);
                addLine(src, width, height, stride, x, y, line.taps, minor, major, 2, sums);
            }
            d[0] = std::uint8_t(sums.b / sums.count);
            d[1] = std::uint8_t(sums.g / sums.count);
            d[2] = std::uint8_t(sums.r / sums.count);
        }
    }
    return 1;
}

// Pictures up to this size are blurred at full size.
constexpr int SmallSide = 1279;
constexpr int MaximumHalvings = 4;

} // namespace
} // namespace Effects

int ExecuteMotionBlurSmall(const std::uint8_t* src, int width, int height, int stride, std::uint8_t* dst, int length, int focus)
{
    return Effects::motionBlurSmall(src, width, height, stride, dst, length, focus);
}

int ExecuteMotionBlur(const std::uint8_t* src, int width, int height, int stride, std::uint8_t* dst, int length, int focus)
{
    using namespace Effects;
    if (width <= 0 || height <= 0)
        return 1;
    RadialBlendGrid grid;
    if (!grid.build(width, height, [focus](double r) { return motionBlurShare(focus, r); }))
        return 0;

    // Halvings as the reduced planes shrink, to at most 1279 pixels. The
    // blend follows the blur at every size, so pictures just below and
    // just above that size look alike.
    int halvings = 0;
    for (int side = std::max(width, height); side > SmallSide; side = (side + 1) >> 1)
        ++halvings;
    if (halvings == 0) {
        if (!motionBlurSmall(src, width, height, stride, dst, length, focus))
            return 0;
        grid.blend(src, dst, width, height, stride);
        return 1;
    }

    const int n = std::min(halvings, MaximumHalvings);
    int widths[MaximumHalvings + 1];
    int heights[MaximumHalvings + 1];
    std::size_t offsets[MaximumHalvings + 2] = {0};
    for (int k = 0; k <= n; ++k) {
        widths[k] = k == 0 ? width : (widths[k - 1] + 1) >> 1;
        heights[k] = k == 0 ? height : (heights[k - 1] + 1) >> 1;
        offsets[k + 1] = offsets[k] + std::size_t(widths[k]) * std::size_t(heights[k]);
    }
    const int smallStride = (3 * widths[n] + 3) & ~3;
    auto planes = allocate<std::uint8_t>(offsets[n + 1]);
    auto small = allocate<std::uint8_t>(2 * planeBytes(smallStride, heights[n]));
    if (!planes || !small)
        return 0;
    std::uint8_t* smallIn = small.get();
    std::uint8_t* smallOut = small.get() + planeBytes(smallStride, heights[n]);
    auto level = [&](int k) { return planes.get() + offsets[k]; };

    for (int c = 0; c < 3; ++c) {
        extractChannel(src, stride, width, height, c, level(0));
        for (int k = 0; k < n; ++k)
            Reduce_2D(level(k), widths[k], widths[k], heights[k], level(k + 1), widths[k + 1]);
        insertChannel(level(n), widths[n], heights[n], smallIn, smallStride, c);
    }
    if (!motionBlurSmall(smallIn, widths[n], heights[n], smallStride, smallOut, length, focus))
        return 0;
    for (int c = 0; c < 3; ++c) {
        extractChannel(smallOut, smallStride, widths[n], heights[n], c, level(n));
        for (int k = n; k > 0; --k)
            Expand_2D(level(k - 1), widths[k - 1], widths[k - 1], heights[k - 1], level(k), widths[k]);
        insertChannel(level(0), width, height, dst, stride, c);
    }
    grid.blend(src, dst, width, height, stride);
    return 1;
}
