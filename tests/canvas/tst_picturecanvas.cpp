// Pictures as a user sees them on a canvas: in shaped frames, fine-tuned,
// selected, and a placeholder for a missing file. Set
// VELLUMAR_SCREENSHOT_DIR to keep the view as "pictures_on_canvas.png".
#include "appframe/ModalPrompts.h"
#include "canvas/Canvas.h"
#include "canvas/CornerItem.h"
#include "canvas/PictureContent.h"
#include "canvas/PictureEffect.h"
#include "canvas/PictureProperties.h"

#include <QDir>
#include <QDomDocument>
#include <QContextMenuEvent>
#include <QGraphicsView>
#include <QMenu>
#include <QMouseEvent>
#include <QSpinBox>
#include <QPainter>
#include <QTemporaryDir>
#include <QApplication>
#include <QTest>

namespace {

// A warm photo-like picture: a red to yellow sweep over a darker bottom.
QImage photo(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sweep(0, 0, size.width(), 0);
    sweep.setColorAt(0, QColor(220, 40, 30));
    sweep.setColorAt(1, QColor(250, 210, 40));
    painter.fillRect(image.rect(), sweep);
    painter.fillRect(QRect(0, size.height() * 2 / 3, size.width(), size.height() / 3), QColor(40, 110, 60));
    painter.setBrush(QColor(250, 250, 230));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPoint(size.width() * 3 / 4, size.height() / 4), size.height() / 8, size.height() / 8);
    return image;
}

PictureContent* addPicture(Canvas& canvas, int frameClass, const QPoint& pos)
{
    auto* picture = new PictureContent(false, &canvas, frameClass);
    if (!picture->loadFromFile(QString(), photo(QSize(300, 200)), false, false, false)) {
        delete picture;
        return nullptr;
    }
    picture->resizeContents(QRect(-90, -60, 180, 120));
    canvas.addManualContent(picture, pos);
    return picture;
}

void sendMouse(QWidget* viewport, QEvent::Type type, const QPoint& at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), QPointF(viewport->mapToGlobal(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

// The menu request a right click makes: with the press on X11 and macOS,
// after the release on Windows.
void sendContextMenu(QWidget* viewport, const QPoint& at)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &event);
}

QColor viewPixel(const QImage& shot, const QGraphicsView& view, const QPointF& scenePoint)
{
    return shot.pixelColor(view.mapFromScene(scenePoint));
}

} // namespace

class PictureCanvasTest : public QObject
{
    Q_OBJECT

private slots:
    void picturesOnCanvas();
    void panelAndMenuShown();
    void rightDragOnACornerResizesWithoutMenu_data();
    void rightDragOnACornerResizesWithoutMenu();
};

void PictureCanvasTest::picturesOnCanvas()
{
    Canvas canvas(72, 72, nullptr);
    QGraphicsView view(&canvas);
    view.resize(820, 520);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    canvas.resize(view.viewport()->size());

    // Frame classes: 2 heart, 6 star, 1 standard, 0 none.
    PictureContent* heart = addPicture(canvas, 2, QPoint(140, 140));
    PictureContent* star = addPicture(canvas, 6, QPoint(400, 140));
    PictureContent* tuned = addPicture(canvas, 1, QPoint(660, 140));
    PictureContent* selected = addPicture(canvas, 1, QPoint(200, 370));
    QVERIFY(heart && star && tuned && selected);
    // Saturation -100 takes the colour out; the photo renders off the GUI
    // thread and lands before the shot.
    tuned->addEffect(PictureEffect(PictureEffect::Saturation, -100, true));
    selected->setRotation(-6);
    selected->setSelected(true);

    // A picture whose file is gone, as a project reopened without it.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    auto* missing = new PictureContent(false, &canvas, 1);
    QDomDocument doc;
    doc.setContent(QStringLiteral("<picture><rect><x>-90</x><y>-60</y><w>180</w><h>120</h></rect>"
                                  "<fileUrl>%1</fileUrl><effects/></picture>")
                       .arg(QDir(dir.path()).filePath(QStringLiteral("holiday-042.jpg"))));
    QDomElement element = doc.documentElement();
    QVERIFY(!missing->fromXml(element, QDir(dir.path())));
    QVERIFY(missing->isPlaceholder());
    canvas.addManualContent(missing, QPoint(540, 370));

    for (PictureContent* picture : {heart, star, tuned, selected})
        picture->waitForRender();
    // The smooth copies queued by the first paint land, then the item
    // repaints with them.
    QCoreApplication::processEvents();
    view.grab();
    for (PictureContent* picture : {heart, star, tuned, selected})
        picture->waitForRender();
    QCoreApplication::processEvents();
    const QImage shot = view.grab().toImage();
    const QString shotDir = qEnvironmentVariable("VELLUMAR_SCREENSHOT_DIR");
    if (!shotDir.isEmpty())
        shot.save(shotDir + QStringLiteral("/pictures_on_canvas.png"));

    // The shaped frames clip the photo: the content rectangle's corners
    // lie outside a heart and a star, so no photo shows there (the photo's
    // corners are saturated red, its bottom green).
    const QColor heartCorner = viewPixel(shot, view, heart->mapToScene(QPointF(-88, -58)));
    QVERIFY2(!(heartCorner.red() > 180 && heartCorner.green() < 80), qPrintable(heartCorner.name()));
    const QColor starCorner = viewPixel(shot, view, star->mapToScene(QPointF(-88, 58)));
    QVERIFY2(!(starCorner.green() > 90 && starCorner.red() < 60), qPrintable(starCorner.name()));
    // Inside the shapes the photo shows (a point of the red-orange sweep).
    const QColor heartInside = viewPixel(shot, view, heart->mapToScene(QPointF(0, 0)));
    QVERIFY2(heartInside.red() > 180 && heartInside.blue() < 100, qPrintable(heartInside.name()));

    // Without saturation the sweep is grey: red, green and blue close.
    const QColor grey = viewPixel(shot, view, tuned->mapToScene(QPointF(-40, -20)));
    QVERIFY2(qAbs(grey.red() - grey.green()) < 24 && qAbs(grey.green() - grey.blue()) < 24, qPrintable(grey.name()));
    const QColor untuned = viewPixel(shot, view, selected->mapToScene(QPointF(-40, -20)));
    QVERIFY2(untuned.red() - untuned.blue() > 100, qPrintable(untuned.name()));

    // The placeholder is a grey box (128, 128, 128) away from its label.
    const QColor box = viewPixel(shot, view, missing->mapToScene(QPointF(-70, -45)));
    QCOMPARE(box, QColor(128, 128, 128));
}

