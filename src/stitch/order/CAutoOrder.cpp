#include "stitch/order/CAutoOrder.h"

#include "stitch/image/CImage.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchElementSwap.h"
#include "stitch/job/CStitchOptions.h"

#include <algorithm>
#include <new>

namespace {
constexpr double kLinkLimit = 1650.0; // a link scoring this or more is not good (rows, columns, rings)
constexpr double kTileLimit = 2050.0; // the same for tiles

int IntSqrt(int n)
{
    int r = 0;
    while ((r + 1) * (r + 1) <= n)
        ++r;
    return r;
}
} // namespace

CAutoOrder::CAutoOrder(CStitchOptions* job, int tileCols)
    : m_pJob(job)
    , m_lCount(job ? job->m_Matrix.m_lCols * job->m_Matrix.m_lRows : 0)
    , m_lTrialCols(tileCols)
{
}

CAutoOrder::~CAutoOrder()
{
    ReleaseTemporaryData();
}

int CAutoOrder::Cols() const { return m_pJob->m_Matrix.m_lCols; }
int CAutoOrder::Rows() const { return m_pJob->m_Matrix.m_lRows; }
int CAutoOrder::Style() const { return m_pJob->m_Matrix.m_Style; }

CStitchElement* CAutoOrder::Element(tagPOINT position) const
{
    return m_pJob->m_Matrix.GetElement(position.x, position.y);
}

COrderList* CAutoOrder::Rights(CStitchElement* e)
{
    return static_cast<COrderList*>(e->m_pOrderData[0]);
}

COrderList* CAutoOrder::Lowers(CStitchElement* e)
{
    return static_cast<COrderList*>(e->m_pOrderData[1]);
}

bool CAutoOrder::ReuseLists() const
{
    return m_bStyleSearch && m_bComposite && Style() != 3;
}

bool CAutoOrder::Report(int percent) const
{
    return CStitchOptions::ShowProgress(percent);
}

bool CAutoOrder::IsPrimeNumber(int n)
{
    const int root = IntSqrt(std::max(n, 0));
    if (root < 2)
        return true;
    if (n % 2 == 0)
        return false;
    for (int d = 3; d <= root; ++d)
        if (n % d == 0)
            return false;
    return true;
}

void CAutoOrder::PermuteElementParam(CStitchElement* a, CStitchElement* b)
{
    SwapElementRecords(a, b);
}

int CAutoOrder::Run(int maxCols, int maxRows, bool styleSearch)
{
    if (!m_pJob || !m_pJob->m_Matrix.m_pElements || m_lCount < 1)
        return 0;
    // A grid larger than the element array would address records that do
    // not exist.
    if (m_lCount > m_pJob->m_Matrix.m_lCount)
        return StitchBadArgument;
    m_lMaxCols = maxCols;
    m_lMaxRows = maxRows;
    m_bStyleSearch = styleSearch;
    m_bComposite = false;
    if (styleSearch) {
        const int style = Style();
        if (!IsPrimeNumber(m_lCount)) {
            m_bComposite = true;
            if (style == 0) { m_lProgressStart = 80; m_lProgressEnd = 90; }
            else if (style == 1) { m_lProgressStart = 90; m_lProgressEnd = 100; }
            else if (style == 3) { m_lProgressStart = 0; m_lProgressEnd = 80; }
        } else if (style == 0) {
            m_lProgressStart = 0; m_lProgressEnd = 50;
        } else if (style == 1) {
            m_lProgressStart = 50; m_lProgressEnd = 100;
        }
    }
    const int code = OrderByDirect();
    return code == kNoOrder ? 0 : code;
}

int CAutoOrder::OrderByDirect()
{
    if (ReuseLists()) {
        if (Style() == 1) {
            // A column reuses the lower lists that the tile trial made, with
            // column and row exchanged.
            for (int r = 0; r < Rows(); ++r) {
                CStitchElement* e = m_pJob->m_Matrix.GetElement(0, r);
                if (!e || !Rights(e) || !Lowers(e))
                    continue;
                const int keep = std::min({m_lCount - 1, 4, int(Lowers(e)->records.size())});
                Rights(e)->records.assign(Lowers(e)->records.begin(), Lowers(e)->records.begin() + keep);
                for (ORDER_PARAM& p : Rights(e)->records)
                    std::swap(p.position.x, p.position.y);
                e->m_lOrderValues[0] = e->m_lOrderValues[1];
            }
        }
    } else {
        const int code = StartupCalcCorrel();
        if (code != 0)
            return code;
    }
    PostProcessCorrel();
    int code;
    if (Style() == 3) {
        code = MatchTileImagesDirect();
    } else {
        code = FindPrevData();
        if (code == 0)
            code = MatchImagesDirect();
    }
    if (code != 0)
        return code;
    if (m_bStyleSearch)
        ReleaseTemporaryData();
    else
        StartupPermuteElementInfo();
    return 0;
}

