#include "StitchTestHost.h"
#include "SyntheticViews.h"

#include "stitch/image/CImage.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/style/CAutoStyle.h"

#include <QtTest>

#include <cmath>

// The automatic style choice: the decision between the three trials' scores
// on its own, and shuffled synthetic sets that must come back as the row,
// column, ring or tile grid they are.
class TestAutoStyle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void closeScores_data();
    void closeScores();
    void decision_data();
    void decision();
    void challengeFailureEndsTheChoice();

    void shuffledSets_data();
    void shuffledSets();
    void challenges_data();
    void challenges();
    void primeCountsNeverTryATile_data();
    void primeCountsNeverTryATile();
    void cancelledChoiceKeepsTheOrder();
    void progressStaysInTheRange();

    void autoStyleStitchRow();
    void autoStyleStitchRefusesBadArguments_data();
    void autoStyleStitchRefusesBadArguments();

private:
    struct ShuffledSet
    {
        QStringList names;
        QList<tagPOINT> sizes;
    };
    // Views of a row, column, ring or tile (style 0..3) registered with the
    // host in the shuffled order.
    ShuffledSet makeSet(int style, int cols, int rows, const QList<int>& shuffle, int width = 320, int height = 240);
    static QStringList elementNames(CStitchOptions* job);

    QImage m_photo;
    StitchTestHost* m_host = nullptr;
};

Q_DECLARE_METATYPE(StyleChallenge)

void TestAutoStyle::initTestCase()
{
    const QString path = SyntheticViews::photoPath();
    if (!path.isEmpty())
        QVERIFY(m_photo.load(path));
}

void TestAutoStyle::init()
{
    m_host = new StitchTestHost;
}

void TestAutoStyle::cleanup()
{
    const bool clean = m_host->clean();
    const QString report = m_host->report();
    delete m_host;
    m_host = nullptr;
    if (!QTest::currentTestFailed())
        QVERIFY2(clean, qPrintable(report));
}

TestAutoStyle::ShuffledSet TestAutoStyle::makeSet(int style, int cols, int rows, const QList<int>& shuffle, int width,
                                                  int height)
{
    // Columns and tiles turn the camera up and down, so they lie on a
    // sphere, tiles with a longer lens.
    const SyntheticViews::Surface surface = style == 1 || style == 3 ? SyntheticViews::Surface::Sphere
                                                                     : SyntheticViews::Surface::Cylinder;
    const double focal = width / 2.0 / std::tan((style == 3 ? 12 : 30) * M_PI / 180);
    const SyntheticViews views(m_photo, surface, width, height, focal);
    QList<SyntheticViews::Camera> cameras;
    switch (style) {
    // Ten views of a row share half their width, so the row spans 330
    // degrees and its ends do not meet.
    case 0: cameras = views.row(cols, cols >= 10 ? 0.5 : 0.4); break;
    case 1: cameras = views.column(rows, 0.4); break;
    case 2: cameras = views.ring(cols); break;
    default: cameras = views.tile(cols, rows, 0.4); break;
    }
    ShuffledSet set;
    for (int view : shuffle) {
        set.names << QStringLiteral("view%1").arg(view);
        set.sizes << tagPOINT{width, height};
        m_host->addImage(set.names.last(), views.render(cameras[view]));
    }
    return set;
}

QStringList TestAutoStyle::elementNames(CStitchOptions* job)
{
    QStringList names;
    for (int i = 0; i < job->m_Matrix.m_lCount; ++i)
        names << job->m_Matrix.m_pElements[i].m_Pyramid.m_strName;
    return names;
}

void TestAutoStyle::closeScores_data()
{
    QTest::addColumn<double>("best");
    QTest::addColumn<double>("second");
    QTest::addColumn<bool>("close");
    QTest::newRow("a fifth above") << 1000.0 << 1200.0 << true;
    QTest::newRow("21 % above") << 1000.0 << 1210.0 << false;
    QTest::newRow("equal") << 1000.0 << 1000.0 << true;
    QTest::newRow("second without order") << 1900.0 << 2050.0 << false;
    QTest::newRow("both zero") << 0.0 << 0.0 << true;
    QTest::newRow("best zero") << 0.0 << 5.0 << false;
}

