// Montage step 2 driven through its own controls: the form, collecting
// photos (one row per photo, whatever path names it), the count read-out,
// and Next running the montage under the progress dialog, with its
// results, its failures and Cancel.
#include "montage/MTileAppliance.h"

#include "appframe/ModalPrompts.h"
#include "appframe/Settings.h"
#include "support/DialogDriver.h"
#include "montage/engine/IQZorivuvEngine.h"
#include "montage/ZorivuvTestSupport.h"
#include "support/TestSupport.h"
#include "filebrowser/IQThumbsViewer.h"
#include "files/IQImageFileItem.h"
#include "files/IQImageIO.h"
#include "platform/RandomSource.h"

#include "../files/HostileImageFiles.h"
#include "widgets/QWaitingDialog.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QIcon>
#include <QPushButton>
#include <QStandardItem>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace ZorivuvTestSupport;

namespace {

bool writePhoto(const QString& path, const QColor& color, const QSize& size = QSize(48, 36))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    // A diagonal so that the photo is not one flat colour.
    for (int i = 0; i < qMin(size.width(), size.height()); ++i)
        image.setPixel(i, i, qRgb(255, 255, 255));
    return image.save(path, nullptr, 90);
}

struct Boxes
{
    QList<ModalPrompts::Request> seen;
    ModalPrompts::ScopedResponder responder {[this](const ModalPrompts::Request& request) {
        seen << request;
        return int(QMessageBox::Ok);
    }};
};

} // namespace

class TestMTileAppliance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void form();
    void onePhotoOneRow();
    void cancelledDialogChangesNothing();
    void counts_data();
    void counts();
    void nextMakesMosaic();
    void leftOutPhotosAreTold();
    void damagedTilesAreMarkedCountedAndNeverDrawn();
    void noReadablePhoto();
    void nullTarget();
    void successWithoutMosaic();
    void cancelRun();
    void closingLeavesNothingBehind();

private:
    const Ui::MTileApplianceElements& ui() const { return m_appliance->form(); }
    QStringList rowPaths() const
    {
        QStringList paths;
        for (const auto& item : m_appliance->thumbsViewer()->getAllThumbnails(false))
            paths << item->path();
        return paths;
    }
    void addDirect(const QStringList& names)
    {
        QList<std::shared_ptr<IQThumbnailItem>> items;
        for (const QString& name : names)
            items << std::make_shared<IQImageFileItem>(m_dir->filePath(name));
        m_appliance->thumbsViewer()->addThumbs(items);
    }
    // Runs Next on a step 2 pushed on `road` over the given photos.
    MTileAppliance* pushStep(Road& road)
    {
        road.workflow->scheduleCommand({Workflow::OpenZorivuvTiles, QVariant()});
        runQueue();
        return dynamic_cast<MTileAppliance*>(road.workflow->currentAppliance());
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MTileAppliance> m_appliance;
};

void TestMTileAppliance::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Vellumar"));
}

void TestMTileAppliance::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_appliance = std::make_unique<MTileAppliance>(nullptr);
    IQZorivuvEngine::globalInstance()->setBackgroundImage(QImage());
}

void TestMTileAppliance::cleanup()
{
    m_appliance.reset();
    IQZorivuvEngine::globalInstance()->setBackgroundImage(QImage());
    IQZorivuvEngine::globalInstance()->setThreadCount(0);
}

void TestMTileAppliance::form()
{
    QCOMPARE(m_appliance->applianceName(), QStringLiteral("Zorivuv"));
    QCOMPARE(m_appliance->windowTitle(), QStringLiteral("Zorivuv"));
    QVERIFY(!m_appliance->appliancePendingChanges());
    QCOMPARE(ui().bHome->text(), QStringLiteral("Back"));
    QCOMPARE(ui().bPicture->text(), QStringLiteral("Add Tiles"));
    QCOMPARE(ui().bRemovePicture->text(), QStringLiteral("Remove Tiles"));
    QCOMPARE(ui().label_6->text(), QStringLiteral("Step2: Select photos as tiles,  the more the better."));
    QCOMPARE(ui().nextButton->text(), QStringLiteral("Next"));
    QCOMPARE(ui().nextButton->size(), QSize(190, 28));
    for (QToolButton* button : {ui().bHome, ui().bPicture, ui().bRemovePicture}) {
        QVERIFY(!button->icon().isNull());
        QVERIFY(button->styleSheet().startsWith(QLatin1String("QToolButton { background-color:#222222;")));
    }
    QVERIFY(m_appliance->thumbsViewer()->styleSheet().startsWith(QLatin1String("QListView{background-color: transparent;")));
    QCOMPARE(m_appliance->sceneWidget(), m_appliance->thumbsViewer()->parentWidget());
    QCOMPARE(ui().countLabel->text(), QStringLiteral("No files"));
    QVERIFY(!ui().bRemovePicture->isEnabled());
    QVERIFY(!ui().nextButton->isEnabled());

    RecordingContainer container;
    m_appliance->addToApplianceContainer(&container);
    const QStringList calls = container.take();
    QCOMPARE(calls.filter(QStringLiteral("top:")).last(), QStringLiteral("top:addContentBox,rightBox"));
    QCOMPARE(calls.filter(QStringLiteral("bottom:")).last(), QStringLiteral("bottom:bottomWidget"));
    QVERIFY(calls.contains(QStringLiteral("attach:tileScene")));
    m_appliance->removeFromApplianceContainer();
}

