#include "stitch/job/CStitchOptions.h"

#include "stitch/image/CImage.h"
#include "stitch/job/CStitchElement.h"

#include <new>

namespace {

// The element at a linear index, or null past the array.
CStitchElement* At(const CStitchMatrix& matrix, int index)
{
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

    switch (m.m_Style) {
    case StitchStyleHorizontal:
    case StitchStyleVertical:
        for (int i = 0; i < n; ++i)
            overlap(&out[i], PlacementOf(At(m, i)), PlacementOf(At(m, i + 1)));
        break;
    case StitchStyle360:
        for (int i = 0; i < n - 1; ++i) {
            CStitchElement* element = At(m, i);
            tagRECT r;
            IntersectRect(&r, PlacementOf(element), PlacementOf(At(m, i + 1)));
            if (r.right > m_LayoutRect.right) {
                // This seam is taken over by the wrap copy at the far end.
                SetRectEmpty(&out[i]);
                if (element) {
                    delete[] element->m_pRightPath;
                    element->m_pRightPath = nullptr;
                }
            } else {
                IntersectRect(&r, &r, &m_LayoutRect);
                OffsetRect(&r, dx, dy);
                out[i] = r;
            }
        }
        {
            const CStitchElement* last = At(m, n - 1);
            overlap(&out[n - 1], last ? &last->m_WrapPlacement : &kNone, PlacementOf(At(m, 0)));
        }
        break;
    case StitchStyleTile: {
        const int cols = m.m_lCols;
        const int rows = m.m_lRows;
        int k = 0;
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c + 1 < cols; ++c, ++k)
                overlap(&out[k], PlacementOf(At(m, r * cols + c)), PlacementOf(At(m, r * cols + c + 1)));
        for (int r = 0; r + 1 < rows; ++r, ++k)
            overlap(&out[k], PlacementOf(At(m, r * cols)), PlacementOf(At(m, (r + 1) * cols)));
        for (int r = 0; r + 1 < rows; ++r, ++k) {
            const CStitchElement* upper = At(m, r * cols);
            const CStitchElement* lower = At(m, (r + 1) * cols);
            overlap(&out[k], upper ? &upper->m_RowStrip : &kNone, lower ? &lower->m_RowStrip : &kNone);
        }
        break;
    }
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
    if (m.m_Style == StitchStyleTile) {
        const int cols = m.m_lCols;
        int k = 0;
        for (int r = 0; r < m.m_lRows; ++r)
            for (int c = 0; c + 1 < cols; ++c, ++k) {
                const CStitchElement* element = At(m, r * cols + c);
                out[k] = element ? element->m_pRightPath : nullptr;
            }
        for (int r = 0; r + 1 < m.m_lRows; ++r, ++k) {
            const CStitchElement* element = At(m, r * cols);
            out[k] = element ? element->m_pLowerPath : nullptr;
        }
    } else {
        for (int i = 0; i < n; ++i) {
            const CStitchElement* element = At(m, i);
            out[i] = element ? element->m_pRightPath : nullptr;
        }
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
