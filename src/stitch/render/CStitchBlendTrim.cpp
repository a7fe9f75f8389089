#include "stitch/render/CStitchBlend.h"

#include "stitch/image/CImage.h"
#include "stitch/image/CMask.h"
#include "stitch/interface/StitchEnums.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <new>

bool CStitchBlend::ModifyOneWarpImageForeward(int col, int row, bool horizontal, CImage* img, CMask* mask,
                                              CImage** newImg, CMask** newMask, int* failure)
{
    int ignored = StitchOk;
    if (!failure)
        failure = &ignored;
    *failure = StitchOk;
    if (!img || !mask || !newImg || !newMask || !m_pOptions)
        return false;
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    if (horizontal && col == 1 && grid.m_Style == StitchStyle360)
        return TrimWrap(row, img, mask, newImg, newMask, failure);
    const int ac = horizontal ? col - 2 : col, ar = horizontal ? row : row - 2;
    const int bc = horizontal ? col - 1 : col, br = horizontal ? row : row - 1;
    if (ac < 0 || ar < 0)
        return false;
    CStitchElement* a = grid.GetElement(ac, ar);
    CStitchElement* b = grid.GetElement(bc, br);
    CStitchElement* n = grid.GetElement(col, row);
    if (!a || !b || !n)
        return false;
    const tagRECT rcN = n->m_Placement;
    tagRECT cut;
    if (!CutThird(a->m_Placement, b->m_Placement, rcN, horizontal, &cut))
        return false;

    CImage* image = nullptr;
    CMask* bits = nullptr;
    bool locked = false;
    // A cut copy that cannot be made is a failure, not "nothing to cut":
    // the element would otherwise be seamed uncut, or go in blank.
    *failure = AllocImageAndMask(image, bits, cut, locked);
    if (*failure != StitchOk)
        return false;
    *failure = CopySubImage(cut, rcN, cut, img, mask, image, bits);
    image->Unlock();
    if (*failure != StitchOk) {
        delete image;
        delete bits;
        return false;
    }
    *newImg = image;
    *newMask = bits;
    n->m_Placement = cut;
    return true;
}

bool CStitchBlend::CutThird(const tagRECT& rcA, const tagRECT& rcB, const tagRECT& rcN, bool horizontal,
                            tagRECT* cut)
{
    tagRECT ab, bn, all;
    if (!IntersectRect(&ab, &rcA, &rcB) || !IntersectRect(&bn, &rcB, &rcN) || !IntersectRect(&all, &ab, &bn))
        return false;
    // The new element starts where the first two's overlap ends, so that it
    // is seamed against the second alone. A grid may run towards smaller
    // coordinates (a column shot upwards does): the cut is then made at the
    // overlap's other edge. The way the grid runs is read from the first
    // and the new element: the second may have been cut already, and its
    // near edge then lies past the new element's.
    const long long centreA = horizontal ? (long long)rcA.left + rcA.right : (long long)rcA.top + rcA.bottom;
    const long long centreN = horizontal ? (long long)rcN.left + rcN.right : (long long)rcN.top + rcN.bottom;
    const bool backwards = centreN < centreA;
    *cut = rcN;
    if (horizontal && !backwards)
        cut->left = ab.right;
    else if (horizontal)
        cut->right = ab.left;
    else if (!backwards)
        cut->top = ab.bottom;
    else
        cut->bottom = ab.top;
    return !IsRectEmpty(cut) && !EqualRect(cut, &rcN);
}

bool CStitchBlend::TrimWrap(int row, CImage* img, CMask* mask, CImage** newImg, CMask** newMask, int* failure)
{
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    CStitchElement* a = grid.GetElement(grid.m_lCols - 1, row);
    CStitchElement* b = grid.GetElement(0, row);
    CStitchElement* n = grid.GetElement(1, row);
    if (!a || !b || !n || a == b || a == n)
        return false;
    const tagRECT rcA = a->m_WrapPlacement;
    tagRECT ab, bn, all;
    if (!IntersectRect(&ab, &rcA, &b->m_Placement) || !IntersectRect(&bn, &b->m_Placement, &n->m_Placement)
        || !IntersectRect(&all, &ab, &bn))
        return false;
    // The wrap copy ends where the first two elements begin to overlap.
    const tagRECT cut = {rcA.left, rcA.top, bn.left, rcA.bottom};
    if (IsRectEmpty(&cut))
        return false;
    CImage* image = nullptr;
    CMask* bits = nullptr;
    bool locked = false;
    *failure = AllocImageAndMask(image, bits, cut, locked);
    if (*failure != StitchOk)
        return false;
    *failure = CopySubImage(cut, rcA, cut, img, mask, image, bits);
    image->Unlock();
    if (*failure != StitchOk) {
        delete image;
        delete bits;
        return false;
    }
    *newImg = image;
    *newMask = bits;
    a->m_WrapPlacement.right = cut.right;
    return true;
}
