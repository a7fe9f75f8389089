// Detection: scale space, extrema, refinement; orientations and descriptors
// are in SIFTDescriptor.cpp.
#include "stitch/interface/StitchEnums.h"
#include "stitch/sift/SIFTDescriptor.h"
#include "stitch/sift/SIFTKernels.h"
#include "stitch/sift/SIFTObject.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

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

// One row doubled in length: the samples, with their means between them,
// the last one twice.
void doubleRow(const float* in, float* out, int w)
{
    for (int i = 0; i + 1 < w; ++i) {
        out[2 * i] = in[i];
        out[2 * i + 1] = 0.5f * (in[i] + in[i + 1]);
    }
    out[2 * w - 2] = in[w - 1];
    out[2 * w - 1] = in[w - 1];
}

// The image doubled in both directions into base (2w x 2h): each row
// doubled, and between two doubled rows their mean; the last row twice.
// rows holds two doubled rows (4w floats).
void doubleImage(const float* image, float* base, int w, int h, float* rows)
{
    const int W = 2 * w;
    float* current = rows;
    float* next = rows + W;
    doubleRow(image, current, w);
    for (int j = 0; j < h; ++j) {
        float* even = base + std::int64_t(2 * j) * W;
        float* odd = even + W;
        std::copy_n(current, W, even);
        if (j + 1 < h) {
            doubleRow(image + std::int64_t(j + 1) * w, next, w);
            for (int r = 0; r < W; ++r)
                odd[r] = 0.5f * (current[r] + next[r]);
            std::swap(current, next);
        } else {
            std::copy_n(current, W, odd);
        }
    }
}

void findExtrema(SIFTObject* obj, int o);
bool refine(SIFTObject* obj, Keypoint& k);

// The octave's refined extrema, added to the object's keypoints.
void octaveKeypoints(SIFTObject* obj, int o)
{
    const size_t first = obj->keypoints.size();
    findExtrema(obj, o);
    size_t kept = first;
    for (size_t i = first; i < obj->keypoints.size(); ++i)
        if (refine(obj, obj->keypoints[i]))
            obj->keypoints[kept++] = obj->keypoints[i];
    obj->keypoints.resize(kept);
}

