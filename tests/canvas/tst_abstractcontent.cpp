#include "SwatchContent.h"

#include "appframe/AbstractScene.h"
#include "canvas/ButtonItem.h"
#include "canvas/CornerItem.h"
#include "canvas/FrameFactory.h"
#include "canvas/HomeFrame.h"
#include "canvas/RenderOpts.h"

#include <QDir>
#include <QGraphicsDropShadowEffect>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QStyleOptionGraphicsItem>
#include <QTest>

#include <algorithm>
#include <functional>

namespace {

QImage render(AbstractContent& item, const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(size.width() / 2, size.height() / 2);
    QStyleOptionGraphicsItem option;
    item.paint(&painter, &option, nullptr);
    return image;
}

// The scene drawn into an image, handles and all.
QImage renderScene(QGraphicsScene& scene, const QRectF& source)
{
    QImage image(source.size().toSize(), QImage::Format_ARGB32);
    image.fill(QColor(0x22, 0x22, 0x22));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, QRectF(image.rect()), source);
    return image;
}

// Pixels of the selection blue ("#439cf3") and its translucent shades over
// the dark background: clearly blue, with little red.
int bluePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() > 120 && c.blue() > c.red() + 60 && c.green() > c.red())
                ++count;
        }
    }
    return count;
}

// Saves a picture for a person to look at when VELLUMAR_GRAB_DIR names a
// folder (never the repository).
void keepForLooking(const QImage& image, const QString& name)
{
    const QString dir = qEnvironmentVariable("VELLUMAR_GRAB_DIR");
    if (!dir.isEmpty())
        image.save(QDir(dir).filePath(name));
}

} // namespace

class TestAbstractContent : public QObject
{
    Q_OBJECT

private slots:
    void newContent();
    void defaultGeometry_data();
    void defaultGeometry();
    void buttonPlaces();
    void handleSizes_data();
    void handleSizes();
    void frameSetsBoundingRect();
    void frameAccessors();
    void defaultFrameClassFollowsLastFrame();
    void resizeContents_data();
    void resizeContents();
    void paintDrawsFrameThenContent();
    void shapedFrameClipsContent();
    void contentOpacity();
    void shadowOnlyAboveRadiusOne_data();
    void shadowOnlyAboveRadiusOne();
    void perspective();
    void ratioScaledPixmap();
    void ensureVisible_data();
    void ensureVisible();
    void delayedDirty();
    void contentEditedOnRealChanges();
    void outputRenderShowsNoHandles();
    void fadeInAndDispose();
};

void TestAbstractContent::newContent()
{
    QGraphicsScene scene;
    SwatchContent item(&scene);
    QCOMPARE(item.scene(), &scene);
    QCOMPARE(item.contentRect(), QRect(-100, -75, 200, 150));
    QCOMPARE(item.contentRect().right(), 99);
    QCOMPARE(item.boundingRect(), QRectF(-100, -75, 200, 150));
    QCOMPARE(item.frameClass(), quint32(0));
    QVERIFY(item.flags() & QGraphicsItem::ItemIsMovable);
    QVERIFY(item.flags() & QGraphicsItem::ItemIsSelectable);
    QVERIFY(item.flags() & QGraphicsItem::ItemIsFocusable);
    QVERIFY(item.flags() & QGraphicsItem::ItemSendsGeometryChanges);
    QVERIFY(!(item.flags() & QGraphicsItem::ItemClipsChildrenToShape));
    QVERIFY(item.acceptHoverEvents());
    QCOMPARE(item.contentOpacity(), 1.0);
    QCOMPARE(item.scale(), 1.0);
    QCOMPARE(item.shadowColor(), QColor(Qt::black));
    QCOMPARE(item.shadowRadius(), 0.0);
    QCOMPARE(item.perspective(), QPointF(0, 0));
    QVERIFY(!item.graphicsEffect());

    // Four corners, then the perspective handle; all hidden at first.
    QCOMPARE(item.cornerItems().size(), 4);
    QCOMPARE(item.buttonItems().size(), 1);
    const Qt::Corner order[] = {Qt::TopLeftCorner, Qt::TopRightCorner, Qt::BottomLeftCorner, Qt::BottomRightCorner};
    for (int i = 0; i < 4; ++i) {
        CornerItem* corner = item.cornerItems().at(i);
        QCOMPARE(corner->corner(), order[i]);
        QCOMPARE(corner->parentItem(), &item);
        QCOMPARE(corner->zValue(), 2.0);
        QVERIFY(!corner->isVisible());
        QVERIFY(corner->toolTip().contains(QStringLiteral("CTRL to scale only")));
    }
    ButtonItem* perspective = item.buttonItems().at(0);
    QCOMPARE(perspective->buttonType(), ButtonItem::Perspective);
    QCOMPARE(perspective->zValue(), 3.0);
    QVERIFY(!perspective->isVisible());
    item.setControlsVisible(true);
    QVERIFY(perspective->isVisible() && item.cornerItems().at(2)->isVisible());
    item.setControlsVisible(false);
    QVERIFY(!perspective->isVisible() && !item.cornerItems().at(2)->isVisible());
}

