#include "stitch/CStitchBlend.h"

#include "stitch/CCoordinate.h"
#include "stitch/CImage.h"
#include "stitch/CMask.h"
#include "stitch/CProjection.h"
#include "stitch/CScanRegion.h"
#include "stitch/CStitchElement.h"
#include "stitch/CStitchOptions.h"
#include "stitch/WarpSampler.h"

#include <cmath>
#include <vector>

int CStitchBlend::Project2Cylinder(CImage* src, CStitchElement* e, int cell, CImage*& out, CMask*& outMask,
                                   bool& locked, int progressLow, int progressHigh)
{
    return Warp(Surface::Cylinder, src, e, cell, out, outMask, locked, progressLow, progressHigh);
}

int CStitchBlend::Project2CylinderVert(CImage* src, CStitchElement* e, int cell, CImage*& out, CMask*& outMask,
                                       bool& locked, int progressLow, int progressHigh)
{
    return Warp(Surface::CylinderVertical, src, e, cell, out, outMask, locked, progressLow, progressHigh);
}

int CStitchBlend::Project2Sphere(CImage* src, CStitchElement* e, int cell, CImage*& out, CMask*& outMask,
                                 bool& locked, int progressLow, int progressHigh)
{
    return Warp(Surface::Sphere, src, e, cell, out, outMask, locked, progressLow, progressHigh);
}

