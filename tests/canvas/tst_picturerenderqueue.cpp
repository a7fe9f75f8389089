// The render queue of one picture: how requests coalesce, which results
// are kept, and what a Scale request may not displace.
#include "canvas/PictureRenderPool.h"
#include "canvas/PictureRenderQueue.h"
#include "concurrency/CpuExecutor.h"

#include <QDir>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

namespace {

QImage photoLike(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb(x * 255 / width, y * 255 / height, ((x ^ y) & 0x3f) + 90);
    }
    return image;
}

PictureRenderJob saturationJob(int value)
{
    PictureRenderJob job;
    job.fineTune = true;
    job.param.saturation = value;
    return job;
}

// The threads of this process, from the kernel's list.
int processThreads()
{
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

} // namespace

class PictureRenderQueueTest : public QObject
{
    Q_OBJECT

private slots:
    void hundredRequestsRunAHandfulOfTimes();
    void scaleNeverDisplacesAWaitingRun();
    void scaleNeverDisplacesAFinishedRun();
    void supersededResultIsDropped();
    void fourLargePicturesAtOnceStayWithinTheCores();
};

void PictureRenderQueueTest::hundredRequestsRunAHandfulOfTimes()
{
    std::atomic<int> notified(0);
    PictureRenderQueue queue([&] { ++notified; });
    const QImage picture = photoLike(4000, 3000); // 12 megapixels
    queue.setOrigin(picture);
    for (int i = 1; i <= 100; ++i)
        queue.request(saturationJob(i));
    const std::optional<PictureRenderResult> result = queue.waitForResult();
    QVERIFY(result);
    QVERIFY(result->ok);
    QCOMPARE(result->serial, quint64(100));
    // The first request runs at once and the other 99 wait as one; only a
    // thread held off for a whole run between two requests adds a run.
    QVERIFY2(queue.jobsRun() >= 2 && queue.jobsRun() <= 5, qPrintable(QString::number(queue.jobsRun())));
    QVERIFY(notified >= 1);

    // Equal to one job at the newest value.
    PictureRenderSource fresh;
    fresh.origin = picture;
    PictureRenderJob last = saturationJob(100);
    last.serial = 100;
    QCOMPARE(result->image, renderPictureJob(fresh, last).image);
}

void PictureRenderQueueTest::scaleNeverDisplacesAWaitingRun()
{
    PictureRenderQueue queue([] {});
    queue.setOrigin(photoLike(2000, 1500));
    queue.request(saturationJob(10));
    queue.request(saturationJob(20)); // waits
    PictureRenderJob scale;
    scale.image = photoLike(20, 10);
    scale.shownSize = QSize(100, 75);
    QVERIFY(!queue.requestScale(scale));
    const std::optional<PictureRenderResult> result = queue.waitForResult();
    QVERIFY(result);
    QCOMPARE(result->kind, PictureRenderJob::Run);
    QCOMPARE(result->serial, quint64(2));
    // The waiting run took the new size.
    QCOMPARE(result->scaled.size(), QSize(100, 75));
}

// A picture read from a project asks for its effects at once; when that run
// finishes before the first paint lands it, the paint's Scale request must
// not take the run's place, or the picture shows without its effects.
void PictureRenderQueueTest::scaleNeverDisplacesAFinishedRun()
{
    std::atomic<bool> ready(false);
    PictureRenderQueue queue([&] { ready = true; });
    const QImage picture = photoLike(400, 300);
    queue.setOrigin(picture);
    PictureRenderJob run = saturationJob(-100);
    run.flipHorizontally = true;
    queue.request(run);
    QVERIFY(QTest::qWaitFor([&] { return ready && !queue.busy(); }, 20000));

    PictureRenderJob scale;
    scale.image = picture;
    scale.shownSize = QSize(40, 30);
    queue.requestScale(scale);
    QVERIFY(QTest::qWaitFor([&] { return !queue.busy(); }, 20000));

    const std::optional<PictureRenderResult> result = queue.takeResult();
    QVERIFY(result);
    QCOMPARE(result->kind, PictureRenderJob::Run);
    QCOMPARE(result->serial, quint64(1));
    QVERIFY(!result->image.isNull());
    // Grey and mirrored: the left column holds what was the right one.
    const QRgb left = result->image.pixel(0, 150);
    QCOMPARE(qRed(left), qGreen(left));
    QCOMPARE(qGreen(left), qBlue(left));
    QVERIFY(qRed(left) > qRed(result->image.pixel(399, 150)));
}

void PictureRenderQueueTest::supersededResultIsDropped()
{
    PictureRenderQueue queue([] {});
    queue.setOrigin(photoLike(1000, 800));
    queue.request(saturationJob(40));
    queue.request(saturationJob(50));
    QCOMPARE(queue.supersede(), quint64(3));
    QVERIFY(!queue.waitForResult());
    QVERIFY(!queue.busy());
}

// Four 20-megapixel pictures rendering at once, each run split into bands
// of rows: the renders and their bands share the executor's threads, one a
// core, so no more threads run at once than there are cores and none is
// started for the renders.
void PictureRenderQueueTest::fourLargePicturesAtOnceStayWithinTheCores()
{
    CpuExecutor& executor = CpuExecutor::shared();
    const int cores = int(std::max(2u, std::thread::hardware_concurrency()));
    QCOMPARE(executor.threadCount(), cores);
    // Already in the effects' own format: the four share it, and no
    // conversion hands it to Qt's threads.
    QImage origin(5472, 3648, QImage::Format_BGR888);
    origin.fill(QColor(120, 90, 60));

    std::atomic<bool> rendering(true);
    std::atomic<int> mostThreads(0);
    std::thread counter([&] {
        while (rendering) {
            mostThreads = std::max(mostThreads.load(), processThreads());
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
    // With the counter running: the threads of the process bar the
    // executor's not yet started.
    const int others = processThreads() - executor.load().threads;
    executor.resetPeak();

    std::vector<std::unique_ptr<PictureRenderQueue>> queues;
    for (int i = 0; i < 4; ++i) {
        queues.push_back(std::make_unique<PictureRenderQueue>([] {}));
        queues.back()->setOrigin(origin);
    }
    for (int i = 0; i < 4; ++i)
        queues[std::size_t(i)]->request(saturationJob(10 + i));
    for (const auto& queue : queues) {
        const std::optional<PictureRenderResult> result = queue->waitForResult();
        QVERIFY(result && result->ok);
        QCOMPARE(result->image.size(), origin.size());
    }
    rendering = false;
    counter.join();

    const CpuExecutor::Load load = executor.load();
    QVERIFY2(load.peakRunning <= cores, qPrintable(QString::number(load.peakRunning)));
    QVERIFY2(mostThreads <= others + cores, qPrintable(QStringLiteral("%1 threads beside %2").arg(mostThreads).arg(others)));
    // The bands did reach the threads the four renders left free.
    if (cores > 4)
        QVERIFY2(load.peakRunning > 4, qPrintable(QString::number(load.peakRunning)));
}

QTEST_MAIN(PictureRenderQueueTest)
#include "tst_picturerenderqueue.moc"