void TestMTileAppliance::onePhotoOneRow()
{
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("sub")));
    QVERIFY(writePhoto(m_dir->filePath("img_1.jpg"), Qt::red));
    QVERIFY(writePhoto(m_dir->filePath("IMG_1.JPG"), Qt::blue));
    QVERIFY(writePhoto(m_dir->filePath("sub/b.png"), Qt::green));
    QVERIFY(QFile::link(m_dir->filePath("img_1.jpg"), m_dir->filePath("link.jpg")));
    QVERIFY(TestSupport::writeFile(m_dir->filePath("notes.txt"), "not a photo"));

    DialogDriver::answerFileDialog(m_dir->path(), {QStringLiteral("img_1.jpg"), QStringLiteral("notes.txt")});
    ui().bPicture->click();
    QCOMPARE(rowPaths(), QStringList {m_dir->filePath("img_1.jpg")});
    QCOMPARE(Settings::defaultSettings()->zorivuvPicturesDir(), m_dir->path());

    // The symbolic link and a "./" form name the listed photo; the name in
    // other letters is a photo of its own.
    DialogDriver::answerFileDialog(m_dir->filePath("sub"),
        {QStringLiteral("../link.jpg"), QStringLiteral("./../img_1.jpg"), QStringLiteral("../IMG_1.JPG"),
            QStringLiteral("b.png")});
    ui().bPicture->click();
    const QStringList rows = rowPaths();
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows.at(0), m_dir->filePath("img_1.jpg"));
    QCOMPARE(QFileInfo(rows.at(1)).fileName(), QStringLiteral("IMG_1.JPG"));
    QCOMPARE(QFileInfo(rows.at(2)).fileName(), QStringLiteral("b.png"));
    QCOMPARE(ui().countLabel->text(), QStringLiteral("1 of 3 file(s) selected."));
}

void TestMTileAppliance::cancelledDialogChangesNothing()
{
    QVERIFY(writePhoto(m_dir->filePath("a.jpg"), Qt::red));
    addDirect({QStringLiteral("a.jpg")});
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("kept")));
    Settings::defaultSettings()->setZorivuvPicturesDir(m_dir->filePath("kept"));
    DialogDriver::Seen seen;
    DialogDriver::answerFileDialog(m_dir->path(), {}, &seen);
    ui().bPicture->click();
    QVERIFY(seen.shown);
    QCOMPARE(seen.directory, m_dir->filePath("kept"));
    QCOMPARE(seen.fileMode, int(QFileDialog::ExistingFiles));
    QCOMPARE(rowPaths(), QStringList {m_dir->filePath("a.jpg")});
    QCOMPARE(Settings::defaultSettings()->zorivuvPicturesDir(), m_dir->filePath("kept"));
}

