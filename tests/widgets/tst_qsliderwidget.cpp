#include "widgets/QSliderWidget.h"

#include "widgets/QContinuesSlider.h"

#include "SliderEvents.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

namespace {

// The row with its parts found by their object names, and every signal it
// sends as "changed Column Count 40" or "changing Column Count 40".
struct Row {
    QSliderWidget widget;
    QSpinBox* box = nullptr;
    QContinuesSlider* slider = nullptr;
    QStringList log;

    Row()
    {
        box = widget.findChild<QSpinBox*>(QStringLiteral("valueSpinBox"));
        slider = widget.findChild<QContinuesSlider*>(QStringLiteral("valueSlider"));
        QObject::connect(&widget, &QSliderWidget::propertyValueChanged, [this](const QString& name, int v) {
            log << QStringLiteral("changed %1 %2").arg(name).arg(v);
        });
        QObject::connect(&widget, &QSliderWidget::propertyValueChanging, [this](const QString& name, int v) {
            log << QStringLiteral("changing %1 %2").arg(name).arg(v);
        });
    }
};

} // namespace

class TestQSliderWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void form();
    void silentFromCode_data();
    void silentFromCode();
    void callersBlockingSurvives();
    void grooveClickIsOneChange();
    void dragReportsEachStep();
    void typedNumberIsOneChange();
};

void TestQSliderWidget::initTestCase()
{
    QApplication::setStyle(QStringLiteral("fusion"));
}

void TestQSliderWidget::form()
{
    Row row;
    QVERIFY(row.box);
    QVERIFY(row.slider);
    QCOMPARE(row.widget.objectName(), QStringLiteral("QSliderWidget"));
    QCOMPARE(row.box->buttonSymbols(), QAbstractSpinBox::NoButtons);
    QVERIFY(!row.box->keyboardTracking());
    QCOMPARE(row.box->maximum(), 100);
    QCOMPARE(row.slider->maximum(), 100);
    QCOMPARE(row.slider->singleStep(), 0);
    QCOMPARE(row.slider->pageStep(), 0);
    QVERIFY(row.widget.propertyName().isEmpty());

    row.widget.setDesc(QStringLiteral("Tile Size:"));
    QCOMPARE(row.widget.findChild<QLabel*>(QStringLiteral("valueDescLabel"))->text(), QStringLiteral("Tile Size:"));
}

void TestQSliderWidget::silentFromCode_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("shown");
    // Range 20..200, as the montage's column count.
    QTest::newRow("inside") << 75 << 75;
    QTest::newRow("below clamps") << 5 << 20;
    QTest::newRow("above clamps") << 900 << 200;
}

void TestQSliderWidget::silentFromCode()
{
    QFETCH(int, value);
    QFETCH(int, shown);

    Row row;
    row.widget.setPropertyName(QStringLiteral("Column Count"));
    QSignalSpy sliderChanges(row.slider, &QAbstractSlider::valueChanged);
    QSignalSpy boxChanges(row.box, &QSpinBox::valueChanged);

    row.widget.setMinMaxValue(20, 200);
    row.widget.setValue(value);
    QCOMPARE(row.box->minimum(), 20);
    QCOMPARE(row.slider->maximum(), 200);
    QCOMPARE(row.box->value(), shown);
    QCOMPARE(row.slider->value(), shown);
    QVERIFY(row.log.isEmpty());
    QCOMPARE(sliderChanges.size(), 0);
    QCOMPARE(boxChanges.size(), 0);
    QVERIFY(!row.widget.signalsBlocked());
    QVERIFY(!row.slider->signalsBlocked());
    QVERIFY(!row.box->signalsBlocked());
}

void TestQSliderWidget::callersBlockingSurvives()
{
    Row row;
    row.widget.blockSignals(true);
    row.box->blockSignals(true);
    row.widget.setValue(30);
    QVERIFY(row.widget.signalsBlocked());
    QVERIFY(row.box->signalsBlocked());
    QVERIFY(!row.slider->signalsBlocked());
}

void TestQSliderWidget::grooveClickIsOneChange()
{
    Row row;
    row.widget.setPropertyName(QStringLiteral("Tile Size"));
    row.widget.resize(400, 60);
    row.slider->resize(400, 24);

    // 300 of 400 pixels on 0..100.
    sendMouse(row.slider, QEvent::MouseButtonPress, QPointF(300, 12));
    sendMouse(row.slider, QEvent::MouseButtonRelease, QPointF(300, 12));
    QCOMPARE(row.log, QStringList{ "changed Tile Size 75" });
    QCOMPARE(row.box->value(), 75);
}

void TestQSliderWidget::dragReportsEachStep()
{
    Row row;
    row.widget.setPropertyName(QStringLiteral("Tile Size"));
    row.slider->resize(400, 24);

    // The handle stands at 0, at the left end.
    const QPoint grab(5, 12);
    sendMouse(row.slider, QEvent::MouseButtonPress, grab);
    QVERIFY(row.slider->isSliderDown());
    QStringList expected;
    for (int dx : { 60, 150 }) {
        sendMouse(row.slider, QEvent::MouseMove, grab + QPoint(dx, 0));
        const int v = row.slider->value();
        QCOMPARE(row.box->value(), v);
        expected << QStringLiteral("changing Tile Size %1").arg(v) << QStringLiteral("changed Tile Size %1").arg(v);
    }
    sendMouse(row.slider, QEvent::MouseButtonRelease, grab + QPoint(150, 0));
    expected << QStringLiteral("changed Tile Size %1").arg(row.slider->value());
    QCOMPARE(row.log, expected);
}

void TestQSliderWidget::typedNumberIsOneChange()
{
    Row row;
    row.widget.setPropertyName(QStringLiteral("Column Count"));
    row.widget.setMinMaxValue(20, 200);
    row.widget.setValue(20);
    row.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&row.widget));
    QSignalSpy sliderChanges(row.slider, &QAbstractSlider::valueChanged);

    row.box->setFocus();
    row.box->selectAll();
    QTest::keyClicks(row.box, QStringLiteral("125"));
    QVERIFY(row.log.isEmpty());
    QTest::keyClick(row.box, Qt::Key_Return);

    QCOMPARE(row.log, QStringList{ "changed Column Count 125" });
    QCOMPARE(row.slider->value(), 125);
    QCOMPARE(sliderChanges.size(), 0);
}

QTEST_MAIN(TestQSliderWidget)
#include "tst_qsliderwidget.moc"
