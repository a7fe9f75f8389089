#include "StitchTestHost.h"

#include "stitch/colour/CBrightCorrection.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/job/CProcessingList.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <QtTest>

#include <functional>

// One brightness offset per image from the mean differences in overlaps.
class TestBrightness : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void twoImagesRelax();
    void tileOfFourRelaxes();
    void elementWithoutNeighboursKeepsItsOffset();
    void ringSpreadsTheError();
    void flagClearGivesZeros_data();
    void flagClearGivesZeros();
    void middleBrightnessOnly_data();
    void middleBrightnessOnly();
    void tenthOfTheOverlap_data();
    void tenthOfTheOverlap();
    void noTwinsNoDifference();
    void largeLayerSumsStayExact();

private:
    using Pixel = std::function<unsigned(int, int)>;
    // A job of cols x rows elements whose deepest and working layer is 1,
    // each holding a width x height layer-1 bitmap from pixels[i]; element
    // i's right twin says its right neighbour starts at column `shift`.
    CStitchOptions* gridJob(tagStitchStyle style, int cols, int rows, int width, int height, const QList<Pixel>& pixels,
                            int shift);

    StitchTestHost* m_host = nullptr;
};

void TestBrightness::init()
{
    m_host = new StitchTestHost;
}

void TestBrightness::cleanup()
{
    const bool clean = m_host->clean();
    const QString report = m_host->report();
    delete m_host;
    m_host = nullptr;
    if (!QTest::currentTestFailed())
        QVERIFY2(clean, qPrintable(report));
}

CStitchOptions* TestBrightness::gridJob(tagStitchStyle style, int cols, int rows, int width, int height,
                                        const QList<Pixel>& pixels, int shift)
{
    tagStitchCallbacks table = m_host->callbacks();
    CStitchOptions* job = PSCreateStitch(style, StitchOutputOriginal, StitchMethodCalibrated, &table);
    const int n = cols * rows;
    job->m_Matrix.m_pElements = new CStitchElement[size_t(n)];
    job->m_Matrix.m_lCols = cols;
    job->m_Matrix.m_lRows = rows;
    job->m_Matrix.m_lCount = n;
    job->m_lDeepestLayer = job->m_lWorkingLayer = 1;
    for (int i = 0; i < n; ++i) {
        CStitchElement& e = job->m_Matrix.m_pElements[i];
        e.m_Pyramid.AllocateLayers(2);
        e.m_Pyramid.m_lSupplied = 1;
        e.m_Pyramid.m_lWidth = 2 * width;
        e.m_Pyramid.m_lHeight = 2 * height;
        if (!pixels.isEmpty())
            e.m_Pyramid.m_phLayers[1] = m_host->makeHandle(StitchTestHost::packed24(width, height, pixels[i % pixels.size()]));
        e.m_RightTwins.m_lCount = 1;
        e.m_RightTwins.m_Twins[0][0] = tagPOINT{shift, 0};
        e.m_RightTwins.m_Twins[0][1] = tagPOINT{0, 0};
    }
    return job;
}

namespace {

unsigned grey(int v)
{
    return unsigned(v) * 0x010101u;
}

int* offsets(CStitchOptions* job, int i)
{
    return job->m_Matrix.m_pElements[i].m_lBrightness;
}

} // namespace

void TestBrightness::twoImagesRelax()
{
    // Overlap means 100 and 110 (difference +10). Pass 1: the first gets
    // R = 0 - 0 - 10, off 0 + 5 = 5; the second R = 0 - 5 + 10 = 5, off
    // 0 - 2 = -2; mean 1: 4, -3. Pass 2: R = 4 + 3 - 10 = -3, off 4 + 1 = 5;
    // R = -3 - 5 + 10 = 2, off -4; mean 0. Then R = -1 and 1 halve to 0.
    CStitchOptions* job = gridJob(StitchStyleHorizontal, 2, 1, 20, 10,
                                  {[](int, int) { return grey(100); }, [](int, int) { return grey(110); }}, 10);
    CBrightCorrection(job).Run();
    QCOMPARE(offsets(job, 0)[1], 10);
    QCOMPARE(offsets(job, 0)[0], 5);
    QCOMPARE(offsets(job, 1)[0], -4);
    PSReleaseStitch(job);
}