void TestAutoStyle::closeScores()
{
    QFETCH(double, best);
    QFETCH(double, second);
    QFETCH(bool, close);
    QCOMPARE(IsCloseScore(best, second), close);
}

void TestAutoStyle::decision_data()
{
    QTest::addColumn<double>("tile");
    QTest::addColumn<double>("row");
    QTest::addColumn<double>("column");
    QTest::addColumn<bool>("confirm");    // what the SIFT test answers when asked
    QTest::addColumn<int>("asked");       // the challenge asked, -1 for none
    QTest::addColumn<int>("style");
    const int tileOverRow = int(StyleChallenge::TileOverRow);
    const int tileOverColumn = int(StyleChallenge::TileOverColumn);
    const int columnOverRow = int(StyleChallenge::ColumnOverRow);

    // Row strictly lowest, column below tile: (1200 - 1000) / 1000 = 0.2 is
    // close, the row-against-column test decides.
    QTest::newRow("row, column close, not confirmed") << 2050.0 << 1000.0 << 1200.0 << false << columnOverRow << 0;
    QTest::newRow("row, column close, confirmed") << 2050.0 << 1000.0 << 1200.0 << true << columnOverRow << 1;
    // 0.21 is not close: the row stays without a test.
    QTest::newRow("row, column not close") << 2050.0 << 1000.0 << 1210.0 << true << -1 << 0;
    // Row lowest, tile at or below column: the tile-against-row test.
    QTest::newRow("row, tile close, confirmed") << 1100.0 << 1000.0 << 1300.0 << true << tileOverRow << 3;
    QTest::newRow("row, tile close, not confirmed") << 1100.0 << 1000.0 << 1300.0 << false << tileOverRow << 0;
    QTest::newRow("row, tile equal to column") << 1150.0 << 1000.0 << 1150.0 << true << tileOverRow << 3;
    QTest::newRow("row, tile not close") << 1300.0 << 1000.0 << 1400.0 << true << -1 << 0;
    // Column strictly lowest.
    QTest::newRow("column, tile close, confirmed") << 1100.0 << 1500.0 << 1000.0 << true << tileOverColumn << 3;
    QTest::newRow("column, tile close, not confirmed") << 1100.0 << 1500.0 << 1000.0 << false << tileOverColumn << 1;
    QTest::newRow("column, row close, confirmed") << 1500.0 << 1100.0 << 1000.0 << true << columnOverRow << 1;
    QTest::newRow("column, row close, not confirmed") << 1500.0 << 1100.0 << 1000.0 << false << columnOverRow << 0;
    QTest::newRow("column, nothing close") << 2050.0 << 1300.0 << 1000.0 << true << -1 << 1;
    // Neither row nor column strictly lowest: tile first.
    QTest::newRow("tile, column close, confirmed") << 1000.0 << 1500.0 << 1100.0 << true << tileOverColumn << 3;
    QTest::newRow("tile, column close, not confirmed") << 1000.0 << 1500.0 << 1100.0 << false << tileOverColumn << 1;
    QTest::newRow("tile, row close, not confirmed") << 1000.0 << 1100.0 << 1500.0 << false << tileOverRow << 0;
    QTest::newRow("tile, nothing close") << 1000.0 << 1500.0 << 1400.0 << false << -1 << 3;
    // A tie between tile and row (column higher) starts from tile: the row
    // is 0 % above, so the tile-against-row test decides.
    QTest::newRow("tie tile and row, confirmed") << 1000.0 << 1000.0 << 1500.0 << true << tileOverRow << 3;
    QTest::newRow("tie tile and row, not confirmed") << 1000.0 << 1000.0 << 1500.0 << false << tileOverRow << 0;
    // Only the tile trial found an order.
    QTest::newRow("only tile") << 1000.0 << 2050.0 << 2050.0 << false << -1 << 3;
    // A prime count had no tile trial.
    QTest::newRow("no tile, row") << 2050.0 << 1000.0 << 2050.0 << true << -1 << 0;
    QTest::newRow("no tile, column") << 2050.0 << 2050.0 << 900.0 << true << -1 << 1;
}

