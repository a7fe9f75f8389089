#include "SwatchContent.h"

#include "canvas/ButtonItem.h"
#include "canvas/Canvas.h"
#include "canvas/CornerItem.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QGraphicsSceneDragDropEvent>
#include <QGraphicsView>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QStyleOptionGraphicsItem>
#include <QTest>

namespace {

// Notes every selection change it is told of.
class WatchingContent : public SwatchContent
{
public:
    using SwatchContent::SwatchContent;
    QList<bool> selections;

protected:
    void selectionChanged(bool selected) override { selections << selected; }
};

// The five handles' visibility, corners first.
QList<bool> handlesShown(const AbstractContent& content)
{
    QList<bool> shown;
    for (const CornerItem* corner : content.cornerItems())
        shown << corner->isVisible();
    for (const ButtonItem* button : content.buttonItems())
        shown << button->isVisible();
    return shown;
}

// Sends a key press straight to the item, as the scene does for its focus
// item, and tells whether the item took it.
bool pressKey(QGraphicsScene& scene, QGraphicsItem* item, int key, Qt::KeyboardModifiers modifiers = {})
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    event.setAccepted(false);
    scene.sendEvent(item, &event);
    return event.isAccepted();
}

void sendMouse(QWidget* viewport, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), viewport->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

QImage paintButton(ButtonItem* button)
{
    QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(20, 20);
    QStyleOptionGraphicsItem option;
    button->paint(&painter, &option, nullptr);
    return image;
}

} // namespace

class TestContentInteraction : public QObject
{
    Q_OBJECT

private slots:
    void hoverShowsHandles();
    void selectionReachesHandles();
    void nudge_data();
    void nudge();
    void keepInside_data();
    void keepInside();
    void dragStaysOnCanvas();
    void keysThroughTheView();
    void otherKeys();
    void disposedIgnoresKeys();
    void dropsAccepted();
};

void TestContentInteraction::hoverShowsHandles()
{
    QGraphicsScene scene(0, 0, 400, 300);
    auto* content = new SwatchContent(&scene);
    content->setPos(200, 150);
    const QList<bool> hidden(5, false);
    const QList<bool> shown(5, true);
    QCOMPARE(handlesShown(*content), hidden);
    QVERIFY(!content->controlsVisible());

    QGraphicsView view(&scene);
    view.resize(500, 400);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QWidget* viewport = view.viewport();
    const QPoint outside = view.mapFromScene(QPointF(10, 10));
    const QPoint inside = view.mapFromScene(QPointF(180, 140));

    sendMouse(viewport, QEvent::MouseMove, outside, Qt::NoButton);
    QCOMPARE(handlesShown(*content), hidden);
    sendMouse(viewport, QEvent::MouseMove, inside, Qt::NoButton);
    QCOMPARE(handlesShown(*content), shown);
    QVERIFY(content->controlsVisible());
    sendMouse(viewport, QEvent::MouseMove, outside, Qt::NoButton);
    QCOMPARE(handlesShown(*content), hidden);
    QVERIFY(!content->controlsVisible());
}

void TestContentInteraction::selectionReachesHandles()
{
    QGraphicsScene scene(0, 0, 400, 300);
    auto* content = new WatchingContent(&scene);
    ButtonItem* button = content->buttonItems().first();
    const QImage dim = paintButton(button);

    content->setSelected(true);
    QCOMPARE(content->selections, QList<bool>{true});
    QVERIFY(paintButton(button) != dim);
    content->setSelected(false);
    QCOMPARE(content->selections, (QList<bool>{true, false}));
    QCOMPARE(paintButton(button), dim);
}

