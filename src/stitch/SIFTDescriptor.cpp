#include "SIFTDescriptor.h"

#include "SIFTObject.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr double kTwoPi = 6.283185307179586;

// The keypoint in its octave's units; false when it yields no orientation.
struct OctavePosition
{
    float xo, yo, sigmaO;
    int xi, yi;
};

bool octavePosition(SiftGradientStore& store, const Keypoint& k, OctavePosition& pos)
{
    SIFTObject* obj = store.Object();
    const SIFTScaleSpaceParam& p = obj->ssParam;
    if (k.is < p.smin + 1 || k.is > p.smax - 2 || k.octave >= p.omax || k.octave < p.omin)
        return false;
    const float period = float(std::ldexp(1.0, k.octave));
    pos.xo = k.x / period;
    pos.yo = k.y / period;
    pos.sigmaO = k.sigma / period;
    pos.xi = int(pos.xo + 0.5f);
    pos.yi = int(pos.yo + 0.5f);
    if (pos.xi < 0 || pos.yi < 0
        || pos.xi >= obj->GetOctaveWidth(k.octave) || pos.yi >= obj->GetOctaveHeight(k.octave))
        return false;
    store.Prepare(k.octave);
    return true;
}

} // namespace

void SiftGradientStore::Prepare(int octave)
{
    if (m_prepared && m_octave == octave)
        return;
    const SIFTScaleSpaceParam& p = m_object->ssParam;
    const int w = m_object->GetOctaveWidth(octave), h = m_object->GetOctaveHeight(octave);
    for (int s = p.smin + 1; s <= p.smax - 2; ++s) {
        const float* L = m_object->GetLevel(octave, s);
        float* out = m_object->gradients + std::int64_t(s - p.smin - 1) * w * h * 2;
        for (int y = 1; y < h - 1; ++y) {
            const float* __restrict row = L + std::int64_t(y) * w;
            const float* __restrict up = row - w;
            const float* __restrict down = row + w;
            float* __restrict pair = out + std::int64_t(y) * w * 2;
            for (int x = 1; x < w - 1; ++x) {
                const float gx = 0.5f * (row[x + 1] - row[x - 1]);
                const float gy = 0.5f * (down[x] - up[x]);
                pair[2 * x] = std::sqrt(gx * gx + gy * gy);
                // atan2 lies in -pi .. pi, so one subtraction (exact, as the
                // operands are within a factor of two) reduces it modulo 2 pi.
                double a = std::atan2(double(gy), double(gx)) + kTwoPi;
                if (a >= kTwoPi)
                    a -= kTwoPi;
                pair[2 * x + 1] = float(a);
            }
        }
    }
    m_octave = octave;
    m_prepared = true;
    m_width = w;
    m_height = h;
}

const float* SiftGradientStore::Level(int s) const
{
    const SIFTScaleSpaceParam& p = m_object->ssParam;
    return m_object->gradients + std::int64_t(s - p.smin - 1) * m_width * m_height * 2;
}

int SiftOrientations(SiftGradientStore& store, const Keypoint& k, float angles[4])
{
    OctavePosition pos;
    if (!octavePosition(store, k, pos))
        return 0;
    const int w = store.Width(), h = store.Height();
    const float* grad = store.Level(k.is);
    const double sw = 1.5 * pos.sigmaO;
    const int W = int(std::ceil(3 * sw));
    double hist[36] = {};
    for (int dy = qMax(-W, 1 - pos.yi); dy <= qMin(W, h - 2 - pos.yi); ++dy) {
        for (int dx = qMax(-W, 1 - pos.xi); dx <= qMin(W, w - 2 - pos.xi); ++dx) {
            const double rx = pos.xi + dx - pos.xo, ry = pos.yi + dy - pos.yo;
            const double r2 = rx * rx + ry * ry;
            if (r2 > double(W) * W + 0.5)
                continue;
            const float* g = grad + 2 * (std::int64_t(pos.yi + dy) * w + pos.xi + dx);
            // An angle within rounding of 2 pi falls back into bin 0.
            const int bin = int(std::floor(36 * g[1] / kTwoPi)) % 36;
            hist[bin] += g[0] * std::exp(-r2 / (2 * sw * sw));
        }
    }
    for (int pass = 0; pass < 3; ++pass) {
        double smoothed[36];
        for (int i = 0; i < 36; ++i)
            smoothed[i] = 0.25 * hist[(i + 35) % 36] + 0.5 * hist[i] + 0.25 * hist[(i + 1) % 36];
        std::copy(smoothed, smoothed + 36, hist);
    }
    double m = 0;
    for (double v : hist)
        m = qMax(m, v);
    int count = 0;
    // The end bins are never peaks.
    for (int i = 1; i <= 34 && count < 4; ++i) {
        if (hist[i] > 0.8 * m && hist[i] > hist[i - 1] && hist[i] > hist[i + 1]) {
            const double d = -0.5 * (hist[i + 1] - hist[i - 1]) / (hist[i + 1] + hist[i - 1] - 2 * hist[i]);
            angles[count++] = float(kTwoPi * (i + d + 0.5) / 36);
        }
    }
    return count;
}

