// Real stitches through the panorama engine, its controller and the stitch
// worker, of synthetic views of a photograph saved as files.

#include "panorama/engine/IQPanoramaEngine.h"
#include "panorama/engine/IQPanoramaEngineController.h"
#include "panorama/engine/IQStitchThread.h"
#include "stitch/job/CStitchOptions.h"

#include "../../files/HostileImageFiles.h"
#include "files/IQImageIO.h"
#include "SyntheticViews.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

struct Run
{
    QList<int> percents;
    QImage image;
    int code = 12345;
    QString refusedPhoto; // from photoRefused()
    QString refusedReason;
};

// Runs a stitch worker over the controller's engine; with cancelAbove set,
// the first report above that percentage cancels it.
Run runThread(const QList<QString>& paths, int cancelAbove = -1)
{
    Run out;
    auto* thread = new IQStitchThread(IQPanoramaEngineController::globalInstance(), paths);
    QObject::connect(thread, &IQStitchThread::progressChanged, thread,
                     [&out, thread, cancelAbove](int percent) {
                         out.percents << percent;
                         if (cancelAbove >= 0 && percent > cancelAbove)
                             thread->cancel();
                     },
                     Qt::DirectConnection);
    QObject::connect(thread, &IQStitchThread::photoRefused, thread,
                     [&out](const QString& path, const QString& reason) {
                         out.refusedPhoto = path;
                         out.refusedReason = reason;
                     },
                     Qt::DirectConnection);
    QObject::connect(thread, &IQStitchThread::threadFinished, thread,
                     [&out](const QImage& image, int code) {
                         out.image = image;
                         out.code = code;
                     },
                     Qt::DirectConnection);
    if (!ImageFixtures::runToEnd(thread, 300000))
        qWarning("the stitch worker did not finish");
    delete thread;
    return out;
}

bool opaque(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) != 255)
                return false;
    }
    return true;
}

// The least mean difference, in grey levels, between the middle of `view`
// (a quarter of its width across) and any place of `panorama`, both at a
// quarter of their size; mirrored: the patch upside down.
double patchDifference(const QImage& view, const QImage& panorama, bool mirrored)
{
    auto grey = [](const QImage& image) {
        return image.scaled(image.width() / 4, image.height() / 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_Grayscale8);
    };
    const int side = view.width() / 4;
    QImage patch = grey(view.copy((view.width() - side) / 2, (view.height() - side) / 2, side, side));
    if (mirrored)
        patch = patch.mirrored(false, true);
    const QImage whole = grey(panorama);
    double best = 1e9;
    for (int oy = 0; oy + patch.height() <= whole.height(); ++oy)
        for (int ox = 0; ox + patch.width() <= whole.width(); ++ox) {
            int sum = 0;
            for (int y = 0; y < patch.height(); ++y) {
                const uchar* p = patch.constScanLine(y);
                const uchar* w = whole.constScanLine(oy + y) + ox;
                for (int x = 0; x < patch.width(); ++x)
                    sum += std::abs(int(p[x]) - int(w[x]));
            }
            best = std::min(best, double(sum) / (patch.width() * patch.height()));
        }
    return best;
}

} // namespace

class TestPanoramaStitch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { IQPanoramaEngineController::globalInstance()->releaseEngine(); }
    void stitch_data();
    void stitch();
    void halfSizeIsHalfAsWide();
    void cancelThenStitchAgain();
    void nearDuplicateLeavesTheGrid();
    void photosAreLentUnchanged();
    void damagedPhotoIsRefusedByName();

private:
    // Saves the views of `cameras` as PNG files and returns their paths.
    QList<QString> saveViews(const SyntheticViews& views, const QList<SyntheticViews::Camera>& cameras,
                             const QString& prefix);
    QImage m_photo;
    QTemporaryDir m_dir;
};

void TestPanoramaStitch::initTestCase()
{
    const QString path = SyntheticViews::photoPath();
    if (path.isEmpty())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    QVERIFY(m_photo.load(path));
    QVERIFY(m_dir.isValid());
}

