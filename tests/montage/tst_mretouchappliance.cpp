// Montage step 3 driven through its own controls: reached from step 2 with
// the real workflow, the options and Generate, the zoom floor, masks from a
// local file, and Export with its effect on the pending changes and Back.
#include "montage/MRetouchAppliance.h"

#include "appframe/ModalPrompts.h"
#include "appframe/SceneView.h"
#include "appframe/Settings.h"
#include "support/DialogDriver.h"
#include "montage/engine/IQZorivuvEngine.h"
#include "montage/MTileAppliance.h"
#include "montage/ZorivuvTestSupport.h"
#include "canvas/CPixmap.h"
#include "canvas/Canvas.h"
#include "canvas/PictureContent.h"
#include "filebrowser/IQThumbsViewer.h"
#include "files/IQImageFileItem.h"
#include "support/TestSupport.h"
#include "widgets/PixmapButton.h"
#include "widgets/QDoubleSlider.h"
#include "widgets/QSliderWidget.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <iterator>
#include <memory>

namespace {

int shownValue(const QSliderWidget* slider)
{
    const auto* box = slider->findChild<QSpinBox*>(QStringLiteral("valueSpinBox"));
    return box ? box->value() : -1;
}

bool writePhoto(const QString& path, const QColor& color, const QSize& size = QSize(48, 36))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    for (int i = 0; i < qMin(size.width(), size.height()); ++i)
        image.setPixel(i, i, qRgb(255, 255, 255));
    return image.save(path);
}

// Records every box and answers it; a file dialog gets `file` chosen, or is
// cancelled when `file` is empty.
struct Boxes
{
    QList<ModalPrompts::Request> seen;
    QString file;
    ModalPrompts::ScopedResponder responder {[this](const ModalPrompts::Request& request) {
        seen << request;
        if (request.kind == ModalPrompts::Kind::Dialog) {
            auto* dialog = qobject_cast<QFileDialog*>(request.dialog);
            if (!dialog || file.isEmpty())
                return int(QDialog::Rejected);
            dialog->selectFile(file);
            return int(QDialog::Accepted);
        }
        return int(QMessageBox::Ok);
    }};
};

// Home, then the real steps 2 and 3 over it.
struct RealRoad
{
    std::unique_ptr<Workflow> workflow;
    RealRoad()
    {
        Workflow::Creators creators;
        registerDefaultWorkflowCreators(creators);
        creators.home = [] { return new FakeAppliance(QStringLiteral("home")); };
        workflow = std::make_unique<Workflow>(nullptr, nullptr, creators);
    }
    ~RealRoad() { workflow.reset(); }
};

} // namespace

class TestMRetouchAppliance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void roadFromStep2();
    void generateWithOptions_data();
    void generateWithOptions();
    void failedRunKeepsMosaic_data();
    void failedRunKeepsMosaic();
    void canvasRefusesMosaic();
    void matchColorChangesPixels_data();
    void matchColorChangesPixels();
    void layoutChangesPixels_data();
    void layoutChangesPixels();
    void zoomFloor_data();
    void zoomFloor();
    void zoomButtons();
    void exportClearsPendingOnlyWhenWritten();
    void localMask_data();
    void localMask();
    void restoreToOriginal();
    void templateMaskShapesNextMosaic();
    void closingLeavesNothingBehind();

private:
    // Runs step 2 over the photos of the fixture and returns step 3.
    MRetouchAppliance* reachStep3(RealRoad& road, MTileAppliance** step2 = nullptr);
    // Replaces the fixture's tile photos with four of one colour each.
    void usePlainTiles();

    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_photos;
};

void TestMRetouchAppliance::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Vellumar"));
}

