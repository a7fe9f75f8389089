#pragma once

#include "montage/engine/IQZorivuvBlock.h"
#include "montage/engine/IQZorivuvParam.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

#include <algorithm>
#include <functional>
#include <vector>

// The montage engine: rebuilds the target photo as a mosaic of tile photos.
//
// One object for the whole process. It keeps the target and the tile photo
// paths between the montage appliances, which write them on the GUI thread
// before a run; a run (usually on an IQZorivuvThread) then reads them
// without a lock, so nothing may change them until the run has ended.
// Only one run at a time.
class IQZorivuvEngine
{
public:
    // Result codes of zorivuv().
    enum Result {
        Success = 0,
        // Bad settings (tile below 1 x 1, columns above maxColumns, unknown
        // layout or mask mode) or a mosaic that cannot be made or painted.
        PaintFailed = 1,
        NoTarget = 2,
        // The progress callback asked to stop; the appliances show nothing.
        Cancelled = 3,
        // No tile photo could be read.
        NoTilePhoto = 4,
    };

    // The most cells across: the length of the engine's index rows.
    static constexpr int maxColumns = 65535;
    // The fewest cells across a run uses, whatever the settings ask.
    static constexpr int minColumns = 60;

    // What a run reports besides its code.
    struct RunInfo
    {
        int leftOut = 0;      // listed photos that could not be read
        int started = 0;      // photos whose decoding began
        qint64 decodeNs = 0;  // wall time of decoding the photos
        qint64 drawNs = 0;    // wall time of choosing, recolouring and drawing
    };

    // Progress of a run: `done` of `total` steps, one a listed photo decoded
    // (read or not) and one a mosaic row drawn. Called from the decoding
    // threads and then from the run's thread, one call at a time, `done`
    // never going down; the last call of a finished run has done == total.
    // Returning false cancels the run (code Cancelled): no further photo is
    // started, no further row drawn, and what the run holds is freed.
    using Progress = std::function<bool(qint64 done, qint64 total)>;

    // Made on first use (thread-safe), destroyed at process exit.
    static IQZorivuvEngine* globalInstance();

    // Copies `image` as the target; a null image makes the next run fail
    // with NoTarget.
    void setBackgroundImage(const QImage& image);

    // Builds the mosaic of `background` from the photos of `tilePaths` with
    // the settings `param`. On Success `mosaic` is Format_BGR888, or
    // Format_ARGB32_Premultiplied when a mask was applied; `mask` is that
    // mask (null when none). Both are null on failure. `leftOut`, when
    // given, receives the number of listed photos that could not be read.
    // Every listed photo is decoded once, before any cell is chosen, on at
    // most threadCount() threads at once (the CPU executor's and the calling
    // one); the tile choice draws from RandomSource in cell order on the
    // calling thread, so a seeded source gives the same mosaic
    // every time, at any thread count. `info`, when given, is filled in
    // whatever the outcome.
    int zorivuv(const IQZorivuvParam* param, QImage& mosaic, QImage& mask, RunInfo* info = nullptr,
                const Progress& progress = Progress());

    // Threads that decode the tile photos: 0 (the default) for as many as
    // the machine runs at once. Set it between runs only.
    void setThreadCount(int threads) { m_threads = std::max(threads, 0); }
    int threadCount() const { return m_threads; }

    // Chooses the tile of cell `column` (randomIndex), stores it in
    // current[column] and returns its block of `pool`; null for an empty
    // pool. `previous` is null in the first row.
    const IQZorivuvBlock* zorivuvBlock(int* current, const int* previous, int column,
                                       const std::vector<IQZorivuvBlock>& pool);

    // The tile choice among `count` photos: 0 for fewer than two; for two,
    // 0 or 1 at random; for more, a random index that differs from
    // previous[column] (when `previous` is given) and from
    // current[column - 1] (when column > 0). One RandomSource::uniform(count)
    // per attempt. Stores nothing.
    static int randomIndex(const int* current, const int* previous, int column, int count);

    // IQMath::fitIn: scales the size to fit inside the maximum, enlarging
    // too, sides rounded to nearest. 0.0 with nothing changed when a side is
    // not positive.
    static double fitIn(int* width, int* height, int maximumWidth, int maximumHeight);

    // Rows of a mosaic `columns` cells wide over `image`: height x columns /
    // width, rounded down (computed in 64 bits, capped at INT_MAX). 0 for a
    // null or empty image, or columns below 1.
    static int zorivuvRowNumber(const QImage* image, int columns);

    // Copies the pixels of `block` (Format_BGR888 or Format_RGB32), from its
    // top-left corner, into `rect` of `destination` (Format_BGR888 or a
    // 32-bit format, where they are written fully opaque). The rectangle is
    // clipped to both images; other destination formats are left alone.
    static void fillZorivuvBlock(const QRect& rect, QImage& destination, const QImage& block);

    // Inputs kept between runs; see the class comment on threads.
    QImage background;
    // Drawn over the finished tiles, fitted into half the mosaic, centred.
    QImage overlay;
    QList<QString> tilePaths;

private:
    IQZorivuvEngine();
    IQZorivuvEngine(const IQZorivuvEngine&) = delete;
    IQZorivuvEngine& operator=(const IQZorivuvEngine&) = delete;

    // The tile index of every cell of the previous and the current row;
    // they trade roles after each row, so choosing allocates nothing.
    int m_indexRows[2][maxColumns];
    int m_threads = 0;
};
