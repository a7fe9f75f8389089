#include "rawplugin/RawIOHandler.h"
#include "rawplugin/RawPluginImport.h"

#include "DngFixture.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>

Q_DECLARE_METATYPE(DngFixture::Preview)

namespace {

// The colour nearest to `pixel` among fully saturated ones, as a name, so
// that a failure message says what was seen.
QString colourName(QRgb pixel)
{
    const int r = qRed(pixel) > 127, g = qGreen(pixel) > 127, b = qBlue(pixel) > 127;
    static const char* names[8] = {"black", "blue", "green", "cyan", "red", "magenta", "yellow", "white"};
    return QString::fromLatin1(names[r * 4 + g * 2 + b]);
}

QStringList quadrantNames(const QList<QColor>& colors)
{
    QStringList names;
    for (const QColor& c : colors)
        names << colourName(c.rgb());
    return names;
}

// The colours at the centres of the quadrants of an upright image.
QStringList quadrantsOf(const QImage& image)
{
    const int w = image.width();
    const int h = image.height();
    return {colourName(image.pixel(w / 4, h / 4)), colourName(image.pixel(3 * w / 4, h / 4)),
            colourName(image.pixel(w / 4, 3 * h / 4)), colourName(image.pixel(3 * w / 4, 3 * h / 4))};
}

const QStringList sensor = quadrantNames(DngFixture::sensorColors());
const QStringList preview = quadrantNames(DngFixture::previewColors());

} // namespace

class TestRawIOHandler : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void roads_data();
    void roads();
    void orientation_data();
    void orientation();
    void brokenPreviewFallsBackToSensorData();
    void handlerReadsRepeatedly();
    void options();
    void badInput_data();
    void badInput();
    void emptyScaledSizeFails();
    void allocationLimitIsKept();
    void twoWorkersDecodeAtOnce();

private:
    QString write(const QString& name, const QByteArray& bytes);
    QTemporaryDir m_dir;
};

void TestRawIOHandler::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

QString TestRawIOHandler::write(const QString& name, const QByteArray& bytes)
{
    const QString path = m_dir.filePath(name);
    if (!TestSupport::writeFile(path, bytes))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestRawIOHandler::roads_data()
{
    QTest::addColumn<DngFixture::Preview>("kind");
    QTest::addColumn<QSize>("upright");
    QTest::addColumn<QSize>("previewSize");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("scaledSize");
    QTest::addColumn<bool>("usesPreview");

    using P = DngFixture::Preview;
    const QSize full(160, 120);
    const QSize small(40, 30);
    QTest::newRow("plain read, JPEG preview") << P::Jpeg << full << small << 1 << QSize() << false;
    QTest::newRow("plain read, RGB preview") << P::Rgb << full << small << 1 << QSize() << false;
    QTest::newRow("plain read, no preview") << P::None << full << small << 1 << QSize() << false;
    QTest::newRow("below JPEG preview") << P::Jpeg << full << small << 1 << QSize(20, 15) << true;
    QTest::newRow("below RGB preview") << P::Rgb << full << small << 1 << QSize(20, 15) << true;
    QTest::newRow("below in width only") << P::Jpeg << full << small << 1 << QSize(39, 60) << true;
    QTest::newRow("below in height only") << P::Rgb << full << small << 1 << QSize(80, 29) << true;
    QTest::newRow("no preview, small size") << P::None << full << small << 1 << QSize(20, 15) << false;
    QTest::newRow("equal to preview") << P::Jpeg << full << small << 1 << QSize(40, 30) << false;
    QTest::newRow("above preview, below full") << P::Rgb << full << small << 1 << QSize(100, 75) << false;
    QTest::newRow("above full size") << P::Jpeg << full << small << 1 << QSize(320, 240) << false;
    // A full-size preview of a portrait photograph: compared upright, it is
    // not larger than the wanted size, so a plain read takes the sensor data.
    QTest::newRow("portrait, full-size JPEG preview, orientation 6")
        << P::Jpeg << QSize(120, 160) << QSize(120, 160) << 6 << QSize() << false;
    QTest::newRow("portrait, full-size RGB preview, orientation 8")
        << P::Rgb << QSize(120, 160) << QSize(120, 160) << 8 << QSize() << false;
    QTest::newRow("portrait, full-size preview, scaled below")
        << P::Jpeg << QSize(120, 160) << QSize(120, 160) << 6 << QSize(60, 80) << true;
}

void TestRawIOHandler::roads()
{
    QFETCH(DngFixture::Preview, kind);
    QFETCH(QSize, upright);
    QFETCH(QSize, previewSize);
    QFETCH(int, orientation);
    QFETCH(QSize, scaledSize);
    QFETCH(bool, usesPreview);

    DngFixture::Options options;
    options.preview = kind;
    options.size = upright;
    options.previewSize = previewSize;
    options.orientation = orientation;
    QImageReader reader(write(QStringLiteral("road.dng"), DngFixture::make(options)));
    QCOMPARE(reader.size(), upright);
    QCOMPARE(reader.imageFormat(), QImage::Format_RGB32);
    if (scaledSize.isValid())
        reader.setScaledSize(scaledSize);

    QTest::ignoreMessage(QtDebugMsg, usesPreview ? "Using thumbnail" : "Decoding raw data");
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), scaledSize.isValid() ? scaledSize : upright);
    QCOMPARE(image.format(), QImage::Format_RGB32);
    QCOMPARE(quadrantsOf(image), usesPreview ? preview : sensor);
}

