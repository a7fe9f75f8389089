#include "widgets/QHistogramWidget.h"

#include <QtTest>

using Bins = QMap<int, double>; // the non-zero bins

namespace {

QImage imageOf(const QList<QRgb>& pixels)
{
    QImage image(int(pixels.size()), 1, QImage::Format_ARGB32);
    for (int x = 0; x < pixels.size(); ++x)
        image.setPixel(x, 0, pixels.at(x));
    return image;
}

} // namespace

class TestHistogramWidget : public QObject
{
    Q_OBJECT

private slots:
    void calcHist_data();
    void calcHist();
    void setImageCountsReducedImage();
    void paintsBarsAndBackground();
};

void TestHistogramWidget::calcHist_data()
{
    QTest::addColumn<QList<QRgb>>("pixels");
    QTest::addColumn<Bins>("bins");

    // qGray = (11 R + 16 G + 5 B) >> 5: red 87, green 127, blue 39, white 255.
    QTest::newRow("transparent") << QList<QRgb>{qRgba(255, 255, 255, 0), qRgba(10, 10, 10, 127)} << Bins{};
    QTest::newRow("white") << QList<QRgb>{qRgb(255, 255, 255)} << Bins{{255, 1.0}};
    QTest::newRow("alpha 128 counts, 127 does not")
        << QList<QRgb>{qRgba(255, 0, 0, 128), qRgba(0, 255, 0, 127)} << Bins{{87, 1.0}};
    QTest::newRow("two reds, one green, one blue")
        << QList<QRgb>{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(255, 0, 0), qRgb(0, 0, 255)}
        << Bins{{87, 1.0}, {127, 0.5}, {39, 0.5}};
}

void TestHistogramWidget::calcHist()
{
    QFETCH(QList<QRgb>, pixels);
    QFETCH(Bins, bins);
    const QList<double> histogram = QHistogramWidget::calcHist(imageOf(pixels));
    QCOMPARE(histogram.size(), 256);
    for (int i = 0; i < 256; ++i)
        QCOMPARE(histogram.at(i), bins.value(i, 0.0));
}

void TestHistogramWidget::setImageCountsReducedImage()
{
    // 1024 wide, reduced by 4: 192 black columns and 64 white ones.
    QImage image(1024, 1024, QImage::Format_RGB32);
    image.fill(Qt::black);
    for (int y = 0; y < 1024; ++y)
        for (int x = 768; x < 1024; ++x)
            image.setPixel(x, y, qRgb(255, 255, 255));
    QHistogramWidget widget;
    widget.setImage(image);
    QCOMPARE(widget.histogram().size(), 256);
    QCOMPARE(widget.histogram().at(0), 1.0);
    QCOMPARE(widget.histogram().at(255), 64.0 / 192.0);

    widget.setImage(QImage());
    QVERIFY(widget.histogram().isEmpty());
}

void TestHistogramWidget::paintsBarsAndBackground()
{
    const QColor back(34, 34, 34);
    const QColor bar(244, 244, 244);
    QHistogramWidget widget;
    widget.resize(512, 60);

    // Nothing set: all background.
    QImage shot = widget.grab().toImage();
    QCOMPARE(shot.pixelColor(10, 10), back);

    // One full bin at 255: the two rightmost columns are a full-height bar.
    QImage white(8, 8, QImage::Format_RGB32);
    white.fill(Qt::white);
    widget.setImage(white);
    shot = widget.grab().toImage();
    for (int y : {0, 30, 59}) {
        QCOMPARE(shot.pixelColor(510, y), bar);
        QCOMPARE(shot.pixelColor(511, y), bar);
        QCOMPARE(shot.pixelColor(509, y), back);
        QCOMPARE(shot.pixelColor(0, y), back);
    }

    // A new background colours the area above the bars only.
    widget.setBackColor(Qt::red);
    shot = widget.grab().toImage();
    QCOMPARE(shot.pixelColor(100, 30), QColor(Qt::red));
    QCOMPARE(shot.pixelColor(511, 30), bar);

    // Transparent: 256 zero bins, the background strips cover everything.
    QImage clear(8, 8, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    widget.setImage(clear);
    shot = widget.grab().toImage();
    QCOMPARE(shot.pixelColor(511, 59), QColor(Qt::red));
    QCOMPARE(shot.pixelColor(0, 0), QColor(Qt::red));
}

QTEST_MAIN(TestHistogramWidget)
#include "tst_histogramwidget.moc"
