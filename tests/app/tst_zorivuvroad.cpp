// The montage road end to end, through the real main
// window and workflow: from the home screen's Zorivuv tile to the target
// photo, the tile photos, the first mosaic in step 3 with a mask and its
// export, back to step 2 and home with nothing of the road left in the window.
//
// The road is run twice: over drawn photos, and over real photographs of
// Debian's mate-backgrounds and plasma-workspace-wallpapers (skipped when
// they are not installed), where Match Color is judged on a real target.
//
// With VELLUMAR_SCREENSHOT_DIR set, every step, the progress dialog and the
// mask menu are photographed on the way (run under a real X server, e.g.
// Xvfb, for the dialog and the menu to show).
#include "app/MainWindow.h"

#include "appframe/Workflow.h"
#include "support/DialogDriver.h"
#include "home/HomeScene.h"
#include "montage/engine/IQZorivuvBlock.h"
#include "montage/engine/IQZorivuvEngine.h"
#include "montage/MRetouchAppliance.h"
#include "montage/MTileAppliance.h"
#include "montage/ZorivuvAppliance.h"
#include "canvas/CPixmap.h"
#include "canvas/Canvas.h"
#include "canvas/PictureContent.h"
#include "filebrowser/IQThumbsViewer.h"
#include "widgets/QSliderWidget.h"
#include "widgets/QWaitingDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QGraphicsItem>
#include <QGraphicsView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <cmath>
#include <memory>
#include <utility>

class TestZorivuvRoad : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void road();
    void realPhotographs();

private:
    template<class T>
    T* current() const
    {
        return App::workflow ? dynamic_cast<T*>(App::workflow->currentAppliance()) : nullptr;
    }
    void shoot(const QString& name, QWidget* widget = nullptr);
    // Clicks the Zorivuv tile of the home screen; step 1 or null.
    ZorivuvAppliance* openFromHome();
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QString m_shots;
    std::unique_ptr<MainWindow> m_window;
};

void TestZorivuvRoad::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QVERIFY(m_dir.isValid());
    m_shots = qEnvironmentVariable("VELLUMAR_SCREENSHOT_DIR");
    QVERIFY(QDir().mkpath(path("tiles")));

    // The target: a sky over a meadow with a sun.
    QImage target(480, 320, QImage::Format_RGB32);
    target.fill(QColor(90, 160, 230));
    for (int y = 200; y < 320; ++y)
        for (int x = 0; x < 480; ++x)
            target.setPixel(x, y, qRgb(60, 150 + (x + y) % 40, 60));
    for (int y = 40; y < 120; ++y)
        for (int x = 340; x < 420; ++x)
            if ((x - 380) * (x - 380) + (y - 80) * (y - 80) < 1600)
                target.setPixel(x, y, qRgb(250, 220, 60));
    QVERIFY(target.save(path("target.jpg"), nullptr, 92));
    // Tiles: 40 photos of one hue each, with a lighter band.
    for (int i = 0; i < 40; ++i) {
        QImage tile(160, 120, QImage::Format_RGB32);
        tile.fill(QColor::fromHsv(i * 9, 160 + i % 3 * 30, 120 + i % 5 * 25));
        for (int y = 40; y < 70; ++y)
            for (int x = 0; x < 160; ++x)
                tile.setPixel(x, y, QColor::fromHsv(i * 9, 60, 240).rgb());
        QVERIFY(tile.save(path(QStringLiteral("tiles/t%1.jpg").arg(i, 2, 10, QLatin1Char('0'))), nullptr, 85));
    }

    MainWindow::initStyle();
    m_window = std::make_unique<MainWindow>();
    m_window->resize(1280, 860);
    m_window->showNormal();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestZorivuvRoad::cleanupTestCase()
{
    m_window.reset();
}

void TestZorivuvRoad::shoot(const QString& name, QWidget* widget)
{
    if (m_shots.isEmpty())
        return;
    QCoreApplication::processEvents();
    QTest::qWait(200);
    QPixmap shot;
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        shot = QGuiApplication::primaryScreen()->grabWindow(0);
    else
        shot = widget ? widget->grab() : m_window->grab();
    shot.save(QDir(m_shots).filePath(name + QStringLiteral(".png")));
}

