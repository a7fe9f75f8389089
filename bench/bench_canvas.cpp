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
#include "SyntheticPhoto.h"

#include "canvas/Canvas.h"
#include "canvas/CanvasModeInfo.h"
#include "canvas/FrameFactory.h"
#include "canvas/PictureContent.h"
#include "files/IQImageIO.h"

#include <QApplication>
#include <QDomDocument>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

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

void BM_CanvasOpen(benchmark::State& state)
{
    QByteArray project;
    {
        std::unique_ptr<Canvas> canvas = makeCanvas(maxPictures, false);
        canvas->setBaseDir(QDir(folder().path()));
        project = savedProject(*canvas);
    }
    for (auto _ : state) {
        Canvas canvas(72, 72, nullptr);
        canvas.setBaseDir(QDir(folder().path()));
        QDomDocument doc;
        doc.setContent(project);
        QDomElement root = doc.documentElement();
        canvas.loadFromXml(root);
        for (AbstractContent* content : canvas.contents())
            qobject_cast<PictureContent*>(content)->waitForRender();
        state.PauseTiming();
        if (canvas.contents().size() != maxPictures)
            state.SkipWithError("not every picture was read");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CanvasOpen)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_ReadImage200(benchmark::State& state)
{
    makeFiles();
    for (auto _ : state) {
        for (int i = 0; i < maxPictures; ++i)
            benchmark::DoNotOptimize(IQImageIO::readImage(jpegPath(i)));
    }
}
BENCHMARK(BM_ReadImage200)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
