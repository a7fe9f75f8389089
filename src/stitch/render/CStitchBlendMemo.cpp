#include "stitch/render/CStitchBlend.h"

#include "stitch/colour/CCoarseColorCorrection.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchMatrix.h"
#include "stitch/job/CStitchOptions.h"

#include <cstring>
#include <new>

namespace {

int cellCount(const CStitchOptions* job)
{
    if (!job || !job->m_Matrix.m_pElements || job->m_Matrix.m_lCols <= 0 || job->m_Matrix.m_lRows <= 0)
        return 0;
    return job->m_Matrix.m_lCols * job->m_Matrix.m_lRows;
}

void removeIfAny(CStitchOptions* job, int id)
{
    if (id != -1)
        job->RemoveFile(id);
}

} // namespace

int CStitchBlend::BackupForFineTune(FTDataMemo** memo, tagRECT* savedSecond, tagRECT* savedFirst)
{
    if (!memo || !m_pOptions)
        return StitchNullArgument;
    const int cells = cellCount(m_pOptions);
    *memo = new (std::nothrow) FTDataMemo[cells > 0 ? cells : 1];
    if (!*memo)
        return StitchNullArgument;
    CStitchElement* elements = m_pOptions->m_Matrix.m_pElements;
    for (int i = 0; i < cells; ++i) {
        FTDataMemo& record = (*memo)[i];
        std::memcpy(record.m_Transform, elements[i].m_Transform.m_Matrix, sizeof record.m_Transform);
        record.m_Placement = elements[i].m_Placement;
        std::memcpy(record.m_lBrightness, elements[i].m_lBrightness, sizeof record.m_lBrightness);
        std::memcpy(record.m_ColorTable, elements[i].m_ColorTable, sizeof record.m_ColorTable);
    }
    if (savedSecond)
        *savedSecond = m_pOptions->m_LayoutRect2;
    if (savedFirst)
        *savedFirst = m_pOptions->m_LayoutRect;

    CCoarseColorCorrection colour(m_pOptions);
    const int code = colour.Run(m_lLayer, true);
    if (code != 0) {
        for (int i = 0; i < cells; ++i)
            std::memcpy(elements[i].m_ColorTable, (*memo)[i].m_ColorTable, sizeof elements[i].m_ColorTable);
        return code;
    }
    return 0;
}

void CStitchBlend::ReturnOriginData(FTDataMemo* memo, tagRECT* savedSecond, tagRECT* savedFirst)
{
    if (!m_pOptions)
        return;
    const int cells = memo ? cellCount(m_pOptions) : 0;
    CStitchElement* elements = m_pOptions->m_Matrix.m_pElements;
    for (int i = 0; i < cells; ++i) {
        std::memcpy(elements[i].m_Transform.m_Matrix, memo[i].m_Transform, sizeof memo[i].m_Transform);
        elements[i].m_Placement = memo[i].m_Placement;
        std::memcpy(elements[i].m_lBrightness, memo[i].m_lBrightness, sizeof memo[i].m_lBrightness);
        std::memcpy(elements[i].m_ColorTable, memo[i].m_ColorTable, sizeof memo[i].m_ColorTable);
    }
    if (savedSecond)
        m_pOptions->m_LayoutRect2 = *savedSecond;
    if (savedFirst)
        m_pOptions->m_LayoutRect = *savedFirst;
}

int CStitchBlend::BackupForAdjustPath(PathDataMemo** memo)
{
    if (!memo || !m_pOptions)
        return StitchNullArgument;
    const int cells = cellCount(m_pOptions);
    *memo = new (std::nothrow) PathDataMemo[cells > 0 ? cells : 1];
    if (!*memo)
        return StitchNullArgument;
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    for (int row = 0; row < grid.m_lRows; ++row)
        for (int col = 0; col < grid.m_lCols; ++col) {
            CStitchElement* e = grid.GetElement(col, row);
            if (!e)
                continue;
            PathDataMemo& record = (*memo)[row * grid.m_lCols + col];
            record.m_bHeld = true;
            record.m_Placement = e->m_Placement;
            record.m_RowStrip = e->m_RowStrip;
            record.m_WrapPlacement = e->m_WrapPlacement;
            for (int k = 0; k < CStitchElement::kFileIdCount; ++k) {
                record.m_lFileIds[k] = *e->FileId(k);
                *e->FileId(k) = -1;
            }
            record.m_pRightPath = e->m_pRightPath;
            record.m_pLowerPath = e->m_pLowerPath;
            e->m_pRightPath = nullptr;
            e->m_pLowerPath = nullptr;
        }
    return 0;
}

void CStitchBlend::ReturnOriginFile(PathDataMemo* memo)
{
    const int cells = cellCount(m_pOptions);
    if (!memo || cells == 0)
        return;
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    for (int i = 0; i < cells; ++i) {
        CStitchElement& e = grid.m_pElements[i];
        PathDataMemo& record = memo[i];
        if (e.m_bInUse) {
            for (int k = 0; k < CStitchElement::kFileIdCount; ++k) {
                removeIfAny(m_pOptions, *e.FileId(k));
                *e.FileId(k) = -1;
            }
            delete[] e.m_pRightPath;
            delete[] e.m_pLowerPath;
            e.m_pRightPath = nullptr;
            e.m_pLowerPath = nullptr;
        }
        // A held record goes back even to an element that left the grid
        // meanwhile, so that its files and paths are not lost.
        if (!record.m_bHeld)
            continue;
        if (!e.m_bInUse) {
            for (int k = 0; k < CStitchElement::kFileIdCount; ++k)
                removeIfAny(m_pOptions, *e.FileId(k));
            delete[] e.m_pRightPath;
            delete[] e.m_pLowerPath;
        }
        e.m_Placement = record.m_Placement;
        e.m_RowStrip = record.m_RowStrip;
        e.m_WrapPlacement = record.m_WrapPlacement;
        for (int k = 0; k < CStitchElement::kFileIdCount; ++k)
            *e.FileId(k) = record.m_lFileIds[k];
        e.m_pRightPath = record.m_pRightPath;
        e.m_pLowerPath = record.m_pLowerPath;
        record = PathDataMemo();
    }
}

void CStitchBlend::DeleteOldTempFile(PathDataMemo* memo)
{
    const int cells = cellCount(m_pOptions);
    if (!memo)
        return;
    for (int i = 0; i < cells; ++i) {
        PathDataMemo& record = memo[i];
        if (!record.m_bHeld)
            continue;
        for (int id : record.m_lFileIds)
            removeIfAny(m_pOptions, id);
        delete[] record.m_pRightPath;
        delete[] record.m_pLowerPath;
        record = PathDataMemo();
    }
}
