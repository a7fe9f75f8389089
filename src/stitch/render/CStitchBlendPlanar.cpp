#include "stitch/render/CStitchBlend.h"

#include "stitch/image/CImage.h"
#include "stitch/image/CMask.h"
#include "stitch/interface/StitchEnums.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/outline/CScanRegion.h"

int CStitchBlend::RenderTelephoto()
{
    CStitchOptions* job = m_pOptions;
    if (!job || !m_pScanRegions)
        return StitchNullArgument;
    const CStitchMatrix& grid = job->m_Matrix;
    CImage* pano = nullptr;
    CMask* panoMask = nullptr;
    bool locked = false;
    if (const int code = AllocImageAndMask(pano, panoMask, m_PanoramaRect, locked))
        return code;
    auto release = [&]() {
        if (locked)
            pano->Unlock();
        delete pano;
        delete panoMask;
    };

    const int cells = grid.m_lCols * grid.m_lRows;
    bool drawn = false;
    for (int k = 0; k < cells; ++k) {
        if (CStitchOptions::ShowProgress(k * 100 / cells)) {
            release();
            return StitchCancelled;
        }
        const int col = k % grid.m_lCols, row = k / grid.m_lCols;
        CStitchElement* e = grid.GetElement(col, row);
        if (!e)
            continue;
        const int low = k * 100 / cells, high = (k + 1) * 100 / cells;
        tagRECT region = m_pScanRegions[k].m_Rect, outer, inner;
        CalcBoundaryTelephoto(e, col, row, region, outer, inner);
        const int code = ProjectForTelephoto(e, col, row, region, outer, inner, pano, panoMask,
                                             low + (high - low) / 5, high);
        if (code != StitchOk) {
            release();
            return code;
        }
        drawn = true;
    }
    if (!drawn) {
        release();
        return StitchBadArgument;
    }
    pano->Unlock();
    locked = false;
    FinishRender(pano, panoMask, nullptr);
    release();
    return StitchOk;
}
