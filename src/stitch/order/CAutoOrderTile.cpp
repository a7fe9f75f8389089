// Tile grids: for every trial grid that the count fits, a depth-first
// branch-and-bound search fills the cells row by row; the tiling with the
// smallest sum of horizontal and vertical links wins, and with it its grid.

#include "stitch/order/CAutoOrder.h"

#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <algorithm>
#include <limits>
#include <new>

namespace {
constexpr double kTileLimit = 2050.0;

const ORDER_PARAM* FindTileRecord(const COrderList* list, tagPOINT position)
{
    if (!list)
        return nullptr;
    for (const ORDER_PARAM& rec : list->records)
        if (rec.position.x == position.x && rec.position.y == position.y)
            return &rec;
    return nullptr;
}
} // namespace

MATCH_DATA CAutoOrder::HeadTrackingForTile(const ORDER_PARAM& candidate, int depth) const
{
    MATCH_DATA cell = {candidate.position, {0, 0}, {0, 0}, depth, kTileLimit, kTileLimit};
    if (depth % m_lTrialCols == 0) {
        cell.secondOffset = candidate.offset;
        cell.secondScore = candidate.score;
    } else {
        cell.firstOffset = candidate.offset;
        cell.firstScore = candidate.score;
    }
    return cell;
}

double CAutoOrder::GetTileAddDiff(const MATCH_DATA& cell, const MATCH_DATA* chain) const
{
    const int m = m_lTrialCols;
    if (cell.index % m == 0)
        return cell.secondScore;
    if (cell.index < m)
        return cell.firstScore;
    CStitchElement* above = Element(chain[cell.index - m].position);
    const ORDER_PARAM* rec = above ? FindTileRecord(Lowers(above), cell.position) : nullptr;
    return cell.firstScore + (rec ? rec->score : kTileLimit);
}

void CAutoOrder::BackTrackingForTile(const MATCH_DATA& cell, MATCH_DATA* chain, int& depth) const
{
    const int m = m_lTrialCols;
    const int i = cell.index;
    if (i % m != 0) {
        chain[i - 1].firstOffset = cell.firstOffset;
        chain[i - 1].firstScore = cell.firstScore;
        if (i >= m) {
            MATCH_DATA& up = chain[i - m];
            CStitchElement* above = Element(up.position);
            if (const ORDER_PARAM* rec = above ? FindTileRecord(Lowers(above), cell.position) : nullptr) {
                up.secondOffset = rec->offset;
                up.secondScore = rec->score;
            } else {
                up.secondScore = kTileLimit;
            }
        }
    } else if (i >= m) {
        chain[i - m].secondOffset = cell.secondOffset;
        chain[i - m].secondScore = cell.secondScore;
    }
    chain[i] = {cell.position, {0, 0}, {0, 0}, i, kTileLimit, kTileLimit};
    depth = i + 1;
}

void CAutoOrder::MatchTileImages(MATCH_DATA* chain, double& best)
{
    const int n = m_lCount;
    const int m = m_lTrialCols;
    std::vector<MATCH_DATA> stack;
    int d = 1;
    auto pop = [&]() {
        while (!stack.empty()) {
            const MATCH_DATA a = stack.back();
            stack.pop_back();
            if (best >= CalcOrderSum(chain, a.index, false) + GetTileAddDiff(a, chain)) {
                BackTrackingForTile(a, chain, d);
                ++m_lPlacements;
                return true;
            }
        }
        return false;
    };
    while (m_lPlacements < m_lPlacementBudget) {
        if (d >= n) {
            const double sum = CalcOrderSum(chain, n, false);
            if (m_Best.size() != size_t(n))
                m_Best.assign(size_t(n), MATCH_DATA{});
            if (best > sum) {
                std::copy(chain, chain + n, m_Best.begin());
                best = sum;
                m_lBestCols = m;
                m_lBestRows = n / m;
            }
            if (!pop())
                return;
            continue;
        }
        const bool rowStart = d % m == 0;
        CStitchElement* from = Element(chain[rowStart ? d - m : d - 1].position);
        const COrderList* list = from ? (rowStart ? Lowers(from) : Rights(from)) : nullptr;
        const int good = list ? std::min(from->m_lOrderValues[rowStart ? 1 : 0], int(list->records.size())) : 0;
        std::vector<MATCH_DATA> candidates;
        for (int k = 0; k < good; ++k)
            if (!IsInList(list->records[size_t(k)].position, chain, d))
                candidates.push_back(HeadTrackingForTile(list->records[size_t(k)], d));
        const double partial = CalcOrderSum(chain, d, false);
        int taken = -1;
        for (int k = 0; k < int(candidates.size()) && taken < 0; ++k)
            if (best > partial + GetTileAddDiff(candidates[size_t(k)], chain))
                taken = k;
        if (taken < 0) {
            if (!pop())
                return;
            continue;
        }
        for (int k = int(candidates.size()) - 1; k > taken; --k)
            stack.push_back(candidates[size_t(k)]);
        BackTrackingForTile(candidates[size_t(taken)], chain, d);
        ++m_lPlacements;
    }
}