QList<QString> TestPanoramaStitch::saveViews(const SyntheticViews& views,
                                             const QList<SyntheticViews::Camera>& cameras, const QString& prefix)
{
    QList<QString> paths;
    for (int i = 0; i < cameras.size(); ++i) {
        const QByteArray dib = views.render(cameras.at(i));
        const QImage image = IQPanoramaEngine::dib2Image(dib.constData());
        const QString path = m_dir.filePath(QStringLiteral("%1-%2.png").arg(prefix).arg(i));
        if (image.isNull() || !image.save(path))
            return {};
        paths << path;
    }
    return paths;
}

void TestPanoramaStitch::stitch_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<bool>>("vertical");

    QTest::newRow("row") << 0 << 3 << 1 << QList<bool>{false, false};
    QTest::newRow("column") << 1 << 1 << 3 << QList<bool>{true, true};
    // Two side-by-side overlaps, one per row, then column 0's vertical one;
    // the row strips' overlap repeats that seam and names no photo pair.
    QTest::newRow("tile-2x2") << 3 << 2 << 2 << QList<bool>{false, false, true};
}

void TestPanoramaStitch::stitch()
{
    QFETCH(int, style);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(QList<bool>, vertical);

    // 320 x 240 views 60 degrees across; columns and tiles turn the camera
    // up and down, so they lie on a sphere, tiles with a longer lens.
    const auto surface = style == 0 ? SyntheticViews::Surface::Cylinder : SyntheticViews::Surface::Sphere;
    const double focal = 160 / std::tan((style == 3 ? 12 : 30) * M_PI / 180);
    const SyntheticViews views(m_photo, surface, 320, 240, focal);
    const QList<SyntheticViews::Camera> cameras = style == 0   ? views.row(columns, 0.4)
                                                  : style == 1 ? views.column(rows, 0.4)
                                                               : views.tile(columns, rows, 0.4);
    const QList<QString> paths = saveViews(views, cameras, QStringLiteral("style%1").arg(style));
    QCOMPARE(paths.size(), cameras.size());

    const long long handlesBefore = IQPanoramaEngine::liveMemoryHandles();
    auto* controller = IQPanoramaEngineController::globalInstance();
    IQPanoramaEngine* engine = controller->createEngine(tagStitchStyle(style), StitchOutputOriginal);
    QVERIFY(engine->handle());
    const QString folder = engine->handle()->m_strTempDir;

    const Run run = runThread(paths);
    QCOMPARE(run.code, 0);
    QVERIFY(!run.image.isNull());

    // Progress only goes forward and ends at 100.
    QVERIFY(!run.percents.isEmpty());
    for (int i = 1; i < run.percents.size(); ++i)
        QVERIFY(run.percents.at(i) > run.percents.at(i - 1));
    QCOMPARE(run.percents.last(), 100);

    QCOMPARE(engine->columns(), columns);
    QCOMPARE(engine->rows(), rows);
    QList<QString> ordered = controller->orderedPaths();
    QCOMPARE(ordered.size(), paths.size());
    std::sort(ordered.begin(), ordered.end());
    QList<QString> sortedPaths = paths;
    std::sort(sortedPaths.begin(), sortedPaths.end());
    QCOMPARE(ordered, sortedPaths);

    // The whole result: ARGB32, opaque; the worker's image is its copy of
    // the converted crop.
    const QImage whole = controller->resultImage();
    QCOMPARE(whole.format(), QImage::Format_ARGB32);
    QVERIFY(opaque(whole));
    const QRect crop = controller->cropRect();
    QVERIFY(!crop.isEmpty());
    QVERIFY(whole.rect().contains(crop));
    QCOMPARE(run.image, whole.copy(crop));
    QCOMPARE(controller->cropedImage(), run.image);
    // Every photo is in the picture as it was taken, not upside down.
    for (const QString& path : paths) {
        const QImage view(path);
        const double upright = patchDifference(view, run.image, false);
        const double mirrored = patchDifference(view, run.image, true);
        QVERIFY2(upright < 10 && upright < mirrored,
                 qPrintable(QStringLiteral("%1: %2 upright, %3 upside down").arg(path).arg(upright).arg(mirrored)));
    }
    // The engine's crop, bottom-up and exclusive, converted.
    QCOMPARE(crop, IQPanoramaEngineController::topDownRect(engine->cropRect(), whole.height()));

    // One record per overlap, with its direction and point pairs.
    const QList<OverlapArea>& overlaps = controller->overlaps();
    QCOMPARE(overlaps.size(), vertical.size());
    for (int i = 0; i < overlaps.size(); ++i) {
        QCOMPARE(overlaps.at(i).vertical, vertical.at(i));
        QVERIFY(overlaps.at(i).pairsFound);
        QVERIFY(!overlaps.at(i).rect.isEmpty());
        QVERIFY(whole.rect().contains(overlaps.at(i).rect));
        QCOMPARE(controller->checkFinetuneArea(i, vertical.at(i)), 0);
    }
    // Seams lie in an overlap of their direction.
    const QList<BlendPolyLine>& lines = controller->blendPolyLines();
    QVERIFY(!lines.isEmpty());
    QVERIFY(lines.size() <= overlaps.size());
    for (const BlendPolyLine& line : lines) {
        for (const QPoint& p : line.points) {
            bool inside = false;
            for (const OverlapArea& area : overlaps)
                inside = inside || (area.vertical == line.vertical && area.rect.contains(p));
            QVERIFY2(inside, qPrintable(QStringLiteral("seam point %1, %2").arg(p.x()).arg(p.y())));
        }
    }

    // Fine-tune areas: the two photos each overlap joins, at the size the
    // job saw them, and points inside them.
    for (int i = 0; i < overlaps.size(); ++i) {
        IQFinetuneArea area;
        QCOMPARE(controller->queryFinetuneArea(i, area), 0);
        bool down = false;
        const tagPOINT element = IQPanoramaEngineController::overlapElement(tagStitchStyle(style), columns, rows, i,
                                                                            &down);
        QCOMPARE(area.element.x, element.x);
        QCOMPARE(area.element.y, element.y);
        QCOMPARE(area.vertical, vertical.at(i));
        QVERIFY(paths.contains(area.pathA));
        QVERIFY(paths.contains(area.pathB));
        QVERIFY(area.pathA != area.pathB);
        QCOMPARE(area.sizeA, QSize(320, 240));
        QCOMPARE(area.sizeB, QSize(320, 240));
        for (int k = 0; k < 6; ++k) {
            const QSize size = k < 3 ? area.sizeA : area.sizeB;
            QVERIFY(QRect(QPoint(0, 0), size).adjusted(0, 0, 1, 1).contains(QPoint(area.points[k].x, area.points[k].y)));
        }
        if (IQPanoramaEngine::canFinetune()) {
            int code = -99;
            QVERIFY(!controller->finetune(area, &code).isNull());
            QCOMPARE(code, 0);
        }
    }

    // The job's result bitmap went back once; the job and its folder go with
    // the engine.
    QVERIFY(!engine->handle()->m_hResultDib);
    const QImage cropBefore = run.image.copy();
    controller->releaseEngine();
    QVERIFY(!QDir(folder).exists());
    // The whole panorama went with the engine; the worker's crop stays whole.
    QVERIFY(controller->resultImage().isNull());
    QVERIFY(controller->cropedImage().isNull());
    QCOMPARE(run.image, cropBefore);
    QCOMPARE(IQPanoramaEngine::liveMemoryHandles(), handlesBefore);
    // Every photo lent to the library came back.
    QCOMPARE(IQPanoramaEngine::sharedPhotoCount(), 0);
}