void TestAutoStyle::decision()
{
    QFETCH(double, tile);
    QFETCH(double, row);
    QFETCH(double, column);
    QFETCH(bool, confirm);
    QFETCH(int, asked);
    QFETCH(int, style);
    QList<int> challenges;
    tagStitchStyle chosen = StitchStyle360;
    const int code = DecideStitchStyle(
        tile, row, column,
        [&](StyleChallenge which, bool* confirmed) {
            challenges << int(which);
            *confirmed = confirm;
            return 0;
        },
        &chosen);
    QCOMPARE(code, 0);
    QCOMPARE(challenges, asked < 0 ? QList<int>{} : QList<int>{asked});
    QCOMPARE(int(chosen), style);
}

void TestAutoStyle::challengeFailureEndsTheChoice()
{
    tagStitchStyle chosen = StitchStyle360;
    auto cancelled = [](StyleChallenge, bool*) { return int(StitchCancelled); };
    QCOMPARE(DecideStitchStyle(2050.0, 1000.0, 1200.0, cancelled, &chosen), int(StitchCancelled));
    QCOMPARE(DecideStitchStyle(2050.0, 2050.0, 2050.0, cancelled, &chosen), int(StitchNoOrder));
}

void TestAutoStyle::shuffledSets_data()
{
    QTest::addColumn<int>("style"); // of the views
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("shuffle"); // load index i holds view shuffle[i]
    QTest::addColumn<int>("expectedStyle");
    QTest::addColumn<int>("renderKind");
    QTest::newRow("row of five") << 0 << 5 << 1 << QList<int>{3, 0, 4, 1, 2} << 0 << 1;
    QTest::newRow("row of six") << 0 << 6 << 1 << QList<int>{4, 1, 5, 0, 3, 2} << 0 << 1;
    QTest::newRow("column of four") << 1 << 1 << 4 << QList<int>{2, 0, 3, 1} << 1 << 1;
    QTest::newRow("3 x 3 tile") << 3 << 3 << 3 << QList<int>{5, 8, 0, 3, 7, 1, 6, 2, 4} << 3 << 2;
    QTest::newRow("2 x 2 tile") << 3 << 2 << 2 << QList<int>{3, 0, 2, 1} << 3 << 2;
    QTest::newRow("3 x 2 tile") << 3 << 3 << 2 << QList<int>{4, 1, 5, 0, 3, 2} << 3 << 2;
    QTest::newRow("2 x 3 tile") << 3 << 2 << 3 << QList<int>{4, 1, 5, 0, 3, 2} << 3 << 2;
    QTest::newRow("4 x 2 tile") << 3 << 4 << 2 << QList<int>{5, 2, 7, 0, 4, 1, 6, 3} << 3 << 2;
    QTest::newRow("ring of ten") << 2 << 10 << 1 << QList<int>{6, 2, 9, 0, 4, 7, 1, 8, 3, 5} << 2 << 1;
    QTest::newRow("row of ten") << 0 << 10 << 1 << QList<int>{6, 2, 9, 0, 4, 7, 1, 8, 3, 5} << 0 << 1;
    // Eight views round the circle overlap all the way round, yet eight or
    // fewer photos are never taken for a ring.
    QTest::newRow("ring of eight stays a row") << 2 << 8 << 1 << QList<int>{5, 2, 7, 0, 4, 1, 6, 3} << 0 << 1;
}

