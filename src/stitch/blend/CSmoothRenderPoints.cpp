// The seam through a point a user moved: the part of the stored seam between
// two bounds is searched again so that it passes through the point.
#include "stitch/blend/CSmoothRender.h"

#include "stitch/image/CImage.h"
#include "stitch/image/CMask.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/pyramid/CFileManager.h"

#include <QtGlobal>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

namespace {

constexpr std::uint32_t kUnreachable = 0xFFFFFFFFu;

struct GraphPoint
{
    int row = -1;
    int column = -1;
    bool given = false;
};

// The cone search from the moved point (row, column) towards `end` in
// direction step (+1 down, -1 up). Fills back pointers (the column in the
// row one step nearer the point) and returns the last row reached and its
// costs.
struct ConeSearch
{
    int reached = 0;
    std::vector<std::uint32_t> costs;
    std::vector<unsigned short> back; // (|row - point row|) x width, row 0 unused

    bool Run(const unsigned short* graph, int width, int row, int column, int end, int step)
    {
        const int span = std::abs(end - row);
        costs.assign(size_t(width), kUnreachable);
        costs[size_t(column)] = graph[size_t(row) * size_t(width) + size_t(column)];
        back.assign(size_t(span + 1) * size_t(width), (unsigned short)0xFFFF);
        reached = row;
        std::vector<std::uint32_t> cur(static_cast<size_t>(width));
        for (int d = 1; d <= span; ++d) {
            const int r = row + d * step;
            int lo = column - d;
            int hi = column + d;
            if (d == 1) {
                lo = std::max(lo, 1);
                hi = std::min(hi, width - 2);
            }
            lo = std::max(lo, 0);
            hi = std::min(hi, width - 1);
            std::fill(cur.begin(), cur.end(), kUnreachable);
            const unsigned short* g = graph + size_t(r) * size_t(width);
            unsigned short* b = back.data() + size_t(d) * size_t(width);
            bool any = false;
            for (int c = lo; c <= hi; ++c) {
                if (g[c] == CSmoothRender::kUnusable)
                    continue;
                int from = c;
                if (c > 0 && costs[size_t(c - 1)] < costs[size_t(from)])
                    from = c - 1;
                if (c < width - 1 && costs[size_t(c + 1)] < costs[size_t(from)])
                    from = c + 1;
                if (costs[size_t(from)] == kUnreachable)
                    continue;
                cur[size_t(c)] = costs[size_t(from)] + g[c];
                b[c] = (unsigned short)from;
                any = true;
            }
            if (!any)
                return false;
            costs.swap(cur);
            reached = r;
        }
        return true;
    }

    // The column at the far end: the bound's when it was reached, else the
    // first cheapest.
    int EndColumn(int boundColumn, bool useBound) const
    {
        if (useBound && boundColumn >= 0 && boundColumn < int(costs.size()) && costs[size_t(boundColumn)] != kUnreachable)
            return boundColumn;
        std::uint32_t best = kUnreachable;
        int column = 0;
        for (size_t c = 0; c < costs.size(); ++c) {
            if (costs[c] < best) {
                best = costs[c];
                column = int(c);
            }
        }
        return column;
    }
};

} // namespace

int CSmoothRender::SearchRun(tagPOINT element, bool horizontal, tagRECT overlapA, tagRECT overlapB,
                             const tagPOINT* points, bool skip, bool* changed, unsigned short** pathOut)
{
    m_pElement = m_pOptions->m_Matrix.GetElement(element.x, element.y);
    m_bHorizontal = horizontal;
    m_OverlapA = overlapA;
    m_OverlapB = overlapB;
    if (!m_pElement || !points || !changed)
        return StitchBadArgument;
    const bool stripSeam = m_pOptions->m_Matrix.m_Style == StitchStyleTile && !horizontal;
    const int id = stripSeam ? m_pElement->m_lLowerGraphId : m_pElement->m_lRightGraphId;
    unsigned short* graph = nullptr;
    int width = 0;
    int height = 0;
    if (id < 0 || !m_pOptions->m_FileManager.LoadGraphFile(id, graph, width, height))
        return StitchBadArgument;
    std::unique_ptr<unsigned short[]> owned(graph);
    // The graph must be the one of this overlap (transposed for a vertical
    // pair), and the overlap must lie inside both images.
    const int overlapWidth = overlapA.right - overlapA.left;
    const int overlapHeight = overlapA.bottom - overlapA.top;
    const bool sameSize = overlapB.right - overlapB.left == overlapWidth && overlapB.bottom - overlapB.top == overlapHeight;
    const bool matches = horizontal ? (width == overlapWidth && height == overlapHeight)
                                    : (width == overlapHeight && height == overlapWidth);
    if (!sameSize || !matches || !OverlapInside(overlapA, m_pImageA, m_pMaskA)
        || !OverlapInside(overlapB, m_pImageB, m_pMaskB))
        return StitchBadArgument;
    if (width > 65535 || height > 65533)
        return StitchGridOrTempDir;
    m_lWidth = width;
    m_lHeight = height;
    const int layer = std::clamp(m_pOptions->m_lWorkingLayer, 0, 31);
    m_lHalfWidth = std::min((width - 1) / 2, std::max(128 >> layer, width / 8));

    int result = DividingPathByPoints(graph, element, points, skip, changed);
    if (result == 0 && *changed && !skip && m_pPath && m_pPath[0] >= 3) {
        m_lBandWidth = 2 * m_lHalfWidth + 1;
        m_lPathRows = m_pPath[0] - 2;
        result = SetWeightedFlags(graph);
        owned.reset();
        if (result == 0)
            result = StitchWithLaplace(0, 100);
        if (result == 0 && pathOut && *pathOut)
            std::memcpy(*pathOut, m_pPath, size_t(m_pPath[0]) * sizeof(unsigned short));
    }
    delete[] m_pPath;
    m_pPath = nullptr;
    return result;
}