void TestPanoramaStitch::halfSizeIsHalfAsWide()
{
    // 480 x 360 views: at half size 240 x 180 = 43200 pixels, above the
    // smallest the engine takes.
    const double focal = 240 / std::tan(30 * M_PI / 180);
    const SyntheticViews views(m_photo, SyntheticViews::Surface::Cylinder, 480, 360, focal);
    const QList<QString> paths = saveViews(views, views.row(2, 0.4), QStringLiteral("half"));
    QCOMPARE(paths.size(), 2);
    auto* controller = IQPanoramaEngineController::globalInstance();
    int widths[2] = {0, 0};
    for (int size = 0; size < 2; ++size) {
        controller->createEngine(StitchStyleHorizontal, tagStitchOutputSize(size));
        int code = -99;
        const QImage image = controller->stitch(paths, nullptr, &code);
        QCOMPARE(code, 0);
        widths[size] = image.width();
    }
    const double ratio = double(widths[1]) / widths[0];
    QVERIFY2(ratio >= 0.45 && ratio <= 0.55, qPrintable(QStringLiteral("%1 / %2").arg(widths[1]).arg(widths[0])));
}

void TestPanoramaStitch::cancelThenStitchAgain()
{
    const double focal = 160 / std::tan(30 * M_PI / 180);
    const SyntheticViews views(m_photo, SyntheticViews::Surface::Cylinder, 320, 240, focal);
    const QList<QString> paths = saveViews(views, views.row(3, 0.4), QStringLiteral("cancel"));
    QCOMPARE(paths.size(), 3);
    auto* controller = IQPanoramaEngineController::globalInstance();
    controller->createEngine(StitchStyleHorizontal, StitchOutputOriginal);

    const Run cancelled = runThread(paths, 10);
    QCOMPARE(cancelled.code, -1);
    QVERIFY(cancelled.image.isNull());
    QVERIFY(controller->cropedImage().isNull());

    // The same engine stitches the same photos to the end.
    const Run again = runThread(paths);
    QCOMPARE(again.code, 0);
    QVERIFY(!again.image.isNull());
    QCOMPARE(again.percents.last(), 100);
}

