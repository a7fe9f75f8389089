#include "stitch/align/CStitchMatch.h"

#include "stitch/align/CRosenfeldCorner.h"
#include "stitch/image/CImage.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/job/NeighbourPairs.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

void CStitchMatch::CalcOverlapRegions(int col1, int row1, int col2, int row2, int layer, bool horizontal)
{
    CStitchElement* e = m_pOptions->m_Matrix.GetElement(col1, row1);
    CStitchElement* n = m_pOptions->m_Matrix.GetElement(col2, row2);
    if (!e || !n)
        return;
    const PointTwinList& twins = horizontal ? e->m_RightTwins : e->m_LowerTwins;
    const int zoom = CStitchPyramid::ZoomRatio(layer);
    StoreOverlapRects(e, n, (twins.m_Twins[0][0].x - twins.m_Twins[0][1].x) * zoom,
                      (twins.m_Twins[0][0].y - twins.m_Twins[0][1].y) * zoom, horizontal);
}

void CStitchMatch::StoreOverlapRects(CStitchElement* e, CStitchElement* n, int ox, int oy, bool horizontal)
{
    const tagRECT mine{0, 0, e->m_Pyramid.m_lWidth - 1, e->m_Pyramid.m_lHeight - 1};
    const tagRECT theirs{0, 0, n->m_Pyramid.m_lWidth - 1, n->m_Pyramid.m_lHeight - 1};
    tagRECT moved = theirs;
    OffsetRect(&moved, ox, oy);
    tagRECT* rects = &e->m_OverlapRects[horizontal ? 0 : 2];
    IntersectRect(&rects[0], &mine, &moved);
    moved = mine;
    OffsetRect(&moved, -ox, -oy);
    IntersectRect(&rects[1], &theirs, &moved);
}

int CStitchMatch::StartUpMatchFirstTime(int layer, int progressFrom, int progressTo)
{
    const CStitchMatrix& m = m_pOptions->m_Matrix;
    const NeighbourPairs pairs(m);
    const int span = progressTo - progressFrom;
    const int count = pairs.Count();
    for (int k = 0; k < count; ++k) {
        if (CStitchOptions::ShowProgress(progressFrom + k * span / count))
            return StitchCancelled;
        const NeighbourPair p = pairs.At(k);
        if (!m.GetElement(p.col, p.row) || !m.GetElement(p.nextCol, p.nextRow))
            continue;
        const int result = SearchCandidatesFirstTime(p.col, p.row, p.nextCol, p.nextRow, layer, p.horizontal);
        if (result != 0)
            return result;
    }
    return 0;
}

int CStitchMatch::SearchCandidatesFirstTime(int col1, int row1, int col2, int row2, int layer, bool horizontal)
{
    CStitchElement* e = m_pOptions->m_Matrix.GetElement(col1, row1);
    CStitchElement* n = m_pOptions->m_Matrix.GetElement(col2, row2);
    if (!e || !n)
        return StitchBadArgument;
    CImage a, b;
    auto release = [&]() {
        a.Detach();
        b.Detach();
        e->m_Pyramid.UnlockHDib(layer);
        n->m_Pyramid.UnlockHDib(layer);
    };
    // Both held before anything is read: a layer the host will not lock
    // would have its blocks copied from a null address.
    if (a.Attach(e->m_Pyramid.LockHDib(layer)) != 0 || b.Attach(n->m_Pyramid.LockHDib(layer)) != 0
        || CImage::LockBoth(a, b) != 0) {
        release();
        return StitchBadArgument;
    }
    if (a.Header()->biBitCount != 24 || b.Header()->biBitCount != 24) {
        a.Unlock();
        b.Unlock();
        release();
        return StitchBadArgument;
    }
    const int W = a.Width(), H = a.Height();
    const int wB = b.Width(), hB = b.Height();

    PointTwinList& twins = horizontal ? e->m_RightTwins : e->m_LowerTwins;
    bool& defaulted = horizontal ? e->m_bRightDefault : e->m_bLowerDefault;
    const double angle = horizontal ? e->m_dRightAngle : e->m_dLowerAngle;
    const tagPOINT shift = twins.m_Twins[0][0];
    defaulted = false;
    CalcOverlapRegions(col1, row1, col2, row2, layer, horizontal);

    const int zoom = CStitchPyramid::ZoomRatio(layer);
    const tagRECT& full = e->m_OverlapRects[horizontal ? 1 : 3];
    tagRECT region{full.left / zoom, full.top / zoom, full.right / zoom, full.bottom / zoom};
    const bool telephoto = m_pOptions->m_Method == StitchMethodTelephoto;
    const int extent = horizontal ? region.right - region.left : region.bottom - region.top;
    if (extent < 13) {
        SetShiftDefaultFeatures(&twins, region, horizontal, &shift);
        defaulted = true;
    } else {
        region = tagRECT{region.left + 2, region.top + 2, region.right - 2, region.bottom - 2};
        // The layer may be a pixel smaller than the overlap scaled down.
        const CCornerDetector::ImageRegion area{std::max(region.left, 0), std::min(region.right, wB - 1),
                                                std::max(region.top, 0), std::min(region.bottom, hB - 1)};
        tagPOINT corners[40];
        int found = 0;
        {
            CRosenfeldCorner detector(&b, area, CRosenfeldCorner::CRosenfeldParams{4, 1});
            found = detector.GetCornerList(40, corners);
        }
        bool matched = false;
        if (found >= 3 && !IsCoLine(found, corners)) {
            twins.m_lCount = 0;
            const double s = std::sin(angle), c = std::cos(angle);
            const int half = telephoto ? 7 : 1;
            for (int i = 0; i < found && twins.m_lCount < PointTwinList::kCapacity; ++i) {
                const tagPOINT p = corners[i];
                if (p.x - 4 < 0 || p.y - 4 < 0 || p.x + 3 >= wB || p.y + 3 >= hB)
                    continue;
                tagRGBTRIPLE block[8][8];
                for (int j = 0; j < 8; ++j)
                    std::memcpy(block[j], b.Bits() + std::int64_t(p.y - 4 + j) * b.Stride() + 3 * (p.x - 4), 24);
                tagPOINT q;
                if (telephoto) {
                    q = tagPOINT{p.x + shift.x, p.y + shift.y};
                } else {
                    q = tagPOINT{int(s * (p.y - H / 2) + c * (p.x - W / 2) + shift.x + W / 2),
                                 int(c * (p.y - H / 2) - s * (p.x - W / 2) + shift.y + H / 2)};
                }
                const tagRECT bounds{0, 0, W - 1, H - 1};
                const tagRECT wanted{q.x - 4 - half, q.y - 4 - half, q.x + half + 4, q.y + half + 4};
                tagRECT window;
                IntersectRect(&window, &wanted, &bounds);
                const double score = SearchMatch(&a, block, window, &q);
                // A window the image's edge cuts to under 8 pixels is not
                // searched (0.0): its prediction is no match.
                const bool searched = window.right - window.left >= 8 && window.bottom - window.top >= 8;
                if (searched && score >= 0.0 && (!telephoto || score > 8.0)) {
                    twins.m_Twins[twins.m_lCount][0] = q;
                    twins.m_Twins[twins.m_lCount][1] = p;
                    ++twins.m_lCount;
                }
            }
            RemoveWrongTwins(&twins, W, H, horizontal);
            matched = twins.m_lCount > 2;
        }
        if (!matched) {
            SetRotateShiftDefaultFeatures(&twins, region, horizontal, &shift, angle, W / 2, H / 2);
            defaulted = true;
        }
    }
    a.Unlock();
    b.Unlock();
    release();
    return 0;
}
