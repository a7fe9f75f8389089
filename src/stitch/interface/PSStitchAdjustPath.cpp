// Moving one dividing path through the user's points.

#include "stitch/interface/PSStitch.h"
#include "stitch/interface/PSStitchFineTune.h"

#include "stitch/blend/CSmoothRender.h"
#include "stitch/image/CImage.h"
#include "stitch/image/CMask.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <algorithm>
#include <cstring>
#include <vector>

void CopySubImage(const tagRECT& area, const tagRECT& srcOrigin, const tagRECT& dstOrigin, CImage* src,
                  CMask* srcMask, CImage* dst, CMask* dstMask)
{
    if (!src || !srcMask || !dst || !src->Bits() || !dst->Bits() || src->BitCount() != 24 || dst->BitCount() != 24)
        return;
    const long long srcW = src->Width(), srcH = src->Height();
    const long long dstW = dst->Width(), dstH = dst->Height();
    for (long long y = area.top; y < area.bottom; ++y) {
        const long long sy = y - srcOrigin.top, dy = y - dstOrigin.top;
        if (sy < 0 || sy >= srcH || dy < 0 || dy >= dstH)
            continue;
        for (long long x = area.left; x < area.right; ++x) {
            const long long sx = x - srcOrigin.left, dx = x - dstOrigin.left;
            if (sx < 0 || sx >= srcW || dx < 0 || dx >= dstW)
                continue;
            if (!srcMask->GetPixel((unsigned)sy, (unsigned)sx))
                continue;
            std::memcpy(dst->Bits() + dy * dst->Stride() + 3 * dx, src->Bits() + sy * src->Stride() + 3 * sx, 3);
            if (dstMask)
                dstMask->SetPixel((unsigned)dy, (unsigned)dx, true);
        }
    }
}

namespace {

bool ReadWarped(CStitchOptions* job, int imageId, int maskId, CImage* image, CMask* mask)
{
    if (imageId < 0 || maskId < 0)
        return false;
    return job->m_FileManager.LoadImageFile(imageId, image) && job->m_FileManager.LoadMaskFile(maskId, mask)
           && image->Lock() == 0 && image->BitCount() == 24;
}

} // namespace

int PSAdjustPath(CStitchOptions* job, tagPOINT element, bool horizontal, tagPOINT* points, bool pathOnly,
                 bool* changed, unsigned short** path, void** resultDib)
{
    if (!job || !changed || !path)
        return StitchNullArgument;
    *changed = false;
    if (!*path || (*path)[0] < 3)
        return 0;
    if (!points)
        return StitchBadArgument;
    const CStitchMatrix& grid = job->m_Matrix;
    CStitchElement* e = grid.GetElement(element.x, element.y);
    CStitchElement* n = nullptr;
    if (e && grid.m_lCols > 0) {
        if (horizontal) {
            const int next = grid.m_Style == StitchStyle360 ? (element.x + 1) % grid.m_lCols : element.x + 1;
            n = grid.GetElement(next, element.y);
        } else {
            n = grid.GetElement(element.x, element.y + 1);
        }
    }
    if (!e || !n || n == e)
        return StitchBadArgument;
    // The seam between two rows of a tile grid joins the rows' strips: the
    // render kept copies of both strips over their overlap (each of the
    // overlap's own size) on the upper element.
    const bool strips = grid.m_Style == StitchStyleTile && !horizontal;
    const bool wrap = grid.m_Style == StitchStyle360 && horizontal && element.x == grid.m_lCols - 1;
    CImage imageA, imageB;
    CMask maskA, maskB;
    tagRECT overlap, overlapA, overlapB, placeB;
    if (strips) {
        IntersectRect(&overlap, &e->m_RowStrip, &n->m_RowStrip);
        if (IsRectEmpty(&overlap))
            return StitchBadArgument;
        overlapA = overlap;
        OffsetRect(&overlapA, -overlap.left, -overlap.top);
        overlapB = overlapA;
        placeB = overlap;
        if (!ReadWarped(job, e->m_lStripImageId, e->m_lStripMaskId, &imageA, &maskA)
            || !ReadWarped(job, e->m_lNextStripImageId, e->m_lNextStripMaskId, &imageB, &maskB))
            return StitchNullArgument;
    } else {
        const tagRECT placeA = wrap ? e->m_WrapPlacement : e->m_Placement;
        placeB = n->m_Placement;
        if (!ReadWarped(job, wrap ? e->m_lWrapImageId : e->m_lWarpedImageId,
                        wrap ? e->m_lWrapMaskId : e->m_lWarpedMaskId, &imageA, &maskA)
            || !ReadWarped(job, n->m_lWarpedImageId, n->m_lWarpedMaskId, &imageB, &maskB))
            return StitchNullArgument;
        IntersectRect(&overlap, &placeA, &placeB);
        overlapA = overlap;
        overlapB = overlap;
        OffsetRect(&overlapA, -placeA.left, -placeA.top);
        OffsetRect(&overlapB, -placeB.left, -placeB.top);
    }
    const int width = overlap.right - overlap.left;
    const int height = overlap.bottom - overlap.top;
    // A point on the overlap's border cannot carry a seam.
    if (points[0].x == 0 || points[0].y == 0 || points[0].x == width - 1 || points[0].y == height - 1) {
        *changed = false;
        return 0;
    }

    // The search writes the new path in place; a failure after it puts the
    // old one back, so that the path still matches the result on screen.
    const std::vector<unsigned short> before(*path, *path + (*path)[0]);
    auto undo = [&](int code) {
        std::copy(before.begin(), before.end(), *path);
        *changed = false;
        return code;
    };
    CSmoothRender seam(job, &imageA, &maskA, &imageB, &maskB);
    if (const int code = seam.SearchRun(element, horizontal, overlapA, overlapB, points, false, changed, path))
        return undo(code);
    if (!*changed || pathOnly)
        return 0;

    if (!job->m_hResultDib && !job->GetResultDIBDataFromOutside()) {
        // A bitmap the host did not fill is no result.
        if (job->m_hResultDib) {
            CStitchOptions::MemFree(job->m_hResultDib);
            job->m_hResultDib = nullptr;
        }
        return undo(StitchBadArgument);
    }
    CImage result;
    if (result.Attach(job->m_hResultDib) != 0)
        return undo(StitchNullArgument);
    if (result.Lock() != 0) {
        result.Detach();
        return undo(StitchBadArgument);
    }
    CopySubImage(overlap, placeB, job->m_LayoutRect, &imageB, &maskB, &result, nullptr);
    result.Unlock();
    result.Detach();
    if (resultDib)
        *resultDib = job->m_hResultDib;
    return 0;
}