void TestBrightness::tileOfFourRelaxes()
{
    // Means 100, 110 over 120, 130: right differences 10 in both rows,
    // lower differences 20 in both columns. Pass 1, in list order:
    // (0,0): R = (0-0-10) + (0-0-20) = -30, -30/4 = -7, off 7;
    // (1,0): R = (0-7+10) + (0-0-20) = -17, off 0 + 4 = 4;
    // (0,1): R = (0-0-10) + (0-7+20) = 3, 3/4 = 0, off 0;
    // (1,1): R = (0-0+10) + (0-4+20) = 26, off -6; mean 5/4 = 1: 6, 3, -1, -7.
    // The passes settle at 14, 4, -3, -13: there (0,0) has R = 0 - 3,
    // (1,0) R = 0 - 3, (0,1) R = 0 + 3, (1,1) R = 0 + 3, each under 4 so no
    // step is left, and the mean 2/4 truncates to 0.
    CStitchOptions* job = gridJob(StitchStyleTile, 2, 2, 20, 10, {}, 10);
    offsets(job, 0)[1] = 10;
    offsets(job, 0)[2] = 20;
    offsets(job, 1)[2] = 20;
    offsets(job, 2)[1] = 10;
    CProcessingList list(4);
    job->m_Matrix.GetProcessingList(&list);
    QCOMPARE(list.Count(), 4);
    CBrightCorrection(job).RelaxionBrightness(&list);
    QCOMPARE(QList<int>({offsets(job, 0)[0], offsets(job, 1)[0], offsets(job, 2)[0], offsets(job, 3)[0]}),
             QList<int>({14, 4, -3, -13}));
    PSReleaseStitch(job);
}

void TestBrightness::elementWithoutNeighboursKeepsItsOffset()
{
    CStitchOptions* job = gridJob(StitchStyleHorizontal, 3, 1, 20, 10, {}, 10);
    offsets(job, 2)[0] = 6;
    CProcessingList list(3);
    list.Add(2, 0);
    CBrightCorrection(job).RelaxionBrightness(&list);
    // No listed neighbour: no step; the mean of one is itself.
    QCOMPARE(offsets(job, 2)[0], 0);
    list.Clear();
    list.Add(0, 0);
    list.Add(2, 0);
    offsets(job, 0)[0] = 3;
    offsets(job, 2)[0] = 7;
    CBrightCorrection(job).RelaxionBrightness(&list);
    // Neither moves; the mean 5 is taken off once, then stays 0.
    QCOMPARE(offsets(job, 0)[0], -2);
    QCOMPARE(offsets(job, 2)[0], 2);
    PSReleaseStitch(job);
}

void TestBrightness::ringSpreadsTheError()
{
    // Each image is L on its left half (columns 0 .. 9) and R on its right
    // half; the right neighbour starts at column 10, so image i's right half
    // meets image i + 1's left half: difference L(i+1) - R(i).
    // R0 = 100, L1 = 106: +6; R1 = 100, L2 = 106: +6; R2 = 103, L0 = 100: -3.
    // Total 9; off(0) = 0 - (-3) = 3, off(1) = 3 - (-3 + 6) = 0,
    // off(2) = 6 - (-3 + 6 + 6) = -3; mean 0.
    const int left[3] = {100, 106, 106}, right[3] = {100, 100, 103};
    QList<Pixel> pixels;
    for (int i = 0; i < 3; ++i)
        pixels << [=](int x, int) { return grey(x < 10 ? left[i] : right[i]); };
    CStitchOptions* job = gridJob(StitchStyle360, 3, 1, 20, 10, pixels, 10);
    CBrightCorrection(job).PanoramaRun();
    QCOMPARE(QList<int>({offsets(job, 0)[1], offsets(job, 1)[1], offsets(job, 2)[1]}), QList<int>({6, 6, -3}));
    QCOMPARE(QList<int>({offsets(job, 0)[0], offsets(job, 1)[0], offsets(job, 2)[0]}), QList<int>({3, 0, -3}));
    PSReleaseStitch(job);
}

void TestBrightness::flagClearGivesZeros_data()
{
    QTest::addColumn<bool>("ring");
    QTest::newRow("grid") << false;
    QTest::newRow("ring") << true;
}

void TestBrightness::flagClearGivesZeros()
{
    QFETCH(bool, ring);
    CStitchOptions* job = gridJob(ring ? StitchStyle360 : StitchStyleHorizontal, 3, 1, 20, 10,
                                  {[](int, int) { return grey(60); }, [](int, int) { return grey(200); }}, 10);
    job->m_bBrightnessCorrection = false;
    for (int i = 0; i < 3; ++i)
        offsets(job, i)[0] = 9 * (i + 1);
    ring ? CBrightCorrection(job).PanoramaRun() : CBrightCorrection(job).Run();
    for (int i = 0; i < 3; ++i)
        QCOMPARE(offsets(job, i)[0], 0);
    PSReleaseStitch(job);
}

