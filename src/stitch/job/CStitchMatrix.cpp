#include "stitch/job/CStitchMatrix.h"

#include "stitch/job/CProcessingList.h"
#include "stitch/job/CStitchElement.h"

CStitchElement* CStitchMatrix::GetElement(int col, int row) const
{
    if (col < 0 || row < 0 || !m_pElements || col >= m_lCols || row >= m_lRows)
        return nullptr;
    CStitchElement* element = &m_pElements[row * m_lCols + col];
    return element->m_bInUse ? element : nullptr;
}

void CStitchMatrix::ReleaseLayerImages(int layer)
{
    if (!m_pElements)
        return;
    for (int i = 0; i < m_lCount; ++i) {
        if (m_pElements[i].m_bInUse)
            m_pElements[i].m_Pyramid.ReleaseLayer(layer);
    }
}

void CStitchMatrix::GetProcessingList(CProcessingList* list) const
{
    if (!list)
        return;
    list->Clear();
    int first = 0;
    while (first < m_lRows && !GetElement(0, first))
        ++first;
    list->Add(0, first);
    if (m_lCount < 2 || m_lCols <= 0)
        return;
    // k walks the linear grid indices and may run one past the entries
    // found so far, so the walk ends at the first position that adds none.
    for (int k = 1; k <= list->Count() && list->Count() < m_lCount; ++k) {
        const int col = k % m_lCols;
        const int row = k / m_lCols;
        if (row < m_lRows && GetElement(col, row) && !list->IsInList(col, row))
            list->Add(col, row);
    }
}

bool CStitchMatrix::VerifyMatrixLayout() const
{
    if (m_Style != StitchStyleTile || m_lCols < 2 || m_lRows < 2 || !m_pElements)
        return false;
    for (int row = 0; row < m_lRows; ++row) {
        bool any = false;
        for (int col = 0; col < m_lCols && !any; ++col)
            any = GetElement(col, row) != nullptr;
        if (!any)
            return false;
    }
    for (int col = 0; col < m_lCols; ++col) {
        bool any = false;
        for (int row = 0; row < m_lRows && !any; ++row)
            any = GetElement(col, row) != nullptr;
        if (!any)
            return false;
    }
    CProcessingList list(m_lCols * m_lRows);
    GetProcessingList(&list);
    return list.Count() == m_lCount;
}
