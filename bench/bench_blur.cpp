// The lens blur runs on every picture whose lens-blur setting is 15 or more,
// at levels = setting x 0.07 and focus 50. The Gaussian blur is compared with
// libvips' gaussblur on the same pixels, both on one thread; libvips is
// loaded at run time, and its benchmarks are left out when it is missing.
#include "effects/Blur.h"

#include "VipsPeer.h"

#include <cstdint>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

struct Picture
{
    int width;
    int height;
    int stride;
    std::vector<std::uint8_t> src;
    std::vector<std::uint8_t> dst;

    Picture(int w, int h)
        : width(w), height(h), stride((3 * w + 3) & ~3), src(std::size_t(stride) * h), dst(src.size())
    {
        std::mt19937 generator(1);
        for (auto& byte : src)
            byte = std::uint8_t(generator() & 0xFF);
    }

    double megapixels() const { return double(width) * height / 1.0e6; }
};

Picture& picture(int megapixels)
{
    static Picture one(1000, 1000);
    static Picture twelve(4000, 3000);
    return megapixels == 1 ? one : twelve;
}

void perMegapixel(benchmark::State& state, const Picture& p)
{
    state.counters["s_per_MP"] = benchmark::Counter(p.megapixels(), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Arguments: megapixels, levels.
void BM_LensBlur(benchmark::State& state)
{
    Picture& p = picture(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ExecuteLensBlur(p.src.data(), p.width, p.height, p.stride, p.dst.data(), int(state.range(1)), 50));
    perMegapixel(state, p);
}
BENCHMARK(BM_LensBlur)->Args({1, 1})->Args({1, 3})->Args({1, 7})->Args({12, 7})->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LensBlurReference(benchmark::State& state)
{
    Picture& p = picture(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(Effects::lensBlurReference(p.src.data(), p.width, p.height, p.stride, p.dst.data(), int(state.range(1)), 50));
    perMegapixel(state, p);
}
BENCHMARK(BM_LensBlurReference)->Args({1, 7})->Args({12, 7})->Unit(benchmark::kMillisecond)->UseRealTime();

// Arguments: megapixels, sigma.
void BM_GaussBlur(benchmark::State& state)
{
    Picture& p = picture(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ExecuteGuassBlur(p.src.data(), p.width, p.height, p.stride, p.dst.data(), 50, double(state.range(1))));
    perMegapixel(state, p);
}
BENCHMARK(BM_GaussBlur)->Args({1, 2})->Args({1, 10})->Args({12, 2})->Unit(benchmark::kMillisecond)->UseRealTime();

// Same pixels (rows packed, as libvips wants them), same sigma and kernel
// reach, result written to memory so that the whole pipeline runs.
void BM_VipsGaussBlur(benchmark::State& state)
{
    const VipsPeer::Vips* vips = VipsPeer::Vips::instance();
    if (!vips || !vips->gaussBlur) {
        state.SkipWithError("libvips.so.42 not available");
        return;
    }
    vips->concurrency(1);
    static Picture packedOne(1000, 1000);
    static Picture packedTwelve(4000, 3000);
    Picture& p = state.range(0) == 1 ? packedOne : packedTwelve;
    const std::size_t packedBytes = std::size_t(3) * p.width * p.height;
    for (auto _ : state) {
        void* in = vips->newFromMemory(p.src.data(), packedBytes, p.width, p.height, 3, 0 /* uchar */);
        void* out = nullptr;
        // Cut the kernel where ours ends, at 2 sigma (amplitude e^-2).
        if (vips->gaussBlur(in, &out, double(state.range(1)), "min_ampl", 0.1353, nullptr) != 0) {
            vips->unref(in);
            state.SkipWithError("vips_gaussblur failed");
            return;
        }
        std::size_t size = 0;
        void* pixels = vips->writeToMemory(out, &size);
        benchmark::DoNotOptimize(pixels);
        vips->release(pixels);
        vips->unref(out);
        vips->unref(in);
    }
    perMegapixel(state, p);
}
BENCHMARK(BM_VipsGaussBlur)->Args({1, 2})->Args({1, 10})->Args({12, 2})->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