void TestMRetouchAppliance::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_photos.clear();
    const QColor colors[] = {Qt::red, Qt::darkGreen, Qt::blue, Qt::yellow};
    for (int i = 0; i < 4; ++i) {
        const QString path = m_dir->filePath(QStringLiteral("tile%1.png").arg(i));
        QVERIFY(writePhoto(path, colors[i]));
        m_photos << path;
    }
    // A 4:3 target without transparency.
    QImage target(80, 60, QImage::Format_BGR888);
    target.fill(QColor(90, 140, 200));
    IQZorivuvEngine::globalInstance()->setBackgroundImage(target);
}

void TestMRetouchAppliance::cleanup()
{
    IQZorivuvEngine::globalInstance()->setBackgroundImage(QImage());
    m_dir.reset();
}

MRetouchAppliance* TestMRetouchAppliance::reachStep3(RealRoad& road, MTileAppliance** step2)
{
    road.workflow->scheduleCommand({Workflow::OpenZorivuvTiles, QVariant()});
    runQueue();
    auto* tiles = dynamic_cast<MTileAppliance*>(road.workflow->currentAppliance());
    if (!tiles)
        return nullptr;
    if (step2)
        *step2 = tiles;
    QList<std::shared_ptr<IQThumbnailItem>> items;
    for (const QString& path : std::as_const(m_photos))
        items << std::make_shared<IQImageFileItem>(path);
    tiles->thumbsViewer()->addThumbs(items);
    tiles->form().nextButton->click();
    runQueue();
    return dynamic_cast<MRetouchAppliance*>(road.workflow->currentAppliance());
}

// Colours with no channel at 0, so that colour matching can reach any cell
// colour from each of them.
const QRgb plainTileColors[] = {qRgb(200, 60, 60), qRgb(60, 160, 60), qRgb(60, 60, 200), qRgb(200, 200, 60)};

void TestMRetouchAppliance::usePlainTiles()
{
    m_photos.clear();
    for (int i = 0; i < 4; ++i) {
        QImage image(48, 36, QImage::Format_RGB32);
        image.fill(plainTileColors[i]);
        const QString path = m_dir->filePath(QStringLiteral("plain%1.png").arg(i));
        QVERIFY(image.save(path));
        m_photos << path;
    }
}

