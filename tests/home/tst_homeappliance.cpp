#include "appframe/ApplianceTestSupport.h"
#include "appframe/SceneView.h"
#include "appframe/Workflow.h"
#include "app/DefaultWorkflowCreators.h"
#include "home/HomeAppliance.h"
#include "home/HomeLabel.h"
#include "home/HomeScene.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QWheelEvent>

#include <memory>

namespace {

// The real workflow over the recording container, on the home appliance.
struct Fixture
{
    Fixture()
    {
        Workflow::Creators creators;
        registerDefaultWorkflowCreators(creators);
        creators.home = [] { return new HomeAppliance(nullptr); };
        workflow = std::make_unique<Workflow>(&container, nullptr, creators);
        home = dynamic_cast<HomeAppliance*>(workflow->currentAppliance());
    }

    // The home screen's widget on screen, as the main window would show it.
    bool show(const QSize& size)
    {
        QWidget* widget = home->sceneWidget();
        widget->resize(size);
        widget->show();
        return QTest::qWaitForWindowExposed(widget);
    }

    QPoint tileCentre(int index) const
    {
        const QGraphicsItem* tile = home->scene()->tiles().at(index);
        return home->view()->mapFromScene(tile->sceneBoundingRect().center());
    }

    RecordingContainer container;
    std::unique_ptr<Workflow> workflow;
    HomeAppliance* home = nullptr;
};

} // namespace

class TestHomeAppliance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void homeAttachesItsSceneOnly();
    void leftClickStartsMode_data();
    void leftClickStartsMode();
    void rightClickStartsNothing();
    void keyboardMovesFocusAndStarts();
    void ctrlWheelDoesNotZoom();
    void loadCanvas();
    void screenshot();
};

void TestHomeAppliance::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestHomeAppliance::homeAttachesItsSceneOnly()
{
    Fixture fixture;
    QVERIFY(fixture.home);
    QCOMPARE(fixture.workflow->nodeCount(), 1);
    QCOMPARE(fixture.home->applianceName(), QStringLiteral("Home"));
    // No bars: the window hides all three.
    QCOMPARE(fixture.container.calls,
        QStringList({QStringLiteral("title:"), QStringLiteral("attach:HomeAppliance"), QStringLiteral("top:"),
            QStringLiteral("right:"), QStringLiteral("bottom:")}));
    QCOMPARE(fixture.home->view()->scene(), fixture.home->scene());
    QVERIFY(!fixture.home->view()->drawTileShadow());
    QCOMPARE(fixture.home->view()->parentWidget(), fixture.home->sceneWidget());
}

void TestHomeAppliance::leftClickStartsMode_data()
{
    QTest::addColumn<int>("tile");
    QTest::addColumn<QString>("mode");

    QTest::newRow("Zorivuv") << 0 << QStringLiteral("Zorivuv");
    QTest::newRow("Collage") << 1 << QStringLiteral("Collage");
}

void TestHomeAppliance::leftClickStartsMode()
{
    QFETCH(int, tile);
    QFETCH(QString, mode);

    Fixture fixture;
    QVERIFY(fixture.show(QSize(1000, 600)));
    QWidget* viewport = fixture.home->view()->viewport();
    auto* label = static_cast<HomeLabel*>(fixture.home->scene()->tiles().at(tile));
    const QPoint centre = fixture.tileCentre(tile);

    // The pointer comes onto the tile, which starts growing, and clicks.
    QTest::mouseMove(viewport, centre);
    QTest::qWait(HomeLabel::scaleDurationMs / 3);
    QVERIFY(label->scale() > 1.0);
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, centre);

    QTRY_COMPARE(fixture.workflow->applianceName(), mode);
    QCOMPARE(fixture.workflow->nodeCount(), 2);
    QTest::qWait(2 * HomeLabel::scaleDurationMs);
    QCOMPARE(label->scale(), 1.0);
}

void TestHomeAppliance::rightClickStartsNothing()
{
    Fixture fixture;
    QVERIFY(fixture.show(QSize(1000, 600)));
    QTest::mouseClick(fixture.home->view()->viewport(), Qt::RightButton, Qt::NoModifier, fixture.tileCentre(1));
    QTest::qWait(50);
    QCOMPARE(fixture.workflow->nodeCount(), 1);
    QCOMPARE(fixture.workflow->currentAppliance(), fixture.home);
}

