#pragma once

// White balance of 8-bit B, G, R images in 12-bit linear light. A white
// point (a preset, a temperature and tint, or a gray-world estimate) becomes
// a 3 x 3 correction; the corrected values are clipped to the displayable
// range, so the image's white stays white while its greys take the colour
// the setting asks for.
//
// Modes of WhiteBalanceSetting:
//   0  reference white, 5000 K tint 10 (no change)
//   1  gray-world estimate: temperature within 3800..8500 K, tint at least 0
//   2  5500 K tint 10    3  6500 K tint 10    4  7500 K tint 10
//   5  2850 K tint 0     6  3800 K tint 21    7  5500 K tint 0
//   8  the caller's temperature (2000..12000 K) and tint (-150..150);
//      values outside these ranges act as the nearer end
// Any other mode is taken as the reference white.

#include "effects/EffectCommon.h"

#include <cstdint>

enum WhiteBalanceMode : std::int32_t {
    WhiteBalanceModeReference = 0,
    WhiteBalanceModeGrayWorld = 1,
    WhiteBalanceModeCustom = 8,
};

// Passed by value; mode and temperature travel together.
struct WhiteBalanceSetting
{
    std::int32_t mode;
    std::int32_t temperature; // kelvin, read in mode 8
};

// The correction for one white point, in B, G, R order.
struct WhiteBalanceCorrection
{
    double cameraToBGR[9]; // linear B, G, R in; linear B, G, R out
    double cameraWhite[3]; // the light's own colour, largest entry 1
};

// Made by AWB_WHITEBALANCE_Init, freed by AWB_WHITEBALANCE_Uninit. The
// correction of the last run lives here, so contexts are independent and
// may be used on different threads.
struct AWB_WHITEBALANCE_CONTEXT
{
    void* reserved;         // stays null
    std::uint16_t* decode;  // sRGB decode 8 to 12, 256 entries
    std::uint8_t* encode;   // sRGB encode 12 to 8, 4096 entries
    WhiteBalanceCorrection correction;
};

// Process-wide correction written only by the functions below that take no
// correction or context; not safe to use from two threads.
extern double g_fCameraToBGR[9];
extern double g_fCameraWhite[3];

// Returns 0, -2 for a null `out`, -201 when memory runs out.
int AWB_WHITEBALANCE_Init(AWB_WHITEBALANCE_CONTEXT** out);
// Frees the context (null is allowed); returns 0.
int AWB_WHITEBALANCE_Uninit(AWB_WHITEBALANCE_CONTEXT* context);

// Sets the white point for the image, then corrects it in place. Returns 0;
// -2 for a missing context or image, a format other than 1 or a stride
// below 3 x width; -201 when the gray-world estimate finds no memory. The
// image is untouched on every failure.
int AWB_RunWhiteBalanceEffectImage(AWB_WHITEBALANCE_CONTEXT* context, WhiteBalanceSetting setting, std::int32_t tint,
                                   EffectImage* image);

// Resolves mode, temperature and tint (the image and decode table serve
// mode 1 only) and computes the correction. Returns 0, -2 when mode 1 has
// no decode table, -201 when the gray-world estimate finds no memory.
int AWB_SetParamTemperatureTint(WhiteBalanceCorrection* out, std::int32_t mode, std::int32_t temperature,
                                std::int32_t tint, const std::uint8_t* bits, std::int32_t width, std::int32_t height,
                                std::int32_t stride, const std::uint16_t* decode);
int AWB_SetParamTemperatureTint(std::int32_t mode, std::int32_t temperature, std::int32_t tint,
                                const std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride,
                                const std::uint16_t* decode);

// Correction for a temperature and tint, taken as given; 5000 K with tint
// 10 is exactly the identity. Returns 0.
int AWB_SetTemperature(WhiteBalanceCorrection* out, std::int32_t temperature, std::int32_t tint);
int AWB_SetTemperature(std::int32_t temperature, std::int32_t tint);

// Correction for a white chromaticity; returns 0.
int ispSetWhiteXY(WhiteBalanceCorrection* out, const double white[2]);
int ispSetWhiteXY(const double white[2]);

// Gray-world gains (each at least 1, the largest channel mean over each
// channel's mean) from the whole 128 x 128 blocks of the image; 1, 1, 1
// when the image has no whole block (also for null bits or decode table, or
// a stride below 3 x width). Returns 0, or -201 when the block table cannot
// be allocated.
int AWB_AutoWBByGrayWorld(double* gainB, double* gainG, double* gainR, const std::uint8_t* bits, std::int32_t width,
                          std::int32_t height, std::int32_t stride, const std::uint16_t* decode);

// Kept for completeness; nothing in the program calls these.
// Sets the process-wide correction for 2850 K tint 0, then 7500 K tint 10.
int AWB_GetDaylightCoeff();
// sRGB encode or decode of every pixel byte, 8 bits to 8 bits; return 1,
// or 0 when a non-empty image has no bits or a stride below 3 x width.
int AWB_GammaImage(std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride);
int AWB_DegammaImage(std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride);
// Fill a 4096-entry encode 12 to 8 and a 256-entry decode 8 to 12 table.
int AWB_GammaTable(std::uint8_t* table);
int AWB_DegammaTable16(std::uint16_t* table);

namespace Effects {

// The correction in fixed point (entries x 1024), applied row by row: each
// byte decoded to 12-bit linear through `decode`, the matrix, the sum
// clipped to 0..4095 and encoded through `encode`. Holds the tables by
// pointer; keeps no state between rows, so one object may serve several
// threads. rowPlain is the rule pixel by pixel, as
// AWB_RunWhiteBalanceEffectImage applies it; row, in blocks that the
// compiler can vectorise, gives the same bytes.
class WhiteBalanceRows
{
public:
    WhiteBalanceRows(const WhiteBalanceCorrection& correction, const std::uint16_t* decode, const std::uint8_t* encode);
    void row(std::uint8_t* pixels, int width) const;
    void rowPlain(std::uint8_t* pixels, int width) const;

private:
    int m_matrix[9];
    const std::uint16_t* m_decode;
    const std::uint8_t* m_encode;
};

} // namespace Effects
