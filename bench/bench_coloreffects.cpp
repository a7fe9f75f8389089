// Per-pixel colour effects of the picture pipeline: white balance (12-bit
// linear matrix) and cross processing (17 x 17 x 17 table, trilinear), on
// pictures of one and twelve megapixels of noise. Every iteration starts
// from the same picture (the copy is not timed), so repeated runs do not
// drift towards saturated colours. Time per iteration divided by the
// megapixels gives milliseconds per megapixel; the counter "MP/s" says the
// same the other way round.
#include "effects/BlackAndWhite.h"
#include "effects/CrossProcessing.h"
#include "effects/PhotoFilter.h"
#include "effects/WhiteBalance.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

std::vector<std::uint8_t> picture(int width, int height)
{
    std::vector<std::uint8_t> bytes(std::size_t(width) * 3 * height);
    std::uint32_t state = 12345;
    for (std::uint8_t& b : bytes) {
        state = state * 1664525u + 1013904223u;
        b = std::uint8_t(state >> 24);
    }
    return bytes;
}

void restore(benchmark::State& state, std::vector<std::uint8_t>& bytes, const std::vector<std::uint8_t>& source)
{
    state.PauseTiming();
    bytes = source;
    state.ResumeTiming();
}

void setMegapixels(benchmark::State& state, int width, int height)
{
    const double megapixels = double(width) * height / 1.0e6;
    state.counters["MP/s"] = benchmark::Counter(megapixels, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_WhiteBalance(benchmark::State& state)
{
    const int width = int(state.range(0)), height = int(state.range(1));
    std::vector<std::uint8_t> bytes = picture(width, height);
    AWB_WHITEBALANCE_CONTEXT* context = nullptr;
    AWB_WHITEBALANCE_Init(&context);
    const std::vector<std::uint8_t> source = bytes;
    for (auto _ : state) {
        restore(state, bytes, source);
        EffectImage image{width, height, EffectFormatBGR8, 0, 3 * width, bytes.data()};
        AWB_RunWhiteBalanceEffectImage(context, {WhiteBalanceModeCustom, 3200}, 20, &image);
        benchmark::ClobberMemory();
    }
    AWB_WHITEBALANCE_Uninit(context);
    setMegapixels(state, width, height);
}
BENCHMARK(BM_WhiteBalance)->Args({1000, 1000})->Args({4000, 3000})->Unit(benchmark::kMillisecond);

void BM_CrossProcessing(benchmark::State& state)
{
    const int width = int(state.range(0)), height = int(state.range(1));
    std::vector<std::uint8_t> bytes = picture(width, height);
    const std::vector<std::uint8_t> source = bytes;
    for (auto _ : state) {
        restore(state, bytes, source);
        ExecuteCrossProcessingImage(bytes.data(), width, height, 3 * width);
        benchmark::ClobberMemory();
    }
    setMegapixels(state, width, height);
}
BENCHMARK(BM_CrossProcessing)->Args({1000, 1000})->Args({4000, 3000})->Unit(benchmark::kMillisecond);

void BM_PhotoFilter(benchmark::State& state)
{
    const int width = 1000, height = 1000;
    std::vector<std::uint8_t> bytes = picture(width, height);
    const std::vector<std::uint8_t> source = bytes;
    for (auto _ : state) {
        restore(state, bytes, source);
        ExecutePhotoFilterImage(bytes.data(), width, height, 3 * width, 236, 138, 0, 25, 1);
        benchmark::ClobberMemory();
    }
    setMegapixels(state, width, height);
}
BENCHMARK(BM_PhotoFilter)->Unit(benchmark::kMillisecond);

void BM_BlackAndWhite(benchmark::State& state)
{
    const int width = 1000, height = 1000;
    std::vector<std::uint8_t> bytes = picture(width, height);
    const std::vector<std::uint8_t> source = bytes;
    for (auto _ : state) {
        restore(state, bytes, source);
        ExecuteBlackAndWhite(bytes.data(), width, height, 3 * width);
        benchmark::ClobberMemory();
    }
    setMegapixels(state, width, height);
}
BENCHMARK(BM_BlackAndWhite)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
