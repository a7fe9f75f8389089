// Pairwise comparison of two images on the ordering layer: a full search
// over a window of offsets with a mean-compensated absolute difference.

#include "stitch/order/CAutoOrder.h"

#include "stitch/image/CImage.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/threads/StitchThreads.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <limits>

tagRECT CAutoOrder::CalcCorrelRegion(CImage* image, bool vertical)
{
    const int w = image->Width();
    const int h = image->Height();
    const int style = Style();
    tagRECT r;
    if (style == 1 || (style == 3 && vertical)) {
        r.left = std::min(-w / 10, -6);
        r.right = std::max(w / 10, 6);
        r.top = 0;
        r.bottom = std::max(5 * h / 6, h - 8);
    } else if (style == 2 || Cols() * Rows() >= 11) {
        r.left = 0;
        r.right = std::max(3 * w / 4, w - 12);
        r.top = std::min(-h / 10, -4);
        r.bottom = std::max(h / 10, 4);
    } else {
        r.left = 0;
        r.right = std::max(7 * w / 8, w - 8);
        r.top = std::min(-h / 10, -6);
        r.bottom = std::max(h / 10, 6);
    }
    return r;
}

namespace {

// Runs work (returning a code) with both images locked, when both are 24-bit;
// a refused lock or another depth is a bad argument. A search made on the
// spot and one queued for later take the same locks.
template <typename Work>
int WithLocked24(CImage* a, CImage* b, Work work)
{
    if (CImage::LockBoth(*a, *b) != 0)
        return StitchBadArgument;
    const int code = a->BitCount() != 24 || b->BitCount() != 24 ? int(StitchBadArgument) : work();
    b->Unlock();
    a->Unlock();
    return code;
}

} // namespace

int CAutoOrder::CoarseAlign(CImage* a, CImage* b, int& dx, int& dy, double& score, bool vertical)
{
    return WithLocked24(a, b, [&] {
        SearchOffsets(CorrelPlane{a->Bits(), a->Stride(), a->Width(), a->Height()},
                      CorrelPlane{b->Bits(), b->Stride(), b->Width(), b->Height()}, CalcCorrelRegion(a, vertical),
                      dx, dy, score);
        return 0;
    });
}

void CAutoOrder::SearchOffsets(const CorrelPlane& a, const CorrelPlane& b, const tagRECT& window, int& dx, int& dy,
                               double& score)
{
    const int wa = a.width;
    const int ha = a.height;
    const int wb = b.width;
    const int hb = b.height;
    const unsigned char* bitsA = a.bits;
    const unsigned char* bitsB = b.bits;
    const int strideA = a.stride;
    const int strideB = b.stride;
    double best = std::numeric_limits<double>::max();
    dx = 0;
    dy = 0;
    for (int oy = window.top; oy < window.bottom; ++oy)
        for (int ox = window.left; ox < window.right; ++ox) {
            const int left = std::max(0, ox);
            const int right = std::min(wa, ox + wb);
            const int top = std::max(0, oy);
            const int bottom = std::min(ha, oy + hb);
            const int wo = right - left;
            const int ho = bottom - top;
            if (wo < 3 || ho < 3)
                continue;
            long long sumA = 0;
            long long sumB = 0;
            for (int y = top; y < bottom; ++y) {
                const unsigned char* pa = bitsA + size_t(y) * strideA + size_t(left) * 3;
                const unsigned char* pb = bitsB + size_t(y - oy) * strideB + size_t(left - ox) * 3;
                for (int k = 0; k < wo * 3; ++k) {
                    sumA += pa[k];
                    sumB += pb[k];
                }
            }
            const long long pixels = static_cast<long long>(wo) * ho;
            const int shift = int(sumB / (3 * pixels) - sumA / (3 * pixels));
            long long sum = 0;
            bool worse = false;
            for (int y = top; y < bottom && !worse; ++y) {
                const unsigned char* pa = bitsA + size_t(y) * strideA + size_t(left) * 3;
                const unsigned char* pb = bitsB + size_t(y - oy) * strideB + size_t(left - ox) * 3;
                for (int k = 0; k < wo * 3; ++k)
                    sum += std::abs(pa[k] + shift - pb[k]);
                worse = 16.0 * double(sum) / double(pixels) >= best;
            }
            if (worse)
                continue;
            const double s = 16.0 * double(sum) / double(pixels);
            if (s < best) {
                best = s;
                dx = ox;
                dy = oy;
            }
        }
    score = best;
}

bool CAutoOrder::Copy(CStitchElement* e, CImage* image, CorrelPlane& plane)
{
    for (const LayerCopy& copy : m_Copies)
        if (copy.element == e) {
            plane = copy.plane;
            return true;
        }
    const int width = image->Width(), height = image->Height();
    const size_t row = size_t(width) * 3;
    try {
        LayerCopy copy{e, std::vector<unsigned char>(row * size_t(height)), CorrelPlane{}};
        for (int y = 0; y < height; ++y)
            std::memcpy(copy.pixels.data() + row * size_t(y), image->Bits() + size_t(y) * image->Stride(), row);
        copy.plane = CorrelPlane{copy.pixels.data(), int(row), width, height};
        plane = copy.plane;
        // Moving the copy keeps its pixels where they are.
        m_Copies.push_back(std::move(copy));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

int CAutoOrder::QueueCorrelation(CStitchElement* ea, CImage* a, CStitchElement* eb, CImage* b, tagPOINT position,
                                 bool vertical)
{
    return WithLocked24(a, b, [&] {
        CorrelPlane pa, pb;
        if (!Copy(ea, a, pa) || !Copy(eb, b, pb))
            return int(StitchNullArgument);
        try {
            m_Pending.push_back(PendingCorrel{ea, vertical, position, pa, pb, CalcCorrelRegion(a, vertical)});
        } catch (const std::bad_alloc&) {
            return int(StitchNullArgument);
        }
        return 0;
    });
}

void CAutoOrder::RunPendingCorrelations()
{
    StitchThreads::For(int(m_Pending.size()), [this](int i) {
        PendingCorrel& p = m_Pending[size_t(i)];
        SearchOffsets(p.a, p.b, p.window, p.dx, p.dy, p.score);
    });
    // In the order collected: each list as if searched one by one.
    for (const PendingCorrel& p : m_Pending) {
        COrderList* list = p.lower ? Lowers(p.element) : Rights(p.element);
        if (list)
            list->records.push_back({p.position, {p.dx, p.dy}, p.score});
    }
    m_Pending.clear();
    m_Copies.clear();
}
