#include "StitchTestHost.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/render/CStitchBlend.h"

#include <QtTest>

#include <climits>
#include <cstring>
#include <memory>

namespace {

// A row of three elements, the middle one not in use, with files in a
// temporary folder of the test's own.
struct Row
{
    QTemporaryDir dir;
    CStitchOptions job;

    Row()
    {
        job.m_Matrix.m_Style = StitchStyleHorizontal;
        job.m_Matrix.m_lCols = 3;
        job.m_Matrix.m_lRows = 1;
        job.m_Matrix.m_lCount = 3;
        job.m_Matrix.m_pElements = new CStitchElement[3];
        job.m_Matrix.m_pElements[1].m_bInUse = false;
        job.m_FileManager.SetTempDir(dir.path());
    }
    ~Row()
    {
        for (int i = 0; i < 3; ++i) {
            delete[] at(i).m_pRightPath;
            delete[] at(i).m_pLowerPath;
        }
        job.DeleteTempFiles();
        delete[] job.m_Matrix.m_pElements;
        job.m_Matrix.m_pElements = nullptr;
    }
    CStitchElement& at(int i) { return job.m_Matrix.m_pElements[i]; }

    // Every id of the element gets a fresh file; both paths a new array.
    void render(int i, int placementLeft)
    {
        CStitchElement& e = at(i);
        for (int k = 0; k < CStitchElement::kFileIdCount; ++k)
            *e.FileId(k) = job.m_FileManager.GetFileID();
        e.m_pRightPath = new unsigned short[2]{1, 0xFFFF};
        e.m_pLowerPath = new unsigned short[2]{2, 0xFFFF};
        e.m_Placement = tagRECT{placementLeft, 0, placementLeft + 10, 10};
        e.m_RowStrip = tagRECT{placementLeft, 1, placementLeft + 5, 9};
        e.m_WrapPlacement = tagRECT{placementLeft, 2, placementLeft + 3, 8};
    }
    QList<int> ids(int i)
    {
        QList<int> out;
        for (int k = 0; k < CStitchElement::kFileIdCount; ++k)
            out << *at(i).FileId(k);
        return out;
    }
    bool exists(int id) const
    {
        QString name;
        job.m_FileManager.GetTotalTempFileName(id, name);
        return QFile::exists(name);
    }
    bool allExist(const QList<int>& list) const
    {
        for (int id : list)
            if (!exists(id))
                return false;
        return true;
    }
    bool noneExists(const QList<int>& list) const
    {
        for (int id : list)
            if (exists(id))
                return false;
        return true;
    }
};

bool sameRect(const tagRECT& a, const tagRECT& b) { return EqualRect(&a, &b); }

} // namespace

class TestBlendMemo : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_host = std::make_unique<StitchTestHost>(); }
    void cleanup() { m_host.reset(); }

    void pathMemoTakesFilesOver();
    void failedRenderGetsOldFilesBack();
    void successfulRenderDropsOldFiles();
    void fineTuneMemoPutsEverythingBack();
    void fineTuneColourFailureKeepsTables();
    void sizeRule_data();
    void sizeRule();

private:
    std::unique_ptr<StitchTestHost> m_host;
};

void TestBlendMemo::pathMemoTakesFilesOver()
{
    Row row;
    row.render(0, 0);
    row.render(2, 20);
    *row.at(1).FileId(0) = 777; // not in use: its record stays unset
    const QList<int> old0 = row.ids(0);
    unsigned short* right0 = row.at(0).m_pRightPath;
    CStitchBlend blend(&row.job, 0);
    PathDataMemo* memo = nullptr;
    QCOMPARE(blend.BackupForAdjustPath(&memo), 0);
    QVERIFY(memo);
    QCOMPARE(row.ids(0), QList<int>(10, -1));
    QCOMPARE(row.ids(2), QList<int>(10, -1));
    QVERIFY(!row.at(0).m_pRightPath && !row.at(0).m_pLowerPath);
    QCOMPARE(*row.at(1).FileId(0), 777);
    QVERIFY(memo[0].m_bHeld && !memo[1].m_bHeld && memo[2].m_bHeld);
    QCOMPARE(QList<int>(memo[0].m_lFileIds, memo[0].m_lFileIds + 10), old0);
    QCOMPARE(memo[0].m_pRightPath, right0);
    // The rectangles stay with the element as well.
    QVERIFY(sameRect(row.at(2).m_RowStrip, tagRECT{20, 1, 25, 9}));
    QVERIFY(row.allExist(old0));
    *row.at(1).FileId(0) = -1;
    blend.ReturnOriginFile(memo);
    delete[] memo;
}

