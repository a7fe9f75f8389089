#include "stitch/style/CAutoStyle.h"

#include "stitch/image/CImage.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/order/CAutoOrder.h"
#include "stitch/sift/APMK.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

bool IsCloseScore(double best, double second)
{
    if (second == kNoOrderScore)
        return false;
    // Identical photos score 0: only an equal second is close then.
    if (best <= 0.0)
        return second <= best;
    return (second - best) / best < 0.21;
}

int DecideStitchStyle(double tile, double row, double column,
                      const std::function<int(StyleChallenge, bool*)>& challenge, tagStitchStyle* style)
{
    if (tile == kNoOrderScore && row == kNoOrderScore && column == kNoOrderScore)
        return StitchNoOrder;
    auto settle = [&](StyleChallenge which, tagStitchStyle challenger, tagStitchStyle holder) {
        bool confirmed = false;
        const int code = challenge ? challenge(which, &confirmed) : 0;
        if (code == 0)
            *style = confirmed ? challenger : holder;
        return code;
    };
    if (tile > row && column > row) {
        *style = StitchStyleHorizontal;
        if (tile <= column)
            return IsCloseScore(row, tile) ? settle(StyleChallenge::TileOverRow, StitchStyleTile, StitchStyleHorizontal)
                                           : 0;
        return IsCloseScore(row, column)
                   ? settle(StyleChallenge::ColumnOverRow, StitchStyleVertical, StitchStyleHorizontal)
                   : 0;
    }
    if (column < row && column < tile) {
        *style = StitchStyleVertical;
        if (tile <= row)
            return IsCloseScore(column, tile)
                       ? settle(StyleChallenge::TileOverColumn, StitchStyleTile, StitchStyleVertical)
                       : 0;
        return IsCloseScore(column, row)
                   ? settle(StyleChallenge::ColumnOverRow, StitchStyleVertical, StitchStyleHorizontal)
                   : 0;
    }
    *style = StitchStyleTile;
    if (column <= row)
        return IsCloseScore(tile, column)
                   ? settle(StyleChallenge::TileOverColumn, StitchStyleTile, StitchStyleVertical)
                   : 0;
    return IsCloseScore(tile, row) ? settle(StyleChallenge::TileOverRow, StitchStyleTile, StitchStyleHorizontal) : 0;
}

namespace {

// TileCellElement's answer for a cell no photo was placed in.
constexpr int kNoElement = -1;

// Maps the reports of the style choice (each 0..100) into the caller's
// range, by standing in for the host's progress callback while it runs.
class ProgressRange
{
public:
    ProgressRange(int start, int end)
        : m_active(start != 0 || end != 100)
    {
        if (!m_active)
            return;
        s_host = CStitchOptions::m_pfnShowProgress;
        s_user = CStitchOptions::m_pUserData;
        s_start = start;
        s_end = end;
        CStitchOptions::m_pfnShowProgress = &ProgressRange::report;
    }
    ~ProgressRange()
    {
        if (m_active)
            CStitchOptions::m_pfnShowProgress = s_host;
    }
    ProgressRange(const ProgressRange&) = delete;
    ProgressRange& operator=(const ProgressRange&) = delete;

private:
    static void report(int percent, bool* cancel, void*)
    {
        if (s_host)
            s_host(s_start + percent * (s_end - s_start) / 100, cancel, s_user);
    }

    bool m_active;
    static inline void (*s_host)(int, bool*, void*) = nullptr;
    static inline void* s_user = nullptr;
    static inline int s_start = 0;
    static inline int s_end = 100;
};

struct SiftObjectDeleter
{
    void operator()(SIFTObject* object) const { APMK_ReleaseObject(&object); }
};
using SiftHandle = std::unique_ptr<SIFTObject, SiftObjectDeleter>;

// One run of the style choice over a job; see AutoStyleOptimizeRun.
class CAutoStyle
{
public:
    explicit CAutoStyle(CStitchOptions* job)
        : m_pJob(job)
        , m_lCount(job->m_Matrix.m_lCount)
    {
    }
    ~CAutoStyle() { ReleaseOrderLists(); }

