// A collage canvas: a fixed 3000 x 2000 scene with a gradient and a border
// on all four sides, holding 50 or 200 pictures shown 400 x 300 from
// 1600 x 1200 photographs, a third of them turned.
//
// Rendering (Canvas::renderedImage at scene size): warm, with the pictures'
// scaled copies already made, and cold, every copy made again. "plain" is
// the like-for-like case (turned pictures, no frames or shadows); "framed"
// adds a standard frame to every other picture and a shadow to every third.
// Peer in the same run: ImageMagick's convert placing the same layers at
// the same angles (+distort SRT, uncompressed PPM input) on the gradient
// with the border bands, from 400 x 300 layers (warm) and resizing each
// 1600 x 1200 layer first (cold).
//
// Projects of 200 pictures: saving (saveToXml with its preview, then the
// DOM serialised) and opening (parsing, loadFromXml with every picture
// decoded and rendered), beside IQImageIO::readImage of the same 200 files.
//
// Four 20-megapixel pictures whose effects change together, each rendered
// by its render queue as the canvas does, with the threads of the process
// counted meanwhile.
#include "SyntheticPhoto.h"

#include "canvas/Canvas.h"
#include "canvas/CanvasModeInfo.h"
#include "canvas/FrameFactory.h"
#include "canvas/PictureContent.h"
#include "canvas/PictureRenderQueue.h"
#include "files/IQImageIO.h"

#include <QApplication>
#include <QDomDocument>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#include <dirent.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

constexpr int sceneWidth = 3000;
constexpr int sceneHeight = 2000;
constexpr int distinctPhotos = 8;
constexpr int maxPictures = 200;

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

