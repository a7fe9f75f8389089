#include "StitchTestHost.h"
#include "support/TestSupport.h"

#include "stitch/image/CImage.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/job/CProcessingList.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <QtTest>

Q_DECLARE_METATYPE(tagRECT)
Q_DECLARE_METATYPE(tagPOINT)

using Rects = QList<tagRECT>;
using Cells = QList<QPoint>;

bool operator==(const tagRECT& a, const tagRECT& b)
{
    return EqualRect(&a, &b);
}

char* toString(const tagRECT& r)
{
    return qstrdup(QStringLiteral("(%1, %2, %3, %4)").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom).toUtf8().constData());
}

namespace {

// Gives a job a grid of cols x rows elements, as loading would.
void makeGrid(CStitchOptions* job, tagStitchStyle style, int cols, int rows)
{
    job->m_Matrix.m_pElements = new CStitchElement[size_t(cols * rows)];
    job->m_Matrix.m_Style = style;
    job->m_Matrix.m_lCols = cols;
    job->m_Matrix.m_lRows = rows;
    job->m_Matrix.m_lCount = cols * rows;
}

CStitchElement& cell(CStitchOptions* job, int index)
{
    return job->m_Matrix.m_pElements[index];
}

} // namespace

class TestStitchJob : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void createSetsMethodAndRenderKind_data();
    void createSetsMethodAndRenderKind();
    void createRefuses_data();
    void createRefuses();
    void memorySlotsAllOrNone_data();
    void memorySlotsAllOrNone();
    void jobsKeepToTheirOwnFolders();
    void releaseResultTwiceFreesOnce();
    void releaseStitchFreesEverything_data();
    void releaseStitchFreesEverything();
    void tempFilesOfAnElement();
    void resultFromOutside();
    void overlaps_data();
    void overlaps();
    void wrapOverlapDropsPathBeyondLayout();
    void dividingPaths_data();
    void dividingPaths();
    void processingList_data();
    void processingList();
    void verifyMatrixLayout();
    void getElement();
    void processingListRefusesBeyondCapacity();
    void pyramidLayers();
    void isColine_data();
    void isColine();

private:
    CStitchOptions* create(tagStitchStyle style = StitchStyleHorizontal, STITCHMETHOD method = StitchMethodCalibrated);

    StitchTestHost* m_host = nullptr;
    QList<CStitchOptions*> m_jobs;
};

void TestStitchJob::init()
{
    m_host = new StitchTestHost;
}

void TestStitchJob::cleanup()
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

CStitchOptions* TestStitchJob::create(tagStitchStyle style, STITCHMETHOD method)
{
    tagStitchCallbacks table = m_host->callbacks();
    CStitchOptions* job = PSCreateStitch(style, StitchOutputOriginal, method, &table);
    if (job)
        m_jobs << job;
    return job;
}

void TestStitchJob::createSetsMethodAndRenderKind_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("method");
    QTest::addColumn<int>("storedMethod");
    QTest::addColumn<int>("renderKind");
    // Telephoto is planar, except for a 360-degree row, which calibrates
    // and is cylindrical.
    QTest::newRow("row, telephoto") << 0 << 1 << 1 << 3;
    QTest::newRow("column, telephoto") << 1 << 1 << 1 << 3;
    QTest::newRow("tile, telephoto") << 3 << 1 << 1 << 3;
    QTest::newRow("360, telephoto") << 2 << 1 << 0 << 1;
    // Otherwise any non-zero method is the 35 mm one; tiles are spherical.
    QTest::newRow("row, calibrated") << 0 << 0 << 0 << 1;
    QTest::newRow("360, calibrated") << 2 << 0 << 0 << 1;
    QTest::newRow("tile, calibrated") << 3 << 0 << 0 << 2;
    QTest::newRow("column, 35 mm") << 1 << 2 << 2 << 1;
    QTest::newRow("tile, 35 mm") << 3 << 2 << 2 << 2;
    QTest::newRow("row, method 7") << 0 << 7 << 2 << 1;
}