    // With `only`, the trials are followed by that challenge alone, whose
    // verdict goes to *confirmed; nothing is chosen or permuted.
    int Run(int maxCols, int maxRows, const StyleChallenge* only = nullptr, bool* confirmed = nullptr);

private:
    int RunTrial(CAutoOrder& trial, tagStitchStyle style, int cols, int rows, int maxCols, int maxRows);
    void ChooseOrderingLayer();
    int Challenge(StyleChallenge which, bool* confirmed);
    int RowAgainstColumn(bool* column);
    int TileAgainstRow(bool* tile);
    int TileAgainstColumn(bool* tile);
    int RingTest(bool* ring);
    // The element shown in cell i of the tile arrangement. The tile trial
    // rewrites its cells to grid positions, and the elements are not yet
    // moved there: the saved targets tell which photo each cell holds.
    int TileCellElement(int cell) const;
    int PairTest(int a, int b, int layer, tagPOINT offset, bool* confirmed);
    int Detect(int element, int layer, const tagRECT& region, SiftHandle* out);
    void SetGrid(tagStitchStyle style, int cols, int rows);
    // The candidate lists outlive a trial in style search; a choice that
    // ends early must not leave them behind.
    void ReleaseOrderLists();

    CStitchOptions* m_pJob;
    int m_lCount;
    std::vector<tagPOINT> m_Targets; // 2n: after the tile trial, after the row trial
    CAutoOrder* m_pTile = nullptr;
    CAutoOrder* m_pRow = nullptr;
    CAutoOrder* m_pColumn = nullptr;
    int m_lTileCols = 0;
    int m_lTileRows = 0;
};

void CAutoStyle::SetGrid(tagStitchStyle style, int cols, int rows)
{
    m_pJob->m_Matrix.m_Style = style;
    m_pJob->m_Matrix.m_lCols = cols;
    m_pJob->m_Matrix.m_lRows = rows;
}

void CAutoStyle::ReleaseOrderLists()
{
    CStitchMatrix& grid = m_pJob->m_Matrix;
    if (!grid.m_pElements)
        return;
    for (int i = 0; i < grid.m_lCount; ++i)
        for (void*& slot : grid.m_pElements[i].m_pOrderData) {
            delete static_cast<COrderList*>(slot);
            slot = nullptr;
        }
}

int CAutoStyle::RunTrial(CAutoOrder& trial, tagStitchStyle style, int cols, int rows, int maxCols, int maxRows)
{
    SetGrid(style, cols, rows);
    const int code = trial.Run(maxCols, maxRows, true);
    if (code != 0)
        CStitchOptions::ShowProgress(100);
    return code;
}

void CAutoStyle::ChooseOrderingLayer()
{
    const CStitchElement* smallest = nullptr;
    long long least = 0;
    for (int i = 0; i < m_lCount; ++i) {
        const CStitchElement& e = m_pJob->m_Matrix.m_pElements[i];
        const long long area = (long long)e.m_Pyramid.m_lWidth * e.m_Pyramid.m_lHeight;
        if (!smallest || area < least) {
            smallest = &e;
            least = area;
        }
    }
    if (!smallest)
        return;
    int w = smallest->m_Pyramid.m_lWidth / 2;
    int h = smallest->m_Pyramid.m_lHeight / 2;
    int layer = 0;
    while (std::max(w, h) > 255) {
        w /= 2;
        h /= 2;
        ++layer;
    }
    layer = std::min(layer, m_pJob->m_lDeepestLayer);
    m_pJob->m_lOrderingLayer = std::max(layer, m_pJob->m_lWorkingLayer);
}

int CAutoStyle::Run(int maxCols, int maxRows, const StyleChallenge* only, bool* confirmed)
{
    const int n = m_lCount;
    CAutoOrder tile(m_pJob, 0);
    CAutoOrder row(m_pJob, 0);
    CAutoOrder column(m_pJob, 0);
    m_pTile = &tile;
    m_pRow = &row;
    m_pColumn = &column;
    try {
        m_Targets.assign(size_t(2 * n), tagPOINT{0, 0});
    } catch (const std::bad_alloc&) {
        return StitchNullArgument;
    }

    double T = kNoOrderScore;
    if (!CAutoOrder::IsPrimeNumber(n)) {
        if (const int code = RunTrial(tile, StitchStyleTile, n, 1, maxCols, maxRows))
            return code;
        T = tile.m_dMeanScore;
        if (T != kNoOrderScore) {
            for (int i = 0; i < n; ++i) {
                const CStitchElement& e = m_pJob->m_Matrix.m_pElements[i];
                m_Targets[size_t(i)] = {e.m_lOrderValues[2], e.m_lOrderValues[3]};
            }
            m_lTileCols = m_pJob->m_Matrix.m_lCols;
            m_lTileRows = m_pJob->m_Matrix.m_lRows;
        }
    }
    if (const int code = RunTrial(row, StitchStyleHorizontal, n, 1, maxCols, maxRows))
        return code;
    const double H = row.m_dMeanScore;
    if (H != kNoOrderScore)
        for (int i = 0; i < n; ++i)
            if (const CStitchElement* e = m_pJob->m_Matrix.GetElement(i, 0))
                m_Targets[size_t(n + i)] = {e->m_lOrderValues[2], e->m_lOrderValues[3]};
    if (const int code = RunTrial(column, StitchStyleVertical, 1, n, maxCols, maxRows))
        return code;
    const double V = column.m_dMeanScore;

    ChooseOrderingLayer();
    if (only)
        return Challenge(*only, confirmed);

    tagStitchStyle style = StitchStyleHorizontal;
    const int decided = DecideStitchStyle(
        T, H, V, [this](StyleChallenge which, bool* confirmed) { return Challenge(which, confirmed); }, &style);
    if (decided != 0)
        return decided;
    if (style == StitchStyleVertical)
        SetGrid(StitchStyleVertical, 1, n);
    else if (style == StitchStyleTile)
        SetGrid(StitchStyleTile, m_lTileCols, m_lTileRows);
    else
        SetGrid(StitchStyleHorizontal, n, 1);

    if (style != StitchStyleVertical) {
        const size_t from = style == StitchStyleTile ? 0 : size_t(n);
        for (int i = 0; i < n; ++i) {
            CStitchElement& e = m_pJob->m_Matrix.m_pElements[i];
            e.m_lOrderValues[2] = m_Targets[from + size_t(i)].x;
            e.m_lOrderValues[3] = m_Targets[from + size_t(i)].y;
        }
    }

    if (style == StitchStyleHorizontal && n > 8) {
        bool ring = false;
        if (const int code = RingTest(&ring))
            return code;
        if (ring)
            m_pJob->m_Matrix.m_Style = StitchStyle360;
    }

    ReleaseOrderLists();
    // The trial of the chosen style puts the elements in its order; a ring
    // is a row that closes.
    const tagStitchStyle chosen = m_pJob->m_Matrix.m_Style;
    CAutoOrder& trial = chosen == StitchStyleVertical ? column : chosen == StitchStyleTile ? tile : row;
    trial.StartupPermuteElementInfo();
    m_pJob->m_lRenderKind = chosen == StitchStyleTile ? RenderSpherical : RenderCylindrical;
    return 0;
}

int CAutoStyle::Challenge(StyleChallenge which, bool* confirmed)
{
    switch (which) {
    case StyleChallenge::TileOverRow: return TileAgainstRow(confirmed);
    case StyleChallenge::TileOverColumn: return TileAgainstColumn(confirmed);
    case StyleChallenge::ColumnOverRow: return RowAgainstColumn(confirmed);
    }
    return 0;
}

int CAutoStyle::TileCellElement(int cell) const
{
    const tagPOINT p = {cell % m_lTileCols, cell / m_lTileCols};
    for (int i = 0; i < m_lCount; ++i)
        if (m_Targets[size_t(i)].x == p.x && m_Targets[size_t(i)].y == p.y)
            return i;
    return kNoElement;
}

int CAutoStyle::RowAgainstColumn(bool* column)
{
    *column = false;
    SetGrid(StitchStyleHorizontal, m_lCount, 1);
    const std::vector<MATCH_DATA>& best = m_pRow->m_Best;
    if (m_lCount < 2 || best.size() != size_t(m_lCount))
        return 0;
    const int deepest = m_pJob->m_lDeepestLayer;
    const int layer = m_pJob->m_lOrderingLayer;
    const int W = CStitchPyramid::m_lMaxW >> deepest;
    const int quarterH = CStitchPyramid::m_lMaxH >> (deepest + 2);
    for (int i = 0; i + 1 < m_lCount; ++i) {
        const tagPOINT d = best[size_t(i)].firstOffset;
        if (d.y < quarterH && (d.x > d.y || std::abs(d.x) < W / 10))
            continue;
        const int shift = deepest - layer;
        bool confirmed = false;
        if (const int code = PairTest(best[size_t(i)].position.x, best[size_t(i + 1)].position.x, layer,
                                      {d.x * (1 << shift), d.y * (1 << shift)}, &confirmed))
            return code;
        if (confirmed) {
            *column = true;
            return 0;
        }
    }
    return 0;
}

int CAutoStyle::TileAgainstRow(bool* tile)
{
    *tile = false;
    if (m_lTileCols < 1 || m_lTileRows < 1)
        return 0;
    SetGrid(StitchStyleTile, m_lTileCols, m_lTileRows);
    const std::vector<MATCH_DATA>& best = m_pTile->m_Best;
    if (best.size() != size_t(m_lCount) || m_lTileCols * m_lTileRows != m_lCount)
        return 0;
    const int deepest = m_pJob->m_lDeepestLayer;
    const int layer = m_pJob->m_lOrderingLayer;
    const int W = CStitchPyramid::m_lMaxW >> deepest;
    const int quarterH = CStitchPyramid::m_lMaxH >> (deepest + 2);
    for (int c = 0; c < m_lTileCols; ++c)
        for (int r = 1; r < m_lTileRows; ++r) {
            const int above = (r - 1) * m_lTileCols + c;
            const tagPOINT d = best[size_t(above)].secondOffset;
            if (d.y < quarterH && (d.x > d.y || std::abs(d.x) < W / 10))
                continue;
            const int shift = deepest - layer;
            bool confirmed = false;
            if (const int code = PairTest(TileCellElement(above), TileCellElement(above + m_lTileCols), layer,
                                          {d.x * (1 << shift), d.y * (1 << shift)}, &confirmed))
                return code;
            if (confirmed) {
                *tile = true;
                return 0;
            }
        }
    return 0;
}

int CAutoStyle::TileAgainstColumn(bool* tile)
{
    *tile = false;
    if (m_lTileCols < 1 || m_lTileRows < 1)
        return 0;
    SetGrid(StitchStyleTile, m_lTileCols, m_lTileRows);
    const std::vector<MATCH_DATA>& best = m_pTile->m_Best;
    if (best.size() != size_t(m_lCount) || m_lTileCols * m_lTileRows != m_lCount)
        return 0;
    const int deepest = m_pJob->m_lDeepestLayer;
    const int layer = m_pJob->m_lOrderingLayer;
    const int quarterW = CStitchPyramid::m_lMaxW >> (deepest + 2);
    const int H0 = CStitchPyramid::m_lMaxH >> deepest;
    for (int r = 0; r < m_lTileRows; ++r)
        for (int c = 0; c + 1 < m_lTileCols; ++c) {
            const int left = r * m_lTileCols + c;
            const tagPOINT d = best[size_t(left)].firstOffset;
            if (d.x < quarterW && (d.x < d.y || std::abs(d.y) < H0 / 10))
                continue;
            const int shift = deepest - layer;
            bool confirmed = false;
            if (const int code = PairTest(TileCellElement(left), TileCellElement(left + 1), layer,
                                          {d.x * (1 << shift), d.y * (1 << shift)}, &confirmed))
                return code;
            if (confirmed) {
                *tile = true;
                return 0;
            }
        }
    return 0;
}

int CAutoStyle::RingTest(bool* ring)
{
    *ring = false;
    const std::vector<MATCH_DATA>& best = m_pRow->m_Best;
    if (best.size() != size_t(m_lCount))
        return 0;
    const int deepest = m_pJob->m_lDeepestLayer;
    const int ordering = m_pJob->m_lOrderingLayer;
    const int working = m_pJob->m_lWorkingLayer;
    const MATCH_DATA& last = best.back();
    const tagPOINT d = last.firstOffset;
    const int W = CStitchPyramid::m_lMaxW >> deepest;
    int layer;
    if (m_lCount < 21 || (W > 0 && double(d.x) / W >= 0.4))
        layer = ordering > working ? ordering - 1 : working;
    else
        layer = std::max(ordering, working);
    if (d.x < d.y && d.x < (CStitchPyramid::m_lMaxW >> (deepest + 2)))
        return 0;
    const int shift = std::max(deepest - layer, 0);
    return PairTest(last.position.x, best.front().position.x, layer, {d.x * (1 << shift), d.y * (1 << shift)},
                    ring);
}

int CAutoStyle::PairTest(int a, int b, int layer, tagPOINT offset, bool* confirmed)
{
    *confirmed = false;
    if (a < 0 || b < 0 || a >= m_lCount || b >= m_lCount)
        return StitchBadArgument;
    const CStitchElement& ea = m_pJob->m_Matrix.m_pElements[a];
    const CStitchElement& eb = m_pJob->m_Matrix.m_pElements[b];
    tagRECT rectA, rectB, regionA, regionB;
    SetRect(&rectA, 0, 0, (ea.m_Pyramid.m_lWidth - 1) >> layer, (ea.m_Pyramid.m_lHeight - 1) >> layer);
    SetRect(&rectB, 0, 0, (eb.m_Pyramid.m_lWidth - 1) >> layer, (eb.m_Pyramid.m_lHeight - 1) >> layer);
    tagRECT moved = rectB;
    OffsetRect(&moved, offset.x, offset.y);
    IntersectRect(&regionA, &rectA, &moved);
    moved = rectA;
    OffsetRect(&moved, -offset.x, -offset.y);
    IntersectRect(&regionB, &rectB, &moved);

    SiftHandle first;
    if (const int code = Detect(a, layer, regionA, &first))
        return code;
    SiftHandle second;
    if (const int code = Detect(b, layer, regionB, &second))
        return code;
    if (!first || !second)
        return 0;
    std::vector<tagSIFTPOINT> pairs;
    *confirmed = APMK_SIFTMatching(first.get(), second.get(), &pairs) > 0;
    return 0;
}

int CAutoStyle::Detect(int element, int layer, const tagRECT& region, SiftHandle* out)
{
    out->reset();
    CStitchElement& e = m_pJob->m_Matrix.m_pElements[element];
    if (!e.m_bInUse)
        return StitchBadArgument;
    void* handle = e.m_Pyramid.LockHDib(layer);
    if (!handle)
        return StitchBadArgument;
    CImage image;
    if (image.Attach(handle) != 0 || image.Lock() != 0 || image.BitCount() != 24) {
        image.Detach();
        e.m_Pyramid.UnlockHDib(layer);
        return StitchBadArgument;
    }
    // Offsets from the ordering come from photos of other sizes: keep the
    // copy on this layer's pixels.
    tagRECT bounds, area;
    SetRect(&bounds, 0, 0, image.Width(), image.Height());
    IntersectRect(&area, &region, &bounds);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        image.Unlock();
        image.Detach();
        e.m_Pyramid.UnlockHDib(layer);
        return 0;
    }
    const int stride = (3 * width + 3) & ~3;
    std::vector<unsigned char> copy;
    try {
        copy.assign(size_t(stride) * size_t(height), 255);
    } catch (const std::bad_alloc&) {
        image.Unlock();
        image.Detach();
        e.m_Pyramid.UnlockHDib(layer);
        return StitchNullArgument;
    }
    for (int y = 0; y < height; ++y)
        std::memcpy(copy.data() + size_t(y) * stride,
                    image.Bits() + size_t(area.top + y) * image.Stride() + size_t(3) * area.left, size_t(3) * width);
    image.Unlock();
    image.Detach();
    e.m_Pyramid.UnlockHDib(layer);

