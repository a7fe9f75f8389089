// Files a user meets that are not what they claim: a header that asks for a
// picture its file cannot hold, and a picture cut short by a failed copy.
// Both are refused with a clear message on every road a picture is read
// (the load worker, the browser item), and real pictures at the edge of
// the rules still open.
#include "files/IQImageFileItem.h"
#include "files/IQImageIO.h"
#include "files/IQImageLimits.h"
#include "files/LoadImageThread.h"
#include "rawplugin/RawPluginImport.h"

#include "DngFixture.h"
#include "HostileImageFiles.h"
#include "ImageFixtures.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Outcome
{
    QImage image;
    QString error;     // from failed()
    int loadedSignals = 0;
};

// Reads `path` with a load worker, as the collage editor does.
Outcome loadWithWorker(const QString& path)
{
    Outcome outcome;
    auto* worker = new LoadImageThread({path});
    QObject::connect(worker, &LoadImageThread::failed, worker,
                     [&outcome](int, const QString&, const QString& error) { outcome.error = error; },
                     Qt::DirectConnection);
    QObject::connect(worker, &LoadImageThread::loaded, worker,
                     [&outcome](int, const QString&, const QImage& image) {
                         outcome.image = image;
                         ++outcome.loadedSignals;
                     },
                     Qt::DirectConnection);
    if (!ImageFixtures::runToEnd(worker))
        qWarning("the load worker did not finish");
    delete worker;
    return outcome;
}

// A DNG from our generator whose header claims `claim`, with the sensor
// data of a 16 x 16 picture.
QByteArray dngClaiming(QSize claim)
{
    DngFixture::Options options;
    options.size = QSize(16, 16);
    options.preview = DngFixture::Preview::None;
    options.claimedSize = claim;
    return DngFixture::make(options);
}

// An 8-bit run-length coded BMP of 8 x 4 pixels in four grey levels: each
// row one run of 8, ended by an end-of-line code, the last by the
// end-of-bitmap code.
QByteArray rle8Bmp()
{
    QByteArray codes;
    for (int row = 0; row < 4; ++row) {
        codes += char(8);
        codes += char(row);
        codes += QByteArray(row == 3 ? "\x00\x01" : "\x00\x00", 2);
    }
    QByteArray bmp("BM", 2);
    const int pixelsAt = 14 + 40 + 4 * 4;
    ImageFixtures::appendLittleEndian(bmp, quint32(pixelsAt + codes.size()), 4);
    ImageFixtures::appendLittleEndian(bmp, 0, 4);
    ImageFixtures::appendLittleEndian(bmp, pixelsAt, 4);
    ImageFixtures::appendLittleEndian(bmp, 40, 4);
    ImageFixtures::appendLittleEndian(bmp, 8, 4);
    ImageFixtures::appendLittleEndian(bmp, 4, 4);
    ImageFixtures::appendLittleEndian(bmp, 1, 2);
    ImageFixtures::appendLittleEndian(bmp, 8, 2);
    ImageFixtures::appendLittleEndian(bmp, 1, 4); // run-length coded, 8 bits
    ImageFixtures::appendLittleEndian(bmp, quint32(codes.size()), 4);
    ImageFixtures::appendLittleEndian(bmp, 0, 4);
    ImageFixtures::appendLittleEndian(bmp, 0, 4);
    ImageFixtures::appendLittleEndian(bmp, 4, 4); // colours in the table
    ImageFixtures::appendLittleEndian(bmp, 0, 4);
    for (int grey : {0, 80, 160, 240})
        ImageFixtures::appendLittleEndian(bmp, quint32(qRgb(grey, grey, grey)), 4);
    return bmp + codes;
}

QList<int> checkerPixels(int width, int height)
{
    QList<int> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels << ((x / 4 + y / 4) & 1);
    return pixels;
}

} // namespace

class TestDamagedImageFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void lyingHeaderIsRefused_data();
    void lyingHeaderIsRefused();
    void lyingHeadersStayWithinMemory();
    void realImageAtTheEdgeLoads_data();
    void realImageAtTheEdgeLoads();
    void truncatedFileFails_data();
    void truncatedFileFails();
    void intactFilesOfEveryFormatLoad_data();
    void intactFilesOfEveryFormatLoad();
    void forgedBmpRowsDoNotOverflow();
    void plausibilityBoundsAreThoseOfTheFormats_data();
    void plausibilityBoundsAreThoseOfTheFormats();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    void addLyingHeaderRows();

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestDamagedImageFiles::initTestCase()
{
    IQImageLimits::install();
}

void TestDamagedImageFiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestDamagedImageFiles::addLyingHeaderRows()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("claim"); // invalid: the decoder refuses the header itself

    using namespace ImageFixtures;
    // Each format we read, claims from 10000 x 10000 to the format's
    // largest, files from about 100 bytes to a few KB. libjpeg takes no
    // side above 65500; Qt's BMP decoder refuses a header whose rows pass
    // 2 GB, and LibRaw a sensor whose side passes 65000.
    QTest::newRow("JPEG 10000 x 10000") << "a.jpg" << jpegClaiming(10000, 10000) << QSize(10000, 10000);
    QTest::newRow("JPEG 30000 x 30000") << "b.jpg" << jpegClaiming(30000, 30000) << QSize(30000, 30000);
    QTest::newRow("JPEG 65535 x 65535") << "c.jpg" << jpegClaiming(65535, 65535) << QSize();
    QTest::newRow("JPEG 30000 x 30000, 4 KB") << "d.jpg" << jpegClaiming(30000, 30000) + QByteArray(3000, '\0')
                                              << QSize(30000, 30000);
    QTest::newRow("PNG 10000 x 10000") << "a.png" << pngClaiming(10000, 10000) << QSize(10000, 10000);
    QTest::newRow("PNG 65535 x 65535") << "b.png" << pngClaiming(65535, 65535) << QSize(65535, 65535);
    QTest::newRow("PNG 100000 x 100000") << "c.png" << pngClaiming(100000, 100000) << QSize(100000, 100000);
    QTest::newRow("PNG 2^31-1 x 2^31-1") << "d.png" << pngClaiming(0x7FFFFFFF, 0x7FFFFFFF)
                                         << QSize(0x7FFFFFFF, 0x7FFFFFFF);
    QTest::newRow("BMP 10000 x 10000, 100 bytes") << "a.bmp" << bmpClaiming(10000, 10000, 46) << QSize(10000, 10000);
    QTest::newRow("BMP 30000 x 30000, 4 KB") << "b.bmp" << bmpClaiming(30000, 30000, 4000) << QSize();
    QTest::newRow("BMP 65535 x 65535") << "c.bmp" << bmpClaiming(65535, 65535, 1000) << QSize();
    QTest::newRow("GIF 10000 x 10000") << "a.gif" << gifClaiming(10000, 10000) << QSize(10000, 10000);
    QTest::newRow("GIF 65535 x 65535") << "b.gif" << gifClaiming(65535, 65535) << QSize(65535, 65535);
    QTest::newRow("TIFF 10000 x 10000, 2 KB") << "a.tif" << tiffClaiming(10000, 10000, 2000) << QSize(10000, 10000);
    QTest::newRow("TIFF 30000 x 30000") << "b.tif" << tiffClaiming(30000, 30000, 900) << QSize(30000, 30000);
    QTest::newRow("TIFF 65535 x 65535") << "c.tif" << tiffClaiming(65535, 65535, 100) << QSize(65535, 65535);
    // Few pixels, but 464 samples of 16 bits each: 1.6 GB of samples.
    QTest::newRow("TIFF 1000 x 1774 of 464 samples") << "d.tif" << tiffClaiming(1000, 1774, 300, 464, 16)
                                                     << QSize(1000, 1774);
    // A WebP cannot say more than 16384 a side.
    QTest::newRow("WebP 10000 x 10000") << "a.webp" << webpClaiming(10000, 10000, 100) << QSize(10000, 10000);
    QTest::newRow("WebP 16384 x 16384, 3 KB") << "b.webp" << webpClaiming(16384, 16384, 3000) << QSize(16384, 16384);
    QTest::newRow("DNG 10000 x 10000") << "a.dng" << dngClaiming(QSize(10000, 10000)) << QSize(10000, 10000);
    QTest::newRow("DNG 30000 x 30000") << "b.dng" << dngClaiming(QSize(30000, 30000)) << QSize(30000, 30000);
    QTest::newRow("DNG 65535 x 65535") << "c.dng" << dngClaiming(QSize(65535, 65535)) << QSize();
}

void TestDamagedImageFiles::lyingHeaderIsRefused_data()
{
    addLyingHeaderRows();
}

