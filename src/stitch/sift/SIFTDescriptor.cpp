#include "stitch/sift/SIFTDescriptor.h"

#include "stitch/interface/StitchEnums.h"
#include "stitch/sift/SIFTKernels.h"
#include "stitch/sift/SIFTObject.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr double kTwoPi = 6.283185307179586;

// The keypoint in its octave's units; false when it yields no orientation.
struct OctavePosition
{
    float xo, yo, sigmaO;
    int xi, yi;
    int w, h;
};

bool octavePosition(const SIFTObject* obj, const Keypoint& k, OctavePosition& pos)
{
    const SIFTScaleSpaceParam& p = obj->ssParam;
    if (k.is < p.smin + 1 || k.is > p.smax - 2 || k.octave >= p.omax || k.octave < p.omin)
        return false;
    const float period = float(std::ldexp(1.0, k.octave));
    pos.xo = k.x / period;
    pos.yo = k.y / period;
    pos.sigmaO = k.sigma / period;
    pos.xi = int(pos.xo + 0.5f);
    pos.yi = int(pos.yo + 0.5f);
    pos.w = obj->GetOctaveWidth(k.octave);
    pos.h = obj->GetOctaveHeight(k.octave);
    return pos.xi >= 0 && pos.yi >= 0 && pos.xi < pos.w && pos.yi < pos.h;
}

// Half sides of the orientation and descriptor windows.
int orientationRadius(const OctavePosition& pos)
{
    return int(std::ceil(3 * (1.5 * pos.sigmaO)));
}

int descriptorRadius(const OctavePosition& pos)
{
    return int(std::floor(3 * pos.sigmaO * std::sqrt(2.0) * 5 / 2 + 0.5));
}

} // namespace

int SiftGradientStore::slot(int octave, int s) const
{
    const SIFTScaleSpaceParam& p = m_object->ssParam;
    return (octave - p.omin) * (p.smax - p.smin - 2) + (s - p.smin - 1);
}

int SiftGradientStore::Prepare(const std::vector<Keypoint>& keypoints)
{
    SIFTObject* obj = m_object;
    const SIFTScaleSpaceParam& p = obj->ssParam;
    const int inner = p.smax - p.smin - 2;
    m_tiles.assign(size_t(qMax(0, p.O * inner)), {});
    m_tilesPerRow.assign(m_tiles.size(), 0);
    // Mark the tiles within reach of every window.
    std::int32_t count = 0;
    for (const Keypoint& k : keypoints) {
        OctavePosition pos;
        if (!octavePosition(obj, k, pos))
            continue;
        const int i = slot(k.octave, k.is);
        std::vector<std::int32_t>& tiles = m_tiles[size_t(i)];
        const int tw = (pos.w + kTile - 1) / kTile;
        if (tiles.empty()) {
            tiles.assign(size_t(tw) * ((pos.h + kTile - 1) / kTile), -1);
            m_tilesPerRow[size_t(i)] = tw;
        }
        const int W = qMax(orientationRadius(pos), descriptorRadius(pos));
        const int x0 = qMax(1, pos.xi - W), x1 = qMin(pos.w - 2, pos.xi + W);
        const int y0 = qMax(1, pos.yi - W), y1 = qMin(pos.h - 2, pos.yi + W);
        for (int ty = y0 / kTile; ty <= y1 / kTile && y0 <= y1; ++ty)
            for (int tx = x0 / kTile; tx <= x1 / kTile && x0 <= x1; ++tx) {
                std::int32_t& t = tiles[size_t(ty) * tw + tx];
                if (t < 0)
                    t = count++;
            }
    }
    SiftFreeFloats(obj->gradients);
    obj->gradients = nullptr;
    if (count == 0)
        return 0;
    obj->gradients = SiftAllocateFloats(std::int64_t(count) * kTileFloats, false);
    if (!obj->gradients)
        return StitchNullArgument;
    std::fill_n(obj->gradients, std::int64_t(count) * kTileFloats, std::numeric_limits<float>::quiet_NaN());
    return 0;
}

void SiftGradientStore::Level::take(int x, int y, float* g) const
{
    // The pixel's stretch of its tile row, as far as the level's border, at
    // once: the angles go several lanes at a time.
    const int first = qMax(1, x - x % kTile), last = qMin(width - 2, x - x % kTile + kTile - 1);
    const float* row = image + std::int64_t(y) * width;
    SiftGradientRow(row + first, row + first - width, row + first + width, last - first + 1, g - 2 * (x - first));
}

