#include "stitch/CStitchBlend.h"

#include "stitch/CImage.h"
#include "stitch/CMask.h"
#include "stitch/CSmoothRender.h"
#include "stitch/CStitchElement.h"
#include "stitch/CStitchOptions.h"
#include "stitch/StitchEnums.h"

#include <new>

int CStitchBlend::SmoothExtraImagePanorama(const tagRECT& rcExtra, CImage* extra, CMask* extraMask,
                                           const tagRECT& rcPanorama, CImage* pano, CMask* panoMask, int progressLow,
                                           int progressHigh)
{
    CStitchOptions* job = m_pOptions;
    const CStitchMatrix& grid = job->m_Matrix;
    CStitchElement* last = grid.GetElement(grid.m_lCols - 1, 0);
    CStitchElement* first = grid.GetElement(0, 0);
    if (!extra || !extraMask || !pano || !panoMask || !last || !first)
        return StitchBadArgument;

    // What lies on the circle goes in as it is.
    const tagRECT onCircle = {rcExtra.left, rcExtra.top, m_lPerimeter, rcExtra.bottom};
    CopySubImage(onCircle, rcExtra, rcPanorama, extra, extraMask, pano, panoMask);

    // What lies past its end is the last element's wrap copy.
    tagRECT rcRight = {m_lPerimeter, rcExtra.top, rcExtra.right, rcExtra.bottom};
    CImage* right = nullptr;
    CMask* rightMask = nullptr;
    bool rightLocked = false;
    if (AllocImageAndMask(right, rightMask, rcRight, rightLocked) != 0)
        return StitchNullArgument;
    CopySubImage(rcRight, rcExtra, rcRight, extra, extraMask, right, rightMask);
    OffsetRect(&rcRight, -m_lPerimeter, 0);
    last->m_WrapPlacement = rcRight;

    CImage* firstImage = nullptr;
    CMask* firstMask = nullptr;
    auto release = [&]() {
        if (right && rightLocked)
            right->Unlock();
        delete right;
        delete rightMask;
        delete firstImage;
        delete firstMask;
    };
    right->Unlock();
    rightLocked = false;
    CImage* cutImage = nullptr;
    CMask* cutMask = nullptr;
    if (ModifyOneWarpImageForeward(1, 0, true, right, rightMask, &cutImage, &cutMask)) {
        delete right;
        delete rightMask;
        right = cutImage;
        rightMask = cutMask;
        rcRight = last->m_WrapPlacement;
    }
    tagRECT overlap;
    IntersectRect(&overlap, &rcRight, &first->m_Placement);

    // A wrap copy that is not on disk is one a later path adjustment
    // cannot read: the render has not succeeded.
    CFileManager& files = job->m_FileManager;
    last->m_lWrapImageId = files.GetFileID();
    if (last->m_lWrapImageId < 0 || !files.SaveImageFile(last->m_lWrapImageId, right)) {
        release();
        return StitchBadArgument;
    }
    last->m_lWrapMaskId = files.GetFileID();
    if (last->m_lWrapMaskId < 0 || !files.SaveMaskFile(last->m_lWrapMaskId, rightMask)) {
        release();
        return StitchBadArgument;
    }
    last->m_WrapPlacement = rcRight;

    firstImage = new (std::nothrow) CImage;
    firstMask = new (std::nothrow) CMask;
    if (!firstImage || !firstMask) {
        release();
        return StitchNullArgument;
    }
    if (!files.LoadImageFile(first->m_lWarpedImageId, firstImage)
        || !files.LoadMaskFile(first->m_lWarpedMaskId, firstMask)) {
        release();
        return StitchBadArgument;
    }
    if (right->Lock() != 0) {
        release();
        return StitchNullArgument;
    }
    rightLocked = true;
    if (firstImage->Lock() != 0) {
        release();
        return StitchNullArgument;
    }
    int result = StitchOk;
    {
        CSmoothRender seam(job, right, rightMask, firstImage, firstMask);
        result = seam.Run(overlap, rcRight, first->m_Placement, last, true, progressLow, progressHigh);
    }
    // The seam changed the first element's pixels in the overlap.
    if (result == StitchOk)
        CopySubImage(first->m_Placement, first->m_Placement, rcPanorama, firstImage, firstMask, pano, panoMask);
    firstImage->Unlock();
    release();
    return result;
}
