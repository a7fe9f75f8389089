// A wheel turn over an input inside a scroll area must scroll the area and
// leave the input's value alone.
#include "widgets/QContinuesSlider.h"
#include "widgets/QDoubleSlider.h"
#include "widgets/QNoMouseWheelCombo.h"
#include "widgets/QNoMouseWheelFontCombo.h"
#include "widgets/QNoMouseWheelListWidget.h"
#include "widgets/QNoMouseWheelSlider.h"
#include "widgets/QNoMouseWheelSpinbox.h"
#include "widgets/QSliderWidget.h"

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QSpontaneKeyEvent>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// What a row puts in the panel: the widget to turn the wheel over and a
// reading of the state the wheel must not change.
struct Input {
    QWidget* widget = nullptr;
    QWidget* target = nullptr;
    std::function<QVariant()> state;
};

using Factory = std::function<Input(QWidget* panel)>;

Input combo(QComboBox* box)
{
    box->addItems({ "a", "b", "c", "d", "e" });
    box->setCurrentIndex(2);
    return { box, box, [box] { return QVariant(box->currentIndex()); } };
}

template <typename Slider>
Input slider(Slider* s)
{
    s->setRange(0, 100);
    s->setValue(50);
    return { s, s, [s] { return QVariant(s->QAbstractSlider::value()); } };
}

// Sent as the window system would, so that Qt hands an ignored wheel on to
// the parents.
bool turnWheel(QWidget* target)
{
    const QPointF pos = QRectF(target->rect()).center();
    QWheelEvent wheel(pos, target->mapToGlobal(pos), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    qApp->notify(target, &wheel);
    return wheel.isAccepted();
}

} // namespace

Q_DECLARE_METATYPE(Factory)

class TestWheelProof : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void wheelScrollsTheArea_data();
    void wheelScrollsTheArea();
};

void TestWheelProof::initTestCase()
{
    QApplication::setStyle(QStringLiteral("fusion"));
}

void TestWheelProof::wheelScrollsTheArea_data()
{
    QTest::addColumn<Factory>("make");
    QTest::addColumn<bool>("proof");

    QTest::newRow("QNoMouseWheelCombo") << Factory([](QWidget* p) { return combo(new QNoMouseWheelCombo(p)); }) << true;
    QTest::newRow("QNoMouseWheelFontCombo") << Factory([](QWidget* p) {
        auto* box = new QNoMouseWheelFontCombo(p);
        box->setCurrentIndex(box->count() / 2);
        return Input{ box, box, [box] { return QVariant(box->currentFont().family()); } };
    }) << true;
    QTest::newRow("QNoMouseWheelSpinbox") << Factory([](QWidget* p) {
        auto* box = new QNoMouseWheelSpinbox(p);
        box->setValue(50);
        return Input{ box, box, [box] { return QVariant(box->value()); } };
    }) << true;
    QTest::newRow("QNoMouseWheelSlider") << Factory([](QWidget* p) { return slider(new QNoMouseWheelSlider(p)); }) << true;
    QTest::newRow("QContinuesSlider") << Factory([](QWidget* p) { return slider(new QContinuesSlider(p)); }) << true;
    QTest::newRow("QDoubleSlider") << Factory([](QWidget* p) {
        auto* s = new QDoubleSlider(p);
        s->setRange(0.0, 1.0);
        s->setValue(0.5);
        return Input{ s, s, [s] { return QVariant(s->value()); } };
    }) << true;
    QTest::newRow("QNoMouseWheelListWidget") << Factory([](QWidget* p) {
        auto* list = new QNoMouseWheelListWidget(p);
        for (int i = 0; i < 50; ++i)
            list->addItem(QString::number(i));
        list->setCurrentRow(3);
        list->setFixedHeight(80);
        return Input{ list, list->viewport(), [list] {
                         return QVariant(QStringList{ QString::number(list->currentRow()),
                                                      QString::number(list->verticalScrollBar()->value()) });
                     } };
    }) << true;
    QTest::newRow("QSliderWidget number box") << Factory([](QWidget* p) {
        auto* row = new QSliderWidget(p);
        row->setValue(40);
        auto* box = row->findChild<QSpinBox*>(QStringLiteral("valueSpinBox"));
        return Input{ row, box, [box] { return QVariant(box->value()); } };
    }) << true;
    QTest::newRow("QSliderWidget slider") << Factory([](QWidget* p) {
        auto* row = new QSliderWidget(p);
        row->setValue(40);
        auto* s = row->findChild<QSlider*>(QStringLiteral("valueSlider"));
        return Input{ row, s, [s] { return QVariant(s->value()); } };
    }) << true;
    // The plain spin box shows that the harness would see a change.
    QTest::newRow("plain QSpinBox (control)") << Factory([](QWidget* p) {
        auto* box = new QSpinBox(p);
        box->setValue(50);
        return Input{ box, box, [box] { return QVariant(box->value()); } };
    }) << false;
}

void TestWheelProof::wheelScrollsTheArea()
{
    QFETCH(Factory, make);
    QFETCH(bool, proof);

    QScrollArea area;
    area.resize(320, 240);
    auto* panel = new QWidget;
    panel->setFixedSize(280, 2000);
    auto* layout = new QVBoxLayout(panel);
    const Input input = make(panel);
    layout->addWidget(input.widget);
    layout->addStretch();
    area.setWidget(panel);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    QCOMPARE(area.verticalScrollBar()->value(), 0);

    const QVariant before = input.state();
    turnWheel(input.target);
    if (proof) {
        QCOMPARE(input.state(), before);
        QVERIFY(area.verticalScrollBar()->value() > 0);
    } else {
        QVERIFY(input.state() != before);
        QCOMPARE(area.verticalScrollBar()->value(), 0);
    }
}

QTEST_MAIN(TestWheelProof)
#include "tst_wheelproof.moc"