QString jpegPath(int i)
{
    return folder().filePath(QStringLiteral("photo%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
}

QString ppmPath(int photo, bool small)
{
    return folder().filePath(QStringLiteral("%1%2.ppm").arg(small ? QStringLiteral("small") : QStringLiteral("large"))
                                 .arg(photo));
}

// 200 JPEG files (eight photographs, each written under 25 names) and the
// uncompressed PPM layers the peer reads.
void makeFiles()
{
    static bool made = false;
    if (made)
        return;
    made = true;
    for (int p = 0; p < distinctPhotos; ++p) {
        const QImage photo = syntheticPhoto(1600, 1200, quint32(p + 1));
        photo.save(jpegPath(p), "JPEG", 90);
        photo.convertToFormat(QImage::Format_RGB888).save(ppmPath(p, false), "PPM");
        photo.scaled(400, 300, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB888)
            .save(ppmPath(p, true), "PPM");
    }
    for (int i = distinctPhotos; i < maxPictures; ++i)
        QFile::copy(jpegPath(i % distinctPhotos), jpegPath(i));
}

QPoint placeOf(int i)
{
    // A loose grid over the scene, 20 columns.
    return QPoint(200 + (i % 20) * 135, 200 + (i / 20) * 160 % 1600);
}

double angleOf(int i)
{
    return i % 3 == 0 ? double(-30 + (i * 7) % 60) : 0.0;
}

std::unique_ptr<Canvas> makeCanvas(int pictures, bool decorated)
{
    makeFiles();
    FrameFactory::setDefaultFrameClass(0);
    auto canvas = std::make_unique<Canvas>(72, 72, nullptr);
    canvas->modeInfo()->setFixedSize(QSizeF(sceneWidth, sceneHeight));
    canvas->resize(QSize(1, 1));
    CanvasBorder border;
    border.top = border.left = border.bottom = border.right = true;
    canvas->setBorder(border);
    for (int i = 0; i < pictures; ++i) {
        PictureContent* picture = canvas->createPicture(placeOf(i), false);
        picture->loadFromFile(jpegPath(i), true, false, false);
        picture->resizeContents(QRect(-200, -150, 400, 300));
        picture->setRotation(angleOf(i));
        if (decorated && i % 2 == 0)
            picture->setFrame(FrameFactory::createFrame(1));
        if (decorated && i % 3 == 0)
            picture->setShadowRadius(8.0);
        picture->waitForRender();
    }
    return canvas;
}

QImage render(Canvas& canvas)
{
    return canvas.renderedImage(QSize(sceneWidth, sceneHeight), Qt::IgnoreAspectRatio, true,
        QImage::Format_ARGB32_Premultiplied);
}

// Arguments: pictures, decorated, cold.
void BM_CanvasRender(benchmark::State& state)
{
    const int pictures = int(state.range(0));
    const bool decorated = state.range(1) != 0;
    const bool cold = state.range(2) != 0;
    std::unique_ptr<Canvas> canvas = makeCanvas(pictures, decorated);
    render(*canvas);
    int flip = 0;
    for (auto _ : state) {
        if (cold) {
            // A size one pixel off makes every picture scale its copy anew.
            state.PauseTiming();
            flip ^= 1;
            for (AbstractContent* content : canvas->contents())
                content->resizeContents(QRect(-200, -150, 400 - flip, 300), false);
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(render(*canvas));
    }
}
BENCHMARK(BM_CanvasRender)
    ->ArgsProduct({{50, 200}, {0, 1}, {0, 1}})
    ->ArgNames({"pictures", "framed", "cold"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(2.0);

// Arguments: pictures, resize (from 1600 x 1200 layers).
void BM_ImageMagickConvert(benchmark::State& state)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("convert"));
    if (program.isEmpty()) {
        state.SkipWithError("convert not installed (Debian's imagemagick)");
        return;
    }
    makeFiles();
    const int pictures = int(state.range(0));
    const bool resize = state.range(1) != 0;
    QStringList args{QStringLiteral("-size"), QStringLiteral("%1x%2").arg(sceneWidth).arg(sceneHeight),
        QStringLiteral("gradient:rgb(192,192,192)-rgb(80,80,80)")};
    for (int i = 0; i < pictures; ++i) {
        const QPoint centre = placeOf(i);
        args << QStringLiteral("(") << ppmPath(i % distinctPhotos, !resize);
        if (resize)
            args << QStringLiteral("-resize") << QStringLiteral("400x300!");
        args << QStringLiteral("-alpha") << QStringLiteral("set") << QStringLiteral("-virtual-pixel")
             << QStringLiteral("transparent") << QStringLiteral("+distort") << QStringLiteral("SRT")
             << QString::number(angleOf(i)) << QStringLiteral(")") << QStringLiteral("-geometry")
             << QStringLiteral("+%1+%2").arg(centre.x() - 200).arg(centre.y() - 150) << QStringLiteral("-composite");
    }
    // The border: 25-pixel bands at half opacity.
    args << QStringLiteral("-fill") << QStringLiteral("rgba(255,0,0,0.5)") << QStringLiteral("-draw")
         << QStringLiteral("rectangle 0,0 2999,24 rectangle 0,1975 2999,1999 rectangle 0,25 24,1974 rectangle "
                           "2975,25 2999,1974")
         << QStringLiteral("null:");
    for (auto _ : state) {
        if (QProcess::execute(program, args) != 0) {
            state.SkipWithError("convert failed");
            return;
        }
    }
}
BENCHMARK(BM_ImageMagickConvert)
    ->ArgsProduct({{50, 200}, {0, 1}})
    ->ArgNames({"pictures", "resize"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(2.0);

QByteArray savedProject(Canvas& canvas)
{
    QDomDocument doc;
    QDomElement root = doc.createElement(QStringLiteral("canvas"));
    doc.appendChild(root);
    canvas.saveToXml(root);
    return doc.toByteArray();
}

void BM_CanvasSave(benchmark::State& state)
{
    std::unique_ptr<Canvas> canvas = makeCanvas(maxPictures, false);
    canvas->setBaseDir(QDir(folder().path()));
    for (auto _ : state)
        benchmark::DoNotOptimize(savedProject(*canvas));
}
BENCHMARK(BM_CanvasSave)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// Argument: whether the timing also waits for every picture's first render
// (its effect records applied on a render thread). Without it the canvas
// is open and shows the decoded pictures; the renders land later.
void BM_CanvasOpen(benchmark::State& state)
{
    const bool landed = state.range(0) != 0;
    QByteArray project;
    {
        std::unique_ptr<Canvas> canvas = makeCanvas(maxPictures, false);
        canvas->setBaseDir(QDir(folder().path()));
        project = savedProject(*canvas);
    }
    for (auto _ : state) {
        auto canvas = std::make_unique<Canvas>(72, 72, nullptr);
        canvas->setBaseDir(QDir(folder().path()));
        QDomDocument doc;
        doc.setContent(project);
        QDomElement root = doc.documentElement();
        canvas->loadFromXml(root);
        if (!landed)
            state.PauseTiming();
        for (AbstractContent* content : canvas->contents())
            qobject_cast<PictureContent*>(content)->waitForRender();
        if (landed)
            state.PauseTiming();
        if (canvas->contents().size() != maxPictures)
            state.SkipWithError("not every picture was read");
        canvas.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CanvasOpen)->Arg(0)->Arg(1)->ArgName("landed")->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_ReadImage200(benchmark::State& state)
{
    makeFiles();
    for (auto _ : state) {
        for (int i = 0; i < maxPictures; ++i)
            benchmark::DoNotOptimize(IQImageIO::readImage(jpegPath(i)));
    }
}
BENCHMARK(BM_ReadImage200)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// Samples the threads of this process from the kernel every millisecond
// while it lives: the most alive at once, and the most runnable (running
// or waiting for a core) at once, the sampler left out.
class ThreadCounter
{
public:
    ThreadCounter()
        : sampler([this] { sample(); })
    {
    }
    ~ThreadCounter() { stop(); }
    void stop()
    {
        done = true;
        if (sampler.joinable())
            sampler.join();
    }
    int mostAlive() const { return alive; }
    int mostRunnable() const { return runnable; }

private:
    void sample()
    {
        const long self = syscall(SYS_gettid);
        while (!done) {
            int live = 0;
            int running = 0;
            if (DIR* tasks = opendir("/proc/self/task")) {
                while (dirent* entry = readdir(tasks)) {
                    if (entry->d_name[0] == '.')
                        continue;
                    ++live;
                    if (std::atol(entry->d_name) == self)
                        continue;
                    char path[64];
                    std::snprintf(path, sizeof path, "/proc/self/task/%s/stat", entry->d_name);
                    if (FILE* stat = std::fopen(path, "r")) {
                        char line[512];
                        const size_t n = std::fread(line, 1, sizeof line - 1, stat);
                        std::fclose(stat);
                        line[n] = 0;
                        // The state follows the name's closing parenthesis.
                        if (const char* close = std::strrchr(line, ')'); close && close[1] == ' ' && close[2] == 'R')
                            ++running;
                    }
                }
                closedir(tasks);
            }
            alive = std::max(alive.load(), live);
            runnable = std::max(runnable.load(), running);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    std::atomic<bool> done{false};
    std::atomic<int> alive{0};
    std::atomic<int> runnable{0};
    std::thread sampler;
};

// Argument: whether the pictures come as the canvas holds them (32-bit,
// with a shown copy), where Qt's own threads convert and scale them, or
// already in the effects' format with no shown copy, where every thread
// that runs is the render's own.
void BM_FourLargePictures(benchmark::State& state)
{
    const bool asCanvas = state.range(0) != 0;
    static const QImage photo = syntheticPhoto(5472, 3648, 20);
    const QImage origin = asCanvas ? photo : photo.convertToFormat(QImage::Format_BGR888);
    int mostAlive = 0;
    int mostRunnable = 0;
    for (auto _ : state) {
        std::vector<std::unique_ptr<PictureRenderQueue>> queues;
        for (int i = 0; i < 4; ++i) {
            queues.push_back(std::make_unique<PictureRenderQueue>([] {}));
            queues.back()->setOrigin(origin);
        }
        ThreadCounter counter;
        for (int i = 0; i < 4; ++i) {
            PictureRenderJob job;
            job.fineTune = true;
            job.param.contrast = 10 + i;
            job.param.saturation = 20;
            job.param.sharpness = 30;
            if (asCanvas)
                job.shownSize = QSize(1368, 912);
            queues[std::size_t(i)]->request(job);
        }
        for (const auto& queue : queues) {
            const std::optional<PictureRenderResult> result = queue->waitForResult();
            if (!result || !result->ok)
                state.SkipWithError("a render failed");
        }
        counter.stop();
        mostAlive = std::max(mostAlive, counter.mostAlive());
        mostRunnable = std::max(mostRunnable, counter.mostRunnable());
        state.PauseTiming();
        queues.clear();
        state.ResumeTiming();
    }
    state.counters["threads_alive"] = mostAlive;
    state.counters["threads_runnable"] = mostRunnable;
}
BENCHMARK(BM_FourLargePictures)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("as_canvas")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(8);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
