#include "StitchTestHost.h"
#include "SyntheticViews.h"

#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/order/CAutoOrder.h"

#include <QtTest>

#include <cmath>
#include <functional>

// Automatic ordering: the searches on hand-made candidate lists, the
// ordering call's grid rules, and shuffled synthetic views put back in order.
class TestAutoOrder : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void primeNumbers_data();
    void primeNumbers();
    void chainOrder_data();
    void chainOrder();
    void goodLinkThreshold_data();
    void goodLinkThreshold();
    void twoImagesWithoutGoodLinkAreNoTail();
    void twoHeadsKeepLoadOrder();
    void tileGridChoice_data();
    void tileGridChoice();
    void tileOfFiveKeepsLoadOrder();
    void budgetEndsSearchOfLookalikes();
    void budgetTooSmallKeepsLoadOrder();

    void gridRules_data();
    void gridRules();
    void namesRebuilt();
    void cancelLeavesOrder();
    void missingLayerFails();

    void shuffledViews_data();
    void shuffledViews();

private:
    // A job of cols x rows elements named "e0", "e1", ... in load order,
    // without images (the lists are made by hand).
    CStitchOptions* listJob(tagStitchStyle style, int cols, int rows);
    // A job whose elements hold small noise images on layer 1.
    CStitchOptions* imageJob(tagStitchStyle style, int count);
    // Every element gets a list naming every other element, in load order,
    // scored by right(from, to) (and lower(from, to) for tiles).
    static void fillLists(CStitchOptions* job, const std::function<double(int, int)>& right,
                          const std::function<double(int, int)>& lower = {});
    static QStringList elementNames(CStitchOptions* job);

    StitchTestHost* m_host = nullptr;
};

void TestAutoOrder::init()
{
    m_host = new StitchTestHost;
}

void TestAutoOrder::cleanup()
{
    const bool clean = m_host->clean();
    const QString report = m_host->report();
    delete m_host;
    m_host = nullptr;
    if (!QTest::currentTestFailed())
        QVERIFY2(clean, qPrintable(report));
}

CStitchOptions* TestAutoOrder::listJob(tagStitchStyle style, int cols, int rows)
{
    tagStitchCallbacks table = m_host->callbacks();
    CStitchOptions* job = PSCreateStitch(style, StitchOutputOriginal, StitchMethodCalibrated, &table);
    const int n = cols * rows;
    job->m_Matrix.m_pElements = new CStitchElement[size_t(n)];
    job->m_Matrix.m_lCols = cols;
    job->m_Matrix.m_lRows = rows;
    job->m_Matrix.m_lCount = n;
    for (int i = 0; i < n; ++i)
        job->m_Matrix.m_pElements[i].m_Pyramid.m_strName = QStringLiteral("e%1").arg(i);
    return job;
}

CStitchOptions* TestAutoOrder::imageJob(tagStitchStyle style, int count)
{
    CStitchOptions* job = listJob(style, count, 1);
    job->m_lDeepestLayer = job->m_lWorkingLayer = job->m_lOrderingLayer = 1;
    for (int i = 0; i < count; ++i) {
        CStitchElement& e = job->m_Matrix.m_pElements[i];
        e.m_Pyramid.AllocateLayers(2);
        e.m_Pyramid.m_lSupplied = 1;
        e.m_Pyramid.m_lWidth = 32;
        e.m_Pyramid.m_lHeight = 24;
        e.m_Pyramid.m_phLayers[1] = m_host->makeHandle(StitchTestHost::packed24(16, 12, [i](int x, int y) {
            return unsigned((x * 37 + y * 91 + i * 53) * 2654435761u >> 8) & 0xFFFFFFu;
        }));
    }
    return job;
}