void TestMTileAppliance::counts_data()
{
    // Steps: "add N" appends N photos (the list then selects row 0 when
    // nothing is selected), "none" clears the selection, "select a,b"
    // selects those rows, "all" selects every row, "remove" presses Remove
    // Tiles.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("removeEnabled");
    QTest::addColumn<bool>("nextEnabled");
    QTest::newRow("nothing") << QStringList {} << "No files" << false << false;
    QTest::newRow("one, selected by the list") << QStringList {"add 1"} << "1 of 1 file(s) selected." << true
                                               << true;
    QTest::newRow("one, nothing selected") << QStringList {"add 1", "none"} << "1 file(s)" << false << true;
    QTest::newRow("one selected again") << QStringList {"add 1", "none", "select 0"} << "1 of 1 file(s) selected."
                                        << true << true;
    QTest::newRow("one removed") << QStringList {"add 1", "remove"} << "No files" << false << false;
    QTest::newRow("two of four") << QStringList {"add 4", "none", "select 1,3"} << "2 of 4 file(s) selected."
                                 << true << true;
    QTest::newRow("two of four removed") << QStringList {"add 4", "none", "select 1,3", "remove"} << "2 file(s)"
                                         << false << true;
    QTest::newRow("all removed") << QStringList {"add 3", "all", "remove"} << "No files" << false << false;
    // Adding to a list without a selection selects its first row.
    QTest::newRow("added to") << QStringList {"add 2", "none", "add 3"} << "1 of 5 file(s) selected." << true
                              << true;
}

void TestMTileAppliance::counts()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, label);
    QFETCH(bool, removeEnabled);
    QFETCH(bool, nextEnabled);
    IQThumbsViewer* list = m_appliance->thumbsViewer();
    int made = 0;
    for (const QString& step : steps) {
        const QString argument = step.section(QLatin1Char(' '), 1);
        if (step.startsWith(QLatin1String("add"))) {
            QStringList names;
            for (int i = 0; i < argument.toInt(); ++i, ++made) {
                const QString name = QStringLiteral("p%1.jpg").arg(made);
                QVERIFY(writePhoto(m_dir->filePath(name), QColor::fromHsv(made * 40 % 360, 200, 200)));
                names << name;
            }
            addDirect(names);
        } else if (step == QLatin1String("none")) {
            list->clearSelection();
        } else if (step == QLatin1String("all")) {
            list->selectAll();
        } else if (step.startsWith(QLatin1String("select"))) {
            for (const QString& row : argument.split(QLatin1Char(',')))
                list->selectionModel()->select(list->model()->index(row.toInt(), 0), QItemSelectionModel::Select);
        } else if (step == QLatin1String("remove")) {
            QVERIFY(ui().bRemovePicture->isEnabled());
            ui().bRemovePicture->click();
        }
    }
    QCOMPARE(ui().countLabel->text(), label);
    QCOMPARE(ui().bRemovePicture->isEnabled(), removeEnabled);
    QCOMPARE(ui().nextButton->isEnabled(), nextEnabled);
}

void TestMTileAppliance::nextMakesMosaic()
{
    QVERIFY(writePhoto(m_dir->filePath("only.jpg"), QColor(200, 80, 40)));
    QImage target(60, 40, QImage::Format_BGR888);
    target.fill(QColor(90, 140, 200));
    IQZorivuvEngine::globalInstance()->setBackgroundImage(target);
    Boxes boxes;
    Road road;
    MTileAppliance* step = pushStep(road);
    QVERIFY(step);
    step->thumbsViewer()->addThumbs({std::make_shared<IQImageFileItem>(m_dir->filePath("only.jpg"))});
    step->form().nextButton->click();
    runQueue();
    QCOMPARE(road.results, 1);
    QCOMPARE(road.current(), QStringLiteral("result"));
    QCOMPARE(IQZorivuvEngine::globalInstance()->tilePaths, QList<QString> {m_dir->filePath("only.jpg")});
    // 100 cells of 20 px across: 2000 wide. The 60 x 40 target fitted to
    // 100 across is 100 x 66.7, rounded to 67 rows of 20 px: 1340 high.
    QCOMPARE(road.result.size(), QSize(2000, 1340));
    QTest::qWait(3 * MTileAppliance::messageDelayMsecs);
    QVERIFY(boxes.seen.isEmpty());
}

