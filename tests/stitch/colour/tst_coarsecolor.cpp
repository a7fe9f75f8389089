#include "StitchTestHost.h"
#include "SyntheticViews.h"
#include "ViewExposure.h"

#include "stitch/colour/CCoarseColorCorrection.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <QtTest>

#include <cmath>
#include <cstring>
#include <memory>

// Colour tables for a whole grid, chained outward from a reference image,
// on synthetic views whose exposures differ.
class TestCoarseColor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void getBestHist_data();
    void getBestHist();
    void rowOfFourMatches_data();
    void rowOfFourMatches();
    void referenceOrderProgressAndCancel();
    void styles_data();
    void styles();
    void computeHistClipsToTheLayer();
    void tileGridChainsEveryElement();
    void cancelAtEveryReport_data();
    void cancelAtEveryReport();
    void refusedLockKeepsTheTables_data();
    void refusedLockKeepsTheTables();

private:
    // A job of the views in a row (or a cols x rows tile) with the given
    // exposures, loaded and with overlap rectangles from the views' truth.
    // scenes: which view each element shows (by default element i, view i).
    CStitchOptions* viewJob(tagStitchStyle style, int cols, int rows, const QList<ViewExposure>& exposures,
                            const QList<int>& scenes = {});
    bool overlapRects(const SyntheticViews::Camera& e, const SyntheticViews::Camera& n, bool right, tagRECT* inE,
                      tagRECT* inN) const;

    QImage m_photo;
    SyntheticViews* m_views = nullptr;
    QList<SyntheticViews::Camera> m_cameras;
    QList<QByteArray> m_scenes;
    StitchTestHost* m_host = nullptr;
};

namespace {

// A histogram of 768 counts whose grey values (all three bytes alike) hold
// one count at lo and at hi and 100 at median: range hi - lo, that median.
void fillHistogram(unsigned int* h, int lo, int hi, int median)
{
    std::memset(h, 0, 768 * sizeof(unsigned int));
    for (int b = 0; b < 3; ++b) {
        h[256 * b + lo] += 1;
        h[256 * b + hi] += 1;
        h[256 * b + median] += 100;
    }
}

bool isIdentity(const unsigned char* table)
{
    for (int v = 0; v < 768; ++v)
        if (table[v] != v % 256)
            return false;
    return true;
}

bool written(const unsigned char* table)
{
    // Tables start as zeros; a fitted one never maps 255 to 0.
    return table[255] != 0;
}

} // namespace

void TestCoarseColor::initTestCase()
{
    const QString path = SyntheticViews::photoPath();
    if (path.isEmpty())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    QVERIFY(m_photo.load(path));
    // 320 x 240 views, 60 degrees across, 40 % overlap; the photograph a
    // little magnified so that neighbours sample it alike.
    m_views = new SyntheticViews(m_photo, SyntheticViews::Surface::Cylinder, 320, 240, 160 / std::tan(M_PI / 6), 1.0);
    m_cameras = m_views->row(4, 0.4);
    for (const auto& camera : m_cameras)
        m_scenes << m_views->render(camera);
}

void TestCoarseColor::cleanupTestCase()
{
    delete m_views;
    m_views = nullptr;
}

void TestCoarseColor::init()
{
    m_host = new StitchTestHost;
}

void TestCoarseColor::cleanup()
{
    const bool clean = m_host->clean();
    const QString report = m_host->report();
    delete m_host;
    m_host = nullptr;
    if (!QTest::currentTestFailed())
        QVERIFY2(clean, qPrintable(report));
}

