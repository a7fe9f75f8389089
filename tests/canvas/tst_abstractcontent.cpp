#include "canvas/AbstractContent.h"
#include "canvas/HomeFrame.h"

#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QStyleOptionGraphicsItem>
#include <QTest>

#include <algorithm>

namespace {

// A content that fills its target with one colour and notes the targets.
class SwatchContent : public AbstractContent
{
public:
    explicit SwatchContent(QGraphicsScene* scene, bool fadeIn = false)
        : AbstractContent(scene, fadeIn, false, 0, nullptr)
    {
    }

    QString contentName() const override { return QStringLiteral("Swatch"); }
    void drawContent(QPainter* painter, const QRect& target, Qt::AspectRatioMode mode) override
    {
        targets << target;
        modes << mode;
        painter->fillRect(target, Qt::green);
    }
    int contentHeightForWidth(int width) const override { return heightForWidth < 0 ? width : heightForWidth; }

    QList<QRect> targets;
    QList<Qt::AspectRatioMode> modes;
    int heightForWidth = -1;
};

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

} // namespace

class TestAbstractContent : public QObject
{
    Q_OBJECT

private slots:
    void newContent();
    void frameSetsBoundingRect();
    void resizeContents_data();
    void resizeContents();
    void paintDrawsFrameThenContent();
    void contentOpacity();
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

void TestAbstractContent::fadeInAndDispose()
{
    QGraphicsScene scene;
    QPointer<SwatchContent> item = new SwatchContent(&scene, true);
    QVERIFY(item->contentOpacity() < 0.5);
    QVERIFY(item->scale() < 0.5);
    QTRY_COMPARE(item->contentOpacity(), 1.0);
    QTRY_COMPARE(item->scale(), 1.0);

    // Faded out, then deleted from the event loop.
    QList<double> fading;
    connect(item, &AbstractDisposeable::contentOpacityChanged, this, [&] { fading << item->contentOpacity(); });
    item->dispose(true);
    QVERIFY(item);
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
