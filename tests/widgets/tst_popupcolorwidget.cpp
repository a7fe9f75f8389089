#include "widgets/QColorSquare.h"
#include "widgets/QColorWidget.h"
#include "widgets/QPopupColorWidget.h"

#include "SliderEvents.h"

#include <QScreen>
#include <QSpinBox>
#include <QtTest>

namespace {

// Shows the pop-up with `color` at the cursor, away from the screen edges.
bool openOnScreen(QPopupColorWidget& popup, const QColor& color)
{
    QCursor::setPos(100, 100);
    popup.setColor(color);
    popup.showAt(QPoint(100, 100));
    return QTest::qWaitForWindowActive(&popup);
}

} // namespace

class TestPopupColorWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void construction();
    void setColorIsSilent();
    void forwardsUserChanges();
    void showAtKeepsThePopupOnScreen_data();
    void showAtKeepsThePopupOnScreen();
    void pressEndsThePopup_data();
    void pressEndsThePopup();
    void closeTakesInATypedNumber();
    void paintsBlackWithGreyFrame();
};

void TestPopupColorWidget::initTestCase()
{
    QApplication::setStyle(QStringLiteral("fusion"));
    QVERIFY(QGuiApplication::primaryScreen());
}

void TestPopupColorWidget::construction()
{
    QPopupColorWidget popup;
    QCOMPARE(popup.objectName(), QStringLiteral("QPopupColorWidget"));
    QVERIFY(popup.isHidden());
    QCOMPARE(popup.windowType(), Qt::Popup);
    QVERIFY(popup.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(popup.testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(popup.testAttribute(Qt::WA_NoMousePropagation));
    QCOMPARE(popup.styleSheet(), QStringLiteral("background-color: rgb(0, 0, 0);\nborder-radius: 2px;\n"));
    auto* panel = popup.findChild<QColorWidget*>(QStringLiteral("colorWidget"));
    QVERIFY(panel);
    QCOMPARE(panel->minimumWidth(), 200);
    // 220, or what the boxes need to show three digits when that is more.
    QCOMPARE(panel->maximumWidth(), qMax(220, panel->minimumSizeHint().width()));
    QCOMPARE(popup.tag, 0);
    popup.tag = 3;
    QCOMPARE(popup.tag, 3);
}

void TestPopupColorWidget::setColorIsSilent()
{
    QPopupColorWidget popup;
    QSignalSpy changed(&popup, &QPopupColorWidget::colorChanged);
    QSignalSpy selected(&popup, &QPopupColorWidget::colorSelected);
    popup.setColor(QColor(1, 2, 3));
    QCOMPARE(popup.color().rgb(), qRgb(1, 2, 3));
    QCOMPARE(changed.size(), 0);
    QCOMPARE(selected.size(), 0);
}

void TestPopupColorWidget::forwardsUserChanges()
{
    QPopupColorWidget popup;
    QSignalSpy changed(&popup, &QPopupColorWidget::colorChanged);
    popup.findChild<QSpinBox*>(QStringLiteral("bSpinBox"))->setValue(99);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).value<QColor>().rgb(), qRgb(0, 0, 99));
}

void TestPopupColorWidget::showAtKeepsThePopupOnScreen_data()
{
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("expected");

    // The rules: past the bottom, end at the cursor's height; past the
    // right, end at the screen's right edge; never start above or left of
    // the screen, nor end below it.
    QTest::newRow("room enough") << QPoint(100, 100) << QPoint(100, 100) << "at";
    QTest::newRow("bottom right corner") << QPoint(-10, -10) << QPoint(-10, -10) << "cursor bottom, screen right";
    QTest::newRow("right side") << QPoint(-10, 100) << QPoint(-10, 100) << "top at, screen right";
    QTest::newRow("no screen under the cursor") << QPoint(50000, 50000) << QPoint(50000, 50000)
                                                << "screen bottom, screen right";
    QTest::newRow("left of the screen") << QPoint(100, 100) << QPoint(-5000, 100) << "top at, screen left";
}

