#include "montage/engine/IQZorivuvEngine.h"

#include "montage/engine/IQZorivuvRecolour.h"
#include "montage/engine/IQZorivuvTilePool.h"
#include "files/IQImageLimits.h"
#include "files/IQMath.h"
#include "platform/RandomSource.h"

#include <QElapsedTimer>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

// The tallest reduced target: one pixel a mosaic row.
constexpr int maxReducedHeight = 65535;

} // namespace

IQZorivuvEngine::IQZorivuvEngine()
{
    std::memset(m_indexRows, 0, sizeof m_indexRows);
}

IQZorivuvEngine* IQZorivuvEngine::globalInstance()
{
    static IQZorivuvEngine engine;
    return &engine;
}

void IQZorivuvEngine::setBackgroundImage(const QImage& image)
{
    background = image;
}

double IQZorivuvEngine::fitIn(int* width, int* height, int maximumWidth, int maximumHeight)
{
    return IQMath::fitIn(width, height, maximumWidth, maximumHeight);
}

int IQZorivuvEngine::zorivuvRowNumber(const QImage* image, int columns)
{
    if (!image || image->width() < 1 || image->height() < 1 || columns < 1)
        return 0;
    const qint64 rows = qint64(image->height()) * columns / image->width();
    return int(std::min<qint64>(rows, INT_MAX));
}

int IQZorivuvEngine::randomIndex(const int* current, const int* previous, int column, int count)
{
    if (count < 2)
        return 0;
    if (count == 2)
        return int(RandomSource::uniform(2));
    // At most two values are excluded, so with three or more this ends.
    for (;;) {
        const int index = int(RandomSource::uniform(quint32(count)));
        if (previous && previous[column] == index)
            continue;
        if (column > 0 && current[column - 1] == index)
            continue;
        return index;
    }
}

const IQZorivuvBlock* IQZorivuvEngine::zorivuvBlock(int* current, const int* previous, int column,
                                                    const std::vector<IQZorivuvBlock>& pool)
{
    if (pool.empty())
        return nullptr;
    const int index = randomIndex(current, previous, column, int(pool.size()));
    current[column] = index;
    return &pool[size_t(index)];
}

void IQZorivuvEngine::fillZorivuvBlock(const QRect& rect, QImage& destination, const QImage& block)
{
    const bool packedBlock = block.format() == QImage::Format_BGR888;
    if (!packedBlock && block.format() != QImage::Format_RGB32)
        return;
    const bool packed = destination.format() == QImage::Format_BGR888;
    if (!packed && destination.depth() != 32)
        return;
    // Clip against the destination, then against the block laid at the
    // rectangle's corner.
    const QRect clipped = rect.intersected(destination.rect())
                              .intersected(QRect(rect.topLeft(), block.size()));
    if (clipped.isEmpty())
        return;
    const int sourceX = clipped.left() - rect.left();
    const int sourceY = clipped.top() - rect.top();
    const int width = clipped.width();
    for (int y = 0; y < clipped.height(); ++y) {
        uchar* row = destination.scanLine(clipped.top() + y);
        if (!packedBlock) {
            const auto* in = reinterpret_cast<const quint32*>(block.constScanLine(sourceY + y)) + sourceX;
            if (packed) {
                uchar* out = row + 3 * clipped.left();
                for (int x = 0; x < width; ++x, out += 3) {
                    out[0] = uchar(in[x]);
                    out[1] = uchar(in[x] >> 8);
                    out[2] = uchar(in[x] >> 16);
                }
            } else {
                auto* out = reinterpret_cast<quint32*>(row) + clipped.left();
                for (int x = 0; x < width; ++x)
                    out[x] = 0xFF000000u | in[x];
            }
            continue;
        }
        const uchar* in = block.constScanLine(sourceY + y) + 3 * sourceX;
        if (packed) {
            std::memcpy(row + 3 * clipped.left(), in, size_t(width) * 3);
            continue;
        }
        auto* out = reinterpret_cast<quint32*>(row) + clipped.left();
        for (int x = 0; x < width; ++x, in += 3)
            out[x] = 0xFF000000u | (quint32(in[2]) << 16) | (quint32(in[1]) << 8) | in[0];
    }
}

