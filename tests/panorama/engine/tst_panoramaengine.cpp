#include "panorama/engine/IQFinetuneThread.h"
#include "panorama/engine/IQPanoramaEngine.h"
#include "panorama/engine/IQPanoramaEngineController.h"
#include "panorama/engine/IQStitchThread.h"
#include "stitch/job/CStitchOptions.h"

#include "../../files/ImageFixtures.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstring>

Q_DECLARE_METATYPE(tagStitchOutputSize)

namespace {

quint32 u32(const unsigned char* p)
{
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 u16(const unsigned char* p)
{
    return quint16(p[0] | p[1] << 8);
}

void put32(QByteArray& bytes, int offset, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = char((v >> (8 * i)) & 0xFF);
}

// A picture whose every pixel differs from its neighbours, so that a row or
// a channel out of place shows.
QImage pattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb((x * 37 + y * 11 + 5) & 0xFF, (x * 3 + y * 53 + 17) & 0xFF, (x * y + 29) & 0xFF);
    }
    return image;
}

// Writes a PNG of `size` (or, for an invalid size, a file no reader knows)
// and returns its path.
QString writePhoto(const QTemporaryDir& dir, int index, QSize size)
{
    const QString path = dir.filePath(QStringLiteral("photo%1.png").arg(index));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    if (!size.isValid()) {
        file.write("not a picture at all, just words");
        return path;
    }
    QImageWriter writer(&file, "png");
    writer.setCompression(1);
    writer.write(pattern(size.width(), size.height()));
    return path;
}

struct Collected
{
    QList<int> percents;
    QImage image;
    int code = 12345;
};

} // namespace

class TestPanoramaEngine : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }
    void cleanup() { IQPanoramaEngineController::globalInstance()->releaseEngine(); }

    void codes_data();
    void codes();
    void emptyListLeavesCodeUntouched();
    void noJobIsNoTemporaryFolder();
    void releaseRemovesTemporaryFolder();
    void alignPhotoSize_data();
    void alignPhotoSize();
    void orientationSixArrivesUpright_data();
    void orientationSixArrivesUpright();
    void getImageBytes_data();
    void getImageBytes();
    void getImageOfUnreadablePhoto();
    void imageToDibFormats_data();
    void imageToDibFormats();
    void dib2Image_data();
    void dib2Image();
    void dib2ImageByHand();
    void topDownRect();
    void cropSharesUntilChanged();
    void overlapElement_data();
    void overlapElement();
    void seamPoints_data();
    void seamPoints();
    void isCoLine_data();
    void isCoLine();
    void isPositionOffsetTooFar_data();
    void isPositionOffsetTooFar();
    void mapProgress_data();
    void mapProgress();
    void progressNeverGoesBack();
    void cancelBeforeStart();
    void cancelAtFirstReport();
    void finetuneFailureIsNotSuccess();
    void poolTaskStaysItsMakers_data();
    void poolTaskStaysItsMakers();

private:
    Collected runThread(const QList<QString>& paths, bool cancelBefore, bool cancelAtFirst);
    QTemporaryDir m_dir;
};

void TestPanoramaEngine::codes_data()
{
    QTest::addColumn<tagStitchOutputSize>("outputSize");
    QTest::addColumn<QList<QSize>>("sizes");
    QTest::addColumn<int>("code");

    const QSize unreadable;
    // -3: the second photo cannot be read; the third would fail the size
    // rule (-7), so the -3 shows that reading stopped there.
    for (int s = 0; s <= 2; ++s) {
        const auto size = tagStitchOutputSize(s);
        QTest::addRow("unreadable-at-%d", s)
            << size << QList<QSize>{QSize(480, 400), unreadable, QSize(40, 40)} << -3;
    }
    // Six photos, read several at a time: the fourth cannot be read, the
    // fifth and sixth would fail the size rule; the -3 is still the fourth's.
    QTest::newRow("unreadable-fourth-of-six")
        << StitchOutputOriginal
        << QList<QSize>{QSize(300, 200), QSize(300, 200), QSize(300, 200), unreadable, QSize(40, 40), QSize(40, 40)}
        << -3;
    // Every photo's size reaches the rule, the last one's too.
    QTest::newRow("spread-in-last-of-six")
        << StitchOutputHalf
        << QList<QSize>{QSize(600, 400), QSize(600, 400), QSize(600, 400), QSize(600, 400), QSize(600, 400),
                        QSize(720, 400)}
        << -8;
    // -7: smallest width x smallest height below 40000, on the reduced sizes.
    // 400 x 90 = 36000; at half size 800 x 180 is read as 400 x 90, at a
    // quarter 1600 x 360 likewise.
    QTest::newRow("small-at-0") << StitchOutputOriginal << QList<QSize>{QSize(400, 90), QSize(400, 100)} << -7;
    QTest::newRow("small-at-1") << StitchOutputHalf << QList<QSize>{QSize(800, 180), QSize(800, 200)} << -7;
    QTest::newRow("small-at-2") << StitchOutputQuarter << QList<QSize>{QSize(1600, 360), QSize(1600, 400)} << -7;
    // 401 x 201 at half size is 200 x 100 (halves round down): 20000.
    QTest::newRow("odd-sides-at-1") << StitchOutputHalf << QList<QSize>{QSize(401, 201), QSize(410, 201)} << -7;
    // -7 is tested before -8: 400 x 90 and 600 x 100 differ by half.
    QTest::newRow("small-before-spread") << StitchOutputOriginal << QList<QSize>{QSize(400, 90), QSize(600, 100)}
                                         << -7;
    // -8: widths 250 and 300 differ by 50 = a fifth of 250 (single-precision
    // 0.2 lies above the double 0.2); the reduced sizes again.
    QTest::newRow("spread-at-0") << StitchOutputOriginal << QList<QSize>{QSize(250, 200), QSize(300, 200)} << -8;
    QTest::newRow("spread-at-1") << StitchOutputHalf << QList<QSize>{QSize(500, 400), QSize(600, 400)} << -8;
    QTest::newRow("spread-at-2") << StitchOutputQuarter << QList<QSize>{QSize(1000, 800), QSize(1200, 800)} << -8;
    // Heights 200 and 241: 41 / 200 = 0.205.
    QTest::newRow("height-spread-at-0") << StitchOutputOriginal << QList<QSize>{QSize(300, 200), QSize(300, 241)}
                                        << -8;
}

