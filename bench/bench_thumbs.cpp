// The thumbnail browser over a folder of 500 large JPEGs: how long until the
// rows in view show their thumbnails, and the longest stretch meanwhile in
// which the event loop did not turn (what the user feels as a frozen
// window). The items read at reduced size through the reader's scaled size;
// the peer reads each photograph in full and scales it down afterwards.
#include "filebrowser/IQThumbsViewer.h"
#include "files/IQImageFileItem.h"
#include "files/IQImageLimits.h"

#include "SyntheticPhoto.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QStandardItem>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <unistd.h>

namespace {

constexpr int photoWidth = 4000;
constexpr int photoHeight = 3000; // 12 megapixels
constexpr int distinctPhotos = 8;
constexpr int folderSize = 500;

// 500 names over a few distinct files (hard links), so the folder costs
// seconds to make and little disk.
const QStringList& folder()
{
    static QTemporaryDir dir;
    static const QStringList files = [] {
        QStringList originals;
        for (int i = 0; i < distinctPhotos; ++i) {
            const QString path = dir.filePath(QStringLiteral("original-%1.jpg").arg(i));
            syntheticPhoto(photoWidth, photoHeight, quint32(i + 1)).save(path, "jpeg", 90);
            originals << path;
        }
        QStringList paths;
        for (int i = 0; i < folderSize; ++i) {
            const QString path = dir.filePath(QStringLiteral("IMG_%1.jpg").arg(i, 4, 10, QLatin1Char('0')));
            if (::link(QFile::encodeName(originals[i % distinctPhotos]).constData(), QFile::encodeName(path).constData()) != 0)
                QFile::copy(originals[i % distinctPhotos], path);
            paths << path;
        }
        return paths;
    }();
    return files;
}

// The straightforward way: the whole photograph, then a smooth scale.
class FullReadItem : public IQImageFileItem
{
public:
    using IQImageFileItem::IQImageFileItem;
    QImage thumbnail(QSize size) override
    {
        return image().scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
};

bool visibleRowsLoaded(IQThumbsViewer& view)
{
    const int first = view.getFirstVisibleThumb();
    const int last = view.getLastVisibleThumb();
    if (first < 0 || last < 0)
        return false;
    for (int row = first; row <= last; ++row)
        if (!view.itemAtRow(row)->data(IQThumbsViewer::LoadedRole).toBool())
            return false;
    return true;
}

template <class Item>
void BM_ThumbsVisibleRows(benchmark::State& state)
{
    const QStringList& files = folder();
    qint64 worstGapNs = 0;
    qint64 windowNs = 0;
    int visibleRows = 0;
    for (auto _ : state) {
        QList<std::shared_ptr<IQThumbnailItem>> items;
        for (const QString& file : files)
            items << std::make_shared<Item>(file);

        IQThumbsViewer view;
        view.resize(1000, 700);
        view.show();
        QCoreApplication::processEvents();

        // Fires at every turn of the event loop, the browser's own included.
        QElapsedTimer clock;
        qint64 lastTurn = 0;
        qint64 gap = 0;
        qint64 visibleAt = -1;
        QTimer probe;
        probe.setInterval(0);
        QObject::connect(&probe, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            gap = std::max(gap, now - lastTurn);
            lastTurn = now;
            if (visibleAt < 0 && visibleRowsLoaded(view))
                visibleAt = now;
        });
        clock.start();
        probe.start();
        view.addThumbs(items);
        const qint64 addReturned = clock.nsecsElapsed();
        while (visibleAt < 0)
            QCoreApplication::processEvents();
        probe.stop();

        state.SetIterationTime(double(visibleAt) / 1e9);
        worstGapNs = std::max(worstGapNs, gap);
        windowNs = std::max(windowNs, addReturned);
        visibleRows = view.getLastVisibleThumb() - view.getFirstVisibleThumb() + 1;
    }
    state.counters["longest_gap_ms"] = double(worstGapNs) / 1e6;
    state.counters["whole_window_ms"] = double(windowNs) / 1e6;
    state.counters["visible_rows"] = visibleRows;
}
BENCHMARK_TEMPLATE(BM_ThumbsVisibleRows, IQImageFileItem)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK_TEMPLATE(BM_ThumbsVisibleRows, FullReadItem)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    IQImageLimits::install();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
