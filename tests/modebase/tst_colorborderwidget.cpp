// The border panel: one complete record per user edit, whichever control
// is used, and silent showing that keeps the values it was given.
#include "modebase/ColorBorderWidget.h"

#include "widgets/QColorWidget.h"
#include "widgets/QContinuesSlider.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

namespace {

template <typename T>
T* child(QWidget* panel, const char* name)
{
    T* widget = panel->findChild<T*>(QLatin1String(name));
    if (!widget)
        qFatal("no %s in the border panel", name);
    return widget;
}

CanvasBorder shownBorder()
{
    CanvasBorder b;
    b.opacity = 90;
    b.width = 40;
    b.color = QColor(10, 20, 30);
    b.top = true;
    b.right = true;
    return b;
}

} // namespace

class TestColorBorderWidget : public QObject
{
    Q_OBJECT

private slots:
    void initialRecord();
    void oneRecordPerEdit_data();
    void oneRecordPerEdit();
    void opacityControlsMirror();
    void showingIsSilent();
    void outOfRangeValuesKept_data();
    void outOfRangeValuesKept();
};

void TestColorBorderWidget::initialRecord()
{
    ColorBorderWidget panel;
    QSignalSpy spy(&panel, &ColorBorderWidget::borderChanged);
    // Ticking "Left" on a fresh panel gives the default record with left set.
    child<QCheckBox>(&panel, "leftChck")->click();
    QCOMPARE(spy.count(), 1);
    CanvasBorder expected;
    expected.left = true;
    QCOMPARE(spy.at(0).at(0).value<CanvasBorder>(), expected);
    QCOMPARE(child<QSpinBox>(&panel, "borderOpacitySpinBox")->value(), 128);
    QCOMPARE(child<QSpinBox>(&panel, "borderWidthSpinBox")->value(), 25);
}

void TestColorBorderWidget::oneRecordPerEdit_data()
{
    QTest::addColumn<int>("edit");
    QTest::addColumn<CanvasBorder>("expected");
    // Starting from shownBorder() each row changes one field.
    const CanvasBorder base = shownBorder();
    CanvasBorder b;
    b = base; b.top = false;
    QTest::newRow("untick Top") << 0 << b;
    b = base; b.bottom = true;
    QTest::newRow("tick Bottom") << 1 << b;
    b = base; b.left = true;
    QTest::newRow("tick Left") << 2 << b;
    b = base; b.right = false;
    QTest::newRow("untick Right") << 3 << b;
    b = base; b.opacity = 50;
    QTest::newRow("opacity spin box") << 4 << b;
    b = base; b.opacity = 200;
    QTest::newRow("opacity slider") << 5 << b;
    b = base; b.width = 120;
    QTest::newRow("width") << 6 << b;
    b = base; b.color = QColor(0, 255, 0);
    QTest::newRow("colour") << 7 << b;
}

void TestColorBorderWidget::oneRecordPerEdit()
{
    QFETCH(int, edit);
    ColorBorderWidget panel;
    panel.setColorBorder(shownBorder());
    QSignalSpy spy(&panel, &ColorBorderWidget::borderChanged);
    switch (edit) {
    case 0: child<QCheckBox>(&panel, "topChck")->click(); break;
    case 1: child<QCheckBox>(&panel, "bottomChck")->click(); break;
    case 2: child<QCheckBox>(&panel, "leftChck")->click(); break;
    case 3: child<QCheckBox>(&panel, "rightChck")->click(); break;
    case 4: child<QSpinBox>(&panel, "borderOpacitySpinBox")->setValue(50); break;
    case 5: child<QContinuesSlider>(&panel, "transparencySlider")->setValue(200); break;
    case 6: child<QSpinBox>(&panel, "borderWidthSpinBox")->setValue(120); break;
    case 7: {
        // A typed colour reaches the chooser as one user change.
        auto* chooser = child<QColorWidget>(&panel, "colorWidget");
        chooser->setColor(QColor(0, 255, 0));
        chooser->onColorChanged();
        break;
    }
    }
    QCOMPARE(spy.count(), 1);
    QFETCH(CanvasBorder, expected);
    QCOMPARE(spy.at(0).at(0).value<CanvasBorder>(), expected);
    QCOMPARE(panel.colorBorder(), spy.at(0).at(0).value<CanvasBorder>());
}