void TestAutoOrder::fillLists(CStitchOptions* job, const std::function<double(int, int)>& right,
                              const std::function<double(int, int)>& lower)
{
    const int cols = job->m_Matrix.m_lCols;
    const int n = job->m_Matrix.m_lCount;
    for (int a = 0; a < n; ++a) {
        CStitchElement& e = job->m_Matrix.m_pElements[a];
        auto* rights = new COrderList;
        COrderList* lowers = lower ? new COrderList : nullptr;
        for (int b = 0; b < n; ++b) {
            if (b == a)
                continue;
            const tagPOINT p = {b % cols, b / cols};
            rights->records.push_back({p, {0, 0}, right(a, b)});
            if (lowers)
                lowers->records.push_back({p, {0, 0}, lower(a, b)});
        }
        e.m_pOrderData[0] = rights;
        e.m_pOrderData[1] = lowers;
        e.m_lOrderValues[0] = int(rights->records.size());
        e.m_lOrderValues[1] = lowers ? int(lowers->records.size()) : 0;
    }
}

QStringList TestAutoOrder::elementNames(CStitchOptions* job)
{
    QStringList names;
    for (int i = 0; i < job->m_Matrix.m_lCount; ++i)
        names << job->m_Matrix.m_pElements[i].m_Pyramid.m_strName;
    return names;
}

void TestAutoOrder::primeNumbers_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("prime");
    // Integer square root below 2 counts as prime, so 0 to 3 are.
    QTest::newRow("0") << 0 << true;
    QTest::newRow("1") << 1 << true;
    QTest::newRow("3") << 3 << true;
    QTest::newRow("4") << 4 << false;
    QTest::newRow("7") << 7 << true;
    QTest::newRow("9") << 9 << false;
    QTest::newRow("15") << 15 << false;
    QTest::newRow("25") << 25 << false;
    QTest::newRow("49") << 49 << false;
    QTest::newRow("53") << 53 << true;
}

void TestAutoOrder::primeNumbers()
{
    QFETCH(int, n);
    QFETCH(bool, prime);
    QCOMPARE(CAutoOrder::IsPrimeNumber(n), prime);
}

void TestAutoOrder::chainOrder_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QList<int>>("truth"); // load indices in their true order
    QTest::addColumn<double>("distractor");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<double>("mean");
    // Link k of the true order (T[k] -> T[k+1]) scores 100 (k + 1); the
    // ring's closing link T[n-1] -> T[0] scores 100 n. Every other pair
    // scores `distractor`.
    const QList<int> truth = {3, 0, 4, 1, 2};
    const QStringList inTruth = {"e3", "e0", "e4", "e1", "e2"};
    // Only true links are good: e3 is the one head, e2 the one tail; the
    // forward search follows the links. Mean (100+200+300+400) / 4 = 250.
    QTest::newRow("row, head and tail") << 0 << truth << 3000.0 << inTruth << 250.0;
    // Every pair good: no head, no tail, every image seeds a backward
    // search; only the true order avoids 1200 links (total 1000).
    QTest::newRow("row, every pair good") << 0 << truth << 1200.0 << inTruth << 250.0;
    QTest::newRow("column, every pair good") << 1 << truth << 1200.0 << inTruth << 250.0;
    // A ring without head and tail starts at the image loaded first (e0)
    // and its total holds the closing link: (100+...+500) / 5 = 300.
    QTest::newRow("ring, every pair good") << 2 << truth << 1200.0 << QStringList{"e0", "e4", "e1", "e2", "e3"}
                                           << 300.0;
}