void TestRawIOHandler::orientation_data()
{
    QTest::addColumn<DngFixture::Preview>("kind");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("usePreview");
    for (int orientation = 1; orientation <= 8; ++orientation) {
        for (auto kind : {DngFixture::Preview::Jpeg, DngFixture::Preview::Rgb}) {
            const char* kindName = kind == DngFixture::Preview::Jpeg ? "JPEG" : "RGB";
            QTest::addRow("orientation %d, sensor, %s preview", orientation, kindName) << kind << orientation << false;
            QTest::addRow("orientation %d, %s preview", orientation, kindName) << kind << orientation << true;
        }
    }
}

void TestRawIOHandler::orientation()
{
    QFETCH(DngFixture::Preview, kind);
    QFETCH(int, orientation);
    QFETCH(bool, usePreview);

    DngFixture::Options options;
    options.preview = kind;
    options.orientation = orientation;
    QImageReader reader(write(QStringLiteral("oriented.dng"), DngFixture::make(options)));
    // As the load worker reads: the handler turns the image itself, so the
    // reader must not turn it a second time.
    reader.setAutoTransform(true);
    // Reported and delivered sizes are upright, whatever the stored layout.
    QCOMPARE(reader.size(), QSize(160, 120));
    const QSize wanted = usePreview ? QSize(32, 24) : QSize(160, 120);
    if (usePreview)
        reader.setScaledSize(wanted);
    QTest::ignoreMessage(QtDebugMsg, usePreview ? "Using thumbnail" : "Decoding raw data");
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), wanted);
    QCOMPARE(quadrantsOf(image), usePreview ? preview : sensor);
}

void TestRawIOHandler::brokenPreviewFallsBackToSensorData()
{
    DngFixture::Options options;
    options.preview = DngFixture::Preview::BrokenJpeg;
    QImageReader reader(write(QStringLiteral("broken-preview.dng"), DngFixture::make(options)));
    reader.setScaledSize(QSize(20, 15));
    QTest::ignoreMessage(QtDebugMsg, "Using thumbnail");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^RawIOHandler::read: .*preview.*; decoding the sensor data instead$")));
    QTest::ignoreMessage(QtDebugMsg, "Decoding raw data");
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), QSize(20, 15));
    QCOMPARE(quadrantsOf(image), sensor);
}