void TestAutoStyle::shuffledSets()
{
    QFETCH(int, style);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(QList<int>, shuffle);
    QFETCH(int, expectedStyle);
    QFETCH(int, renderKind);
    if (m_photo.isNull())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    const ShuffledSet set = makeSet(style, cols, rows, shuffle);
    tagStitchCallbacks table = m_host->callbacks();
    // Loaded as a plain row, whatever the views are.
    CStitchOptions* job = PSCreateStitch(StitchStyleHorizontal, StitchOutputOriginal, StitchMethodCalibrated, &table);
    QVERIFY(job);
    QCOMPARE(PSLoadImages(job, int(set.names.size()), set.names, const_cast<tagPOINT*>(set.sizes.data())), 0);
    const int n = int(shuffle.size());
    const int code = AutoStyleOptimizeRun(job, n, n);
    const int gotStyle = job->m_Matrix.m_Style;
    const int gotCols = job->m_Matrix.m_lCols;
    const int gotRows = job->m_Matrix.m_lRows;
    const int gotKind = job->m_lRenderKind;
    const QStringList names = elementNames(job);
    PSReleaseStitch(job);
    QCOMPARE(code, 0);
    QCOMPARE(gotStyle, expectedStyle);
    QCOMPARE(gotKind, renderKind);
    const int expectedCols = expectedStyle == 1 ? 1 : expectedStyle == 3 ? cols : n;
    QCOMPARE(gotCols, expectedCols);
    QCOMPARE(gotRows, n / expectedCols);
    // A ring may start anywhere; the rest come in view order.
    const int start = style == 2 ? int(names.indexOf(QStringLiteral("view0"))) : 0;
    QVERIFY(start >= 0);
    QStringList got;
    QStringList expected;
    for (int i = 0; i < n; ++i) {
        got << names.value((start + i) % n);
        expected << QStringLiteral("view%1").arg(i);
    }
    QCOMPARE(got, expected);
}

void TestAutoStyle::challenges_data()
{
    QTest::addColumn<int>("style"); // of the views
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("shuffle");
    QTest::addColumn<int>("challenge");
    QTest::addColumn<bool>("confirmed");
    // The tile arrangement names cells, while the photos still stand in load
    // order. These orders put photos that share nothing (two columns apart)
    // at the load places of every tested pair of cells: a test that took a
    // cell for the photo at its load place could not confirm.
    QTest::newRow("4 x 2 tile, tile over row") << 3 << 4 << 2 << QList<int>{0, 1, 2, 3, 6, 7, 4, 5}
                                               << int(StyleChallenge::TileOverRow) << true;
    QTest::newRow("4 x 2 tile, tile over column") << 3 << 4 << 2 << QList<int>{0, 2, 4, 6, 1, 3, 5, 7}
                                                  << int(StyleChallenge::TileOverColumn) << true;
    // A row's links run across: none is tested, the row stays.
    QTest::newRow("row of six, column over row") << 0 << 6 << 1 << QList<int>{4, 1, 5, 0, 3, 2}
                                                 << int(StyleChallenge::ColumnOverRow) << false;
    // No tile trial for five photos: nothing to confirm.
    QTest::newRow("row of five, tile over row") << 0 << 5 << 1 << QList<int>{3, 0, 4, 1, 2}
                                                << int(StyleChallenge::TileOverRow) << false;
}

void TestAutoStyle::challenges()
{
    QFETCH(int, style);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(QList<int>, shuffle);
    QFETCH(int, challenge);
    QFETCH(bool, confirmed);
    if (m_photo.isNull())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    const ShuffledSet set = makeSet(style, cols, rows, shuffle);
    tagStitchCallbacks table = m_host->callbacks();
    CStitchOptions* job = PSCreateStitch(StitchStyleHorizontal, StitchOutputOriginal, StitchMethodCalibrated, &table);
    QVERIFY(job);
    QCOMPARE(PSLoadImages(job, int(set.names.size()), set.names, const_cast<tagPOINT*>(set.sizes.data())), 0);
    const int n = int(shuffle.size());
    bool got = !confirmed;
    const int code = AutoStyleChallenge(job, n, n, StyleChallenge(challenge), &got);
    const QStringList names = elementNames(job);
    PSReleaseStitch(job);
    QCOMPARE(code, 0);
    QCOMPARE(got, confirmed);
    QCOMPARE(names, set.names);
}

void TestAutoStyle::primeCountsNeverTryATile_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("tileTried");
    QTest::newRow("3") << 3 << false;
    QTest::newRow("5") << 5 << false;
    QTest::newRow("7") << 7 << false;
    QTest::newRow("4") << 4 << true;
    QTest::newRow("6") << 6 << true;
}

