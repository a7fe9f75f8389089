// Point pairs for a fine-tune editor: five proposed pairs per overlap, and
// a user's pair snapped to the images.

#include "stitch/interface/PSStitch.h"

#include "stitch/align/CStitchMatch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/motion/CMotionEstimation.h"

#include <algorithm>
#include <cmath>
#include <vector>

int PSAutoMatch(CStitchOptions* job, tagPOINT element, bool horizontal, tagPOINT* inNeighbour, tagPOINT* inElement,
                double scale)
{
    // The search radius is 32 view pixels in image pixels.
    if (!job || !(scale > 0.0))
        return StitchBadArgument;
    const double reach = 32.0 / scale;
    const int radius = reach >= 100.0 ? 100 : int(reach);
    return CStitchMatch(job).AutoMatchForFineTune(element, horizontal, radius, inNeighbour, inElement);
}

namespace {

constexpr int kBestPairs = 5;

// Twins off the far edge of the overlap make poor handles.
bool NearFarEdge(const PointTwinList& block, int i, bool horizontal, int widthA, int widthB)
{
    const tagPOINT a = block.m_Twins[i][0];
    const tagPOINT b = block.m_Twins[i][1];
    if (horizontal)
        return a.y < 32 || b.y < 32;
    return a.x > widthA - 32 || b.x > widthB - 32;
}

// Five distinct twins of a block of more than five: those of largest and
// smallest y and x of the element point (first hit on ties) and the one
// nearest the points' centroid, away from the far edge where enough
// remain; duplicates are replaced by the other twins in index order.
std::vector<int> ChooseByExtremes(const PointTwinList& block, bool horizontal, int widthA, int widthB)
{
    std::vector<int> usable;
    for (int i = 0; i < block.m_lCount; ++i)
        if (!NearFarEdge(block, i, horizontal, widthA, widthB))
            usable.push_back(i);
    if (int(usable.size()) < kBestPairs) {
        usable.clear();
        for (int i = 0; i < block.m_lCount; ++i)
            usable.push_back(i);
    }
    auto extreme = [&](auto better) {
        int best = usable.front();
        for (int i : usable)
            if (better(block.m_Twins[i][0], block.m_Twins[best][0]))
                best = i;
        return best;
    };
    const int maxY = extreme([](tagPOINT p, tagPOINT q) { return p.y > q.y; });
    const int minY = extreme([](tagPOINT p, tagPOINT q) { return p.y < q.y; });
    const int maxX = extreme([](tagPOINT p, tagPOINT q) { return p.x > q.x; });
    const int minX = extreme([](tagPOINT p, tagPOINT q) { return p.x < q.x; });
    double cx = 0, cy = 0;
    for (int i : usable) {
        cx += block.m_Twins[i][0].x;
        cy += block.m_Twins[i][0].y;
    }
    cx /= double(usable.size());
    cy /= double(usable.size());
    int centre = usable.front();
    double nearest = -1;
    for (int i : usable) {
        const double d = std::hypot(block.m_Twins[i][0].x - cx, block.m_Twins[i][0].y - cy);
        if (nearest < 0 || d < nearest) {
            nearest = d;
            centre = i;
        }
    }
    const std::vector<int> wanted = horizontal ? std::vector<int>{maxY, maxX, minY, minX, centre}
                                               : std::vector<int>{maxX, maxY, minX, minY, centre};
    std::vector<int> chosen;
    for (int i : wanted)
        if (std::find(chosen.begin(), chosen.end(), i) == chosen.end())
            chosen.push_back(i);
    for (int i = 0; i < block.m_lCount && int(chosen.size()) < kBestPairs; ++i)
        if (std::find(chosen.begin(), chosen.end(), i) == chosen.end())
            chosen.push_back(i);
    return chosen;
}

tagPOINT Clamp(tagPOINT p, const tagRECT& layer0Rect, int zoom)
{
    const tagRECT r = {layer0Rect.left / zoom, layer0Rect.top / zoom, layer0Rect.right / zoom,
                       layer0Rect.bottom / zoom};
    if (r.right <= r.left || r.bottom <= r.top)
        return p;
    return tagPOINT{std::clamp(p.x, r.left, r.right - 1), std::clamp(p.y, r.top, r.bottom - 1)};
}

} // namespace

