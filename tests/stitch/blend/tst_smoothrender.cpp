#include "SmoothRenderFixture.h"
#include "Texture.h"

#include "stitch/blend/CSmoothRender.h"
#include "stitch/pyramid/CFileManager.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QStandardPaths>
#include <QtTest>

#include <cstring>
#include <memory>
#include <vector>

Q_DECLARE_METATYPE(tagPOINT)

namespace {

constexpr unsigned short U = 65535;
using Words = QList<unsigned short>;

Words recordOf(const unsigned short* path)
{
    Words out;
    if (!path)
        return out;
    const int count = path[0] == 0 ? 1 : path[0];
    for (int i = 0; i < count; ++i)
        out << path[i];
    return out;
}

// A renderer over a hand-made graph (no images needed for the search).
struct GraphSearch
{
    CStitchOptions job;
    CSmoothRender render{&job, nullptr, nullptr, nullptr, nullptr};

    Words run(const std::vector<unsigned short>& graph, int width)
    {
        render.SetBand({}, {}, true, width, int(graph.size()) / width, 1, nullptr);
        render.DividingPathGlobal(graph.data());
        std::unique_ptr<unsigned short[]> path(render.TakePath());
        return recordOf(path.get());
    }
};

QByteArray fileBytes(CStitchOptions& job, int id)
{
    QString name;
    job.m_FileManager.GetTotalTempFileName(id, name);
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray graphBytes(qint32 width, qint32 height, const std::vector<unsigned short>& values)
{
    QByteArray out;
    out.append(reinterpret_cast<const char*>(&width), 4);
    out.append(reinterpret_cast<const char*>(&height), 4);
    out.append(reinterpret_cast<const char*>(values.data()), qsizetype(values.size() * 2));
    return out;
}

QString outputFolder()
{
    const QString path = QStandardPaths::writableLocation(QStandardPaths::TempLocation) + QStringLiteral("/vellumar-seams");
    QDir().mkpath(path);
    return path;
}

} // namespace

class TestSmoothRender : public QObject
{
    Q_OBJECT

private slots:
    void globalPath_data();
    void globalPath();
    void searchMatchesPlainRule();
    void windowRule_data();
    void windowRule();
    void shortOrNarrowOverlaps_data();
    void shortOrNarrowOverlaps();
    void graphFileBytes_data();
    void graphFileBytes();
    void flagsAndWeights();
    void reduce_data();
    void reduce();
    void expand_data();
    void expand();
    void pyramidStepsMatchPlainRule();
    void levelSizes();
    void identicalImagesBlendToThemselves();
    void seamGoesRoundAPatch();
    void blendQuality_data();
    void blendQuality();
    void vertical();
    void streamedBlendMatchesSteps_data();
    void streamedBlendMatchesSteps();
    void narrowOverlaps_data();
    void narrowOverlaps();
    void cancelAtEveryReport();
    void unwritableTemporaryFolder();
    void refusedLockFailsTheSeam_data();
    void refusedLockFailsTheSeam();
    void tileStripSeamKeepsStrips();
    void searchThroughMovedPoint();
    void movedPointRefused_data();
    void movedPointRefused();
    void graphFileOfWrongSize_data();
    void graphFileOfWrongSize();
    void gradientAndRotation();
};

void TestSmoothRender::globalPath_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<std::vector<unsigned short>>("graph");
    QTest::addColumn<Words>("record");

    // Column 2 ties with its neighbours on every row: straight on.
    QTest::newRow("straight-on tie") << 5
                                     << std::vector<unsigned short>{9, 0, 0, 0, 9, 9, 9, 0, 9, 9, 9, 9, 0, 9, 9}
                                     << Words{5, 2, 2, 2, 2};
    // Row 1, column 0: prev[1] = prev[0] = 0, so the back pointer is 1.
    // Costs of row 1: column 0 = 0 + 0, column 1 = 0 + 9, ...: end column 0.
    QTest::newRow("column-0 tie") << 4 << std::vector<unsigned short>{0, 0, 5, 5, 0, 9, 9, 9} << Words{4, 1, 0, 1};
    // Row 1 costs 10 5 5 0 10 (column 3 comes from column 2), row 2 costs
    // ... 0 at column 3 (straight): seam 2, 3, 3 from the top.
    QTest::newRow("valley shifts a column")
        << 5 << std::vector<unsigned short>{5, 5, 0, 5, 5, 5, 5, 5, 0, 5, 5, 5, 5, 0, 5} << Words{5, 2, 3, 3, 2};
    // Every row holds 5 usable values of 10. Forward: row 2 reaches only
    // columns 0..2, so row 3 (usable 4..8) is unreachable: the upper piece
    // ends on row 2 at column 0 (tie at column 0 points to 1, then 1).
    // Backward from row 6: row 4 reaches 0..2 only and row 3 is unreachable
    // again, so the lower piece is rows 4..6 (0, 1, 1) and row 3 is 0xFFFF.
    QTest::newRow("split seam") << 10
                                << std::vector<unsigned short>{0, 0, 0, 0, 0, U, U, U, U, U, //
                                                               0, 0, 0, 0, 0, U, U, U, U, U, //
                                                               0, 0, 0, U, U, U, U, U, 0, 0, //
                                                               U, U, U, U, 0, 0, 0, 0, 0, U, //
                                                               0, 0, 0, U, U, U, U, U, 0, 0, //
                                                               0, 0, 0, 0, 0, U, U, U, U, U, //
                                                               0, 0, 0, 0, 0, U, U, U, U, U}
                                << Words{9, 6, 1, 1, 0, 0xFFFF, 0, 1, 1};
    QTest::newRow("mask clear everywhere") << 4 << std::vector<unsigned short>(12, U) << Words{0};
    // Row 1 costs X 1 0 (column 1 takes column 2), row 2 costs 8 7 X: end
    // column 1, back to 2, then 2.
    QTest::newRow("walls below the first row")
        << 3 << std::vector<unsigned short>{U, U, 0, U, 1, 0, 7, 7, U} << Words{5, 2, 1, 2, 2};
    // Unusable first-row pixels start at 65535, not unreachable: row 1's only
    // usable pixel (column 2) is reached from them.
    QTest::newRow("first-row unusable is reachable") << 3 << std::vector<unsigned short>{0, U, U, U, U, 0}
                                                     << Words{4, 1, 2, 2};
}

void TestSmoothRender::globalPath()
{
    QFETCH(int, width);
    QFETCH(std::vector<unsigned short>, graph);
    QFETCH(Words, record);
    GraphSearch search;
    QCOMPARE(search.run(graph, width), record);
}