void TestMRetouchAppliance::roadFromStep2()
{
    Boxes boxes;
    RealRoad road;
    MTileAppliance* step2 = nullptr;
    MRetouchAppliance* step3 = reachStep3(road, &step2);
    QVERIFY(step3);
    const Ui::MRetouchApplianceElements& ui = step3->form();

    QCOMPARE(step3->applianceName(), QStringLiteral("Zorivuv"));
    QVERIFY(step3->appliancePendingChanges());
    QCOMPARE(ui.bBack->text(), QStringLiteral("Back"));
    QCOMPARE(ui.bSaveImage->text(), QStringLiteral("Export"));
    QCOMPARE(ui.bPrint->text(), QStringLiteral("Print"));
    QCOMPARE(ui.bPicture->text(), QStringLiteral("Stickers"));
    QCOMPARE(ui.bText->text(), QStringLiteral("Text"));
    QCOMPARE(ui.generateButton->text(), QStringLiteral("Generate"));
    QCOMPARE(ui.maskButton->text(), QStringLiteral("Mask"));

    // The defaults of a run: Tile, 100 columns, 20 px tiles, colour matched.
    QVERIFY(ui.tileRadioButton->isChecked());
    QVERIFY(!ui.interlaceRadioButn->isChecked());
    QCOMPARE(shownValue(ui.columnCountWidget), 100);
    QCOMPARE(shownValue(ui.tileSizeWidget), 20);
    QVERIFY(ui.matchColorCheckBox->isChecked());
    QCOMPARE(step3->param().maskMode, 0);

    // 100 cells of 20 px across; the 80 x 60 target at 100 across has 75
    // rows: 2000 x 1500.
    Canvas* canvas = step3->canvas();
    QVERIFY(canvas && canvas->backContent());
    QCOMPARE(canvas->sceneSize(), QSize(2000, 1500));
    QCOMPARE(ui.sizeLabel->text(), QStringLiteral("2000 x 1500 Pix"));
    QVERIFY(!ui.imageThumbLabel->pixmap().isNull());

    // The mask menu: the templates, a local file, the original.
    QMenu* menu = step3->maskMenu();
    QVERIFY(menu);
    const QList<QAction*> actions = menu->actions();
    QCOMPARE(actions.size(), 3);
    QCOMPARE(actions.at(0)->text(), QStringLiteral("Templates"));
    QVERIFY(actions.at(0)->menu());
    QList<int> ids;
    for (QAction* action : actions.at(0)->menu()->actions())
        ids << action->data().toInt();
    QCOMPARE(ids, (QList<int> {2, 3, 4, 5, 6, 7, 8}));
    QCOMPARE(actions.at(1)->text(), QStringLiteral("Local Mask (PNG)"));
    QCOMPARE(actions.at(2)->text(), QStringLiteral("Restore to original"));

    // Export writes the mosaic itself, pixel for pixel.
    const QString out = m_dir->filePath(QStringLiteral("mosaic.png"));
    DialogDriver::answerFileDialog(m_dir->path(), {QStringLiteral("mosaic.png")});
    ui.bSaveImage->click();
    QVERIFY(QFile::exists(out));
    const QImage written(out);
    QCOMPARE(written.size(), QSize(2000, 1500));
    const QImage shown = canvas->backContent()->photo()->toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(written.convertToFormat(QImage::Format_RGB32) == shown);
    QVERIFY(!step3->appliancePendingChanges());

    // Back asks nothing after a written export and finds step 2 as it was.
    ui.bBack->click();
    runQueue();
    QCOMPARE(road.workflow->currentAppliance(), step2);
    QCOMPARE(step2->thumbsViewer()->sourceCount(), m_photos.size());
    QVERIFY(boxes.seen.isEmpty());
}

void TestMRetouchAppliance::generateWithOptions_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("tile");
    QTest::addColumn<bool>("interlace");
    QTest::addColumn<QSize>("size");
    // The run uses at least 60 columns: 60 x 20 = 1200 across; 60 across
    // on 4:3 gives 45 rows: 900.
    QTest::newRow("30 columns") << 30 << 20 << false << QSize(1200, 900);
    // 100 x 40 = 4000; 75 rows x 40 = 3000.
    QTest::newRow("tile 40") << 100 << 40 << false << QSize(4000, 3000);
    // 80 x 10 = 800; 60 rows x 10 = 600. Interlace keeps the size.
    QTest::newRow("interlace") << 80 << 10 << true << QSize(800, 600);
}

void TestMRetouchAppliance::generateWithOptions()
{
    QFETCH(int, columns);
    QFETCH(int, tile);
    QFETCH(bool, interlace);
    QFETCH(QSize, size);
    Boxes boxes;
    RealRoad road;
    MRetouchAppliance* step3 = reachStep3(road);
    QVERIFY(step3);
    const Ui::MRetouchApplianceElements& ui = step3->form();
    emit ui.columnCountWidget->propertyValueChanged(QStringLiteral("Column Count"), columns);
    emit ui.tileSizeWidget->propertyValueChanged(QStringLiteral("Tile Size"), tile);
    if (interlace)
        ui.interlaceRadioButn->click();
    ui.matchColorCheckBox->click();
    // The options act at the next run only.
    QCOMPARE(step3->canvas()->sceneSize(), QSize(2000, 1500));
    QCOMPARE(step3->param().columns, columns);
    QCOMPARE(step3->param().tile, QSize(tile, tile));
    QCOMPARE(step3->param().layout, interlace ? 1 : 0);
    QVERIFY(!step3->param().colourise);

    ui.generateButton->click();
    runQueue();
    QCOMPARE(step3->canvas()->sceneSize(), size);
    QCOMPARE(ui.sizeLabel->text(), QStringLiteral("%1 x %2 Pix").arg(size.width()).arg(size.height()));
    QVERIFY(step3->appliancePendingChanges());
    QTest::qWait(3 * MRetouchAppliance::messageDelayMsecs);
    QVERIFY(boxes.seen.isEmpty());
}

