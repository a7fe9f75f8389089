#include "effects/AceTone.h"
#include "effects/TonePlane.h"

#include <cmath>
#include <cstdlib>

using namespace Effects;

namespace {

// Mirrored power curve over 0..last: curve[last - i] = last - f(i), where f
// is x^g with a linear toe below x = 0.018.
void fillBrightness(std::uint16_t* curve, int last, int brightness)
{
    const double s = 0.014 * brightness;
    const double g = brightness >= 0 ? 1.0 + s : 1.0 / (1.0 - s);
    const double toeSlope = std::pow(0.018, g) / 0.018;
    for (int i = 0; i <= last; ++i) {
        const double x = double(i) / last;
        const double y = x <= 0.018 ? toeSlope * x : std::pow(x, g);
        int v = roundHalfUp(y * last);
        v = v < 0 ? 0 : (v > last ? last : v);
        curve[last - i] = std::uint16_t(last - v);
    }
}

// The contrast S curve over 0..last (last = 255 or 65535): pulled toward
// black around the quarter point, toward white around three quarters.
// Entries past the range are clamped; storing them modulo the range would
// turn the brightest values black.
template <typename T>
void fillContrast(T* table, int last, int contrast)
{
    const double k = contrast / 200.0;
    const int quarter = (last + 1) / 4;
    const int half = (last + 1) / 2;
    for (int i = 0; i <= last; ++i) {
        // In double, so that any contrast value clamps instead of overflowing.
        const double v = i < half ? i - std::trunc((quarter - std::abs(i - quarter)) * k)
                                  : i + std::trunc((quarter - std::abs(i - 3 * quarter)) * k);
        table[i] = T(v < 0 ? 0 : (v > last ? last : int(v)));
    }
}

int runBrightness(ACE_EXP_CONTEXT* context, int brightness, const EffectImage* image, const EffectSubImage* part, bool reference)
{
    if (!context || !(image || part))
        return EffectNoContext;
    const TonePlane plane = image ? TonePlane::of(*image) : TonePlane::of(*part);
    if (!isToneFormat(plane.format))
        return EffectNoContext;
    if (brightness == 0 || plane.empty())
        return EffectOk;

    if (plane.isWide()) {
        ACE_BrighnessTable16(context->brightnessCurve16, brightness);
        const std::uint16_t* decode = context->decode16;
        const std::uint16_t* curve = context->brightnessCurve16;
        const std::uint16_t* encode = context->encode16;
        applyLut16(plane, [=](std::uint16_t v) { return encode[curve[decode[v]]]; });
        return EffectOk;
    }

    ACE_BrighnessTable(context->brightnessCurve8, brightness);
    const std::uint16_t* decode = context->decode8;
    const std::uint16_t* curve = context->brightnessCurve8;
    const std::uint8_t* encode = context->encode8;
    if (reference) {
        const std::size_t count = plane.valuesPerRow();
        for (int y = 0; y < plane.height; ++y) {
            std::uint8_t* p = plane.row(y);
            for (std::size_t i = 0; i < count; ++i)
                p[i] = encode[curve[decode[p[i]]]];
        }
        return EffectOk;
    }
    // Every 8-bit value has one result: compose the three tables once.
    std::uint8_t lut[256];
    for (int v = 0; v < 256; ++v)
        lut[v] = encode[curve[decode[v]]];
    applyLut8(plane, lut);
    return EffectOk;
}

int runContrast(ACE_EXP_CONTEXT* context, int contrast, const TonePlane& plane)
{
    if (!isToneFormat(plane.format))
        return EffectNoContext;
    if (contrast == 0 || plane.empty())
        return EffectOk;
    if (plane.isWide()) {
        ACE_ContrastTable16(context->contrastTable16, contrast);
        const std::uint16_t* table = context->contrastTable16;
        applyLut16(plane, [=](std::uint16_t v) { return table[v]; });
    } else {
        ACE_ContrastTable(context->contrastTable8, contrast);
        applyLut8(plane, context->contrastTable8);
    }
    return EffectOk;
}

} // namespace

int ACE_BrighnessTable(std::uint16_t* curve, std::int32_t brightness)
{
    fillBrightness(curve, 4095, brightness);
    return EffectOk;
}

int ACE_BrighnessTable16(std::uint16_t* curve, std::int32_t brightness)
{
    fillBrightness(curve, 65535, brightness);
    return EffectOk;
}

int ACE_RunBrightnessEffectImage(ACE_EXP_CONTEXT* context, std::int32_t brightness, EffectImage* image)
{
    return runBrightness(context, brightness, image, nullptr, false);
}

int ACE_RunBrightnessEffectSubImage(ACE_EXP_CONTEXT* context, std::int32_t brightness, EffectSubImage* image)
{
    return runBrightness(context, brightness, nullptr, image, false);
}

int Effects::runBrightnessReference(ACE_EXP_CONTEXT* context, std::int32_t brightness, EffectImage* image)
{
    return runBrightness(context, brightness, image, nullptr, true);
}

int ACE_ContrastTable(std::uint8_t* table, std::int32_t contrast)
{
    fillContrast(table, 255, contrast);
    return EffectOk;
}

int ACE_ContrastTable16(std::uint16_t* table, std::int32_t contrast)
{
    fillContrast(table, 65535, contrast);
    return EffectOk;
}

int ACE_RunContrastEffectImage(ACE_EXP_CONTEXT* context, std::int32_t contrast, EffectImage* image)
{
    if (!context || !image)
        return EffectNoContext;
    return runContrast(context, contrast, TonePlane::of(*image));
}

int ACE_RunContrastEffectSubImage(ACE_EXP_CONTEXT* context, std::int32_t contrast, EffectSubImage* image)
{
    if (!context || !image)
        return EffectNoContext;
    return runContrast(context, contrast, TonePlane::of(*image));
}