void TestBlendMemo::failedRenderGetsOldFilesBack()
{
    Row row;
    row.render(0, 0);
    row.render(2, 20);
    const QList<int> old0 = row.ids(0);
    const QList<int> old2 = row.ids(2);
    unsigned short* lower2 = row.at(2).m_pLowerPath;
    CStitchBlend blend(&row.job, 0);
    PathDataMemo* memo = nullptr;
    QCOMPARE(blend.BackupForAdjustPath(&memo), 0);
    // The new render got as far as new files for element 0 and half of 2.
    row.render(0, 5);
    const QList<int> new0 = row.ids(0);
    *row.at(2).FileId(0) = row.job.m_FileManager.GetFileID();
    const int new2 = *row.at(2).FileId(0);
    row.at(2).m_Placement = tagRECT{99, 99, 100, 100};
    blend.ReturnOriginFile(memo);
    delete[] memo;
    QCOMPARE(row.ids(0), old0);
    QCOMPARE(row.ids(2), old2);
    QVERIFY(row.allExist(old0));
    QVERIFY(row.allExist(old2));
    QVERIFY(row.noneExists(new0));
    QVERIFY(!row.exists(new2));
    QCOMPARE(row.at(2).m_pLowerPath, lower2);
    QVERIFY(sameRect(row.at(0).m_Placement, tagRECT{0, 0, 10, 10}));
    QVERIFY(sameRect(row.at(2).m_Placement, tagRECT{20, 0, 30, 10}));
    QVERIFY(sameRect(row.at(0).m_WrapPlacement, tagRECT{0, 2, 3, 8}));
}

void TestBlendMemo::successfulRenderDropsOldFiles()
{
    Row row;
    row.render(0, 0);
    row.render(2, 20);
    const QList<int> old0 = row.ids(0);
    const QList<int> old2 = row.ids(2);
    CStitchBlend blend(&row.job, 0);
    PathDataMemo* memo = nullptr;
    QCOMPARE(blend.BackupForAdjustPath(&memo), 0);
    row.render(0, 5);
    row.render(2, 25);
    const QList<int> new0 = row.ids(0);
    blend.DeleteOldTempFile(memo); // the sanitizer sees the old paths freed
    delete[] memo;
    QVERIFY(row.noneExists(old0));
    QVERIFY(row.noneExists(old2));
    QVERIFY(row.allExist(new0));
    QCOMPARE(row.ids(0), new0);
    QVERIFY(sameRect(row.at(2).m_Placement, tagRECT{25, 0, 35, 10}));
}

