#include "widgets/QColorSquare.h"

#include "SliderEvents.h"

#include <QtTest>

namespace {

// Names the order in which the square's two signals arrive.
struct SignalLog
{
    explicit SignalLog(QColorSquare& square)
    {
        QObject::connect(&square, &QColorSquare::colorSelected, [this](const QColor& c) {
            names << QStringLiteral("selected");
            colors << c;
        });
        QObject::connect(&square, &QColorSquare::colorChanged, [this](const QColor& c) {
            names << QStringLiteral("changed");
            colors << c;
        });
    }
    QStringList names;
    QList<QColor> colors;
};

int channelDistance(QRgb a, QRgb b)
{
    return qMax(qAbs(qRed(a) - qRed(b)), qMax(qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))));
}

int brightness(QRgb c)
{
    return qRed(c) + qGreen(c) + qBlue(c);
}

} // namespace

class TestColorSquare : public QObject
{
    Q_OBJECT

private slots:
    void construction();
    void setColor_data();
    void setColor();
    void settersClamp_data();
    void settersClamp();
    void picking_data();
    void picking();
    void pickInRgbPlaneStoresGreyHue();
    void unknownChannelPicksNothing();
    void pressAloneChangesNothing();
    void planeCorners();
    void markerColourFollowsValue_data();
    void markerColourFollowsValue();
    void planeIsCachedUntilItsInputsChange();
    void huePlaneMatchesQColor_data();
    void huePlaneMatchesQColor();
    void otherPlanesFollowTheirRule_data();
    void otherPlanesFollowTheirRule();
};

void TestColorSquare::construction()
{
    QColorSquare square;
    QCOMPARE(square.hue(), 0.0);
    QCOMPARE(square.saturation(), 0.0);
    QCOMPARE(square.value(), 0.0);
    QCOMPARE(square.checkedColor(), 'H');
    QCOMPARE(square.marker(), QPointF(0, 0));
    QCOMPARE(square.styleSheet(), QStringLiteral("border:1px; border-style:solid;border-color:black;"));
    QCOMPARE(square.color(), QColor::fromHsvF(0, 0, 0, 1));
}

void TestColorSquare::setColor_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<double>("hue");

    // A grey has no hue (hueF() -1); the square keeps 0 instead.
    QTest::newRow("grey") << QColor(128, 128, 128) << 0.0;
    QTest::newRow("black") << QColor(Qt::black) << 0.0;
    QTest::newRow("red has hue 0") << QColor(255, 0, 0) << 0.0;
    QTest::newRow("blue") << QColor::fromHsvF(240.0 / 360, 0.5, 0.75) << 240.0 / 360;
}

void TestColorSquare::setColor()
{
    QFETCH(QColor, color);
    QFETCH(double, hue);

    QColorSquare square;
    QSignalSpy changed(&square, &QColorSquare::colorChanged);
    QSignalSpy selected(&square, &QColorSquare::colorSelected);
    square.setColor(color);

    QVERIFY(qAbs(square.hue() - hue) < 1e-4);
    QCOMPARE(square.saturation(), double(color.saturationF()));
    QCOMPARE(square.value(), double(color.valueF()));
    QCOMPARE(square.marker(), QPointF(color.saturationF(), color.valueF()));
    QCOMPARE(changed.size(), 1);
    // The colour passed in, not the one rebuilt from hue 0.
    QCOMPARE(changed.at(0).at(0).value<QColor>(), color);
    QCOMPARE(selected.size(), 0);
}

void TestColorSquare::settersClamp_data()
{
    QTest::addColumn<QString>("channel");
    QTest::addColumn<double>("argument");
    QTest::addColumn<double>("stored");

    QTest::newRow("saturation above 1") << "saturation" << 1.7 << 1.0;
    QTest::newRow("value below 0") << "value" << -0.2 << 0.0;
    QTest::newRow("hue above 1") << "hue" << 3.0 << 1.0;
    QTest::newRow("hue below 0") << "hue" << -0.5 << 0.0;
    QTest::newRow("value inside") << "value" << 0.25 << 0.25;
}

