// Detection: scale space, extrema, refinement; orientations and descriptors
// are in SIFTDescriptor.cpp.
#include "SIFTDescriptor.h"
#include "SIFTObject.h"
#include "SIFTSmooth.h"

#include <QtGlobal>

#include <cmath>
#include <cstdint>
#include <memory>
#include <new>

namespace {

constexpr float kContrast = 0.0025f;

// Progress reports of one detection; true once the caller has cancelled.
class Reporter
{
public:
    explicit Reporter(SIFTObject* object) : m_object(object) {}
    bool operator()(double percent)
    {
        bool cancel = false;
        m_object->progress(int(percent), &cancel, m_object->progressUser);
        return cancel;
    }

private:
    SIFTObject* m_object;
};

// One doubling pass: each of the h rows of length w becomes a column of
// length 2w in dst (dst is 2w rows of h).
void doubleTransposed(const float* src, float* dst, int w, int h)
{
    for (int y = 0; y < h; ++y) {
        const float* in = src + std::int64_t(y) * w;
        for (int i = 0; i + 1 < w; ++i) {
            dst[std::int64_t(2 * i) * h + y] = in[i];
            dst[std::int64_t(2 * i + 1) * h + y] = 0.5f * (in[i] + in[i + 1]);
        }
        dst[std::int64_t(2 * w - 2) * h + y] = in[w - 1];
        dst[std::int64_t(2 * w - 1) * h + y] = in[w - 1];
    }
}

int buildScaleSpace(SIFTObject* obj, Reporter& report, int mid, double q)
{
    const SIFTScaleSpaceParam& p = obj->ssParam;
    const double k = std::pow(2.0, 1.0 / p.S);
    const int w0 = obj->GetOctaveWidth(p.omin), h0 = obj->GetOctaveHeight(p.omin);
    float* base = obj->GetLevel(p.omin, p.smin);
    // The differences are not taken yet: those of the first octave, five
    // first-octave images, are the convolution's scratch.
    float* scratch = obj->dogs.front();
    // The first octave is at most the doubled image (omin is -1 or above).
    if (p.omin < 0) {
        // The half-doubled image is half a first-octave image.
        doubleTransposed(obj->image, scratch, obj->width, obj->height);
        doubleTransposed(scratch, base, obj->height, obj->width * 2);
    } else {
        const int step = 1 << p.omin;
        for (int y = 0; y < h0; ++y)
            for (int x = 0; x < w0; ++x)
                base[std::int64_t(y) * w0 + x] = obj->image[std::int64_t(y) * step * obj->width + x * step];
    }
    const double sigmaBase = p.omin < 0 ? p.sigma0 / k : p.sigma0;
    SiftSmooth(base, base, scratch, w0, h0, float(sigmaBase));

    auto octaveReport = [&](int o) { return q + double(o - p.omin) * (mid - q) / p.O; };
    if (report(q))
        return -1;
    for (int o = p.omin; o <= p.omax; ++o) {
        const double po = octaveReport(o), pnext = octaveReport(o + 1);
        if (report(po))
            return -1;
        const int w = obj->GetOctaveWidth(o), h = obj->GetOctaveHeight(o);
        if (o > p.omin) {
            const float* from = obj->GetLevel(o - 1, qMin(p.smin + p.S, p.smax));
            const int pw = obj->GetOctaveWidth(o - 1);
            float* to = obj->GetLevel(o, p.smin);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    to[std::int64_t(y) * w + x] = from[std::int64_t(2 * y) * pw + 2 * x];
            if (report(po))
                return -1;
        }
        for (int s = p.smin + 1; s <= p.smax; ++s) {
            const double sigma = sigmaBase * std::pow(k, s - p.smin);
            SiftSmooth(obj->GetLevel(o, s - 1), obj->GetLevel(o, s), scratch, w, h, float(sigma));
            const int r = s - p.smin;
            if (r <= p.smax - p.smin - 1 && report(po + r * (pnext - po) / (p.smax - p.smin)))
                return -1;
        }
    }
    return 0;
}

void differences(SIFTObject* obj)
{
    const SIFTScaleSpaceParam& p = obj->ssParam;
    for (int o = p.omin; o <= p.omax; ++o) {
        const std::int64_t size = std::int64_t(obj->GetOctaveWidth(o)) * obj->GetOctaveHeight(o);
        for (int s = p.smin; s < p.smax; ++s) {
            const float* a = obj->GetLevel(o, s + 1);
            const float* b = obj->GetLevel(o, s);
            float* d = obj->GetDoG(o, s);
            for (std::int64_t i = 0; i < size; ++i)
                d[i] = a[i] - b[i];
        }
    }
}

bool isExtremum(const float* below, const float* here, const float* above, std::int64_t i, int w, float v)
{
    const std::int64_t offsets[9] = {-w - 1, -w, -w + 1, -1, 0, 1, w - 1, w, w + 1};
    if (v >= kContrast) {
        for (std::int64_t d : offsets) {
            if (!(v > below[i + d]) || !(v > above[i + d]) || (d != 0 && !(v > here[i + d])))
                return false;
        }
        return true;
    }
    if (v <= -kContrast) {
        for (std::int64_t d : offsets) {
            if (!(v < below[i + d]) || !(v < above[i + d]) || (d != 0 && !(v < here[i + d])))
                return false;
        }
        return true;
    }
    return false;
}

void findExtrema(SIFTObject* obj)
{
    const SIFTScaleSpaceParam& p = obj->ssParam;
    for (int o = p.omin; o <= p.omax; ++o) {
        const int w = obj->GetOctaveWidth(o), h = obj->GetOctaveHeight(o);
        if (w < 11 || h < 11)
            continue;
        for (int s = p.smin + 1; s <= p.smax - 2; ++s) {
            const float* below = obj->GetDoG(o, s - 1);
            const float* here = obj->GetDoG(o, s);
            const float* above = obj->GetDoG(o, s + 1);
            for (int y = 5; y <= h - 6; ++y) {
                for (int x = 5; x <= w - 6; ++x) {
                    const std::int64_t i = std::int64_t(y) * w + x;
                    if (isExtremum(below, here, above, i, w, here[i])) {
                        Keypoint k;
                        k.octave = o;
                        k.ix = x;
                        k.iy = y;
                        k.is = s;
                        obj->keypoints.push_back(k);
                    }
                }
            }
        }
    }
}

// Solves the 3x3 system by elimination with partial pivoting; false (and b
// untouched) when a pivot is below 1e-10.
bool solve3(double a[3][3], double rhs[3], double b[3])
{
    for (int c = 0; c < 3; ++c) {
        int pivot = c;
        for (int r = c + 1; r < 3; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[pivot][c]))
                pivot = r;
        if (std::fabs(a[pivot][c]) < 1e-10)
            return false;
        if (pivot != c) {
            for (int j = 0; j < 3; ++j)
                std::swap(a[c][j], a[pivot][j]);
            std::swap(rhs[c], rhs[pivot]);
        }
        for (int r = c + 1; r < 3; ++r) {
            const double f = a[r][c] / a[c][c];
            for (int j = c; j < 3; ++j)
                a[r][j] -= f * a[c][j];
            rhs[r] -= f * rhs[c];
        }
    }
    for (int r = 2; r >= 0; --r) {
        double sum = rhs[r];
        for (int j = r + 1; j < 3; ++j)
            sum -= a[r][j] * b[j];
        b[r] = sum / a[r][r];
    }
    return true;
}

