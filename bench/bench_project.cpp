// A collage project of many photographs (default 50 at 6 MP; set
// VELLUMAR_BENCH_PROJECT_PICTURES for fewer on a machine short of memory):
//
// - reading the ".pmp2" project into a canvas, beside decoding the same
//   files one by one with QImageReader (goal: at most 1.25x); the read
//   decodes the pictures on the render threads, so its peak memory
//   (read_peak_MB) is set beside the decode that keeps every picture
//   (decode_peak_MB);
// - saving it with warm caches, beside the same project of 0.5 MP pictures
//   (goal: at most 1.5x);
// - exporting it from a 6000 x 4000 exact-size canvas as the canvas
//   appliance does (render, then the save worker for JPEG and PNG), beside
//   ImageMagick's convert composing the same layout from its .mpc caches and
//   writing the same files (goals: the whole export at most 0.5x; each
//   encoder alone at most 1.0x at equal quality: JPEG 75, PNG zlib level 6
//   with adaptive filtering).
//
// Peak memory (maximum resident set, of this process and of the peer's
// children) is reported as a counter.
#include "ProcessMemory.h"

#include "collage/CollageProjectFile.h"
#include "canvas/Canvas.h"
#include "canvas/CanvasModeInfo.h"
#include "canvas/PictureContent.h"
#include "files/IQImageLimits.h"
#include "files/SaveImageThread.h"

#include "SyntheticPhoto.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>

#include <cmath>
#include <memory>