void TestColorSquare::settersClamp()
{
    QFETCH(QString, channel);
    QFETCH(double, argument);
    QFETCH(double, stored);

    QColorSquare square;
    square.setColor(QColor::fromHsvF(0.5, 0.5, 0.5));
    const QPointF marker = square.marker();
    QSignalSpy changed(&square, &QColorSquare::colorChanged);

    // Through the Qt properties, which name the same setters.
    QVERIFY(square.setProperty(channel.toLatin1().constData(), argument));
    QCOMPARE(square.property(channel.toLatin1().constData()).toDouble(), stored);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).value<QColor>(), square.color());
    QCOMPARE(square.marker(), marker);
}

void TestColorSquare::picking_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPointF>("pos");
    QTest::addColumn<QPointF>("expected");

    // fx = (round(x) - W/2) / W + 0.5 with W/2 truncated, clamped to 0..1.
    QTest::newRow("inside") << QSize(100, 80) << QPointF(50, 20) << QPointF(0.5, 0.25);
    QTest::newRow("rounds to the nearest pixel") << QSize(100, 80) << QPointF(24.6, 39.5) << QPointF(0.25, 0.5);
    QTest::newRow("odd width keeps half a pixel") << QSize(101, 81) << QPointF(0, 0) << QPointF(0.5 / 101, 0.5 / 81);
    QTest::newRow("left and above") << QSize(100, 80) << QPointF(-30, -1) << QPointF(0, 0);
    QTest::newRow("right and below") << QSize(100, 80) << QPointF(250, 300) << QPointF(1, 1);
    QTest::newRow("right edge") << QSize(100, 80) << QPointF(100, 40) << QPointF(1, 0.5);
}

void TestColorSquare::picking()
{
    QFETCH(QSize, size);
    QFETCH(QPointF, pos);
    QFETCH(QPointF, expected);

    QColorSquare square;
    square.resize(size);
    square.setHue(0.5);
    SignalLog log(square);

    sendMouse(&square, QEvent::MouseMove, pos);

    QVERIFY(qAbs(square.marker().x() - expected.x()) < 1e-12);
    QVERIFY(qAbs(square.marker().y() - expected.y()) < 1e-12);
    // With the hue plane, x is saturation and y is value.
    QCOMPARE(square.saturation(), square.marker().x());
    QCOMPARE(square.value(), square.marker().y());
    QCOMPARE(square.hue(), 0.5);
    const QColor picked = QColor::fromHsvF(0.5, expected.x(), expected.y(), 1.0);
    QCOMPARE(log.names, (QStringList{"selected", "changed"}));
    QCOMPARE(log.colors, (QList<QColor>{picked, picked}));

    // The release picks once more where it happens.
    sendMouse(&square, QEvent::MouseButtonRelease, QPointF(-5, -5));
    QCOMPARE(square.marker(), QPointF(0, 0));
    QCOMPARE(log.names.size(), 4);
    // The top row of the hue plane is black whatever the saturation.
    QCOMPARE(square.color().rgb(), qRgb(0, 0, 0));
}

void TestColorSquare::pickInRgbPlaneStoresGreyHue()
{
    QColorSquare square;
    square.resize(100, 100);
    square.setCheckedColor('R');
    square.setColor(QColor(0, 200, 0));

    // RGB(0, 0.5, 0.5): a cyan.
    sendMouse(&square, QEvent::MouseMove, QPointF(50, 50));
    QVERIFY(qAbs(square.hue() - 0.5) < 1e-4);
    QCOMPARE(square.saturation(), 1.0);
    QVERIFY(qAbs(square.value() - 0.5) < 1e-4);

    // RGB(0, 0, 0) is black, a grey: its hue is stored as -1.
    sendMouse(&square, QEvent::MouseMove, QPointF(0, 0));
    QCOMPARE(square.hue(), -1.0);
    QCOMPARE(square.color().rgb(), qRgb(0, 0, 0));
}

