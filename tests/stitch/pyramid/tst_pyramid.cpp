#include "StitchTestHost.h"

#include "stitch/image/CImage.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <QtTest>

Q_DECLARE_METATYPE(tagPOINT)

using Sizes = QList<tagPOINT>;

class TestPyramid : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void calcPyramidLayer_data();
    void calcPyramidLayer();
    void halvingRoundsAndDropsOddEdges();
    void progressSequence();
    void layersHeld_data();
    void layersHeld();
    void cancelAtEveryReport();
    void failuresOfTheHost_data();
    void failuresOfTheHost();
    void loadRefusesBadArguments_data();
    void loadRefusesBadArguments();
    void loadBuildsEveryPyramid();
    void loadTurnsFocalLengthIntoPixels_data();
    void loadTurnsFocalLengthIntoPixels();
    void cancelledLoadPutsUserDataBack();
    void tinyPhotos_data();
    void tinyPhotos();

private:
    CStitchOptions* create(tagStitchStyle style = StitchStyleHorizontal, tagStitchOutputSize size = StitchOutputOriginal,
                           STITCHMETHOD method = StitchMethodCalibrated);
    // A photo whose blue byte at (x, y) is (x + 3y) & 0xFF.
    void addPhoto(const QString& name, int width, int height);

    StitchTestHost* m_host = nullptr;
    QList<CStitchOptions*> m_jobs;
};

void TestPyramid::init()
{
    m_host = new StitchTestHost;
}

void TestPyramid::cleanup()
{
    for (CStitchOptions* job : m_jobs)
        PSReleaseStitch(job);
    m_jobs.clear();
    const bool clean = m_host->clean();
    const QString report = m_host->report();
    delete m_host;
    m_host = nullptr;
    if (!QTest::currentTestFailed())
        QVERIFY2(clean, qPrintable(report));
}

CStitchOptions* TestPyramid::create(tagStitchStyle style, tagStitchOutputSize size, STITCHMETHOD method)
{
    tagStitchCallbacks table = m_host->callbacks();
    CStitchOptions* job = PSCreateStitch(style, size, method, &table);
    if (job)
        m_jobs << job;
    return job;
}

void TestPyramid::addPhoto(const QString& name, int width, int height)
{
    m_host->addImage(name, StitchTestHost::packed24(width, height, [](int x, int y) { return unsigned((x + 3 * y) & 0xFF); }));
}

void TestPyramid::calcPyramidLayer_data()
{
    QTest::addColumn<Sizes>("sizes");
    QTest::addColumn<int>("outputSize");
    QTest::addColumn<int>("deepest");
    QTest::addColumn<int>("working");
    // Deepest: the first L >= 1 with area >> 2(L - 1) <= 14399; none below
    // 3600 pixels. Working: min(output size, 2, deepest).
    QTest::newRow("3599 pixels") << Sizes{{59, 61}} << 2 << 0 << 0;
    QTest::newRow("3600 pixels, quarter") << Sizes{{60, 60}} << 2 << 1 << 1;
    QTest::newRow("3600 pixels, original") << Sizes{{60, 60}} << 0 << 1 << 0;
    QTest::newRow("14399 pixels") << Sizes{{14399, 1}} << 1 << 1 << 1;
    QTest::newRow("14400 pixels") << Sizes{{120, 120}} << 1 << 2 << 1;        // 14400 >> 2 = 3600
    QTest::newRow("12 MP, quarter") << Sizes{{4000, 3000}} << 2 << 6 << 2;    // >> 8 = 46875, >> 10 = 11718
    QTest::newRow("smallest decides") << Sizes{{4000, 3000}, {100, 100}} << 0 << 1 << 0;
    // 2^32 pixels: 32 - 2(L - 1) must reach 13 bits, so L - 1 = 10.
    QTest::newRow("65536 x 65536") << Sizes{{65536, 65536}} << 2 << 11 << 2;
    // No photo counts as 0xFFFFFFF: >> 14 = 16383, >> 16 = 4095.
    QTest::newRow("none") << Sizes{} << 1 << 9 << 1;
}

