// The collage road end to end, through the real main window and workflow:
// from the home screen's Collage tile to a finished collage (fixed size,
// pictures, background picture, gradient, border), saved as a project,
// exported, closed, opened again from another working directory and
// exported again, pixel for pixel the same.
//
// With VELLUMAR_SCREENSHOT_DIR set, the editor is also photographed on the
// way (run under a real X server, e.g. xvfb-run, for pop-ups to show).
#include "app/MainWindow.h"
#include "app/PromptQueue.h"

#include "appframe/ModalPrompts.h"
#include "appframe/SceneView.h"
#include "appframe/Workflow.h"
#include "collage/CollageAppliance.h"
#include "support/DialogDriver.h"
#include "collage/ExactSizeDialog.h"
#include "home/HomeScene.h"
#include "support/PdfReadback.h"
#include "modebase/PrintDialog.h"
#include "canvas/CPixmap.h"
#include "canvas/Canvas.h"
#include "canvas/CanvasModeInfo.h"
#include "canvas/PictureContent.h"
#include "widgets/QPopupColorWidget.h"

#include <QBuffer>
#include <QCheckBox>
#include <QFileDialog>
#include <QGraphicsView>
#include <QMessageBox>
#include <QScreen>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

// A JPEG of `size` whose EXIF orientation 6 asks for a quarter turn
// clockwise: shown, it is size.height() wide.
QByteArray orientedJpeg(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(250, 200, 40));
    for (int y = 0; y < size.height() / 4; ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(20, 20, 160));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 95);
    // APP1: "Exif\0\0", a big-endian TIFF header, one IFD holding one
    // entry (0x0112 orientation, SHORT, count 1, value 6) and no next IFD.
    // Length = 2 (itself) + 6 + 8 + 2 + 12 + 4 = 34.
    const char exif[] = "\xFF\xE1\x00\x22" "Exif\x00\x00" "MM\x00\x2A\x00\x00\x00\x08"
                        "\x00\x01" "\x01\x12\x00\x03\x00\x00\x00\x01\x00\x06\x00\x00" "\x00\x00\x00\x00";
    jpeg.insert(2, QByteArray(exif, sizeof(exif) - 1));
    return jpeg;
}

QImage plain(const QSize& size, const QColor& color)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    // A mark in one corner, so that turns and mirrors would show.
    for (int y = 0; y < size.height() / 3; ++y)
        for (int x = 0; x < size.width() / 3; ++x)
            image.setPixel(x, y, qRgb(255, 255, 255));
    return image;
}

// Largest difference of any channel between two images of one size.
int maxDifference(const QImage& a, const QImage& b, int* differing)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    int worst = 0;
    *differing = 0;
    for (int row = 0; row < x.height(); ++row) {
        const QRgb* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const QRgb* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            const int d = std::max({std::abs(qRed(p[col]) - qRed(q[col])), std::abs(qGreen(p[col]) - qGreen(q[col])),
                std::abs(qBlue(p[col]) - qBlue(q[col])), std::abs(qAlpha(p[col]) - qAlpha(q[col]))});
            if (d > 0)
                ++*differing;
            worst = std::max(worst, d);
        }
    }
    return worst;
}

