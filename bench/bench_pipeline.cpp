// The picture effect pipeline (ZIZuzaVuvovi) in milliseconds per megapixel:
// each fine-tune step alone and the whole six-value chain, at 1, 4 and 24
// megapixels, on one thread and on all, with the plain step-by-step chain
// beside it. In the same run, the nearest libvips operations (loaded at run
// time, in process) and ImageMagick commands (run as programs, the time of
// reading the input subtracted), each at one thread and at all threads.
// Peers that are missing are skipped.
//
// The picture is VELLUMAR_BENCH_PHOTO, else the wood-grain photograph of
// Debian's mate-backgrounds package, else synthetic; scaled to each size.
#include "effects/ZIZuzaVuvovi.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <dlfcn.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <thread>

#include <benchmark/benchmark.h>

namespace {

// Sizes by megapixels (4:3, even widths so that libvips and ImageMagick
// see the same pixels without row padding).
QSize pictureSize(int megapixels)
{
    switch (megapixels) {
    case 1:
        return {1152, 864};
    case 4:
        return {2304, 1728};
    default:
        return {6000, 4000};
    }
}

QImage loadPhoto()
{
    QString path = qEnvironmentVariable("VELLUMAR_BENCH_PHOTO");
    if (path.isEmpty())
        path = QStringLiteral("/usr/share/backgrounds/mate/nature/Wood.jpg");
    QImage photo(path);
    if (!photo.isNull())
        return photo;
    std::fprintf(stderr, "photo %s not found; using a synthetic picture\n", qPrintable(path));
    QImage synthetic(2560, 1920, QImage::Format_BGR888);
    std::uint32_t seed = 1;
    for (int y = 0; y < synthetic.height(); ++y) {
        uchar* line = synthetic.scanLine(y);
        for (int x = 0; x < synthetic.width() * 3; ++x) {
            seed = seed * 1664525u + 1013904223u;
            line[x] = uchar(((x / 3) * 255 / synthetic.width() + y * 128 / synthetic.height() + (seed >> 28)) & 0xFF);
        }
    }
    return synthetic;
}

const QImage& picture(int megapixels)
{
    static std::map<int, QImage> pictures;
    QImage& image = pictures[megapixels];
    if (image.isNull()) {
        static const QImage photo = loadPhoto();
        image = photo.scaled(pictureSize(megapixels), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_BGR888);
    }
    return image;
}

void perMegapixel(benchmark::State& state, const QImage& image)
{
    const double megapixels = double(image.width()) * image.height() / 1e6;
    // An inverted rate: shown as time per megapixel.
    state.counters["per_MP"] = benchmark::Counter(megapixels, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

int allThreads()
{
    return int(std::max(1u, std::thread::hardware_concurrency()));
}

enum Step { Saturation, Contrast, Brightness, Sharpness, Temperature, Tint, Chain };
const char* const StepNames[] = {"saturation", "contrast", "brightness", "sharpness", "temperature", "tint", "six-value chain"};

ZIZuzaVuvoviParam settings(int step)
{
    ZIZuzaVuvoviParam p;
    const bool all = step == Chain;
    if (all || step == Saturation)
        p.saturation = 30;
    if (all || step == Contrast)
        p.contrast = 20;
    if (all || step == Brightness)
        p.brightness = 15;
    if (all || step == Sharpness)
        p.sharpness = 40;
    if (all || step == Temperature)
        p.temperature = 6500;
    if (all || step == Tint)
        p.tint = 20;
    return p;
}

// Arguments: step, megapixels, threads (0: the engine's own choice, up to
// one band per core but none below a quarter megapixel; the plain chain
// always runs on one).
void runEngine(benchmark::State& state, bool reference)
{
    const QImage& original = picture(int(state.range(1)));
    QImage work = original.copy();
    ZIZuzaVuvovi engine(work.width(), work.height());
    engine.setThreadCount(int(state.range(2)));
    engine.setEngineParam(settings(int(state.range(0))));
    // The first run makes the contexts and analyses the exposure: not timed.
    engine.runLomo(work.bits(), work.width(), work.height(), int(work.bytesPerLine()));
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(work.bits(), original.constBits(), std::size_t(original.sizeInBytes()));
        state.ResumeTiming();
        if (reference)
            engine.runLomoReference(work.bits(), work.width(), work.height(), int(work.bytesPerLine()));
        else
            engine.runLomo(work.bits(), work.width(), work.height(), int(work.bytesPerLine()));
        benchmark::ClobberMemory();
    }
    state.SetLabel(StepNames[state.range(0)]);
    perMegapixel(state, original);
}

void BM_Pipeline(benchmark::State& state)
{
    runEngine(state, false);
}

void BM_PipelineReference(benchmark::State& state)
{
    runEngine(state, true);
}

void engineArguments(benchmark::internal::Benchmark* b)
{
    for (int mp : {1, 4, 24}) {
        for (int step = Saturation; step <= Chain; ++step) {
            b->Args({step, mp, 1});
            b->Args({step, mp, 0});
        }
    }
}

void referenceArguments(benchmark::internal::Benchmark* b)
{
    for (int mp : {1, 4, 24})
        for (int step = Saturation; step <= Chain; ++step)
            b->Args({step, mp, 1});
}

BENCHMARK(BM_Pipeline)->Apply(engineArguments)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PipelineReference)->Apply(referenceArguments)->Unit(benchmark::kMillisecond)->UseRealTime();

// ---- libvips, in process ----

enum PeerOp { PeerSaturation, PeerBrightnessContrast, PeerSharpen, PeerColourMatrix, PeerChain };
const char* const PeerNames[] = {"saturation", "brightness-contrast", "sharpen", "colour matrix", "chain of the four"};

// Saturation 30 % as a colour matrix around the luma weights, and a warm
// white-balance matrix; both for B, G, R pixels.
const double SaturationMatrix[9] = {1.2658, -0.1761, -0.0897, -0.0342, 1.1239, -0.0897, -0.0342, -0.1761, 1.2103};
const double BalanceMatrix[9] = {0.92, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 1.08};

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
        if (!found || init("bench_pipeline") != 0)
            return nullptr;
        cacheMax(0); // every iteration computes afresh
        return v;
    }
};

