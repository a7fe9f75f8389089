#include "canvas/PE_AbstractButton.h"
#include "canvas/PE_ColorSelectionButton.h"
#include "canvas/PE_ComboBox.h"
#include "canvas/PE_DoubleSlider.h"
#include "canvas/PE_PaneWidget.h"
#include "canvas/PaneWidget.h"

#include <QApplication>
#include <QCheckBox>
#include <QtTest>

namespace {

// A target with one property of each kind the editors meet.
class Target : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QPointF point MEMBER m_point NOTIFY pointChanged)
    Q_PROPERTY(double real MEMBER m_real NOTIFY realChanged)
    Q_PROPERTY(int whole MEMBER m_whole NOTIFY wholeChanged)
    Q_PROPERTY(bool flag MEMBER m_flag NOTIFY flagChanged)
    Q_PROPERTY(QColor color MEMBER m_color NOTIFY colorChanged)
    Q_PROPERTY(QString text MEMBER m_text)
public:
    QPointF m_point{5, -7};
    double m_real = 0.25;
    int m_whole = 1;
    bool m_flag = true;
    QColor m_color{10, 20, 30};
    QString m_text;
    int writes = 0;
signals:
    void pointChanged();
    void realChanged();
    void wholeChanged();
    void flagChanged();
    void colorChanged();
};

// Counts writes through the notify signals, which MEMBER properties emit
// on every change.
void countWrites(Target* t)
{
    const auto count = [t] { ++t->writes; };
    QObject::connect(t, &Target::pointChanged, t, count);
    QObject::connect(t, &Target::realChanged, t, count);
    QObject::connect(t, &Target::wholeChanged, t, count);
    QObject::connect(t, &Target::flagChanged, t, count);
    QObject::connect(t, &Target::colorChanged, t, count);
}

} // namespace

class TestPropertyEditors : public QObject
{
    Q_OBJECT

private slots:
    void paneShowsAndWrites();
    void doubleSlider_data();
    void doubleSlider();
    void buttonAndCombo();
    void colorButton();
    void warnings_data();
    void warnings();
    void deadTargetOrControl();
    void paneMapping_data();
    void paneMapping();
    void paneClampsAndTinyPanes();
    void paneDoubleClickGlidesHome();
};

void TestPropertyEditors::paneShowsAndWrites()
{
    Target t;
    countWrites(&t);
    QObject parent;
    PaneWidget pane;
    pane.setRange(QRectF(-70, -70, 140, 140));
    new PE_PaneWidget(&pane, &t, "point", &parent);
    QCOMPARE(pane.value(), QPointF(5, -7));
    QCOMPARE(t.writes, 0);

    pane.setValue(QPointF(3, 4));
    QCOMPARE(t.m_point, QPointF(3, 4));
    QCOMPARE(t.writes, 1);

    // From elsewhere: the pane follows, echoes once, and the exchange stops.
    QSignalSpy paneSpy(&pane, &PaneWidget::valueChanged);
    t.setProperty("point", QPointF(-10, 20));
    QCOMPARE(pane.value(), QPointF(-10, 20));
    QCOMPARE(paneSpy.count(), 1);
    QCOMPARE(t.writes, 2);
}

void TestPropertyEditors::doubleSlider_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<double>("slider");
    QTest::addColumn<QVariant>("written");
    QTest::newRow("double") << QByteArray("real") << 0.75 << QVariant(0.75);
    // An int property gets the value truncated toward zero.
    QTest::newRow("int 3.7") << QByteArray("whole") << 3.7 << QVariant(3);
    QTest::newRow("int -3.7") << QByteArray("whole") << -3.7 << QVariant(-3);
}

void TestPropertyEditors::doubleSlider()
{
    QFETCH(QByteArray, property);
    QFETCH(double, slider);
    QFETCH(QVariant, written);
    Target t;
    countWrites(&t);
    QObject parent;
    QDoubleSlider control;
    control.setRange(-10.0, 10.0);
    new PE_DoubleSlider(&control, &t, property.constData(), &parent);
    QCOMPARE(control.value(), t.property(property.constData()).toDouble());
    QCOMPARE(t.writes, 0);
    control.setValue(slider);
    QCOMPARE(t.property(property.constData()), written);
    QCOMPARE(t.writes, 1);
    // Property to control silently: nothing is written back.
    QSignalSpy spy(&control, qOverload<double>(&QDoubleSlider::valueChanged));
    t.setProperty(property.constData(), 2);
    QCOMPARE(control.value(), 2.0);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(t.writes, 2);
}

