#include "stitch/align/CStitchMatch.h"

#include "stitch/align/CStitchMatchLayerPair.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <algorithm>

int CStitchMatch::AutoMatchForFineTune(tagPOINT element, bool horizontal, int radius, tagPOINT* pointInNeighbour,
                                       tagPOINT* pointInElement)
{
    if (!m_pOptions || !pointInNeighbour || !pointInElement)
        return StitchBadArgument;
    const CStitchMatrix& m = m_pOptions->m_Matrix;
    CStitchElement* e = m.GetElement(element.x, element.y);
    CStitchElement* n = nullptr;
    if (e && m.m_lCols > 0)
        n = horizontal ? m.GetElement((element.x + 1) % m.m_lCols, element.y) : m.GetElement(element.x, element.y + 1);
    if (!e || !n || n == e)
        return StitchBadArgument;

    CStitchMatchLayerPair pair(e, n, 0);
    if (!pair.IsValid())
        return StitchBadArgument;
    const int W = pair.Width(), H = pair.Height();
    tagPOINT& p = *pointInNeighbour;
    const int wB = pair.WidthB(), hB = pair.HeightB();
    if (wB < 8 || hB < 8)
        return 0;
    p.x = std::clamp(p.x, 4, wB - 4);
    p.y = std::clamp(p.y, 4, hB - 4);
    tagRGBTRIPLE block[8][8];
    if (!pair.Block(p, block))
        return 0;
    // A radius past the image adds nothing and must not overflow.
    radius = std::clamp(radius, 0, W + H);
    // A point far off the image gets an empty window, without overflow.
    tagPOINT g{std::clamp(pointInElement->x, -W - H, 2 * (W + H)), std::clamp(pointInElement->y, -W - H, 2 * (W + H))};
    const tagRECT bounds{0, 0, W - 1, H - 1};
    const tagRECT wanted{g.x - 4 - radius, g.y - 4 - radius, g.x + radius + 5, g.y + radius + 5};
    tagRECT window;
    IntersectRect(&window, &wanted, &bounds);
    if (SearchMatch(pair.A(), block, window, &g) > 8.0)
        *pointInElement = g;
    return 0;
}
