// Pairwise comparison of two images on the ordering layer: a full search
// over a window of offsets with a mean-compensated absolute difference.

#include "stitch/CAutoOrder.h"

#include "stitch/CImage.h"
#include "stitch/CStitchOptions.h"

#include <algorithm>
#include <cstdlib>
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

int CAutoOrder::CoarseAlign(CImage* a, CImage* b, int& dx, int& dy, double& score, bool vertical)
{
    if (CImage::LockBoth(*a, *b) != 0)
        return StitchBadArgument;
    int code = 0;
    if (a->BitCount() != 24 || b->BitCount() != 24) {
        code = StitchBadArgument;
    } else {
        const int wa = a->Width();
        const int ha = a->Height();
        const int wb = b->Width();
        const int hb = b->Height();
        const tagRECT window = CalcCorrelRegion(a, vertical);
        const unsigned char* bitsA = a->Bits();
        const unsigned char* bitsB = b->Bits();
        const int strideA = a->Stride();
        const int strideB = b->Stride();
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
    b->Unlock();
    a->Unlock();
    return code;
}
