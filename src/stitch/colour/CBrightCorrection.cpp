#include "stitch/colour/CBrightCorrection.h"

#include "stitch/image/CImage.h"
#include "stitch/interface/StitchEnums.h"
#include "stitch/job/CProcessingList.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/job/NeighbourPairs.h"

#include <cstdint>

int CBrightCorrection::MeasureBrightness(int col1, int row1, int col2, int row2)
{
    CStitchElement* e1 = m_pOptions->m_Matrix.GetElement(col1, row1);
    CStitchElement* e2 = m_pOptions->m_Matrix.GetElement(col2, row2);
    if (!e1 || !e2)
        return StitchOk;
    const bool right = row1 == row2;
    int& difference = e1->m_lBrightness[right ? 1 : 2];
    difference = 0;
    const PointTwinList& twins = right ? e1->m_RightTwins : e1->m_LowerTwins;
    const int n = twins.m_lCount;
    if (n <= 0 || n > PointTwinList::kCapacity)
        return StitchOk;
    const int L = m_pOptions->m_lDeepestLayer, W = m_pOptions->m_lWorkingLayer;
    if (L < 0 || W < 0)
        return StitchOk;
    const long long zoomL = 1LL << L, zoomW = 1LL << W;
    long long dx = 0, dy = 0;
    for (int i = 0; i < n; ++i) {
        dx += twins.m_Twins[i][0].x - twins.m_Twins[i][1].x;
        dy += twins.m_Twins[i][0].y - twins.m_Twins[i][1].y;
    }
    const int ox = int(dx * zoomW / zoomL / n);
    const int oy = int(dy * zoomW / zoomL / n);
    const tagRECT r1{0, 0, int(e1->m_Pyramid.m_lWidth / zoomL), int(e1->m_Pyramid.m_lHeight / zoomL)};
    tagRECT r2{0, 0, int(e2->m_Pyramid.m_lWidth / zoomL), int(e2->m_Pyramid.m_lHeight / zoomL)};
    OffsetRect(&r2, ox, oy);
    tagRECT overlap;
    if (!IntersectRect(&overlap, &r1, &r2))
        return StitchOk;

    CImage a, b;
    auto release = [&]() {
        a.Detach();
        b.Detach();
        e1->m_Pyramid.UnlockHDib(L);
        e2->m_Pyramid.UnlockHDib(L);
    };
    // A layer the host will not lock is a failure: measured as nothing, the
    // pair would pass as equally bright. (A layer that is missing or not a
    // bitmap measures nothing, as before.) The depth is read under the lock
    // the pixels are walked under.
    const int attachedA = a.Attach(e1->m_Pyramid.LockHDib(L));
    const int attachedB = attachedA == 0 ? b.Attach(e2->m_Pyramid.LockHDib(L)) : CImage::ErrorIo;
    if (attachedA == CImage::ErrorMemory || attachedB == CImage::ErrorMemory) {
        release();
        return StitchBadArgument;
    }
    if (attachedA != 0 || attachedB != 0) {
        release();
        return StitchOk;
    }
    if (CImage::LockBoth(a, b) != 0) {
        release();
        return StitchBadArgument;
    }
    if (a.Header()->biBitCount != 24 || b.Header()->biBitCount != 24) {
        a.Unlock();
        b.Unlock();
        release();
        return StitchOk;
    }
    // A layer may hold a pixel less than the photo's size divided down.
    const tagRECT inA{0, 0, a.Width(), a.Height()};
    const tagRECT inB{ox, oy, ox + b.Width(), oy + b.Height()};
    tagRECT area;
    IntersectRect(&area, &overlap, &inA);
    IntersectRect(&area, &area, &inB);
    // 64-bit sums: a large layer overflows 32 bits past a few million pixels.
    long long count = 0, sum1 = 0, sum2 = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        const unsigned char* p1 = a.Bits() + std::int64_t(y) * a.Stride() + 3 * area.left;
        const unsigned char* p2 = b.Bits() + std::int64_t(y - oy) * b.Stride() + 3 * (area.left - ox);
        for (int x = area.left; x < area.right; ++x, p1 += 3, p2 += 3) {
            const int s1 = p1[0] + p1[1] + p1[2];
            const int s2 = p2[0] + p2[1] + p2[2];
            if (s1 < kDarkest || s1 > kBrightest || s2 < kDarkest || s2 > kBrightest)
                continue;
            ++count;
            sum1 += s1;
            sum2 += s2;
        }
    }
    a.Unlock();
    b.Unlock();
    release();
    const long long area10 = (long long)(overlap.right - overlap.left) * (overlap.bottom - overlap.top) / 10;
    // count > 0 too: an overlap under ten pixels would otherwise divide by 0.
    if (count > 0 && count >= area10)
        difference = int(sum2 / (3 * count) - sum1 / (3 * count));
    return StitchOk;
}

