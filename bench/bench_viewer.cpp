// The zoomable image view drawing a 24-megapixel photograph in a full-HD
// viewport: milliseconds per full repaint at several scales and filters,
// against painting a copy already scaled to screen size (what a
// scalingRequested receiver would hand back, the floor), and the worst frame
// of one smooth keyboard scroll.
#include "widgets/GraphicsImageViewer.h"

#include <QApplication>
#include <QEasingCurve>
#include <QElapsedTimer>
#include <QPainter>
#include <QLinearGradient>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int photoWidth = 6000;
constexpr int photoHeight = 4000;
constexpr int viewWidth = 1920;
constexpr int viewHeight = 1080;

// Detail everywhere, so no scaling path can skip work: a colour ramp under
// a fine grid of thin lines.
const QPixmap& photo()
{
    static const QPixmap pixmap = [] {
        QImage image(photoWidth, photoHeight, QImage::Format_RGB32);
        QPainter painter(&image);
        QLinearGradient ramp(0, 0, photoWidth, photoHeight);
        ramp.setColorAt(0, QColor(20, 60, 160));
        ramp.setColorAt(0.5, QColor(200, 160, 40));
        ramp.setColorAt(1, QColor(90, 20, 60));
        painter.fillRect(image.rect(), ramp);
        painter.setPen(QPen(QColor(240, 240, 240), 1));
        for (int x = 0; x < photoWidth; x += 7)
            painter.drawLine(x, 0, x, photoHeight);
        for (int y = 0; y < photoHeight; y += 5)
            painter.drawLine(0, y, photoWidth, y);
        painter.end();
        return QPixmap::fromImage(image);
    }();
    return pixmap;
}

// A shown viewer with the photograph at `scale` (0 = fit to window).
std::unique_ptr<GraphicsImageViewer> makeViewer(double scale, bool nearest)
{
    auto viewer = std::make_unique<GraphicsImageViewer>();
    viewer->resize(viewWidth, viewHeight);
    viewer->show();
    viewer->displayImage(std::make_unique<QPixmap>(photo()));
    if (nearest)
        viewer->setFilterNearest();
    if (scale > 0)
        viewer->zoom(float(scale));
    QApplication::processEvents();
    return viewer;
}

double scaleArg(const benchmark::State& state)
{
    return state.range(0) / 100.0;
}

void BM_ViewerFullPaint(benchmark::State& state)
{
    auto viewer = makeViewer(scaleArg(state), state.range(1) != 0);
    for (auto _ : state)
        viewer->viewport()->repaint();
    state.counters["scale"] = viewer->currentScale();
}
// Scale in hundredths (0 = fit window, 0.27 here); second argument 1 = nearest filter.
BENCHMARK(BM_ViewerFullPaint)
    ->ArgsProduct({{0, 50, 100, 200}, {0, 1}})
    ->ArgNames({"scale%", "nearest"})
    ->Unit(benchmark::kMillisecond);

// The floor: a screen-sized copy drawn 1:1 into a full-HD image.
void BM_PaintPrescaledCopy(benchmark::State& state)
{
    const double scale = double(viewHeight) / photoHeight;
    const QPixmap copy = photo().scaled(photo().size() * scale, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage screen(viewWidth, viewHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&screen);
        painter.fillRect(screen.rect(), QColor(34, 34, 34));
        painter.drawPixmap((viewWidth - copy.width()) / 2, 0, copy);
    }
}
BENCHMARK(BM_PaintPrescaledCopy)->Unit(benchmark::kMillisecond);

// One smooth scroll step down (220 pixels over 150 ms, a frame every 7 ms):
// each frame sets the position and repaints at once. The time reported is
// the slowest frame of the scroll.
void BM_SmoothScrollWorstFrame(benchmark::State& state)
{
    auto viewer = makeViewer(scaleArg(state), false);
    QEasingCurve curve(QEasingCurve::OutSine);
    const int frames = viewer->scrollDuration() / 7;
    double total = 0;
    qint64 count = 0;
    for (auto _ : state) {
        const int start = viewer->verticalScrollBar()->value();
        double worst = 0;
        for (int i = 1; i <= frames; ++i) {
            const int y = start + qRound(curve.valueForProgress(double(i) / frames) * viewer->scrollStep());
            QElapsedTimer clock;
            clock.start();
            QMetaObject::invokeMethod(viewer.get(), "scrollToY", Q_ARG(int, y));
            const double seconds = clock.nsecsElapsed() / 1e9;
            worst = std::max(worst, seconds);
            total += seconds;
            ++count;
        }
        state.SetIterationTime(worst);
        // Back to where it began, so every round scrolls the same stretch.
        viewer->scroll(viewer->horizontalScrollBar()->value(), start);
    }
    state.counters["mean_frame_ms"] = count ? total / count * 1000 : 0;
}
BENCHMARK(BM_SmoothScrollWorstFrame)
    ->Arg(50)
    ->Arg(100)
    ->Arg(200)
    ->ArgName("scale%")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
