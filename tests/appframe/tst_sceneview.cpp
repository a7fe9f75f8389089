#include "appframe/AbstractScene.h"
#include "appframe/SceneView.h"

#include <QAction>
#include <QApplication>
#include <QOpenGLWidget>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <memory>

namespace {

// A scene that keeps a size of its own (as a canvas does; (-1, -1) is the
// size of a scene never sized), or follows the view when made without one
// (as the home scene does). White, so that the view's shadow shows.
class TestScene : public AbstractScene
{
public:
    TestScene()
        : m_follow(true)
    {
        setBackgroundBrush(Qt::white);
    }
    explicit TestScene(QSize own)
        : m_own(own)
    {
        setBackgroundBrush(Qt::white);
    }

    void resize(const QSize& size) override
    {
        offered << size;
        AbstractScene::resize(m_follow ? size : m_own);
    }
    bool sceneSelectable() const override { return selectable; }
    void pasteFromClipboard() override { ++pastes; }

    QList<QSize> offered;
    bool selectable = true;
    int pastes = 0;

private:
    bool m_follow = false;
    QSize m_own;
};

// Shown, so that the viewport has its size.
bool showView(SceneView& view, const QSize& size)
{
    view.resize(size);
    view.show();
    return QTest::qWaitForWindowExposed(&view);
}

// One Ctrl+wheel (or other) notch over the middle of the viewport; returns
// whether the view accepted it.
bool wheel(SceneView& view, int delta, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
{
    const QPointF pos = QRectF(view.viewport()->rect()).center();
    QWheelEvent event(pos, view.viewport()->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
        Qt::NoScrollPhase, false);
    event.setAccepted(false);
    QApplication::sendEvent(view.viewport(), &event);
    return event.isAccepted();
}

} // namespace

class TestSceneView : public QObject
{
    Q_OBJECT

private slots:
    void setViewScaleSnaps_data();
    void setViewScaleSnaps();
    void setViewScaleUnchangedEmitsNothing();
    void wheelZoom_data();
    void wheelZoom();
    void wheelScrollsUnlessPlainCtrlOnSelectableScene_data();
    void wheelScrollsUnlessPlainCtrlOnSelectableScene();
    void fitIn_data();
    void fitIn();
    void dragModeFollowsMappedSize();
    void transformTurnsAboutSceneCentre();
    void sceneLayoutAndSwitch();
    void deletedSceneLeavesWorkingView();
    void pasteGoesToScene();
    void openGLSwitch();
    void edgeShadow();
    void edgeShadowStaysPutWhileScrolling_data();
    void edgeShadowStaysPutWhileScrolling();
};

void TestSceneView::setViewScaleSnaps_data()
{
    QTest::addColumn<double>("asked");
    QTest::addColumn<double>("stored");

    QTest::newRow("just above 1 snaps") << 1.005 << 1.0;
    QTest::newRow("just below 1 snaps") << 0.9995 << 1.0;
    QTest::newRow("upper edge of the band is kept") << 1.0111 << 1.0111;
    QTest::newRow("lower edge of the band is kept") << 0.999 << 0.999;
    QTest::newRow("inside the upper edge snaps") << 1.011 << 1.0;
    QTest::newRow("far off is kept") << 2.5 << 2.5;
    QTest::newRow("below the wheel minimum is kept") << 0.01 << 0.01;
}

void TestSceneView::setViewScaleSnaps()
{
    QFETCH(double, asked);
    QFETCH(double, stored);

    SceneView view;
    view.resize(400, 300);
    TestScene scene(QSize(100, 100));
    view.setScene(&scene);
    view.setViewScale(0.5);
    QSignalSpy changed(&view, &SceneView::viewScaleChanged);

    view.setViewScale(asked);
    QCOMPARE(view.viewScale(), stored);
    QCOMPARE(scene.viewScale(), stored);
    QCOMPARE(view.property("viewScale").toDouble(), stored);
    QCOMPARE(view.transform().m11(), stored);
    QCOMPARE(changed.count(), 1);
}

void TestSceneView::setViewScaleUnchangedEmitsNothing()
{
    SceneView view;
    TestScene scene(QSize(100, 100));
    view.setScene(&scene);
    QSignalSpy changed(&view, &SceneView::viewScaleChanged);

    view.setViewScale(1.0);
    QCOMPARE(changed.count(), 0);
    // The equality test comes before the snap: 1.005 is applied, as 1.0.
    view.setViewScale(1.005);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(view.viewScale(), 1.0);
    QVERIFY(view.transform().isIdentity());
}

void TestSceneView::wheelZoom_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("notches");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("emitted");