void TestAutoOrder::chainOrder()
{
    QFETCH(int, style);
    QFETCH(QList<int>, truth);
    QFETCH(double, distractor);
    QFETCH(QStringList, expected);
    QFETCH(double, mean);
    const int n = int(truth.size());
    CStitchOptions* job = style == 1 ? listJob(StitchStyleVertical, 1, n) : listJob(tagStitchStyle(style), n, 1);
    fillLists(job, [&](int a, int b) {
        const int k = int(truth.indexOf(a));
        if (truth[(k + 1) % n] == b && (k + 1 < n || style == 2))
            return 100.0 * (k + 1);
        return distractor;
    });
    {
        CAutoOrder order(job, 0);
        order.PostProcessCorrel();
        QCOMPARE(order.FindPrevData(), 0);
        QCOMPARE(order.MatchImagesDirect(), 0);
        if (distractor > 1650.0) {
            QCOMPARE(order.m_Head.x + order.m_Head.y, truth.first());
            QCOMPARE(order.m_Tail.x + order.m_Tail.y, truth.last());
        }
        QCOMPARE(order.m_dMeanScore, mean);
        order.StartupPermuteElementInfo();
    }
    QCOMPARE(elementNames(job), expected);
    PSReleaseStitch(job);
}

void TestAutoOrder::goodLinkThreshold_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<double>("score");
    QTest::addColumn<int>("goodCount");
    // e0 -> e1 scores `score`, e1 -> e2 100, everything else 5000. Strictly
    // below 1650 (2050 for tiles) is good.
    QTest::newRow("row, just below") << 0 << 1649.9 << 1;
    // e0 and e2 then both lack a good link: no tail, both keep L = 2.
    QTest::newRow("row, at the limit") << 0 << 1650.0 << 2;
    QTest::newRow("tile, just below") << 3 << 2049.9 << 1;
    QTest::newRow("tile, at the limit") << 3 << 2050.0 << 0;
}

void TestAutoOrder::goodLinkThreshold()
{
    QFETCH(int, style);
    QFETCH(double, score);
    QFETCH(int, goodCount);
    CStitchOptions* job = listJob(tagStitchStyle(style), 3, 1);
    auto scores = [&](int a, int b) { return a == 0 && b == 1 ? score : a == 1 && b == 2 ? 100.0 : 5000.0; };
    if (style == 3)
        fillLists(job, scores, [](int, int) { return 5000.0; });
    else
        fillLists(job, scores);
    {
        CAutoOrder order(job, 0);
        order.PostProcessCorrel();
        QCOMPARE(job->m_Matrix.m_pElements[0].m_lOrderValues[0], goodCount);
    }
    PSReleaseStitch(job);
}

void TestAutoOrder::twoImagesWithoutGoodLinkAreNoTail()
{
    // e0 -> e1 -> e2 are good; e2 and e3 have no good link.
    CStitchOptions* job = listJob(StitchStyleHorizontal, 4, 1);
    fillLists(job, [](int a, int b) { return b == a + 1 && a < 2 ? 100.0 : 4000.0 + a * 10 + b; });
    {
        CAutoOrder order(job, 0);
        order.PostProcessCorrel();
        QCOMPARE(order.m_Tail.x, -1);
        QCOMPARE(order.m_Tail.y, -1);
        // L = min(3, 4) = 3 records each, the lowest first.
        QCOMPARE(job->m_Matrix.m_pElements[2].m_lOrderValues[0], 3);
        QCOMPARE(job->m_Matrix.m_pElements[3].m_lOrderValues[0], 3);
        const auto* list = static_cast<COrderList*>(job->m_Matrix.m_pElements[3].m_pOrderData[0]);
        QCOMPARE(list->records[0].score, 4030.0);
        QCOMPARE(list->records[2].score, 4032.0);
    }
    PSReleaseStitch(job);
}

void TestAutoOrder::twoHeadsKeepLoadOrder()
{
    // Good links e0 -> e1 -> e3 and e2 -> e3 (e3 is the one tail): e0 and
    // e2 are listed by nobody, and no chain can start at both.
    CStitchOptions* job = listJob(StitchStyleHorizontal, 4, 1);
    fillLists(job, [](int a, int b) {
        return (a == 0 && b == 1) || (a == 1 && b == 3) || (a == 2 && b == 3) ? 100.0 : 5000.0;
    });
    {
        CAutoOrder order(job, 0);
        order.PostProcessCorrel();
        QCOMPARE(order.FindPrevData(), CAutoOrder::kNoOrder);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(job->m_Matrix.m_pElements[i].m_lOrderValues[2], i);
            QCOMPARE(job->m_Matrix.m_pElements[i].m_lOrderValues[3], 0);
        }
    }
    QCOMPARE(elementNames(job), (QStringList{"e0", "e1", "e2", "e3"}));
    PSReleaseStitch(job);
}

