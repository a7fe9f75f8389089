#include "appframe/AbstractScene.h"

#include <QGraphicsRectItem>
#include <QSignalSpy>
#include <QtTest>

namespace {

class CountingScene : public AbstractScene
{
public:
    int resizeEvents = 0;
    void resizeEvent() override { ++resizeEvents; }
};

} // namespace

class TestAbstractScene : public QObject
{
    Q_OBJECT

private slots:
    void initialState();
    void resize();
    void perspective_data();
    void perspective();
    void rotationThroughProperty();
    void resizeAutoFit_data();
    void resizeAutoFit();
};

void TestAbstractScene::initialState()
{
    AbstractScene scene;
    QCOMPARE(scene.sceneSize(), QSize(-1, -1));
    QVERIFY(scene.sceneRectangle().isEmpty());
    QCOMPARE(scene.viewScale(), 1.0);
    QCOMPARE(scene.perspective(), QPointF(0, 0));
    QCOMPARE(scene.rotation(), 0.0);
    QVERIFY(scene.sceneSelectable());

    QSignalSpy sizeChanged(&scene, &AbstractScene::sceneSizeChanged);
    scene.adjustSceneSize();
    QCOMPARE(sizeChanged.size(), 1);
}

void TestAbstractScene::resize()
{
    CountingScene scene;
    QSignalSpy sizeChanged(&scene, &AbstractScene::sceneSizeChanged);
    scene.resize(QSize(300, 200));
    QCOMPARE(scene.sceneSize(), QSize(300, 200));
    QCOMPARE(scene.sceneRectangle(), QRectF(0, 0, 300, 200));
    QCOMPARE(scene.sceneRect(), QRectF(0, 0, 300, 200));
    QCOMPARE(scene.resizeEvents, 1);

    // The same size again changes nothing and asks no layout.
    scene.resize(QSize(300, 200));
    QCOMPARE(scene.resizeEvents, 1);
    QCOMPARE(sizeChanged.size(), 0);
}

void TestAbstractScene::perspective_data()
{
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<bool>("emitted");
    QTest::newRow("same") << QPointF(3, 4) << QPointF(3, 4) << false;
    QTest::newRow("within 1e-12 of zero") << QPointF(0, 0) << QPointF(1e-13, 0) << false;
    QTest::newRow("beyond 1e-12 of zero") << QPointF(0, 0) << QPointF(1e-11, 0) << true;
    QTest::newRow("13th significant digit") << QPointF(1, 1) << QPointF(1, 1 + 1e-13) << false;
    QTest::newRow("differs") << QPointF(1, 1) << QPointF(1, 1.001) << true;
}

void TestAbstractScene::perspective()
{
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(bool, emitted);
    AbstractScene scene;
    scene.setPerspective(from);
    QSignalSpy changed(&scene, &AbstractScene::scenePerspectiveChanged);
    QVERIFY(scene.setProperty("perspective", to));
    QCOMPARE(changed.size(), emitted ? 1 : 0);
}

void TestAbstractScene::rotationThroughProperty()
{
    AbstractScene scene;
    QSignalSpy changed(&scene, &AbstractScene::sceneRotationChanged);
    QVERIFY(scene.setProperty("rotation", 90.0));
    QVERIFY(scene.setProperty("rotation", 90.0));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(scene.property("rotation").toDouble(), 90.0);
    // Exact comparison: a tiny step is a change.
    scene.setRotation(90.0 + 1e-9);
    QCOMPARE(changed.size(), 2);
}

void TestAbstractScene::resizeAutoFit_data()
{
    QTest::addColumn<QRectF>("item");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("no items") << QRectF() << QSize(10, 10);
    // Edges 105.7 and 55.2 truncate.
    QTest::newRow("fractional edges") << QRectF(5, 5, 100.7, 50.2) << QSize(105, 55);
    QTest::newRow("small item") << QRectF(1, 1, 3, 3) << QSize(10, 10);
    QTest::newRow("left of the origin") << QRectF(-50, -50, 20, 20) << QSize(10, 10);
    QTest::newRow("far out") << QRectF(0, 0, 1e12, 20) << QSize(INT_MAX, 20);
}

void TestAbstractScene::resizeAutoFit()
{
    QFETCH(QRectF, item);
    QFETCH(QSize, expected);
    AbstractScene scene;
    if (!item.isNull())
        scene.addRect(item, QPen(Qt::NoPen));
    scene.resizeAutoFit();
    QCOMPARE(scene.sceneSize(), expected);
}

QTEST_MAIN(TestAbstractScene)
#include "tst_abstractscene.moc"
