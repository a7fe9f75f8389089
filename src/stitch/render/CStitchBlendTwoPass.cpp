// The older two-pass rendering: RenderProject warps every element, keeps it
// as temporary files and averages the overlaps; RenderSmooth then trims the
// kept files, seams them and replaces the result. Nothing in the library
// calls them; they stay part of its interface.
#include "stitch/render/CStitchBlend.h"

#include "stitch/blend/CSmoothRender.h"
#include "stitch/colour/CFinestColorCorrection.h"
#include "stitch/image/CImage.h"
#include "stitch/image/CMask.h"
#include "stitch/interface/StitchEnums.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/outline/CScanRegion.h"
#include "stitch/render/BlendWorking.h"

#include <algorithm>
#include <cstdlib>
#include <new>

namespace {

// Loads an element's warped files; both must lie exactly at its placement.
bool LoadWarped(CFileManager& files, const CStitchElement* e, BlendWorking& out)
{
    out.Free();
    out.image = new (std::nothrow) CImage;
    out.mask = new (std::nothrow) CMask;
    if (!out.image || !out.mask || !files.LoadImageFile(e->m_lWarpedImageId, out.image)
        || !files.LoadMaskFile(e->m_lWarpedMaskId, out.mask))
        return false;
    const long long w = (long long)e->m_Placement.right - e->m_Placement.left;
    const long long h = (long long)e->m_Placement.bottom - e->m_Placement.top;
    return out.image->BitCount() == 24 && out.image->Width() == w && out.image->Height() == h
        && out.mask->Width() == w && out.mask->Height() == h;
}

} // namespace

int CStitchBlend::BlendSubImage(const tagRECT& rcArea, const tagRECT& rcSrc, const tagRECT& rcDst, CImage* src,
                                CMask* srcMask, CImage* dst, CMask* dstMask)
{
    // Where both have a pixel, the mean; elsewhere the source's.
    return ForEachMaskedPixel(rcArea, rcSrc, rcDst, src, srcMask, dst, dstMask,
                              [dstMask](const unsigned char* s, unsigned char* d, unsigned dy, unsigned dx) {
                                  if (dstMask->GetPixel(dy, dx)) {
                                      for (int b = 0; b < 3; ++b)
                                          d[b] = (unsigned char)((s[b] + d[b]) / 2);
                                  } else {
                                      std::copy(s, s + 3, d);
                                      dstMask->SetPixel(dy, dx, true);
                                  }
                              });
}

