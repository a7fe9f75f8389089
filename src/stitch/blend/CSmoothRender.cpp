#include "stitch/blend/CSmoothRender.h"

#include "stitch/blend/SmoothRenderKernels.h"
#include "stitch/blend/SmoothRenderLock.h"
#include "stitch/image/CImage.h"
#include "stitch/image/CMask.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {

// The seam graph's memory (gone with the object). A large graph is mapped
// on huge pages where the system offers them: a fresh graph of tens of
// megabytes otherwise costs thousands of page faults, more than the search.
class GraphMemory
{
public:
    explicit GraphMemory(size_t count)
    {
        const size_t bytes = count * sizeof(unsigned short);
#ifdef __linux__
        constexpr size_t kHuge = size_t(2) << 20;
        if (bytes >= 2 * kHuge) {
            m_mapped = (bytes + kHuge - 1) / kHuge * kHuge + kHuge; // room to align
            void* base = mmap(nullptr, m_mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
            if (base == MAP_FAILED) {
                m_mapped = 0;
                return;
            }
            m_base = base;
            auto* aligned = reinterpret_cast<unsigned char*>((reinterpret_cast<std::uintptr_t>(base) + kHuge - 1) & ~(kHuge - 1));
            madvise(aligned, m_mapped - kHuge, MADV_HUGEPAGE); // a hint: refused, the pages stay small
            m_values = reinterpret_cast<unsigned short*>(aligned);
            return;
        }
#endif
        m_owned.reset(new (std::nothrow) unsigned short[count]);
        m_values = m_owned.get();
    }
    ~GraphMemory()
    {
#ifdef __linux__
        if (m_base)
            munmap(m_base, m_mapped);
#endif
    }
    GraphMemory(const GraphMemory&) = delete;
    GraphMemory& operator=(const GraphMemory&) = delete;
    unsigned short* get() const { return m_values; }

private:
    std::unique_ptr<unsigned short[]> m_owned;
    void* m_base = nullptr;
    size_t m_mapped = 0;
    unsigned short* m_values = nullptr;
};

} // namespace

CSmoothRender::CSmoothRender(CStitchOptions* options, CImage* imageA, CMask* maskA, CImage* imageB, CMask* maskB)
    : m_pImageA(imageA), m_pMaskA(maskA), m_pImageB(imageB), m_pMaskB(maskB), m_pOptions(options)
{
}

CSmoothRender::~CSmoothRender()
{
    delete[] m_pSeamFlags;
    delete[] m_pSeamExtents;
    ReleaseMemoryForPyramid();
}

unsigned short* CSmoothRender::TakePath()
{
    return std::exchange(m_pPath, nullptr);
}

void CSmoothRender::SetBand(const tagRECT& overlapA, const tagRECT& overlapB, bool horizontal, int width,
                            int height, int halfWidth, unsigned short* path)
{
    m_OverlapA = overlapA;
    m_OverlapB = overlapB;
    m_bHorizontal = horizontal;
    m_lWidth = width;
    m_lHeight = height;
    m_lHalfWidth = halfWidth;
    m_lBandWidth = 2 * halfWidth + 1;
    m_pPath = path;
    m_lPathRows = path && path[0] >= 2 ? path[0] - 2 : 0;
}

bool CSmoothRender::Report(double position)
{
    return CStitchOptions::ShowProgress(int(position + 0.5));
}

int CSmoothRender::FirstPathRow() const
{
    return int(m_pPath[1]) - int(m_pPath[0]) + 3;
}

unsigned short CSmoothRender::PathColumn(int pathRow) const
{
    return m_pPath[m_pPath[0] - 1 - pathRow];
}

void CSmoothRender::PixelOf(int graphRow, int graphColumn, int* x, int* y) const
{
    *x = m_bHorizontal ? graphColumn : graphRow;
    *y = m_bHorizontal ? graphRow : graphColumn;
}

bool CSmoothRender::OverlapInside(const tagRECT& overlap, CImage* image, CMask* mask) const
{
    if (!image || !mask || IsRectEmpty(&overlap) || overlap.left < 0 || overlap.top < 0)
        return false;
    if (image->BitCount() != 24)
        return false;
    return overlap.right <= image->Width() && overlap.bottom <= image->Height()
        && unsigned(overlap.right) <= mask->Width() && unsigned(overlap.bottom) <= mask->Height();
}