void TestMRetouchAppliance::failedRunKeepsMosaic_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("paint failed") << 1 << "Not enough memory.";
    QTest::newRow("no target") << 2 << "Unknown error happened.";
    QTest::newRow("cancelled") << 3 << QString();
    QTest::newRow("no tile photo") << 4 << "None of the tile photos could be read.";
    // Success without a mosaic must not pass in silence.
    QTest::newRow("success without mosaic") << 0 << "Unknown error happened.";
}

void TestMRetouchAppliance::failedRunKeepsMosaic()
{
    QFETCH(int, code);
    QFETCH(QString, message);
    Boxes boxes;
    RealRoad road;
    MRetouchAppliance* step3 = reachStep3(road);
    QVERIFY(step3);
    // Written first, so that a failed run is seen not to touch the flag.
    DialogDriver::answerFileDialog(m_dir->path(), {QStringLiteral("first.png")});
    step3->form().bSaveImage->click();
    QVERIFY(!step3->appliancePendingChanges());
    const QImage before = step3->canvas()->backContent()->photo()->toImage();

    step3->slotZorivuvFinished(QImage(), QImage(), code, 0);
    QTest::qWait(3 * MRetouchAppliance::messageDelayMsecs);
    QStringList texts;
    for (const ModalPrompts::Request& request : std::as_const(boxes.seen)) {
        QCOMPARE(request.icon, QMessageBox::Critical);
        texts << request.text;
    }
    QCOMPARE(texts, message.isEmpty() ? QStringList() : QStringList {message});
    QVERIFY(!step3->appliancePendingChanges());
    QCOMPARE(step3->canvas()->sceneSize(), QSize(2000, 1500));
    QVERIFY(step3->canvas()->backContent()->photo()->toImage() == before);
}

void TestMRetouchAppliance::canvasRefusesMosaic()
{
    Boxes boxes;
    RealRoad road;
    MRetouchAppliance* step3 = reachStep3(road);
    QVERIFY(step3);
    const Ui::MRetouchApplianceElements& ui = step3->form();
    DialogDriver::answerFileDialog(m_dir->path(), {QStringLiteral("first.png")});
    ui.bSaveImage->click();
    QVERIFY(!step3->appliancePendingChanges());
    const QImage before = step3->canvas()->backContent()->photo()->toImage();
    QVERIFY(!ui.scaleSlider->isHidden());

    // A mosaic no pixmap can hold: 24-bit pixels fit a row of 80,000,000,
    // the screen's 32-bit ones (at most (2^31 - 32) / 32 per row) do not.
    // Its memory is asked for but never touched.
    QImage huge(80000000, 1, QImage::Format_BGR888);
    QVERIFY(!huge.isNull());
    step3->slotZorivuvFinished(std::move(huge), QImage(), IQZorivuvEngine::Success, 0);
    QTest::qWait(3 * MRetouchAppliance::messageDelayMsecs);
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.seen.first().icon, QMessageBox::Critical);
    QCOMPARE(boxes.seen.first().text, QStringLiteral("Not enough memory."));
    // The zoom controls go; the previous mosaic and its state stay.
    QVERIFY(ui.scaleSlider->isHidden());
    QVERIFY(ui.fitinButn->isHidden());
    QVERIFY(ui.actualButn->isHidden());
    QVERIFY(!step3->appliancePendingChanges());
    QCOMPARE(step3->canvas()->sceneSize(), QSize(2000, 1500));
    QCOMPARE(ui.sizeLabel->text(), QStringLiteral("2000 x 1500 Pix"));
    QVERIFY(step3->canvas()->backContent()->photo()->toImage() == before);

    // The next mosaic that fits brings them back.
    ui.generateButton->click();
    runQueue();
    QVERIFY(!ui.scaleSlider->isHidden());
    QVERIFY(!ui.fitinButn->isHidden());
    QVERIFY(!ui.actualButn->isHidden());
    QVERIFY(step3->appliancePendingChanges());
    QCOMPARE(boxes.seen.size(), 1);
}

