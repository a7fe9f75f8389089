#include "stitch/align/CStitchAlign.h"

#include "stitch/image/CImage.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/pyramid/CStitchPyramid.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

// A layer bitmap in grey, (blue + 2 green + red) / 4 per pixel.
struct Grey
{
    int width = 0;
    int height = 0;
    std::vector<float> values;

    bool Take(CImage& image)
    {
        if (!image.Header() || image.Header()->biBitCount != 24)
            return false;
        width = image.Header()->biWidth;
        height = std::abs(image.Header()->biHeight);
        if (width <= 0 || height <= 0)
            return false;
        values.resize(size_t(width) * size_t(height));
        for (int y = 0; y < height; ++y) {
            const unsigned char* p = image.Bits() + std::int64_t(y) * image.Stride();
            float* out = values.data() + size_t(y) * size_t(width);
            for (int x = 0; x < width; ++x, p += 3)
                out[x] = (p[0] + 2.0f * p[1] + p[2]) * 0.25f;
        }
        return true;
    }

    float At(int x, int y) const { return values[size_t(y) * size_t(width) + size_t(x)]; }
};

// The layer bitmap of an element, locked while the holder lives.
class LayerHold
{
public:
    LayerHold(CStitchElement* element, int layer)
        : m_pElement(element)
        , m_lLayer(layer)
    {
        void* handle = element->m_Pyramid.LockHDib(layer);
        m_bHeld = handle != nullptr;
        m_bOk = m_bHeld && m_Image.Attach(handle) == 0 && m_Image.Lock() == 0;
        m_bLocked = m_bOk;
    }
    ~LayerHold()
    {
        if (m_bLocked)
            m_Image.Unlock();
        m_Image.Detach();
        if (m_bHeld)
            m_pElement->m_Pyramid.UnlockHDib(m_lLayer);
    }
    LayerHold(const LayerHold&) = delete;
    LayerHold& operator=(const LayerHold&) = delete;

    bool Ok() const { return m_bOk; }
    CImage& Image() { return m_Image; }

private:
    CStitchElement* m_pElement;
    int m_lLayer;
    CImage m_Image;
    bool m_bHeld = false;
    bool m_bOk = false;
    bool m_bLocked = false;
};

// Sums of a plane and of its validity over boxes, from integral tables.
class BoxSums
{
public:
    BoxSums(const std::vector<float>& values, const std::vector<unsigned char>& valid, int width, int height)
        : m_lWidth(width)
        , m_Sum(size_t(width + 1) * size_t(height + 1), 0.0)
        , m_Count(size_t(width + 1) * size_t(height + 1), 0)
    {
        for (int y = 0; y < height; ++y) {
            double row = 0.0;
            int rowCount = 0;
            for (int x = 0; x < width; ++x) {
                const size_t i = size_t(y) * size_t(width) + size_t(x);
                if (valid[i]) {
                    row += values[i];
                    ++rowCount;
                }
                m_Sum[Index(x + 1, y + 1)] = m_Sum[Index(x + 1, y)] + row;
                m_Count[Index(x + 1, y + 1)] = m_Count[Index(x + 1, y)] + rowCount;
            }
        }
    }

    // Over the box of half-size r around (x, y); false unless every pixel
    // of it is valid (the caller keeps the box inside the plane).
    bool Mean(int x, int y, int r, double* mean) const
    {
        const int x0 = x - r, y0 = y - r, x1 = x + r + 1, y1 = y + r + 1;
        const int n = m_Count[Index(x1, y1)] - m_Count[Index(x0, y1)] - m_Count[Index(x1, y0)] + m_Count[Index(x0, y0)];
        if (n != (2 * r + 1) * (2 * r + 1))
            return false;
        *mean = (m_Sum[Index(x1, y1)] - m_Sum[Index(x0, y1)] - m_Sum[Index(x1, y0)] + m_Sum[Index(x0, y0)]) / n;
        return true;
    }

private:
    size_t Index(int x, int y) const { return size_t(y) * size_t(m_lWidth + 1) + size_t(x); }

    int m_lWidth;
    std::vector<double> m_Sum;
    std::vector<int> m_Count;
};

} // namespace

