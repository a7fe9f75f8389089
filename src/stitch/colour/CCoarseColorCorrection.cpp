#include "stitch/colour/CCoarseColorCorrection.h"

#include "stitch/colour/CColorCorrection.h"
#include "stitch/image/CImage.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <new>

namespace {

constexpr int kPairSize = 1536;
constexpr int kHalfSize = 768;

void SetIdentity(CStitchElement* element)
{
    for (int c = 0; c < 3; ++c)
        for (int v = 0; v < 256; ++v)
            element->m_ColorTable[256 * c + v] = static_cast<unsigned char>(v);
}

std::unique_ptr<unsigned int[]> ZeroedCounts(int pairs)
{
    return std::unique_ptr<unsigned int[]>(new (std::nothrow) unsigned int[std::size_t(pairs > 0 ? pairs : 1) * kPairSize]());
}

struct HistStats
{
    int median = 0;
    int range = 0;
};

HistStats StatsOf(const unsigned int* h)
{
    unsigned long long gray[256];
    unsigned long long total = 0;
    for (int k = 0; k < 256; ++k) {
        gray[k] = (static_cast<unsigned long long>(h[k]) + h[256 + k] + h[512 + k]) / 3;
        total += gray[k];
    }
    HistStats s;
    if (total == 0)
        return s; // nothing counted: median, minimum and maximum 0
    const unsigned long long half = total / 2;
    unsigned long long running = 0;
    int median = -1, lowest = -1, highest = 0;
    for (int k = 0; k < 256; ++k) {
        running += gray[k];
        if (median < 0 && running > half)
            median = k;
        if (gray[k] > 0) {
            if (lowest < 0)
                lowest = k;
            highest = k;
        }
    }
    s.median = median < 0 ? 0 : median;
    s.range = static_cast<unsigned char>(highest - lowest);
    return s;
}

// One pass of the choice over all histograms but the excluded ones.
int ChooseOnce(const HistStats* stats, int count, int skip1, int skip2)
{
    int choice = 0;
    int range = 0;
    for (int j = 0; j < count; ++j) {
        if (j == skip1 || j == skip2)
            continue;
        const int tolerance = stats[j].range / 10;
        if (stats[j].range - range > tolerance) {
            choice = j;
            range = stats[j].range;
        } else if (range - stats[j].range >= tolerance) {
            continue;
        } else if (stats[j].median > stats[choice].median) {
            choice = j;
            range = stats[j].range;
        }
    }
    return choice;
}

} // namespace

bool CCoarseColorCorrection::GetBestHist(void*, const unsigned int* histograms, int count, int* best, int* second)
{
    int result = 0;
    if (histograms && count > 0) {
        std::unique_ptr<HistStats[]> stats(new (std::nothrow) HistStats[std::size_t(count)]);
        if (stats) {
            for (int j = 0; j < count; ++j)
                stats[j] = StatsOf(histograms + std::size_t(j) * kHalfSize);
            result = ChooseOnce(stats.get(), count, -1, -1);
            if (count >= 3) {
                // The same image seen from its other pair is left out too.
                int twin = -1;
                if (result != 0 && result != count - 1)
                    twin = result % 2 == 1 ? result + 1 : result - 1;
                result = ChooseOnce(stats.get(), count, result, twin);
            }
        }
    }
    if (result < 0 || result >= count)
        result = 0;
    if (best)
        *best = result;
    if (second)
        *second = 0;
    return true;
}

int CCoarseColorCorrection::ComputeHist(unsigned int* out, int col1, int row1, int col2, int row2, int layer,
                                        bool right)
{
    CStitchElement* e1 = m_pOptions->m_Matrix.GetElement(col1, row1);
    CStitchElement* e2 = m_pOptions->m_Matrix.GetElement(col2, row2);
    if (!out || !e1 || !e2 || layer < 0)
        return StitchBadArgument;
    const int zoom = CStitchPyramid::ZoomRatio(layer);
    CImage a, b;
    auto release = [&]() {
        a.Detach();
        b.Detach();
        e1->m_Pyramid.UnlockHDib(layer);
        e2->m_Pyramid.UnlockHDib(layer);
    };
    // Both layers are locked before their depth and size are read: a size
    // read under a lock of its own that the host refused would be 0, and
    // the pair would pass as having no overlap.
    if (a.Attach(e1->m_Pyramid.LockHDib(layer)) != 0 || b.Attach(e2->m_Pyramid.LockHDib(layer)) != 0
        || CImage::LockBoth(a, b) != 0) {
        release();
        return StitchBadArgument;
    }
    auto unlockAndRelease = [&]() {
        a.Unlock();
        b.Unlock();
        release();
    };
    if (a.Header()->biBitCount != 24 || b.Header()->biBitCount != 24) {
        unlockAndRelease();
        return StitchBadArgument;
    }
    tagRECT r1 = e1->m_OverlapRects[right ? 0 : 2];
    tagRECT r2 = e1->m_OverlapRects[right ? 1 : 3];
    if (IsRectEmpty(&r1) || IsRectEmpty(&r2)) {
        unlockAndRelease();
        return StitchGridOrTempDir;
    }
    r1 = tagRECT{r1.left / zoom, r1.top / zoom, r1.right / zoom, r1.bottom / zoom};
    r2 = tagRECT{r2.left / zoom, r2.top / zoom, r2.right / zoom, r2.bottom / zoom};
    // Block matching's rectangles need not fit the layer bitmap exactly.
    const tagRECT bounds1{0, 0, a.Width(), a.Height()};
    const tagRECT bounds2{0, 0, b.Width(), b.Height()};
    if (!IntersectRect(&r1, &r1, &bounds1) || !IntersectRect(&r2, &r2, &bounds2)) {
        unlockAndRelease();
        return StitchGridOrTempDir;
    }
    std::memset(out, 0, sizeof(unsigned int) * kPairSize);
    auto count = [](CImage& image, const tagRECT& r, unsigned int* bins) {
        for (int y = r.top; y < r.bottom; ++y) {
            const unsigned char* p = image.Bits() + std::int64_t(y) * image.Stride() + 3 * r.left;
            for (int x = r.left; x < r.right; ++x, p += 3) {
                ++bins[p[0]];
                ++bins[256 + p[1]];
                ++bins[512 + p[2]];
            }
        }
    };
    count(a, r1, out);
    count(b, r2, out + kHalfSize);
    unlockAndRelease();
    return StitchOk;
}