void TestPanoramaEngine::codes()
{
    QFETCH(tagStitchOutputSize, outputSize);
    QFETCH(QList<QSize>, sizes);
    QFETCH(int, code);

    QList<QString> paths;
    for (int i = 0; i < sizes.size(); ++i)
        paths << writePhoto(m_dir, i, sizes.at(i));

    auto* controller = IQPanoramaEngineController::globalInstance();
    controller->createEngine(StitchStyleHorizontal, outputSize);
    int result = 0;
    tagRECT crop{1, 2, 3, 4};
    const QImage image = controller->stitch(paths, &crop, &result);
    QCOMPARE(result, code);
    QVERIFY(image.isNull());
    QVERIFY(controller->cropedImage().isNull());
    QCOMPARE(controller->inputPaths(), paths);
    // The crop is written on success only.
    QCOMPARE(crop.left, 1);
    QCOMPARE(crop.bottom, 4);
}

void TestPanoramaEngine::emptyListLeavesCodeUntouched()
{
    IQPanoramaEngine engine(StitchStyleHorizontal, StitchOutputOriginal);
    QList<QString> ordered{QStringLiteral("kept")};
    int code = 77;
    QVERIFY(engine.stitch({}, ordered, nullptr, &code).isNull());
    QCOMPARE(code, 77);
    QCOMPARE(ordered, QList<QString>{QStringLiteral("kept")});

    // Without an engine the controller writes nothing either.
    auto* controller = IQPanoramaEngineController::globalInstance();
    controller->releaseEngine();
    code = 77;
    QVERIFY(controller->stitch({writePhoto(m_dir, 0, QSize(300, 200))}, nullptr, &code).isNull());
    QCOMPARE(code, 77);
}

