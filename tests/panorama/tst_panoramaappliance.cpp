// The panorama photo list driven through its own controls: the form as the
// user sees it, the count line and Next, the style hint, the count warnings
// before anything starts, photos from the dialog and from the caller (with
// the same-file rule), and how each ending of a stitch is told.
#include "panorama/PanoramaAppliance.h"

#include "appframe/ApplianceTestSupport.h"
#include "appframe/ModalPrompts.h"
#include "appframe/Settings.h"
#include "appframe/Workflow.h"
#include "support/BusyShowSpy.h"
#include "app/DefaultWorkflowCreators.h"
#include "support/DialogDriver.h"
#include "panorama/PRetouchAppliance.h"
#include "canvas/Canvas.h"
#include "filebrowser/IQThumbsViewer.h"
#include "files/IQThumbnailItem.h"
#include "widgets/PixmapButton.h"
#include "widgets/PixmapTextButton.h"
#include "widgets/QWaitingDialog.h"

#include <QButtonGroup>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString lineStyleV = QStringLiteral("QFrame\n{\n\tborder:none;\n\tbackground-color:black;\n\tmax-width : 1px;\n}");
const QString lineStyleH = QStringLiteral("QFrame\n{\n\tborder:none;\n\tbackground-color:black;\n\tmax-height : 1px;\n}");

bool writePhoto(const QString& path, const QSize& size = QSize(60, 40), const QColor& color = Qt::darkCyan)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image.save(path);
}

bool anyBusyDialogVisible()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QWaitingDialog*>(widget) && widget->isVisible())
            return true;
    }
    return false;
}

// Answers every message box with OK and notes what it said, whether a busy
// dialog was still up, and how many busy dialogs showed before.
struct Boxes
{
    QList<ModalPrompts::Request> seen;
    bool busyUnderBox = false;
    ModalPrompts::ScopedResponder responder {[this](const ModalPrompts::Request& request) {
        seen << request;
        busyUnderBox = busyUnderBox || anyBusyDialogVisible();
        return int(QMessageBox::Ok);
    }};
    QStringList texts() const
    {
        QStringList all;
        for (const ModalPrompts::Request& request : seen)
            all << request.text;
        return all;
    }
};

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

class TestPanoramaAppliance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void formAndStart();
    void countLine_data();
    void countLine();
    void styleHintAtOnce();
    void countWarnings_data();
    void countWarnings();
    void failureMessages_data();
    void failureMessages();
    void panoramaOpensRetouch();
    void photosFromTheDialog();
    void photosFromTheCaller();
    void backGoesHome();

private:
    PanoramaAppliance* listPhotos(RealRoad& road, int count);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestPanoramaAppliance::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Vellumar"));
}

void TestPanoramaAppliance::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestPanoramaAppliance::cleanup()
{
    m_dir.reset();
}

// The photo list of command 5 with `count` photos, all selected.
PanoramaAppliance* TestPanoramaAppliance::listPhotos(RealRoad& road, int count)
{
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const QString path = m_dir->filePath(QStringLiteral("p%1.png").arg(i));
        if (!writePhoto(path))
            return nullptr;
        paths << path;
    }
    road.workflow->startPanorama(paths);
    runQueue();
    return dynamic_cast<PanoramaAppliance*>(road.workflow->currentAppliance());
}

