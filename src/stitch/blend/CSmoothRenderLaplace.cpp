// Blending across the seam: Laplacian pyramids of three levels over a band
// centred on the seam, one colour channel at a time; image B receives the
// result and A's side of the overlap.
#include "stitch/blend/CSmoothRender.h"

#include "stitch/blend/SmoothRenderKernels.h"
#include "stitch/blend/SmoothRenderLock.h"
#include "stitch/image/CImage.h"
#include "stitch/image/CMask.h"
#include "stitch/job/CStitchOptions.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>

template <typename T>
int CSmoothRender::AllocLevels(T**& pyramid)
{
    ReleaseLevels(pyramid);
    pyramid = new (std::nothrow) T*[size_t(m_lLevels)]();
    if (!pyramid)
        return StitchNullArgument;
    for (int k = 0; k < m_lLevels; ++k) {
        const size_t samples = size_t(std::max(LevelWidth(k), 0)) * size_t(std::max(LevelHeight(k), 0));
        pyramid[k] = new (std::nothrow) T[std::max<size_t>(samples, 1)]();
        if (!pyramid[k]) {
            ReleaseLevels(pyramid);
            return StitchNullArgument;
        }
    }
    return 0;
}

template <typename T>
void CSmoothRender::ReleaseLevels(T**& pyramid)
{
    if (!pyramid)
        return;
    for (int k = 0; k < m_lLevels; ++k)
        delete[] pyramid[k];
    delete[] pyramid;
    pyramid = nullptr;
}

int CSmoothRender::AllocPyramid(short**& pyramid)
{
    return AllocLevels(pyramid);
}

int CSmoothRender::AllocPyramid(int**& pyramid)
{
    return AllocLevels(pyramid);
}

void CSmoothRender::ReleasePyramid(short**& pyramid)
{
    ReleaseLevels(pyramid);
}

void CSmoothRender::ReleasePyramid(int**& pyramid)
{
    ReleaseLevels(pyramid);
}

int CSmoothRender::AllocMemoryForPyramid()
{
    if (AllocPyramid(m_ppPyramidA) != 0 || AllocPyramid(m_ppPyramidB) != 0 || AllocPyramid(m_ppWeights) != 0) {
        ReleaseMemoryForPyramid();
        return StitchNullArgument;
    }
    return 0;
}

void CSmoothRender::ReleaseMemoryForPyramid()
{
    ReleasePyramid(m_ppPyramidA);
    ReleasePyramid(m_ppPyramidB);
    ReleasePyramid(m_ppWeights);
}

void CSmoothRender::WeightRow(const unsigned char* flags, const unsigned int* extents, int i, int* w) const
{
    const int h = m_lHalfWidth;
    const int band = m_lBandWidth;
    const unsigned char* f = flags + size_t(i) * size_t(band);
    const int left = int(extents[2 * i]);
    const int right = int(extents[2 * i + 1]);
    if (!f[h]) {
        // A hard cut; the seam pixel goes to B.
        std::fill(w, w + h, kOne);
        std::fill(w + h, w + band, 0);
        return;
    }
    w[h] = kOne / 2;
    if (left > 0 && f[h - 1]) {
        const double step = 1.0 / (2 * left + 1);
        for (int k = 1; k <= left && f[h - k]; ++k)
            w[h - k] = int((0.5 + k * step) * kOne);
    }
    if (left < h)
        std::fill(w, w + (h - left), kOne);
    if (right > 0 && f[h + 1]) {
        const double step = 1.0 / (2 * right + 1);
        for (int k = 1; k <= right && f[h + k]; ++k)
            w[h + k] = int((0.5 - k * step) * kOne);
    }
    if (right < h)
        std::fill(w + h + right + 1, w + band, 0);
}