namespace {

// The seam search read straight from the rule: the window, one back
// pointer per cell held for the whole graph, the split seam searched again
// from the bottom. The library keeps only a few rows of moves and sweeps
// again on the trace; both must give the same record.
Words plainSearch(const std::vector<unsigned short>& g, int w)
{
    const int h = int(g.size()) / w;
    auto good = [&](int row) {
        int usable = 0;
        for (int x = 0; x < w; ++x)
            usable += g[size_t(row * w + x)] != U;
        return usable >= w / 2;
    };
    int top = 0;
    while (top < h && !good(top))
        ++top;
    if (top == h)
        return Words{0};
    int bottom = h - 1;
    while (!good(bottom))
        --bottom;
    int first = top, last = bottom;
    for (int row = top; row <= bottom; ++row) {
        if (good(row))
            continue;
        if (row - top >= bottom - row) {
            last = row - 1;
            break;
        }
        first = row + 1;
    }
    if (last <= first)
        return Words{0};
    const long long kNever = 1LL << 40;
    std::vector<int> back(size_t(w * h), -1);
    // One pass from row `from` to `to`; returns the last row reached and
    // leaves its costs in cost.
    auto pass = [&](int from, int to, std::vector<long long>& cost) {
        const int step = to >= from ? 1 : -1;
        cost.assign(size_t(w), 0);
        for (int x = 0; x < w; ++x)
            cost[size_t(x)] = g[size_t(from * w + x)];
        int reached = from;
        for (int row = from + step; row != to + step; row += step) {
            std::vector<long long> next(size_t(w), kNever);
            bool any = false;
            for (int c = 0; c < w; ++c) {
                int pick = c;
                if (w > 1 && c == 0)
                    pick = cost[1] <= cost[0] ? 1 : 0;
                else if (w > 1 && c == w - 1)
                    pick = cost[size_t(w - 2)] < cost[size_t(w - 1)] ? w - 2 : w - 1;
                else if (w > 1) {
                    if (cost[size_t(c - 1)] < cost[size_t(c)])
                        pick = c - 1;
                    if (cost[size_t(c + 1)] < cost[size_t(pick)])
                        pick = c + 1;
                }
                back[size_t(row * w + c)] = pick;
                if (g[size_t(row * w + c)] == U || cost[size_t(pick)] == kNever)
                    continue;
                next[size_t(c)] = cost[size_t(pick)] + g[size_t(row * w + c)];
                any = true;
            }
            if (!any)
                break;
            cost = next;
            reached = row;
        }
        return reached;
    };
    auto cheapest = [&](const std::vector<long long>& cost) {
        return int(std::min_element(cost.begin(), cost.end()) - cost.begin());
    };
    std::vector<int> column(size_t(h), 0xFFFF);
    std::vector<long long> cost;
    const int reached = pass(first, last, cost);
    int c = cheapest(cost);
    for (int row = reached; row >= first; --row) {
        column[size_t(row)] = c;
        if (row > first)
            c = back[size_t(row * w + c)];
    }
    if (reached < last) {
        const int upTo = pass(last, reached + 1, cost);
        c = cheapest(cost);
        for (int row = upTo; row <= last; ++row) {
            column[size_t(row)] = c;
            if (row < last)
                c = back[size_t(row * w + c)];
        }
    }
    Words out{(unsigned short)(last - first + 3), (unsigned short)last};
    for (int row = last; row >= first; --row)
        out << (unsigned short)column[size_t(row)];
    return out;
}

} // namespace

void TestSmoothRender::searchMatchesPlainRule()
{
    // Tall graphs (many trace segments), narrow and wide, with ties (few
    // distinct values) and walls of unusable pixels that split the seam.
    QRandomGenerator random(44);
    int splits = 0;
    for (int n = 0; n < 200; ++n) {
        const int w = n % 10 == 0 ? random.bounded(1, 4) : random.bounded(4, 48);
        const int h = random.bounded(2, n % 3 == 0 ? 1200 : 120);
        const int values = n % 2 == 0 ? 3 : 766;
        std::vector<unsigned short> g(size_t(w * h));
        for (auto& v : g)
            v = (unsigned short)random.bounded(values);
        const int walls = w >= 8 ? random.bounded(4) : 0;
        for (int k = 0; k < walls && h > 3; ++k) {
            // Three rows each half usable that no seam can cross: the left
            // half, then the outer quarters, then the middle shifted right.
            const int row = random.bounded(h - 2);
            for (int x = 0; x < w; ++x) {
                if (x >= w / 2)
                    g[size_t(row * w + x)] = U;
                if (x >= w / 4 && x < 3 * w / 4)
                    g[size_t((row + 1) * w + x)] = U;
                if (x <= w / 4 || x > w / 4 + (w + 1) / 2)
                    g[size_t((row + 2) * w + x)] = U;
            }
        }
        if (n % 7 == 0)
            for (auto& v : g)
                if (random.bounded(20) == 0)
                    v = U;
        GraphSearch search;
        const Words expected = plainSearch(g, w);
        splits += expected.contains(0xFFFF);
        QCOMPARE(search.run(g, w), expected);
    }
    QVERIFY(splits > 5);
}

void TestSmoothRender::windowRule_data()
{
    QTest::addColumn<QList<int>>("badRows");
    QTest::addColumn<Words>("firstAndLast"); // word 1 and the first row

    // 10 rows of a 4-wide zero graph; a bad row has 3 unusable values.
    QTest::newRow("none") << QList<int>{} << Words{9, 0};
    QTest::newRow("bad top rows skipped") << QList<int>{0, 1} << Words{9, 2};
    // Row 6 of the window 0..9: 6 - 0 >= 9 - 6, the window ends at 5.
    QTest::newRow("late bad row ends it") << QList<int>{6} << Words{5, 0};
    // Row 3: 3 - 0 < 9 - 3, the window starts at 4; row 7: 7 - 0 >= 2: ends at 6.
    QTest::newRow("both sides") << QList<int>{3, 7} << Words{6, 4};
}

void TestSmoothRender::windowRule()
{
    QFETCH(QList<int>, badRows);
    QFETCH(Words, firstAndLast);
    std::vector<unsigned short> graph(40, 0);
    for (int row : badRows)
        for (int x = 1; x < 4; ++x)
            graph[size_t(row * 4 + x)] = U;
    GraphSearch search;
    const Words record = search.run(graph, 4);
    QCOMPARE(record.value(1), firstAndLast[0]);
    QCOMPARE(int(record.value(1)) - int(record.value(0)) + 3, int(firstAndLast[1]));
}

void TestSmoothRender::shortOrNarrowOverlaps_data()
{
    QTest::addColumn<int>("overlapWidth");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("clearMask");
    QTest::addColumn<int>("count"); // of the stored record, 0 for none

    QTest::newRow("7 columns") << 7 << 100 << false << 0;
    QTest::newRow("31 path rows dropped") << 20 << 31 << false << 0;
    QTest::newRow("32 path rows kept") << 20 << 32 << false << 34;
    QTest::newRow("mask clear everywhere") << 20 << 64 << true << 0;
}

void TestSmoothRender::shortOrNarrowOverlaps()
{
    QFETCH(int, overlapWidth);
    QFETCH(int, height);
    QFETCH(bool, clearMask);
    QFETCH(int, count);
    SmoothRenderFixture f(40, height, 40, height, 40 - overlapWidth, 0);
    f.paintBoth([](int x, int y) { return unsigned(x * 3 + y); }, [](int x, int y) { return unsigned(x * 3 + y + 2); },
                {}, [&](int, int) { return !clearMask; });
    f.b.Lock();
    const QByteArray before(reinterpret_cast<const char*>(f.b.Bits()), f.b.Stride() * height);
    CSmoothRender render(&f.job, &f.a, &f.maskA, &f.b, &f.maskB);
    QCOMPARE(render.Run(f.overlap, f.rectA, f.rectB, f.element(), true, 0, 100), 0);
    const QByteArray after(reinterpret_cast<const char*>(f.b.Bits()), f.b.Stride() * height);
    f.b.Unlock();
    if (count == 0) {
        QVERIFY(!f.element()->m_pRightPath);
        QCOMPARE(f.element()->m_lRightGraphId, -1);
        QVERIFY(before == after);
    } else {
        QVERIFY(f.element()->m_pRightPath);
        QCOMPARE(int(f.element()->m_pRightPath[0]), count);
        QVERIFY(f.element()->m_lRightGraphId != -1);
        QVERIFY(before != after);
    }
    QVERIFY(f.host.errors.isEmpty());
}

void TestSmoothRender::graphFileBytes_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("horizontal") << true;
    QTest::newRow("vertical, transposed") << false;
}