ZorivuvAppliance* TestZorivuvRoad::openFromHome()
{
    if (!QTest::qWaitFor([] { return App::workflow && App::workflow->nodeCount() == 1; }, 20000))
        return nullptr;
    QGraphicsView* view = nullptr;
    HomeScene* home = nullptr;
    const auto views = m_window->findChildren<QGraphicsView*>();
    for (QGraphicsView* candidate : views) {
        if ((home = qobject_cast<HomeScene*>(candidate->scene()))) {
            view = candidate;
            break;
        }
    }
    if (!home || home->tiles().size() != 2)
        return nullptr;
    // The Zorivuv tile is the first.
    const QPointF centre = home->tiles().at(0)->sceneBoundingRect().center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->mapFromScene(centre));
    if (!QTest::qWaitFor([this] { return current<ZorivuvAppliance>() != nullptr; }, 20000))
        return nullptr;
    return current<ZorivuvAppliance>();
}

void TestZorivuvRoad::road()
{
    ZorivuvAppliance* step1 = openFromHome();
    QVERIFY(step1);
    QVERIFY(step1->form().bPicture->isVisible());
    QVERIFY(step1->form().nextButton->isVisible());
    QVERIFY(!step1->form().nextButton->isEnabled());
    shoot(QStringLiteral("zorivuv-1-empty"));

    DialogDriver::answerFileDialog(m_dir.path(), {QStringLiteral("target.jpg")});
    step1->form().bPicture->click();
    QCOMPARE(step1->form().sizeLabel->text(), QStringLiteral("480 x 320 Pix"));
    shoot(QStringLiteral("zorivuv-2-target"));

    step1->form().nextButton->click();
    QVERIFY(QTest::qWaitFor([this] { return current<MTileAppliance>() != nullptr; }, 20000));
    MTileAppliance* step2 = current<MTileAppliance>();
    QCOMPARE(IQZorivuvEngine::globalInstance()->background.size(), QSize(480, 320));
    QVERIFY(step2->thumbsViewer()->isVisible());
    shoot(QStringLiteral("zorivuv-3-tiles-empty"));

    QStringList names;
    for (int i = 0; i < 40; ++i)
        names << QStringLiteral("t%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
    DialogDriver::answerFileDialog(path("tiles"), names);
    step2->form().bPicture->click();
    QCOMPARE(step2->thumbsViewer()->sourceCount(), 40);
    QCOMPARE(step2->form().countLabel->text(), QStringLiteral("1 of 40 file(s) selected."));
    shoot(QStringLiteral("zorivuv-4-tiles"));

    bool progressShown = false;
    DialogDriver::onModal<QWaitingDialog>([this, &progressShown](QWaitingDialog* busy) {
        progressShown = busy->progressBar() != nullptr;
        shoot(QStringLiteral("zorivuv-5-progress"), busy);
    });
    step2->form().nextButton->click();
    QVERIFY(progressShown);
    QVERIFY(QTest::qWaitFor([this] { return current<MRetouchAppliance>() != nullptr; }, 20000));
    QCOMPARE(App::workflow->nodeCount(), 4);
    QCOMPARE(IQZorivuvEngine::globalInstance()->tilePaths.size(), 40);
    MRetouchAppliance* step3 = current<MRetouchAppliance>();
    QVERIFY(step3->appliancePendingChanges());
    shoot(QStringLiteral("zorivuv-6-result"));

    // A template mask, then Export: the written file ends the pending
    // changes, so Back asks nothing.
    step3->maskMenu()->actions().at(0)->menu()->actions().at(1)->trigger();
    shoot(QStringLiteral("zorivuv-7-masked"));
    DialogDriver::answerFileDialog(m_dir.path(), {QStringLiteral("mosaic.png")});
    step3->form().bSaveImage->click();
    QVERIFY(QFile::exists(m_dir.filePath(QStringLiteral("mosaic.png"))));
    QVERIFY(!step3->appliancePendingChanges());
    step3->form().bBack->click();
    QVERIFY(QTest::qWaitFor([this] { return current<MTileAppliance>() != nullptr; }, 20000));
    QCOMPARE(current<MTileAppliance>()->thumbsViewer()->sourceCount(), 40);

    // Home again: nothing of the road stays in the window, and the engine
    // forgets the target.
    App::workflow->scheduleCommand({Workflow::CloseDownTo, QVariant(0)});
    QVERIFY(QTest::qWaitFor([] { return App::workflow->nodeCount() == 1; }, 20000));
    QVERIFY(m_window->findChildren<IQThumbsViewer*>().isEmpty());
    QVERIFY(!m_window->findChild<QWidget*>(QStringLiteral("canvasPropertiesBox")));
    QVERIFY(!m_window->findChild<QWidget*>(QStringLiteral("addContentBox")));
    QVERIFY(IQZorivuvEngine::globalInstance()->background.isNull());
}

namespace {

// Mean over cells and channels of |mean of the cell's pixels - the reduced
// target's pixel|: how far the mosaic, averaged back to one pixel a cell,
// lies from the target it was made of.
double cellDifference(const QImage& mosaic, const QImage& reduced, int tile)
{
    const QImage pixels = mosaic.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int r = 0; r < reduced.height(); ++r) {
        for (int x = 0; x < reduced.width(); ++x) {
            qint64 total[3] = {0, 0, 0};
            for (int y = r * tile; y < (r + 1) * tile; ++y) {
                const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
                for (int i = x * tile; i < (x + 1) * tile; ++i) {
                    total[0] += qRed(row[i]);
                    total[1] += qGreen(row[i]);
                    total[2] += qBlue(row[i]);
                }
            }
            const QRgb cell = reduced.pixel(x, r);
            const double n = double(tile) * tile;
            sum += qAbs(total[0] / n - qRed(cell)) + qAbs(total[1] / n - qGreen(cell))
                + qAbs(total[2] / n - qBlue(cell));
        }
    }
    return sum / (3.0 * reduced.width() * reduced.height());
}

// The same difference as the rule predicts it, for cells that draw their
// photo at random among `photos` (each tile-sized, as the run reads them):
// unmatched a cell has its photo's mean; matched each channel of a pixel
// becomes min((in x gain) >> 10, 255) with gain = (c << 10) / m for the
// cell's colour c and the photo's stored mean m.
// The mean cell difference a mosaic is predicted to have when each cell
// takes a photo chosen at random, and how far the mosaic's mean may stray
// from it by the choice alone: the standard deviation of the mean of the
// cells' independent, uniform choices.
struct Prediction
{
    double mean = 0;
    double spread = 0;
};

Prediction predictedDifference(const QList<IQZorivuvBlock>& photos, const QImage& reduced, bool match)
{
    double sum = 0;
    double variance = 0;
    for (int r = 0; r < reduced.height(); ++r) {
        for (int x = 0; x < reduced.width(); ++x) {
            const QRgb cell = reduced.pixel(x, r);
            const uint target[3] = {uint(qRed(cell)), uint(qGreen(cell)), uint(qBlue(cell))};
            QList<double> choices;
            for (const IQZorivuvBlock& photo : photos) {
                const QImage& image = photo.image;
                const double n = double(image.width()) * image.height();
                double difference = 0;
                for (int c = 0; c < 3; ++c) {
                    const uint gain = (target[c] << 10) / photo.mean[c];
                    qint64 total = 0;
                    for (int y = 0; y < image.height(); ++y) {
                        for (int i = 0; i < image.width(); ++i) {
                            const QRgb pixel = image.pixel(i, y);
                            const uint in = c == 0 ? qRed(pixel) : c == 1 ? qGreen(pixel) : qBlue(pixel);
                            total += match ? qMin<uint>((in * gain) >> 10, 255) : in;
                        }
                    }
                    difference += qAbs(total / n - target[c]) / 3.0;
                }
                choices << difference;
            }
            double mean = 0;
            for (double d : std::as_const(choices))
                mean += d / choices.size();
            for (double d : std::as_const(choices))
                variance += (d - mean) * (d - mean) / choices.size();
            sum += mean;
        }
    }
    const double cells = double(reduced.width()) * reduced.height();
    return {sum / cells, std::sqrt(variance) / cells};
}

} // namespace