namespace {

constexpr int canvasWidth = 6000;
constexpr int canvasHeight = 4000;
constexpr int columns = 10;
const char* const peerConvert = "/usr/bin/convert";

int pictureCount()
{
    bool ok = false;
    const int count = qEnvironmentVariableIntValue("VELLUMAR_BENCH_PROJECT_PICTURES", &ok);
    return ok && count > 0 ? count : 50;
}

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

// One picture of the layout: where it sits on the canvas and how it turns.
struct Placement
{
    QString file;
    QRect rect;     // content rectangle in scene units, before turning
    int rotation;   // degrees
    int margin;     // frame width
};

// 6 MP (3000 x 2000) or 0.5 MP (864 x 576) JPEGs, made once.
QList<Placement> layout(bool large)
{
    static QList<Placement> cached[2];
    QList<Placement>& placements = cached[large ? 1 : 0];
    if (!placements.isEmpty())
        return placements;
    const int count = pictureCount();
    const int rows = (count + columns - 1) / columns;
    const int cellW = canvasWidth / columns;
    const int cellH = canvasHeight / std::max(rows, 1);
    for (int i = 0; i < count; ++i) {
        const QString file = folder().filePath(QStringLiteral("%1-%2.jpg").arg(large ? "large" : "small").arg(i));
        const QSize size = large ? QSize(3000, 2000) : QSize(866, 577);
        if (!QFileInfo::exists(file))
            syntheticPhoto(size.width(), size.height(), quint32(i + 1)).save(file, "JPEG", 90);
        const int w = cellW * 8 / 10;
        const int h = w * 2 / 3;
        const QPoint centre(cellW * (i % columns) + cellW / 2, cellH * (i / columns) + cellH / 2);
        placements.append({file, QRect(centre.x() - w / 2, centre.y() - h / 2, w, h), (i * 7) % 31 - 15, 8});
    }
    return placements;
}

qint64 peakKiB(int who)
{
    rusage usage {};
    getrusage(who, &usage);
    return usage.ru_maxrss;
}

void reportMemory(benchmark::State& state)
{
    state.counters["peak_MB"] = double(peakKiB(RUSAGE_SELF)) / 1024.0;
}


std::unique_ptr<Canvas> buildCanvas(bool large)
{
    auto canvas = std::make_unique<Canvas>(72, 72, nullptr);
    canvas->modeInfo()->setProjectMode(CanvasModeInfo::ModeExactSize);
    canvas->modeInfo()->setFixedSize(QSizeF(canvasWidth, canvasHeight));
    canvas->resize(QSize(canvasWidth, canvasHeight));
    for (const Placement& placement : layout(large)) {
        PictureContent* picture = canvas->createPicture(placement.rect.center(), false);
        if (!picture->loadFromFile(placement.file, true, true, false))
            return nullptr;
        const QSize size = placement.rect.size();
        picture->resizeContents(QRect(-size.width() / 2, -size.height() / 2, size.width(), size.height()));
        picture->setFrameMargin(placement.margin);
        picture->setRotation(placement.rotation);
        picture->waitForRender();
    }
    return canvas;
}

const QString& projectPath(bool large)
{
    static QString paths[2];
    QString& path = paths[large ? 1 : 0];
    if (path.isEmpty()) {
        path = folder().filePath(large ? QStringLiteral("large.pmp2") : QStringLiteral("small.pmp2"));
        std::unique_ptr<Canvas> canvas = buildCanvas(large);
        if (!canvas || !CollageProjectFile::saveV2(path, canvas.get()))
            path = QStringLiteral("-");
    }
    return path;
}

// wait: also until every picture's first render (effects, smooth copy)
// has landed, as before the canvas can be output; without, until read()
// returns and the pictures show.
void BM_ReadProject(benchmark::State& state)
{
    const bool wait = state.range(0) != 0;
    const QString path = projectPath(true);
    if (path == "-") {
        state.SkipWithError("the project could not be made");
        return;
    }
    auto waitForPictures = [](Canvas& canvas) {
        for (AbstractContent* content : canvas.contents()) {
            if (auto* picture = qobject_cast<PictureContent*>(content))
                picture->waitForRender();
        }
    };
    qint64 readPeak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ProcessMemory::resetPeak();
        state.ResumeTiming();
        auto canvas = std::make_unique<Canvas>(72, 72, nullptr);
        const auto result = CollageProjectFile::load(path, canvas.get());
        if (result.status != CollageProjectFile::LoadStatus::Loaded) {
            state.SkipWithError("the project did not load");
            return;
        }
        if (wait)
            waitForPictures(*canvas);
        state.PauseTiming();
        state.counters["pictures"] = double(canvas->contents().size());
        waitForPictures(*canvas);
        readPeak = std::max(readPeak, ProcessMemory::statusKiB("VmHWM:"));
        canvas.reset();
        state.ResumeTiming();
    }
    state.counters["read_peak_MB"] = double(readPeak) / 1024.0;
    reportMemory(state);
}
BENCHMARK(BM_ReadProject)->Arg(0)->Arg(1)->ArgName("wait")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_DecodeOneByOneQImageReader(benchmark::State& state)
{
    const QList<Placement> placements = layout(true);
    for (auto _ : state) {
        for (const Placement& placement : placements) {
            QImageReader reader(placement.file);
            reader.setAutoTransform(true);
            QImage image = reader.read();
            benchmark::DoNotOptimize(image.constBits());
        }
    }
    state.counters["pictures"] = double(placements.size());
    reportMemory(state);
}
BENCHMARK(BM_DecodeOneByOneQImageReader)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The same decoding, but every picture is kept, as an opened project keeps
// them: each decode then fills fresh memory instead of reusing the pages
// the previous picture gave back, which is most of what reading costs.
void BM_DecodeAndKeepQImageReader(benchmark::State& state)
{
    const QList<Placement> placements = layout(true);
    qint64 decodePeak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ProcessMemory::resetPeak();
        state.ResumeTiming();
        QList<QImage> kept;
        for (const Placement& placement : placements) {
            QImageReader reader(placement.file);
            reader.setAutoTransform(true);
            kept.append(reader.read());
            benchmark::DoNotOptimize(kept.last().constBits());
        }
        state.PauseTiming();
        decodePeak = std::max(decodePeak, ProcessMemory::statusKiB("VmHWM:"));
        kept.clear();
        state.ResumeTiming();
    }
    state.counters["pictures"] = double(placements.size());
    state.counters["decode_peak_MB"] = double(decodePeak) / 1024.0;
    reportMemory(state);
}
BENCHMARK(BM_DecodeAndKeepQImageReader)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// large: the 6 MP project, else the 0.5 MP one; the canvas is loaded once
// and saved again and again (warm caches).
void BM_SaveProject(benchmark::State& state)
{
    const bool large = state.range(0) != 0;
    const QString source = projectPath(large);
    Canvas canvas(72, 72, nullptr);
    if (source == "-" || CollageProjectFile::load(source, &canvas).status != CollageProjectFile::LoadStatus::Loaded) {
        state.SkipWithError("the project could not be made");
        return;
    }
    const QString target = folder().filePath(QStringLiteral("saved.pmp2"));
    // Warm: every picture rendered, and one save made (its preview asks the
    // pictures for copies at the preview's scale).
    for (AbstractContent* content : canvas.contents()) {
        if (auto* picture = qobject_cast<PictureContent*>(content))
            picture->waitForRender();
    }
    if (!CollageProjectFile::saveV2(target, &canvas)) {
        state.SkipWithError("the save failed");
        return;
    }
    for (auto _ : state) {
        canvas.slotMarkChanges();
        if (!CollageProjectFile::saveV2(target, &canvas)) {
            state.SkipWithError("the save failed");
            return;
        }
    }
    state.counters["file_KB"] = double(QFileInfo(target).size()) / 1024.0;
    reportMemory(state);
}
BENCHMARK(BM_SaveProject)->Arg(1)->Arg(0)->ArgName("6MP")->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// Made on first use, and let go in main() while the application object
// still exists.
std::unique_ptr<Canvas>& exportCanvasHolder()
{
    static std::unique_ptr<Canvas> canvas;
    return canvas;
}

