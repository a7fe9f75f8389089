#include "app/DefaultWorkflowCreators.h"
#include "collage/CollageAppliance.h"
#include "collage/CollageProjectFile.h"
#include "montage/MRetouchAppliance.h"
#include "montage/MTileAppliance.h"
#include "montage/ZorivuvAppliance.h"
#include "panorama/PRetouchAppliance.h"
#include "panorama/PanoramaAppliance.h"
#include "filebrowser/IQThumbsViewer.h"

#include "appframe/Settings.h"
#include "appframe/Workflow.h"
#include "canvas/Canvas.h"
#include "canvas/CanvasModeInfo.h"

#include "support/TestSupport.h"
#include "appframe/ApplianceTestSupport.h"

#include <QFileDialog>
#include <QImage>
#include <QPixmap>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestDefaultWorkflowCreators : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void montageSteps();
    void panoramaSteps();
    void collageEditor();
    void collageWithProject_data();
    void collageWithProject();
    void askProjectFile_data();
    void askProjectFile();

private:
    QTemporaryDir m_dir;
};

void TestDefaultWorkflowCreators::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
    QVERIFY(TestSupport::writeFile(m_dir.filePath("projects/album.pmp2"), "<Collage format=\"2\"><canvas/></Collage>"));
}

void TestDefaultWorkflowCreators::init()
{
    journal.clear();
}

void TestDefaultWorkflowCreators::montageSteps()
{
    Workflow::Creators creators;
    registerDefaultWorkflowCreators(creators);
    QObject owner;
    std::unique_ptr<PlugGui::AbstractAppliance> step1(
        creators.commands.at(Workflow::OpenZorivuv)({QVariant(), 96, 120, &owner}));
    QVERIFY(dynamic_cast<ZorivuvAppliance*>(step1.get()));
    std::unique_ptr<AbstractScene> scene(step1->takeScene());
    auto* made = qobject_cast<Canvas*>(scene.get());
    QVERIFY(made);
    QCOMPARE(made->modeInfo()->canvasDpi().first, 96.0);
    QCOMPARE(made->parent(), &owner);

    std::unique_ptr<PlugGui::AbstractAppliance> step2(
        creators.commands.at(Workflow::OpenZorivuvTiles)({QVariant(), 96, 120, &owner}));
    QVERIFY(dynamic_cast<MTileAppliance*>(step2.get()));
    QCOMPARE(step2->takeScene(), nullptr);

    // Step 3 shows the mosaic it is handed on a canvas of its size.
    QPixmap mosaic(40, 30);
    mosaic.fill(Qt::red);
    std::unique_ptr<PlugGui::AbstractAppliance> step3(
        creators.commands.at(Workflow::OpenZorivuvResult)({QVariant(mosaic), 96, 120, &owner}));
    QVERIFY(dynamic_cast<MRetouchAppliance*>(step3.get()));
    std::unique_ptr<AbstractScene> resultScene(step3->takeScene());
    auto* resultCanvas = qobject_cast<Canvas*>(resultScene.get());
    QVERIFY(resultCanvas);
    QCOMPARE(resultCanvas->sceneSize(), QSize(40, 30));
    QCOMPARE(resultCanvas->parent(), &owner);
}

void TestDefaultWorkflowCreators::panoramaSteps()
{
    QVERIFY(TestSupport::writeFile(m_dir.filePath("pano/notes.txt"), "not a photo"));
    QImage photo(16, 12, QImage::Format_RGB32);
    photo.fill(Qt::green);
    const QString a = m_dir.filePath("pano/a.png");
    const QString b = m_dir.filePath("pano/b.png");
    QVERIFY(photo.save(a) && photo.save(b));

    Workflow::Creators creators;
    registerDefaultWorkflowCreators(creators);
    QObject owner;
    // Command 5 without photos: an empty list; with photos: all listed and
    // selected (the text file is skipped as the dialog would).
    std::unique_ptr<PlugGui::AbstractAppliance> empty(
        creators.commands.at(Workflow::OpenPanorama)({QVariant(), 96, 120, &owner}));
    auto* emptyList = dynamic_cast<PanoramaAppliance*>(empty.get());
    QVERIFY(emptyList);
    QCOMPARE(emptyList->thumbsViewer()->sourceCount(), 0);
    QCOMPARE(empty->takeScene(), nullptr);

    const QStringList paths {a, b, m_dir.filePath("pano/notes.txt")};
    std::unique_ptr<PlugGui::AbstractAppliance> listed(
        creators.commands.at(Workflow::OpenPanorama)({QVariant(paths), 96, 120, &owner}));
    auto* list = dynamic_cast<PanoramaAppliance*>(listed.get());
    QVERIFY(list);
    QCOMPARE(list->thumbsViewer()->sourceCount(), 2);
    QCOMPARE(list->thumbsViewer()->selectedCount(), 2);
    QVERIFY(list->form().nextButton->isEnabled());

    // Command 6 shows the panorama it is handed on a canvas of its size.
    QImage panorama(50, 20, QImage::Format_RGB32);
    panorama.fill(Qt::blue);
    std::unique_ptr<PlugGui::AbstractAppliance> retouch(
        creators.commands.at(Workflow::OpenPanoramaRetouch)({QVariant(panorama), 96, 120, &owner}));
    QVERIFY(dynamic_cast<PRetouchAppliance*>(retouch.get()));
    std::unique_ptr<AbstractScene> scene(retouch->takeScene());
    auto* canvas = qobject_cast<Canvas*>(scene.get());
    QVERIFY(canvas);
    QCOMPARE(canvas->sceneSize(), QSize(50, 20));
    QCOMPARE(canvas->parent(), &owner);
}

