#include "modebase/CanvasAppliance.h"

#include "appframe/ApplianceTestSupport.h"
#include "appframe/ModalPrompts.h"
#include "appframe/SceneView.h"
#include "appframe/Settings.h"
#include "support/DialogDriver.h"
#include "modebase/PrintDialog.h"
#include "canvas/CPixmap.h"
#include "canvas/Canvas.h"
#include "canvas/CanvasModeInfo.h"
#include "canvas/PictureContent.h"
#include "platform/RandomSource.h"
#include "support/TestSupport.h"
#include "widgets/FloatingWidgetContainer.h"
#include "widgets/ZoomIndicatorOverlay.h"
#include "widgets/ZoomIndicatorOverlayProxy.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// The base is abstract; this names it and opens its protected operations.
class TestAppliance : public CanvasAppliance
{
public:
    using CanvasAppliance::CanvasAppliance;
    QString applianceName() const override { return QStringLiteral("test"); }
    using CanvasAppliance::dialogParent;
    using CanvasAppliance::saveCanvas;
    using CanvasAppliance::saveCanvas2;
    using CanvasAppliance::selectBackContent;
};

// Answers every box with Ok and writes down what it saw; dialogs run by
// `onDialog` when given.
struct Answerer
{
    QList<ModalPrompts::Request> seen;
    std::function<int(QDialog*)> onDialog;
    ModalPrompts::ScopedResponder responder {[this](const ModalPrompts::Request& request) {
        ModalPrompts::Request copy = request;
        seen << copy;
        if (request.kind == ModalPrompts::Kind::Dialog)
            return onDialog ? onDialog(request.dialog) : int(QDialog::Rejected);
        return int(QMessageBox::Ok);
    }};
};

QImage solid(const QSize& size, const QColor& color)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

} // namespace

class TestCanvasAppliance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void sceneArea();
    void takeCanvas();
    void pendingChangesFollowTheCanvas();
    void dialogParentIsTheAttachedContainer();
    void sceneAreaGoneFirst();
    void zoomIndicatorFollowsTheView();
    void addPicturesInChosenOrder();
    void addPictureCancelled();
    void unreadablePicturesAreNamed();
    void backPicture_data();
    void backPicture();
    void saveCanvasWritesSceneSize();
    void saveCanvas2_data();
    void saveCanvas2();
    void saveFailureIsReported();
    void renderTooLargeForMemory();
    void printCarriesChoicesOver();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    void writePicture(const QString& name, const QSize& size, const QColor& color)
    {
        QVERIFY(solid(size, color).save(path(name)));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Canvas> m_canvas;
    std::unique_ptr<TestAppliance> m_appliance;
};

void TestCanvasAppliance::initTestCase()
{
    // Qt's own file dialogs, which the test can drive.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void TestCanvasAppliance::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_canvas = std::make_unique<Canvas>(72, 72, nullptr);
    m_appliance = std::make_unique<TestAppliance>(m_canvas.get());
    // Whatever a failing test left open goes away after a while.
    QTimer::singleShot(60000, this, [] {
        while (QWidget* modal = QApplication::activeModalWidget()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
            QCoreApplication::processEvents();
        }
    });
}

void TestCanvasAppliance::cleanup()
{
    if (m_appliance)
        m_appliance->takeCanvas();
    m_appliance.reset();
    m_canvas.reset();
    RandomSource::reseedFromSystem();
    QVERIFY(!QApplication::activeModalWidget());
}

void TestCanvasAppliance::sceneArea()
{
    FloatingWidgetContainer* container = m_appliance->sceneContainer();
    QVERIFY(container);
    QCOMPARE(m_appliance->sceneWidget(), container);
    QVERIFY(!container->parent());
    auto* layout = qobject_cast<QHBoxLayout*>(container->layout());
    QVERIFY(layout);
    QCOMPARE(layout->contentsMargins(), QMargins(0, 0, 0, 0));
    QCOMPARE(layout->spacing(), 0);
    QCOMPARE(layout->count(), 1);
    QCOMPARE(layout->itemAt(0)->widget(), m_appliance->sceneView());
    QCOMPARE(m_appliance->sceneView()->scene(), m_canvas.get());
    QCOMPARE(m_appliance->canvas(), m_canvas.get());
    QCOMPARE(m_appliance->applianceCommand(3), false);
}

