#include "stitch/render/CStitchBlend.h"

#include "stitch/geometry/WarpSampler.h"
#include "stitch/image/CImage.h"
#include "stitch/image/CMask.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/outline/CScanRegion.h"
#include "stitch/pyramid/CStitchPyramid.h"

#include <algorithm>
#include <cmath>

void CStitchBlend::CalcBoundaryTelephoto(CStitchElement* e, int col, int row, tagRECT& rcRegion, tagRECT& rcOuter,
                                         tagRECT& rcInner)
{
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    const int zoom = CStitchPyramid::ZoomRatio(m_lLayer);
    const bool tile = grid.m_Style == StitchStyleTile;
    auto regionOf = [&](int c, int r) -> const tagRECT& { return m_pScanRegions[r * grid.m_lCols + c].m_Rect; };
    // The band is about a fortieth of the smaller of the two sizes, odd.
    auto band = [](int a, int b) { return 2 * (std::min(a, b) / 40) + 1; };
    const int w = e->m_Pyramid.m_lWidth / zoom, h = e->m_Pyramid.m_lHeight / zoom;

    int bandLeft = 1, bandRight = 1, bandTop = 1, bandBottom = 1;
    if (const CStitchElement* n = grid.GetElement(col - 1, row)) {
        bandLeft = band(w, n->m_Pyramid.m_lWidth / zoom);
        const int mid = (regionOf(col - 1, row).right + rcRegion.left) / 2;
        rcOuter.left = mid - (bandLeft + 1) / 2;
    } else {
        rcOuter.left = -kOpenSide;
    }
    if (const CStitchElement* n = grid.GetElement(col + 1, row)) {
        bandRight = band(w, n->m_Pyramid.m_lWidth / zoom);
        const int mid = (regionOf(col + 1, row).left + rcRegion.right) / 2;
        rcOuter.right = tile ? mid + 2 * bandRight : mid + bandRight / 2;
    } else {
        rcOuter.right = kOpenSide;
    }
    if (const CStitchElement* n = grid.GetElement(col, row - 1)) {
        bandTop = band(h, n->m_Pyramid.m_lHeight / zoom);
        const int mid = (regionOf(col, row - 1).bottom + rcRegion.top) / 2;
        rcOuter.top = mid - (bandTop + 1) / 2;
    } else {
        rcOuter.top = -kOpenSide;
    }
    if (const CStitchElement* n = grid.GetElement(col, row + 1)) {
        bandBottom = band(h, n->m_Pyramid.m_lHeight / zoom);
        const int mid = (regionOf(col, row + 1).top + rcRegion.bottom) / 2;
        rcOuter.bottom = tile ? mid + 2 * bandBottom : mid + bandBottom / 2;
    } else {
        rcOuter.bottom = kOpenSide;
    }
    rcInner = tagRECT{rcOuter.left + bandLeft, rcOuter.top + bandTop, rcOuter.right - bandRight,
                      rcOuter.bottom - bandBottom};
    rcRegion.left = std::max(rcRegion.left, rcOuter.left);
    rcRegion.top = std::max(rcRegion.top, rcOuter.top);
    rcRegion.right = std::min(rcRegion.right, rcOuter.right + 1);
    rcRegion.bottom = std::min(rcRegion.bottom, rcOuter.bottom + 1);
}

