#include "stitch/render/CStitchBlend.h"

#include "stitch/geometry/CCoordinate.h"
#include "stitch/geometry/CProjection.h"
#include "stitch/geometry/WarpSampler.h"
#include "stitch/image/CImage.h"
#include "stitch/image/CMask.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/outline/CScanRegion.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#ifdef STITCH_AVX2_KERNELS
#include <immintrin.h>
#endif

namespace {

// Samples n located points into a row of the warped image from column ox0
// on and sets their bits in the mask row, a byte at a time. Variants
// without the table or the offset skip what would change nothing (with no
// offset the blend stays within 0..255 and the clamp has nothing to do).
template<bool kTable, bool kOffset>
void SampleRun(const WarpSampler& s, const int* ix, const int* iy, const int* fx, const int* fy, int n, int ox0,
               unsigned char* row, unsigned char* maskRow)
{
    constexpr int kAhead = 16; // points whose source pixels are fetched early
    int byte = ox0 / 8;
    unsigned bits = 0;
    for (int i = 0; i < n; ++i) {
        if (i + kAhead < n && ix[i + kAhead] >= 0) {
            const unsigned char* ahead = s.bits + (long long)iy[i + kAhead] * s.stride + 3 * ix[i + kAhead];
            __builtin_prefetch(ahead);
            __builtin_prefetch(ahead + s.stride);
        }
        const int ox = ox0 + i;
        if (ox / 8 != byte) {
            maskRow[byte] |= static_cast<unsigned char>(bits);
            bits = 0;
            byte = ox / 8;
        }
        if (ix[i] < 0)
            continue;
        bits |= 1u << (ox % 8);
        const int w00 = (256 - fx[i]) * (256 - fy[i]), w10 = fx[i] * (256 - fy[i]);
        const int w01 = (256 - fx[i]) * fy[i], w11 = fx[i] * fy[i];
        const unsigned char* p0 = s.bits + (long long)iy[i] * s.stride + 3 * ix[i];
        const unsigned char* p1 = p0 + s.stride;
        unsigned char* out = row + 3 * ox;
        for (int b = 0; b < 3; ++b) {
            int a = p0[b], c = p0[b + 3], d = p1[b], e = p1[b + 3];
            if (kTable) {
                const unsigned char* t = s.table + 256 * b;
                a = t[a];
                c = t[c];
                d = t[d];
                e = t[e];
            }
            const int value = (a * w00 + c * w10 + d * w01 + e * w11) >> 16;
            out[b] = kOffset ? static_cast<unsigned char>(std::clamp(value + s.offset, 0, 255))
                             : static_cast<unsigned char>(value);
        }
    }
    maskRow[byte] |= static_cast<unsigned char>(bits);
}


} // namespace

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

    // Runs of points along a panorama row are located a band at a time
    // (vectorised where the processor allows), then sampled. Wide bands
    // read the photo's rows in long runs, which the prefetchers follow.
    constexpr int kBand = 2048; // a multiple of 8: mask bytes are whole
    WarpLocator locator;
    std::copy(m, m + 9, locator.m);
    locator.minusF = -f;
    locator.cx = cx;
    locator.cy = cy;
    locator.lastX = sampler.width - 2.0;
    locator.lastY = sampler.height - 2.0;
    const SimdKernel kernel = SimdBestKernel();
    WarpSampler plain = sampler;
    plain.DropIdentityTable();
    std::vector<int> located(size_t(4 * kBand));
    int* const ix = located.data();
    int* const iy = ix + kBand;
    int* const fx = iy + kBand;
    int* const fy = fx + kBand;
    std::vector<double> runs(size_t(2 * kBand));
    double* const runX = runs.data();
    double* const runZ = runX + kBand;
    // Samples the run of n points from panorama (x, y) whose (px, py, pz)
    // are given, and sets their mask bits.
    auto warpRun = [&](int x, int y, const double* px, double py, const double* pz, int n) {
        WarpLocate(locator, px, py, pz, n, ix, iy, fx, fy, kernel);
        const int oy = y - rc.top;
        WarpSample(plain, ix, iy, fx, fy, n, x - rc.left, outBits + (long long)oy * outStride,
                   maskBits + size_t(oy) * maskStride, kernel);
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
            for (int x = first; x <= last; x += kBand) {
                const int n = std::min(kBand, last - x + 1);
                for (int i = 0; i < n; ++i) {
                    runX[i] = x + i;
                    runZ[i] = ct;
                }
                warpRun(x, line, runX, st, runZ, n);
            }
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
        double angle0, step; // the ring's closing turn along the column
        int segmentFirst;
    };
    std::vector<Column> columns(static_cast<size_t>(kBand));
    std::vector<double> sines(size_t(2 * kBand));
    double* const st = sines.data();
    double* const ct = st + kBand;
    const CProjection projection(m_pOptions->m_Matrix.m_Style, STITCHMETHOD(RenderCylindrical));
    for (int bandFrom = lineFrom; bandFrom < lineTo; bandFrom += kBand) {
        const int bandTo = std::min(lineTo, bandFrom + kBand);
        const int bandWidth = bandTo - bandFrom;
        int top = rc.bottom, bottom = rc.top - 1;
        for (int line = bandFrom; line < bandTo; ++line) {
            if (reportLine(line))
                return StitchCancelled;
            Column& c = columns[line - bandFrom];
            const LineSegment s = region.Column(line);
            c.first = std::max(s.first, int(rc.top));
            c.last = std::min(s.last, rc.bottom - 1);
            const double theta = line / R;
            st[line - bandFrom] = R * std::sin(theta);
            ct[line - bandFrom] = -R * std::cos(theta);
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
            if (ring) {
                for (int line = bandFrom; line < bandTo; ++line) {
                    const Column& c = columns[line - bandFrom];
                    if (y < c.first || y > c.last)
                        continue;
                    const double cst = st[line - bandFrom], cct = ct[line - bandFrom];
                    const double angle = c.angle0 + c.step * (y - c.segmentFirst);
                    double M[9], k[3] = {axis[0], axis[1], axis[2]};
                    CCoordinate::AxisAngle2UOM(k, M, angle);
                    const CartesianCoord turned{M[0] * cst + M[3] * y + M[6] * cct, M[1] * cst + M[4] * y + M[7] * cct,
                                                M[2] * cst + M[5] * y + M[8] * cct};
                    FilmCoord film{0.0, 0.0, f};
                    if (!projection.Cartesian2Film(&turned, &film, &e->m_Transform))
                        continue;
                    const int ox = line - rc.left, oy = y - rc.top;
                    if (sampler.Sample(film.x + cx, film.y + cy, outBits + (long long)oy * outStride + 3 * ox))
                        maskBits[size_t(oy) * maskStride + unsigned(ox) / 8] |=
                            static_cast<unsigned char>(1u << (ox % 8));
                }
                continue;
            }
            // The columns of the band that reach this row, a run at a time.
            for (int i = 0; i < bandWidth;) {
                if (y < columns[i].first || y > columns[i].last) {
                    ++i;
                    continue;
                }
                int j = i + 1;
                while (j < bandWidth && y >= columns[j].first && y <= columns[j].last)
                    ++j;
                if (surface == Surface::Sphere) {
                    const double cp = cosPhi[size_t(y - rc.top)];
                    for (int k = i; k < j; ++k) {
                        runX[k - i] = st[k] * cp;
                        runZ[k - i] = ct[k] * cp;
                    }
                    warpRun(bandFrom + i, y, runX, R * sinPhi[size_t(y - rc.top)], runZ, j - i);
                } else {
                    warpRun(bandFrom + i, y, st + i, y, ct + i, j - i);
                }
                i = j;
            }
        }
    }
    if (CStitchOptions::ShowProgress(progressHigh))
        return StitchCancelled;
    return StitchOk;
}