void TestStitchJob::createSetsMethodAndRenderKind()
{
    QFETCH(int, style);
    QFETCH(int, method);
    QFETCH(int, storedMethod);
    QFETCH(int, renderKind);
    CStitchOptions* job = create(tagStitchStyle(style), STITCHMETHOD(method));
    QVERIFY(job);
    QCOMPARE(int(job->m_Method), storedMethod);
    QCOMPARE(job->m_lRenderKind, renderKind);
    QCOMPARE(int(job->m_Matrix.m_Style), style);
    // The rest keeps its defaults.
    QCOMPARE(job->m_lFillColour, 0xFFFFFFu);
    QCOMPARE(job->m_lDeepestLayer, -1);
    QCOMPARE(job->m_lWorkingLayer, -1);
    QCOMPARE(job->m_lOrderingLayer, -1);
    QCOMPARE(job->m_dFocalLength, 0.0);
    QVERIFY(job->m_bBrightnessCorrection);
    QVERIFY(job->m_bAutoGrid);
    QVERIFY(!job->m_Matrix.m_pElements);
}

void TestStitchJob::createRefuses_data()
{
    QTest::addColumn<int>("missing"); // slot left null, -1 for a null table
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("outputSize");
    QTest::newRow("null table") << -1 << 0 << 0;
    QTest::newRow("no ShowProgress") << 1 << 0 << 0;
    QTest::newRow("no GetImage") << 2 << 0 << 0;
    QTest::newRow("no DeleteImage") << 3 << 0 << 0;
    QTest::newRow("style 4") << 0 << 4 << 0;
    QTest::newRow("style -1") << 0 << -1 << 0;
    QTest::newRow("output size 3") << 0 << 0 << 3;
}

void TestStitchJob::createRefuses()
{
    QFETCH(int, missing);
    QFETCH(int, style);
    QFETCH(int, outputSize);
    tagStitchCallbacks table = m_host->callbacks();
    if (missing == 1)
        table.ShowProgress = nullptr;
    if (missing == 2)
        table.GetImage = nullptr;
    if (missing == 3)
        table.DeleteImage = nullptr;
    CStitchOptions* job = PSCreateStitch(tagStitchStyle(style), tagStitchOutputSize(outputSize),
                                         StitchMethodCalibrated, missing == -1 ? nullptr : &table);
    QVERIFY(!job);
    PSReleaseStitch(nullptr);
    PSReleaseResultDIB(nullptr);
}

void TestStitchJob::memorySlotsAllOrNone_data()
{
    QTest::addColumn<int>("cleared"); // memory slot left null, -1 for none
    QTest::newRow("all four") << -1;
    QTest::newRow("no MemAlloc") << 0;
    QTest::newRow("no MemLock") << 1;
    QTest::newRow("no MemUnlock") << 2;
    QTest::newRow("no MemFree") << 3;
}

void TestStitchJob::memorySlotsAllOrNone()
{
    QFETCH(int, cleared);
    tagStitchCallbacks table = m_host->callbacks();
    if (cleared == 0)
        table.MemAlloc = nullptr;
    if (cleared == 1)
        table.MemLock = nullptr;
    if (cleared == 2)
        table.MemUnlock = nullptr;
    if (cleared == 3)
        table.MemFree = nullptr;
    CStitchOptions* job = PSCreateStitch(StitchStyleHorizontal, StitchOutputOriginal, StitchMethodCalibrated, &table);
    QVERIFY(job);
    m_jobs << job;
    const bool host = cleared == -1;
    QCOMPARE(CStitchOptions::m_pfnMemAlloc == PSMemAlloc, !host);
    QCOMPARE(CStitchOptions::m_pfnMemLock == PSMemLock, !host);
    QCOMPARE(CStitchOptions::m_pfnMemUnlock == PSMemUnlock, !host);
    QCOMPARE(CStitchOptions::m_pfnMemFree == PSMemFree, !host);
    {
        CImage image(8, 8, 24);
        QCOMPARE(m_host->allocations, host ? 1 : 0);
    }
    QCOMPARE(CStitchOptions::m_pUserData, static_cast<void*>(m_host));
}