void TestColorBorderWidget::opacityControlsMirror()
{
    ColorBorderWidget panel;
    auto* box = child<QSpinBox>(&panel, "borderOpacitySpinBox");
    auto* slider = child<QContinuesSlider>(&panel, "transparencySlider");
    QSignalSpy spy(&panel, &ColorBorderWidget::borderChanged);

    slider->setValue(200);
    QCOMPARE(box->value(), 200);
    box->setValue(50);
    QCOMPARE(slider->value(), 50);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).value<CanvasBorder>().opacity, 200);
    QCOMPARE(spy.at(1).at(0).value<CanvasBorder>().opacity, 50);
}

void TestColorBorderWidget::showingIsSilent()
{
    ColorBorderWidget panel;
    QSignalSpy spy(&panel, &ColorBorderWidget::borderChanged);
    panel.setColorBorder(shownBorder());
    QCOMPARE(spy.count(), 0);
    QVERIFY(child<QCheckBox>(&panel, "topChck")->isChecked());
    QVERIFY(!child<QCheckBox>(&panel, "bottomChck")->isChecked());
    QVERIFY(!child<QCheckBox>(&panel, "leftChck")->isChecked());
    QVERIFY(child<QCheckBox>(&panel, "rightChck")->isChecked());
    QCOMPARE(child<QSpinBox>(&panel, "borderOpacitySpinBox")->value(), 90);
    QCOMPARE(child<QContinuesSlider>(&panel, "transparencySlider")->value(), 90);
    QCOMPARE(child<QSpinBox>(&panel, "borderWidthSpinBox")->value(), 40);
    QCOMPARE(child<QColorWidget>(&panel, "colorWidget")->color().rgba(), QColor(10, 20, 30).rgba());
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 0);
    // Showing the same record again is as quiet.
    panel.setColorBorder(CanvasBorder());
    QCOMPARE(spy.count(), 0);
}

void TestColorBorderWidget::outOfRangeValuesKept_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("opacity");
    QTest::addColumn<int>("shownWidth");
    QTest::addColumn<int>("shownOpacity");
    // Width spin box 20 .. 200, opacity 0 .. 255: out-of-range values show clamped.
    QTest::newRow("thin") << 10 << 128 << 20 << 128;
    QTest::newRow("wide") << 500 << 128 << 200 << 128;
    QTest::newRow("opacity above") << 25 << 300 << 25 << 255;
    QTest::newRow("opacity below") << 25 << -5 << 25 << 0;
}

void TestColorBorderWidget::outOfRangeValuesKept()
{
    QFETCH(int, width);
    QFETCH(int, opacity);
    ColorBorderWidget panel;
    CanvasBorder given;
    given.width = width;
    given.opacity = opacity;
    panel.setColorBorder(given);
    QFETCH(int, shownWidth);
    QCOMPARE(child<QSpinBox>(&panel, "borderWidthSpinBox")->value(), shownWidth);
    QFETCH(int, shownOpacity);
    QCOMPARE(child<QSpinBox>(&panel, "borderOpacitySpinBox")->value(), shownOpacity);
    QCOMPARE(panel.colorBorder(), given);

    // Another field's edit carries the stored values, not the shown ones.
    QSignalSpy spy(&panel, &ColorBorderWidget::borderChanged);
    child<QCheckBox>(&panel, "bottomChck")->click();
    QCOMPARE(spy.count(), 1);
    const auto sent = spy.at(0).at(0).value<CanvasBorder>();
    QCOMPARE(sent.width, width);
    QCOMPARE(sent.opacity, opacity);
    QVERIFY(sent.bottom);
}

QTEST_MAIN(TestColorBorderWidget)
#include "tst_colorborderwidget.moc"