void TestAbstractContent::defaultGeometry_data()
{
    QTest::addColumn<int>("frameClass");
    QTest::addColumn<QRectF>("bounds");

    // Margin 10 grows (-100, -75) 200 x 150 to (-110, -85) 220 x 170.
    const QRectF framed(-110, -85, 220, 170);
    QTest::newRow("0 none") << 0 << QRectF(-100, -75, 200, 150);
    QTest::newRow("1 standard") << 1 << framed;
    QTest::newRow("2 heart") << 2 << framed;
    QTest::newRow("4 rounded") << 4 << framed;
    QTest::newRow("5 round") << 5 << framed;
    QTest::newRow("6 pentacle") << 6 << framed;
    QTest::newRow("7 home") << 7 << framed;
    QTest::newRow("3 unknown: none") << 3 << QRectF(-100, -75, 200, 150);
}

void TestAbstractContent::defaultGeometry()
{
    QFETCH(int, frameClass);
    QFETCH(QRectF, bounds);

    QGraphicsScene scene;
    SwatchContent item(&scene, false, frameClass);
    QCOMPARE(item.contentRect(), QRect(-100, -75, 200, 150));
    QCOMPARE(item.boundingRect(), bounds);
    // Corners on the content rectangle, right and bottom inclusive; the
    // perspective handle at (right, (top + bottom) / 2) = (99, -1/2 = 0),
    // whatever the frame.
    const QList<QPointF> corners = {{-100, -75}, {99, -75}, {-100, 74}, {99, 74}};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(item.cornerItems().at(i)->pos(), corners.at(i));
    QCOMPARE(item.buttonItems().at(0)->pos(), QPointF(99, 0));
}

void TestAbstractContent::buttonPlaces()
{
    QGraphicsScene scene;
    SwatchContent item(&scene, false, 1);
    auto* first = new ButtonItem(ButtonItem::BottomRow, QBrush(Qt::red), QIcon(), &item);
    auto* top = new ButtonItem(ButtonItem::TopCenter, QBrush(Qt::red), QIcon(), &item);
    auto* second = new ButtonItem(ButtonItem::BottomRow, QBrush(Qt::red), QIcon(), &item);
    auto* right = new ButtonItem(ButtonItem::RightEdge, QBrush(Qt::red), QIcon(), &item);
    for (ButtonItem* button : {first, top, second, right})
        item.addButtonItem(button);
    QCOMPARE(first->width(), 16);
    QCOMPARE(first->zValue(), 3.0);
    QVERIFY(!first->isVisible());

    // Bounding (-110, -85) 220 x 170: L -110, T -85, R 110, B 85; MX 0, MY 0.
    // Top centre: (0, -85 + 16/2). Right edge: (110 - 8, 0). Bottom row from
    // x = R - 16 = 94: (94 - 8, 85 - 8), then x = 94 - 20 = 74: (66, 77).
    QCOMPARE(top->pos(), QPointF(0, -77));
    QCOMPARE(right->pos(), QPointF(102, 0));
    QCOMPARE(first->pos(), QPointF(86, 77));
    QCOMPARE(second->pos(), QPointF(66, 77));
    QCOMPARE(item.buttonItems().at(0)->pos(), QPointF(99, 0));

    // A larger margin moves the frame-bound buttons, not the perspective
    // handle: bounding (-115, -90) 230 x 180.
    item.setFrameMargin(15);
    QCOMPARE(top->pos(), QPointF(0, -82));
    QCOMPARE(right->pos(), QPointF(107, 0));
    QCOMPARE(first->pos(), QPointF(91, 82));
    QCOMPARE(item.buttonItems().at(0)->pos(), QPointF(99, 0));
}

