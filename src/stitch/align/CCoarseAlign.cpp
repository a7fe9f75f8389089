#include "stitch/align/CCoarseAlign.h"

#include "stitch/align/CAlignDataBuffer.h"
#include "stitch/align/CCorrelTable.h"
#include "stitch/align/CRotateImage.h"
#include "stitch/image/CImage.h"
#include "stitch/interface/StitchEnums.h"
#include "stitch/pyramid/CStitchPyramid.h"
#include "stitch/threads/StitchThreads.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <new>
#include <vector>

namespace {
constexpr int kStrongPixel = 385;
}

CCoarseAlign::CCoarseAlign(CImage* a, CImage* b)
{
    m_pBufferA = new (std::nothrow) CAlignDataBuffer;
    m_pBufferB = new (std::nothrow) CAlignDataBuffer;
    m_pTable = &CCorrelTable::Shared();
    m_bValid = m_pBufferA && m_pBufferB && m_pTable && m_pTable->IsValid() && m_pBufferA->Build(a)
        && m_pBufferB->Build(b);
    if (m_bValid)
        InitRotateImages();
}

CCoarseAlign::~CCoarseAlign()
{
    ClearRotateImages();
    delete m_pBufferA;
    delete m_pBufferB;
}

bool CCoarseAlign::IsValid() const
{
    return m_bValid && m_ppRotate;
}

void CCoarseAlign::InitRotateImages()
{
    ClearRotateImages();
    m_ppRotate = new (std::nothrow) CRotateImage*[kRotations]();
    if (!m_ppRotate)
        return;
    // The copies only read B's buffers: each is made on its own thread.
    StitchThreads::For(kRotations, [this](int i) {
        const int degrees = (i / 2 + 1) * (i % 2 == 0 ? 1 : -1);
        m_ppRotate[i] = new (std::nothrow) CRotateImage(m_pBufferB->m_pGrad, m_pBufferB->m_pCorrel,
                                                        m_pBufferB->m_lWidth, m_pBufferB->m_lHeight,
                                                        degrees * M_PI / 180.0, m_pBufferB->m_lThreshold);
    });
    for (int i = 0; i < kRotations; ++i)
        if (!m_ppRotate[i] || !m_ppRotate[i]->IsValid()) {
            ClearRotateImages();
            return;
        }
}

void CCoarseAlign::ClearRotateImages()
{
    if (!m_ppRotate)
        return;
    for (int i = 0; i < kRotations; ++i)
        delete m_ppRotate[i];
    delete[] m_ppRotate;
    m_ppRotate = nullptr;
}

namespace {

// The agreement of two edge maps over some pixels. A pixel that is an edge
// in both adds the table's score of its three gradient pairs, one that is an
// edge in just one adds -256, and both count; other pixels do not count. As
// sums: count = nA + nB - nBoth and sum = scores - 256 (nA + nB - 2 nBoth),
// so the edges are counted in a plain loop and only pixels that are edges in
// both visit the table.
struct EdgeTally
{
    std::int64_t scores = 0;
    std::int64_t edgesA = 0;
    std::int64_t edgesB = 0;
    std::int64_t both = 0;
    int strong = 0;

    void scoreBoth(const CCorrelTable& table, const short* ca, const short* cb)
    {
        const int score = table.At(ca[0], cb[0]) + table.At(ca[1], cb[1]) + table.At(ca[2], cb[2]);
        strong += score >= kStrongPixel;
        scores += score;
        ++both;
    }

    // The same with A's values as table row offsets from the row of 0.
    void scoreBoth(const short* zeroRow, const int* rowsA, const short* cb)
    {
        const int score = zeroRow[rowsA[0] + cb[0]] + zeroRow[rowsA[1] + cb[1]] + zeroRow[rowsA[2] + cb[2]];
        strong += score >= kStrongPixel;
        scores += score;
        ++both;
    }