void TestColorSquare::unknownChannelPicksNothing()
{
    QColorSquare square;
    square.resize(100, 100);
    const QColor start = QColor::fromHsvF(0.3, 0.4, 0.6);
    square.setColor(start);
    square.setCheckedColor('X');
    SignalLog log(square);

    sendMouse(&square, QEvent::MouseMove, QPointF(10, 90));
    QCOMPARE(square.color(), QColor::fromHsvF(square.hue(), start.saturationF(), start.valueF()));
    QCOMPARE(square.marker(), QPointF(0.1, 0.9));
    QCOMPARE(log.names, (QStringList{"selected", "changed"}));
    // Painting an unknown plane does not crash and leaves a defined image.
    QCOMPARE(square.grab().size(), QSize(100, 100));
}

void TestColorSquare::pressAloneChangesNothing()
{
    QColorSquare square;
    square.resize(100, 100);
    SignalLog log(square);
    sendMouse(&square, QEvent::MouseButtonPress, QPointF(70, 70));
    QCOMPARE(square.marker(), QPointF(0, 0));
    QVERIFY(log.names.isEmpty());
}

void TestColorSquare::planeCorners()
{
    QColorSquare square;
    square.resize(100, 80);
    // Red hue; the marker sits in the middle, away from the corners.
    square.setColor(QColor::fromHsvF(0, 0.5, 0.5));
    const QImage image = square.grab().toImage().convertToFormat(QImage::Format_RGB32);

    // The plane sits one pixel right and below: widget (x, y) shows plane
    // pixel (x - 1, y - 1) = HSV(0, (x - 1) / 100, (y - 1) / 80).
    QCOMPARE(image.pixel(1, 1), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(99, 1), qRgb(0, 0, 0));
    // Bottom left: saturation 0, value 78 / 80 -> grey 249.
    QVERIFY(channelDistance(image.pixel(1, 79), qRgb(249, 249, 249)) <= 1);
    // Bottom right: HSV(0, 0.98, 0.975) -> (249, 5, 5).
    QVERIFY(channelDistance(image.pixel(99, 79), qRgb(249, 5, 5)) <= 1);
    // Value grows downwards, saturation to the right.
    QVERIFY(brightness(image.pixel(50, 70)) > brightness(image.pixel(50, 10)));
    QVERIFY(qRed(image.pixel(90, 70)) - qGreen(image.pixel(90, 70)) >
            qRed(image.pixel(10, 70)) - qGreen(image.pixel(10, 70)));
}

void TestColorSquare::markerColourFollowsValue_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("blackMarker");

    QTest::newRow("bright, black marker") << 0.8 << true;
    QTest::newRow("just above half") << 0.51 << true;
    QTest::newRow("half, white marker") << 0.5 << false;
    QTest::newRow("dark, white marker") << 0.2 << false;
}

void TestColorSquare::markerColourFollowsValue()
{
    QFETCH(double, value);
    QFETCH(bool, blackMarker);

    QColorSquare square;
    square.resize(100, 100);
    square.setColor(QColor::fromHsvF(0, 0.5, value));
    // setColor stores value in steps of 1/65535; 0.5 itself must stay 0.5.
    square.setValue(value);
    const QImage image = square.grab().toImage().convertToFormat(QImage::Format_RGB32);

    // The ring of radius 6 round (50, 100 v) crosses the row of its centre
    // at x = 44 and x = 56; compare with the plane pixels shown beside it.
    const int cy = int(100 * square.value());
    for (int x : {44, 56}) {
        const QRgb ring = image.pixel(x, cy);
        const QRgb plane = image.pixel(x, cy + 8);
        const int step = brightness(ring) - brightness(plane);
        if (blackMarker)
            QVERIFY2(step < -60, qPrintable(QString::number(step)));
        else
            QVERIFY2(step > 60, qPrintable(QString::number(step)));
    }
}

