#include "widgets/QGradientSlider.h"

#include <QtTest>

namespace {

using Colors = QList<QColor>;
using Stops = QList<double>;

QImage grabRgb(QWidget& w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool isWhite(QRgb c)
{
    return qRed(c) >= 250 && qGreen(c) >= 250 && qBlue(c) >= 250;
}

} // namespace

class TestGradientSlider : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void firstAndLastColour();
    void gradient_data();
    void gradient();
    void setGradientDropsPositions();
    void verticalWidthIsFixedOnce();
    void horizontalPainting_data();
    void horizontalPainting();
    void verticalHandle_data();
    void verticalHandle();
    void emptyRangeAndEmptyList();
};

void TestGradientSlider::defaults()
{
    QGradientSlider slider;
    QCOMPARE(slider.orientation(), Qt::Horizontal);
    QCOMPARE(slider.colors(), (Colors{Qt::black, Qt::white}));
    QCOMPARE(slider.background(), QBrush(Qt::darkGray, Qt::DiagCrossPattern));
    QCOMPARE(slider.property("firstColor").value<QColor>(), QColor(Qt::black));
    QCOMPARE(slider.property("lastColor").value<QColor>(), QColor(Qt::white));
}

void TestGradientSlider::firstAndLastColour()
{
    QGradientSlider slider;
    slider.setFirstColor(Qt::red);
    slider.setLastColor(Qt::blue);
    QCOMPARE(slider.colors(), (Colors{Qt::red, Qt::blue}));

    slider.setColors({});
    QVERIFY(!slider.firstColor().isValid());
    QVERIFY(!slider.lastColor().isValid());
}

void TestGradientSlider::gradient_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<Colors>("colors");
    QTest::addColumn<QPointF>("finalStop");
    QTest::addColumn<Stops>("positions");
    QTest::addColumn<Colors>("stopColors");

    QTest::newRow("two colours") << Qt::Horizontal << Colors{Qt::black, Qt::white} << QPointF(1, 0)
                                 << Stops{0, 1} << Colors{Qt::black, Qt::white};
    QTest::newRow("three, vertical") << Qt::Vertical << Colors{Qt::red, Qt::green, Qt::blue} << QPointF(0, 1)
                                     << Stops{0, 0.5, 1} << Colors{Qt::red, Qt::green, Qt::blue};
    QTest::newRow("five") << Qt::Horizontal << Colors{Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::yellow}
                          << QPointF(1, 0) << Stops{0, 0.25, 0.5, 0.75, 1}
                          << Colors{Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::yellow};
    // One colour has no spacing to divide by: it fills the whole bar.
    QTest::newRow("one colour") << Qt::Horizontal << Colors{Qt::magenta} << QPointF(1, 0) << Stops{0, 1}
                                << Colors{Qt::magenta, Qt::magenta};
}

void TestGradientSlider::gradient()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(Colors, colors);
    QFETCH(QPointF, finalStop);
    QFETCH(Stops, positions);
    QFETCH(Colors, stopColors);

    QGradientSlider slider;
    slider.setOrientation(orientation);
    slider.setColors(colors);
    const QLinearGradient g = slider.gradient();
    QCOMPARE(g.start(), QPointF(0, 0));
    QCOMPARE(g.finalStop(), finalStop);
    QCOMPARE(g.coordinateMode(), QGradient::StretchToDeviceMode);
    QCOMPARE(g.stops().size(), positions.size());
    for (int i = 0; i < positions.size(); ++i) {
        QCOMPARE(g.stops().at(i).first, positions.at(i));
        QCOMPARE(g.stops().at(i).second, stopColors.at(i));
    }
}

void TestGradientSlider::setGradientDropsPositions()
{
    QLinearGradient g;
    g.setColorAt(0.0, Qt::red);
    g.setColorAt(0.1, Qt::green);
    g.setColorAt(0.9, Qt::blue);
    QGradientSlider slider;
    slider.setProperty("gradient", QVariant::fromValue(g));
    QCOMPARE(slider.colors(), (Colors{Qt::red, Qt::green, Qt::blue}));
    QCOMPARE(slider.gradient().stops().at(1).first, 0.5);
}

