#include "stitch/align/CCorrelTable.h"

#include <new>

short CCorrelTable::Entry(int a, int b)
{
    if (a == 0 || b == 0)
        return 0;
    return short(512 * a * b / (a * a + b * b));
}

CCorrelTable::CCorrelTable()
{
    m_pTable = new (std::nothrow) short[kSize * kSize];
    if (!m_pTable)
        return;
    for (int a = -kLimit; a <= kLimit; ++a)
        for (int b = -kLimit; b <= kLimit; ++b)
            m_pTable[(a + kLimit) * kSize + (b + kLimit)] = Entry(a, b);
}

CCorrelTable::~CCorrelTable()
{
    delete[] m_pTable;
}

CCorrelTable& CCorrelTable::Shared()
{
    static CCorrelTable table;
    return table;
}