void TestPanoramaEngine::noJobIsNoTemporaryFolder()
{
    // A cache location that cannot be made leaves the engine without a job:
    // the stitch says so (-4) and reads no photo (an unreadable one would
    // give -3).
    const QByteArray old = qgetenv("XDG_CACHE_HOME");
    QFile blocker(m_dir.filePath(QStringLiteral("a-file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_CACHE_HOME", m_dir.filePath(QStringLiteral("a-file/cache")).toLocal8Bit());
    IQPanoramaEngine engine(StitchStyleHorizontal, StitchOutputOriginal);
    qputenv("XDG_CACHE_HOME", old);
    if (old.isEmpty())
        qunsetenv("XDG_CACHE_HOME");
    QVERIFY(!engine.handle());
    QList<QString> ordered;
    int code = 0;
    QVERIFY(engine.stitch({writePhoto(m_dir, 0, QSize())}, ordered, nullptr, &code).isNull());
    QCOMPARE(code, -4);
}

void TestPanoramaEngine::releaseRemovesTemporaryFolder()
{
    auto* controller = IQPanoramaEngineController::globalInstance();
    IQPanoramaEngine* engine = controller->createEngine(StitchStyleVertical, StitchOutputHalf);
    QVERIFY(engine && engine->handle());
    QCOMPARE(engine->style(), StitchStyleVertical);
    QCOMPARE(engine->outputSize(), StitchOutputHalf);
    const QString folder = engine->handle()->m_strTempDir;
    QVERIFY(QDir(folder).exists());
    // Replacing the engine releases the old job and its folder.
    IQPanoramaEngine* second = controller->createEngine(StitchStyleTile, StitchOutputOriginal);
    QVERIFY(!QDir(folder).exists());
    const QString secondFolder = second->handle()->m_strTempDir;
    controller->releaseEngine();
    QVERIFY(!controller->engine());
    QVERIFY(!QDir(secondFolder).exists());
}

void TestPanoramaEngine::alignPhotoSize_data()
{
    QTest::addColumn<QList<QSize>>("sizes");
    QTest::addColumn<bool>("passes");
    QTest::addColumn<int>("code");

    QTest::newRow("close-sizes") << QList<QSize>{{300, 200}, {310, 205}, {320, 210}} << true << 0;
    QTest::newRow("36000-pixels") << QList<QSize>{{400, 90}, {400, 100}} << false << -7;
    QTest::newRow("exactly-40000") << QList<QSize>{{200, 200}, {210, 200}} << true << 0;
    QTest::newRow("39999-pixels") << QList<QSize>{{39999, 1}, {39999, 1}} << false << -7;
    QTest::newRow("widths-30-percent") << QList<QSize>{{1000, 800}, {1300, 800}} << false << -8;
    QTest::newRow("widths-a-fifth") << QList<QSize>{{1000, 800}, {1200, 800}} << false << -8;
    QTest::newRow("widths-below-a-fifth") << QList<QSize>{{1000, 800}, {1199, 800}} << true << 0;
    QTest::newRow("heights-a-fifth") << QList<QSize>{{800, 1000}, {800, 1200}} << false << -8;
    QTest::newRow("one-photo") << QList<QSize>{{640, 480}} << true << 0;
    // 70000 x 70000 is beyond 32 bits: an int product would wrap negative.
    QTest::newRow("product-beyond-32-bits") << QList<QSize>{{70000, 70000}, {70000, 70000}} << true << 0;
    // Widths over 99999 are taken as they are: 120000 and 125000 differ by
    // 5000 / 120000 = 0.042.
    QTest::newRow("very-wide") << QList<QSize>{{120000, 1000}, {125000, 1000}} << true << 0;
}

void TestPanoramaEngine::alignPhotoSize()
{
    QFETCH(QList<QSize>, sizes);
    QFETCH(bool, passes);
    QFETCH(int, code);

    QList<tagPOINT> points;
    for (const QSize& s : sizes)
        points << tagPOINT{s.width(), s.height()};
    int result = 0;
    QCOMPARE(IQPanoramaEngine::alignPhotoSize(points.data(), long(points.size()), &result), passes);
    QCOMPARE(result, code);

    // No pairs: false, and no code written.
    result = 5;
    QVERIFY(!IQPanoramaEngine::alignPhotoSize(nullptr, 2, &result));
    QVERIFY(!IQPanoramaEngine::alignPhotoSize(points.data(), 0, &result));
    QCOMPARE(result, 5);
}

void TestPanoramaEngine::orientationSixArrivesUpright_data()
{
    QTest::addColumn<tagStitchOutputSize>("outputSize");
    QTest::addColumn<QSize>("stored");
    QTest::addColumn<QSize>("upright");
    QTest::newRow("original") << StitchOutputOriginal << QSize(64, 40) << QSize(40, 64);
    QTest::newRow("half") << StitchOutputHalf << QSize(128, 80) << QSize(40, 64);
}

void TestPanoramaEngine::orientationSixArrivesUpright()
{
    QFETCH(tagStitchOutputSize, outputSize);
    QFETCH(QSize, stored);
    QFETCH(QSize, upright);

    // Stored wide: the left half red, the right half blue. Orientation 6
    // shows it turned 90 degrees clockwise: red on top, blue below.
    QImage image(stored, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < stored.height(); ++y)
        for (int x = 0; x < stored.width() / 2; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    const QString path = m_dir.filePath(QStringLiteral("orientation-6.jpg"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(ImageFixtures::jpegWithOrientation(image, 6));
    file.close();

    QCOMPARE(IQPanoramaEngine::photoSize(path, outputSize), upright);
    IQPanoramaEngine engine(StitchStyleHorizontal, outputSize);
    void* dib = nullptr;
    QCOMPARE(IQPanoramaEngine::GetImage(&path, &dib, &engine), 0);
    QVERIFY(dib);
    const auto* block = static_cast<const unsigned char*>(dib);
    QCOMPARE(int(u32(block + 4)), upright.width());
    QCOMPARE(int(u32(block + 8)), upright.height());
    const int stride = ((upright.width() * 24 + 31) / 32) * 4;
    // The bitmap's last row is the picture's top (red: blue byte low, red
    // byte high); its first row the bottom (blue).
    const unsigned char* top = block + 40 + (upright.height() - 1) * stride + 3 * (upright.width() / 2);
    const unsigned char* bottom = block + 40 + 3 * (upright.width() / 2);
    QVERIFY2(top[2] > 200 && top[0] < 60, "the top is red");
    QVERIFY2(bottom[0] > 200 && bottom[2] < 60, "the bottom is blue");
    IQPanoramaEngine::DeleteImage(&dib, &engine);
    QVERIFY(!dib);
}

void TestPanoramaEngine::getImageBytes_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("stride");
    // Rows of 3 bytes a pixel padded to a multiple of 4.
    QTest::newRow("1") << 1 << 4;
    QTest::newRow("2") << 2 << 8;
    QTest::newRow("3") << 3 << 12;
    QTest::newRow("4") << 4 << 12;
    QTest::newRow("5") << 5 << 16;
    QTest::newRow("6") << 6 << 20;
    QTest::newRow("7") << 7 << 24;
}

void TestPanoramaEngine::getImageBytes()
{
    QFETCH(int, width);
    QFETCH(int, stride);
    const int height = 3;
    const QString path = writePhoto(m_dir, 0, QSize(width, height));
    const QImage picture = pattern(width, height);

    IQPanoramaEngine engine(StitchStyleHorizontal, StitchOutputOriginal);
    void* dib = nullptr;
    QCOMPARE(IQPanoramaEngine::GetImage(&path, &dib, &engine), 0);
    QVERIFY(dib);
    QByteArray expected(40 + stride * height, '\0');
    put32(expected, 0, 40);
    put32(expected, 4, quint32(width));
    put32(expected, 8, quint32(height));
    expected[12] = 1;  // planes
    expected[14] = 24; // bits
    put32(expected, 20, quint32(stride * height));
    put32(expected, 24, 72);
    put32(expected, 28, 72);
    for (int r = 0; r < height; ++r) {
        for (int x = 0; x < width; ++x) {
            // Row r of the bitmap holds picture row height - 1 - r, blue first.
            const QRgb p = picture.pixel(x, height - 1 - r);
            const int at = 40 + r * stride + 3 * x;
            expected[at] = char(qBlue(p));
            expected[at + 1] = char(qGreen(p));
            expected[at + 2] = char(qRed(p));
        }
    }
    const QByteArray actual(static_cast<const char*>(dib), expected.size());
    QCOMPARE(actual.toHex(' '), expected.toHex(' '));
    // Back through dib2Image: the picture, opaque and top-down.
    const QImage back = IQPanoramaEngine::dib2Image(dib);
    QCOMPARE(back.format(), QImage::Format_ARGB32);
    QCOMPARE(back, picture.convertToFormat(QImage::Format_ARGB32));
    IQPanoramaEngine::DeleteImage(&dib, &engine);
}

void TestPanoramaEngine::getImageOfUnreadablePhoto()
{
    const QString path = writePhoto(m_dir, 0, QSize());
    IQPanoramaEngine engine(StitchStyleHorizontal, StitchOutputOriginal);
    void* dib = reinterpret_cast<void*>(0x1);
    QCOMPARE(IQPanoramaEngine::GetImage(&path, &dib, &engine), -3);
    QVERIFY(!dib);
    // Deleting nothing is harmless.
    IQPanoramaEngine::DeleteImage(&dib, &engine);
    IQPanoramaEngine::DeleteImage(nullptr, &engine);
}

void TestPanoramaEngine::imageToDibFormats_data()
{
    QTest::addColumn<int>("format");
    // 32-bit rows are packed straight from the reader's pixels, the others
    // through the bitmap's byte order; the bytes are the same.
    QTest::newRow("rgb32") << int(QImage::Format_RGB32);
    QTest::newRow("argb32") << int(QImage::Format_ARGB32);
    QTest::newRow("bgr888") << int(QImage::Format_BGR888);
    QTest::newRow("rgb888") << int(QImage::Format_RGB888);
    QTest::newRow("grayscale8") << int(QImage::Format_Grayscale8);
}

void TestPanoramaEngine::imageToDibFormats()
{
    QFETCH(int, format);
    // Five pixels a row: 15 bytes and one of padding.
    const int width = 5, height = 3, stride = 16;
    const QImage picture = pattern(width, height).convertToFormat(QImage::Format(format));
    QCOMPARE(int(picture.format()), format);
    void* dib = nullptr;
    QCOMPARE(IQPanoramaEngine::imageToDib(picture, &dib), 0);
    QVERIFY(dib);
    const auto* bytes = static_cast<const unsigned char*>(dib);
    QCOMPARE(u32(bytes + 4), quint32(width));
    QCOMPARE(u32(bytes + 8), quint32(height));
    QCOMPARE(u32(bytes + 20), quint32(stride * height));
    for (int r = 0; r < height; ++r) {
        const unsigned char* row = bytes + 40 + r * stride;
        for (int x = 0; x < width; ++x) {
            const QRgb p = picture.pixel(x, height - 1 - r);
            QCOMPARE(int(row[3 * x]), qBlue(p));
            QCOMPARE(int(row[3 * x + 1]), qGreen(p));
            QCOMPARE(int(row[3 * x + 2]), qRed(p));
        }
        QCOMPARE(int(row[15]), 0);
    }
    IQPanoramaEngine::DeleteImage(&dib, nullptr);
    QVERIFY(!dib);
}

void TestPanoramaEngine::dib2Image_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("bitCount");
    QTest::addColumn<int>("coloursUsed");
    QTest::addColumn<bool>("converts");

    QTest::newRow("1x1") << 1 << 1 << 24 << 0 << true;
    QTest::newRow("3x2") << 3 << 2 << 24 << 0 << true;
    QTest::newRow("5x4") << 5 << 4 << 24 << 0 << true;
    // Palette entries move the rows back by 4 bytes each.
    QTest::newRow("3x2-two-entries") << 3 << 2 << 24 << 2 << true;
    QTest::newRow("7x3-256-entries") << 7 << 3 << 24 << 256 << true;
    // Large enough to be converted in bands on several threads; the last
    // band short, each row ending in pixels after the last group of four.
    QTest::newRow("2102x1003") << 2102 << 1003 << 24 << 0 << true;
    // Rows of other bit counts are not 24-bit rows: reading them as such
    // would run past the block.
    QTest::newRow("8-bit") << 4 << 4 << 8 << 256 << false;
    QTest::newRow("32-bit") << 4 << 4 << 32 << 0 << false;
    QTest::newRow("no-rows") << 4 << 0 << 24 << 0 << false;
}

void TestPanoramaEngine::dib2Image()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, bitCount);
    QFETCH(int, coloursUsed);
    QFETCH(bool, converts);

    const int stride = ((width * bitCount + 31) / 32) * 4;
    const int rows = 40 + 4 * coloursUsed;
    QByteArray block(rows + stride * height, char(0xCD)); // padding: noise
    put32(block, 0, 40);
    put32(block, 4, quint32(width));
    put32(block, 8, quint32(height));
    block[12] = 1;
    block[13] = 0;
    block[14] = char(bitCount);
    block[15] = 0;
    put32(block, 16, 0);
    put32(block, 20, quint32(stride * height));
    put32(block, 32, quint32(coloursUsed));
    for (int i = 0; i < 4 * coloursUsed; ++i)
        block[40 + i] = char(0xAB); // palette: never read as pixels
    for (int r = 0; r < height; ++r)
        for (int i = 0; i < std::min(width * 3, stride); ++i)
            block[rows + r * stride + i] = char((r * 31 + i * 7 + 1) & 0xFF);

    const QImage image = IQPanoramaEngine::dib2Image(block.constData());
    QCOMPARE(!image.isNull(), converts);
    if (!converts)
        return;
    QCOMPARE(image.format(), QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(width, height));
    for (int y = 0; y < height; ++y) {
        const int r = height - 1 - y;
        for (int x = 0; x < width; ++x) {
            const int at = rows + r * stride + 3 * x;
            const QRgb expected = qRgba(uchar(block[at + 2]), uchar(block[at + 1]), uchar(block[at]), 255);
            QCOMPARE(image.pixel(x, y), expected);
        }
    }
}

void TestPanoramaEngine::dib2ImageByHand()
{
    // 2 x 2, first row in memory the bottom one: (1, 2, 3) (4, 5, 6), then
    // the top: (7, 8, 9) (10, 11, 12), blue first, rows padded to 8 bytes.
    const unsigned char bytes[40 + 16] = {40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0,
                                          16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                          1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
    const QImage image = IQPanoramaEngine::dib2Image(bytes);
    QCOMPARE(image.pixel(0, 0), 0xFF090807u);
    QCOMPARE(image.pixel(1, 0), 0xFF0C0B0Au);
    QCOMPARE(image.pixel(0, 1), 0xFF030201u);
    QCOMPARE(image.pixel(1, 1), 0xFF060504u);
    QVERIFY(IQPanoramaEngine::dib2Image(nullptr).isNull());
}

void TestPanoramaEngine::topDownRect()
{
    // Left 10, top 0, right 110, bottom 50 (bottom-up, exclusive) on 60 rows:
    // x 10..109, y 60 - 50 = 10 .. 60 - 0 - 1 = 59: 100 x 50 pixels.
    const QRect rect = IQPanoramaEngineController::topDownRect(tagRECT{10, 0, 110, 50}, 60);
    QCOMPARE(rect, QRect(QPoint(10, 10), QPoint(109, 59)));
    QCOMPARE(rect.size(), QSize(100, 50));
}

void TestPanoramaEngine::cropSharesUntilChanged()
{
    QImage whole = pattern(40, 30).convertToFormat(QImage::Format_ARGB32);
    const QImage before = whole.copy();
    const QRect rect(5, 7, 20, 10);
    QImage cropped = IQPanoramaEngineController::cropOf(whole, rect);
    QCOMPARE(cropped.size(), rect.size());
    QCOMPARE(cropped, before.copy(rect));
    // No pixels copied: the crop's rows are the whole's.
    QCOMPARE(cropped.constBits(), whole.constBits() + 7 * whole.bytesPerLine() + 5 * 4);

    // A change to either leaves the other as it was.
    cropped.setPixel(0, 0, 0xFF123456u);
    QCOMPARE(whole, before);
    QCOMPARE(cropped.pixel(0, 0), 0xFF123456u);
    QCOMPARE(cropped.pixel(1, 0), before.pixel(6, 7));
    const QImage second = IQPanoramaEngineController::cropOf(whole, rect);
    whole.fill(Qt::red);
    QCOMPARE(second, before.copy(rect));

    // The crop keeps its pixels when the whole is gone.
    QImage kept;
    {
        const QImage temporary = before.copy();
        kept = IQPanoramaEngineController::cropOf(temporary, rect);
    }
    QCOMPARE(kept, before.copy(rect));

    // Reaching outside: a copy, transparent outside, as QImage::copy gives.
    const QRect outside(30, 20, 20, 20);
    QCOMPARE(IQPanoramaEngineController::cropOf(before, outside), before.copy(outside));
    QVERIFY(IQPanoramaEngineController::cropOf(QImage(), rect).isNull());
}

void TestPanoramaEngine::overlapElement_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("index");
    QTest::addColumn<QPoint>("element");
    QTest::addColumn<bool>("vertical");

    QTest::newRow("row-0") << 0 << 4 << 1 << 0 << QPoint(0, 0) << false;
    QTest::newRow("row-2") << 0 << 4 << 1 << 2 << QPoint(2, 0) << false;
    QTest::newRow("ring-3") << 2 << 4 << 1 << 3 << QPoint(3, 0) << false;
    QTest::newRow("column-0") << 1 << 1 << 4 << 0 << QPoint(0, 0) << true;
    QTest::newRow("column-2") << 1 << 1 << 4 << 2 << QPoint(0, 2) << true;
    // 2 x 2 tile: (2 - 1) x 2 = 2 side-by-side overlaps, one per row, then
    // the vertical one of column 0.
    QTest::newRow("tile-2x2-0") << 3 << 2 << 2 << 0 << QPoint(0, 0) << false;
    QTest::newRow("tile-2x2-1") << 3 << 2 << 2 << 1 << QPoint(0, 1) << false;
    QTest::newRow("tile-2x2-2") << 3 << 2 << 2 << 2 << QPoint(0, 0) << true;
    // 3 x 2 tile: 4 side-by-side overlaps, (0,0) (1,0) (0,1) (1,1); the
    // fifth is vertical.
    QTest::newRow("tile-3x2-3") << 3 << 3 << 2 << 3 << QPoint(1, 1) << false;
    QTest::newRow("tile-3x2-4") << 3 << 3 << 2 << 4 << QPoint(0, 0) << true;
    // 2 x 3 tile: 3 side-by-side, then two vertical at rows 0 and 1.
    QTest::newRow("tile-2x3-4") << 3 << 2 << 3 << 4 << QPoint(0, 1) << true;
}

void TestPanoramaEngine::overlapElement()
{
    QFETCH(int, style);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(int, index);
    QFETCH(QPoint, element);
    QFETCH(bool, vertical);
    bool down = !vertical;
    const tagPOINT got = IQPanoramaEngineController::overlapElement(tagStitchStyle(style), columns, rows, index, &down);
    QCOMPARE(QPoint(got.x, got.y), element);
    QCOMPARE(down, vertical);
}

void TestPanoramaEngine::seamPoints_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QList<int>>("path");
    QTest::addColumn<QList<QPoint>>("points");

    // Overlap x 10..19, y 20..29 (top-down). Path row r counts up from the
    // overlap's bottom row y 29.
    // Side by side: words 5, last row 2, columns 3, none, 5: row 2 at
    // column 3 is (13, 27); row 0 at column 5 is (15, 29).
    QTest::newRow("side-by-side") << false << QList<int>{5, 2, 3, 0xFFFF, 5} << QList<QPoint>{{13, 27}, {15, 29}};
    // One above the other: the path's rows are the overlap's columns and
    // its words rows up from the bottom: row 9 at 0 is (19, 29), row 8 at
    // 9 is (18, 20).
    QTest::newRow("one-above-other") << true << QList<int>{4, 9, 0, 9} << QList<QPoint>{{19, 29}, {18, 20}};
    QTest::newRow("no-points") << false << QList<int>{2, 0} << QList<QPoint>{};
    QTest::newRow("no-path") << false << QList<int>{0} << QList<QPoint>{};
}