void TestPyramid::calcPyramidLayer()
{
    QFETCH(Sizes, sizes);
    QFETCH(int, outputSize);
    QFETCH(int, deepest);
    QFETCH(int, working);
    CStitchOptions* job = create(StitchStyleHorizontal, tagStitchOutputSize(outputSize));
    QCOMPARE(CStitchMatrix::CalcPyramidLayer(int(sizes.size()), sizes.isEmpty() ? nullptr : sizes.data(), job), deepest);
    QCOMPARE(job->m_lDeepestLayer, deepest);
    QCOMPARE(job->m_lWorkingLayer, working);
}

void TestPyramid::halvingRoundsAndDropsOddEdges()
{
    // 5 x 3 to 2 x 1. Blue of the top-left block in memory order: 0, 0 / 0, 1
    // gives (1 + 2) >> 2 = 0; green 1, 1 / 1, 0 gives (3 + 2) >> 2 = 1;
    // red 1, 1 / 0, 0 gives (2 + 2) >> 2 = 1. The second block is all 200.
    const unsigned pixels[3][5] = {{0x010100, 0x010100, 200 * 0x010101u, 200 * 0x010101u, 0xFFFFFF},
                                   {0x000001, 0x000100, 200 * 0x010101u, 200 * 0x010101u, 0xFFFFFF},
                                   {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}};
    void* handle = m_host->makeHandle(
        StitchTestHost::packed24(5, 3, [&](int x, int y) { return pixels[y][x]; }));
    CImage source(handle), target;
    QCOMPARE(CStitchPyramid::ZoomImageBy2x2(&source, &target, 0, 100, nullptr), 0);
    QCOMPARE(target.Width(), 2);
    QCOMPARE(target.Height(), 1);
    QCOMPARE(target.Lock(), 0);
    QCOMPARE(QByteArray(reinterpret_cast<char*>(target.Bits()), 6), QByteArray("\x00\x01\x01\xC8\xC8\xC8", 6));
    target.Unlock();
    source.Detach();
    CStitchOptions::MemFree(handle);
}

void TestPyramid::progressSequence()
{
    // 8 x 4 halved twice, progress 0 to 100: the fetch (0, then 0 + 2), layer
    // 1 over 0..50 (rows of 2: 0, 0 + 1 x 50 / 2 = 25), layer 2 over 50..75
    // (one row).
    addPhoto(QStringLiteral("p"), 8, 4);
    CStitchOptions* job = create();
    job->m_lDeepestLayer = 2;
    CStitchPyramid pyramid;
    pyramid.m_strName = QStringLiteral("p");
    QCOMPARE(pyramid.BuildPyramid(job, 0, 100), 0);
    QCOMPARE(m_host->progress, (QList<int>{0, 2, 0, 0, 0, 25, 50, 50, 50, 50, 75}));
    QCOMPARE(pyramid.m_lBuilt, 3);
    QCOMPARE(pyramid.m_lWidth, 8);
    QCOMPARE(CStitchPyramid::m_lMaxW, 8);
}

void TestPyramid::layersHeld_data()
{
    QTest::addColumn<int>("outputSize");
    QTest::addColumn<int>("deepest");
    QTest::addColumn<QList<bool>>("held");
    QTest::newRow("quarter, deepest 3") << 2 << 3 << QList<bool>{false, false, true, true};
    QTest::newRow("original, deepest 3") << 0 << 3 << QList<bool>{false, true, true, true};
    QTest::newRow("half, deepest 1") << 1 << 1 << QList<bool>{false, true};
    // Nothing to halve: the photo stays.
    QTest::newRow("deepest 0") << 0 << 0 << QList<bool>{true};
}

void TestPyramid::layersHeld()
{
    QFETCH(int, outputSize);
    QFETCH(int, deepest);
    QFETCH(QList<bool>, held);
    addPhoto(QStringLiteral("p"), 32, 16);
    CStitchOptions* job = create(StitchStyleHorizontal, tagStitchOutputSize(outputSize));
    job->m_lDeepestLayer = deepest;
    {
        CStitchPyramid pyramid;
        pyramid.m_strName = QStringLiteral("p");
        QCOMPARE(pyramid.BuildPyramid(job, 10, 20), 0);
        QList<bool> got;
        for (int layer = 0; layer <= deepest; ++layer)
            got << pyramid.IsHeld(layer);
        QCOMPARE(got, held);
        QCOMPARE(m_host->outstandingImages(), held[0] ? 1 : 0);
        if (deepest >= 2) { // layer 2 of 32 x 16 is 8 x 4, each pixel a 4 x 4 mean
            CImage layer(pyramid.LockHDib(2));
            QCOMPARE(layer.Width(), 8);
            QCOMPARE(layer.Height(), 4);
            layer.Detach();
        }
    }
}