void TestAutoStyle::primeCountsNeverTryATile()
{
    QFETCH(int, count);
    QFETCH(bool, tileTried);
    if (m_photo.isNull())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    QList<int> order;
    for (int i = count - 1; i >= 0; --i)
        order << i;
    const ShuffledSet set = makeSet(0, count, 1, order, 160, 120);
    tagStitchCallbacks table = m_host->callbacks();
    CStitchOptions* job = PSCreateStitch(StitchStyleHorizontal, StitchOutputHalf, StitchMethodCalibrated, &table);
    QVERIFY(job);
    QCOMPARE(PSLoadImages(job, count, set.names, const_cast<tagPOINT*>(set.sizes.data())), 0);
    // The job's style at every report tells which trial is running.
    bool sawTile = false;
    m_host->onProgress = [&](int) { sawTile = sawTile || job->m_Matrix.m_Style == StitchStyleTile; };
    const int code = AutoStyleOptimizeRun(job, count, count);
    m_host->onProgress = {};
    const int style = job->m_Matrix.m_Style;
    PSReleaseStitch(job);
    QCOMPARE(code, 0);
    QCOMPARE(sawTile, tileTried);
    QCOMPARE(style, int(StitchStyleHorizontal));
}

void TestAutoStyle::cancelledChoiceKeepsTheOrder()
{
    if (m_photo.isNull())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    const ShuffledSet set = makeSet(0, 6, 1, {4, 1, 5, 0, 3, 2}, 160, 120);
    auto loaded = [&]() {
        tagStitchCallbacks table = m_host->callbacks();
        CStitchOptions* job = PSCreateStitch(StitchStyleHorizontal, StitchOutputHalf, StitchMethodCalibrated, &table);
        if (job && PSLoadImages(job, 6, set.names, const_cast<tagPOINT*>(set.sizes.data())) != 0) {
            PSReleaseStitch(job);
            job = nullptr;
        }
        return job;
    };
    // A first run tells at which report each trial (tile, row, column) is
    // running.
    CStitchOptions* job = loaded();
    QVERIFY(job);
    QList<int> styles;
    m_host->onProgress = [&](int) { styles << job->m_Matrix.m_Style; };
    QCOMPARE(AutoStyleOptimizeRun(job, 6, 6), 0);
    m_host->onProgress = {};
    PSReleaseStitch(job);
    // Cancelled in each trial in turn: -1, progress ends at 100, the
    // elements in load order, and (under the leak checker) no candidate
    // list left behind.
    for (int trial : {int(StitchStyleTile), int(StitchStyleHorizontal), int(StitchStyleVertical)}) {
        const int at = int(styles.indexOf(trial));
        QVERIFY(at >= 0);
        job = loaded();
        QVERIFY(job);
        m_host->progress.clear();
        m_host->cancelAtProgressCall = at;
        const int code = AutoStyleOptimizeRun(job, 6, 6);
        m_host->cancelAtProgressCall = -1;
        const QStringList names = elementNames(job);
        PSReleaseStitch(job);
        QCOMPARE(code, int(StitchCancelled));
        QCOMPARE(m_host->progress.last(), 100);
        QCOMPARE(names, set.names);
    }
}

void TestAutoStyle::progressStaysInTheRange()
{
    if (m_photo.isNull())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    const ShuffledSet set = makeSet(0, 6, 1, {4, 1, 5, 0, 3, 2}, 160, 120);
    tagStitchCallbacks table = m_host->callbacks();
    CStitchOptions* job = PSCreateStitch(StitchStyleHorizontal, StitchOutputHalf, StitchMethodCalibrated, &table);
    QVERIFY(job);
    QCOMPARE(PSLoadImages(job, 6, set.names, const_cast<tagPOINT*>(set.sizes.data())), 0);
    m_host->progress.clear();
    const int code = AutoStyleOptimizeRun(job, 6, 6, 20, 60);
    // The host's own callback is back in place afterwards.
    const bool restored = CStitchOptions::m_pfnShowProgress == table.ShowProgress;
    PSReleaseStitch(job);
    QCOMPARE(code, 0);
    QVERIFY(restored);
    QVERIFY(!m_host->progress.isEmpty());
    for (int percent : m_host->progress)
        QVERIFY2(percent >= 20 && percent <= 60, qPrintable(QString::number(percent)));
    // The trials span 0..100 between them: 0 and 100 land on the ends.
    QCOMPARE(*std::min_element(m_host->progress.begin(), m_host->progress.end()), 20);
}

