// The panorama road end to end, through the real main window, workflow and
// panorama engine: four views of a real photograph (the stitching tests'
// synthetic views) handed to command 5, Next, the stitch under the busy
// dialog, and the retouch step on the panorama. Also the same road
// cancelled mid-stitch, and the inputs the engine refuses.
//
// With VELLUMAR_SCREENSHOT_DIR set the photo list, the busy dialog, the
// message for photos that do not register and the retouch step are
// photographed (run under a real X server, e.g. xvfb-run,
// for the dialog to show).
#include "app/MainWindow.h"

#include "appframe/ModalPrompts.h"
#include "appframe/SceneView.h"
#include "appframe/Workflow.h"
#include "panorama/engine/IQPanoramaEngineController.h"
#include "panorama/PRetouchAppliance.h"
#include "support/BusyShowSpy.h"
#include "panorama/PanoramaAppliance.h"
#include "canvas/Canvas.h"
#include "canvas/FinetuneWidget.h"
#include "canvas/PictureContent.h"
#include "filebrowser/IQThumbsViewer.h"
#include "widgets/PixmapButton.h"
#include "widgets/PixmapTextButton.h"
#include "widgets/QDoubleSlider.h"
#include "widgets/QWaitingDialog.h"

#include "SyntheticViews.h"
#include "UnjoinablePairs.h"

#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <cmath>
#include <functional>
#include <memory>

namespace {

// The views' size and focal length in pixels: 320 x 240 at about 53 degrees
// across, neighbours sharing 40 % of the width.
constexpr int viewWidth = 320;
constexpr int viewHeight = 240;
constexpr double viewFocal = 320.0;
constexpr double viewOverlap = 0.4;

// A packed bitmap of the fixture (header and rows) as a file Qt reads.
QImage fromPackedBitmap(const QByteArray& packed)
{
    QByteArray file("BM");
    char field[4];
    qToLittleEndian<quint32>(quint32(14 + packed.size()), field);
    file.append(field, 4);
    file.append(QByteArray(4, '\0'));
    qToLittleEndian<quint32>(quint32(14 + 40), field);
    file.append(field, 4);
    file.append(packed);
    return QImage::fromData(file, "BMP");
}

// Grey levels of `image` halved in each direction, row-major.
struct Grey
{
    int width = 0;
    int height = 0;
    QList<int> levels;
    explicit Grey(const QImage& source)
    {
        const QImage half = source.convertToFormat(QImage::Format_RGB32)
                                .scaled(source.width() / 2, source.height() / 2, Qt::IgnoreAspectRatio,
                                    Qt::SmoothTransformation);
        width = half.width();
        height = half.height();
        levels.reserve(width * height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                levels << qGray(half.pixel(x, y));
    }
    int at(int x, int y) const { return levels.at(y * width + x); }
};

// Where the centre patch of `view` lies in `panorama` (full-size pixels of
// the patch's centre) and its mean absolute difference there, in levels.
QPointF locate(const QImage& view, const Grey& panorama, double* meanDifference)
{
    const Grey patch(view.copy(view.width() / 2 - 24, view.height() / 2 - 24, 48, 48));
    int best = INT_MAX;
    QPoint where;
    for (int y = 0; y + patch.height <= panorama.height; ++y) {
        for (int x = 0; x + patch.width <= panorama.width; ++x) {
            int sum = 0;
            for (int j = 0; j < patch.height && sum < best; ++j)
                for (int i = 0; i < patch.width; ++i)
                    sum += qAbs(panorama.at(x + i, y + j) - patch.at(i, j));
            if (sum < best) {
                best = sum;
                where = QPoint(x, y);
            }
        }
    }
    *meanDifference = double(best) / (patch.width * patch.height);
    return QPointF((where.x() + patch.width / 2.0) * 2, (where.y() + patch.height / 2.0) * 2);
}

bool anyBusyDialogVisible()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QWaitingDialog*>(widget) && widget->isVisible())
            return true;
    }
    return false;
}

// Answers every message box with OK, noting what it said and whether the
// busy dialog was still up under it.
struct Boxes
{
    QStringList texts;
    bool busyUnderBox = false;
    ModalPrompts::ScopedResponder responder {[this](const ModalPrompts::Request& request) {
        texts << request.text;
        busyUnderBox = busyUnderBox || anyBusyDialogVisible();
        return int(QMessageBox::Ok);
    }};
};

