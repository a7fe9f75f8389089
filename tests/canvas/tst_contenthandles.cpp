#include "SwatchContent.h"

#include "appframe/AbstractScene.h"
#include "appframe/SceneView.h"
#include "canvas/ButtonItem.h"
#include "canvas/CornerItem.h"

#include <QApplication>
#include <QGraphicsView>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(Qt::MouseButton)
Q_DECLARE_METATYPE(Qt::KeyboardModifiers)

namespace {

// Sends a mouse event with modifiers (QTest's moves carry none).
void sendMouse(QWidget* viewport, QEvent::Type type, const QPoint& at, Qt::MouseButton button,
    Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    QMouseEvent event(type, QPointF(at), QPointF(viewport->mapToGlobal(at)), button, buttons, modifiers);
    QApplication::sendEvent(viewport, &event);
}

// A double click as a mouse delivers it: press, release, double click,
// release. The scene turns a double click on an item that had no press
// before into a press.
void doubleClick(QWidget* viewport, const QPoint& at, Qt::MouseButton button)
{
    sendMouse(viewport, QEvent::MouseButtonPress, at, button, button, Qt::NoModifier);
    sendMouse(viewport, QEvent::MouseButtonRelease, at, button, Qt::NoButton, Qt::NoModifier);
    sendMouse(viewport, QEvent::MouseButtonDblClick, at, button, button, Qt::NoModifier);
    sendMouse(viewport, QEvent::MouseButtonRelease, at, button, Qt::NoButton, Qt::NoModifier);
}

// A scene view of 800 x 600 showing one content at (400, 300), handles on.
struct ViewFixture
{
    explicit ViewFixture(bool noResize = false, const QRect& rect = QRect(-100, -50, 200, 100))
    {
        // A canvas-sized scene: a content keeps inside the scene rectangle.
        scene.resize(QSize(800, 600));
        view.resize(800, 600);
        view.setScene(&scene);
        view.show();
        content = new SwatchContent(&scene, false, 0, noResize);
        content->resizeContents(rect, false);
        content->setPos(400, 300);
        content->setControlsVisible(true);
    }
    ~ViewFixture() { delete content; }

    QWidget* viewport() { return view.viewport(); }
    QPoint viewPoint(const QPointF& contentPoint) { return view.mapFromScene(content->mapToScene(contentPoint)); }