    QTest::newRow("in one notch") << 2.0 << 0.05 << 120 << 1 << 2.2 << 1;
    QTest::newRow("out one notch") << 2.0 << 0.05 << -120 << 1 << 1.8 << 1;
    QTest::newRow("a small delta is a whole step") << 2.0 << 0.05 << 15 << 1 << 2.2 << 1;
    QTest::newRow("in from 3.8 stops at 4") << 3.8 << 0.05 << 120 << 3 << 4.0 << 1;
    QTest::newRow("in at 4 does nothing") << 4.0 << 0.05 << 120 << 2 << 4.0 << 0;
    QTest::newRow("out from 0.055 stops at 0.05") << 0.055 << 0.05 << -120 << 3 << 0.05 << 1;
    QTest::newRow("out at 0.05 does nothing") << 0.05 << 0.05 << -120 << 2 << 0.05 << 0;
    QTest::newRow("out below a raised minimum stops there") << 0.21 << 0.2 << -120 << 2 << 0.2 << 1;
    QTest::newRow("out from below the minimum does nothing") << 0.01 << 0.05 << -120 << 1 << 0.01 << 0;
    QTest::newRow("out onto 1.008 snaps to 1") << 1.12 << 0.05 << -120 << 1 << 1.0 << 1;
    QTest::newRow("zero delta") << 2.0 << 0.05 << 0 << 1 << 2.0 << 0;
}

void TestSceneView::wheelZoom()
{
    QFETCH(double, start);
    QFETCH(double, minimum);
    QFETCH(int, delta);
    QFETCH(int, notches);
    QFETCH(double, expected);
    QFETCH(int, emitted);

    SceneView view;
    view.resize(400, 300);
    TestScene scene(QSize(100, 100));
    view.setScene(&scene);
    view.setMinimumWheelScale(minimum);
    view.setViewScale(start);
    QSignalSpy changed(&view, &SceneView::viewScaleChanged);

    for (int i = 0; i < notches; ++i)
        QVERIFY2(wheel(view, delta), "a Ctrl+wheel is always taken by the view");
    // Exactly: the bounds are reached, not approached.
    QVERIFY2(view.viewScale() == expected, qPrintable(QString::number(view.viewScale(), 'g', 17)));
    QCOMPARE(changed.count(), emitted);
    QCOMPARE(scene.viewScale(), view.viewScale());
}

void TestSceneView::wheelScrollsUnlessPlainCtrlOnSelectableScene_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("selectable");

    QTest::newRow("no modifier") << int(Qt::NoModifier) << true;
    QTest::newRow("Ctrl+Shift") << int(Qt::ControlModifier | Qt::ShiftModifier) << true;
    QTest::newRow("Ctrl+Alt") << int(Qt::ControlModifier | Qt::AltModifier) << true;
    QTest::newRow("Ctrl over an unselectable scene") << int(Qt::ControlModifier) << false;
}