void TestCoarseColor::getBestHist_data()
{
    QTest::addColumn<QList<int>>("specs"); // lo, hi, median per histogram
    QTest::addColumn<int>("best");
    QTest::newRow("two: the wider range") << QList<int>{10, 200, 100, 0, 250, 50} << 1;
    // 200 then 185: 185 is lower by 15, under its tolerance 18: equal, and
    // the higher median (120) wins.
    QTest::newRow("200 then 185: higher median") << QList<int>{0, 200, 80, 10, 195, 120} << 1;
    // 185 then 200: 200 exceeds by 15, not over its tolerance 20; median 80
    // is not higher, the first stays.
    QTest::newRow("185 then 200: first keeps") << QList<int>{0, 185, 120, 0, 200, 80} << 0;
    // 180 is lower than 200 by 20, over its tolerance 18: passed over.
    QTest::newRow("lower by the tolerance") << QList<int>{0, 200, 50, 20, 200, 190} << 0;
    // First pass: 0 (range 100), then 1 (250); 2 has the same range and
    // median and does not replace it; 3 (200) is lower by 50. Choice 1 is
    // odd, so 2 is its twin; the second pass over 0 and 3 takes 3.
    QTest::newRow("four: choice and twin left out")
        << QList<int>{0, 100, 50, 0, 250, 100, 0, 250, 100, 0, 200, 150} << 3;
    // First pass: 0 (250); no twin for the first. Second pass over 1
    // (100) and 2 (200): 2.
    QTest::newRow("three: first has no twin") << QList<int>{0, 250, 100, 0, 100, 50, 0, 200, 60} << 2;
    // First pass: 0 (150), 1 lower by 50, 2 (250), 3 lower by 130. Choice
    // 2 is even: its twin is 1; the second pass over 0 (150) and 3 (120,
    // lower by 30, over its tolerance 12) keeps 0.
    QTest::newRow("four: even choice, twin before")
        << QList<int>{0, 150, 50, 0, 100, 60, 0, 250, 70, 0, 120, 100} << 0;
    QTest::newRow("last has no twin") << QList<int>{0, 100, 50, 0, 150, 60, 0, 200, 70} << 1;
    QTest::newRow("one") << QList<int>{5, 6, 5} << 0;
}

void TestCoarseColor::getBestHist()
{
    QFETCH(QList<int>, specs);
    QFETCH(int, best);
    const int count = int(specs.size() / 3);
    std::vector<unsigned int> h(size_t(count) * 768);
    for (int j = 0; j < count; ++j)
        fillHistogram(h.data() + j * 768, specs[3 * j], specs[3 * j + 1], specs[3 * j + 2]);
    int found = -1, second = -1;
    QVERIFY(CCoarseColorCorrection::GetBestHist(nullptr, h.data(), count, &found, &second));
    QCOMPARE(found, best);
    QCOMPARE(second, 0);
    // No counts at all: median, minimum and maximum 0; nothing beats 0.
    std::vector<unsigned int> empty(768 * 3, 0);
    QVERIFY(CCoarseColorCorrection::GetBestHist(nullptr, empty.data(), 3, &found, &second));
    QCOMPARE(found, 0);
}

bool TestCoarseColor::overlapRects(const SyntheticViews::Camera& e, const SyntheticViews::Camera& n, bool right,
                                   tagRECT* inE, tagRECT* inN) const
{
    // Turning about the vertical axis keeps columns straight, so the
    // overlap is bounded by where each view's near edge falls in the other.
    const int w = m_views->width(), h = m_views->height();
    QPointF edgeOfN, edgeOfE;
    if (!right)
        return false;
    if (!m_views->map(n, e, QPointF(0, (h - 1) / 2.0), &edgeOfN)
        || !m_views->map(e, n, QPointF(w - 1, (h - 1) / 2.0), &edgeOfE))
        return false;
    *inE = tagRECT{int(std::ceil(edgeOfN.x())), 0, w, h};
    *inN = tagRECT{0, 0, int(std::floor(edgeOfE.x())) + 1, h};
    return true;
}

CStitchOptions* TestCoarseColor::viewJob(tagStitchStyle style, int cols, int rows, const QList<ViewExposure>& exposures,
                                         const QList<int>& scenes)
{
    tagStitchCallbacks table = m_host->callbacks();
    CStitchOptions* job = PSCreateStitch(style, StitchOutputOriginal, StitchMethodCalibrated, &table);
    if (!job)
        return nullptr;
    QStringList names;
    QList<tagPOINT> sizes;
    for (int i = 0; i < cols * rows; ++i) {
        names << QStringLiteral("view%1").arg(i);
        sizes << tagPOINT{m_views->width(), m_views->height()};
        m_host->addImage(names.last(), exposures[i % exposures.size()].applied(m_scenes[scenes.isEmpty() ? i % m_scenes.size() : scenes[i]]));
    }
    if (PSLoadImages(job, int(names.size()), names, sizes.data()) != 0) {
        PSReleaseStitch(job);
        return nullptr;
    }
    job->m_Matrix.m_lCols = cols;
    job->m_Matrix.m_lRows = rows;
    for (int i = 0; i + 1 < cols; ++i) {
        CStitchElement& e = job->m_Matrix.m_pElements[i];
        overlapRects(m_cameras[i], m_cameras[i + 1], true, &e.m_OverlapRects[0], &e.m_OverlapRects[1]);
    }
    m_host->progress.clear();
    return job;
}

