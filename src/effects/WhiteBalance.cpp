#include "effects/WhiteBalance.h"

#include "effects/ColorMatrix.h"
#include "effects/ColorTemperature.h"
#include "effects/PixelRows.h"
#include "effects/SrgbCurve.h"
#include "effects/VectorClones.h"

#include <cstring>

double g_fCameraToBGR[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
double g_fCameraWhite[3] = {1, 1, 1};

namespace {

struct Preset
{
    std::int32_t temperature;
    std::int32_t tint;
};

// Modes 2..7.
const Preset kPresets[6] = {{5500, 10}, {6500, 10}, {7500, 10}, {2850, 0}, {3800, 21}, {5500, 0}};

const Preset kReference = {5000, 10};

template <typename T>
T clampTo(T value, T low, T high)
{
    return value < low ? low : (value > high ? high : value);
}

void setIdentity(WhiteBalanceCorrection* out)
{
    ispMatrixInit(out->cameraToBGR, 1, 0, 0, 0, 1, 0, 0, 0, 1);
    out->cameraWhite[0] = out->cameraWhite[1] = out->cameraWhite[2] = 1.0;
}

void publish(const WhiteBalanceCorrection& correction)
{
    std::memcpy(g_fCameraToBGR, correction.cameraToBGR, sizeof g_fCameraToBGR);
    std::memcpy(g_fCameraWhite, correction.cameraWhite, sizeof g_fCameraWhite);
}

// The image's white must come out white: a row that would turn full input
// into less than full output gets the shortfall added to its own channel.
// Greys still take the colour of the rows that exceed 1, and the result is
// clipped, so lower temperatures turn the picture steadily bluer and higher
// ones warmer.
void keepWhiteWhite(double m[9])
{
    for (int i = 0; i < 3; ++i) {
        const double sum = m[3 * i] + m[3 * i + 1] + m[3 * i + 2];
        if (sum < 1.0)
            m[4 * i] += 1.0 - sum;
    }
}

// Fixed-point matrix entries are bounded so that a sum of three products
// with 12-bit values cannot overflow 32 bits.
int quantise(double entry)
{
    return Effects::roundHalfUp(clampTo(entry, -100.0, 100.0) * 1024.0);
}

void applyCorrection(const WhiteBalanceCorrection& correction, const AWB_WHITEBALANCE_CONTEXT& context,
                     const EffectImage& image)
{
    const Effects::WhiteBalanceRows rows(correction, context.decode, context.encode);
    for (int y = 0; y < image.height; ++y)
        rows.rowPlain(image.bits + std::size_t(y) * std::size_t(image.stride), image.width);
}

int applyTable(const std::uint8_t table[256], std::uint8_t* bits, int width, int height, int stride)
{
    return Effects::forEachRow(bits, width, height, stride, [table, width](std::uint8_t* p) {
        for (int x = 0; x < 3 * width; ++x)
            p[x] = table[p[x]];
    });
}

} // namespace

Effects::WhiteBalanceRows::WhiteBalanceRows(const WhiteBalanceCorrection& correction, const std::uint16_t* decode,
                                             const std::uint8_t* encode)
    : m_decode(decode)
    , m_encode(encode)
{
    for (int k = 0; k < 9; ++k)
        m_matrix[k] = quantise(correction.cameraToBGR[k]);
}

void Effects::WhiteBalanceRows::rowPlain(std::uint8_t* p, int width) const
{
    const int* m = m_matrix;
    for (int x = 0; x < width; ++x, p += 3) {
        const int b = m_decode[p[0]];
        const int g = m_decode[p[1]];
        const int r = m_decode[p[2]];
        for (int k = 0; k < 3; ++k) {
            // The result is clipped, never the input: a negative sum
            // gives 0, one past 4095 gives 4095.
            const int v = (m[3 * k] * b + m[3 * k + 1] * g + m[3 * k + 2] * r) >> 10;
            p[k] = m_encode[v < 0 ? 0 : (v > 4095 ? 4095 : v)];
        }
    }
}

VELLUMAR_VECTOR_CLONES void Effects::WhiteBalanceRows::row(std::uint8_t* p, int width) const
{
    // Blocks of pixels in three passes: the table lookups, then the matrix
    // over plain arrays (which the compiler vectorises), then the lookups
    // back. Sums of three products of 12-bit values with entries of at most
    // 102400 fit 32 bits.
    constexpr int Block = 64;
    std::int32_t in[3][Block];
    std::int32_t out[3][Block];
    const int m0 = m_matrix[0], m1 = m_matrix[1], m2 = m_matrix[2], m3 = m_matrix[3], m4 = m_matrix[4],
              m5 = m_matrix[5], m6 = m_matrix[6], m7 = m_matrix[7], m8 = m_matrix[8];
    for (int start = 0; start < width; start += Block, p += 3 * Block) {
        const int n = width - start < Block ? width - start : Block;
        for (int i = 0; i < n; ++i) {
            in[0][i] = m_decode[p[3 * i]];
            in[1][i] = m_decode[p[3 * i + 1]];
            in[2][i] = m_decode[p[3 * i + 2]];
        }
        for (int i = 0; i < n; ++i) {
            const std::int32_t b = in[0][i], g = in[1][i], r = in[2][i];
            const std::int32_t v0 = (m0 * b + m1 * g + m2 * r) >> 10;
            const std::int32_t v1 = (m3 * b + m4 * g + m5 * r) >> 10;
            const std::int32_t v2 = (m6 * b + m7 * g + m8 * r) >> 10;
            out[0][i] = v0 < 0 ? 0 : (v0 > 4095 ? 4095 : v0);
            out[1][i] = v1 < 0 ? 0 : (v1 > 4095 ? 4095 : v1);
            out[2][i] = v2 < 0 ? 0 : (v2 > 4095 ? 4095 : v2);
        }
        for (int i = 0; i < n; ++i) {
            p[3 * i] = m_encode[out[0][i]];
            p[3 * i + 1] = m_encode[out[1][i]];
            p[3 * i + 2] = m_encode[out[2][i]];
        }
    }
}

int AWB_WHITEBALANCE_Init(AWB_WHITEBALANCE_CONTEXT** out)
{
    if (!out)
        return EffectNoContext;
    auto* context = new (std::nothrow) AWB_WHITEBALANCE_CONTEXT();
    if (!context)
        return EffectNoMemory;
    context->decode = new (std::nothrow) std::uint16_t[256];
    context->encode = new (std::nothrow) std::uint8_t[4096];
    if (!context->decode || !context->encode) {
        AWB_WHITEBALANCE_Uninit(context);
        return EffectNoMemory;
    }
    Effects::fillSrgbDecode8To12(context->decode);
    Effects::fillSrgbEncode12To8(context->encode);
    setIdentity(&context->correction);
    *out = context;
    return EffectOk;
}

int AWB_WHITEBALANCE_Uninit(AWB_WHITEBALANCE_CONTEXT* context)
{
    if (context) {
        delete[] context->decode;
        delete[] context->encode;
        delete context;
    }
    return EffectOk;
}

int AWB_RunWhiteBalanceEffectImage(AWB_WHITEBALANCE_CONTEXT* context, WhiteBalanceSetting setting, std::int32_t tint,
                                   EffectImage* image)
{
    if (!context || !context->decode || !context->encode || !image || image->format != EffectFormatBGR8)
        return EffectNoContext;
    const bool empty = image->width <= 0 || image->height <= 0;
    if (!empty && (!image->bits || image->stride < 3LL * image->width))
        return EffectNoContext;

    WhiteBalanceCorrection correction;
    const int result = AWB_SetParamTemperatureTint(&correction, setting.mode, setting.temperature, tint, image->bits,
                                                   image->width, image->height, image->stride, context->decode);
    if (result != EffectOk)
        return result;
    context->correction = correction;
    if (!empty)
        applyCorrection(correction, *context, *image);
    return EffectOk;
}

int AWB_SetParamTemperatureTint(WhiteBalanceCorrection* out, std::int32_t mode, std::int32_t temperature,
                                std::int32_t tint, const std::uint8_t* bits, std::int32_t width, std::int32_t height,
                                std::int32_t stride, const std::uint16_t* decode)
{
    Preset chosen = kReference;
    if (mode >= 2 && mode <= 7) {
        chosen = kPresets[mode - 2];
    } else if (mode == WhiteBalanceModeCustom) {
        chosen = {clampTo(temperature, 2000, 12000), clampTo(tint, -150, 150)};
    } else if (mode == WhiteBalanceModeGrayWorld) {
        if (!decode)
            return EffectNoContext;
        double gainB = 1.0, gainG = 1.0, gainR = 1.0;
        const int result = AWB_AutoWBByGrayWorld(&gainB, &gainG, &gainR, bits, width, height, stride, decode);
        if (result != EffectOk)
            return result;
        ispGetTemperature(&chosen.temperature, &chosen.tint, gainR, gainG, gainB);
        chosen.temperature = clampTo(chosen.temperature, 3800, 8500);
        chosen.tint = chosen.tint < 0 ? 0 : chosen.tint;
    }
    return AWB_SetTemperature(out, chosen.temperature, chosen.tint);
}

int AWB_SetParamTemperatureTint(std::int32_t mode, std::int32_t temperature, std::int32_t tint,
                                const std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride,
                                const std::uint16_t* decode)
{
    WhiteBalanceCorrection correction;
    const int result = AWB_SetParamTemperatureTint(&correction, mode, temperature, tint, bits, width, height, stride,
                                                   decode);
    if (result == EffectOk)
        publish(correction);
    return result;
}

int AWB_SetTemperature(WhiteBalanceCorrection* out, std::int32_t temperature, std::int32_t tint)
{
    if (temperature == kReference.temperature && tint == kReference.tint) {
        setIdentity(out);
        return EffectOk;
    }
    double xy[2];
    ispGet_xy_coord(xy, {double(temperature), double(tint)});
    return ispSetWhiteXY(out, xy);
}

int AWB_SetTemperature(std::int32_t temperature, std::int32_t tint)
{
    WhiteBalanceCorrection correction;
    AWB_SetTemperature(&correction, temperature, tint);
    publish(correction);
    return EffectOk;
}

int ispSetWhiteXY(WhiteBalanceCorrection* out, const double white[2])
{
    double d50[2], d50Xyz[3];
    D50_xy_coord(d50);
    ispXYtoXYZ(d50Xyz, d50);

    // Camera space: linear sRGB as it would record a D50 white lit by the
    // chosen light. Scaled so that the light's brightest channel is 1.
    double adaptation[9], xyzToSrgb[9], toCamera[9], lightColour[3];
    ispMapWhiteMatrix(adaptation, d50, white);
    ispInvert(xyzToSrgb, kSrgbToXyzD50);
    ispMultiMatrix(toCamera, xyzToSrgb, adaptation);
    ispMultiMatVec(lightColour, toCamera, d50Xyz);
    const double peak = ispMaxEntryVector(lightColour);

    double fromCamera[9], fineXyzToSrgb[9], rgb[9];
    if (!(peak > 1e-10) || !ispInvert(fromCamera, toCamera)) {
        setIdentity(out); // a light no sRGB value can describe
        return EffectOk;
    }
    ispScaleMatrix(fromCamera, peak);
    ispInvert(fineXyzToSrgb, kSrgbToXyzD50Fine);
    ispMultiMatrix(rgb, fineXyzToSrgb, fromCamera);
    keepWhiteWhite(rgb);

    ispMatrixRGBtoBGR(out->cameraToBGR, rgb);
    out->cameraWhite[0] = lightColour[2] / peak;
    out->cameraWhite[1] = lightColour[1] / peak;
    out->cameraWhite[2] = lightColour[0] / peak;
    return EffectOk;
}

int ispSetWhiteXY(const double white[2])
{
    WhiteBalanceCorrection correction;
    ispSetWhiteXY(&correction, white);
    publish(correction);
    return EffectOk;
}

int AWB_GetDaylightCoeff()
{
    AWB_SetTemperature(2850, 0);
    AWB_SetTemperature(7500, 10);
    return EffectOk;
}

int AWB_GammaImage(std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride)
{
    std::uint8_t table[256];
    for (int i = 0; i < 256; ++i)
        table[i] = Effects::clampByte(Effects::roundHalfUp(Effects::srgbEncode(i / 255.0) * 255.0));
    return applyTable(table, bits, width, height, stride);
}

int AWB_DegammaImage(std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride)
{
    std::uint8_t table[256];
    for (int i = 0; i < 256; ++i)
        table[i] = Effects::clampByte(Effects::roundHalfUp(Effects::srgbDecode(i / 255.0) * 255.0));
    return applyTable(table, bits, width, height, stride);
}

int AWB_GammaTable(std::uint8_t* table)
{
    Effects::fillSrgbEncode12To8(table);
    return EffectOk;
}

int AWB_DegammaTable16(std::uint16_t* table)
{
    Effects::fillSrgbDecode8To12(table);
    return EffectOk;
}
