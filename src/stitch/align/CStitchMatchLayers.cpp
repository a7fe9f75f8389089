#include "stitch/align/CStitchMatch.h"

#include "stitch/align/CMatchRansac.h"
#include "stitch/align/CStitchMatchLayerPair.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/job/NeighbourPairs.h"
#include "stitch/motion/CMotionEstimation.h"
#include "stitch/threads/StitchThreads.h"

#include <algorithm>
#include <cmath>

namespace {

// A model prediction as a pixel; a wild one lands far outside every window.
int Place(double value)
{
    if (std::isnan(value))
        return CMotionEstimation::kFarAway;
    return int(std::clamp(value, -double(CMotionEstimation::kFarAway), double(CMotionEstimation::kFarAway)));
}

// Where the neighbour's point p lies in this image under the pair model. A
// telephoto map's shift was fitted on the layer above, hence doubled.
tagPOINT Predict(const CStitchTransform* m, bool telephoto, tagPOINT p, double cxA, double cyA, double cxB,
                 double cyB, double f)
{
    if (telephoto) {
        const double* t = m->m_Matrix;
        return tagPOINT{Place(t[0] * p.x + t[1] * p.y + 2 * t[2]), Place(t[3] * p.x + t[4] * p.y + 2 * t[5])};
    }
    return CMotionEstimation::RotatePoint(m, f, 0, p, cxA, cyA, cxB, cyB);
}

} // namespace

int CStitchMatch::Run(int layer, bool firstLayer, int progressFrom, int progressTo)
{
    return firstLayer ? StartUpMatchFirstTime(layer, progressFrom, progressTo)
                      : StartUpMatch(layer, progressFrom, progressTo);
}

int CStitchMatch::StartUpMatch(int layer, int progressFrom, int progressTo)
{
    CStitchMatrix& m = m_pOptions->m_Matrix;
    const int span = progressTo - progressFrom;
    // Taking an image out of a row or column shrinks the grid, so the pairs
    // are read afresh for every step.
    for (int k = 0;;) {
        const NeighbourPairs pairs(m);
        const int count = pairs.Count();
        if (k >= count)
            break;
        if (CStitchOptions::ShowProgress(progressFrom + k * span / count))
            return StitchCancelled;
        const NeighbourPair p = pairs.At(k);
        if (!m.GetElement(p.col, p.row) || !m.GetElement(p.nextCol, p.nextRow)) {
            ++k;
            continue;
        }
        if (const int result = SearchCandidates(p.col, p.row, p.nextCol, p.nextRow, layer, p.horizontal))
            return result;
        if (IsOverlapTooLarge(p.col, p.row, p.nextCol, p.nextRow, layer, p.horizontal) && !p.closing)
            continue; // the image at this position was taken out
        ++k;
    }
    return 0;
}

