#include "files/SaveImageThread.h"

#include "ImageFixtures.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Saved
{
    QString file;
    bool succeed;
    bool onGuiThread;
};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSaveImageThread : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void writesFormatOfSuffix_data();
    void writesFormatOfSuffix();
    void failuresAreReported_data();
    void failuresAreReported();
    void failedWriteLeavesExistingFileIntact_data();
    void failedWriteLeavesExistingFileIntact();
    void replacesExistingFile();
    void callerMayChangeImageAfterWorkerIsMade();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    QList<Saved> save(const QImage& image, const QString& path);
    static QImage testImage();

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSaveImageThread::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QImage TestSaveImageThread::testImage()
{
    QImage image(24, 16, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 10, y * 15, 128));
    return image;
}

QList<Saved> TestSaveImageThread::save(const QImage& image, const QString& target)
{
    QList<Saved> received;
    auto* worker = new SaveImageThread(image, target, true);
    connect(worker, &SaveImageThread::saved, this, [&received](const QString& file, bool succeed) {
        received.append({file, succeed, QThread::currentThread() == qApp->thread()});
    });
    if (!ImageFixtures::runToEnd(worker))
        qWarning("the save worker did not finish");
    delete worker;
    return received;
}

void TestSaveImageThread::writesFormatOfSuffix_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format"); // as the reader finds it by content
    QTest::addColumn<bool>("lossless");

    QTest::newRow("png") << "out.png" << QByteArray("png") << true;
    QTest::newRow("jpg") << "out.jpg" << QByteArray("jpeg") << false;
    QTest::newRow("jpeg") << "out.jpeg" << QByteArray("jpeg") << false;
    QTest::newRow("bmp") << "out.bmp" << QByteArray("bmp") << true;
    QTest::newRow("upper-case PNG") << "OUT.PNG" << QByteArray("png") << true;
}

void TestSaveImageThread::writesFormatOfSuffix()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    QFETCH(bool, lossless);

    const QImage image = testImage();
    const QList<Saved> received = save(image, path(name));
    QCOMPARE(received.size(), 1);
    QCOMPARE(received[0].file, path(name));
    QVERIFY(received[0].succeed);
    QVERIFY(received[0].onGuiThread);

    // The content, not the name, tells the format.
    QImageReader reader(path(name));
    reader.setDecideFormatFromContent(true);
    QCOMPARE(reader.format(), format);
    const QImage back = reader.read().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(back.size(), image.size());
    if (lossless)
        QCOMPARE(back, image);
}

void TestSaveImageThread::failuresAreReported_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QImage>("image");

    QTest::newRow("unsupported suffix") << "out.xyz" << testImage();
    QTest::newRow("no suffix") << "out" << testImage();
    QTest::newRow("folder is a file") << "file.txt/out.png" << testImage();
    QTest::newRow("folder missing") << "missing/out.png" << testImage();
    QTest::newRow("null image") << "out.png" << QImage();
    // Baseline JPEG stops at 65500 pixels a side: the encoder fails mid-way.
    QTest::newRow("encoder refuses") << "wide.jpg" << QImage(65501, 1, QImage::Format_RGB32);
}

void TestSaveImageThread::failuresAreReported()
{
    QFETCH(QString, name);
    QFETCH(QImage, image);

    QVERIFY(TestSupport::writeFile(path("file.txt"), "a file, not a folder"));
    const QList<Saved> received = save(image, path(name));
    QCOMPARE(received.size(), 1);
    QCOMPARE(received[0].file, path(name));
    QVERIFY(!received[0].succeed);
    QVERIFY(!QFile::exists(path(name)));
    // No temporary file is left behind either.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"file.txt"});
}

void TestSaveImageThread::failedWriteLeavesExistingFileIntact_data()
{
    QTest::addColumn<QImage>("image");

    QTest::newRow("encoder fails") << QImage(65501, 1, QImage::Format_RGB32);
    QTest::newRow("null image") << QImage();
}

void TestSaveImageThread::failedWriteLeavesExistingFileIntact()
{
    QFETCH(QImage, image);

    const QString target = path("keep.jpg");
    QVERIFY(testImage().save(target));
    const QByteArray before = readAll(target);

    const QList<Saved> received = save(image, target);
    QCOMPARE(received.size(), 1);
    QVERIFY(!received[0].succeed);
    QCOMPARE(readAll(target), before);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"keep.jpg"});
}

void TestSaveImageThread::replacesExistingFile()
{
    const QString target = path("picture.png");
    QVERIFY(TestSupport::writeFile(target, "an older, longer file that is not a picture at all"));

    const QList<Saved> received = save(testImage(), target);
    QCOMPARE(received.size(), 1);
    QVERIFY(received[0].succeed);
    QCOMPARE(QImage(target).convertToFormat(QImage::Format_RGB32), testImage());
}

void TestSaveImageThread::callerMayChangeImageAfterWorkerIsMade()
{
    QImage image = testImage();
    QList<bool> results;
    auto* worker = new SaveImageThread(image, path("snapshot.png"), false);
    connect(worker, &SaveImageThread::saved, this, [&results](const QString&, bool succeed) { results << succeed; });
    image.fill(Qt::black);
    image.setPixel(0, 0, qRgb(1, 2, 3));
    QVERIFY(ImageFixtures::runToEnd(worker));
    delete worker;

    QCOMPARE(results, QList<bool>{true});
    QCOMPARE(QImage(path("snapshot.png")).convertToFormat(QImage::Format_RGB32), testImage());
}

QTEST_MAIN(TestSaveImageThread)
#include "tst_saveimagethread.moc"
