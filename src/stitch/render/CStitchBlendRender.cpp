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
#include <climits>
#include <cmath>
#include <cstring>
#include <new>

void CStitchBlend::SetPerimeter()
{
    const double perimeter = std::trunc(m_pOptions->m_dFocalLength * 2.0 * M_PI / std::ldexp(1.0, m_lLayer) + 0.5);
    // A focal length that gives no circle (unknown, not finite, absurd)
    // leaves the perimeter at 0, as the outline does.
    m_lPerimeter = perimeter >= 1.0 && perimeter <= double(INT_MAX) ? int(perimeter) : 0;
    m_dRadius = m_lPerimeter * 0.5 / M_PI;
}

int CStitchBlend::AllocImageAndMask(CImage*& img, CMask*& mask, const tagRECT& rc, bool& locked)
{
    const long long width = (long long)rc.right - rc.left;
    const long long height = (long long)rc.bottom - rc.top;
    if (width <= 0 || height <= 0 || width > INT_MAX || height > INT_MAX)
        return StitchNullArgument;
    CImage* image = new (std::nothrow) CImage;
    if (!image)
        return StitchNullArgument;
    // The bitmap's own size rule (header, padded rows, the host's 32-bit
    // sizes) is applied by Create in 64 bits: a refusal is a -2, not a wrap.
    if (image->Create(int(width), int(height), 24) != 0) {
        delete image;
        return StitchNullArgument;
    }
    if (image->Lock() != 0) {
        delete image;
        return StitchBadArgument;
    }
    CMask* bits = new (std::nothrow) CMask;
    if (!bits || !bits->Create(unsigned(width), unsigned(height))) {
        delete bits;
        image->Unlock();
        delete image;
        return StitchNullArgument;
    }
    image->Clear(m_pOptions->m_lFillColour);
    img = image;
    mask = bits;
    locked = true;
    return StitchOk;
}

int CStitchBlend::CopySubImage(const tagRECT& rcArea, const tagRECT& rcSrc, const tagRECT& rcDst, CImage* src,
                               CMask* srcMask, CImage* dst, CMask* dstMask)
{
    return ForEachMaskedRun(rcArea, rcSrc, rcDst, src, srcMask, dst, dstMask,
                            [dstMask](const unsigned char* s, unsigned char* d, unsigned dy, unsigned dx,
                                      unsigned count) {
                                std::memcpy(d, s, size_t(count) * 3);
                                dstMask->SetRun(dy, dx, count);
                            });
}

int CStitchBlend::StartUpColorCorrection(int col, int row, const tagRECT& rcCur, const tagRECT& rcOther,
                                         CFinestColorCorrection* cc, bool flag)
{
    (void)rcOther;
    (void)flag;
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    int pc = col, pr = row;
    if (grid.m_Style == StitchStyleHorizontal)
        pc = col - 1;
    else if (grid.m_Style == StitchStyleVertical)
        pr = row - 1;
    else
        return StitchOk;
    if (!grid.GetElement(pc, pr) || !cc || !cc->m_pReferenceImage || !cc->m_pReferenceMask)
        return StitchOk;
    tagRECT overlap;
    IntersectRect(&overlap, &m_pScanRegions[pr * grid.m_lCols + pc].m_Rect, &rcCur);
    if (IsRectEmpty(&overlap))
        return StitchOk;
    return cc->Run(overlap, m_PanoramaRect, rcCur);
}

int CStitchBlend::StartUpSmoothStitch(int col, int row, const tagRECT& rcCur, const tagRECT& rcExtra,
                                      CSmoothRender* toPanorama, CSmoothRender* toExtra, int progressLow,
                                      int progressHigh)
{
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    if (grid.m_Style == StitchStyleTile)
        return SmoothStitchTileGrid(col, row, rcCur, toPanorama, toExtra, progressLow, progressHigh);
    const bool ring = grid.m_Style == StitchStyle360;
    const bool horizontal = grid.m_Style == StitchStyleHorizontal || ring;
    if (!horizontal && grid.m_Style != StitchStyleVertical)
        return StitchOk;
    const int pc = horizontal ? col - 1 : col, pr = horizontal ? row : row - 1;
    CStitchElement* predecessor = grid.GetElement(pc, pr);
    if (!predecessor)
        return StitchOk;
    const tagRECT& rcP = m_pScanRegions[pr * grid.m_lCols + pc].m_Rect;
    tagRECT overlap;
    IntersectRect(&overlap, &rcP, &rcCur);
    if (ring) {
        if (IsRectEmpty(&overlap))
            return StitchOk;
        // A predecessor past the end of the circle lies in the extra image.
        if (rcP.right > m_lPerimeter)
            return toExtra ? toExtra->Run(overlap, rcExtra, rcCur, predecessor, true, progressLow, progressHigh)
                           : StitchOk;
    }
    if (!toPanorama)
        return StitchOk;
    return toPanorama->Run(overlap, m_PanoramaRect, rcCur, predecessor, horizontal, progressLow, progressHigh);
}

