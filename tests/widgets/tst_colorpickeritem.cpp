#include "widgets/CColorPickerItem.h"

#include <QGraphicsScene>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

namespace {

void press(QGraphicsScene& scene, CColorPickerItem& item, QPointF pos)
{
    QGraphicsSceneMouseEvent event(QEvent::GraphicsSceneMousePress);
    event.setPos(pos);
    event.setButton(Qt::LeftButton);
    event.setButtons(Qt::LeftButton);
    scene.sendEvent(&item, &event);
}

void hover(QGraphicsScene& scene, CColorPickerItem& item, QEvent::Type type)
{
    QGraphicsSceneHoverEvent event(type);
    scene.sendEvent(&item, &event);
}

QImage render(CColorPickerItem& item)
{
    QImage image(int(item.boundingRect().width()), int(item.boundingRect().height()), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setTransform(item.transform());
    item.paint(&painter, nullptr, nullptr);
    return image;
}

} // namespace

class TestColorPickerItem : public QObject
{
    Q_OBJECT

private slots:
    void geometry_data();
    void geometry();
    void pressesPickColours_data();
    void pressesPickColours();
    void gapAndRepeatEmitNothing();
    void setColorEmitsNothing();
    void animationRunsToEndStates();
    void anchorKeepsCorner_data();
    void anchorKeepsCorner();
};

void TestColorPickerItem::geometry_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("plane");
    QTest::addColumn<QRect>("bar");
    // Plane (8, 8)-(w - 33, h - 9), bar (w - 24, 8)-(w - 9, h - 9), inclusive.
    QTest::newRow("200 x 150") << QSize(200, 150) << QRect(8, 8, 160, 134) << QRect(176, 8, 16, 134);
    QTest::newRow("100 x 100") << QSize(100, 100) << QRect(8, 8, 60, 84) << QRect(76, 8, 16, 84);
    QTest::newRow("300 x 40") << QSize(300, 40) << QRect(8, 8, 260, 24) << QRect(276, 8, 16, 24);
}

void TestColorPickerItem::geometry()
{
    QFETCH(QSize, size);
    QFETCH(QRect, plane);
    QFETCH(QRect, bar);
    CColorPickerItem item(size.width(), size.height());
    QCOMPARE(item.boundingRect(), QRectF(QPointF(0, 0), QSizeF(size)));
    QCOMPARE(item.planeRect(), plane);
    QCOMPARE(item.valueRect(), bar);
    QCOMPARE(item.color(), QColor::fromHsvF(0.0f, 1.0f, 1.0f));
}

void TestColorPickerItem::pressesPickColours_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<double>("hue");
    QTest::addColumn<double>("saturation");
    QTest::addColumn<double>("value");
    // 200 x 150: plane left 8, width 160, top 8, bottom 141 (133 apart);
    // bar top 8, bottom 141. Starting colour: hue 0.5, saturation 0.5, value 0.5.
    QTest::newRow("plane top-left") << QPoint(8, 8) << 0.0 << 1.0 << 0.5;
    QTest::newRow("plane inside") << QPoint(48, 50) << 0.25 << 1.0 - 42.0 / 133.0 << 0.5;
    QTest::newRow("plane bottom row") << QPoint(168 - 1, 141) << 159.0 / 160.0 << 0.0 << 0.5;
    QTest::newRow("bar top") << QPoint(180, 8) << 0.5 << 0.5 << 1.0;
    QTest::newRow("bar bottom") << QPoint(191, 141) << 0.5 << 0.5 << 0.0;
}

void TestColorPickerItem::pressesPickColours()
{
    QFETCH(QPoint, point);
    QFETCH(double, hue);
    QFETCH(double, saturation);
    QFETCH(double, value);

    QGraphicsScene scene;
    auto* item = new CColorPickerItem(200, 150);
    scene.addItem(item);
    item->setColor(QColor::fromHsvF(0.5f, 0.5f, 0.5f));
    QSignalSpy spy(item, &CColorPickerItem::colorChanged);

    press(scene, *item, point);
    QCOMPARE(spy.count(), 1);
    const QColor expected = QColor::fromHsvF(float(hue), float(saturation), float(value));
    QCOMPARE(spy.at(0).at(0).value<QColor>(), expected);
    QCOMPARE(item->color(), expected);
}