Canvas& exportCanvas()
{
    std::unique_ptr<Canvas>& canvas = exportCanvasHolder();
    if (!canvas)
        canvas = buildCanvas(true);
    return *canvas;
}

// As the canvas appliance renders for output.
QImage renderForOutput(Canvas& canvas)
{
    const QRectF scene = canvas.sceneRectangle();
    return canvas.renderedImage(QSize(int(scene.width()), int(scene.height())), Qt::KeepAspectRatio, true,
        QImage::Format_ARGB32);
}

bool saveThroughWorker(const QImage& image, const QString& path)
{
    bool written = false;
    auto* worker = new SaveImageThread(image, path, true);
    QEventLoop loop;
    QObject::connect(worker, &SaveImageThread::saved, &loop, [&written](QString, bool ok) { written = ok; });
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    worker->start(QThread::InheritPriority);
    loop.exec();
    worker->wait();
    delete worker;
    return written;
}

QString suffixOf(int format)
{
    return format == 0 ? QStringLiteral("jpg") : QStringLiteral("png");
}

// format: 0 JPEG, 1 PNG. The render and the write, as "Save as image" does.
void BM_ExportOurs(benchmark::State& state)
{
    Canvas& canvas = exportCanvas();
    const QString path = folder().filePath(QStringLiteral("ours.") + suffixOf(int(state.range(0))));
    for (auto _ : state) {
        const QImage image = renderForOutput(canvas);
        if (image.isNull() || !saveThroughWorker(image, path)) {
            state.SkipWithError("the export failed");
            return;
        }
    }
    state.counters["file_MB"] = double(QFileInfo(path).size()) / 1e6;
    reportMemory(state);
}
BENCHMARK(BM_ExportOurs)->Arg(0)->Arg(1)->ArgName("png")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

QStringList qualityArguments(int format)
{
    // Qt's encoders by default: JPEG quality 75; PNG zlib level 6 with
    // libpng's adaptive filtering, which is ImageMagick's "65"; 8 bits a
    // sample as ours (ImageMagick would keep its 16-bit working depth).
    return {QStringLiteral("-depth"), QStringLiteral("8"), QStringLiteral("-quality"),
        format == 0 ? QStringLiteral("75") : QStringLiteral("65")};
}

// The peer's own peak memory of its last run, in KiB: measured by time(1),
// whose child is the peer alone (the rusage of our own children would count
// this process's pages from before the exec).
qint64& peerPeakKiB()
{
    static qint64 peak = 0;
    return peak;
}

bool runPeer(const QStringList& arguments)
{
    const QString timeProgram = QStringLiteral("/usr/bin/time");
    const QString report = folder().filePath(QStringLiteral("peer-rss.txt"));
    QProcess process;
    if (QFileInfo(timeProgram).isExecutable()) {
        process.start(timeProgram,
            QStringList {QStringLiteral("-f"), QStringLiteral("%M"), QStringLiteral("-o"), report,
                QString::fromLatin1(peerConvert)}
                + arguments);
    } else {
        process.start(QString::fromLatin1(peerConvert), arguments);
    }
    const bool ok
        = process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    QFile file(report);
    if (file.open(QIODevice::ReadOnly))
        peerPeakKiB() = std::max(peerPeakKiB(), file.readAll().trimmed().toLongLong());
    return ok;
}

// The peer's caches of the pictures, made once outside the timing.
QStringList peerCaches()
{
    static QStringList caches;
    if (!caches.isEmpty())
        return caches;
    for (const Placement& placement : layout(true)) {
        const QString cache = QFileInfo(placement.file).path() + QLatin1Char('/')
            + QFileInfo(placement.file).completeBaseName() + QStringLiteral(".mpc");
        if (!QFileInfo::exists(cache) && !runPeer({placement.file, cache}))
            return {};
        caches << cache;
    }
    return caches;
}