void TestCoarseColor::rowOfFourMatches_data()
{
    QTest::addColumn<bool>("column");
    QTest::newRow("row") << false;
    // The same four views stacked as a column: the lower pairs take the
    // row's overlap rectangles.
    QTest::newRow("column") << true;
}

void TestCoarseColor::rowOfFourMatches()
{
    QFETCH(bool, column);
    // Exposures 0.75, 1.0, 1.2, 1.4 through a camera curve of shape -0.4;
    // the third view's white balance is warmer (red up, blue down) and the
    // fourth view's curve is flatter (-0.25).
    QList<ViewExposure> exposures(4);
    const double gains[4] = {0.75, 1.0, 1.2, 1.4};
    for (int i = 0; i < 4; ++i) {
        exposures[i].curve = i == 3 ? -0.25 : -0.4;
        for (double& g : exposures[i].gain)
            g = gains[i];
    }
    exposures[2].gain[2] *= 1.08;
    exposures[2].gain[0] *= 0.92;
    CStitchOptions* job = viewJob(StitchStyleHorizontal, 4, 1, exposures);
    QVERIFY(job);
    if (column) {
        job->m_Matrix.m_Style = StitchStyleVertical;
        job->m_Matrix.m_lCols = 1;
        job->m_Matrix.m_lRows = 4;
        for (int i = 0; i < 3; ++i) {
            CStitchElement& e = job->m_Matrix.m_pElements[i];
            e.m_OverlapRects[2] = e.m_OverlapRects[0];
            e.m_OverlapRects[3] = e.m_OverlapRects[1];
            e.m_OverlapRects[0] = e.m_OverlapRects[1] = tagRECT{};
        }
    }
    QCOMPARE(CCoarseColorCorrection(job).Run(1, false), 0);
    int reference = -1;
    for (int i = 0; i < 4; ++i)
        if (isIdentity(job->m_Matrix.m_pElements[i].m_ColorTable))
            reference = i;
    QVERIFY(reference >= 0);
    qInfo("reference image %d", reference);

    // Where a pixel of view i + 1 lies in view i, both views saw the same
    // scene colour; what each recorded follows from its exposure.
    const int w = m_views->width(), h = m_views->height();
    const int stride = (24 * w + 31) / 32 * 4;
    for (int i = 0; i + 1 < 4; ++i) {
        const unsigned char* t1 = job->m_Matrix.m_pElements[i].m_ColorTable;
        const unsigned char* t2 = job->m_Matrix.m_pElements[i + 1].m_ColorTable;
        const auto* scene = reinterpret_cast<const unsigned char*>(m_scenes[i + 1].constData()) + 40;
        double before = 0, after = 0;
        int counted = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                QPointF p;
                if (!m_views->map(m_cameras[i + 1], m_cameras[i], QPointF(x, y), &p) || p.x() < 0 || p.x() > w - 1
                    || p.y() < 0 || p.y() > h - 1)
                    continue;
                const unsigned char* s = scene + y * stride + 3 * x;
                int v1[3], v2[3];
                bool clipped = false;
                for (int b = 0; b < 3; ++b) {
                    v1[b] = exposures[i].apply(s[b], b);
                    v2[b] = exposures[i + 1].apply(s[b], b);
                    clipped = clipped || v1[b] == 255 || v2[b] == 255 || v1[b] == 0 || v2[b] == 0;
                }
                if (clipped)
                    continue;
                for (int b = 0; b < 3; ++b) {
                    before += std::abs(v1[b] - v2[b]);
                    after += std::abs(t1[256 * b + v1[b]] - t2[256 * b + v2[b]]);
                }
                counted += 3;
            }
        before /= counted;
        after /= counted;
        qInfo("overlap %d-%d: mean difference %.2f before, %.2f after (%d values)", i, i + 1, before, after, counted);
        QVERIFY(counted > 3 * w * h / 10);
        QVERIFY(after <= 3.0);
    }
    PSReleaseStitch(job);
}