void TestBrightness::middleBrightnessOnly_data()
{
    QTest::addColumn<unsigned>("pixel");
    QTest::addColumn<bool>("inFirst");
    QTest::addColumn<bool>("counted");
    QTest::newRow("sum 45 in the first: out") << 0x0F0F0Fu << true << false;
    QTest::newRow("sum 46 in the first: in") << 0x0F0F10u << true << true;
    QTest::newRow("sum 719 in the second: in") << 0xF0F0EFu << false << true;
    QTest::newRow("sum 720 in the second: out") << 0xF0F0F0u << false << false;
}

void TestBrightness::middleBrightnessOnly()
{
    QFETCH(unsigned, pixel);
    QFETCH(bool, inFirst);
    QFETCH(bool, counted);
    // A 10 x 10 overlap (columns 10 .. 19 of the first, 0 .. 9 of the
    // second), a tenth of it 10. The first is 100 and the second 110
    // everywhere but for 90 pixels (rows 1 .. 9 of the overlap) of the
    // tested value in one of them. Left out, the 10 pixels of row 0 give
    // 110 - 100 = 10; counted, the tested value pulls that mean away.
    auto first = [=](int x, int y) { return inFirst && x >= 10 && y >= 1 ? pixel : grey(100); };
    auto second = [=](int x, int y) { return !inFirst && x < 10 && y >= 1 ? pixel : grey(110); };
    CStitchOptions* job = gridJob(StitchStyleHorizontal, 2, 1, 20, 10, {first, second}, 10);
    CBrightCorrection(job).MeasureBrightness(0, 0, 1, 0);
    if (counted)
        QVERIFY(offsets(job, 0)[1] != 10);
    else
        QCOMPARE(offsets(job, 0)[1], 10);
    PSReleaseStitch(job);
}

void TestBrightness::tenthOfTheOverlap_data()
{
    QTest::addColumn<int>("middle");
    QTest::addColumn<int>("difference");
    QTest::newRow("19 of 200 pixels: 0") << 19 << 0;
    QTest::newRow("20 of 200 pixels: measured") << 20 << 10;
}

void TestBrightness::tenthOfTheOverlap()
{
    QFETCH(int, middle);
    QFETCH(int, difference);
    // Layer-1 images 30 x 10, the neighbour from column 10: a 20 x 10
    // overlap, a tenth 20. The first is black (sum 0, left out) but for
    // `middle` pixels of 100 in the overlap; the second is 110.
    auto first = [=](int x, int y) { return x >= 10 && (x - 10) + 20 * y < middle ? grey(100) : 0u; };
    CStitchOptions* job = gridJob(StitchStyleHorizontal, 2, 1, 30, 10, {first, [](int, int) { return grey(110); }}, 10);
    CBrightCorrection(job).MeasureBrightness(0, 0, 1, 0);
    QCOMPARE(offsets(job, 0)[1], difference);
    PSReleaseStitch(job);
}

void TestBrightness::noTwinsNoDifference()
{
    CStitchOptions* job = gridJob(StitchStyleVertical, 1, 2, 20, 10,
                                  {[](int, int) { return grey(100); }, [](int, int) { return grey(150); }}, 0);
    offsets(job, 0)[2] = 77;
    // The lower pair has no twins.
    CBrightCorrection(job).MeasureBrightness(0, 0, 0, 1);
    QCOMPARE(offsets(job, 0)[2], 0);
    // With one twin (the neighbour five rows down) it is measured.
    job->m_Matrix.m_pElements[0].m_LowerTwins.m_lCount = 1;
    job->m_Matrix.m_pElements[0].m_LowerTwins.m_Twins[0][0] = tagPOINT{0, 5};
    CBrightCorrection(job).MeasureBrightness(0, 0, 0, 1);
    QCOMPARE(offsets(job, 0)[2], 50);
    PSReleaseStitch(job);
}

void TestBrightness::largeLayerSumsStayExact()
{
    // 2500 x 2500 pixels of sum 699 and 600 (means 233 and 200): 6.25
    // million pixels, whose sums (4.37e9) pass 2^32. Difference
    // 200 - 233 = -33.
    CStitchOptions* job = gridJob(StitchStyleHorizontal, 2, 1, 2500, 2500,
                                  {[](int, int) { return 0xE9E9E9u; }, [](int, int) { return grey(200); }}, 0);
    CBrightCorrection(job).MeasureBrightness(0, 0, 1, 0);
    QCOMPARE(offsets(job, 0)[1], -33);
    PSReleaseStitch(job);
}

QTEST_GUILESS_MAIN(TestBrightness)
#include "tst_brightness.moc"
