// The random source is drawn from once per montage tile; compare it with the
// C library's arc4random, which it stands in for.
#include "platform/RandomSource.h"

#include <cstdlib>

#include <benchmark/benchmark.h>

namespace {

void BM_RandomSourceUniform(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(RandomSource::uniform(1000));
}
BENCHMARK(BM_RandomSourceUniform);

void BM_LibcArc4randomUniform(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(arc4random_uniform(1000));
}
BENCHMARK(BM_LibcArc4randomUniform);

} // namespace

BENCHMARK_MAIN();