int CAutoOrder::StartupCalcCorrel()
{
    // The pairs' locks and progress reports happen in turn on this thread;
    // their searches, which only read pixels, run afterwards side by side,
    // also when the collection stops early, so the lists are the same as
    // searched one by one.
    m_bQueueCorrel = true;
    const int code = CollectCorrelations();
    m_bQueueCorrel = false;
    RunPendingCorrelations();
    return code;
}

int CAutoOrder::CollectCorrelations()
{
    int start = 0;
    int span = 80;
    if (m_bStyleSearch) {
        start = m_lProgressStart;
        span = (m_lProgressEnd - m_lProgressStart) * 4 / 5;
    }
    const int cols = Cols();
    const int rows = Rows();
    const int cells = cols * rows;
    for (int i = 0; i < cells; ++i) {
        CStitchElement* a = m_pJob->m_Matrix.GetElement(i % cols, i / cols);
        if (!a)
            continue;
        if (Report(start + i * span / cells))
            return StitchCancelled;
        for (int slot = 0; slot < 2; ++slot) {
            delete static_cast<COrderList*>(a->m_pOrderData[slot]);
            a->m_pOrderData[slot] = nullptr;
        }
        COrderList* rights = new (std::nothrow) COrderList;
        COrderList* lowers = Style() == 3 ? new (std::nothrow) COrderList : nullptr;
        a->m_pOrderData[0] = rights;
        a->m_pOrderData[1] = lowers;
        if (!rights || (Style() == 3 && !lowers))
            return StitchNullArgument;
        try {
            rights->records.reserve(size_t(std::max(m_lCount - 1, 0)));
            if (lowers)
                lowers->records.reserve(size_t(std::max(m_lCount - 1, 0)));
        } catch (const std::bad_alloc&) {
            return StitchNullArgument;
        }
        a->m_lOrderValues[0] = 0;
        a->m_lOrderValues[1] = 0;
        for (int j = 0; j < cells; ++j) {
            if (j == i || !m_pJob->m_Matrix.GetElement(j % cols, j / cols))
                continue;
            if (Report(start + (i * cells + j) * span / (cells * cells)))
                return StitchCancelled;
            const int code = CalcCorrelation(i % cols, i / cols, j % cols, j / cols);
            if (code != 0)
                return code;
        }
    }
    if (Report(start + span))
        return StitchCancelled;
    return 0;
}

int CAutoOrder::CalcCorrelation(int col1, int row1, int col2, int row2)
{
    CStitchElement* a = m_pJob->m_Matrix.GetElement(col1, row1);
    CStitchElement* b = m_pJob->m_Matrix.GetElement(col2, row2);
    if (!a || !b || !Rights(a))
        return StitchBadArgument;
    const int layer = m_pJob->m_lOrderingLayer;
    void* ha = a->m_Pyramid.LockHDib(layer);
    void* hb = b->m_Pyramid.LockHDib(layer);
    if (!ha || !hb)
        return StitchBadArgument;
    CImage imageA;
    CImage imageB;
    if (imageA.Attach(ha) != 0 || imageB.Attach(hb) != 0) {
        a->m_Pyramid.UnlockHDib(layer);
        b->m_Pyramid.UnlockHDib(layer);
        return StitchBadArgument;
    }
    if (m_bQueueCorrel) {
        int code = QueueCorrelation(a, &imageA, b, &imageB, {col2, row2}, false);
        if (code == 0 && Style() == 3 && Lowers(a))
            code = QueueCorrelation(a, &imageA, b, &imageB, {col2, row2}, true);
        return code;
    }
    int dx = 0;
    int dy = 0;
    double score = 0.0;
    int code = CoarseAlign(&imageA, &imageB, dx, dy, score, false);
    if (code != 0)
        return code;
    Rights(a)->records.push_back({{col2, row2}, {dx, dy}, score});
    if (Style() == 3 && Lowers(a)) {
        code = CoarseAlign(&imageA, &imageB, dx, dy, score, true);
        if (code != 0)
            return code;
        Lowers(a)->records.push_back({{col2, row2}, {dx, dy}, score});
    }
    return 0;
}