    // Press at `from`, one move to `to`, release there; content points.
    void drag(const QPointF& from, const QPointF& to, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
    {
        const QPoint start = viewPoint(from);
        const QPoint end = viewPoint(to);
        sendMouse(viewport(), QEvent::MouseButtonPress, start, button, button, modifiers);
        sendMouse(viewport(), QEvent::MouseMove, end, Qt::NoButton, button, modifiers);
        sendMouse(viewport(), QEvent::MouseButtonRelease, end, button, Qt::NoButton, modifiers);
    }

    AbstractScene scene;
    SceneView view;
    SwatchContent* content = nullptr;
};

} // namespace

class TestContentHandles : public QObject
{
    Q_OBJECT

private slots:
    void viewMapsScenePointsExactly();
    void cornerDrag_data();
    void cornerDrag();
    void doubleClickResetsRotation_data();
    void doubleClickResetsRotation();
    void perspectiveDrag_data();
    void perspectiveDrag();
    void perspectiveDragStartsFromItsPress();
    void buttonPressedAtSceneOrigin();
    void buttonReleasedOutsideDoesNotClick();
    void handleSelectsItsContentAlone();
};

void TestContentHandles::viewMapsScenePointsExactly()
{
    // The drags below are worked out in whole content units; that needs a
    // view whose mapping is a whole-pixel translation.
    ViewFixture fixture;
    QVERIFY(QTest::qWaitForWindowExposed(&fixture.view));
    const QPointF corner(99, 49);
    QCOMPARE(fixture.content->mapFromScene(fixture.view.mapToScene(fixture.viewPoint(corner))), corner);
    QCOMPARE(fixture.content->cornerItems().at(3)->pos(), corner);
}

void TestContentHandles::cornerDrag_data()
{
    QTest::addColumn<bool>("noResize");
    QTest::addColumn<QRect>("start");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<double>("rotation");

    // The bottom-right handle of a 200 x 100 content sits at (99, 49); the
    // start ratio is 2.
    const QRect wide(-100, -50, 200, 100);
    const QRect unchanged = wide;
    const Qt::KeyboardModifiers none = Qt::NoModifier;

    // Keep-ratio resize to (150, 75): D = sqrt(150^2 + 75^2) = 75 sqrt(5),
    // k = sqrt(1 + 1/4) = sqrt(5)/2, W = 2D/k = 300, H = 2D/(2k) = 150:
    // (-150, -75) 300 x 150.
    const QRect scaled(-150, -75, 300, 150);
    // Turning as well: the resized corner is (149, 74); the turn is
    // atan2(75, 150) - atan2(74, 149) = 26.56505118 - 26.41103064 degrees.
    const double turn = 0.15402054167233756;
    QTest::newRow("left: turn and scale") << false << wide << QPointF(150, 75) << Qt::LeftButton << none << scaled
                                          << turn;
    QTest::newRow("left + ctrl: scale only") << false << wide << QPointF(150, 75) << Qt::LeftButton
                                             << Qt::KeyboardModifiers(Qt::ControlModifier) << scaled << 0.0;
    // Free resize to (130, 90): W = 2 * 130, H = 2 * 90.
    QTest::newRow("left + shift: free") << false << wide << QPointF(130, 90) << Qt::LeftButton
                                        << Qt::KeyboardModifiers(Qt::ShiftModifier) << QRect(-130, -90, 260, 180)
                                        << 0.0;
    // Turn only, to (-49, 99): perpendicular to (99, 49), a quarter turn.
    QTest::newRow("left + alt: turn only") << false << wide << QPointF(-49, 99) << Qt::LeftButton
                                           << Qt::KeyboardModifiers(Qt::AltModifier) << unchanged << 90.0;
    QTest::newRow("right: scale") << false << wide << QPointF(150, 75) << Qt::RightButton << none << scaled << 0.0;
    QTest::newRow("right + ctrl: scale") << false << wide << QPointF(150, 75) << Qt::RightButton
                                         << Qt::KeyboardModifiers(Qt::ControlModifier) << scaled << 0.0;
    QTest::newRow("right + shift: free") << false << wide << QPointF(130, 90) << Qt::RightButton
                                         << Qt::KeyboardModifiers(Qt::ShiftModifier) << QRect(-130, -90, 260, 180)
                                         << 0.0;
    QTest::newRow("right + alt: nothing") << false << wide << QPointF(150, 75) << Qt::RightButton
                                          << Qt::KeyboardModifiers(Qt::AltModifier) << unchanged << 0.0;
    // Free resize towards the centre stops at 50 x 40: (10, 5) gives 20 x 10.
    QTest::newRow("free: never below 50 x 40") << false << wide << QPointF(10, 5) << Qt::LeftButton
                                               << Qt::KeyboardModifiers(Qt::ShiftModifier) << QRect(-25, -20, 50, 40)
                                               << 0.0;
    // Keep-ratio towards (20, 10): D = 10 sqrt(5), W = 40 < 51 -> 50,
    // H = 20 < 41 -> 40.
    QTest::newRow("ratio: never below 50 x 40") << false << wide << QPointF(20, 10) << Qt::RightButton << none
                                                << QRect(-25, -20, 50, 40) << 0.0;
    // A square (ratio 1), handle at (49, 49), to (60, 80): D = 100,
    // k = sqrt(2), W = H = trunc(200 / sqrt(2)) = trunc(141.42) = 141;
    // left -(141/2) = -70.
    QTest::newRow("square ratio") << false << QRect(-50, -50, 100, 100) << QPointF(60, 80) << Qt::RightButton << none
                                  << QRect(-70, -70, 141, 141) << 0.0;
    // A tall start (ratio 0.5), handle at (49, 99), to (60, 80): D = 100,
    // k = sqrt(1 + 4) = sqrt(5), W = trunc(200 / sqrt(5)) = trunc(89.44) = 89,
    // H = trunc(200 / (0.5 sqrt(5))) = trunc(178.89) = 178.
    QTest::newRow("tall ratio") << false << QRect(-50, -100, 100, 200) << QPointF(60, 80) << Qt::RightButton << none
                                << QRect(-44, -89, 89, 178) << 0.0;

    // noResize (home tiles): the left button only turns; the right does
    // nothing; Shift or Ctrl stop the turn.
    QTest::newRow("noResize left: turn") << true << wide << QPointF(-49, 99) << Qt::LeftButton << none << unchanged
                                         << 90.0;
    QTest::newRow("noResize left + alt: turn") << true << wide << QPointF(-49, 99) << Qt::LeftButton
                                               << Qt::KeyboardModifiers(Qt::AltModifier) << unchanged << 90.0;
    QTest::newRow("noResize left + shift: nothing") << true << wide << QPointF(-49, 99) << Qt::LeftButton
                                                    << Qt::KeyboardModifiers(Qt::ShiftModifier) << unchanged << 0.0;
    QTest::newRow("noResize left + ctrl: nothing") << true << wide << QPointF(-49, 99) << Qt::LeftButton
                                                   << Qt::KeyboardModifiers(Qt::ControlModifier) << unchanged << 0.0;
    QTest::newRow("noResize right: nothing") << true << wide << QPointF(150, 75) << Qt::RightButton << none
                                             << unchanged << 0.0;
}

void TestContentHandles::cornerDrag()
{
    QFETCH(bool, noResize);
    QFETCH(QRect, start);
    QFETCH(QPointF, to);
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QRect, rect);
    QFETCH(double, rotation);

