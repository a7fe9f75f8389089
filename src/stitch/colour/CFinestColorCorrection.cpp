#include "stitch/colour/CFinestColorCorrection.h"

#include "stitch/colour/CColorCorrection.h"
#include "stitch/image/CImage.h"
#include "stitch/image/CMask.h"
#include "stitch/interface/StitchEnums.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// The part of rect (panorama coordinates) that an image placed at
// `placement` can read: inside both the bitmap and its mask. The image is
// locked: its size is read from the header held, not under a lock of its
// own that the host may refuse.
tagRECT Readable(const tagRECT& rect, const tagRECT& placement, CImage* image, const CMask* mask)
{
    const int width = std::min(image->Width(), int(mask->Width()));
    const int height = std::min(image->Height(), int(mask->Height()));
    const tagRECT extent{placement.left, placement.top, placement.left + width, placement.top + height};
    tagRECT out;
    IntersectRect(&out, &rect, &extent);
    return out;
}

bool Present(CImage* image, const CMask* mask)
{
    return image && mask && !image->IsEmpty() && mask->Bits();
}

// For a locked image.
bool Usable(CImage* image, const CMask* mask)
{
    return Present(image, mask) && image->Header() && image->Header()->biBitCount == 24;
}

} // namespace

int CFinestColorCorrection::ComputeHistogram(const tagRECT& overlap, const tagRECT& referencePlacement,
                                             const tagRECT& newPlacement)
{
    std::memset(m_Counts, 0, sizeof m_Counts);
    if (overlap.bottom <= overlap.top || !Present(m_pNewImage, m_pNewMask)
        || !Present(m_pReferenceImage, m_pReferenceMask))
        return StitchOk;
    if (m_pNewImage->Lock() != 0)
        return StitchBadArgument;
    if (m_pReferenceImage->Lock() != 0) {
        m_pNewImage->Unlock();
        return StitchBadArgument;
    }
    tagRECT area{0, 0, 0, 0};
    if (Usable(m_pNewImage, m_pNewMask) && Usable(m_pReferenceImage, m_pReferenceMask)) {
        // Clipped to what both images hold, so a placement that disagrees
        // with a bitmap's size cannot read past it.
        area = Readable(overlap, newPlacement, m_pNewImage, m_pNewMask);
        area = Readable(area, referencePlacement, m_pReferenceImage, m_pReferenceMask);
    }
    // The area lies inside both bitmaps and both masks. Locals, so that the
    // counts written do not make the compiler read the masks' fields again.
    const unsigned char* const bitsN = m_pNewImage->Bits();
    const unsigned char* const bitsR = m_pReferenceImage->Bits();
    const std::int64_t strideN = m_pNewImage->Stride(), strideR = m_pReferenceImage->Stride();
    const unsigned char* const maskN = m_pNewMask->Bits();
    const unsigned char* const maskR = m_pReferenceMask->Bits();
    const size_t maskStrideN = m_pNewMask->Stride(), maskStrideR = m_pReferenceMask->Stride();
    unsigned int* const counts = m_Counts;
    for (int y = area.top; y < area.bottom; ++y) {
        const int yn = y - newPlacement.top, yr = y - referencePlacement.top;
        const unsigned char* rowN = bitsN + std::int64_t(yn) * strideN;
        const unsigned char* rowR = bitsR + std::int64_t(yr) * strideR;
        const unsigned char* maskRowN = maskN + size_t(yn) * maskStrideN;
        const unsigned char* maskRowR = maskR + size_t(yr) * maskStrideR;
        for (int x = area.left; x < area.right; ++x) {
            const unsigned xn = unsigned(x - newPlacement.left), xr = unsigned(x - referencePlacement.left);
            if (!((maskRowN[xn / 8] >> (xn % 8)) & 1) || !((maskRowR[xr / 8] >> (xr % 8)) & 1))
                continue;
            const unsigned char* pn = rowN + 3 * xn;
            const unsigned char* pr = rowR + 3 * xr;
            if (pr[0] + pr[1] + pr[2] >= kWhiteSum || pn[0] + pn[1] + pn[2] >= kWhiteSum)
                continue;
            ++counts[pr[2]];
            ++counts[256 + pr[1]];
            ++counts[512 + pr[0]];
            ++counts[768 + pn[2]];
            ++counts[1024 + pn[1]];
            ++counts[1280 + pn[0]];
        }
    }
    m_pReferenceImage->Unlock();
    m_pNewImage->Unlock();
    return StitchOk;
}

int CFinestColorCorrection::Run(const tagRECT& overlap, const tagRECT& referencePlacement, const tagRECT& newPlacement)
{
    if (const int code = ComputeHistogram(overlap, referencePlacement, newPlacement))
        return code;
    if (!Present(m_pNewImage, m_pNewMask))
        return StitchOk;
    // tables[0] is for byte 2, tables[2] for byte 0, as the counts lie.
    unsigned char tables[3][256];
    CColorCorrection fit;
    fit.RunChannels(m_Counts, m_Counts + 768, tables[0]);
    if (m_pNewImage->Lock() != 0)
        return StitchBadArgument;
    if (!Usable(m_pNewImage, m_pNewMask)) {
        m_pNewImage->Unlock();
        return StitchOk;
    }
    const int width = std::min(m_pNewImage->Width(), int(m_pNewMask->Width()));
    const int height = std::min(m_pNewImage->Height(), int(m_pNewMask->Height()));
    // Locals: the bytes written could otherwise alias the mask's fields.
    unsigned char* const bits = m_pNewImage->Bits();
    const std::int64_t stride = m_pNewImage->Stride();
    const unsigned char* const maskBits = m_pNewMask->Bits();
    const size_t maskStride = m_pNewMask->Stride();
    for (int y = 0; y < height; ++y) {
        unsigned char* row = bits + std::int64_t(y) * stride;
        const unsigned char* maskRow = maskBits + size_t(y) * maskStride;
        for (int x = 0; x < width; ++x) {
            if (x % 8 == 0 && maskRow[x / 8] == 0) {
                x += 7; // a clear byte: eight pixels left as they are
                continue;
            }
            if (!((maskRow[x / 8] >> (x % 8)) & 1))
                continue;
            unsigned char* p = row + 3 * x;
            p[2] = tables[0][p[2]];
            p[1] = tables[1][p[1]];
            p[0] = tables[2][p[0]];
        }
    }
    m_pNewImage->Unlock();
    return StitchOk;
}