void TestCoarseColor::referenceOrderProgressAndCancel()
{
    QList<ViewExposure> exposures(4);
    const double gains[4] = {0.8, 1.0, 1.2, 1.3};
    for (int i = 0; i < 4; ++i)
        for (double& g : exposures[i].gain)
            g = gains[i];
    CStitchOptions* job = viewJob(StitchStyleHorizontal, 4, 1, exposures);
    QVERIFY(job);
    CStitchElement* e = job->m_Matrix.m_pElements;
    e[2].m_bColorReference = true;

    // Nine fits, progress 80 + k x 20 / 9 rounded: 82.2, 84.4, 86.7, ...
    QCOMPARE(CCoarseColorCorrection(job).Run(1, false), 0);
    QCOMPARE(m_host->progress, QList<int>({82, 84, 87, 89, 91, 93, 96, 98, 100}));
    QVERIFY(isIdentity(e[2].m_ColorTable));
    unsigned char full[4][768];
    for (int i = 0; i < 4; ++i)
        std::memcpy(full[i], e[i].m_ColorTable, 768);

    m_host->progress.clear();
    std::memset(e[1].m_ColorTable, 0, 768);
    QCOMPARE(CCoarseColorCorrection(job).Run(1, true), 0);
    QVERIFY(m_host->progress.isEmpty());
    QVERIFY(std::memcmp(e[1].m_ColorTable, full[1], 768) == 0);

    // Reference 2: pair 1 first (image 1 onto 2), then pair 0 (image 0 onto
    // 1), then pair 2 (image 3 onto 2), bytes 0, 1, 2 each. Cancelling at
    // report k leaves exactly the first k + 1 fits written.
    const int order[9][2] = {{1, 0}, {1, 1}, {1, 2}, {0, 0}, {0, 1}, {0, 2}, {3, 0}, {3, 1}, {3, 2}};
    for (int k = 0; k < 9; ++k) {
        for (int i = 0; i < 4; ++i)
            std::memset(e[i].m_ColorTable, 0, 768);
        m_host->progress.clear();
        m_host->cancelAtProgressCall = k;
        QCOMPARE(CCoarseColorCorrection(job).Run(1, false), -1);
        QCOMPARE(m_host->progress.size(), k + 1);
        QVERIFY(isIdentity(e[2].m_ColorTable));
        for (int f = 0; f < 9; ++f) {
            const unsigned char* t = e[order[f][0]].m_ColorTable + 256 * order[f][1];
            if (f <= k)
                QVERIFY2(std::memcmp(t, full[order[f][0]] + 256 * order[f][1], 256) == 0,
                         qPrintable(QStringLiteral("cancel at %1: fit %2 missing").arg(k).arg(f)));
            else
                QVERIFY2(!written(t), qPrintable(QStringLiteral("cancel at %1: fit %2 written").arg(k).arg(f)));
        }
    }
    m_host->cancelAtProgressCall = -1;
    PSReleaseStitch(job);
}

void TestCoarseColor::styles_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("result");
    QTest::newRow("360 degrees: all identity") << 2 << 4 << 1 << 0;
    QTest::newRow("tile of one row") << 3 << 4 << 1 << -5;
    QTest::newRow("tile of one column") << 3 << 1 << 4 << -5;
    QTest::newRow("empty grid") << 0 << 0 << 1 << -5;
}

void TestCoarseColor::styles()
{
    QFETCH(int, style);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(int, result);
    CStitchOptions* job = viewJob(StitchStyleHorizontal, 4, 1, QList<ViewExposure>(1));
    QVERIFY(job);
    job->m_Matrix.m_Style = tagStitchStyle(style);
    job->m_Matrix.m_lCols = cols;
    job->m_Matrix.m_lRows = rows;
    if (cols == 0)
        job->m_Matrix.m_lCount = 0;
    QCOMPARE(CCoarseColorCorrection(job).Run(1, false), result);
    for (int i = 0; i < 4; ++i) {
        const unsigned char* t = job->m_Matrix.m_pElements[i].m_ColorTable;
        QVERIFY(result == 0 ? isIdentity(t) : !written(t));
    }
    if (style == 2)
        QCOMPARE(m_host->progress, QList<int>({85, 90, 95, 100}));
    job->m_Matrix.m_lCount = 4;
    PSReleaseStitch(job);
}