void TestStitchJob::jobsKeepToTheirOwnFolders()
{
    CStitchOptions* first = create();
    CStitchOptions* second = create();
    QVERIFY(first && second);
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QVERIFY(first->m_strTempDir != second->m_strTempDir);
    for (CStitchOptions* job : {first, second}) {
        QCOMPARE(QFileInfo(job->m_strTempDir).absolutePath(), cache + QStringLiteral("/Panorama"));
        QCOMPARE(QFileInfo(job->m_strTempDir).permissions() & (QFile::ReadOther | QFile::ReadGroup), QFileDevice::Permissions());
        QCOMPARE(job->m_FileManager.TempDir(), job->m_strTempDir);
    }
    const int firstId = first->m_FileManager.GetFileID();
    const int secondId = second->m_FileManager.GetFileID();
    QVERIFY(firstId >= 0 && secondId >= 0);
    QString secondFile;
    second->m_FileManager.GetTotalTempFileName(secondId, secondFile);

    const QString firstDir = first->m_strTempDir;
    m_jobs.removeOne(first);
    PSReleaseStitch(first);
    QVERIFY(!QFileInfo::exists(firstDir));
    QVERIFY(QFileInfo::exists(secondFile));
    QVERIFY(QFileInfo::exists(cache + QStringLiteral("/Panorama")));
    // The second job's creation remembered the first job's user data.
    QCOMPARE(CStitchOptions::m_pUserDataMemo, static_cast<void*>(m_host));
}

void TestStitchJob::releaseResultTwiceFreesOnce()
{
    CStitchOptions* job = create();
    CImage result(4, 4, 24);
    job->m_hResultDib = result.Detach();
    PSReleaseResultDIB(job);
    QVERIFY(!job->m_hResultDib);
    PSReleaseResultDIB(job);
    QCOMPARE(m_host->frees, 1);
}

void TestStitchJob::releaseStitchFreesEverything_data()
{
    QTest::addColumn<int>("working");
    QTest::addColumn<int>("deepest");
    QTest::newRow("working layer 1 of 2") << 1 << 2;
    QTest::newRow("working layer 0 of 2, photo held") << 0 << 2;
    QTest::newRow("layers never set") << -1 << -1;
}

void TestStitchJob::releaseStitchFreesEverything()
{
    QFETCH(int, working);
    QFETCH(int, deepest);
    m_host->addImage(QStringLiteral("a.jpg"), StitchTestHost::packed24(4, 4, [](int, int) { return 0u; }));
    CStitchOptions* job = create();
    m_jobs.clear();
    makeGrid(job, StitchStyleHorizontal, 3, 1);
    job->m_lWorkingLayer = working;
    job->m_lDeepestLayer = deepest;
    QStringList files;
    for (int i = 0; i < 3; ++i) {
        CStitchElement& element = cell(job, i);
        QVERIFY(element.m_Pyramid.AllocateLayers(3));
        element.m_Pyramid.m_lSupplied = 1;
        element.m_Pyramid.SetName(QStringLiteral("a.jpg"));
        for (int layer = 1; layer < 3; ++layer) {
            CImage image(2, 2, 24);
            element.m_Pyramid.m_phLayers[layer] = image.Detach();
        }
        if (working == 0)
            QVERIFY(element.m_Pyramid.LockHDib(0));
        element.m_pRightPath = new unsigned short[4]{2, 0, 0, 0};
        element.m_pLowerPath = new unsigned short[1]{0};
        element.m_lWarpedImageId = job->m_FileManager.GetFileID();
        element.m_lWrapMaskId = job->m_FileManager.GetFileID();
        QString name;
        job->m_FileManager.GetTotalTempFileName(element.m_lWrapMaskId, name);
        files << name;
    }
    CImage work(3, 3, 24), result(3, 3, 24);
    job->m_hWorkDib = work.Detach();
    job->m_hResultDib = result.Detach();
    int count = 0;
    QVERIFY(job->CalcOverlapRects(&job->m_pOverlapRects, &count));
    QVERIFY(job->GetDividingPath(&job->m_ppPaths, &job->m_lPathCount));
    const QString dir = job->m_strTempDir;
    for (const QString& file : files)
        QVERIFY(QFileInfo::exists(file));

    PSReleaseStitch(job);
    QVERIFY(!QFileInfo::exists(dir));
    QCOMPARE(m_host->returns, m_host->fetches);
    QVERIFY2(m_host->clean(), qPrintable(m_host->report()));
}