void TestSmoothRender::graphFileBytes()
{
    QFETCH(bool, horizontal);
    // Overlap 10 x 40 (horizontal pair) or 40 x 10 (vertical pair); the
    // images differ by d(x, y) = (x + 2y) mod 7 in blue, 1 in green, so the
    // graph value is d + 1; pixel (3, 5) of the overlap is outside B.
    const int ow = horizontal ? 10 : 40;
    const int oh = horizontal ? 40 : 10;
    SmoothRenderFixture f(horizontal ? 30 : ow, horizontal ? oh : 30, horizontal ? 30 : ow, horizontal ? oh : 30,
                          horizontal ? 20 : 0, horizontal ? 0 : 20);
    const int ox = f.overlap.left, oy = f.overlap.top;
    auto d = [&](int x, int y) { return unsigned((x - ox + 2 * (y - oy)) % 7); };
    f.paintBoth([](int, int) { return 0x101010u; }, [&](int x, int y) { return 0x101110u + d(x, y); }, {},
                [&](int x, int y) { return !(x - ox == 3 && y - oy == 5); });
    CSmoothRender render(&f.job, &f.a, &f.maskA, &f.b, &f.maskB);
    QCOMPARE(render.Run(f.overlap, f.rectA, f.rectB, f.element(), horizontal, 0, 100), 0);
    // The search graph: rows are scan lines for a horizontal pair, overlap
    // columns for a vertical one.
    std::vector<unsigned short> expected;
    const int gw = horizontal ? ow : oh, gh = horizontal ? oh : ow;
    for (int r = 0; r < gh; ++r) {
        for (int c = 0; c < gw; ++c) {
            const int x = horizontal ? c : r, y = horizontal ? r : c;
            expected.push_back(x == 3 && y == 5 ? U : (unsigned short)(d(x + ox, y + oy) + 1));
        }
    }
    QCOMPARE(fileBytes(f.job, f.element()->m_lRightGraphId), graphBytes(gw, gh, expected));
    QCOMPARE(int(f.element()->m_pRightPath[1]), gh - 1);
}

void TestSmoothRender::flagsAndWeights()
{
    // Band half-width 5 (11 wide), graph 11 wide, four path rows with the
    // seam at column 5:
    // row 0: 50 50 50 0 0 [0] 0 50 ...: left run 2 (columns 4, 3), right 1;
    //   weights 4096 x 3, trunc((0.5 + 2/5) 4096) = 3686, trunc(0.7 x 4096)
    //   = 2867, 2048, trunc((0.5 - 1/3) 4096) = 682, then 0.
    // row 1: the seam pixel is 46: no flags, a hard cut (4096 x 5, 0 x 6).
    // row 2: the seam pixel is 45 and its neighbours 46: only it is flagged.
    // row 3: 0xFFFF in the record: no flags, zero extents.
    std::vector<unsigned short> graph = {50, 50, 50, 0, 0, 0, 0, 50, 50, 50, 50, //
                                         0, 0, 0, 0, 0, 46, 0, 0, 0, 0, 0,       //
                                         9, 9, 9, 9, 46, 45, 46, 9, 9, 9, 9,     //
                                         0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    unsigned short path[6] = {6, 3, 0xFFFF, 5, 5, 5};
    CStitchOptions job;
    CSmoothRender render(&job, nullptr, nullptr, nullptr, nullptr);
    render.SetBand({}, {}, true, 11, 4, 5, path);
    QCOMPARE(render.SetWeightedFlags(graph.data()), 0);
    const QByteArray flags(reinterpret_cast<const char*>(render.SeamFlags()), 44);
    QCOMPARE(flags, QByteArray::fromHex("0000000101010100000000"
                                        "0000000000000000000000"
                                        "0000000000010000000000"
                                        "0000000000000000000000"));
    const unsigned* e = render.SeamExtents();
    QCOMPARE((QList<unsigned>{e[0], e[1], e[2], e[3], e[4], e[5], e[6], e[7]}),
             (QList<unsigned>{2, 1, 0, 0, 0, 0, 0, 0}));
    QCOMPARE(render.AllocMemoryForPyramid(), 0);
    render.SetWeightedCoefficients();
    QVERIFY(!render.SeamFlags());
    const int* w = render.WeightPyramid()[0];
    QCOMPARE(QList<int>(w, w + 11), (QList<int>{4096, 4096, 4096, 3686, 2867, 2048, 682, 0, 0, 0, 0}));
    QCOMPARE(QList<int>(w + 11, w + 22), (QList<int>{4096, 4096, 4096, 4096, 4096, 0, 0, 0, 0, 0, 0}));
    QCOMPARE(QList<int>(w + 22, w + 33), (QList<int>{4096, 4096, 4096, 4096, 4096, 2048, 0, 0, 0, 0, 0}));
    render.TakePath();
}

void TestSmoothRender::reduce_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QList<int>>("source");
    QTest::addColumn<QList<int>>("expected");

    // Rows identical: the column pass multiplies by 20, so each output is
    // (row sum x 20) / 400 = row sum / 20, truncated toward zero.
    // Row of 6: j=0: 8p0 + 10p1 + 2p2; j=1: 8p2 + 5(p1 + p3) + p0 + p4;
    // j=2: 8p4 + 5(p3 + p5) + p2 + p1 (index 6 reads 6 mod 5 = 1).
    QTest::newRow("index 6 reads 1") << 6 << 2 << QList<int>{0, 40, 0, 0, 0, 0, 0, 40, 0, 0, 0, 0}
                                     << QList<int>{20, 10, 2};
    QTest::newRow("right edge 5") << 6 << 2 << QList<int>{0, 0, 0, 0, 0, 20, 0, 0, 0, 0, 0, 20} << QList<int>{0, 0, 5};
    // Width 7: n = 6, so index 6 still reads index 1 and the last sample
    // (99) is never read.
    QTest::newRow("odd width ignores last") << 7 << 2 << QList<int>{0, 40, 0, 0, 0, 0, 99, 0, 40, 0, 0, 0, 0, 99}
                                            << QList<int>{20, 10, 2};
    // -56 x 20 / 400 = -2.8 -> -2 (not -3); -7 x 20 / 400 = -0.35 -> 0.
    QTest::newRow("negative truncates toward zero") << 6 << 2 << QList<int>{-7, 0, 0, 0, 0, 0, -7, 0, 0, 0, 0, 0}
                                                    << QList<int>{-2, 0, 0};
    // Column of 4 (width 2: the row pass gives 9p0 + 11p1 = 20 p): row
    // j=0: 8r0 + 10r1 + 2r2, j=1: 8r2 + 5(r1 + r3) + r0 + r4, r4 reads r2.
    // Rows 0 0 20 0: j=0: 2 x 20 x 20 / 400 = 2... times the row 20:
    // j=0 = (2 x 20) x 20 / 400 = 2, j=1 = (9 x 20) x 20 / 400 = 9.
    QTest::newRow("bottom reads h - 2") << 2 << 4 << QList<int>{0, 0, 0, 0, 20, 20, 0, 0} << QList<int>{2, 9};
    // Width 2: j=0 reads -2 -> 2 (past the row: kept at 1), 2 -> 2 mod 1 = 0:
    // 8p0 + 5(p1 + p1) + (p1 + p0) = 9p0 + 11p1; (9 x 20) x 20 / 400 = 9.
    QTest::newRow("two samples") << 2 << 2 << QList<int>{20, 0, 20, 0} << QList<int>{9};
    // Width 3, height 3: row j=0: 8p0 + 10p1 + p2 + p(2 mod 1 = 0) = 9p0 + 10p1 + p2.
    QTest::newRow("three samples") << 3 << 3 << QList<int>{0, 0, 20, 0, 0, 20, 0, 0, 20} << QList<int>{1};
}