void TestAutoOrder::tileGridChoice_data()
{
    QTest::addColumn<double>("threeColumnLink");
    QTest::addColumn<int>("cols");
    QTest::addColumn<QStringList>("expected");
    // Six images, at most 4 x 4: trials of 2 columns (3 rows) and of 3
    // columns (2 rows). Layout A (3 x 2): rows e0 e1 e2 / e3 e4 e5; layout
    // B (2 x 3): rows e0 e1 / e2 e3 / e4 e5. Both have 7 links.
    // All links 100: both total 700; the first trial (2 columns) stands.
    QTest::newRow("tie keeps the first trial") << 100.0 << 2 << QStringList{"e0", "e1", "e2", "e3", "e4", "e5"};
    // A's links 90: A totals 630; B's best is 90+100+90 + 4 x 100 = 680.
    QTest::newRow("smaller total wins") << 90.0 << 3 << QStringList{"e0", "e1", "e2", "e3", "e4", "e5"};
}

void TestAutoOrder::tileGridChoice()
{
    QFETCH(double, threeColumnLink);
    QFETCH(int, cols);
    QFETCH(QStringList, expected);
    // Loaded shuffled: load index i holds image shuffle[i].
    const QList<int> shuffle = {4, 2, 0, 5, 1, 3};
    auto rightA = [](int a, int b) { return b == a + 1 && a % 3 != 2; };
    auto lowerA = [](int a, int b) { return b == a + 3; };
    auto rightB = [](int a, int b) { return b == a + 1 && a % 2 == 0; };
    auto lowerB = [](int a, int b) { return b == a + 2; };
    CStitchOptions* job = listJob(StitchStyleTile, 6, 1);
    for (int i = 0; i < 6; ++i)
        job->m_Matrix.m_pElements[i].m_Pyramid.m_strName = QStringLiteral("e%1").arg(shuffle[i]);
    job->m_bAutoGrid = true;
    fillLists(
        job,
        [&](int i, int j) {
            const int a = shuffle[i], b = shuffle[j];
            return rightA(a, b) ? threeColumnLink : rightB(a, b) ? 100.0 : 3000.0;
        },
        [&](int i, int j) {
            const int a = shuffle[i], b = shuffle[j];
            return lowerA(a, b) ? threeColumnLink : lowerB(a, b) ? 100.0 : 3000.0;
        });
    {
        CAutoOrder order(job, 0);
        order.m_lMaxCols = 4;
        order.m_lMaxRows = 4;
        order.PostProcessCorrel();
        QCOMPARE(order.MatchTileImagesDirect(), 0);
        QCOMPARE(job->m_Matrix.m_lCols, cols);
        QCOMPARE(job->m_Matrix.m_lRows, 6 / cols);
        order.StartupPermuteElementInfo();
    }
    QCOMPARE(elementNames(job), expected);
    PSReleaseStitch(job);
}

void TestAutoOrder::tileOfFiveKeepsLoadOrder()
{
    // Five images, at most 4 x 4: no column count from 2 to 5 / 2 = 2
    // divides 5, so no trial runs; the grid becomes 2 x 2 and nothing moves.
    CStitchOptions* job = listJob(StitchStyleTile, 5, 1);
    job->m_bAutoGrid = true;
    fillLists(job, [](int, int) { return 100.0; }, [](int, int) { return 100.0; });
    {
        CAutoOrder order(job, 0);
        order.m_lMaxCols = 4;
        order.m_lMaxRows = 4;
        order.PostProcessCorrel();
        QCOMPARE(order.MatchTileImagesDirect(), CAutoOrder::kNoOrder);
        QCOMPARE(job->m_Matrix.m_lCols, 2);
        QCOMPARE(job->m_Matrix.m_lRows, 2);
    }
    QCOMPARE(elementNames(job), (QStringList{"e0", "e1", "e2", "e3", "e4"}));
    PSReleaseStitch(job);
}

