#include "effects/ZIZuzaVuvovi.h"

#include "effects/AceTone.h"
#include "effects/BlackAndWhite.h"
#include "effects/Blur.h"
#include "effects/ContrastSaturation.h"
#include "effects/CrossProcessing.h"
#include "effects/EffectCommon.h"
#include "effects/EngineTone.h"
#include "effects/PhotoFilter.h"
#include "effects/RowBands.h"
#include "effects/Vignetting.h"
#include "effects/WhiteBalance.h"
#include "platform/RandomSource.h"

#include <QtGlobal>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

using namespace Effects;

namespace {

// Neutral white balance: the step is skipped exactly at this pair.
constexpr int NeutralTemperature = 5000;
constexpr int NeutralTint = 10;

enum ColorMode { ColorNone = 0, ColorCrossProcessing = 1, ColorBlackAndWhite = 2, ColorSepia = 3 };

// Bytes of one 24-bit row padded to a multiple of 4 (a BGR888 QImage row).
std::int64_t paddedRowBytes(int width)
{
    return (std::int64_t(width) * 24 + 31) / 32 * 4;
}

// The six fine-tune values may come from a project file: hold them to the
// ranges of their sliders.
ZIZuzaVuvoviParam withFineTuneInRange(ZIZuzaVuvoviParam p)
{
    p.saturation = std::clamp(p.saturation, -100, 100);
    p.contrast = std::clamp(p.contrast, -100, 100);
    p.brightness = std::clamp(p.brightness, -100, 100);
    p.sharpness = std::clamp(p.sharpness, 0, 100);
    p.temperature = std::clamp(p.temperature, 2000, 12000);
    p.tint = std::clamp(p.tint, -150, 150);
    return p;
}

bool runsWhiteBalance(const ZIZuzaVuvoviParam& p)
{
    return !(p.temperature == NeutralTemperature && p.tint == NeutralTint);
}

// The whole field counts: 511 is a filter, though its low 8 bits are 255.
bool runsPhotoFilter(const ZIZuzaVuvoviParam& p)
{
    return !(p.filterRed == 255 && p.filterGreen == 255 && p.filterBlue == 255);
}

void photoFilter(std::uint8_t* bits, int width, int rows, int stride, const ZIZuzaVuvoviParam& p)
{
    ExecutePhotoFilterImage(bits, width, rows, stride, std::uint8_t(p.filterRed & 0xFF), std::uint8_t(p.filterGreen & 0xFF),
                            std::uint8_t(p.filterBlue & 0xFF), p.filterDensity, p.filterKeepLuminance ? 1 : 0);
}

EffectImage imageOf(unsigned char* bits, int width, int height, int stride)
{
    return EffectImage{width, height, EffectFormatBGR8, 0, stride, bits};
}

std::uint8_t* rowOf(std::uint8_t* bits, int y, int stride)
{
    return bits + std::ptrdiff_t(y) * stride;
}

// Contrast, saturation and brightness of a row in one pass. Without
// saturation every byte has one result, so the three are one table;
// with it, brightness is folded into the table that clamps the saturated
// value.
class ToneRows
{
public:
    ToneRows(int contrast, int saturation, const std::uint8_t brightness[256])
        : m_saturated(saturation != 0)
    {
        std::uint8_t curve[256];
        fillContrastCurve(curve, contrast);
        if (!m_saturated) {
            for (int v = 0; v < 256; ++v)
                m_lut[v] = brightness[curve[v]];
            m_identity = true;
            for (int v = 0; v < 256; ++v)
                m_identity = m_identity && m_lut[v] == v;
            return;
        }
        const SaturationTables tables(saturation);
        for (int v = 0; v < 256; ++v) {
            m_lut[v] = curve[v];
            m_t1[v] = tables.t1[curve[v]];
            m_t2[v] = tables.t2[curve[v]];
        }
        for (int v = -ClampOffset; v < ClampOffset; ++v)
            m_clamped[v + ClampOffset] = brightness[clampByte(v)];
    }

    bool identity() const { return !m_saturated && m_identity; }