void TestSceneView::wheelScrollsUnlessPlainCtrlOnSelectableScene()
{
    QFETCH(int, modifiers);
    QFETCH(bool, selectable);

    SceneView view;
    QVERIFY(showView(view, QSize(300, 200)));
    TestScene scene(QSize(3000, 2000));
    scene.selectable = selectable;
    view.setScene(&scene);
    view.verticalScrollBar()->setValue(500);
    view.horizontalScrollBar()->setValue(500);
    QSignalSpy changed(&view, &SceneView::viewScaleChanged);

    wheel(view, -120, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(view.viewScale(), 1.0);
    QCOMPARE(changed.count(), 0);
    const bool scrolled = view.verticalScrollBar()->value() != 500 || view.horizontalScrollBar()->value() != 500;
    QVERIFY2(scrolled, "the wheel scrolls the view instead");
}

void TestSceneView::fitIn_data()
{
    QTest::addColumn<QSize>("viewSize");
    QTest::addColumn<QSize>("sceneSize");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("emitted");

    // Mostly a 1000 x 300 viewport. A scroll bar may take the side that does
    // not limit the fit; the rows are chosen so that it never matters.
    QTest::newRow("smaller scene is shown at 1, never enlarged") << QSize(1000, 300) << QSize(200, 100) << 0.5 << 1.0 << 1;
    QTest::newRow("twice as wide") << QSize(1000, 300) << QSize(2000, 200) << 1.0 << 0.5 << 1;
    QTest::newRow("three times as tall") << QSize(1000, 300) << QSize(300, 900) << 1.0 << 1.0 / 3 << 1;
    QTest::newRow("a hair too wide snaps to 1") << QSize(1000, 300) << QSize(1001, 100) << 0.5 << 1.0 << 1;
    QTest::newRow("far below the wheel minimum") << QSize(1000, 300) << QSize(100000, 100) << 1.0 << 0.01 << 1;
    QTest::newRow("already fitted") << QSize(1000, 300) << QSize(2000, 200) << 0.5 << 0.5 << 0;
    // A scene not sized yet, or sized 0, has nothing to fit: no zero or
    // negative scale.
    QTest::newRow("unsized scene") << QSize(1000, 300) << QSize(-1, -1) << 0.5 << 0.5 << 0;
    QTest::newRow("zero width") << QSize(1000, 300) << QSize(0, 300) << 0.5 << 0.5 << 0;
    QTest::newRow("zero height") << QSize(1000, 300) << QSize(300, 0) << 0.5 << 0.5 << 0;
    QTest::newRow("empty viewport") << QSize(0, 0) << QSize(300, 200) << 0.5 << 0.5 << 0;
}

void TestSceneView::fitIn()
{
    QFETCH(QSize, viewSize);
    QFETCH(QSize, sceneSize);
    QFETCH(double, start);
    QFETCH(double, expected);
    QFETCH(int, emitted);

    // Inside a window, so that the view may also be empty.
    QWidget window;
    window.resize(1200, 400);
    auto& view = *new SceneView(&window);
    view.setGeometry(QRect(QPoint(0, 0), viewSize));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    TestScene scene(sceneSize);
    view.setScene(&scene);
    view.setViewScale(start);
    QSignalSpy changed(&view, &SceneView::viewScaleChanged);

    view.fitIn();
    QVERIFY2(qFuzzyCompare(view.viewScale(), expected), qPrintable(QString::number(view.viewScale())));
    QCOMPARE(changed.count(), emitted);
    QCOMPARE(scene.viewScale(), view.viewScale());
}

void TestSceneView::dragModeFollowsMappedSize()
{
    SceneView view;
    QVERIFY(showView(view, QSize(400, 300)));
    TestScene scene(QSize(350, 200));
    view.setScene(&scene);
    QCOMPARE(view.dragMode(), QGraphicsView::NoDrag);

    view.setViewScale(2.0);
    QCOMPARE(view.dragMode(), QGraphicsView::ScrollHandDrag);
    view.setViewScale(1.0);
    QCOMPARE(view.dragMode(), QGraphicsView::NoDrag);

    // Turned a quarter, the scene is 350 high: too tall for the viewport.
    scene.setRotation(90);
    view.setViewScale(1.005);
    QCOMPARE(view.dragMode(), QGraphicsView::ScrollHandDrag);
}

void TestSceneView::transformTurnsAboutSceneCentre()
{
    SceneView view;
    view.resize(400, 300);
    TestScene scene(QSize(400, 200));
    view.setScene(&scene);

    // The scene's turn reaches the view at the next zoom change.
    scene.setRotation(90);
    QVERIFY(view.transform().isIdentity());
    view.setViewScale(2.0);
    // About the centre (200, 100), then scaled: the centre only scales, and
    // the top-left corner goes a quarter clockwise about it.
    QCOMPARE(view.transform().map(QPointF(200, 100)), QPointF(400, 200));
    QCOMPARE(view.transform().map(QPointF(0, 0)), QPointF(600, -200));

    scene.setRotation(0);
    scene.setPerspective(QPointF(20, 10));
    view.setViewScale(1.0);
    QVERIFY(!view.transform().isAffine());
    const QPointF centre = view.transform().map(QPointF(200, 100));
    QVERIFY(qAbs(centre.x() - 200) < 1e-9 && qAbs(centre.y() - 100) < 1e-9);

    scene.setPerspective(QPointF());
    view.setViewScale(1.005);
    QVERIFY(view.transform().isIdentity());
}

void TestSceneView::sceneLayoutAndSwitch()
{
    SceneView view;
    QVERIFY(showView(view, QSize(400, 300)));
    auto* first = new TestScene;
    view.setScene(first);
    const QSize viewport = view.viewport()->contentsRect().size();
    QCOMPARE(first->offered.value(0), viewport);
    QCOMPARE(first->sceneSize(), viewport);
    QCOMPARE(view.scene(), first);

    // A resized view offers the scene its new size.
    view.resize(500, 350);
    QCOMPARE(first->sceneSize(), QSize(500, 350));

    // The zoom stays when the scene changes, and the old scene is let go.
    view.setViewScale(0.5);
    TestScene second(QSize(100, 100));
    view.setScene(&second);
    QCOMPARE(view.viewScale(), 0.5);
    first->offered.clear();
    first->adjustSceneSize();
    QVERIFY(first->offered.isEmpty());
    second.offered.clear();
    second.adjustSceneSize();
    QCOMPARE(second.offered.size(), 1);

    QCOMPARE(view.takeScene(), &second);
    QCOMPARE(view.scene(), nullptr);
    QCOMPARE(view.QGraphicsView::scene(), nullptr);
    delete first;
}

void TestSceneView::deletedSceneLeavesWorkingView()
{
    SceneView view;
    QVERIFY(showView(view, QSize(400, 300)));
    auto* scene = new TestScene(QSize(800, 600));
    view.setScene(scene);

    delete scene;
    QCOMPARE(view.scene(), nullptr);
    QCOMPARE(view.QGraphicsView::scene(), nullptr);

    QSignalSpy changed(&view, &SceneView::viewScaleChanged);
    view.fitIn();
    QCOMPARE(changed.count(), 0);
    wheel(view, 120);
    QCOMPARE(view.viewScale(), 1.0);
    view.setViewScale(2.0);
    QCOMPARE(view.viewScale(), 2.0);
    view.actions().constFirst()->trigger();
    view.resize(300, 200);
    QVERIFY(!view.grab().isNull());

    TestScene next(QSize(100, 100));
    view.setScene(&next);
    QCOMPARE(view.scene(), &next);
    QCOMPARE(next.offered.size(), 1);
    view.setViewScale(0.5);
    QCOMPARE(next.viewScale(), 0.5);
}

void TestSceneView::pasteGoesToScene()
{
    SceneView view;
    const QList<QAction*> actions = view.actions();
    QCOMPARE(actions.size(), 1);
    QAction* paste = actions.first();
    QCOMPARE(paste->shortcut(), QKeySequence(QKeySequence::Paste));

    paste->trigger();
    TestScene scene(QSize(100, 100));
    view.setScene(&scene);
    paste->trigger();
    QCOMPARE(scene.pastes, 1);
}

void TestSceneView::openGLSwitch()
{
    SceneView view;
    QVERIFY(view.supportsOpenGL());
    QVERIFY(view.openGL());
    QWidget* plain = view.viewport();
    QVERIFY(!qobject_cast<QOpenGLWidget*>(plain));

    // The flag already reads true: nothing is replaced.
    view.setOpenGL(true);
    QCOMPARE(view.viewport(), plain);

    QVERIFY(view.setProperty("openGL", false));
    QVERIFY(!view.openGL());
    QVERIFY(!qobject_cast<QOpenGLWidget*>(view.viewport()));
    QCOMPARE(view.viewportUpdateMode(), QGraphicsView::MinimalViewportUpdate);
    QCOMPARE(view.palette().brush(QPalette::Base).style(), Qt::NoBrush);

    view.setOpenGL(true);
    QVERIFY(qobject_cast<QOpenGLWidget*>(view.viewport()));
    QCOMPARE(view.viewportUpdateMode(), QGraphicsView::FullViewportUpdate);
    QCOMPARE(view.palette().brush(QPalette::Base).style(), Qt::NoBrush);
}

void TestSceneView::edgeShadow()
{
    SceneView view;
    QVERIFY(showView(view, QSize(200, 100)));
    TestScene scene;
    view.setScene(&scene);

    const auto grey = [&view](int x, int y) { return qGray(view.viewport()->grab().toImage().pixel(x, y)); };
    // Dark at the top and right edges, fading out within 8 pixels; white
    // elsewhere.
    QVERIFY(grey(100, 0) < 215);
    QVERIFY(grey(199, 50) < 215);
    QVERIFY(grey(100, 2) > grey(100, 0));
    QCOMPARE(grey(100, 8), 255);
    QCOMPARE(grey(191, 50), 255);
    QCOMPARE(grey(0, 50), 255);
    QCOMPARE(grey(100, 99), 255);

    // Zoom does not move it: it lies in viewport coordinates.
    view.setViewScale(0.5);
    QVERIFY(grey(100, 0) < 215);
    QVERIFY(grey(199, 50) < 215);

    view.setDrawTileShadow(false);
    QCOMPARE(grey(100, 0), 255);
    QCOMPARE(grey(199, 50), 255);
}

void TestSceneView::edgeShadowStaysPutWhileScrolling_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::newRow("scrolled up: the top band would slide down") << true;
    QTest::newRow("scrolled left: the right band would slide left") << false;
}