void TestDamagedImageFiles::lyingHeaderIsRefused()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, claim);
    QVERIFY(!bytes.isEmpty());
    QVERIFY(bytes.size() <= 4096);
    QVERIFY(TestSupport::writeFile(path(name), bytes));

    // Refused before decoding: the header's claim, in the message the user
    // sees. A decoder that refuses the header itself reports no size; the
    // message still says what is wrong.
    QString error;
    QVERIFY(IQImageIO::readImage(path(name), &error).isNull());
    QCOMPARE(error, claim.isValid() ? IQImageLimits::implausibleMessage(claim, bytes.size())
                                    : IQImageIO::damagedMessage());

    const Outcome outcome = loadWithWorker(path(name));
    QCOMPARE(outcome.loadedSignals, 1);
    QVERIFY(outcome.image.isNull());
    QCOMPARE(outcome.error, error);

    IQImageFileItem item(path(name));
    QVERIFY(item.image().isNull());
    QCOMPARE(item.errorString(), error);
    QVERIFY(item.thumbnail(QSize(160, 120)).isNull());
    QVERIFY(!item.errorString().isEmpty());
}

void TestDamagedImageFiles::lyingHeadersStayWithinMemory()
{
    // Every lying header of the table above, read one after the other in a
    // child process, whose peak resident size is then compared with the
    // size it had before the first read. The child starts as a copy of
    // this process, sanitiser shadow memory included, so its growth is
    // what the reads cost.
    QStringList paths;
    using namespace ImageFixtures;
    const QList<QPair<QString, QByteArray>> files = {
        {"a.jpg", jpegClaiming(10000, 10000)},
        {"b.jpg", jpegClaiming(30000, 30000)},
        {"c.jpg", jpegClaiming(65535, 65535)},
        {"a.png", pngClaiming(10000, 10000)},
        {"b.png", pngClaiming(65535, 65535)},
        {"a.bmp", bmpClaiming(10000, 10000, 46)},
        {"b.bmp", bmpClaiming(30000, 30000, 4000)},
        {"a.gif", gifClaiming(10000, 10000)},
        {"b.gif", gifClaiming(65535, 65535)},
        {"a.tif", tiffClaiming(10000, 10000, 2000)},
        {"b.tif", tiffClaiming(65535, 65535, 100)},
        {"c.tif", tiffClaiming(1000, 1774, 300, 464, 16)},
        {"a.webp", webpClaiming(16384, 16384, 3000)},
        {"a.dng", dngClaiming(QSize(30000, 30000))},
        {"b.dng", dngClaiming(QSize(65535, 65535))},
    };
    for (const auto& [name, bytes] : files) {
        QVERIFY(TestSupport::writeFile(path(name), bytes));
        paths << path(name);
    }
    // The decoders' plug-ins are loaded before the child starts, so that
    // their code is not counted as growth.
    for (const char* format : {"jpeg", "png", "bmp", "tiff", "webp"})
        (void)ImageFixtures::encode(QImage(4, 4, QImage::Format_RGB32), format);
    QVERIFY(TestSupport::writeFile(path("warm.dng"), DngFixture::make()));
    QVERIFY(!IQImageIO::readImage(path("warm.dng")).isNull());

    int channel[2];
    QCOMPARE(pipe(channel), 0);
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        close(channel[0]);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        long report[3] = {usage.ru_maxrss, 0, 0};
        for (const QString& file : std::as_const(paths)) {
            QString error;
            if (IQImageIO::readImage(file, &error).isNull() && !error.isEmpty())
                ++report[2];
        }
        getrusage(RUSAGE_SELF, &usage);
        report[1] = usage.ru_maxrss;
        const bool written = write(channel[1], report, sizeof report) == ssize_t(sizeof report);
        _exit(written ? 0 : 1);
    }
    close(channel[1]);
    long report[3] = {0, 0, 0};
    const ssize_t got = read(channel[0], report, sizeof report);
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    QCOMPARE(got, ssize_t(sizeof report));

    QCOMPARE(report[2], long(paths.size())); // every file refused, with a message
    const long growthKB = report[1] - report[0];
    qInfo("peak resident size %ld KB before the table, %ld KB after: %ld KB grown", report[0], report[1], growthKB);
    QVERIFY2(growthKB < 64 * 1024, qPrintable(QString::number(growthKB)));
}

