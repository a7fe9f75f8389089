// Paint of the colour plane (QColorSquare) at the colour panel's size and at
// 1000 x 1000. "Rebuild" changes the hue before every paint, so each paint
// renders the plane anew (a hue slider drag); "Cached" paints an unchanged
// plane, the common case while the marker moves. "QColorPerPixel" is the
// plain way, for comparison: a QColor per pixel at every paint.
#include "widgets/QColorSquare.h"
#include "widgets/QColorWidget.h"

#include <QApplication>
#include <QImage>
#include <QLayout>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

QSize panelSquareSize()
{
    QColorWidget panel;
    panel.layout()->activate();
    return panel.findChild<QColorSquare*>()->size();
}

QSize sizeOf(const benchmark::State& state)
{
    return state.range(0) == 0 ? panelSquareSize() : QSize(int(state.range(0)), int(state.range(0)));
}

void paintPlane(benchmark::State& state, bool rebuild)
{
    QColorSquare square;
    square.resize(sizeOf(state));
    square.setColor(QColor::fromHsvF(0.3, 0.5, 0.5));
    QImage target(square.size(), QImage::Format_ARGB32_Premultiplied);
    int step = 0;
    for (auto _ : state) {
        if (rebuild)
            square.setHue((++step % 360) / 360.0);
        square.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.SetLabel(QStringLiteral("%1 x %2").arg(square.width()).arg(square.height()).toStdString());
}

void BM_ColorPlaneQColorPerPixel(benchmark::State& state)
{
    const QSize size = sizeOf(state);
    QImage target(size, QImage::Format_ARGB32_Premultiplied);
    int step = 0;
    for (auto _ : state) {
        const double hue = (++step % 360) / 360.0;
        QImage plane(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x)
                plane.setPixel(x, y, QColor::fromHsvF(hue, double(x) / size.width(), double(y) / size.height()).rgb());
        }
        QPainter painter(&target);
        painter.drawImage(QRectF(1, 1, size.width(), size.height()), plane, QRectF(plane.rect()));
        benchmark::DoNotOptimize(target.constBits());
    }
}

void BM_ColorPlaneRebuild(benchmark::State& state)
{
    paintPlane(state, true);
}

void BM_ColorPlaneCached(benchmark::State& state)
{
    paintPlane(state, false);
}

} // namespace

// 0 stands for the square's size inside the colour panel.
BENCHMARK(BM_ColorPlaneQColorPerPixel)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ColorPlaneRebuild)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ColorPlaneCached)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