void TestMRetouchAppliance::matchColorChangesPixels_data()
{
    QTest::addColumn<bool>("match");
    QTest::newRow("Match Color on") << true;
    QTest::newRow("Match Color off") << false;
}

void TestMRetouchAppliance::matchColorChangesPixels()
{
    QFETCH(bool, match);
    usePlainTiles();
    Boxes boxes;
    RealRoad road;
    MRetouchAppliance* step3 = reachStep3(road);
    QVERIFY(step3);
    const Ui::MRetouchApplianceElements& ui = step3->form();
    emit ui.columnCountWidget->propertyValueChanged(QStringLiteral("Column Count"), 60);
    if (ui.matchColorCheckBox->isChecked() != match)
        ui.matchColorCheckBox->click();
    ui.generateButton->click();
    runQueue();
    const QImage mosaic = step3->canvas()->backContent()->photo()->toImage().convertToFormat(QImage::Format_RGB32);
    // 60 cells of 20 px; the 4:3 target gives 45 rows.
    QCOMPARE(mosaic.size(), QSize(1200, 900));

    // Each tile is one colour m; its gain is (c << 10) / m for the cell
    // colour c, and (m * gain) >> 10 lies in (c - m / 1024 - 1, c]: with
    // m <= 255 every matched pixel is c or c - 1. Unmatched, every pixel is
    // its tile's own colour.
    const int target[3] = {90, 140, 200};
    QSet<QRgb> seen;
    for (int y = 0; y < mosaic.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(mosaic.constScanLine(y));
        for (int x = 0; x < mosaic.width(); ++x) {
            const QRgb pixel = row[x];
            if (match) {
                const int got[3] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
                for (int c = 0; c < 3; ++c) {
                    if (got[c] != target[c] && got[c] != target[c] - 1)
                        QFAIL(qPrintable(QStringLiteral("pixel %1,%2 channel %3 is %4, not %5 or one less")
                                             .arg(x)
                                             .arg(y)
                                             .arg(c)
                                             .arg(got[c])
                                             .arg(target[c])));
                }
            } else {
                const bool own = std::find(std::begin(plainTileColors), std::end(plainTileColors), pixel | 0xff000000u)
                    != std::end(plainTileColors);
                if (!own)
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is %3, no tile's colour")
                                         .arg(x)
                                         .arg(y)
                                         .arg(pixel, 8, 16, QLatin1Char('0'))));
            }
            seen.insert(pixel | 0xff000000u);
        }
    }
    // Unmatched, each of the 2700 cells draws among the four photos at
    // random (only its left and upper neighbours' photos are ruled out):
    // all four show.
    if (!match)
        QCOMPARE(seen.size(), 4);
}

void TestMRetouchAppliance::layoutChangesPixels_data()
{
    QTest::addColumn<bool>("interlace");
    QTest::newRow("Tile") << false;
    QTest::newRow("Interlace") << true;
}