int CStitchMatch::SearchCandidates(int col1, int row1, int col2, int row2, int layer, bool horizontal)
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
        const bool telephoto = m_pOptions->m_Method == StitchMethodTelephoto;
        const CStitchTransform* matrix = horizontal ? &e->m_RightTransform : &e->m_LowerTransform;
        bool& defaulted = horizontal ? e->m_bRightDefault : e->m_bLowerDefault;
        const double cxA = (e->m_Pyramid.m_lWidth - 1) * 0.5 / zoom, cyA = (e->m_Pyramid.m_lHeight - 1) * 0.5 / zoom;
        const double cxB = (n->m_Pyramid.m_lWidth - 1) * 0.5 / zoom, cyB = (n->m_Pyramid.m_lHeight - 1) * 0.5 / zoom;
        const double f = m_pOptions->m_dFocalLength / zoom;

        // The far tenth of the overlap, where the model of the layer above
        // is least sure, is left out.
        tagRECT full = e->m_OverlapRects[horizontal ? 1 : 3];
        if (horizontal)
            full.right -= (full.right - full.left) / 10;
        else
            full.bottom -= (full.bottom - full.top) / 10;
        tagRECT region{full.left / zoom, full.top / zoom, full.right / zoom, full.bottom / zoom};
        defaulted = false;

        bool placed = false; // twins found, or model defaults already set
        const int extent = horizontal ? region.right - region.left : region.bottom - region.top;
        if (extent >= 13) {
            region = tagRECT{region.left + 4, region.top + 4, region.right - 3, region.bottom - 3};
            tagPOINT corners[40];
            const int found = pair.Corners(region, corners);
            if (found > 2) {
                twins.m_lCount = 0;
                const int half = telephoto ? 7 : 15;
                const tagRECT bounds{0, 0, W - 1, H - 1};
                const tagRECT inner{2, 2, W - 2, H - 2};
                // The corners' searches only read the locked layers: each
                // on its own thread, the twins then kept in corner order.
                struct Found
                {
                    bool block = false;
                    tagPOINT q{0, 0};
                    double score = 0.0;
                };
                Found results[40];
                CImage* imageA = pair.A();
                StitchThreads::For(found, [&](int i) {
                    const tagPOINT p = corners[i];
                    tagRGBTRIPLE block[8][8];
                    if (!pair.Block(p, block))
                        return;
                    tagPOINT q = Predict(matrix, telephoto, p, cxA, cyA, cxB, cyB, f);
                    const tagRECT wanted{q.x - 4 - half, q.y - 4 - half, q.x + half + 5, q.y + half + 5};
                    tagRECT window;
                    IntersectRect(&window, &wanted, &bounds);
                    results[i].score = SearchMatch(imageA, block, window, &q);
                    results[i].q = q;
                    results[i].block = true;
                });
                for (int i = 0; i < found; ++i) {
                    const Found& r = results[i];
                    if (r.block && r.score > 8.0 && PtInRect(&inner, r.q) && twins.m_lCount < PointTwinList::kCapacity) {
                        twins.m_Twins[twins.m_lCount][0] = r.q;
                        twins.m_Twins[twins.m_lCount][1] = corners[i];
                        ++twins.m_lCount;
                    }
                }
                RemoveWrongTwins(&twins, W, H, horizontal);
                bool matched = false;
                if (twins.m_lCount >= 3) {
                    CMatchRansac model(0, nullptr);
                    model.m_dCenterX = cxA;
                    model.m_dCenterY = cyA;
                    model.m_dNeighbourCenterX = cxB;
                    model.m_dNeighbourCenterY = cyB;
                    model.m_dFocal = f;
                    matched = StartUpRansac(&model, &twins);
                }
                if (!matched) {
                    SetRotateDefaultFeatures(&twins, region, horizontal, matrix, cxA, cyA, cxB, cyB, f);
                    // Kept off the far edge of this image.
                    for (int i = 0; i < 3; ++i) {
                        tagPOINT& a = twins.m_Twins[i][0];
                        if (horizontal)
                            a.x = std::min(a.x, W - 4);
                        else
                            a.y = std::min(a.y, H - 4);
                    }
                    defaulted = true;
                }
                placed = true;
            }
        }
        if (!placed) {
            SetRotateDefaultFeatures(&twins, region, horizontal, matrix, cxA, cyA, cxB, cyB, f);
            defaulted = true;
        }
    }
    RefineOverlapRegion(&twins, layer, e, n, horizontal);
    return 0;
}

void CStitchMatch::SetRotateDefaultFeatures(PointTwinList* twins, const tagRECT& rect, bool horizontal,
                                            const CStitchTransform* matrix, double cxA, double cyA, double cxB,
                                            double cyB, double f) const
{
    const bool telephoto = m_pOptions ? m_pOptions->m_Method == StitchMethodTelephoto : CStitchPyramid::m_bTelephoto;
    // The neighbour's points are those of the shift defaults.
    const tagPOINT none{0, 0};
    SetShiftDefaultFeatures(twins, rect, horizontal, &none);
    for (int i = 0; i < 3; ++i)
        twins->m_Twins[i][0] = Predict(matrix, telephoto, twins->m_Twins[i][1], cxA, cyA, cxB, cyB, f);
}
