#pragma once

// The tone (ACE_) family of the effect library: a context holding the sRGB
// transfer tables and the tone curves, brightness and contrast curves,
// exposure analysis and correction, and unsharp-mask sharpening.
//
// Results: EffectOk (0), EffectNoContext (-2: missing context, missing image
// record or unsupported format) and EffectNoMemory (-201). Every function
// works in place on caller-owned pixels and never writes past 3 x width
// bytes (6 x width for 16-bit B,G,R) of a row. Distinct contexts may be used
// on distinct threads; one context is not for two threads at once, because
// the run functions rebuild its curves.

#include "effects/EffectCommon.h"

#include <cstdint>

struct ACE_EXP_CONTEXT
{
    std::uint8_t* encode8;            // 4096: 12-bit linear to 8-bit sRGB
    std::uint16_t* decode8;           // 256: 8-bit sRGB to 12-bit linear
    std::uint16_t* encode16;          // 65536: 16-bit linear to 16-bit sRGB
    std::uint16_t* decode16;          // 65536: 16-bit sRGB to 16-bit linear
    std::uint16_t* exposureCurve;     // 4096: written by ACE_Analysis
    std::uint16_t* brightnessCurve8;  // 4096: 12-bit linear in and out
    std::uint8_t* contrastTable8;     // 256
    std::uint16_t* brightnessCurve16; // 65536: 16-bit linear in and out
    std::uint16_t* contrastTable16;   // 65536
    std::uint32_t* histogramB;        // 256 bins each, of decoded value >> 4
    std::uint32_t* histogramG;
    std::uint32_t* histogramR;
    std::uint32_t* histogramLuma;
    double exposureGain; // written by ACE_Analysis
    std::int32_t width;  // size of the last histogrammed image
    std::int32_t height;
};

// Context life. Init stores a new context in *out (0) or returns -201 with
// nothing kept allocated; a fresh context corrects nothing (gain 1, identity
// exposure curve). Uninit accepts null.
int ACE_EXP_Init(ACE_EXP_CONTEXT** out);
int ACE_EXP_Uninit(ACE_EXP_CONTEXT* context);

// Brightness -100..100 in linear light: a mirrored power curve with exponent
// 1 + 0.014 b (1 / (1 - 0.014 b) below 0) and a linear toe at the bright end.
// The curves have 4096 (12-bit) or 65536 (16-bit) entries, monotone, with
// fixed end points.
int ACE_BrighnessTable(std::uint16_t* curve, std::int32_t brightness);
int ACE_BrighnessTable16(std::uint16_t* curve, std::int32_t brightness);
int ACE_RunBrightnessEffectImage(ACE_EXP_CONTEXT* context, std::int32_t brightness, EffectImage* image);
int ACE_RunBrightnessEffectSubImage(ACE_EXP_CONTEXT* context, std::int32_t brightness, EffectSubImage* image);

// Contrast S curve on the stored values (no decoding), -200..200. Entries
// that leave the range (from 200 on) clamp to black and white.
int ACE_ContrastTable(std::uint8_t* table, std::int32_t contrast);
int ACE_ContrastTable16(std::uint16_t* table, std::int32_t contrast);
int ACE_RunContrastEffectImage(ACE_EXP_CONTEXT* context, std::int32_t contrast, EffectImage* image);
int ACE_RunContrastEffectSubImage(ACE_EXP_CONTEXT* context, std::int32_t contrast, EffectSubImage* image);

// Exposure: histograms of an 8-bit image (formats 1 and 2), an analysis that
// turns them into a gain and curve, and the correction. The sub-image form
// of the histogram accumulates parts when `clear` is 0.
int ACE_PreExpEffectImage(ACE_EXP_CONTEXT* context, EffectImage* image);
int ACE_PreExposureSubImage(ACE_EXP_CONTEXT* context, EffectSubImage* image, std::int32_t clear);
int ACE_Analysis(ACE_EXP_CONTEXT* context);
int ACE_RunExpEffectImage(ACE_EXP_CONTEXT* context, EffectImage* image);
int ACE_RunExposureSubImage(ACE_EXP_CONTEXT* context, EffectSubImage* image);

// Unsharp mask on luminance, amount 0..100 (0 returns at once). The
// two-pixel frame, and images narrower or lower than 5 pixels, stay as they
// are. -201 when working memory is short (image unchanged). The Run form
// ignores the context, expects a format 1 record and passes the filter's
// result on (-2 for a missing record).
int ACE_FixUnsharpMaskFilter(std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride, std::int32_t amount);
int ACE_RunSharpnessEffectImage(ACE_EXP_CONTEXT* context, std::int32_t amount, EffectImage* image);

namespace Effects {

// Plain versions of the fast paths: brightness and exposure take each value
// through every table in turn, the unsharp mask works out the blur afresh at
// every pixel. The functions above must give the same bytes; these are kept
// for the tests and as the readable statement of the rules.
int runBrightnessReference(ACE_EXP_CONTEXT* context, std::int32_t brightness, EffectImage* image);
int runExposureReference(ACE_EXP_CONTEXT* context, EffectImage* image);
int unsharpMaskReference(std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride, std::int32_t amount);

// The unsharp mask in pieces, so that bands of rows can be sharpened on
// different threads: the luminance plane (width x height bytes, rows packed)
// of the whole picture is made first, then each band of rows is sharpened
// from it. ACE_FixUnsharpMaskFilter is the two over all rows.
void luminanceRows(const std::uint8_t* bits, int width, int stride, int firstRow, int lastRow, std::uint8_t* plane);

class UnsharpMaskRows
{
public:
    // Takes the working rows of one band; one object per thread.
    UnsharpMaskRows(int width, int height, int amount);
    bool ready() const; // false when working memory is short

    // Sharpens rows firstRow .. lastRow - 1 (the frame excepted) from the
    // luminance plane of the picture as it was before sharpening. A call
    // that starts where the previous one ended, on the same plane, reuses
    // its blurred rows.
    void run(const std::uint8_t* plane, std::uint8_t* bits, int stride, int firstRow, int lastRow);

private:
    int m_width;
    int m_height;
    int m_amount;
    int m_nextRow = -1; // where the blurred rows of the ring go on
    std::unique_ptr<std::uint8_t[]> m_ring;    // five blurred rows
    std::unique_ptr<std::int16_t[]> m_deltas;  // one row of changes
};

} // namespace Effects
