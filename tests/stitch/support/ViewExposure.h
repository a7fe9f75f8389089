#pragma once

#include <QByteArray>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstring>

// How a camera turned a view's scene light into pixel values: a response
// curve of shape `curve` (0 linear; negative shapes lift the shadows as a
// camera's tone curve does), an exposure gain per pixel byte applied to
// linear light (byte 0 blue, 1 green, 2 red: unequal gains change the white
// balance), and an offset added to the values at the end. Light past full
// scale clips at 255.
//
// The curve is the map of the unit half circle e^(i pi x) -> (u - a) / (1 - a u)
// read back as an angle; shape -a undoes shape a. Written here in that form
// on purpose, apart from the library's own.
struct ViewExposure
{
    double gain[3] = {1.0, 1.0, 1.0};
    double curve = 0.0;
    int offset = 0;

    static double bend(double a, double x)
    {
        x = std::clamp(x, 0.0, 1.0);
        const std::complex<double> u = std::polar(1.0, M_PI * x);
        return std::arg((u - a) / (1.0 - a * u)) / M_PI;
    }

    unsigned char apply(unsigned char value, int byte) const
    {
        const double light = bend(curve, value / 255.0) * gain[byte];
        const double out = std::floor(255.0 * bend(-curve, light) + 0.5) + offset;
        return static_cast<unsigned char>(std::clamp(out, 0.0, 255.0));
    }

    // A packed 24-bit bitmap (40-byte header, padded rows) with every pixel
    // passed through apply().
    QByteArray applied(const QByteArray& packed) const
    {
        QByteArray out = packed;
        qint32 width = 0, height = 0;
        std::memcpy(&width, packed.constData() + 4, 4);
        std::memcpy(&height, packed.constData() + 8, 4);
        const int stride = (24 * width + 31) / 32 * 4;
        unsigned char lut[3][256];
        for (int b = 0; b < 3; ++b)
            for (int v = 0; v < 256; ++v)
                lut[b][v] = apply(static_cast<unsigned char>(v), b);
        for (int y = 0; y < std::abs(height); ++y) {
            auto* row = reinterpret_cast<unsigned char*>(out.data()) + 40 + qsizetype(y) * stride;
            for (int x = 0; x < width; ++x)
                for (int b = 0; b < 3; ++b)
                    row[3 * x + b] = lut[b][row[3 * x + b]];
        }
        return out;
    }
};