SiftGradientStore::Level SiftGradientStore::LevelOf(int octave, int s) const
{
    const int i = slot(octave, s);
    return Level{m_tiles[size_t(i)].data(), m_tilesPerRow[size_t(i)], m_object->gradients,
                 m_object->GetLevel(octave, s), m_object->GetOctaveWidth(octave)};
}

int SiftOrientations(const SiftGradientStore& store, const Keypoint& k, float angles[4])
{
    OctavePosition pos;
    if (!octavePosition(store.Object(), k, pos))
        return 0;
    const int w = pos.w, h = pos.h;
    const SiftGradientStore::Level grad = store.LevelOf(k.octave, k.is);
    const double sw = 1.5 * pos.sigmaO;
    const int W = orientationRadius(pos);
    double hist[36] = {};
    const double limit = double(W) * W + 0.5;
    const double spread = 2 * sw * sw;
    const int dxFrom = qMax(-W, 1 - pos.xi), dxTo = qMin(W, w - 2 - pos.xi);
    // As in the descriptor: each row visits the columns near the circle
    // (with a pixel to spare), the arithmetic first and lane-wise, then the
    // sums in order.
    constexpr int kPiece = 64;
    float mags[kPiece], directions[kPiece];
    double exponents[kPiece];
    int bins[kPiece], keep[kPiece];
    for (int dy = qMax(-W, 1 - pos.yi); dy <= qMin(W, h - 2 - pos.yi); ++dy) {
        const double ry = pos.yi + dy - pos.yo;
        const double room = limit - ry * ry;
        if (room < -1)
            continue;
        const double reach = std::sqrt(qMax(0.0, room)) + 1;
        const double centre = double(pos.xo) - pos.xi;
        const int from = qMax(dxFrom, int(std::floor(centre - reach)));
        const int to = qMin(dxTo, int(std::ceil(centre + reach)));
        for (int first = from; first <= to; first += kPiece) {
            const int n = qMin(kPiece, to - first + 1);
            for (int i = 0; i < n; ++i) {
                const float* g = grad.at(pos.xi + first + i, pos.yi + dy);
                mags[i] = g[0];
                directions[i] = g[1];
            }
            for (int i = 0; i < n; ++i) {
                const double rx = pos.xi + first + i - pos.xo;
                const double r2 = rx * rx + ry * ry;
                keep[i] = !(r2 > limit);
                exponents[i] = -r2 / spread;
                // An angle within rounding of 2 pi falls back into bin 0
                // (the quotient lies in 0 .. 36: truncation is its floor).
                const int bin = int(36 * directions[i] / kTwoPi);
                bins[i] = bin >= 36 ? bin - 36 : bin;
            }
            for (int i = 0; i < n; ++i)
                if (keep[i])
                    hist[bins[i]] += mags[i] * std::exp(exponents[i]);
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

void SiftDescriptor(const SiftGradientStore& store, const Keypoint& k, float theta,
                    std::vector<unsigned char>& descriptor)
{
    descriptor.clear();
    OctavePosition pos;
    if (!octavePosition(store.Object(), k, pos))
        return;
    const int w = pos.w, h = pos.h;
    const SiftGradientStore::Level grad = store.LevelOf(k.octave, k.is);
    const float sbp = 3 * pos.sigmaO;
    const int W = descriptorRadius(pos);
    const float c = std::cos(theta), s = std::sin(theta);
    // The 4 x 4 cells with a ring of spare cells round them, which take the
    // shares that fall off the grid: no sample needs a test per cell.
    float padded[6 * 6 * 8] = {};
    const int yFrom = qMax(-W, 1 - pos.yi), yTo = qMin(W, h - 2 - pos.yi);
    const int xFrom = qMax(-W, 1 - pos.xi), xTo = qMin(W, w - 2 - pos.xi);
    // Each row visits only the columns near the turned grid (about half the
    // window); the exact test below still decides each sample, the span is
    // widened past any rounding of it.
    const double reach = 2.5 * double(sbp) * (1 + 1e-4) + 1e-3;
    const double shift = double(pos.xi) - double(pos.xo);
    auto narrow = [&](double a, double b, double& lo, double& hi) {
        // Columns with |a dx + b| < reach.
        if (std::fabs(a) < 1e-3)
            return;
        double u = (-reach - b) / a, v = (reach - b) / a;
        if (u > v)
            std::swap(u, v);
        lo = qMax(lo, u);
        hi = qMin(hi, v);
    };
    // A row is taken in pieces: first the arithmetic of every sample without
    // a branch (so it runs several lanes at a time), then the binning.
    constexpr int kPiece = 64;
    // Floors of values within -3 .. 8, without a call.
    auto floorOf = [](float v) {
        const int i = int(v);
        return i - (float(i) > v);
    };
    // One sample's shares: weight to the two nearest cells along each axis
    // and to the two nearest orientation bins. bx and by lie within -3 .. 1.
    auto bin = [&padded](float weight, int bx, int by, int bt, float rx, float ry, float rt) {
        // nt is not negative, so the orientation bins need no sign fix.
        const int t0 = bt & 7, t1 = (bt + 1) & 7;
        const float st0 = std::fabs(1 - rt), st1 = std::fabs(rt);
        const float sx[2] = {std::fabs(1 - rx), std::fabs(0 - rx)};
        float* cells = padded + ((by + 3) * 6 + (bx + 3)) * 8;
        for (int dby = 0; dby < 2; ++dby) {
            const float wy = weight * std::fabs(1 - dby - ry);
            for (int dbx = 0; dbx < 2; ++dbx) {
                const float wxy = wy * sx[dbx];
                float* cell = cells + (dby * 6 + dbx) * 8;
                cell[t0] += wxy * st0;
                cell[t1] += wxy * st1;
            }
        }
    };
    float mags[kPiece], angles[kPiece], gauss[kPiece];
    float rxs[kPiece], rys[kPiece], rts[kPiece];
    int bxs[kPiece], bys[kPiece], bts[kPiece], keep[kPiece];
    for (int oy = yFrom; oy <= yTo; ++oy) {
        const float dy = pos.yi + oy - pos.yo;
        double lo = -1e9, hi = 1e9;
        narrow(c, double(s) * dy, lo, hi);
        narrow(-double(s), double(c) * dy, lo, hi);
        if (lo > hi)
            continue;
        const int from = qMax(xFrom, int(std::floor(lo - shift)) - 1);
        const int to = qMin(xTo, int(std::ceil(hi - shift)) + 1);
        for (int first = from; first <= to; first += kPiece) {
            const int n = qMin(kPiece, to - first + 1);
            for (int i = 0; i < n; ++i) {
                const float* g = grad.at(pos.xi + first + i, pos.yi + oy);
                mags[i] = g[0];
                angles[i] = g[1];
            }
            for (int i = 0; i < n; ++i) {
                const float dx = pos.xi + first + i - pos.xo;
                const float nx = (c * dx + s * dy) / sbp, ny = (-s * dx + c * dy) / sbp;
                // Samples whose every spatial neighbour lies outside the 4 x 4 grid add nothing.
                keep[i] = (nx > -2.5f) & (nx < 2.5f) & (ny > -2.5f) & (ny < 2.5f);
                gauss[i] = -(nx * nx + ny * ny) / 8;
                // Both angles lie in 0 .. 2 pi, so their difference needs at
                // most one turn added to come into 0 .. 2 pi (checked below).
                // (Adding zero keeps t: it is never -0, as theta is above 0.)
                const double t = double(theta) - angles[i];
                const float nt = float(8 * (t + (t < 0 ? kTwoPi : 0.0)) / kTwoPi);
                const int bx = floorOf(nx - 0.5f), by = floorOf(ny - 0.5f), bt = int(nt);
                bxs[i] = bx;
                bys[i] = by;
                bts[i] = bt;
                rxs[i] = nx - (bx + 0.5f);
                rys[i] = ny - (by + 0.5f);
                rts[i] = nt - bt;
            }
            // The Gaussian weights, in place of their exponents.
            for (int i = 0; i < n; ++i)
                gauss[i] = std::exp(gauss[i]);
            for (int i = 0; i < n; ++i) {
                if (!keep[i])
                    continue;
                const float weight = gauss[i] * mags[i];
                const double turn = double(theta) - angles[i];
                if (!(turn > -kTwoPi && turn < kTwoPi)) {
                    double t = std::fmod(turn, kTwoPi);
                    if (t < 0)
                        t += kTwoPi;
                    const float nt = float(8 * t / kTwoPi);
                    bin(weight, bxs[i], bys[i], int(nt), rxs[i], rys[i], nt - int(nt));
                    continue;
                }
                bin(weight, bxs[i], bys[i], bts[i], rxs[i], rys[i], rts[i]);
            }
        }
    }
    float bins[128];
    for (int yb = 0; yb < 4; ++yb)
        for (int xb = 0; xb < 4; ++xb)
            std::copy_n(padded + ((yb + 1) * 6 + (xb + 1)) * 8, 8, bins + (yb * 4 + xb) * 8);
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