void TestSmoothRender::reduce()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QList<int>, source);
    QFETCH(QList<int>, expected);
    CStitchOptions job;
    CSmoothRender render(&job, nullptr, nullptr, nullptr, nullptr);
    render.SetPyramidFilter();
    std::vector<short> s(source.begin(), source.end());
    std::vector<short> out(expected.size(), short(1234));
    QCOMPARE(render.Reduce2D(s.data(), width, height, out.data()), 0);
    QCOMPARE(QList<int>(out.begin(), out.end()), expected);
    // The 32-bit form follows the same rule.
    std::vector<int> wide(expected.size(), 1234);
    QCOMPARE(render.Reduce2D(source.data(), width, height, wide.data()), 0);
    QCOMPARE(QList<int>(wide.begin(), wide.end()), expected);
    QCOMPARE(render.Reduce2D(static_cast<const short*>(nullptr), width, height, out.data()), -4);
}

void TestSmoothRender::expand_data()
{
    QTest::addColumn<int>("width"); // of the finer level
    QTest::addColumn<int>("height");
    QTest::addColumn<QList<int>>("coarse");
    QTest::addColumn<bool>("add");
    QTest::addColumn<QList<int>>("fine"); // starting from 100 everywhere

    // One coarse row: the column pass gives 20 x the row pass, so each
    // output is (row pass) / 20. Row of 3: k0, k1: 8q0 + 10q1 + 2q2;
    // k2: 5q0 + 10q1 + 5q2 (q3 reads 1); k3: 2q0 + 10q1 + 8q2;
    // k4: q0 + 10q1 + 9q2 (q4 reads 2); k5: 10q1 + 10q2.
    // q = 20 0 0: 160 160 100 40 20 0 -> 8 8 5 2 1 0.
    QTest::newRow("taps, subtracted") << 6 << 2 << QList<int>{20, 0, 0} << false
                                      << QList<int>{92, 92, 95, 98, 99, 100, 92, 92, 95, 98, 99, 100};
    // q = 0 0 40: 80 80 200 320 360 400 -> 4 4 10 16 18 20; column 6 untouched.
    QTest::newRow("right edge, added, odd width")
        << 7 << 2 << QList<int>{0, 0, 40} << true
        << QList<int>{104, 104, 110, 116, 118, 120, 100, 104, 104, 110, 116, 118, 120, 100};
    // q = -3 0 0: -24 -24 -15 -6 -3 0, x 20 / 400: -1.2 -1.2 -0.75 ... -> -1 -1 0 0 0 0.
    QTest::newRow("negative truncates toward zero")
        << 6 << 2 << QList<int>{-3, 0, 0} << true << QList<int>{99, 99, 100, 100, 100, 100, 99, 99, 100, 100, 100, 100};
    // Coarse column of 2 rows (width 2: one coarse sample per row), q = 0
    // and 20. A row of one sample reads only itself: R = 20 q, so R0 = 0,
    // R1 = 400. Rows of 2: -1 reads 1, -2 reads 2 (past the level: kept at
    // 1), 2 and 3 read 1 - (i mod 1) = 1.
    // r0 = 8R0 + 5(R1 + R1) + (R1 + R1) = 12R1 -> 4800 / 400 = 12; r1 =
    // 8(R0 + R1) + 2(R1 + R1) = 12R1 -> 12; r2 = 8R1 + 5(R0 + R1) + (R1 +
    // R1) = 15R1 -> 15; r3 = 8(R1 + R1) + 2(R0 + R1) = 18R1 -> 18.
    QTest::newRow("bottom reads n - 2, small level") << 2 << 4 << QList<int>{0, 20} << true
                                                     << QList<int>{112, 112, 112, 112, 115, 115, 118, 118};
}

void TestSmoothRender::expand()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QList<int>, coarse);
    QFETCH(bool, add);
    QFETCH(QList<int>, fine);
    CStitchOptions job;
    CSmoothRender render(&job, nullptr, nullptr, nullptr, nullptr);
    render.SetPyramidFilter();
    std::vector<short> c(coarse.begin(), coarse.end());
    std::vector<short> out(size_t(width * height), short(100));
    QCOMPARE(render.Expand2D(c.data(), width, height, out.data(), add), 0);
    QCOMPARE(QList<int>(out.begin(), out.end()), fine);
    std::vector<int> wide(size_t(width * height), 100);
    QCOMPARE(render.Expand2D(coarse.data(), width, height, wide.data(), add), 0);
    QCOMPARE(QList<int>(wide.begin(), wide.end()), fine);
    QCOMPARE(render.Expand2D(c.data(), width, height, static_cast<short*>(nullptr), add), -4);
}

void TestSmoothRender::pyramidStepsMatchPlainRule()
{
    // The reduce keeps a rotating window of row-filtered rows and the
    // expand works row pass then column pass; a plain per-sample reading of
    // the rule (every tap read straight from the level) must agree on every
    // sample, for every small size and for odd and even edges.
    const int reduceTaps[5] = {1, 5, 8, 5, 1};
    auto clampTo = [](int i, int n) { return std::clamp(i, 0, n - 1); };
    auto reduceColumn = [&](int i, int w) {
        const int n = w & ~1;
        return clampTo(i < 0 ? -i : (i >= n && n > 1 ? i % (n - 1) : i), w);
    };
    auto reduceRow = [&](int r, int h) { return clampTo(r < 0 ? -r : (r >= h ? 2 * (h - 1) - r : r), h); };
    auto expandIndex = [&](int i, int n) { return clampTo(i < 0 ? -i : (i >= n && n > 1 ? n - 1 - i % (n - 1) : i), n); };
    // Expand taps by phase: even output k reads m-2..m+2 with 1 5 8 5 1,
    // odd output reads m-1..m+2 with 2 8 8 2.
    auto expandTaps = [](int k, int d) {
        static const int even[5] = {1, 5, 8, 5, 1};
        static const int odd[5] = {0, 2, 8, 8, 2};
        return k % 2 == 0 ? even[d + 2] : odd[d + 2];
    };
    CStitchOptions job;
    CSmoothRender render(&job, nullptr, nullptr, nullptr, nullptr);
    render.SetPyramidFilter();
    QRandomGenerator random(11);
    for (int w = 2; w <= 13; ++w) {
        for (int h = 2; h <= 13; ++h) {
            std::vector<int> level(size_t(w * h));
            for (int& v : level)
                v = random.bounded(-300, 300);
            std::vector<int> reduced(size_t((w / 2) * (h / 2)));
            QCOMPARE(render.Reduce2D(level.data(), w, h, reduced.data()), 0);
            for (int j = 0; j < h / 2; ++j)
                for (int k = 0; k < w / 2; ++k) {
                    long long sum = 0;
                    for (int dr = -2; dr <= 2; ++dr)
                        for (int dc = -2; dc <= 2; ++dc)
                            sum += reduceTaps[dr + 2] * reduceTaps[dc + 2]
                                * level[size_t(reduceRow(2 * j + dr, h) * w + reduceColumn(2 * k + dc, w))];
                    QCOMPARE(reduced[size_t(j * (w / 2) + k)], int(sum / 400));
                }
            const int n = w / 2, rows = h / 2;
            std::vector<int> fine(level);
            QCOMPARE(render.Expand2D(reduced.data(), w, h, fine.data(), true), 0);
            for (int r = 0; r < h; ++r)
                for (int k = 0; k < w; ++k) {
                    long long sum = 0;
                    if (r < 2 * rows && k < 2 * n)
                        for (int dr = -2; dr <= 2; ++dr)
                            for (int dc = -2; dc <= 2; ++dc)
                                sum += expandTaps(r, dr) * expandTaps(k, dc)
                                    * reduced[size_t(expandIndex(r / 2 + dr, rows) * n + expandIndex(k / 2 + dc, n))];
                    QCOMPARE(fine[size_t(r * w + k)], level[size_t(r * w + k)] + int(sum / 400));
                }
        }
    }
}