int CSmoothRender::Run(const tagRECT& overlap, const tagRECT& rectA, const tagRECT& rectB, CStitchElement* element,
                       bool horizontal, int progressStart, int progressEnd)
{
    if (CStitchOptions::ShowProgress(progressStart))
        return StitchCancelled;
    m_pElement = element;
    m_bHorizontal = horizontal;
    const int width = overlap.right - overlap.left;
    const int height = overlap.bottom - overlap.top;
    if (width < 8 || height < 8)
        return 0;
    const int layer = std::clamp(m_pOptions->m_lWorkingLayer, 0, 31);
    const int across = horizontal ? width : height;
    m_lHalfWidth = std::min((across - 1) / 2, std::max(128 >> layer, across / 8));
    m_OverlapA = overlap;
    OffsetRect(&m_OverlapA, -rectA.left, -rectA.top);
    m_OverlapB = overlap;
    OffsetRect(&m_OverlapB, -rectB.left, -rectB.top);
    m_lWidth = width;
    m_lHeight = height;
    if (!element || !OverlapInside(m_OverlapA, m_pImageA, m_pMaskA) || !OverlapInside(m_OverlapB, m_pImageB, m_pMaskB))
        return StitchBadArgument;

    const int middle = progressStart + (progressEnd - progressStart) / 10;
    int result = CalcDividingPath(progressStart, middle);
    if (result != 0)
        return result;
    if (!m_pPath)
        return 0;
    result = StitchWithLaplace(middle, progressEnd);
    if (result != 0)
        return result;
    return CStitchOptions::ShowProgress(progressEnd) ? StitchCancelled : StitchOk;
}

int CSmoothRender::CalcDividingPath(int progressStart, int progressEnd)
{
    // The record holds rows, counts and columns in 16-bit words, and 0xFFFF
    // is its marker: a larger search would wrap.
    const int searchWidth = m_bHorizontal ? m_lWidth : m_lHeight;
    const int searchHeight = m_bHorizontal ? m_lHeight : m_lWidth;
    if (searchWidth > 65535 || searchHeight > 65533)
        return StitchGridOrTempDir;
    GraphMemory memory(size_t(m_lWidth) * size_t(m_lHeight));
    unsigned short* graph = memory.get();
    if (!graph)
        return StitchNullArgument;
    // A vertical pair's graph is filled transposed: the search runs down
    // its rows.
    if (const int filled = FillGraph(graph, !m_bHorizontal))
        return filled;
    if (!m_bHorizontal)
        std::swap(m_lWidth, m_lHeight);
    if (CStitchOptions::ShowProgress(progressStart + (progressEnd - progressStart) / 2))
        return StitchCancelled;
    const int found = DividingPathGlobal(graph);
    if (found != 0 || !m_pPath || m_pPath[0] < kMinPathRows + 2) {
        delete[] m_pPath;
        m_pPath = nullptr;
        return found;
    }
    int result = BackupForAdjustPath(graph);
    if (result != 0) {
        delete[] m_pPath;
        m_pPath = nullptr;
        return result;
    }
    m_lBandWidth = 2 * m_lHalfWidth + 1;
    m_lPathRows = m_pPath[0] - 2;
    result = SetWeightedFlags(graph);
    if (result != 0)
        return result;
    return CStitchOptions::ShowProgress(progressEnd) ? StitchCancelled : StitchOk;
}