int CSmoothRender::DividingPathByPoints(const unsigned short* graph, tagPOINT element, const tagPOINT* points,
                                        bool skip, bool* changed)
{
    Q_UNUSED(element);
    if (!m_pElement || !points || !changed)
        return 0;
    const bool stripSeam = m_pOptions->m_Matrix.m_Style == StitchStyleTile && !m_bHorizontal;
    const unsigned short* stored = stripSeam ? m_pElement->m_pLowerPath : m_pElement->m_pRightPath;
    if (!stored || stored[0] < 3) {
        *changed = false;
        return 0;
    }
    auto toGraph = [&](const tagPOINT& p) {
        GraphPoint g;
        g.given = p.x != -1 && p.y != -1;
        g.row = m_bHorizontal ? p.y : p.x;
        g.column = m_bHorizontal ? p.x : p.y;
        return g;
    };
    const GraphPoint moved = toGraph(points[0]);
    GraphPoint start = toGraph(points[1]);
    GraphPoint end = toGraph(points[2]);
    const int storedLast = stored[1];
    const int storedFirst = storedLast - stored[0] + 3;
    auto storedColumn = [&](int row) -> int {
        return row >= storedFirst && row <= storedLast ? stored[2 + (storedLast - row)] : -1;
    };

    if (moved.row >= 0 && storedColumn(moved.row) == moved.column && !(start.given && start.row == moved.row)
        && !(end.given && end.row == moved.row)) {
        *changed = false;
        return 0;
    }
    if (points[0].x == -1 && points[0].y == -1) {
        // The whole seam again; it counts as changed when it is long enough
        // to be kept.
        const int found = DividingPathGlobal(graph);
        *changed = found == 0 && m_pPath && m_pPath[0] >= kMinPathRows + 2;
        return found;
    }

    auto onGraph = [&](const GraphPoint& p) {
        return p.row >= 0 && p.row < m_lHeight && p.column >= 0 && p.column < m_lWidth;
    };
    if (!onGraph(moved) || (start.given && !onGraph(start)) || (end.given && !onGraph(end))) {
        *changed = false;
        return 0;
    }
    int windowFirst = 0;
    int windowLast = 0;
    const bool window = PathWindow(graph, &windowFirst, &windowLast);
    if (!start.given && !window) {
        *changed = false;
        return 0;
    }
    const int startRow = start.given ? start.row : windowFirst;
    const int endRow = end.given ? end.row : windowLast;
    if (moved.row < startRow || moved.row > endRow
        || graph[size_t(moved.row) * size_t(m_lWidth) + size_t(moved.column)] == kUnusable) {
        *changed = false;
        return 0;
    }
    if ((!end.given && !window) || skip)
        return 0;

    ConeSearch down;
    ConeSearch up;
    if (!down.Run(graph, m_lWidth, moved.row, moved.column, endRow, +1))
        end.given = false;
    if (!up.Run(graph, m_lWidth, moved.row, moved.column, startRow, -1))
        start.given = false;
    const int segmentEnd = down.reached;
    const int segmentStart = up.reached;
    const int endColumn = down.EndColumn(end.column, end.given);
    const int startColumn = up.EndColumn(start.column, start.given);

    delete[] m_pPath;
    m_pPath = new (std::nothrow) unsigned short[size_t(m_lHeight) + 2]();
    if (!m_pPath)
        return StitchNullArgument;
    // Columns of the segment, row by row.
    std::vector<unsigned short> columns(static_cast<size_t>(segmentEnd - segmentStart + 1));
    int column = endColumn;
    for (int row = segmentEnd; row > moved.row; --row) {
        columns[size_t(row - segmentStart)] = (unsigned short)column;
        column = down.back[size_t(row - moved.row) * size_t(m_lWidth) + size_t(column)];
    }
    column = startColumn;
    for (int row = segmentStart; row < moved.row; ++row) {
        columns[size_t(row - segmentStart)] = (unsigned short)column;
        column = up.back[size_t(moved.row - row) * size_t(m_lWidth) + size_t(column)];
    }
    columns[size_t(moved.row - segmentStart)] = (unsigned short)moved.column;

    // The stored seam outside the segment stays where a bound was given.
    const int last = end.given ? std::max(storedLast, segmentEnd) : segmentEnd;
    const int first = start.given ? std::min(storedFirst, segmentStart) : segmentStart;
    unsigned short* path = m_pPath;
    int words = 2;
    for (int row = last; row >= first; --row) {
        if (row > segmentEnd || row < segmentStart) {
            const int kept = storedColumn(row);
            path[words++] = kept < 0 ? kNoSeamPoint : (unsigned short)kept;
        } else {
            path[words++] = columns[size_t(row - segmentStart)];
        }
    }
    path[0] = (unsigned short)words;
    path[1] = (unsigned short)last;
    *changed = true;
    return 0;
}