void TestStitchJob::tempFilesOfAnElement()
{
    CStitchOptions* job = create();
    makeGrid(job, StitchStyleHorizontal, 1, 1);
    CStitchElement& element = cell(job, 0);
    for (int i = 0; i < CStitchElement::kFileIdCount; ++i)
        QCOMPARE(*element.FileId(i), -1);
    QStringList names;
    for (int i = 0; i < CStitchElement::kFileIdCount; ++i) {
        *element.FileId(i) = job->m_FileManager.GetFileID();
        QString name;
        job->m_FileManager.GetTotalTempFileName(*element.FileId(i), name);
        names << name;
    }
    QFile::remove(names.at(4)); // a missing file is no error
    job->DeleteTempFiles();
    for (int i = 0; i < CStitchElement::kFileIdCount; ++i) {
        QCOMPARE(*element.FileId(i), -1);
        QVERIFY(!QFileInfo::exists(names.at(i)));
    }
    job->RemoveFile(123456);
}

void TestStitchJob::resultFromOutside()
{
    tagStitchCallbacks table = m_host->callbacks();
    table.GetResultDIBData = nullptr;
    CStitchOptions* job = PSCreateStitch(StitchStyleHorizontal, StitchOutputOriginal, StitchMethodCalibrated, &table);
    QVERIFY(job);
    m_jobs << job;
    SetRect(&job->m_LayoutRect, -5, 2, 15, 12);
    QVERIFY(!job->GetResultDIBDataFromOutside());
    QVERIFY(!job->m_hResultDib);

    table = m_host->callbacks();
    CStitchOptions::SetCallbacks(&table);
    QVERIFY(job->GetResultDIBDataFromOutside());
    QCOMPARE(m_host->resultFills, 1);
    CImage result(job->m_hResultDib);
    QCOMPARE(result.Width(), 20);
    QCOMPARE(result.Height(), 10);
    QCOMPARE(result.BitCount(), 24);
    result.Detach();
    QVERIFY(!job->GetResultDIBDataFromOutside()); // a result exists
    PSReleaseResultDIB(job);
    m_host->resultCode = -3;
    QVERIFY(!job->GetResultDIBDataFromOutside());
}

void TestStitchJob::overlaps_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<Rects>("placements");
    QTest::addColumn<Rects>("strips");
    QTest::addColumn<tagRECT>("layout");
    QTest::addColumn<Rects>("expected");

    // A row: neighbours in array order, moved by minus the layout corner
    // (-10, -5), so +10, +5.
    const Rects row{{0, 0, 100, 50}, {80, 0, 180, 50}, {160, 5, 260, 55}};
    QTest::newRow("row") << 0 << 3 << 1 << row << Rects{} << tagRECT{-10, -5, 260, 55}
                         << Rects{{90, 5, 110, 55}, {170, 10, 190, 55}};
    const Rects column{{0, 0, 50, 100}, {0, 90, 50, 190}};
    QTest::newRow("column") << 1 << 1 << 2 << column << Rects{} << tagRECT{0, 0, 50, 190}
                            << Rects{{0, 90, 50, 100}};
    // A lone photo has no neighbour.
    QTest::newRow("single") << 0 << 1 << 1 << Rects{{0, 0, 5, 5}} << Rects{} << tagRECT{0, 0, 5, 5} << Rects{};

    // 3 x 2 tile, element (c, r) at (90c, 70r, 90c + 100, 70r + 80):
    // horizontal pairs share columns 90..100 and 180..190 of their row; the
    // first column's pair shares rows 70..80; the row strips likewise.
    Rects tile;
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c)
            tile << tagRECT{90 * c, 70 * r, 90 * c + 100, 70 * r + 80};
    const Rects strips{{0, 0, 280, 80}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 70, 280, 150}, {0, 0, 0, 0}, {0, 0, 0, 0}};
    QTest::newRow("tile 3x2") << 3 << 3 << 2 << tile << strips << tagRECT{0, 0, 280, 150}
                              << Rects{{90, 0, 100, 80}, {180, 0, 190, 80}, {90, 70, 100, 150}, {180, 70, 190, 150},
                                       {0, 70, 100, 80}, {0, 70, 280, 80}};
}