void TestCanvasAppliance::takeCanvas()
{
    // A connection from the canvas to the appliance, as subclasses make.
    int heard = 0;
    connect(m_canvas.get(), &Canvas::backConfigChanged, m_appliance.get(), [&heard] { ++heard; });
    emit m_canvas->backConfigChanged();
    QCOMPARE(heard, 1);

    QCOMPARE(m_appliance->takeCanvas(), m_canvas.get());
    emit m_canvas->backConfigChanged();
    QCOMPARE(heard, 1);
    QVERIFY(!m_appliance->canvas());
    QVERIFY(!m_appliance->sceneView()->scene());
    QVERIFY(!m_appliance->takeCanvas());
    QVERIFY(!m_appliance->takeScene());

    // The workflow's generic door gives the same canvas.
    Canvas other(72, 72, nullptr);
    TestAppliance second(&other);
    QCOMPARE(second.takeScene(), &other);
}

void TestCanvasAppliance::pendingChangesFollowTheCanvas()
{
    QVERIFY(!m_appliance->appliancePendingChanges());
    m_canvas->addPictureContent(QStringLiteral("red.png"), solid(QSize(40, 30), Qt::red), QPoint(50, 50));
    QVERIFY(m_canvas->pendingChanges());
    QVERIFY(m_appliance->appliancePendingChanges());
    m_canvas->slotResetChanges();
    QVERIFY(!m_appliance->appliancePendingChanges());
    m_canvas->slotMarkChanges();
    m_appliance->takeCanvas();
    QVERIFY(!m_appliance->appliancePendingChanges());

    // Destroyed while still holding a canvas: a warning, and the canvas lives.
    auto held = std::make_unique<TestAppliance>(m_canvas.get());
    QTest::ignoreMessage(QtWarningMsg,
        "CanvasAppliance::~CanvasAppliance: we still have a Canvas. take it before deleting this");
    held.reset();
    QCOMPARE(m_canvas->contents().size(), 1);
}

void TestCanvasAppliance::dialogParentIsTheAttachedContainer()
{
    QVERIFY(!m_appliance->dialogParent());
    auto container = std::make_unique<RecordingContainer>();
    m_appliance->addToApplianceContainer(container.get());
    QCOMPARE(m_appliance->dialogParent(), container.get());
    m_appliance->removeFromApplianceContainer();
    QVERIFY(!m_appliance->dialogParent());

    m_appliance->addToApplianceContainer(container.get());
    container.reset();
    QVERIFY(!m_appliance->dialogParent());
}

void TestCanvasAppliance::sceneAreaGoneFirst()
{
    // The window that showed the scene area took it down with it.
    m_appliance->sceneView()->setViewScale(2.0);
    delete m_appliance->sceneContainer();
    QVERIFY(!m_appliance->sceneContainer());
    QVERIFY(!m_appliance->sceneView());
    QCOMPARE(m_appliance->takeCanvas(), m_canvas.get());
    m_appliance.reset();
}

void TestCanvasAppliance::zoomIndicatorFollowsTheView()
{
    QVERIFY(!m_appliance->zoomIndicator()->overlay());
    m_appliance->sceneView()->setViewScale(1.5);
    ZoomIndicatorOverlay* overlay = m_appliance->zoomIndicator()->overlay();
    QVERIFY(overlay);
    QVERIFY(!overlay->isHidden());
    QCOMPARE(overlay->text(), QStringLiteral("150%"));
    // It stays 600 ms, then fades.
    QTimer* hideTimer = overlay->findChild<QTimer*>();
    QVERIFY(hideTimer);
    QVERIFY(hideTimer->isActive());
    QCOMPARE(hideTimer->interval(), 600);

    m_appliance->sceneView()->setViewScale(0.5);
    QCOMPARE(overlay->text(), QStringLiteral("50%"));

    QTest::ignoreMessage(QtWarningMsg, "AbstractAppliance::removeFromContainer: not on container");
    m_appliance->removeFromApplianceContainer();
    QVERIFY(overlay->isHidden());
}

