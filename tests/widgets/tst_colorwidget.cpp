#include "widgets/QColorPreview.h"
#include "widgets/QColorSquare.h"
#include "widgets/QColorWidget.h"
#include "widgets/QGradientSlider.h"

#include "SliderEvents.h"

#include <QLabel>
#include <QSpinBox>
#include <QtTest>

namespace {

// The panel with its named children.
struct Panel
{
    Panel()
    {
        r = widget.findChild<QSpinBox*>(QStringLiteral("rSpinBox"));
        g = widget.findChild<QSpinBox*>(QStringLiteral("gSpinBox"));
        b = widget.findChild<QSpinBox*>(QStringLiteral("bSpinBox"));
        square = widget.findChild<QColorSquare*>(QStringLiteral("colorSquareWidget"));
        hue = widget.findChild<QGradientSlider*>(QStringLiteral("hueSlider"));
        swatch = widget.findChild<QColorPreview*>(QStringLiteral("colorPreviewWidget"));
        caption = widget.findChild<QLabel*>(QStringLiteral("colorDescLabel"));
    }
    QColor boxes() const { return QColor(r->value(), g->value(), b->value()); }

    QColorWidget widget;
    QSpinBox* r;
    QSpinBox* g;
    QSpinBox* b;
    QColorSquare* square;
    QGradientSlider* hue;
    QColorPreview* swatch;
    QLabel* caption;
};

} // namespace

class TestColorWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void form();
    void hueSlider();
    void setColorIsSilent_data();
    void setColorIsSilent();
    void descText();
    void typingAChannelEmitsOnce();
    void boxEditMovesTheSquareNotTheSlider();
    void hueSliderMoveKeepsSaturationAndValue();
    void dragInTheSquare();
};

void TestColorWidget::initTestCase()
{
    QApplication::setStyle(QStringLiteral("fusion"));
}

void TestColorWidget::form()
{
    Panel p;
    QVERIFY(p.r && p.g && p.b && p.square && p.hue && p.swatch && p.caption);
    QCOMPARE(p.widget.objectName(), QStringLiteral("QColorWidget"));
    QCOMPARE(p.widget.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(p.widget.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(p.widget.maximumSize(), QSize(330, 128));
    QCOMPARE(p.swatch->minimumSize(), QSize(12, 12));
    QCOMPARE(p.swatch->maximumSize(), QSize(12, 12));
    for (QSpinBox* box : {p.r, p.g, p.b}) {
        QCOMPARE(box->minimum(), 0);
        QCOMPARE(box->maximum(), 255);
        QCOMPARE(box->buttonSymbols(), QAbstractSpinBox::NoButtons);
    }
    const QString sheetA = QStringLiteral("QSpinBox\n{\n\tborder:1px solid #242424;\nheight:14\n\n}\n \n"
                                          "QSpinBox::up-button,QSpinBox::down-button\n{\n\twidth:0px;\n}\n");
    const QString sheetB = QStringLiteral("QSpinBox\n{\n\tborder:1px solid #242424;\nheight:14\n}\n \n"
                                          "QSpinBox::up-button,QSpinBox::down-button\n{\n\twidth:0px;\n}\n");
    QCOMPARE(p.r->styleSheet(), sheetA);
    QCOMPARE(p.g->styleSheet(), sheetB);
    QCOMPARE(p.b->styleSheet(), sheetA);
    QCOMPARE(p.caption->text(), QStringLiteral("Color:"));
}

void TestColorWidget::hueSlider()
{
    Panel p;
    QCOMPARE(p.hue->orientation(), Qt::Vertical);
    QCOMPARE(p.hue->minimum(), 0);
    QCOMPARE(p.hue->maximum(), 359);
    QCOMPARE(p.hue->value(), 0);
    QCOMPARE(p.hue->width(), 24);
    // Listed from the top of the vertical slider down to its minimum: red,
    // magenta, blue, cyan, green, yellow, red.
    const QList<QColor> expected{QColor(Qt::red),           QColor::fromHsv(300, 255, 255),
                                 QColor::fromHsv(240, 255, 255), QColor::fromHsv(180, 255, 255),
                                 QColor::fromHsv(120, 255, 255), QColor::fromHsv(60, 255, 255),
                                 QColor::fromHsv(0, 255, 255)};
    QCOMPARE(p.hue->colors(), expected);
    QCOMPARE(p.hue->colors().front().rgb(), qRgb(255, 0, 0));
    QCOMPARE(p.hue->colors().back().rgb(), qRgb(255, 0, 0));
}

void TestColorWidget::setColorIsSilent_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<int>("hue");

    QTest::newRow("orange") << QColor(200, 120, 40) << 30;
    // A grey has hue -1; the slider clamps it to 0.
    QTest::newRow("grey") << QColor(90, 90, 90) << 0;
}

void TestColorWidget::setColorIsSilent()
{
    QFETCH(QColor, color);
    QFETCH(int, hue);

    Panel p;
    p.hue->setValue(200);
    QSignalSpy changed(&p.widget, &QColorWidget::colorChanged);
    p.widget.setColor(color);

    QCOMPARE(changed.size(), 0);
    QCOMPARE(p.hue->value(), hue);
    QCOMPARE(p.boxes(), color);
    QCOMPARE(p.swatch->color(), color);
    QCOMPARE(p.widget.color().rgb(), color.rgb());
    // Nothing stays blocked.
    QVERIFY(!p.widget.signalsBlocked());
    QVERIFY(!p.r->signalsBlocked());
    QVERIFY(!p.square->signalsBlocked());
}

void TestColorWidget::descText()
{
    Panel p;
    p.widget.setDescText(QString());
    QVERIFY(p.caption->isHidden());
    p.widget.setDescText(QStringLiteral("Text color"));
    QVERIFY(!p.caption->isHidden());
    QCOMPARE(p.caption->text(), QStringLiteral("Text color"));
}

void TestColorWidget::typingAChannelEmitsOnce()
{
    Panel p;
    p.widget.setColor(QColor(10, 20, 30));
    p.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.widget));
    QSignalSpy changed(&p.widget, &QColorWidget::colorChanged);

    p.g->setFocus();
    p.g->selectAll();
    QTest::keyClicks(p.g, QStringLiteral("200"));
    QCOMPARE(changed.size(), 0);
    QTest::keyClick(p.g, Qt::Key_Return);

    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).value<QColor>().rgb(), qRgb(10, 200, 30));
    QCOMPARE(p.boxes(), QColor(10, 200, 30));
    QCOMPARE(p.swatch->color().rgb(), qRgb(10, 200, 30));
}