void TestMRetouchAppliance::layoutChangesPixels()
{
    QFETCH(bool, interlace);
    usePlainTiles();
    Boxes boxes;
    RealRoad road;
    MRetouchAppliance* step3 = reachStep3(road);
    QVERIFY(step3);
    const Ui::MRetouchApplianceElements& ui = step3->form();
    emit ui.columnCountWidget->propertyValueChanged(QStringLiteral("Column Count"), 60);
    if (interlace)
        ui.interlaceRadioButn->click();
    // Unmatched, so that neighbouring tiles keep their distinct colours.
    ui.matchColorCheckBox->click();
    ui.generateButton->click();
    runQueue();
    const QImage mosaic = step3->canvas()->backContent()->photo()->toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(mosaic.size(), QSize(1200, 900));

    // With four photos a tile never repeats its left neighbour, so every
    // edge between two tiles of a row shows as a change of colour, and the
    // middle of a tile shows none. Tile rows and the even rows of Interlace
    // have their edges at multiples of 20; the odd rows of Interlace start
    // with a half tile, so theirs lie at 10 + 20 k, and at multiples of 20
    // they are inside a tile. (Their last edge, at 1190, may join two alike
    // tiles: the closing half tile is chosen apart from the rule.)
    const int tile = 20;
    for (int r = 0; r < 45; ++r) {
        const bool shifted = interlace && r % 2 == 1;
        const int y = r * tile + tile / 2;
        const auto* row = reinterpret_cast<const QRgb*>(mosaic.constScanLine(y));
        for (int k = 1; k < 60; ++k) {
            const int edge = shifted ? tile / 2 + (k - 1) * tile : k * tile;
            const int inside = shifted ? k * tile : k * tile + tile / 2;
            if (row[edge - 1] == row[edge])
                QFAIL(qPrintable(QStringLiteral("row %1: no edge at %2").arg(r).arg(edge)));
            if (row[inside - 1] != row[inside])
                QFAIL(qPrintable(QStringLiteral("row %1: an edge at %2, inside a tile").arg(r).arg(inside)));
        }
        // The whole row is covered by tiles, edge to edge.
        for (int x = 0; x < mosaic.width(); ++x) {
            if (std::find(std::begin(plainTileColors), std::end(plainTileColors), row[x] | 0xff000000u)
                == std::end(plainTileColors))
                QFAIL(qPrintable(QStringLiteral("row %1: pixel %2 is no tile's colour").arg(r).arg(x)));
        }
    }
}

void TestMRetouchAppliance::zoomFloor_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<double>("floor");
    QTest::newRow("small") << QSize(2000, 1500) << 0.05;
    QTest::newRow("w 9999") << QSize(9999, 9999) << 0.05;
    QTest::newRow("w 10000") << QSize(10000, 100) << 0.03;
    QTest::newRow("h 10000") << QSize(100, 10000) << 0.03;
    QTest::newRow("12000 x 8000") << QSize(12000, 8000) << 0.03;
    QTest::newRow("w 19999, h 19999") << QSize(19999, 19999) << 0.03;
    QTest::newRow("w 20000") << QSize(20000, 100) << 0.01;
    QTest::newRow("h 20000") << QSize(100, 20000) << 0.01;
    QTest::newRow("25000 wide") << QSize(25000, 5000) << 0.01;
}

void TestMRetouchAppliance::zoomFloor()
{
    QFETCH(QSize, size);
    QFETCH(double, floor);
    QCOMPARE(MRetouchAppliance::zoomFloor(size), floor);
}

void TestMRetouchAppliance::zoomButtons()
{
    Boxes boxes;
    RealRoad road;
    MRetouchAppliance* step3 = reachStep3(road);
    QVERIFY(step3);
    const Ui::MRetouchApplianceElements& ui = step3->form();
    step3->sceneView()->resize(400, 300);
    ui.actualButn->click();
    QCOMPARE(step3->sceneView()->viewScale(), 1.0);
    QCOMPARE(ui.scaleSlider->value(), 1.0);
    ui.fitinButn->click();
    QVERIFY(step3->sceneView()->viewScale() < 1.0);
    // The slider stands on steps of 1/10000, truncated.
    QVERIFY(qAbs(ui.scaleSlider->value() - step3->sceneView()->viewScale()) < 1e-4);
}

