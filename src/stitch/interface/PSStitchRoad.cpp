#include "stitch/interface/PSStitch.h"

#include "stitch/align/CStitchAlign.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/order/CAutoOrder.h"
#include "stitch/render/CStitchBlend.h"

#include <algorithm>
#include <cstdint>

namespace {

// The names of the whole element array, in array order.
QList<QString> ArrayNames(const CStitchMatrix& matrix)
{
    QList<QString> names;
    const int length = matrix.m_pElements ? matrix.ArrayLength() : 0;
    names.reserve(length);
    for (int i = 0; i < length; ++i)
        names.append(matrix.m_pElements[i].m_Pyramid.m_strName);
    return names;
}

// Alignment and render each report 0 to 100; the caller of one stitch
// sees one run from 0 to 100. While a span is in force the host's progress
// callback is reached through Report, which maps into the span.
class ProgressSpan
{
public:
    ProgressSpan(int from, int to)
        : m_pfnSaved(CStitchOptions::m_pfnShowProgress)
    {
        if (!m_pfnSaved)
            return;
        s_pfnHost = m_pfnSaved;
        s_lFrom = from;
        s_lTo = to;
        CStitchOptions::m_pfnShowProgress = &ProgressSpan::Report;
    }
    ~ProgressSpan() { CStitchOptions::m_pfnShowProgress = m_pfnSaved; }
    ProgressSpan(const ProgressSpan&) = delete;
    ProgressSpan& operator=(const ProgressSpan&) = delete;

private:
    static void Report(int percent, bool* cancel, void* user)
    {
        const int p = std::clamp(percent, 0, 100);
        s_pfnHost(s_lFrom + p * (s_lTo - s_lFrom) / 100, cancel, user);
    }

    void (*m_pfnSaved)(int, bool*, void*);
    static inline void (*s_pfnHost)(int, bool*, void*) = nullptr;
    static inline int s_lFrom = 0;
    static inline int s_lTo = 100;
};

// Where the render takes over: alignment takes most of a stitch's time.
constexpr int kRenderStart = 70;

// Aligns, then renders; the first failing stage's code.
int AlignAndRender(CStitchOptions* job)
{
    {
        ProgressSpan span(0, kRenderStart);
        const int code = CStitchAlign(job).Run();
        if (code != StitchOk)
            return code;
    }
    ProgressSpan span(kRenderStart, 100);
    CStitchBlend blend(job, job->m_lWorkingLayer);
    return blend.Run(false);
}

} // namespace

