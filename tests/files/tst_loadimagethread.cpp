#include "files/IQImageIO.h"
#include "files/IQImageLimits.h"
#include "files/LoadImageThread.h"

#include "ImageFixtures.h"
#include "support/TestSupport.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Loaded
{
    int index;
    QString file;
    QImage image;
    bool onGuiThread;
};

bool near(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) < 24 && qAbs(qGreen(a) - qGreen(b)) < 24 && qAbs(qBlue(a) - qBlue(b)) < 24;
}

} // namespace

class TestLoadImageThread : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void signalForEveryIndexInOrder();
    void emptyListEmitsNothing();
    void orientationIsApplied_data();
    void orientationIsApplied();
    void imageAboveQtDefaultLimitLoads();
    void absurdHeaderFailsCleanly_data();
    void absurdHeaderFailsCleanly();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    QList<Loaded> load(const QList<QString>& files);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestLoadImageThread::initTestCase()
{
    IQImageLimits::install();
    QCOMPARE(QImageReader::allocationLimit(), IQImageLimits::allocationLimitMB);
}

void TestLoadImageThread::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QList<Loaded> TestLoadImageThread::load(const QList<QString>& files)
{
    QList<Loaded> received;
    auto* worker = new LoadImageThread(files);
    connect(worker, &LoadImageThread::loaded, this, [&received](int index, const QString& file, const QImage& image) {
        received.append({index, file, image, QThread::currentThread() == qApp->thread()});
    });
    const bool finished = ImageFixtures::runToEnd(worker);
    delete worker;
    if (!finished)
        qWarning("the load worker did not finish");
    return received;
}

void TestLoadImageThread::signalForEveryIndexInOrder()
{
    QImage red(30, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(path("first.png")));
    QVERIFY(TestSupport::writeFile(path("garbage.jpg"), "not a picture at all"));
    QVERIFY(TestSupport::writeFile(path("truncated.png"), ImageFixtures::encode(red, "png").left(40)));
    QVERIFY(TestSupport::writeFile(path("zero-bytes.png")));
    QVERIFY(red.scaled(12, 8).save(path("last.jpg")));

    const QList<QString> files{path("first.png"), path("missing.jpg"), path("garbage.jpg"),
                               path("truncated.png"), path("zero-bytes.png"), path("last.jpg")};
    const QList<Loaded> received = load(files);

    QCOMPARE(received.size(), files.size());
    for (int i = 0; i < received.size(); ++i) {
        QCOMPARE(received[i].index, i);
        QCOMPARE(received[i].file, files[i]);
        QVERIFY(received[i].onGuiThread);
        const bool readable = i == 0 || i == files.size() - 1;
        QCOMPARE(received[i].image.isNull(), !readable);
    }
    QCOMPARE(received[0].image.size(), QSize(30, 20));
    QCOMPARE(received[0].image.pixel(5, 5), QColor(Qt::red).rgb());
    QCOMPARE(received.last().image.size(), QSize(12, 8));
}

void TestLoadImageThread::emptyListEmitsNothing()
{
    QCOMPARE(load({}).size(), 0);
}

void TestLoadImageThread::orientationIsApplied_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("redAt");  // inside the half that was stored left
    QTest::addColumn<QPoint>("blueAt"); // inside the half that was stored right

    QTest::newRow("1 as stored") << 1 << QSize(40, 20) << QPoint(5, 10) << QPoint(35, 10);
    QTest::newRow("3 upside down") << 3 << QSize(40, 20) << QPoint(35, 10) << QPoint(5, 10);
    // Turned a quarter clockwise, the stored left edge becomes the top.
    QTest::newRow("6 quarter clockwise") << 6 << QSize(20, 40) << QPoint(10, 5) << QPoint(10, 35);
    QTest::newRow("8 quarter counter-clockwise") << 8 << QSize(20, 40) << QPoint(10, 35) << QPoint(10, 5);
}

void TestLoadImageThread::orientationIsApplied()
{
    QFETCH(int, orientation);
    QFETCH(QSize, size);
    QFETCH(QPoint, redAt);
    QFETCH(QPoint, blueAt);

    // 40 x 20 as stored: left half red, right half blue.
    QImage stored(40, 20, QImage::Format_RGB32);
    stored.fill(Qt::blue);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            stored.setPixel(x, y, qRgb(255, 0, 0));
    const QString file = path(QStringLiteral("orientation-%1.jpg").arg(orientation));
    QVERIFY(TestSupport::writeFile(file, ImageFixtures::jpegWithOrientation(stored, orientation)));

    const QList<Loaded> received = load({file});
    QCOMPARE(received.size(), 1);
    const QImage& image = received[0].image;
    QCOMPARE(image.size(), size);
    QVERIFY(near(image.pixel(redAt), qRgb(255, 0, 0)));
    QVERIFY(near(image.pixel(blueAt), qRgb(0, 0, 255)));
}

void TestLoadImageThread::imageAboveQtDefaultLimitLoads()
{
    // 36 megapixels decode to 144,000,000 bytes: above Qt's default 128 MB.
    const QSize size(6000, 6000);
    {
        QImage photo(size, QImage::Format_RGB32);
        photo.fill(qRgb(200, 120, 40));
        QVERIFY(photo.save(path("36mp.jpg"), "jpeg", 50));
    }

    // Under Qt's default the picture is refused, with a message saying why.
    QImageReader::setAllocationLimit(128);
    QString error;
    QVERIFY(IQImageIO::readImage(path("36mp.jpg"), &error).isNull());
    QVERIFY2(error.contains(QLatin1String("too large")), qPrintable(error));
    IQImageLimits::install();

    const QList<Loaded> received = load({path("36mp.jpg")});
    QCOMPARE(received.size(), 1);
    QCOMPARE(received[0].image.size(), size);
}

void TestLoadImageThread::absurdHeaderFailsCleanly_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("claim"); // refused for its claim; else the decoder refuses the header

    // 40 GB and 17 GB of pixels asked for by a few dozen bytes.
    QTest::newRow("PNG of 100000 x 100000") << "huge.png" << ImageFixtures::pngClaiming(100000, 100000)
                                            << QSize(100000, 100000);
    QTest::newRow("JPEG of 65000 x 65000") << "huge.jpg" << ImageFixtures::jpegClaiming(65000, 65000)
                                           << QSize(65000, 65000);
    // The largest a PNG header can state: read, and refused for it.
    QTest::newRow("PNG of 2^31-1 x 2^31-1") << "max.png" << ImageFixtures::pngClaiming(0x7FFFFFFF, 0x7FFFFFFF)
                                            << QSize(0x7FFFFFFF, 0x7FFFFFFF);
}

void TestLoadImageThread::absurdHeaderFailsCleanly()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, claim);

    QVERIFY(TestSupport::writeFile(path(name), bytes));
    QString error;
    QVERIFY(IQImageIO::readImage(path(name), &error).isNull());
    QCOMPARE(error, claim.isValid() ? IQImageLimits::implausibleMessage(claim, bytes.size())
                                    : IQImageIO::damagedMessage());

    const QList<Loaded> received = load({path(name)});
    QCOMPARE(received.size(), 1);
    QVERIFY(received[0].image.isNull());
    // The limit is left as it was set at start-up.
    QCOMPARE(QImageReader::allocationLimit(), IQImageLimits::allocationLimitMB);
}

QTEST_MAIN(TestLoadImageThread)
#include "tst_loadimagethread.moc"