void TestAutoOrder::budgetEndsSearchOfLookalikes()
{
    // Twenty images that all look alike: every arrangement costs the same,
    // and an unbounded search would try them all. The budget ends it and
    // the first complete chain stands. Each lists the next four (around),
    // so every image has predecessors and a good candidate.
    const int n = 20;
    CStitchOptions* job = listJob(StitchStyleHorizontal, n, 1);
    fillLists(job, [](int a, int b) { return (b - a + n) % n <= 4 ? 100.0 : 3000.0; });
    {
        CAutoOrder order(job, 0);
        order.PostProcessCorrel();
        QCOMPARE(order.FindPrevData(), 0);
        QCOMPARE(order.MatchImagesDirect(), 0);
        QCOMPARE(order.m_lPlacements, order.m_lPlacementBudget);
        QCOMPARE(order.m_dMeanScore, 100.0);
        order.StartupPermuteElementInfo();
    }
    // A permutation of the twenty.
    QStringList names = elementNames(job);
    names.sort();
    QStringList all;
    for (int i = 0; i < n; ++i)
        all << QStringLiteral("e%1").arg(i);
    all.sort();
    QCOMPARE(names, all);
    PSReleaseStitch(job);
}

void TestAutoOrder::budgetTooSmallKeepsLoadOrder()
{
    // The true order is e3 e0 e4 e1 e2, but three placements cannot
    // complete a chain of five: the load order stays.
    const QList<int> truth = {3, 0, 4, 1, 2};
    CStitchOptions* job = listJob(StitchStyleHorizontal, 5, 1);
    fillLists(job, [&](int a, int b) {
        const int k = int(truth.indexOf(a));
        return k + 1 < 5 && truth[k + 1] == b ? 100.0 : 1200.0;
    });
    {
        CAutoOrder order(job, 0);
        order.m_lPlacementBudget = 3;
        order.PostProcessCorrel();
        QCOMPARE(order.FindPrevData(), 0);
        QCOMPARE(order.MatchImagesDirect(), CAutoOrder::kNoOrder);
    }
    QCOMPARE(elementNames(job), (QStringList{"e0", "e1", "e2", "e3", "e4"}));
    PSReleaseStitch(job);
}

void TestAutoOrder::gridRules_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("jobCols"); // the job's grid before the call (rows: 1 unless jobRows)
    QTest::addColumn<int>("jobRows");
    QTest::addColumn<bool>("autoGrid");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("code");
    // A fresh tile job of five (grid 5 x 1): the ordering finds no grid and
    // would fall back to 2 x 2, which drops a photo.
    QTest::newRow("five, fresh") << 5 << 5 << 1 << true << 0 << 0 << -4;
    // A tile job of seven whose grid no longer fits (kept after a delete):
    // no divisor among 2 and 3, so 2 x 3, too small.
    QTest::newRow("seven, stale grid") << 7 << 3 << 3 << true << 0 << 0 << -4;
    // Without automatic grid the caller's grid must hold the count exactly.
    QTest::newRow("fixed grid too small") << 6 << 6 << 1 << false << 2 << 2 << -4;
    QTest::newRow("fixed grid too big") << 6 << 6 << 1 << false << 3 << 3 << -4;
}