void CSmoothRender::SetWeightedCoefficients()
{
    for (int i = 0; i < m_lPathRows && m_pSeamFlags && m_pSeamExtents; ++i)
        WeightRow(m_pSeamFlags, m_pSeamExtents, i, m_ppWeights[0] + size_t(i) * size_t(m_lBandWidth));
    delete[] m_pSeamFlags;
    delete[] m_pSeamExtents;
    m_pSeamFlags = nullptr;
    m_pSeamExtents = nullptr;
}

int CSmoothRender::GetOriginOverlapDataHorz()
{
    return GetOriginOverlapData();
}

int CSmoothRender::GetOriginOverlapDataVert()
{
    return GetOriginOverlapData();
}

namespace {

// A mask bit as CMask::IsMask reads it (clear outside the mask).
inline bool Covered(const CMask* mask, int x, int y)
{
    const unsigned column = unsigned(x);
    const unsigned row = unsigned(y);
    const unsigned char* bits = mask->Bits();
    return bits && row < mask->Height() && column < mask->Width()
        && (bits[size_t(row) * mask->Stride() + column / 8] >> (column % 8) & 1);
}

// The pixels from .. from + count - 1 of a mask row all lie inside the mask.
bool RowInside(const CMask* mask, int row, int from, int count)
{
    return mask->Bits() && unsigned(row) < mask->Height() && from >= 0
        && std::uint64_t(from) + std::uint64_t(count) <= mask->Width();
}

// ... and are all covered.
bool RowCovered(const CMask* mask, int row, int from, int count)
{
    if (!RowInside(mask, row, from, count))
        return false;
    const unsigned char* bits = mask->Bits() + size_t(row) * mask->Stride();
    const int end = from + count;
    int x = from;
    for (; x < end && x % 8 != 0; ++x)
        if (!(bits[x / 8] >> (x % 8) & 1))
            return false;
    for (; x + 8 <= end; x += 8)
        if (bits[x / 8] != 0xFF)
            return false;
    for (; x < end; ++x)
        if (!(bits[x / 8] >> (x % 8) & 1))
            return false;
    return true;
}

// Sets the bits from .. from + count - 1 of a mask row (inside the mask).
void CoverRun(CMask* mask, int row, int from, int count)
{
    unsigned char* bits = mask->Bits() + size_t(row) * mask->Stride();
    const int end = from + count;
    int x = from;
    for (; x < end && x % 8 != 0; ++x)
        bits[x / 8] |= (unsigned char)(1u << (x % 8));
    if (x + 8 <= end) {
        std::memset(bits + x / 8, 0xFF, size_t((end - x) / 8));
        x += (end - x) / 8 * 8;
    }
    for (; x < end; ++x)
        bits[x / 8] |= (unsigned char)(1u << (x % 8));
}

// One channel of a run of pixels three bytes apart, from A and from B. Built
// also for wider vector units: the stride needs byte shuffles. One clone set
// a sample type, as Clang clones no templates.
template <typename T>
SMOOTH_RENDER_INLINE void ChannelRunOf(const unsigned char* __restrict a, const unsigned char* __restrict b,
                                       int count, T* __restrict ta, T* __restrict tb)
{
    for (int j = 0; j < count; ++j) {
        ta[j] = T(a[3 * j]);
        tb[j] = T(b[3 * j]);
    }
}

SMOOTH_RENDER_CLONES void ChannelRun(const unsigned char* __restrict a, const unsigned char* __restrict b, int count,
                                     short* __restrict ta, short* __restrict tb)
{
    ChannelRunOf(a, b, count, ta, tb);
}

SMOOTH_RENDER_CLONES void ChannelRun(const unsigned char* __restrict a, const unsigned char* __restrict b, int count,
                                     int* __restrict ta, int* __restrict tb)
{
    ChannelRunOf(a, b, count, ta, tb);
}

} // namespace