void TestPanoramaStitch::nearDuplicateLeavesTheGrid()
{
    // A row of five whose views 1 and 2 lie 6 % of the width from view 0
    // and from each other: view 1 almost coincides with both and leaves the
    // grid. The overlaps then join views 0-2, 2-3 and 3-4, and the fine-tune
    // areas must name those photos.
    const double focal = 160 / std::tan(30 * M_PI / 180);
    const SyntheticViews views(m_photo, SyntheticViews::Surface::Cylinder, 320, 240, focal);
    const double near = std::atan(0.06 * 320 / focal);
    const double step = 2 * std::atan(160 / focal) * 0.6;
    const QList<SyntheticViews::Camera> cameras{{0, 0, 0}, {near, 0, 0}, {2 * near, 0, 0},
                                                {2 * near + step, 0, 0}, {2 * near + 2 * step, 0, 0}};
    const QList<QString> paths = saveViews(views, cameras, QStringLiteral("near"));
    QCOMPARE(paths.size(), 5);
    auto* controller = IQPanoramaEngineController::globalInstance();
    IQPanoramaEngine* engine = controller->createEngine(StitchStyleHorizontal, StitchOutputOriginal);
    int code = -99;
    const QImage image = controller->stitch(paths, nullptr, &code);
    QCOMPARE(code, 0);
    QVERIFY(!image.isNull());
    QCOMPARE(engine->columns(), 4);
    QCOMPARE(engine->rows(), 1);
    const QList<QString> kept{paths[0], paths[2], paths[3], paths[4]};
    QCOMPARE(controller->orderedPaths(), kept);
    QCOMPARE(controller->overlaps().size(), 3);
    for (int i = 0; i < 3; ++i) {
        IQFinetuneArea area;
        QCOMPARE(controller->queryFinetuneArea(i, area), 0);
        QCOMPARE(area.pathA, kept[i]);
        QCOMPARE(area.pathB, kept[i + 1]);
    }
}

