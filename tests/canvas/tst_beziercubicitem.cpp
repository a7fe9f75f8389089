#include "canvas/BezierControlPoint.h"
#include "canvas/BezierCubicItem.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(Qt::MouseButtons)

namespace {

const QList<QPointF> standardPoints = {QPointF(-100, -50), QPointF(-10, 40), QPointF(100, -50), QPointF(100, 50)};

void sendMouse(QWidget* viewport, QEvent::Type type, const QPoint& at, Qt::MouseButton button,
    Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), QPointF(viewport->mapToGlobal(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

// An editor at the scene origin in a 400 x 400 view at scale 1, so view
// and scene points differ by a whole offset.
struct EditorView
{
    EditorView()
    {
        scene.setSceneRect(-200, -200, 400, 400);
        view.setScene(&scene);
        view.setFrameStyle(QFrame::NoFrame);
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.resize(400, 400);
        view.show();
        editor = new BezierCubicItem;
        scene.addItem(editor);
    }

    // Press on `from` with `button`, move to `to` holding `held`, release.
    void drag(const QPointF& from, const QPointF& to, Qt::MouseButton button, Qt::MouseButtons held)
    {
        const QPoint start = view.mapFromScene(from);
        const QPoint end = view.mapFromScene(to);
        sendMouse(view.viewport(), QEvent::MouseButtonPress, start, button, button);
        sendMouse(view.viewport(), QEvent::MouseMove, end, Qt::NoButton, held);
        sendMouse(view.viewport(), QEvent::MouseButtonRelease, end, button, Qt::NoButton);
    }

    QGraphicsScene scene;
    QGraphicsView view;
    BezierCubicItem* editor = nullptr;
};

} // namespace

class TestBezierCubicItem : public QObject
{
    Q_OBJECT

private slots:
    void pointCountOtherThanFourIgnored_data();
    void pointCountOtherThanFourIgnored();
    void fourPointsMakeTheCurve();
    void looks();
    void drag_data();
    void drag();
    void handleOnAnchorStaysBehind();
};

void TestBezierCubicItem::pointCountOtherThanFourIgnored_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("none") << 0;
    QTest::newRow("three") << 3;
    QTest::newRow("five") << 5;
}

void TestBezierCubicItem::pointCountOtherThanFourIgnored()
{
    QFETCH(int, count);
    BezierCubicItem editor;
    editor.setControlPoints(standardPoints);
    const QPainterPath before = editor.shape();
    QSignalSpy changed(&editor, &BezierCubicItem::shapeChanged);

    QList<QPointF> points;
    for (int i = 0; i < count; ++i)
        points << QPointF(7 * i, -3 * i);
    editor.setControlPoints(points);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(editor.controlPoints(), standardPoints);
    QCOMPARE(editor.shape(), before);
}

void TestBezierCubicItem::fourPointsMakeTheCurve()
{
    BezierCubicItem editor;
    QSignalSpy changed(&editor, &BezierCubicItem::shapeChanged);
    editor.setControlPoints(standardPoints);
    // Once for each handle's move step.
    QCOMPARE(changed.count(), 2);
    QCOMPARE(editor.controlPoints(), standardPoints);

    // Starts at point 0, ends at point 2, with 1 and 3 as its controls.
    const QPainterPath path = editor.shape();
    QCOMPARE(path.elementCount(), 4);
    QCOMPARE(QPointF(path.elementAt(0)), QPointF(-100, -50));
    QCOMPARE(QPointF(path.elementAt(1)), QPointF(-10, 40));
    QCOMPARE(QPointF(path.elementAt(2)), QPointF(100, 50));
    QCOMPARE(QPointF(path.elementAt(3)), QPointF(100, -50));
    QCOMPARE(changed.last().at(0).value<QPainterPath>(), path);
}

void TestBezierCubicItem::looks()
{
    BezierCubicItem editor;
    QCOMPARE(editor.boundingRect(), QRectF(-5, -5, 11, 11));
    int points = 0;
    int lines = 0;
    int curves = 0;
    for (QGraphicsItem* child : editor.childItems()) {
        if (auto* point = dynamic_cast<BezierControlPoint*>(child)) {
            ++points;
            QCOMPARE(point->zValue(), 2.1);
            QCOMPARE(point->boundingRect(), QRectF(-7, -7, 15, 15));
            QVERIFY(point->flags() & QGraphicsItem::ItemIsMovable);
        } else if (auto* line = dynamic_cast<QGraphicsLineItem*>(child)) {
            ++lines;
            QCOMPARE(line->zValue(), 1.9);
            QCOMPARE(line->pen().dashPattern(), QList<qreal>({8, 6}));
        } else if (auto* curve = dynamic_cast<QGraphicsPathItem*>(child)) {
            ++curves;
            QCOMPARE(curve->zValue(), 2.2);
            QCOMPARE(curve->pen().color(), QColor(200, 0, 0, 255));
        }
    }
    QCOMPARE(points, 4);
    QCOMPARE(lines, 2);
    QCOMPARE(curves, 1);
}

void TestBezierCubicItem::drag_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::MouseButtons>("held");
    QTest::addColumn<QList<QPointF>>("expected");