int CStitchBlend::RenderProject()
{
    CStitchOptions* job = m_pOptions;
    if (!job || !m_pScanRegions)
        return StitchNullArgument;
    CStitchMatrix& grid = job->m_Matrix;
    const tagStitchStyle style = grid.m_Style;
    const bool ring = style == StitchStyle360;
    SetPerimeter();
    if (ring && m_lPerimeter <= 0)
        return StitchBadArgument;
    const Surface surface = style == StitchStyleTile       ? Surface::Sphere
                            : style == StitchStyleVertical ? Surface::CylinderVertical
                                                           : Surface::Cylinder;
    PathDataMemo* memo = nullptr;
    if (BackupForAdjustPath(&memo) != 0)
        return StitchNullArgument;

    CImage carrier;
    BlendWorking pano, warped;
    int result = AllocImageAndMask(pano.image, pano.mask, m_PanoramaRect, pano.locked);
    const int cells = grid.m_lCols * grid.m_lRows;
    const int steps = ring ? cells + 1 : cells;
    const int parts = 3 * steps - 2;
    bool drawn = false;
    for (int k = 0; k < cells && result == StitchOk; ++k) {
        const int col = k % grid.m_lCols, row = k / grid.m_lCols;
        CStitchElement* e = grid.GetElement(col, row);
        if (!e)
            continue;
        // The bands of RenderAuto: a cell's averaging stands in for its seam.
        const int low = k == 0 ? 0 : (3 * k - 2) * 100 / parts;
        const int high = k == 0 ? 100 / parts : (3 * k + 1) * 100 / parts;
        const int mid = k == 0 ? low + 3 * (high - low) / 5 : low + 2 * (high - low) / 5;
        const tagRECT rcCur = m_pScanRegions[k].m_Rect;
        result = WarpElement(surface, carrier, e, k, warped, low, mid);
        if (result != StitchOk)
            break;
        CFinestColorCorrection colour;
        colour.m_pNewImage = warped.image;
        colour.m_pNewMask = warped.mask;
        colour.m_pReferenceImage = drawn ? pano.image : nullptr;
        colour.m_pReferenceMask = drawn ? pano.mask : nullptr;
        result = StartUpColorCorrection(col, row, rcCur, rcCur, &colour, false);
        if (result == StitchOk)
            result = SaveWarpedFiles(e, warped.image, warped.mask);
        if (result != StitchOk)
            break;
        result = BlendSubImage(rcCur, rcCur, m_PanoramaRect, warped.image, warped.mask, pano.image, pano.mask);
        if (result == StitchOk && ring && rcCur.right > m_lPerimeter) {
            // The part past the circle's end belongs over its start.
            tagRECT moved = rcCur;
            OffsetRect(&moved, -m_lPerimeter, 0);
            result = BlendSubImage(moved, moved, m_PanoramaRect, warped.image, warped.mask, pano.image, pano.mask);
        }
        if (result != StitchOk)
            break;
        drawn = true;
        warped.Free();
        if (CStitchOptions::ShowProgress(high)) {
            result = StitchCancelled;
            break;
        }
    }
    if (result == StitchOk && !drawn)
        result = StitchBadArgument;
    if (result != StitchOk) {
        warped.Free();
        pano.Free();
        ReturnOriginFile(memo);
        delete[] memo;
        return result;
    }
    pano.image->Unlock();
    pano.locked = false;
    FinishRender(pano.image, pano.mask, memo);
    delete[] memo;
    return StitchOk;
}

bool CStitchBlend::ModifyOneWarpImage(tagPOINT cut, tagPOINT second, tagPOINT first, bool horizontal)
{
    if (!m_pOptions)
        return false;
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    CStitchElement* n = grid.GetElement(cut.x, cut.y);
    CStitchElement* b = grid.GetElement(second.x, second.y);
    CStitchElement* a = grid.GetElement(first.x, first.y);
    if (!n || !b || !a || n == b || n == a || a == b)
        return false;
    tagRECT rcA = a->m_Placement, rcB = b->m_Placement;
    const tagRECT rcN = n->m_Placement;
    // In a ring, an element past the end of the row that precedes the cut
    // one lies a turn further on.
    if (grid.m_Style == StitchStyle360 && horizontal) {
        if (first.x > cut.x)
            OffsetRect(&rcA, -m_lPerimeter, 0);
        if (second.x > cut.x)
            OffsetRect(&rcB, -m_lPerimeter, 0);
    }
    tagRECT rc;
    if (!CutThird(rcA, rcB, rcN, horizontal, &rc))
        return false;

    CFileManager& files = m_pOptions->m_FileManager;
    BlendWorking whole, part;
    if (!LoadWarped(files, n, whole))
        return false;
    if (AllocImageAndMask(part.image, part.mask, rc, part.locked) != 0)
        return false;
    if (CopySubImage(rc, rcN, rc, whole.image, whole.mask, part.image, part.mask) != StitchOk)
        return false;
    part.image->Unlock();
    part.locked = false;
    // Saved over the old files (each save replaces its file whole); should
    // the mask not be written, the image goes back, so that the files and
    // the placement keep agreeing.
    if (!files.SaveImageFile(n->m_lWarpedImageId, part.image))
        return false;
    if (!files.SaveMaskFile(n->m_lWarpedMaskId, part.mask)) {
        files.SaveImageFile(n->m_lWarpedImageId, whole.image);
        return false;
    }
    n->m_Placement = rc;
    return true;
}