// What the busy dialog showed: the progress values in order, and Cancel
// pressed at the first report above `cancelAt` (never with -1).
struct BusyWatch
{
    QList<int> percents;
    bool shown = false;
    BusyShowSpy spy;
    bool cancelled = false;
    int cancelAt = -1;
    QTimer poll;
    std::function<void(QWaitingDialog*)> onShow;
    BusyWatch()
    {
        poll.setInterval(2);
        QObject::connect(&poll, &QTimer::timeout, [this] {
            auto* busy = qobject_cast<QWaitingDialog*>(QApplication::activeModalWidget());
            if (!busy || !busy->isVisible() || !busy->progressBar())
                return;
            if (!shown && onShow)
                onShow(busy);
            shown = true;
            const QProgressBar* bar = busy->progressBar();
            if (bar->maximum() > 0) {
                const int percent = int(std::lround(100.0 * bar->value() / bar->maximum()));
                if (percents.isEmpty() || percents.last() != percent)
                    percents << percent;
                if (cancelAt >= 0 && !cancelled && percent > cancelAt) {
                    cancelled = true;
                    busy->cancelButton()->click();
                }
            }
        });
        poll.start();
    }
};

QString panoramaTempFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/Panorama");
}

bool folderGoneOrEmpty(const QString& path)
{
    const QDir dir(path);
    return !dir.exists() || dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

} // namespace

class TestPanoramaRoad : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void road();
    void cancelled();
    void refused_data();
    void refused();
    void screenshots();

private:
    template<class T>
    T* current() const
    {
        return App::workflow ? dynamic_cast<T*>(App::workflow->currentAppliance()) : nullptr;
    }
    // Command 5 over the home level with `photos`, as a caller would.
    PanoramaAppliance* openList(const QStringList& photos);
    void shoot(const QString& name, QWidget* widget = nullptr);
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QString m_shots;
    QStringList m_views;
    QList<SyntheticViews::Camera> m_cameras;
    std::unique_ptr<MainWindow> m_window;
};

void TestPanoramaRoad::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QVERIFY(m_dir.isValid());
    m_shots = qEnvironmentVariable("VELLUMAR_SCREENSHOT_DIR");

    const QString photo = SyntheticViews::photoPath();
    QVERIFY2(!photo.isEmpty(), "the mate-backgrounds photograph is missing");
    SyntheticViews views(QImage(photo), SyntheticViews::Surface::Cylinder, viewWidth, viewHeight, viewFocal);
    QVERIFY(views.isValid());
    m_cameras = views.row(4, viewOverlap);
    for (int i = 0; i < m_cameras.size(); ++i) {
        const QImage view = fromPackedBitmap(views.render(m_cameras.at(i)));
        QCOMPARE(view.size(), QSize(viewWidth, viewHeight));
        const QString file = path(QStringLiteral("view%1.png").arg(i));
        QVERIFY(view.save(file));
        m_views << file;
    }

    MainWindow::initStyle();
    m_window = std::make_unique<MainWindow>();
    m_window->resize(1280, 860);
    m_window->showNormal();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QVERIFY(QTest::qWaitFor([] { return App::workflow && App::workflow->nodeCount() == 1; }, 20000));

}

void TestPanoramaRoad::cleanupTestCase()
{
    m_window.reset();
}

void TestPanoramaRoad::init()
{
    if (App::workflow && App::workflow->nodeCount() > 1) {
        App::workflow->scheduleCommand({Workflow::CloseDownTo, QVariant(0)});
        QVERIFY(QTest::qWaitFor([] { return App::workflow->nodeCount() == 1; }, 20000));
    }
}

PanoramaAppliance* TestPanoramaRoad::openList(const QStringList& photos)
{
    App::workflow->startPanorama(photos);
    if (!QTest::qWaitFor([this] { return current<PanoramaAppliance>() != nullptr; }, 20000))
        return nullptr;
    return current<PanoramaAppliance>();
}

void TestPanoramaRoad::shoot(const QString& name, QWidget* widget)
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