void TestMRetouchAppliance::exportClearsPendingOnlyWhenWritten()
{
    Boxes boxes;
    RealRoad road;
    MTileAppliance* step2 = nullptr;
    MRetouchAppliance* step3 = reachStep3(road, &step2);
    QVERIFY(step3);
    // A cancelled export leaves the mosaic unsaved.
    DialogDriver::answerFileDialog(m_dir->path(), {});
    step3->form().bSaveImage->click();
    QVERIFY(step3->appliancePendingChanges());

    // Back then asks; Cancel keeps step 3.
    bool asked = false;
    DialogDriver::onModal<QMessageBox>([&asked](QMessageBox* box) {
        asked = box->text() == QStringLiteral("Do you want to save your changes?");
        box->button(QMessageBox::Cancel)->click();
    });
    step3->form().bBack->click();
    QVERIFY(QTest::qWaitFor([&] { return asked; }, 10000));
    runQueue();
    QCOMPARE(road.workflow->currentAppliance(), step3);
    Q_UNUSED(step2);
}

void TestMRetouchAppliance::localMask_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<int>("maskMode");
    QTest::newRow("with alpha") << "alpha" << QString() << 1;
    QTest::newRow("without alpha") << "opaque" << "The selected photo has no alpha layer." << 0;
    QTest::newRow("damaged") << "damaged" << "The selected photo is not supported or damaged." << 0;
    QTest::newRow("cancelled") << "none" << QString() << 0;
}

void TestMRetouchAppliance::localMask()
{
    QFETCH(QString, kind);
    QFETCH(QString, warning);
    QFETCH(int, maskMode);
    Boxes boxes;
    RealRoad road;
    MRetouchAppliance* step3 = reachStep3(road);
    QVERIFY(step3);
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("masks")));
    const QString path = m_dir->filePath(QStringLiteral("masks/m.png"));
    if (kind == QLatin1String("alpha")) {
        QImage shape(40, 30, QImage::Format_ARGB32);
        shape.fill(Qt::transparent);
        for (int y = 5; y < 25; ++y)
            for (int x = 10; x < 30; ++x)
                shape.setPixel(x, y, qRgba(0, 0, 0, 255));
        QVERIFY(shape.save(path));
    } else if (kind == QLatin1String("opaque")) {
        QImage shape(40, 30, QImage::Format_RGB32);
        shape.fill(Qt::black);
        QVERIFY(shape.save(path));
    } else if (kind == QLatin1String("damaged")) {
        QVERIFY(TestSupport::writeFile(path, "\x89PNG\r\n\x1a\n truncated"));
    }
    const QString before = Settings::defaultSettings()->maskDir();
    boxes.file = kind == QLatin1String("none") ? QString() : path;
    step3->maskMenu()->actions().at(1)->trigger();

    QCOMPARE(step3->param().maskMode, maskMode);
    QCOMPARE(step3->param().mask.isNull(), maskMode == 0);
    QStringList warnings;
    for (const ModalPrompts::Request& request : std::as_const(boxes.seen)) {
        if (request.kind == ModalPrompts::Kind::Message) {
            QCOMPARE(request.icon, QMessageBox::Warning);
            QCOMPARE(request.title, QStringLiteral("Vellumar"));
            warnings << request.text;
        }
    }
    QCOMPARE(warnings, warning.isEmpty() ? QStringList() : QStringList {warning});
    // A readable file's folder is remembered, whatever it held.
    if (kind == QLatin1String("alpha") || kind == QLatin1String("opaque"))
        QCOMPARE(Settings::defaultSettings()->maskDir(), m_dir->filePath(QStringLiteral("masks")));
    else
        QCOMPARE(Settings::defaultSettings()->maskDir(), before);

    if (maskMode == 1) {
        // The next run follows the mask: the corners are transparent.
        step3->form().generateButton->click();
        runQueue();
        QCOMPARE(step3->param().maskMode, 1);
    }
}