void TestContentInteraction::nudge_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QPointF>("moved");

    const Qt::KeyboardModifiers none;
    QTest::newRow("left") << int(Qt::Key_Left) << none << QPointF(-10, 0);
    QTest::newRow("up") << int(Qt::Key_Up) << none << QPointF(0, -10);
    QTest::newRow("right") << int(Qt::Key_Right) << none << QPointF(10, 0);
    QTest::newRow("down") << int(Qt::Key_Down) << none << QPointF(0, 10);
    QTest::newRow("right shift") << int(Qt::Key_Right) << Qt::KeyboardModifiers(Qt::ShiftModifier) << QPointF(50, 0);
    QTest::newRow("up shift") << int(Qt::Key_Up) << Qt::KeyboardModifiers(Qt::ShiftModifier) << QPointF(0, -50);
    QTest::newRow("right ctrl") << int(Qt::Key_Right) << Qt::KeyboardModifiers(Qt::ControlModifier) << QPointF(1, 0);
    QTest::newRow("left ctrl") << int(Qt::Key_Left) << Qt::KeyboardModifiers(Qt::ControlModifier) << QPointF(-1, 0);
    QTest::newRow("down shift ctrl") << int(Qt::Key_Down)
                                     << Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::ControlModifier)
                                     << QPointF(0, 50);
    QTest::newRow("right alt") << int(Qt::Key_Right) << Qt::KeyboardModifiers(Qt::AltModifier) << QPointF(10, 0);
    // The arrows of the keypad move like the others.
    QTest::newRow("keypad left") << int(Qt::Key_Left) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                 << QPointF(-10, 0);
}

void TestContentInteraction::nudge()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QPointF, moved);

    QGraphicsScene scene(0, 0, 800, 600);
    auto* content = new SwatchContent(&scene);
    content->setPos(400, 300);
    QSignalSpy removal(content, &AbstractContent::requestRemoval);
    QVERIFY(pressKey(scene, content, key, modifiers));
    QCOMPARE(content->pos(), QPointF(400, 300) + moved);
    QCOMPARE(removal.count(), 0);
}

void TestContentInteraction::keepInside_data()
{
    QTest::addColumn<QRectF>("sceneRect");
    QTest::addColumn<QPointF>("start");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QPointF>("expected");

    const QRectF canvas(0, 0, 800, 600);
    // 795 + 10 = 805 lies past the right edge (0 + 800): held at 800.
    QTest::newRow("key past right") << canvas << QPointF(795, 300) << "right" << QPointF(800, 300);
    // 5 - 50 = -45 past the left edge: held at 0.
    QTest::newRow("shift key past left") << canvas << QPointF(5, 300) << "shift left" << QPointF(0, 300);
    QTest::newRow("key to the edge") << canvas << QPointF(790, 300) << "right" << QPointF(800, 300);
    QTest::newRow("key inside") << canvas << QPointF(400, 300) << "down" << QPointF(400, 310);
    // (-50, 700): x held at the left 0, y at the bottom 0 + 600.
    QTest::newRow("setPos corner") << canvas << QPointF(400, 300) << "set -50 700" << QPointF(0, 600);
    QTest::newRow("setPos inside") << canvas << QPointF(400, 300) << "set 20 30" << QPointF(20, 30);
    // A rectangle not offset from the origin: (-100, -100) .. (200, 100).
    QTest::newRow("offset rect") << QRectF(-100, -100, 300, 200) << QPointF(0, 0) << "set 500 -500"
                                 << QPointF(200, -100);
    // Only a rectangle larger than 100 in both directions holds the item.
    QTest::newRow("narrow canvas") << QRectF(0, 0, 100, 800) << QPointF(95, 300) << "right" << QPointF(105, 300);
    QTest::newRow("low canvas") << QRectF(0, 0, 800, 100) << QPointF(400, 95) << "down" << QPointF(400, 105);
    QTest::newRow("just larger") << QRectF(0, 0, 101, 101) << QPointF(95, 50) << "right" << QPointF(101, 50);
}

void TestContentInteraction::keepInside()
{
    QFETCH(QRectF, sceneRect);
    QFETCH(QPointF, start);
    QFETCH(QString, how);
    QFETCH(QPointF, expected);

    QGraphicsScene scene(sceneRect);
    auto* content = new SwatchContent(&scene);
    content->setPos(start);
    QCOMPARE(content->pos(), start);
    if (how == "right")
        pressKey(scene, content, Qt::Key_Right);
    else if (how == "down")
        pressKey(scene, content, Qt::Key_Down);
    else if (how == "shift left")
        pressKey(scene, content, Qt::Key_Left, Qt::ShiftModifier);
    else {
        const QStringList xy = how.mid(4).split(' ');
        content->setPos(xy[0].toDouble(), xy[1].toDouble());
    }
    QCOMPARE(content->pos(), expected);
}

