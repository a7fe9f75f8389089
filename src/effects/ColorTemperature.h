#pragma once

// Correlated colour temperature and tint, after Robertson: the temperature
// runs along the CIE 1960 uv locus, the tint across it along the
// isotemperature lines, 3000 tint units to one uv unit. A positive tint
// moves the white towards green, so correcting for it turns a picture
// magenta.

#include <cstdint>

struct TemperatureTint
{
    double temperature; // kelvin
    double tint;
};

// Chromaticity of a temperature and tint. Temperatures below the table's
// end (1667 K) are taken as 1667 K.
void ispGet_xy_coord(double xy[2], TemperatureTint setting);
// Temperature and tint of a chromaticity; returns 1. Points beyond the
// table give its end temperatures (about 1667 K and 100000 K).
int ispSet_xy_coord(TemperatureTint* out, const double xy[2]);
// Chromaticity of a linear R, G, B neutral; returns 0.
int ispNeutralToXY(double xy[2], const double neutral[3]);
// Temperature and tint of the neutral (1/gainR, 1/gainG, 1/gainB): the
// temperature rounded to a multiple of 50 within 2000..12000 K, the tint
// rounded half away from zero within -150..150. A neutral that cannot be
// measured (a gain of 0) gives the reference white, 5000 K and tint 10.
// Returns 0.
int ispGetTemperature(std::int32_t* temperature, std::int32_t* tint, double gainR, double gainG, double gainB);
