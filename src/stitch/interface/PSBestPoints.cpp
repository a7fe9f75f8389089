#include "stitch/interface/PSStitch.h"

#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <vector>

namespace {

// Twins closer than this to the far edge of the overlap are passed over
// while better ones remain.
constexpr int kEdgeMargin = 32;

bool Distinct(const int t[3])
{
    return t[0] != t[1] && t[1] != t[2] && t[0] != t[2];
}

bool Usable(const PointTwinList& block, const int t[3])
{
    return Distinct(t) && !IsColine(block.m_Twins[t[0]][0], block.m_Twins[t[1]][0], block.m_Twins[t[2]][0]);
}

// The three extremes of the element's points among the candidates: largest
// y, largest x and smallest y across a side-by-side overlap; largest x,
// largest y and smallest x across one above the other. The first twin wins
// a tie.
void Extremes(const PointTwinList& block, const std::vector<int>& candidates, bool horizontal, int chosen[3])
{
    int minX = candidates.front(), maxX = minX, minY = minX, maxY = minX;
    for (int i : candidates) {
        const tagPOINT p = block.m_Twins[i][0];
        if (p.x < block.m_Twins[minX][0].x)
            minX = i;
        if (p.x > block.m_Twins[maxX][0].x)
            maxX = i;
        if (p.y < block.m_Twins[minY][0].y)
            minY = i;
        if (p.y > block.m_Twins[maxY][0].y)
            maxY = i;
    }
    if (horizontal) {
        chosen[0] = maxY;
        chosen[1] = maxX;
        chosen[2] = minY;
    } else {
        chosen[0] = maxX;
        chosen[1] = maxY;
        chosen[2] = minX;
    }
}

// Mends a choice of twins that repeat one another or lie on one line: the
// other candidates are tried, in index order, first in the place of the one
// at fault, then in the places of the last two. Without success the choice
// stands.
void Replace(const PointTwinList& block, const std::vector<int>& candidates, int chosen[3])
{
    if (Usable(block, chosen))
        return;
    const int slot = chosen[1] == chosen[0] ? 1 : 2;
    for (int j : candidates) {
        int trial[3] = {chosen[0], chosen[1], chosen[2]};
        trial[slot] = j;
        if (Usable(block, trial)) {
            chosen[slot] = j;
            return;
        }
    }
    for (size_t a = 0; a < candidates.size(); ++a)
        for (size_t b = a + 1; b < candidates.size(); ++b) {
            const int trial[3] = {chosen[0], candidates[a], candidates[b]};
            if (Usable(block, trial)) {
                chosen[1] = trial[1];
                chosen[2] = trial[2];
                return;
            }
        }
}

} // namespace

int PSGetBestPoints(CStitchOptions* job, tagPOINT element, bool horizontal, tagPOINT* pairs)
{
    if (!job || !pairs)
        return StitchNullArgument;
    const CStitchMatrix& grid = job->m_Matrix;
    const CStitchElement* e = grid.GetElement(element.x, element.y);
    if (!e)
        return StitchBadArgument;
    // Only a ring's last photo has its first one to the right.
    const CStitchElement* n = nullptr;
    if (horizontal) {
        const bool ring = grid.m_Style == StitchStyle360 && grid.m_lCols > 1;
        n = grid.GetElement(ring ? (element.x + 1) % grid.m_lCols : element.x + 1, element.y);
    } else {
        n = grid.GetElement(element.x, element.y + 1);
    }
    if (!n || n == e)
        return StitchBadArgument;

    const PointTwinList& block = horizontal ? e->m_RightTwins : e->m_LowerTwins;
    const int count = block.m_lCount < PointTwinList::kCapacity ? block.m_lCount : PointTwinList::kCapacity;
    // Three pairs cannot be had from fewer twins.
    if (count < 3)
        return StitchBadArgument;
    const int layer = job->m_lWorkingLayer > 0 ? job->m_lWorkingLayer : 0;
    const int zoom = CStitchPyramid::ZoomRatio(layer);

    int chosen[3] = {0, 1, 2};
    if (count != 3) {
        const int widthE = e->m_Pyramid.m_lWidth >> layer;
        const int widthN = n->m_Pyramid.m_lWidth >> layer;
        std::vector<int> candidates;
        candidates.reserve(size_t(count));
        for (int i = 0; i < count; ++i) {
            const tagPOINT p = block.m_Twins[i][0];
            const tagPOINT q = block.m_Twins[i][1];
            const bool nearEdge = horizontal ? (p.y < kEdgeMargin || q.y < kEdgeMargin)
                                             : (p.x > widthE - kEdgeMargin || q.x > widthN - kEdgeMargin);
            if (!nearEdge)
                candidates.push_back(i);
        }
        // A small overlap may lie wholly near the edge: then every twin counts.
        if (candidates.size() < 3) {
            candidates.clear();
            for (int i = 0; i < count; ++i)
                candidates.push_back(i);
        }
        Extremes(block, candidates, horizontal, chosen);
        Replace(block, candidates, chosen);
    }
    for (int k = 0; k < 3; ++k) {
        const tagPOINT p = block.m_Twins[chosen[k]][0];
        const tagPOINT q = block.m_Twins[chosen[k]][1];
        pairs[2 * k] = tagPOINT{p.x * zoom, p.y * zoom};
        pairs[2 * k + 1] = tagPOINT{q.x * zoom, q.y * zoom};
    }
    return StitchOk;
}