template <typename T>
void CSmoothRender::GatherRow(const SmoothRenderLock& lockA, const SmoothRenderLock& lockB, int i, T* a, T* b,
                              bool widenMask)
{
    const int s = PathColumn(i);
    if (s == kNoSeamPoint)
        return;
    const int c = m_lChannel;
    const T fill = T((m_pOptions->m_lFillColour >> (16 - 8 * c)) & 0xFF);
    const int row = FirstPathRow() + i;
    const int h = m_lHalfWidth;
    const int x0 = std::max(s - h, 0);
    const int x1 = std::min(s + h, m_lWidth - 1);
    if (x0 > x1)
        return;
    // Pixel of graph column x0 and the step to the next column: along an
    // image row for a horizontal pair, down an image column for a vertical.
    int px = 0;
    int py = 0;
    PixelOf(row, x0, &px, &py);
    const int dx = m_bHorizontal ? 1 : 0;
    const int dy = m_bHorizontal ? 0 : 1;
    int ax = m_OverlapA.left + px, ay = m_OverlapA.top + py;
    int bx = m_OverlapB.left + px, by = m_OverlapB.top + py;
    const unsigned char* pa = a ? lockA.pixel(ax, ay) + c : nullptr;
    const unsigned char* pb = a ? lockB.pixel(bx, by) + c : nullptr;
    const std::ptrdiff_t stepA = m_bHorizontal ? 3 : m_pImageA->Stride();
    const std::ptrdiff_t stepB = m_bHorizontal ? 3 : m_pImageB->Stride();
    const int count = x1 - x0 + 1;
    if (a && m_bHorizontal && RowCovered(m_pMaskA, ay, ax, count) && RowCovered(m_pMaskB, by, bx, count)) {
        // Both images cover the whole row segment (the usual case).
        ChannelRun(pa, pb, count, a + (x0 - (s - h)), b + (x0 - (s - h)));
        return;
    }
    for (int x = x0; x <= x1; ++x, ax += dx, ay += dy, bx += dx, by += dy) {
        const bool inA = Covered(m_pMaskA, ax, ay);
        const bool inB = Covered(m_pMaskB, bx, by);
        if (a) {
            const int k = x - (s - h);
            if (inA) {
                a[k] = *pa;
                b[k] = inB ? T(*pb) : a[k];
            } else if (inB) {
                a[k] = b[k] = *pb;
            } else {
                a[k] = b[k] = fill;
            }
            pa += stepA;
            pb += stepB;
        }
        if (widenMask && inA && !inB)
            m_pMaskB->SetPixel(unsigned(by), unsigned(bx), true);
    }
}

// The level-at-a-time gather fills 16-bit levels, the streaming blend
// 32-bit rows.
template void CSmoothRender::GatherRow<short>(const SmoothRenderLock&, const SmoothRenderLock&, int, short*, short*, bool);
template void CSmoothRender::GatherRow<int>(const SmoothRenderLock&, const SmoothRenderLock&, int, int*, int*, bool);

int CSmoothRender::GetOriginOverlapData()
{
    const size_t samples = size_t(m_lBandWidth) * size_t(m_lPathRows);
    std::fill(m_ppPyramidA[0], m_ppPyramidA[0] + samples, short(0));
    std::fill(m_ppPyramidB[0], m_ppPyramidB[0] + samples, short(0));
    if (!m_pPath || FirstPathRow() > m_pPath[1])
        return 0;
    SmoothRenderLock lockA(m_pImageA);
    SmoothRenderLock lockB(m_pImageB);
    if (!lockA.ok() || !lockB.ok())
        return StitchBadArgument;
    for (int i = 0; i < m_lPathRows; ++i)
        GatherRow(lockA, lockB, i, m_ppPyramidA[0] + size_t(i) * size_t(m_lBandWidth),
                  m_ppPyramidB[0] + size_t(i) * size_t(m_lBandWidth), m_lChannel == 2);
    return 0;
}

int CSmoothRender::ReplaceWithLaplaceHorz()
{
    return ReplaceWithLaplace();
}

int CSmoothRender::ReplaceWithLaplaceVert()
{
    return ReplaceWithLaplace();
}