void TestPropertyEditors::buttonAndCombo()
{
    Target t;
    countWrites(&t);
    QObject parent;
    QCheckBox box;
    new PE_AbstractButton(&box, &t, "flag", &parent);
    QVERIFY(box.isChecked());
    QCOMPARE(t.writes, 0);
    box.setChecked(false);
    QCOMPARE(t.m_flag, false);
    QSignalSpy toggled(&box, &QAbstractButton::toggled);
    t.setProperty("flag", true);
    QVERIFY(box.isChecked());
    QCOMPARE(toggled.count(), 0);

    QComboBox combo;
    combo.addItems({"a", "b", "c"});
    new PE_ComboBox(&combo, &t, "whole", &parent);
    QCOMPARE(combo.currentIndex(), 1);
    combo.setCurrentIndex(2);
    QCOMPARE(t.m_whole, 2);
    t.setProperty("whole", 0);
    QCOMPARE(combo.currentIndex(), 0);
}

void TestPropertyEditors::colorButton()
{
    Target t;
    countWrites(&t);
    QObject parent;
    ColorSelectorButton button;
    new PE_ColorSelectionButton(&button, &t, "color", &parent);
    QCOMPARE(button.color(), QColor(10, 20, 30));
    QCOMPARE(t.writes, 0);
    button.setColor(Qt::red);
    QCOMPARE(t.m_color, QColor(Qt::red));
    QSignalSpy spy(&button, &ColorSelectorButton::colorChanged);
    t.setProperty("color", QColor(Qt::blue));
    QCOMPARE(button.color(), QColor(Qt::blue));
    QCOMPARE(spy.count(), 0);
}

void TestPropertyEditors::warnings_data()
{
    QTest::addColumn<int>("editor");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("warning");
    // Type numbers: QString 10, double 6, QPointF 26.
    QTest::newRow("missing name") << 0 << QByteArray("nothing")
                                  << "PE_TypeControl: target has no property 'nothing'";
    QTest::newRow("null name") << 0 << QByteArray() << "PE_TypeControl: target has no property 'NULL'";
    QTest::newRow("pane on a string") << 0 << QByteArray("text")
                                      << "PE_PaneWidget: unhandled property 'text' of type 10";
    QTest::newRow("slider on a point") << 1 << QByteArray("point")
                                       << "PE_AbstractSlider: unhandled property 'point' of type 26";
    QTest::newRow("colour on a double") << 2 << QByteArray("real")
                                        << "PE_ColorSelectionButton: unhandled property 'real' of type 6";
    QTest::newRow("combo on a string") << 3 << QByteArray("text") << "PE_Combo: unhandled property 'text' of type 10";
}

void TestPropertyEditors::warnings()
{
    QFETCH(int, editor);
    QFETCH(QByteArray, property);
    QFETCH(QString, warning);
    Target t;
    countWrites(&t);
    QObject parent;
    PaneWidget pane;
    QDoubleSlider slider;
    slider.setRange(0.0, 10.0);
    ColorSelectorButton button;
    QComboBox combo;
    combo.addItems({"a", "b"});
    const char* name = property.isNull() ? nullptr : property.constData();
    QTest::ignoreMessage(QtWarningMsg, warning.toLatin1().constData());
    switch (editor) {
    case 0: new PE_PaneWidget(&pane, &t, name, &parent); break;
    case 1: new PE_DoubleSlider(&slider, &t, name, &parent); break;
    case 2: new PE_ColorSelectionButton(&button, &t, name, &parent); break;
    default: new PE_ComboBox(&combo, &t, name, &parent); break;
    }
    pane.setValue(QPointF(1, 1));
    slider.setValue(4.0);
    button.setColor(Qt::green);
    combo.setCurrentIndex(1);
    QCOMPARE(t.writes, 0);
    QCOMPARE(t.m_text, QString());
}