    double correl() const
    {
        const std::int64_t count = edgesA + edgesB - both;
        const std::int64_t sum = scores - 256 * (edgesA + edgesB - 2 * both);
        return count ? double(sum / count) / 256.0 : 0.0;
    }
};

// One row of the tally from edge bits: 'edgesA' of A counted where
// 'insideB' holds (all ones when B has no outside), B's edges counted
// whole, and the pixels that are edges in both scored. A's run starts at
// pixel xA, B's at xB, and both go on for columns pixels.
template <bool kOutside>
void TallyRow(EdgeTally& tally, const short* zeroRow, const std::uint64_t* edgeA, int xA,
              const std::uint64_t* insideB, const std::uint64_t* edgeB, int xB, int columns, const int* rowsA,
              const short* correlB)
{
    std::int64_t edgesA = 0, edgesB = 0;
    for (int c = 0; c < columns; c += 64) {
        const std::uint64_t keep = EdgeBits::Low(columns - c);
        std::uint64_t a = EdgeBits::Take(edgeA, xA + c) & keep;
        if (kOutside)
            a &= EdgeBits::Take(insideB, xB + c);
        const std::uint64_t b = EdgeBits::Take(edgeB, xB + c) & keep;
        edgesA += EdgeBits::Count(a);
        edgesB += EdgeBits::Count(b);
        for (std::uint64_t both = a & b; both; both &= both - 1) {
            const std::int64_t i = c + EdgeBits::Lowest(both);
            tally.scoreBoth(zeroRow, rowsA + 3 * i, correlB + 3 * i);
        }
    }
    tally.edgesA += edgesA;
    tally.edgesB += edgesB;
}

} // namespace

double CCoarseAlign::GetImageCorrel(CAlignDataBuffer* a, CAlignDataBuffer* b, int dx, int dy, int& strong) const
{
    const int xFrom = dx < 0 ? 1 : dx + 1;
    const int xTo = std::min(a->m_lWidth - 2, b->m_lWidth + dx - 2);
    const int yFrom = dy < 0 ? 1 : dy + 1;
    const int yTo = std::min(a->m_lHeight - 2, b->m_lHeight + dy - 2);
    const CCorrelTable& table = *m_pTable;
    const unsigned char* gradA = a->m_pGrad;
    const unsigned char* gradB = b->m_pGrad;
    const short* correlA = a->m_pCorrel;
    const short* correlB = b->m_pCorrel;
    const int widthA = a->m_lWidth, widthB = b->m_lWidth;
    const int thresholdA = a->m_lThreshold, thresholdB = b->m_lThreshold;
    const int columns = xTo - xFrom + 1;
    EdgeTally tally;
    if (a->m_EdgeBits.threshold == thresholdA && b->m_EdgeBits.threshold == thresholdB && !a->m_TableRows.empty()) {
        for (int y = yFrom; y <= yTo && columns > 0; ++y)
            TallyRow<false>(tally, table.Row(0), a->m_EdgeBits.Row(y), xFrom, nullptr, b->m_EdgeBits.Row(y - dy),
                            xFrom - dx, columns, a->m_TableRows.data() + 3 * (std::int64_t(y) * widthA + xFrom),
                            correlB + 3 * (std::int64_t(y - dy) * widthB - dx + xFrom));
        strong = tally.strong;
        return tally.correl();
    }
    for (int y = yFrom; y <= yTo && columns > 0; ++y) {
        const std::int64_t atA = std::int64_t(y) * widthA + xFrom;
        const std::int64_t atB = std::int64_t(y - dy) * widthB - dx + xFrom;
        const unsigned char* ga = gradA + atA;
        const unsigned char* gb = gradB + atB;
        int edgesA = 0, edgesB = 0;
        for (int i = 0; i < columns; ++i) {
            edgesA += ga[i] > thresholdA;
            edgesB += gb[i] > thresholdB;
        }
        tally.edgesA += edgesA;
        tally.edgesB += edgesB;
        if (edgesA == 0 || edgesB == 0)
            continue;
        for (int i = 0; i < columns; ++i)
            if (ga[i] > thresholdA && gb[i] > thresholdB)
                tally.scoreBoth(table, correlA + 3 * (atA + i), correlB + 3 * (atB + i));
    }
    strong = tally.strong;
    return tally.correl();
}

