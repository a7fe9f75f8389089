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