bool CCoarseColorCorrection::Report()
{
    if (m_bQuiet)
        return false;
    m_dPosition += m_dStep;
    return CStitchOptions::ShowProgress(int(m_dPosition + 0.5));
}

int CCoarseColorCorrection::FitPair(unsigned char* farTable, const unsigned char* nearTable,
                                    const unsigned int* nearHist, const unsigned int* farHist)
{
    CColorCorrection fit;
    unsigned char t[768];
    fit.RunChannels(nearHist, farHist, t);
    for (int c = 0; c < 3; ++c) {
        // The far image goes onto its near neighbour, then through the near
        // neighbour's own table onto the reference.
        for (int v = 0; v < 256; ++v)
            farTable[256 * c + v] = nearTable[256 * c + t[256 * c + v]];
        if (Report())
            return StitchCancelled;
    }
    return StitchOk;
}

int CCoarseColorCorrection::CorrectLine(int layer, bool vertical)
{
    CStitchMatrix& m = m_pOptions->m_Matrix;
    const int n = vertical ? m.m_lRows : m.m_lCols;
    auto element = [&](int i) { return vertical ? m.GetElement(0, i) : m.GetElement(i, 0); };
    const int pairs = n - 1;
    std::unique_ptr<unsigned int[]> hist = ZeroedCounts(pairs);
    if (!hist)
        return StitchNullArgument;
    for (int i = 0; i < pairs; ++i) {
        const int result = vertical ? ComputeHist(hist.get() + i * kPairSize, 0, i, 0, i + 1, layer, false)
                                    : ComputeHist(hist.get() + i * kPairSize, i, 0, i + 1, 0, layer, true);
        if (result != 0)
            return result;
    }
    int reference = -1;
    for (int i = 0; i < n && reference < 0; ++i) {
        if (element(i) && element(i)->m_bColorReference)
            reference = i;
    }
    if (reference < 0) {
        int best = 0, second = 0;
        GetBestHist(nullptr, hist.get(), 2 * pairs, &best, &second);
        reference = (best + 1) / 2;
    }
    if (CStitchElement* e = element(reference))
        SetIdentity(e);
    m_dStep = pairs > 0 ? 20.0 / (3 * n - 3) : 0.0;
    // Toward the start: the image after each pair is the nearer one.
    for (int i = reference - 1; i >= 0; --i) {
        const unsigned int* h = hist.get() + i * kPairSize;
        const int result = FitPair(element(i)->m_ColorTable, element(i + 1)->m_ColorTable, h + kHalfSize, h);
        if (result != 0)
            return result;
    }
    for (int i = reference; i < pairs; ++i) {
        const unsigned int* h = hist.get() + i * kPairSize;
        const int result = FitPair(element(i + 1)->m_ColorTable, element(i)->m_ColorTable, h, h + kHalfSize);
        if (result != 0)
            return result;
    }
    return StitchOk;
}

int CCoarseColorCorrection::CorrectHistLandscape(int layer)
{
    return CorrectLine(layer, false);
}

int CCoarseColorCorrection::CorrectHistSkyscraper(int layer)
{
    return CorrectLine(layer, true);
}

int CCoarseColorCorrection::CorrectHistPanorama()
{
    const int n = m_pOptions->m_Matrix.m_lCount;
    m_dStep = n > 0 ? 20.0 / n : 0.0;
    for (int i = 0; i < n; ++i) {
        SetIdentity(&m_pOptions->m_Matrix.m_pElements[i]);
        if (Report())
            return StitchCancelled;
    }
    return StitchOk;
}