// Builds the octaves one after the other, each one's keypoints found before
// the next is built (which may take the memory of levels no longer needed).
int buildScaleSpace(SIFTObject* obj, Reporter& report, int mid, double q)
{
    const SIFTScaleSpaceParam& p = obj->ssParam;
    const double k = std::pow(2.0, 1.0 / p.S);
    const int w0 = obj->GetOctaveWidth(p.omin), h0 = obj->GetOctaveHeight(p.omin);
    float* base = obj->GetLevel(p.omin, p.smin);
    float* scratch = obj->scratch;
    // The first octave is at most the doubled image (omin is -1 or above).
    if (p.omin < 0) {
        doubleImage(obj->image, base, obj->width, obj->height, scratch);
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
        return StitchCancelled;
    for (int o = p.omin; o <= p.omax; ++o) {
        const double po = octaveReport(o), pnext = octaveReport(o + 1);
        if (report(po))
            return StitchCancelled;
        const int w = obj->GetOctaveWidth(o), h = obj->GetOctaveHeight(o);
        if (o > p.omin) {
            const float* from = obj->GetLevel(o - 1, qMin(p.smin + p.S, p.smax));
            const int pw = obj->GetOctaveWidth(o - 1);
            float* to = obj->GetLevel(o, p.smin);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    to[std::int64_t(y) * w + x] = from[std::int64_t(2 * y) * pw + 2 * x];
            if (report(po))
                return StitchCancelled;
        }
        for (int s = p.smin + 1; s <= p.smax; ++s) {
            const double sigma = sigmaBase * std::pow(k, s - p.smin);
            SiftSmooth(obj->GetLevel(o, s - 1), obj->GetLevel(o, s), scratch, w, h, float(sigma));
            const int r = s - p.smin;
            if (r <= p.smax - p.smin - 1 && report(po + r * (pnext - po) / (p.smax - p.smin)))
                return StitchCancelled;
        }
        octaveKeypoints(obj, o);
    }
    return 0;
}

// The differences of neighbouring levels are taken a row at a time, three
// rows of each kept round: the scan reads every level once, and no image of
// differences is ever stored.
void findExtrema(SIFTObject* obj, int o)
{
    const SIFTScaleSpaceParam& p = obj->ssParam;
    const int levels = p.smax - p.smin; // differences per octave
    {
        const int w = obj->GetOctaveWidth(o), h = obj->GetOctaveHeight(o);
        if (w < 11 || h < 11)
            return;
        std::vector<float> ring(size_t(3) * levels * w);
        auto dogRow = [&](int y, int d) { return ring.data() + (size_t(y % 3) * levels + d) * w; };
        auto take = [&](int y) {
            for (int d = 0; d < levels; ++d) {
                const float* __restrict a = obj->GetLevel(o, p.smin + d + 1) + std::int64_t(y) * w;
                const float* __restrict b = obj->GetLevel(o, p.smin + d) + std::int64_t(y) * w;
                float* __restrict out = dogRow(y, d);
                for (int x = 0; x < w; ++x)
                    out[x] = a[x] - b[x];
            }
        };
        // Candidates by level, so that they keep the level-major order.
        std::vector<std::vector<Keypoint>> found(size_t(qMax(0, p.smax - p.smin - 2)));
        std::vector<int> columns(static_cast<size_t>(w));
        take(4);
        take(5);
        for (int y = 5; y <= h - 6; ++y) {
            take(y + 1);
            for (int s = p.smin + 1; s <= p.smax - 2; ++s) {
                const int d = s - p.smin;
                const float* const rows[3][3] = {{dogRow(y - 1, d - 1), dogRow(y, d - 1), dogRow(y + 1, d - 1)},
                                                 {dogRow(y - 1, d), dogRow(y, d), dogRow(y + 1, d)},
                                                 {dogRow(y - 1, d + 1), dogRow(y, d + 1), dogRow(y + 1, d + 1)}};
                const int count = SiftExtremaInRow(rows, 5, w - 5, kContrast, columns.data());
                for (int c = 0; c < count; ++c) {
                    Keypoint k;
                    k.octave = o;
                    k.ix = columns[size_t(c)];
                    k.iy = y;
                    k.is = s;
                    found[size_t(s - p.smin - 1)].push_back(k);
                }
            }
        }
        for (const std::vector<Keypoint>& level : found)
            obj->keypoints.insert(obj->keypoints.end(), level.begin(), level.end());
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
    // Differences of levels s - 1 .. s + 2 give those of s - 1 .. s + 1.
    const float* L[4] = {obj->GetLevel(k.octave, k.is - 1), obj->GetLevel(k.octave, k.is),
                         obj->GetLevel(k.octave, k.is + 1), obj->GetLevel(k.octave, k.is + 2)};
    const int below = 0, here = 1, above = 2;
    const std::int64_t i = std::int64_t(k.iy) * w + k.ix;
    auto at = [&](int d, int dx, int dy) {
        const std::int64_t j = i + std::int64_t(dy) * w + dx;
        return double(L[d + 1][j] - L[d][j]);
    };
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
        return StitchCancelled;
    // A refused or empty picture finds nothing.
    if (!obj->image || obj->width <= 0 || obj->height <= 0)
        return 0;
    if (obj->PrepareBuffers() != 0)
        return StitchNullArgument;
    if (report(progressStart + 0.08 * (mid - progressStart)))
        return StitchCancelled;
    if (buildScaleSpace(obj, report, mid, q) != 0)
        return StitchCancelled;
    SiftFreeFloats(obj->image);
    obj->image = nullptr;
    if (report(mid))
        return StitchCancelled;
    // The scratch has served the convolutions.
    SiftFreeFloats(obj->scratch);
    obj->scratch = nullptr;
    SiftGradientStore store(obj);
    if (store.Prepare(obj->keypoints) != 0)
        return StitchNullArgument;
    const size_t n = obj->keypoints.size();
    for (size_t i = 0; i < n; ++i) {
        if (report(mid + double(i) * (progressEnd - mid) / double(n)))
            return StitchCancelled;
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
        return StitchNullArgument;
    int result;
    try {
        result = detect(obj, progressStart, progressEnd);
    } catch (const std::bad_alloc&) {
        result = StitchNullArgument;
    }
    obj->FreeBuffers();
    return result;
}