void TestAbstractContent::handleSizes_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<int>("frameClass");
    QTest::addColumn<double>("viewScale");
    QTest::addColumn<int>("half");

    // half = min(trunc(0.25 * smaller bounding side), trunc(8 / scale))
    // below scale 1.0; 8 from 1.0 up.
    const QRect large(-100, -75, 200, 150);
    const QRect small(-20, -20, 40, 40);
    QTest::newRow("large, 1.0") << large << 0 << 1.0 << 8;
    QTest::newRow("large, 2.0") << large << 0 << 2.0 << 8;
    QTest::newRow("large, 0.5: min(37, 16)") << large << 0 << 0.5 << 16;
    QTest::newRow("large, 0.25: min(37, 32)") << large << 0 << 0.25 << 32;
    QTest::newRow("small, 1.0") << small << 0 << 1.0 << 8;
    QTest::newRow("small, 0.5: min(10, 16)") << small << 0 << 0.5 << 10;
    QTest::newRow("small, 0.25: min(10, 32)") << small << 0 << 0.25 << 10;
    // A frame of margin 10 makes the bounding 60 x 60: min(15, 16).
    QTest::newRow("small framed, 0.5") << small << 1 << 0.5 << 15;
    // 8 / 0.3 = 26.67 -> 26.
    QTest::newRow("large, 0.3: min(37, 26)") << large << 0 << 0.3 << 26;
}

void TestAbstractContent::handleSizes()
{
    QFETCH(QRect, rect);
    QFETCH(int, frameClass);
    QFETCH(double, viewScale);
    QFETCH(int, half);

    AbstractScene scene;
    scene.setViewScale(viewScale);
    SwatchContent item(&scene, false, frameClass);
    item.resizeContents(rect);
    const QRectF expected(-half, -half, 2 * half, 2 * half);
    for (CornerItem* corner : item.cornerItems())
        QCOMPARE(corner->boundingRect(), expected);
    QCOMPARE(item.buttonItems().at(0)->boundingRect(), expected);
    // The button's own size does not follow the zoom.
    QCOMPARE(item.buttonItems().at(0)->width(), 16);
}

void TestAbstractContent::frameSetsBoundingRect()
{
    QGraphicsScene scene;
    SwatchContent item(&scene);
    item.setFrame(new HomeFrame);
    QCOMPARE(item.frameClass(), quint32(4));
    QCOMPARE(item.boundingRect(), QRectF(-110, -85, 220, 170));

    item.resizeContents(QRect(-50, -50, 100, 100));
    QCOMPARE(item.boundingRect(), QRectF(-60, -60, 120, 120));

    item.setFrame(nullptr);
    QCOMPARE(item.frameClass(), quint32(0));
    QCOMPARE(item.boundingRect(), QRectF(-50, -50, 100, 100));
}

void TestAbstractContent::frameAccessors()
{
    QGraphicsScene scene;
    SwatchContent item(&scene);
    // Without a frame: white, 255, 0, and the setters do nothing.
    QCOMPARE(item.frameColor(), QColor(Qt::white));
    QCOMPARE(item.frameAlpha(), 255);
    QCOMPARE(item.frameMargin(), 0);
    item.setFrameAlpha(10);
    item.setFrameColor(Qt::red);
    item.setFrameMargin(5);
    QCOMPARE(item.frameAlpha(), 255);
    QCOMPARE(item.boundingRect(), QRectF(-100, -75, 200, 150));

    item.setFrame(FrameFactory::createFrame(2));
    QCOMPARE(item.frameColor(), QColor(255, 0, 0));
    QCOMPARE(item.frameAlpha(), 200);
    QCOMPARE(item.frameMargin(), 10);
    item.setFrameAlpha(100);
    QCOMPARE(item.frameAlpha(), 100);
    // The colour takes the frame's alpha field (200) again.
    item.setFrameColor(QColor(0, 0, 255, 17));
    QCOMPARE(item.frameColor(), QColor(0, 0, 255));
    QCOMPARE(item.frameAlpha(), 200);
    item.setFrameMargin(3);
    QCOMPARE(item.frameMargin(), 3);
    QCOMPARE(item.boundingRect(), QRectF(-103, -78, 206, 156));
}

