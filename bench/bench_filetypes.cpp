// File-type tests run for every file of a dropped folder or a thumbnail
// listing: they should stay far below the cost of a directory entry.
#include "appframe/App.h"
#include "files/IQCommon.h"

#include <QGuiApplication>
#include <QStringList>

#include <benchmark/benchmark.h>

namespace {

const QStringList& sampleNames()
{
    static const QStringList names{
        QStringLiteral("/photos/2026/IMG_0001.JPG"), QStringLiteral("/photos/2026/DSC_1234.NEF"),
        QStringLiteral("/photos/2026/notes.txt"), QStringLiteral("/photos/2026/scan.tiff"),
        QStringLiteral("/photos/2026/clip.mp4"), QStringLiteral("/photos/2026/README"),
        QStringLiteral("/photos/2026/pano.heic"), QStringLiteral("/photos/2026/a.rw2")};
    return names;
}

void BM_IQCommonIsSupportedFile(benchmark::State& state)
{
    const QStringList& names = sampleNames();
    for (auto _ : state) {
        for (const QString& name : names)
            benchmark::DoNotOptimize(IQCommon::isSupportedFile(name, IQCommon::ImageFilter));
    }
    state.SetItemsProcessed(state.iterations() * names.size());
}
BENCHMARK(BM_IQCommonIsSupportedFile);

void BM_AppIsPictureFile(benchmark::State& state)
{
    const QStringList& names = sampleNames();
    for (auto _ : state) {
        for (const QString& name : names)
            benchmark::DoNotOptimize(App::isPictureFile(name));
    }
    state.SetItemsProcessed(state.iterations() * names.size());
}
BENCHMARK(BM_AppIsPictureFile);

} // namespace

int main(int argc, char** argv)
{
    // The image readers' format list needs the plug-in loader of an application.
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