int DEZeviDirevi(CStitchOptions* job, unsigned int fillColour, int* cols, int* rows, QList<QString>& names,
                 void** resultDib, tagRECT** overlaps, int* overlapCount, unsigned short*** paths, int* pathCount,
                 tagRECT* crop)
{
    if (!job || !resultDib || !cols || !rows)
        return StitchNullArgument;
    CStitchMatrix& grid = job->m_Matrix;
    // The caller's grid addresses the element array: a grid it cannot hold
    // would read records that do not exist.
    const int callerCols = *cols;
    const int callerRows = *rows;
    if (callerCols < 1 || callerRows < 1 || !grid.m_pElements
        || std::int64_t(callerCols) * callerRows > grid.ArrayLength())
        return StitchBadArgument;
    // A row and a ring lie in one row and a column in one column: every
    // stage takes them so, and the ring's outline would run past its tables
    // for the cells of a second row.
    if (grid.m_Style != StitchStyleTile && (grid.m_Style == StitchStyleVertical ? callerCols : callerRows) != 1)
        return StitchBadArgument;
    job->m_lFillColour = fillColour;
    if (!job->CreateTempDir())
        return StitchGridOrTempDir;

    grid.m_lCols = callerCols;
    grid.m_lRows = callerRows;
    grid.m_lCount = callerCols * callerRows;
    job->m_lFineTune = 0;
    // Alignment may drop a near-duplicate photo, moving its record to the
    // end of the row: what the caller holds is the order of now.
    const QList<QString> before = ArrayNames(grid);

    const int code = AlignAndRender(job);
    if (code != StitchOk) {
        // Whatever the failure, the job is left as its caller knows it, so
        // that a retry or a fine-tune addresses the photos it means.
        if (grid.m_lCols != callerCols || grid.m_lRows != callerRows || ArrayNames(grid) != before) {
            int restoreCols = callerCols;
            int restoreRows = callerRows;
            QList<QString> order = before;
            ReturnDataForAutoStitch(job, &restoreCols, &restoreRows, order);
        }
        CStitchOptions::ShowProgress(100);
        return code;
    }

    *resultDib = job->m_hResultDib;
    if (crop)
        *crop = job->m_CropRect;
    if (job->m_lRenderKind == RenderPlanar || job->m_Method == StitchMethodTelephoto)
        return StitchOk;

    if (overlaps) {
        int count = 0;
        if (!job->CalcOverlapRects(&job->m_pOverlapRects, &count)) {
            CStitchOptions::ShowProgress(100);
            return StitchNullArgument;
        }
        *overlaps = job->m_pOverlapRects;
        if (overlapCount)
            *overlapCount = count;
    }
    if (paths) {
        // Only the array is the job's to replace; the paths are the elements'.
        if (!job->GetDividingPath(&job->m_ppPaths, &job->m_lPathCount)) {
            CStitchOptions::ShowProgress(100);
            return StitchNullArgument;
        }
        *paths = job->m_ppPaths;
        if (pathCount)
            *pathCount = job->m_lPathCount;
    }
    if (grid.m_lCols != callerCols || grid.m_lRows != callerRows) {
        DeleteMemoryForAutoStitch(job, callerCols, callerRows);
        *cols = grid.m_lCols;
        *rows = grid.m_lRows;
        const int cells = grid.m_lCols * grid.m_lRows;
        for (int i = 0; i < cells; ++i)
            names.append(grid.m_pElements[i].m_Pyramid.m_strName);
    }
    return StitchOk;
}

void ReturnDataForAutoStitch(CStitchOptions* job, int* cols, int* rows, QList<QString>& names)
{
    if (!job || !cols || !rows || !job->m_Matrix.m_pElements)
        return;
    CStitchMatrix& grid = job->m_Matrix;
    const int length = grid.ArrayLength();
    if (*cols < 1 || *rows < 1 || std::int64_t(*cols) * *rows > length)
        return;
    grid.m_lCols = *cols;
    grid.m_lRows = *rows;
    grid.m_lCount = *cols * *rows;
    for (int i = 0; i < length; ++i)
        grid.m_pElements[i].m_bInGrid = true;
    // Element i takes the i-th name: the first later element of that name
    // is exchanged into place. A name the array lacks leaves its place be.
    const int named = int(names.size()) < length ? int(names.size()) : length;
    for (int i = 0; i < named; ++i) {
        if (grid.m_pElements[i].m_Pyramid.m_strName == names.at(i))
            continue;
        for (int j = i + 1; j < length; ++j) {
            if (grid.m_pElements[j].m_Pyramid.m_strName == names.at(i)) {
                CAutoOrder::PermuteElementParam(&grid.m_pElements[i], &grid.m_pElements[j]);
                break;
            }
        }
    }
}

void DeleteMemoryForAutoStitch(CStitchOptions* job, int oldCols, int oldRows)
{
    if (!job || !job->m_Matrix.m_pElements)
        return;
    CStitchMatrix& grid = job->m_Matrix;
    if (grid.m_Style == StitchStyleTile)
        return;
    const bool column = grid.m_Style == StitchStyleVertical;
    const int first = column ? grid.m_lRows : grid.m_lCols;
    const int end = column ? oldRows : oldCols;
    const int length = grid.ArrayLength();
    const bool layersSet = job->m_lWorkingLayer != -1 && job->m_lDeepestLayer != -1;
    for (int i = first < 0 ? 0 : first; i < end && i < length; ++i) {
        CStitchElement& dropped = grid.m_pElements[i];
        job->DeleteOneElementTempFiles(&dropped);
        if (layersSet) {
            // Every layer goes with the table: one below the working layer
            // still held would otherwise be lost.
            CStitchPyramid& pyramid = dropped.m_Pyramid;
            pyramid.ReleaseAllLayers();
            delete[] pyramid.m_phLayers;
            pyramid.m_phLayers = nullptr;
            pyramid.m_lLayerCount = 0;
        }
    }
}
