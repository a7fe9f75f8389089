#include "canvas/FinetuneWidget.h"

#include "../widgets/SliderEvents.h"
#include "widgets/QContinuesSlider.h"
#include "widgets/QNoMouseWheelSpinbox.h"

#include <QApplication>
#include <QSpinBox>
#include <QtTest>

namespace {

using Log = QList<QPair<int, int>>;

// Every valueChanged of the panel as (type, value).
Log* record(FinetuneWidget* panel)
{
    auto* log = new Log;
    QObject::connect(panel, &FinetuneWidget::valueChanged, panel,
                     [log](FinetuneWidget::FinetuneType t, int v) { log->append({int(t), v}); });
    QObject::connect(panel, &QObject::destroyed, [log] { delete log; });
    return log;
}

const char* const kSliders[] = {"saturationSlider", "contrastSlider", "brightnessSlider",
                                "sharpnessSlider", "temperatureSlider", "tintSlider"};
const char* const kSpins[] = {"saturationSpinBox", "contrastSpinBox", "brightnessSpinBox",
                              "sharpnessSpinBox", "temperatureSpinBox", "tintSpinBox"};

QContinuesSlider* slider(FinetuneWidget& w, int t)
{
    return w.findChild<QContinuesSlider*>(QString::fromLatin1(kSliders[t]));
}
QSpinBox* spin(FinetuneWidget& w, int t)
{
    return w.findChild<QSpinBox*>(QString::fromLatin1(kSpins[t]));
}

// Where the style puts the handle of `s` (the slider's own option builder is
// protected).
QRect handleRect(QSlider* s)
{
    QStyleOptionSlider option;
    option.initFrom(s);
    option.orientation = s->orientation();
    option.minimum = s->minimum();
    option.maximum = s->maximum();
    option.sliderPosition = s->sliderPosition();
    option.sliderValue = s->value();
    option.singleStep = s->singleStep();
    option.pageStep = s->pageStep();
    option.upsideDown = false;
    option.subControls = QStyle::SC_All;
    return s->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, s);
}

// Receives by signature string, as the appliances do.
class Receiver : public QObject
{
    Q_OBJECT
public:
    Log got;
public slots:
    void slotFinetuneChanged(FinetuneWidget::FinetuneType type, int value) { got.append({int(type), value}); }
};

} // namespace

class TestFinetuneWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(QStringLiteral("fusion")); }
    void form_data();
    void form();
    void restoreIsSilent();
    void setValue_data();
    void setValue();
    void typingEmitsEachValue();
    void drag_data();
    void drag();
    void grooveClickEmitsOnce();
    void wheelChangesNothing();
    void signatureConnection();
};

void TestFinetuneWidget::form_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("start");
    QTest::newRow("saturation") << 0 << -100 << 100 << 0;
    QTest::newRow("contrast") << 1 << -100 << 100 << 0;
    QTest::newRow("brightness") << 2 << -100 << 100 << 0;
    QTest::newRow("sharpness") << 3 << 0 << 100 << 0;
    QTest::newRow("temperature") << 4 << 2000 << 12000 << 5000;
    QTest::newRow("tint") << 5 << -150 << 150 << 10;
}

void TestFinetuneWidget::form()
{
    QFETCH(int, type);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, start);
    FinetuneWidget w;
    QCOMPARE(w.size(), QSize(213, 306));
    QContinuesSlider* s = slider(w, type);
    QSpinBox* b = spin(w, type);
    QVERIFY(s && b);
    QVERIFY(qobject_cast<QNoMouseWheelSpinbox*>(b));
    QCOMPARE(s->minimum(), minimum);
    QCOMPARE(s->maximum(), maximum);
    QCOMPARE(s->value(), start);
    QCOMPARE(b->minimum(), minimum);
    QCOMPARE(b->maximum(), maximum);
    QCOMPARE(b->value(), start);
    QCOMPARE(b->buttonSymbols(), QAbstractSpinBox::NoButtons);
    QCOMPARE(b->maximumWidth(), type == FinetuneWidget::Temperature ? QWIDGETSIZE_MAX : 40);
}

void TestFinetuneWidget::restoreIsSilent()
{
    FinetuneWidget w;
    for (int t = 0; t < 6; ++t)
        w.setValue(FinetuneWidget::FinetuneType(t), 77 + 2000 * (t == 4), true);
    Log* log = record(&w);
    w.restore();
    const int neutral[] = {0, 0, 0, 0, 5000, 10};
    for (int t = 0; t < 6; ++t) {
        QCOMPARE(slider(w, t)->value(), neutral[t]);
        QCOMPARE(spin(w, t)->value(), neutral[t]);
    }
    QVERIFY(log->isEmpty());
}

void TestFinetuneWidget::setValue_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("block");
    QTest::addColumn<int>("shown");
    QTest::addColumn<Log>("expected");
    QTest::newRow("temperature silent") << 4 << 6500 << true << 6500 << Log{};
    QTest::newRow("announced through the slider") << 1 << 40 << false << 40 << Log{{1, 40}};
    // Clamped by the row's range: tint -150 .. 150, sharpness 0 .. 100.
    QTest::newRow("tint above range") << 5 << 400 << true << 150 << Log{};
    QTest::newRow("sharpness below range") << 3 << -5 << true << 0 << Log{};
    QTest::newRow("temperature below range") << 4 << 100 << true << 2000 << Log{};
    // Type outside 0 .. 5: nothing moves, nothing is announced.
    QTest::newRow("type 6 ignored") << 6 << 50 << false << -1 << Log{};
    QTest::newRow("type -1 ignored") << -1 << 50 << false << -1 << Log{};
}