void TestZorivuvRoad::realPhotographs()
{
    // A nature photograph as the target, the others of the two packages as
    // tiles.
    const QString mate = QStringLiteral("/usr/share/backgrounds/mate/nature");
    const QStringList mateTiles {QStringLiteral("Dune.jpg"), QStringLiteral("GreenMeadow.jpg"),
        QStringLiteral("Aqua.jpg"), QStringLiteral("YellowFlower.jpg"), QStringLiteral("LadyBird.jpg")};
    for (const QString& name : QStringList {QStringLiteral("FreshFlower.jpg")} + mateTiles) {
        if (!QFile::exists(mate + QLatin1Char('/') + name))
            QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    }
    // Each wallpaper is a folder whose photograph has the name of its size,
    // the same in every folder: they are listed under their own names.
    QVERIFY(QDir().mkpath(path(QStringLiteral("plasma"))));
    QStringList plasmaTiles;
    for (const char* name : {"EveningGlow", "Kite", "ColorfulCups", "Path", "FallenLeaf"}) {
        const QDir images(QStringLiteral("/usr/share/wallpapers/%1/contents/images").arg(QLatin1String(name)));
        const QStringList jpegs = images.entryList({QStringLiteral("*.jpg")}, QDir::Files | QDir::NoSymLinks);
        if (jpegs.isEmpty())
            QSKIP("plasma-workspace-wallpapers is not installed (scripts/test installs it)");
        const QString link = QStringLiteral("%1.jpg").arg(QLatin1String(name));
        QVERIFY(QFile::link(images.filePath(jpegs.constFirst()), path(QStringLiteral("plasma/") + link)));
        plasmaTiles << link;
    }

    shoot(QStringLiteral("real-00-home"));
    ZorivuvAppliance* step1 = openFromHome();
    QVERIFY(step1);
    shoot(QStringLiteral("real-01-step1-empty"));
    DialogDriver::answerFileDialog(mate, {QStringLiteral("FreshFlower.jpg")});
    step1->form().bPicture->click();
    QCOMPARE(step1->form().sizeLabel->text(), QStringLiteral("1600 x 1203 Pix"));
    shoot(QStringLiteral("real-02-target"));

    step1->form().nextButton->click();
    QVERIFY(QTest::qWaitFor([this] { return current<MTileAppliance>() != nullptr; }, 20000));
    MTileAppliance* step2 = current<MTileAppliance>();
    shoot(QStringLiteral("real-03-tiles-empty"));
    // Two picks, from the two folders.
    DialogDriver::answerFileDialog(mate, mateTiles);
    step2->form().bPicture->click();
    DialogDriver::answerFileDialog(path(QStringLiteral("plasma")), plasmaTiles);
    step2->form().bPicture->click();
    QCOMPARE(step2->thumbsViewer()->sourceCount(), 10);
    shoot(QStringLiteral("real-04-tiles"));

    DialogDriver::onModal<QWaitingDialog>(
        [this](QWaitingDialog* busy) { shoot(QStringLiteral("real-05-progress"), busy); });
    step2->form().nextButton->click();
    QVERIFY(QTest::qWaitFor([this] { return current<MRetouchAppliance>() != nullptr; }, 60000));
    MRetouchAppliance* step3 = current<MRetouchAppliance>();
    const Ui::MRetouchApplianceElements& ui = step3->form();
    // 100 cells of 20 px; 1203 x 100 / 1600 = 75.19 rows, rounded: 75.
    QCOMPARE(step3->canvas()->sceneSize(), QSize(2000, 1500));
    shoot(QStringLiteral("real-06-result"));

    // Other options: 80 columns of 16 px, colours unmatched. The reduced
    // target is 80 x round(60.15) = 80 x 60: a 1280 x 960 mosaic.
    // Typed into the sliders' number boxes, as a user would.
    for (const auto& [slider, value] : {std::pair {ui.columnCountWidget, 80}, std::pair {ui.tileSizeWidget, 16}}) {
        auto* box = slider->findChild<QSpinBox*>(QStringLiteral("valueSpinBox"));
        QVERIFY(box);
        box->setValue(value);
    }
    QCOMPARE(step3->param().columns, 80);
    QCOMPARE(step3->param().tile, QSize(16, 16));
    ui.matchColorCheckBox->click();
    QVERIFY(!step3->param().colourise);
    // Generate waits in its busy dialog until the result is shown.
    ui.generateButton->click();
    QCOMPARE(step3->canvas()->sceneSize(), QSize(1280, 960));
    QCOMPARE(ui.sizeLabel->text(), QStringLiteral("1280 x 960 Pix"));
    const QImage& target = IQZorivuvEngine::globalInstance()->background;
    QCOMPARE(target.size(), QSize(1600, 1203));
    const QImage reduced = target.scaled(QSize(80, 60), Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    QCOMPARE(reduced.size(), QSize(80, 60));
    const double unmatched = cellDifference(step3->canvas()->backContent()->photo()->toImage(), reduced, 16);
    shoot(QStringLiteral("real-07-unmatched"));
    QList<IQZorivuvBlock> photos;
    for (const QString& tilePath : std::as_const(IQZorivuvEngine::globalInstance()->tilePaths)) {
        photos << IQZorivuvBlock(tilePath);
        QVERIFY(photos.last().convert(QSize(16, 16)));
    }
    QCOMPARE(photos.size(), 10);

    // Matched, each tile is scaled channel by channel to its cell's mean
    // colour with 10-bit gains: the cell's mean falls short of the target
    // by at most 1 + m / 1024 < 1.25 levels from the truncations, plus what
    // the pixels that clip at 255 lose; unmatched, a cell has the mean of
    // some photo. Both are predicted from the photos; the drawn tiles,
    // stretched by one pixel, may stray from the prediction by a level, and
    // the random choice of the 4800 cells' photos by up to four standard
    // deviations of its mean (0.05 levels matched, 0.35 unmatched on these
    // photographs; a level alone was once overstepped by 0.03).
    ui.matchColorCheckBox->click();
    QVERIFY(step3->param().colourise);
    ui.generateButton->click();
    QCOMPARE(step3->canvas()->sceneSize(), QSize(1280, 960));
    const double matched = cellDifference(step3->canvas()->backContent()->photo()->toImage(), reduced, 16);
    const Prediction matchedRule = predictedDifference(photos, reduced, true);
    const Prediction unmatchedRule = predictedDifference(photos, reduced, false);
    qInfo("mean cell difference: %.2f levels matched (rule %.2f +- %.2f), %.2f unmatched (rule %.2f +- %.2f)",
        matched, matchedRule.mean, matchedRule.spread, unmatched, unmatchedRule.mean, unmatchedRule.spread);
    QVERIFY2(qAbs(matched - matchedRule.mean) < 1.0 + 4 * matchedRule.spread,
        qPrintable(QStringLiteral("%1 vs %2").arg(matched).arg(matchedRule.mean)));
    QVERIFY2(qAbs(unmatched - unmatchedRule.mean) < 1.0 + 4 * unmatchedRule.spread,
        qPrintable(QStringLiteral("%1 vs %2").arg(unmatched).arg(unmatchedRule.mean)));
    // Matched, close: a few levels where unmatched is tens.
    QVERIFY(matched < unmatched / 4);
    shoot(QStringLiteral("real-08-matched"));

    // The mask menu as it opens, with its templates.
    if (!m_shots.isEmpty() && QGuiApplication::platformName() == QLatin1String("xcb")) {
        QTimer::singleShot(300, this, [this] {
            QWidget* menu = QApplication::activePopupWidget();
            if (!menu)
                return;
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Right);
            QTimer::singleShot(300, this, [this] {
                shoot(QStringLiteral("real-09-mask-menu"));
                while (QWidget* popup = QApplication::activePopupWidget())
                    popup->close();
            });
        });
        ui.maskButton->click();
    }
    // The rounded square (id 5) shapes what is shown at once.
    step3->maskMenu()->actions().at(0)->menu()->actions().at(3)->trigger();
    QCOMPARE(step3->param().maskMode, 1);
    // The mask lands through the picture's render thread.
    step3->canvas()->backContent()->waitForRender();
    shoot(QStringLiteral("real-10-masked"));

    DialogDriver::answerFileDialog(m_dir.path(), {QStringLiteral("real-mosaic.png")});
    ui.bSaveImage->click();
    const QImage written(m_dir.filePath(QStringLiteral("real-mosaic.png")));
    QCOMPARE(written.size(), QSize(1280, 960));
    QVERIFY(!step3->appliancePendingChanges());
    shoot(QStringLiteral("real-11-exported"));

    ui.bBack->click();
    QVERIFY(QTest::qWaitFor([this] { return current<MTileAppliance>() != nullptr; }, 20000));
    QCOMPARE(current<MTileAppliance>()->thumbsViewer()->sourceCount(), 10);
    shoot(QStringLiteral("real-12-back"));

    App::workflow->scheduleCommand({Workflow::CloseDownTo, QVariant(0)});
    QVERIFY(QTest::qWaitFor([] { return App::workflow->nodeCount() == 1; }, 20000));
    QVERIFY(IQZorivuvEngine::globalInstance()->background.isNull());
    shoot(QStringLiteral("real-13-home"));
}

QTEST_MAIN(TestZorivuvRoad)
#include "tst_zorivuvroad.moc"