void TestDefaultWorkflowCreators::collageEditor()
{
    Workflow::Creators creators;
    registerDefaultWorkflowCreators(creators);
    QObject owner;
    std::unique_ptr<PlugGui::AbstractAppliance> appliance(
        creators.commands.at(Workflow::OpenCollage)({QVariant(), 96, 120, &owner}));
    auto* collage = dynamic_cast<CollageAppliance*>(appliance.get());
    QVERIFY(collage);
    QCOMPARE(collage->windowTitle(), QStringLiteral("Collage"));
    std::unique_ptr<AbstractScene> scene(collage->takeScene());
    auto* made = qobject_cast<Canvas*>(scene.get());
    QVERIFY(made);
    QCOMPARE(made->modeInfo()->canvasDpi().first, 96.0);
    QCOMPARE(made->parent(), &owner);
}

void TestDefaultWorkflowCreators::collageWithProject_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    const QString missing = m_dir.filePath("missing.pmp2");
    const QString album = m_dir.filePath("projects/album.pmp2");
    QTest::newRow("missing file") << missing << "Loading error" << "Unable to load the Collage file " + missing;
    QTest::newRow("readable file") << album << QString() << QString();
}

void TestDefaultWorkflowCreators::collageWithProject()
{
    QFETCH(QString, path);
    QFETCH(QString, title);
    QFETCH(QString, text);
    Workflow::Creators creators;
    registerDefaultWorkflowCreators(creators);
    QObject owner;

    BoxAnswerer answerer({QMessageBox::Ok});
    if (!title.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, "Workflow::processCommand: MasterCanvas: can't load canvas. Display error?");
    std::unique_ptr<PlugGui::AbstractAppliance> appliance(
        creators.commands.at(Workflow::OpenCollage)({path, 72, 72, &owner}));
    QVERIFY(appliance);
    std::unique_ptr<AbstractScene> canvas(appliance->takeScene());
    QVERIFY(qobject_cast<Canvas*>(canvas.get()));
    QVERIFY(canvas->items().isEmpty());

    if (title.isEmpty()) {
        // Read: no box, and the file is first among the recent projects.
        QVERIFY(answerer.seen.isEmpty());
        QCOMPARE(Settings::defaultSettings()->recentTessoliaUrls().value(0), QUrl(path, QUrl::TolerantMode));
        return;
    }
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen.first().title, title);
    QCOMPARE(answerer.seen.first().text, text);
    QCOMPARE(answerer.seen.first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    // The collage opens all the same, on an empty canvas; the file is not
    // entered as a recent project.
    QVERIFY(Settings::defaultSettings()->recentTessoliaUrls().isEmpty());
}

void TestDefaultWorkflowCreators::askProjectFile_data()
{
    QTest::addColumn<bool>("choose");
    QTest::newRow("chosen") << true;
    QTest::newRow("cancelled") << false;
}

void TestDefaultWorkflowCreators::askProjectFile()
{
    QFETCH(bool, choose);
    Settings* settings = Settings::defaultSettings();
    settings->setCollageProjectDir(m_dir.path());
    const QString album = m_dir.filePath("projects/album.pmp2");

    Workflow::Creators creators;
    registerDefaultWorkflowCreators(creators);
    QString title;
    QString startFolder;
    QStringList filters;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        title = dialog->windowTitle();
        startFolder = dialog->directory().absolutePath();
        filters = dialog->nameFilters();
        if (choose) {
            dialog->selectFile(album);
            QMetaObject::invokeMethod(dialog, "accept");
        } else {
            dialog->reject();
        }
    });
    const QString answer = creators.askProjectFile();

    QCOMPARE(title, QStringLiteral("Select the Collage file"));
    QCOMPARE(startFolder, QDir(m_dir.path()).absolutePath());
    QCOMPARE(filters, QStringList {"Collage (*.pmp2)"});
    QCOMPARE(answer, choose ? album : QString());
    // The folder of a chosen file is remembered for the next time.
    QCOMPARE(settings->collageProjectDir(), choose ? m_dir.filePath("projects") : m_dir.path());
}

QTEST_MAIN(TestDefaultWorkflowCreators)
#include "tst_defaultworkflowcreators.moc"
