// Pictures fine-tuned and mirrored in the collage editor look the same
// after their project is saved and opened again by the program's own
// start-up (the project named on the command line), on both sides of every
// size rule a picture passes: the 4,000,000 pixels below which fine-tune
// values stream while a slider moves, the 8 MiB of pixels from which a
// replaced render is released on a worker, and the 4096 x 4096 above which
// a picture file is checked for plausibility before it is decoded.
//
// A picture's effects are rendered on a worker and land later; the first
// paint of a freshly opened collage races that landing. Reading the same
// project without a window shows nothing of it, so the check goes through
// the main window as the user meets it. All sizes share one project and one
// start-up, which keeps the run cheap.
#include "app/MainWindow.h"
#include "app/PromptQueue.h"
#include "app/Startup.h"

#include "appframe/SceneView.h"
#include "appframe/Workflow.h"
#include "collage/CollageAppliance.h"
#include "support/DialogDriver.h"
#include "collage/ExactSizeDialog.h"
#include "canvas/CPixmap.h"
#include "canvas/Canvas.h"
#include "canvas/PictureContent.h"

#include <QCryptographicHash>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <map>
#include <memory>
#include <vector>

namespace {

struct PictureSize
{
    const char* name;
    QSize size;
    bool flipHorizontally;
    bool flipVertically;
};

// Each flip on each side of the 4,000,000-pixel rule, both together on the
// largest picture (above the plausibility check's 4096 x 4096).
const PictureSize pictureSizes[] = {
    {"1 MP", QSize(1155, 866), true, false},
    {"2 MP", QSize(1633, 1225), false, true},
    {"3.9 MP", QSize(2280, 1710), true, true},
    {"4.1 MP", QSize(2338, 1754), true, false},
    {"6 MP", QSize(3000, 2000), false, true},
    {"20 MP", QSize(5472, 3648), true, true},
};

// The six fine-tune values, none of them neutral, typed into the panel.
const struct
{
    const char* spinBox;
    int value;
} fineTuneValues[] = {
    {"saturationSpinBox", -70},
    {"contrastSpinBox", 35},
    {"brightnessSpinBox", 20},
    {"sharpnessSpinBox", 60},
    {"temperatureSpinBox", 7500},
    {"tintSpinBox", 45},
};

constexpr int canvasWidth = 900;
constexpr int canvasHeight = 600;
constexpr int cell = 300;
constexpr int shownWidth = 280;

QString fileName(const PictureSize& size)
{
    return QString::fromLatin1(size.name).remove(QLatin1Char(' ')).replace(QLatin1Char('.'), QLatin1Char('_'))
        + QStringLiteral(".jpg");
}

// Gradients with a fine texture, so that every fine-tune value and either
// mirror changes the pixels.
QImage photoLike(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    const int w = size.width();
    const int h = size.height();
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = qRgb(x * 255 / w, y * 255 / h, ((x ^ y) & 0x3f) + 90);
    }
    return image;
}

// The picture's pixels, as a digest: six full-size pictures twice over
// would hold some 300 MB.
QByteArray digest(const QImage& image)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    const QByteArray shape = QByteArray::number(image.width()) + 'x' + QByteArray::number(image.height()) + ':'
        + QByteArray::number(int(image.format()));
    hash.addData(shape);
    const qsizetype rowBytes = qsizetype(image.width()) * image.depth() / 8;
    for (int y = 0; y < image.height(); ++y)
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(image.constScanLine(y)), rowBytes));
    return hash.result();
}


} // namespace

class TestCollageReopen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void pictureKeepsItsEffects_data();
    void pictureKeepsItsEffects();
    void canvasAndExportAreTheSame();

private:
    CollageAppliance* collage() const
    {
        return App::workflow ? dynamic_cast<CollageAppliance*>(App::workflow->currentAppliance()) : nullptr;
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QList<PictureContent*> pictures() const;
    bool editAndSave();
    bool reopen();
    // Each picture's own pixmap at full size, by file name.
    std::map<QString, QByteArray> look() const;

    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_window;
    std::map<QString, QByteArray> m_sources;
    std::map<QString, QByteArray> m_before;
    std::map<QString, QByteArray> m_after;
    QImage m_renderBefore;
    QImage m_renderAfter;
};

QList<PictureContent*> TestCollageReopen::pictures() const
{
    QList<PictureContent*> found;
    if (CollageAppliance* editor = collage()) {
        for (AbstractContent* content : editor->canvas()->contents()) {
            if (auto* picture = qobject_cast<PictureContent*>(content))
                found << picture;
        }
    }
    return found;
}

std::map<QString, QByteArray> TestCollageReopen::look() const
{
    std::map<QString, QByteArray> seen;
    for (PictureContent* picture : pictures()) {
        picture->waitForRender();
        const QString name = QFileInfo(picture->filePaths().value(0)).fileName();
        seen[name] = digest(picture->photo()->toImage().convertToFormat(QImage::Format_RGB32));
    }
    return seen;
}

void TestCollageReopen::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QVERIFY(m_dir.isValid());
    for (const PictureSize& size : pictureSizes) {
        QVERIFY(photoLike(size.size).save(path(fileName(size)), "JPG", 90));
        m_sources[fileName(size)] = digest(QImage(path(fileName(size))).convertToFormat(QImage::Format_RGB32));
    }

    MainWindow::initStyle();
    QVERIFY(editAndSave());
    QVERIFY(reopen());
}

void TestCollageReopen::cleanupTestCase()
{
    m_window.reset();
}

