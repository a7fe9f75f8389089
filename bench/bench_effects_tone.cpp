// Milliseconds per megapixel of the fine-tune arithmetic on a real
// photograph, single-threaded: contrast and saturation, brightness and
// contrast curves, exposure analysis and correction, sharpening and
// vignetting, each fast path next to its plain per-pixel reference.
//
// The photograph is VELLUMAR_BENCH_PHOTO, else the wood-grain photo of
// Debian's mate-backgrounds package (2560 x 1920), else a synthetic one.
#include "effects/AceTone.h"
#include "effects/ContrastSaturation.h"
#include "effects/Vignetting.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <cstdio>
#include <cstring>
#include <functional>

#include <benchmark/benchmark.h>

namespace {

QImage loadPhoto()
{
    QString path = qEnvironmentVariable("VELLUMAR_BENCH_PHOTO");
    if (path.isEmpty())
        path = QStringLiteral("/usr/share/backgrounds/mate/nature/Wood.jpg");
    QImage photo(path);
    if (!photo.isNull()) {
        std::fprintf(stderr, "photo: %s (%d x %d)\n", qPrintable(path), photo.width(), photo.height());
        return photo.convertToFormat(QImage::Format_BGR888);
    }
    std::fprintf(stderr, "photo %s not found (apt-get install mate-backgrounds); using a synthetic 2560 x 1920 image\n",
                 qPrintable(path));
    QImage synthetic(2560, 1920, QImage::Format_BGR888);
    std::uint32_t seed = 1;
    for (int y = 0; y < synthetic.height(); ++y) {
        uchar* line = synthetic.scanLine(y);
        for (int x = 0; x < synthetic.width() * 3; ++x) {
            seed = seed * 1664525u + 1013904223u;
            line[x] = uchar(((x / 3) * 255 / synthetic.width() + (seed >> 28)) & 0xFF);
        }
    }
    return synthetic;
}

const QImage& photo()
{
    static const QImage image = loadPhoto();
    return image;
}

struct Context
{
    ACE_EXP_CONTEXT* context = nullptr;
    Context() { ACE_EXP_Init(&context); }
    ~Context() { ACE_EXP_Uninit(context); }
};

ACE_EXP_CONTEXT* toneContext()
{
    static Context holder;
    return holder.context;
}

// Runs `operation` on a fresh copy of the photograph each iteration (the
// copy is not timed) and reports milliseconds per megapixel.
void runOnPhoto(benchmark::State& state, const std::function<void(QImage&)>& operation)
{
    const QImage& original = photo();
    QImage work = original.copy();
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(work.bits(), original.constBits(), size_t(original.sizeInBytes()));
        state.ResumeTiming();
        operation(work);
        benchmark::ClobberMemory();
    }
    // Shown as time per megapixel (an inverted megapixel rate).
    const double megapixels = double(original.width()) * original.height() / 1e6;
    state.counters["per_MP"] = benchmark::Counter(megapixels, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

EffectImage recordOf(QImage& image)
{
    return EffectImage{image.width(), image.height(), EffectFormatBGR8, 0, int(image.bytesPerLine()), image.bits()};
}

void BM_ContrastSaturation(benchmark::State& state)
{
    runOnPhoto(state, [](QImage& image) {
        ExecuteContrastSaturationImage(image.bits(), image.width(), image.height(), int(image.bytesPerLine()), 40, 30);
    });
}

void BM_ContrastSaturationReference(benchmark::State& state)
{
    runOnPhoto(state, [](QImage& image) {
        Effects::contrastSaturationReference(image.bits(), image.width(), image.height(), int(image.bytesPerLine()), 40, 30);
    });
}

void BM_Contrast(benchmark::State& state)
{
    runOnPhoto(state, [](QImage& image) {
        ExecuteContrastSaturationImage(image.bits(), image.width(), image.height(), int(image.bytesPerLine()), 40, 0);
    });
}

void BM_Saturation(benchmark::State& state)
{
    runOnPhoto(state, [](QImage& image) {
        ExecuteContrastSaturationImage(image.bits(), image.width(), image.height(), int(image.bytesPerLine()), 0, 30);
    });
}

void BM_Brightness(benchmark::State& state)
{
    runOnPhoto(state, [](QImage& image) {
        EffectImage record = recordOf(image);
        ACE_RunBrightnessEffectImage(toneContext(), 40, &record);
    });
}

void BM_BrightnessReference(benchmark::State& state)
{
    runOnPhoto(state, [](QImage& image) {
        EffectImage record = recordOf(image);
        Effects::runBrightnessReference(toneContext(), 40, &record);
    });
}

void BM_ContrastCurve(benchmark::State& state)
{
    runOnPhoto(state, [](QImage& image) {
        EffectImage record = recordOf(image);
        ACE_RunContrastEffectImage(toneContext(), 40, &record);
    });
}

void BM_ExposureAnalysis(benchmark::State& state)
{
    runOnPhoto(state, [](QImage& image) {
        EffectImage record = recordOf(image);
        ACE_PreExpEffectImage(toneContext(), &record);
        ACE_Analysis(toneContext());
    });
}

// Exposure correction in its two forms, analysed on a flat sample: dark
// grey gives a gain above 1 and the tone curve (state.range(0) = 0), white
// (all clipped) the gain table (1).
void prepareExposure(int form)
{
    QImage sample = photo().copy();
    sample.fill(form == 0 ? QColor(60, 60, 60) : QColor(Qt::white));
    EffectImage record = recordOf(sample);
    ACE_PreExpEffectImage(toneContext(), &record);
    ACE_Analysis(toneContext());
}

void BM_ExposureCorrection(benchmark::State& state)
{
    prepareExposure(int(state.range(0)));
    runOnPhoto(state, [](QImage& image) {
        EffectImage record = recordOf(image);
        ACE_RunExpEffectImage(toneContext(), &record);
    });
    state.SetLabel(toneContext()->exposureGain >= 1.0 ? "tone curve" : "gain table");
}

void BM_ExposureCorrectionReference(benchmark::State& state)
{
    prepareExposure(int(state.range(0)));
    runOnPhoto(state, [](QImage& image) {
        EffectImage record = recordOf(image);
        Effects::runExposureReference(toneContext(), &record);
    });
    state.SetLabel(toneContext()->exposureGain >= 1.0 ? "tone curve" : "gain table");
}

void BM_Sharpen(benchmark::State& state)
{
    const int amount = int(state.range(0));
    runOnPhoto(state, [amount](QImage& image) {
        ACE_FixUnsharpMaskFilter(image.bits(), image.width(), image.height(), int(image.bytesPerLine()), amount);
    });
}

void BM_SharpenReference(benchmark::State& state)
{
    const int amount = int(state.range(0));
    runOnPhoto(state, [amount](QImage& image) {
        Effects::unsharpMaskReference(image.bits(), image.width(), image.height(), int(image.bytesPerLine()), amount);
    });
}

void BM_Vignetting(benchmark::State& state)
{
    runOnPhoto(state, [](QImage& image) {
        ExecuteVignetting(image.bits(), image.width(), image.height(), int(image.bytesPerLine()), 60);
    });
}

void BM_VignettingReference(benchmark::State& state)
{
    runOnPhoto(state, [](QImage& image) {
        Effects::vignettingReference(image.bits(), image.width(), image.height(), int(image.bytesPerLine()), 60);
    });
}

BENCHMARK(BM_ContrastSaturation)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ContrastSaturationReference)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Contrast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Saturation)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Brightness)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BrightnessReference)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ContrastCurve)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExposureAnalysis)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExposureCorrection)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExposureCorrectionReference)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sharpen)->Arg(30)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SharpenReference)->Arg(30)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Vignetting)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VignettingReference)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