void TestDamagedImageFiles::realImageAtTheEdgeLoads_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");

    // One-bit black pictures are the most compressible a writer makes: a
    // one-bit PNG of 30000 x 30000 takes 30000 x (1 + 3750) bytes before
    // deflate, at best 1032 to a byte, so at least 109,041 bytes for
    // 900,000,000 pixels: 8254 pixels a byte, just inside PNG's 8256. The
    // JPEG is grey (one component): with the standard tables a flat 8x8
    // block costs 2 bits of DC and 4 of end-of-block, 85 pixels a byte.
    QTest::newRow("JPEG 30000 x 30000") << "edge.jpg" << QSize(30000, 30000);
    QTest::newRow("PNG 30000 x 30000") << "edge.png" << QSize(30000, 30000);
    // Our generator's DNG at a full-frame camera's 24 megapixels:
    // uncompressed 16-bit sensor data.
    QTest::newRow("DNG 6000 x 4000") << "edge.dng" << QSize(6000, 4000);
}

void TestDamagedImageFiles::realImageAtTheEdgeLoads()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);

    if (name.endsWith(QLatin1String(".dng"))) {
        DngFixture::Options options;
        options.size = size;
        QVERIFY(TestSupport::writeFile(path(name), DngFixture::make(options)));
    } else {
        // Made as a one-bit picture: 112 MB instead of 3.6 GB.
        QImage flat(size, QImage::Format_Mono);
        flat.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        flat.fill(0);
        QImageWriter writer(path(name));
        QVERIFY2(writer.write(flat), qPrintable(writer.errorString()));
    }

    QString error;
    {
        const QImage image = IQImageIO::readImage(path(name), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(image.size(), size);
        if (!name.endsWith(QLatin1String(".dng")))
            QCOMPARE(qGray(image.pixel(size.width() - 1, size.height() - 1)), 0);
    }
    const Outcome outcome = loadWithWorker(path(name));
    QVERIFY2(outcome.error.isEmpty(), qPrintable(outcome.error));
    QCOMPARE(outcome.image.size(), size);
}

void TestDamagedImageFiles::truncatedFileFails_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("raw"); // the RAW plug-in's reason in the message

    const QImage picture = HostileImageFiles::detailedPicture(800, 600);
    const QByteArray jpeg = ImageFixtures::encode(picture, "jpeg", 90);
    const QByteArray png = ImageFixtures::encode(picture, "png");
    const QByteArray tiff = ImageFixtures::encode(picture, "tiff");
    const QByteArray bmp = ImageFixtures::encode(picture, "bmp");
    const QByteArray webp = ImageFixtures::encode(picture, "webp");
    const QByteArray gif = ImageFixtures::gifOf(64, 64, checkerPixels(64, 64));
    DngFixture::Options options;
    options.preview = DngFixture::Preview::None;
    const QByteArray dng = DngFixture::make(options);
    const QByteArray tiffDirectoryFirst = ImageFixtures::tiffClaiming(100, 100, 10000);

    QTest::newRow("JPEG cut at 5000 bytes") << "a.jpg" << jpeg.left(5000) << false;
    QTest::newRow("JPEG cut in half") << "b.jpg" << jpeg.left(jpeg.size() / 2) << false;
    QTest::newRow("JPEG without its end marker") << "c.jpg" << jpeg.left(jpeg.size() - 2) << false;
    QTest::newRow("JPEG cut in its headers") << "d.jpg" << jpeg.left(300) << false;
    QTest::newRow("PNG cut in half") << "a.png" << png.left(png.size() / 2) << false;
    QTest::newRow("PNG cut in its header") << "b.png" << png.left(30) << false;
    QTest::newRow("PNG cut in the last pixel chunk") << "c.png" << png.left(png.size() - 20) << false;
    QTest::newRow("TIFF cut in half") << "a.tif" << tiff.left(tiff.size() / 2) << false;
    QTest::newRow("TIFF, directory first, cut in the strip")
        << "b.tif" << tiffDirectoryFirst.left(tiffDirectoryFirst.size() - 7000) << false;
    QTest::newRow("TIFF, directory first, cut before the last row")
        << "c.tif" << tiffDirectoryFirst.left(tiffDirectoryFirst.size() - 50) << false;
    const QByteArray progressive = HostileImageFiles::progressiveJpeg(picture);
    QTest::newRow("progressive JPEG cut in a later scan") << "e.jpg" << progressive.left(progressive.size() * 3 / 4)
                                                          << false;
    const QByteArray rle = rle8Bmp();
    QTest::newRow("run-length BMP short of its last row") << "c.bmp" << rle.left(rle.size() - 4) << false;
    QTest::newRow("BMP cut in half") << "a.bmp" << bmp.left(bmp.size() / 2) << false;
    QTest::newRow("BMP short of its last row") << "b.bmp" << bmp.left(bmp.size() - 1) << false;
    QTest::newRow("GIF cut in its data") << "a.gif" << gif.left(gif.size() / 2) << false;
    QTest::newRow("GIF cut before its data end") << "b.gif" << gif.left(gif.size() - 3) << false;
    QTest::newRow("WebP cut in half") << "a.webp" << webp.left(webp.size() / 2) << false;
    QTest::newRow("DNG cut in the sensor data") << "a.dng" << dng.left(dng.size() - 1000) << true;
    QTest::newRow("DNG cut after a few rows") << "b.dng" << dng.left(dng.size() / 4) << true;
    // Too short for LibRaw to take for a RAW file at all: Qt's TIFF reader
    // gets it and refuses it.
    QTest::newRow("DNG cut in its directory") << "c.dng" << dng.left(60) << false;
}