void TestCanvasAppliance::addPicturesInChosenOrder()
{
    writePicture("e.png", QSize(40, 30), Qt::red);
    writePicture("d.png", QSize(40, 30), Qt::green);
    QVERIFY(TestSupport::writeFile(path("c.png"), "not a picture"));
    writePicture("b.png", QSize(40, 30), Qt::blue);
    writePicture("a.png", QSize(40, 30), Qt::yellow);
    Settings::defaultSettings()->setCollagePicturesDir(QDir::homePath());

    // The jitter of each placement, by the canvas's rule: 2 - next() % 5 on
    // each axis, two draws per picture that loads.
    RandomSource::seed(1234);
    QList<QPoint> jitter;
    for (int i = 0; i < 4; ++i) {
        const int dx = 2 - int(RandomSource::next() % 5);
        const int dy = 2 - int(RandomSource::next() % 5);
        jitter << QPoint(dx, dy);
    }
    RandomSource::seed(1234);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^LoadImageThread::run: cannot read '.*c\\.png'"));
    DialogDriver::Seen seen;
    DialogDriver::answerFileDialog(m_dir->path(), {"e.png", "d.png", "c.png", "b.png", "a.png"}, &seen);
    Answerer answerer;
    m_appliance->slotAddPicture();
    // The one that did not load is named.
    QCOMPARE(answerer.seen.size(), 1);
    QVERIFY(answerer.seen.first().text.contains(QStringLiteral("\nc.png: ")));

    QVERIFY(seen.shown);
    QCOMPARE(seen.fileMode, int(QFileDialog::ExistingFiles));
    QCOMPARE(seen.directory, QDir::homePath());
    QCOMPARE(Settings::defaultSettings()->collagePicturesDir(), m_dir->path());

    SceneView* view = m_appliance->sceneView();
    const QRect r = view->viewport()->rect();
    const QPoint centre = view->mapToScene(QPoint((r.right() - r.left()) / 2, (r.bottom() - r.top()) / 2)).toPoint();

    // Index 2 did not load: its place (60, 60) stays empty.
    const QList<int> indexes {0, 1, 3, 4};
    const QStringList names {"e.png", "d.png", "b.png", "a.png"};
    QCOMPARE(m_canvas->contents().size(), 4);
    for (int i = 0; i < 4; ++i) {
        auto* picture = qobject_cast<PictureContent*>(m_canvas->contents().at(i));
        QVERIFY(picture);
        QCOMPARE(QFileInfo(picture->filePaths().value(0)).fileName(), names.at(i));
        const QPoint expected = centre + jitter.at(i) + QPoint(30, 30) * indexes.at(i);
        QCOMPARE(picture->pos().toPoint(), expected);
    }
    QVERIFY(m_appliance->appliancePendingChanges());
}

void TestCanvasAppliance::addPictureCancelled()
{
    const QString before = QDir::homePath();
    Settings::defaultSettings()->setCollagePicturesDir(before);
    DialogDriver::answerFileDialog(m_dir->path(), {});
    m_appliance->slotAddPicture();
    QVERIFY(m_canvas->contents().isEmpty());
    QCOMPARE(Settings::defaultSettings()->collagePicturesDir(), before);
}

void TestCanvasAppliance::unreadablePicturesAreNamed()
{
    // A photo cut short by a failed copy, and a text file named as a JPEG.
    writePicture("whole.jpg", QSize(160, 120), Qt::darkGreen);
    QFile whole(path("whole.jpg"));
    QVERIFY(whole.open(QIODevice::ReadOnly));
    QVERIFY(TestSupport::writeFile(path("cut.jpg"), whole.read(whole.size() / 2)));
    QVERIFY(TestSupport::writeFile(path("notes.jpg"), "shopping list\n"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^LoadImageThread::run: cannot read '.*cut\\.jpg'"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^LoadImageThread::run: cannot read '.*notes\\.jpg'"));

    Answerer answerer;
    DialogDriver::answerFileDialog(m_dir->path(), {"cut.jpg", "whole.jpg", "notes.jpg"});
    m_appliance->slotAddPicture();
    QCOMPARE(m_canvas->contents().size(), 1);
    QCOMPARE(answerer.seen.size(), 1);
    const ModalPrompts::Request& box = answerer.seen.first();
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.title, QStringLiteral("Pictures not added"));
    const QStringList lines = box.text.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(0), QStringLiteral("These files could not be added:"));
    QCOMPARE(lines.at(1), QStringLiteral("cut.jpg: The file is damaged or incomplete."));
    // No image reader knows the text; Qt's reader says so.
    QCOMPARE(lines.at(2), QStringLiteral("notes.jpg: Unsupported image format"));
    QCOMPARE(box.parent.data(), m_appliance->dialogParent());

    // One file alone is named as one.
    answerer.seen.clear();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^LoadImageThread::run: cannot read '.*cut\\.jpg'"));
    DialogDriver::answerFileDialog(m_dir->path(), {"cut.jpg"});
    m_appliance->slotAddPicture();
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen.first().text,
        QStringLiteral("This file could not be added:\ncut.jpg: The file is damaged or incomplete."));
}

