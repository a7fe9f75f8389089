#include "stitch/render/CStitchBlend.h"

#include "stitch/image/CImage.h"
#include "stitch/image/CMask.h"
#include "stitch/job/CStitchMatrix.h"
#include "stitch/job/CStitchOptions.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

namespace {

// Walks a row (horizontal) or a column of the mask.
struct MaskLines
{
    const CMask* mask;
    bool rows; // true: line i is row i, positions are columns

    bool at(int line, int pos) const
    {
        return rows ? mask->GetPixel(unsigned(line), unsigned(pos)) : mask->GetPixel(unsigned(pos), unsigned(line));
    }

    // Length of the first run of set bits over [from, to); kBrokenLine when
    // a second run follows, so that a line broken by a gap never counts as
    // covered.
    static constexpr int kBrokenLine = -1;
    int coverage(int line, int from, int to) const
    {
        int count = 0;
        bool ended = false;
        for (int p = from; p < to; ++p) {
            if (at(line, p)) {
                if (ended)
                    return kBrokenLine;
                ++count;
            } else if (count > 0) {
                ended = true;
            }
        }
        return count;
    }

    bool full(int line, int from, int to) const
    {
        for (int p = from; p < to; ++p)
            if (!at(line, p))
                return false;
        return true;
    }
};

// The first line from 0 that passes, looked for before limit (limit
// itself when none); 0 for fewer than 5 lines.
template <typename Pass>
int searchLow(int count, int limit, Pass pass)
{
    if (count < 5)
        return 0;
    for (int i = 0; i < limit; ++i)
        if (pass(i))
            return i;
    return limit;
}

// One past the last line that passes, scanning down while above floor
// (floor + 1 when none); count when no line lies above floor.
template <typename Pass>
int searchHigh(int count, int floor, Pass pass)
{
    if (count - 1 <= floor)
        return count;
    for (int i = count - 1; i > floor; --i)
        if (pass(i))
            return i + 1;
    return floor + 1;
}

} // namespace

tagRECT CStitchBlend::CropPictureRect(CMask* panoMask)
{
    tagRECT rc = {0, 0, 0, 0};
    if (!panoMask || !panoMask->Bits() || !m_pOptions)
        return rc;
    // Read as stored: a job record filled from outside may hold any value.
    std::underlying_type_t<tagStitchStyle> style;
    std::memcpy(&style, &m_pOptions->m_Matrix.m_Style, sizeof style);
    if (style < StitchStyleHorizontal || style > StitchStyleTile)
        return rc;
    const int W = int(panoMask->Width());
    const int H = int(panoMask->Height());
    const MaskLines rows{panoMask, true};
    const MaskLines cols{panoMask, false};

    if (style != StitchStyleVertical) {
        const bool ring = style == StitchStyle360;
        const int topThreshold = ring ? W : std::max(rows.coverage(H / 5, 0, W), 0) * 99 / 100;
        const int bottomThreshold = ring ? W : std::max(rows.coverage(4 * H / 5, 0, W), 0) * 99 / 100;
        rc.top = searchLow(H, H / 5, [&](int y) { return rows.coverage(y, 0, W) >= topThreshold; });
        rc.bottom = searchHigh(H, 4 * H / 5, [&](int y) { return rows.coverage(y, 0, W) >= bottomThreshold; });
        if (ring) {
            rc.left = 0;
            rc.right = W;
        } else {
            auto fullColumn = [&](int x) { return cols.full(x, rc.top, rc.bottom); };
            rc.left = searchLow(W, W / 5, fullColumn);
            rc.right = searchHigh(W, 4 * W / 5, fullColumn);
        }
        // Complete rows next to the rectangle belong to the picture, up to
        // the panorama's edge.
        while (rc.top > 0 && rows.full(rc.top - 1, rc.left, rc.right))
            --rc.top;
        while (rc.bottom < H && rows.full(rc.bottom, rc.left, rc.right))
            ++rc.bottom;
        return rc;
    }

    // A column: the same search with rows and columns exchanged.
    const int leftThreshold = std::max(cols.coverage(W / 5, 0, H), 0) * 99 / 100;
    const int rightThreshold = std::max(cols.coverage(4 * W / 5, 0, H), 0) * 99 / 100;
    rc.left = searchLow(W, W / 5, [&](int x) { return cols.coverage(x, 0, H) >= leftThreshold; });
    rc.right = searchHigh(W, 4 * W / 5, [&](int x) { return cols.coverage(x, 0, H) >= rightThreshold; });
    auto fullRow = [&](int y) { return rows.full(y, rc.left, rc.right); };
    rc.top = searchLow(H, H / 5, fullRow);
    rc.bottom = searchHigh(H, 4 * H / 5, fullRow);
    // Widening stops at an incomplete column; one that runs to the edge
    // keeps the searched side.
    int x = rc.left;
    while (x > 0 && cols.full(x - 1, rc.top, rc.bottom))
        --x;
    if (x > 0)
        rc.left = x;
    x = rc.right;
    while (x < W && cols.full(x, rc.top, rc.bottom))
        ++x;
    if (x < W)
        rc.right = x;
    return rc;
}

