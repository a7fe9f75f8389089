#pragma once

#include <algorithm>
#include <cmath>

// The bilinear rule of the element warps, in 1/256 steps. A position is
// used only when its 2 x 2 neighbourhood lies inside the source; one that
// is not finite or far off is refused before any integer conversion.
struct WarpSampler
{
    const unsigned char* bits = nullptr;
    int stride = 0;
    int width = 0;
    int height = 0;
    const unsigned char* table = nullptr; // 768 bytes, or null for raw bytes
    int offset = 0;                       // brightness offset

    bool Sample(double u, double v, unsigned char* out) const
    {
        // Also false for NaN.
        if (!(u >= 0.0 && v >= 0.0 && u < 1073741824.0 && v < 1073741824.0))
            return false;
        const int ix = int(std::nearbyint(u - 0.5));
        const int iy = int(std::nearbyint(v - 0.5));
        if (ix > width - 2 || iy > height - 2 || ix < 0 || iy < 0)
            return false;
        const int fx = int(std::nearbyint((u - ix) * 256.0 - 0.5));
        const int fy = int(std::nearbyint((v - iy) * 256.0 - 0.5));
        const int w00 = (256 - fx) * (256 - fy), w10 = fx * (256 - fy);
        const int w01 = (256 - fx) * fy, w11 = fx * fy;
        const unsigned char* p0 = bits + (long long)iy * stride + 3 * ix;
        const unsigned char* p1 = p0 + stride;
        for (int b = 0; b < 3; ++b) {
            int a = p0[b], c = p0[b + 3], d = p1[b], e = p1[b + 3];
            if (table) {
                const unsigned char* t = table + 256 * b;
                a = t[a];
                c = t[c];
                d = t[d];
                e = t[e];
            }
            const int value = ((a * w00 + c * w10 + d * w01 + e * w11) >> 16) + offset;
            out[b] = static_cast<unsigned char>(std::clamp(value, 0, 255));
        }
        return true;
    }
};