void TestPanoramaEngine::seamPoints()
{
    QFETCH(bool, vertical);
    QFETCH(QList<int>, path);
    QFETCH(QList<QPoint>, points);
    QList<unsigned short> words;
    for (int w : path)
        words << static_cast<unsigned short>(w);
    const QRect area(QPoint(10, 20), QPoint(19, 29));
    const QList<QPoint> got = IQPanoramaEngineController::seamPoints(area, vertical, words.constData());
    QCOMPARE(got, points);
    for (const QPoint& p : got)
        QVERIFY(area.contains(p));
    QVERIFY(IQPanoramaEngineController::seamPoints(area, vertical, nullptr).isEmpty());
}

void TestPanoramaEngine::isCoLine_data()
{
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<bool>("coline");
    // Sides a (0-1), b (1-2), c (0-2); on one line a + b + c = 2 max.
    // 10 + sqrt(101) + sqrt(401) - 2 sqrt(401) = 10 + 10.050 - 20.025 = 0.025.
    QTest::newRow("nearly-straight") << QList<QPoint>{{0, 0}, {10, 0}, {20, 1}} << true;
    // 10 + 10 + 14.142 - 28.284 = 5.858.
    QTest::newRow("right-angle") << QList<QPoint>{{0, 0}, {10, 0}, {10, 10}} << false;
    QTest::newRow("straight") << QList<QPoint>{{0, 0}, {10, 0}, {20, 0}} << true;
    // 10 + sqrt(200) + sqrt(500) - 2 sqrt(500) = 10 + 14.142 - 22.361 = 1.781.
    QTest::newRow("bent") << QList<QPoint>{{0, 0}, {10, 0}, {20, 10}} << false;
    // 3 + 4 + 5 - 10 = 2.
    QTest::newRow("3-4-5") << QList<QPoint>{{0, 0}, {3, 0}, {3, 4}} << false;
    // The middle point outside: 20 + 10 + 10 - 40 = 0.
    QTest::newRow("order-free") << QList<QPoint>{{0, 0}, {20, 0}, {10, 0}} << true;
    QTest::newRow("one-point") << QList<QPoint>{{5, 5}, {5, 5}, {5, 5}} << true;
}