void TestPropertyEditors::deadTargetOrControl()
{
    QObject parent;
    auto* t = new Target;
    QDoubleSlider slider;
    slider.setRange(0.0, 1.0);
    new PE_DoubleSlider(&slider, t, "real", &parent);
    delete t;
    slider.setValue(0.5); // nothing to write into: no crash

    Target alive;
    countWrites(&alive);
    auto* pane = new PaneWidget;
    new PE_PaneWidget(pane, &alive, "point", &parent);
    delete pane;
    alive.setProperty("point", QPointF(1, 2)); // nothing to show it in
    QCOMPARE(alive.writes, 1);
}

void TestPropertyEditors::paneMapping_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRectF>("range");
    QTest::addColumn<QPointF>("value");
    QTest::addColumn<QPointF>("pixel");
    // x = (W-1)(v.x - r.x)/r.w: 60 * (0 + 70) / 140 = 30.
    QTest::newRow("61 pane, origin") << QSize(61, 61) << QRectF(-70, -70, 140, 140) << QPointF(0, 0) << QPointF(30, 30);
    // 60 * (35 + 70) / 140 = 45; 60 * (-70 + 70) / 140 = 0.
    QTest::newRow("61 pane, (35,-70)") << QSize(61, 61) << QRectF(-70, -70, 140, 140) << QPointF(35, -70)
                                       << QPointF(45, 0);
    // 100 x 51 pane, default range: 99 * (0.5 + 1) / 2 = 74.25; 50 * (-0.5 + 1) / 2 = 12.5.
    QTest::newRow("default range") << QSize(100, 51) << QRectF(-1, -1, 2, 2) << QPointF(0.5, -0.5)
                                   << QPointF(74.25, 12.5);
    // 11 pane, 0 .. 10: 10 * 7 / 10 = 7, 10 * 3 / 10 = 3.
    QTest::newRow("positive range") << QSize(11, 11) << QRectF(0, 0, 10, 10) << QPointF(7, 3) << QPointF(7, 3);
}

void TestPropertyEditors::paneMapping()
{
    QFETCH(QSize, size);
    QFETCH(QRectF, range);
    QFETCH(QPointF, value);
    QFETCH(QPointF, pixel);
    QCOMPARE(PaneWidget::valueToPixel(value, range, size), pixel);
    const QPointF back = PaneWidget::pixelToValue(pixel, range, size);
    QVERIFY(qAbs(back.x() - value.x()) < 1e-9 && qAbs(back.y() - value.y()) < 1e-9);
    // An empty range maps every value to the corner.
    QCOMPARE(PaneWidget::valueToPixel(value, QRectF(0, 0, 0, 5), size), QPointF(0, 0));
}

void TestPropertyEditors::paneClampsAndTinyPanes()
{
    // 61 pane, -70 .. 70: pixel 200 gives 200 * 140 / 60 - 70 = 396.7,
    // limited to 70; pixel -50 gives -186.7, limited to -70.
    QCOMPARE(PaneWidget::pixelToValue(QPointF(200, -50), QRectF(-70, -70, 140, 140), QSize(61, 61)),
             QPointF(70, -70));

    PaneWidget pane;
    pane.resize(1, 40);
    QSignalSpy spy(&pane, &PaneWidget::valueChanged);
    QTest::mousePress(&pane, Qt::LeftButton, Qt::NoModifier, QPoint(0, 30));
    QTest::mouseRelease(&pane, Qt::LeftButton, Qt::NoModifier, QPoint(0, 30));
    QTest::qWait(100);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(pane.value(), QPointF(0, 0));
}

void TestPropertyEditors::paneDoubleClickGlidesHome()
{
    PaneWidget pane;
    pane.resize(61, 61);
    pane.setRange(QRectF(-70, -70, 140, 140));
    pane.setValue(QPointF(50, -20));
    QSignalSpy spy(&pane, &PaneWidget::valueChanged);
    QTest::mouseDClick(&pane, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    // A glide, not a jump: not yet home straight after the click.
    QVERIFY(pane.value() != QPointF(0, 0));
    QTRY_COMPARE_WITH_TIMEOUT(pane.value(), QPointF(0, 0), 10000);
    QVERIFY(spy.count() >= 2);
}

QTEST_MAIN(TestPropertyEditors)
#include "tst_propertyeditors.moc"
