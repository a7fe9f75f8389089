#include "home/HomeLabel.h"
#include "home/HomeScene.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

class TestHomeScene : public QObject
{
    Q_OBJECT

private slots:
    void twoTilesInOrder();
    void layout_data();
    void layout();
    void background();
    void startResetsTheTile();
    void keyPressed();
};

void TestHomeScene::twoTilesInOrder()
{
    HomeScene scene;
    QVERIFY(!scene.sceneSelectable());
    const QList<QGraphicsItem*> tiles = scene.tiles();
    QCOMPARE(tiles.size(), 2);
    QSignalSpy zorivuv(&scene, &HomeScene::startZorivuv);
    QSignalSpy collage(&scene, &HomeScene::startCanvas);
    QSignalSpy panorama(&scene, &HomeScene::startPanorama);

    for (QGraphicsItem* tile : tiles) {
        auto* label = dynamic_cast<HomeLabel*>(tile);
        QVERIFY(label);
        QCOMPARE(label->zValue(), 1.0);
        QCOMPARE(label->scene(), &scene);
    }
    emit static_cast<HomeLabel*>(tiles[0])->requestEditing();
    QCOMPARE(zorivuv.count(), 1);
    QCOMPARE(collage.count(), 0);
    emit static_cast<HomeLabel*>(tiles[1])->requestEditing();
    QCOMPARE(collage.count(), 1);
    QCOMPARE(zorivuv.count(), 1);
    QCOMPARE(panorama.count(), 0);
}

void TestHomeScene::layout_data()
{
    QTest::addColumn<QSize>("offered");
    QTest::addColumn<QSize>("sceneSize");
    QTest::addColumn<QPoint>("zorivuv");
    QTest::addColumn<QPoint>("collage");

    // One row of two columns in the size less 20 on each side; centres at
    // x = int((c + 0.5) * usable width / 2) + 20 and
    // y = int(0.55 * usable height) - 20.
    QTest::newRow("1000 x 600") << QSize(1000, 600) << QSize(1000, 600) << QPoint(260, 288) << QPoint(740, 288);
    QTest::newRow("1400 x 900") << QSize(1400, 900) << QSize(1400, 900) << QPoint(360, 453) << QPoint(1040, 453);
    QTest::newRow("odd sizes truncate") << QSize(1001, 601) << QSize(1001, 601) << QPoint(260, 288)
                                        << QPoint(740, 288);
    QTest::newRow("tall") << QSize(700, 1200) << QSize(700, 1200) << QPoint(185, 618) << QPoint(515, 618);
    QTest::newRow("smallest") << QSize(600, 200) << QSize(600, 200) << QPoint(160, 68) << QPoint(440, 68);
    QTest::newRow("500 x 150 is raised") << QSize(500, 150) << QSize(600, 200) << QPoint(160, 68) << QPoint(440, 68);
    QTest::newRow("empty view") << QSize(0, 0) << QSize(600, 200) << QPoint(160, 68) << QPoint(440, 68);
}

void TestHomeScene::layout()
{
    QFETCH(QSize, offered);
    QFETCH(QSize, sceneSize);
    QFETCH(QPoint, zorivuv);
    QFETCH(QPoint, collage);

    HomeScene scene;
    scene.resize(offered);
    QCOMPARE(scene.sceneSize(), sceneSize);
    QCOMPARE(scene.sceneRect(), QRectF(QPointF(0, 0), sceneSize));
    QCOMPARE(scene.tiles()[0]->sceneBoundingRect().center(), QPointF(zorivuv));
    QCOMPARE(scene.tiles()[1]->sceneBoundingRect().center(), QPointF(collage));
    // Same size again: the tiles stay.
    scene.resize(offered);
    QCOMPARE(scene.tiles()[1]->sceneBoundingRect().center(), QPointF(collage));
}

void TestHomeScene::background()
{
    HomeScene scene;
    scene.resize(QSize(1000, 600));
    QImage image(1000, 600, QImage::Format_ARGB32);
    image.fill(Qt::red);
    {
        QPainter painter(&image);
        scene.render(&painter);
    }
    const QColor dark(QStringLiteral("#222222"));
    for (const QPoint corner : {QPoint(0, 0), QPoint(999, 0), QPoint(0, 599), QPoint(999, 599), QPoint(500, 300)})
        QCOMPARE(QColor::fromRgba(image.pixel(corner)), dark);
    QVERIFY(QColor::fromRgba(image.pixel(260, 288)) != dark);
}

void TestHomeScene::startResetsTheTile()
{
    HomeScene scene;
    auto* collage = static_cast<HomeLabel*>(scene.tiles()[1]);
    collage->setScale(1.1);
    QSignalSpy started(&scene, &HomeScene::startCanvas);
    // The scene restores the tile after announcing the start.
    connect(&scene, &HomeScene::startCanvas, this, [collage] { QCOMPARE(collage->scale(), 1.1); });
    emit collage->requestEditing();
    QCOMPARE(started.count(), 1);
    QCOMPARE(collage->scale(), 1.0);

    // Called other than from a tile, the slots only emit.
    QSignalSpy panorama(&scene, &HomeScene::startPanorama);
    scene.slotStartPanorama();
    QCOMPARE(panorama.count(), 1);
}

void TestHomeScene::keyPressed()
{
    HomeScene scene;
    QSignalSpy pressed(&scene, &HomeScene::keyPressed);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(&scene, &key);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.first().first().toInt(), int(Qt::Key_Space));
}

QTEST_MAIN(TestHomeScene)
#include "tst_homescene.moc"