void SiftDescriptor(SiftGradientStore& store, const Keypoint& k, float theta, std::vector<unsigned char>& descriptor)
{
    descriptor.clear();
    OctavePosition pos;
    if (!octavePosition(store, k, pos))
        return;
    const int w = store.Width(), h = store.Height();
    const float* grad = store.Level(k.is);
    const float sbp = 3 * pos.sigmaO;
    const int W = int(std::floor(sbp * std::sqrt(2.0) * 5 / 2 + 0.5));
    const float c = std::cos(theta), s = std::sin(theta);
    float bins[128] = {};
    const int yFrom = qMax(-W, 1 - pos.yi), yTo = qMin(W, h - 2 - pos.yi);
    const int xFrom = qMax(-W, 1 - pos.xi), xTo = qMin(W, w - 2 - pos.xi);
    for (int oy = yFrom; oy <= yTo; ++oy) {
        const float dy = pos.yi + oy - pos.yo;
        const float* row = grad + 2 * (std::int64_t(pos.yi + oy) * w + pos.xi);
        for (int ox = xFrom; ox <= xTo; ++ox) {
            const float dx = pos.xi + ox - pos.xo;
            const float nx = (c * dx + s * dy) / sbp, ny = (-s * dx + c * dy) / sbp;
            // Samples whose every spatial neighbour lies outside the 4 x 4 grid add nothing.
            if (nx <= -2.5f || nx >= 2.5f || ny <= -2.5f || ny >= 2.5f)
                continue;
            const float* g = row + 2 * ox;
            // Both angles lie in 0 .. 2 pi, so their difference needs at
            // most one turn added to come into 0 .. 2 pi.
            double t = double(theta) - g[1];
            if (!(t > -kTwoPi && t < kTwoPi))
                t = std::fmod(t, kTwoPi);
            if (t < 0)
                t += kTwoPi;
            const float nt = float(8 * t / kTwoPi);
            const float weight = std::exp(-(nx * nx + ny * ny) / 8) * g[0];
            const int bx = int(std::floor(nx - 0.5f)), by = int(std::floor(ny - 0.5f)), bt = int(std::floor(nt));
            const float rx = nx - (bx + 0.5f), ry = ny - (by + 0.5f), rt = nt - bt;
            // nt is not negative, so the orientation bins need no sign fix.
            const int t0 = bt & 7, t1 = (bt + 1) & 7;
            const float st0 = std::fabs(1 - rt), st1 = std::fabs(rt);
            const float sx[2] = {std::fabs(1 - rx), std::fabs(0 - rx)};
            for (int dby = 0; dby < 2; ++dby) {
                const int yb = by + dby;
                if (yb < -2 || yb > 1)
                    continue;
                const float wy = weight * std::fabs(1 - dby - ry);
                for (int dbx = 0; dbx < 2; ++dbx) {
                    const int xb = bx + dbx;
                    if (xb < -2 || xb > 1)
                        continue;
                    const float wxy = wy * sx[dbx];
                    float* cell = bins + ((yb + 2) * 4 + (xb + 2)) * 8;
                    cell[t0] += wxy * st0;
                    cell[t1] += wxy * st1;
                }
            }
        }
    }
    auto normalise = [&bins]() {
        double sum = 0;
        for (float v : bins)
            sum += double(v) * v;
        const double norm = std::sqrt(sum);
        if (norm <= 0)
            return false;
        for (float& v : bins)
            v = float(v / norm);
        return true;
    };
    descriptor.assign(128, 0);
    // A window without gradient keeps the zero descriptor.
    if (!normalise())
        return;
    for (float& v : bins)
        v = qMin(v, 0.2f);
    normalise();
    for (int i = 0; i < 128; ++i) {
        // Values of 0.5 and above saturate instead of wrapping round.
        descriptor[size_t(i)] = static_cast<unsigned char>(qMin(255, int(512 * bins[i])));
    }
}
