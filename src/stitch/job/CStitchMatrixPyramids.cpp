#include "stitch/job/CStitchMatrix.h"

#include "stitch/image/Rect.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <algorithm>
#include <cstdint>

int CStitchMatrix::CalcPyramidLayer(int count, const tagPOINT* sizes, CStitchOptions* job)
{
    // In 64 bits: a 65536 x 65536 photo must not come out as 0 pixels.
    std::uint64_t smallest = 0xFFFFFFF;
    if (sizes && count > 0) {
        smallest = UINT64_MAX;
        for (int i = 0; i < count; ++i)
            smallest = std::min(smallest, std::uint64_t(std::max(sizes[i].x, 0)) * std::uint64_t(std::max(sizes[i].y, 0)));
    }
    int deepest = 0;
    if (smallest >= 3600) {
        deepest = 1;
        while ((smallest >> (2 * (deepest - 1))) > 14399)
            ++deepest;
    }
    if (job) {
        job->m_lDeepestLayer = deepest;
        job->m_lWorkingLayer = std::min({int(job->m_OutputSize), 2, deepest});
    }
    return deepest;
}

int CStitchMatrix::BuildAllPyramids(int suppliedLayers, CStitchOptions* job)
{
    CStitchOptions::ShowProgress(0);
    CStitchPyramid::m_lMaxW = 0;
    CStitchPyramid::m_lMaxH = 0;
    if (!m_pElements)
        return StitchBadArgument;

    // The tile grid visits only the cells in use, row by row.
    int n = 0;
    for (int i = 0; i < m_lCount; ++i)
        n += (m_Style != StitchStyleTile || m_pElements[i].m_bInUse) ? 1 : 0;
    int k = 0;
    for (int i = 0; i < m_lCount; ++i) {
        CStitchElement& element = m_pElements[i];
        if (m_Style == StitchStyleTile && !element.m_bInUse)
            continue;
        const int from = int(100ll * k / n);
        const int to = int(100ll * (k + 1) / n);
        if (CStitchOptions::ShowProgress(from))
            return StitchCancelled;
        element.m_Pyramid.m_lSupplied = suppliedLayers;
        const int built = element.m_Pyramid.BuildPyramid(job, from, to);
        if (built != 0)
            return built;
        ++k;
    }
    return CStitchOptions::ShowProgress(100) ? StitchCancelled : 0;
}