int CStitchAlign::AgreementLayer() const
{
    const CStitchOptions* job = m_pOptions;
    int longest = 0;
    for (int i = 0; i < job->m_Matrix.m_lCount && job->m_Matrix.m_pElements; ++i) {
        const CStitchPyramid& p = job->m_Matrix.m_pElements[i].m_Pyramid;
        longest = std::max({longest, p.m_lWidth, p.m_lHeight});
    }
    int layer = std::max(job->m_lWorkingLayer, 0);
    while (layer < job->m_lDeepestLayer && (longest >> layer) > kAgreementSize)
        ++layer;
    return layer;
}

int CStitchAlign::MeasurePair(int col, int row, bool horizontal, int layer, PairAgreement* out)
{
    CStitchOptions* job = m_pOptions;
    const CStitchMatrix& grid = job->m_Matrix;
    const bool ring = grid.m_Style == StitchStyle360;
    const int ncol = horizontal ? (ring ? (col + 1) % std::max(grid.m_lCols, 1) : col + 1) : col;
    const int nrow = horizontal ? row : row + 1;
    CStitchElement* e = grid.GetElement(col, row);
    CStitchElement* n = grid.GetElement(ncol, nrow);
    if (!out || !e || !n || e == n || layer < 0)
        return StitchBadArgument;
    *out = PairAgreement();
    Grey a, b;
    {
        LayerHold holdA(e, layer), holdB(n, layer);
        if (!holdA.Ok() || !holdB.Ok() || !a.Take(holdA.Image()) || !b.Take(holdB.Image()))
            return StitchBadArgument;
    }

    // Where each of the neighbour's pixels lies in the element under the
    // pair's model, and the element's grey there.
    const CStitchTransform& model = horizontal ? e->m_RightTransform : e->m_LowerTransform;
    const double* m = model.m_Matrix;
    const double zoom = std::ldexp(1.0, layer);
    const bool telephoto = job->m_Method == StitchMethodTelephoto;
    // A telephoto map's shift is in pixels of the layer it was last fitted on.
    const double shiftScale = std::ldexp(1.0, std::max(job->m_lWorkingLayer, 0) - layer);
    const double f = -job->m_dFocalLength / zoom;
    const double cxA = (e->m_Pyramid.m_lWidth - 1) / 2.0 / zoom, cyA = (e->m_Pyramid.m_lHeight - 1) / 2.0 / zoom;
    const double cxB = (n->m_Pyramid.m_lWidth - 1) / 2.0 / zoom, cyB = (n->m_Pyramid.m_lHeight - 1) / 2.0 / zoom;
    if (!telephoto && !(std::isfinite(f) && f < 0.0))
        return StitchOk; // no focal length: nothing carried, nothing judged
    const int w = b.width, h = b.height;
    std::vector<float> carried(size_t(w) * size_t(h), 0.0f);
    std::vector<unsigned char> both(size_t(w) * size_t(h), 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double u, v;
            if (telephoto) {
                u = m[0] * x + m[1] * y + m[2] * shiftScale;
                v = m[3] * x + m[4] * y + m[5] * shiftScale;
            } else {
                const double ray[3] = {x - cxB, y - cyB, f};
                const double wx = m[0] * ray[0] + m[1] * ray[1] + m[2] * ray[2];
                const double wy = m[3] * ray[0] + m[4] * ray[1] + m[5] * ray[2];
                const double wz = m[6] * ray[0] + m[7] * ray[1] + m[8] * ray[2];
                if (!(wz < 0.0))
                    continue; // behind the element's camera
                u = wx / wz * f + cxA;
                v = wy / wz * f + cyA;
            }
            if (!(u >= 0.0 && v >= 0.0 && u < a.width - 1 && v < a.height - 1))
                continue;
            const int ix = int(u), iy = int(v);
            const float fx = float(u - ix), fy = float(v - iy);
            const float top = a.At(ix, iy) + (a.At(ix + 1, iy) - a.At(ix, iy)) * fx;
            const float bottom = a.At(ix, iy + 1) + (a.At(ix + 1, iy + 1) - a.At(ix, iy + 1)) * fx;
            const size_t i = size_t(y) * size_t(w) + size_t(x);
            carried[i] = top + (bottom - top) * fy;
            both[i] = 1;
        }

    // The detail band of both over the common pixels, gathered over the
    // whole overlap and over cells of it.
    const BoxSums sumsA(carried, both, w, h), sumsB(b.values, both, w, h);
    constexpr int kFine = 2, kCoarse = 8, kCell = 16;
    struct Moments
    {
        double a = 0.0, b = 0.0, ab = 0.0, aa = 0.0, bb = 0.0;
        int n = 0;
        void Add(const Moments& m)
        {
            a += m.a, b += m.b, ab += m.ab, aa += m.aa, bb += m.bb, n += m.n;
        }
        // Correlation and the smaller standard deviation.
        void Judge(double* correlation, double* detail) const
        {
            const double varA = aa / n - (a / n) * (a / n), varB = bb / n - (b / n) * (b / n);
            *detail = std::sqrt(std::max(0.0, std::min(varA, varB)));
            *correlation = varA > 0.0 && varB > 0.0 ? (ab / n - (a / n) * (b / n)) / std::sqrt(varA * varB) : 0.0;
        }
    };
    const int cellsX = (w + kCell - 1) / kCell, cellsY = (h + kCell - 1) / kCell;
    std::vector<Moments> cells(size_t(cellsX) * size_t(cellsY));
    for (int y = kCoarse; y < h - kCoarse; ++y)
        for (int x = kCoarse; x < w - kCoarse; ++x) {
            double fineA, coarseA, fineB, coarseB;
            if (!both[size_t(y) * size_t(w) + size_t(x)] || !sumsA.Mean(x, y, kCoarse, &coarseA)
                || !sumsA.Mean(x, y, kFine, &fineA) || !sumsB.Mean(x, y, kFine, &fineB)
                || !sumsB.Mean(x, y, kCoarse, &coarseB))
                continue;
            const double da = fineA - coarseA, db = fineB - coarseB;
            Moments& m = cells[size_t(y / kCell) * size_t(cellsX) + size_t(x / kCell)];
            m.a += da, m.b += db, m.ab += da * db, m.aa += da * da, m.bb += db * db, ++m.n;
        }
    Moments all;
    std::vector<std::pair<double, int>> textured; // correlation, samples
    for (const Moments& m : cells) {
        all.Add(m);
        double correlation, detail;
        if (m.n < kCell * kCell / 2)
            continue;
        m.Judge(&correlation, &detail);
        if (detail >= kMinimumDetail)
            textured.emplace_back(correlation, m.n);
    }
    out->samples = all.n;
    if (all.n == 0)
        return StitchOk;
    all.Judge(&out->correlation, &out->detail);
    std::sort(textured.begin(), textured.end());
    int total = 0;
    for (const auto& t : textured)
        total += t.second;
    out->weakest = out->correlation;
    for (int running = 0, i = 0; i < int(textured.size()); ++i) {
        running += textured[size_t(i)].second;
        if (4 * running >= total) {
            out->weakest = textured[size_t(i)].first;
            break;
        }
    }
    out->judged = all.n >= kMinimumSamples && out->detail >= kMinimumDetail;
    return StitchOk;
}