namespace {

// The plain kernel, also the vector kernel's tail. Refused points still go
// through the arithmetic, on stand-in values, so that every output is
// defined and both kernels agree on all of them.
inline __attribute__((always_inline)) void LocateRun(const WarpLocator& l, const double* px, double py,
                                                     const double* pz, int n, int* ix, int* iy, int* fx, int* fy)
{
    const double m0 = l.m[0], m1 = l.m[1], m2 = l.m[2];
    const double m3py = l.m[3] * py, m4py = l.m[4] * py, m5py = l.m[5] * py;
    const double m6 = l.m[6], m7 = l.m[7], m8 = l.m[8];
    for (int i = 0; i < n; ++i) {
        const double X = m0 * px[i] + m3py + m6 * pz[i];
        const double Y = m1 * px[i] + m4py + m7 * pz[i];
        const double Z = m2 * px[i] + m5py + m8 * pz[i];
        const double u = l.minusF * X / Z + l.cx, v = l.minusF * Y / Z + l.cy;
        // Only rays in front of the image (Z < 0) reach it; the others
        // would be sampled mirrored. Also false for NaN.
        const bool inFront = (Z < 0.0) & (u >= 0.0) & (v >= 0.0) & (u < 1073741824.0) & (v < 1073741824.0);
        const double us = inFront ? u : 0.0, vs = inFront ? v : 0.0;
        const double rx = WarpRoundEven(us - 0.5), ry = WarpRoundEven(vs - 0.5);
        const bool inside = inFront & (rx <= l.lastX) & (ry <= l.lastY) & (rx >= 0.0) & (ry >= 0.0);
        const double gx = WarpRoundEven((us - rx) * 256.0 - 0.5);
        const double gy = WarpRoundEven((vs - ry) * 256.0 - 0.5);
        ix[i] = inside ? int(rx) : -1;
        iy[i] = int(ry);
        fx[i] = int(gx);
        fy[i] = int(gy);
    }
}

void LocatePlain(const WarpLocator& l, const double* px, double py, const double* pz, int n, int* ix, int* iy,
                 int* fx, int* fy)
{
    LocateRun(l, px, py, pz, n, ix, iy, fx, fy);
}

#ifdef STITCH_AVX2_KERNELS
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"
__attribute__((target("avx2"))) inline __m256d RoundEven4(__m256d x, __m256d shift)
{
    return _mm256_sub_pd(_mm256_add_pd(x, shift), shift);
}

// Four points at a time, each lane the plain loop's operations in its
// order; the ordered comparisons are false for NaN as the plain ones are.
__attribute__((target("avx2"))) void LocateAvx2(const WarpLocator& l, const double* px, double py, const double* pz,
                                                int n, int* ix, int* iy, int* fx, int* fy)
{
    const __m256d m0 = _mm256_set1_pd(l.m[0]), m1 = _mm256_set1_pd(l.m[1]), m2 = _mm256_set1_pd(l.m[2]);
    const __m256d m3py = _mm256_set1_pd(l.m[3] * py), m4py = _mm256_set1_pd(l.m[4] * py),
                  m5py = _mm256_set1_pd(l.m[5] * py);
    const __m256d m6 = _mm256_set1_pd(l.m[6]), m7 = _mm256_set1_pd(l.m[7]), m8 = _mm256_set1_pd(l.m[8]);
    const __m256d minusF = _mm256_set1_pd(l.minusF), cx = _mm256_set1_pd(l.cx), cy = _mm256_set1_pd(l.cy);
    const __m256d lastX = _mm256_set1_pd(l.lastX), lastY = _mm256_set1_pd(l.lastY);
    const __m256d zero = _mm256_setzero_pd(), half = _mm256_set1_pd(0.5), steps = _mm256_set1_pd(256.0);
    const __m256d limit = _mm256_set1_pd(1073741824.0), shift = _mm256_set1_pd(6755399441055744.0);
    const __m256d refused = _mm256_set1_pd(-1.0);
    int i = 0;
    for (; i + 4 <= n; i += 4) {
        const __m256d x = _mm256_loadu_pd(px + i), z = _mm256_loadu_pd(pz + i);
        const __m256d X = _mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(m0, x), m3py), _mm256_mul_pd(m6, z));
        const __m256d Y = _mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(m1, x), m4py), _mm256_mul_pd(m7, z));
        const __m256d Z = _mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(m2, x), m5py), _mm256_mul_pd(m8, z));
        const __m256d u = _mm256_add_pd(_mm256_div_pd(_mm256_mul_pd(minusF, X), Z), cx);
        const __m256d v = _mm256_add_pd(_mm256_div_pd(_mm256_mul_pd(minusF, Y), Z), cy);
        __m256d inFront = _mm256_cmp_pd(Z, zero, _CMP_LT_OQ);
        inFront = _mm256_and_pd(inFront, _mm256_cmp_pd(u, zero, _CMP_GE_OQ));
        inFront = _mm256_and_pd(inFront, _mm256_cmp_pd(v, zero, _CMP_GE_OQ));
        inFront = _mm256_and_pd(inFront, _mm256_cmp_pd(u, limit, _CMP_LT_OQ));
        inFront = _mm256_and_pd(inFront, _mm256_cmp_pd(v, limit, _CMP_LT_OQ));
        const __m256d us = _mm256_and_pd(u, inFront), vs = _mm256_and_pd(v, inFront);
        const __m256d rx = RoundEven4(_mm256_sub_pd(us, half), shift), ry = RoundEven4(_mm256_sub_pd(vs, half), shift);
        __m256d inside = _mm256_and_pd(inFront, _mm256_cmp_pd(rx, lastX, _CMP_LE_OQ));
        inside = _mm256_and_pd(inside, _mm256_cmp_pd(ry, lastY, _CMP_LE_OQ));
        inside = _mm256_and_pd(inside, _mm256_cmp_pd(rx, zero, _CMP_GE_OQ));
        inside = _mm256_and_pd(inside, _mm256_cmp_pd(ry, zero, _CMP_GE_OQ));
        const __m256d gx = RoundEven4(_mm256_sub_pd(_mm256_mul_pd(_mm256_sub_pd(us, rx), steps), half), shift);
        const __m256d gy = RoundEven4(_mm256_sub_pd(_mm256_mul_pd(_mm256_sub_pd(vs, ry), steps), half), shift);
        // Whole numbers: truncation converts them exactly.
        _mm_storeu_si128(reinterpret_cast<__m128i*>(ix + i), _mm256_cvttpd_epi32(_mm256_blendv_pd(refused, rx, inside)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(iy + i), _mm256_cvttpd_epi32(ry));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(fx + i), _mm256_cvttpd_epi32(gx));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(fy + i), _mm256_cvttpd_epi32(gy));
    }
    LocateRun(l, px + i, py, pz + i, n - i, ix + i, iy + i, fx + i, fy + i);
}