void TestCanvasAppliance::backPicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("readable");
    QTest::newRow("picture") << "back.png" << true;
    QTest::newRow("damaged file") << "broken.png" << false;
}

void TestCanvasAppliance::backPicture()
{
    QFETCH(QString, name);
    QFETCH(bool, readable);
    if (readable)
        writePicture(name, QSize(64, 48), Qt::cyan);
    else
        QVERIFY(TestSupport::writeFile(path(name), "\x89PNG broken"));

    QList<QString> delivered;
    QSize size;
    Answerer answerer;
    if (!readable)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^LoadImageThread::run: cannot read"));
    DialogDriver::Seen seen;
    DialogDriver::answerFileDialog(m_dir->path(), {name}, &seen);
    m_appliance->selectBackContent([&](int index, const QString& file, const QImage& image) {
        QCOMPARE(index, 0);
        delivered << file;
        size = image.size();
    });

    QCOMPARE(seen.fileMode, int(QFileDialog::ExistingFile));
    QCOMPARE(Settings::defaultSettings()->backContentDir(), m_dir->path());
    if (readable) {
        QCOMPARE(delivered, QList<QString>{path(name)});
        QCOMPARE(size, QSize(64, 48));
        QVERIFY(answerer.seen.isEmpty());
    } else {
        QVERIFY(delivered.isEmpty());
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.first().icon, QMessageBox::Warning);
        QCOMPARE(answerer.seen.first().title, QStringLiteral("Error"));
        QCOMPARE(answerer.seen.first().text, QStringLiteral("Failed to load file."));
        QVERIFY(!answerer.seen.first().parent);
    }
}

void TestCanvasAppliance::saveCanvasWritesSceneSize()
{
    m_canvas->modeInfo()->setFixedSize(QSizeF(321, 203));
    m_canvas->resize(QSize(10, 10));
    QCOMPARE(m_canvas->sceneRectangle(), QRectF(0, 0, 321, 203));
    m_canvas->addPictureContent(QStringLiteral("red.png"), solid(QSize(40, 30), Qt::red), QPoint(100, 100));

    Answerer answerer;
    DialogDriver::answerFileDialog(m_dir->path(), {"out.png"});
    QVERIFY(m_appliance->saveCanvas());
    QVERIFY(answerer.seen.isEmpty());
    QImageReader reader(path("out.png"));
    QCOMPARE(reader.size(), QSize(321, 203));

    // Cancelled: nothing written, false.
    DialogDriver::answerFileDialog(m_dir->path(), {});
    QVERIFY(!m_appliance->saveCanvas());
}

void TestCanvasAppliance::saveCanvas2_data()
{
    QTest::addColumn<QString>("second");
    QTest::addColumn<QSize>("expected");
    // The back picture is 640 x 480; the scene 321 x 203.
    QTest::newRow("back picture alone: its own pixels") << "" << QSize(640, 480);
    QTest::newRow("a picture added: the scene") << "picture" << QSize(321, 203);
    QTest::newRow("a text added: the scene") << "text" << QSize(321, 203);
}

void TestCanvasAppliance::saveCanvas2()
{
    QFETCH(QString, second);
    QFETCH(QSize, expected);
    m_canvas->modeInfo()->setFixedSize(QSizeF(321, 203));
    m_canvas->resize(QSize(10, 10));
    PictureContent* back = m_canvas->createPicture(QPoint(10, 10), false);
    QVERIFY(back->loadFromFile(QStringLiteral("back.png"), solid(QSize(640, 480), Qt::darkGreen), true, true, false));
    m_canvas->setBackContent(back);
    if (second == "picture")
        m_canvas->addPictureContent(QStringLiteral("red.png"), solid(QSize(40, 30), Qt::red), QPoint(100, 100));
    if (second == "text") {
        m_canvas->addTextContent();
        QCOMPARE(m_canvas->contents().size(), 2);
    }

    DialogDriver::answerFileDialog(m_dir->path(), {"out.png"});
    QVERIFY(m_appliance->saveCanvas2());
    QImageReader reader(path("out.png"));
    QCOMPARE(reader.size(), expected);
    if (second.isEmpty())
        QCOMPARE(reader.read().pixelColor(320, 240), QColor(Qt::darkGreen));
}