    ViewFixture fixture(noResize, start);
    QVERIFY(QTest::qWaitForWindowExposed(&fixture.view));
    CornerItem* handle = fixture.content->cornerItems().at(3);
    QCOMPARE(handle->corner(), Qt::BottomRightCorner);
    QCOMPARE(handle->pos(), QPointF(start.right(), start.bottom()));

    fixture.drag(handle->pos(), to, button, modifiers);
    QCOMPARE(fixture.content->contentRect(), rect);
    QCOMPARE(fixture.content->rotation(), rotation);
    QCOMPARE(handle->operation(), 0);
    // The handle has followed its corner.
    QCOMPARE(handle->pos(), QPointF(rect.right(), rect.bottom()));
    // Every drag step marks the item as being transformed for a while.
    QCOMPARE(fixture.content->beingTransformed(), rect != start || rotation != 0.0);
    QTRY_VERIFY_WITH_TIMEOUT(!fixture.content->beingTransformed(), 5000);
}

void TestContentHandles::doubleClickResetsRotation_data()
{
    QTest::addColumn<bool>("noResize");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<double>("rotation");

    QTest::newRow("left resets") << false << Qt::LeftButton << 0.0;
    QTest::newRow("right keeps") << false << Qt::RightButton << 30.0;
    QTest::newRow("noResize keeps") << true << Qt::LeftButton << 30.0;
}

void TestContentHandles::doubleClickResetsRotation()
{
    QFETCH(bool, noResize);
    QFETCH(Qt::MouseButton, button);
    QFETCH(double, rotation);

    ViewFixture fixture(noResize);
    QVERIFY(QTest::qWaitForWindowExposed(&fixture.view));
    fixture.content->setRotation(30.0);
    fixture.content->setPerspective(QPointF(10, 5));
    doubleClick(fixture.viewport(), fixture.viewPoint(fixture.content->cornerItems().at(0)->pos()), button);
    QCOMPARE(fixture.content->rotation(), rotation);
    // The tilt is the perspective handle's business.
    QCOMPARE(fixture.content->perspective(), QPointF(10, 5));
}

