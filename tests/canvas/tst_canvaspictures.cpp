#include "canvas/Canvas.h"
#include "canvas/CanvasModeInfo.h"
#include "canvas/FrameFactory.h"
#include "canvas/PictureContent.h"

#include <QPainter>
#include <QTest>

namespace {

QImage flat(const QSize& size, const QColor& color)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// Left half red, right half blue.
QImage halves(const QSize& size)
{
    QImage image = flat(size, Qt::red);
    QPainter painter(&image);
    painter.fillRect(size.width() / 2, 0, size.width() - size.width() / 2, size.height(), Qt::blue);
    return image;
}

const PictureEffect* record(PictureContent* picture, int code)
{
    const PictureEffectList list = picture->effects();
    for (const QSharedPointer<PictureEffect>& effect : list) {
        if (effect->effect == code)
            return effect.data();
    }
    return nullptr;
}

} // namespace

class TestCanvasPictures : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void addPicture_data();
    void addPicture();
    void addPictureFails();
    void backgroundContent();
    void backgroundContentFails();
    void backgroundMaskAndEffect_data();
    void backgroundMaskAndEffect();
    void renderWaitsForPictures();
};

void TestCanvasPictures::init()
{
    FrameFactory::setDefaultFrameClass(0);
}

void TestCanvasPictures::addPicture_data()
{
    QTest::addColumn<QSizeF>("fixed");
    QTest::addColumn<QSize>("image");
    QTest::addColumn<QSize>("expected");

    // A loaded picture's content rectangle is 200 wide, its height from the
    // image ratio (truncated). minW, minH: the fixed size / 8, truncated.
    // Free size: 400 x 300 gives 200 x 150, and nothing grows.
    QTest::newRow("free size") << QSizeF(-1, -1) << QSize(400, 300) << QSize(200, 150);
    QTest::newRow("free size small") << QSizeF(-1, -1) << QSize(40, 30) << QSize(200, 150);
    // 2000 x 1500: minW 250. 200 < 250: newW = min(250, 400) = 250; the ratio
    // gives the height 300 * 250 / 400 = 187.5, truncated 187.
    QTest::newRow("narrow grows") << QSizeF(2000, 1500) << QSize(400, 300) << QSize(250, 187);
    // newW = min(250, 100) = 100: never beyond its own pixels; 60 * 100 / 100.
    QTest::newRow("own pixels cap") << QSizeF(2000, 1500) << QSize(100, 60) << QSize(100, 60);
    // 1600 x 2400: minW 200, minH 300. 200 is not below 200; the height 150
    // is: newH = min(300, 300) = 300, newW = 400 * (300 / 300) = 400.
    QTest::newRow("low grows") << QSizeF(1600, 2400) << QSize(400, 300) << QSize(400, 300);
    // 300 x 100: content 200 x 66; newH = min(300, 100) = 100, newW = 300.
    QTest::newRow("low, own pixels cap") << QSizeF(1600, 2400) << QSize(300, 100) << QSize(300, 100);
    // 406 x 580: content 200 x 285 (580 * 200 / 406 = 285.7); 285 < 300:
    // newH = 300; 300 / 580 = 0.5172413793... is the float 0.51724136, and
    // 406 x 0.51724136 = 209.99999, truncated 209 (exact arithmetic: 210).
    // The ratio then gives 580 * 209 / 406 = 298.57, truncated 298.
    QTest::newRow("single precision") << QSizeF(1600, 2400) << QSize(406, 580) << QSize(209, 298);
    // 800 x 600: minW 100, minH 75; 200 x 150 is large enough.
    QTest::newRow("large enough") << QSizeF(800, 600) << QSize(400, 300) << QSize(200, 150);
    // 2003.6 rounds to 2004: minW 250 (2004 / 8 = 250.5), as above.
    QTest::newRow("fractional fixed size") << QSizeF(2003.6, 1500) << QSize(400, 300) << QSize(250, 187);
}

void TestCanvasPictures::addPicture()
{
    QFETCH(QSizeF, fixed);
    QFETCH(QSize, image);
    QFETCH(QSize, expected);

    Canvas canvas(72, 72, nullptr);
    canvas.modeInfo()->setFixedSize(fixed);
    canvas.resize(QSize(800, 600));
    canvas.addPictureContent(QStringLiteral("/nonexistent-vellumar/a.png"), flat(image, Qt::red), QPoint(300, 200));
    QCOMPARE(canvas.contents().size(), 1);
    AbstractContent* content = canvas.contents().first();
    QCOMPARE(content->contentRect().size(), expected);
    QCOMPARE(content->pos(), QPointF(300, 200));
    QVERIFY(content->isSelected());
    QVERIFY(canvas.pendingChanges());
}

void TestCanvasPictures::addPictureFails()
{
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(800, 600));
    canvas.addPictureContent(QStringLiteral("/nonexistent-vellumar/a.png"), QImage(), QPoint(300, 200));
    QVERIFY(canvas.contents().isEmpty());
    QVERIFY(canvas.items().isEmpty());
}