void TestPanoramaAppliance::formAndStart()
{
    PanoramaAppliance appliance;
    const Ui::PanoramaApplianceElements& ui = appliance.form();

    QCOMPARE(appliance.applianceName(), QStringLiteral("Panorama"));
    QCOMPARE(appliance.windowTitle(), QStringLiteral("Panorama"));
    QVERIFY(!appliance.appliancePendingChanges());
    QCOMPARE(ui.addContentBox->parentWidget()->objectName(), QStringLiteral("PanoramaApplianceElements"));
    QCOMPARE(ui.addContentBox->parentWidget()->size(), QSize(677, 1187));
    QCOMPARE(ui.addContentBox->property("@onTopbar").toBool(), true);

    // Top bar: Back and Add Photos as picture buttons the bar's height.
    const struct {
        PixmapButton* button;
        const char* name;
        const char* tip;
    } bar[] = {{ui.bHome, "bHome", "Back"}, {ui.bPicture, "bPicture", "Add Photos"}};
    for (const auto& entry : bar) {
        QCOMPARE(entry.button->objectName(), QLatin1String(entry.name));
        QCOMPARE(entry.button->toolTip(), QLatin1String(entry.tip));
        QCOMPARE(entry.button->fixedSize(), QSize(32, 32));
        QCOMPARE(entry.button->size(), QSize(32, 32));
        QVERIFY(!entry.button->pixmap().isNull());
    }
    QCOMPARE(ui.line_6->styleSheet(), lineStyleV);
    QCOMPARE(ui.line_6->maximumSize(), QSize(1, 32));
    QCOMPARE(ui.label->text(), QStringLiteral("This is the 'add content' Box"));
    QCOMPARE(ui.label_6->text(), QStringLiteral("Select a group of photos and suitable options."));
    QCOMPARE(ui.label_6->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(ui.rightBox->objectName(), QStringLiteral("rightBox"));

    // Right bar.
    QCOMPARE(ui.canvasPropertiesBox->minimumWidth(), 260);
    QCOMPARE(ui.canvasPropertiesBox->maximumWidth(), 260);
    for (QFrame* line : {ui.line_5, ui.line_3, ui.line_2})
        QCOMPARE(line->styleSheet(), lineStyleH);
    QCOMPARE(ui.label_5->text(), QStringLiteral("Options"));
    QCOMPARE(ui.label_5->styleSheet(), QStringLiteral("font-weight:bold;color:rgba(67, 156, 243,255)"));
    QCOMPARE(ui.label_5->minimumHeight(), 16);
    QCOMPARE(ui.widget->minimumSize(), QSize(16, 16));
    QCOMPARE(ui.scrollArea->frameShape(), QFrame::NoFrame);
    QCOMPARE(ui.scrollArea->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(ui.scrollArea->widgetResizable());
    QCOMPARE(ui.scrollFrame->minimumWidth(), 240);
    QCOMPARE(ui.nextButton->text(), QStringLiteral("Next"));
    QCOMPARE(ui.nextButton->minimumWidth(), 190);
    QCOMPARE(ui.nextButton->maximumWidth(), 190);
    QVERIFY(!ui.nextButton->isEnabled());

    // Size panel: original size to start with.
    QCOMPARE(ui.largeChckButn->text(), QStringLiteral("Original Size"));
    QCOMPARE(ui.mediumChckButn->text(), QStringLiteral("1/2 Size"));
    QCOMPARE(ui.smallChckButn->text(), QStringLiteral("1/4 Size"));
    QVERIFY(ui.largeChckButn->isChecked());
    QCOMPARE(appliance.sizeGroup()->checkedId(), 0);
    QCOMPARE(appliance.sizeGroup()->id(ui.smallChckButn), 2);
    QCOMPARE(ui.label_2->text(),
        QStringLiteral("For printing,  select original size.  \nFor digital display or web sharing,  select a small size."));
    QCOMPARE(ui.label_2->maximumWidth(), 220);
    QVERIFY(ui.label_2->wordWrap());

    // Style panel: four 212 x 40 checkable buttons with their icons and ids.
    const struct {
        PixmapTextButton* button;
        const char* text;
        int id;
    } styles[] = {{ui.horButton, "Horizontal", 0}, {ui.verButton, "Vertical", 1}, {ui.fullButton, "360", 2},
        {ui.tileButton, "Tile", 3}};
    for (const auto& style : styles) {
        QCOMPARE(style.button->text(), QLatin1String(style.text));
        QCOMPARE(style.button->size(), QSize(212, 40));
        QVERIFY(style.button->isCheckable());
        QVERIFY(!style.button->pixmap().isNull());
        QCOMPARE(style.button->font().weight(), QFont::Normal);
        QCOMPARE(appliance.styleGroup()->id(style.button), style.id);
    }
    QVERIFY(ui.horButton->isChecked());
    QCOMPARE(ui.stitchingLabel->text(), QStringLiteral("For horizontal panoramas, you need to select 2 or more photos."));
    QCOMPARE(ui.stitchingLabel->maximumWidth(), 220);
    QVERIFY(ui.stitchingLabel->wordWrap());

    QCOMPARE(ui.countLabel->text(), QStringLiteral("No files"));
    QCOMPARE(appliance.thumbsViewer()->styleSheet(),
        QStringLiteral("QListView{background-color: transparent;border:1px solid black}"));
}

void TestPanoramaAppliance::countLine_data()
{
    QTest::addColumn<int>("listed");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("next");
    // Next from two selected photos, whatever the style.
    QTest::newRow("empty") << 0 << 0 << "No files" << false;
    QTest::newRow("5 listed, none selected") << 5 << 0 << "5 file(s)" << false;
    QTest::newRow("5 listed, 1 selected") << 5 << 1 << "1 of 5 file(s) selected." << false;
    QTest::newRow("5 listed, 2 selected") << 5 << 2 << "2 of 5 file(s) selected." << true;
    QTest::newRow("3 listed, all selected") << 3 << 3 << "3 of 3 file(s) selected." << true;
}

void TestPanoramaAppliance::countLine()
{
    QFETCH(int, listed);
    QFETCH(int, selected);
    QFETCH(QString, text);
    QFETCH(bool, next);
    RealRoad road;
    PanoramaAppliance* list = listPhotos(road, listed);
    QVERIFY(list);
    IQThumbsViewer* viewer = list->thumbsViewer();
    QCOMPARE(viewer->sourceCount(), listed);
    viewer->clearSelection();
    for (int row = 0; row < selected; ++row)
        viewer->selectionModel()->select(viewer->model()->index(row, 0), QItemSelectionModel::Select);
    QCOMPARE(viewer->selectedCount(), selected);
    QCOMPARE(list->form().countLabel->text(), text);
    QCOMPARE(list->form().nextButton->isEnabled(), next);
    // The style does not change when Next may be pressed.
    list->form().tileButton->click();
    QCOMPARE(list->form().nextButton->isEnabled(), next);
}

void TestPanoramaAppliance::styleHintAtOnce()
{
    PanoramaAppliance appliance;
    const Ui::PanoramaApplianceElements& ui = appliance.form();
    const QString before = ui.stitchingLabel->text();
    ui.smallChckButn->click();
    QCOMPARE(ui.stitchingLabel->text(), before);
    ui.tileButton->click();
    QCOMPARE(ui.stitchingLabel->text(), QStringLiteral("For tile panoramas, you need to select 4 to 16 photos."));
    ui.fullButton->click();
    QCOMPARE(ui.stitchingLabel->text(), QStringLiteral("For 360-degree panoramas, you need to select 6 or more photos."));
    ui.verButton->click();
    QCOMPARE(ui.stitchingLabel->text(), QStringLiteral("For vertical panoramas, you need to select 2 or more photos."));
    QCOMPARE(appliance.styleGroup()->checkedId(), 1);
}

void TestPanoramaAppliance::countWarnings_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("warning"); // empty: the stitch starts
    const QString grid
        = QStringLiteral("The selected photos cannot fill a full tile grid. Select an even number of photos, or 9.");
    const QString tile = QStringLiteral("For tile panoramas, you need to select 4 to 16 photos.");
    QTest::newRow("360 with 5") << 2 << 5
                                << "For 360-degree panoramas, you need to select 6 or more photos.";
    QTest::newRow("tile with 3") << 3 << 3 << tile;
    QTest::newRow("tile with 17") << 3 << 17 << tile;
    QTest::newRow("tile with 5") << 3 << 5 << grid;
    QTest::newRow("tile with 4") << 3 << 4 << QString();
    QTest::newRow("horizontal with 2") << 0 << 2 << QString();
}

void TestPanoramaAppliance::countWarnings()
{
    QFETCH(int, style);
    QFETCH(int, count);
    QFETCH(QString, warning);
    RealRoad road;
    PanoramaAppliance* list = listPhotos(road, count);
    QVERIFY(list);
    list->styleGroup()->button(style)->click();
    QCOMPARE(list->thumbsViewer()->selectedCount(), count);

    // Notes whether the busy dialog came up.
    BusyShowSpy busy;

    Boxes boxes;
    list->form().nextButton->click();
    if (!warning.isEmpty()) {
        QCOMPARE(boxes.texts(), QStringList {warning});
        QCOMPARE(boxes.seen.first().icon, QMessageBox::Warning);
        QCOMPARE(boxes.seen.first().title, QStringLiteral("Vellumar"));
        QVERIFY(!busy.opened);
        return;
    }
    // The stitch ran under the busy dialog. The small photos end it with a
    // failure (too small, or the stitch failing as a whole), which is told
    // once the dialog has gone; never a count warning.
    QVERIFY(QTest::qWaitFor([&] { return !boxes.seen.isEmpty(); }, 10000));
    QVERIFY(busy.opened);
    QVERIFY(!boxes.busyUnderBox);
    QCOMPARE(boxes.seen.size(), 1);
    QVERIFY2(boxes.texts().first() == PanoramaAppliance::failureText(-7)
            || boxes.texts().first() == PanoramaAppliance::failureText(-4),
        qPrintable(boxes.texts().first()));
    // List and selection stay for another try.
    QCOMPARE(list->thumbsViewer()->sourceCount(), count);
    QCOMPARE(list->thumbsViewer()->selectedCount(), count);
}

void TestPanoramaAppliance::failureMessages_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text"); // empty: nothing is said
    QTest::newRow("-8 sizes differ")
        << -8 << "The selected photos do not have the same pixel size and therefore cannot be stitched.";
    QTest::newRow("-3 unreadable") << -3 << "Some selected photos are not supported or damaged.";
    QTest::newRow("-7 too small") << -7 << "The selected photos are too small.";
    QTest::newRow("-4 grid") << -4 << "Stitching failed.";
    QTest::newRow("-2 memory") << -2 << "Stitching failed.";
    QTest::newRow("0 without image") << 0 << "Stitching failed.";
    QTest::newRow("-1 cancelled") << -1 << QString();
}

