// Paint of the colour plane (QColorSquare) at the colour panel's size and at
// 1000 x 1000. "Rebuild" changes the hue before every paint, so each paint
// renders the plane pixel by pixel, as every paint once did; "Cached" paints
// an unchanged plane, the common case while the marker moves.
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