    const QPointF d(10, 5);
    const QList<QPointF>& p = standardPoints;
    // An anchor takes its handle along by the same offset.
    QTest::newRow("start anchor") << 0 << Qt::LeftButton << Qt::MouseButtons(Qt::LeftButton)
                                  << QList<QPointF>{p[0] + d, p[1] + d, p[2], p[3]};
    QTest::newRow("end anchor") << 2 << Qt::LeftButton << Qt::MouseButtons(Qt::LeftButton)
                                << QList<QPointF>{p[0], p[1], p[2] + d, p[3] + d};
    // A handle moves alone.
    QTest::newRow("start handle") << 1 << Qt::LeftButton << Qt::MouseButtons(Qt::LeftButton)
                                  << QList<QPointF>{p[0], p[1] + d, p[2], p[3]};
    QTest::newRow("end handle") << 3 << Qt::LeftButton << Qt::MouseButtons(Qt::LeftButton)
                                << QList<QPointF>{p[0], p[1], p[2], p[3] + d};
    QTest::newRow("right button") << 0 << Qt::RightButton << Qt::MouseButtons(Qt::RightButton) << p;
    QTest::newRow("two buttons") << 3 << Qt::LeftButton << (Qt::LeftButton | Qt::RightButton) << p;
}

void TestBezierCubicItem::drag()
{
    QFETCH(int, index);
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::MouseButtons, held);
    QFETCH(QList<QPointF>, expected);

    EditorView fixture;
    const QList<QPointF> start = standardPoints;
    fixture.editor->setControlPoints(start);
    QSignalSpy changed(fixture.editor, &BezierCubicItem::shapeChanged);

    const QPointF from = start.at(index);
    fixture.drag(from, from + QPointF(10, 5), button, held);
    QCOMPARE(fixture.editor->controlPoints(), expected);
    const bool moved = expected != start;
    QCOMPARE(changed.count(), moved ? 1 : 0);
    if (moved) {
        const QPainterPath path = changed.last().at(0).value<QPainterPath>();
        QCOMPARE(QPointF(path.elementAt(0)), expected.at(0));
        QCOMPARE(QPointF(path.elementAt(3)), expected.at(2));
    }
}

void TestBezierCubicItem::handleOnAnchorStaysBehind()
{
    // The handle lies on top of its anchor there, so a mouse would take
    // the handle: the anchor is moved as its drag moves it.
    BezierCubicItem editor;
    QList<QPointF> start = standardPoints;
    start[1] = start[0];
    editor.setControlPoints(start);
    BezierControlPoint* anchor = nullptr;
    for (QGraphicsItem* child : editor.childItems()) {
        auto* point = dynamic_cast<BezierControlPoint*>(child);
        if (point && point->index() == 0)
            anchor = point;
    }
    QVERIFY(anchor);
    anchor->setPos(start[0] + QPointF(10, 5));
    editor.controlPointMoved(0);
    // A guide without length gives no offset to keep.
    QCOMPARE(editor.controlPoints(), (QList<QPointF>{start[0] + QPointF(10, 5), start[0], start[2], start[3]}));
}

QTEST_MAIN(TestBezierCubicItem)
#include "tst_beziercubicitem.moc"