void TestDamagedImageFiles::truncatedFileFails()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, raw);
    QVERIFY(TestSupport::writeFile(path(name), bytes));

    const Outcome outcome = loadWithWorker(path(name));
    QCOMPARE(outcome.loadedSignals, 1);
    QVERIFY2(outcome.image.isNull(), "a file cut short came back as a picture");
    if (raw) {
        // The plug-in's own reason, inside a sentence of ours.
        const QString frame = QCoreApplication::translate("IQImageIO", "The camera RAW file cannot be read (%1).");
        QVERIFY2(outcome.error.startsWith(frame.section(QLatin1String("%1"), 0, 0)), qPrintable(outcome.error));
        QVERIFY2(outcome.error.size() > frame.size(), qPrintable(outcome.error));
    } else {
        QCOMPARE(outcome.error, IQImageIO::damagedMessage());
    }

    IQImageFileItem item(path(name));
    QVERIFY(item.image().isNull());
    QCOMPARE(item.errorString(), outcome.error);
    QVERIFY(item.thumbnail(QSize(160, 120)).isNull());
    QVERIFY(!item.errorString().isEmpty());
}

void TestDamagedImageFiles::intactFilesOfEveryFormatLoad_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");

    // The same files as the truncated ones above, whole: the checks refuse
    // only what is missing.
    const QImage picture = HostileImageFiles::detailedPicture(800, 600);
    QTest::newRow("JPEG") << "a.jpg" << ImageFixtures::encode(picture, "jpeg", 90) << QSize(800, 600);
    QTest::newRow("PNG") << "a.png" << ImageFixtures::encode(picture, "png") << QSize(800, 600);
    QTest::newRow("TIFF") << "a.tif" << ImageFixtures::encode(picture, "tiff") << QSize(800, 600);
    QTest::newRow("TIFF, directory first") << "b.tif" << ImageFixtures::tiffClaiming(100, 100, 10000)
                                           << QSize(100, 100);
    QTest::newRow("progressive JPEG") << "c.jpg" << HostileImageFiles::progressiveJpeg(picture) << QSize(800, 600);
    QTest::newRow("BMP") << "a.bmp" << ImageFixtures::encode(picture, "bmp") << QSize(800, 600);
    QTest::newRow("run-length BMP") << "b.bmp" << rle8Bmp() << QSize(8, 4);
    QTest::newRow("GIF") << "a.gif" << ImageFixtures::gifOf(64, 64, checkerPixels(64, 64)) << QSize(64, 64);
    QTest::newRow("WebP") << "a.webp" << ImageFixtures::encode(picture, "webp") << QSize(800, 600);
    DngFixture::Options options;
    options.preview = DngFixture::Preview::None;
    QTest::newRow("DNG") << "a.dng" << DngFixture::make(options) << options.size;
    // Bytes after the end marker (a camera's maker data) are no damage.
    QTest::newRow("JPEG with bytes after its end") << "b.jpg"
                                                   << ImageFixtures::encode(picture, "jpeg", 90) + QByteArray(64, '\x55')
                                                   << QSize(800, 600);
}