void CBrightCorrection::RelaxionBrightness(CProcessingList* list)
{
    if (!list || list->Count() == 0)
        return;
    CStitchMatrix& m = m_pOptions->m_Matrix;
    const int count = list->Count();
    auto listed = [&](int c, int r) { return list->IsInList(c, r) ? m.GetElement(c, r) : nullptr; };
    for (int pass = 0; pass < 50; ++pass) {
        for (int i = 0; i < count; ++i) {
            int c = 0, r = 0;
            list->Get(i, &c, &r);
            CStitchElement* e = m.GetElement(c, r);
            if (!e)
                continue;
            int& off = e->m_lBrightness[0];
            long long residual = 0;
            int k = 0;
            if (CStitchElement* g = listed(c - 1, r)) {
                residual += off - g->m_lBrightness[0] + g->m_lBrightness[1];
                ++k;
            }
            if (CStitchElement* g = listed(c + 1, r)) {
                residual += off - g->m_lBrightness[0] - e->m_lBrightness[1];
                ++k;
            }
            if (CStitchElement* g = listed(c, r - 1)) {
                residual += off - g->m_lBrightness[0] + g->m_lBrightness[2];
                ++k;
            }
            if (CStitchElement* g = listed(c, r + 1)) {
                residual += off - g->m_lBrightness[0] - e->m_lBrightness[2];
                ++k;
            }
            if (k > 0)
                off = int(off - residual / (2 * k));
        }
        long long sum = 0;
        int listedCount = 0;
        for (int i = 0; i < count; ++i) {
            int c = 0, r = 0;
            list->Get(i, &c, &r);
            if (CStitchElement* e = m.GetElement(c, r)) {
                sum += e->m_lBrightness[0];
                ++listedCount;
            }
        }
        const int mean = listedCount > 0 ? int(sum / listedCount) : 0;
        for (int i = 0; i < count; ++i) {
            int c = 0, r = 0;
            list->Get(i, &c, &r);
            if (CStitchElement* e = m.GetElement(c, r))
                e->m_lBrightness[0] -= mean;
        }
    }
}

int CBrightCorrection::Run()
{
    CStitchMatrix& m = m_pOptions->m_Matrix;
    const int cols = m.m_lCols, rows = m.m_lRows;
    if (cols <= 0 || rows <= 0 || !m.m_pElements)
        return StitchOk;
    CProcessingList list(cols * rows);
    m.GetProcessingList(&list);
    for (int i = 0; i < list.Count(); ++i) {
        int c = 0, r = 0;
        list.Get(i, &c, &r);
        if (CStitchElement* e = m.GetElement(c, r))
            e->m_lBrightness[0] = 0;
    }
    if (!m_pOptions->m_bBrightnessCorrection)
        return StitchOk;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            if (!list.IsInList(c, r))
                continue;
            if (list.IsInList(c + 1, r))
                if (const int code = MeasureBrightness(c, r, c + 1, r))
                    return code;
            if (list.IsInList(c, r + 1))
                if (const int code = MeasureBrightness(c, r, c, r + 1))
                    return code;
        }
    RelaxionBrightness(&list);
    return StitchOk;
}

int CBrightCorrection::PanoramaRun()
{
    CStitchMatrix& m = m_pOptions->m_Matrix;
    const int n = m.m_lCols;
    if (!m.m_pElements || n < 1)
        return StitchOk;
    for (int i = 0; i < n; ++i)
        if (CStitchElement* e = m.GetElement(i, 0))
            e->m_lBrightness[0] = 0;
    if (!m_pOptions->m_bBrightnessCorrection)
        return StitchOk;
    for (const NeighbourPair& p : NeighbourPairs(StitchStyle360, n, 1))
        if (const int code = MeasureBrightness(p.col, p.row, p.nextCol, p.nextRow))
            return code;
    auto difference = [&](int i) {
        const CStitchElement* e = m.GetElement(i, 0);
        return e ? e->m_lBrightness[1] : 0;
    };
    long long total = 0;
    for (int i = 0; i < n; ++i)
        total += difference(i);
    // before = the differences of images n-1, 0, .., i-1.
    long long before = difference(n - 1);
    long long sum = 0;
    for (int i = 0; i < n; ++i) {
        if (i > 0)
            before += difference(i - 1);
        const int offset = int(i * total / n - before);
        if (CStitchElement* e = m.GetElement(i, 0))
            e->m_lBrightness[0] = offset;
        sum += offset;
    }
    const int mean = int(sum / n);
    for (int i = 0; i < n; ++i)
        if (CStitchElement* e = m.GetElement(i, 0))
            e->m_lBrightness[0] -= mean;
    return StitchOk;
}