void TestPanoramaEngine::isCoLine()
{
    QFETCH(QList<QPoint>, points);
    QFETCH(bool, coline);
    tagPOINT p[3];
    for (int i = 0; i < 3; ++i)
        p[i] = tagPOINT{points.at(i).x(), points.at(i).y()};
    QCOMPARE(IQPanoramaEngineController::isCoLine(p), coline);
}

void TestPanoramaEngine::isPositionOffsetTooFar_data()
{
    QTest::addColumn<QList<QPoint>>("a");
    QTest::addColumn<QList<QPoint>>("b");
    QTest::addColumn<bool>("tooFar");
    const QList<QPoint> a{{0, 0}, {100, 0}, {0, 100}};
    // Distances of a: 100, 141 (sqrt(20000) = 141.4), 100.
    QTest::newRow("same") << a << a << false;
    // b: 300, sqrt(100000) = 316.2 -> 316, 100: differences 200, 175, 0.
    QTest::newRow("200-apart") << a << QList<QPoint>{{0, 0}, {300, 0}, {0, 100}} << false;
    // b: 301, sqrt(100601) = 317.2 -> 317, 100: differences 201, 176, 0.
    QTest::newRow("201-apart") << a << QList<QPoint>{{0, 0}, {301, 0}, {0, 100}} << true;
    // b's first distance is sqrt(90576) = 300.96, truncated to 300: 200.
    // The other two: sqrt((300)^2 + 76^2)... (300,24)-(0,100) = sqrt(90000 +
    // 5776) = 309.5 -> 309 against 141: 168; 100 against 100.
    QTest::newRow("truncated") << a << QList<QPoint>{{0, 0}, {300, 24}, {0, 100}} << false;
    // The third couple alone: (0, 2) is 100 in a and 302 in b; the others
    // sqrt(100^2 + 302^2) = 318.1 -> 318 against 141 (177) and 100 vs 100.
    QTest::newRow("third-couple") << a << QList<QPoint>{{0, 0}, {100, 0}, {0, 302}} << true;
    // Either triple may be the larger.
    QTest::newRow("swapped") << QList<QPoint>{{0, 0}, {301, 0}, {0, 100}} << a << true;
}

