#include "widgets/PixmapButton.h"
#include "widgets/PixmapTextButton.h"

#include "RatioTestMain.h"

#include <QEnterEvent>
#include <QMenu>
#include <QPainter>
#include <QtTest>

#include <cmath>

namespace {

const QColor ground(0x22, 0x22, 0x22);
const QColor hoverFill(Qt::darkGray);
const QColor checkedOutline(Qt::lightGray);

QPixmap solid(int w, int h, QColor colour = Qt::red)
{
    QPixmap pixmap(w, h);
    pixmap.fill(colour);
    return pixmap;
}

// Buttons are grabbed over a dark window ground of their own.
template <class Button>
Button* makeButton(QSize size)
{
    auto* button = new Button;
    QPalette palette = button->palette();
    palette.setColor(QPalette::Window, ground);
    button->setPalette(palette);
    button->setFixedSize(size);
    return button;
}

void hover(QWidget* widget)
{
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(widget, &enter);
}

QImage grabOf(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The pixel under a logical point.
QColor at(const QImage& image, QPointF logical)
{
    const double ratio = image.devicePixelRatio();
    return image.pixelColor(int(std::floor(logical.x() * ratio)), int(std::floor(logical.y() * ratio)));
}

bool near(QColor a, QColor b, int tolerance = 2)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
        && qAbs(a.blue() - b.blue()) <= tolerance;
}

// Bounding box, in device pixels, of the pixels of one colour.
QRect boxOf(const QImage& image, QColor colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (near(image.pixelColor(x, y), colour, 8))
                box |= QRect(x, y, 1, 1);
    return box;
}

QRect deviceRect(QRectF logical, double ratio)
{
    return QRectF(logical.topLeft() * ratio, logical.size() * ratio).toRect();
}

// Counts the paint events of a widget.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

} // namespace

class TestPixmapButton : public QObject
{
    Q_OBJECT

private slots:
    void properties();
    void iconRectangle_data();
    void iconRectangle();
    void decoration_data();
    void decoration();
    void fade_data();
    void fade();
    void fadeInactiveRepaintsOnlyOnChange();
    void pressWithMenuDropsHover();
    void textButtonIcon_data();
    void textButtonIcon();
    void textButtonCaption_data();
    void textButtonCaption();
    void textButtonHoverIgnoresEnabled();
};

void TestPixmapButton::properties()
{
    PixmapButton button;
    QCOMPARE(button.fixedSize(), QSize(32, 32));
    QCOMPARE(button.property("fixedSize").toSize(), QSize(32, 32));
    QCOMPARE(button.minimumSize(), QSize(32, 32));
    QCOMPARE(button.maximumSize(), QSize(32, 32));
    QVERIFY(button.pixmap().isNull());
    QCOMPARE(button.fadeInactive(), false);
    QCOMPARE(button.checkColor(), QColor(Qt::darkGray));

    // The setters the forms use through the properties.
    QVERIFY(button.setProperty("fixedSize", QSize(16, 16)));
    QCOMPARE(button.size(), QSize(16, 16));
    button.setFixedSize(212, 40);
    QCOMPARE(button.fixedSize(), QSize(212, 40));
    QCOMPARE(button.minimumSize(), QSize(212, 40));
    QCOMPARE(button.maximumSize(), QSize(212, 40));
    QVERIFY(button.setProperty("pixmap", solid(64, 64)));
    QCOMPARE(button.pixmap().size(), QSize(64, 64));
    QVERIFY(button.setProperty("fadeInactive", true));
    QVERIFY(button.fadeInactive());
}

