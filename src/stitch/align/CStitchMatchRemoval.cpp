#include "stitch/align/CStitchMatch.h"

#include "stitch/align/CStitchMatchLayerPair.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchElementSwap.h"
#include "stitch/job/CStitchOptions.h"

#include <cstdint>

void CStitchMatch::RefineOverlapRegion(PointTwinList* twins, int layer, CStitchElement* e, CStitchElement* n,
                                       bool horizontal)
{
    if (!twins || !e || !n || twins->m_lCount <= 0)
        return;
    const int count = twins->m_lCount;
    std::int64_t sx = 0, sy = 0;
    for (int i = 0; i < count; ++i) {
        sx += twins->m_Twins[i][0].x - twins->m_Twins[i][1].x;
        sy += twins->m_Twins[i][0].y - twins->m_Twins[i][1].y;
    }
    const int zoom = CStitchPyramid::ZoomRatio(layer);
    const int ox = int(sx / count) * zoom;
    const int oy = int(sy / count) * zoom;

    const CStitchMatrix& m = m_pOptions->m_Matrix;
    const int size = horizontal ? e->m_Pyramid.m_lWidth : e->m_Pyramid.m_lHeight;
    if (size > 0 && double(horizontal ? ox : oy) / size < 0.1 && m.m_Style != StitchStyleTile && m.m_lCount >= 3) {
        // On a ring's closing pair the image to drop is the last one: the
        // first stays where the ring starts.
        const bool closing = m.m_Style == StitchStyle360 && n == m.GetElement(0, 0);
        (closing ? e : n)->m_bInGrid = false;
    }
    StoreOverlapRects(e, n, ox, oy, horizontal);
}

tagPOINT CStitchMatch::CalcOtherShiftValues(int colP, int rowP, int colE, int rowE, int colN, int rowN, int layer,
                                            bool horizontal)
{
    const CStitchMatrix& m = m_pOptions->m_Matrix;
    CStitchElement* p = m.GetElement(colP, rowP);
    CStitchElement* e = m.GetElement(colE, rowE);
    CStitchElement* n = m.GetElement(colN, rowN);
    if (!p || !e || !n)
        return tagPOINT{0, 0};
    const int slot = horizontal ? 0 : 2;
    // A pair's offset is where its overlap starts in the owner less where
    // it starts in the neighbour.
    auto offset = [slot](const CStitchElement* owner) {
        const tagRECT& here = owner->m_OverlapRects[slot];
        const tagRECT& there = owner->m_OverlapRects[slot + 1];
        return tagPOINT{here.left - there.left, here.top - there.top};
    };
    const tagPOINT a = offset(p), b = offset(e);
    const tagPOINT o{a.x + b.x, a.y + b.y};
    StoreOverlapRects(p, n, o.x, o.y, horizontal);
    const int zoom = CStitchPyramid::ZoomRatio(layer);
    return tagPOINT{o.x / zoom, o.y / zoom};
}

bool CStitchMatch::IsOverlapTooLarge(int col1, int row1, int col2, int row2, int layer, bool horizontal)
{
    CStitchMatrix& m = m_pOptions->m_Matrix;
    if (m_pOptions->m_Method == StitchMethodTelephoto || m.m_lCount == 2
        || (m.m_Style != StitchStyleHorizontal && m.m_Style != StitchStyleVertical && m.m_Style != StitchStyle360))
        return false;
    CStitchElement* e = m.GetElement(col1, row1);
    CStitchElement* n = m.GetElement(col2, row2);
    if (!e || !n || (e->m_bInGrid && n->m_bInGrid))
        return false;

    int& length = horizontal ? m.m_lCols : m.m_lRows;
    const int position = horizontal ? col1 : row1;
    if (!e->m_bInGrid) {
        // The first image has no predecessor to match across it; it stays.
        if (position == 0) {
            e->m_bInGrid = true;
            return false;
        }
        const int colP = horizontal ? col1 - 1 : col1;
        const int rowP = horizontal ? row1 : row1 - 1;
        n->m_bInGrid = true;
        const tagPOINT shift = CalcOtherShiftValues(colP, rowP, col1, row1, col2, row2, layer, horizontal);
        // e's record moves to the end of the row (column), just outside the
        // shrunken grid; a ring's closing neighbour is the first image,
        // which keeps its place.
        const bool closing = m.m_Style == StitchStyle360 && col2 == 0 && row2 == 0;
        for (int i = position; i + 1 < length; ++i)
            SwapElementRecords(&m.m_pElements[i], &m.m_pElements[i + 1]);
        --length;
        --m.m_lCount;
        const int colN = closing ? 0 : col1;
        const int rowN = closing ? 0 : row1;
        return SearchModifyCandidates(shift, colP, rowP, colN, rowN, layer, horizontal) == 0;
    }
    if ((horizontal ? col2 : row2) == length - 1) {
        --length;
        --m.m_lCount;
    }
    return false;
}

int CStitchMatch::SearchModifyCandidates(tagPOINT shift, int col1, int row1, int col2, int row2, int layer,
                                         bool horizontal)
{
    CStitchElement* e = m_pOptions->m_Matrix.GetElement(col1, row1);
    CStitchElement* n = m_pOptions->m_Matrix.GetElement(col2, row2);
    if (!e || !n)
        return StitchBadArgument;
    PointTwinList& twins = horizontal ? e->m_RightTwins : e->m_LowerTwins;
    {
        CStitchMatchLayerPair pair(e, n, layer);
        if (!pair.IsValid())
            return StitchBadArgument;
        const int W = pair.Width(), H = pair.Height();
        const int zoom = CStitchPyramid::ZoomRatio(layer);
        bool& defaulted = horizontal ? e->m_bRightDefault : e->m_bLowerDefault;
        const tagRECT& full = e->m_OverlapRects[horizontal ? 1 : 3];
        tagRECT region{full.left / zoom, full.top / zoom, full.right / zoom, full.bottom / zoom};
        defaulted = false;

        bool matched = false;
        const int extent = horizontal ? region.right - region.left : region.bottom - region.top;
        if (extent >= 13) {
            region = tagRECT{region.left + 4, region.top + 4, region.right - 3, region.bottom - 3};
            tagPOINT corners[40];
            const int found = pair.Corners(region, corners);
            if (found > 2 && !IsCoLine(found, corners)) {
                twins.m_lCount = 0;
                const tagRECT bounds{0, 0, W - 1, H - 1};
                const tagRECT inner{2, 2, W - 2, H - 2};
                for (int i = 0; i < found; ++i) {
                    const tagPOINT p = corners[i];
                    tagRGBTRIPLE block[8][8];
                    if (!pair.Block(p, block))
                        continue;
                    tagPOINT q{p.x + shift.x, p.y + shift.y};
                    const tagRECT wanted{q.x - 11, q.y - 11, q.x + 11, q.y + 11};
                    tagRECT window;
                    IntersectRect(&window, &wanted, &bounds);
                    const double score = SearchMatch(pair.A(), block, window, &q);
                    if (score >= 0.0 && PtInRect(&inner, q) && twins.m_lCount < PointTwinList::kCapacity) {
                        twins.m_Twins[twins.m_lCount][0] = q;
                        twins.m_Twins[twins.m_lCount][1] = p;
                        ++twins.m_lCount;
                    }
                }
                RemoveWrongTwins(&twins, W, H, horizontal);
                matched = twins.m_lCount > 2;
            }
        }
        if (!matched) {
            SetShiftDefaultFeatures(&twins, region, horizontal, &shift);
            defaulted = true;
        }
    }
    RefineOverlapRegion(&twins, layer, e, n, horizontal);
    return 0;
}