void TestPanoramaEngine::isPositionOffsetTooFar()
{
    QFETCH(QList<QPoint>, a);
    QFETCH(QList<QPoint>, b);
    QFETCH(bool, tooFar);
    tagPOINT pa[3];
    tagPOINT pb[3];
    for (int i = 0; i < 3; ++i) {
        pa[i] = tagPOINT{a.at(i).x(), a.at(i).y()};
        pb[i] = tagPOINT{b.at(i).x(), b.at(i).y()};
    }
    QCOMPARE(IQPanoramaEngineController::isPositionOffsetTooFar(pa, pb), tooFar);
}

void TestPanoramaEngine::mapProgress_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("mapped");
    QTest::newRow("load-half") << 10 << 20 << 50 << 15;
    // 20 + 55 x 10 / 100 = 25.5, whole percents down.
    QTest::newRow("order-55") << 20 << 30 << 55 << 25;
    // 30 + 1 x 70 / 100 = 30.7.
    QTest::newRow("stitch-1") << 30 << 100 << 1 << 30;
    QTest::newRow("stitch-end") << 30 << 100 << 100 << 100;
    QTest::newRow("above-100") << 30 << 100 << 150 << 100;
    QTest::newRow("below-0") << 30 << 100 << -5 << 30;
}

void TestPanoramaEngine::mapProgress()
{
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(int, percent);
    QFETCH(int, mapped);
    QCOMPARE(IQPanoramaEngine::mapProgress(start, end, percent), mapped);
}