void TestMTileAppliance::leftOutPhotosAreTold()
{
    QVERIFY(writePhoto(m_dir->filePath("a.jpg"), Qt::red));
    QVERIFY(TestSupport::writeFile(m_dir->filePath("broken.jpg"), "\xff\xd8\xff\xe0 truncated"));
    QVERIFY(writePhoto(m_dir->filePath("b.jpg"), Qt::blue));
    QImage target(30, 30, QImage::Format_BGR888);
    target.fill(Qt::gray);
    IQZorivuvEngine::globalInstance()->setBackgroundImage(target);
    Boxes boxes;
    Road road;
    MTileAppliance* step = pushStep(road);
    QVERIFY(step);
    QList<std::shared_ptr<IQThumbnailItem>> items;
    for (const char* name : {"a.jpg", "broken.jpg", "b.jpg"})
        items << std::make_shared<IQImageFileItem>(m_dir->filePath(QLatin1String(name)));
    step->thumbsViewer()->addThumbs(items);
    step->form().nextButton->click();
    QVERIFY(QTest::qWaitFor([&] { return !boxes.seen.isEmpty(); }, 10000));
    QCOMPARE(road.results, 1);
    const ModalPrompts::Request& box = boxes.seen.first();
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.title, QStringLiteral("Vellumar"));
    QCOMPARE(box.text, QStringLiteral("1 of 3 tile photos could not be read and were left out."));
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void TestMTileAppliance::damagedTilesAreMarkedCountedAndNeverDrawn()
{
    // Real photographs as tiles (plasma-workspace-wallpapers at 640 x 480),
    // with damaged files mixed in: copies of the same photographs cut short
    // or garbled, a lying header, a PNG cut short, a FIFO, a folder and an
    // empty file named like photos.
    QStringList photos;
    const QDir wallpapers(QStringLiteral("/usr/share/wallpapers"));
    for (const QString& name : wallpapers.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString small = wallpapers.filePath(name + QStringLiteral("/contents/images/640x480.jpg"));
        const QString larger = wallpapers.filePath(name + QStringLiteral("/contents/images/800x600.jpg"));
        if (QFileInfo(small).isFile() && QFileInfo(larger).isFile())
            photos << small;
    }
    if (photos.size() < 9)
        QSKIP("plasma-workspace-wallpapers is not installed (scripts/test installs it)");
    const auto bytesOf = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const auto larger = [&photos, &bytesOf](int i) {
        return bytesOf(QString(photos.at(i)).replace(QStringLiteral("640x480"), QStringLiteral("800x600")));
    };
    using HostileImageFiles::Row;
    using HostileImageFiles::Thing;
    const QByteArray png = ImageFixtures::encode(QImage(photos.at(5)), "png");
    const QList<Row> damaged = {
        {"cut in half", "d-cut.jpg", Thing::Bytes, larger(0).left(larger(0).size() / 2), {}, {}},
        {"cut near the end", "d-end.jpg", Thing::Bytes, larger(1).left(larger(1).size() * 9 / 10), {}, {}},
        {"garbled", "d-garbled.jpg", Thing::Bytes, HostileImageFiles::garbled(larger(2), 0.5, 4096, 11), {}, {}},
        {"lying header", "d-lying.jpg", Thing::Bytes, ImageFixtures::jpegClaiming(20000, 16000), {}, {}},
        {"PNG cut", "d-cut.png", Thing::Bytes, png.left(png.size() / 2), {}, {}},
        {"FIFO", "d-fifo.jpg", Thing::Fifo, {}, {}, {}},
        {"folder", "d-folder.jpg", Thing::Folder, {}, {}, {}},
        {"empty", "d-empty.jpg", Thing::Bytes, QByteArray(""), {}, {}},
    };
    QStringList good;
    QStringList mixed;
    const QDir dir(m_dir->path());
    for (int i = 0; i < photos.size(); ++i) {
        const QString path = m_dir->filePath(QStringLiteral("tile-%1.jpg").arg(i));
        QVERIFY(QFile::copy(photos.at(i), path));
        good << path;
        mixed << path;
        if (i < damaged.size()) {
            const QString broken = HostileImageFiles::materialise(damaged.at(i), dir);
            QVERIFY2(!broken.isEmpty(), qPrintable(damaged.at(i).tag));
            mixed << broken;
        }
    }
    QString error;
    const QImage target = IQImageIO::readImage(QString(photos.last()).replace(QStringLiteral("640x480"), QStringLiteral("800x600")), &error);
    QVERIFY2(!target.isNull(), qPrintable(error));
    IQZorivuvEngine::globalInstance()->setBackgroundImage(target.convertToFormat(QImage::Format_BGR888));

    // One montage over a list; the list's marks, read once its thumbnails
    // are in, by path. With VELLUMAR_SCREENSHOT_DIR set, the list and the
    // mosaic are kept there to be looked at.
    const QString shots = qEnvironmentVariable("VELLUMAR_SCREENSHOT_DIR");
    const auto run = [&shots](const QStringList& paths, QMap<QString, QImage>* marks, QStringList* told) {
        Boxes boxes;
        Road road;
        road.workflow->scheduleCommand({Workflow::OpenZorivuvTiles, QVariant()});
        runQueue();
        auto* step = dynamic_cast<MTileAppliance*>(road.workflow->currentAppliance());
        if (!step)
            return QImage();
        QList<std::shared_ptr<IQThumbnailItem>> items;
        for (const QString& path : paths)
            items << std::make_shared<IQImageFileItem>(path);
        IQThumbsViewer* list = step->thumbsViewer();
        step->sceneWidget()->resize(1600, 2400);
        step->sceneWidget()->show();
        list->addThumbs(items);
        const auto allLoaded = [list] {
            for (int row = 0; row < list->sourceCount(); ++row)
                if (!list->itemAtRow(row)->data(IQThumbsViewer::LoadedRole).toBool())
                    return false;
            return true;
        };
        if (!QTest::qWaitFor(allLoaded, 30000))
            return QImage();
        for (int row = 0; row < list->sourceCount(); ++row) {
            const QStandardItem* item = list->itemAtRow(row);
            for (const auto& listed : std::as_const(items))
                if (listed->id() == item->data(IQThumbsViewer::TagRole).toString())
                    marks->insert(listed->path(), item->data(Qt::DecorationRole).value<QIcon>().pixmap(64, 64).toImage());
        }
        const QString name = QStringLiteral("damaged-tiles-%1").arg(paths.size());
        if (!shots.isEmpty())
            step->sceneWidget()->grab().save(QDir(shots).filePath(name + QStringLiteral("-list.png")));
        RandomSource::seed(20261211);
        step->form().nextButton->click();
        runQueue();
        QTest::qWaitFor([&boxes] { return !boxes.seen.isEmpty(); }, 3 * MTileAppliance::messageDelayMsecs);
        for (const ModalPrompts::Request& box : std::as_const(boxes.seen))
            *told << box.text;
        step->sceneWidget()->hide();
        if (road.results != 1)
            return QImage();
        if (!shots.isEmpty())
            road.result.save(QDir(shots).filePath(name + QStringLiteral("-mosaic.jpg")));
        return road.result.toImage();
    };

    QMap<QString, QImage> goodMarks;
    QStringList goodTold;
    const QImage clean = run(good, &goodMarks, &goodTold);
    QVERIFY(!clean.isNull());
    QVERIFY(goodTold.isEmpty());

    QMap<QString, QImage> marks;
    QStringList told;
    const QImage withDamaged = run(mixed, &marks, &told);
    QVERIFY(!withDamaged.isNull());
    // Every damaged file left out and counted...
    QCOMPARE(told, QStringList {MTileAppliance::leftOutText(int(damaged.size()), int(mixed.size()))});
    // ... marked in the list, and only those: the failure mark is the one
    // the FIFO's row shows, and no photo's row shows it.
    QCOMPARE(marks.size(), mixed.size());
    const QImage failed = marks.value(dir.filePath(QStringLiteral("d-fifo.jpg")));
    QVERIFY(!failed.isNull());
    for (const QString& path : std::as_const(mixed))
        QVERIFY2((marks.value(path) == failed) == !good.contains(path), qPrintable(path));
    // ... and never drawn: the mosaic is the one the photos alone make.
    QCOMPARE(withDamaged.size(), clean.size());
    QVERIFY(withDamaged == clean);
}

