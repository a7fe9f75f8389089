// Tile grids on a sphere: each row is seamed into a strip of its own, and
// each strip into the panorama below the rows before it.
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

#include <new>
#include <vector>

int CStitchBlend::WarpElement(Surface surface, CImage& carrier, CStitchElement* e, int cell, BlendWorking& out,
                              int progressLow, int progressHigh)
{
    void* layer = e->m_Pyramid.LockHDib(m_lLayer);
    if (!layer)
        return StitchBadArgument;
    if (carrier.Attach(layer) != 0) {
        e->m_Pyramid.UnlockHDib(m_lLayer);
        return StitchNullArgument;
    }
    if (carrier.Lock() != 0) {
        carrier.Detach();
        e->m_Pyramid.UnlockHDib(m_lLayer);
        return StitchBadArgument;
    }
    const int result = Warp(surface, &carrier, e, cell, out.image, out.mask, out.locked, progressLow,
                            progressHigh);
    carrier.Unlock();
    carrier.Detach();
    e->m_Pyramid.UnlockHDib(m_lLayer);
    return result;
}

int CStitchBlend::SaveWarpedFiles(CStitchElement* e, CImage* image, CMask* mask)
{
    // The files are what a later path adjustment and the two-pass renderer
    // read: a render whose files are not all written has not succeeded.
    CFileManager& files = m_pOptions->m_FileManager;
    e->m_lWarpedImageId = files.GetFileID();
    if (e->m_lWarpedImageId < 0 || !files.SaveImageFile(e->m_lWarpedImageId, image))
        return StitchBadArgument;
    e->m_lWarpedMaskId = files.GetFileID();
    if (e->m_lWarpedMaskId < 0 || !files.SaveMaskFile(e->m_lWarpedMaskId, mask))
        return StitchBadArgument;
    return StitchOk;
}

int CStitchBlend::RenderWideAngle()
{
    CStitchOptions* job = m_pOptions;
    if (!job || !m_pScanRegions)
        return StitchNullArgument;
    CStitchMatrix& grid = job->m_Matrix;
    if (grid.m_Style != StitchStyleTile || grid.m_lCols <= 0 || grid.m_lRows <= 0)
        return StitchBadArgument;
    const int cols = grid.m_lCols, rows = grid.m_lRows;

    // A row without a photo would leave an empty strip between its
    // neighbours and nothing to seam them across: such a grid is not a
    // tile grid. Refused before anything is made or taken over.
    for (int r = 0; r < rows; ++r) {
        int c = 0;
        while (c < cols && !grid.GetElement(c, r))
            ++c;
        if (c == cols)
            return StitchNoOrder;
    }
    std::vector<tagRECT> rowRect;
    std::vector<int> firstInRow;
    try {
        rowRect.assign(size_t(rows), tagRECT{0, 0, 0, 0});
        firstInRow.assign(size_t(rows), -1);
    } catch (const std::bad_alloc&) {
        return StitchNullArgument;
    }
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            if (!grid.GetElement(c, r))
                continue;
            const tagRECT& rc = m_pScanRegions[r * cols + c].m_Rect;
            if (firstInRow[size_t(r)] < 0)
                rowRect[size_t(r)] = rc;
            else
                UnionRect(&rowRect[size_t(r)], &rowRect[size_t(r)], &rc);
            if (firstInRow[size_t(r)] < 0)
                firstInRow[size_t(r)] = c;
        }
    }

    SetPerimeter();
    PathDataMemo* memo = nullptr;
    if (BackupForAdjustPath(&memo) != 0)
        return StitchNullArgument;
    for (int r = 0; r < rows; ++r)
        grid.GetElement(firstInRow[size_t(r)], r)->m_RowStrip = rowRect[size_t(r)];

    CImage carrier;
    BlendWorking pano, strip, warped;
    int result = AllocImageAndMask(pano.image, pano.mask, m_PanoramaRect, pano.locked);
    // Each row has its band; a later row shares its band between its
    // elements (three fifths) and the seam of its strip (the rest).
    const int parts = 2 * rows - 1;
    for (int r = 0; r < rows && result == StitchOk; ++r) {
        const int rowLow = r == 0 ? 0 : (2 * r - 1) * 100 / parts;
        const int rowHigh = r == 0 ? 100 / parts : (2 * r + 1) * 100 / parts;
        const int span = rowHigh - rowLow;
        const int share = r == 0 ? 5 : 3; // fifths of the band for the elements
        BlendWorking& target = r == 0 ? pano : strip;
        const tagRECT& rcTarget = r == 0 ? m_PanoramaRect : rowRect[size_t(r)];
        if (r > 0) {
            result = AllocImageAndMask(strip.image, strip.mask, rowRect[size_t(r)], strip.locked);
            if (result != StitchOk)
                break;
        }
        for (int c = 0; c < cols; ++c) {
            const int cell = r * cols + c;
            CStitchElement* e = grid.GetElement(c, r);
            if (!e)
                continue;
            const int low = rowLow + c * span * share / (5 * cols);
            const int high = rowLow + (c + 1) * span * share / (5 * cols);
            CStitchElement* left = grid.GetElement(c - 1, r);
            // Without a left neighbour there is no seam: the warp takes the
            // whole band.
            const int mid = left ? low + 2 * (high - low) / 5 : high;
            const tagRECT rcCur = m_pScanRegions[cell].m_Rect;
            result = WarpElement(Surface::Sphere, carrier, e, cell, warped, low, mid);
            if (result != StitchOk)
                break;
            CFinestColorCorrection colour;
            colour.m_pNewImage = warped.image;
            colour.m_pNewMask = warped.mask;
            colour.m_pReferenceImage = target.image;
            colour.m_pReferenceMask = target.mask;
            result = StartUpColorCorrection(c, r, rcCur, rcCur, &colour, false);
            if (result == StitchOk)
                result = SaveWarpedFiles(e, warped.image, warped.mask);
            if (result != StitchOk)
                break;
            if (left) {
                CSmoothRender seam(job, target.image, target.mask, warped.image, warped.mask);
                result = StartUpSmoothStitchTile(c, r, rcCur, rcTarget, &seam, true, mid, high);
                if (result != StitchOk)
                    break;
            }
            result = CopySubImage(rcCur, rcCur, rcTarget, warped.image, warped.mask, target.image, target.mask);
            if (result != StitchOk)
                break;
            warped.Free();
        }
        if (result != StitchOk || r == 0)
            continue;
        // The strip against the rows above it.
        const int seamLow = rowLow + span * share / 5;
        {
            CSmoothRender seam(job, pano.image, pano.mask, strip.image, strip.mask);
            result = StartUpSmoothStitchTile(0, r, rowRect[size_t(r)], rowRect[size_t(r - 1)], &seam, false, seamLow,
                                             rowHigh);
        }
        if (result != StitchOk)
            break;
        result = CopySubImage(rowRect[size_t(r)], rowRect[size_t(r)], m_PanoramaRect, strip.image, strip.mask,
                              pano.image, pano.mask);
        if (result != StitchOk)
            break;
        strip.Free();
    }
    if (result != StitchOk) {
        warped.Free();
        strip.Free();
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
