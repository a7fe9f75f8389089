#include "widgets/FloatingWidgetContainer.h"
#include "widgets/OverlayWidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWheelEvent>
#include <QWindow>
#include <QtTest>

namespace {

// An overlay of a known size hint.
class BoxOverlay : public OverlayWidget
{
public:
    using OverlayWidget::OverlayWidget;
    QSize sizeHint() const override { return QSize(40, 20); }
};

// Counts the mouse events that reach a widget.
template <class Base>
class Counting : public Base
{
public:
    using Base::Base;
    int presses = 0;
    int releases = 0;
    int wheels = 0;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        ++presses;
        event->accept();
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        ++releases;
        event->accept();
    }
    void wheelEvent(QWheelEvent* event) override
    {
        ++wheels;
        event->accept();
    }
};

using CountingContainer = Counting<FloatingWidgetContainer>;

QWheelEvent wheelAt(QPointF pos)
{
    return QWheelEvent(pos, pos, QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
}

} // namespace

class TestOverlayWidget : public QObject
{
    Q_OBJECT

private slots:
    void floatingWidgetStartsHidden();
    void placement_data();
    void placement();
    void placementFollowsTheContainerWhileHidden();
    void swallowsMouseEvents();
    void containerHandsFocusOn_data();
    void containerHandsFocusOn();
    void hideReturnsFocusToTheParent();
    void fadeOut();
    void hideAnimatedWithoutFade_data();
    void hideAnimatedWithoutFade();
};

void TestOverlayWidget::floatingWidgetStartsHidden()
{
    FloatingWidgetContainer container;
    QCOMPARE(container.focusPolicy(), Qt::StrongFocus);
    BoxOverlay overlay(&container);
    QCOMPARE(overlay.parentWidget(), &container);
    QCOMPARE(overlay.accessibleName(), QStringLiteral("OverlayWidget"));
    QCOMPARE(overlay.containerSize(), QSize(-1, -1));
    QVERIFY(!overlay.acceptKeyboardFocus());
    QCOMPARE(overlay.horizontalMargin(), 5);
    QCOMPARE(overlay.verticalMargin(), 35);
    QCOMPARE(overlay.property("opacity").toDouble(), 1.0);
    // Explicitly hidden: showing the container leaves it hidden.
    container.resize(100, 100);
    container.show();
    QVERIFY(QTest::qWaitForWindowExposed(&container));
    QVERIFY(!overlay.isVisible());
    QCOMPARE(overlay.containerSize(), QSize(100, 100));
}

// Overlay 40 x 20; positions by number, 9 being none of the anchors.
void TestOverlayWidget::placement_data()
{
    QTest::addColumn<QSize>("container");
    QTest::addColumn<int>("hm");
    QTest::addColumn<int>("vm");
    QTest::addColumn<int>("position");
    QTest::addColumn<QRect>("expected");

    auto rows = [](const char* name, QSize c, int hm, int vm, const QList<QPoint>& at) {
        static const char* const names[] = {"left", "right", "bottom", "top", "top-left",
                                            "top-right", "bottom-left", "bottom-right", "centre", "other"};
        for (int p = 0; p < at.size(); ++p)
            QTest::addRow("%s %s", name, names[p]) << c << hm << vm << p << QRect(at[p], QSize(40, 20));
    };
    // Default margins 5 and 35.
    rows("300x200", QSize(300, 200), 5, 35,
         {{5, 90}, {255, 90}, {130, 145}, {130, 35}, {5, 35}, {255, 35}, {5, 145}, {255, 145}, {130, 90}, {0, 0}});
    // Odd sizes: the halves are integer divisions.
    rows("101x51", QSize(101, 51), 5, 35,
         {{5, 15}, {56, 15}, {30, -4}, {30, 35}, {5, 35}, {56, 35}, {5, -4}, {56, -4}, {30, 15}, {0, 0}});
    // Smaller than the overlay; negative halves truncate toward zero.
    rows("21x11", QSize(21, 11), 3, 4,
         {{3, -4}, {-22, -4}, {-9, -13}, {-9, 4}, {3, 4}, {-22, 4}, {3, -13}, {-22, -13}, {-9, -4}, {0, 0}});
}

void TestOverlayWidget::placement()
{
    QFETCH(QSize, container);
    QFETCH(int, hm);
    QFETCH(int, vm);
    QFETCH(int, position);
    QFETCH(QRect, expected);

    FloatingWidgetContainer host;
    BoxOverlay overlay(&host);
    overlay.setHorizontalMargin(hm);
    overlay.setVerticalMargin(vm);
    overlay.setPosition(FloatingWidgetPosition(position));
    overlay.setContainerSize(container);
    QCOMPARE(overlay.geometry(), expected);
    QVERIFY(overlay.isHidden());
}

void TestOverlayWidget::placementFollowsTheContainerWhileHidden()
{
    FloatingWidgetContainer container;
    BoxOverlay overlay(&container);
    overlay.setPosition(FloatingWidgetPosition::BottomRight);
    QSignalSpy resized(&container, &FloatingWidgetContainer::resized);
    container.resize(300, 200);
    container.show();
    QVERIFY(QTest::qWaitForWindowExposed(&container));
    QCOMPARE(overlay.geometry(), QRect(255, 145, 40, 20));

    container.resize(400, 250);
    QCOMPARE(resized.last().first().toSize(), QSize(400, 250));
    QCOMPARE(overlay.containerSize(), QSize(400, 250));
    QCOMPARE(overlay.geometry(), QRect(355, 195, 40, 20));
    QVERIFY(!overlay.isVisible());

    // Margins and position apply at once too.
    overlay.setHorizontalMargin(0);
    QCOMPARE(overlay.geometry().x(), 360);
    overlay.setVerticalMargin(0);
    QCOMPARE(overlay.geometry().y(), 230);
    overlay.setPosition(FloatingWidgetPosition::Center);
    QCOMPARE(overlay.geometry(), QRect(180, 115, 40, 20));
}