double CCoarseAlign::GetImageCorrel(CAlignDataBuffer* a, CRotateImage* r, int dx, int dy, int& strong) const
{
    const CCorrelTable& table = *m_pTable;
    const unsigned char* gradA = a->m_pGrad;
    const unsigned char* gradR = r->m_pGrad;
    const short* correlA = a->m_pCorrel;
    const short* correlR = r->m_pCorrel;
    const int widthA = a->m_lWidth, heightA = a->m_lHeight;
    const int widthR = r->m_lWidth, heightR = r->m_lHeight;
    const int thresholdA = a->m_lThreshold, thresholdR = r->m_lThreshold;
    const int columnShift = int(-(r->m_dMinX + dx + (widthA - 1) / 2.0));
    // Columns of the turned copy outside 0 .. width - 1 are skipped: x runs
    // over the rest only.
    const int xFrom = std::max(0, -columnShift);
    const int xTo = int(std::min<std::int64_t>(widthA, std::int64_t(widthR) - columnShift)) - 1;
    const int columns = xTo - xFrom + 1;
    EdgeTally tally;
    const bool bits = a->m_EdgeBits.threshold == thresholdA && r->m_EdgeBits.threshold == thresholdR
        && !r->m_InsideBits.Empty() && !a->m_TableRows.empty();
    for (int y = 0; y < heightA && columns > 0; ++y) {
        const int row = int(y - (heightA - 1) / 2.0 - dy - r->m_dMinY);
        if (row < 0 || row >= heightR)
            continue;
        if (bits) {
            TallyRow<true>(tally, table.Row(0), a->m_EdgeBits.Row(y), xFrom, r->m_InsideBits.Row(row),
                           r->m_EdgeBits.Row(row), xFrom + columnShift, columns,
                           a->m_TableRows.data() + 3 * (std::int64_t(y) * widthA + xFrom),
                           correlR + 3 * (std::int64_t(row) * widthR + xFrom + columnShift));
            continue;
        }
        const std::int64_t atA = std::int64_t(y) * widthA + xFrom;
        const std::int64_t atR = std::int64_t(row) * widthR + xFrom + columnShift;
        const unsigned char* ga = gradA + atA;
        const unsigned char* gr = gradR + atR;
        // 255 marks the turned copy's pixels outside the photo: they count
        // for neither side.
        int edgesA = 0, edgesR = 0;
        for (int i = 0; i < columns; ++i) {
            const int inside = gr[i] != 255;
            edgesA += inside & (ga[i] > thresholdA);
            edgesR += inside & (gr[i] > thresholdR);
        }
        tally.edgesA += edgesA;
        tally.edgesB += edgesR;
        if (edgesA == 0 || edgesR == 0)
            continue;
        for (int i = 0; i < columns; ++i)
            if (gr[i] != 255 && ga[i] > thresholdA && gr[i] > thresholdR)
                tally.scoreBoth(table, correlA + 3 * (atA + i), correlR + 3 * (atR + i));
    }
    strong = tally.strong;
    return tally.correl();
}

