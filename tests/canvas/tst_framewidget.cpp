#include "canvas/FrameFactory.h"
#include "canvas/FrameWidget.h"

#include "widgets/ColorSelectorButton.h"
#include "widgets/PixmapButton.h"
#include "widgets/QContinuesSlider.h"
#include "widgets/QPopupColorWidget.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QtTest>

namespace {

// Every signal of the panel in order, as "frame 4", "alpha 200", ...
QStringList* record(FrameWidget* w)
{
    auto* log = new QStringList;
    QObject::connect(w, &FrameWidget::frameSelected, w, [log](uint c) { log->append(QStringLiteral("frame %1").arg(c)); });
    QObject::connect(w, &FrameWidget::shapeColorChanged, w,
                     [log](QColor c) { log->append(QStringLiteral("color ") + c.name()); });
    QObject::connect(w, &FrameWidget::shapeAlphaChanged, w, [log](int a) { log->append(QStringLiteral("alpha %1").arg(a)); });
    QObject::connect(w, &FrameWidget::shapeMarginChanged, w,
                     [log](int m) { log->append(QStringLiteral("margin %1").arg(m)); });
    QObject::connect(w, &QObject::destroyed, [log] { delete log; });
    return log;
}

QList<PixmapButton*> buttonsInGridOrder(FrameWidget& w)
{
    auto* grid = w.findChild<QGridLayout*>(QStringLiteral("gridLayout"));
    QList<PixmapButton*> buttons;
    for (int i = 0; i < grid->count(); ++i) {
        int row, column, rs, cs;
        grid->getItemPosition(i, &row, &column, &rs, &cs);
        if (column != i % 3 || row != i / 3)
            return {};
        buttons << qobject_cast<PixmapButton*>(grid->itemAt(i)->widget());
    }
    return buttons;
}

// 1 when the swatch and both sliders are enabled, 0 when all are disabled,
// -1 when mixed.
int controlsEnabled(FrameWidget& w)
{
    const bool color = w.findChild<ColorSelectorButton*>(QStringLiteral("frameColorButn"))->isEnabled();
    const bool alpha = w.findChild<QContinuesSlider*>(QStringLiteral("alphaSlider"))->isEnabled();
    const bool margin = w.findChild<QContinuesSlider*>(QStringLiteral("marginSlider"))->isEnabled();
    return color && alpha && margin ? 1 : (!color && !alpha && !margin ? 0 : -1);
}

} // namespace

class TestFrameWidget : public QObject
{
    Q_OBJECT

private slots:
    void buttons();
    void choose_data();
    void choose();
    void setFrameClassIsSilent();
    void setters();
    void slidersStopAtTheirEnds();
    void colourPopup();
};

void TestFrameWidget::buttons()
{
    FrameWidget w;
    QCOMPARE(w.size(), QSize(218, 357));
    const QList<PixmapButton*> buttons = buttonsInGridOrder(w);
    const QList<quint32> classes = FrameFactory::classes();
    QCOMPARE(buttons.size(), classes.size());
    for (int i = 0; i < buttons.size(); ++i) {
        QVERIFY(buttons[i]->isCheckable());
        QCOMPARE(buttons[i]->fixedSize(), QSize(56, 56));
        QCOMPARE(buttons[i]->pixmap().size(), QSize(96, 96));
        QCOMPARE(buttons[i]->group()->id(buttons[i]), int(classes[i]));
    }
    QCOMPARE(buttons[0]->toolTip(), QStringLiteral("No Shape"));
    QVERIFY(buttons[0]->group()->exclusive());
    // The cross of "No Shape": light grey on the diagonal, clear in a corner.
    const QImage cross = buttons[0]->pixmap().toImage();
    QCOMPARE(cross.pixelColor(48, 48).rgb(), QColor(Qt::lightGray).rgb());
    QCOMPARE(cross.pixelColor(2, 50).alpha(), 0);
}

void TestFrameWidget::choose_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("enabled");
    for (int i = 0; i < FrameFactory::classes().size(); ++i)
        QTest::addRow("class %u", FrameFactory::classes()[i]) << i << (FrameFactory::classes()[i] != 0);
}

void TestFrameWidget::choose()
{
    QFETCH(int, index);
    QFETCH(bool, enabled);
    FrameWidget w;
    // Start from a class other than the one chosen, with the opposite state.
    w.setFrameClass(enabled ? 0 : 1);
    QStringList* log = record(&w);
    const quint32 id = FrameFactory::classes()[index];
    const FrameProp prop = FrameFactory::defaultFrameProp(id);
    buttonsInGridOrder(w)[index]->click();
    QCOMPARE(*log, (QStringList{QStringLiteral("frame %1").arg(id), QStringLiteral("alpha %1").arg(prop.alpha),
                                QStringLiteral("margin %1").arg(prop.margin)}));
    QCOMPARE(controlsEnabled(w), int(enabled));
    QCOMPARE(w.findChild<ColorSelectorButton*>(QStringLiteral("frameColorButn"))->color(), prop.topColor);
}

void TestFrameWidget::setFrameClassIsSilent()
{
    FrameWidget w;
    QStringList* log = record(&w);
    w.setFrameClass(4);
    QVERIFY(buttonsInGridOrder(w)[2]->isChecked());
    QCOMPARE(controlsEnabled(w), 1);
    // 3 and 99 have no button: nothing changes.
    w.setFrameClass(3);
    w.setFrameClass(99);
    QVERIFY(buttonsInGridOrder(w)[2]->isChecked());
    QCOMPARE(controlsEnabled(w), 1);
    w.setFrameClass(0);
    QCOMPARE(controlsEnabled(w), 0);
    QVERIFY(log->isEmpty());
}

void TestFrameWidget::setters()
{
    FrameWidget w;
    QStringList* log = record(&w);
    w.setFrameAlpha(200);
    w.setFrameMargin(7);
    w.setFrameColor(QColor(1, 2, 3));
    QCOMPARE(*log, (QStringList{"alpha 200", "margin 7"}));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("opacityValueLabel"))->text(), QStringLiteral("200"));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("marginValueLabel"))->text(), QStringLiteral("7"));
    QCOMPARE(w.findChild<ColorSelectorButton*>(QStringLiteral("frameColorButn"))->color(), QColor(1, 2, 3));
}

void TestFrameWidget::slidersStopAtTheirEnds()
{
    FrameWidget w;
    QStringList* log = record(&w);
    w.setFrameAlpha(1000);
    w.setFrameMargin(40);
    QCOMPARE(*log, (QStringList{"alpha 255", "margin 15"}));
}

void TestFrameWidget::colourPopup()
{
    FrameWidget w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QStringList* log = record(&w);
    auto* swatch = w.findChild<ColorSelectorButton*>(QStringLiteral("frameColorButn"));
    QCOMPARE(swatch->size(), QSize(16, 16));
    QVERIFY(!w.popup());
    emit swatch->clicked();
    QVERIFY(w.popup());
    QVERIFY(w.popup()->isVisible());
    emit swatch->clicked();
    QVERIFY(!w.popup()->isVisible());
    QVERIFY(log->isEmpty());

    QSignalSpy swatchSpy(swatch, &ColorSelectorButton::colorChanged);
    emit w.popup()->colorChanged(QColor(0, 128, 255));
    QCOMPARE(*log, QStringList{"color #0080ff"});
    QCOMPARE(swatch->color(), QColor(0, 128, 255));
    QCOMPARE(swatchSpy.count(), 1);
}

QTEST_MAIN(TestFrameWidget)
#include "tst_framewidget.moc"