int CStitchBlend::SmoothStitchTileGrid(int col, int row, const tagRECT& rcCur, CSmoothRender* horizontalSeam,
                                       CSmoothRender* verticalSeam, int progressLow, int progressHigh)
{
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    auto overlaps = [&](int c, int r, tagRECT* widened) {
        if (!grid.GetElement(c, r))
            return false;
        const tagRECT& rc = m_pScanRegions[r * grid.m_lCols + c].m_Rect;
        if (!IntersectRect(nullptr, &rc, &rcCur))
            return false;
        UnionRect(widened, widened, &rc);
        return true;
    };
    CStitchElement* left = grid.GetElement(col - 1, row);
    CStitchElement* upper = grid.GetElement(col, row - 1);
    const int mid = left && upper ? progressLow + (progressHigh - progressLow) / 2 : progressHigh;
    int result = StitchOk;
    if (left && horizontalSeam) {
        // What lies left of the element: its left neighbour and those above
        // that one which reach the element too.
        tagRECT rcP = m_pScanRegions[row * grid.m_lCols + col - 1].m_Rect, overlap;
        for (int r = row - 1; r >= 0 && overlaps(col - 1, r, &rcP); --r) {
        }
        IntersectRect(&overlap, &rcP, &rcCur);
        result = horizontalSeam->Run(overlap, m_PanoramaRect, rcCur, left, true, progressLow, mid);
    }
    if (result != StitchOk || !upper)
        return result;
    CSmoothRender* seam = verticalSeam ? verticalSeam : horizontalSeam;
    if (!seam)
        return StitchOk;
    // What lies above: the upper neighbour and its neighbours in that row
    // which reach the element too.
    tagRECT rcP = m_pScanRegions[(row - 1) * grid.m_lCols + col].m_Rect, overlap;
    for (int c = col + 1; c < grid.m_lCols && overlaps(c, row - 1, &rcP); ++c) {
    }
    for (int c = col - 1; c >= 0 && overlaps(c, row - 1, &rcP); --c) {
    }
    IntersectRect(&overlap, &rcP, &rcCur);
    return seam->Run(overlap, m_PanoramaRect, rcCur, upper, false, left ? mid : progressLow, progressHigh);
}

void CStitchBlend::FinishRender(CImage* pano, CMask* panoMask, PathDataMemo* memo)
{
    CStitchOptions* job = m_pOptions;
    job->m_CropRect = CropPictureRect(panoMask);
    if (job->m_hResultDib)
        CStitchOptions::MemFree(job->m_hResultDib);
    job->m_hResultDib = pano->Detach();
    // The old files go only once the new result is in place.
    DeleteOldTempFile(memo);
    CStitchOptions::ShowProgress(100);
    // The working layer is rendered again by a fine-tune and the deepest
    // one is aligned again; the layers between serve no one now.
    for (int layer = m_lLayer + 1; layer < job->m_lDeepestLayer; ++layer)
        job->m_Matrix.ReleaseLayerImages(layer);
}

