// Orders of a row, a column and a ring: a depth-first branch-and-bound
// search over chains of good links, forwards from the head or backwards
// from the tail (or from every image when neither is known).

#include "stitch/order/CAutoOrder.h"

#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <algorithm>
#include <limits>
#include <new>

namespace {
constexpr double kLinkLimit = 1650.0;

const ORDER_PARAM* FindRecord(const COrderList* list, tagPOINT position, int* place)
{
    if (!list)
        return nullptr;
    for (size_t i = 0; i < list->records.size(); ++i)
        if (list->records[i].position.x == position.x && list->records[i].position.y == position.y) {
            if (place)
                *place = int(i);
            return &list->records[i];
        }
    return nullptr;
}
} // namespace

bool CAutoOrder::IsInList(tagPOINT position, const MATCH_DATA* chain, int n)
{
    for (int i = 0; i < n; ++i)
        if (chain[i].position.x == position.x && chain[i].position.y == position.y)
            return true;
    return false;
}

double CAutoOrder::CalcOrderSum(const MATCH_DATA* chain, int n, bool backwards) const
{
    double sum = 0.0;
    if (Style() != 3) {
        for (int i = backwards ? 1 : 0; i < (backwards ? n : n - 1); ++i)
            sum += chain[i].firstScore;
        if (Style() == 2 && n == m_lCount && n > 0)
            sum += chain[backwards ? 0 : n - 1].firstScore;
        return sum;
    }
    const int m = std::max(m_lTrialCols, 1);
    const int q = n / m;
    const int r = n % m;
    for (int row = 0; row < q; ++row)
        for (int c = 0; c + 1 < m; ++c)
            sum += chain[row * m + c].firstScore;
    for (int c = 0; c + 1 < r; ++c)
        sum += chain[q * m + c].firstScore;
    for (int i = 0; i < (q - 1) * m; ++i)
        sum += chain[i].secondScore;
    if (q >= 1)
        for (int c = 0; c < r; ++c)
            sum += chain[(q - 1) * m + c].secondScore;
    return sum;
}

int CAutoOrder::FindPrevData()
{
    const int cols = Cols();
    const int cells = cols * Rows();
    try {
        m_PrevLists.assign(size_t(cells), {});
        for (auto& list : m_PrevLists)
            list.reserve(size_t(std::max(m_lCount - 1, 0)));
    } catch (const std::bad_alloc&) {
        m_PrevLists.clear();
        return StitchNullArgument;
    }
    m_Head = {-1, -1};
    for (int i = 0; i < cells; ++i) {
        const tagPOINT pe = {i % cols, i / cols};
        if (!Element(pe))
            continue;
        std::vector<MATCH_DATA>& prev = m_PrevLists[size_t(i)];
        for (int j = 0; j < cells; ++j) {
            CStitchElement* o = m_pJob->m_Matrix.GetElement(j % cols, j / cols);
            if (j == i || !o || !Rights(o))
                continue;
            const COrderList* list = Rights(o);
            const int good = std::min(o->m_lOrderValues[0], int(list->records.size()));
            for (int k = 0; k < good; ++k) {
                const ORDER_PARAM& rec = list->records[size_t(k)];
                if (rec.position.x == pe.x && rec.position.y == pe.y) {
                    prev.push_back({{j % cols, j / cols}, rec.offset, {0, 0}, k, rec.score, kLinkLimit});
                    break;
                }
            }
        }
        if (prev.empty()) {
            if (m_Head.x >= 0) {
                // Two images nobody links to: no chain can hold both.
                m_Head = {-1, -1};
                TargetsStayInPlace();
                return kNoOrder;
            }
            m_Head = pe;
        }
        std::stable_sort(prev.begin(), prev.end(),
                         [](const MATCH_DATA& a, const MATCH_DATA& b) { return a.firstScore < b.firstScore; });
    }
    return 0;
}

void CAutoOrder::KeepIfBetter(const MATCH_DATA* chain, double& best)
{
    const double sum = CalcOrderSum(chain, m_lCount, chain[0].index < 0);
    if (m_Best.size() != size_t(m_lCount))
        m_Best.assign(size_t(m_lCount), MATCH_DATA{});
    if (best > sum) {
        std::copy(chain, chain + m_lCount, m_Best.begin());
        best = sum;
    }
}

