#include "effects/BlackAndWhite.h"

#include "effects/EffectCommon.h"
#include "effects/PixelRows.h"

int ExecuteBlackAndWhite(std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride)
{
    return Effects::forEachRow(bits, width, height, stride, [width](std::uint8_t* p) {
        for (int x = 0; x < width; ++x, p += 3)
            p[0] = p[1] = p[2] = std::uint8_t(Effects::luma(p[0], p[1], p[2]));
    });
}