void TestCanvasPictures::backgroundContent()
{
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    canvas.addPictureContent(QStringLiteral("/x/a.png"), flat(QSize(40, 30), Qt::red), QPoint(100, 100));
    QVERIFY(canvas.contents().first()->isSelected());

    QVERIFY(canvas.setBackgroundContent(QStringLiteral("/x/back.png"), flat(QSize(80, 60), Qt::green)));
    PictureContent* first = canvas.backContent();
    QVERIFY(first);
    QCOMPARE(canvas.contents().size(), 2);
    QVERIFY(!first->isVisible());
    QVERIFY(canvas.selectedItems().isEmpty());
    QCOMPARE(first->filePaths(), QStringList{QStringLiteral("/x/back.png")});

    // The pixmap form replaces it; the old one leaves the list.
    QImage mask(80, 60, QImage::Format_RGB32);
    mask.fill(Qt::white);
    QVERIFY(canvas.setBackgroundContent(
        QStringLiteral("/x/back2.png"), QPixmap::fromImage(flat(QSize(80, 60), Qt::blue)), mask));
    QVERIFY(canvas.backContent() != first);
    QCOMPARE(canvas.contents().size(), 2);
    QVERIFY(!canvas.contents().contains(first));
    QCOMPARE(canvas.renderedImage(QSize(400, 300), Qt::IgnoreAspectRatio, true, QImage::Format_ARGB32)
                 .pixelColor(5, 5),
        QColor(Qt::blue));
}

void TestCanvasPictures::backgroundContentFails()
{
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    QVERIFY(canvas.setBackgroundContent(QStringLiteral("/x/back.png"), flat(QSize(80, 60), Qt::green)));
    PictureContent* back = canvas.backContent();
    canvas.slotResetChanges();

    QVERIFY(!canvas.setBackgroundContent(QStringLiteral("/x/bad.png"), QImage()));
    QVERIFY(!canvas.setBackgroundContent(QStringLiteral("/x/bad.png"), QPixmap(), QImage()));
    QCOMPARE(canvas.backContent(), back);
    QCOMPARE(canvas.contents().size(), 1);
    QVERIFY(!canvas.pendingChanges());
}

void TestCanvasPictures::backgroundMaskAndEffect_data()
{
    QTest::addColumn<bool>("picture");
    QTest::addColumn<bool>("marks");
    QTest::newRow("back picture") << true << true;
    QTest::newRow("no back content") << false << false;
}

void TestCanvasPictures::backgroundMaskAndEffect()
{
    QFETCH(bool, picture);
    QFETCH(bool, marks);

    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    CanvasBackColor back = canvas.backColor();
    back.mode = 1;
    back.color = QColor(10, 200, 30);
    canvas.setBackColor(back);
    canvas.addPictureContent(QStringLiteral("/x/a.png"), flat(QSize(40, 30), Qt::red), QPoint(100, 100));
    if (picture)
        QVERIFY(canvas.setBackgroundContent(QStringLiteral("/x/back.png"), flat(QSize(80, 60), Qt::green)));
    canvas.contents().first()->setSelected(true);

    canvas.slotResetChanges();
    canvas.applyBackgroundEffect(PictureEffect(PictureEffect::Saturation, 25));
    QCOMPARE(canvas.pendingChanges(), marks);
    if (picture) {
        QVERIFY(record(canvas.backContent(), PictureEffect::Saturation)->enable);
        QCOMPARE(record(canvas.backContent(), PictureEffect::Saturation)->param, 25.0);
    }
    // Only the back content: the ordinary picture is untouched.
    QVERIFY(!record(qobject_cast<PictureContent*>(canvas.contents().first()), PictureEffect::Saturation)->enable);

    canvas.slotResetChanges();
    QImage mask(80, 60, QImage::Format_RGB32);
    mask.fill(Qt::black);
    canvas.setBackgroundMask(mask);
    QCOMPARE(canvas.pendingChanges(), marks);
    QVERIFY(canvas.selectedItems().isEmpty());
    if (picture) {
        // A black mask makes the whole back picture transparent: the
        // solid colour shows through.
        const QImage out = canvas.renderedImage(QSize(400, 300), Qt::IgnoreAspectRatio, true, QImage::Format_ARGB32);
        QCOMPARE(out.pixelColor(2, 2), QColor(10, 200, 30));
    }
}

void TestCanvasPictures::renderWaitsForPictures()
{
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    CanvasBackColor back = canvas.backColor();
    back.mode = 1;
    canvas.setBackColor(back);
    // 200 x 150 content at (200, 150): x 100..299, y 75..224.
    canvas.addPictureContent(QStringLiteral("/x/a.png"), halves(QSize(200, 150)), QPoint(200, 150));
    auto* picture = qobject_cast<PictureContent*>(canvas.contents().first());
    // Mirrored on a render thread; output must not show the old pixels.
    picture->addEffect(PictureEffect(PictureEffect::FlipHorizontally, 0.0));
    const QImage out = canvas.renderedImage(QSize(400, 300), Qt::IgnoreAspectRatio, true, QImage::Format_ARGB32);
    QCOMPARE(out.pixelColor(120, 150), QColor(Qt::blue));
    QCOMPARE(out.pixelColor(280, 150), QColor(Qt::red));
}

QTEST_MAIN(TestCanvasPictures)
#include "tst_canvaspictures.moc"