void TestAutoOrder::gridRules()
{
    QFETCH(int, count);
    QFETCH(int, jobCols);
    QFETCH(int, jobRows);
    QFETCH(bool, autoGrid);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(int, code);
    CStitchOptions* job = imageJob(StitchStyleTile, count);
    job->m_Matrix.m_lCols = jobCols;
    job->m_Matrix.m_lRows = jobRows;
    QStringList names = {"stale"};
    int c = cols;
    int r = rows;
    QCOMPARE(PSAutoOrder(job, names, &c, &r, autoGrid, 4, 4), code);
    // Nothing moved, nothing was written back.
    QCOMPARE(job->m_Matrix.m_lCols, jobCols);
    QCOMPARE(job->m_Matrix.m_lRows, jobRows);
    QCOMPARE(c, cols);
    QCOMPARE(r, rows);
    QCOMPARE(names, QStringList{"stale"});
    QStringList loaded;
    for (int i = 0; i < count; ++i)
        loaded << QStringLiteral("e%1").arg(i);
    QCOMPARE(elementNames(job), loaded);
    QCOMPARE(PSAutoOrder(nullptr, names, &c, &r, autoGrid, 4, 4), -2);
    QCOMPARE(PSAutoOrder(job, names, nullptr, &r, autoGrid, 4, 4), -2);
    PSReleaseStitch(job);
}

void TestAutoOrder::namesRebuilt()
{
    // The caller's list is rebuilt with exactly the job's names, whatever it
    // held; progress climbs to 100.
    CStitchOptions* job = imageJob(StitchStyleHorizontal, 3);
    QStringList names = {"old1", "old2", "old3", "old4"};
    int c = 0;
    int r = 0;
    QCOMPARE(PSAutoOrder(job, names, &c, &r, false, 4, 4), -4); // 0 x 0 is no grid for three
    c = 3;
    r = 1;
    QCOMPARE(PSAutoOrder(job, names, &c, &r, false, 4, 4), 0);
    QCOMPARE(names, elementNames(job));
    QCOMPARE(m_host->progress.last(), 100);
    for (int i = 1; i < m_host->progress.size(); ++i)
        QVERIFY2(m_host->progress[i] >= m_host->progress[i - 1], qPrintable(QString::number(i)));
    PSReleaseStitch(job);
}

void TestAutoOrder::cancelLeavesOrder()
{
    CStitchOptions* job = imageJob(StitchStyleHorizontal, 4);
    m_host->cancelAtProgressCall = 3;
    QStringList names = {"kept"};
    int c = 0;
    int r = 0;
    QCOMPARE(PSAutoOrder(job, names, &c, &r, true, 4, 4), -1);
    QCOMPARE(names, QStringList{"kept"});
    QCOMPARE(elementNames(job), (QStringList{"e0", "e1", "e2", "e3"}));
    QCOMPARE(m_host->progress.last(), 100);
    PSReleaseStitch(job);
}

void TestAutoOrder::missingLayerFails()
{
    // The third image's ordering layer is gone (and cannot be fetched):
    // -3, the order stays.
    CStitchOptions* job = imageJob(StitchStyleHorizontal, 4);
    CStitchElement& e = job->m_Matrix.m_pElements[2];
    CStitchOptions::MemFree(e.m_Pyramid.m_phLayers[1]);
    e.m_Pyramid.m_phLayers[1] = nullptr;
    QStringList names;
    int c = 0;
    int r = 0;
    QCOMPARE(PSAutoOrder(job, names, &c, &r, true, 4, 4), -3);
    QVERIFY(names.isEmpty());
    QCOMPARE(elementNames(job), (QStringList{"e0", "e1", "e2", "e3"}));
    PSReleaseStitch(job);
}