int CStitchBlend::ModifyWarpImagesInTwoOverlaps(int progressLow, int progressHigh)
{
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    // Tile grids are seamed as they are.
    if (grid.m_Style == StitchStyleTile)
        return CStitchOptions::ShowProgress(progressLow) || CStitchOptions::ShowProgress(progressHigh)
                   ? StitchCancelled
                   : StitchOk;
    const bool horizontal = grid.m_Style != StitchStyleVertical;
    const int cells = grid.m_lCols * grid.m_lRows;
    for (int k = 0; k < cells; ++k) {
        if (CStitchOptions::ShowProgress(progressLow + k * (progressHigh - progressLow) / cells))
            return StitchCancelled;
        const int col = k % grid.m_lCols, row = k / grid.m_lCols;
        // From the third cell on, as RenderAuto trims.
        if (k < 2 || !grid.GetElement(col, row))
            continue;
        const tagPOINT n{col, row};
        const tagPOINT b = horizontal ? tagPOINT{col - 1, row} : tagPOINT{col, row - 1};
        const tagPOINT a = horizontal ? tagPOINT{col - 2, row} : tagPOINT{col, row - 2};
        if (ModifyOneWarpImage(n, b, a, horizontal))
            m_pScanRegions[k].m_Rect = grid.GetElement(col, row)->m_Placement;
    }
    return CStitchOptions::ShowProgress(progressHigh) ? StitchCancelled : StitchOk;
}

int CStitchBlend::StartUpSmoothStitchTile(int col, int row, const tagRECT& rcCur, const tagRECT& rcA,
                                          CSmoothRender* renderer, bool horizontal, int progressLow,
                                          int progressHigh)
{
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    if (!renderer)
        return StitchOk;
    tagRECT overlap;
    if (horizontal) {
        CStitchElement* left = grid.GetElement(col - 1, row);
        if (!left)
            return StitchOk;
        IntersectRect(&overlap, &m_pScanRegions[row * grid.m_lCols + col - 1].m_Rect, &rcCur);
        return renderer->Run(overlap, rcA, rcCur, left, true, progressLow, progressHigh);
    }
    // The seam between strips is kept on the upper row's first element,
    // which holds that row's strip.
    CStitchElement* upper = nullptr;
    for (int c = 0; c < grid.m_lCols && !upper; ++c)
        upper = grid.GetElement(c, row - 1);
    if (!upper)
        return StitchOk;
    IntersectRect(&overlap, &rcA, &rcCur);
    return renderer->Run(overlap, m_PanoramaRect, rcCur, upper, false, progressLow, progressHigh);
}

