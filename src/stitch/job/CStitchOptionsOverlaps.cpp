#include "stitch/job/CStitchOptions.h"

#include "stitch/image/CImage.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/NeighbourPairs.h"

#include <new>

namespace {

// The element record of a cell, in use or not, or null past the array.
CStitchElement* Cell(const CStitchMatrix& matrix, int col, int row)
{
    const int index = row * matrix.m_lCols + col;
    if (!matrix.m_pElements || index < 0 || index >= matrix.m_lCount)
        return nullptr;
    return &matrix.m_pElements[index];
}

const tagRECT kNone = {0, 0, 0, 0};

const tagRECT* PlacementOf(const CStitchElement* element)
{
    return element ? &element->m_Placement : &kNone;
}

} // namespace

bool CStitchOptions::CalcOverlapRects(tagRECT** rects, int* count)
{
    if (!rects || !count)
        return false;
    delete[] *rects;
    *rects = nullptr;
    *count = 0;
    const int n = OverlapCount();
    if (n <= 0)
        return true;
    tagRECT* out = new (std::nothrow) tagRECT[size_t(n)]();
    if (!out)
        return false;

    const CStitchMatrix& m = m_Matrix;
    const int dx = -m_LayoutRect.left;
    const int dy = -m_LayoutRect.top;
    auto overlap = [&](tagRECT* dst, const tagRECT* a, const tagRECT* b) {
        IntersectRect(dst, a, b);
        OffsetRect(dst, dx, dy);
    };

    const NeighbourPairs pairs(m);
    const bool ring = m.m_Style == StitchStyle360;
    int k = 0;
    for (; k < pairs.SeamCount(); ++k) {
        const NeighbourPair p = pairs.At(k);
        CStitchElement* element = Cell(m, p.col, p.row);
        const CStitchElement* next = Cell(m, p.nextCol, p.nextRow);
        if (p.closing) {
            overlap(&out[k], element ? &element->m_WrapPlacement : &kNone, PlacementOf(next));
        } else if (ring) {
            tagRECT r;
            IntersectRect(&r, PlacementOf(element), PlacementOf(next));
            if (r.right > m_LayoutRect.right) {
                // This seam is taken over by the wrap copy at the far end.
                SetRectEmpty(&out[k]);
                if (element) {
                    delete[] element->m_pRightPath;
                    element->m_pRightPath = nullptr;
                }
            } else {
                IntersectRect(&r, &r, &m_LayoutRect);
                OffsetRect(&r, dx, dy);
                out[k] = r;
            }
        } else {
            overlap(&out[k], PlacementOf(element), PlacementOf(next));
        }
    }
    // A tile grid's rows once more: the last seams, those between the rows,
    // with the strips the rows were rendered into in place of placements.
    const int strips = n - pairs.SeamCount();
    for (int j = 0; j < strips; ++j, ++k) {
        const NeighbourPair p = pairs.At(pairs.SeamCount() - strips + j);
        const CStitchElement* upper = Cell(m, p.col, p.row);
        const CStitchElement* lower = Cell(m, p.nextCol, p.nextRow);
        overlap(&out[k], upper ? &upper->m_RowStrip : &kNone, lower ? &lower->m_RowStrip : &kNone);
    }
    *rects = out;
    *count = n;
    return true;
}

bool CStitchOptions::GetDividingPath(unsigned short*** paths, int* count)
{
    if (!paths || !count)
        return false;
    delete[] *paths; // only the array: the paths are the elements'
    *paths = nullptr;
    *count = 0;
    const int n = PathCount();
    if (n <= 0)
        return true;
    auto** out = new (std::nothrow) unsigned short*[size_t(n)]();
    if (!out)
        return false;
    const CStitchMatrix& m = m_Matrix;
    // A row, column or ring keeps every seam's path as the owner's right
    // path; a tile grid keeps the seams between its row strips as lower
    // paths.
    const bool tile = m.m_Style == StitchStyleTile;
    const NeighbourPairs pairs(m);
    for (int k = 0; k < n; ++k) {
        const NeighbourPair p = pairs.At(k);
        const CStitchElement* element = Cell(m, p.col, p.row);
        out[k] = !element ? nullptr : tile && !p.horizontal ? element->m_pLowerPath : element->m_pRightPath;
    }
    *paths = out;
    *count = n;
    return true;
}

bool CStitchOptions::GetResultDIBDataFromOutside()
{
    if (m_hResultDib || !m_pfnGetResultDIBData)
        return false;
    CImage result;
    if (result.Create(m_LayoutRect.right - m_LayoutRect.left, m_LayoutRect.bottom - m_LayoutRect.top, 24) != 0)
        return false;
    m_hResultDib = result.Detach();
    return m_pfnGetResultDIBData(m_hResultDib, m_pUserData) == 0;
}