void CAutoOrder::MatchNextImages(MATCH_DATA* chain, double& best)
{
    const int n = m_lCount;
    std::vector<MATCH_DATA> stack;
    int d = 1;
    auto take = [&](const MATCH_DATA& a) {
        chain[a.index - 1].firstOffset = a.firstOffset;
        chain[a.index - 1].firstScore = a.firstScore;
        chain[a.index] = {a.position, {0, 0}, {0, 0}, a.index, kLinkLimit, kLinkLimit};
        d = a.index + 1;
        ++m_lPlacements;
    };
    auto pop = [&](bool orEqual) {
        while (!stack.empty()) {
            const MATCH_DATA a = stack.back();
            stack.pop_back();
            const double bound = CalcOrderSum(chain, a.index, false) + a.firstScore;
            if (best > bound || (orEqual && best >= bound)) {
                take(a);
                return true;
            }
        }
        return false;
    };
    while (m_lPlacements < m_lPlacementBudget) {
        if (d >= n) {
            if (Style() != 1) {
                int place = 0;
                const ORDER_PARAM* ring = FindRecord(Rights(Element(chain[n - 1].position)), chain[0].position, &place);
                if (ring) {
                    chain[n - 1].index = place;
                    chain[n - 1].firstOffset = ring->offset;
                    chain[n - 1].firstScore = ring->score;
                }
                if (const ORDER_PARAM* back = FindRecord(Rights(Element(chain[0].position)), chain[n - 1].position, nullptr))
                    chain[0].secondOffset = back->offset;
            }
            KeepIfBetter(chain, best);
            if (!pop(true))
                return;
            continue;
        }
        CStitchElement* e = Element(chain[d - 1].position);
        const COrderList* list = e ? Rights(e) : nullptr;
        const int good = list ? std::min(e->m_lOrderValues[0], int(list->records.size())) : 0;
        std::vector<const ORDER_PARAM*> candidates;
        for (int k = 0; k < good; ++k)
            if (!IsInList(list->records[size_t(k)].position, chain, d))
                candidates.push_back(&list->records[size_t(k)]);
        const double partial = CalcOrderSum(chain, d, false);
        int taken = -1;
        for (int k = 0; k < int(candidates.size()) && taken < 0; ++k)
            if (best > partial + candidates[size_t(k)]->score)
                taken = k;
        if (taken < 0) {
            if (!pop(false))
                return;
            continue;
        }
        for (int k = int(candidates.size()) - 1; k > taken; --k) {
            const ORDER_PARAM* c = candidates[size_t(k)];
            stack.push_back({c->position, c->offset, {0, 0}, d, c->score, kLinkLimit});
        }
        const ORDER_PARAM* c = candidates[size_t(taken)];
        take({c->position, c->offset, {0, 0}, d, c->score, kLinkLimit});
    }
}

