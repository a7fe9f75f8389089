#pragma once

#include "stitch/image/Rect.h"

// The covered extent of one scan line: first and last covered coordinate,
// both inclusive. No coverage is (kNone, -kNone).
struct LineSegment
{
    static constexpr int kNone = 2147483647;
    int first;
    int last;
};

// The ring-closing angles (radians) at a column's first and last covered row.
struct DLineSegment
{
    double first;
    double last;
};

// Which panorama pixels one element covers: a rectangle (panorama
// coordinates, right and bottom exclusive) and, per row and per column of
// it, the covered span. Row(y) is indexed by absolute panorama row from
// rect.top, Column(x) and Angle(x) by absolute panorama column from
// rect.left. The region owns its three tables.
class CScanRegion
{
public:
    CScanRegion() = default;
    ~CScanRegion();
    CScanRegion(const CScanRegion&) = delete;
    CScanRegion& operator=(const CScanRegion&) = delete;

    // Takes rc and makes tables for its height and width, every span at no
    // coverage and every angle 0. False (and no tables) for an empty rect or
    // when the tables cannot be had.
    bool Create(const tagRECT& rc);
    void Release();
    bool HasTables() const { return m_pRowTable != nullptr; }

    LineSegment& Row(int y) { return m_pRowTable[y - m_Rect.top]; }
    const LineSegment& Row(int y) const { return m_pRowTable[y - m_Rect.top]; }
    LineSegment& Column(int x) { return m_pColumnTable[x - m_Rect.left]; }
    const LineSegment& Column(int x) const { return m_pColumnTable[x - m_Rect.left]; }
    DLineSegment& Angle(int x) { return m_pAngleTable[x - m_Rect.left]; }
    const DLineSegment& Angle(int x) const { return m_pAngleTable[x - m_Rect.left]; }

    tagRECT m_Rect = {0, 0, 0, 0};
    LineSegment* m_pRowTable = nullptr;
    LineSegment* m_pColumnTable = nullptr;
    DLineSegment* m_pAngleTable = nullptr;
};