    void row(std::uint8_t* p, int width) const
    {
        if (!m_saturated) {
            lookUpBytes(p, 3 * std::size_t(width), m_lut);
            return;
        }
        for (int x = 0; x < width; ++x, p += 3) {
            const int b = p[0], g = p[1], r = p[2];
            // The largest channel after contrast; t1 is indexed by it.
            const int cb = m_lut[b], cg = m_lut[g], cr = m_lut[r];
            const int hi = cb > cg ? (cb > cr ? b : r) : (cg > cr ? g : r);
            const int t1 = m_t1[hi];
            p[0] = m_clamped[((m_t2[b] + t1) >> 7) + ClampOffset];
            p[1] = m_clamped[((m_t2[g] + t1) >> 7) + ClampOffset];
            p[2] = m_clamped[((m_t2[r] + t1) >> 7) + ClampOffset];
        }
    }

private:
    // Saturated values lie in -256..255.
    static constexpr int ClampOffset = 512;

    bool m_saturated;
    bool m_identity = false;
    std::uint8_t m_lut[256];   // contrast (and brightness, unsaturated)
    int m_t1[256];             // saturation tables behind the contrast curve
    int m_t2[256];
    std::uint8_t m_clamped[2 * ClampOffset];
};

// Brightness as one byte table: the context's curve for the value between
// its decode and encode tables. The identity without a context.
void fillBrightnessTable(std::uint8_t table[256], const ACE_EXP_CONTEXT* context, int brightness)
{
    for (int v = 0; v < 256; ++v)
        table[v] = std::uint8_t(v);
    if (!context || brightness == 0)
        return;
    std::uint16_t curve[4096];
    ACE_BrighnessTable(curve, brightness);
    for (int v = 0; v < 256; ++v)
        table[v] = context->encode8[curve[context->decode8[v]]];
}

// Rows handled together by one thread between steps, so that a block of
// rows passes through every step while it is in the cache.
constexpr int ChunkRows = 16;

template <typename Chunk>
void forChunks(const RowBand& band, Chunk chunk)
{
    for (int y = band.first; y < band.last; y += ChunkRows)
        chunk(y, std::min(y + ChunkRows, band.last));
}

} // namespace

ZIZuzaVuvovi::ZIZuzaVuvovi(int width, int height)
    : width(width)
    , height(height)
{
    // No srand here: the engine draws nothing from rand(), and reseeding the
    // process-wide generator would upset those who seed it on purpose.
}

ZIZuzaVuvovi::~ZIZuzaVuvovi()
{
    std::lock_guard<std::mutex> lock(mutex);
    std::free(swapBuffer);
    swapBuffer = nullptr;
    if (exposureContext)
        ACE_EXP_Uninit(exposureContext);
    exposureContext = nullptr;
    if (whiteBalanceContext)
        AWB_WHITEBALANCE_Uninit(whiteBalanceContext);
    whiteBalanceContext = nullptr;
}

void ZIZuzaVuvovi::setEngineParam(const ZIZuzaVuvoviParam& value)
{
    std::lock_guard<std::mutex> lock(mutex);
    param = value;
}

void ZIZuzaVuvovi::setThreadCount(int threads)
{
    std::lock_guard<std::mutex> lock(mutex);
    threadCount = std::max(threads, 0);
}

bool ZIZuzaVuvovi::runLomo(unsigned char* bits, int width, int height, int bytesPerLine)
{
    return run(bits, width, height, bytesPerLine, Path::Fast);
}

bool ZIZuzaVuvovi::runLomoReference(unsigned char* bits, int width, int height, int bytesPerLine)
{
    return run(bits, width, height, bytesPerLine, Path::Reference);
}

std::size_t ZIZuzaVuvovi::swapBytes() const
{
    return width > 0 && height > 0 ? std::size_t(paddedRowBytes(width)) * std::size_t(height) : 0;
}

bool ZIZuzaVuvovi::acceptable(const unsigned char* bits, int w, int h, int bytesPerLine) const
{
    return bits && bytesPerLine >= 3LL * w && w <= width && h <= height && bytesPerLine <= paddedRowBytes(width);
}