void TestColorWidget::boxEditMovesTheSquareNotTheSlider()
{
    Panel p;
    p.widget.setColor(QColor(0, 0, 255));
    QCOMPARE(p.hue->value(), 240);
    QSignalSpy changed(&p.widget, &QColorWidget::colorChanged);

    p.r->setValue(255);
    QCOMPARE(changed.size(), 1);
    // Magenta: the square has hue 300 now, the slider stays at 240.
    QVERIFY(qAbs(p.square->hue() - 300.0 / 360) < 1e-4);
    QCOMPARE(p.square->marker(), QPointF(1, 1));
    QCOMPARE(p.hue->value(), 240);
    QCOMPARE(changed.at(0).at(0).value<QColor>().rgb(), qRgb(255, 0, 255));
}

void TestColorWidget::hueSliderMoveKeepsSaturationAndValue()
{
    Panel p;
    p.widget.setColor(QColor::fromHsv(0, 128, 200));
    QSignalSpy changed(&p.widget, &QColorWidget::colorChanged);

    p.hue->setValue(120);
    QCOMPARE(changed.size(), 1);
    const QColor c = changed.at(0).at(0).value<QColor>();
    QCOMPARE(c.hue(), 120);
    QCOMPARE(c.saturation(), 128);
    QCOMPARE(c.value(), 200);
    QCOMPARE(p.boxes(), QColor(c.red(), c.green(), c.blue()));
}

void TestColorWidget::dragInTheSquare()
{
    Panel p;
    p.widget.setColor(QColor::fromHsv(240, 255, 255));
    p.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.widget));
    QSignalSpy changed(&p.widget, &QColorWidget::colorChanged);

    const QSize size = p.square->size();
    sendMouse(p.square, QEvent::MouseButtonPress, QPointF(size.width() / 2, size.height() / 2));
    sendMouse(p.square, QEvent::MouseMove, QPointF(size.width() / 2, size.height() / 2));
    sendMouse(p.square, QEvent::MouseMove, QPointF(size.width() + 40, -10));
    // One change per move; the top edge is black.
    QCOMPARE(changed.size(), 2);
    QCOMPARE(changed.at(1).at(0).value<QColor>().rgb(), qRgb(0, 0, 0));
    QCOMPARE(p.boxes(), QColor(0, 0, 0));
    QCOMPARE(p.hue->value(), 240);

    sendMouse(p.square, QEvent::MouseButtonRelease, QPointF(size.width() + 40, size.height() + 40));
    QCOMPARE(changed.size(), 3);
    QCOMPARE(p.boxes(), QColor(0, 0, 255));
}

QTEST_MAIN(TestColorWidget)
#include "tst_colorwidget.moc"