int CStitchAlign::VerifyPairs()
{
    CStitchOptions* job = m_pOptions;
    const CStitchMatrix& grid = job->m_Matrix;
    const int layer = AgreementLayer();
    auto check = [&](int col, int row, bool horizontal) {
        const CStitchElement* e = grid.GetElement(col, row);
        const bool ring = horizontal && grid.m_Style == StitchStyle360;
        const CStitchElement* n = horizontal ? grid.GetElement(ring ? (col + 1) % grid.m_lCols : col + 1, row)
                                             : grid.GetElement(col, row + 1);
        // A tile pair without twins has no model of its own.
        if (!e || !n || e == n || (horizontal ? e->m_RightTwins.m_lCount : e->m_LowerTwins.m_lCount) == 0)
            return int(StitchOk);
        PairAgreement agreement;
        if (const int code = MeasurePair(col, row, horizontal, layer, &agreement))
            return code;
        return agreement.judged && agreement.weakest < kMinimumCorrelation ? int(StitchPairMismatch) : int(StitchOk);
    };
    for (int row = 0; row < grid.m_lRows; ++row)
        for (int col = 0; col + 1 < grid.m_lCols; ++col)
            if (const int code = check(col, row, true))
                return code;
    for (int col = 0; col < grid.m_lCols; ++col)
        for (int row = 0; row + 1 < grid.m_lRows; ++row)
            if (const int code = check(col, row, false))
                return code;
    if (grid.m_Style == StitchStyle360 && grid.m_lCols > 1)
        return check(grid.m_lCols - 1, 0, true);
    return StitchOk;
}
