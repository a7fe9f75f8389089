#include "stitch/align/CStitchMatchLayerPair.h"

#include "stitch/align/CRosenfeldCorner.h"
#include "stitch/job/CStitchElement.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

CStitchMatchLayerPair::CStitchMatchLayerPair(CStitchElement* e, CStitchElement* n, int layer)
    : m_pElement(e), m_pNeighbour(n), m_lLayer(layer)
{
    if (m_A.Attach(e->m_Pyramid.LockHDib(layer)) != 0 || m_B.Attach(n->m_Pyramid.LockHDib(layer)) != 0
        || m_A.BitCount() != 24 || m_B.BitCount() != 24)
        return;
    if (m_A.Lock() != 0)
        return;
    if (m_B.Lock() != 0) {
        m_A.Unlock();
        return;
    }
    m_bValid = true;
    m_lWidth = m_A.Width();
    m_lHeight = m_A.Height();
    m_lWidthB = m_B.Width();
    m_lHeightB = m_B.Height();
}

CStitchMatchLayerPair::~CStitchMatchLayerPair()
{
    if (m_bValid) {
        m_A.Unlock();
        m_B.Unlock();
    }
    m_A.Detach();
    m_B.Detach();
    m_pElement->m_Pyramid.UnlockHDib(m_lLayer);
    m_pNeighbour->m_Pyramid.UnlockHDib(m_lLayer);
}

int CStitchMatchLayerPair::Corners(const tagRECT& region, tagPOINT out[40])
{
    // The layer may be a pixel smaller than an overlap scaled down.
    const CCornerDetector::ImageRegion area{std::max(region.left, 0), std::min(region.right, m_lWidthB - 1),
                                            std::max(region.top, 0), std::min(region.bottom, m_lHeightB - 1)};
    if (area.right < area.left || area.bottom < area.top)
        return 0;
    CRosenfeldCorner detector(&m_B, area, CRosenfeldCorner::CRosenfeldParams{4, 1});
    return detector.GetCornerList(40, out);
}

bool CStitchMatchLayerPair::Block(tagPOINT p, tagRGBTRIPLE block[8][8]) const
{
    if (p.x - 4 < 0 || p.y - 4 < 0 || p.x + 3 >= m_lWidthB || p.y + 3 >= m_lHeightB)
        return false;
    for (int j = 0; j < 8; ++j)
        std::memcpy(block[j], m_B.Bits() + std::int64_t(p.y - 4 + j) * m_B.Stride() + 3 * (p.x - 4), 24);
    return true;
}