void TestPopupColorWidget::showAtKeepsThePopupOnScreen()
{
    QFETCH(QPoint, cursor);
    QFETCH(QPoint, at);
    QFETCH(QString, expected);

    // The part of the screen that panels and docks leave free.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    // Negative coordinates count from the bottom right corner of the screen.
    const auto resolve = [&](QPoint p) {
        return QPoint(p.x() < 0 && p.x() > -100 ? area.right() + 1 + p.x() : p.x(),
                      p.y() < 0 && p.y() > -100 ? area.bottom() + 1 + p.y() : p.y());
    };
    cursor = resolve(cursor);
    at = resolve(at);
    QCursor::setPos(cursor);
    QCOMPARE(QCursor::pos(), cursor);

    QPopupColorWidget popup;
    popup.showAt(at);
    const QRect g = popup.geometry();
    QVERIFY(popup.isVisible());
    // The laid-out size counts, not the form's first 220 x 34: 220 wide, or
    // the panel's need and the margins (12 on each side) when more.
    const int panelNeeds = popup.findChild<QColorWidget*>()->minimumSizeHint().width();
    QCOMPARE(g.width(), qMax(220, panelNeeds + 24));
    QVERIFY(g.height() >= 128 + 12);

    if (expected == QLatin1String("at")) {
        QCOMPARE(g.topLeft(), at);
    } else if (expected == QLatin1String("cursor bottom, screen right")) {
        QCOMPARE(g.bottom(), cursor.y());
        QCOMPARE(g.right(), area.right());
    } else if (expected == QLatin1String("top at, screen right")) {
        QCOMPARE(g.top(), at.y());
        QCOMPARE(g.right(), area.right());
    } else if (expected == QLatin1String("screen bottom, screen right")) {
        QCOMPARE(g.bottom(), area.bottom());
        QCOMPARE(g.right(), area.right());
    } else if (expected == QLatin1String("top at, screen left")) {
        QCOMPARE(g.top(), at.y());
        QCOMPARE(g.left(), area.left());
    } else {
        QFAIL("unknown expectation");
    }
}

void TestPopupColorWidget::pressEndsThePopup_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("selections");

    // A pop-up receives every press while it is open: one outside its
    // rectangle closes it with the colour, one on its black margin only
    // hides it.
    QTest::newRow("outside") << QPoint(-20, -20) << 1;
    QTest::newRow("on the margin") << QPoint(4, 4) << 0;
}

void TestPopupColorWidget::pressEndsThePopup()
{
    QFETCH(QPoint, pos);
    QFETCH(int, selections);

    QPopupColorWidget popup;
    QVERIFY(openOnScreen(popup, QColor(12, 34, 56)));
    QSignalSpy selected(&popup, &QPopupColorWidget::colorSelected);
    QSignalSpy changed(&popup, &QPopupColorWidget::colorChanged);

    QTest::mouseClick(&popup, Qt::LeftButton, Qt::NoModifier, pos);
    QVERIFY(!popup.isVisible());
    QCOMPARE(selected.size(), selections);
    if (selections)
        QCOMPARE(selected.at(0).at(0).value<QColor>().rgb(), qRgb(12, 34, 56));
    QCOMPARE(changed.size(), 0);
}

void TestPopupColorWidget::closeTakesInATypedNumber()
{
    QPopupColorWidget popup;
    QVERIFY(openOnScreen(popup, QColor(10, 20, 30)));
    auto* red = popup.findChild<QSpinBox*>(QStringLiteral("rSpinBox"));
    red->setFocus();
    QTRY_VERIFY(red->hasFocus());
    red->selectAll();
    QTest::keyClicks(red, QStringLiteral("77"));
    QSignalSpy selected(&popup, &QPopupColorWidget::colorSelected);
    QSignalSpy changed(&popup, &QPopupColorWidget::colorChanged);

    popup.close();
    QCOMPARE(changed.size(), 1);
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.at(0).at(0).value<QColor>().rgb(), qRgb(77, 20, 30));
}

void TestPopupColorWidget::paintsBlackWithGreyFrame()
{
    QPopupColorWidget popup;
    popup.resize(220, 160);
    const QImage image = popup.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    // Half of the 2-pixel dark grey pen on the edge lies inside the widget;
    // the rest is black.
    QCOMPARE(image.pixel(0, 80), QColor(Qt::darkGray).rgb());
    QCOMPARE(image.pixel(110, 0), QColor(Qt::darkGray).rgb());
    QCOMPARE(image.pixel(4, 80), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(110, 4), qRgb(0, 0, 0));
}

QTEST_MAIN(TestPopupColorWidget)
#include "tst_popupcolorwidget.moc"