bool TestCollageReopen::editAndSave()
{
    m_window = std::make_unique<MainWindow>();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        return false;
    App::workflow->startCanvas();
    if (!QTest::qWaitFor([this] { return collage() != nullptr; }, 20000))
        return false;
    CollageAppliance* editor = collage();
    const Ui::CollageApplianceElements& ui = editor->form();
    Canvas* canvas = editor->canvas();

    // "Canvas Size", "Custom Size...".
    PromptQueue prompts;
    prompts.queue.push_back([](const ModalPrompts::Request&) { return 1; });
    prompts.queue.push_back([](const ModalPrompts::Request& request) {
        auto* dialog = qobject_cast<ExactSizeDialog*>(request.dialog);
        if (!dialog)
            return int(QDialog::Rejected);
        dialog->ui.widthSpinBox->setValue(canvasWidth);
        dialog->ui.heightSpinBox->setValue(canvasHeight);
        return int(QDialog::Accepted);
    });
    ui.sizeButn->click();
    if (canvas->sceneSize() != QSize(canvasWidth, canvasHeight))
        return false;

    // "Stickers": all pictures at once.
    QStringList names;
    for (const PictureSize& size : pictureSizes)
        names << fileName(size);
    DialogDriver::answerFileDialog(m_dir.path(), names);
    ui.bPicture->click();
    if (pictures().size() != int(std::size(pictureSizes)))
        return false;

    for (PictureContent* picture : pictures()) {
        const QString name = QFileInfo(picture->filePaths().value(0)).fileName();
        const auto size = std::find_if(std::begin(pictureSizes), std::end(pictureSizes),
            [&name](const PictureSize& candidate) { return fileName(candidate) == name; });
        const int index = int(size - std::begin(pictureSizes));
        picture->setPos(cell / 2 + cell * (index % 3), cell / 2 + cell * (index / 3));
        picture->resizeContents(QRect(-shownWidth / 2, 0, shownWidth, 1), true);

        // Its own panel, as a click on it would show it. The mirror first:
        // its render is cheap, and the six values then wait as one run.
        canvas->clearSelection();
        picture->setSelected(true);
        if (size->flipHorizontally)
            ui.propertiesBox->findChild<QAbstractButton*>(QStringLiteral("flipButn"))->click();
        if (size->flipVertically)
            ui.propertiesBox->findChild<QAbstractButton*>(QStringLiteral("invertButn"))->click();
        for (const auto& value : fineTuneValues) {
            auto* box = ui.propertiesBox->findChild<QSpinBox*>(QLatin1String(value.spinBox));
            if (!box)
                return false;
            box->setValue(value.value);
        }
    }
    canvas->clearSelection();
    m_before = look();
    m_renderBefore = canvas->renderedImage(canvas->sceneSize(), Qt::KeepAspectRatio, true, QImage::Format_ARGB32);

    prompts.queue.push_back(chooseFile(path(QStringLiteral("album.pmp2"))));
    ui.bSaveProject->click();
    DialogDriver::answerFileDialog(m_dir.path(), {QStringLiteral("before.png")});
    ui.bSaveImage->click();
    if (!prompts.queue.empty() || !QFileInfo::exists(path(QStringLiteral("album.pmp2"))))
        return false;
    m_window.reset();
    return !App::workflow;
}

bool TestCollageReopen::reopen()
{
    // The program's own start-up with the project on its command line.
    QByteArray program("vellumar");
    QByteArray project = path(QStringLiteral("album.pmp2")).toUtf8();
    char* argv[] = {program.data(), project.data()};
    storeCommandlineUrls(2, argv);
    m_window = std::make_unique<MainWindow>();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        return false;
    if (!QTest::qWaitFor([this] { return pictures().size() == int(std::size(pictureSizes)); }, 20000))
        return false;
    // Whatever the first paints asked for has landed, or never will.
    (void)QTest::qWaitFor(
        [this] {
            for (PictureContent* picture : pictures()) {
                if (picture->photo()->renderPending())
                    return false;
            }
            return true;
        },
        20000);
    m_after = look();
    Canvas* canvas = collage()->canvas();
    m_renderAfter = canvas->renderedImage(canvas->sceneSize(), Qt::KeepAspectRatio, true, QImage::Format_ARGB32);
    DialogDriver::answerFileDialog(m_dir.path(), {QStringLiteral("after.png")});
    collage()->form().bSaveImage->click();
    return QFileInfo::exists(path(QStringLiteral("after.png")));
}

void TestCollageReopen::pictureKeepsItsEffects_data()
{
    QTest::addColumn<QString>("name");
    for (const PictureSize& size : pictureSizes)
        QTest::newRow(size.name) << fileName(size);
}

void TestCollageReopen::pictureKeepsItsEffects()
{
    QFETCH(QString, name);
    QVERIFY(m_before.count(name) && m_after.count(name));
    // The edits changed the picture at all, and it came back with them.
    QVERIFY(m_before.at(name) != m_sources.at(name));
    QVERIFY2(m_after.at(name) == m_before.at(name), "reopened without its fine-tune values or flips");
}

void TestCollageReopen::canvasAndExportAreTheSame()
{
    QCOMPARE(m_renderBefore.size(), QSize(canvasWidth, canvasHeight));
    QVERIFY(m_renderAfter == m_renderBefore);
    const QImage before(path(QStringLiteral("before.png")));
    const QImage after(path(QStringLiteral("after.png")));
    QCOMPARE(before.size(), QSize(canvasWidth, canvasHeight));
    QVERIFY(after == before);
    QVERIFY(before.convertToFormat(QImage::Format_ARGB32) == m_renderBefore);
}

QTEST_MAIN(TestCollageReopen)
#include "tst_collagereopen.moc"