int CCoarseColorCorrection::CorrectHistWideangle(int layer)
{
    CStitchMatrix& m = m_pOptions->m_Matrix;
    const int cols = m.m_lCols, rows = m.m_lRows;
    // One column would also leave no horizontal histogram to choose from.
    if (rows < 2 || cols < 2)
        return StitchNoOrder;
    const int rowPairs = cols - 1;
    std::unique_ptr<unsigned int[]> across = ZeroedCounts(rowPairs * rows);
    std::unique_ptr<unsigned int[]> down = ZeroedCounts(rows - 1);
    if (!across || !down)
        return StitchNullArgument;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < rowPairs; ++c) {
            if (!m.GetElement(c, r) || !m.GetElement(c + 1, r))
                continue;
            const int result = ComputeHist(across.get() + (rowPairs * r + c) * kPairSize, c, r, c + 1, r, layer, true);
            if (result != 0)
                return result;
        }

    int refCol = -1, refRow = -1;
    for (int r = 0; r < rows && refCol < 0; ++r)
        for (int c = 0; c < cols && refCol < 0; ++c)
            if (m.GetElement(c, r) && m.GetElement(c, r)->m_bColorReference) {
                refCol = c;
                refRow = r;
            }
    auto choose = [&]() {
        int best = 0, second = 0;
        GetBestHist(nullptr, across.get(), 2 * rowPairs * rows, &best, &second);
        refRow = best / (2 * rowPairs);
        refCol = (best % (2 * rowPairs) + 1) / 2;
    };
    if (refCol < 0)
        choose();
    auto takeDown = [&]() {
        std::memset(down.get(), 0, sizeof(unsigned int) * kPairSize * std::size_t(rows - 1));
        for (int r = 0; r + 1 < rows; ++r) {
            if (!m.GetElement(refCol, r) || !m.GetElement(refCol, r + 1))
                continue;
            const int result = ComputeHist(down.get() + r * kPairSize, refCol, r, refCol, r + 1, layer, false);
            if (result != 0)
                return result;
        }
        return 0;
    };
    if (takeDown() != 0) {
        choose();
        const int result = takeDown();
        if (result != 0)
            return result;
    }

    if (CStitchElement* e = m.GetElement(refCol, refRow))
        SetIdentity(e);
    m_dStep = 20.0 / (3 * cols * rows - 3);
    auto fit = [&](int farCol, int farRow, int nearCol, int nearRow, const unsigned int* nearHist,
                   const unsigned int* farHist) {
        CStitchElement* farE = m.GetElement(farCol, farRow);
        CStitchElement* nearE = m.GetElement(nearCol, nearRow);
        if (!farE || !nearE)
            return 0;
        return FitPair(farE->m_ColorTable, nearE->m_ColorTable, nearHist, farHist);
    };
    for (int r = refRow - 1; r >= 0; --r) {
        const unsigned int* h = down.get() + r * kPairSize;
        if (const int result = fit(refCol, r, refCol, r + 1, h + kHalfSize, h))
            return result;
    }
    for (int r = refRow + 1; r < rows; ++r) {
        const unsigned int* h = down.get() + (r - 1) * kPairSize;
        if (const int result = fit(refCol, r, refCol, r - 1, h, h + kHalfSize))
            return result;
    }
    for (int r = 0; r < rows; ++r) {
        for (int c = refCol - 1; c >= 0; --c) {
            const unsigned int* h = across.get() + (rowPairs * r + c) * kPairSize;
            if (const int result = fit(c, r, c + 1, r, h + kHalfSize, h))
                return result;
        }
        for (int c = refCol + 1; c < cols; ++c) {
            const unsigned int* h = across.get() + (rowPairs * r + c - 1) * kPairSize;
            if (const int result = fit(c, r, c - 1, r, h, h + kHalfSize))
                return result;
        }
    }
    return StitchOk;
}

int CCoarseColorCorrection::Run(int layer, bool quiet)
{
    m_bQuiet = quiet;
    m_dPosition = 80.0;
    m_dStep = 0.0;
    if (!m_pOptions)
        return StitchNoOrder;
    const CStitchMatrix& m = m_pOptions->m_Matrix;
    if (!m.m_pElements || m.m_lCount <= 0 || m.m_lCols <= 0 || m.m_lRows <= 0)
        return StitchNoOrder;
    // A row and a column chain their tables along the line, a tile grid
    // along its rows from the reference column; a ring keeps every photo's
    // colours (its brightness is evened out at render time).
    if (m.m_Style == StitchStyleHorizontal)
        return CorrectHistLandscape(layer);
    if (m.m_Style == StitchStyleVertical)
        return CorrectHistSkyscraper(layer);
    if (m.m_Style == StitchStyle360)
        return CorrectHistPanorama();
    if (m.m_Style == StitchStyleTile)
        return CorrectHistWideangle(layer);
    return int(m.m_Style);
}