void CSmoothRender::WriteRow(const SmoothRenderLock& lockB, int i, const int* v)
{
    const int s = PathColumn(i);
    if (s == kNoSeamPoint)
        return;
    const int row = FirstPathRow() + i;
    const int h = m_lHalfWidth;
    const int x0 = std::max(s - h, 0);
    const int x1 = std::min(s + h, m_lWidth - 1);
    if (x0 > x1)
        return;
    int px = 0;
    int py = 0;
    PixelOf(row, x0, &px, &py);
    unsigned char* out = lockB.pixel(m_OverlapB.left + px, m_OverlapB.top + py) + m_lChannel;
    const std::ptrdiff_t step = m_bHorizontal ? 3 : m_pImageB->Stride();
    for (int x = x0; x <= x1; ++x, out += step) {
        const int value = v[x - (s - h)];
        *out = (unsigned char)(value < 0 ? 0 : value >= 256 * kOne ? 255 : value >> 12);
    }
}

int CSmoothRender::ReplaceWithLaplace()
{
    if (!m_pPath || FirstPathRow() > m_pPath[1])
        return 0;
    SmoothRenderLock lockB(m_pImageB);
    if (!lockB.ok())
        return StitchBadArgument;
    for (int i = 0; i < m_lPathRows; ++i)
        WriteRow(lockB, i, m_ppWeights[0] + size_t(i) * size_t(m_lBandWidth));
    return 0;
}

int CSmoothRender::ReplaceDataHorz()
{
    return ReplaceData();
}

int CSmoothRender::ReplaceDataVert()
{
    return ReplaceData();
}

int CSmoothRender::ReplaceData()
{
    if (!m_pPath || FirstPathRow() > m_pPath[1])
        return 0;
    SmoothRenderLock lockA(m_pImageA);
    SmoothRenderLock lockB(m_pImageB);
    // Refused, the pair would pass as joined with A's side never copied.
    if (!lockA.ok() || !lockB.ok())
        return StitchBadArgument;
    const int first = FirstPathRow();
    const int last = m_pPath[1];
    auto copyRow = [&](int row, int columns) {
        const int count = std::min(columns, m_lWidth);
        if (count <= 0)
            return;
        int px0 = 0;
        int py0 = 0;
        PixelOf(row, 0, &px0, &py0);
        const int ax0 = m_OverlapA.left + px0, ay0 = m_OverlapA.top + py0;
        const int bx0 = m_OverlapB.left + px0, by0 = m_OverlapB.top + py0;
        if (m_bHorizontal && m_pImageA != m_pImageB && RowCovered(m_pMaskA, ay0, ax0, count)
            && RowInside(m_pMaskB, by0, bx0, count)) {
            // A covers the whole run: one copy, one run of mask bits.
            std::memcpy(lockB.pixel(bx0, by0), lockA.pixel(ax0, ay0), size_t(count) * 3);
            CoverRun(m_pMaskB, by0, bx0, count);
            return;
        }
        for (int x = 0; x < std::min(columns, m_lWidth); ++x) {
            int px = 0;
            int py = 0;
            PixelOf(row, x, &px, &py);
            const int ax = m_OverlapA.left + px, ay = m_OverlapA.top + py;
            if (!m_pMaskA->IsMask(unsigned(ay), unsigned(ax)))
                continue;
            const int bx = m_OverlapB.left + px, by = m_OverlapB.top + py;
            std::memcpy(lockB.pixel(bx, by), lockA.pixel(ax, ay), 3);
            m_pMaskB->SetPixel(unsigned(by), unsigned(bx), true);
        }
    };
    auto seamOr = [](unsigned short column) { return column == kNoSeamPoint ? 0 : int(column); };
    const int firstColumn = seamOr(PathColumn(0));
    const int lastColumn = seamOr(PathColumn(m_lPathRows - 1));
    for (int row = 0; row < first; ++row)
        copyRow(row, firstColumn);
    for (int i = 0; i < m_lPathRows; ++i) {
        const unsigned short s = PathColumn(i);
        if (s != kNoSeamPoint)
            copyRow(first + i, int(s) - m_lHalfWidth);
    }
    for (int row = last + 1; row < m_lHeight; ++row)
        copyRow(row, lastColumn);
    return 0;
}

