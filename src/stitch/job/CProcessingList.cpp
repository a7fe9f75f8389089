#include "stitch/job/CProcessingList.h"

#include <cstddef>
#include <new>

CProcessingList::CProcessingList(int capacity)
{
    if (capacity > 0) {
        m_pPairs = new (std::nothrow) int[std::size_t(capacity)][2];
        if (m_pPairs)
            m_lCapacity = capacity;
    }
}

CProcessingList::~CProcessingList()
{
    delete[] m_pPairs;
}

int CProcessingList::Add(int col, int row)
{
    if (m_lCount >= m_lCapacity)
        return m_lCount;
    m_pPairs[m_lCount][0] = col;
    m_pPairs[m_lCount][1] = row;
    return ++m_lCount;
}

bool CProcessingList::Get(int index, int* col, int* row) const
{
    if (index < 0 || index >= m_lCount)
        return false;
    if (col)
        *col = m_pPairs[index][0];
    if (row)
        *row = m_pPairs[index][1];
    return true;
}

bool CProcessingList::IsInList(int col, int row) const
{
    for (int i = 0; i < m_lCount; ++i) {
        if (m_pPairs[i][0] == col && m_pPairs[i][1] == row)
            return true;
    }
    return false;
}
