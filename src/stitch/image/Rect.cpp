#include "stitch/image/Rect.h"

#include <algorithm>

bool SetRectEmpty(tagRECT* r)
{
    return SetRect(r, 0, 0, 0, 0);
}

bool SetRect(tagRECT* r, int left, int top, int right, int bottom)
{
    if (!r)
        return false;
    r->left = left;
    r->top = top;
    r->right = right;
    r->bottom = bottom;
    return true;
}

bool IntersectRect(tagRECT* dst, const tagRECT* a, const tagRECT* b)
{
    if (!a || !b)
        return false;
    const tagRECT r{std::max(a->left, b->left), std::max(a->top, b->top),
                    std::min(a->right, b->right), std::min(a->bottom, b->bottom)};
    if (dst)
        *dst = r;
    return r.right > r.left && r.bottom > r.top;
}

bool UnionRect(tagRECT* dst, const tagRECT* a, const tagRECT* b)
{
    if (!a || !b)
        return false;
    const tagRECT r{std::min(a->left, b->left), std::min(a->top, b->top),
                    std::max(a->right, b->right), std::max(a->bottom, b->bottom)};
    if (dst)
        *dst = r;
    return !IsRectEmpty(&r);
}

bool OffsetRect(tagRECT* r, int dx, int dy)
{
    if (!r)
        return false;
    r->left += dx;
    r->right += dx;
    r->top += dy;
    r->bottom += dy;
    return true;
}

bool IsRectEmpty(const tagRECT* r)
{
    return !r || r->left >= r->right || r->top >= r->bottom;
}

bool PtInRect(const tagRECT* r, tagPOINT p)
{
    return r && p.x >= r->left && p.x < r->right && p.y >= r->top && p.y < r->bottom;
}

bool EqualRect(const tagRECT* a, const tagRECT* b)
{
    return a && b && a->left == b->left && a->top == b->top && a->right == b->right
        && a->bottom == b->bottom;
}