void TestColorSquare::planeIsCachedUntilItsInputsChange()
{
    QColorSquare square;
    square.resize(64, 48);
    square.setColor(QColor::fromHsvF(0.25, 0.5, 0.5));
    const qint64 first = square.plane().cacheKey();
    QCOMPARE(square.plane().cacheKey(), first);

    // The hue plane shows every saturation and value: moving them keeps it.
    square.setSaturation(0.9);
    square.setValue(0.1);
    sendMouse(&square, QEvent::MouseMove, QPointF(10, 10));
    QCOMPARE(square.plane().cacheKey(), first);

    square.setHue(0.75);
    const qint64 second = square.plane().cacheKey();
    QVERIFY(second != first);
    QCOMPARE(square.plane().pixel(63, 47), QColor::fromHsvF(0.75, 63.0 / 64, 47.0 / 48).rgb());

    square.resize(65, 48);
    QCOMPARE(square.plane().size(), QSize(65, 48));
    QVERIFY(square.plane().cacheKey() != second);
    const qint64 third = square.plane().cacheKey();

    // Another checked channel is another plane.
    square.setCheckedColor('S');
    QVERIFY(square.plane().cacheKey() != third);
}

void TestColorSquare::huePlaneMatchesQColor_data()
{
    QTest::addColumn<double>("hue");
    QTest::addColumn<QSize>("size");

    QTest::newRow("red, odd size") << 0.0 << QSize(97, 61);
    QTest::newRow("yellow, a sector boundary") << 1.0 / 6 << QSize(97, 61);
    QTest::newRow("between sectors") << 0.4321 << QSize(290, 90);
    QTest::newRow("last sector") << 0.999 << QSize(120, 120);
    QTest::newRow("hue 1 wraps to red") << 1.0 << QSize(64, 33);
    // A grey picked in an R, G or B plane leaves hue -1 behind.
    QTest::newRow("no hue") << -1.0 << QSize(50, 40);
}

void TestColorSquare::huePlaneMatchesQColor()
{
    QFETCH(double, hue);
    QFETCH(QSize, size);

    QColorSquare square;
    square.resize(size);
    if (hue < 0) {
        square.setCheckedColor('R');
        square.setColor(Qt::black);
        sendMouse(&square, QEvent::MouseMove, QPointF(0, 0));
        square.setCheckedColor('H');
    } else {
        square.setHue(hue);
    }
    QCOMPARE(square.hue(), hue);

    // The same pixels as QColor gives one by one, bit for bit.
    const QImage& plane = square.plane();
    int mismatches = 0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const double fx = double(x) / size.width();
            const double fy = double(y) / size.height();
            if (plane.pixel(x, y) != QColor::fromHsvF(hue, fx, fy, 1.0).rgb())
                ++mismatches;
        }
    }
    QCOMPARE(mismatches, 0);
}

void TestColorSquare::otherPlanesFollowTheirRule_data()
{
    QTest::addColumn<char>("channel");
    QTest::addColumn<QColor>("expected");

    // Pixel (30, 15) of a 60 x 60 plane: fx = 0.5, fy = 0.25; the square
    // holds HSV(0.2, 0.6, 0.8) = RGB(0.736, 0.8, 0.32).
    QTest::newRow("S") << 'S' << QColor::fromHsvF(0.5, 0.6, 0.25);
    QTest::newRow("V") << 'V' << QColor::fromHsvF(0.5, 0.25, 0.8);
    QTest::newRow("R") << 'R' << QColor::fromRgbF(QColor::fromHsvF(0.2, 0.6, 0.8).redF(), 0.5, 0.25);
    QTest::newRow("G") << 'G' << QColor::fromRgbF(0.5, QColor::fromHsvF(0.2, 0.6, 0.8).greenF(), 0.25);
    QTest::newRow("B") << 'B' << QColor::fromRgbF(0.5, 0.25, QColor::fromHsvF(0.2, 0.6, 0.8).blueF());
}

void TestColorSquare::otherPlanesFollowTheirRule()
{
    QFETCH(char, channel);
    QFETCH(QColor, expected);

    QColorSquare square;
    square.resize(60, 60);
    square.setColor(QColor::fromHsvF(0.2, 0.6, 0.8));
    square.setCheckedColor(channel);
    QCOMPARE(square.plane().pixel(30, 15), expected.rgb());
}

QTEST_MAIN(TestColorSquare)
#include "tst_colorsquare.moc"
