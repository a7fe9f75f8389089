#include "widgets/QContinuesSlider.h"

#include "SliderEvents.h"

#include <QApplication>
#include <QtTest>

#include <climits>

namespace {

using Slider = HandleProbe<QContinuesSlider>;

// Every signal of the slider in the order it came, as "changing 40" or
// "changed 40".
QStringList* record(QContinuesSlider* slider)
{
    auto* log = new QStringList;
    QObject::connect(slider, &QContinuesSlider::valueChanging, slider,
                     [log](int v) { log->append(QStringLiteral("changing %1").arg(v)); });
    QObject::connect(slider, &QAbstractSlider::valueChanged, slider,
                     [log](int v) { log->append(QStringLiteral("changed %1").arg(v)); });
    QObject::connect(slider, &QObject::destroyed, [log] { delete log; });
    return log;
}

} // namespace

class TestQContinuesSlider : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void construction();
    void grooveClick_data();
    void grooveClick();
    void handleDrag_data();
    void handleDrag();
    void dragKeepsCallersBlocking();
    void setValue_data();
    void setValue();
    void wheelIsLeftToTheParent();
};

void TestQContinuesSlider::initTestCase()
{
    QApplication::setStyle(QStringLiteral("fusion"));
}

void TestQContinuesSlider::construction()
{
    QContinuesSlider slider;
    QCOMPARE(slider.orientation(), Qt::Horizontal);
    QCOMPARE(slider.singleStep(), 1);
    QCOMPARE(slider.focusPolicy(), Qt::NoFocus);
    QVERIFY(slider.hasTracking());
    QVERIFY(slider.acceptContinuesValue);
}

void TestQContinuesSlider::grooveClick_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("start");
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("expected");

    // The slider is 400 pixels wide: value = x / 400 × (max − min) + min,
    // truncated toward zero.
    QTest::newRow("quarter of 0..100") << 0 << 100 << 100 << 100.0 << 25;
    QTest::newRow("near the left end, widget width not groove") << 0 << 100 << 100 << 10.0 << 2;
    QTest::newRow("near the right end") << 0 << 100 << 0 << 399.0 << 99;
    QTest::newRow("-59.5 truncates toward zero") << -100 << 100 << 100 << 81.0 << -59;
    QTest::newRow("fraction of a pixel counts") << 0 << 1000 << 1000 << 100.6 << 251;
    QTest::newRow("zero-width range gives the minimum") << 50 << 50 << 50 << 300.0 << 50;
    QTest::newRow("span wider than int") << -2000000000 << 2000000000 << 2000000000 << 100.0 << -1000000000;
}

void TestQContinuesSlider::grooveClick()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, start);
    QFETCH(double, x);
    QFETCH(int, expected);

    Slider slider;
    slider.resize(400, 24);
    slider.setRange(minimum, maximum);
    slider.setValue(start, true);
    QVERIFY(!slider.handleRect().contains(QPointF(x, 12).toPoint()));
    QStringList* log = record(&slider);

    sendMouse(&slider, QEvent::MouseButtonPress, QPointF(x, 12));
    QCOMPARE(slider.value(), expected);
    QCOMPARE(*log, QStringList{ QStringLiteral("changed %1").arg(expected) });
    QVERIFY(!slider.isSliderDown());

    // No drag started: moving does not follow, the release adds nothing.
    sendMouse(&slider, QEvent::MouseMove, QPointF(200, 12));
    sendMouse(&slider, QEvent::MouseButtonRelease, QPointF(200, 12));
    QCOMPARE(slider.value(), expected);
    QCOMPARE(log->size(), 1);
}

void TestQContinuesSlider::handleDrag_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("continuous values") << true;
    QTest::newRow("release only") << false;
}