void TestMRetouchAppliance::restoreToOriginal()
{
    Boxes boxes;
    RealRoad road;
    MRetouchAppliance* step3 = reachStep3(road);
    QVERIFY(step3);
    QImage shape(20, 20, QImage::Format_ARGB32);
    shape.fill(Qt::black);
    const QString path = m_dir->filePath(QStringLiteral("m.png"));
    QVERIFY(shape.save(path));
    boxes.file = path;
    step3->maskMenu()->actions().at(1)->trigger();
    QCOMPARE(step3->param().maskMode, 1);
    step3->maskMenu()->actions().at(2)->trigger();
    QCOMPARE(step3->param().maskMode, 0);
    QVERIFY(step3->param().mask.isNull());
}

void TestMRetouchAppliance::templateMaskShapesNextMosaic()
{
    Boxes boxes;
    RealRoad road;
    MRetouchAppliance* step3 = reachStep3(road);
    QVERIFY(step3);
    QMenu* templates = step3->maskMenu()->actions().at(0)->menu();
    QVERIFY(templates);
    // Every template is a resource; the heart (id 3) is used below.
    for (QAction* action : templates->actions())
        QVERIFY(!QImage(QStringLiteral(":/mask/mask_%1.png").arg(action->data().toInt())).isNull());
    templates->actions().at(1)->trigger();
    QCOMPARE(step3->param().maskMode, 1);
    QVERIFY(!step3->param().mask.isNull());

    step3->form().generateButton->click();
    runQueue();
    const QImage mosaic = step3->canvas()->backContent()->photo()->toImage();
    QCOMPARE(mosaic.size(), QSize(2000, 1500));
    // The heart leaves the corners out and keeps the middle.
    QCOMPARE(qAlpha(mosaic.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(mosaic.pixel(1999, 0)), 0);
    QCOMPARE(qAlpha(mosaic.pixel(1000, 900)), 255);
    // The cut-away corners show the checkerboard on screen, and the export
    // keeps them transparent.
    QCOMPARE(step3->canvas()->backColor().mode, 0);
    QVERIFY(step3->canvas()->backColor().showGrid);
    DialogDriver::answerFileDialog(m_dir->path(), {QStringLiteral("heart.png")});
    step3->form().bSaveImage->click();
    const QImage written(m_dir->filePath(QStringLiteral("heart.png")));
    QCOMPARE(written.size(), QSize(2000, 1500));
    QCOMPARE(qAlpha(written.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(written.pixel(1999, 0)), 0);
    QCOMPARE(qAlpha(written.pixel(1000, 900)), 255);

    // Back to the original: the opaque first resource, mask mode 0.
    step3->maskMenu()->actions().at(2)->trigger();
    QCOMPARE(step3->param().maskMode, 0);
    const QImage opaque = QImage(QStringLiteral(":/mask/mask_1.png"));
    QVERIFY(opaque.hasAlphaChannel());
    QCOMPARE(qAlpha(opaque.pixel(0, 0)), 255);
}

void TestMRetouchAppliance::closingLeavesNothingBehind()
{
    Canvas* canvas = new Canvas(72, 72, nullptr);
    QPixmap mosaic(40, 30);
    mosaic.fill(Qt::red);
    auto appliance = std::make_unique<MRetouchAppliance>(canvas, mosaic, nullptr);
    const Ui::MRetouchApplianceElements& ui = appliance->form();
    const QList<QPointer<QWidget>> shown {ui.addContentBox, ui.propertiesBox, ui.canvasPropertiesBox, ui.rightBox,
        ui.bottomWidget};
    const QPointer<QMenu> menu = appliance->maskMenu();
    QWidget window;
    for (const QPointer<QWidget>& widget : shown)
        widget->setParent(&window);
    delete appliance->takeCanvas();
    appliance.reset();
    for (const QPointer<QWidget>& widget : shown)
        QVERIFY(!widget);
    QVERIFY(!menu);
}

QTEST_MAIN(TestMRetouchAppliance)
#include "tst_mretouchappliance.moc"
