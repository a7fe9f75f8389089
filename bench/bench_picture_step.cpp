// One fine-tune step of canvas pictures: a saturation change until every
// selected picture's new pixmap has landed on the GUI thread, at 1, 12 and
// 24 megapixels, for one and four selected pictures. Beside it: the GUI
// thread's own CPU time per step, the longest event-loop gap during a
// two-second drag at 60 steps a second, the same step by the synchronous
// rule (copy, engine, pixmap, all on the calling thread), and in the same
// run libvips (in process, all threads) running its nearest chain,
// saturation then brightness and contrast, on the same picture.
//
// The picture is the pipeline benchmark's photograph (BenchPhoto.h).
#include "BenchPhoto.h"
#include "VipsPeer.h"
#include "canvas/CPixmap.h"
#include "effects/ZIZuzaVuvovi.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>

#include <algorithm>
#include <ctime>
#include <memory>
#include <thread>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

using namespace BenchPhoto;
using namespace VipsPeer;

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The selected pictures of a canvas, all made from the photograph.
struct Selection
{
    std::vector<std::unique_ptr<CPixmap>> pictures;
    int landed = 0;

    Selection(int megapixels, int count)
    {
        for (int i = 0; i < count; ++i) {
            pictures.push_back(std::make_unique<CPixmap>(picture(megapixels)));
            pictures.back()->setRenderedHandler([this] { ++landed; });
        }
    }

    // What the canvas does for a slider value: the effect to every picture.
    void step(int saturation)
    {
        for (auto& p : pictures)
            p->toSaturation(saturation);
    }

    bool pending() const
    {
        return std::any_of(pictures.begin(), pictures.end(), [](const auto& p) { return p->renderPending(); });
    }

    // Runs the event loop until every newest request has landed.
    void land()
    {
        while (pending())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
};

// Arguments: megapixels, pictures.
void BM_Step(benchmark::State& state)
{
    Selection selection(int(state.range(0)), int(state.range(1)));
    // The first step makes each picture's source and engine, the second
    // the spare pixel buffer that steps then take turns with: not timed
    // (the first step of a picture costs fresh memory; see RESULTS.md).
    selection.step(10);
    selection.land();
    selection.step(15);
    selection.land();
    int value = 20;
    double guiMs = 0;
    for (auto _ : state) {
        const double cpu = threadCpuMs();
        selection.step(value);
        selection.land();
        guiMs += threadCpuMs() - cpu;
        value = value == 20 ? 40 : 20;
    }
    state.counters["gui_ms"] = benchmark::Counter(guiMs, benchmark::Counter::kAvgIterations);
}

// Arguments: megapixels, pictures. One iteration: 120 steps 16 ms apart,
// then until the last has landed. A 1 ms heartbeat timer shows how long
// the event loop was kept from running.
void BM_Drag(benchmark::State& state)
{
    Selection selection(int(state.range(0)), int(state.range(1)));
    selection.step(1);
    selection.land();
    for (auto _ : state) {
        selection.landed = 0;
        QElapsedTimer clock;
        clock.start();
        qint64 lastBeat = 0;
        qint64 longestGap = 0;
        QTimer heartbeat;
        heartbeat.setTimerType(Qt::PreciseTimer);
        heartbeat.setInterval(1);
        QObject::connect(&heartbeat, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            longestGap = std::max(longestGap, now - lastBeat);
            lastBeat = now;
        });
        int steps = 0;
        QTimer drag;
        drag.setTimerType(Qt::PreciseTimer);
        drag.setInterval(16);
        QEventLoop loop;
        QObject::connect(&drag, &QTimer::timeout, [&] {
            // A sweep from -100 to 100 and back, as a hand on the slider.
            const int position = steps % 100;
            selection.step(steps / 100 % 2 == 0 ? position * 2 - 100 : 100 - position * 2);
            if (++steps == 120) {
                drag.stop();
                loop.quit();
            }
        });
        heartbeat.start();
        drag.start();
        loop.exec();
        selection.land();
        heartbeat.stop();
        state.counters["longest_gap_ms"] = double(longestGap) / 1e6;
        state.counters["landed"] = selection.landed;
        state.counters["drag_s"] = double(clock.nsecsElapsed()) / 1e9;
    }
}

// Arguments: megapixels, pictures. The step as the synchronous rule takes
// it: per picture a copy of the source, the engine, the pixmap.
void BM_SyncStep(benchmark::State& state)
{
    const QImage& source = picture(int(state.range(0)));
    const int count = int(state.range(1));
    std::vector<std::unique_ptr<ZIZuzaVuvovi>> engines;
    for (int i = 0; i < count; ++i)
        engines.push_back(std::make_unique<ZIZuzaVuvovi>(source.width(), source.height()));
    int value = 20;
    for (auto _ : state) {
        for (auto& engine : engines) {
            QImage work = source.copy();
            ZIZuzaVuvoviParam param;
            param.saturation = value;
            engine->setEngineParam(param);
            engine->runLomo(work.bits(), work.width(), work.height(), int(work.bytesPerLine()));
            QPixmap pixmap = QPixmap::fromImage(work);
            benchmark::DoNotOptimize(pixmap);
        }
        value = value == 20 ? 40 : 20;
    }
}

// Arguments: megapixels, pictures; libvips on all threads.
void BM_VipsChain(benchmark::State& state)
{
    const Vips* vips = Vips::instance();
    if (!vips) {
        state.SkipWithError("libvips.so.42 not available");
        return;
    }
    const QImage& image = picture(int(state.range(0)));
    vips->concurrency(int(std::max(1u, std::thread::hardware_concurrency())));
    for (auto _ : state) {
        for (int i = 0; i < state.range(1); ++i) {
            if (!runVips(*vips, PeerFineTuneChain, image)) {
                state.SkipWithError("libvips refused the chain");
                return;
            }
        }
    }
}

void sizes(benchmark::internal::Benchmark* b)
{
    for (int mp : {1, 12, 24})
        for (int pictures : {1, 4})
            b->Args({mp, pictures});
}

BENCHMARK(BM_Step)->Apply(sizes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Drag)->Apply(sizes)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_SyncStep)->Apply(sizes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_VipsChain)->Apply(sizes)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
