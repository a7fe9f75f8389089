#include "files/IQImageLimits.h"
#include "platform/MacOSAPI.h"
#include "platform/MacOSIO.h"

#include <QBuffer>
#include <QImageWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "support/TestSupport.h"

namespace {

// A JPEG of `image` whose EXIF block says orientation `orientation`. Qt's
// writer stores no EXIF, so the APP1 segment goes in by hand right after the
// start-of-image marker: "Exif\0\0", a little-endian TIFF header, one IFD
// with the single entry 0x0112 (SHORT, count 1).
QByteArray jpegWithOrientation(const QImage& image, quint16 orientation)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(95);
    if (!writer.write(image))
        return QByteArray();

    QByteArray tiff;
    tiff += QByteArray("II*\0", 4);
    tiff += QByteArray("\x08\0\0\0", 4); // first IFD at offset 8
    tiff += QByteArray("\x01\0", 2); // one entry
    tiff += QByteArray("\x12\x01\x03\0\x01\0\0\0", 8); // tag 0x0112, SHORT, count 1
    tiff += char(orientation & 0xff);
    tiff += char(orientation >> 8);
    tiff += QByteArray("\0\0", 2);
    tiff += QByteArray("\0\0\0\0", 4); // no next IFD
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xff\xe1", 2);
    const quint16 length = quint16(payload.size() + 2);
    segment += char(length >> 8);
    segment += char(length & 0xff);
    segment += payload;
    return jpeg.left(2) + segment + jpeg.mid(2);
}

QImage halves(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 2; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    return image;
}

bool isReddish(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

bool isBluish(QRgb pixel)
{
    return qBlue(pixel) > 200 && qRed(pixel) < 60 && qGreen(pixel) < 60;
}

} // namespace

class TestMacOSIO : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readImageTurnsOrientationSixUpright();
    void thumbnailFitsTheBox_data();
    void thumbnailFitsTheBox();
    void unreadableFilesGiveNullImages_data();
    void unreadableFilesGiveNullImages();
    void userNameIsTheLoginName();

private:
    QTemporaryDir m_dir;
};

void TestMacOSIO::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // Start-up hands the layer its decoder.
    IQImageLimits::install();
}

void TestMacOSIO::readImageTurnsOrientationSixUpright()
{
    // Stored 40 x 20, left half red, right half blue. Orientation 6 means
    // "turn a quarter clockwise to view": stored (x, y) lands on (19 - y, x),
    // so the left (red) half becomes the top of a 20 x 40 picture.
    const QString path = m_dir.filePath(QStringLiteral("orientation-6.jpg"));
    QVERIFY(TestSupport::writeFile(path, jpegWithOrientation(halves(40, 20), 6)));
    const QImage image = MacOSIO::readImage(path);
    QCOMPARE(image.size(), QSize(20, 40));
    QVERIFY(isReddish(image.pixel(10, 5)));
    QVERIFY(isBluish(image.pixel(10, 34)));

    // The thumbnail reader turns it too, and fits the turned picture:
    // 20 x 40 into 10 x 16 scales by min(10 / 20, 16 / 40) = 0.4, giving
    // 8 x 16. (Fitting the stored 40 x 20 instead would give 10 x 5, turned
    // 5 x 10.)
    const QImage thumbnail = MacOSIO::readImageByQL(path, QSize(10, 16));
    QCOMPARE(thumbnail.size(), QSize(8, 16));
    QVERIFY(isReddish(thumbnail.pixel(4, 2)));
    QVERIFY(isBluish(thumbnail.pixel(4, 13)));
}

void TestMacOSIO::thumbnailFitsTheBox_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QSize>("expected");
    // 4000 x 1000 into 256 x 256: the width limits, 256 / 4000 = 0.064,
    // 1000 x 0.064 = 64.
    QTest::newRow("wide jpeg") << "jpeg" << QSize(4000, 1000) << QSize(256, 256) << QSize(256, 64);
    QTest::newRow("wide png") << "png" << QSize(4000, 1000) << QSize(256, 256) << QSize(256, 64);
    // 300 x 900 into 200 x 200: the height limits, 200 / 900, width 66.7 -> 67.
    QTest::newRow("tall, rounded") << "png" << QSize(300, 900) << QSize(200, 200) << QSize(67, 200);
    // 3000 x 2 into 100 x 100: 2 x 100 / 3000 = 0.07, still one pixel.
    QTest::newRow("sliver keeps a pixel") << "png" << QSize(3000, 2) << QSize(100, 100) << QSize(100, 1);
    QTest::newRow("small is not enlarged") << "png" << QSize(30, 20) << QSize(256, 256) << QSize(30, 20);
}

void TestMacOSIO::thumbnailFitsTheBox()
{
    QFETCH(QString, format);
    QFETCH(QSize, picture);
    QFETCH(QSize, box);
    QFETCH(QSize, expected);
    const QString path = m_dir.filePath(QStringLiteral("picture.") + format);
    QVERIFY(halves(picture.width(), picture.height()).save(path, format.toLatin1().constData()));
    const QImage thumbnail = MacOSIO::readImageByQL(path, box);
    QCOMPARE(thumbnail.size(), expected);
    QVERIFY(isReddish(thumbnail.pixel(0, 0)));
    QVERIFY(isBluish(thumbnail.pixel(thumbnail.width() - 1, thumbnail.height() - 1)));
}

void TestMacOSIO::unreadableFilesGiveNullImages_data()
{
    QTest::addColumn<QByteArray>("bytes"); // written unless null
    QTest::addColumn<QSize>("box");
    QTest::newRow("missing file") << QByteArray() << QSize(64, 64);
    QTest::newRow("zero bytes") << QByteArray("") << QSize(64, 64);
    QTest::newRow("not an image") << QByteArray("just some words") << QSize(64, 64);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    halves(64, 64).save(&buffer, "png");
    QTest::newRow("truncated after header") << png.left(40) << QSize(64, 64);
    QTest::newRow("good file, empty box") << png << QSize(0, 64);
}

void TestMacOSIO::unreadableFilesGiveNullImages()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, box);
    const QString path = m_dir.filePath(QStringLiteral("unreadable-%1").arg(QTest::currentDataTag()));
    if (!bytes.isNull())
        QVERIFY(TestSupport::writeFile(path, bytes));
    QVERIFY(MacOSIO::readImageByQL(path, box).isNull());
    if (box.isEmpty())
        QVERIFY(!MacOSIO::readImage(path).isNull());
    else
        QVERIFY(MacOSIO::readImage(path).isNull());
}

void TestMacOSIO::userNameIsTheLoginName()
{
    QProcess id;
    id.start(QStringLiteral("id"), {QStringLiteral("-un")});
    QVERIFY(id.waitForFinished(60000));
    const QString expected = QString::fromLocal8Bit(id.readAllStandardOutput()).trimmed();
    QVERIFY(!expected.isEmpty());
    QCOMPARE(MacOSAPI::userName(), expected);
}

QTEST_GUILESS_MAIN(TestMacOSIO)
#include "tst_macosio.moc"
