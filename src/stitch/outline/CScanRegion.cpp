#include "stitch/outline/CScanRegion.h"

#include <cstddef>
#include <new>

CScanRegion::~CScanRegion()
{
    Release();
}

void CScanRegion::Release()
{
    delete[] m_pRowTable;
    delete[] m_pColumnTable;
    delete[] m_pAngleTable;
    m_pRowTable = nullptr;
    m_pColumnTable = nullptr;
    m_pAngleTable = nullptr;
}

bool CScanRegion::Create(const tagRECT& rc)
{
    Release();
    m_Rect = rc;
    const long long width = (long long)rc.right - rc.left;
    const long long height = (long long)rc.bottom - rc.top;
    if (width <= 0 || height <= 0 || width > (1 << 30) || height > (1 << 30))
        return false;
    m_pRowTable = new (std::nothrow) LineSegment[std::size_t(height)];
    m_pColumnTable = new (std::nothrow) LineSegment[std::size_t(width)];
    m_pAngleTable = new (std::nothrow) DLineSegment[std::size_t(width)];
    if (!m_pRowTable || !m_pColumnTable || !m_pAngleTable) {
        Release();
        return false;
    }
    for (long long i = 0; i < height; ++i)
        m_pRowTable[i] = LineSegment{LineSegment::kNone, -LineSegment::kNone};
    for (long long i = 0; i < width; ++i) {
        m_pColumnTable[i] = LineSegment{LineSegment::kNone, -LineSegment::kNone};
        m_pAngleTable[i] = DLineSegment{0.0, 0.0};
    }
    return true;
}