int CAutoOrder::MatchTileImagesDirect()
{
    const int start = 80;
    const int end = 90;
    const int n = m_lCount;
    std::vector<int> trials;
    if (m_pJob->m_bAutoGrid) {
        for (int m = 2; m <= std::min(m_lMaxCols, n / 2); ++m)
            trials.push_back(m);
    } else {
        trials.push_back(m_lTrialCols > 0 ? m_lTrialCols : Cols());
    }
    double best = std::numeric_limits<double>::max();
    m_Best.clear();
    m_lBestCols = 0;
    m_lBestRows = 0;
    m_lPlacements = 0;
    std::vector<MATCH_DATA> chain;
    try {
        chain.assign(size_t(std::max(n, 1)), MATCH_DATA{});
    } catch (const std::bad_alloc&) {
        return StitchNullArgument;
    }
    if (Report(start))
        return StitchCancelled;
    const int cols = Cols();
    const int cells = cols * Rows();
    for (size_t t = 0; t < trials.size() && m_lPlacements < m_lPlacementBudget; ++t) {
        const int m = trials[t];
        if (m < 1 || n % m != 0 || m > m_lMaxCols || n / m > m_lMaxRows)
            continue;
        m_lTrialCols = m;
        m_lTrialRows = n / m;
        for (int i = 0; i < cells && m_lPlacements < m_lPlacementBudget; ++i) {
            const tagPOINT p = {i % cols, i / cols};
            if (!Element(p))
                continue;
            chain[0] = {p, {0, 0}, {0, 0}, 0, kTileLimit, kTileLimit};
            if (n == 1) {
                m_Best = chain;
                best = 0.0;
                m_lBestCols = 1;
                m_lBestRows = 1;
                continue;
            }
            MatchTileImages(chain.data(), best);
        }
        if (Report(start + int(t + 1) * (end - start) / int(trials.size())))
            return StitchCancelled;
    }
    if (m_lBestCols > 0) {
        const int m = m_lBestCols;
        const int k = m_lBestRows;
        for (int i = 0; i < n; ++i) {
            if (CStitchElement* e = Element(m_Best[size_t(i)].position)) {
                e->m_lOrderValues[2] = i % m;
                e->m_lOrderValues[3] = i / m;
            }
            m_Best[size_t(i)].position = {i % m, i / m};
        }
        m_pJob->m_Matrix.m_lCols = m;
        m_pJob->m_Matrix.m_lRows = k;
        const int links = (k - 1) * m + (m - 1) * k;
        if (links > 0)
            m_dMeanScore = best / links;
        return 0;
    }
    // No tiling: the load order stays, laid row by row on the first grid
    // that fits the count.
    int m = 0;
    for (int c : trials)
        if (c > 0 && n % c == 0 && n / c <= m_lMaxRows) {
            m = c;
            break;
        }
    int k = m > 0 ? n / m : n / 2;
    if (m == 0)
        m = 2;
    for (int i = 0; i < cells; ++i)
        if (CStitchElement* e = m_pJob->m_Matrix.GetElement(i % cols, i / cols)) {
            e->m_lOrderValues[2] = i % m;
            e->m_lOrderValues[3] = i / m;
        }
    m_pJob->m_Matrix.m_lCols = m;
    m_pJob->m_Matrix.m_lRows = k;
    return kNoOrder;
}