void TestContentHandles::perspectiveDrag_data()
{
    QTest::addColumn<QPointF>("by");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QPointF>("perspective");

    // 0.2 per scene unit without a modifier, 0.5 with one; at most 70.
    QTest::newRow("100 right") << QPointF(100, 0) << Qt::KeyboardModifiers() << QPointF(20, 0);
    QTest::newRow("100 right, shift") << QPointF(100, 0) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                      << QPointF(50, 0);
    QTest::newRow("100 right, alt") << QPointF(100, 0) << Qt::KeyboardModifiers(Qt::AltModifier) << QPointF(50, 0);
    QTest::newRow("400 right: 80 clamped") << QPointF(400, 0) << Qt::KeyboardModifiers() << QPointF(70, 0);
    QTest::newRow("400 right, shift: 200 clamped")
        << QPointF(400, 0) << Qt::KeyboardModifiers(Qt::ShiftModifier) << QPointF(70, 0);
    QTest::newRow("60 left, 50 up") << QPointF(-60, -50) << Qt::KeyboardModifiers() << QPointF(-12, -10);
    QTest::newRow("ctrl resets") << QPointF(100, 0) << Qt::KeyboardModifiers(Qt::ControlModifier) << QPointF(0, 0);
}

void TestContentHandles::perspectiveDrag()
{
    QFETCH(QPointF, by);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QPointF, perspective);

    ViewFixture fixture;
    QVERIFY(QTest::qWaitForWindowExposed(&fixture.view));
    fixture.content->setPerspective(QPointF(5, 5));
    ButtonItem* button = fixture.content->buttonItems().at(0);
    QCOMPARE(button->buttonType(), ButtonItem::Perspective);
    // The middle of the content rectangle's right edge: (99, (-50 + 49) / 2).
    QCOMPARE(button->pos(), QPointF(99, 0));

    QSignalSpy changed(fixture.content, &AbstractContent::perspectiveChanged);
    const QPoint start = fixture.view.mapFromScene(button->scenePos());
    sendMouse(fixture.viewport(), QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton, modifiers);
    sendMouse(fixture.viewport(), QEvent::MouseMove, start + by.toPoint(), Qt::NoButton, Qt::LeftButton, modifiers);
    sendMouse(fixture.viewport(), QEvent::MouseButtonRelease, start + by.toPoint(), Qt::LeftButton, Qt::NoButton,
        modifiers);
    QCOMPARE(fixture.content->perspective(), perspective);
    QCOMPARE(changed.count(), 1);
    // Turning is separate.
    QCOMPARE(fixture.content->rotation(), 0.0);
}

void TestContentHandles::perspectiveDragStartsFromItsPress()
{
    ViewFixture fixture;
    QVERIFY(QTest::qWaitForWindowExposed(&fixture.view));
    ButtonItem* button = fixture.content->buttonItems().at(0);

    auto dragBy = [&](const QPoint& by) {
        const QPoint start = fixture.view.mapFromScene(button->scenePos());
        // The mouse comes back over the content first, which shows the
        // handles again after the last drag ended outside it.
        sendMouse(fixture.viewport(), QEvent::MouseMove, start, Qt::NoButton, Qt::NoButton, {});
        sendMouse(fixture.viewport(), QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton, {});
        sendMouse(fixture.viewport(), QEvent::MouseMove, start + by / 2, Qt::NoButton, Qt::LeftButton, {});
        sendMouse(fixture.viewport(), QEvent::MouseMove, start + by, Qt::NoButton, Qt::LeftButton, {});
        sendMouse(fixture.viewport(), QEvent::MouseButtonRelease, start + by, Qt::LeftButton, Qt::NoButton, {});
    };
    dragBy(QPoint(100, 0));
    QCOMPARE(fixture.content->perspective(), QPointF(20, 0));
    // A second drag replaces the tilt: 50 units give 10, not 30.
    dragBy(QPoint(50, 0));
    QCOMPARE(fixture.content->perspective(), QPointF(10, 0));

    // A double click on the handle clears the tilt and keeps the rotation.
    fixture.content->setRotation(15);
    sendMouse(fixture.viewport(), QEvent::MouseMove, fixture.view.mapFromScene(button->scenePos()), Qt::NoButton,
        Qt::NoButton, {});
    doubleClick(fixture.viewport(), fixture.view.mapFromScene(button->scenePos()), Qt::LeftButton);
    QCOMPARE(fixture.content->perspective(), QPointF(0, 0));
    QCOMPARE(fixture.content->rotation(), 15.0);
    QVERIFY(fixture.content->transform().isIdentity());
}