// One refinement step at the candidate; false when it is dropped.
bool refine(SIFTObject* obj, Keypoint& k)
{
    const SIFTScaleSpaceParam& p = obj->ssParam;
    const int w = obj->GetOctaveWidth(k.octave), h = obj->GetOctaveHeight(k.octave);
    const float* below = obj->GetDoG(k.octave, k.is - 1);
    const float* here = obj->GetDoG(k.octave, k.is);
    const float* above = obj->GetDoG(k.octave, k.is + 1);
    const std::int64_t i = std::int64_t(k.iy) * w + k.ix;
    auto at = [&](const float* level, int dx, int dy) { return double(level[i + std::int64_t(dy) * w + dx]); };
    const double D = at(here, 0, 0);
    const double g[3] = {0.5 * (at(here, 1, 0) - at(here, -1, 0)), 0.5 * (at(here, 0, 1) - at(here, 0, -1)),
                         0.5 * (at(above, 0, 0) - at(below, 0, 0))};
    const double dxx = at(here, 1, 0) + at(here, -1, 0) - 2 * D;
    const double dyy = at(here, 0, 1) + at(here, 0, -1) - 2 * D;
    const double dss = at(above, 0, 0) + at(below, 0, 0) - 2 * D;
    const double dxy = 0.25 * (at(here, 1, 1) + at(here, -1, -1) - at(here, -1, 1) - at(here, 1, -1));
    const double dxs = 0.25 * (at(above, 1, 0) + at(below, -1, 0) - at(above, -1, 0) - at(below, 1, 0));
    const double dys = 0.25 * (at(above, 0, 1) + at(below, 0, -1) - at(above, 0, -1) - at(below, 0, 1));
    double hessian[3][3] = {{dxx, dxy, dxs}, {dxy, dyy, dys}, {dxs, dys, dss}};
    double rhs[3] = {-g[0], -g[1], -g[2]};
    double b[3] = {0, 0, 0};
    if (!solve3(hessian, rhs, b))
        b[0] = b[1] = b[2] = 0;
    if (!(std::fabs(b[0]) < 1.5 && std::fabs(b[1]) < 1.5 && std::fabs(b[2]) < 1.5))
        return false;
    const double det = dxx * dyy - dxy * dxy;
    if (det == 0)
        return false;
    const double edge = (dxx + dyy) * (dxx + dyy) / det;
    if (!(edge >= 0 && edge < 12.1))
        return false;
    if (!(std::fabs(D + 0.5 * (g[0] * b[0] + g[1] * b[1] + g[2] * b[2])) > kContrast))
        return false;
    const double x = k.ix + b[0], y = k.iy + b[1], s = k.is + b[2];
    if (x < 5 || x > w - 5 || y < 5 || y > h - 5 || s < p.smin || s > p.smax)
        return false;
    const double period = std::ldexp(1.0, k.octave);
    k.x = float(x * period);
    k.y = float(y * period);
    k.s = float(s);
    k.sigma = float(p.sigma0 * std::pow(2.0, (k.octave - p.omin) + double(int(k.s) - p.smin) / p.S));
    return true;
}