int CStitchBlend::ProjectForTelephoto(CStitchElement* e, int col, int row, const tagRECT& rcRegion,
                                      const tagRECT& rcOuter, const tagRECT& rcInner, CImage* pano, CMask* panoMask,
                                      int progressLow, int progressHigh)
{
    if (CStitchOptions::ShowProgress(progressLow))
        return StitchCancelled;
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    if (!e || !pano || !panoMask || !m_pScanRegions || col < 0 || row < 0 || col >= grid.m_lCols
        || row >= grid.m_lRows)
        return StitchBadArgument;
    const double* m = e->m_Transform.m_Matrix;
    const double det = m[0] * m[4] - m[1] * m[3];
    // A singular map has no inverse: the photo cannot be drawn, and a
    // panorama without it is no success.
    if (!(std::isfinite(det) && std::fabs(det) > 1e-12))
        return StitchBadArgument;
    void* handle = e->m_Pyramid.LockHDib(m_lLayer);
    if (!handle)
        return StitchBadArgument;
    CImage carrier;
    if (carrier.Attach(handle) != 0) {
        e->m_Pyramid.UnlockHDib(m_lLayer);
        return StitchNullArgument;
    }
    if (carrier.Lock() != 0) {
        carrier.Detach();
        e->m_Pyramid.UnlockHDib(m_lLayer);
        return StitchBadArgument;
    }
    int result = StitchOk;
    if (pano->Lock() == 0) {
        const CScanRegion& region = m_pScanRegions[row * grid.m_lCols + col];
        const int stepX = 256 / std::max(1, rcInner.left - rcOuter.left);
        const int stepY = 256 / std::max(1, rcInner.top - rcOuter.top);
        WarpSampler sampler;
        sampler.bits = carrier.Bits();
        sampler.stride = carrier.Stride();
        sampler.width = carrier.Header()->biWidth;
        sampler.height = std::abs(carrier.Header()->biHeight);
        sampler.offset = e->m_lBrightness[0];
        const int panoW = pano->Header()->biWidth, panoH = std::abs(pano->Header()->biHeight);
        unsigned char* panoBits = pano->Bits();
        const int panoStride = pano->Stride();
        const tagRECT& rcPano = m_PanoramaRect;
        const int span = std::max(1, rcRegion.right - rcRegion.left);
        for (int x = rcRegion.left; x < rcRegion.right && result == StitchOk; ++x) {
            if (CStitchOptions::ShowProgress(
                    progressLow + int((long long)(x - rcRegion.left) * (progressHigh - progressLow) / span))) {
                result = StitchCancelled;
                break;
            }
            if (x < region.m_Rect.left || x >= region.m_Rect.right || !region.HasTables())
                continue;
            const LineSegment s = region.Column(x);
            const int first = std::max(s.first, rcOuter.top), last = std::min(s.last, rcOuter.bottom);
            const int px = x - rcPano.left;
            if (px < 0 || px >= panoW || unsigned(px) >= panoMask->Width())
                continue;
            for (int y = first; y <= last; ++y) {
                const int py = y - rcPano.top;
                if (py < 0 || py >= panoH || unsigned(py) >= panoMask->Height())
                    continue;
                const double dx = x - m[2], dy = y - m[5];
                const double u = (m[4] * dx - m[1] * dy) / det, v = (m[0] * dy - m[3] * dx) / det;
                unsigned char fresh[3];
                if (!sampler.Sample(u, v, fresh))
                    continue;
                unsigned char* p = panoBits + (long long)py * panoStride + 3 * px;
                const bool set = panoMask->GetPixel(unsigned(py), unsigned(px));
                // Weights only inside the feather bands, where they stay below 256.
                if (x < rcInner.left && set) {
                    const int wx = (x - rcOuter.left) * stepX;
                    for (int b = 0; b < 3; ++b)
                        p[b] = static_cast<unsigned char>((p[b] * (256 - wx) + fresh[b] * wx) >> 8);
                } else if (y < rcInner.top && set) {
                    const int wy = (y - rcOuter.top) * stepY;
                    for (int b = 0; b < 3; ++b)
                        p[b] = static_cast<unsigned char>((p[b] * (256 - wy) + fresh[b] * wy) >> 8);
                } else {
                    std::copy(fresh, fresh + 3, p);
                    panoMask->SetPixel(unsigned(py), unsigned(px), true);
                }
            }
        }
        pano->Unlock();
    } else {
        result = StitchBadArgument;
    }
    carrier.Unlock();
    carrier.Detach();
    e->m_Pyramid.UnlockHDib(m_lLayer);
    if (result != StitchOk)
        return result;
    return CStitchOptions::ShowProgress(progressHigh) ? StitchCancelled : StitchOk;
}