int CStitchBlend::SmoothExtraImagePanoramaManual(const tagRECT& rcWork, CImage* work, CMask* workMask,
                                                 int progressLow, int progressHigh)
{
    CStitchOptions* job = m_pOptions;
    const CStitchMatrix& grid = job->m_Matrix;
    CStitchElement* last = grid.GetElement(grid.m_lCols - 1, 0);
    CStitchElement* first = grid.GetElement(0, 0);
    if (!work || !workMask || !last || !first || last == first)
        return StitchBadArgument;
    if (rcWork.right <= m_lPerimeter)
        return StitchOk; // nothing reaches past the circle's end

    // The part past the circle's end, a turn back: the last element's wrap
    // copy, cut where the first two elements begin to overlap.
    tagRECT rcRight = {m_lPerimeter, rcWork.top, rcWork.right, rcWork.bottom};
    BlendWorking right, start;
    if (const int code = AllocImageAndMask(right.image, right.mask, rcRight, right.locked))
        return code;
    if (const int code = CopySubImage(rcRight, rcWork, rcRight, work, workMask, right.image, right.mask))
        return code;
    right.image->Unlock();
    right.locked = false;
    OffsetRect(&rcRight, -m_lPerimeter, 0);
    last->m_WrapPlacement = rcRight;
    CImage* cutImage = nullptr;
    CMask* cutMask = nullptr;
    int trimmed = StitchOk;
    if (ModifyOneWarpImageForeward(1, 0, true, right.image, right.mask, &cutImage, &cutMask, &trimmed)) {
        right.Replace(cutImage, cutMask);
        rcRight = last->m_WrapPlacement;
    }
    if (trimmed != StitchOk)
        return trimmed;
    CFileManager& files = job->m_FileManager;
    for (int* id : {&last->m_lWrapImageId, &last->m_lWrapMaskId})
        if (*id != -1) {
            job->RemoveFile(*id);
            *id = -1;
        }
    last->m_lWrapImageId = files.GetFileID();
    if (last->m_lWrapImageId < 0 || !files.SaveImageFile(last->m_lWrapImageId, right.image))
        return StitchBadArgument;
    last->m_lWrapMaskId = files.GetFileID();
    if (last->m_lWrapMaskId < 0 || !files.SaveMaskFile(last->m_lWrapMaskId, right.mask))
        return StitchBadArgument;

    if (!LoadWarped(files, first, start))
        return StitchBadArgument;
    if (right.image->Lock() != 0)
        return StitchBadArgument;
    right.locked = true;
    if (start.image->Lock() != 0)
        return StitchBadArgument;
    start.locked = true;
    tagRECT overlap;
    IntersectRect(&overlap, &rcRight, &first->m_Placement);
    int result = StitchOk;
    {
        CSmoothRender seam(job, right.image, right.mask, start.image, start.mask);
        result = seam.Run(overlap, rcRight, first->m_Placement, last, true, progressLow, progressHigh);
    }
    // The seam changed the first element's pixels within the overlap only;
    // beyond it the picture holds the first element's own seam with its
    // right neighbour, which must stay.
    if (result == StitchOk)
        result = CopySubImage(overlap, first->m_Placement, rcWork, start.image, start.mask, work, workMask);
    return result;
}

int CStitchBlend::CropBlendResultPanorama(const tagRECT& rcWork, CImage*& work, CMask*& workMask)
{
    if (!work || !workMask)
        return StitchBadArgument;
    if (EqualRect(&rcWork, &m_PanoramaRect))
        return StitchOk;
    BlendWorking cut;
    if (const int code = AllocImageAndMask(cut.image, cut.mask, m_PanoramaRect, cut.locked))
        return code;
    if (const int code = CopySubImage(m_PanoramaRect, rcWork, m_PanoramaRect, work, workMask, cut.image, cut.mask))
        return code;
    cut.image->Unlock();
    cut.locked = false;
    delete work;
    delete workMask;
    work = cut.image;
    workMask = cut.mask;
    cut.image = nullptr;
    cut.mask = nullptr;
    return StitchOk;
}