void TestAbstractContent::defaultFrameClassFollowsLastFrame()
{
    QGraphicsScene scene;
    SwatchContent heart(&scene, false, 2);
    QCOMPARE(FrameFactory::defaultFrameClass(), quint32(2));
    SwatchContent none(&scene, false, 0);
    QCOMPARE(FrameFactory::defaultFrameClass(), quint32(0));
    // A home tile's frame answers the rounded rectangle: the next picture
    // gets that.
    none.setFrame(new HomeFrame);
    QCOMPARE(FrameFactory::defaultFrameClass(), quint32(4));
    SwatchContent next(&scene, false, int(FrameFactory::defaultFrameClass()));
    QCOMPARE(next.frameClass(), quint32(4));
    heart.setFrame(nullptr);
    QCOMPARE(FrameFactory::defaultFrameClass(), quint32(0));
}

void TestAbstractContent::resizeContents_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<bool>("keepRatio");
    QTest::addColumn<int>("heightForWidth");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("plain") << QRect(-10, -20, 20, 40) << false << -1 << QRect(-10, -20, 20, 40);
    QTest::newRow("inverted width is ignored") << QRect(QPoint(10, 0), QPoint(0, 10)) << false << -1
                                               << QRect(-100, -75, 200, 150);
    QTest::newRow("inverted height is ignored") << QRect(QPoint(0, 10), QPoint(10, 0)) << false << -1
                                                << QRect(-100, -75, 200, 150);
    QTest::newRow("ratio: square, centred") << QRect(-30, 0, 60, 10) << true << -1 << QRect(-30, -30, 60, 60);
    QTest::newRow("ratio: odd height, centred") << QRect(-30, 0, 60, 10) << true << 7 << QRect(-30, -3, 60, 7);
    QTest::newRow("ratio: height 1 keeps the given") << QRect(-30, 0, 60, 10) << true << 1 << QRect(-30, 0, 60, 10);
    QTest::newRow("ratio: height 0 keeps the given") << QRect(-30, 0, 60, 10) << true << 0 << QRect(-30, 0, 60, 10);
}

void TestAbstractContent::resizeContents()
{
    QFETCH(QRect, rect);
    QFETCH(bool, keepRatio);
    QFETCH(int, heightForWidth);
    QFETCH(QRect, expected);

    QGraphicsScene scene;
    SwatchContent item(&scene);
    item.heightForWidth = heightForWidth;
    item.resizeContents(rect, keepRatio);
    QCOMPARE(item.contentRect(), expected);
    QCOMPARE(item.boundingRect(), QRectF(expected));
    QCOMPARE(item.cornerItems().at(3)->pos(), QPointF(expected.right(), expected.bottom()));
}

void TestAbstractContent::paintDrawsFrameThenContent()
{
    QGraphicsScene scene;
    SwatchContent item(&scene);
    item.resizeContents(QRect(-20, -10, 40, 20));
    item.setFrame(new HomeFrame);

    const QImage image = render(item, QSize(100, 100));
    // The content gets its own rectangle from (0, 0), whatever the frame.
    QCOMPARE(item.targets, QList<QRect>({QRect(0, 0, 40, 20)}));
    QCOMPARE(item.modes, QList<Qt::AspectRatioMode>({Qt::IgnoreAspectRatio}));
    QCOMPARE(QColor(image.pixel(50, 50)), QColor(Qt::green));
    QCOMPARE(QColor(image.pixel(30, 40)), QColor(Qt::green));
    // The frame's plate shows 10 pixels around it, over white.
    const QColor plate = QColor(image.pixel(50, 35));
    QVERIFY(plate.red() < 120 && plate.red() == plate.blue());
    QCOMPARE(QColor(image.pixel(50, 20)), QColor(Qt::white));
}