int PSGetBestPointsEx(CStitchOptions* job, tagPOINT element, bool horizontal, tagPOINT* pairs, int* count)
{
    if (!job || !pairs || !count)
        return StitchNullArgument;
    const CStitchMatrix& grid = job->m_Matrix;
    CStitchElement* e = grid.GetElement(element.x, element.y);
    CStitchElement* n = nullptr;
    if (e && grid.m_lCols > 0)
        n = horizontal ? grid.GetElement((element.x + 1) % grid.m_lCols, element.y)
                       : grid.GetElement(element.x, element.y + 1);
    if (!e || !n || n == e)
        return StitchBadArgument;
    const PointTwinList& block = horizontal ? e->m_RightTwins : e->m_LowerTwins;
    const int stored = std::clamp(block.m_lCount, 0, PointTwinList::kCapacity);
    if (stored == 0)
        return StitchBadArgument;
    const int layer = std::max(job->m_lWorkingLayer, 0);
    const int zoom = CStitchPyramid::ZoomRatio(layer);
    tagPOINT twins[kBestPairs][2];

    if (stored == kBestPairs) {
        for (int i = 0; i < kBestPairs; ++i) {
            twins[i][0] = block.m_Twins[i][0];
            twins[i][1] = block.m_Twins[i][1];
        }
    } else if (stored > kBestPairs) {
        PointTwinList copy = block;
        copy.m_lCount = stored;
        const std::vector<int> chosen = ChooseByExtremes(copy, horizontal, e->m_Pyramid.m_lWidth / zoom,
                                                         n->m_Pyramid.m_lWidth / zoom);
        for (int i = 0; i < kBestPairs; ++i) {
            twins[i][0] = block.m_Twins[chosen[size_t(i)]][0];
            twins[i][1] = block.m_Twins[chosen[size_t(i)]][1];
        }
    } else {
        // Element points of the added twins: the centroid, then the
        // midpoints of consecutive stored points, taken round again when a
        // block of one or two twins offers fewer.
        std::vector<tagPOINT> added;
        double sx = 0, sy = 0;
        for (int i = 0; i < stored; ++i) {
            sx += block.m_Twins[i][0].x;
            sy += block.m_Twins[i][0].y;
        }
        added.push_back({int(std::lround(sx / stored)), int(std::lround(sy / stored))});
        for (int i = 0; i + 1 < stored; ++i) {
            const tagPOINT a = block.m_Twins[i][0], b = block.m_Twins[i + 1][0];
            added.push_back({int((a.x + (long long)b.x) / 2), int((a.y + (long long)b.y) / 2)});
        }
        for (int i = 0; i < stored; ++i) {
            twins[i][0] = block.m_Twins[i][0];
            twins[i][1] = block.m_Twins[i][1];
        }
        const double cxA = (e->m_Pyramid.m_lWidth - 1) * 0.5 / zoom, cyA = (e->m_Pyramid.m_lHeight - 1) * 0.5 / zoom;
        const double cxB = (n->m_Pyramid.m_lWidth - 1) * 0.5 / zoom, cyB = (n->m_Pyramid.m_lHeight - 1) * 0.5 / zoom;
        const CStitchTransform& model = horizontal ? e->m_RightTransform : e->m_LowerTransform;
        // The model takes neighbour points into the element: the way back
        // is its inverse (the transpose of a rotation).
        const double* t = model.m_Matrix;
        const double det = t[0] * t[4] - t[1] * t[3];
        CStitchTransform back;
        model.Transpose(&back);
        const tagRECT& overlapA = e->m_OverlapRects[horizontal ? 0 : 2];
        const tagRECT& overlapB = e->m_OverlapRects[horizontal ? 1 : 3];
        // The mean displacement of the stored twins stands in for a model
        // that cannot be inverted.
        double dx = 0, dy = 0;
        for (int i = 0; i < stored; ++i) {
            dx += block.m_Twins[i][1].x - block.m_Twins[i][0].x;
            dy += block.m_Twins[i][1].y - block.m_Twins[i][0].y;
        }
        dx /= stored;
        dy /= stored;
        for (int k = stored; k < kBestPairs; ++k) {
            const tagPOINT a = added[size_t(k - stored) % added.size()];
            tagPOINT b = {int(std::lround(a.x + dx)), int(std::lround(a.y + dy))};
            if (job->m_Method == StitchMethodTelephoto) {
                if (std::fabs(det) > 1e-9) {
                    const double u = a.x - t[2], v = a.y - t[5];
                    const double bx = (t[4] * u - t[1] * v) / det, by = (-t[3] * u + t[0] * v) / det;
                    if (std::isfinite(bx) && std::isfinite(by) && std::fabs(bx) < 1e8 && std::fabs(by) < 1e8)
                        b = {int(std::lround(bx)), int(std::lround(by))};
                }
            } else if (job->m_dFocalLength > 0.0) {
                const tagPOINT r = CMotionEstimation::RotatePoint(&back, job->m_dFocalLength, layer, a, cxB, cyB, cxA,
                                                                  cyA);
                if (std::abs(r.x) < CMotionEstimation::kFarAway && std::abs(r.y) < CMotionEstimation::kFarAway)
                    b = r;
            }
            twins[k][0] = Clamp(a, overlapA, zoom);
            twins[k][1] = Clamp(b, overlapB, zoom);
        }
    }
    for (int i = 0; i < kBestPairs; ++i)
        for (int side = 0; side < 2; ++side)
            pairs[2 * i + side] = tagPOINT{twins[i][side].x * zoom, twins[i][side].y * zoom};
    *count = kBestPairs;
    return 0;
}