void TestBlendMemo::fineTuneMemoPutsEverythingBack()
{
    Row row;
    for (int i = 0; i < 3; ++i) {
        CStitchElement& e = row.at(i);
        for (int k = 0; k < 9; ++k)
            e.m_Transform.m_Matrix[k] = 0.25 * (i + 1) + k;
        e.m_Placement = tagRECT{i, i + 1, i + 2, i + 3};
        e.m_lBrightness[0] = -i;
        e.m_lBrightness[2] = 3 * i;
        for (int v = 0; v < 768; ++v)
            e.m_ColorTable[v] = static_cast<unsigned char>(v * (i + 3));
    }
    row.job.m_LayoutRect = tagRECT{1, 2, 3, 4};
    row.job.m_LayoutRect2 = tagRECT{5, 6, 7, 8};
    QByteArray before;
    for (int i = 0; i < 3; ++i) {
        const CStitchElement& e = row.at(i);
        before += QByteArray(reinterpret_cast<const char*>(e.m_Transform.m_Matrix), sizeof e.m_Transform.m_Matrix);
        before += QByteArray(reinterpret_cast<const char*>(&e.m_Placement), sizeof e.m_Placement);
        before += QByteArray(reinterpret_cast<const char*>(e.m_lBrightness), sizeof e.m_lBrightness);
        before += QByteArray(reinterpret_cast<const char*>(e.m_ColorTable), sizeof e.m_ColorTable);
    }
    CStitchBlend blend(&row.job, 0);
    FTDataMemo* memo = nullptr;
    tagRECT second{}, first{};
    blend.BackupForFineTune(&memo, &second, &first); // no images: the colour step fails, the memo stands
    QVERIFY(memo);
    QVERIFY(sameRect(first, tagRECT{1, 2, 3, 4}));
    QVERIFY(sameRect(second, tagRECT{5, 6, 7, 8}));
    // A render changes all of it.
    for (int i = 0; i < 3; ++i) {
        CStitchElement& e = row.at(i);
        e.m_Transform.Identity();
        e.m_Placement = tagRECT{50, 50, 60, 60};
        e.m_lBrightness[1] = 42;
        std::memset(e.m_ColorTable, 9, sizeof e.m_ColorTable);
    }
    row.job.m_LayoutRect = row.job.m_LayoutRect2 = tagRECT{0, 0, 100, 100};
    blend.ReturnOriginData(memo, &second, &first);
    delete[] memo;
    QByteArray after;
    for (int i = 0; i < 3; ++i) {
        const CStitchElement& e = row.at(i);
        after += QByteArray(reinterpret_cast<const char*>(e.m_Transform.m_Matrix), sizeof e.m_Transform.m_Matrix);
        after += QByteArray(reinterpret_cast<const char*>(&e.m_Placement), sizeof e.m_Placement);
        after += QByteArray(reinterpret_cast<const char*>(e.m_lBrightness), sizeof e.m_lBrightness);
        after += QByteArray(reinterpret_cast<const char*>(e.m_ColorTable), sizeof e.m_ColorTable);
    }
    QCOMPARE(after, before);
    QVERIFY(sameRect(row.job.m_LayoutRect, tagRECT{1, 2, 3, 4}));
    QVERIFY(sameRect(row.job.m_LayoutRect2, tagRECT{5, 6, 7, 8}));
}

// Without photos the colour correction fails: its code comes back and the
// tables are as they were.
void TestBlendMemo::fineTuneColourFailureKeepsTables()
{
    Row row;
    for (int i = 0; i < 3; ++i)
        for (int v = 0; v < 768; ++v)
            row.at(i).m_ColorTable[v] = static_cast<unsigned char>(v + i);
    CStitchBlend blend(&row.job, 0);
    FTDataMemo* memo = nullptr;
    tagRECT second{}, first{};
    const int code = blend.BackupForFineTune(&memo, &second, &first);
    delete[] memo;
    QVERIFY(code != 0);
    for (int i = 0; i < 3; ++i)
        for (int v = 0; v < 768; ++v)
            QCOMPARE(row.at(i).m_ColorTable[v], static_cast<unsigned char>(v + i));
}

void TestBlendMemo::sizeRule_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<int>("expected");
    QTest::newRow("32 x 32") << 0 << 0 << 32 << 32 << 0;
    QTest::newRow("31 wide") << 10 << 0 << 41 << 500 << -4;
    QTest::newRow("31 high") << 0 << -20 << 500 << 11 << -4;
    QTest::newRow("32 wide, off the origin") << -16 << 5 << 16 << 37 << 0;
    QTest::newRow("inverted") << 100 << 0 << 0 << 100 << -4;
    // right - left overflows 32 bits: still a huge panorama, not a small one.
    QTest::newRow("whole int range") << INT_MIN << INT_MIN << INT_MAX << INT_MAX << 0;
    QTest::newRow("inverted across the range") << INT_MAX << 0 << INT_MIN << 100 << -4;
}

void TestBlendMemo::sizeRule()
{
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, right);
    QFETCH(int, bottom);
    QFETCH(int, expected);
    QCOMPARE(CStitchBlend::CheckPanoramaSize(tagRECT{left, top, right, bottom}), expected);
}

QTEST_GUILESS_MAIN(TestBlendMemo)
#include "tst_blendmemo.moc"