Collected TestPanoramaEngine::runThread(const QList<QString>& paths, bool cancelBefore, bool cancelAtFirst)
{
    Collected out;
    auto* controller = IQPanoramaEngineController::globalInstance();
    auto* thread = new IQStitchThread(controller, paths);
    QObject::connect(thread, &IQStitchThread::progressChanged, thread,
                     [&out, thread, cancelAtFirst](int percent) {
                         out.percents << percent;
                         if (cancelAtFirst)
                             thread->cancel();
                     },
                     Qt::DirectConnection);
    QObject::connect(thread, &IQStitchThread::threadFinished, thread,
                     [&out](const QImage& image, int code) {
                         out.image = image;
                         out.code = code;
                     },
                     Qt::DirectConnection);
    if (cancelBefore)
        thread->cancel();
    if (!ImageFixtures::runToEnd(thread))
        qWarning("the stitch thread did not finish");
    delete thread;
    return out;
}

void TestPanoramaEngine::progressNeverGoesBack()
{
    // Two unrelated photos: the library loads and orders them, the stitch
    // itself may fail; the progress must only go forward and end at 100.
    const QList<QString> paths{writePhoto(m_dir, 0, QSize(240, 200)), writePhoto(m_dir, 1, QSize(240, 200))};
    IQPanoramaEngineController::globalInstance()->createEngine(StitchStyleHorizontal, StitchOutputOriginal);
    const Collected run = runThread(paths, false, false);
    QVERIFY(!run.percents.isEmpty());
    for (int i = 1; i < run.percents.size(); ++i)
        QVERIFY2(run.percents.at(i) > run.percents.at(i - 1), "progress goes forward only");
    QCOMPARE(run.percents.last(), 100);
    QVERIFY(run.code != 12345);
}