bool ZIZuzaVuvovi::run(unsigned char* bits, int w, int h, int bytesPerLine, Path path)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (w <= 0 || h <= 0)
        return true;
    if (!acceptable(bits, w, h, bytesPerLine)) {
        qWarning("ZIZuzaVuvovi::runLomo: a %d x %d picture with %d bytes per line does not fit an engine made for %d x %d",
                 w, h, bytesPerLine, width, height);
        return false;
    }
    const ZIZuzaVuvoviParam p = withFineTuneInRange(param);
    if (path == Path::Reference)
        runReference(bits, w, h, bytesPerLine, p);
    else
        runFast(bits, w, h, bytesPerLine, p);
    return true;
}

bool ZIZuzaVuvovi::needsExposureContext(const ZIZuzaVuvoviParam& p) const
{
    return p.brightness != 0 || p.sharpness != 0;
}

AWB_WHITEBALANCE_CONTEXT* ZIZuzaVuvovi::whiteBalance()
{
    if (!whiteBalanceContext)
        AWB_WHITEBALANCE_Init(&whiteBalanceContext);
    return whiteBalanceContext;
}

void ZIZuzaVuvovi::runReference(unsigned char* bits, int w, int h, int bytesPerLine, const ZIZuzaVuvoviParam& p)
{
    EffectImage image = imageOf(bits, w, h, bytesPerLine);
    if (p.vibrance != 0)
        vibrance(bits, bits, w, h, bytesPerLine, p.vibrance);
    if (p.contrast != 0 || p.saturation != 0)
        ExecuteContrastSaturationImage(bits, w, h, bytesPerLine, p.contrast, p.saturation);
    if (needsExposureContext(p)) {
        primeExposure(bits, w, h, bytesPerLine);
        if (p.brightness != 0)
            ACE_RunBrightnessEffectImage(exposureContext, p.brightness, &image);
        if (p.sharpness != 0)
            ACE_RunSharpnessEffectImage(exposureContext, p.sharpness, &image);
    }
    if (p.gamma != 0)
        gammaTransform(bits, bits, w, h, bytesPerLine, roundGamma(p.gamma));
    if (runsWhiteBalance(p)) {
        if (AWB_WHITEBALANCE_CONTEXT* context = whiteBalance())
            AWB_RunWhiteBalanceEffectImage(context, {WhiteBalanceModeCustom, p.temperature}, p.tint, &image);
    }
    switch (p.colorMode) {
    case ColorSepia:
        oldPhoto(bits, w, h, bytesPerLine);
        break;
    case ColorBlackAndWhite:
        ExecuteBlackAndWhite(bits, w, h, bytesPerLine);
        break;
    case ColorCrossProcessing:
        ExecuteCrossProcessingImage(bits, w, h, bytesPerLine);
        break;
    default:
        break;
    }
    if (runsPhotoFilter(p))
        photoFilter(bits, w, h, bytesPerLine, p);
    lensBlurAndVignetting(bits, w, h, bytesPerLine, p);
}

