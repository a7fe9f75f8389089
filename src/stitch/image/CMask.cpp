#include "stitch/image/CMask.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {
const unsigned char kBit[8] = {1, 2, 4, 8, 16, 32, 64, 128};
}

unsigned int CMask::StrideFor(unsigned int width)
{
    return unsigned((std::uint64_t(width) + 31) / 32 * 4);
}

CMask::CMask() = default;

CMask::CMask(unsigned int width, unsigned int height)
{
    Create(width, height);
}

CMask::CMask(CMask& other)
{
    Q_ASSERT_X(other.m_lWidth > 0 && other.m_lHeight > 0, "Mask", "lWidth > 0 && lHeight > 0");
    if (!other.m_pBits || !Create(other.m_lWidth, other.m_lHeight))
        return;
    std::memcpy(m_pBits, other.m_pBits, m_lSize);
    m_ObjectRect = *other.ObjectRect();
}

CMask::~CMask()
{
    Release();
}

bool CMask::Create(unsigned int width, unsigned int height)
{
    Q_ASSERT_X(width > 0 && height > 0, "Mask", "lWidth > 0 && lHeight > 0");
    Release();
    const std::uint64_t size = std::uint64_t(StrideFor(width)) * height;
    if (width == 0 || height == 0 || size > 0xFFFFFFFFu)
        return false;
    m_pBits = new (std::nothrow) unsigned char[size_t(size)];
    if (!m_pBits)
        return false;
    std::memset(m_pBits, 0, size_t(size));
    m_lWidth = width;
    m_lHeight = height;
    m_lStride = StrideFor(width);
    m_lSize = unsigned(size);
    m_ObjectRect = tagRECT{0, 0, 0, 0};
    return true;
}

void CMask::Release()
{
    delete[] m_pBits;
    m_pBits = nullptr;
    m_lWidth = m_lHeight = m_lStride = m_lSize = 0;
    m_ObjectRect = tagRECT{0, 0, 0, 0};
}

void CMask::SetRun(unsigned int row, unsigned int column, unsigned int count)
{
    if (!m_pBits || row >= m_lHeight || column >= m_lWidth)
        return;
    unsigned int end = m_lWidth - column < count ? m_lWidth : column + count;
    unsigned char* bits = m_pBits + size_t(row) * m_lStride;
    unsigned int x = column;
    for (; x < end && x % 8 != 0; ++x)
        bits[x / 8] |= kBit[x % 8];
    if (end - x >= 8) {
        std::memset(bits + x / 8, 0xFF, (end - x) / 8);
        x += (end - x) / 8 * 8;
    }
    for (; x < end; ++x)
        bits[x / 8] |= kBit[x % 8];
}

void CMask::Clear()
{
    if (m_pBits)
        std::memset(m_pBits, 0, m_lSize);
}

void CMask::Clone(CMask* target) const
{
    Q_ASSERT(target && target->m_lSize == m_lSize);
    if (target && target->m_pBits && m_pBits && target->m_lSize == m_lSize)
        std::memcpy(target->m_pBits, m_pBits, m_lSize);
}

unsigned int CMask::MaskFill(CMask* other)
{
    Q_ASSERT_X(other && other->m_lWidth == m_lWidth && other->m_lHeight == m_lHeight, "Mask",
               "same width and height");
    if (other && other->m_lSize == m_lSize && m_pBits && other->m_pBits) {
        for (unsigned i = 0; i < m_lSize; ++i)
            m_pBits[i] |= other->m_pBits[i];
    }
    return m_lHeight;
}

unsigned int CMask::MaskErase(CMask* other)
{
    Q_ASSERT_X(other && other->m_lWidth == m_lWidth && other->m_lHeight == m_lHeight, "Mask",
               "same width and height");
    if (other && other->m_lSize == m_lSize && m_pBits && other->m_pBits) {
        for (unsigned i = 0; i < m_lSize; ++i)
            m_pBits[i] &= static_cast<unsigned char>(~other->m_pBits[i]);
    }
    return m_lHeight;
}

tagRECT* CMask::ObjectRect()
{
    m_ObjectRect = tagRECT{int(m_lWidth), int(m_lHeight), 0, 0};
    if (!m_pBits)
        return &m_ObjectRect;
    for (unsigned y = 0; y < m_lHeight; ++y) {
        const unsigned char* row = m_pBits + size_t(y) * m_lStride;
        for (unsigned x = 0; x < m_lWidth; ++x) {
            if (!(row[x / 8] & kBit[x % 8]))
                continue;
            if (int(x) < m_ObjectRect.left)
                m_ObjectRect.left = int(x);
            if (int(y) < m_ObjectRect.top)
                m_ObjectRect.top = int(y);
            if (int(x) > m_ObjectRect.right)
                m_ObjectRect.right = int(x);
            if (int(y) > m_ObjectRect.bottom)
                m_ObjectRect.bottom = int(y);
        }
    }
    return &m_ObjectRect;
}

void CMask::DrawLine(int x1, int y1, int x2, int y2, bool value)
{
    if (x1 == x2 && y1 == y2)
        return;
    auto plot = [&](long long x, long long y) {
        if (x >= 0 && y >= 0 && x < m_lWidth && y < m_lHeight)
            SetPixel(unsigned(y), unsigned(x), value);
    };
    const long long dx = (long long)x2 - x1;
    const long long dy = (long long)y2 - y1;
    if (std::llabs(dx) <= std::llabs(dy)) {
        const double k = double(dx) / double(dy);
        const long long step = dy > 0 ? 1 : -1;
        for (long long i = 0; i != dy; i += step)
            plot(static_cast<long long>(std::trunc(i * k + x1 + 0.5)), y1 + i);
    } else {
        const double k = double(dy) / double(dx);
        const long long step = dx > 0 ? 1 : -1;
        for (long long i = 0; i != dx; i += step)
            plot(x1 + i, static_cast<long long>(std::trunc(i * k + y1 + 0.5)));
    }
}