void TestDamagedImageFiles::intactFilesOfEveryFormatLoad()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    QVERIFY(TestSupport::writeFile(path(name), bytes));

    const Outcome outcome = loadWithWorker(path(name));
    QVERIFY2(outcome.error.isEmpty(), qPrintable(outcome.error));
    QCOMPARE(outcome.image.size(), size);
    IQImageFileItem item(path(name));
    QVERIFY(!item.thumbnail(QSize(40, 40)).isNull());
    QVERIFY2(item.errorString().isEmpty(), qPrintable(item.errorString()));
}

void TestDamagedImageFiles::forgedBmpRowsDoNotOverflow()
{
    // 2^31-1 rows of 2^31-1 pixels at 24 bits: rows times stride is about
    // 2^64, past what a 64-bit product holds (the sanitiser would stop here).
    QByteArray bmp = ImageFixtures::bmpClaiming(0x7FFFFFFF, 0x7FFFFFFF, 64);
    const auto* data = reinterpret_cast<const uchar*>(bmp.constData());
    QVERIFY(!IQImageStructure::isComplete(IQImageStructure::Kind::Bmp, data, bmp.size()));
    // The same header claiming 8 x 2 pixels: two rows of 24 bytes are there.
    bmp = ImageFixtures::bmpClaiming(8, 2, 48);
    data = reinterpret_cast<const uchar*>(bmp.constData());
    QVERIFY(IQImageStructure::isComplete(IQImageStructure::Kind::Bmp, data, bmp.size()));
    // The last row's padding may be missing; its pixels may not.
    bmp = ImageFixtures::bmpClaiming(7, 2, 24 + 21);
    data = reinterpret_cast<const uchar*>(bmp.constData());
    QVERIFY(IQImageStructure::isComplete(IQImageStructure::Kind::Bmp, data, bmp.size()));
    QVERIFY(!IQImageStructure::isComplete(IQImageStructure::Kind::Bmp, data, bmp.size() - 1));
}

void TestDamagedImageFiles::plausibilityBoundsAreThoseOfTheFormats_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QSize>("claimed");
    QTest::addColumn<qint64>("fileBytes");
    QTest::addColumn<bool>("plausible");

    using Kind = IQImageStructure::Kind;
    // 30000 x 30000 = 900,000,000 pixels. JPEG holds at most 8192 a byte:
    // 900,000,000 / 8192 = 109,863.3, so 109,863 bytes are too few and
    // 109,864 enough.
    QTest::newRow("JPEG one byte short") << int(Kind::Jpeg) << QSize(30000, 30000) << qint64(109863) << false;
    QTest::newRow("JPEG just enough") << int(Kind::Jpeg) << QSize(30000, 30000) << qint64(109864) << true;
    // BMP: 128 a byte; 900,000,000 / 128 = 7,031,250 exactly.
    QTest::newRow("BMP one byte short") << int(Kind::Bmp) << QSize(30000, 30000) << qint64(7031249) << false;
    QTest::newRow("BMP just enough") << int(Kind::Bmp) << QSize(30000, 30000) << qint64(7031250) << true;
    // 4096 x 4096 passes whatever the size; one row more must be held.
    QTest::newRow("4096 x 4096 in 1 byte") << int(Kind::Bmp) << QSize(4096, 4096) << qint64(1) << true;
    QTest::newRow("4096 x 4097 in 1 byte") << int(Kind::Jpeg) << QSize(4096, 4097) << qint64(1) << false;
    // SVG is drawn at the size it asks for: no bound.
    QTest::newRow("SVG 30000 x 30000 in 200 bytes") << int(Kind::Vector) << QSize(30000, 30000) << qint64(200)
                                                    << true;
    QTest::newRow("no size known") << int(Kind::Png) << QSize() << qint64(0) << true;
    // 2^31-1 squared is 4.6e18 pixels: no overflow on the way to "no".
    QTest::newRow("largest claim") << int(Kind::Tiff) << QSize(0x7FFFFFFF, 0x7FFFFFFF) << qint64(1) << false;
}

void TestDamagedImageFiles::plausibilityBoundsAreThoseOfTheFormats()
{
    QFETCH(int, kind);
    QFETCH(QSize, claimed);
    QFETCH(qint64, fileBytes);
    QFETCH(bool, plausible);
    QCOMPARE(IQImageLimits::isPlausible(claimed, fileBytes, IQImageStructure::Kind(kind)), plausible);
}

QTEST_MAIN(TestDamagedImageFiles)
#include "tst_damagedimagefiles.moc"