void TestStitchJob::overlaps()
{
    QFETCH(int, style);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(Rects, placements);
    QFETCH(Rects, strips);
    QFETCH(tagRECT, layout);
    QFETCH(Rects, expected);

    CStitchOptions* job = create(tagStitchStyle(style));
    makeGrid(job, tagStitchStyle(style), cols, rows);
    job->m_LayoutRect = layout;
    for (int i = 0; i < placements.size(); ++i) {
        cell(job, i).m_Placement = placements[i];
        if (i < strips.size())
            cell(job, i).m_RowStrip = strips[i];
    }
    tagRECT* rects = new tagRECT[1]; // an earlier array is replaced
    int count = -1;
    QVERIFY(job->CalcOverlapRects(&rects, &count));
    QCOMPARE(count, int(expected.size()));
    QCOMPARE(Rects(rects, rects + count), expected);
    delete[] rects;
}

void TestStitchJob::wrapOverlapDropsPathBeyondLayout()
{
    // Four photos of a ring on a layout (0, 10)..(310, 50). Pair 0-1 is
    // clipped at the layout's top, pair 2-3 reaches past its right edge
    // (320 > 310) and is left to the wrap copy, whose overlap with photo 0
    // closes the ring.
    CStitchOptions* job = create(StitchStyle360);
    makeGrid(job, StitchStyle360, 4, 1);
    SetRect(&job->m_LayoutRect, 0, 10, 310, 50);
    SetRect(&cell(job, 0).m_Placement, 0, 0, 120, 50);
    SetRect(&cell(job, 1).m_Placement, 100, 0, 220, 50);
    SetRect(&cell(job, 2).m_Placement, 200, 0, 320, 50);
    SetRect(&cell(job, 3).m_Placement, 300, 0, 420, 50);
    SetRect(&cell(job, 3).m_WrapPlacement, -100, 0, 20, 50);
    cell(job, 1).m_pRightPath = new unsigned short[1]{0};
    cell(job, 2).m_pRightPath = new unsigned short[1]{0};

    int count = 0;
    QVERIFY(job->CalcOverlapRects(&job->m_pOverlapRects, &count));
    QCOMPARE(count, 4);
    const Rects expected{{100, 0, 120, 40}, {200, 0, 220, 40}, {0, 0, 0, 0}, {0, -10, 20, 40}};
    QCOMPARE(Rects(job->m_pOverlapRects, job->m_pOverlapRects + 4), expected);
    QVERIFY(cell(job, 1).m_pRightPath);
    QVERIFY(!cell(job, 2).m_pRightPath);
}

void TestStitchJob::dividingPaths_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    // Entries as (element index, 0 right / 1 lower).
    QTest::addColumn<Cells>("expected");
    QTest::newRow("row of 3") << 0 << 3 << 1 << Cells{{0, 0}, {1, 0}};
    QTest::newRow("ring of 3") << 2 << 3 << 1 << Cells{{0, 0}, {1, 0}, {2, 0}};
    QTest::newRow("column of 2") << 1 << 1 << 2 << Cells{{0, 0}};
    // Row by row the right paths of columns 0..1, then column 0's lower paths.
    QTest::newRow("tile 3x2") << 3 << 3 << 2 << Cells{{0, 0}, {1, 0}, {3, 0}, {4, 0}, {0, 1}};
}

void TestStitchJob::dividingPaths()
{
    QFETCH(int, style);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(Cells, expected);
    CStitchOptions* job = create(tagStitchStyle(style));
    makeGrid(job, tagStitchStyle(style), cols, rows);
    for (int i = 0; i < cols * rows; ++i) {
        cell(job, i).m_pRightPath = new unsigned short[1]{0};
        cell(job, i).m_pLowerPath = new unsigned short[1]{0};
    }
    QVERIFY(job->GetDividingPath(&job->m_ppPaths, &job->m_lPathCount));
    QCOMPARE(job->m_lPathCount, int(expected.size()));
    for (int i = 0; i < expected.size(); ++i) {
        CStitchElement& element = cell(job, expected[i].x());
        QCOMPARE(job->m_ppPaths[i], expected[i].y() == 0 ? element.m_pRightPath : element.m_pLowerPath);
    }
    for (int i = 0; i < cols * rows; ++i) { // the paths stay the elements'
        delete[] cell(job, i).m_pRightPath;
        delete[] cell(job, i).m_pLowerPath;
        cell(job, i).m_pRightPath = cell(job, i).m_pLowerPath = nullptr;
    }
}

