#include "stitch/render/CStitchBlend.h"

#include "stitch/blend/CSmoothRender.h"
#include "stitch/image/CImage.h"
#include "stitch/image/CMask.h"
#include "stitch/interface/StitchEnums.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/outline/CScanRegion.h"

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
    if (const int code = CopySubImage(onCircle, rcExtra, rcPanorama, extra, extraMask, pano, panoMask))
        return code;

    // What lies past its end is the last element's wrap copy.
    tagRECT rcRight = {m_lPerimeter, rcExtra.top, rcExtra.right, rcExtra.bottom};
    CImage* right = nullptr;
    CMask* rightMask = nullptr;
    bool rightLocked = false;
    if (const int code = AllocImageAndMask(right, rightMask, rcRight, rightLocked))
        return code;
    if (const int code = CopySubImage(rcRight, rcExtra, rcRight, extra, extraMask, right, rightMask)) {
        right->Unlock();
        delete right;
        delete rightMask;
        return code;
    }
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
    int trimmed = StitchOk;
    const bool cut = ModifyOneWarpImageForeward(1, 0, true, right, rightMask, &cutImage, &cutMask, &trimmed);
    if (trimmed != StitchOk) {
        release();
        return trimmed;
    }
    if (cut) {
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
    // A file of another size (stale, or written over) does not lie at the
    // first element's placement: seamed there it would be read out of its
    // bounds, and copied back it would misplace the picture's start.
    const long long placedW = (long long)first->m_Placement.right - first->m_Placement.left;
    const long long placedH = (long long)first->m_Placement.bottom - first->m_Placement.top;
    if (firstImage->BitCount() != 24 || firstImage->Width() != placedW || firstImage->Height() != placedH
        || firstMask->Width() != placedW || firstMask->Height() != placedH) {
        release();
        return StitchBadArgument;
    }
    if (right->Lock() != 0) {
        release();
        return StitchBadArgument;
    }
    rightLocked = true;
    if (firstImage->Lock() != 0) {
        release();
        return StitchBadArgument;
    }
    int result = StitchOk;
    {
        CSmoothRender seam(job, right, rightMask, firstImage, firstMask);
        result = seam.Run(overlap, rcRight, first->m_Placement, last, true, progressLow, progressHigh);
    }
    // The seam changed the first element's pixels in the overlap.
    if (result == StitchOk)
        result = CopySubImage(first->m_Placement, first->m_Placement, rcPanorama, firstImage, firstMask, pano,
                              panoMask);
    firstImage->Unlock();
    release();
    return result;
}

int CStitchBlend::AllocExtraImagePanorama(CImage*& img, CMask*& mask, tagRECT& rc, bool& locked)
{
    // From the first region of row 0 that reaches past the circle's end to
    // the last one, over the panorama's height.
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    rc = tagRECT{0, m_PanoramaRect.top, 0, m_PanoramaRect.bottom};
    for (int c = 0; c < grid.m_lCols; ++c)
        if (m_pScanRegions[c].m_Rect.right > m_lPerimeter) {
            rc.left = m_pScanRegions[c].m_Rect.left;
            break;
        }
    for (int c = grid.m_lCols - 1; c >= 0; --c)
        if (m_pScanRegions[c].m_Rect.right > m_lPerimeter) {
            rc.right = m_pScanRegions[c].m_Rect.right;
            break;
        }
    return AllocImageAndMask(img, mask, rc, locked);
}
