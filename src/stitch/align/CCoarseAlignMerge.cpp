#include "stitch/align/CCoarseAlign.h"

#include "stitch/image/CImage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <new>

namespace {


CImage* Merge(CImage* a, CImage* b, int left, int top, int right, int bottom, int dx, int dy, double angle)
{
    if (!a || !b || a->BitCount() != 24 || b->BitCount() != 24)
        return nullptr;
    auto* out = new (std::nothrow) CImage;
    if (!out)
        return nullptr;
    const int width = right - left + 1;
    const int height = bottom - top + 1;
    if (out->Create(width, height, 24) != 0 || out->Lock() != 0) {
        delete out;
        return nullptr;
    }
    if (a->Lock() != 0 || b->Lock() != 0) {
        a->Unlock();
        out->Unlock();
        delete out;
        return nullptr;
    }
    const int wA = a->Width(), hA = a->Height(), wB = b->Width(), hB = b->Height();
    const double cxB = (wB - 1) / 2.0, cyB = (hB - 1) / 2.0;
    const double s = std::sin(angle), c = std::cos(angle);
    for (int y = top; y <= bottom; ++y) {
        unsigned char* row = out->Bits() + std::int64_t(y - top) * out->Stride();
        for (int x = left; x <= right; ++x) {
            const unsigned char* pa = nullptr;
            const unsigned char* pb = nullptr;
            if (x >= 0 && y >= 0 && x < wA && y < hA)
                pa = a->Bits() + std::int64_t(y) * a->Stride() + 3 * x;
            int bx = x - dx, by = y - dy;
            if (angle != 0.0) {
                // B turned about its centre as the turned copies of the
                // search are: take the nearest source pixel.
                const double u = bx - cxB, v = by - cyB;
                bx = int(cxB + u * c - v * s + 0.5);
                by = int(cyB + u * s + v * c + 0.5);
            }
            if (bx >= 0 && by >= 0 && bx < wB && by < hB)
                pb = b->Bits() + std::int64_t(by) * b->Stride() + 3 * bx;
            unsigned char* p = row + 3 * (x - left);
            for (int k = 0; k < 3; ++k)
                p[k] = pa && pb ? static_cast<unsigned char>((pa[k] + pb[k]) >> 1) : pa ? pa[k] : pb ? pb[k] : 255;
        }
    }
    b->Unlock();
    a->Unlock();
    out->Unlock();
    return out;
}

} // namespace

CImage* CCoarseAlign::MergeAlignImage(CImage* a, CImage* b, int dx, int dy)
{
    if (!a || !b)
        return nullptr;
    return Merge(a, b, std::min(dx, 0), std::min(dy, 0), std::max(b->Width() + dx, a->Width()) - 1,
                 std::max(b->Height() + dy, a->Height()) - 1, dx, dy, 0.0);
}

CImage* CCoarseAlign::MergeAlignImage(CImage* a, CImage* b, int dx, int dy, double angle)
{
    if (!a || !b)
        return nullptr;
    // The turned B's frame: its corners about its centre, moved by the offset.
    const double cx = (b->Width() - 1) / 2.0, cy = (b->Height() - 1) / 2.0;
    const double s = std::sin(angle), c = std::cos(angle);
    double minX = 0, minY = 0, maxX = a->Width() - 1, maxY = a->Height() - 1;
    for (int i = 0; i < 4; ++i) {
        const double u = (i & 1 ? cx : -cx), v = (i & 2 ? cy : -cy);
        const double x = cx + u * c + v * s + dx;
        const double y = cy - u * s + v * c + dy;
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    return Merge(a, b, int(std::floor(minX)), int(std::floor(minY)), int(std::ceil(maxX)), int(std::ceil(maxY)), dx,
                 dy, angle);
}
