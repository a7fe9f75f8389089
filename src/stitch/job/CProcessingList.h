#pragma once

// Grid positions (column, row) in the order they are to be visited.
class CProcessingList
{
public:
    explicit CProcessingList(int capacity);
    ~CProcessingList();
    CProcessingList(const CProcessingList&) = delete;
    CProcessingList& operator=(const CProcessingList&) = delete;

    int Count() const { return m_lCount; }
    int Capacity() const { return m_lCapacity; }
    void Clear() { m_lCount = 0; }
    // Returns the new count; a full list refuses the entry and keeps its count.
    int Add(int col, int row);
    // False for an index outside the list (col and row untouched).
    bool Get(int index, int* col, int* row) const;
    bool IsInList(int col, int row) const;

private:
    int (*m_pPairs)[2] = nullptr;
    int m_lCount = 0;
    int m_lCapacity = 0;
};
