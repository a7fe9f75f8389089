// Camera RAW files in the browser: thumbnails come from the camera's
// preview, the full picture from the sensor data.
#include "files/IQImageFileItem.h"
#include "files/IQImageLimits.h"
#include "rawplugin/RawPluginImport.h"

#include "DngFixture.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// The colour at the centre of each quadrant: top left, top right, bottom
// left, bottom right.
QList<QColor> quadrantColors(const QImage& image)
{
    const int w = image.width(), h = image.height();
    return {image.pixelColor(w / 4, h / 4), image.pixelColor(3 * w / 4, h / 4),
            image.pixelColor(w / 4, 3 * h / 4), image.pixelColor(3 * w / 4, 3 * h / 4)};
}

bool near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 && std::abs(a.blue() - b.blue()) < 40;
}

bool sameQuadrants(const QList<QColor>& seen, const QList<QColor>& expected)
{
    for (int i = 0; i < 4; ++i)
        if (!near(seen.at(i), expected.at(i)))
            return false;
    return true;
}

} // namespace

class TestRawThumbnail : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void thumbnailTakesThePreview_data();
    void thumbnailTakesThePreview();
    void imageDecodesTheSensor();

private:
    QString write(const DngFixture::Options& options, const QString& name);
    QTemporaryDir m_dir;
};

void TestRawThumbnail::initTestCase()
{
    IQImageLimits::install();
    QVERIFY(m_dir.isValid());
}

QString TestRawThumbnail::write(const DngFixture::Options& options, const QString& name)
{
    const QString path = m_dir.filePath(name);
    TestSupport::writeFile(path, DngFixture::make(options));
    return path;
}

void TestRawThumbnail::thumbnailTakesThePreview_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QSize>("expected");
    QTest::addColumn<bool>("fromPreview");
    // Sensor 160 x 120, preview 40 x 30, both upright 4:3. The preview serves
    // only a size below its own; at its size the sensor data is decoded.
    QTest::newRow("smaller than the preview") << 1 << QSize(20, 20) << QSize(20, 15) << true;
    QTest::newRow("turned by the camera") << 6 << QSize(32, 32) << QSize(32, 24) << true;
    QTest::newRow("the preview's own size") << 1 << QSize(40, 30) << QSize(40, 30) << false;
    QTest::newRow("larger than the preview") << 1 << QSize(100, 100) << QSize(100, 75) << false;
}

void TestRawThumbnail::thumbnailTakesThePreview()
{
    QFETCH(int, orientation);
    QFETCH(QSize, box);
    QFETCH(QSize, expected);
    QFETCH(bool, fromPreview);
    DngFixture::Options options;
    options.orientation = orientation;
    const QString path = write(options, QStringLiteral("preview-%1.DNG").arg(orientation));

    IQImageFileItem item(path);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral(".*")));
    const QImage thumbnail = item.thumbnail(box);
    QCOMPARE(thumbnail.size(), expected);
    QVERIFY(sameQuadrants(quadrantColors(thumbnail),
                          fromPreview ? DngFixture::previewColors() : DngFixture::sensorColors()));
}

void TestRawThumbnail::imageDecodesTheSensor()
{
    const QString path = write(DngFixture::Options(), QStringLiteral("full.nef.dng"));
    IQImageFileItem item(path);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral(".*")));
    const QImage image = item.image();
    QCOMPARE(image.size(), QSize(160, 120));
    QVERIFY(sameQuadrants(quadrantColors(image), DngFixture::sensorColors()));
}

QTEST_MAIN(TestRawThumbnail)
#include "tst_rawthumbnail.moc"
