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
    auto reportLine = [&](int line) {
        return CStitchOptions::ShowProgress(progressLow
                                            + int((long long)(line - lineFrom) * (progressHigh - progressLow) / span));
    };

    if (byRow) {
        for (int line = lineFrom; line < lineTo; ++line) {
            if (reportLine(line))
                return StitchCancelled;
            const LineSegment s = region.Row(line);
            const int first = std::max(s.first, rc.left);
            const int last = std::min(s.last, rc.right - 1);
            const double theta = line / R;
            const double st = R * std::sin(theta), ct = -R * std::cos(theta);
            for (int x = first; x <= last; ++x)
                project(x, line, x, st, ct);
        }
        if (CStitchOptions::ShowProgress(progressHigh))
            return StitchCancelled;
        return StitchOk;
    }

    // A column at a time would step a whole row through both images at
    // every pixel, which large photos pay for in cache and page-table
    // misses; a band of columns is walked row by row instead. Every pixel
    // is computed as alone, so the result does not depend on the order.
    struct Column
    {
        int first, last;
        double st, ct;
        double angle0, step; // the ring's closing turn along the column
        int segmentFirst;
    };
    constexpr int kBand = 32;
    Column columns[kBand];
    const CProjection projection(m_pOptions->m_Matrix.m_Style, STITCHMETHOD(RenderCylindrical));
    for (int bandFrom = lineFrom; bandFrom < lineTo; bandFrom += kBand) {
        const int bandTo = std::min(lineTo, bandFrom + kBand);
        int top = rc.bottom, bottom = rc.top - 1;
        for (int line = bandFrom; line < bandTo; ++line) {
            if (reportLine(line))
                return StitchCancelled;
            Column& c = columns[line - bandFrom];
            const LineSegment s = region.Column(line);
            c.first = std::max(s.first, int(rc.top));
            c.last = std::min(s.last, rc.bottom - 1);
            const double theta = line / R;
            c.st = R * std::sin(theta);
            c.ct = -R * std::cos(theta);
            c.angle0 = 0.0;
            c.step = 0.0;
            c.segmentFirst = s.first;
            if (ring && c.first <= c.last) {
                // The closing turn runs along the column from its first to
                // its last angle; the point is turned back by it.
                const DLineSegment a = region.Angle(line);
                c.angle0 = a.first;
                c.step = (std::fabs(a.last - a.first) < 0.01 || s.last == s.first)
                             ? 0.0
                             : (a.last - a.first) / (double(s.last) - s.first);
            }
            if (c.first <= c.last) {
                top = std::min(top, c.first);
                bottom = std::max(bottom, c.last);
            }
        }
        for (int y = top; y <= bottom; ++y) {
            for (int line = bandFrom; line < bandTo; ++line) {
                const Column& c = columns[line - bandFrom];
                if (y < c.first || y > c.last)
                    continue;
                if (surface == Surface::Sphere) {
                    const double cp = cosPhi[size_t(y - rc.top)];
                    project(line, y, c.st * cp, R * sinPhi[size_t(y - rc.top)], c.ct * cp);
                } else if (!ring) {
                    project(line, y, c.st, y, c.ct);
                } else {
                    const double angle = c.angle0 + c.step * (y - c.segmentFirst);
                    double M[9], k[3] = {axis[0], axis[1], axis[2]};
                    CCoordinate::AxisAngle2UOM(k, M, angle);
                    const CartesianCoord turned{M[0] * c.st + M[3] * y + M[6] * c.ct,
                                                M[1] * c.st + M[4] * y + M[7] * c.ct,
                                                M[2] * c.st + M[5] * y + M[8] * c.ct};
                    FilmCoord film{0.0, 0.0, f};
                    if (!projection.Cartesian2Film(&turned, &film, &e->m_Transform))
                        continue;
                    const int ox = line - rc.left, oy = y - rc.top;
                    if (sampler.Sample(film.x + cx, film.y + cy, outBits + (long long)oy * outStride + 3 * ox))
                        maskBits[size_t(oy) * maskStride + unsigned(ox) / 8] |=
                            static_cast<unsigned char>(1u << (ox % 8));
                }
            }
        }
    }
    if (CStitchOptions::ShowProgress(progressHigh))
        return StitchCancelled;
    return StitchOk;
}
