#include "stitch/CFinestColorCorrection.h"

#include "stitch/CColorCorrection.h"
#include "stitch/CImage.h"
#include "stitch/CMask.h"
#include "stitch/StitchEnums.h"

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
    for (int y = area.top; y < area.bottom; ++y) {
        const int yn = y - newPlacement.top, yr = y - referencePlacement.top;
        const unsigned char* rowN = m_pNewImage->Bits() + std::int64_t(yn) * m_pNewImage->Stride();
        const unsigned char* rowR = m_pReferenceImage->Bits() + std::int64_t(yr) * m_pReferenceImage->Stride();
        for (int x = area.left; x < area.right; ++x) {
            const int xn = x - newPlacement.left, xr = x - referencePlacement.left;
            if (!m_pNewMask->GetPixel(unsigned(yn), unsigned(xn)) || !m_pReferenceMask->GetPixel(unsigned(yr), unsigned(xr)))
                continue;
            const unsigned char* pn = rowN + 3 * xn;
            const unsigned char* pr = rowR + 3 * xr;
            if (pr[0] + pr[1] + pr[2] >= kWhiteSum || pn[0] + pn[1] + pn[2] >= kWhiteSum)
                continue;
            ++m_Counts[pr[2]];
            ++m_Counts[256 + pr[1]];
            ++m_Counts[512 + pr[0]];
            ++m_Counts[768 + pn[2]];
            ++m_Counts[1024 + pn[1]];
            ++m_Counts[1280 + pn[0]];
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
    for (int k = 0; k < 3; ++k)
        fit.Run(m_Counts + 256 * k, m_Counts + 768 + 256 * k, tables[k]);
    if (m_pNewImage->Lock() != 0)
        return StitchBadArgument;
    if (!Usable(m_pNewImage, m_pNewMask)) {
        m_pNewImage->Unlock();
        return StitchOk;
    }
    const int width = std::min(m_pNewImage->Width(), int(m_pNewMask->Width()));
    const int height = std::min(m_pNewImage->Height(), int(m_pNewMask->Height()));
    for (int y = 0; y < height; ++y) {
        unsigned char* row = m_pNewImage->Bits() + std::int64_t(y) * m_pNewImage->Stride();
        for (int x = 0; x < width; ++x) {
            if (!m_pNewMask->GetPixel(unsigned(y), unsigned(x)))
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
