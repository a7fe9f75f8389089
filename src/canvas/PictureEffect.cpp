#include "canvas/PictureEffect.h"

#include <cmath>

namespace {

struct Range
{
    int low;
    int high;
    int neutral;
};

// By code - Saturation; the fine-tune panel's slider ranges.
const Range FineTuneRanges[] = {
    {-100, 100, 0},      // saturation
    {-100, 100, 0},      // contrast
    {-100, 100, 0},      // brightness
    {0, 100, 0},         // sharpness
    {2000, 12000, 5000}, // temperature
    {-150, 150, 10},     // tint
};

} // namespace

double PictureEffect::neutralValue(int code)
{
    return isFineTune(code) ? FineTuneRanges[code - Saturation].neutral : 0.0;
}

int PictureEffect::fineTuneValue(int code, double param)
{
    if (!isFineTune(code))
        return 0;
    const Range& range = FineTuneRanges[code - Saturation];
    if (std::isnan(param))
        return range.neutral;
    // Held first, so that the conversion to int is always defined.
    if (param <= range.low)
        return range.low;
    if (param >= range.high)
        return range.high;
    return int(std::trunc(param));
}