int IQZorivuvEngine::zorivuv(const IQZorivuvParam* param, QImage& mosaic, QImage& mask, RunInfo* info,
                             const Progress& progress)
{
    mosaic = QImage();
    mask = QImage();
    RunInfo unused;
    RunInfo& run = info ? *info : unused;
    run = RunInfo();
    if (background.isNull())
        return NoTarget;
    if (!param)
        return PaintFailed;

    const int tw = param->tile.width();
    const int th = param->tile.height();
    const int cols = std::max(param->columns, minColumns);
    if (tw < 1 || th < 1 || cols > maxColumns)
        return PaintFailed;
    if (param->layout != 0 && param->layout != 1)
        return PaintFailed;
    if (param->maskMode != 0 && param->maskMode != 1)
        return PaintFailed;

    // The reduced target has one pixel a cell. Its width is at most `cols`
    // (fewer for a target taller than 65535 / cols times its width, whose
    // cells then repeat its last column); never below 1 x 1, so that a thin
    // strip still has a row.
    int reducedWidth = background.width();
    int reducedHeight = background.height();
    fitIn(&reducedWidth, &reducedHeight, cols, maxReducedHeight);
    reducedWidth = std::max(reducedWidth, 1);
    reducedHeight = std::max(reducedHeight, 1);
    const qint64 rows = std::max<qint64>(qint64(reducedHeight) * cols / reducedWidth, 1);

    const qint64 mosaicWidth = qint64(tw) * cols;
    const qint64 mosaicHeight = qint64(th) * rows;
    if (mosaicWidth > INT_MAX || mosaicHeight > INT_MAX)
        return PaintFailed;
    const QSize mosaicSize{int(mosaicWidth), int(mosaicHeight)};

    QImage runMask;
    if (param->maskMode == 0) {
        if (background.hasAlphaChannel()) {
            // Opaque target pixels become white in the mask.
            runMask = background.createAlphaMask();
            runMask.invertPixels();
        }
    } else {
        runMask = param->mask;
    }
    // The tiles are painted in 32-bit pixels, where the painter has its fast
    // scaled road; a mosaic without mask becomes BGR888 at the end.
    const QImage::Format format = runMask.isNull() ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
    if (IQImageLimits::exceedsLimit(mosaicSize, format))
        return PaintFailed;

    const QImage reduced = background
                               .scaled(QSize(reducedWidth, reducedHeight), Qt::IgnoreAspectRatio,
                                       Qt::SmoothTransformation)
                               .convertToFormat(QImage::Format_BGR888);
    QImage image(mosaicSize, format);
    QImage scratch(param->tile, QImage::Format_RGB32);
    if (reduced.isNull() || image.isNull() || scratch.isNull())
        return PaintFailed;
    image.fill(runMask.isNull() ? Qt::black : Qt::transparent);

    const qint64 photos = tilePaths.size();
    const qint64 total = photos + rows;
    QElapsedTimer clock;
    clock.start();
    // Every photo once, before any cell is chosen; the pool keeps list order.
    IQZorivuvTilePool::PhotoDone photoDone;
    if (progress)
        photoDone = [&](int done) { return progress(done, total); };
    IQZorivuvTilePool::Result decoded = IQZorivuvTilePool::decode(tilePaths, param->tile, m_threads, photoDone);
    run.started = decoded.started;
    run.decodeNs = clock.nsecsElapsed();
    if (decoded.stopped)
        return Cancelled;
    run.leftOut = decoded.leftOut;
    const std::vector<IQZorivuvBlock> pool = std::move(decoded.blocks);
    if (pool.empty())
        return NoTilePhoto;
    clock.restart();

    QPainter painter;
    if (!painter.begin(&image) || !painter.isActive())
        return PaintFailed;
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);

    const QRect tileRect(0, 0, tw, th);
    const int halfTile = tw / 2;
    int* current = m_indexRows[0];
    int* previous = nullptr;
    for (int r = 0; r < int(rows); ++r) {
        const int top = r * th;
        const uchar* cellRow = reduced.constScanLine(std::min(r, reducedHeight - 1));
        const bool offsetRow = param->layout == 1 && (r % 2) == 1;
        for (int x = 0; x < cols; ++x) {
            const uchar* pixel = cellRow + 3 * std::min(x, reducedWidth - 1);
            const uchar cell[3] = {pixel[2], pixel[1], pixel[0]};
            auto recolour = [&](const IQZorivuvBlock* block) {
                IQZorivuvRecolour::apply(block->image, block->mean, cell, param->colourise, &scratch);
            };
            recolour(zorivuvBlock(current, previous, x, pool));

            // One pixel wider and higher than the cell, reaching into the
            // neighbours that are drawn later, so that no seam shows.
            if (!offsetRow) {
                painter.drawImage(QRect(x * tw, top, tw + 1, th + 1), scratch, tileRect);
            } else if (x == 0) {
                fillZorivuvBlock(QRect(0, top, halfTile, th), image, scratch);
            } else {
                painter.drawImage(QRect(halfTile + (x - 1) * tw, top, tw + 1, th + 1), scratch, tileRect);
                if (x == cols - 1) {
                    // The row ends with the left part of a further tile,
                    // tw - tw/2 wide so that an odd tile width reaches the
                    // right edge too.
                    recolour(zorivuvBlock(current, previous, x, pool));
                    fillZorivuvBlock(QRect(halfTile + (cols - 1) * tw, top, tw - halfTile, th), image, scratch);
                }
            }
        }
        previous = current;
        current = current == m_indexRows[0] ? m_indexRows[1] : m_indexRows[0];
        if (progress && !progress(photos + r + 1, total)) {
            painter.end();
            return Cancelled;
        }
    }

    if (!overlay.isNull()) {
        int width = overlay.width();
        int height = overlay.height();
        fitIn(&width, &height, image.width() / 2, image.height() / 2);
        painter.drawImage(QRect((image.width() - width) / 2, (image.height() - height) / 2, width, height),
                          overlay);
    }
    painter.end();

    if (!runMask.isNull())
        image.setAlphaChannel(runMask);
    else
        image.convertTo(QImage::Format_BGR888);
    run.drawNs = clock.nsecsElapsed();
    if (image.isNull())
        return PaintFailed;
    mosaic = std::move(image);
    mask = std::move(runMask);
    return Success;
}
