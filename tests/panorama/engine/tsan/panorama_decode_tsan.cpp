// Works the panorama engine's photo decoding under ThreadSanitizer: the
// photos of a stitch decoded and packed on the CPU executor while other
// work keeps it busy, lent to the (stand-in) library and dropped again; a
// stitch whose photos include damaged ones; a stitch cancelled from another
// thread while it decodes; and result bitmaps converted in bands by two
// threads at once. Exits with 1 when a result differs from decoding one by
// one; ThreadSanitizer makes the exit code 66 when it reports a race.
//
// The photos are small: Qt hands only large pictures to threads of its
// own, which ThreadSanitizer cannot follow (Qt is not instrumented).
#include "StitchStandIn.h"

#include "panorama/engine/IQPanoramaEngine.h"
#include "concurrency/CpuExecutor.h"
#include "TsanCheck.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

namespace {

using TsanCheck::check;

QImage pattern(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb((x * 3 + seed * 40) & 0xff, (y * 2 + seed * 7) & 0xff, ((x ^ y) + seed) & 0xff);
    }
    return image;
}

// The bitmap the engine hands out for a photo outside a stitch, decoded on
// this thread alone.
QByteArray alone(IQPanoramaEngine& engine, const QString& path)
{
    void* dib = nullptr;
    if (IQPanoramaEngine::GetImage(&path, &dib, &engine) != 0)
        return QByteArray();
    const auto* bits = static_cast<const unsigned char*>(dib);
    quint32 header = 0;
    quint32 rows = 0;
    std::memcpy(&header, bits, 4);
    std::memcpy(&rows, bits + 20, 4);
    const QByteArray copy(reinterpret_cast<const char*>(bits), qsizetype(header) + qsizetype(rows));
    IQPanoramaEngine::DeleteImage(&dib, &engine);
    return copy;
}

// Keeps the executor busy from a thread of its own until stopped.
class Load
{
public:
    Load()
        : thread([this] {
            while (!stop)
                CpuExecutor::shared().forEach(64, [](int i) {
                    volatile int sink = 0;
                    for (int k = 0; k < 20000; ++k)
                        sink = sink + k * i;
                });
        })
    {
    }
    ~Load()
    {
        stop = true;
        thread.join();
    }

private:
    std::atomic<bool> stop{false};
    std::thread thread;
};

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    QList<QString> photos;
    for (int i = 0; i < 8; ++i) {
        photos << dir.filePath(QStringLiteral("p%1.jpg").arg(i));
        pattern(480, 360, i).save(photos.last());
    }

    {
        IQPanoramaEngine engine(StitchStyleHorizontal, StitchOutputHalf);
        QList<QByteArray> references;
        for (const QString& photo : photos)
            references << alone(engine, photo);

        QList<QString> ordered;
        int code = 0;
        {
            Load load;
            engine.stitch(photos, ordered, nullptr, &code);
        }
        check(code == StitchStandIn::LoadCode, "the photos all decode and reach the library");
        check(int(StitchStandIn::fetched.size()) == photos.size(), "every photo is fetched");
        for (std::size_t i = 0; i < StitchStandIn::fetched.size(); ++i) {
            const StitchStandIn::Fetched& f = StitchStandIn::fetched[i];
            check(f.name == photos.at(qsizetype(i)), "the photos in list order");
            check(f.bitmap == references.at(qsizetype(i)), "a photo decoded beside others as alone");
            check(f.size.x == 240 && f.size.y == 180, "the size of a half-size photo");
        }
        check(IQPanoramaEngine::sharedPhotoCount() == 0, "no photo left after the stitch");

        // Damaged photos: the first in list order gives the code and is
        // named, whichever thread found it first.
        QList<QString> damaged = photos;
        QFile text(dir.filePath(QStringLiteral("text.jpg")));
        if (text.open(QIODevice::WriteOnly))
            text.write("plain text\n");
        text.close();
        QFile cut(dir.filePath(QStringLiteral("cut.jpg")));
        QFile whole(photos.at(2));
        if (whole.open(QIODevice::ReadOnly) && cut.open(QIODevice::WriteOnly))
            cut.write(whole.read(whole.size() / 2));
        cut.close();
        damaged[3] = cut.fileName();
        damaged[6] = text.fileName();
        StitchStandIn::fetched.clear();
        engine.stitch(damaged, ordered, nullptr, &code);
        check(code == -3 && engine.refusedPhoto() == cut.fileName(), "the first damaged photo in list order");
        check(StitchStandIn::fetched.empty(), "nothing reaches the library after a damaged photo");
        check(IQPanoramaEngine::sharedPhotoCount() == 0, "no photo left after a refused stitch");

        // Cancelled from another thread while the photos decode: either in
        // time (-1) or too late to matter; nothing is left either way.
        std::atomic_bool cancel{false};
        engine.setCancelFlag(&cancel);
        std::thread canceller([&cancel] {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            cancel = true;
        });
        engine.stitch(photos, ordered, nullptr, &code);
        canceller.join();
        engine.setCancelFlag(nullptr);
        check(code == -1 || code == StitchStandIn::LoadCode, "a cancelled stitch");
        check(IQPanoramaEngine::sharedPhotoCount() == 0, "no photo left after a cancelled stitch");
    }

    // Result bitmaps converted in bands, by two threads at once.
    const QImage sources[2] = {pattern(1600, 1200, 1), pattern(1500, 1300, 2)};
    void* dibs[2] = {nullptr, nullptr};
    for (int k = 0; k < 2; ++k)
        check(IQPanoramaEngine::imageToDib(sources[k], &dibs[k]) == 0, "a result bitmap");
    QImage results[2];
    std::thread first([&] { results[0] = IQPanoramaEngine::dib2Image(dibs[0]); });
    std::thread second([&] { results[1] = IQPanoramaEngine::dib2Image(dibs[1]); });
    first.join();
    second.join();
    for (int k = 0; k < 2; ++k) {
        bool same = results[k].size() == sources[k].size();
        for (int y = 0; same && y < sources[k].height(); ++y) {
            const auto* in = reinterpret_cast<const QRgb*>(sources[k].constScanLine(y));
            const auto* out = reinterpret_cast<const QRgb*>(results[k].constScanLine(y));
            for (int x = 0; same && x < sources[k].width(); ++x)
                same = out[x] == (in[x] | 0xff000000u);
        }
        check(same, "a result bitmap converted in bands");
        IQPanoramaEngine::DeleteImage(&dibs[k], nullptr);
    }

    return TsanCheck::verdict("panorama_decode_tsan");
}
