#include "stitch/job/CStitchElementSwap.h"

#include "stitch/job/CStitchElement.h"

#include <utility>

void SwapElementRecords(CStitchElement* a, CStitchElement* b)
{
    if (!a || !b || a == b)
        return;
    using std::swap;
    a->m_Pyramid.PermuteData(&b->m_Pyramid);
    swap(a->m_bInUse, b->m_bInUse);
    swap(a->m_bInGrid, b->m_bInGrid);
    swap(a->m_bColorReference, b->m_bColorReference);
    swap(a->m_RightTwins, b->m_RightTwins);
    swap(a->m_LowerTwins, b->m_LowerTwins);
    swap(a->m_Transform, b->m_Transform);
    swap(a->m_RightTransform, b->m_RightTransform);
    swap(a->m_LowerTransform, b->m_LowerTransform);
    swap(a->m_dRightAngle, b->m_dRightAngle);
    swap(a->m_dLowerAngle, b->m_dLowerAngle);
    swap(a->m_ColorTable, b->m_ColorTable);
    swap(a->m_dRightScore, b->m_dRightScore);
    swap(a->m_dLowerScore, b->m_dLowerScore);
    swap(a->m_OverlapRects, b->m_OverlapRects);
    swap(a->m_lBrightness, b->m_lBrightness);
    swap(a->m_dRightError, b->m_dRightError);
    swap(a->m_dLowerError, b->m_dLowerError);
    swap(a->m_bRightDefault, b->m_bRightDefault);
    swap(a->m_bLowerDefault, b->m_bLowerDefault);
    swap(a->m_Placement, b->m_Placement);
    swap(a->m_lWarpedImageId, b->m_lWarpedImageId);
    swap(a->m_lWarpedMaskId, b->m_lWarpedMaskId);
    swap(a->m_lRightGraphId, b->m_lRightGraphId);
    swap(a->m_pRightPath, b->m_pRightPath);
    swap(a->m_RowStrip, b->m_RowStrip);
    swap(a->m_lStripImageId, b->m_lStripImageId);
    swap(a->m_lStripMaskId, b->m_lStripMaskId);
    swap(a->m_lNextStripImageId, b->m_lNextStripImageId);
    swap(a->m_lNextStripMaskId, b->m_lNextStripMaskId);
    swap(a->m_lLowerGraphId, b->m_lLowerGraphId);
    swap(a->m_pLowerPath, b->m_pLowerPath);
    swap(a->m_WrapPlacement, b->m_WrapPlacement);
    swap(a->m_lWrapImageId, b->m_lWrapImageId);
    swap(a->m_lWrapMaskId, b->m_lWrapMaskId);
    swap(a->m_pOrderData, b->m_pOrderData);
    swap(a->m_lOrderValues, b->m_lOrderValues);
}