void TestPanoramaAppliance::failureMessages()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    RealRoad road;
    PanoramaAppliance* list = listPhotos(road, 3);
    QVERIFY(list);
    list->thumbsViewer()->selectionModel()->select(
        list->thumbsViewer()->model()->index(1, 0), QItemSelectionModel::Deselect);
    Boxes boxes;
    list->slotStitchFinished(QImage(), code);
    // Said only after a pause, for the busy dialog to go first.
    QVERIFY(boxes.seen.isEmpty());
    QTest::qWait(PanoramaAppliance::messageDelayMsecs * 3);
    if (text.isEmpty()) {
        QVERIFY(boxes.seen.isEmpty());
    } else {
        QCOMPARE(boxes.texts(), QStringList {text});
        QCOMPARE(boxes.seen.first().icon, QMessageBox::Warning);
        QCOMPARE(boxes.seen.first().title, QStringLiteral("Vellumar"));
        QCOMPARE(boxes.seen.first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    QCOMPARE(road.workflow->currentAppliance(), list);
    QCOMPARE(list->thumbsViewer()->sourceCount(), 3);
    QCOMPARE(list->thumbsViewer()->selectedCount(), 2);
}

void TestPanoramaAppliance::panoramaOpensRetouch()
{
    RealRoad road;
    PanoramaAppliance* list = listPhotos(road, 2);
    QVERIFY(list);
    // The image the worker hands over is already cropped: it is shown as it is.
    QImage panorama(90, 30, QImage::Format_RGB32);
    panorama.fill(QColor(10, 200, 90));
    Boxes boxes;
    list->slotStitchFinished(panorama, 0);
    runQueue();
    auto* retouch = dynamic_cast<PRetouchAppliance*>(road.workflow->currentAppliance());
    QVERIFY(retouch);
    QCOMPARE(retouch->canvas()->sceneSize(), QSize(90, 30));
    QVERIFY(boxes.seen.isEmpty());
}

void TestPanoramaAppliance::photosFromTheDialog()
{
    // Two names differing only in case are two photos here; the same photo
    // reached through a link is one; a text file is no photo.
    const QString upper = m_dir->filePath(QStringLiteral("IMG_1.png"));
    const QString lower = m_dir->filePath(QStringLiteral("img_1.png"));
    QVERIFY(writePhoto(upper, QSize(60, 40), Qt::red));
    QVERIFY(writePhoto(lower, QSize(60, 40), Qt::blue));
    QVERIFY(QFile::link(upper, m_dir->filePath(QStringLiteral("link.png"))));
    QVERIFY(QFile(m_dir->filePath(QStringLiteral("notes.txt"))).open(QIODevice::WriteOnly));

    PanoramaAppliance appliance;
    DialogDriver::Seen seen;
    DialogDriver::answerFileDialog(m_dir->path(), {QStringLiteral("IMG_1.png"), QStringLiteral("img_1.png")}, &seen);
    appliance.form().bPicture->click();
    QVERIFY(seen.shown);
    QCOMPARE(seen.fileMode, int(QFileDialog::ExistingFiles));
    QStringList listed;
    for (const auto& item : appliance.thumbsViewer()->getAllThumbnails(false))
        listed << QFileInfo(item->path()).fileName();
    QCOMPARE(listed, (QStringList {"IMG_1.png", "img_1.png"}));
    QCOMPARE(QDir(Settings::defaultSettings()->panoramaPicturesDir()).canonicalPath(),
        QDir(m_dir->path()).canonicalPath());

    // Through the caller: the link and the "./" form name listed photos.
    appliance.addPhotos({m_dir->filePath(QStringLiteral("link.png")), m_dir->path() + QStringLiteral("/./img_1.png"),
        m_dir->filePath(QStringLiteral("notes.txt"))});
    QCOMPARE(appliance.thumbsViewer()->sourceCount(), 2);
}

void TestPanoramaAppliance::photosFromTheCaller()
{
    const QString a = m_dir->filePath(QStringLiteral("a.png"));
    const QString b = m_dir->filePath(QStringLiteral("b.jpg"));
    QVERIFY(writePhoto(a));
    QVERIFY(writePhoto(b));
    PanoramaAppliance appliance;
    // Listed in order, each once, and all selected.
    appliance.addPhotos({a, b, a});
    QStringList listed;
    for (const auto& item : appliance.thumbsViewer()->getAllThumbnails(false))
        listed << item->path();
    QCOMPARE(listed, (QStringList {a, b}));
    QCOMPARE(appliance.thumbsViewer()->selectedCount(), 2);
    QVERIFY(appliance.form().nextButton->isEnabled());
    QCOMPARE(appliance.form().countLabel->text(), QStringLiteral("2 of 2 file(s) selected."));
    // Nothing to list leaves the list as it was.
    appliance.addPhotos({});
    QCOMPARE(appliance.thumbsViewer()->sourceCount(), 2);
}

void TestPanoramaAppliance::backGoesHome()
{
    RealRoad road;
    PanoramaAppliance* list = listPhotos(road, 2);
    QVERIFY(list);
    QCOMPARE(road.workflow->nodeCount(), 2);
    Boxes boxes;
    list->form().bHome->click();
    runQueue();
    QCOMPARE(road.workflow->nodeCount(), 1);
    QCOMPARE(road.workflow->applianceName(), QStringLiteral("home"));
    QVERIFY(boxes.seen.isEmpty());
}

QTEST_MAIN(TestPanoramaAppliance)
#include "tst_panoramaappliance.moc"