void TestPyramid::cancelAtEveryReport()
{
    addPhoto(QStringLiteral("p"), 8, 4);
    CStitchOptions* job = create();
    job->m_lDeepestLayer = 2;
    for (int call = 0; call < 11; ++call) {
        m_host->progress.clear();
        m_host->cancelAtProgressCall = call;
        CStitchPyramid pyramid;
        pyramid.m_strName = QStringLiteral("p");
        QCOMPARE(pyramid.BuildPyramid(job, 0, 100), -1);
        QCOMPARE(m_host->progress.size(), call + 1);
    }
    QCOMPARE(m_host->returns, m_host->fetches);
}

void TestPyramid::failuresOfTheHost_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("nullHandle");
    QTest::addColumn<bool>("eightBit");
    QTest::addColumn<int>("expected");
    QTest::newRow("code passes through") << -7 << false << false << -7;
    QTest::newRow("success without a photo") << 0 << true << false << -3;
    QTest::newRow("8-bit photo") << 0 << false << true << -3;
}

void TestPyramid::failuresOfTheHost()
{
    QFETCH(int, code);
    QFETCH(bool, nullHandle);
    QFETCH(bool, eightBit);
    QFETCH(int, expected);
    if (eightBit) {
        CImage grey(4, 4, 8);
        void* handle = grey.Detach();
        m_host->addImage(QStringLiteral("p"), m_host->handleBytes(handle));
        CStitchOptions::MemFree(handle);
    } else {
        addPhoto(QStringLiteral("p"), 4, 4);
    }
    m_host->getImageResult = code;
    m_host->getImageGivesNull = nullHandle;
    CStitchOptions* job = create();
    job->m_lDeepestLayer = 1;
    CStitchPyramid pyramid;
    pyramid.m_strName = QStringLiteral("p");
    QCOMPARE(pyramid.BuildPyramid(job, 0, 100), expected);
    CStitchPyramid unnamed;
    QCOMPARE(unnamed.BuildPyramid(job, 0, 100), -3);
}

void TestPyramid::loadRefusesBadArguments_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<Sizes>("sizes");
    QTest::newRow("empty list") << 0 << QStringList{} << Sizes{{8, 8}};
    QTest::newRow("count above the list") << 3 << QStringList{"a", "b"} << Sizes{{8, 8}, {8, 8}, {8, 8}};
    QTest::newRow("count below the list") << 1 << QStringList{"a", "b"} << Sizes{{8, 8}, {8, 8}};
    QTest::newRow("zero width") << 2 << QStringList{"a", "b"} << Sizes{{8, 8}, {0, 8}};
    QTest::newRow("negative height") << 1 << QStringList{"a"} << Sizes{{8, -1}};
    QTest::newRow("no sizes") << 1 << QStringList{"a"} << Sizes{};
}

void TestPyramid::loadRefusesBadArguments()
{
    QFETCH(int, count);
    QFETCH(QStringList, names);
    QFETCH(Sizes, sizes);
    CStitchOptions* job = create();
    QCOMPARE(PSLoadImages(job, count, names, sizes.isEmpty() ? nullptr : sizes.data()), -3);
    QCOMPARE(PSLoadImages(nullptr, 1, QStringList{"a"}, sizes.data()), -3);
    QCOMPARE(m_host->fetches, 0);
}

