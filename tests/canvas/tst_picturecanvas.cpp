// Pictures as a user sees them on a canvas: in shaped frames, fine-tuned,
// selected, and a placeholder for a missing file. Set
// VELLUMAR_SCREENSHOT_DIR to keep the view as "pictures_on_canvas.png".
#include "appframe/ModalPrompts.h"
#include "canvas/Canvas.h"
#include "canvas/PictureContent.h"
#include "canvas/PictureEffect.h"
#include "canvas/PictureProperties.h"

#include <QDir>
#include <QDomDocument>
#include <QGraphicsView>
#include <QMenu>
#include <QSpinBox>
#include <QPainter>
#include <QTemporaryDir>
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

QTEST_MAIN(PictureCanvasTest)
#include "tst_picturecanvas.moc"