void TestSmoothRender::levelSizes()
{
    // A band 2 x 49 + 1 = 99 wide and 64 rows: 99 x 64, 49 x 32, 24 x 16.
    CStitchOptions job;
    CSmoothRender render(&job, nullptr, nullptr, nullptr, nullptr);
    std::vector<unsigned short> path(66, 0);
    path[0] = 66;
    path[1] = 63;
    render.SetBand({}, {}, true, 100, 64, 49, path.data());
    QCOMPARE((QList<int>{render.LevelWidth(0), render.LevelHeight(0), render.LevelWidth(1), render.LevelHeight(1),
                         render.LevelWidth(2), render.LevelHeight(2)}),
             (QList<int>{99, 64, 49, 32, 24, 16}));
    render.TakePath();
}

namespace {

// Overlap 60 x 96 of two 160 x 96 views side by side (B moved by 100).
struct SideBySide : SmoothRenderFixture
{
    SideBySide(tagStitchStyle style = StitchStyleHorizontal) : SmoothRenderFixture(160, 96, 160, 96, 100, 0, style) {}
};

// Column x of the overlap (panorama x - 100) has a blue difference of
// |x - 30|: the cheapest seam runs straight down column 30.
unsigned valleyA(int, int)
{
    return 0x404040;
}
unsigned valleyB(int x, int)
{
    const int d = x >= 100 && x < 160 ? std::abs(x - 130) : 0;
    return unsigned(0x404040 + d);
}

int maxDifference(CImage& image, const tagRECT& rect, const std::function<unsigned(int, int)>& truth, int dx, int dy)
{
    image.Lock();
    int worst = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x) {
            const unsigned char* p = SmoothRenderFixture::pixel(image, x, y);
            const unsigned t = truth(x + dx, y + dy);
            worst = std::max({worst, std::abs(p[0] - int(t & 0xFF)), std::abs(p[1] - int((t >> 8) & 0xFF)),
                              std::abs(p[2] - int(t >> 16))});
        }
    image.Unlock();
    return worst;
}

} // namespace

void TestSmoothRender::identicalImagesBlendToThemselves()
{
    SideBySide f;
    const Texture texture(300, 200, 9, 4);
    auto colour = [&](int x, int y) { return texture.at(x, y); };
    f.paintBoth(colour, colour);
    CSmoothRender render(&f.job, &f.a, &f.maskA, &f.b, &f.maskB);
    QCOMPARE(render.Run(f.overlap, f.rectA, f.rectB, f.element(), true, 0, 100), 0);
    QVERIFY(f.element()->m_pRightPath);
    const int worst = maxDifference(f.b, {0, 0, 60, 96}, colour, 100, 0);
    QVERIFY2(worst <= 1, qPrintable(QString::number(worst)));
}

void TestSmoothRender::seamGoesRoundAPatch()
{
    // Without the patch the seam runs down column 30. B shows something
    // that moved (a patch over columns 25..35 of rows 30..60 of the
    // overlap): the seam goes round it instead of through it.
    SideBySide f;
    auto patch = [](int x, int y) { return x >= 125 && x <= 135 && y >= 30 && y <= 60; };
    f.paintBoth(valleyA, [&](int x, int y) { return patch(x, y) ? 0xE0E0E0u : valleyB(x, y); });
    CSmoothRender render(&f.job, &f.a, &f.maskA, &f.b, &f.maskB);
    QCOMPARE(render.Run(f.overlap, f.rectA, f.rectB, f.element(), true, 0, 100), 0);
    const unsigned short* path = f.element()->m_pRightPath;
    QVERIFY(path);
    QCOMPARE(int(path[0]), 98);
    QCOMPARE(int(path[1]), 95);
    for (int row = 0; row < 96; ++row) {
        const int column = path[2 + 95 - row];
        if (row > 0)
            QVERIFY(std::abs(column - int(path[2 + 95 - row + 1])) <= 1);
        if (row >= 30 && row <= 60)
            QVERIFY2(column < 25 || column > 35, qPrintable(QStringLiteral("row %1 column %2").arg(row).arg(column)));
    }
    QCOMPARE(int(path[2]), 30);
    QCOMPARE(int(path[2 + 95]), 30);
}

void TestSmoothRender::blendQuality_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("offset"); // A = truth + offset, B = truth - offset
    QTest::addColumn<bool>("patch");
    QTest::newRow("side by side, exposure 4 apart") << true << 2 << false;
    QTest::newRow("one above the other, exposure 4 apart") << false << 2 << false;
    QTest::newRow("side by side, a moved patch") << true << 1 << true;
}

void TestSmoothRender::blendQuality()
{
    QFETCH(bool, horizontal);
    QFETCH(int, offset);
    QFETCH(bool, patch);
    const int dx = horizontal ? 100 : 0, dy = horizontal ? 0 : 100;
    SmoothRenderFixture f(horizontal ? 160 : 96, horizontal ? 96 : 160, horizontal ? 160 : 96, horizontal ? 96 : 160,
                          dx, dy);
    const Texture texture(280, 280, 23, 7);
    auto truth = [&](int x, int y) { return texture.at(x, y); };
    auto shifted = [&](int x, int y, int by) {
        const unsigned t = truth(x, y);
        unsigned out = 0;
        for (int s = 0; s < 24; s += 8)
            out |= unsigned(std::clamp(int((t >> s) & 0xFF) + by, 0, 255)) << s;
        return out;
    };
    // The patch lies across the seam's natural place, in B only.
    auto inPatch = [&](int x, int y) {
        const int u = horizontal ? x - 100 : y - 100, v = horizontal ? y : x;
        return patch && u >= 25 && u <= 40 && v >= 30 && v <= 60;
    };
    // B is also registered one row off, so the two differ most where the
    // texture changes fast and the seam has somewhere to go.
    f.paintBoth([&](int x, int y) { return shifted(x, y, offset); },
                [&](int x, int y) { return inPatch(x, y) ? 0x2020E0u : shifted(x, y + 1, -offset); });
    CSmoothRender render(&f.job, &f.a, &f.maskA, &f.b, &f.maskB);
    QCOMPARE(render.Run(f.overlap, f.rectA, f.rectB, f.element(), horizontal, 0, 100), 0);
    const unsigned short* path = f.element()->m_pRightPath;
    QVERIFY(path && path[0] > 2);

    // Seam visibility: the mean change from 4 pixels before the seam to 4
    // pixels after it on the path rows, less the truth's mean change there.
    f.b.Lock();
    auto at = [&](int row, int column, int channel) {
        const int x = horizontal ? column : row, y = horizontal ? row : column;
        return int(SmoothRenderFixture::pixel(f.b, x + f.overlap.left - dx, y + f.overlap.top - dy)[channel]);
    };
    auto truthAt = [&](int row, int column, int channel) {
        const int x = horizontal ? column : row, y = horizontal ? row : column;
        return int((truth(x + f.overlap.left, y + f.overlap.top) >> (8 * channel)) & 0xFF);
    };
    const int count = path[0] - 2, last = path[1];
    const int across = 60;
    double step = 0;
    int steps = 0;
    for (int k = 0; k < count; ++k) {
        const int row = last - k, s = path[2 + k];
        // The patch's own edge is no seam.
        auto patchAt = [&](int column) {
            const int x = horizontal ? column : row, y = horizontal ? row : column;
            return inPatch(x + f.overlap.left, y + f.overlap.top);
        };
        if (s < 4 || s + 4 >= across || patchAt(s - 4) || patchAt(s + 4))
            continue;
        for (int c = 0; c < 3; ++c)
            step += std::abs(at(row, s + 4, c) - at(row, s - 4, c)) - std::abs(truthAt(row, s + 4, c) - truthAt(row, s - 4, c));
        steps += 3;
    }
    QVERIFY(steps > 3 * count / 3);
    step /= steps;
    // Colour error: mean absolute difference to the truth over the overlap,
    // away from the patch.
    double error = 0;
    int samples = 0;
    QImage picture(horizontal ? 60 : 96, horizontal ? 96 : 60, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const unsigned char* p = SmoothRenderFixture::pixel(f.b, x + f.overlap.left - dx, y + f.overlap.top - dy);
            picture.setPixel(x, picture.height() - 1 - y, qRgb(p[2], p[1], p[0]));
            if (inPatch(x + f.overlap.left, y + f.overlap.top))
                continue;
            const unsigned t = truth(x + f.overlap.left, y + f.overlap.top);
            error += std::abs(p[0] - int(t & 0xFF)) + std::abs(p[1] - int((t >> 8) & 0xFF)) + std::abs(p[2] - int(t >> 16));
            samples += 3;
        }
    f.b.Unlock();
    error /= samples;
    for (int k = 0; k < count; ++k) {
        const int row = last - k, s = path[2 + k];
        if (s == 0xFFFF)
            continue;
        const int x = horizontal ? s : row, y = horizontal ? row : s;
        picture.setPixel(x, picture.height() - 1 - y, qRgb(255, 0, 255));
    }
    const QString png = outputFolder() + QStringLiteral("/seam-%1.png").arg(QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-')).remove(QLatin1Char(',')));
    picture.scaled(picture.size() * 4).save(png);
    qInfo("seam visibility %.3f levels, colour error %.3f, picture %s", step, error, qPrintable(png));
    QVERIFY2(step <= 1.5, qPrintable(QString::number(step)));
    QVERIFY2(error <= 3.0, qPrintable(QString::number(error)));
}

void TestSmoothRender::vertical()
{
    // A vertical pair: the seam runs across, one point per overlap column;
    // the blend writes only inside B and widens B's mask over A's side.
    SmoothRenderFixture f(96, 160, 96, 160, 0, 100);
    f.paintBoth([](int, int) { return 0x303030u; }, [](int, int) { return 0x303034u; }, {},
                [](int x, int y) { return !(x < 10 && y < 120); });
    CSmoothRender render(&f.job, &f.a, &f.maskA, &f.b, &f.maskB);
    QCOMPARE(render.Run(f.overlap, f.rectA, f.rectB, f.element(), false, 0, 100), 0);
    const unsigned short* path = f.element()->m_pRightPath;
    QVERIFY(path);
    QCOMPARE(int(path[0]), 96 + 2); // one word per overlap column
    QCOMPARE(int(path[1]), 95);
    // B's pixels that only A covered (columns 0..9 of overlap rows 0..19)
    // are A's colour now, and B covers them.
    f.b.Lock();
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 10; ++x) {
            QVERIFY(f.maskB.GetPixel(unsigned(y), unsigned(x)));
            QVERIFY(std::abs(SmoothRenderFixture::pixel(f.b, x, y)[2] - 0x30) <= 1);
        }
    f.b.Unlock();
}