void TestPanoramaStitch::photosAreLentUnchanged()
{
    const double focal = 160 / std::tan(30 * M_PI / 180);
    const SyntheticViews views(m_photo, SyntheticViews::Surface::Cylinder, 320, 240, focal);
    const QList<QString> paths = saveViews(views, views.row(3, 0.4), QStringLiteral("lent"));
    QCOMPARE(paths.size(), 3);
    IQPanoramaEngine engine(StitchStyleHorizontal, StitchOutputOriginal);
    // Once reading ends (10 %), fetches lend the cached bitmap: the same
    // block each time, no copy.
    void* first = nullptr;
    void* second = nullptr;
    engine.setProgressReceiver([&](int percent) {
        if (percent >= 10 && !first) {
            QCOMPARE(IQPanoramaEngine::GetImage(&paths[1], &first, &engine), 0);
            QCOMPARE(IQPanoramaEngine::GetImage(&paths[1], &second, &engine), 0);
        }
    });
    QList<QString> ordered;
    tagRECT crop{0, 0, 0, 0};
    int code = -99;
    const QImage whole = engine.stitch(paths, ordered, &crop, &code);
    QCOMPARE(code, 0);
    QVERIFY(!whole.isNull());
    QVERIFY(first);
    QCOMPARE(second, first);
    IQPanoramaEngine::DeleteImage(&second, &engine);
    QVERIFY(!second);

    // The loan outlives the stitch's cache, and the photo is as read: the
    // library, which had it lent all along, wrote nothing into it.
    void* fresh = nullptr;
    QCOMPARE(IQPanoramaEngine::GetImage(&paths[1], &fresh, &engine), 0);
    QVERIFY(fresh && fresh != first);
    const int bytes = 40 + 320 * 3 * 240;
    QCOMPARE(QByteArray(static_cast<const char*>(first), bytes), QByteArray(static_cast<const char*>(fresh), bytes));
    QCOMPARE(IQPanoramaEngine::sharedPhotoCount(), 1);
    IQPanoramaEngine::DeleteImage(&first, &engine);
    IQPanoramaEngine::DeleteImage(&fresh, &engine);
    QCOMPARE(IQPanoramaEngine::sharedPhotoCount(), 0);
}

void TestPanoramaStitch::damagedPhotoIsRefusedByName()
{
    // Three camera photographs of one scene (JPEG, as cameras write them)
    // and a fourth cut short by a failed copy, listed second: the stitch is
    // refused with the code of an unreadable photo, naming that photo and
    // why; the three alone stitch.
    const double focal = 160 / std::tan(30 * M_PI / 180);
    const SyntheticViews views(m_photo, SyntheticViews::Surface::Cylinder, 320, 240, focal);
    const QList<SyntheticViews::Camera> cameras = views.row(3, 0.4);
    QList<QString> good;
    QByteArray lastJpeg;
    for (int i = 0; i < cameras.size(); ++i) {
        const QImage view = IQPanoramaEngine::dib2Image(views.render(cameras.at(i)).constData());
        lastJpeg = ImageFixtures::encode(view, "jpeg", 95);
        const QString path = m_dir.filePath(QStringLiteral("camera-%1.jpg").arg(i));
        QVERIFY(TestSupport::writeFile(path, lastJpeg));
        good << path;
    }
    const QString cut = m_dir.filePath(QStringLiteral("camera-cut.jpg"));
    QVERIFY(TestSupport::writeFile(cut, lastJpeg.left(lastJpeg.size() / 2)));
    const QString garbled = m_dir.filePath(QStringLiteral("camera-garbled.jpg"));
    QVERIFY(TestSupport::writeFile(garbled, HostileImageFiles::garbled(lastJpeg, 0.5, 2048, 7)));

    auto* controller = IQPanoramaEngineController::globalInstance();
    for (const QString& damaged : {cut, garbled}) {
        controller->createEngine(StitchStyleHorizontal, StitchOutputOriginal);
        const Run refused = runThread({good.at(0), damaged, good.at(1), good.at(2)});
        QCOMPARE(refused.code, -3);
        QVERIFY(refused.image.isNull());
        QCOMPARE(refused.refusedPhoto, damaged);
        QCOMPARE(refused.refusedReason, IQImageIO::damagedMessage());
        controller->releaseEngine();
    }

    controller->createEngine(StitchStyleHorizontal, StitchOutputOriginal);
    const Run stitched = runThread(good);
    QCOMPARE(stitched.code, 0);
    QVERIFY(!stitched.image.isNull());
    QVERIFY(stitched.refusedPhoto.isEmpty());
    // On a cylinder of radius f the views' centres lie f x (yaw step) apart:
    // the panorama spans two steps and about a view's width.
    const double step = focal * (cameras.at(1).yaw - cameras.at(0).yaw);
    QVERIFY2(stitched.image.width() > 2 * step + 0.8 * 320 && stitched.image.width() < 2 * step + 1.2 * 320,
             qPrintable(QStringLiteral("%1 against a step of %2").arg(stitched.image.width()).arg(step)));
}

QTEST_GUILESS_MAIN(TestPanoramaStitch)
#include "tst_panoramastitch.moc"