int detect(SIFTObject* obj, int progressStart, int progressEnd)
{
    Reporter report(obj);
    const int mid = int(progressStart + 0.2 * (progressEnd - progressStart));
    const double q = progressStart + 0.2 * (mid - progressStart);
    if (report(progressStart))
        return -1;
    // A refused or empty picture finds nothing.
    if (!obj->image || obj->width <= 0 || obj->height <= 0)
        return 0;
    if (obj->PrepareBuffers() != 0)
        return -2;
    if (report(progressStart + 0.08 * (mid - progressStart)))
        return -1;
    if (buildScaleSpace(obj, report, mid, q) != 0)
        return -1;
    SiftFreeFloats(obj->image);
    obj->image = nullptr;
    if (report(mid))
        return -1;
    differences(obj);
    findExtrema(obj);
    size_t kept = 0;
    for (Keypoint& k : obj->keypoints)
        if (refine(obj, k))
            obj->keypoints[kept++] = k;
    obj->keypoints.resize(kept);
    for (float*& d : obj->dogs) {
        SiftFreeFloats(d);
        d = nullptr;
    }
    SiftGradientStore store(obj);
    if (store.Prepare(obj->keypoints) != 0)
        return -2;
    const size_t n = obj->keypoints.size();
    for (size_t i = 0; i < n; ++i) {
        if (report(mid + double(i) * (progressEnd - mid) / double(n)))
            return -1;
        const Keypoint& k = obj->keypoints[i];
        float angles[4];
        const int count = SiftOrientations(store, k, angles);
        for (int a = 0; a < count; ++a) {
            std::unique_ptr<Keypoint> feature(new Keypoint(k));
            feature->angle = angles[a];
            SiftDescriptor(store, *feature, feature->angle, feature->itsOriFV);
            obj->features.push_back(feature.get());
            feature.release();
        }
    }
    return 0;
}

} // namespace

int SIFTDetecting(SIFTObject* obj, int progressStart, int progressEnd)
{
    if (!obj || !obj->progress)
        return -2;
    int result;
    try {
        result = detect(obj, progressStart, progressEnd);
    } catch (const std::bad_alloc&) {
        result = -2;
    }
    obj->FreeBuffers();
    return result;
}
