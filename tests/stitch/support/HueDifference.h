#pragma once

// How far apart two colours are in hue alone, as the eye judges it: the
// CIE 1976 hue difference (delta H*ab) of their L*a*b* values (sRGB, D65).
// A change of brightness or of saturation alone moves it by nothing; about
// 2 is just noticeable side by side, and a sky gone magenta (B/G/R
// 249/225/210 becoming 226/186/195) measures 9.

#include <QRgb>

#include <algorithm>
#include <cmath>

namespace HueDifference {

struct Lab
{
    double L = 0, a = 0, b = 0;
};

// Of a colour given as red, green and blue levels (0..255, fractions allowed).
inline Lab lab(double red, double green, double blue)
{
    auto linear = [](double c) {
        c /= 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double r = linear(red), g = linear(green), b = linear(blue);
    const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
    const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
    auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116.0; };
    return Lab{116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

inline double between(const Lab& p, const Lab& q)
{
    const double da = p.a - q.a, db = p.b - q.b;
    const double dc = std::hypot(p.a, p.b) - std::hypot(q.a, q.b);
    return std::sqrt(std::max(0.0, da * da + db * db - dc * dc));
}

inline double between(QRgb p, QRgb q)
{
    return between(lab(qRed(p), qGreen(p), qBlue(p)), lab(qRed(q), qGreen(q), qBlue(q)));
}

} // namespace HueDifference