void TestCanvasAppliance::saveFailureIsReported()
{
    m_canvas->modeInfo()->setFixedSize(QSizeF(64, 64));
    m_canvas->resize(QSize(10, 10));
    // A folder in the way cannot be written: a regular file holds its name
    // (permissions would not stop root).
    QVERIFY(TestSupport::writeFile(path("blocker"), "x"));
    const QString target = path("blocker/out.png");

    Answerer answerer;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^SaveImageThread::run: cannot write"));
    DialogDriver::answerFileDialog(m_dir->path(), {target});
    QVERIFY(!m_appliance->saveCanvas());
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen.first().icon, QMessageBox::Warning);
    QCOMPARE(answerer.seen.first().title, QStringLiteral("Error"));
    QCOMPARE(answerer.seen.first().text, QStringLiteral("Failed to save file:") + target);
}

void TestCanvasAppliance::renderTooLargeForMemory()
{
    // No image of this size can be allocated: the render comes back null.
    m_canvas->modeInfo()->setFixedSize(QSizeF(200000, 200000));
    m_canvas->resize(QSize(10, 10));
    auto container = std::make_unique<RecordingContainer>();
    m_appliance->addToApplianceContainer(container.get());

    Answerer answerer;
    bool printDialogRan = false;
    answerer.onDialog = [&](QDialog*) {
        printDialogRan = true;
        return int(QDialog::Rejected);
    };
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Canvas::renderedImage: no image"));
    m_appliance->slotPrint();
    QVERIFY(!printDialogRan);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Canvas::renderedImage: no image"));
    DialogDriver::answerFileDialog(m_dir->path(), {"out.png"});
    QVERIFY(!m_appliance->saveCanvas());
    QVERIFY(!QFileInfo::exists(path("out.png")));

    QCOMPARE(answerer.seen.size(), 2);
    for (const ModalPrompts::Request& request : std::as_const(answerer.seen)) {
        QCOMPARE(request.icon, QMessageBox::Critical);
        QCOMPARE(request.title, QGuiApplication::applicationDisplayName());
        QCOMPARE(request.text, QStringLiteral("Not enough memory."));
        QCOMPARE(request.parent.data(), container.get());
    }
    m_appliance->removeFromApplianceContainer();
}

void TestCanvasAppliance::printCarriesChoicesOver()
{
    m_canvas->modeInfo()->setFixedSize(QSizeF(120, 80));
    m_canvas->resize(QSize(10, 10));
    CanvasAppliance::s_PrintInfo = PrintInfo();

    Answerer answerer;
    QList<PrintInfo> atStart;
    QList<PrintInfo> left;
    QList<QSize> images;
    answerer.onDialog = [&](QDialog* dialog) {
        auto* print = qobject_cast<PrintDialog*>(dialog);
        if (!print)
            return int(QDialog::Rejected);
        atStart << print->printInfo();
        images << print->image().size();
        // The user turns the page and switches off fitting, then cancels.
        print->setLandscape(true);
        print->findChild<QCheckBox*>(QStringLiteral("fitToPageCheckBox"))->setChecked(false);
        left << print->printInfo();
        return int(QDialog::Rejected);
    };
    m_appliance->slotPrint();

    // Another canvas appliance prints next and starts from those choices.
    Canvas other(72, 72, nullptr);
    other.modeInfo()->setFixedSize(QSizeF(50, 40));
    other.resize(QSize(10, 10));
    TestAppliance second(&other);
    second.slotPrint();
    second.takeCanvas();

    // The first dialog starts from the defaults (it may pick a printer of
    // the system); the second from what the first left.
    QCOMPARE(atStart.size(), 2);
    QVERIFY(!atStart.at(0).landscape);
    QVERIFY(atStart.at(0).fitToPage);
    QCOMPARE(atStart.at(1), left.at(0));
    QVERIFY(atStart.at(1).landscape);
    QVERIFY(!atStart.at(1).fitToPage);
    QVERIFY(atStart.at(1).color);
    QCOMPARE(images, (QList<QSize>{QSize(120, 80), QSize(50, 40)}));
    QVERIFY(CanvasAppliance::s_PrintInfo.landscape);
    CanvasAppliance::s_PrintInfo = PrintInfo();
}

QTEST_MAIN(TestCanvasAppliance)
#include "tst_canvasappliance.moc"