void TestSceneView::edgeShadowStaysPutWhileScrolling()
{
    QFETCH(bool, vertical);

    SceneView view;
    QVERIFY(showView(view, QSize(200, 100)));
    TestScene scene(QSize(2000, 1000));
    view.setScene(&scene);
    QScrollBar* bar = vertical ? view.verticalScrollBar() : view.horizontalScrollBar();
    bar->setValue(100);
    QTest::qWait(20);
    // What the screen shows counts here, not a fresh rendering: a scroll
    // that moved the painted pixels would slide the bands along.
    bar->setValue(70);
    QTest::qWait(20);
    const QImage screen = view.screen()->grabWindow(view.winId()).toImage();
    const QPoint viewportOrigin = view.viewport()->mapTo(&view, QPoint(0, 0));
    const QRect viewport = view.viewport()->rect();
    const auto grey = [&](int x, int y) { return qGray(screen.pixel(viewportOrigin + QPoint(x, y))); };
    if (vertical) {
        QVERIFY(grey(100, 0) < 215);
        for (int y = 8; y < 40; ++y)
            QCOMPARE(grey(100, y), 255);
    } else {
        QVERIFY(grey(viewport.width() - 1, 50) < 215);
        for (int x = viewport.width() - 40; x < viewport.width() - 8; ++x)
            QCOMPARE(grey(x, 50), 255);
    }
}

QTEST_MAIN(TestSceneView)
#include "tst_sceneview.moc"