void TestQContinuesSlider::handleDrag()
{
    QFETCH(bool, accept);

    Slider slider;
    slider.resize(400, 24);
    slider.setRange(0, 100);
    slider.setValue(10, true);
    slider.acceptContinuesValue = accept;
    QStringList* log = record(&slider);

    const QPoint grab = slider.handleRect().center();
    sendMouse(&slider, QEvent::MouseButtonPress, grab);
    QVERIFY(slider.isSliderDown());
    QVERIFY(log->isEmpty());

    QStringList expected;
    for (int dx : { 40, 90, 160 }) {
        sendMouse(&slider, QEvent::MouseMove, grab + QPoint(dx, 0));
        // Where the handle goes is QSlider's business; what is announced
        // for it is ours.
        if (accept) {
            expected << QStringLiteral("changing %1").arg(slider.value())
                     << QStringLiteral("changed %1").arg(slider.value());
        }
    }
    QVERIFY(slider.value() > 10);
    QCOMPARE(*log, expected);

    sendMouse(&slider, QEvent::MouseButtonRelease, grab + QPoint(160, 0));
    expected << QStringLiteral("changed %1").arg(slider.value());
    QCOMPARE(*log, expected);
    QVERIFY(!slider.signalsBlocked());
}

void TestQContinuesSlider::dragKeepsCallersBlocking()
{
    Slider slider;
    slider.resize(400, 24);
    slider.setRange(0, 100);
    slider.acceptContinuesValue = false;
    QStringList* log = record(&slider);

    slider.blockSignals(true);
    const QPoint grab = slider.handleRect().center();
    sendMouse(&slider, QEvent::MouseButtonPress, grab);
    sendMouse(&slider, QEvent::MouseMove, grab + QPoint(100, 0));
    sendMouse(&slider, QEvent::MouseButtonRelease, grab + QPoint(100, 0));
    QVERIFY(slider.signalsBlocked());
    QVERIFY(log->isEmpty());

    // A release that never came (the grab was taken away) does not leave
    // the signals blocked past the next press.
    slider.blockSignals(false);
    sendMouse(&slider, QEvent::MouseButtonPress, slider.handleRect().center());
    QVERIFY(slider.signalsBlocked());
    sendMouse(&slider, QEvent::MouseButtonPress, QPoint(390, 12));
    QVERIFY(!slider.signalsBlocked());
    QCOMPARE(slider.value(), 97);
}

void TestQContinuesSlider::setValue_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("block");
    QTest::addColumn<bool>("callerBlocked");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QStringList>("emitted");

    // The slider is 0..100 and stands at 30.
    QTest::newRow("change") << 60 << false << false << 60 << QStringList{ "changed 60" };
    QTest::newRow("no change still announces once") << 30 << false << false << 30 << QStringList{ "changed 30" };
    QTest::newRow("clamped value is what is announced") << 500 << false << false << 100 << QStringList{ "changed 100" };
    QTest::newRow("blocked by the call") << 60 << true << false << 60 << QStringList{};
    QTest::newRow("blocked by the caller") << 60 << false << true << 60 << QStringList{};
}

void TestQContinuesSlider::setValue()
{
    QFETCH(int, value);
    QFETCH(bool, block);
    QFETCH(bool, callerBlocked);
    QFETCH(int, stored);
    QFETCH(QStringList, emitted);

    QContinuesSlider slider;
    slider.setRange(0, 100);
    slider.setValue(30, true);
    QStringList* log = record(&slider);
    QSignalSpy moved(&slider, &QAbstractSlider::sliderMoved);

    slider.blockSignals(callerBlocked);
    slider.setValue(value, block);
    QCOMPARE(slider.signalsBlocked(), callerBlocked);
    QCOMPARE(slider.value(), stored);
    QCOMPARE(*log, emitted);
    QCOMPARE(moved.size(), 0);
}

void TestQContinuesSlider::wheelIsLeftToTheParent()
{
    QContinuesSlider slider;
    slider.setRange(0, 100);
    slider.setValue(50, true);
    QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&slider, &wheel);
    QVERIFY(!wheel.isAccepted());
    QCOMPARE(slider.value(), 50);
}

QTEST_MAIN(TestQContinuesSlider)
#include "tst_qcontinuesslider.moc"