void TestAbstractContent::shapedFrameClipsContent()
{
    QGraphicsScene scene;
    SwatchContent item(&scene, false, 5);
    item.resizeContents(QRect(-40, -40, 80, 80));
    item.setFrameMargin(0);
    const QImage image = render(item, QSize(100, 100));
    // The ellipse of the content rectangle clips the green: its middle is
    // green, its corner (12, 12) of the content, outside the circle, not.
    QCOMPARE(QColor(image.pixel(50, 50)), QColor(Qt::green));
    QVERIFY(QColor(image.pixel(13, 13)) != QColor(Qt::green));
    // Selected, the frame shows the selection along its outline; an
    // unframed item draws its own rectangle outline.
    item.setSelected(true);
    const QImage selected = render(item, QSize(100, 100));
    QCOMPARE(QColor(selected.pixel(9, 50)).name(), QStringLiteral("#439cf3"));
    item.setFrame(nullptr);
    const QImage plain = render(item, QSize(100, 100));
    QCOMPARE(QColor(plain.pixel(11, 50)).name(), QStringLiteral("#439cf3"));
    QCOMPARE(QColor(plain.pixel(13, 13)), QColor(Qt::green));
    // Nothing of the selection in an output render.
    RenderOpts::HQRendering = true;
    const QImage output = render(item, QSize(100, 100));
    RenderOpts::HQRendering = false;
    QCOMPARE(QColor(output.pixel(11, 50)), QColor(Qt::green));
}

void TestAbstractContent::contentOpacity()
{
    QGraphicsScene scene;
    SwatchContent item(&scene);
    QSignalSpy changed(&item, &AbstractDisposeable::contentOpacityChanged);
    item.setContentOpacity(1.0);
    QCOMPARE(changed.count(), 0);
    item.setProperty("contentOpacity", 0.5);
    QCOMPARE(item.contentOpacity(), 0.5);
    QCOMPARE(changed.count(), 1);

    item.resizeContents(QRect(-10, -10, 20, 20));
    const QImage image = render(item, QSize(40, 40));
    const QColor half = QColor(image.pixel(20, 20));
    QVERIFY(half.red() > 100 && half.red() < 155);
    QCOMPARE(half.green(), 255);
}

void TestAbstractContent::shadowOnlyAboveRadiusOne_data()
{
    QTest::addColumn<double>("radius");
    QTest::addColumn<bool>("shadow");

    QTest::newRow("0") << 0.0 << false;
    QTest::newRow("1.0") << 1.0 << false;
    QTest::newRow("1.01") << 1.01 << true;
    QTest::newRow("20") << 20.0 << true;
}

void TestAbstractContent::shadowOnlyAboveRadiusOne()
{
    QFETCH(double, radius);
    QFETCH(bool, shadow);

    QGraphicsScene scene;
    SwatchContent item(&scene);
    item.setShadowRadius(5.0);
    item.setShadowColor(Qt::red);
    QSignalSpy radiusChanged(&item, &AbstractContent::shadowRadiusChanged);
    QSignalSpy colourChanged(&item, &AbstractContent::shadowColorChanged);
    item.setProperty("shadowRadius", radius);
    QCOMPARE(radiusChanged.count(), radius == 5.0 ? 0 : 1);
    auto* effect = qobject_cast<QGraphicsDropShadowEffect*>(item.graphicsEffect());
    QCOMPARE(effect != nullptr, shadow);
    if (effect) {
        QCOMPARE(effect->blurRadius(), radius);
        QCOMPARE(effect->color(), QColor(Qt::red));
        QCOMPARE(effect->offset(), QPointF(1, 1));
    }
    item.setShadowColor(Qt::red);
    QCOMPARE(colourChanged.count(), 0);
    item.setShadowColor(Qt::blue);
    QCOMPARE(colourChanged.count(), 1);
    effect = qobject_cast<QGraphicsDropShadowEffect*>(item.graphicsEffect());
    if (shadow)
        QCOMPARE(effect->color(), QColor(Qt::blue));
}

void TestAbstractContent::perspective()
{
    QGraphicsScene scene;
    SwatchContent item(&scene);
    QSignalSpy changed(&item, &AbstractContent::perspectiveChanged);
    item.setPerspective(QPointF(0, 1e-13));
    // Fuzzily equal to (0, 0): nothing.
    QCOMPARE(changed.count(), 0);
    QVERIFY(item.transform().isIdentity());

    item.setProperty("perspective", QPointF(30, -20));
    QCOMPARE(changed.count(), 1);
    QTransform expected;
    expected.rotate(-20, Qt::XAxis);
    expected.rotate(30, Qt::YAxis);
    QCOMPARE(item.transform(), expected);
    // The rotation is the item's own, on top.
    item.setRotation(45);
    QCOMPARE(item.transform(), expected);
    // Differing by far less than one part in 10^12: the same.
    item.setPerspective(QPointF(30 + 1e-12, -20));
    QCOMPARE(changed.count(), 1);
    item.setPerspective(QPointF(0, 0));
    QCOMPARE(changed.count(), 2);
    QVERIFY(item.transform().isIdentity());
    QCOMPARE(item.rotation(), 45.0);
}