void PictureCanvasTest::panelAndMenuShown()
{
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    PictureContent* picture = addPicture(canvas, 1, QPoint(200, 150));
    QVERIFY(picture);
    picture->addEffect(PictureEffect(PictureEffect::Temperature, 6500.7, true));
    picture->waitForRender();
    const QString shotDir = qEnvironmentVariable("VELLUMAR_SCREENSHOT_DIR");

    const QMap<QString, QWidget*> sections = picture->createContentWidget();
    QCOMPARE(sections.keys(), QStringList{QStringLiteral("Fine-tuning")});
    std::unique_ptr<QWidget> panel(sections.first());
    panel->resize(240, 330);
    panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
    QCOMPARE(panel->findChild<QSpinBox*>(QStringLiteral("temperatureSpinBox"))->value(), 6500);
    QVERIFY(panel->isEnabled());
    if (!shotDir.isEmpty())
        panel->grab().save(shotDir + QStringLiteral("/picture_panel.png"));

    QSize menuSize;
    ModalPrompts::ScopedResponder responder([&](const ModalPrompts::Request& request) {
        request.menu->adjustSize();
        const QPixmap shot = request.menu->grab();
        menuSize = shot.size();
        if (!shotDir.isEmpty())
            shot.save(shotDir + QStringLiteral("/picture_menu.png"));
        return -1;
    });
    picture->showContextMenu(QPoint(20, 20));
    QVERIFY(!menuSize.isEmpty());
}

void PictureCanvasTest::rightDragOnACornerResizesWithoutMenu_data()
{
    QTest::addColumn<bool>("menuWithPress");
    QTest::addColumn<QPointF>("moveBy");
    QTest::addColumn<QSize>("size");
    // The 180 x 120 picture's bottom-right handle sits on its inclusive
    // corner (89, 59). Dragged by (30, 20) to (119, 79), the half-diagonal
    // becomes sqrt(119^2 + 79^2) = 142.83; at 3:2 the width is
    // 2 x 142.83 / sqrt(1 + 1 / 1.5^2) = 237.7 and the height 158.4.
    QTest::newRow("grow, menu request with the press") << true << QPointF(30, 20) << QSize(237, 158);
    QTest::newRow("grow, menu request after the release") << false << QPointF(30, 20) << QSize(237, 158);
    // Dragged to (9, 9) it stops at the smallest size, 50 x 40, and the
    // mouse is released over the picture, away from the handle.
    QTest::newRow("shrink, menu request with the press") << true << QPointF(-80, -50) << QSize(50, 40);
    QTest::newRow("shrink, menu request after the release") << false << QPointF(-80, -50) << QSize(50, 40);
}

void PictureCanvasTest::rightDragOnACornerResizesWithoutMenu()
{
    QFETCH(bool, menuWithPress);
    QFETCH(QPointF, moveBy);
    QFETCH(QSize, size);
    Canvas canvas(72, 72, nullptr);
    QGraphicsView view(&canvas);
    view.resize(600, 400);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    canvas.resize(view.viewport()->size());
    PictureContent* picture = addPicture(canvas, 0, QPoint(300, 200));
    QVERIFY(picture);
    picture->setControlsVisible(true);
    int menus = 0;
    ModalPrompts::ScopedResponder responder([&](const ModalPrompts::Request& request) {
        menus += request.kind == ModalPrompts::Kind::Menu ? 1 : 0;
        return -1;
    });
    auto rightClick = [&](const QPoint& press, const QPoint& release) {
        sendMouse(view.viewport(), QEvent::MouseButtonPress, press, Qt::RightButton, Qt::RightButton);
        if (menuWithPress)
            sendContextMenu(view.viewport(), press);
        if (release != press)
            sendMouse(view.viewport(), QEvent::MouseMove, release, Qt::NoButton, Qt::RightButton);
        sendMouse(view.viewport(), QEvent::MouseButtonRelease, release, Qt::RightButton, Qt::NoButton);
        if (!menuWithPress)
            sendContextMenu(view.viewport(), release);
    };

    CornerItem* corner = nullptr;
    for (QGraphicsItem* child : picture->childItems()) {
        auto* handle = dynamic_cast<CornerItem*>(child);
        if (handle && handle->corner() == Qt::BottomRightCorner)
            corner = handle;
    }
    QVERIFY(corner);
    rightClick(view.mapFromScene(corner->scenePos()), view.mapFromScene(corner->scenePos() + moveBy));
    QCOMPARE(menus, 0);
    // Scaled, not turned.
    QCOMPARE(picture->rotation(), 0.0);
    QCOMPARE(picture->contentRect().size(), size);

    // A right click on the picture itself still opens its menu.
    const QPoint middle = view.mapFromScene(picture->scenePos());
    rightClick(middle, middle);
    QCOMPARE(menus, 1);
}

QTEST_MAIN(PictureCanvasTest)
#include "tst_picturecanvas.moc"