void TestStitchJob::processingList_data()
{
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<Cells>("unused");
    QTest::addColumn<Cells>("expected");
    QTest::newRow("full 3x2") << 3 << 2 << Cells{} << Cells{{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}};
    // The walk ends at the first cell not in use.
    QTest::newRow("3x2 without (2,0)") << 3 << 2 << Cells{{2, 0}} << Cells{{0, 0}, {1, 0}};
    QTest::newRow("3x2 without (1,1)") << 3 << 2 << Cells{{1, 1}} << Cells{{0, 0}, {1, 0}, {2, 0}, {0, 1}};
    // Column 0 starts at its first cell in use; (0, 1) is then passed over
    // as already listed and the walk ends one step later.
    QTest::newRow("2x2 without (0,0)") << 2 << 2 << Cells{{0, 0}} << Cells{{0, 1}, {1, 0}};
    QTest::newRow("single") << 1 << 1 << Cells{} << Cells{{0, 0}};
}

void TestStitchJob::processingList()
{
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(Cells, unused);
    QFETCH(Cells, expected);
    CStitchOptions* job = create(StitchStyleTile);
    makeGrid(job, StitchStyleTile, cols, rows);
    for (const QPoint& p : unused)
        cell(job, p.y() * cols + p.x()).m_bInUse = false;
    CProcessingList list(cols * rows);
    list.Add(9, 9); // emptied first
    job->m_Matrix.GetProcessingList(&list);
    Cells got;
    for (int i = 0; i < list.Count(); ++i) {
        int col = -1, row = -1;
        QVERIFY(list.Get(i, &col, &row));
        got << QPoint(col, row);
    }
    QCOMPARE(got, expected);
}

void TestStitchJob::verifyMatrixLayout()
{
    CStitchOptions* job = create(StitchStyleTile);
    makeGrid(job, StitchStyleTile, 2, 2);
    QVERIFY(job->m_Matrix.VerifyMatrixLayout());
    cell(job, 3).m_bInUse = false; // (1, 1): the walk still reaches 3 of 4
    QVERIFY(!job->m_Matrix.VerifyMatrixLayout());
    cell(job, 3).m_bInUse = true;
    job->m_Matrix.m_Style = StitchStyleHorizontal;
    QVERIFY(!job->m_Matrix.VerifyMatrixLayout());
    job->m_Matrix.m_Style = StitchStyleTile;
    job->m_Matrix.m_lRows = 1;
    job->m_Matrix.m_lCols = 4;
    QVERIFY(!job->m_Matrix.VerifyMatrixLayout());
}

void TestStitchJob::getElement()
{
    CStitchOptions* job = create(StitchStyleTile);
    QVERIFY(!job->m_Matrix.GetElement(0, 0));
    makeGrid(job, StitchStyleTile, 3, 2);
    QCOMPARE(job->m_Matrix.GetElement(2, 1), &cell(job, 5));
    cell(job, 4).m_bInUse = false;
    QVERIFY(!job->m_Matrix.GetElement(1, 1));
    QVERIFY(!job->m_Matrix.GetElement(3, 0));
    QVERIFY(!job->m_Matrix.GetElement(0, 2));
    QVERIFY(!job->m_Matrix.GetElement(-1, 0));
}

void TestStitchJob::processingListRefusesBeyondCapacity()
{
    CProcessingList list(2);
    QCOMPARE(list.Add(1, 2), 1);
    QCOMPARE(list.Add(3, 4), 2);
    QCOMPARE(list.Add(5, 6), 2);
    QVERIFY(!list.IsInList(5, 6));
    QVERIFY(list.IsInList(3, 4));
    int col = 0, row = 0;
    QVERIFY(!list.Get(2, &col, &row));
    QVERIFY(list.Get(1, &col, &row));
    QCOMPARE(QPoint(col, row), QPoint(3, 4));
    list.Clear();
    QCOMPARE(list.Count(), 0);
    CProcessingList none(0);
    QCOMPARE(none.Add(0, 0), 0);
}

