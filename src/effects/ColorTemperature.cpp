#include "effects/ColorTemperature.h"

#include "effects/ColorMatrix.h"

#include <cmath>

namespace {

struct Isotherm
{
    double mired; // 10^6 / kelvin
    double u;
    double v;
    double slope; // of the isotemperature line in uv
};

// Robertson (1968), "Computation of correlated color temperature and
// distribution temperature", JOSA 58, table 1. Copies differ at 325 mired;
// u = 0.24792 lies on the smooth locus.
const Isotherm kIsotherms[31] = {
    {0, 0.18006, 0.26352, -0.24341},
    {10, 0.18066, 0.26589, -0.25479},
    {20, 0.18133, 0.26846, -0.26876},
    {30, 0.18208, 0.27119, -0.28539},
    {40, 0.18293, 0.27407, -0.30470},
    {50, 0.18388, 0.27709, -0.32675},
    {60, 0.18494, 0.28021, -0.35156},
    {70, 0.18611, 0.28342, -0.37915},
    {80, 0.18740, 0.28668, -0.40955},
    {90, 0.18880, 0.28997, -0.44278},
    {100, 0.19032, 0.29326, -0.47888},
    {125, 0.19462, 0.30141, -0.58204},
    {150, 0.19962, 0.30921, -0.70471},
    {175, 0.20525, 0.31647, -0.84901},
    {200, 0.21142, 0.32312, -1.0182},
    {225, 0.21807, 0.32909, -1.2168},
    {250, 0.22511, 0.33439, -1.4512},
    {275, 0.23247, 0.33904, -1.7298},
    {300, 0.24010, 0.34308, -2.0637},
    {325, 0.24792, 0.34655, -2.4681},
    {350, 0.25591, 0.34951, -2.9641},
    {375, 0.26400, 0.35200, -3.5814},
    {400, 0.27218, 0.35407, -4.3633},
    {425, 0.28039, 0.35577, -5.3762},
    {450, 0.28863, 0.35714, -6.7262},
    {475, 0.29685, 0.35823, -8.5955},
    {500, 0.30505, 0.35907, -11.324},
    {525, 0.31320, 0.35968, -15.628},
    {550, 0.32129, 0.36011, -23.325},
    {575, 0.32931, 0.36038, -40.770},
    {600, 0.33724, 0.36051, -116.45},
};
const int kLastRow = 30;
const double kTintScale = -3000.0;

// Point and unit isotherm direction between rows j - 1 (weight f) and j.
struct LocusPoint
{
    double u, v, du, dv;
};

LocusPoint interpolate(int j, double f)
{
    const Isotherm& a = kIsotherms[j - 1];
    const Isotherm& b = kIsotherms[j];
    const double na = std::sqrt(1.0 + a.slope * a.slope);
    const double nb = std::sqrt(1.0 + b.slope * b.slope);
    LocusPoint p;
    p.u = a.u * f + b.u * (1.0 - f);
    p.v = a.v * f + b.v * (1.0 - f);
    p.du = f / na + (1.0 - f) / nb;
    p.dv = f * a.slope / na + (1.0 - f) * b.slope / nb;
    const double length = std::sqrt(p.du * p.du + p.dv * p.dv);
    p.du /= length;
    p.dv /= length;
    return p;
}

} // namespace

void ispGet_xy_coord(double xy[2], TemperatureTint setting)
{
    double mired = setting.temperature > 0.0 ? 1.0e6 / setting.temperature : kIsotherms[kLastRow].mired;
    // Beyond the last row the locus is not tabulated; extrapolating far
    // from it gives meaningless chromaticities.
    if (!(mired <= kIsotherms[kLastRow].mired))
        mired = kIsotherms[kLastRow].mired;

    int j = 1;
    while (j < kLastRow && !(kIsotherms[j].mired > mired))
        ++j;
    const double f = (kIsotherms[j].mired - mired) / (kIsotherms[j].mired - kIsotherms[j - 1].mired);
    const LocusPoint p = interpolate(j, f);

    const double offset = setting.tint / kTintScale;
    const double u = p.u + offset * p.du;
    const double v = p.v + offset * p.dv;
    const double denominator = u - 4.0 * v + 2.0;
    xy[0] = 1.5 * u / denominator;
    xy[1] = v / denominator;
}

int ispSet_xy_coord(TemperatureTint* out, const double xy[2])
{
    const double denominator = 1.5 - xy[0] + 6.0 * xy[1];
    const double u = 2.0 * xy[0] / denominator;
    const double v = 3.0 * xy[1] / denominator;

    // Signed distance from each isotherm; the point lies between the last
    // row on its positive side and the first on the other.
    double previous = 0.0;
    double distance = 0.0;
    int j = 1;
    for (;; ++j) {
        const Isotherm& row = kIsotherms[j];
        distance = ((v - row.v) - row.slope * (u - row.u)) / std::sqrt(1.0 + row.slope * row.slope);
        if (distance <= 0.0 || j == kLastRow)
            break;
        previous = distance;
    }
    double f = 0.0;
    if (j > 1) {
        const double d = distance < 0.0 ? distance : 0.0;
        f = -d / (previous - d);
    }
    out->temperature = 1.0e6 / (kIsotherms[j - 1].mired * f + kIsotherms[j].mired * (1.0 - f));
    const LocusPoint p = interpolate(j, f);
    out->tint = ((u - p.u) * p.du + (v - p.v) * p.dv) * kTintScale;
    return 1;
}

int ispNeutralToXY(double xy[2], const double neutral[3])
{
    // The camera space is linear sRGB, so the estimate needs no iteration:
    // the neutral's XYZ does not depend on the white it is seen under.
    double xyz[3];
    ispMultiMatVec(xyz, kSrgbToXyzD50, neutral);
    ispXYZtoXY(xy, xyz);
    return 0;
}

int ispGetTemperature(std::int32_t* temperature, std::int32_t* tint, double gainR, double gainG, double gainB)
{
    const double neutral[3] = {1.0 / gainR, 1.0 / gainG, 1.0 / gainB};
    double xy[2];
    ispNeutralToXY(xy, neutral);
    TemperatureTint estimate;
    ispSet_xy_coord(&estimate, xy);

    if (!std::isfinite(estimate.temperature) || !std::isfinite(estimate.tint)) {
        *temperature = 5000;
        *tint = 10;
        return 0;
    }
    const double t = std::trunc(estimate.temperature / 50.0 + 0.5) * 50.0;
    const double k = std::round(estimate.tint); // half away from zero
    *temperature = std::int32_t(t < 2000.0 ? 2000.0 : (t > 12000.0 ? 12000.0 : t));
    *tint = std::int32_t(k < -150.0 ? -150.0 : (k > 150.0 ? 150.0 : k));
    return 0;
}
