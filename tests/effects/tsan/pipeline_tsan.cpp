// Drives the picture effect pipeline from several threads under
// ThreadSanitizer: parameters set from another thread during runs, the
// banded chain itself, and two engines running at once. Exits with 1 when
// a run gives other bytes than the single-threaded chain; ThreadSanitizer
// makes the exit code 66 when it reports a race.
#include "effects/ZIZuzaVuvovi.h"
#include "TsanCheck.h"

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

struct Picture
{
    int width;
    int height;
    int stride;
    std::vector<unsigned char> bytes;

    Picture(int w, int h, std::uint32_t seed)
        : width(w), height(h), stride((3 * w + 3) & ~3), bytes(std::size_t(stride) * h)
    {
        for (auto& b : bytes) {
            seed = seed * 1664525u + 1013904223u;
            b = static_cast<unsigned char>(seed >> 24);
        }
    }
};

Picture runOnce(const Picture& source, const ZIZuzaVuvoviParam& p)
{
    Picture out = source;
    ZIZuzaVuvovi engine(out.width, out.height);
    engine.setThreadCount(1);
    engine.setEngineParam(p);
    engine.runLomo(out.bytes.data(), out.width, out.height, out.stride);
    return out;
}

ZIZuzaVuvoviParam fineTune(int saturation, int brightness, int sharpness, int temperature)
{
    ZIZuzaVuvoviParam p;
    p.saturation = saturation;
    p.contrast = 15;
    p.brightness = brightness;
    p.sharpness = sharpness;
    p.temperature = temperature;
    p.tint = 25;
    return p;
}

using TsanCheck::check;

// One engine: runs on this thread with four bands while another thread keeps
// swapping its parameters; each run must be one whole record's result.
void parametersDuringRuns()
{
    const Picture source(160, 120, 3);
    const ZIZuzaVuvoviParam a = fineTune(40, 20, 60, 6500);
    const ZIZuzaVuvoviParam b = fineTune(-30, -25, 10, 3500);
    const Picture resultA = runOnce(source, a);
    const Picture resultB = runOnce(source, b);

    ZIZuzaVuvovi engine(source.width, source.height);
    engine.setThreadCount(4);
    engine.setEngineParam(a);
    std::atomic<bool> stop(false);
    std::thread setter([&] {
        for (bool flip = false; !stop.load(); flip = !flip)
            engine.setEngineParam(flip ? a : b);
    });
    for (int i = 0; i < 12; ++i) {
        Picture work = source;
        engine.runLomo(work.bytes.data(), work.width, work.height, work.stride);
        check(work.bytes == resultA.bytes || work.bytes == resultB.bytes, "a run mixed two parameter records");
    }
    stop = true;
    setter.join();
}

// Two engines, each banded, on two threads at once: they share no state.
void twoEnginesAtOnce()
{
    const Picture first(200, 90, 5);
    const Picture second(90, 200, 7);
    const ZIZuzaVuvoviParam p = fineTune(25, 30, 45, 8000);
    const Picture expectedFirst = runOnce(first, p);
    const Picture expectedSecond = runOnce(second, p);

    auto run = [&p](const Picture& source, Picture* out) {
        *out = source;
        ZIZuzaVuvovi engine(source.width, source.height);
        engine.setThreadCount(3);
        engine.setEngineParam(p);
        for (int i = 0; i < 4; ++i) {
            *out = source;
            engine.runLomo(out->bytes.data(), out->width, out->height, out->stride);
        }
    };
    Picture a = first, b = second;
    std::thread other(run, std::cref(second), &b);
    run(first, &a);
    other.join();
    check(a.bytes == expectedFirst.bytes, "first engine");
    check(b.bytes == expectedSecond.bytes, "second engine");
}

} // namespace

int main()
{
    parametersDuringRuns();
    twoEnginesAtOnce();
    return TsanCheck::verdict("pipeline_tsan");
}