// Where the icon lands, by the pixels of a solid red pixmap. Screens below
// ratio 2 draw it at half its pixel size; denser screens divide by their
// ratio. Rows are for the ratio of the current run.
void TestPixmapButton::iconRectangle_data()
{
    QTest::addColumn<QSize>("buttonSize");
    QTest::addColumn<int>("pixmapSide");
    QTest::addColumn<bool>("down");
    QTest::addColumn<QRectF>("expected");

    const double ratio = qApp->devicePixelRatio();
    if (ratio < 2.5) {
        QTest::newRow("32 px icon centred") << QSize(32, 32) << 32 << false << QRectF(8, 8, 16, 16);
        QTest::newRow("pressed shifts 1 px") << QSize(32, 32) << 32 << true << QRectF(9, 9, 16, 16);
        QTest::newRow("64 px icon fills") << QSize(32, 32) << 64 << false << QRectF(0, 0, 32, 32);
        QTest::newRow("16 px button") << QSize(16, 16) << 32 << false << QRectF(0, 0, 16, 16);
        // 15 / 2 = 7 (integer), then 7 - 16 / 4 = 3.
        QTest::newRow("odd button") << QSize(15, 15) << 16 << false << QRectF(3, 3, 8, 8);
    } else {
        // Pixmap ratio 3: x = 16 - 32 / 6.
        QTest::newRow("32 px icon at ratio 3") << QSize(32, 32) << 32 << false
                                               << QRectF(16 - 32 / 6.0, 16 - 32 / 6.0, 32 / 3.0, 32 / 3.0);
        QTest::newRow("pressed at ratio 3") << QSize(32, 32) << 32 << true
                                            << QRectF(17 - 32 / 6.0, 17 - 32 / 6.0, 32 / 3.0, 32 / 3.0);
        QTest::newRow("64 px icon at ratio 3") << QSize(32, 32) << 64 << false
                                               << QRectF(16 - 64 / 6.0, 16 - 64 / 6.0, 64 / 3.0, 64 / 3.0);
    }
}

void TestPixmapButton::iconRectangle()
{
    QFETCH(QSize, buttonSize);
    QFETCH(int, pixmapSide);
    QFETCH(bool, down);
    QFETCH(QRectF, expected);

    std::unique_ptr<PixmapButton> button(makeButton<PixmapButton>(buttonSize));
    button->setPixmap(solid(pixmapSide, pixmapSide));
    button->setDown(down);
    const QImage image = grabOf(button.get());
    QCOMPARE(boxOf(image, Qt::red), deviceRect(expected, image.devicePixelRatio()));
}

// Hover fill, checked outline and the fill over it, on 32 x 32 buttons
// without pixmap.
void TestPixmapButton::decoration_data()
{
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("centreFilled");
    QTest::addColumn<bool>("cornerFilled");
    QTest::addColumn<bool>("outline");

    QTest::newRow("idle") << false << false << false << true << false << false << false;
    QTest::newRow("hovered plain: square fill") << false << false << true << true << true << true << false;
    QTest::newRow("hovered checkable: rounded fill") << true << false << true << true << true << false << false;
    QTest::newRow("hovered but disabled") << false << false << true << false << false << false << false;
    QTest::newRow("checked: outline only") << true << true << false << true << false << false << true;
    QTest::newRow("checked and hovered: fill covers outline") << true << true << true << true << true << false << false;
    QTest::newRow("checked, hovered, disabled") << true << true << true << false << false << false << true;
}

void TestPixmapButton::decoration()
{
    QFETCH(bool, checkable);
    QFETCH(bool, checked);
    QFETCH(bool, hovered);
    QFETCH(bool, enabled);
    QFETCH(bool, centreFilled);
    QFETCH(bool, cornerFilled);
    QFETCH(bool, outline);

    std::unique_ptr<PixmapButton> button(makeButton<PixmapButton>(QSize(32, 32)));
    button->setCheckable(checkable);
    button->setChecked(checked);
    button->setEnabled(enabled);
    if (hovered)
        hover(button.get());
    const QImage image = grabOf(button.get());

    QCOMPARE(near(at(image, QPointF(16.5, 16.5)), hoverFill), centreFilled);
    QCOMPARE(near(at(image, QPointF(0.2, 0.2)), hoverFill), cornerFilled);
    // The outline is inset by one pixel: its 1 px pen runs along x = 1 and
    // y = 1 (on denser screens over 0.5 .. 1.5), leaving the edge clear.
    QCOMPARE(near(at(image, QPointF(16.5, 1.25)), checkedOutline), outline);
    QCOMPARE(near(at(image, QPointF(1.25, 16.5)), checkedOutline), outline);
    QVERIFY(!near(at(image, QPointF(16.5, 0.25)), checkedOutline));
    QVERIFY(!near(at(image, QPointF(0.25, 16.5)), checkedOutline));
    if (!centreFilled)
        QVERIFY(near(at(image, QPointF(16.5, 16.5)), ground));
}

