#include "files/IQImageFileItem.h"
#include "files/IQImageLimits.h"

#include "ImageFixtures.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>

namespace {

// Left half red, right half blue: tells where a turn put the picture.
QImage halves(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 2; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    return image;
}

bool isRed(QRgb c)
{
    return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
}

bool isBlue(QRgb c)
{
    return qBlue(c) > 200 && qGreen(c) < 60 && qRed(c) < 60;
}

} // namespace

class TestIQImageFileItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void idsAreDistinctUuids();
    void namesComeFromThePath();
    void thumbnailFitsTheBox_data();
    void thumbnailFitsTheBox();
    void thumbnailDecodesAtReducedSize();
    void unreadableFileGivesNullImages_data();
    void unreadableFileGivesNullImages();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestIQImageFileItem::initTestCase()
{
    IQImageLimits::install();
}

void TestIQImageFileItem::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestIQImageFileItem::idsAreDistinctUuids()
{
    const QDateTime before = QDateTime::currentDateTime();
    IQImageFileItem a(path("same.jpg"));
    IQImageFileItem b(path("same.jpg"));

    QVERIFY(a.id() != b.id());
    const QRegularExpression uuid("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$");
    QVERIFY2(uuid.match(a.id()).hasMatch(), qPrintable(a.id()));
    QVERIFY2(uuid.match(b.id()).hasMatch(), qPrintable(b.id()));
    QVERIFY(!QUuid::fromString(a.id()).isNull());

    QVERIFY(a.dateTime() >= before);
    QVERIFY(b.dateTime() >= a.dateTime());
    QVERIFY(b.dateTime() <= QDateTime::currentDateTime());

    // A new path keeps the identity and the time the item was added.
    const QString id = a.id();
    const QDateTime added = a.dateTime();
    a.setPath(path("other.png"));
    QCOMPARE(a.path(), path("other.png"));
    QCOMPARE(a.id(), id);
    QCOMPARE(a.dateTime(), added);
}

void TestIQImageFileItem::namesComeFromThePath()
{
    IQImageFileItem item("/a/b/IMG_1.cr2");
    QCOMPARE(item.text(), QString("IMG_1.cr2"));
    QCOMPARE(item.fileName(), QString("IMG_1.cr2"));
    QCOMPARE(item.suffix(), QString("cr2"));
    QCOMPARE(item.path(), QString("/a/b/IMG_1.cr2"));
    QVERIFY(!item.birthTime().isValid());

    // Facts are read from the file system on every call.
    const QString file = path("later.jpg");
    IQImageFileItem later(file);
    QVERIFY(!later.birthTime().isValid());
    QVERIFY(TestSupport::writeFile(file, ImageFixtures::encode(halves(8, 8), "jpeg")));
    if (QFileInfo(file).fileTime(QFileDevice::FileBirthTime).isValid())
        QVERIFY(later.birthTime().isValid());
}

void TestIQImageFileItem::thumbnailFitsTheBox_data()
{
    QTest::addColumn<QSize>("stored");
    QTest::addColumn<int>("orientation"); // 0: a PNG, no orientation
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QSize>("expected");
    QTest::addColumn<bool>("redOnTop"); // else red on the left

    QTest::newRow("landscape") << QSize(400, 300) << 1 << QSize(160, 120) << QSize(160, 120) << false;
    QTest::newRow("portrait") << QSize(300, 400) << 1 << QSize(160, 120) << QSize(90, 120) << false;
    // Shown upright the picture is 300 x 400; that is what must fit.
    QTest::newRow("turned by orientation 6") << QSize(400, 300) << 6 << QSize(160, 120) << QSize(90, 120) << true;
    QTest::newRow("turned by orientation 8") << QSize(400, 300) << 8 << QSize(160, 120) << QSize(90, 120) << false;
    QTest::newRow("upside down") << QSize(400, 300) << 3 << QSize(160, 120) << QSize(160, 120) << false;
    QTest::newRow("square box") << QSize(400, 200) << 0 << QSize(120, 120) << QSize(120, 60) << false;
    QTest::newRow("small picture fills the box") << QSize(40, 30) << 0 << QSize(160, 160) << QSize(160, 120)
                                                 << false;
    QTest::newRow("hairline keeps a pixel") << QSize(400, 2) << 0 << QSize(120, 120) << QSize(120, 1) << false;
}

