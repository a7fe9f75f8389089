// Works the picture render queue under ThreadSanitizer: a stream of
// requests coalescing behind a run, Scale requests between them, a queue
// deleted while its job runs, and two pictures rendering at once; and the
// decodes a project read starts ahead (PicturePrefetch): many taken while
// others still run, some let go before or during their decode. Exits
// with 1 when a result is wrong; ThreadSanitizer makes the exit code 66
// when it reports a race.
//
// Qt's image conversions and smooth scaling hand large pictures to Qt's own
// threads, which ThreadSanitizer cannot follow (Qt is not instrumented). So
// pictures that convert or scale stay below 65536 pixels, where Qt works on
// the calling thread; the large picture, whose run the engine splits into
// bands on the executor's threads, is kept in the format it renders to.
#include "canvas/PicturePrefetch.h"
#include "canvas/PictureRenderPool.h"
#include "canvas/PictureRenderQueue.h"
#include "TsanCheck.h"

#include <QFile>
#include <QTemporaryDir>

#include <atomic>
#include <cstdio>
#include <memory>
#include <thread>

namespace {

using TsanCheck::check;

// Filled in place: a conversion of a large picture would use Qt's threads.
QImage picture(int width, int height, int seed, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, format);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 7 + seed) & 0xff, (y * 3 + seed * 5) & 0xff, (x + y + seed) & 0xff));
    return image;
}

PictureRenderJob job(int saturation, bool flip)
{
    PictureRenderJob j;
    j.fineTune = true;
    j.param.saturation = saturation;
    j.param.sharpness = 30;
    j.flipHorizontally = flip;
    j.shownSize = QSize(64, 48);
    return j;
}

// For the large picture: no conversion, no shown copy.
PictureRenderJob bandedJob(int saturation)
{
    PictureRenderJob j = job(saturation, false);
    j.shownSize = QSize();
    j.opaqueFormat = QImage::Format_BGR888;
    return j;
}

QImage reference(const QImage& origin, const PictureRenderJob& j)
{
    PictureRenderSource source;
    source.origin = origin;
    return renderPictureJob(source, j).image;
}

// Requests, Scale requests and takes from the owner's thread while the
// render thread runs; the result must be the newest request's.
void streamOfRequests()
{
    const QImage origin = picture(240, 180, 1);
    std::atomic<int> notified(0);
    PictureRenderQueue queue([&] { ++notified; });
    queue.setOrigin(origin);
    for (int i = 0; i < 40; ++i) {
        queue.request(job(i, i % 3 == 0));
        PictureRenderJob scale;
        scale.image = origin;
        scale.shownSize = QSize(32 + i, 24);
        queue.requestScale(scale);
        if (i % 7 == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        queue.takeResult();
    }
    const std::optional<PictureRenderResult> result = queue.waitForResult();
    check(result && result->ok && result->serial == queue.newestRequest(), "the newest request's result");
    check(result && result->image == reference(origin, job(39, true)), "bytes of the newest request");
    check(queue.jobsRun() < 40, "requests coalesce");
}

// The queue goes while its job runs; the job finishes on its own.
void deletedWhileRunning()
{
    for (int i = 0; i < 3; ++i) {
        auto queue = std::make_unique<PictureRenderQueue>([] {});
        queue->setOrigin(picture(1200, 900, i, QImage::Format_BGR888));
        queue->request(bandedJob(50));
        queue->request(bandedJob(60));
        if (i == 1)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        queue.reset();
    }
    PictureRenderPool::instance().waitUntilIdle();
}

// Two pictures render at once; each result is its own.
void twoPicturesAtOnce()
{
    const QImage first = picture(1200, 900, 3, QImage::Format_BGR888);
    const QImage second = picture(160, 200, 4);
    PictureRenderQueue a([] {});
    PictureRenderQueue b([] {});
    a.setOrigin(first);
    b.setOrigin(second);
    for (int i = 0; i < 5; ++i) {
        a.request(bandedJob(10 * i));
        b.request(job(-10 * i, true));
    }
    const std::optional<PictureRenderResult> ra = a.waitForResult();
    const std::optional<PictureRenderResult> rb = b.waitForResult();
    check(ra && ra->image == reference(first, bandedJob(40)), "first picture");
    check(rb && rb->image == reference(second, job(-40, true)), "second picture");
}

// As a project read: one prefetch per picture, all started, then taken in
// order on this thread while later ones still decode; every third is let go
// untaken, before or while it decodes. The decoder fills its picture in
// place (no Qt threads) from the file's number; files named "bad" fail.
void prefetchesTakenWhileOthersRun()
{
    QTemporaryDir dir;
    const int count = 24;
    QList<QString> files;
    for (int i = 0; i < count; ++i) {
        files << dir.filePath(QStringLiteral("%1%2").arg(i % 5 == 4 ? "bad" : "p").arg(i));
        QFile file(files.last());
        file.open(QIODevice::WriteOnly);
    }
    const PicturePrefetch::Decoder decoder = [](const QString& path, QString*) {
        const QString name = path.section(QLatin1Char('/'), -1);
        if (name.startsWith(QLatin1String("bad")))
            return QImage();
        return picture(90, 60, name.mid(1).toInt());
    };
    std::vector<std::unique_ptr<PicturePrefetch>> prefetches;
    for (int i = 0; i < count; ++i) {
        // A failing file first, then a good one, as a project's fallback.
        const QString bad = dir.filePath(QStringLiteral("bad%1").arg(i));
        QList<PicturePrefetch::Candidate> candidates;
        if (i % 4 == 1) {
            QFile file(bad);
            file.open(QIODevice::WriteOnly);
            candidates.append({bad, bad});
        }
        candidates.append({files.at(i), files.at(i)});
        prefetches.push_back(std::make_unique<PicturePrefetch>(candidates, decoder));
    }
    for (int i = 0; i < count; ++i) {
        if (i % 3 == 2) {
            prefetches[i].reset();
            continue;
        }
        const std::optional<QImage> image = prefetches[i]->take(files.at(i));
        const bool good = i % 5 != 4;
        check(image.has_value(), "a tried file has a result");
        check(image && image->isNull() != good, "the file's own result");
        check(!good || (image && *image == picture(90, 60, i)), "the file's own pixels");
        prefetches[i].reset();
    }
    PictureRenderPool::instance().waitUntilIdle();
}

} // namespace

int main()
{
    streamOfRequests();
    deletedWhileRunning();
    twoPicturesAtOnce();
    prefetchesTakenWhileOthersRun();
    return TsanCheck::verdict("picture_queue_tsan");
}