void TestContentInteraction::dragStaysOnCanvas()
{
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(800, 600));
    QCOMPARE(canvas.sceneRect(), QRectF(0, 0, 800, 600));
    auto* content = new SwatchContent(&canvas);
    content->setPos(700, 300);

    QGraphicsView view(&canvas);
    view.resize(900, 700);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QWidget* viewport = view.viewport();
    const QPoint grab = view.mapFromScene(QPointF(700, 300));
    sendMouse(viewport, QEvent::MouseButtonPress, grab, Qt::LeftButton);
    QVERIFY(content->isSelected());
    // 300 scene units to the right and 400 down: (1000, 700) is held at
    // the corner (800, 600).
    sendMouse(viewport, QEvent::MouseMove, grab + QPoint(300, 400), Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseButtonRelease, grab + QPoint(300, 400), Qt::NoButton);
    QCOMPARE(content->pos(), QPointF(800, 600));
}

void TestContentInteraction::keysThroughTheView()
{
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(800, 600));
    auto* content = new SwatchContent(&canvas);
    content->setPos(400, 300);
    QGraphicsView view(&canvas);
    view.resize(900, 700);
    view.show();
    view.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    content->setSelected(true);
    content->setFocus();
    QVERIFY(content->hasFocus());

    QTest::keyClick(view.viewport(), Qt::Key_Right);
    QCOMPARE(content->pos(), QPointF(410, 300));
    QTest::keyClick(view.viewport(), Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(content->pos(), QPointF(410, 250));
    QSignalSpy removal(content, &AbstractContent::requestRemoval);
    QTest::keyClick(view.viewport(), Qt::Key_Delete);
    QCOMPARE(removal.count(), 1);
}

void TestContentInteraction::otherKeys()
{
    QGraphicsScene scene(0, 0, 800, 600);
    auto* content = new SwatchContent(&scene);
    content->setPos(400, 300);
    QSignalSpy removal(content, &AbstractContent::requestRemoval);

    QVERIFY(pressKey(scene, content, Qt::Key_Delete));
    QCOMPARE(removal.count(), 1);
    QVERIFY(pressKey(scene, content, Qt::Key_Return));
    QVERIFY(!pressKey(scene, content, Qt::Key_Enter, Qt::KeypadModifier));
    QVERIFY(!pressKey(scene, content, Qt::Key_Backspace));
    QVERIFY(!pressKey(scene, content, Qt::Key_A));
    QVERIFY(!pressKey(scene, content, Qt::Key_F2));
    QCOMPARE(removal.count(), 1);
    QCOMPARE(content->pos(), QPointF(400, 300));
}

void TestContentInteraction::disposedIgnoresKeys()
{
    QGraphicsScene scene(0, 0, 800, 600);
    QPointer<SwatchContent> content = new SwatchContent(&scene);
    content->setPos(400, 300);
    QSignalSpy removal(content.data(), &AbstractContent::requestRemoval);
    content->dispose(false);

    for (int key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Delete, Qt::Key_Return})
        QVERIFY2(!pressKey(scene, content, key), qPrintable(QString::number(key, 16)));
    QCOMPARE(content->pos(), QPointF(400, 300));
    QCOMPARE(removal.count(), 0);
    QTRY_VERIFY(content.isNull());
}

void TestContentInteraction::dropsAccepted()
{
    QGraphicsScene scene(0, 0, 800, 600);
    auto* content = new SwatchContent(&scene);
    for (QEvent::Type type : {QEvent::GraphicsSceneDragMove, QEvent::GraphicsSceneDrop}) {
        QGraphicsSceneDragDropEvent event(type);
        event.setAccepted(false);
        scene.sendEvent(content, &event);
        QVERIFY(event.isAccepted());
    }
}

QTEST_MAIN(TestContentInteraction)
#include "tst_contentinteraction.moc"