// The first page of `pdf`, rendered at the printers' 96 dpi, holds
// `exported`: one pixel for one pixel where the page is large enough (the
// A2 page of the PDF button), scaled down into the printable width on a
// smaller paper (the queue's).
bool printedLikeExport(const QString& pdf, const QImage& exported)
{
    const QImage page = PdfReadback::render(pdf, 96);
    if (page.isNull())
        return false;
    const QRect ink = PdfReadback::inkBox(page);
    const QSize fitted = exported.size().scaled(ink.size(), Qt::KeepAspectRatio);
    if (qAbs(ink.width() - fitted.width()) > 1 || qAbs(ink.height() - fitted.height()) > 1) {
        qWarning("ink %d x %d", ink.width(), ink.height());
        return false;
    }
    // The page holds the picture as a JPEG of quality 94, its colour at
    // half resolution: smooth areas stay within a few levels, while the
    // sharp colour edges of a collage (red on white) smear over a pixel
    // or two, by up to some 150 levels. About 3 % of this collage's
    // pixels lie on such edges.
    const QImage want = (fitted == exported.size() ? exported
                                                   : exported.scaled(fitted, Qt::IgnoreAspectRatio,
                                                       Qt::SmoothTransformation))
                            .convertToFormat(QImage::Format_RGB32);
    // The ink box may sit one pixel off where the picture's edge is pale:
    // take the best of the nine placements around it.
    double mean = 1e9;
    int worst = 0;
    int far = 0;
    const int w = want.width() - 2;
    const int h = want.height() - 2;
    for (int oy = -1; oy <= 1; ++oy) {
        for (int ox = -1; ox <= 1; ++ox) {
            qint64 sum = 0;
            int placedWorst = 0;
            int placedFar = 0;
            for (int y = 1; y <= h; ++y) {
                for (int x = 1; x <= w; ++x) {
                    const QRgb a = want.pixel(x, y);
                    const QRgb b = page.pixel(qBound(0, ink.left() + ox + x, page.width() - 1),
                        qBound(0, ink.top() + oy + y, page.height() - 1));
                    const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                        std::abs(qBlue(a) - qBlue(b))});
                    sum += d;
                    placedWorst = std::max(placedWorst, d);
                    placedFar += d > 8 ? 1 : 0;
                }
            }
            const double placedMean = double(sum) / (double(w) * h);
            if (placedMean < mean) {
                mean = placedMean;
                worst = placedWorst;
                far = placedFar;
            }
        }
    }
    qInfo("printed PDF against the export: mean %.3f, worst %d, %d pixels beyond 8", mean, worst, far);
    return mean <= 2.5 && far <= w * h / 20;
}

} // namespace

class TestCollageRoad : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void road();

private:
    CollageAppliance* collage() const
    {
        return App::workflow ? dynamic_cast<CollageAppliance*>(App::workflow->currentAppliance()) : nullptr;
    }
    bool openCollageFromHome();
    void shoot(const QString& name, QWidget* widget = nullptr);
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QString m_shots;
    QString m_startDir;
    std::unique_ptr<MainWindow> m_window;
};

void TestCollageRoad::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QVERIFY(m_dir.isValid());
    m_shots = qEnvironmentVariable("VELLUMAR_SCREENSHOT_DIR");
    m_startDir = QDir::currentPath();
    QVERIFY(QDir().mkpath(path("pictures")));
    QVERIFY(QDir().mkpath(path("projects")));
    QVERIFY(QDir().mkpath(path("elsewhere")));
    QVERIFY(plain(QSize(160, 120), QColor(200, 40, 40)).save(path("pictures/red.png")));
    QVERIFY(plain(QSize(120, 160), QColor(40, 160, 60)).save(path("pictures/green.png")));
    QFile jpeg(path("pictures/turned.jpg"));
    QVERIFY(jpeg.open(QIODevice::WriteOnly));
    jpeg.write(orientedJpeg(QSize(180, 100)));
    jpeg.close();
    QVERIFY(plain(QSize(600, 300), QColor(60, 90, 200)).save(path("pictures/back.png")));

    MainWindow::initStyle();
    m_window = std::make_unique<MainWindow>();
    m_window->resize(1280, 860);
    m_window->showNormal();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestCollageRoad::cleanupTestCase()
{
    m_window.reset();
    QDir::setCurrent(m_startDir);
}

bool TestCollageRoad::openCollageFromHome()
{
    if (!QTest::qWaitFor([] { return App::workflow && App::workflow->nodeCount() == 1; }, 20000))
        return false;
    auto* view = m_window->findChild<QGraphicsView*>();
    HomeScene* home = nullptr;
    const auto views = m_window->findChildren<QGraphicsView*>();
    for (QGraphicsView* candidate : views) {
        if ((home = qobject_cast<HomeScene*>(candidate->scene()))) {
            view = candidate;
            break;
        }
    }
    if (!home || home->tiles().size() != 2)
        return false;
    // The Collage tile is the second; click its middle.
    const QPointF centre = home->tiles().at(1)->sceneBoundingRect().center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->mapFromScene(centre));
    return QTest::qWaitFor([this] { return collage() != nullptr; }, 20000);
}