int CSmoothRender::StartupGaussianPyramid()
{
    for (int k = 1; k < m_lLevels; ++k) {
        if (Reduce2D(m_ppPyramidA[k - 1], LevelWidth(k - 1), LevelHeight(k - 1), m_ppPyramidA[k]) != 0
            || Reduce2D(m_ppPyramidB[k - 1], LevelWidth(k - 1), LevelHeight(k - 1), m_ppPyramidB[k]) != 0)
            return StitchNullArgument;
    }
    return 0;
}

int CSmoothRender::StartupWeightedGaussianPyramid()
{
    for (int k = 1; k < m_lLevels; ++k)
        if (Reduce2D(m_ppWeights[k - 1], LevelWidth(k - 1), LevelHeight(k - 1), m_ppWeights[k]) != 0)
            return StitchNullArgument;
    return 0;
}

void CSmoothRender::StartupWeightedLaplacePyramid()
{
    for (int k = 0; k < m_lLevels; ++k) {
        const size_t samples = size_t(LevelWidth(k)) * size_t(LevelHeight(k));
        short* a = m_ppPyramidA[k];
        const short* b = m_ppPyramidB[k];
        int* w = m_ppWeights[k];
        for (size_t i = 0; i < samples; ++i) {
            const int weight = w[i];
            w[i] = b[i] * (kOne - weight) + a[i] * weight;
            a[i] = short(weight);
        }
    }
}

void CSmoothRender::ResetWeightedLaplacePyramid()
{
    for (int k = 0; k < m_lLevels; ++k) {
        const size_t samples = size_t(LevelWidth(k)) * size_t(LevelHeight(k));
        std::copy(m_ppPyramidA[k], m_ppPyramidA[k] + samples, m_ppWeights[k]);
    }
}

int CSmoothRender::StartupLaplacePyramid(int progressStart, int progressEnd)
{
    if (CStitchOptions::ShowProgress(progressStart))
        return StitchCancelled;
    for (int k = 1; k < m_lLevels; ++k) {
        if (Expand2D(m_ppPyramidA[k], LevelWidth(k - 1), LevelHeight(k - 1), m_ppPyramidA[k - 1], false) != 0
            || Expand2D(m_ppPyramidB[k], LevelWidth(k - 1), LevelHeight(k - 1), m_ppPyramidB[k - 1], false) != 0) {
            ReleaseMemoryForPyramid();
            return StitchNullArgument;
        }
        if (CStitchOptions::ShowProgress(int(progressStart + k * double(progressEnd - progressStart) / 2)))
            return StitchCancelled;
    }
    return CStitchOptions::ShowProgress(progressEnd) ? StitchCancelled : StitchOk;
}

int CSmoothRender::ReconstructLaplacePyramid(int progressStart, int progressEnd)
{
    if (CStitchOptions::ShowProgress(progressStart))
        return StitchCancelled;
    for (int k = m_lLevels - 1; k >= 1; --k) {
        if (Expand2D(m_ppWeights[k], LevelWidth(k - 1), LevelHeight(k - 1), m_ppWeights[k - 1], true) != 0) {
            ReleaseMemoryForPyramid();
            return StitchNullArgument;
        }
        if (CStitchOptions::ShowProgress(int(progressStart + (m_lLevels - k) * double(progressEnd - progressStart) / 2)))
            return StitchCancelled;
    }
    return CStitchOptions::ShowProgress(progressEnd) ? StitchCancelled : StitchOk;
}

int CSmoothRender::StitchWithLaplace(int progressStart, int progressEnd)
{
    // The blend runs down the band row by row (CSmoothRenderStream.cpp):
    // no whole pyramid is held, and none is left when it ends.
    ReleaseMemoryForPyramid();
    return BlendChannels(progressStart, progressEnd);
}
