#include "widgets/QToolBoxWidget.h"

#include "RatioTestMain.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

QPushButton* headerButton(QToolBoxWidget& box)
{
    return box.findChild<QPushButton*>(QStringLiteral("closureButn"));
}

QWidget* body(QToolBoxWidget& box)
{
    return box.findChild<QWidget*>(QStringLiteral("widgetContent"));
}

// The two labels the header button carries: arrow first, then title.
QLabel* arrowLabel(QToolBoxWidget& box)
{
    return headerButton(box)->findChildren<QLabel*>().value(0);
}

QLabel* titleLabel(QToolBoxWidget& box)
{
    return headerButton(box)->findChildren<QLabel*>().value(1);
}

QSizeF logicalSize(const QPixmap& pixmap)
{
    return pixmap.deviceIndependentSize();
}

} // namespace

class TestQToolBoxWidget : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void addWidget_data();
    void addWidget();
    void headerClickToggles();
    void arrowFitsItsLabel_data();
    void arrowFitsItsLabel();
    void layoutAndColours_data();
    void layoutAndColours();
};

void TestQToolBoxWidget::form()
{
    QToolBoxWidget box;
    QCOMPARE(box.objectName(), QStringLiteral("QToolBoxWidget"));
    QCOMPARE(box.size(), QSize(421, 192));
    QVERIFY(!box.isExpanded());
    QVERIFY(!body(box)->isHidden());

    auto* outer = qobject_cast<QVBoxLayout*>(box.layout());
    QVERIFY(outer);
    QCOMPARE(outer->spacing(), 0);
    QCOMPARE(outer->contentsMargins(), QMargins(0, 0, 1, 0));

    QPushButton* button = headerButton(box);
    QVERIFY(button);
    QCOMPARE(button->minimumHeight(), 28);
    QVERIFY(button->isFlat());
    QVERIFY(!button->isCheckable());
    QVERIFY(button->text().isEmpty());
    QCOMPARE(button->styleSheet(), QStringLiteral("background-color:rgba(0,0,0,0);border:none"));
    QCOMPARE(button->parentWidget()->objectName(), QStringLiteral("horizontalWidget"));
    QCOMPARE(button->parentWidget()->styleSheet(), QStringLiteral("background-color:#303030"));

    auto* actions = box.findChild<QHBoxLayout*>(QStringLiteral("actionLayout"));
    QVERIFY(actions);
    QCOMPARE(actions->spacing(), 0);
    QCOMPARE(actions->contentsMargins().left(), 12);
    QCOMPARE(actions->contentsMargins().right(), 12);

    auto* content = box.findChild<QVBoxLayout*>(QStringLiteral("verticalLayoutContent"));
    QVERIFY(content);
    QCOMPARE(content->spacing(), 6);

    QCOMPARE(arrowLabel(box)->size(), QSize(9, 9));
    QCOMPARE(arrowLabel(box)->alignment(), Qt::AlignCenter);
    QCOMPARE(titleLabel(box)->minimumHeight(), 14);
}

void TestQToolBoxWidget::addWidget_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("withWidget");
    QTest::addColumn<bool>("expanded");
    QTest::addColumn<int>("contentMargin");

    QTest::newRow("flush, expanded") << 0 << true << true << 0;
    QTest::newRow("flush, collapsed") << 0 << true << false << 0;
    QTest::newRow("indented, expanded") << 1 << true << true << 6;
    QTest::newRow("other type indents") << 7 << true << true << 6;
    QTest::newRow("null widget, collapsed") << 1 << false << false << 6;
    QTest::newRow("null widget, expanded") << 0 << false << true << 0;
}

void TestQToolBoxWidget::addWidget()
{
    QFETCH(int, type);
    QFETCH(bool, withWidget);
    QFETCH(bool, expanded);
    QFETCH(int, contentMargin);

    QToolBoxWidget box(nullptr, QToolBoxWidget::ToolboxType(type));
    QWidget* widget = withWidget ? new QLabel(QStringLiteral("content")) : nullptr;
    box.addWidget(QStringLiteral("Background Color"), widget, expanded);

    QCOMPARE(titleLabel(box)->text(), QStringLiteral("Background Color"));
    QCOMPARE(box.isExpanded(), expanded);
    QCOMPARE(body(box)->isHidden(), !expanded);
    auto* content = box.findChild<QVBoxLayout*>(QStringLiteral("verticalLayoutContent"));
    QCOMPARE(content->contentsMargins(), QMargins(contentMargin, 0, 0, 0));
    QCOMPARE(content->count(), withWidget ? 1 : 0);
    if (widget)
        QVERIFY(body(box)->isAncestorOf(widget));
}

void TestQToolBoxWidget::headerClickToggles()
{
    QToolBoxWidget box(nullptr, QToolBoxWidget::Flush);
    auto* right = new QLabel(QStringLiteral("right"));
    box.addRightWidget(right);
    box.addWidget(QStringLiteral("Layer"), new QLabel(QStringLiteral("content")), true);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QVERIFY(body(box)->isVisible());

    // Pointing down (wider than high) while expanded, right while collapsed.
    auto arrowIsWide = [&] {
        const QSizeF s = logicalSize(arrowLabel(box)->pixmap());
        return s.width() > s.height();
    };
    QVERIFY(arrowIsWide());

    titleLabel(box)->setStyleSheet(QStringLiteral("color: red"));
    QTest::mouseClick(headerButton(box), Qt::LeftButton);
    QVERIFY(!box.isExpanded());
    QVERIFY(!body(box)->isVisible());
    QVERIFY(!arrowIsWide());
    QVERIFY(titleLabel(box)->styleSheet().isEmpty());
    QVERIFY(right->isVisible());

    QTest::mouseClick(headerButton(box), Qt::LeftButton);
    QVERIFY(box.isExpanded());
    QVERIFY(body(box)->isVisible());
    QVERIFY(arrowIsWide());
    QVERIFY(right->isVisible());
}

