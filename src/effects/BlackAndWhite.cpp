#include "effects/BlackAndWhite.h"

#include "effects/EffectCommon.h"

int ExecuteBlackAndWhite(std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride)
{
    if (width <= 0 || height <= 0)
        return 1;
    if (!bits || stride < 3LL * width)
        return 0;

    for (int y = 0; y < height; ++y) {
        std::uint8_t* p = bits + std::size_t(y) * std::size_t(stride);
        for (int x = 0; x < width; ++x, p += 3)
            p[0] = p[1] = p[2] = std::uint8_t(Effects::luma(p[0], p[1], p[2]));
    }
    return 1;
}