void TestPanoramaEngine::cancelBeforeStart()
{
    const QList<QString> paths{writePhoto(m_dir, 0, QSize(240, 200)), writePhoto(m_dir, 1, QSize(240, 200))};
    IQPanoramaEngineController::globalInstance()->createEngine(StitchStyleHorizontal, StitchOutputOriginal);
    const Collected run = runThread(paths, true, false);
    QVERIFY(run.image.isNull());
    QCOMPARE(run.code, -1);
}

void TestPanoramaEngine::cancelAtFirstReport()
{
    // The first report comes before any photo is read; a cancel there ends
    // the stitch at the next check with -1.
    const QList<QString> paths{writePhoto(m_dir, 0, QSize(240, 200)), writePhoto(m_dir, 1, QSize(240, 200)),
                               writePhoto(m_dir, 2, QSize(240, 200))};
    IQPanoramaEngineController::globalInstance()->createEngine(StitchStyleHorizontal, StitchOutputOriginal);
    const Collected cancelled = runThread(paths, false, true);
    QVERIFY(cancelled.image.isNull());
    QCOMPARE(cancelled.code, -1);
    QVERIFY(!cancelled.percents.isEmpty());
    QCOMPARE(cancelled.percents.last(), 100);

    // The same engine stitches again, uncancelled, with fresh progress.
    const Collected again = runThread(paths, false, false);
    QVERIFY(again.code != -1);
    QCOMPARE(again.percents.first(), 0);
    QCOMPARE(again.percents.last(), 100);
}

void TestPanoramaEngine::finetuneFailureIsNotSuccess()
{
    auto* controller = IQPanoramaEngineController::globalInstance();
    controller->createEngine(StitchStyleHorizontal, StitchOutputOriginal);
    IQFinetuneArea area;
    area.sizeA = QSize(300, 200);
    area.sizeB = QSize(300, 200);
    QVERIFY(IQPanoramaEngine::canFinetune());
    // Without a stitched job the re-stitch cannot succeed; its code comes
    // through, never a 0.
    int code = 0;
    QVERIFY(controller->finetune(area, &code).isNull());
    QVERIFY(code < 0);
    // Nor is there a seam to move.
    bool changed = true;
    unsigned short* path = nullptr;
    tagPOINT points[3] = {{5, 5}, {-1, -1}, {-1, -1}};
    QVERIFY(controller->adjustPath(tagPOINT{0, 0}, true, points, false, &changed, &path).isNull());
    QVERIFY(!changed);
    auto* thread = new IQFinetuneThread(controller, area);
    QSignalSpy finished(thread, &IQFinetuneThread::threadFinished);
    QVERIFY(ImageFixtures::runToEnd(thread));
    QCOMPARE(finished.size(), 1);
    QVERIFY(finished.at(0).at(0).value<QImage>().isNull());
    QVERIFY(finished.at(0).at(1).toInt() < 0);
    delete thread;

    // Nothing stitched: no overlap to query.
    IQFinetuneArea query;
    QVERIFY(controller->queryFinetuneArea(0, query) != 0);
}

void TestPanoramaEngine::poolTaskStaysItsMakers_data()
{
    QTest::addColumn<bool>("stitch");
    QTest::newRow("stitch worker") << true;
    QTest::newRow("fine-tune worker") << false;
}

void TestPanoramaEngine::poolTaskStaysItsMakers()
{
    // Run through its QRunnable side rather than started as a thread, the
    // worker is still there for its maker to delete when the pool is done.
    QFETCH(bool, stitch);
    auto* controller = IQPanoramaEngineController::globalInstance();
    controller->createEngine(StitchStyleHorizontal, StitchOutputOriginal);
    QThread* thread = nullptr;
    QRunnable* task = nullptr;
    if (stitch) {
        auto* worker = new IQStitchThread(controller, {writePhoto(m_dir, 0, QSize(240, 200))});
        worker->cancel(); // ends at once with -1
        thread = worker;
        task = worker;
    } else {
        IQFinetuneArea area; // nothing stitched: the re-stitch fails
        area.sizeA = QSize(300, 200);
        area.sizeB = QSize(300, 200);
        auto* worker = new IQFinetuneThread(controller, area);
        thread = worker;
        task = worker;
    }
    QSignalSpy finished(thread, SIGNAL(threadFinished(QImage,int)));
    QVERIFY2(ImageFixtures::runAsPoolTask(thread, task), "the pool deleted the worker");
    QCOMPARE(finished.size(), 1);
    QVERIFY(finished.at(0).at(0).value<QImage>().isNull());
    QVERIFY(finished.at(0).at(1).toInt() < 0);
    delete thread;
}

QTEST_GUILESS_MAIN(TestPanoramaEngine)
#include "tst_panoramaengine.moc"
