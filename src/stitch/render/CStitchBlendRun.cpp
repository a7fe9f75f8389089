#include "stitch/render/CStitchBlend.h"

#include "stitch/colour/CBrightCorrection.h"
#include "stitch/geometry/CCoordinate.h"
#include "stitch/interface/StitchEnums.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/outline/CScanRegion.h"
#include "stitch/outline/CStitchLayout.h"

#include <new>
#include <vector>

int CStitchBlend::CheckScanTables() const
{
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    for (int row = 0; row < grid.m_lRows; ++row)
        for (int col = 0; col < grid.m_lCols; ++col) {
            if (!grid.GetElement(col, row))
                continue;
            const CScanRegion& region = m_pScanRegions[row * grid.m_lCols + col];
            // A region with a size but no tables is one whose tables could
            // not be allocated; rendering it would silently drop the photo.
            if (!IsRectEmpty(&region.m_Rect) && !region.HasTables())
                return StitchNullArgument;
        }
    return StitchOk;
}

int CStitchBlend::Run(bool fineTune)
{
    CStitchOptions* job = m_pOptions;
    if (!job || !job->m_Matrix.m_pElements || job->m_Matrix.m_lCols <= 0 || job->m_Matrix.m_lRows <= 0)
        return StitchNullArgument;
    CStitchMatrix& grid = job->m_Matrix;
    const long long cells = (long long)grid.m_lCols * grid.m_lRows;
    if (cells > 0x7FFFFFFF)
        return StitchBadArgument;

    delete[] m_pScanRegions;
    m_pScanRegions = new (std::nothrow) CScanRegion[size_t(cells)];
    if (!m_pScanRegions)
        return StitchNullArgument;

    FTDataMemo* memo = nullptr;
    tagRECT savedSecond = job->m_LayoutRect2, savedFirst = job->m_LayoutRect;
    if (fineTune) {
        if (const int code = BackupForFineTune(&memo, &savedSecond, &savedFirst)) {
            delete[] memo;
            return code;
        }
        // The host hands the current result back on request, so the old
        // bitmap need not be held through the render.
        if (job->m_hResultDib && CStitchOptions::m_pfnGetResultDIBData) {
            CStitchOptions::MemFree(job->m_hResultDib);
            job->m_hResultDib = nullptr;
        }
    }
    // The outline moves every placement; a failed render must leave them
    // describing the files and result that stay.
    std::vector<tagRECT> placements;
    if (!fineTune) {
        try {
            placements.resize(size_t(cells));
        } catch (const std::bad_alloc&) {
            return StitchNullArgument;
        }
        for (long long i = 0; i < cells; ++i)
            placements[size_t(i)] = grid.m_pElements[i].m_Placement;
    }
    auto undo = [&]() {
        if (fineTune) {
            ReturnOriginData(memo, &savedSecond, &savedFirst);
        } else {
            for (long long i = 0; i < cells; ++i)
                grid.m_pElements[i].m_Placement = placements[size_t(i)];
            job->m_LayoutRect2 = savedSecond;
            job->m_LayoutRect = savedFirst;
        }
        delete[] memo;
    };

    const bool ring = grid.m_Style == StitchStyle360;
    double closingAngle = 0.0;
    int code = StitchOk;
    if (ring) {
        delete[] m_pClosingAxis;
        m_pClosingAxis = new (std::nothrow) double[3]{0.0, 0.0, 0.0};
        code = m_pClosingAxis ? CCoordinate(job).PanoramaRun(m_pClosingAxis, &closingAngle, m_lLayer)
                              : StitchNullArgument;
    } else {
        code = CCoordinate(job).Run();
    }
    if (code != StitchOk) {
        undo();
        return code;
    }

    CStitchLayout layout(&m_PanoramaRect, m_pScanRegions, job, m_lLayer);
    CBrightCorrection brightness(job);
    if (ring) {
        layout.PanoramaRun(m_pClosingAxis, closingAngle);
        code = brightness.PanoramaRun();
    } else {
        layout.Run();
        code = brightness.Run();
    }

    if (code == StitchOk)
        code = CheckPanoramaSize(m_PanoramaRect);
    if (code == StitchOk)
        code = CheckScanTables();
    if (code == StitchOk) {
        job->m_LayoutRect = m_PanoramaRect;
        job->m_LayoutRect2 = m_PanoramaRect;
        switch (job->m_lRenderKind) {
        case RenderSpherical:
            code = RenderWideAngle();
            break;
        case RenderPlanar:
            code = RenderTelephoto();
            break;
        default:
            code = RenderAuto();
            break;
        }
    }
    if (code != StitchOk) {
        undo();
        return code;
    }
    delete[] memo;
    return StitchOk;
}