int CCoarseAlign::Run(int& dx, int& dy, double& angle, const tagRECT& range, double& score)
{
    if (!IsValid())
        return StitchNullArgument;
    const int x0 = range.left, x1 = range.right, y0 = range.top, y1 = range.bottom;
    double best = -1024.0;
    angle = 0.0;
    if (x1 >= x0 && y1 >= y0) {
        const int W = x1 - x0 + 1;
        const int H = y1 - y0 + 1;
        std::vector<double> scores, angles;
        std::vector<int> strongs;
        std::vector<unsigned char> marks;
        try {
            scores.assign(size_t(W) * H, 0.0);
            angles.assign(size_t(W) * H, 0.0);
            strongs.assign(size_t(W) * H, 0);
            marks.assign(size_t(W) * H, 0);
        } catch (const std::bad_alloc&) {
            return StitchNullArgument;
        }
        auto cell = [W, x0, y0](int x, int y) { return size_t(y - y0) * W + size_t(x - x0); };

        // 1. Every offset without rotation (a column of offsets per task);
        // the best strictly inside, taken in the order x, then y.
        StitchThreads::For(W, [&](int column) {
            const int x = x0 + column;
            for (int y = y0; y <= y1; ++y)
                scores[cell(x, y)] = GetImageCorrel(m_pBufferA, m_pBufferB, x, y, strongs[cell(x, y)]);
        });
        for (int x = x0; x <= x1; ++x)
            for (int y = y0; y <= y1; ++y) {
                const double s = scores[cell(x, y)];
                if (x0 < x && x < x1 && y0 < y && y < y1 && s > best) {
                    dx = x;
                    dy = y;
                    best = s;
                }
            }

        // 2. Strict peaks of their 5 x 5 window mark a 5 x 3 area.
        for (int x = x0; x <= x1; ++x)
            for (int y = y0; y <= y1; ++y) {
                const double s = scores[cell(x, y)];
                bool peak = true;
                for (int v = std::max(y - 2, y0); v <= std::min(y + 2, y1) && peak; ++v)
                    for (int u = std::max(x - 2, x0); u <= std::min(x + 2, x1) && peak; ++u)
                        if ((u != x || v != y) && scores[cell(u, v)] >= s)
                            peak = false;
                if (!peak)
                    continue;
                for (int v = std::max(y - 1, y0); v <= std::min(y + 1, y1); ++v)
                    for (int u = std::max(x - 2, x0); u <= std::min(x + 2, x1); ++u)
                        marks[cell(u, v)] = 1;
            }

        // 3. The turned copies, only around the peaks: every marked offset
        // and copy scored apart, then taken in the order x, y, copy.
        std::vector<int> marked;
        std::vector<double> turnedScores;
        std::vector<int> turnedStrongs;
        try {
            for (int x = x0; x <= x1; ++x)
                for (int y = y0; y <= y1; ++y)
                    if (marks[cell(x, y)])
                        marked.push_back(int(cell(x, y)));
            turnedScores.assign(marked.size() * kRotations, 0.0);
            turnedStrongs.assign(marked.size() * kRotations, 0);
        } catch (const std::bad_alloc&) {
            return StitchNullArgument;
        }
        StitchThreads::For(int(marked.size()) * kRotations, [&](int task) {
            const int at = marked[size_t(task / kRotations)];
            const int x = x0 + at % W, y = y0 + at / W;
            turnedScores[size_t(task)] = GetImageCorrel(m_pBufferA, m_ppRotate[task % kRotations], x, y,
                                                        turnedStrongs[size_t(task)]);
        });
        for (size_t k = 0; k < marked.size(); ++k) {
            const int x = x0 + marked[k] % W, y = y0 + marked[k] / W;
            for (int i = 0; i < kRotations; ++i) {
                const int strong = turnedStrongs[k * kRotations + size_t(i)];
                const double s = turnedScores[k * kRotations + size_t(i)];
                if (s > scores[cell(x, y)]) {
                    scores[cell(x, y)] = s;
                    strongs[cell(x, y)] = strong;
                    angles[cell(x, y)] = m_ppRotate[i]->m_dAngle;
                }
                if (y0 < y && y < y1 && x < x1 && s > best) {
                    dx = x;
                    dy = y;
                    angle = m_ppRotate[i]->m_dAngle;
                    best = s;
                }
            }
        }

        // 4-6. Among the strong local peaks the one with the most support.
        const bool telephoto = CStitchPyramid::m_bTelephoto;
        const double factor = best > 0 ? (telephoto ? 0.9 : 0.3) : best < 0 ? (telephoto ? 1.1 : 2.0) : 0.0;
        if (x0 < x1 - 1) {
            const double threshold = factor * best;
            bool first = true;
            double chosen = 0.0;
            for (int x = x0 + 1; x <= x1 - 1; ++x)
                for (int y = y0 + 1; y <= y1 - 1; ++y) {
                    const double s = scores[cell(x, y)];
                    if (!(s > threshold))
                        continue;
                    bool peak = true;
                    for (int v = y - 1; v <= y + 1 && peak; ++v)
                        for (int u = x - 1; u <= x + 1 && peak; ++u)
                            if (scores[cell(u, v)] > s)
                                peak = false;
                    if (!peak)
                        continue;
                    const double weight = strongs[cell(x, y)] * s;
                    const bool take = best > 0 ? (first || weight > chosen) : best < 0 ? (first || weight < chosen) : false;
                    if (!take)
                        continue;
                    dx = x;
                    dy = y;
                    angle = angles[cell(x, y)];
                    best = s;
                    chosen = weight;
                    first = false;
                }
        }
    }
    score = best;
    return 0;
}
