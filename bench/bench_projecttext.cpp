// Reading a collage project that holds one long text, as the project reader
// does it on the GUI thread (CollageProjectFile::load into a canvas, the
// text laid out): 1 MB, the 4 MiB the reader takes at most, and 20 and
// 60 MB, which the 64 MiB file cap alone would let through. Goal for the
// 60 MB text: refused in under 2 s with the process's peak resident set
// under 200 MB.
//
// Counters: refused (1 when the reader refused the file), peak_MB (the
// process's resident high-water mark during the read), growth_MB (that mark
// above the resident set before the read).
#include "ProcessMemory.h"

#include "collage/CollageProjectFile.h"
#include "canvas/Canvas.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace {

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

// A project whose one text holds `bytes` bytes of escaped HTML paragraphs,
// written once, in pieces.
QString textProject(qint64 bytes)
{
    const QString path = folder().filePath(QStringLiteral("text-%1.pmp2").arg(bytes));
    if (QFile::exists(path))
        return path;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write("<?xml version=\"1.0\"?>\n<Collage format=\"2\" version=\"1\"><canvas><content><text>"
               "<rect><x>-200</x><y>-100</y><w>400</w><h>200</h></rect><pos><x>300</x><y>200</y></pos>"
               "<html-text>");
    const QByteArray paragraph("&lt;p&gt;A line of a long text on a collage.&lt;/p&gt;\n");
    QByteArray chunk;
    while (chunk.size() < (1 << 20))
        chunk += paragraph;
    // Whole paragraphs only, so that no entity is cut: a little past
    // `bytes`, by less than a paragraph.
    qint64 written = 0;
    while (written < bytes) {
        const qint64 paragraphs = (std::min<qint64>(chunk.size(), bytes - written) + paragraph.size() - 1)
            / paragraph.size();
        const QByteArray piece = chunk.left(int(paragraphs * paragraph.size()));
        file.write(piece);
        written += piece.size();
    }
    file.write("</html-text></text></content></canvas></Collage>\n");
    return path;
}

void BM_ReadTextProject(benchmark::State& state)
{
    // The 4 MB row stays 4 KiB under the reader's bound of 4 MiB.
    const qint64 bytes = state.range(0) * 1024 * 1024 - (state.range(0) == 4 ? 4096 : 0);
    const QString path = textProject(bytes);
    if (path.isEmpty()) {
        state.SkipWithError("the project could not be written");
        return;
    }
    bool refused = false;
    qint64 peak = 0;
    qint64 before = 0;
    for (auto _ : state) {
        state.PauseTiming();
        before = ProcessMemory::resetPeak();
        auto canvas = std::make_unique<Canvas>(72, 72, nullptr);
        state.ResumeTiming();
        const CollageProjectFile::LoadResult result = CollageProjectFile::load(path, canvas.get());
        state.PauseTiming();
        refused = result.status != CollageProjectFile::LoadStatus::Loaded;
        peak = std::max(peak, ProcessMemory::statusKiB("VmHWM:"));
        canvas.reset();
        state.ResumeTiming();
    }
    state.counters["refused"] = refused ? 1 : 0;
    state.counters["peak_MB"] = double(peak) / 1024.0;
    state.counters["growth_MB"] = double(peak - before) / 1024.0;
}
// MB of text.
BENCHMARK(BM_ReadTextProject)
    ->Arg(1)
    ->Arg(4)
    ->Arg(20)
    ->Arg(60)
    ->ArgName("MB")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
