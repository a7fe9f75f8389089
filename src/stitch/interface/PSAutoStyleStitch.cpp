// Load, style choice and stitch in one call.

#include "stitch/interface/PSStitch.h"

#include "stitch/align/CStitchAlign.h"
#include "stitch/interface/PSStitchOutputs.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/render/CStitchBlend.h"
#include "stitch/style/CAutoStyle.h"

#include <algorithm>
#include <new>

void HandOutStitchResult(CStitchOptions* job, const StitchOutputs& out)
{
    if (out.resultDib)
        *out.resultDib = job->m_hResultDib;
    if (out.crop)
        *out.crop = job->m_CropRect;
    // Planar renders have no seams to show.
    if (job->m_lRenderKind == RenderPlanar || job->m_Method == StitchMethodTelephoto)
        return;
    if (out.overlaps) {
        int count = 0;
        job->CalcOverlapRects(&job->m_pOverlapRects, &count);
        *out.overlaps = job->m_pOverlapRects;
        if (out.overlapCount)
            *out.overlapCount = count;
    }
    if (out.paths) {
        job->GetDividingPath(&job->m_ppPaths, &job->m_lPathCount);
        *out.paths = job->m_ppPaths;
        if (out.pathCount)
            *out.pathCount = job->m_lPathCount;
    }
}

namespace {

int FailAfterStart(int code)
{
    CStitchOptions::ShowProgress(100);
    return code;
}

} // namespace

int PSAutoStyleStitch(CStitchOptions* job, unsigned int fillColour, tagPOINT* sizes, int* cols, int* rows,
                      QList<QString>& names, int* styleOut, void** resultDib, tagRECT* crop, tagRECT** overlaps,
                      int* overlapCount, unsigned short*** paths, int* pathCount)
{
    if (!job || !resultDib || !rows || !cols || !sizes || names.isEmpty())
        return StitchBadArgument;
    const long long cells = (long long)*cols * *rows;
    // The names are read for every cell: a shorter list would be read past.
    if (*cols < 1 || *rows < 1 || cells > names.size())
        return StitchBadArgument;
    const int n = int(cells);
    for (int i = 0; i < n; ++i)
        if (sizes[i].x <= 0 || sizes[i].y <= 0)
            return StitchBadArgument;

    job->m_lFillColour = fillColour;
    job->m_lFineTune = 0;
    ReleaseElementMemory(job);
    CStitchMatrix& grid = job->m_Matrix;
    grid.m_pElements = new (std::nothrow) CStitchElement[size_t(n)];
    if (!grid.m_pElements)
        return StitchNullArgument;
    for (int i = 0; i < n; ++i) {
        grid.m_pElements[i].m_Pyramid.m_strName = names.at(i);
        grid.m_pElements[i].m_bInUse = true;
        grid.m_pElements[i].m_bInGrid = true;
    }
    grid.m_lCols = n;
    grid.m_lRows = 1;
    grid.m_lCount = n;
    grid.m_lLoaded = n;

    if (const int built = BuildLoadedPyramids(job, n, sizes))
        return built;

    if (!job->CreateTempDir())
        return FailAfterStart(StitchGridOrTempDir);

    if (const int code = AutoStyleOptimizeRun(job, n, n, 0, 100))
        return FailAfterStart(code);
    if (styleOut)
        *styleOut = grid.m_Style;
    // A telephoto job stays planar; a ring cannot be, and goes on as a
    // rotation job as PSCreateStitch makes it.
    if (job->m_Method == StitchMethodTelephoto) {
        if (grid.m_Style == StitchStyle360) {
            job->m_Method = StitchMethodCalibrated;
            CStitchPyramid::m_bTelephoto = false;
        } else {
            job->m_lRenderKind = RenderPlanar;
        }
    }
    const int chosenCols = grid.m_lCols;
    const int chosenRows = grid.m_lRows;

    if (const int code = CStitchAlign(job).Run())
        return FailAfterStart(code);
    {
        CStitchBlend blend(job, job->m_lWorkingLayer);
        if (const int code = blend.Run(false))
            return FailAfterStart(code);
    }

    // Alignment may have taken near-duplicates out of the chosen grid.
    DeleteMemoryForAutoStitch(job, chosenCols, chosenRows);
    names.clear();
    for (int i = 0; i < grid.m_lCols * grid.m_lRows && i < grid.m_lCount; ++i)
        names.append(grid.m_pElements[i].m_Pyramid.m_strName);
    *cols = grid.m_lCols;
    *rows = grid.m_lRows;
    StitchOutputs out;
    out.resultDib = resultDib;
    out.crop = crop;
    out.overlaps = overlaps;
    out.overlapCount = overlapCount;
    out.paths = paths;
    out.pathCount = pathCount;
    HandOutStitchResult(job, out);
    return 0;
}