// The same steps, fused and in bands of rows. Steps that only look at one
// pixel run one after another on a block of rows; sharpening, which looks
// at the rows around, waits until every band has its luminance, and the
// lens blur and vignetting, which see the whole picture, run last.
void ZIZuzaVuvovi::runFast(unsigned char* bits, int w, int h, int bytesPerLine, const ZIZuzaVuvoviParam& p)
{
    const int bands = rowBandCount(w, h, threadCount);
    const bool sharpen = p.sharpness != 0 && w >= 5 && h >= 5;

    // Working memory first: nothing may change before it is all there.
    std::unique_ptr<std::uint8_t[]> luma;
    std::vector<std::unique_ptr<UnsharpMaskRows>> sharpeners;
    if (sharpen) {
        luma = allocate<std::uint8_t>(std::size_t(w) * std::size_t(h));
        bool ready = bool(luma);
        for (int k = 0; ready && k < bands; ++k) {
            sharpeners.emplace_back(new (std::nothrow) UnsharpMaskRows(w, h, p.sharpness));
            ready = sharpeners.back() && sharpeners.back()->ready();
        }
        if (!ready) {
            // The plain chain finds out for itself what it can still do.
            runReference(bits, w, h, bytesPerLine, p);
            return;
        }
    }

    const bool analyse = needsExposureContext(p) && !exposureContext;
    std::uint8_t brightness[256];
    fillBrightnessTable(brightness, exposureContext, p.brightness);
    const int vibranceK = vibranceFactor(p.vibrance);
    const ToneRows tone(p.contrast, p.saturation, brightness);

    // Steps 1 to 3 up to the sharpening, and the luminance it needs.
    auto front = [&](const ToneRows& rows, bool withVibrance, bool withLuma) {
        return [&, withVibrance, withLuma](const RowBand& band) {
            forChunks(band, [&](int first, int last) {
                for (int y = first; y < last; ++y) {
                    std::uint8_t* row = rowOf(bits, y, bytesPerLine);
                    if (withVibrance)
                        vibranceRow(row, row, w, vibranceK);
                    if (!rows.identity())
                        rows.row(row, w);
                }
                if (withLuma)
                    luminanceRows(bits, w, bytesPerLine, first, last, luma.get());
            });
        };
    };

    // Steps 4 to 7. Gamma folds into the white balance's decoding when both
    // run: the white balance reads each byte only through that table.
    std::uint8_t gammaTable[256];
    const bool gamma = p.gamma != 0;
    if (gamma)
        fillGammaTable(gammaTable, roundGamma(p.gamma));
    AWB_WHITEBALANCE_CONTEXT* balance = runsWhiteBalance(p) ? whiteBalance() : nullptr;
    WhiteBalanceCorrection correction;
    std::uint16_t decode[256];
    if (balance) {
        AWB_SetParamTemperatureTint(&correction, WhiteBalanceModeCustom, p.temperature, p.tint, bits, w, h, bytesPerLine,
                                    balance->decode);
        balance->correction = correction;
        for (int v = 0; v < 256; ++v)
            decode[v] = balance->decode[gamma ? gammaTable[v] : v];
    }
    const std::unique_ptr<WhiteBalanceRows> whiteRows(balance ? new WhiteBalanceRows(correction, decode, balance->encode) : nullptr);
    const std::unique_ptr<SepiaTone> sepia(p.colorMode == ColorSepia ? new SepiaTone : nullptr);
    const bool filter = runsPhotoFilter(p);
    const bool backSteps = sharpen || gamma || balance || sepia || p.colorMode == ColorBlackAndWhite
        || p.colorMode == ColorCrossProcessing || filter;

    auto back = [&](int bandIndex, int first, int last) {
        if (sharpen)
            sharpeners[std::size_t(bandIndex)]->run(luma.get(), bits, bytesPerLine, first, last);
        for (int y = first; y < last; ++y) {
            std::uint8_t* row = rowOf(bits, y, bytesPerLine);
            if (whiteRows) {
                whiteRows->row(row, w);
            } else if (gamma) {
                lookUpBytes(row, 3 * std::size_t(w), gammaTable);
            }
            if (sepia)
                sepia->row(row, w);
        }
        std::uint8_t* block = rowOf(bits, first, bytesPerLine);
        if (p.colorMode == ColorBlackAndWhite)
            ExecuteBlackAndWhite(block, w, last - first, bytesPerLine);
        else if (p.colorMode == ColorCrossProcessing)
            ExecuteCrossProcessingImage(block, w, last - first, bytesPerLine);
        if (filter)
            photoFilter(block, w, last - first, bytesPerLine, p);
    };

    if (analyse) {
        // The exposure analysis sees the picture after contrast and
        // saturation, before brightness.
        std::uint8_t identity[256];
        fillBrightnessTable(identity, nullptr, 0);
        const ToneRows toneOnly(p.contrast, p.saturation, identity);
        runRowBands(h, bands, front(toneOnly, p.vibrance != 0, false));
        primeExposure(bits, w, h, bytesPerLine);
        fillBrightnessTable(brightness, exposureContext, p.brightness);
        const ToneRows brightOnly(0, 0, brightness);
        runRowBands(h, bands, front(brightOnly, false, sharpen));
    } else if (sharpen) {
        runRowBands(h, bands, front(tone, p.vibrance != 0, true));
    }

    if (analyse || sharpen) {
        if (backSteps)
            runRowBands(h, bands, [&](const RowBand& band) { forChunks(band, [&](int first, int last) { back(band.band, first, last); }); });
    } else {
        // Nothing looks past its own pixel: one pass does everything.
        auto all = front(tone, p.vibrance != 0, false);
        runRowBands(h, bands, [&](const RowBand& band) {
            forChunks(band, [&](int first, int last) {
                all(RowBand{band.band, first, last});
                if (backSteps)
                    back(band.band, first, last);
            });
        });
    }
    lensBlurAndVignetting(bits, w, h, bytesPerLine, p);
}

