#pragma once

#include "stitch/image/CImage.h"
#include "stitch/image/CMask.h"
#include "stitch/interface/StitchEnums.h"

#include <algorithm>
#include <cstdlib>

// One working image of a render with its mask, freed (unlocked first) on
// every path out of the renderer. Owns both.
struct BlendWorking
{
    CImage* image = nullptr;
    CMask* mask = nullptr;
    bool locked = false;

    BlendWorking() = default;
    BlendWorking(const BlendWorking&) = delete;
    BlendWorking& operator=(const BlendWorking&) = delete;
    ~BlendWorking() { Free(); }

    void Free()
    {
        if (image && locked)
            image->Unlock();
        delete image;
        delete mask;
        image = nullptr;
        mask = nullptr;
        locked = false;
    }
    // Takes another image and mask (unlocked) in place of these.
    void Replace(CImage* newImage, CMask* newMask)
    {
        Free();
        image = newImage;
        mask = newMask;
    }
};

// Visits every run of consecutive pixels of a row of rcArea that lie on both
// images and are set in the source mask: fn(source BGR of its first pixel,
// destination BGR of its first pixel, destination row, destination column of
// its first pixel, pixels). rcSrc and rcDst place each image; both are
// locked for the walk. A lock refused leaves the destination untouched and
// gives -3: the caller must not take the copy as made. Mask bytes that are
// wholly clear or wholly set are taken at once.
template<class Fn>
int ForEachMaskedRun(const tagRECT& rcArea, const tagRECT& rcSrc, const tagRECT& rcDst, CImage* src, CMask* srcMask,
                     CImage* dst, CMask* dstMask, Fn fn)
{
    if (!src || !srcMask || !dst || !dstMask || src->Lock() != 0)
        return StitchBadArgument;
    if (dst->Lock() != 0) {
        src->Unlock();
        return StitchBadArgument;
    }
    const long long srcW = std::min<long long>(src->Header()->biWidth, srcMask->Width());
    const long long srcH = std::min<long long>(std::abs(src->Header()->biHeight), srcMask->Height());
    const long long dstW = std::min<long long>(dst->Header()->biWidth, dstMask->Width());
    const long long dstH = std::min<long long>(std::abs(dst->Header()->biHeight), dstMask->Height());
    const long long x0 = std::max<long long>({rcArea.left, rcSrc.left, rcDst.left});
    const long long x1 = std::min<long long>({rcArea.right, rcSrc.left + srcW, rcDst.left + dstW});
    const long long y0 = std::max<long long>({rcArea.top, rcSrc.top, rcDst.top});
    const long long y1 = std::min<long long>({rcArea.bottom, rcSrc.top + srcH, rcDst.top + dstH});
    // A mask without bits has no pixel set.
    for (long long y = y0; y < y1 && srcMask->Bits(); ++y) {
        const unsigned sy = unsigned(y - rcSrc.top), dy = unsigned(y - rcDst.top);
        const unsigned char* from = src->Bits() + (long long)sy * src->Stride();
        unsigned char* to = dst->Bits() + (long long)dy * dst->Stride();
        const unsigned char* bits = srcMask->Bits() + size_t(sy) * srcMask->Stride();
        auto set = [bits](unsigned sx) { return (bits[sx / 8] >> (sx % 8)) & 1; };
        long long x = x0;
        while (x < x1) {
            const unsigned sx = unsigned(x - rcSrc.left);
            if (sx % 8 == 0 && x + 8 <= x1 && bits[sx / 8] == 0) {
                x += 8;
                continue;
            }
            if (!set(sx)) {
                ++x;
                continue;
            }
            long long end = x + 1;
            while (end < x1) {
                const unsigned ex = unsigned(end - rcSrc.left);
                if (ex % 8 == 0 && end + 8 <= x1 && bits[ex / 8] == 0xFF) {
                    end += 8;
                    continue;
                }
                if (!set(ex))
                    break;
                ++end;
            }
            const unsigned dx = unsigned(x - rcDst.left);
            fn(from + 3 * sx, to + 3 * (long long)dx, dy, dx, unsigned(end - x));
            x = end;
        }
    }
    dst->Unlock();
    src->Unlock();
    return StitchOk;
}

// As ForEachMaskedRun, a pixel at a time: fn(source BGR, destination BGR,
// destination row, column).
template<class Fn>
int ForEachMaskedPixel(const tagRECT& rcArea, const tagRECT& rcSrc, const tagRECT& rcDst, CImage* src,
                        CMask* srcMask, CImage* dst, CMask* dstMask, Fn fn)
{
    return ForEachMaskedRun(rcArea, rcSrc, rcDst, src, srcMask, dst, dstMask,
                            [&fn](const unsigned char* from, unsigned char* to, unsigned dy, unsigned dx, unsigned n) {
                                for (unsigned i = 0; i < n; ++i)
                                    fn(from + 3 * i, to + 3 * i, dy, dx + i);
                            });
}
