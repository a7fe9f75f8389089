#include "widgets/QDoubleSlider.h"

#include "SliderEvents.h"

#include <QApplication>
#include <QtTest>

namespace {

class Slider : public HandleProbe<QDoubleSlider>
{
public:
    int position() const { return QAbstractSlider::value(); }
};

using Values = QList<double>;

} // namespace

class TestQDoubleSlider : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void construction();
    void setValue_data();
    void setValue();
    void ranges();
    void grooveClick_data();
    void grooveClick();
    void handleDrag();
};

void TestQDoubleSlider::initTestCase()
{
    QApplication::setStyle(QStringLiteral("fusion"));
}

void TestQDoubleSlider::construction()
{
    QDoubleSlider slider;
    QCOMPARE(slider.orientation(), Qt::Horizontal);
    QCOMPARE(slider.singleStep(), 1);
    QCOMPARE(slider.focusPolicy(), Qt::NoFocus);
    QCOMPARE(slider.factor(), 10000.0);
}

void TestQDoubleSlider::setValue_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("block");
    QTest::addColumn<bool>("callerBlocked");
    QTest::addColumn<int>("position");
    QTest::addColumn<Values>("emitted");

    // Range 0..4 (positions 0..40000). A change of position is echoed as
    // position / 10000 before the value passed in follows.
    QTest::newRow("position changes") << 0.5 << 0.12345 << false << false << 1234 << Values{ 0.1234, 0.12345 };
    QTest::newRow("position stays") << 0.1234 << 0.12345 << false << false << 1234 << Values{ 0.12345 };
    QTest::newRow("product truncates") << 0.5 << 0.0003 << false << false << 2 << Values{ 0.0002, 0.0003 };
    QTest::newRow("blocked by the call") << 0.5 << 0.25 << true << false << 2500 << Values{};
    QTest::newRow("blocked by the caller") << 0.5 << 0.25 << false << true << 2500 << Values{};
    QTest::newRow("above the range announces the maximum") << 0.5 << 7.0 << false << false << 40000 << Values{ 4.0, 4.0 };
    QTest::newRow("below the range announces the minimum") << 0.5 << -1.0 << false << false << 0 << Values{ 0.0, 0.0 };
}

void TestQDoubleSlider::setValue()
{
    QFETCH(double, start);
    QFETCH(double, value);
    QFETCH(bool, block);
    QFETCH(bool, callerBlocked);
    QFETCH(int, position);
    QFETCH(Values, emitted);

    Slider slider;
    slider.setRange(0.0, 4.0);
    slider.setValue(start, true);
    Values seen;
    connect(&slider, qOverload<double>(&QDoubleSlider::valueChanged), [&seen](double v) { seen << v; });

    slider.blockSignals(callerBlocked);
    slider.setValue(value, block);
    QCOMPARE(slider.signalsBlocked(), callerBlocked);
    QCOMPARE(slider.position(), position);
    QCOMPARE(slider.value(), position / 10000.0);
    QCOMPARE(seen, emitted);
}

void TestQDoubleSlider::ranges()
{
    Slider slider;
    QList<std::pair<double, double>> ranges;
    connect(&slider, qOverload<double, double>(&QDoubleSlider::rangeChanged),
            [&ranges](double lo, double hi) { ranges.append({ lo, hi }); });

    slider.setRange(0.1, 4.0);
    QCOMPARE(slider.QAbstractSlider::minimum(), 1000);
    QCOMPARE(slider.QAbstractSlider::maximum(), 40000);
    QCOMPARE(slider.minimum(), 0.1);
    QCOMPARE(slider.maximum(), 4.0);

    // The range set from the product 10000 × 0.00029 = 2.9 is position 2.
    slider.setMinimum(0.00029);
    QCOMPARE(slider.QAbstractSlider::minimum(), 2);
    slider.setMaximum(2.5);
    QCOMPARE(slider.QAbstractSlider::maximum(), 25000);

    const QList<std::pair<double, double>> expected{ { 0.1, 4.0 }, { 0.0002, 4.0 }, { 0.0002, 2.5 } };
    QCOMPARE(ranges, expected);
}

void TestQDoubleSlider::grooveClick_data()
{
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("position");
    QTest::addColumn<Values>("emitted");

    // 400 pixels wide; the jump computes n from the integer range, then sets
    // n / 10000 as a double.
    QTest::newRow("quarter of 0..1") << 0.0 << 1.0 << 100.0 << 2500 << Values{ 0.25, 0.25 };
    QTest::newRow("n = 3 lands on position 2") << 0.0 << 0.001 << 120.0 << 2 << Values{ 0.0002, 0.0003 };
    QTest::newRow("zoom range") << 0.1 << 4.0 << 200.0 << 20500 << Values{ 2.05, 2.05 };
}

void TestQDoubleSlider::grooveClick()
{
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(double, x);
    QFETCH(int, position);
    QFETCH(Values, emitted);

    Slider slider;
    slider.resize(400, 24);
    slider.setRange(minimum, maximum);
    slider.setValue(maximum, true);
    QVERIFY(!slider.handleRect().contains(QPointF(x, 12).toPoint()));
    Values seen;
    connect(&slider, qOverload<double>(&QDoubleSlider::valueChanged), [&seen](double v) { seen << v; });

    sendMouse(&slider, QEvent::MouseButtonPress, QPointF(x, 12));
    sendMouse(&slider, QEvent::MouseButtonRelease, QPointF(x, 12));
    QCOMPARE(slider.position(), position);
    QCOMPARE(seen, emitted);
}

void TestQDoubleSlider::handleDrag()
{
    Slider slider;
    slider.resize(400, 24);
    slider.setRange(0.0, 1.0);
    Values changing;
    Values changed;
    connect(&slider, qOverload<double>(&QDoubleSlider::valueChanging), [&changing](double v) { changing << v; });
    connect(&slider, qOverload<double>(&QDoubleSlider::valueChanged), [&changed](double v) { changed << v; });

    const QPoint grab = slider.handleRect().center();
    sendMouse(&slider, QEvent::MouseButtonPress, grab);
    Values positions;
    for (int dx : { 50, 120 }) {
        sendMouse(&slider, QEvent::MouseMove, grab + QPoint(dx, 0));
        positions << slider.position() / 10000.0;
    }
    QVERIFY(positions.last() > 0.0);
    QCOMPARE(changing, positions);
    QCOMPARE(changed, positions);

    sendMouse(&slider, QEvent::MouseButtonRelease, grab + QPoint(120, 0));
    QCOMPARE(changed, positions + Values{ positions.last() });
}

QTEST_MAIN(TestQDoubleSlider)
#include "tst_qdoubleslider.moc"