void TestSmoothRender::streamedBlendMatchesSteps_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("across");
    QTest::addColumn<int>("along");
    QTest::addColumn<bool>("holes");
    QTest::addColumn<bool>("skippedRows");

    QTest::newRow("horizontal") << true << 90 << 203 << false << false;
    QTest::newRow("horizontal, holes and skipped rows") << true << 120 << 260 << true << true;
    QTest::newRow("vertical, holes") << false << 70 << 181 << true << false;
    QTest::newRow("vertical, skipped rows") << false << 101 << 150 << false << true;
    QTest::newRow("narrow band") << true << 9 << 97 << true << false;
}

void TestSmoothRender::streamedBlendMatchesSteps()
{
    // StitchWithLaplace makes every level row by row as the rows below need
    // it; driving the level-at-a-time members one after another (the rule as
    // written) must leave image B and its mask byte for byte the same.
    QFETCH(bool, horizontal);
    QFETCH(int, across);
    QFETCH(int, along);
    QFETCH(bool, holes);
    QFETCH(bool, skippedRows);
    const int wa = horizontal ? across + 40 : along, ha = horizontal ? along : across + 40;
    const int dx = horizontal ? 40 : 0, dy = horizontal ? 0 : 40;
    const Texture textureA(wa + 60, ha + 60, 7, 3), textureB(wa + 60, ha + 60, 11, 8);
    auto colourA = [&](int x, int y) { return textureA.at(x, y); };
    auto colourB = [&](int x, int y) { return (x / 13 + y / 17) % 5 == 0 ? textureB.at(x, y) : textureA.at(x, y); };
    auto cover = [&](int x, int y) { return !holes || (x * 7 + y * 3) % 23 > 2 || (x / 9 + y / 11) % 3 != 0; };
    // One fixture (one host): B and its mask are put back between the runs.
    SmoothRenderFixture f(wa, ha, wa, ha, dx, dy);
    f.paintBoth(colourA, colourB, cover, cover);
    tagRECT overlapA = f.overlap, overlapB = f.overlap;
    OffsetRect(&overlapB, -dx, -dy);
    const int w = f.overlap.right - f.overlap.left, h = f.overlap.bottom - f.overlap.top;
    const int searchWidth = horizontal ? w : h, searchHeight = horizontal ? h : w;
    const int half = std::min((searchWidth - 1) / 2, std::max(128, searchWidth / 8));
    const qsizetype bytes = qsizetype(f.b.Stride()) * ha;
    auto imageB = [&] {
        f.b.Lock();
        const QByteArray out(reinterpret_cast<const char*>(f.b.Bits()), bytes);
        f.b.Unlock();
        return out;
    };
    auto maskB = [&] { return QByteArray(reinterpret_cast<const char*>(f.maskB.Bits()), f.maskB.Size()); };
    const QByteArray imageBefore = imageB(), maskBefore = maskB();

    // The same seam and flags for both runs.
    std::vector<unsigned short> path;
    auto prepare = [&](CSmoothRender& render) {
        std::vector<unsigned short> graph(size_t(w * h));
        render.SetBand(overlapA, overlapB, horizontal, w, h, half, nullptr);
        render.DifferenceMap(graph.data());
        if (!horizontal)
            render.RotateWeightedGraph(graph.data());
        render.SetBand(overlapA, overlapB, horizontal, searchWidth, searchHeight, half, nullptr);
        render.DividingPathGlobal(graph.data());
        std::unique_ptr<unsigned short[]> found(render.TakePath());
        path.assign(found.get(), found.get() + found[0]);
        if (skippedRows)
            for (size_t i = 2; i < path.size(); i += 9)
                path[i] = 0xFFFF;
        render.SetBand(overlapA, overlapB, horizontal, searchWidth, searchHeight, half, path.data());
        QCOMPARE(render.SetWeightedFlags(graph.data()), 0);
    };

    CSmoothRender fast(&f.job, &f.a, &f.maskA, &f.b, &f.maskB);
    prepare(fast);
    QCOMPARE(int(path.size()), searchHeight + 2);
    QCOMPARE(fast.StitchWithLaplace(0, 100), 0);
    fast.TakePath();
    const QByteArray imageFast = imageB(), maskFast = maskB();
    QVERIFY(imageFast != imageBefore);

    f.b.Lock();
    std::memcpy(f.b.Bits(), imageBefore.constData(), size_t(bytes));
    f.b.Unlock();
    std::memcpy(f.maskB.Bits(), maskBefore.constData(), size_t(maskBefore.size()));
    CSmoothRender plain(&f.job, &f.a, &f.maskA, &f.b, &f.maskB);
    prepare(plain);
    QCOMPARE(plain.AllocMemoryForPyramid(), 0);
    plain.SetPyramidFilter();
    plain.SetWeightedCoefficients();
    QCOMPARE(plain.StartupWeightedGaussianPyramid(), 0);
    for (int channel = 0; channel < 3; ++channel) {
        plain.SetChannel(channel);
        horizontal ? plain.GetOriginOverlapDataHorz() : plain.GetOriginOverlapDataVert();
        QCOMPARE(plain.StartupGaussianPyramid(), 0);
        QCOMPARE(plain.StartupLaplacePyramid(0, 100), 0);
        plain.StartupWeightedLaplacePyramid();
        QCOMPARE(plain.ReconstructLaplacePyramid(0, 100), 0);
        horizontal ? plain.ReplaceWithLaplaceHorz() : plain.ReplaceWithLaplaceVert();
        plain.ResetWeightedLaplacePyramid();
    }
    horizontal ? plain.ReplaceDataHorz() : plain.ReplaceDataVert();
    plain.ReleaseMemoryForPyramid();
    plain.TakePath();

    QVERIFY(imageB() == imageFast);
    QVERIFY(maskB() == maskFast);
}