void TestColorPickerItem::gapAndRepeatEmitNothing()
{
    QGraphicsScene scene;
    auto* item = new CColorPickerItem(200, 150);
    scene.addItem(item);
    QSignalSpy spy(item, &CColorPickerItem::colorChanged);

    press(scene, *item, QPoint(172, 60)); // between plane (right 167) and bar (left 176)
    press(scene, *item, QPoint(100, 3));  // top margin
    QCOMPARE(spy.count(), 0);

    press(scene, *item, QPoint(60, 60));
    press(scene, *item, QPoint(60, 60));
    QCOMPARE(spy.count(), 1);

    // Value 1 at the bar's top equals the stored value: nothing.
    press(scene, *item, QPoint(180, 8));
    QCOMPARE(spy.count(), 1);
}

void TestColorPickerItem::setColorEmitsNothing()
{
    CColorPickerItem item(200, 150);
    QSignalSpy spy(&item, &CColorPickerItem::colorChanged);
    item.setColor(QColor(128, 128, 128)); // achromatic: its hue of -1 is taken as 0
    QCOMPARE(spy.count(), 0);
    QCOMPARE(item.color(), QColor::fromHsvF(0.0f, 0.0f, QColor(128, 128, 128).valueF()));
}

void TestColorPickerItem::animationRunsToEndStates()
{
    QGraphicsScene scene;
    auto* item = new CColorPickerItem(200, 150);
    scene.addItem(item);
    item->setColor(QColor::fromHsvF(0.5f, 0.5f, 1.0f)); // no tilt at full size

    item->setAnimated(true);
    QVERIFY(item->animated());
    QCOMPARE(item->animationScale(), 0.0);
    // Shrunk to nothing: paints nothing until hovered.
    const QImage shrunk = render(*item);
    for (int y = 0; y < shrunk.height(); ++y)
        for (int x = 0; x < shrunk.width(); ++x)
            QCOMPARE(qAlpha(shrunk.pixel(x, y)), 0);

    hover(scene, *item, QEvent::GraphicsSceneHoverEnter);
    QTRY_COMPARE_WITH_TIMEOUT(item->animationScale(), 1.0, 2000);
    // Full size; the tilt of a mid colour is (almost) nil.
    const QPointF corner = item->transform().map(QPointF(200, 150));
    QVERIFY2(QLineF(corner, QPointF(200, 150)).length() < 0.5, qPrintable(QStringLiteral("%1,%2").arg(corner.x()).arg(corner.y())));
    QVERIFY(render(*item) != shrunk);

    hover(scene, *item, QEvent::GraphicsSceneHoverLeave);
    QTRY_COMPARE_WITH_TIMEOUT(item->animationScale(), 0.0, 2000);

    item->setAnimated(false);
    QCOMPARE(item->animationScale(), 1.0);
    QVERIFY(item->transform().isIdentity());
}

void TestColorPickerItem::anchorKeepsCorner_data()
{
    QTest::addColumn<int>("anchor");
    QTest::addColumn<QPointF>("fixedPoint");
    QTest::newRow("right and bottom") << int(CColorPickerItem::AnchorRight | CColorPickerItem::AnchorBottom) << QPointF(200, 150);
    QTest::newRow("left and top") << int(CColorPickerItem::AnchorLeft | CColorPickerItem::AnchorTop) << QPointF(0, 0);
    QTest::newRow("left and bottom") << int(CColorPickerItem::AnchorLeft | CColorPickerItem::AnchorBottom) << QPointF(0, 150);
    QTest::newRow("none: centred") << 0 << QPointF(100, 75);
}

void TestColorPickerItem::anchorKeepsCorner()
{
    QFETCH(int, anchor);
    QFETCH(QPointF, fixedPoint);
    CColorPickerItem item(200, 150);
    item.setAnimated(true);
    item.setAnchor(CColorPickerItem::Anchor(anchor));
    // Shrunk to a fifth; the anchored point stays where it was.
    const QTransform t = item.transform();
    QCOMPARE(t.map(fixedPoint), fixedPoint);
    QCOMPARE(t.mapRect(item.boundingRect()).size(), QSizeF(40, 30));
}

QTEST_MAIN(TestColorPickerItem)
#include "tst_colorpickeritem.moc"