void TestAbstractContent::ratioScaledPixmap()
{
    QGraphicsScene scene;
    SwatchContent item(&scene);
    // 400 x 200: red left half, blue right half.
    QPixmap source(400, 200);
    source.fill(Qt::red);
    {
        QPainter painter(&source);
        painter.fillRect(200, 0, 200, 200, Qt::blue);
    }

    // Expanding: 200 x 100 scaled, the centre 100 x 100 from x = 50, so
    // columns 50..99 (red) and 100..149 (blue) of the scaled copy.
    const QImage crop = item.scaled(source, QSize(100, 100), Qt::KeepAspectRatioByExpanding).toImage();
    QCOMPARE(crop.size(), QSize(100, 100));
    QCOMPARE(QColor(crop.pixel(20, 50)), QColor(Qt::red));
    QCOMPARE(QColor(crop.pixel(80, 50)), QColor(Qt::blue));
    QCOMPARE(QColor(crop.pixel(20, 2)), QColor(Qt::red));
    QCOMPARE(QColor(crop.pixel(80, 97)), QColor(Qt::blue));

    // Keeping the ratio: 100 x 50, dy = (50 - 100) / 2 = -25, drawn at
    // (0, 25) on transparent.
    const QImage boxed = item.scaled(source, QSize(100, 100), Qt::KeepAspectRatio).toImage();
    QCOMPARE(boxed.size(), QSize(100, 100));
    QCOMPARE(qAlpha(boxed.pixel(50, 10)), 0);
    QCOMPARE(qAlpha(boxed.pixel(50, 90)), 0);
    QCOMPARE(QColor(boxed.pixel(20, 30)), QColor(Qt::red));
    QCOMPARE(QColor(boxed.pixel(80, 70)), QColor(Qt::blue));

    // Already the size, or another mode: the plain scaled copy.
    QCOMPARE(item.scaled(source, QSize(200, 100), Qt::KeepAspectRatio).size(), QSize(200, 100));
    QCOMPARE(item.scaled(source, QSize(100, 100), Qt::IgnoreAspectRatio).size(), QSize(100, 100));
}

void TestAbstractContent::ensureVisible_data()
{
    QTest::addColumn<QPointF>("pos");
    QTest::addColumn<QPointF>("expected");

    QTest::newRow("inside") << QPointF(50, 60) << QPointF(50, 60);
    QTest::newRow("left") << QPointF(-5, 60) << QPointF(0, 60);
    QTest::newRow("below right") << QPointF(900, 700) << QPointF(800, 600);
    QTest::newRow("above") << QPointF(400, -1) << QPointF(400, 0);
}

void TestAbstractContent::ensureVisible()
{
    QFETCH(QPointF, pos);
    QFETCH(QPointF, expected);

    // A scene wide enough that its own hold on the item lets every start
    // position through.
    QGraphicsScene scene(-1000, -1000, 3000, 3000);
    SwatchContent item(&scene);
    item.setPos(pos);
    QCOMPARE(item.pos(), pos);
    item.ensureVisible(QRectF(0, 0, 800, 600));
    QCOMPARE(item.pos(), expected);
}

void TestAbstractContent::delayedDirty()
{
    QGraphicsScene scene;
    SwatchContent item(&scene);
    QVERIFY(!item.beingTransformed());
    item.delayedDirty(30);
    QVERIFY(item.beingTransformed());
    QTRY_VERIFY(!item.beingTransformed());
}