void TestRawIOHandler::handlerReadsRepeatedly()
{
    // One handler, reads along both roads in turn, as a viewer showing a
    // thumbnail and then the photograph would.
    QByteArray bytes = DngFixture::make();
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    RawIOHandler handler;
    handler.setDevice(&buffer);
    QVERIFY(handler.canRead());
    QCOMPARE(handler.format(), QByteArray("raw"));

    const struct
    {
        QSize scaled;
        QStringList colours;
    } steps[] = {{QSize(), sensor}, {QSize(20, 15), preview}, {QSize(), sensor}, {QSize(10, 8), preview}};
    for (const auto& step : steps) {
        handler.setOption(QImageIOHandler::ScaledSize, step.scaled.isValid() ? step.scaled : QSize(-1, -1));
        QTest::ignoreMessage(QtDebugMsg, step.scaled.isValid() ? "Using thumbnail" : "Decoding raw data");
        QImage image;
        QVERIFY2(handler.read(&image), qPrintable(handler.errorString()));
        QCOMPARE(image.size(), step.scaled.isValid() ? step.scaled : QSize(160, 120));
        QCOMPARE(quadrantsOf(image), step.colours);
    }
}

void TestRawIOHandler::options()
{
    RawIOHandler handler;
    QCOMPARE(handler.option(QImageIOHandler::ImageFormat).toInt(), int(QImage::Format_RGB32));
    QCOMPARE(handler.option(QImageIOHandler::ScaledSize).toSize(), QSize(-1, -1));
    QCOMPARE(handler.option(QImageIOHandler::Size).toSize(), QSize(-1, -1));
    QVERIFY(handler.option(QImageIOHandler::Quality).isNull());
    QVERIFY(handler.supportsOption(QImageIOHandler::Size));
    QVERIFY(handler.supportsOption(QImageIOHandler::ScaledSize));
    QVERIFY(handler.supportsOption(QImageIOHandler::ImageFormat));
    QVERIFY(!handler.supportsOption(QImageIOHandler::ImageTransformation));
    QVERIFY(!handler.supportsOption(QImageIOHandler::ClipRect));
    QVERIFY(!handler.supportsOption(QImageIOHandler::Quality));

    handler.setOption(QImageIOHandler::ScaledSize, QSize(64, 48));
    QCOMPARE(handler.option(QImageIOHandler::ScaledSize).toSize(), QSize(64, 48));
    handler.setOption(QImageIOHandler::Size, QSize(1, 1));

    DngFixture::Options portrait;
    portrait.orientation = 6;
    QByteArray bytes = DngFixture::make(portrait);
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    handler.setDevice(&buffer);
    QCOMPARE(handler.option(QImageIOHandler::Size).toSize(), QSize(160, 120));
}

void TestRawIOHandler::badInput_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");

    const QByteArray dng = DngFixture::make();
    DngFixture::Options noPreview;
    noPreview.preview = DngFixture::Preview::None;
    QTest::newRow("text named .nef") << "x.nef" << QByteArray("Just some notes, not a photograph.\n") << "not a RAW file";
    QTest::newRow("zero bytes") << "empty.cr2" << QByteArray() << "the file is empty";
    QTest::newRow("truncated in the header") << "header.dng" << dng.left(60) << "not a RAW file";
    QTest::newRow("truncated in the sensor data") << "truncated.dng" << dng.left(dng.size() - 9000)
                                                  << "sensor data: the file ends early";
    QTest::newRow("truncated, no preview") << "truncated-no-preview.dng"
                                           << DngFixture::make(noPreview).left(dng.size() / 2) << "sensor data";
}