// The blend of SampleRun without an offset, the three channels in one
// vector: (256 - fy) (a (256 - fx) + c fx) + fy (d (256 - fx) + e fx) is
// the same whole number as the four-weight sum, none of its steps leaving
// 32 bits.
template<bool kTable>
__attribute__((target("avx2"))) void SampleRunAvx2(const WarpSampler& s, const int* ix, const int* iy, const int* fx,
                                                   const int* fy, int n, int ox0, unsigned char* row,
                                                   unsigned char* maskRow)
{
    constexpr int kAhead = 16;
    // Bytes a0 a1 a2 c0 c1 c2 of the upper pair at 0..5, d0..e2 of the
    // lower at 8..13, spread to 16-bit pairs (a, c) and (d, e) per channel.
    const __m128i upper = _mm_setr_epi8(0, -1, 3, -1, 1, -1, 4, -1, 2, -1, 5, -1, -1, -1, -1, -1);
    const __m128i lower = _mm_setr_epi8(8, -1, 11, -1, 9, -1, 12, -1, 10, -1, 13, -1, -1, -1, -1, -1);
    const __m128i toBytes = _mm_setr_epi8(0, 4, 8, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
    int byte = ox0 / 8;
    unsigned bits = 0;
    for (int i = 0; i < n; ++i) {
        if (i + kAhead < n && ix[i + kAhead] >= 0) {
            const unsigned char* ahead = s.bits + (long long)iy[i + kAhead] * s.stride + 3 * ix[i + kAhead];
            __builtin_prefetch(ahead);
            __builtin_prefetch(ahead + s.stride);
        }
        const int ox = ox0 + i;
        if (ox / 8 != byte) {
            maskRow[byte] |= static_cast<unsigned char>(bits);
            bits = 0;
            byte = ox / 8;
        }
        if (ix[i] < 0)
            continue;
        bits |= 1u << (ox % 8);
        const unsigned char* p0 = s.bits + (long long)iy[i] * s.stride + 3 * ix[i];
        const unsigned char* p1 = p0 + s.stride;
        __m128i pixels;
        if (kTable) {
            alignas(16) unsigned char q[16] = {};
            for (int b = 0; b < 3; ++b) {
                const unsigned char* t = s.table + 256 * b;
                q[b] = t[p0[b]];
                q[b + 3] = t[p0[b + 3]];
                q[b + 8] = t[p1[b]];
                q[b + 11] = t[p1[b + 3]];
            }
            pixels = _mm_load_si128(reinterpret_cast<const __m128i*>(q));
        } else {
            // Exactly the six bytes of each pair: nothing past the pixels.
            std::uint32_t head0, head1;
            std::uint16_t tail0, tail1;
            std::memcpy(&head0, p0, 4);
            std::memcpy(&tail0, p0 + 4, 2);
            std::memcpy(&head1, p1, 4);
            std::memcpy(&tail1, p1 + 4, 2);
            pixels = _mm_set_epi64x(static_cast<long long>(head1 | std::uint64_t(tail1) << 32),
                                    static_cast<long long>(head0 | std::uint64_t(tail0) << 32));
        }
        const __m128i wx = _mm_set1_epi32(fx[i] << 16 | (256 - fx[i]));
        const __m128i top = _mm_madd_epi16(_mm_shuffle_epi8(pixels, upper), wx);
        const __m128i bottom = _mm_madd_epi16(_mm_shuffle_epi8(pixels, lower), wx);
        const __m128i sum = _mm_add_epi32(_mm_mullo_epi32(top, _mm_set1_epi32(256 - fy[i])),
                                          _mm_mullo_epi32(bottom, _mm_set1_epi32(fy[i])));
        const int value = _mm_cvtsi128_si32(_mm_shuffle_epi8(_mm_srli_epi32(sum, 16), toBytes));
        unsigned char* out = row + 3 * ox;
        out[0] = static_cast<unsigned char>(value);
        out[1] = static_cast<unsigned char>(value >> 8);
        out[2] = static_cast<unsigned char>(value >> 16);
    }
    maskRow[byte] |= static_cast<unsigned char>(bits);
}
#pragma GCC diagnostic pop
#endif

} // namespace