void TestPanoramaRoad::road()
{
    PanoramaAppliance* list = openList(m_views);
    QVERIFY(list);
    QCOMPARE(list->thumbsViewer()->sourceCount(), 4);
    QCOMPARE(list->thumbsViewer()->selectedCount(), 4);
    QVERIFY(list->form().nextButton->isVisible());
    QVERIFY(list->form().nextButton->isEnabled());

    Boxes boxes;
    BusyWatch busy;
    list->form().nextButton->click();
    // The stitch has ended when the dialog is gone; a panorama opens the
    // retouch step, a failure is told 100 ms later.
    QVERIFY(QTest::qWaitFor([&] { return current<PRetouchAppliance>() != nullptr || !boxes.texts.isEmpty(); }, 60000));
    QVERIFY2(boxes.texts.isEmpty(), qPrintable(QStringLiteral("the stitch failed: ") + boxes.texts.join(u'|')));
    PRetouchAppliance* retouch = current<PRetouchAppliance>();
    QVERIFY(retouch);
    QCOMPARE(App::workflow->nodeCount(), 3);
    // The retouch step holds its picture: the engine, with its photos, files
    // and the whole panorama, is not kept beside it.
    auto* controller = IQPanoramaEngineController::globalInstance();
    QVERIFY(QTest::qWaitFor([controller] { return controller->engine() == nullptr; }, 10000));
    QVERIFY(controller->resultImage().isNull());

    // Rising percentages under the spinner.
    QVERIFY(busy.shown);
    QVERIFY2(busy.percents.size() >= 3, qPrintable(QString::number(busy.percents.size())));
    for (int i = 1; i < busy.percents.size(); ++i)
        QVERIFY(busy.percents.at(i) > busy.percents.at(i - 1));

    // The canvas is the panorama exactly, fitted into the window.
    Canvas* canvas = retouch->canvas();
    QVERIFY(canvas && canvas->backContent());
    const QImage panorama = canvas->backContent()->toPixmap(canvas->sceneSize(), Qt::IgnoreAspectRatio).toImage();
    const QSize size = canvas->sceneSize();
    QCOMPARE(retouch->form().sizeLabel->text(), QStringLiteral("%1 x %2 Pix").arg(size.width()).arg(size.height()));
    QVERIFY(QTest::qWaitFor([&] { return retouch->sceneView()->viewScale() < 1.0; }, 10000)
        || size.width() <= retouch->sceneView()->viewport()->width());
    const char* names[] = {"saturationSpinBox", "contrastSpinBox", "brightnessSpinBox", "sharpnessSpinBox",
        "temperatureSpinBox", "tintSpinBox"};
    const int neutral[] = {0, 0, 0, 0, 5000, 10};
    for (int type = 0; type < 6; ++type)
        QCOMPARE(retouch->finetuneWidget()->findChild<QSpinBox*>(QLatin1String(names[type]))->value(), neutral[type]);
    QVERIFY(retouch->finetuneWidget()->isEnabled());
    shoot(QStringLiteral("panorama-3-retouch"));

    // Against the ground truth: on a cylinder of radius f the views' centres
    // lie f x (yaw step) apart along the panorama, on one row; the four views
    // span 3 steps plus about a view's width. Step = 53.1 degrees x 0.6 =
    // 0.556 rad, so 178 px apart at f = 320.
    const double step = viewFocal * (m_cameras.at(1).yaw - m_cameras.at(0).yaw);
    QVERIFY2(size.width() > 3 * step && size.width() < 3 * step + viewWidth * 1.2, qPrintable(QString::number(size.width())));
    QVERIFY2(size.height() > viewHeight * 0.8 && size.height() <= viewHeight * 1.1,
        qPrintable(QString::number(size.height())));
    const Grey grey(panorama);
    QList<QPointF> centres;
    for (const QString& file : std::as_const(m_views)) {
        double difference = 0;
        centres << locate(QImage(file), grey, &difference);
        // Seams and the blend may shift levels a little; a wrong place
        // differs by tens of levels.
        QVERIFY2(difference < 12.0, qPrintable(QString::number(difference)));
    }
    for (int i = 1; i < centres.size(); ++i) {
        const QPointF d = centres.at(i) - centres.at(i - 1);
        // Within 5 % of the step, and within 4 pixels of one row.
        QVERIFY2(std::abs(d.x() - step) < 0.05 * step, qPrintable(QStringLiteral("%1 vs %2").arg(d.x()).arg(step)));
        QVERIFY2(std::abs(d.y()) <= 4.0, qPrintable(QString::number(d.y())));
    }

    // Back without saving asks; Discard returns to the list as it was.
    auto* timer = new QTimer(this);
    bool asked = false;
    connect(timer, &QTimer::timeout, this, [timer, &asked] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        timer->stop();
        timer->deleteLater();
        asked = box->text() == QStringLiteral("Do you want to save your changes?");
        box->button(QMessageBox::Discard)->click();
    });
    timer->start(5);
    retouch->form().bHome->click();
    QVERIFY(QTest::qWaitFor([this] { return current<PanoramaAppliance>() != nullptr; }, 20000));
    QVERIFY(asked);
    QCOMPARE(current<PanoramaAppliance>(), list);
    QCOMPARE(list->thumbsViewer()->sourceCount(), 4);
    QCOMPARE(list->thumbsViewer()->selectedCount(), 4);
}