// Runs `op` once on `image` and renders the result to memory. Returns
// false when libvips refuses.
bool runVips(const Vips& vips, PeerOp op, const QImage& image)
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

// Arguments: operation, megapixels, threads (0: all).
void BM_Vips(benchmark::State& state)
{
    const Vips* vips = Vips::instance();
    if (!vips) {
        state.SkipWithError("libvips.so.42 not available");
        return;
    }
    // libvips wants packed rows; the sizes have none of padding.
    const QImage& image = picture(int(state.range(1)));
    vips->concurrency(int(state.range(2)) == 0 ? allThreads() : int(state.range(2)));
    const PeerOp op = PeerOp(state.range(0));
    for (auto _ : state) {
        if (!runVips(*vips, op, image)) {
            state.SkipWithError("libvips refused the operation");
            return;
        }
    }
    state.SetLabel(PeerNames[op]);
    perMegapixel(state, image);
}

void peerArguments(benchmark::internal::Benchmark* b)
{
    for (int mp : {1, 4, 24}) {
        for (int op = PeerSaturation; op <= PeerChain; ++op) {
            b->Args({op, mp, 1});
            b->Args({op, mp, 0});
        }
    }
}

BENCHMARK(BM_Vips)->Apply(peerArguments)->Unit(benchmark::kMillisecond)->UseRealTime();

// ---- ImageMagick, as a program ----

QStringList magickOptions(PeerOp op)
{
    const QStringList saturation{"-modulate", "100,130"};
    const QStringList brightnessContrast{"-brightness-contrast", "15x20"};
    const QStringList sharpen{"-sharpen", "0x1"};
    const QStringList matrix{"-color-matrix", "1.08 0 0 0 1 0 0 0 0.92"};
    switch (op) {
    case PeerSaturation:
        return saturation;
    case PeerBrightnessContrast:
        return brightnessContrast;
    case PeerSharpen:
        return sharpen;
    case PeerColourMatrix:
        return matrix;
    case PeerChain:
        return saturation + brightnessContrast + sharpen + matrix;
    }
    return {};
}

struct Magick
{
    QString program;
    QTemporaryDir folder;
    std::map<int, QString> inputs; // by megapixels, ImageMagick's own cache format

    static Magick* instance()
    {
        static Magick magick;
        return magick.program.isEmpty() ? nullptr : &magick;
    }

    const QString& input(int megapixels)
    {
        QString& path = inputs[megapixels];
        if (path.isEmpty()) {
            const QString ppm = folder.filePath(QStringLiteral("in%1.ppm").arg(megapixels));
            picture(megapixels).convertToFormat(QImage::Format_RGB888).save(ppm);
            path = folder.filePath(QStringLiteral("in%1.mpc").arg(megapixels));
            QProcess::execute(program, {ppm, path});
        }
        return path;
    }

    // Seconds of one run.
    double run(const QStringList& arguments, int threads)
    {
        QStringList all{"-limit", "thread", QString::number(threads)};
        all += arguments;
        QElapsedTimer timer;
        timer.start();
        QProcess::execute(program, all);
        return double(timer.nsecsElapsed()) / 1e9;
    }

private:
    Magick() { program = QStandardPaths::findExecutable(QStringLiteral("convert")); }
};

// Arguments: operation, megapixels, threads (0: all). The time of reading
// the input and starting the program, measured beside each run, is taken
// off.
void BM_ImageMagick(benchmark::State& state)
{
    Magick* magick = Magick::instance();
    if (!magick) {
        state.SkipWithError("ImageMagick's convert not available");
        return;
    }
    const int mp = int(state.range(1));
    const QString& input = magick->input(mp);
    const int threads = int(state.range(2)) == 0 ? allThreads() : int(state.range(2));
    const PeerOp op = PeerOp(state.range(0));
    for (auto _ : state) {
        const double base = magick->run({input, QStringLiteral("null:")}, threads);
        const double full = magick->run(QStringList{input} + magickOptions(op) + QStringList{QStringLiteral("null:")}, threads);
        state.SetIterationTime(std::max(full - base, 1e-6));
    }
    state.SetLabel(PeerNames[op]);
    perMegapixel(state, picture(mp));
}

BENCHMARK(BM_ImageMagick)->Apply(peerArguments)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

} // namespace

BENCHMARK_MAIN();