void WarpLocate(const WarpLocator& locator, const double* px, double py, const double* pz, int n, int* ix, int* iy,
                int* fx, int* fy, SimdKernel kernel)
{
#ifdef STITCH_AVX2_KERNELS
    if (kernel == SimdKernel::Avx2 && SimdHasAvx2()) {
        LocateAvx2(locator, px, py, pz, n, ix, iy, fx, fy);
        return;
    }
#endif
    (void)kernel;
    LocatePlain(locator, px, py, pz, n, ix, iy, fx, fy);
}

void WarpSample(const WarpSampler& sampler, const int* ix, const int* iy, const int* fx, const int* fy, int n,
                int ox0, unsigned char* row, unsigned char* maskRow, SimdKernel kernel)
{
#ifdef STITCH_AVX2_KERNELS
    if (kernel == SimdKernel::Avx2 && SimdHasAvx2() && !sampler.offset) {
        if (sampler.table)
            SampleRunAvx2<true>(sampler, ix, iy, fx, fy, n, ox0, row, maskRow);
        else
            SampleRunAvx2<false>(sampler, ix, iy, fx, fy, n, ox0, row, maskRow);
        return;
    }
#endif
    (void)kernel;
    if (sampler.table) {
        if (sampler.offset)
            SampleRun<true, true>(sampler, ix, iy, fx, fy, n, ox0, row, maskRow);
        else
            SampleRun<true, false>(sampler, ix, iy, fx, fy, n, ox0, row, maskRow);
    } else if (sampler.offset) {
        SampleRun<false, true>(sampler, ix, iy, fx, fy, n, ox0, row, maskRow);
    } else {
        SampleRun<false, false>(sampler, ix, iy, fx, fy, n, ox0, row, maskRow);
    }
}
