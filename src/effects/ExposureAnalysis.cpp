#include "effects/AceTone.h"
#include "effects/TonePlane.h"

#include <algorithm>
#include <cmath>
#include <cstring>

using namespace Effects;

namespace {

void clearHistograms(ACE_EXP_CONTEXT* context)
{
    for (std::uint32_t* h : {context->histogramB, context->histogramG, context->histogramR, context->histogramLuma})
        std::memset(h, 0, 256 * sizeof(std::uint32_t));
}

// Counts decoded values >> 4; B,G,R pixels also add their luminance.
void countHistograms(ACE_EXP_CONTEXT* context, const TonePlane& plane)
{
    const std::uint16_t* decode = context->decode8;
    for (int y = 0; y < plane.height; ++y) {
        const std::uint8_t* p = plane.row(y);
        if (plane.format == EffectFormatGray8) {
            for (int x = 0; x < plane.width; ++x) {
                const int bin = decode[p[x]] >> 4;
                ++context->histogramB[bin];
                ++context->histogramG[bin];
                ++context->histogramR[bin];
                ++context->histogramLuma[bin];
            }
            continue;
        }
        for (int x = 0; x < plane.width; ++x, p += 3) {
            const int b = decode[p[0]], g = decode[p[1]], r = decode[p[2]];
            ++context->histogramB[b >> 4];
            ++context->histogramG[g >> 4];
            ++context->histogramR[r >> 4];
            ++context->histogramLuma[(117 * b + 601 * g + 306 * r) >> 14];
        }
    }
}

bool isExposureFormat(int format)
{
    return format == EffectFormatBGR8 || format == EffectFormatGray8;
}

// The bin below the brightest ones that together hold more than `limit`
// pixels; 0 when bins 255 down to 2 never exceed it.
int brightPoint(const std::uint32_t* histogram, std::uint64_t limit)
{
    std::uint64_t sum = histogram[255];
    if (sum > limit)
        return 254;
    for (int j = 254; j >= 2; --j) {
        sum += histogram[j];
        if (sum > limit)
            return j - 1;
    }
    return 0;
}

// Gain below 1: curve[i] becomes the gain at linear value i, in 1/4096.
void fillGainTable(std::uint16_t* curve, double g)
{
    const double a = (1.0 - g) * 16.0 / 9.0;
    for (int i = 0; i < 1024; ++i)
        curve[i] = std::uint16_t(roundHalfUp(i * g));
    for (int i = 1024; i < 4096; ++i) {
        const double x = i / 4095.0;
        const double y = (a * x + (g - a / 2.0)) * x + (1.0 - g - a / 2.0);
        curve[i] = std::uint16_t(std::clamp(roundHalfUp(y * 4095.0), 0, 65535));
    }
    for (unsigned i = 1; i < 4096; ++i)
        curve[i] = std::uint16_t((unsigned(curve[i]) * 4095u) / i);
}

// Gain of 1 or more: a tone curve that multiplies by g and rolls off into
// white along a quadratic shoulder.
void fillToneCurve(std::uint16_t* curve, double g)
{
    const double h = std::min(g, 2.0);
    const double knee = 4095.0 * h + 0.5;
    const int n = int(knee / 4.0);
    for (int i = 0; i < n && i < 4096; ++i)
        curve[i] = std::uint16_t(i);
    if (n <= 4095) {
        const double c0 = (1.0 - h) / 9.0;
        const double c1 = (17.0 * h - 8.0) / 9.0;
        const double c2 = 1.0 - c1 - c0;
        for (int i = n; i < 4096; ++i) {
            const double t = i / knee;
            const double y = std::min(1.0, (c2 * t + c1) * t + c0);
            curve[i] = std::uint16_t(roundHalfUp(y * 4095.0));
        }
    }
    // Reading ahead of i only (g >= 1), so the stretch can run in place.
    const int end = int(4095.0 / g);
    for (int i = 0; i < end; ++i)
        curve[i] = curve[std::min(roundHalfUp(i * g), 4095)];
    for (int i = std::max(end, 0); i < 4096; ++i)
        curve[i] = 4095;
}

int runExposure(ACE_EXP_CONTEXT* context, const TonePlane& plane, bool reference)
{
    if (!context || !isExposureFormat(plane.format))
        return EffectNoContext;
    if (plane.empty())
        return EffectOk;
    const std::uint16_t* decode = context->decode8;
    const std::uint8_t* encode = context->encode8;
    const std::uint16_t* curve = context->exposureCurve;
    // Curve entries are at most 4095 by construction; the bound keeps a
    // damaged context from reading past the encoder.
    auto encodeAt = [encode](unsigned v) { return encode[std::min(v, 4095u)]; };

    if (context->exposureGain >= 1.0) {
        if (reference) {
            const std::size_t count = plane.valuesPerRow();
            for (int y = 0; y < plane.height; ++y) {
                std::uint8_t* p = plane.row(y);
                for (std::size_t i = 0; i < count; ++i)
                    p[i] = encodeAt(curve[decode[p[i]]]);
            }
            return EffectOk;
        }
        std::uint8_t lut[256];
        for (int v = 0; v < 256; ++v)
            lut[v] = encodeAt(curve[decode[v]]);
        applyLut8(plane, lut);
        return EffectOk;
    }

    // Gain table: one gain per pixel, taken at its linear luminance.
    for (int y = 0; y < plane.height; ++y) {
        std::uint8_t* p = plane.row(y);
        if (plane.format == EffectFormatGray8) {
            for (int x = 0; x < plane.width; ++x) {
                const unsigned d = decode[p[x]];
                p[x] = encodeAt((curve[d] * d) >> 12);
            }
            continue;
        }
        for (int x = 0; x < plane.width; ++x, p += 3) {
            const unsigned b = decode[p[0]], g = decode[p[1]], r = decode[p[2]];
            const unsigned f = curve[(117 * b + 601 * g + 306 * r) >> 10];
            p[0] = encodeAt((b * f) >> 12);
            p[1] = encodeAt((g * f) >> 12);
            p[2] = encodeAt((r * f) >> 12);
        }
    }
    return EffectOk;
}

} // namespace

