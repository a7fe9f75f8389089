#include "stitch/interface/PSStitch.h"

#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/order/CAutoOrder.h"

namespace {
// The first grid of 2, 3, ... columns up to maxCols that the count fills
// without exceeding maxRows; else 2 columns by half the count.
void FitTileGrid(int n, int maxCols, int maxRows, int* cols, int* rows)
{
    const int half = n / 2;
    const int last = half < maxCols ? half : maxCols;
    for (int c = 2; c <= last; ++c)
        if (n % c == 0 && n / c <= maxRows) {
            *cols = c;
            *rows = n / c;
            return;
        }
    *cols = 2;
    *rows = half;
}
} // namespace

int PSAutoOrder(CStitchOptions* job, QList<QString>& names, int* cols, int* rows, bool autoGrid, int maxCols,
                int maxRows)
{
    if (!job || !cols || !rows)
        return StitchNullArgument;
    CStitchMatrix& grid = job->m_Matrix;
    const int n = grid.m_lCount;
    int gridCols = grid.m_lCols;
    int gridRows = grid.m_lRows;
    if (grid.m_Style == StitchStyleTile && gridCols * gridRows != n)
        FitTileGrid(n, maxCols, maxRows, &gridCols, &gridRows);
    if (!autoGrid) {
        if (*cols * *rows != n || *cols < 1)
            return StitchGridOrTempDir;
        gridCols = *cols;
        gridRows = *rows;
    }
    // A grid with fewer cells than images would drop photos.
    if (gridCols * gridRows < n)
        return StitchGridOrTempDir;
    const int oldCols = grid.m_lCols;
    const int oldRows = grid.m_lRows;
    const bool oldAutoGrid = job->m_bAutoGrid;
    job->m_bAutoGrid = autoGrid;
    grid.m_lCols = gridCols;
    grid.m_lRows = gridRows;

    int code;
    {
        CAutoOrder order(job, 0);
        code = order.Run(maxCols, maxRows, false);
    }
    if (code == 0 && grid.m_lCols * grid.m_lRows < n) {
        // No tiling was found and the fallback grid cannot hold every
        // image: nothing was permuted, so the job goes back as it came.
        code = StitchGridOrTempDir;
    }
    if (code != 0) {
        if (code == StitchGridOrTempDir) {
            grid.m_lCols = oldCols;
            grid.m_lRows = oldRows;
            job->m_bAutoGrid = oldAutoGrid;
        }
        CStitchOptions::ShowProgress(100);
        return code;
    }
    // The caller's list may arrive empty: it is rebuilt in element order.
    names.clear();
    for (int i = 0; i < n; ++i)
        names.append(grid.m_pElements[i].m_Pyramid.m_strName);
    if (autoGrid) {
        *cols = grid.m_lCols;
        *rows = grid.m_lRows;
    }
    return 0;
}