void TestCoarseColor::computeHistClipsToTheLayer()
{
    CStitchOptions* job = viewJob(StitchStyleHorizontal, 4, 1, QList<ViewExposure>(1));
    QVERIFY(job);
    CStitchElement& e = job->m_Matrix.m_pElements[0];
    CCoarseColorCorrection coarse(job);
    std::vector<unsigned int> h(1536);
    // Layer 1 is 160 x 120. Rectangles reaching past it are clipped:
    // (100 .. 400) / 2 gives columns 50 .. 159, 110 x 120 pixels; the second
    // (-60 .. 20) / 2 gives columns 0 .. 9 (-30 clipped), 10 x 120.
    e.m_OverlapRects[0] = tagRECT{100, 0, 400, 1000};
    e.m_OverlapRects[1] = tagRECT{-60, 0, 20, 240};
    QCOMPARE(coarse.ComputeHist(h.data(), 0, 0, 1, 0, 1, true), 0);
    unsigned first = 0, second = 0;
    for (int k = 0; k < 256; ++k) {
        first += h[size_t(k)];
        second += h[size_t(768 + k)];
    }
    QCOMPARE(first, 110u * 120u);
    QCOMPARE(second, 10u * 120u);
    // Wholly outside the layer, or empty to begin with: -4.
    e.m_OverlapRects[1] = tagRECT{400, 0, 600, 240};
    QCOMPARE(coarse.ComputeHist(h.data(), 0, 0, 1, 0, 1, true), -4);
    e.m_OverlapRects[2] = tagRECT{};
    QCOMPARE(coarse.ComputeHist(h.data(), 0, 0, 1, 0, 1, false), -4);
    // A missing element or layer: -3.
    QCOMPARE(coarse.ComputeHist(h.data(), 0, 0, 9, 0, 1, true), -3);
    QCOMPARE(coarse.ComputeHist(h.data(), 0, 0, 1, 0, 7, true), -3);
    PSReleaseStitch(job);
}

void TestCoarseColor::tileGridChainsEveryElement()
{
    // A 2 x 2 tile showing views 0, 1 in both rows, so the lower pairs see
    // the same scene over the whole frame and the lower row's right pair
    // the upper row's overlap; darker on the right. Element (1, 1) is the
    // reference.
    QList<ViewExposure> exposures(4);
    const double gains[4] = {1.0, 0.8, 1.0, 0.8};
    for (int i = 0; i < 4; ++i)
        for (double& g : exposures[i].gain)
            g = gains[i];
    CStitchOptions* job = viewJob(StitchStyleTile, 2, 2, exposures, {0, 1, 0, 1});
    QVERIFY(job);
    CStitchElement* e = job->m_Matrix.m_pElements;
    e[2].m_OverlapRects[0] = e[0].m_OverlapRects[0];
    e[2].m_OverlapRects[1] = e[0].m_OverlapRects[1];
    for (int c = 0; c < 2; ++c) {
        e[c].m_OverlapRects[2] = tagRECT{0, 0, 320, 240};
        e[c].m_OverlapRects[3] = tagRECT{0, 0, 320, 240};
    }
    e[3].m_bColorReference = true;
    QCOMPARE(CCoarseColorCorrection(job).Run(1, false), 0);
    // Three fits per element but the reference: 9, from 80 to 100.
    QCOMPARE(m_host->progress.size(), 9);
    QCOMPARE(m_host->progress.last(), 100);
    QVERIFY(isIdentity(e[3].m_ColorTable));
    // The left column was brighter by 1 / 0.8 in linear light: its tables
    // bring the middle greys down.
    for (int i : {0, 2})
        QVERIFY2(e[i].m_ColorTable[256 + 128] < 120, qPrintable(QString::number(e[i].m_ColorTable[256 + 128])));
    QVERIFY(written(e[1].m_ColorTable));
    PSReleaseStitch(job);
}

void TestCoarseColor::cancelAtEveryReport_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::newRow("row of four") << 0 << 4 << 1;
    QTest::newRow("column of four") << 1 << 1 << 4;
    QTest::newRow("ring of four") << 2 << 4 << 1;
    QTest::newRow("2 x 2 tile") << 3 << 2 << 2;
}