// Ratio 1 shrinks the arrows to fit 9 x 9 with their aspect kept (9 x 7 and
// 7 x 9), ratio 2 keeps their pixels at ratio 2, other ratios shrink what
// would overflow.
void TestQToolBoxWidget::arrowFitsItsLabel_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("pixelsAtRatio1");
    QTest::newRow("down arrow 18 x 14") << ":/data/Icon_ex.png" << QSize(9, 7);
    QTest::newRow("right arrow 14 x 18") << ":/data/Icon_ret.png" << QSize(7, 9);
}

void TestQToolBoxWidget::arrowFitsItsLabel()
{
    QFETCH(QString, path);
    QFETCH(QSize, pixelsAtRatio1);

    const QPixmap source(path);
    QVERIFY(!source.isNull());
    QToolBoxWidget box;
    const QPixmap arrow = box.closureIcon(path);
    const double ratio = qApp->devicePixelRatio();

    if (ratio < 1.001) {
        QCOMPARE(arrow.size(), pixelsAtRatio1);
        QCOMPARE(arrow.devicePixelRatio(), 1.0);
    } else if (qFuzzyCompare(ratio, 2.0)) {
        QImage pixels = source.toImage();
        pixels.setDevicePixelRatio(2.0);
        QCOMPARE(arrow.toImage(), pixels);
    }
    QCOMPARE(arrow.devicePixelRatio(), ratio);
    const QSizeF logical = logicalSize(arrow);
    QVERIFY2(logical.width() <= 9 && logical.height() <= 9,
             qPrintable(QStringLiteral("%1 x %2").arg(logical.width()).arg(logical.height())));
    const double aspect = double(source.width()) / source.height();
    QVERIFY(qAbs(arrow.width() - aspect * arrow.height()) <= 1.0);
}

// The dark header row with arrow and title at the indent of the type, the
// right-hand widget 12 px from the right edge (which keeps 1 px), the body
// below the 28 px header, indented 6 px in an indented section.
void TestQToolBoxWidget::layoutAndColours_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("arrowX");
    QTest::addColumn<int>("contentX");
    QTest::newRow("flush") << 0 << 2 << 0;
    QTest::newRow("indented") << 1 << 10 << 6;
}

void TestQToolBoxWidget::layoutAndColours()
{
    QFETCH(int, type);
    QFETCH(int, arrowX);
    QFETCH(int, contentX);

    QToolBoxWidget box(nullptr, QToolBoxWidget::ToolboxType(type));
    auto* content = new QLabel(QStringLiteral("content"));
    auto* right = new QLabel(QStringLiteral("R"));
    right->setFixedSize(16, 16);
    box.addRightWidget(right);
    box.addWidget(QStringLiteral("Background Picture"), content, true);
    // Side bars stack the sections at their preferred height.
    box.resize(240, box.sizeHint().height());
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));

    QLabel* arrow = arrowLabel(box);
    QCOMPARE(arrow->mapTo(&box, QPoint(0, 0)).x(), arrowX);
    // The header layout keeps the style's spacing between arrow and title,
    // on top of the 2 px spacer.
    const int spacing = headerButton(box)->layout()->spacing();
    QCOMPARE(titleLabel(box)->mapTo(&box, QPoint(0, 0)).x(), arrowX + 9 + 2 + spacing);
    QCOMPARE(headerButton(box)->parentWidget()->geometry(), QRect(0, 0, 239, 28));
    QCOMPARE(right->mapTo(&box, QPoint(16, 0)).x(), 239 - 12);
    QCOMPARE(content->mapTo(&box, QPoint(0, 0)), QPoint(contentX, 28));

    const QImage image = box.grab().toImage();
    const double ratio = image.devicePixelRatio();
    auto colourAt = [&](double x, double y) { return image.pixelColor(int(x * ratio), int(y * ratio)); };
    QCOMPARE(colourAt(150.5, 14.5), QColor(0x30, 0x30, 0x30));
    QCOMPARE(colourAt(0.5, 1.5), QColor(0x30, 0x30, 0x30));
    // The arrow is drawn grey inside its label, centred on the header row.
    const QPoint arrowCentre = arrow->mapTo(&box, QPoint(4, 4));
    const QColor grey = colourAt(arrowCentre.x() + 0.5, arrowCentre.y() + 0.5);
    QVERIFY2(grey.lightness() > 0x70 && grey.saturation() < 20, qPrintable(grey.name()));
    QCOMPARE(arrow->mapTo(&box, QPoint(0, 0)).y(), (28 - 9) / 2);
}

VELLUMAR_TEST_MAIN_AT_RATIOS(TestQToolBoxWidget, 1.0, 1.5, 2.0, 3.0)
#include "tst_qtoolboxwidget.moc"
