#pragma once

// The similarity of two zero-mean values a and b: 512ab / (a^2 + b^2),
// truncated, 0 when either is 0; so 256 for a = b and -256 for a = -b.
// Covers -227..227, 227 being a lone bright pixel in a dark 3 x 3 window.
class CCorrelTable
{
public:
    static constexpr int kLimit = 227;
    static constexpr int kSize = 2 * kLimit + 1;

    CCorrelTable();
    ~CCorrelTable();
    CCorrelTable(const CCorrelTable&) = delete;
    CCorrelTable& operator=(const CCorrelTable&) = delete;

    bool IsValid() const { return m_pTable != nullptr; }
    short At(int a, int b) const { return m_pTable[(a + kLimit) * kSize + (b + kLimit)]; }
    // At(a, b) is Row(a)[b]: a row's place for a value a worked out once.
    const short* Row(int a) const { return m_pTable + (a + kLimit) * kSize + kLimit; }
    // Row(a) - Row(0), the offset a value's row lies at.
    static int RowOffset(int a) { return a * kSize; }
    static short Entry(int a, int b);
    // One table for the whole process, made on first use (its making costs
    // more than a small layer's whole search); check IsValid().
    static CCorrelTable& Shared();

private:
    short* m_pTable = nullptr;
};
