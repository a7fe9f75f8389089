// The render queue of one picture: how requests coalesce, which results
// are kept, and what a Scale request may not displace.
#include "canvas/PictureRenderPool.h"
#include "canvas/PictureRenderQueue.h"

#include <QTest>

#include <atomic>

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

} // namespace

class PictureRenderQueueTest : public QObject
{
    Q_OBJECT

private slots:
    void hundredRequestsRunAHandfulOfTimes();
    void scaleNeverDisplacesAWaitingRun();
    void scaleNeverDisplacesAFinishedRun();
    void supersededResultIsDropped();
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

QTEST_MAIN(PictureRenderQueueTest)
#include "tst_picturerenderqueue.moc"