namespace {

// |A - B| summed over the three bytes of each pixel. Built also for wider
// vector units (chosen when the program starts): the three-byte stride
// needs byte shuffles the x86-64 baseline lacks.
SMOOTH_RENDER_CLONES
void PixelDifferences(const unsigned char* __restrict a, const unsigned char* __restrict b, int width,
                      unsigned short* __restrict out)
{
    for (int x = 0; x < width; ++x) {
        const int d0 = a[3 * x] - b[3 * x];
        const int d1 = a[3 * x + 1] - b[3 * x + 1];
        const int d2 = a[3 * x + 2] - b[3 * x + 2];
        out[x] = (unsigned short)((d0 < 0 ? -d0 : d0) + (d1 < 0 ? -d1 : d1) + (d2 < 0 ? -d2 : d2));
    }
}

// Marks with kUnusable the values of one overlap row whose pixel the mask
// does not cover: row and left are the overlap's first pixel in the mask.
void ClearUncovered(const CMask* mask, int row, int left, int width, unsigned short* out)
{
    const unsigned char* bits = mask->Bits();
    if (!bits || unsigned(row) >= mask->Height()) {
        std::fill(out, out + width, CSmoothRender::kUnusable);
        return;
    }
    bits += size_t(unsigned(row)) * mask->Stride();
    const unsigned maskWidth = mask->Width();
    int x = 0;
    while (x < width) {
        const unsigned column = unsigned(left + x);
        if (column < maskWidth && column % 8 == 0 && x + 8 <= width && column + 8 <= maskWidth) {
            // A whole byte of the mask: most are fully set.
            const unsigned byte = bits[column / 8];
            if (byte != 0xFF)
                for (int k = 0; k < 8; ++k)
                    if (!(byte & (1u << k)))
                        out[x + k] = CSmoothRender::kUnusable;
            x += 8;
            continue;
        }
        if (column >= maskWidth || !(bits[column / 8] & (1u << (column % 8))))
            out[x] = CSmoothRender::kUnusable;
        ++x;
    }
}

} // namespace

void CSmoothRender::DifferenceRow(const SmoothRenderLock& lockA, const SmoothRenderLock& lockB, int y,
                                  unsigned short* out) const
{
    PixelDifferences(lockA.pixel(m_OverlapA.left, m_OverlapA.top + y), lockB.pixel(m_OverlapB.left, m_OverlapB.top + y),
                     m_lWidth, out);
    ClearUncovered(m_pMaskA, m_OverlapA.top + y, m_OverlapA.left, m_lWidth, out);
    ClearUncovered(m_pMaskB, m_OverlapB.top + y, m_OverlapB.left, m_lWidth, out);
}

int CSmoothRender::DifferenceMap(unsigned short* graph)
{
    return FillGraph(graph, false);
}

int CSmoothRender::FillGraph(unsigned short* graph, bool transposed)
{
    SmoothRenderLock lockA(m_pImageA);
    SmoothRenderLock lockB(m_pImageB);
    if (!lockA.ok() || !lockB.ok())
        return StitchBadArgument;
    if (!transposed) {
        for (int y = 0; y < m_lHeight; ++y)
            DifferenceRow(lockA, lockB, y, graph + size_t(y) * size_t(m_lWidth));
        return 0;
    }
    // A few rows at a time, so that each graph row receives a short
    // contiguous run instead of one value per pass over the overlap.
    constexpr int kBlock = 16;
    std::unique_ptr<unsigned short[]> rows(new (std::nothrow) unsigned short[size_t(kBlock) * size_t(m_lWidth)]);
    if (!rows)
        return StitchNullArgument;
    for (int y0 = 0; y0 < m_lHeight; y0 += kBlock) {
        const int n = std::min(kBlock, m_lHeight - y0);
        for (int k = 0; k < n; ++k)
            DifferenceRow(lockA, lockB, y0 + k, rows.get() + size_t(k) * size_t(m_lWidth));
        for (int x = 0; x < m_lWidth; ++x) {
            unsigned short* to = graph + size_t(x) * size_t(m_lHeight) + size_t(y0);
            for (int k = 0; k < n; ++k)
                to[k] = rows[size_t(k) * size_t(m_lWidth) + size_t(x)];
        }
    }
    return 0;
}