void TestCoarseColor::cancelAtEveryReport()
{
    QFETCH(int, style);
    QFETCH(int, cols);
    QFETCH(int, rows);
    CStitchOptions* job = viewJob(StitchStyleHorizontal, 4, 1, QList<ViewExposure>(1), {0, 1, 0, 1});
    QVERIFY(job);
    job->m_Matrix.m_Style = tagStitchStyle(style);
    job->m_Matrix.m_lCols = cols;
    job->m_Matrix.m_lRows = rows;
    CStitchElement* e = job->m_Matrix.m_pElements;
    // Every pair the styles read gets the row's first overlap.
    for (int i = 0; i < 4; ++i) {
        e[i].m_OverlapRects[0] = e[0].m_OverlapRects[0];
        e[i].m_OverlapRects[1] = e[0].m_OverlapRects[1];
        e[i].m_OverlapRects[2] = e[0].m_OverlapRects[0];
        e[i].m_OverlapRects[3] = e[0].m_OverlapRects[1];
    }
    QCOMPARE(CCoarseColorCorrection(job).Run(1, false), 0);
    const QList<int> reports = m_host->progress;
    // Four images: nine fits, or one report per image on the ring.
    QCOMPARE(reports.size(), style == 2 ? 4 : 9);
    QCOMPARE(reports.last(), 100);
    for (int i = 1; i < reports.size(); ++i)
        QVERIFY(reports[i] >= reports[i - 1] && reports[i] > 80);
    for (int k = 0; k < reports.size(); ++k) {
        for (int i = 0; i < 4; ++i)
            std::memset(e[i].m_ColorTable, 0, 768);
        m_host->progress.clear();
        m_host->cancelAtProgressCall = k;
        QCOMPARE(CCoarseColorCorrection(job).Run(1, false), -1);
        // Nothing runs past the cancelled report; what came before stays.
        QCOMPARE(m_host->progress, reports.mid(0, k + 1));
        int tables = 0;
        for (int i = 0; i < 4; ++i)
            for (int c = 0; c < 3; ++c)
                tables += written(e[i].m_ColorTable + 256 * c) ? 1 : 0;
        // The reference's three tables, then one per report (three per
        // image on the ring).
        QCOMPARE(tables, style == 2 ? 3 * (k + 1) : 3 + k + 1);
    }
    m_host->cancelAtProgressCall = -1;
    PSReleaseStitch(job);
}

void TestCoarseColor::refusedLockKeepsTheTables_data()
{
    QTest::addColumn<bool>("column");
    QTest::newRow("row") << false;
    QTest::newRow("column") << true;
}

void TestCoarseColor::refusedLockKeepsTheTables()
{
    QFETCH(bool, column);
    // Four views of different exposure, so that the tables fitted differ
    // from the ones set beforehand.
    QList<ViewExposure> exposures(4);
    for (int i = 0; i < 4; ++i)
        exposures[i].gain[0] = exposures[i].gain[1] = exposures[i].gain[2] = 0.8 + 0.15 * i;
    CStitchOptions* job = viewJob(StitchStyleHorizontal, 4, 1, exposures);
    QVERIFY(job);
    const std::unique_ptr<CStitchOptions, void (*)(CStitchOptions*)> owner(job, PSReleaseStitch);
    CStitchElement* e = job->m_Matrix.m_pElements;
    if (column) {
        job->m_Matrix.m_Style = StitchStyleVertical;
        job->m_Matrix.m_lCols = 1;
        job->m_Matrix.m_lRows = 4;
        for (int i = 0; i < 3; ++i) {
            e[i].m_OverlapRects[2] = e[i].m_OverlapRects[0];
            e[i].m_OverlapRects[3] = e[i].m_OverlapRects[1];
        }
    }
    // Tables that no fit gives: each entry its index plus the element.
    auto setTables = [&]() {
        for (int i = 0; i < 4; ++i)
            for (int v = 0; v < 768; ++v)
                e[i].m_ColorTable[v] = static_cast<unsigned char>(v + i);
    };
    auto tables = [&]() {
        QByteArray bytes;
        for (int i = 0; i < 4; ++i)
            bytes.append(reinterpret_cast<const char*>(e[i].m_ColorTable), 768);
        return bytes;
    };
    setTables();
    const QByteArray set = tables();
    const int start = m_host->lockCalls;
    QCOMPARE(CCoarseColorCorrection(job).Run(1, true), 0);
    const int locks = m_host->lockCalls - start;
    QVERIFY(tables() != set);
    QCOMPARE(m_host->locksHeld, 0);
    // Every lock refused in turn: -3, and no table touched (the
    // histograms of all pairs are taken before any table is written). A
    // size read under a lock of its own would have come back 0 and the
    // pair passed as not overlapping (-4).
    QVERIFY(locks >= 6);
    for (int n = 0; n < locks; ++n) {
        setTables();
        m_host->failLockAt = m_host->lockCalls + n;
        const int code = CCoarseColorCorrection(job).Run(1, true);
        m_host->failLockAt = -1;
        const QString what = QStringLiteral("lock %1 of %2: code %3").arg(n).arg(locks).arg(code);
        QVERIFY2(code == -3, qPrintable(what));
        QVERIFY2(tables() == set, qPrintable(what));
        QVERIFY2(m_host->locksHeld == 0 && m_host->outstandingImages() == 0, qPrintable(what));
    }
}

QTEST_MAIN(TestCoarseColor)
#include "tst_coarsecolor.moc"