void TestSmoothRender::narrowOverlaps_data()
{
    QTest::addColumn<int>("overlapWidth");
    QTest::addColumn<int>("layer");
    for (int width = 8; width <= 12; ++width)
        for (int layer = 0; layer <= 2; ++layer)
            QTest::addRow("%d wide, layer %d", width, layer) << width << layer;
}

void TestSmoothRender::narrowOverlaps()
{
    QFETCH(int, overlapWidth);
    QFETCH(int, layer);
    // Bands of 7 to 11 samples: level 2 is 1 or 2 samples wide.
    SmoothRenderFixture f(40, 48, 40, 48, 40 - overlapWidth, 0);
    f.job.m_lWorkingLayer = layer;
    const Texture texture(100, 60, 5, 3);
    auto colour = [&](int x, int y) { return texture.at(x, y); };
    f.paintBoth(colour, colour);
    CSmoothRender render(&f.job, &f.a, &f.maskA, &f.b, &f.maskB);
    QCOMPARE(render.Run(f.overlap, f.rectA, f.rectB, f.element(), true, 0, 100), 0);
    QCOMPARE(render.HalfWidth(), (overlapWidth - 1) / 2);
    QVERIFY(f.element()->m_pRightPath);
    const int worst = maxDifference(f.b, {0, 0, overlapWidth, 48}, colour, 40 - overlapWidth, 0);
    QVERIFY2(worst <= 2, qPrintable(QString::number(worst)));
}

void TestSmoothRender::cancelAtEveryReport()
{
    int reports = 0;
    for (int n = 0; n < 500; ++n) {
        SmoothRenderFixture f(40, 40, 40, 40, 20, 0);
        f.paintBoth(valleyA, [](int x, int y) { return unsigned(0x404040 + (x + y) % 5); });
        f.host.cancelAtProgressCall = n;
        CSmoothRender render(&f.job, &f.a, &f.maskA, &f.b, &f.maskB);
        const int result = render.Run(f.overlap, f.rectA, f.rectB, f.element(), true, 10, 60);
        QVERIFY(f.host.errors.isEmpty());
        for (int percent : f.host.progress)
            QVERIFY(percent >= 10 && percent <= 60);
        if (result == 0) {
            reports = n;
            QVERIFY(f.element()->m_pRightPath);
            break;
        }
        QCOMPARE(result, -1);
        QVERIFY(!render.PyramidA() && !render.WeightPyramid());
    }
    // Every report was cancelled once: the seam's and the blend's.
    QVERIFY(reports > 30);
}

void TestSmoothRender::unwritableTemporaryFolder()
{
    SideBySide f;
    f.job.m_FileManager.SetTempDir(f.dir.path() + QStringLiteral("/missing/folder"));
    f.paintBoth(valleyA, valleyB);
    f.b.Lock();
    const QByteArray before(reinterpret_cast<const char*>(f.b.Bits()), f.b.Stride() * 96);
    f.b.Unlock();
    CSmoothRender render(&f.job, &f.a, &f.maskA, &f.b, &f.maskB);
    QCOMPARE(render.Run(f.overlap, f.rectA, f.rectB, f.element(), true, 0, 100), -3);
    QVERIFY(!f.element()->m_pRightPath);
    QCOMPARE(f.element()->m_lRightGraphId, -1);
    QVERIFY(!render.Path());
    f.b.Lock();
    QVERIFY(before == QByteArray(reinterpret_cast<const char*>(f.b.Bits()), f.b.Stride() * 96));
    f.b.Unlock();
}

void TestSmoothRender::refusedLockFailsTheSeam_data()
{
    QTest::addColumn<int>("pair"); // 0 side by side, 1 one above the other, 2 row strips of a tile grid
    QTest::newRow("side by side") << 0;
    // The difference map of a vertical pair is filled transposed.
    QTest::newRow("one above the other") << 1;
    // The strips' overlaps are copied and kept first.
    QTest::newRow("tile strips") << 2;
}

void TestSmoothRender::refusedLockFailsTheSeam()
{
    QFETCH(int, pair);
    const bool horizontal = pair == 0;
    auto make = [pair]() {
        auto* f = pair == 0 ? new SmoothRenderFixture(160, 96, 160, 96, 100, 0)
                            : new SmoothRenderFixture(96, 160, 96, 160, 0, 100,
                                                      pair == 2 ? StitchStyleTile : StitchStyleVertical);
        f->paintBoth([](int x, int y) { return unsigned(0x404040 + (x * 3 + y) % 40); },
                     [](int x, int y) { return unsigned(0x303030 + (x + 5 * y) % 60); });
        return std::unique_ptr<SmoothRenderFixture>(f);
    };
    auto pixelsOf = [](CImage& image) {
        image.Lock();
        const QByteArray bytes(reinterpret_cast<const char*>(image.Bits()), image.Stride() * image.Height());
        image.Unlock();
        return bytes;
    };
    int locks = 0;
    {
        auto f = make();
        const int start = f->host.lockCalls;
        CSmoothRender render(&f->job, &f->a, &f->maskA, &f->b, &f->maskB);
        QCOMPARE(render.Run(f->overlap, f->rectA, f->rectB, f->element(), horizontal, 0, 100), 0);
        locks = f->host.lockCalls - start;
    }
    QVERIFY(locks > 4);
    // Each lock of the seam refused in turn: -3, never a seam searched over
    // a map of nothing or a band left unblended that passes as joined. A
    // refusal before the seam is kept leaves B as it was.
    int beforeTheSeam = 0;
    for (int n = 0; n < locks; ++n) {
        auto f = make();
        const QByteArray original = pixelsOf(f->b);
        f->host.failLockAt = f->host.lockCalls + n;
        int code = 0;
        {
            CSmoothRender render(&f->job, &f->a, &f->maskA, &f->b, &f->maskB);
            code = render.Run(f->overlap, f->rectA, f->rectB, f->element(), horizontal, 0, 100);
        }
        f->host.failLockAt = -1;
        const QString what = QStringLiteral("lock %1 of %2").arg(n).arg(locks);
        // A bitmap the host gives but will not lock while it is made (the
        // strips' copies) is one not had: -2.
        QVERIFY2(code == -3 || (code == -2 && pair == 2), qPrintable(what + QStringLiteral(": %1").arg(code)));
        QVERIFY2(f->host.locksHeld == 0, qPrintable(what));
        const CStitchElement* e = f->element();
        if (!e->m_pRightPath && !e->m_pLowerPath) {
            ++beforeTheSeam;
            QVERIFY2(pixelsOf(f->b) == original, qPrintable(what));
        }
    }
    // The size checks and the difference map at least.
    QVERIFY(beforeTheSeam >= 2);
}