void TestHomeAppliance::keyboardMovesFocusAndStarts()
{
    Fixture fixture;
    QVERIFY(fixture.show(QSize(1000, 600)));
    QWidget* widget = fixture.home->sceneWidget();
    QApplication::setActiveWindow(widget);
    QVERIFY(QTest::qWaitForWindowActive(widget));
    SceneView* view = fixture.home->view();
    view->setFocus();
    const QList<QGraphicsItem*> tiles = fixture.home->scene()->tiles();

    // Tab comes onto the first tile, the arrows go round; the focused tile
    // is the grown one.
    const QList<std::pair<Qt::Key, int>> steps = {
        {Qt::Key_Tab, 0}, {Qt::Key_Right, 1}, {Qt::Key_Right, 0}, {Qt::Key_Left, 1}, {Qt::Key_Backtab, 0},
        {Qt::Key_Down, 1}};
    for (const auto& [key, focused] : steps) {
        QTest::keyClick(view, key);
        QVERIFY(tiles[focused]->hasFocus());
        QTRY_COMPARE(tiles[focused]->scale(), HomeLabel::hoverScale);
        QTRY_COMPARE(tiles[1 - focused]->scale(), 1.0);
    }
    QCOMPARE(fixture.workflow->nodeCount(), 1);

    QTest::keyClick(view, Qt::Key_Return);
    QTRY_COMPARE(fixture.workflow->applianceName(), QStringLiteral("Collage"));
    QCOMPARE(tiles[1]->scale(), 1.0);
}

void TestHomeAppliance::ctrlWheelDoesNotZoom()
{
    Fixture fixture;
    QVERIFY(fixture.show(QSize(1000, 600)));
    QWidget* viewport = fixture.home->view()->viewport();
    const QPointF pos(500, 300);
    QWheelEvent wheel(pos, viewport->mapToGlobal(pos), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::ControlModifier,
        Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
    QCOMPARE(fixture.home->view()->viewScale(), 1.0);
    QCOMPARE(fixture.home->scene()->sceneSize(), QSize(1000, 600));
}

void TestHomeAppliance::loadCanvas()
{
    Fixture fixture;
    QTest::ignoreMessage(QtWarningMsg, "HomeAppliance::slotLoadCanvas: don't know how to load URL '/pictures/a.jpg'");
    fixture.home->slotLoadCanvas(QUrl::fromLocalFile(QStringLiteral("/pictures/a.jpg")));
    runQueue();
    QCOMPARE(fixture.workflow->nodeCount(), 1);

    // A project is opened by its path. One that cannot be read (it does
    // not exist) is refused with the reader's message, and the home screen
    // stays.
    QTemporaryDir dir;
    const QString project = QDir(dir.path()).filePath(QStringLiteral("trip.pmp2"));
    BoxAnswerer answerer({QMessageBox::Ok});
    fixture.home->slotLoadCanvas(QUrl::fromLocalFile(project));
    runQueue();
    QCOMPARE(fixture.workflow->nodeCount(), 1);
    QCOMPARE(answerer.seen.size(), 1);
    QVERIFY2(answerer.seen[0].text.contains(QStringLiteral(" ") + project), qPrintable(answerer.seen[0].text));

    QVERIFY(TestSupport::writeFile(project, "<Collage format=\"2\"><canvas/></Collage>"));
    fixture.home->slotLoadCanvas(QUrl::fromLocalFile(project));
    QTRY_COMPARE(fixture.workflow->nodeCount(), 2);
    QCOMPARE(fixture.workflow->applianceName(), QStringLiteral("Collage"));
    QCOMPARE(answerer.seen.size(), 1);
}

void TestHomeAppliance::screenshot()
{
    Fixture fixture;
    QVERIFY(fixture.show(QSize(1400, 900)));
    const QImage shot = fixture.home->sceneWidget()->grab().toImage();
    const QString path = qEnvironmentVariable("VELLUMAR_HOME_SCREENSHOT");
    if (!path.isEmpty())
        QVERIFY(shot.save(path));

    const QColor dark(QStringLiteral("#222222"));
    const qreal ratio = shot.devicePixelRatio();
    const auto at = [&](int x, int y) { return QColor(shot.pixel(int(x * ratio), int(y * ratio))); };
    for (const QPoint point : {QPoint(2, 2), QPoint(1397, 2), QPoint(2, 897), QPoint(1397, 897), QPoint(700, 453)})
        QCOMPARE(at(point.x(), point.y()), dark);
    // Both tiles, 220 wide with their plate, centred on the grid of the
    // 1400 x 900 scene, drawn over the background.
    for (const int x : {360, 1040}) {
        QVERIFY(at(x, 453) != dark);
        QVERIFY(at(x - 95, 453) != dark);
        QVERIFY(at(x + 95, 453) != dark);
        QCOMPARE(at(x - 115, 453), dark);
        QCOMPARE(at(x + 115, 453), dark);
        QCOMPARE(at(x, 453 - 115), dark);
        QCOMPARE(at(x, 453 + 115), dark);
    }
}

QTEST_MAIN(TestHomeAppliance)
#include "tst_homeappliance.moc"