void TestIQImageFileItem::thumbnailFitsTheBox()
{
    QFETCH(QSize, stored);
    QFETCH(int, orientation);
    QFETCH(QSize, box);
    QFETCH(QSize, expected);
    QFETCH(bool, redOnTop);

    const QImage picture = halves(stored.width(), stored.height());
    const QString file = path(orientation ? "picture.jpg" : "picture.png");
    QVERIFY(TestSupport::writeFile(file, orientation ? ImageFixtures::jpegWithOrientation(picture, orientation)
                                                     : ImageFixtures::encode(picture, "png")));

    IQImageFileItem item(file);
    const QImage thumbnail = item.thumbnail(box);
    QCOMPARE(thumbnail.size(), expected);

    // Where the red half went: orientation 6 turns clockwise (left to top),
    // 8 counter-clockwise (left to bottom), 3 by half a turn (left to right).
    const int w = thumbnail.width();
    const int h = thumbnail.height();
    const QRgb topLeft = thumbnail.pixel(2, qMin(2, h - 1));
    const QRgb bottomRight = thumbnail.pixel(w - 3, qMax(h - 3, 0));
    if (redOnTop) {
        QVERIFY(isRed(topLeft));
        QVERIFY(isBlue(bottomRight));
    } else if (orientation == 3 || orientation == 8) {
        QVERIFY(isBlue(topLeft));
        QVERIFY(isRed(bottomRight));
    } else {
        QVERIFY(isRed(topLeft));
        QVERIFY(isBlue(bottomRight));
    }
}

void TestIQImageFileItem::thumbnailDecodesAtReducedSize()
{
    const QString file = path("large.jpg");
    QVERIFY(TestSupport::writeFile(file, ImageFixtures::encode(halves(2400, 1800), "jpeg")));

    // A cap that a full decode (2400 x 1800 x 4 bytes) exceeds: the
    // thumbnail still comes, so it was never decoded at full size.
    QImageReader::setAllocationLimit(8);
    IQImageFileItem item(file);
    const QImage thumbnail = item.thumbnail(QSize(160, 160));
    const QImage full = item.image();
    IQImageLimits::install();

    QCOMPARE(thumbnail.size(), QSize(160, 120));
    QVERIFY(full.isNull());
    QCOMPARE(item.image().size(), QSize(2400, 1800));
}

void TestIQImageFileItem::unreadableFileGivesNullImages_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("deleted");

    QTest::newRow("deleted") << ImageFixtures::encode(halves(40, 30), "jpeg") << true;
    QTest::newRow("zero-bytes.jpg") << QByteArray() << false;
    QTest::newRow("not-an-image.jpg") << QByteArray("this is no picture at all") << false;
    QTest::newRow("header-only.png") << ImageFixtures::pngClaiming(64, 64) << false;
}

void TestIQImageFileItem::unreadableFileGivesNullImages()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, deleted);

    const QString file = path(QTest::currentDataTag());
    QVERIFY(TestSupport::writeFile(file, bytes));
    IQImageFileItem item(file);
    if (deleted)
        QVERIFY(QFile::remove(file));

    QVERIFY(item.thumbnail(QSize(120, 120)).isNull());
    QVERIFY(item.image().isNull());
    QCOMPARE(item.fileName(), QFileInfo(file).fileName());
    if (deleted)
        QVERIFY(!item.birthTime().isValid());
}

QTEST_GUILESS_MAIN(TestIQImageFileItem)
#include "tst_iqimagefileitem.moc"
