#pragma once

// libvips as the peer of our image operations: Debian 12's libvips42,
// loaded at run time and run in process, so that no file reading or
// program start is timed. Missing libvips gives a null instance.

#include <QImage>

#include <dlfcn.h>

#include <cstddef>
#include <memory>
#include <vector>

#include <benchmark/benchmark.h>

namespace VipsPeer {

enum PeerOp { PeerSaturation, PeerBrightnessContrast, PeerSharpen, PeerColourMatrix, PeerChain, PeerFineTuneChain };
inline const char* const PeerNames[] = {"saturation", "brightness-contrast", "sharpen", "colour matrix", "chain of the four",
                                        "saturation, brightness, contrast"};

// Saturation 30 % as a colour matrix around the luma weights, and a warm
// white-balance matrix; both for B, G, R pixels.
inline const double SaturationMatrix[9] = {1.2658, -0.1761, -0.0897, -0.0342, 1.1239, -0.0897, -0.0342, -0.1761, 1.2103};
inline const double BalanceMatrix[9] = {0.92, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 1.08};

struct Vips
{
    using Init = int (*)(const char*);
    using SetInt = void (*)(int);
    using NewFromMemory = void* (*)(const void*, std::size_t, int, int, int, int);
    using NewMatrix = void* (*)(int, int, const double*, int);
    using Unary = int (*)(void*, void**, ...);
    using Recomb = int (*)(void*, void**, void*, ...);
    using Linear = int (*)(void*, void**, const double*, const double*, int, ...);
    using WriteToMemory = void* (*)(void*, std::size_t*);
    using Release = void (*)(void*);
    using GaussBlur = int (*)(void*, void**, double, ...);
    using Shrink = int (*)(void*, void**, double, double, ...);

    SetInt concurrency = nullptr;
    NewFromMemory newFromMemory = nullptr;
    NewMatrix newMatrix = nullptr;
    Unary sharpen = nullptr;
    Unary castUchar = nullptr;
    Recomb recomb = nullptr;
    Linear linear = nullptr;
    WriteToMemory writeToMemory = nullptr;
    Release unref = nullptr;
    Release release = nullptr;
    // Looked up for the blur and pyramid benchmarks; null where missing.
    GaussBlur gaussBlur = nullptr;
    Shrink shrink = nullptr;

    static const Vips* instance()
    {
        static const std::unique_ptr<Vips> vips = load();
        return vips.get();
    }

private:
    template <typename F>
    static bool find(void* library, const char* name, F& out)
    {
        out = reinterpret_cast<F>(dlsym(library, name));
        return out != nullptr;
    }

    static std::unique_ptr<Vips> load()
    {
        void* library = dlopen("libvips.so.42", RTLD_NOW | RTLD_GLOBAL);
        if (!library)
            return nullptr;
        auto v = std::make_unique<Vips>();
        Init init = nullptr;
        SetInt cacheMax = nullptr;
        const bool found = find(library, "vips_init", init) && find(library, "vips_cache_set_max", cacheMax)
            && find(library, "vips_concurrency_set", v->concurrency)
            && find(library, "vips_image_new_from_memory", v->newFromMemory)
            && find(library, "vips_image_new_matrix_from_array", v->newMatrix) && find(library, "vips_sharpen", v->sharpen)
            && find(library, "vips_cast_uchar", v->castUchar) && find(library, "vips_recomb", v->recomb)
            && find(library, "vips_linear", v->linear) && find(library, "vips_image_write_to_memory", v->writeToMemory)
            && find(library, "g_object_unref", v->unref) && find(library, "g_free", v->release);
        if (!found || init("vellumar-bench") != 0)
            return nullptr;
        find(library, "vips_gaussblur", v->gaussBlur);
        find(library, "vips_shrink", v->shrink);
        cacheMax(0); // every iteration computes afresh
        return v;
    }
};

// Runs `op` once on `image` and renders the result to memory. Returns
// false when libvips refuses.
inline bool runVips(const Vips& vips, PeerOp op, const QImage& image)
{
    std::vector<void*> held;
    void* in = vips.newFromMemory(image.constBits(), std::size_t(image.sizeInBytes()), image.width(), image.height(), 3, 0);
    held.push_back(in);
    bool ok = in != nullptr;
    void* current = in;
    auto step = [&](auto make) {
        if (!ok)
            return;
        void* out = nullptr;
        ok = make(current, &out) == 0;
        if (ok) {
            held.push_back(out);
            current = out;
        }
    };
    auto recomb = [&](const double* matrix) {
        void* m = vips.newMatrix(3, 3, matrix, 9);
        held.push_back(m);
        step([&](void* a, void** b) { return vips.recomb(a, b, m, nullptr); });
        step([&](void* a, void** b) { return vips.castUchar(a, b, nullptr); });
    };
    auto brightnessContrast = [&] {
        const double a[3] = {1.2, 1.2, 1.2};
        const double b[3] = {-15.0, -15.0, -15.0};
        step([&](void* x, void** y) { return vips.linear(x, y, a, b, 3, "uchar", 1, nullptr); });
    };
    auto sharpen = [&] { step([&](void* a, void** b) { return vips.sharpen(a, b, nullptr); }); };

    switch (op) {
    case PeerSaturation:
        recomb(SaturationMatrix);
        break;
    case PeerBrightnessContrast:
        brightnessContrast();
        break;
    case PeerSharpen:
        sharpen();
        break;
    case PeerColourMatrix:
        recomb(BalanceMatrix);
        break;
    case PeerChain:
        recomb(SaturationMatrix);
        brightnessContrast();
        sharpen();
        recomb(BalanceMatrix);
        break;
    case PeerFineTuneChain:
        recomb(SaturationMatrix);
        brightnessContrast();
        break;
    }
    if (ok) {
        std::size_t size = 0;
        void* pixels = vips.writeToMemory(current, &size);
        ok = pixels != nullptr;
        benchmark::DoNotOptimize(pixels);
        vips.release(pixels);
    }
    for (auto it = held.rbegin(); it != held.rend(); ++it)
        if (*it)
            vips.unref(*it);
    return ok;
}

} // namespace VipsPeer