int CStitchBlend::CropPictureRun()
{
    if (!m_pOptions)
        return StitchBadArgument;
    CImage result;
    if (result.Attach(m_pOptions->m_hResultDib) != 0)
        return StitchBadArgument;
    const int code = CropPictureImage(&result, m_pOptions->m_CropRect);
    if (code == 0)
        m_pOptions->m_hResultDib = result.Handle();
    result.Detach(); // the slot holds it; the image only borrowed it
    return code;
}

int CStitchBlend::CropPictureImage(CImage* img, const tagRECT& rc)
{
    if (!img || img->IsEmpty() || img->BitCount() != 24)
        return StitchBadArgument;
    const long long width = (long long)rc.right - rc.left;
    const long long height = (long long)rc.bottom - rc.top;
    if (width <= 0 || height <= 0 || width > 0x7FFFFFFF || height > 0x7FFFFFFF)
        return StitchNullArgument;

    CImage cut;
    if (cut.Create(int(width), int(height), 24) != 0)
        return StitchNullArgument;
    if (cut.Lock() != 0)
        return StitchBadArgument;
    cut.Clear(m_pOptions ? m_pOptions->m_lFillColour : 0xFFFFFFu);
    if (img->Lock() != 0) {
        cut.Unlock();
        return StitchBadArgument;
    }
    const int srcW = img->Width();
    const int srcH = img->Height();
    const int x0 = std::max(rc.left, 0);
    const int x1 = int(std::min<long long>(rc.right, srcW));
    for (int y = std::max(rc.top, 0); y < std::min(rc.bottom, srcH) && x0 < x1; ++y) {
        const unsigned char* from = img->Bits() + (long long)y * img->Stride() + 3LL * x0;
        unsigned char* to = cut.Bits() + (long long)(y - rc.top) * cut.Stride() + 3LL * (x0 - rc.left);
        std::memcpy(to, from, size_t(3) * size_t(x1 - x0));
    }
    img->Unlock();
    cut.Unlock();

    // Attach before letting go of the old bitmap, so a refused attach leaves
    // img (and whatever slot handed it in) on a live bitmap.
    void* old = img->Handle();
    const bool oldAttached = img->IsAttached();
    void* fresh = cut.Detach();
    if (img->Attach(fresh) != 0) {
        CStitchOptions::MemFree(fresh);
        return StitchBadArgument;
    }
    // An owned bitmap went with the attach; an attached one is ours to free.
    if (oldAttached)
        CStitchOptions::MemFree(old);
    return 0;
}

void CStitchBlend::DrawCropRect(CImage* img, const tagRECT& rc)
{
    if (!img || img->IsEmpty() || img->BitCount() != 24 || rc.left >= rc.right || rc.top >= rc.bottom)
        return;
    if (img->Lock() != 0)
        return;
    const int w = img->Width();
    const int h = img->Height();
    auto plot = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h)
            return;
        unsigned char* p = img->Bits() + (long long)y * img->Stride() + 3LL * x;
        p[0] = 0;
        p[1] = 255;
        p[2] = 0;
    };
    for (int x = std::max(rc.left, 0); x < std::min(rc.right, w); ++x) {
        plot(x, rc.top);
        plot(x, rc.bottom - 1);
    }
    for (int y = std::max(rc.top, 0); y < std::min(rc.bottom, h); ++y) {
        plot(rc.left, y);
        plot(rc.right - 1, y);
    }
    img->Unlock();
}