void TestFinetuneWidget::setValue()
{
    QFETCH(int, type);
    QFETCH(int, value);
    QFETCH(bool, block);
    QFETCH(int, shown);
    QFETCH(Log, expected);
    FinetuneWidget w;
    Log* log = record(&w);
    w.setValue(FinetuneWidget::FinetuneType(type), value, block);
    QCOMPARE(*log, expected);
    if (shown < 0) {
        const int neutral[] = {0, 0, 0, 0, 5000, 10};
        for (int t = 0; t < 6; ++t)
            QCOMPARE(slider(w, t)->value(), neutral[t]);
        return;
    }
    QCOMPARE(slider(w, type)->value(), shown);
    QCOMPARE(spin(w, type)->value(), shown);
}

void TestFinetuneWidget::typingEmitsEachValue()
{
    FinetuneWidget w;
    w.show();
    Log* log = record(&w);
    QSpinBox* box = spin(w, FinetuneWidget::Contrast);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("40"));
    QCOMPARE(*log, (Log{{1, 4}, {1, 40}}));
    QCOMPARE(slider(w, FinetuneWidget::Contrast)->value(), 40);
    // Stepping announces once.
    log->clear();
    box->stepBy(1);
    QCOMPARE(*log, (Log{{1, 41}}));
}

void TestFinetuneWidget::drag_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("continuous") << true;
    QTest::newRow("release only") << false;
}

void TestFinetuneWidget::drag()
{
    QFETCH(bool, accept);
    FinetuneWidget w;
    w.setAcceptContinuesValue(accept);
    w.resize(400, 306);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QContinuesSlider* s = slider(w, FinetuneWidget::Contrast);
    QSpinBox* box = spin(w, FinetuneWidget::Contrast);
    Log* log = record(&w);

    const QPoint grab = handleRect(s).center();
    sendMouse(s, QEvent::MouseButtonPress, grab);
    QVERIFY(s->isSliderDown());
    Log expected;
    for (int dx : {20, 50, 90}) {
        sendMouse(s, QEvent::MouseMove, grab + QPoint(dx, 0));
        if (accept) {
            expected.append({1, s->value()});
            QCOMPARE(box->value(), s->value());
        } else {
            QCOMPARE(box->value(), 0);
        }
    }
    QVERIFY(s->value() > 0);
    QCOMPARE(*log, expected);
    sendMouse(s, QEvent::MouseButtonRelease, grab + QPoint(90, 0));
    // The final value once more at the release.
    expected.append({1, s->value()});
    QCOMPARE(*log, expected);
    QCOMPARE(box->value(), s->value());
}

void TestFinetuneWidget::grooveClickEmitsOnce()
{
    FinetuneWidget w;
    w.resize(400, 306);
    w.show();
    QContinuesSlider* s = slider(w, FinetuneWidget::Saturation);
    Log* log = record(&w);
    // Groove click at x = 3/4 of the width: 3/4 * 200 - 100 = 50 (the
    // slider maps the widget's width, not the groove's).
    const int x = s->width() * 3 / 4;
    const int expected = int((double(x) / s->width()) * 200.0 - 100.0);
    QVERIFY(!handleRect(s).contains(QPoint(x, s->height() / 2)));
    sendMouse(s, QEvent::MouseButtonPress, QPointF(x, s->height() / 2));
    sendMouse(s, QEvent::MouseButtonRelease, QPointF(x, s->height() / 2));
    QCOMPARE(*log, (Log{{0, expected}}));
    QCOMPARE(spin(w, 0)->value(), expected);
}

void TestFinetuneWidget::wheelChangesNothing()
{
    FinetuneWidget w;
    w.show();
    Log* log = record(&w);
    for (int t = 0; t < 6; ++t) {
        for (QWidget* target : {static_cast<QWidget*>(spin(w, t)), static_cast<QWidget*>(slider(w, t))}) {
            const QPointF pos(target->width() / 2, target->height() / 2);
            QWheelEvent wheel(pos, target->mapToGlobal(pos), QPoint(), QPoint(0, 120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &wheel);
        }
    }
    QVERIFY(log->isEmpty());
    QCOMPARE(spin(w, 4)->value(), 5000);
}

void TestFinetuneWidget::signatureConnection()
{
    FinetuneWidget w;
    Receiver receiver;
    QVERIFY(QObject::connect(&w, SIGNAL(valueChanged(FinetuneWidget::FinetuneType,int)), &receiver,
                             SLOT(slotFinetuneChanged(FinetuneWidget::FinetuneType,int))));
    // Queued too: the type must be known to the meta-type system by name.
    QVERIFY(QMetaType::fromName("FinetuneWidget::FinetuneType").isValid());
    spin(w, FinetuneWidget::Tint)->setValue(-20);
    QCOMPARE(receiver.got, (Log{{5, -20}}));
}

QTEST_MAIN(TestFinetuneWidget)
#include "tst_finetunewidget.moc"