void TestCollageRoad::shoot(const QString& name, QWidget* widget)
{
    if (m_shots.isEmpty())
        return;
    QCoreApplication::processEvents();
    QTest::qWait(200);
    QPixmap shot;
    if (widget)
        shot = widget->grab();
    else if (QGuiApplication::platformName() == QLatin1String("xcb"))
        shot = QGuiApplication::primaryScreen()->grabWindow(0);
    else
        shot = m_window->grab();
    shot.save(QDir(m_shots).filePath(name + QStringLiteral(".png")));
}

void TestCollageRoad::road()
{
    PromptQueue prompts;
    QVERIFY(openCollageFromHome());
    CollageAppliance* editor = collage();
    QCOMPARE(m_window->windowTitle().contains(QStringLiteral("Collage")), true);
    const Ui::CollageApplianceElements& ui = editor->form();
    Canvas* canvas = editor->canvas();
    shoot(QStringLiteral("1-editor-empty"));

    // "Custom Size..." 1200 x 800.
    prompts.queue.push_back([](const ModalPrompts::Request&) { return 1; });
    prompts.queue.push_back([this](const ModalPrompts::Request& request) {
        auto* dialog = qobject_cast<ExactSizeDialog*>(request.dialog);
        if (!dialog)
            return int(QDialog::Rejected);
        dialog->ui.widthSpinBox->setValue(1200);
        dialog->ui.heightSpinBox->setValue(800);
        if (!m_shots.isEmpty()) {
            dialog->show();
            shoot(QStringLiteral("2-size-dialog"), dialog);
            dialog->hide();
        }
        return int(QDialog::Accepted);
    });
    ui.sizeButn->click();
    QCOMPARE(canvas->sceneSize(), QSize(1200, 800));
    QCOMPARE(ui.sizeLabel->text(), QStringLiteral("1200 x 800 Pix (Locked)"));

    // "Stickers": three pictures at once, one turned by its EXIF orientation.
    DialogDriver::answerFileDialog(path("pictures"),
        {QStringLiteral("red.png"), QStringLiteral("turned.jpg"), QStringLiteral("green.png")});
    ui.bPicture->click();
    QList<PictureContent*> pictures;
    for (AbstractContent* content : canvas->contents()) {
        if (auto* picture = qobject_cast<PictureContent*>(content))
            pictures << picture;
    }
    QCOMPARE(pictures.size(), 3);
    QCOMPARE(pictures.at(1)->photo()->size(), QSize(100, 180));
    // Move and turn one.
    pictures.at(0)->setPos(300, 250);
    pictures.at(0)->setRotation(25);
    pictures.at(2)->setPos(900, 500);

    // A background picture kept in its ratio, with a fine-tune value.
    DialogDriver::answerFileDialog(path("pictures"), {QStringLiteral("back.png")});
    ui.addContentButn->click();
    QVERIFY(canvas->backContent());
    ui.aspectCombo->setCurrentIndex(1);
    QCOMPARE(canvas->backContentRatio(), Qt::KeepAspectRatio);
    ui.editWidget->findChild<QSpinBox*>(QStringLiteral("saturationSpinBox"))->setValue(-60);
    QCOMPARE(canvas->backContent()->effects().at(0)->param, -60.0);

    // A gradient with a top colour of our own.
    ui.colorCombo->setCurrentIndex(2);
    emit ui.colorCombo->activated(2);
    QTest::mouseClick(ui.canvasTopColorButn, Qt::LeftButton);
    QPopupColorWidget* popup = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* candidate = qobject_cast<QPopupColorWidget*>(widget))
            popup = candidate;
    }
    QVERIFY(popup);
    QVERIFY(popup->isVisible());
    emit popup->colorChanged(QColor(250, 230, 120));
    shoot(QStringLiteral("3-colour-popup"));
    popup->hide();
    QCOMPARE(canvas->backColor().mode, 2);
    QCOMPARE(canvas->backColor().topColor, QColor(250, 230, 120));

    // A border on two sides, with its own width, opacity and colour.
    auto* border = ui.borderColorWidget;
    border->findChild<QCheckBox*>(QStringLiteral("topChck"))->click();
    border->findChild<QCheckBox*>(QStringLiteral("leftChck"))->click();
    border->findChild<QSpinBox*>(QStringLiteral("borderWidthSpinBox"))->setValue(60);
    border->findChild<QSpinBox*>(QStringLiteral("borderOpacitySpinBox"))->setValue(200);
    border->setColorBorder([&] {
        CanvasBorder b = canvas->border();
        b.color = QColor(20, 120, 220);
        return b;
    }());
    border->findChild<QSpinBox*>(QStringLiteral("borderWidthSpinBox"))->setValue(61);
    const CanvasBorder made = canvas->border();
    QVERIFY(made.top && made.left && !made.bottom && !made.right);
    QCOMPARE(made.width, 61);
    QCOMPARE(made.opacity, 200);
    QCOMPARE(made.color, QColor(20, 120, 220));
    canvas->clearSelection();
    shoot(QStringLiteral("4-editor-finished"));
    // A selected picture shows its own panel in the right bar.
    pictures.at(2)->setSelected(true);
    shoot(QStringLiteral("4b-editor-picture-panel"));
    canvas->clearSelection();
    QVERIFY(!ui.canvasPropertiesBox->isHidden());

    // "Back" asks to save; Cancel keeps the editor.
    {
        BoxWatcher boxes(QMessageBox::Cancel);
        ui.bHome->click();
        QVERIFY(QTest::qWaitFor([&boxes] { return !boxes.texts.isEmpty(); }, 20000));
        QTest::qWait(50);
        QCOMPARE(boxes.texts.first(), QStringLiteral("Do you want to save your changes?"));
    }
    QCOMPARE(collage(), editor);

    // "Save Project" as a name without suffix.
    prompts.queue.push_back(chooseFile(path("projects/album")));
    ui.bSaveProject->click();
    QVERIFY(QFileInfo::exists(path("projects/album.pmp2")));

    // "Export" to PNG.
    DialogDriver::answerFileDialog(path("projects"), {QStringLiteral("first.png")});
    ui.bSaveImage->click();
    const QImage first(path("projects/first.png"));
    QCOMPARE(first.size(), QSize(1200, 800));

    // "Print", then "PDF" to a file, at one picture pixel per device pixel.
    prompts.queue.push_back([this](const ModalPrompts::Request& request) {
        auto* dialog = qobject_cast<PrintDialog*>(request.dialog);
        if (!dialog)
            return int(QDialog::Rejected);
        dialog->findChild<QCheckBox*>(QStringLiteral("fitToPageCheckBox"))->setChecked(false);
        dialog->findChild<QAbstractButton*>(QStringLiteral("exportPdfButton"))->click();
        return dialog->result();
    });
    prompts.queue.push_back(chooseFile(path("projects/album.pdf")));
    ui.bPrint->click();
    QVERIFY(printedLikeExport(path("projects/album.pdf"), first));

    // "Print" to the CUPS-PDF queue, with the same choices.
    const QString cupsOut = qEnvironmentVariable("VELLUMAR_CUPS_OUT");
    QVERIFY2(!cupsOut.isEmpty() && QDir(cupsOut).exists(), "VELLUMAR_CUPS_OUT names no folder: run through CTest");
    const QStringList before = QDir(cupsOut).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    CanvasAppliance::s_PrintInfo.printerName = QStringLiteral("VellumarPDF");
    prompts.queue.push_back([](const ModalPrompts::Request& request) {
        auto* dialog = qobject_cast<PrintDialog*>(request.dialog);
        if (!dialog)
            return int(QDialog::Rejected);
        dialog->findChild<QCheckBox*>(QStringLiteral("fitToPageCheckBox"))->setChecked(false);
        dialog->findChild<QAbstractButton*>(QStringLiteral("printButton"))->click();
        return dialog->result();
    });
    ui.bPrint->click();
    QString job;
    QVERIFY(QTest::qWaitFor(
        [&] {
            for (const QString& name : QDir(cupsOut).entryList({QStringLiteral("*.pdf")}, QDir::Files)) {
                // Ghostscript writes the file last; a readable page is a finished job.
                if (!before.contains(name) && PdfReadback::pageCount(QDir(cupsOut).filePath(name)) == 1) {
                    job = QDir(cupsOut).filePath(name);
                    return true;
                }
            }
            return false;
        },
        120000));
    QVERIFY(printedLikeExport(job, first));

    // "Back" asks nothing now.
    {
        BoxWatcher boxes(QMessageBox::Cancel);
        ui.bHome->click();
        QVERIFY(QTest::qWaitFor([] { return App::workflow->nodeCount() == 1; }, 20000));
        QVERIFY(boxes.texts.isEmpty());
    }

    // From another working directory, open the project again.
    QVERIFY(QDir::setCurrent(path("elsewhere")));
    QVERIFY(openCollageFromHome());
    prompts.queue.push_back(chooseFile(path("projects/album.pmp2")));
    collage()->form().bProject->click();
    QVERIFY(QTest::qWaitFor([this, editor] { return collage() && collage()->canvas()->contents().size() == 4; },
        20000));
    editor = collage();
    canvas = editor->canvas();
    QCOMPARE(canvas->sceneSize(), QSize(1200, 800));
    QVERIFY(canvas->backContent());
    QCOMPARE(canvas->border(), made);
    QCOMPARE(editor->form().aspectCombo->currentIndex(), 1);
    QCOMPARE(editor->form().colorCombo->currentIndex(), 2);
    QCOMPARE(editor->form().borderColorWidget->colorBorder(), made);
    QCOMPARE(editor->form().editWidget->findChild<QSpinBox*>(QStringLiteral("saturationSpinBox"))->value(), -60);
    shoot(QStringLiteral("5-editor-reopened"));

    DialogDriver::answerFileDialog(path("projects"), {QStringLiteral("second.png")});
    editor->form().bSaveImage->click();
    const QImage second(path("projects/second.png"));
    QCOMPARE(second.size(), first.size());
    // Positions go through six significant digits in the project; that may
    // move an antialiased edge by one level, never more.
    int differing = 0;
    const int worst = maxDifference(first, second, &differing);
    qInfo("exports differ in %d pixels, by at most %d", differing, worst);
    QVERIFY(worst <= 1);

    // The project moved together with its pictures still finds them.
    QVERIFY(QDir().mkpath(path("moved")));
    QVERIFY(QDir().rename(path("projects"), path("moved/projects")));
    QVERIFY(QDir().rename(path("pictures"), path("moved/pictures")));
    prompts.queue.push_back(chooseFile(path("moved/projects/album.pmp2")));
    editor->form().bProject->click();
    QVERIFY(QTest::qWaitFor([this, editor] { return collage() && collage() != editor; }, 20000));
    editor = collage();
    canvas = editor->canvas();
    QCOMPARE(canvas->contents().size(), 4);
    for (AbstractContent* content : canvas->contents())
        QVERIFY(!qobject_cast<PictureContent*>(content)->isPlaceholder());

    // A picture deleted behind the project's back: the user is told, the
    // picture keeps its place, and a new save loses nothing of it.
    QVERIFY(QFile::remove(path("moved/pictures/green.png")));
    QString missingText;
    prompts.queue.push_back(chooseFile(path("moved/projects/album.pmp2")));
    prompts.queue.push_back([&missingText](const ModalPrompts::Request& request) {
        auto* box = qobject_cast<QMessageBox*>(request.dialog);
        missingText = request.title + QLatin1Char('|') + (box ? box->text() : QString());
        return int(QMessageBox::Ok);
    });
    editor->form().bProject->click();
    // Told once the new collage shows.
    QVERIFY(QTest::qWaitFor([this, editor, &missingText] { return collage() != editor && !missingText.isEmpty(); },
        20000));
    editor = collage();
    canvas = editor->canvas();
    QCOMPARE(missingText,
        QStringLiteral("Missing pictures|Some pictures of the Collage file %1 were not found. They keep their place "
                       "and are saved with the project.")
            .arg(path("moved/projects/album.pmp2")));
    QCOMPARE(canvas->contents().size(), 4);
    int placeholders = 0;
    for (AbstractContent* content : canvas->contents())
        placeholders += qobject_cast<PictureContent*>(content)->isPlaceholder() ? 1 : 0;
    QCOMPARE(placeholders, 1);
    prompts.queue.push_back(chooseFile(path("moved/projects/again")));
    editor->form().bSaveProject->click();
    QFile again(path("moved/projects/again.pmp2"));
    QVERIFY(again.open(QIODevice::ReadOnly));
    QVERIFY(again.readAll().contains("green.png"));

    QCOMPARE(prompts.queue.size(), size_t(0));
    QDir::setCurrent(m_startDir);
}

QTEST_MAIN(TestCollageRoad)
#include "tst_collageroad.moc"