void TestPanoramaRoad::cancelled()
{
    PanoramaAppliance* list = openList(m_views);
    QVERIFY(list);
    Boxes boxes;
    BusyWatch busy;
    busy.cancelAt = 0;
    list->form().nextButton->click();
    // Back from exec(): the worker has ended.
    QTest::qWait(PanoramaAppliance::messageDelayMsecs * 3);
    QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join(u'|')));
    QVERIFY(busy.cancelled);
    QCOMPARE(current<PanoramaAppliance>(), list);
    QCOMPARE(App::workflow->nodeCount(), 2);
    QCOMPARE(list->thumbsViewer()->sourceCount(), 4);
    QCOMPARE(list->thumbsViewer()->selectedCount(), 4);
    // The engine went with its temporary files.
    QVERIFY(QTest::qWaitFor([] { return IQPanoramaEngineController::globalInstance()->engine() == nullptr; }, 10000));
    QVERIFY(folderGoneOrEmpty(panoramaTempFolder()));
}

void TestPanoramaRoad::refused_data()
{
    QTest::addColumn<QList<QSize>>("sizes"); // an empty size: an unreadable file
    QTest::addColumn<QString>("pair");       // else a pair that does not register
    QTest::addColumn<QString>("text");       // %1: the unreadable file
    QTest::newRow("unreadable photo") << QList<QSize> {QSize(320, 240), QSize()} << QString()
                                      << "Some selected photos are not supported or damaged.\n\n%1\n"
                                         "The file is damaged or incomplete.";
    // 150 x 150 = 22500 pixels, below 40000.
    QTest::newRow("two 150 x 150") << QList<QSize> {QSize(150, 150), QSize(150, 150)} << QString()
                                   << "The selected photos are too small.";
    // 360 - 300 = 60, a fifth of 300.
    QTest::newRow("widths a fifth apart") << QList<QSize> {QSize(300, 200), QSize(360, 200)} << QString()
                                          << "The selected photos do not have the same pixel size and therefore cannot "
                                             "be stitched.";
    const QString apart = QStringLiteral("Some neighbouring photos do not overlap enough to be joined. Choose photos of "
                                         "one scene, each sharing about a third of its view with the next.");
    QTest::newRow("two places") << QList<QSize>() << "places" << apart;
    QTest::newRow("two parts of one photograph") << QList<QSize>() << "apart" << apart;
    QTest::newRow("parallax") << QList<QSize>() << "parallax" << apart;
    QTest::newRow("a wall from two places") << QList<QSize>() << "wall" << apart;
}