void TestContentHandles::buttonPressedAtSceneOrigin()
{
    // A plain view centred on the scene origin.
    QGraphicsScene scene(-300, -300, 600, 600);
    QGraphicsView view(&scene);
    view.setFrameStyle(QFrame::NoFrame);
    view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.resize(600, 600);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    auto* content = new SwatchContent(&scene);
    content->setControlsVisible(true);
    // The perspective handle at (99, 0) of the content lands on (0, 0).
    content->setPos(-99, 0);
    ButtonItem* button = content->buttonItems().at(0);
    QCOMPARE(button->scenePos(), QPointF(0, 0));
    const QPoint origin = view.mapFromScene(QPointF(0, 0));
    QCOMPARE(view.mapToScene(origin), QPointF(0, 0));

    QSignalSpy pressed(button, &ButtonItem::pressed);
    QSignalSpy dragging(button, &ButtonItem::dragging);
    QSignalSpy clicked(button, &ButtonItem::clicked);
    sendMouse(view.viewport(), QEvent::MouseButtonPress, origin, Qt::LeftButton, Qt::LeftButton, {});
    QCOMPARE(pressed.count(), 1);
    QVERIFY(button->isPressed());
    QVERIFY(content->isSelected());
    sendMouse(view.viewport(), QEvent::MouseMove, origin + QPoint(3, 0), Qt::NoButton, Qt::LeftButton, {});
    QCOMPARE(dragging.count(), 1);
    QCOMPARE(dragging.at(0).at(0).toPointF(), QPointF(3, 0));
    sendMouse(view.viewport(), QEvent::MouseMove, origin, Qt::NoButton, Qt::LeftButton, {});
    sendMouse(view.viewport(), QEvent::MouseButtonRelease, origin, Qt::LeftButton, Qt::NoButton, {});
    QCOMPARE(dragging.count(), 2);
    QCOMPARE(clicked.count(), 1);
    QVERIFY(!button->isPressed());

    // Moves without a press are no drags.
    sendMouse(view.viewport(), QEvent::MouseMove, origin + QPoint(2, 2), Qt::NoButton, Qt::NoButton, {});
    QCOMPARE(dragging.count(), 2);
    delete content;
}

void TestContentHandles::buttonReleasedOutsideDoesNotClick()
{
    ViewFixture fixture;
    QVERIFY(QTest::qWaitForWindowExposed(&fixture.view));
    ButtonItem* button = fixture.content->buttonItems().at(0);
    QSignalSpy clicked(button, &ButtonItem::clicked);
    const QPoint start = fixture.view.mapFromScene(button->scenePos());
    sendMouse(fixture.viewport(), QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton, {});
    sendMouse(fixture.viewport(), QEvent::MouseButtonRelease, start + QPoint(40, 0), Qt::LeftButton, Qt::NoButton,
        {});
    QCOMPARE(clicked.count(), 0);
    // Released outside the content, the mouse comes back over it.
    sendMouse(fixture.viewport(), QEvent::MouseMove, start, Qt::NoButton, Qt::NoButton, {});
    sendMouse(fixture.viewport(), QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton, {});
    sendMouse(fixture.viewport(), QEvent::MouseButtonRelease, start + QPoint(2, 2), Qt::LeftButton, Qt::NoButton,
        {});
    QCOMPARE(clicked.count(), 1);
}

void TestContentHandles::handleSelectsItsContentAlone()
{
    ViewFixture fixture;
    QVERIFY(QTest::qWaitForWindowExposed(&fixture.view));
    auto* other = new SwatchContent(&fixture.scene);
    other->setPos(100, 100);
    other->setSelected(true);
    fixture.content->setSelected(true);
    QCOMPARE(fixture.scene.selectedItems().size(), 2);

    const QPoint at = fixture.viewPoint(fixture.content->cornerItems().at(1)->pos());
    sendMouse(fixture.viewport(), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, {});
    sendMouse(fixture.viewport(), QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, {});
    QCOMPARE(fixture.scene.selectedItems(), QList<QGraphicsItem*>({fixture.content}));
    delete other;
}

QTEST_MAIN(TestContentHandles)
#include "tst_contenthandles.moc"
