#include "StitchTestHost.h"
#include "support/TestSupport.h"

#include "stitch/image/CImage.h"
#include "stitch/image/CMask.h"
#include "stitch/pyramid/CFileManager.h"

#include <QtTest>

#include <sys/resource.h>

#include <csignal>

namespace {

QByteArray graphFile(qint32 width, qint32 height, qsizetype values)
{
    QByteArray out;
    char field[4];
    qToLittleEndian(width, field);
    out.append(field, 4);
    qToLittleEndian(height, field);
    out.append(field, 4);
    return out + QByteArray(values * 2, '\x02');
}

} // namespace

class TestFileManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void names();
    void idsSkipExistingFiles();
    void idsGiveUpInAMissingFolder();
    void imageAndMaskFiles();
    void graphRoundTrip();
    void fullDiskFailsEverySave();
    void badGraph_data();
    void badGraph();

private:
    QTemporaryDir m_dir;
    CFileManager m_files;
};

void TestFileManager::init()
{
    m_files.SetTempDir(m_dir.path());
}

void TestFileManager::names()
{
    QString name;
    m_files.GetTotalTempFileName(42, name);
    QCOMPARE(name, m_dir.path() + QStringLiteral("/Panorama42"));
}

void TestFileManager::idsSkipExistingFiles()
{
    const long next = CFileManager::m_lCounter;
    // A file left behind by an earlier job holds the next two names.
    QString taken;
    m_files.GetTotalTempFileName(int(next), taken);
    QVERIFY(TestSupport::writeFile(taken, "left behind"));
    m_files.GetTotalTempFileName(int(next + 1), taken);
    QVERIFY(TestSupport::writeFile(taken, "left behind"));

    const int id = m_files.GetFileID();
    QCOMPARE(id, int(next + 2));
    QString name;
    m_files.GetTotalTempFileName(id, name);
    QVERIFY(QFileInfo::exists(name)); // the name is reserved by an empty file
    QCOMPARE(QFileInfo(name).size(), qint64(0));
    m_files.GetTotalTempFileName(int(next), taken);
    QCOMPARE(QFileInfo(taken).size(), qint64(11)); // untouched
    QCOMPARE(m_files.GetFileID(), id + 1);
}

void TestFileManager::idsGiveUpInAMissingFolder()
{
    CFileManager files;
    files.SetTempDir(m_dir.filePath(QStringLiteral("gone/away")));
    QCOMPARE(files.GetFileID(), -1);
}

void TestFileManager::imageAndMaskFiles()
{
    StitchTestHost host;
    const int imageId = m_files.GetFileID();
    const int maskId = m_files.GetFileID();
    {
        CImage image(3, 3, 24);
        image.Clear(0x000000FFu);
        QVERIFY(m_files.SaveImageFile(imageId, &image));
        CImage loaded;
        QVERIFY(m_files.LoadImageFile(imageId, &loaded));
        QCOMPARE(loaded.Width(), 3);
        QVERIFY(!m_files.LoadImageFile(maskId, &loaded)); // an empty file is no bitmap
        QCOMPARE(loaded.Width(), 3);

        CMask mask(9, 2);
        mask.SetPixel(1, 8, true);
        QVERIFY(m_files.SaveMaskFile(maskId, &mask));
        CMask back;
        QVERIFY(m_files.LoadMaskFile(maskId, &back));
        QVERIFY(back.GetPixel(1, 8));
    }
    QVERIFY2(host.clean(), qPrintable(host.report()));
}

void TestFileManager::graphRoundTrip()
{
    const int id = m_files.GetFileID();
    const unsigned short costs[6] = {0, 1, 65535, 300, 7, 9};
    QVERIFY(m_files.SaveGraphFile(id, costs, 3, 2));
    QString name;
    m_files.GetTotalTempFileName(id, name);
    QCOMPARE(QFileInfo(name).size(), qint64(8 + 12));
    unsigned short* loaded = nullptr;
    int width = 0, height = 0;
    QVERIFY(m_files.LoadGraphFile(id, loaded, width, height));
    QCOMPARE(width, 3);
    QCOMPARE(height, 2);
    QCOMPARE(QList<unsigned short>(loaded, loaded + 6), QList<unsigned short>(costs, costs + 6));
    delete[] loaded;
    QVERIFY(!m_files.SaveGraphFile(id, costs, 0, 2));
}

void TestFileManager::fullDiskFailsEverySave()
{
    // Small files sit in the write buffer until commit; when the disk is
    // full only that last flush fails, and a save that still "succeeds"
    // leaves an empty file where a warped image was expected.
    StitchTestHost host;
    CImage image(8, 4, 24);
    CMask mask(8, 4);
    const unsigned short costs[6] = {1, 2, 3, 4, 5, 6};
    const int ids[3] = {m_files.GetFileID(), m_files.GetFileID(), m_files.GetFileID()};
    QVERIFY(ids[0] >= 0 && ids[1] >= 0 && ids[2] >= 0);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit full = saved;
    full.rlim_cur = 0;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &full), 0);
    const bool imageSaved = m_files.SaveImageFile(ids[0], &image);
    const bool maskSaved = m_files.SaveMaskFile(ids[1], &mask);
    const bool graphSaved = m_files.SaveGraphFile(ids[2], costs, 3, 2);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);
    QVERIFY(!imageSaved);
    QVERIFY(!maskSaved);
    QVERIFY(!graphSaved);
    // With room again the same saves go through.
    QVERIFY(m_files.SaveImageFile(ids[0], &image));
    QVERIFY(m_files.SaveMaskFile(ids[1], &mask));
    QVERIFY(m_files.SaveGraphFile(ids[2], costs, 3, 2));
}

void TestFileManager::badGraph_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("zero bytes") << QByteArray();
    QTest::newRow("sizes cut") << graphFile(3, 2, 0).left(6);
    QTest::newRow("costs cut") << graphFile(3, 2, 5);
    QTest::newRow("costs left over") << graphFile(3, 2, 7);
    QTest::newRow("negative width") << graphFile(-3, 2, 6);
    QTest::newRow("zero height") << graphFile(3, 0, 0);
    QTest::newRow("huge in a short file") << graphFile(100000, 100000, 4);
    QTest::newRow("product past 32 bits") << graphFile(0x10000, 0x10000, 0);
}

void TestFileManager::badGraph()
{
    QFETCH(QByteArray, bytes);
    const int id = m_files.GetFileID();
    QString name;
    m_files.GetTotalTempFileName(id, name);
    QVERIFY(TestSupport::writeFile(name, bytes));
    unsigned short* costs = nullptr;
    int width = -7, height = -7;
    QVERIFY(!m_files.LoadGraphFile(id, costs, width, height));
    QVERIFY(!costs);
    QCOMPARE(width, -7);
    QVERIFY(!m_files.LoadGraphFile(id + 100000, costs, width, height));
}

QTEST_APPLESS_MAIN(TestFileManager)
#include "tst_filemanager.moc"