void CAutoOrder::PostProcessCorrel()
{
    const int style = Style();
    const double limit = style == 3 ? kTileLimit : kLinkLimit;
    const bool reduce = m_lCount > 20 && !ReuseLists();
    // Brings the `keep` lowest scores to the front, ascending; ties keep the
    // earlier record. Returns how many of them are good.
    auto sortFront = [&](std::vector<ORDER_PARAM>& list, int keep) {
        for (int i = 0; i < keep; ++i) {
            int low = i;
            for (int j = i + 1; j < int(list.size()); ++j)
                if (list[size_t(j)].score < list[size_t(low)].score)
                    low = j;
            if (low != i) {
                // Rotate, so the records passed over keep their order.
                std::rotate(list.begin() + i, list.begin() + low, list.begin() + low + 1);
            }
        }
        int good = 0;
        for (int i = 0; i < keep; ++i)
            if (list[size_t(i)].score < limit)
                ++good;
        return good;
    };
    auto limitOf = [&](const COrderList* list) {
        const int total = list ? int(list->records.size()) : 0;
        return std::max(0, std::min(total, 4) - (reduce ? 1 : 0));
    };

    std::vector<CStitchElement*> tails;
    std::vector<int> tailLimits;
    m_Tail = {-1, -1};
    tagPOINT firstTail = {-1, -1};
    for (int r = 0; r < Rows(); ++r)
        for (int c = 0; c < Cols(); ++c) {
            CStitchElement* e = m_pJob->m_Matrix.GetElement(c, r);
            if (!e || !Rights(e))
                continue;
            const int keep = limitOf(Rights(e));
            const int good = sortFront(Rights(e)->records, keep);
            if (style == 3) {
                e->m_lOrderValues[0] = good;
                if (Lowers(e)) {
                    const int keepLower = limitOf(Lowers(e));
                    e->m_lOrderValues[1] = sortFront(Lowers(e)->records, keepLower);
                }
                continue;
            }
            if (good > 0) {
                e->m_lOrderValues[0] = good;
                continue;
            }
            if (tails.empty())
                firstTail = {c, r};
            tails.push_back(e);
            tailLimits.push_back(keep);
        }
    if (tails.size() == 1) {
        m_Tail = firstTail;
        tails[0]->m_lOrderValues[0] = 0;
    } else {
        // Two images without a good candidate: neither is the tail, and both
        // keep their best records, so the search can still link them.
        for (size_t i = 0; i < tails.size(); ++i)
            tails[i]->m_lOrderValues[0] = tailLimits[i];
    }
}

void CAutoOrder::TargetsStayInPlace()
{
    for (int r = 0; r < Rows(); ++r)
        for (int c = 0; c < Cols(); ++c)
            if (CStitchElement* e = m_pJob->m_Matrix.GetElement(c, r)) {
                e->m_lOrderValues[2] = c;
                e->m_lOrderValues[3] = r;
            }
}

void CAutoOrder::StartupPermuteElementInfo()
{
    const int cols = Cols();
    const int cells = cols * Rows();
    CStitchElement* elements = m_pJob->m_Matrix.m_pElements;
    // The exchanges are not interrupted: a half-permuted job would no
    // longer match the names its caller holds.
    // Each exchange puts at least one element in place, so cells passes do.
    for (int pass = 0; pass <= cells; ++pass) {
        if (!m_bStyleSearch)
            Report(90 + pass * 10 / std::max(m_lCount, 1));
        int misplaced = -1;
        int target = -1;
        for (int i = 0; i < cells && misplaced < 0; ++i) {
            CStitchElement* e = m_pJob->m_Matrix.GetElement(i % cols, i / cols);
            if (!e)
                continue;
            const int t = e->m_lOrderValues[3] * cols + e->m_lOrderValues[2];
            if (t != i && t >= 0 && t < cells) {
                misplaced = i;
                target = t;
            }
        }
        if (misplaced < 0)
            break;
        PermuteElementParam(&elements[misplaced], &elements[target]);
    }
    if (!m_bStyleSearch)
        Report(100);
}

void CAutoOrder::ReleaseTemporaryData()
{
    if (m_pJob && m_pJob->m_Matrix.m_pElements && !(m_bStyleSearch && Style() != 1 && m_bComposite)) {
        for (int i = 0; i < m_pJob->m_Matrix.m_lCount; ++i) {
            CStitchElement& e = m_pJob->m_Matrix.m_pElements[i];
            for (int slot = 0; slot < 2; ++slot) {
                delete static_cast<COrderList*>(e.m_pOrderData[slot]);
                e.m_pOrderData[slot] = nullptr;
            }
            e.m_lOrderValues[0] = 0;
            e.m_lOrderValues[1] = 0;
        }
    }
    m_PrevLists.clear();
}