void TestAutoStyle::autoStyleStitchRow()
{
    if (m_photo.isNull())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    const ShuffledSet set = makeSet(0, 5, 1, {3, 0, 4, 1, 2}, 240, 180);
    tagStitchCallbacks table = m_host->callbacks();
    // Created as a tile job: the style choice decides.
    CStitchOptions* job = PSCreateStitch(StitchStyleTile, StitchOutputOriginal, StitchMethodCalibrated, &table);
    QVERIFY(job);
    QStringList names = set.names;
    int cols = 5;
    int rows = 1;
    int style = -1;
    void* result = nullptr;
    tagRECT crop = {};
    tagRECT* overlaps = nullptr;
    int overlapCount = 0;
    unsigned short** paths = nullptr;
    int pathCount = 0;
    const int code = PSAutoStyleStitch(job, 0xFFFFFF, const_cast<tagPOINT*>(set.sizes.data()), &cols, &rows, names,
                                       &style, &result, &crop, &overlaps, &overlapCount, &paths, &pathCount);
    int width = 0;
    int height = 0;
    if (result) {
        CImage image;
        if (image.Attach(result) == 0) {
            width = image.Width();
            height = image.Height();
            image.Detach();
        }
    }
    const int renderKind = job->m_lRenderKind;
    PSReleaseStitch(job);
    QCOMPARE(code, 0);
    QCOMPARE(style, int(StitchStyleHorizontal));
    QCOMPARE(renderKind, int(RenderCylindrical));
    QCOMPARE(cols, 5);
    QCOMPARE(rows, 1);
    QCOMPARE(names, (QStringList{"view0", "view1", "view2", "view3", "view4"}));
    // Five views 60 degrees across, 40 % overlap: about 3.4 view widths.
    QVERIFY2(width > 2 * 240 && width < 5 * 240, qPrintable(QString::number(width)));
    QVERIFY(height > 100);
    QVERIFY(crop.right > crop.left && crop.bottom > crop.top);
    QCOMPARE(overlapCount, 4);
    QCOMPARE(pathCount, 4);
    QVERIFY(overlaps && paths);
    QVERIFY(m_host->progress.contains(100));
}

void TestAutoStyle::autoStyleStitchRefusesBadArguments_data()
{
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("names");
    QTest::addColumn<bool>("nullSizes");
    QTest::addColumn<bool>("nullResult");
    // A list shorter than cols x rows would be read past its end.
    QTest::newRow("fewer names than cells") << 3 << 2 << 5 << false << false;
    QTest::newRow("no names") << 2 << 1 << 0 << false << false;
    QTest::newRow("no sizes") << 2 << 1 << 2 << true << false;
    QTest::newRow("no result pointer") << 2 << 1 << 2 << false << true;
    QTest::newRow("no columns") << 0 << 1 << 2 << false << false;
    QTest::newRow("negative grid") << -2 << -1 << 2 << false << false;
}

void TestAutoStyle::autoStyleStitchRefusesBadArguments()
{
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(int, names);
    QFETCH(bool, nullSizes);
    QFETCH(bool, nullResult);
    tagStitchCallbacks table = m_host->callbacks();
    CStitchOptions* job = PSCreateStitch(StitchStyleHorizontal, StitchOutputOriginal, StitchMethodCalibrated, &table);
    QVERIFY(job);
    QStringList list;
    QList<tagPOINT> sizes;
    for (int i = 0; i < names; ++i) {
        list << QStringLiteral("view%1").arg(i);
        sizes << tagPOINT{64, 48};
    }
    void* result = nullptr;
    int style = -1;
    const int code = PSAutoStyleStitch(job, 0, nullSizes ? nullptr : sizes.data(), &cols, &rows, list, &style,
                                       nullResult ? nullptr : &result, nullptr, nullptr, nullptr, nullptr, nullptr);
    const bool untouched = job->m_Matrix.m_pElements == nullptr && m_host->fetches == 0 && m_host->progress.isEmpty();
    PSReleaseStitch(job);
    QCOMPARE(code, int(StitchBadArgument));
    QVERIFY(untouched);
    QCOMPARE(style, -1);
}

QTEST_GUILESS_MAIN(TestAutoStyle)
#include "tst_autostyle.moc"