int CStitchBlend::RenderSmooth()
{
    CStitchOptions* job = m_pOptions;
    if (!job || !m_pScanRegions)
        return StitchNullArgument;
    CStitchMatrix& grid = job->m_Matrix;
    const bool ring = grid.m_Style == StitchStyle360;
    SetPerimeter();
    if (ring && m_lPerimeter <= 0)
        return StitchBadArgument;
    const int cells = grid.m_lCols * grid.m_lRows;
    // Every element in use needs the files RenderProject kept.
    for (int k = 0; k < cells; ++k)
        if (const CStitchElement* e = grid.GetElement(k % grid.m_lCols, k / grid.m_lCols))
            if (e->m_lWarpedImageId == -1 || e->m_lWarpedMaskId == -1)
                return StitchBadArgument;
    if (CStitchOptions::ShowProgress(0))
        return StitchCancelled;
    if (const int code = ModifyWarpImagesInTwoOverlaps(20, 50))
        return code;

    // The working picture reaches as far as any element does, so that a
    // ring's end past the circle is seamed like any other part; it starts
    // where the panorama starts, so its origin is the panorama's.
    tagRECT rcWork = m_PanoramaRect;
    for (int k = 0; k < cells; ++k)
        if (const CStitchElement* e = grid.GetElement(k % grid.m_lCols, k / grid.m_lCols))
            if (e->m_Placement.right > rcWork.right || e->m_Placement.bottom > rcWork.bottom) {
                rcWork.right = std::max(rcWork.right, e->m_Placement.right);
                rcWork.bottom = std::max(rcWork.bottom, e->m_Placement.bottom);
            }
    BlendWorking work, element;
    int result = AllocImageAndMask(work.image, work.mask, rcWork, work.locked);
    CFileManager& files = job->m_FileManager;
    const int steps = ring ? cells + 1 : cells;
    bool drawn = false;
    for (int k = 0; k < cells && result == StitchOk; ++k) {
        const int col = k % grid.m_lCols, row = k / grid.m_lCols;
        CStitchElement* e = grid.GetElement(col, row);
        if (!e)
            continue;
        const int low = 50 + 50 * k / steps, high = 50 + 50 * (k + 1) / steps;
        if (!LoadWarped(files, e, element)) {
            result = StitchBadArgument;
            break;
        }
        if (element.image->Lock() != 0) {
            result = StitchBadArgument;
            break;
        }
        element.locked = true;
        const tagRECT rcCur = e->m_Placement;
        m_pScanRegions[k].m_Rect = rcCur;
        if (drawn) {
            // Two renderers: a tile element may be seamed twice.
            CSmoothRender first(job, work.image, work.mask, element.image, element.mask);
            CSmoothRender second(job, work.image, work.mask, element.image, element.mask);
            // The working picture stands for the extra image too: its origin
            // is the panorama's.
            result = StartUpSmoothStitch(col, row, rcCur, rcWork, &first, &second, low, high);
            if (result != StitchOk)
                break;
        }
        result = CopySubImage(rcCur, rcCur, rcWork, element.image, element.mask, work.image, work.mask);
        if (result != StitchOk)
            break;
        drawn = true;
        element.Free();
    }
    if (result == StitchOk && !drawn)
        result = StitchBadArgument;
    if (result == StitchOk && ring)
        result = SmoothExtraImagePanoramaManual(rcWork, work.image, work.mask, 50 + 50 * cells / steps, 100);
    if (result == StitchOk) {
        work.image->Unlock();
        work.locked = false;
        result = CropBlendResultPanorama(rcWork, work.image, work.mask);
    }
    if (result != StitchOk)
        return result;
    FinishRender(work.image, work.mask, nullptr);
    return StitchOk;
}

void CStitchBlend::ReleaseForSmooth()
{
    CStitchOptions* job = m_pOptions;
    if (!job)
        return;
    if (job->m_hResultDib) {
        CStitchOptions::MemFree(job->m_hResultDib);
        job->m_hResultDib = nullptr;
    }
    // The job's path list points at the paths that go.
    delete[] job->m_ppPaths;
    job->m_ppPaths = nullptr;
    job->m_lPathCount = 0;
    const CStitchMatrix& grid = job->m_Matrix;
    for (int row = 0; row < grid.m_lRows; ++row)
        for (int col = 0; col < grid.m_lCols; ++col) {
            CStitchElement* e = grid.GetElement(col, row);
            if (!e)
                continue;
            delete[] e->m_pRightPath;
            e->m_pRightPath = nullptr;
            delete[] e->m_pLowerPath;
            e->m_pLowerPath = nullptr;
            // Every seam's files: the graphs and the strips' overlaps.
            for (int* id : {&e->m_lRightGraphId, &e->m_lLowerGraphId, &e->m_lStripImageId, &e->m_lStripMaskId,
                            &e->m_lNextStripImageId, &e->m_lNextStripMaskId})
                if (*id != -1) {
                    job->RemoveFile(*id);
                    *id = -1;
                }
        }
}
