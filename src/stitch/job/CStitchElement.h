#pragma once

#include "stitch/geometry/CStitchTransform.h"
#include "stitch/image/Rect.h"
#include "stitch/job/PointTwinList.h"
#include "stitch/pyramid/CStitchPyramid.h"

// One cell of the image grid. Made only in arrays by the job's matrix.
// "Right" fields concern the pair with the right neighbour, "lower" ones the
// pair with the lower neighbour. Paths are new[] arrays the element owns
// (dividing-path records); ids are temporary files of the job (-1 = none).
class CStitchElement
{
public:
    CStitchElement();
    CStitchElement(const CStitchElement&) = delete;
    CStitchElement& operator=(const CStitchElement&) = delete;

    // The ten temporary-file ids, in the order in which they are deleted.
    static constexpr int kFileIdCount = 10;
    int* FileId(int index);

    CStitchPyramid m_Pyramid;
    bool m_bInUse = true;
    bool m_bInGrid = true;
    bool m_bColorReference = false;
    PointTwinList m_RightTwins;
    PointTwinList m_LowerTwins;
    CStitchTransform m_Transform;
    CStitchTransform m_RightTransform;
    CStitchTransform m_LowerTransform;
    double m_dRightAngle = 0.0; // radians
    double m_dLowerAngle = 0.0;
    unsigned char m_ColorTable[768] = {}; // three 256-entry tables
    double m_dRightScore = 0.0;
    double m_dLowerScore = 0.0;
    // Right overlap in this element and in the neighbour, then the same for
    // the lower neighbour.
    tagRECT m_OverlapRects[4] = {};
    // Offset, difference to the right neighbour, difference to the lower one.
    int m_lBrightness[3] = {};
    double m_dRightError = 0.0;
    double m_dLowerError = 0.0;
    bool m_bRightDefault = false; // the right twins are block matching's three defaults
    bool m_bLowerDefault = false;
    tagRECT m_Placement = {};
    int m_lWarpedImageId = -1;
    int m_lWarpedMaskId = -1;
    int m_lRightGraphId = -1;
    unsigned short* m_pRightPath = nullptr;
    tagRECT m_RowStrip = {};
    int m_lStripImageId = -1;
    int m_lStripMaskId = -1;
    int m_lNextStripImageId = -1;
    int m_lNextStripMaskId = -1;
    int m_lLowerGraphId = -1;
    unsigned short* m_pLowerPath = nullptr;
    tagRECT m_WrapPlacement = {};
    int m_lWrapImageId = -1;
    int m_lWrapMaskId = -1;
    // Feature data of the automatic ordering, swapped along with the element.
    void* m_pOrderData[2] = {nullptr, nullptr};
    int m_lOrderValues[4] = {0, 0, -1, -1};
};