int CStitchBlend::Warp(Surface surface, CImage* src, CStitchElement* e, int cell, CImage*& out, CMask*& outMask,
                       bool& locked, int progressLow, int progressHigh)
{
    if (CStitchOptions::ShowProgress(progressLow))
        return StitchCancelled;
    if (!src || !e || !m_pScanRegions || cell < 0 || src->Lock() != 0)
        return StitchBadArgument;
    struct Unlock
    {
        CImage* image;
        ~Unlock() { image->Unlock(); }
    } keepLocked{src};
    const CScanRegion& region = m_pScanRegions[cell];
    const tagRECT rc = region.m_Rect;
    if (!region.HasTables() || src->Header()->biBitCount != 24)
        return StitchBadArgument;
    const int outW = rc.right - rc.left, outH = rc.bottom - rc.top;

    CImage* image = new CImage;
    if (image->Create(outW, outH, 24) != 0) {
        delete image;
        return StitchNullArgument;
    }
    if (image->Lock() != 0) {
        delete image;
        return StitchBadArgument;
    }
    CMask* mask = new CMask(unsigned(outW), unsigned(outH));
    if (!mask->Bits()) {
        delete mask;
        delete image;
        return StitchNullArgument;
    }
    image->Clear(m_pOptions->m_lFillColour);
    out = image;
    outMask = mask;
    locked = true;

    const bool ring = surface == Surface::Cylinder && m_pOptions->m_Matrix.m_Style == StitchStyle360;
    WarpSampler sampler;
    sampler.bits = src->Bits();
    sampler.stride = src->Stride();
    sampler.width = src->Header()->biWidth;
    sampler.height = std::abs(src->Header()->biHeight);
    sampler.table = e->m_ColorTable;
    sampler.offset = ring ? e->m_lBrightness[0] : 0;
    const double cx = (sampler.width - 1) / 2.0, cy = (sampler.height - 1) / 2.0;
    const double f = m_pOptions->m_dFocalLength / std::ldexp(1.0, m_lLayer);
    const double R = m_dRadius;
    const double* m = e->m_Transform.m_Matrix;
    unsigned char* outBits = image->Bits();
    const int outStride = image->Stride();
    unsigned char* maskBits = mask->Bits();
    const unsigned maskStride = mask->Stride();

    auto put = [&](int x, int y, double X, double Y, double Z) {
        // Only rays in front of the image (Z < 0) reach it; the others
        // would be sampled mirrored.
        if (!(Z < 0.0))
            return;
        const double u = -f * X / Z + cx, v = -f * Y / Z + cy;
        const int ox = x - rc.left, oy = y - rc.top;
        if (sampler.Sample(u, v, outBits + (long long)oy * outStride + 3 * ox))
            maskBits[size_t(oy) * maskStride + unsigned(ox) / 8] |= static_cast<unsigned char>(1u << (ox % 8));
    };
    // q = T^T P: the panorama point in the image's own frame.
    auto project = [&](int x, int y, double px, double py, double pz) {
        put(x, y, m[0] * px + m[3] * py + m[6] * pz, m[1] * px + m[4] * py + m[7] * pz,
            m[2] * px + m[5] * py + m[8] * pz);
    };

    // Sphere rows: sine and cosine of the latitude per panorama row.
    std::vector<double> sinPhi, cosPhi;
    if (surface == Surface::Sphere) {
        sinPhi.resize(size_t(outH));
        cosPhi.resize(size_t(outH));
        for (int y = rc.top; y < rc.bottom; ++y) {
            sinPhi[size_t(y - rc.top)] = std::sin(y / R);
            cosPhi[size_t(y - rc.top)] = std::cos(y / R);
        }
    }
    double axis[3] = {1.0, 0.0, 0.0};
    if (ring && m_pClosingAxis)
        std::copy(m_pClosingAxis, m_pClosingAxis + 3, axis);

    const bool byRow = surface == Surface::CylinderVertical;
    const int lineFrom = byRow ? rc.top : rc.left, lineTo = byRow ? rc.bottom : rc.right;
    const int span = lineTo - lineFrom;
    for (int line = lineFrom; line < lineTo; ++line) {
        if (CStitchOptions::ShowProgress(progressLow
                                         + int((long long)(line - lineFrom) * (progressHigh - progressLow) / span)))
            return StitchCancelled;
        const LineSegment s = byRow ? region.Row(line) : region.Column(line);
        const int first = std::max(s.first, byRow ? rc.left : rc.top);
        const int last = std::min(s.last, (byRow ? rc.right : rc.bottom) - 1);
        if (first > last)
            continue;
        const double theta = line / R;
        const double st = R * std::sin(theta), ct = -R * std::cos(theta);
        switch (surface) {
        case Surface::CylinderVertical:
            for (int x = first; x <= last; ++x)
                project(x, line, x, st, ct);
            break;
        case Surface::Sphere:
            for (int y = first; y <= last; ++y) {
                const double c = cosPhi[size_t(y - rc.top)];
                project(line, y, st * c, R * sinPhi[size_t(y - rc.top)], ct * c);
            }
            break;
        case Surface::Cylinder:
            if (!ring) {
                for (int y = first; y <= last; ++y)
                    project(line, y, st, y, ct);
                break;
            }
            {
                // The closing turn runs along the column from its first to
                // its last angle; the point is turned back by it.
                const DLineSegment a = region.Angle(line);
                const double step = (std::fabs(a.last - a.first) < 0.01 || s.last == s.first)
                                        ? 0.0
                                        : (a.last - a.first) / (double(s.last) - s.first);
                const CProjection projection(m_pOptions->m_Matrix.m_Style, STITCHMETHOD(RenderCylindrical));
                for (int y = first; y <= last; ++y) {
                    const double angle = a.first + step * (y - s.first);
                    double M[9], k[3] = {axis[0], axis[1], axis[2]};
                    CCoordinate::AxisAngle2UOM(k, M, angle);
                    const CartesianCoord turned{M[0] * st + M[3] * y + M[6] * ct, M[1] * st + M[4] * y + M[7] * ct,
                                                M[2] * st + M[5] * y + M[8] * ct};
                    FilmCoord film{0.0, 0.0, f};
                    if (!projection.Cartesian2Film(&turned, &film, &e->m_Transform))
                        continue;
                    const int ox = line - rc.left, oy = y - rc.top;
                    if (sampler.Sample(film.x + cx, film.y + cy, outBits + (long long)oy * outStride + 3 * ox))
                        maskBits[size_t(oy) * maskStride + unsigned(ox) / 8] |=
                            static_cast<unsigned char>(1u << (ox % 8));
                }
            }
            break;
        }
    }
    if (CStitchOptions::ShowProgress(progressHigh))
        return StitchCancelled;
    return StitchOk;
}