int ACE_PreExpEffectImage(ACE_EXP_CONTEXT* context, EffectImage* image)
{
    if (!context || !image || !isExposureFormat(image->format))
        return EffectNoContext;
    clearHistograms(context);
    context->width = image->width;
    context->height = image->height;
    const TonePlane plane = TonePlane::of(*image);
    if (!plane.empty())
        countHistograms(context, plane);
    return EffectOk;
}

int ACE_PreExposureSubImage(ACE_EXP_CONTEXT* context, EffectSubImage* image, std::int32_t clear)
{
    if (!context || !image || !isExposureFormat(image->format))
        return EffectNoContext;
    if (clear)
        clearHistograms(context);
    context->width = image->fullWidth;
    context->height = image->fullHeight;
    const TonePlane plane = TonePlane::of(*image);
    if (!plane.empty())
        countHistograms(context, plane);
    return EffectOk;
}

int ACE_Analysis(ACE_EXP_CONTEXT* context)
{
    if (!context)
        return EffectNoContext;
    const std::int64_t pixels = std::int64_t(std::max(context->width, 0)) * std::max(context->height, 0);
    const std::uint64_t limit = std::uint64_t(pixels / 50);
    int m = 0;
    for (const std::uint32_t* h : {context->histogramB, context->histogramG, context->histogramR, context->histogramLuma})
        m = std::max(m, brightPoint(h, limit));

    double g = m == 0 ? 1.0 : 0.9 * (255 / m);
    g = std::clamp(g, 0.0625, 16.0);
    if (g < 1.0)
        g = std::sqrt(g);
    context->exposureGain = g;
    if (g < 1.0)
        fillGainTable(context->exposureCurve, g);
    else
        fillToneCurve(context->exposureCurve, g);
    return EffectOk;
}

int ACE_RunExpEffectImage(ACE_EXP_CONTEXT* context, EffectImage* image)
{
    if (!image)
        return EffectNoContext;
    return runExposure(context, TonePlane::of(*image), false);
}

int ACE_RunExposureSubImage(ACE_EXP_CONTEXT* context, EffectSubImage* image)
{
    if (!image)
        return EffectNoContext;
    return runExposure(context, TonePlane::of(*image), false);
}

int Effects::runExposureReference(ACE_EXP_CONTEXT* context, EffectImage* image)
{
    if (!image)
        return EffectNoContext;
    return runExposure(context, TonePlane::of(*image), true);
}