void ZIZuzaVuvovi::lensBlurAndVignetting(unsigned char* bits, int w, int h, int bytesPerLine, const ZIZuzaVuvoviParam& p)
{
    if (p.lensBlur > 0) {
        if (unsigned char* swap = swapSpace()) {
            std::memcpy(swap, bits, planeBytes(bytesPerLine, h));
            ExecuteLensBlur(swap, w, h, bytesPerLine, bits, roundLensBlur(p.lensBlur), 50);
        }
    }
    if (p.vignetting != 0)
        ExecuteVignetting(bits, w, h, bytesPerLine, p.vignetting);
}

void ZIZuzaVuvovi::vibrance(unsigned char* src, unsigned char* dst, int w, int h, int stride, int value)
{
    // Padded rows are fine; rows shorter than their pixels are not.
    if (!src || !dst || w <= 0 || h <= 0 || stride < 3LL * w)
        return;
    const int k = vibranceFactor(value);
    for (int y = 0; y < h; ++y)
        vibranceRow(rowOf(src, y, stride), rowOf(dst, y, stride), w, k);
}

void ZIZuzaVuvovi::gammaTransform(unsigned char* src, unsigned char* dst, int w, int h, int stride, float gamma)
{
    if (!src || !dst || w <= 0 || h <= 0)
        return;
    std::uint8_t table[256];
    fillGammaTable(table, gamma);
    for (int y = 0; y < h; ++y) {
        std::uint8_t* out = rowOf(dst, y, stride);
        if (src != dst)
            std::memmove(out, rowOf(src, y, stride), 3 * std::size_t(w));
        lookUpBytes(out, 3 * std::size_t(w), table);
    }
}

void ZIZuzaVuvovi::oldPhoto(unsigned char* bits, int w, int h, int stride)
{
    if (!bits || w <= 0 || h < 1)
        return;
    const SepiaTone sepia;
    for (int y = 0; y < h; ++y)
        sepia.row(rowOf(bits, y, stride), w);
}

float ZIZuzaVuvovi::roundGamma(int value)
{
    // Below -20 the exponent would turn negative.
    const float e = float(std::clamp(value, -20, 100) + 20) / 120.0f;
    return float(double(e) * 4.9 + 0.1);
}

int ZIZuzaVuvovi::roundLensBlur(int value)
{
    return int(float(value) * 0.07f);
}

int ZIZuzaVuvovi::analysisExposure(unsigned char* bits, int w, int h, int stride)
{
    std::lock_guard<std::mutex> lock(mutex);
    primeExposure(bits, w, h, stride);
    return 0;
}

void ZIZuzaVuvovi::primeExposure(unsigned char* bits, int w, int h, int stride)
{
    if (exposureContext)
        return;
    if (ACE_EXP_Init(&exposureContext) != EffectOk) {
        exposureContext = nullptr;
        return;
    }
    EffectImage image = imageOf(bits, w, h, stride);
    ACE_PreExpEffectImage(exposureContext, &image);
    ACE_Analysis(exposureContext);
}

unsigned char* ZIZuzaVuvovi::swapingData()
{
    std::lock_guard<std::mutex> lock(mutex);
    return swapSpace();
}

unsigned char* ZIZuzaVuvovi::swapSpace()
{
    if (!swapBuffer) {
        const std::size_t bytes = swapBytes();
        if (bytes > 0)
            swapBuffer = static_cast<unsigned char*>(std::malloc(bytes));
    }
    return swapBuffer;
}

double noise()
{
    // The top 24 bits convert to float exactly, so the factor stays below
    // 1.5; the full 32 bits would round up to 2^32 at the top.
    const float f = float(RandomSource::next() >> 8) * (1.0f / 8388608.0f);
    return double(f) * 0.5 + 0.5;
}

double colorBlend(double weight, double a, double b)
{
    return weight * a + (1.0 - weight) * b;
}
