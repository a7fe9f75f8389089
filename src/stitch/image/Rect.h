#pragma once

// Geometry records of the stitching library and of its caller. Rectangles
// are exclusive at right and bottom; rows are counted in bitmap memory order
// (from the bottom of the picture).
struct tagRECT
{
    int left;
    int top;
    int right;
    int bottom;
};

struct tagPOINT
{
    int x;
    int y;
};

// Each routine tolerates null pointers as listed: a null rectangle to write
// gives false, a null rectangle to test counts as empty.
bool SetRectEmpty(tagRECT* r);
bool SetRect(tagRECT* r, int left, int top, int right, int bottom);
// Writes the intersection to dst (when dst is not null) even when it is
// empty; true when it is not.
bool IntersectRect(tagRECT* dst, const tagRECT* a, const tagRECT* b);
// Empty rectangles take part like any other.
bool UnionRect(tagRECT* dst, const tagRECT* a, const tagRECT* b);
bool OffsetRect(tagRECT* r, int dx, int dy);
bool IsRectEmpty(const tagRECT* r);
bool PtInRect(const tagRECT* r, tagPOINT p);
bool EqualRect(const tagRECT* a, const tagRECT* b);