void TestSmoothRender::tileStripSeamKeepsStrips()
{
    // The seam between two row strips of a tile grid: both strips' overlaps
    // are kept with their masks, and the path is the lower one.
    SmoothRenderFixture f(96, 160, 96, 160, 0, 100, StitchStyleTile);
    f.job.m_lFillColour = 0x123456;
    f.paintBoth([](int x, int y) { return unsigned(0x200000 + x * 256 + y); }, valleyA, [](int x, int) { return x != 5; });
    CSmoothRender render(&f.job, &f.a, &f.maskA, &f.b, &f.maskB);
    QCOMPARE(render.Run(f.overlap, f.rectA, f.rectB, f.element(), false, 0, 100), 0);
    CStitchElement* e = f.element();
    QVERIFY(e->m_pLowerPath && !e->m_pRightPath);
    QCOMPARE(e->m_lRightGraphId, -1);
    for (int id : {e->m_lStripImageId, e->m_lStripMaskId, e->m_lNextStripImageId, e->m_lNextStripMaskId, e->m_lLowerGraphId})
        QVERIFY(id != -1);
    CImage strip;
    QVERIFY(f.job.m_FileManager.LoadImageFile(e->m_lStripImageId, &strip));
    QCOMPARE(strip.Width(), 96);
    QCOMPARE(strip.Height(), 60);
    CMask stripMask;
    QVERIFY(f.job.m_FileManager.LoadMaskFile(e->m_lStripMaskId, &stripMask));
    strip.Lock();
    // Overlap row 7 is A's row 107: pixel (9, 7) = 0x20 red, 9 green, 107 blue.
    const unsigned char* p = SmoothRenderFixture::pixel(strip, 9, 7);
    QCOMPARE((QList<int>{p[0], p[1], p[2]}), (QList<int>{107, 9, 0x20}));
    strip.Unlock();
    QVERIFY(stripMask.GetPixel(7, 9));
    QVERIFY(!stripMask.GetPixel(7, 5));
    QCOMPARE(fileBytes(f.job, e->m_lLowerGraphId).mid(0, 8), graphBytes(60, 96, {}));
}

namespace {

// A stored seam down column 30 of SideBySide's overlap.
struct StoredSeam : SideBySide
{
    CSmoothRender render{&job, &a, &maskA, &b, &maskB};
    tagRECT overlapA{100, 0, 160, 96};
    tagRECT overlapB{0, 0, 60, 96};

    bool run()
    {
        paintBoth(valleyA, valleyB);
        return render.Run(overlap, rectA, rectB, element(), true, 0, 100) == 0 && element()->m_pRightPath
            && element()->m_pRightPath[2] == 30;
    }
};

} // namespace

void TestSmoothRender::searchThroughMovedPoint()
{
    StoredSeam f;
    QVERIFY(f.run());
    std::vector<unsigned short> out(f.element()->m_pRightPath, f.element()->m_pRightPath + 98);
    unsigned short* slot = out.data();
    tagPOINT points[3] = {{40, 48}, {30, 20}, {30, 80}};
    bool changed = false;

    // The skip flag searches nothing and leaves the flag alone.
    CSmoothRender skipping(&f.job, &f.a, &f.maskA, &f.b, &f.maskB);
    changed = true;
    QCOMPARE(skipping.SearchRun({0, 0}, true, f.overlapA, f.overlapB, points, true, &changed, &slot), 0);
    QVERIFY(changed);
    QCOMPARE(out[50], (unsigned short)30);

    changed = false;
    CSmoothRender search(&f.job, &f.a, &f.maskA, &f.b, &f.maskB);
    QCOMPARE(search.SearchRun({0, 0}, true, f.overlapA, f.overlapB, points, false, &changed, &slot), 0);
    QVERIFY(changed);
    // Same rows (end bound given: word 1 stays 95; start bound given: the
    // stored rows before 20 stay), the seam through (40, 48), kept outside
    // rows 20..80 and continuous.
    QCOMPARE(int(out[0]), 98);
    QCOMPARE(int(out[1]), 95);
    auto column = [&](int row) { return int(out[size_t(2 + 95 - row)]); };
    QCOMPARE(column(48), 40);
    for (int row = 0; row < 96; ++row) {
        if (row < 20 || row > 80)
            QCOMPARE(column(row), 30);
        if (row > 0)
            QVERIFY(std::abs(column(row) - column(row - 1)) <= 1);
    }
    // The element's own record is the caller's to replace.
    QCOMPARE(int(f.element()->m_pRightPath[2 + 95 - 48]), 30);
}

void TestSmoothRender::movedPointRefused_data()
{
    QTest::addColumn<tagPOINT>("moved");
    QTest::addColumn<tagPOINT>("start");
    QTest::newRow("on the stored seam") << tagPOINT{30, 48} << tagPOINT{-1, -1};
    QTest::newRow("column past the graph") << tagPOINT{60, 48} << tagPOINT{-1, -1};
    QTest::newRow("negative column") << tagPOINT{-5, 48} << tagPOINT{-1, -1};
    QTest::newRow("row past the graph") << tagPOINT{10, 96} << tagPOINT{-1, -1};
    QTest::newRow("before the start bound") << tagPOINT{10, 10} << tagPOINT{30, 20};
    QTest::newRow("start bound off the graph") << tagPOINT{10, 40} << tagPOINT{30, 400};
}

void TestSmoothRender::movedPointRefused()
{
    QFETCH(tagPOINT, moved);
    QFETCH(tagPOINT, start);
    StoredSeam f;
    QVERIFY(f.run());
    tagPOINT points[3] = {moved, start, {-1, -1}};
    bool changed = true;
    unsigned short* slot = nullptr;
    CSmoothRender search(&f.job, &f.a, &f.maskA, &f.b, &f.maskB);
    QCOMPARE(search.SearchRun({0, 0}, true, f.overlapA, f.overlapB, points, false, &changed, &slot), 0);
    QVERIFY(!changed);
}

void TestSmoothRender::graphFileOfWrongSize_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("present");
    QTest::newRow("transposed") << 96 << 60 << true;
    QTest::newRow("one column more") << 61 << 96 << true;
    QTest::newRow("missing") << 60 << 96 << false;
}

void TestSmoothRender::graphFileOfWrongSize()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, present);
    StoredSeam f;
    QVERIFY(f.run());
    const int id = f.element()->m_lRightGraphId;
    if (present) {
        std::vector<unsigned short> values(size_t(width * height), 0);
        QVERIFY(f.job.m_FileManager.SaveGraphFile(id, values.data(), width, height));
    } else {
        f.job.RemoveFile(id);
    }
    tagPOINT points[3] = {{40, 48}, {-1, -1}, {-1, -1}};
    bool changed = false;
    unsigned short* slot = nullptr;
    CSmoothRender search(&f.job, &f.a, &f.maskA, &f.b, &f.maskB);
    QCOMPARE(search.SearchRun({0, 0}, true, f.overlapA, f.overlapB, points, false, &changed, &slot), -3);
    QVERIFY(!changed);
}

void TestSmoothRender::gradientAndRotation()
{
    CStitchOptions job;
    CSmoothRender render(&job, nullptr, nullptr, nullptr, nullptr);
    render.SetBand({}, {}, true, 3, 2, 1, nullptr);
    std::vector<unsigned short> graph = {1, 2, 3, 4, 5, 6};
    QVERIFY(render.RotateWeightedGraph(graph.data()));
    QCOMPARE(QList<unsigned short>(graph.begin(), graph.end()), (QList<unsigned short>{1, 4, 2, 5, 3, 6}));

    // p(x, y) = 8x with one unusable corner; edges clamp. At (1, 0): Gx =
    // 16 + 16 - 0 - 0 + 2 x 16 = 64, Gy = 0: 8. At (0, 0): Gx = 8 + 8 +
    // 2 x 8 = 32: 4. Pixels next to the unusable one keep their value.
    render.SetBand({}, {}, true, 3, 3, 1, nullptr);
    graph = {0, 8, 16, 0, 8, 16, 0, 8, U};
    QVERIFY(render.CalcGradientImage(graph.data()));
    QCOMPARE(QList<unsigned short>(graph.begin(), graph.end()), (QList<unsigned short>{4, 8, 4, 4, 8, 16, 4, 8, U}));
}


QTEST_GUILESS_MAIN(TestSmoothRender)
#include "tst_smoothrender.moc"
