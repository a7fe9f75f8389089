#include "stitch/job/CStitchElement.h"

CStitchElement::CStitchElement()
{
    m_Transform.Initial();
    m_RightTransform.Initial();
    m_LowerTransform.Initial();
}

int* CStitchElement::FileId(int index)
{
    int* const ids[kFileIdCount] = {&m_lWarpedImageId, &m_lWarpedMaskId, &m_lRightGraphId,
                                    &m_lStripImageId, &m_lStripMaskId, &m_lLowerGraphId,
                                    &m_lNextStripImageId, &m_lNextStripMaskId, &m_lWrapImageId,
                                    &m_lWrapMaskId};
    return index >= 0 && index < kFileIdCount ? ids[index] : nullptr;
}