void TestMTileAppliance::noReadablePhoto()
{
    QVERIFY(TestSupport::writeFile(m_dir->filePath("x.jpg"), "not a jpeg"));
    QVERIFY(TestSupport::writeFile(m_dir->filePath("y.png"), "not a png"));
    QImage target(30, 30, QImage::Format_BGR888);
    target.fill(Qt::gray);
    IQZorivuvEngine::globalInstance()->setBackgroundImage(target);
    Boxes boxes;
    addDirect({QStringLiteral("x.jpg"), QStringLiteral("y.png")});
    ui().nextButton->click();
    QVERIFY(QTest::qWaitFor([&] { return !boxes.seen.isEmpty(); }, 10000));
    QCOMPARE(boxes.seen.first().icon, QMessageBox::Critical);
    QCOMPARE(boxes.seen.first().text, QStringLiteral("None of the tile photos could be read."));
    QCOMPARE(rowPaths().size(), 2);
}

void TestMTileAppliance::nullTarget()
{
    QVERIFY(writePhoto(m_dir->filePath("a.jpg"), Qt::red));
    Boxes boxes;
    Road road;
    MTileAppliance* step = pushStep(road);
    QVERIFY(step);
    step->thumbsViewer()->addThumbs({std::make_shared<IQImageFileItem>(m_dir->filePath("a.jpg"))});
    step->form().nextButton->click();
    QVERIFY(QTest::qWaitFor([&] { return !boxes.seen.isEmpty(); }, 10000));
    QCOMPARE(boxes.seen.first().icon, QMessageBox::Critical);
    QCOMPARE(boxes.seen.first().title, QStringLiteral("Vellumar"));
    QCOMPARE(boxes.seen.first().text, QStringLiteral("Unknown error happened."));
    QCOMPARE(road.results, 0);
    QCOMPARE(road.workflow->currentAppliance(), step);
    QCOMPARE(step->thumbsViewer()->sourceCount(), 1);
}

