#include "files/IQCommon.h"

#include <QtConcurrent/QtConcurrent>
#include <QtTest>

class TestIQCommon : public QObject
{
    Q_OBJECT

private slots:
    // First, so that it is the first use of the lists in this process.
    void concurrentFirstUse();
    void isSupportedFile_data();
    void isSupportedFile();
    void familyTests_data();
    void familyTests();
    void supportedExt_data();
    void supportedExt();
};

void TestIQCommon::isSupportedFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("filter");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("jpg") << "/a/b/photo.jpg" << 2 << true;
    QTest::newRow("upper-case JPG") << "IMG.JPG" << 2 << true;
    QTest::newRow("mixed-case Cr2") << "a.Cr2" << 2 << true;
    QTest::newRow("upper-case HEIC") << "b.HEIC" << 2 << true;
    QTest::newRow("upper-case TIFF") << "X.TIFF" << 2 << true;
    QTest::newRow("mixed-case Nef") << "y.Nef" << 2 << true;
    QTest::newRow("heifs") << "burst.heifs" << 2 << true;
    QTest::newRow("rw2") << "p.rw2" << 2 << true;
    QTest::newRow("no dot") << "jpg" << 2 << false;
    QTest::newRow("ends in a dot") << "photo." << 2 << false;
    QTest::newRow("empty") << "" << 2 << false;
    QTest::newRow("last suffix rejected") << "a.jpg.txt" << 2 << false;
    QTest::newRow("last suffix accepted") << "a.txt.jpg" << 2 << true;
    QTest::newRow("dot in folder only") << "/pics.jpg/readme" << 2 << false;
    QTest::newRow("jpg under video flag") << "photo.jpg" << 4 << false;
    QTest::newRow("jpg under pdf flag") << "photo.jpg" << 8 << false;
    QTest::newRow("jpg under no flag") << "photo.jpg" << 0 << false;
    QTest::newRow("jpg under unknown bit") << "photo.jpg" << 1 << false;
    QTest::newRow("jpg under all flags") << "photo.jpg" << (2 | 4 | 8) << true;
    // Families that are declared but hold no suffix take nothing.
    for (const char* name : {"clip.mp4", "doc.pdf", "pic.avif", "art.psd"}) {
        for (int filter : {0, 2, 4, 8, 2 | 4, 2 | 8, 4 | 8, 2 | 4 | 8})
            QTest::addRow("%s under %d", name, filter) << QString::fromLatin1(name) << filter << false;
    }
}

void TestIQCommon::isSupportedFile()
{
    QFETCH(QString, path);
    QFETCH(int, filter);
    QFETCH(bool, accepted);
    QCOMPARE(IQCommon::isSupportedFile(path, filter), accepted);
}

void TestIQCommon::familyTests_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("family");

    QTest::newRow("webp") << "x.webp" << "standard";
    QTest::newRow("GIF") << "x.GIF" << "standard";
    QTest::newRow("heif") << "x.heif" << "heic";
    QTest::newRow("dng") << "x.dng" << "raw";
    QTest::newRow("X3F") << "x.X3F" << "raw";
    QTest::newRow("txt") << "x.txt" << "none";
}

void TestIQCommon::familyTests()
{
    QFETCH(QString, path);
    QFETCH(QString, family);
    QCOMPARE(IQCommon::isSupportedStandardImageFile(path), family == QLatin1String("standard"));
    QCOMPARE(IQCommon::isSupportedHEICFile(path), family == QLatin1String("heic"));
    QCOMPARE(IQCommon::isSupportedRAWFile(path), family == QLatin1String("raw"));
    QVERIFY(!IQCommon::isSupportedAvifFile(path));
    QVERIFY(!IQCommon::isSupportedPsdFile(path));
    QVERIFY(!IQCommon::isSupportedVideoFile(path));
    QVERIFY(!IQCommon::isSupportedPdfFile(path));
}

void TestIQCommon::supportedExt_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("text");

    const QString images = QStringLiteral(
        "( *.jpg *.jpeg *.bmp *.png *.tif *.tiff *.webp *.gif *.heic *.heif *.heics *.heifs"
        " *.arw *.sr2 *.srf *.nef *.nrw *.dng *.orf *.raf *.mrw *.pef *.x3f *.crw *.cr2 *.cr3 *.raw *.rw2)");
    QTest::newRow("images") << 2 << images;
    QTest::newRow("all flags") << (2 | 4 | 8) << images;
    QTest::newRow("video") << 4 << "()";
    QTest::newRow("pdf") << 8 << "()";
    QTest::newRow("none") << 0 << "()";
}

void TestIQCommon::supportedExt()
{
    QFETCH(int, filter);
    QFETCH(QString, text);
    QCOMPARE(IQCommon::supportedExt(filter), text);
}

void TestIQCommon::concurrentFirstUse()
{
    // Run under the sanitizers, this catches a list built twice or read half-built.
    QList<int> indexes(64);
    std::iota(indexes.begin(), indexes.end(), 0);
    const QList<bool> results = QtConcurrent::blockingMapped(indexes, [](int i) {
        return IQCommon::isSupportedFile(i % 2 ? QStringLiteral("a.NEF") : QStringLiteral("a.heic"), 2);
    });
    QCOMPARE(results.count(true), 64);
}

QTEST_GUILESS_MAIN(TestIQCommon)
#include "tst_iqcommon.moc"