// Presses, releases and wheel turns on a floating widget end there: they
// neither reach the container nor, through it, anything else.
void TestOverlayWidget::swallowsMouseEvents()
{
    CountingContainer container;
    container.resize(300, 200);
    BoxOverlay overlay(&container);
    overlay.setPosition(FloatingWidgetPosition::Center);
    container.show();
    overlay.show();
    QVERIFY(QTest::qWaitForWindowExposed(&container));
    QCOMPARE(overlay.geometry(), QRect(130, 90, 40, 20));

    QTest::mouseClick(container.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(150, 100));
    QCOMPARE(container.presses, 0);
    QCOMPARE(container.releases, 0);
    QWheelEvent wheel = wheelAt(QPointF(20, 10));
    QCoreApplication::sendEvent(&overlay, &wheel);
    QVERIFY(wheel.isAccepted());
    QCOMPARE(container.wheels, 0);

    // Beside the overlay, the container gets the click.
    QTest::mouseClick(container.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    QCOMPARE(container.presses, 1);
    QCOMPARE(container.releases, 1);
}

void TestOverlayWidget::containerHandsFocusOn_data()
{
    QTest::addColumn<bool>("accepts");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("childGetsFocus");
    QTest::newRow("visible, accepting") << true << true << true;
    QTest::newRow("hidden, accepting") << true << false << false;
    QTest::newRow("visible, not accepting") << false << true << false;
}

void TestOverlayWidget::containerHandsFocusOn()
{
    QFETCH(bool, accepts);
    QFETCH(bool, visible);
    QFETCH(bool, childGetsFocus);

    FloatingWidgetContainer container;
    container.resize(200, 100);
    BoxOverlay first(&container);
    BoxOverlay second(&container);
    first.setAcceptKeyboardFocus(accepts);
    first.setVisible(visible);
    container.show();
    container.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&container));

    container.setFocus(Qt::OtherFocusReason);
    QCOMPARE(first.hasFocus(), childGetsFocus);
    QCOMPARE(container.hasFocus(), !childGetsFocus);
    QVERIFY(!second.hasFocus());
}

void TestOverlayWidget::hideReturnsFocusToTheParent()
{
    FloatingWidgetContainer container;
    container.resize(200, 100);
    BoxOverlay overlay(&container);
    auto* field = new QWidget(&overlay);
    field->setFocusPolicy(Qt::StrongFocus);
    container.show();
    overlay.show();
    container.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&container));

    field->setFocus();
    QVERIFY(field->hasFocus());
    overlay.hide();
    QVERIFY(container.hasFocus());
}

void TestOverlayWidget::fadeOut()
{
    FloatingWidgetContainer container;
    container.resize(200, 100);
    BoxOverlay overlay(&container);
    overlay.setFadeEnabled(true);
    // A long fade first, so that it is still running when the test looks,
    // however late a loaded machine lets it look.
    overlay.setFadeDuration(20000);
    container.show();
    overlay.show();
    QVERIFY(QTest::qWaitForWindowExposed(&container));

    QElapsedTimer clock;
    clock.start();
    overlay.hideAnimated();
    QVERIFY(overlay.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(overlay.property("opacity").toDouble() < 1.0, 15000);
    QVERIFY(overlay.isVisible());

    // A show during the fade stops it at full opacity.
    overlay.show();
    QCOMPARE(overlay.property("opacity").toDouble(), 1.0);
    QTest::qWait(300);
    QVERIFY(overlay.isVisible());
    QCOMPARE(overlay.property("opacity").toDouble(), 1.0);

    overlay.setFadeDuration(200);
    clock.restart();
    overlay.hideAnimated();
    QTRY_VERIFY_WITH_TIMEOUT(!overlay.isVisible(), 30000);
    QVERIFY(clock.elapsed() >= 190);
    QCOMPARE(overlay.property("opacity").toDouble(), 0.0);

    // Shown again, it is opaque.
    overlay.show();
    QCOMPARE(overlay.property("opacity").toDouble(), 1.0);
}

void TestOverlayWidget::hideAnimatedWithoutFade_data()
{
    QTest::addColumn<bool>("fade");
    QTest::addColumn<bool>("shown");
    QTest::newRow("fading off") << false << true;
    QTest::newRow("already hidden") << true << false;
}

void TestOverlayWidget::hideAnimatedWithoutFade()
{
    QFETCH(bool, fade);
    QFETCH(bool, shown);

    FloatingWidgetContainer container;
    BoxOverlay overlay(&container);
    overlay.setFadeEnabled(fade);
    container.show();
    if (shown)
        overlay.show();
    overlay.hideAnimated();
    QVERIFY(overlay.isHidden());
    // Nothing runs on: the opacity stays where it was.
    QTest::qWait(150);
    QCOMPARE(overlay.property("opacity").toDouble(), 1.0);
}

QTEST_MAIN(TestOverlayWidget)
#include "tst_overlaywidget.moc"