void TestStitchJob::pyramidLayers()
{
    m_host->addImage(QStringLiteral("/photos/p.jpg"), StitchTestHost::packed24(2, 2, [](int, int) { return 0u; }));
    CStitchPyramid pyramid;
    QCOMPARE(CStitchPyramid::ZoomRatio(0), 1);
    QCOMPARE(CStitchPyramid::ZoomRatio(3), 8);
    QVERIFY(!pyramid.LockHDib(0)); // no table yet
    QVERIFY(pyramid.AllocateLayers(3));
    pyramid.m_lSupplied = 1;
    pyramid.SetName(QStringLiteral("/photos/p.jpg"));
    QCOMPARE(pyramid.m_strSiblingName, QStringLiteral("/photos/p0.jpg"));

    void* photo = pyramid.LockHDib(0);
    QVERIFY(photo);
    QCOMPARE(pyramid.LockHDib(0), photo); // held: no second fetch
    QCOMPARE(m_host->fetches, 1);
    pyramid.UnlockHDib(0);
    QCOMPARE(m_host->returns, 1);
    QVERIFY(!pyramid.IsHeld(0));

    QVERIFY(!pyramid.LockHDib(2)); // built layers are never fetched
    CImage layer(1, 1, 24);
    pyramid.m_phLayers[2] = layer.Detach();
    pyramid.UnlockHDib(2); // built layers stay
    QVERIFY(pyramid.IsHeld(2));
    QVERIFY(!pyramid.LockHDib(3));
    QVERIFY(!pyramid.LockHDib(-1));

    CStitchPyramid other;
    pyramid.m_lWidth = 40;
    pyramid.PermuteData(&other);
    QCOMPARE(other.m_lWidth, 40);
    QCOMPARE(other.m_strName, QStringLiteral("/photos/p.jpg"));
    QVERIFY(other.IsHeld(2));
    QVERIFY(!pyramid.IsHeld(2));
    QVERIFY(!pyramid.m_phLayers);
    other.ReleaseLayer(2);
    QCOMPARE(m_host->frees, 1);
    other.ReleaseLayer(2);
    QCOMPARE(m_host->frees, 1);

    // A failing fetch leaves nothing held; a held photo left at the end goes
    // back with the pyramid.
    m_host->getImageResult = -3;
    QVERIFY(!other.LockHDib(0));
    m_host->getImageResult = 0;
    m_host->getImageGivesNull = true;
    QVERIFY(!other.LockHDib(0));
    m_host->getImageGivesNull = false;
    QVERIFY(other.LockHDib(0));
}

void TestStitchJob::isColine_data()
{
    QTest::addColumn<tagPOINT>("a");
    QTest::addColumn<tagPOINT>("b");
    QTest::addColumn<tagPOINT>("c");
    QTest::addColumn<bool>("coline");
    QTest::newRow("on a line") << tagPOINT{0, 0} << tagPOINT{10, 0} << tagPOINT{20, 0} << true;
    QTest::newRow("right angle") << tagPOINT{0, 0} << tagPOINT{10, 0} << tagPOINT{10, 10} << false;
    // 10 + 10.05 + 20.02 - 2 x 20.02 = 0.02: within one pixel of length.
    QTest::newRow("nearly") << tagPOINT{0, 0} << tagPOINT{10, 0} << tagPOINT{20, 1} << true;
    // 10 + 14.14 + 10 - 2 x 14.14 = 5.86.
    QTest::newRow("triangle") << tagPOINT{0, 0} << tagPOINT{10, 0} << tagPOINT{0, 10} << false;
    QTest::newRow("two equal") << tagPOINT{3, 3} << tagPOINT{3, 3} << tagPOINT{9, 1} << true;
}

void TestStitchJob::isColine()
{
    QFETCH(tagPOINT, a);
    QFETCH(tagPOINT, b);
    QFETCH(tagPOINT, c);
    QFETCH(bool, coline);
    QCOMPARE(IsColine(a, b, c), coline);
}

QTEST_GUILESS_MAIN(TestStitchJob)
#include "tst_stitchjob.moc"