// The same layout: each picture resized to its rectangle, framed in white,
// turned about its centre and laid onto a white 6000 x 4000 canvas.
void BM_ExportConvertFromMpc(benchmark::State& state)
{
    if (!QFileInfo(QString::fromLatin1(peerConvert)).isExecutable()) {
        state.SkipWithError("ImageMagick's convert is not installed");
        return;
    }
    const QStringList caches = peerCaches();
    const QList<Placement> placements = layout(true);
    if (caches.size() != placements.size()) {
        state.SkipWithError("the peer's caches could not be made");
        return;
    }
    const int format = int(state.range(0));
    const QString path = folder().filePath(QStringLiteral("peer.") + suffixOf(format));
    QStringList arguments {QStringLiteral("-size"), QStringLiteral("%1x%2").arg(canvasWidth).arg(canvasHeight),
        QStringLiteral("xc:white")};
    for (int i = 0; i < placements.size(); ++i) {
        const Placement& p = placements.at(i);
        // The bounding box of the turned, framed picture, centred where ours is.
        const double radians = std::abs(p.rotation) * M_PI / 180.0;
        const int fw = p.rect.width() + 2 * p.margin;
        const int fh = p.rect.height() + 2 * p.margin;
        const int bw = int(std::ceil(fw * std::cos(radians) + fh * std::sin(radians)));
        const int bh = int(std::ceil(fw * std::sin(radians) + fh * std::cos(radians)));
        const QPoint centre = p.rect.center();
        arguments << QStringLiteral("(") << caches.at(i) << QStringLiteral("-resize")
                  << QStringLiteral("%1x%2!").arg(p.rect.width()).arg(p.rect.height()) << QStringLiteral("-bordercolor")
                  << QStringLiteral("white") << QStringLiteral("-border") << QString::number(p.margin)
                  << QStringLiteral("-background") << QStringLiteral("none") << QStringLiteral("-rotate")
                  << QString::number(p.rotation) << QStringLiteral(")") << QStringLiteral("-geometry")
                  << QStringLiteral("+%1+%2").arg(centre.x() - bw / 2).arg(centre.y() - bh / 2)
                  << QStringLiteral("-composite");
    }
    arguments << qualityArguments(format) << path;
    peerPeakKiB() = 0;
    for (auto _ : state) {
        if (!runPeer(arguments)) {
            state.SkipWithError("convert failed");
            return;
        }
    }
    state.counters["file_MB"] = double(QFileInfo(path).size()) / 1e6;
    state.counters["peer_peak_MB"] = double(peerPeakKiB()) / 1024.0;
}
BENCHMARK(BM_ExportConvertFromMpc)->Arg(0)->Arg(1)->ArgName("png")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

// The encoders alone, on the rendered canvas: ours through the save worker,
// the peer from its own cache of the same pixels.
const QImage& renderedExport()
{
    static const QImage image = renderForOutput(exportCanvas());
    return image;
}

void BM_EncodeOurs(benchmark::State& state)
{
    const QImage& image = renderedExport();
    const QString path = folder().filePath(QStringLiteral("encoded.") + suffixOf(int(state.range(0))));
    for (auto _ : state) {
        if (!saveThroughWorker(image, path)) {
            state.SkipWithError("the write failed");
            return;
        }
    }
    state.counters["file_MB"] = double(QFileInfo(path).size()) / 1e6;
}
BENCHMARK(BM_EncodeOurs)->Arg(0)->Arg(1)->ArgName("png")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_EncodeConvertFromMpc(benchmark::State& state)
{
    static QString cache;
    if (cache.isEmpty()) {
        // The rendered pixels, opaque as both encoders write them.
        const QString png = folder().filePath(QStringLiteral("rendered.png"));
        renderedExport().convertToFormat(QImage::Format_RGB32).save(png);
        cache = folder().filePath(QStringLiteral("rendered.mpc"));
        if (!runPeer({png, cache})) {
            state.SkipWithError("the peer's cache could not be made");
            return;
        }
    }
    const int format = int(state.range(0));
    const QString path = folder().filePath(QStringLiteral("peer-encoded.") + suffixOf(format));
    QStringList arguments {cache};
    arguments << qualityArguments(format) << path;
    peerPeakKiB() = 0;
    for (auto _ : state) {
        if (!runPeer(arguments)) {
            state.SkipWithError("convert failed");
            return;
        }
    }
    state.counters["file_MB"] = double(QFileInfo(path).size()) / 1e6;
}
BENCHMARK(BM_EncodeConvertFromMpc)->Arg(0)->Arg(1)->ArgName("png")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    IQImageLimits::install();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    exportCanvasHolder().reset();
    return 0;
}