void TestAutoOrder::shuffledViews_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("shuffle"); // load index i holds view shuffle[i]
    QTest::addColumn<bool>("hard");
    const QList<int> ten = {6, 2, 9, 0, 4, 7, 1, 8, 3, 5};
    const QList<int> nine = {5, 8, 0, 3, 7, 1, 6, 2, 4};
    QTest::newRow("row of five") << 0 << 5 << 1 << QList<int>{3, 0, 4, 1, 2} << false;
    QTest::newRow("column of four") << 1 << 1 << 4 << QList<int>{2, 0, 3, 1} << false;
    QTest::newRow("ring of ten") << 2 << 10 << 1 << ten << false;
    QTest::newRow("3 x 3 tile") << 3 << 3 << 3 << nine << false;
    // Exposure 0.8..1.2, noise, JPEG 85 and rolls of up to 3 degrees.
    QTest::newRow("row of five, hard") << 0 << 5 << 1 << QList<int>{3, 0, 4, 1, 2} << true;
    QTest::newRow("column of four, hard") << 1 << 1 << 4 << QList<int>{2, 0, 3, 1} << true;
    QTest::newRow("ring of ten, hard") << 2 << 10 << 1 << ten << true;
    QTest::newRow("3 x 3 tile, hard") << 3 << 3 << 3 << nine << true;
}

void TestAutoOrder::shuffledViews()
{
    QFETCH(int, style);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(QList<int>, shuffle);
    QFETCH(bool, hard);
    const QString path = SyntheticViews::photoPath();
    if (path.isEmpty())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    QImage photo;
    QVERIFY(photo.load(path));
    // 320 x 240 views 60 degrees across; columns and tiles turn the camera
    // up and down, so they lie on a sphere, tiles with a longer lens.
    const SyntheticViews::Surface surface = style == 1 || style == 3 ? SyntheticViews::Surface::Sphere
                                                                     : SyntheticViews::Surface::Cylinder;
    const double focal = 160 / std::tan((style == 3 ? 12 : 30) * M_PI / 180);
    const SyntheticViews views(photo, surface, 320, 240, focal);
    QList<SyntheticViews::Camera> cameras;
    switch (style) {
    case 0: cameras = views.row(cols, 0.4); break;
    case 1: cameras = views.column(rows, 0.4); break;
    case 2: cameras = views.ring(cols); break;
    default: cameras = views.tile(cols, rows, 0.4); break;
    }
    if (hard)
        cameras = SyntheticViews::rolled(cameras);
    const QList<SyntheticViews::Hardship> hardships = SyntheticViews::hardships(int(cameras.size()));
    QStringList loadNames;
    QList<tagPOINT> sizes;
    for (int view : shuffle) {
        loadNames << QStringLiteral("view%1").arg(view);
        sizes << tagPOINT{views.width(), views.height()};
        m_host->addImage(loadNames.last(),
                         hard ? views.render(cameras[view], hardships[view]) : views.render(cameras[view]));
    }
    tagStitchCallbacks table = m_host->callbacks();
    CStitchOptions* job = PSCreateStitch(tagStitchStyle(style), StitchOutputQuarter, StitchMethodCalibrated, &table);
    QVERIFY(job);
    QCOMPARE(PSLoadImages(job, int(loadNames.size()), loadNames, sizes.data()), 0);
    QStringList names; // the engine hands over an empty list
    int c = 0;
    int r = 0;
    const int code = PSAutoOrder(job, names, &c, &r, true, 4, 4);
    PSReleaseStitch(job);
    QCOMPARE(code, 0);
    QStringList expected;
    const int n = int(shuffle.size());
    // A ring may start anywhere: compare from where view0 landed.
    const int start = style == 2 ? int(names.indexOf(QStringLiteral("view0"))) : 0;
    QVERIFY(start >= 0);
    for (int i = 0; i < n; ++i)
        expected << QStringLiteral("view%1").arg(i);
    QStringList got;
    for (int i = 0; i < n; ++i)
        got << names.value((start + i) % n);
    QCOMPARE(got, expected);
    if (style == 3) {
        QCOMPARE(c, cols);
        QCOMPARE(r, rows);
    }
}

QTEST_GUILESS_MAIN(TestAutoOrder)
#include "tst_autoorder.moc"