void TestPyramid::loadBuildsEveryPyramid()
{
    for (const char* name : {"a", "b", "c"})
        addPhoto(QString::fromLatin1(name), 160, 100);
    CStitchOptions* job = create(StitchStyleVertical, StitchOutputHalf, StitchMethodTelephoto);
    Sizes sizes{{160, 100}, {160, 100}, {160, 100}};
    QCOMPARE(PSLoadImages(job, 3, QStringList{"a", "b", "c"}, sizes.data()), 0);
    // 16000 pixels: deepest 2 (16000 >> 2 = 4000), working min(1, 2, 2) = 1.
    QCOMPARE(job->m_lDeepestLayer, 2);
    QCOMPARE(job->m_lWorkingLayer, 1);
    QCOMPARE(job->m_lOrderingLayer, 2);
    QCOMPARE(job->m_Matrix.m_lCols, 1);
    QCOMPARE(job->m_Matrix.m_lRows, 3);
    QVERIFY(CStitchPyramid::m_bTelephoto);
    QCOMPARE(m_host->fetches, 3);
    QCOMPARE(m_host->returns, 3);
    QCOMPARE(m_host->progress.first(), 0);
    QCOMPARE(m_host->progress.last(), 100);
    // Each photo reports within its third: 0..33, 33..66, 66..100.
    QVERIFY(m_host->progress.contains(33));
    QVERIFY(m_host->progress.contains(66));
    CStitchElement* b = job->m_Matrix.GetElement(0, 1);
    QCOMPARE(b->m_Pyramid.m_strName, QStringLiteral("b"));
    QVERIFY(b->m_Pyramid.IsHeld(2));
    // A second load replaces the first one's elements.
    QCOMPARE(PSLoadImages(job, 1, QStringList{"c"}, sizes.data()), 0);
    QCOMPARE(job->m_Matrix.m_lCount, 1);
}

void TestPyramid::loadTurnsFocalLengthIntoPixels_data()
{
    QTest::addColumn<double>("focal35");
    QTest::addColumn<int>("method");
    QTest::addColumn<double>("focal");
    // max(160, 100) x 45 / 36 = 200 pixels.
    QTest::newRow("45 mm") << 45.0 << 2 << 200.0;
    QTest::newRow("not given") << 0.0 << 0 << 0.0;
}

void TestPyramid::loadTurnsFocalLengthIntoPixels()
{
    QFETCH(double, focal35);
    QFETCH(int, method);
    QFETCH(double, focal);
    addPhoto(QStringLiteral("a"), 160, 100);
    addPhoto(QStringLiteral("b"), 100, 160);
    CStitchOptions* job = create(StitchStyleHorizontal, StitchOutputOriginal, StitchMethodFocal35mm);
    job->m_dFocalLength = focal35;
    Sizes sizes{{160, 100}, {100, 160}};
    QCOMPARE(PSLoadImages(job, 2, QStringList{"a", "b"}, sizes.data()), 0);
    QCOMPARE(int(job->m_Method), method);
    QCOMPARE(job->m_dFocalLength, focal);
    QVERIFY(!CStitchPyramid::m_bTelephoto);
}

void TestPyramid::cancelledLoadPutsUserDataBack()
{
    addPhoto(QStringLiteral("a"), 160, 100);
    int earlier = 0;
    CStitchOptions::m_pUserData = &earlier;
    CStitchOptions* job = create();
    m_host->cancelAtProgressCall = 3;
    Sizes sizes{{160, 100}};
    QCOMPARE(PSLoadImages(job, 1, QStringList{"a"}, sizes.data()), -1);
    QCOMPARE(m_host->progress.last(), 100);
    QCOMPARE(CStitchOptions::m_pUserData, static_cast<void*>(&earlier));
    QVERIFY(!CStitchOptions::m_pUserDataMemo);
    CStitchOptions::m_pUserData = m_host;
    QCOMPARE(m_host->returns, m_host->fetches);
}

void TestPyramid::tinyPhotos_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("expected");
    QTest::newRow("1 x 1") << 1 << 1 << 0;
    QTest::newRow("2 x 2") << 2 << 2 << 0;
    QTest::newRow("one row") << 3000 << 1 << 0;  // 3000 pixels: nothing to halve
    // 20000 pixels: two halvings, and 10000 x 2 has only one row to halve
    // into: the second layer cannot be made.
    QTest::newRow("10000 x 2") << 10000 << 2 << -2;
}

void TestPyramid::tinyPhotos()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, expected);
    addPhoto(QStringLiteral("a"), width, height);
    addPhoto(QStringLiteral("b"), width, height);
    CStitchOptions* job = create();
    Sizes sizes{{width, height}, {width, height}};
    QCOMPARE(PSLoadImages(job, 2, QStringList{"a", "b"}, sizes.data()), expected);
}

QTEST_GUILESS_MAIN(TestPyramid)
#include "tst_pyramid.moc"