// With fade inactive the icon shows at opacity 0.4 unless the button is
// down, hovered or focused.
void TestPixmapButton::fade_data()
{
    QTest::addColumn<bool>("fadeInactive");
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("faded");

    QTest::newRow("fade off") << false << "idle" << false;
    QTest::newRow("idle") << true << "idle" << true;
    QTest::newRow("down") << true << "down" << false;
    QTest::newRow("hovered") << true << "hovered" << false;
    QTest::newRow("focused") << true << "focused" << false;
    QTest::newRow("checked but idle") << true << "checked" << true;
}

void TestPixmapButton::fade()
{
    QFETCH(bool, fadeInactive);
    QFETCH(QString, state);
    QFETCH(bool, faded);

    std::unique_ptr<PixmapButton> button(makeButton<PixmapButton>(QSize(32, 32)));
    button->setPixmap(solid(64, 64, Qt::white));
    button->setFadeInactive(fadeInactive);
    if (state == QLatin1String("down")) {
        button->setDown(true);
    } else if (state == QLatin1String("hovered")) {
        hover(button.get());
    } else if (state == QLatin1String("checked")) {
        button->setCheckable(true);
        button->setChecked(true);
    } else if (state == QLatin1String("focused")) {
        button->show();
        button->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(button.get()));
        button->setFocus();
        QVERIFY(button->hasFocus());
    }
    const QImage image = grabOf(button.get());
    // White at 0.4 over the 0x22 ground: 0.4 * 255 + 0.6 * 34 = 122.4.
    const QColor expected = faded ? QColor(122, 122, 122) : QColor(Qt::white);
    const QColor seen = at(image, QPointF(16.5, 16.5));
    QVERIFY2(near(seen, expected), qPrintable(seen.name()));
}

void TestPixmapButton::fadeInactiveRepaintsOnlyOnChange()
{
    std::unique_ptr<PixmapButton> button(makeButton<PixmapButton>(QSize(32, 32)));
    button->setPixmap(solid(64, 64));
    button->show();
    QVERIFY(QTest::qWaitForWindowExposed(button.get()));
    PaintCounter paints(button.get());
    // Let the paints of showing settle.
    for (int round = 0; round < 20; ++round) {
        paints.count = 0;
        QTest::qWait(50);
        if (paints.count == 0)
            break;
    }
    QCOMPARE(paints.count, 0);

    button->setFadeInactive(false);
    QCoreApplication::processEvents();
    QTest::qWait(50);
    QCOMPARE(paints.count, 0);

    button->setFadeInactive(true);
    QTRY_COMPARE(paints.count, 1);
}

// A press on a button with a menu opens the menu, which takes the mouse
// without a leave event on every platform: the press itself drops the hover
// highlight. (Signals blocked, so the menu does not open here.)
void TestPixmapButton::pressWithMenuDropsHover()
{
    std::unique_ptr<PixmapButton> button(makeButton<PixmapButton>(QSize(32, 32)));
    button->show();
    QVERIFY(QTest::qWaitForWindowExposed(button.get()));
    hover(button.get());
    button->blockSignals(true);
    QTest::mousePress(button.get(), Qt::LeftButton, Qt::NoModifier, QPoint(16, 16));
    QTest::mouseRelease(button.get(), Qt::LeftButton, Qt::NoModifier, QPoint(16, 16));
    QVERIFY(near(at(grabOf(button.get()), QPointF(16.5, 16.5)), hoverFill));

    QMenu menu;
    menu.addAction(QStringLiteral("entry"));
    button->setMenu(&menu);
    QTest::mousePress(button.get(), Qt::LeftButton, Qt::NoModifier, QPoint(16, 16));
    QTest::mouseRelease(button.get(), Qt::LeftButton, Qt::NoModifier, QPoint(16, 16));
    QVERIFY(!near(at(grabOf(button.get()), QPointF(16.5, 16.5)), hoverFill));
}