void TestGradientSlider::verticalWidthIsFixedOnce()
{
    QGradientSlider slider;
    slider.setOrientation(Qt::Vertical);
    QCOMPARE(slider.minimumWidth(), 24);
    QCOMPARE(slider.maximumWidth(), 24);
    slider.resize(24, 100);

    // Painting does not touch the size constraints any more: a width set
    // after the orientation is kept through a paint.
    slider.setMaximumWidth(30);
    slider.grab();
    QCOMPARE(slider.maximumWidth(), 30);

    slider.setOrientation(Qt::Horizontal);
    QCOMPARE(slider.minimumWidth(), 0);
    QCOMPARE(slider.maximumWidth(), QWIDGETSIZE_MAX);
}

void TestGradientSlider::horizontalPainting_data()
{
    QTest::addColumn<bool>("atMaximum");
    QTest::addColumn<int>("handleX");

    // 200 x 40: W1 = 199, H1 = 39; the bar runs from (5, 0) to
    // (194, 39 - 35 / 2 - 5) = (194, 17); the handle's tip is at
    // (p + 5, 18) with p = trunc(t * 190), its base on row 33.
    QTest::newRow("minimum") << false << 5;
    QTest::newRow("maximum") << true << 195;
}

void TestGradientSlider::horizontalPainting()
{
    QFETCH(bool, atMaximum);
    QFETCH(int, handleX);

    QGradientSlider slider;
    slider.resize(200, 40);
    slider.setRange(0, 100);
    slider.setValue(atMaximum ? 100 : 0);
    const QImage image = grabRgb(slider);

    // The gradient is stretched over the widget: dark on the left, about
    // half grey in the middle, light on the right.
    QVERIFY(qRed(image.pixel(10, 8)) < 20);
    QVERIFY(qAbs(qRed(image.pixel(100, 8)) - 128) <= 3);
    QVERIFY(qRed(image.pixel(189, 8)) > 235);

    QVERIFY(isWhite(image.pixel(handleX, 28)));
    QVERIFY(!isWhite(image.pixel(handleX, 36)));
    const int otherX = atMaximum ? 5 : 195;
    QVERIFY(!isWhite(image.pixel(otherX, 28)));
}

void TestGradientSlider::verticalHandle_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("handleY");

    // 24 x 200: the handle spans rows p + 3 .. p + 7 with
    // p = trunc((1 - t) * 190); the minimum is at the bottom.
    QTest::newRow("maximum at the top") << 100 << 5;
    QTest::newRow("minimum at the bottom") << 0 << 195;
    QTest::newRow("middle") << 50 << 100;
}

void TestGradientSlider::verticalHandle()
{
    QFETCH(int, value);
    QFETCH(int, handleY);

    QGradientSlider slider;
    slider.setOrientation(Qt::Vertical);
    slider.setColors({Qt::red, Qt::blue});
    slider.resize(24, 200);
    slider.setRange(0, 100);
    slider.setValue(value);
    const QImage image = grabRgb(slider);

    QVERIFY(isWhite(image.pixel(12, handleY)));
    QVERIFY(!isWhite(image.pixel(12, handleY - 4)));
    QVERIFY(!isWhite(image.pixel(12, handleY + 4)));
    // Red at the top of the bar, blue at its bottom.
    const QRgb top = image.pixel(12, handleY > 50 ? 12 : 60);
    QVERIFY(qRed(top) > qBlue(top));
    const QRgb bottom = image.pixel(12, handleY < 150 ? 188 : 140);
    QVERIFY(qBlue(bottom) > qRed(bottom));
}

void TestGradientSlider::emptyRangeAndEmptyList()
{
    QGradientSlider slider;
    slider.setOrientation(Qt::Vertical);
    slider.resize(24, 200);
    slider.setRange(7, 7);
    slider.setColors({});
    const QImage image = grabRgb(slider);
    // Nothing to divide by: the handle rests at the bottom, the minimum.
    QVERIFY(isWhite(image.pixel(12, 195)));
}

QTEST_MAIN(TestGradientSlider)
#include "tst_gradientslider.moc"
