#include "effects/PhotoFilter.h"

#include "effects/EffectCommon.h"
#include "effects/PixelRows.h"

namespace {

// Colour differences in the library's fixed point (out of 1024); the
// shifts are arithmetic.
inline int blueDifference(int b, int g, int r)
{
    return (513 * b - 340 * g - 173 * r) >> 10;
}

inline int redDifference(int b, int g, int r)
{
    return (512 * r - 429 * g - 83 * b) >> 10;
}

} // namespace

int ExecutePhotoFilterImage(std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride,
                            std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::int32_t density,
                            std::uint8_t keepLuminosity)
{
    if (density <= 0)
        return 1;

    // The filter's weight out of 1024, and the picture's.
    const int a = Effects::roundHalfUp((density > 100 ? 100 : density) * 10.24);
    const int n = 1024 - a;
    const int fY = Effects::luma(blue, green, red);
    const int fCb = blueDifference(blue, green, red);
    const int fCr = redDifference(blue, green, red);

    return Effects::forEachRow(bits, width, height, stride, [=](std::uint8_t* p) {
        for (int x = 0; x < width; ++x, p += 3) {
            const int b = p[0], g = p[1], r = p[2];
            const int luma = Effects::luma(b, g, r);
            const int cb = blueDifference(b, g, r);
            const int cr = redDifference(b, g, r);
            int cb1 = ((((cb * fY + luma * fCb) >> 8) * a) + cb * n) >> 10;
            int cr1 = ((((cr * fY + luma * fCr) >> 8) * a) + cr * n) >> 10;
            int yq;
            if (keepLuminosity) {
                // Dark pixels take the filtered colour, bright ones keep
                // most of their own.
                const int k = (3 * luma) >> 1 > 128 ? (3 * luma) >> 1 : 128;
                cb1 = (cb1 * (384 - k) + cb * (k - 128)) >> 8;
                cr1 = (cr1 * (384 - k) + cr * (k - 128)) >> 8;
                yq = (117 * b + 601 * g + 306 * r) & ~1023;
            } else {
                yq = (((luma * fY) >> 8) * a + luma * n) & ~1023;
            }
            p[2] = Effects::clampByte((yq + 1437 * cr1) >> 10);
            p[1] = Effects::clampByte((yq - 731 * cr1 - 352 * cb1) >> 10);
            p[0] = Effects::clampByte((yq + 1812 * cb1) >> 10);
        }
    });
}