void TestMTileAppliance::successWithoutMosaic()
{
    // A result that claims success but brings no mosaic is a failure the
    // user hears of; step 3 is not opened.
    Boxes boxes;
    Road road;
    MTileAppliance* step = pushStep(road);
    QVERIFY(step);
    step->slotZorivuvFinished(QImage(), QImage(), IQZorivuvEngine::Success, 0);
    QVERIFY(QTest::qWaitFor([&] { return !boxes.seen.isEmpty(); }, 10000));
    QCOMPARE(boxes.seen.first().icon, QMessageBox::Critical);
    QCOMPARE(boxes.seen.first().text, QStringLiteral("Unknown error happened."));
    runQueue();
    QCOMPARE(road.results, 0);
    QCOMPARE(road.workflow->currentAppliance(), step);
}

void TestMTileAppliance::cancelRun()
{
    // Enough photos, decoded on one thread, that the run is still going
    // when Cancel is pressed.
    QList<std::shared_ptr<IQThumbnailItem>> items;
    for (int i = 0; i < 300; ++i) {
        const QString path = m_dir->filePath(QStringLiteral("t%1.jpg").arg(i));
        QVERIFY(writePhoto(path, QColor::fromHsv(i % 360, 180, 200), QSize(320, 240)));
        items << std::make_shared<IQImageFileItem>(path);
    }
    IQZorivuvEngine::globalInstance()->setThreadCount(1);
    QImage target(60, 40, QImage::Format_BGR888);
    target.fill(Qt::darkCyan);
    IQZorivuvEngine::globalInstance()->setBackgroundImage(target);
    Boxes boxes;
    Road road;
    MTileAppliance* step = pushStep(road);
    QVERIFY(step);
    step->thumbsViewer()->addThumbs(items);

    bool cancelShown = false;
    DialogDriver::onModal<QWaitingDialog>([&cancelShown](QWaitingDialog* busy) {
        cancelShown = busy->cancelButton() && busy->progressBar() && busy->cancelButton()->isVisible();
        if (busy->cancelButton())
            busy->cancelButton()->click();
    });
    step->form().nextButton->click();
    QVERIFY(cancelShown);
    QTest::qWait(3 * MTileAppliance::messageDelayMsecs);
    QCOMPARE(road.results, 0);
    QVERIFY(boxes.seen.isEmpty());
    QCOMPARE(road.workflow->currentAppliance(), step);
    QCOMPARE(step->thumbsViewer()->sourceCount(), 300);
    QVERIFY(step->form().nextButton->isEnabled());

    // A second Next runs to the end.
    IQZorivuvEngine::globalInstance()->setThreadCount(0);
    step->form().nextButton->click();
    runQueue();
    QCOMPARE(road.results, 1);
    QVERIFY(!road.result.isNull());
}

void TestMTileAppliance::closingLeavesNothingBehind()
{
    QVERIFY(writePhoto(m_dir->filePath("a.jpg"), Qt::red));
    addDirect({QStringLiteral("a.jpg")});
    const QList<QPointer<QWidget>> shown {
        ui().addContentBox, ui().rightBox, ui().bottomWidget, m_appliance->sceneWidget()};
    const QPointer<QWidget> list = m_appliance->thumbsViewer();
    // The main window adopts what it shows; the appliance still frees it.
    QWidget window;
    for (const QPointer<QWidget>& widget : shown)
        widget->setParent(&window);
    m_appliance.reset();
    for (const QPointer<QWidget>& widget : shown)
        QVERIFY(!widget);
    QVERIFY(!list);
}

QTEST_MAIN(TestMTileAppliance)
#include "tst_mtileappliance.moc"