void TestRawIOHandler::badInput()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);

    // The reader turns down what the handler's probe rejects, and reports a
    // failed read of what it accepted.
    const QString path = write(name, bytes);
    QImageReader reader(path);
    const QImage image = reader.read();
    QVERIFY(image.isNull());
    QVERIFY(!reader.errorString().isEmpty());

    // The handler itself says why, and nothing was written over the file.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    RawIOHandler handler;
    handler.setDevice(&file);
    QImage untouched(2, 2, QImage::Format_RGB32);
    untouched.fill(Qt::gray);
    const QImage before = untouched;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^RawIOHandler::read: ")));
    QVERIFY(!handler.read(&untouched));
    QVERIFY2(handler.errorString().contains(reason), qPrintable(handler.errorString()));
    QCOMPARE(untouched, before);
    QVERIFY(file.seek(0));
    QCOMPARE(file.readAll(), bytes);
}

void TestRawIOHandler::emptyScaledSizeFails()
{
    // A 0 x 0 request cannot be met: it fails, rather than "succeeding"
    // with a null image.
    QImageReader reader(write(QStringLiteral("empty-request.dng"), DngFixture::make()));
    reader.setScaledSize(QSize(0, 0));
    QTest::ignoreMessage(QtWarningMsg, "RawIOHandler::read: the requested size 0 x 0 is empty");
    QImage image;
    QVERIFY(!reader.read(&image));
    QVERIFY(image.isNull());
}

void TestRawIOHandler::allocationLimitIsKept()
{
    const int old = QImageReader::allocationLimit();
    auto restore = qScopeGuard([old] { QImageReader::setAllocationLimit(old); });
    DngFixture::Options options;
    options.size = QSize(1200, 900); // 4.1 MB as RGB32
    QImageReader::setAllocationLimit(4);
    QImageReader reader(write(QStringLiteral("large.dng"), DngFixture::make(options)));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^RawIOHandler::read: .*allocation limit of 4 MB")));
    QVERIFY(reader.read().isNull());
    // The reason reaches the reader's owner once.
    QVERIFY(RawIOHandler::takeLastReadError().contains(QLatin1String("allocation limit of 4 MB")));
    QVERIFY(RawIOHandler::takeLastReadError().isEmpty());

    // The preview road stays within the limit.
    QImageReader small(m_dir.filePath(QStringLiteral("large.dng")));
    small.setScaledSize(QSize(20, 15));
    QTest::ignoreMessage(QtDebugMsg, "Using thumbnail");
    QCOMPARE(quadrantsOf(small.read()), preview);
}

void TestRawIOHandler::twoWorkersDecodeAtOnce()
{
    DngFixture::Options landscape;
    DngFixture::Options portrait;
    portrait.size = QSize(96, 128);
    portrait.orientation = 8;
    portrait.preview = DngFixture::Preview::Rgb;
    const QString first = write(QStringLiteral("worker-1.dng"), DngFixture::make(landscape));
    const QString second = write(QStringLiteral("worker-2.dng"), DngFixture::make(portrait));

    // Debug output from other threads is not the test's business here.
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    auto restore = qScopeGuard([previous] { qInstallMessageHandler(previous); });

    std::atomic<int> failures{0};
    auto worker = [&failures](const QString& path, QSize size) {
        return QThread::create([&failures, path, size] {
            for (int i = 0; i < 4; ++i) {
                QImageReader reader(path);
                if (i % 2)
                    reader.setScaledSize(size / 8);
                const QImage image = reader.read();
                if (image.size() != (i % 2 ? size / 8 : size) || quadrantsOf(image) != (i % 2 ? preview : sensor))
                    ++failures;
            }
        });
    };
    std::unique_ptr<QThread> a(worker(first, QSize(160, 120)));
    std::unique_ptr<QThread> b(worker(second, QSize(96, 128)));
    a->start();
    b->start();
    QVERIFY(a->wait(120000));
    QVERIFY(b->wait(120000));
    QCOMPARE(failures.load(), 0);
}

QTEST_GUILESS_MAIN(TestRawIOHandler)
#include "tst_rawiohandler.moc"