// The text button draws the whole pixmap at half its pixel size from x = 10,
// vertically centred, on every screen.
void TestPixmapButton::textButtonIcon_data()
{
    QTest::addColumn<QSize>("pixmapSize");
    QTest::addColumn<QRectF>("expected");
    QTest::newRow("stitch style 80 x 80") << QSize(80, 80) << QRectF(10, 0, 40, 40);
    QTest::newRow("short 16 x 16") << QSize(16, 16) << QRectF(10, 16, 8, 8);
}

void TestPixmapButton::textButtonIcon()
{
    QFETCH(QSize, pixmapSize);
    QFETCH(QRectF, expected);

    std::unique_ptr<PixmapTextButton> button(makeButton<PixmapTextButton>(QSize(212, 40)));
    button->setPixmap(solid(pixmapSize.width(), pixmapSize.height()));
    button->setText(QStringLiteral("Horizontal"));
    button->setDown(true); // no pressed shift here
    const QImage image = grabOf(button.get());
    QCOMPARE(boxOf(image, Qt::red), deviceRect(expected, image.devicePixelRatio()));
}

// The caption starts at the pixmap's width divided by the integer ratio of
// its height to the button's, plus 22; at 10 without a pixmap. A pixmap
// shorter than the button counts as ratio 1.
void TestPixmapButton::textButtonCaption_data()
{
    QTest::addColumn<QSize>("pixmapSize");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("left");

    QTest::newRow("80 x 80 on 40 high") << QSize(80, 80) << "Tiles" << 62.0;
    QTest::newRow("120 x 80 on 40 high") << QSize(120, 80) << "Tiles" << 82.0;
    QTest::newRow("no pixmap") << QSize() << "Tiles" << 10.0;
    QTest::newRow("16 x 16, shorter than the button") << QSize(16, 16) << "Tiles" << 38.0;
    QTest::newRow("no caption") << QSize(80, 80) << "" << 62.0;
}

void TestPixmapButton::textButtonCaption()
{
    QFETCH(QSize, pixmapSize);
    QFETCH(QString, caption);
    QFETCH(double, left);

    std::unique_ptr<PixmapTextButton> button(makeButton<PixmapTextButton>(QSize(212, 40)));
    if (pixmapSize.isValid())
        button->setPixmap(solid(pixmapSize.width(), pixmapSize.height()));
    button->setText(caption);
    QCOMPARE(button->captionLeft(), left);

    // White caption pixels: none without a caption; else from `left` on,
    // beginning within a glyph's side bearing of it.
    const QImage image = grabOf(button.get());
    const double ratio = image.devicePixelRatio();
    int firstColumn = -1;
    for (int x = 0; x < image.width() && firstColumn < 0; ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y).lightness() > 200 && image.pixelColor(x, y).saturation() < 30) {
                firstColumn = x;
                break;
            }
    if (caption.isEmpty()) {
        QCOMPARE(firstColumn, -1);
        return;
    }
    QVERIFY2(firstColumn >= int(left * ratio) && firstColumn <= int((left + 3) * ratio),
             qPrintable(QString::number(firstColumn / ratio)));
}

void TestPixmapButton::textButtonHoverIgnoresEnabled()
{
    std::unique_ptr<PixmapTextButton> button(makeButton<PixmapTextButton>(QSize(212, 40)));
    button->setEnabled(false);
    hover(button.get());
    QVERIFY(near(at(grabOf(button.get()), QPointF(150.5, 20.5)), hoverFill));
}

VELLUMAR_TEST_MAIN_AT_RATIOS(TestPixmapButton, 1.0, 1.5, 2.0, 3.0)
#include "tst_pixmapbutton.moc"