int CStitchBlend::RenderAuto()
{
    CStitchOptions* job = m_pOptions;
    if (!job || !m_pScanRegions)
        return StitchNullArgument;
    CStitchMatrix& grid = job->m_Matrix;
    const bool ring = grid.m_Style == StitchStyle360;
    const bool horizontal = grid.m_Style == StitchStyleHorizontal || ring;
    if (!horizontal && grid.m_Style != StitchStyleVertical)
        return StitchBadArgument;
    SetPerimeter();
    if (ring && m_lPerimeter <= 0)
        return StitchBadArgument;
    PathDataMemo* memo = nullptr;
    if (BackupForAdjustPath(&memo) != 0)
        return StitchNullArgument;

    CImage carrier;
    BlendWorking pano, warped, extra;
    tagRECT rcExtra = {0, 0, 0, 0};
    bool extraTaken = false; // an element went to the extra image: none goes to the panorama any more
    const int cells = grid.m_lCols * grid.m_lRows;
    // A ring has one more step: the seam that closes it.
    const int steps = ring ? cells + 1 : cells;
    const int parts = 3 * steps - 2;
    int result = StitchOk;
    int k = 0;
    for (int row = 0; row < grid.m_lRows && result == StitchOk; ++row) {
        for (int col = 0; col < grid.m_lCols; ++col, ++k) {
            const int cell = row * grid.m_lCols + col;
            CStitchElement* e = grid.GetElement(col, row);
            if (!e)
                continue;
            // Each cell's band: a share for its warp, the rest for its seam;
            // the first cell has no seam to speak of and warps longer.
            const int low = k == 0 ? 0 : (3 * k - 2) * 100 / parts;
            const int high = k == 0 ? 100 / parts : (3 * k + 1) * 100 / parts;
            const int mid = k == 0 ? low + 3 * (high - low) / 5 : low + 2 * (high - low) / 5;
            tagRECT rcCur = m_pScanRegions[cell].m_Rect;

            result = WarpElement(horizontal ? Surface::Cylinder : Surface::CylinderVertical, carrier, e, cell, warped,
                                 low, mid);
            if (result != StitchOk)
                break;

            CFinestColorCorrection colour;
            colour.m_pNewImage = warped.image;
            colour.m_pNewMask = warped.mask;
            colour.m_pReferenceImage = pano.image;
            colour.m_pReferenceMask = pano.mask;
            result = StartUpColorCorrection(col, row, rcCur, rcCur, &colour, false);
            if (result != StitchOk)
                break;

            if (k >= 2) {
                CImage* cutImage = nullptr;
                CMask* cutMask = nullptr;
                const bool cut = ModifyOneWarpImageForeward(col, row, horizontal, warped.image, warped.mask,
                                                            &cutImage, &cutMask, &result);
                if (result != StitchOk)
                    break;
                if (cut) {
                    warped.Replace(cutImage, cutMask);
                    if (warped.image->Lock() != 0) {
                        result = StitchBadArgument;
                        break;
                    }
                    warped.locked = true;
                    rcCur = e->m_Placement;
                    m_pScanRegions[cell].m_Rect = rcCur;
                }
            }

            result = SaveWarpedFiles(e, warped.image, warped.mask);
            if (result != StitchOk)
                break;

            if (pano.image) {
                CSmoothRender toPanorama(job, pano.image, pano.mask, warped.image, warped.mask);
                CSmoothRender toExtra(job, extra.image, extra.mask, warped.image, warped.mask);
                result = StartUpSmoothStitch(col, row, rcCur, rcExtra, &toPanorama, extra.image ? &toExtra : nullptr,
                                             mid, high);
                if (result != StitchOk)
                    break;
            } else {
                result = AllocImageAndMask(pano.image, pano.mask, m_PanoramaRect, pano.locked);
                if (result != StitchOk)
                    break;
            }
            if (ring && rcCur.right > m_lPerimeter) {
                if (!extra.image) {
                    result = AllocExtraImagePanorama(extra.image, extra.mask, rcExtra, extra.locked);
                    if (result != StitchOk)
                        break;
                }
                result = CopySubImage(rcCur, rcCur, rcExtra, warped.image, warped.mask, extra.image, extra.mask);
                extraTaken = true;
            } else if (!extraTaken) {
                result = CopySubImage(rcCur, rcCur, m_PanoramaRect, warped.image, warped.mask, pano.image,
                                      pano.mask);
            }
            if (result != StitchOk)
                break;
            warped.Free();
        }
    }
    if (result == StitchOk && !pano.image)
        result = StitchBadArgument; // no element in use: nothing to show
    if (result == StitchOk && extra.image) {
        // The part past the circle's end closes the ring over its start.
        result = SmoothExtraImagePanorama(rcExtra, extra.image, extra.mask, m_PanoramaRect, pano.image, pano.mask,
                                          50 + 50 * cells / steps, 50 + (50 * cells + 50) / steps);
        extra.Free();
    }
    if (result != StitchOk) {
        warped.Free();
        extra.Free();
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