void TestPanoramaRoad::refused()
{
    QFETCH(QList<QSize>, sizes);
    QFETCH(QString, pair);
    QFETCH(QString, text);
    QStringList files;
    const QImage source(m_views.first());
    for (int i = 0; i < sizes.size(); ++i) {
        const QString file = path(QStringLiteral("%1-%2.jpg").arg(QString::fromLatin1(QTest::currentDataTag())).arg(i));
        if (sizes.at(i).isEmpty()) {
            QFile broken(file);
            QVERIFY(broken.open(QIODevice::WriteOnly));
            broken.write("\xff\xd8\xff\xe0 not a photo at all");
            text = text.arg(QDir::toNativeSeparators(file));
        } else {
            QVERIFY(source.scaled(sizes.at(i)).save(file, nullptr, 90));
        }
        files << file;
    }
    if (!pair.isEmpty()) {
        const QList<QImage> photos = UnjoinablePairs::make(pair);
        QCOMPARE(photos.size(), 2);
        for (int i = 0; i < 2; ++i) {
            files << path(QStringLiteral("%1-%2.png").arg(pair).arg(i));
            QVERIFY(photos.at(i).save(files.last()));
        }
    }
    PanoramaAppliance* list = openList(files);
    QVERIFY(list);
    QCOMPARE(list->thumbsViewer()->selectedCount(), int(files.size()));
    Boxes boxes;
    BusyWatch busy;
    list->form().nextButton->click();
    QVERIFY(QTest::qWaitFor([&] { return !boxes.texts.isEmpty(); }, 30000));
    QCOMPARE(boxes.texts, QStringList {text});
    QVERIFY(busy.spy.opened);
    QVERIFY(!boxes.busyUnderBox);
    QCOMPARE(current<PanoramaAppliance>(), list);
    QCOMPARE(list->thumbsViewer()->selectedCount(), int(files.size()));
}

void TestPanoramaRoad::screenshots()
{
    if (m_shots.isEmpty())
        QSKIP("VELLUMAR_SCREENSHOT_DIR is not set");
    PanoramaAppliance* list = openList(m_views);
    QVERIFY(list);
    list->form().tileButton->click();
    list->form().horButton->click();
    shoot(QStringLiteral("panorama-1-list"));

    // The busy dialog as the stitch shows it, at 42 %.
    QWaitingDialog busy(nullptr);
    busy.showProgress();
    busy.setProgress(42, 100);
    busy.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    busy.show();
    busy.move(m_window->geometry().center() - QPoint(busy.width() / 2, busy.height() / 2));
    QVERIFY(QTest::qWaitForWindowExposed(&busy));
    shoot(QStringLiteral("panorama-2-busy"), &busy);
    busy.close();

    // A pair that does not register, told as the user sees it.
    {
        const QList<QImage> photos = UnjoinablePairs::make(QStringLiteral("places"));
        QStringList files;
        for (int i = 0; i < photos.size(); ++i) {
            files << path(QStringLiteral("shot-%1.png").arg(i));
            QVERIFY(photos.at(i).save(files.last()));
        }
        App::workflow->scheduleCommand({Workflow::CloseDownTo, QVariant(0)});
        QVERIFY(QTest::qWaitFor([] { return App::workflow->nodeCount() == 1; }, 20000));
        PanoramaAppliance* pair = openList(files);
        QVERIFY(pair);
        bool told = false;
        auto* answer = new QTimer(this);
        connect(answer, &QTimer::timeout, this, [this, answer, &told] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            answer->stop();
            answer->deleteLater();
            shoot(QStringLiteral("panorama-4-refused"));
            told = box->text().startsWith(QStringLiteral("Some neighbouring photos"));
            box->button(QMessageBox::Ok)->click();
        });
        answer->start(20);
        pair->form().nextButton->click();
        QVERIFY(QTest::qWaitFor([&told] { return told; }, 30000));
    }

    // The retouch step on a panorama of the scene, made without the engine.
    SyntheticViews views(QImage(SyntheticViews::photoPath()), SyntheticViews::Surface::Cylinder, 900, 260, viewFocal);
    const QImage wide = fromPackedBitmap(views.render(SyntheticViews::Camera {}));
    App::workflow->scheduleCommand({Workflow::OpenPanoramaRetouch, QVariant(wide)});
    QVERIFY(QTest::qWaitFor([this] { return current<PRetouchAppliance>() != nullptr; }, 20000));
    shoot(QStringLiteral("panorama-3-retouch-sample"));
    App::workflow->scheduleCommand({Workflow::CloseDownTo, QVariant(0)});
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [timer] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            box->button(QMessageBox::Discard)->click();
        }
    });
    timer->start(5);
    QVERIFY(QTest::qWaitFor([] { return App::workflow->nodeCount() == 1; }, 20000));
}

QTEST_MAIN(TestPanoramaRoad)
#include "tst_panoramaroad.moc"