bool CSmoothRender::RotateWeightedGraph(unsigned short* graph)
{
    const size_t count = size_t(m_lWidth) * size_t(m_lHeight);
    auto* copy = new (std::nothrow) unsigned short[count];
    if (!copy) {
        // Slow but memory-free: follow each cycle of the permutation.
        for (size_t start = 0; start < count; ++start) {
            size_t next = start;
            do
                next = (next % size_t(m_lWidth)) * size_t(m_lHeight) + next / size_t(m_lWidth);
            while (next > start);
            if (next != start)
                continue;
            unsigned short carried = graph[start];
            size_t at = start;
            do {
                const size_t to = (at % size_t(m_lWidth)) * size_t(m_lHeight) + at / size_t(m_lWidth);
                std::swap(carried, graph[to]);
                at = to;
            } while (at != start);
        }
        return true;
    }
    std::memcpy(copy, graph, count * sizeof *graph);
    for (int y = 0; y < m_lHeight; ++y)
        for (int x = 0; x < m_lWidth; ++x)
            graph[size_t(x) * size_t(m_lHeight) + size_t(y)] = copy[size_t(y) * size_t(m_lWidth) + size_t(x)];
    delete[] copy;
    return true;
}

bool CSmoothRender::CalcGradientImage(unsigned short* graph)
{
    const int w = m_lWidth;
    const int h = m_lHeight;
    const size_t count = size_t(w) * size_t(h);
    auto* copy = new (std::nothrow) unsigned short[count];
    if (!copy)
        return true;
    std::memcpy(copy, graph, count * sizeof *graph);
    auto p = [&](int x, int y) {
        x = std::clamp(x, 0, w - 1);
        y = std::clamp(y, 0, h - 1);
        return int(copy[size_t(y) * size_t(w) + size_t(x)]);
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            bool usable = true;
            for (int dy = -1; dy <= 1 && usable; ++dy)
                for (int dx = -1; dx <= 1 && usable; ++dx)
                    usable = p(x + dx, y + dy) != kUnusable;
            if (!usable)
                continue;
            const int gx = p(x + 1, y - 1) + p(x + 1, y + 1) - p(x - 1, y - 1) - p(x - 1, y + 1)
                + 2 * (p(x + 1, y) - p(x - 1, y));
            const int gy = p(x - 1, y + 1) + p(x + 1, y + 1) - p(x - 1, y - 1) - p(x + 1, y - 1)
                + 2 * (p(x, y + 1) - p(x, y - 1));
            graph[size_t(y) * size_t(w) + size_t(x)] = (unsigned short)((std::abs(gx) + std::abs(gy)) >> 3);
        }
    }
    delete[] copy;
    return true;
}

int CSmoothRender::SetWeightedFlags(const unsigned short* graph)
{
    delete[] m_pSeamFlags;
    delete[] m_pSeamExtents;
    m_pSeamFlags = nullptr;
    m_pSeamExtents = nullptr;
    if (m_lPathRows <= 0 || m_lBandWidth <= 0)
        return 0;
    m_pSeamFlags = new (std::nothrow) unsigned char[size_t(m_lPathRows) * size_t(m_lBandWidth)]();
    m_pSeamExtents = new (std::nothrow) unsigned int[size_t(m_lPathRows) * 2]();
    if (!m_pSeamFlags || !m_pSeamExtents) {
        delete[] m_pSeamFlags;
        delete[] m_pSeamExtents;
        m_pSeamFlags = nullptr;
        m_pSeamExtents = nullptr;
        return StitchNullArgument;
    }
    const int first = FirstPathRow();
    const int half = m_lHalfWidth;
    for (int i = 0; i < m_lPathRows; ++i) {
        const int row = first + i;
        const int c = PathColumn(i);
        if (c == kNoSeamPoint || c >= m_lWidth || row < 0 || row >= m_lHeight)
            continue;
        const unsigned short* g = graph + size_t(row) * size_t(m_lWidth);
        if (g[c] > kFlagLimit)
            continue;
        unsigned char* flags = m_pSeamFlags + size_t(i) * size_t(m_lBandWidth);
        flags[half] = 1;
        unsigned left = 0;
        for (int x = c - 1; x >= std::max(c - half, 0) && g[x] <= kFlagLimit; --x)
            flags[half - int(++left)] = 1;
        unsigned right = 0;
        for (int x = c + 1; x <= std::min(c + half, m_lWidth - 1) && g[x] <= kFlagLimit; ++x)
            flags[half + int(++right)] = 1;
        m_pSeamExtents[2 * i] = left;
        m_pSeamExtents[2 * i + 1] = right;
    }
    return 0;
}
