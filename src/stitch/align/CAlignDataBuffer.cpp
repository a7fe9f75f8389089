#include "stitch/align/CAlignDataBuffer.h"

#include "stitch/align/CCorrelTable.h"
#include "stitch/image/CImage.h"

#include <algorithm>
#include <cstdlib>
#include <new>

CAlignDataBuffer::CAlignDataBuffer() = default;

CAlignDataBuffer::~CAlignDataBuffer()
{
    delete[] m_pGrad;
    delete[] m_pCorrel;
}

bool CAlignDataBuffer::Build(CImage* image)
{
    // Sizes and pixels under one lock: sizes read under separate locks may
    // come from a lock that failed (0) while the pixels, locked later, are
    // walked at their true size.
    if (!image || image->IsEmpty() || image->Lock() != 0)
        return false;
    const tagBITMAPINFOHEADER* header = image->Header();
    if (!header || header->biBitCount != 24 || header->biWidth <= 0 || header->biHeight <= 0) {
        image->Unlock();
        return false;
    }
    const int width = header->biWidth;
    const int height = header->biHeight;
    const size_t pixels = size_t(width) * size_t(height);
    delete[] m_pGrad;
    delete[] m_pCorrel;
    m_pGrad = new (std::nothrow) unsigned char[pixels];
    m_pCorrel = new (std::nothrow) short[pixels * 3];
    m_EdgeBits = EdgeBits();
    m_TableRows.clear();
    if (!m_pGrad || !m_pCorrel) {
        image->Unlock();
        return false;
    }
    m_lWidth = width;
    m_lHeight = height;
    GetGradImage(image, m_pGrad);
    GetCorrelImage(image, m_pCorrel);
    image->Unlock();
    try {
        m_TableRows.resize(pixels * 3);
        for (size_t i = 0; i < pixels * 3; ++i)
            m_TableRows[i] = CCorrelTable::RowOffset(m_pCorrel[i]);
    } catch (const std::bad_alloc&) {
        m_TableRows.clear();
    }
    const int threshold = m_lThreshold;
    if (m_EdgeBits.Make(m_pGrad, width, height, [threshold](unsigned char v) { return v > threshold; }))
        m_EdgeBits.threshold = threshold;
    return true;
}

void CAlignDataBuffer::GetGradImage(CImage* image, unsigned char* out)
{
    const int w = image->Header()->biWidth;
    const int h = image->Header()->biHeight;
    const int stride = image->Stride();
    const unsigned char* bits = image->Bits();
    for (int y = 0; y < h; ++y) {
        const unsigned char* top = bits + std::int64_t(std::max(y - 1, 0)) * stride;
        const unsigned char* mid = bits + std::int64_t(y) * stride;
        const unsigned char* bot = bits + std::int64_t(std::min(y + 1, h - 1)) * stride;
        for (int x = 0; x < w; ++x) {
            const int l = 3 * std::max(x - 1, 0);
            const int m = 3 * x;
            const int r = 3 * std::min(x + 1, w - 1);
            int best = 0;
            for (int c = 0; c < 3; ++c) {
                const int gx = (top[r + c] + 2 * mid[r + c] + bot[r + c]) - (top[l + c] + 2 * mid[l + c] + bot[l + c]);
                const int gy = (bot[l + c] + 2 * bot[m + c] + bot[r + c]) - (top[l + c] + 2 * top[m + c] + top[r + c]);
                best = std::max(best, std::abs(gx) + std::abs(gy));
            }
            out[std::int64_t(y) * w + x] = static_cast<unsigned char>(std::min(best >> 1, 254));
        }
    }
}

void CAlignDataBuffer::GetCorrelImage(CImage* image, short* out)
{
    const int w = image->Header()->biWidth;
    const int h = image->Header()->biHeight;
    const int stride = image->Stride();
    const unsigned char* bits = image->Bits();
    for (int y = 0; y < h; ++y) {
        const int y0 = std::max(y - 1, 0);
        const int y1 = std::min(y + 1, h - 1);
        for (int x = 0; x < w; ++x) {
            const int x0 = std::max(x - 1, 0);
            const int x1 = std::min(x + 1, w - 1);
            const int count = (y1 - y0 + 1) * (x1 - x0 + 1);
            for (int c = 0; c < 3; ++c) {
                int sum = 0;
                for (int yy = y0; yy <= y1; ++yy)
                    for (int xx = x0; xx <= x1; ++xx)
                        sum += bits[std::int64_t(yy) * stride + 3 * xx + c];
                const int value = bits[std::int64_t(y) * stride + 3 * x + c];
                out[(std::int64_t(y) * w + x) * 3 + c] = short(value - sum / count);
            }
        }
    }
}
