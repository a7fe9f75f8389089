// Film looks: the 17-cubed colour look-up and the grain, per megapixel.
#include "effects/FilmEngine.h"
#include "effects/FilmGrain.h"

#include <cstdint>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

constexpr int width = 2048, height = 1024; // 2 megapixels
constexpr int stride = 3 * width;

std::vector<std::uint8_t> testPicture()
{
    std::vector<std::uint8_t> bytes(size_t(stride) * height);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = std::uint8_t((i * 7) ^ (i >> 9));
    return bytes;
}

void BM_FilmColorTableLookup(benchmark::State& state)
{
    std::vector<std::uint8_t> table(14739);
    for (size_t i = 0; i < table.size(); ++i)
        table[i] = std::uint8_t(i * 13);
    std::vector<std::uint8_t> picture = testPicture();
    for (auto _ : state) {
        fpApplyColorTable(table.data(), picture.data(), width, height, stride);
        benchmark::ClobberMemory();
    }
    state.counters["ms_per_MP"] = benchmark::Counter(double(state.iterations()) * width * height / 1e9,
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FilmColorTableLookup)->Unit(benchmark::kMillisecond);

void BM_FilmGrain(benchmark::State& state)
{
    std::vector<std::uint8_t> weights(12288, 128);
    FPParamInfo info{};
    info.grainModel = int(state.range(0));
    info.grainIntensity = 100;
    info.grainSize = double(state.range(1));
    info.grainTable = weights.data();
    std::vector<std::uint8_t> picture = testPicture();
    for (auto _ : state) {
        fpPhotoFilmGrain(&info, picture.data(), width, height, stride);
        benchmark::ClobberMemory();
    }
    state.counters["ms_per_MP"] = benchmark::Counter(double(state.iterations()) * width * height / 1e9,
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
// Model 1 at size 1: two-tap enlargement; model 10 at size 5: four taps.
BENCHMARK(BM_FilmGrain)->Args({1, 1})->Args({10, 5})->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