void CAutoOrder::MatchPrevImages(MATCH_DATA* chain, double& best)
{
    const int n = m_lCount;
    const int cols = Cols();
    std::vector<MATCH_DATA> stack;
    int d = 1;
    auto take = [&](const MATCH_DATA& a) {
        chain[a.index] = a;
        d = a.index + 1;
        ++m_lPlacements;
    };
    auto pop = [&](bool orEqual) {
        while (!stack.empty()) {
            const MATCH_DATA a = stack.back();
            stack.pop_back();
            const double bound = CalcOrderSum(chain, a.index, true) + a.firstScore;
            if (best > bound || (orEqual && best >= bound)) {
                take(a);
                return true;
            }
        }
        return false;
    };
    while (m_lPlacements < m_lPlacementBudget) {
        if (d >= n) {
            if (Style() != 1) {
                // Cell 0 holds the last image of the order: its link back to
                // the first closes the ring.
                chain[0].firstScore = kLinkLimit;
                int place = 0;
                if (const ORDER_PARAM* ring
                    = FindRecord(Rights(Element(chain[0].position)), chain[n - 1].position, &place)) {
                    chain[0].index = place;
                    chain[0].firstOffset = ring->offset;
                    chain[0].firstScore = ring->score;
                }
                if (const ORDER_PARAM* back = FindRecord(Rights(Element(chain[n - 1].position)), chain[0].position, nullptr))
                    chain[0].secondOffset = back->offset;
            }
            const int seedIndex = chain[0].index;
            chain[0].index = -1; // marks the chain as backward for the sum
            KeepIfBetter(chain, best);
            chain[0].index = seedIndex;
            if (!pop(true))
                return;
            continue;
        }
        const tagPOINT p = chain[d - 1].position;
        const std::vector<MATCH_DATA>& prev = m_PrevLists[size_t(p.y * cols + p.x)];
        std::vector<const MATCH_DATA*> candidates;
        for (const MATCH_DATA& c : prev)
            if (!IsInList(c.position, chain, d))
                candidates.push_back(&c);
        const double partial = CalcOrderSum(chain, d, true);
        int taken = -1;
        for (int k = 0; k < int(candidates.size()) && taken < 0; ++k)
            if (best > partial + candidates[size_t(k)]->firstScore)
                taken = k;
        if (taken < 0) {
            if (!pop(false))
                return;
            continue;
        }
        for (int k = int(candidates.size()) - 1; k > taken; --k) {
            MATCH_DATA a = *candidates[size_t(k)];
            a.index = d;
            stack.push_back(a);
        }
        MATCH_DATA a = *candidates[size_t(taken)];
        a.index = d;
        take(a);
    }
}

int CAutoOrder::MatchImagesDirect()
{
    const int style = Style();
    int start = 80;
    int end = 90;
    if (m_bStyleSearch) {
        start = m_lProgressStart + (m_lProgressEnd - m_lProgressStart) * 4 / 5;
        end = m_lProgressEnd;
    }
    if (style == 2 && m_Head.x < 0 && m_Tail.x < 0)
        m_Head = {0, 0};
    const int n = m_lCount;
    double best = std::numeric_limits<double>::max();
    bool backwards = false;
    m_Best.clear();
    m_lPlacements = 0;
    std::vector<MATCH_DATA> chain;
    try {
        chain.assign(size_t(std::max(n, 1)), MATCH_DATA{});
    } catch (const std::bad_alloc&) {
        return StitchNullArgument;
    }
    if (Report(start))
        return StitchCancelled;
    if (n == 1) {
        // One image is its own order.
        chain[0] = {{0, 0}, {0, 0}, {0, 0}, 0, kLinkLimit, kLinkLimit};
        m_Best = chain;
        best = 0.0;
    } else if (m_Head.x >= 0) {
        chain[0] = {m_Head, {0, 0}, {0, 0}, 0, kLinkLimit, kLinkLimit};
        MatchNextImages(chain.data(), best);
    } else if (m_Tail.x >= 0) {
        backwards = true;
        chain[0] = {m_Tail, {0, 0}, {0, 0}, -1, kLinkLimit, kLinkLimit};
        MatchPrevImages(chain.data(), best);
    } else {
        backwards = true;
        const int cols = Cols();
        const int cells = cols * Rows();
        for (int i = cells - 1; i >= 0; --i) {
            const tagPOINT p = {i % cols, i / cols};
            if (!Element(p))
                continue;
            if (Report(start + (cells - 1 - i) * (end - start) / cells))
                return StitchCancelled;
            chain[0] = {p, {0, 0}, {0, 0}, -1, kLinkLimit, kLinkLimit};
            MatchPrevImages(chain.data(), best);
            if (m_lPlacements >= m_lPlacementBudget)
                break;
        }
    }
    if (Report(end))
        return StitchCancelled;
    if (m_Best.size() != size_t(n) || best == std::numeric_limits<double>::max()) {
        TargetsStayInPlace();
        return kNoOrder;
    }
    if (backwards)
        std::reverse(m_Best.begin(), m_Best.end());
    for (int i = 0; i < n; ++i)
        if (CStitchElement* e = Element(m_Best[size_t(i)].position)) {
            e->m_lOrderValues[2] = style == 1 ? 0 : i;
            e->m_lOrderValues[3] = style == 1 ? i : 0;
        }
    if (n > 1)
        m_dMeanScore = style == 2 ? best / n : best / (n - 1);
    return 0;
}