    const _tagPixelArray pixels = {0, width, height, stride, copy.data()};
    SiftHandle object(APMK_CreateObject(&pixels));
    if (!object)
        return StitchNullArgument;
    const int code = APMK_SIFTDetecting(object.get(), 0, 0, CStitchOptions::m_pUserData,
                                        CStitchOptions::m_pfnShowProgress);
    if (code != 0)
        return code;
    *out = std::move(object);
    return 0;
}

} // namespace

namespace {

bool PrepareStyleChoice(CStitchOptions* job)
{
    if (!job || !job->m_Matrix.m_pElements || job->m_Matrix.m_lCount < 1)
        return false;
    // The trials order the whole element array as one row first, and the
    // tile trial chooses its grid whatever an earlier ordering was told.
    job->m_Matrix.m_lCols = job->m_Matrix.m_lCount;
    job->m_Matrix.m_lRows = 1;
    job->m_bAutoGrid = true;
    return true;
}

} // namespace

int AutoStyleChallenge(CStitchOptions* job, int maxCols, int maxRows, StyleChallenge which, bool* confirmed)
{
    if (!confirmed || !PrepareStyleChoice(job))
        return StitchBadArgument;
    *confirmed = false;
    CAutoStyle style(job);
    return style.Run(maxCols, maxRows, &which, confirmed);
}

int AutoStyleOptimizeRun(CStitchOptions* job, int maxCols, int maxRows, int progressStart, int progressEnd)
{
    if (!PrepareStyleChoice(job))
        return StitchBadArgument;
    ProgressRange range(progressStart, progressEnd);
    CAutoStyle style(job);
    return style.Run(maxCols, maxRows);
}