void TestAbstractContent::contentEditedOnRealChanges()
{
    QGraphicsScene scene;
    QPointer<SwatchContent> item = new SwatchContent(&scene, true);
    QSignalSpy edited(item.data(), &AbstractContent::contentEdited);
    // Neither the appearing fade ...
    QTRY_COMPARE(item->contentOpacity(), 1.0);
    QCOMPARE(edited.count(), 0);
    // ... nor selection, handles or a repeated value.
    item->setSelected(true);
    item->setControlsVisible(true);
    item->setPos(0, 0);
    item->resizeContents(item->contentRect());
    item->setShadowRadius(0);
    item->setPerspective(QPointF());
    item->setFrameMargin(3);
    QCOMPARE(edited.count(), 0);

    struct Step
    {
        const char* what;
        std::function<void()> change;
    };
    const QList<Step> steps = {
        {"move", [&] { item->setPos(10, 0); }},
        {"resize", [&] { item->resizeContents(QRect(-5, -5, 10, 10)); }},
        {"turn", [&] { item->setRotation(5); }},
        {"tilt", [&] { item->setPerspective(QPointF(3, 0)); }},
        {"stack", [&] { item->setZValue(4); }},
        {"hide", [&] { item->setVisible(false); }},
        {"frame", [&] { item->setFrame(FrameFactory::createFrame(1)); }},
        {"frame alpha", [&] { item->setFrameAlpha(10); }},
        {"frame colour", [&] { item->setFrameColor(Qt::red); }},
        {"frame margin", [&] { item->setFrameMargin(4); }},
        {"shadow radius", [&] { item->setShadowRadius(3); }},
        {"shadow colour", [&] { item->setShadowColor(Qt::red); }},
        {"opacity", [&] { item->setContentOpacity(0.5); }},
    };
    for (const Step& step : steps) {
        const int before = edited.count();
        step.change();
        QVERIFY2(edited.count() > before, step.what);
    }

    // The disposing fade is no edit either.
    const int before = edited.count();
    item->dispose(true);
    QTRY_VERIFY(!item);
    QCOMPARE(edited.count(), before);
}

void TestAbstractContent::outputRenderShowsNoHandles()
{
    AbstractScene scene;
    scene.resize(QSize(400, 300));
    SwatchContent item(&scene, false, 1);
    item.resizeContents(QRect(-80, -50, 160, 100));
    item.setPos(200, 150);
    item.setRotation(-12);
    item.setPerspective(QPointF(18, -8));
    item.setShadowRadius(12);
    item.setSelected(true);
    item.setControlsVisible(true);

    const QImage editing = renderScene(scene, QRectF(0, 0, 400, 300));
    keepForLooking(editing, QStringLiteral("content-editing.png"));
    // The handles and the frame's selection outline are blue.
    QVERIFY(bluePixels(editing) > 200);
    // A content pixel, a frame pixel, a shadow pixel below right.
    QCOMPARE(QColor(editing.pixel(200, 150)), QColor(Qt::green));

    RenderOpts::HQRendering = true;
    const QImage output = renderScene(scene, QRectF(0, 0, 400, 300));
    RenderOpts::HQRendering = false;
    keepForLooking(output, QStringLiteral("content-output.png"));
    QCOMPARE(bluePixels(output), 0);
    QCOMPARE(QColor(output.pixel(200, 150)), QColor(Qt::green));
    // The handles are back in the next screen paint (the shadow does not
    // keep the picture it took for the output).
    QVERIFY(item.cornerItems().at(0)->isVisible());
    QVERIFY(bluePixels(renderScene(scene, QRectF(0, 0, 400, 300))) > 200);
}

void TestAbstractContent::fadeInAndDispose()
{
    QGraphicsScene scene;
    QPointer<SwatchContent> item = new SwatchContent(&scene, true);
    QVERIFY(item->contentOpacity() < 0.5);
    QVERIFY(item->scale() < 0.5);
    QTRY_COMPARE(item->contentOpacity(), 1.0);
    QTRY_COMPARE(item->scale(), 1.0);

    // Handles and flags go at once; the item fades out, then is deleted
    // from the event loop.
    item->setControlsVisible(true);
    item->setSelected(true);
    QList<double> fading;
    connect(item, &AbstractDisposeable::contentOpacityChanged, this, [&] { fading << item->contentOpacity(); });
    item->dispose(true);
    QVERIFY(item);
    QVERIFY(item->cornerItems().isEmpty());
    QVERIFY(item->buttonItems().isEmpty());
    QVERIFY(item->childItems().isEmpty());
    QCOMPARE(item->flags(), QGraphicsItem::GraphicsItemFlags());
    QVERIFY(!item->isSelected());
    QVERIFY(!item->controlsVisible());
    QTRY_VERIFY(!item);
    QVERIFY(fading.size() >= 2);
    QCOMPARE(fading.last(), 0.0);
    QVERIFY(std::is_sorted(fading.rbegin(), fading.rend()));

    QPointer<SwatchContent> plain = new SwatchContent(&scene);
    plain->dispose(false);
    QVERIFY(plain);
    QTRY_VERIFY(!plain);
}

QTEST_MAIN(TestAbstractContent)
#include "tst_abstractcontent.moc"
