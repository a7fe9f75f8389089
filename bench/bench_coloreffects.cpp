// Per-pixel colour effects of the picture pipeline: white balance (12-bit
// linear matrix) and cross processing (17 x 17 x 17 table, trilinear), with
// the photo filter and black and white for scale, on pictures of one and
// twelve megapixels of noise. Every iteration starts from the same picture
// (the copy is not timed), so repeated runs do not drift towards saturated
// colours. Time per iteration divided by the megapixels gives milliseconds
// per megapixel; the counter "MP/s" says the same the other way round.
#include "effects/BlackAndWhite.h"
#include "effects/CrossProcessing.h"
#include "effects/PhotoFilter.h"
#include "effects/WhiteBalance.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

std::vector<std::uint8_t> noise(int width, int height)
{
    std::vector<std::uint8_t> bytes(std::size_t(width) * 3 * height);
    std::uint32_t state = 12345;
    for (std::uint8_t& b : bytes) {
        state = state * 1664525u + 1013904223u;
        b = std::uint8_t(state >> 24);
    }
    return bytes;
}

// Runs `effect(bits, width, height)` in place on a picture of the size the
// benchmark's arguments give.
template <typename Effect>
void inPlace(benchmark::State& state, Effect effect)
{
    const int width = int(state.range(0)), height = int(state.range(1));
    const std::vector<std::uint8_t> source = noise(width, height);
    std::vector<std::uint8_t> bytes = source;
    for (auto _ : state) {
        state.PauseTiming();
        bytes = source;
        state.ResumeTiming();
        effect(bytes.data(), width, height);
        benchmark::ClobberMemory();
    }
    const double megapixels = double(width) * height / 1.0e6;
    state.counters["MP/s"] = benchmark::Counter(megapixels, benchmark::Counter::kIsIterationInvariantRate);
}

struct WhiteBalance
{
    AWB_WHITEBALANCE_CONTEXT* context = nullptr;
    WhiteBalance() { AWB_WHITEBALANCE_Init(&context); }
    ~WhiteBalance() { AWB_WHITEBALANCE_Uninit(context); }
};

void whiteBalance(std::uint8_t* bits, int width, int height)
{
    static WhiteBalance engine;
    EffectImage image{width, height, EffectFormatBGR8, 0, 3 * width, bits};
    AWB_RunWhiteBalanceEffectImage(engine.context, {WhiteBalanceModeCustom, 3200}, 20, &image);
}

void crossProcessing(std::uint8_t* bits, int width, int height)
{
    ExecuteCrossProcessingImage(bits, width, height, 3 * width);
}

void photoFilter(std::uint8_t* bits, int width, int height)
{
    ExecutePhotoFilterImage(bits, width, height, 3 * width, 236, 138, 0, 25, 1);
}

void blackAndWhite(std::uint8_t* bits, int width, int height)
{
    ExecuteBlackAndWhite(bits, width, height, 3 * width);
}

} // namespace

BENCHMARK_CAPTURE(inPlace, WhiteBalance, whiteBalance)->Args({1000, 1000})->Args({4000, 3000})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(inPlace, CrossProcessing, crossProcessing)->Args({1000, 1000})->Args({4000, 3000})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(inPlace, PhotoFilter, photoFilter)->Args({1000, 1000})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(inPlace, BlackAndWhite, blackAndWhite)->Args({1000, 1000})->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
