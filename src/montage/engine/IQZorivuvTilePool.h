#pragma once

#include "montage/engine/IQZorivuvBlock.h"

#include <QList>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

// Decodes the tile photos of a montage run, on several threads of the
// program's CPU executor.
//
// Each listed photo is decoded once at the tile size (IQZorivuvBlock::
// convert); the readable ones form the pool in list order, so the result
// does not depend on the number of threads.
class IQZorivuvTilePool
{
public:
    // Called once per listed photo as it is done (read or not), with the
    // number done so far; calls come from the decoding threads, one at a
    // time, with `done` rising by one each call. Returning false stops the
    // decoding: no further photo is started.
    using PhotoDone = std::function<bool(int done)>;

    // The most threads `decode` uses at once for `requested` threads (0 =
    // as many as the machine runs at once) and `photos` photos: at least
    // 1, never more than the photos (nor than the executor runs).
    static int threadsFor(int requested, int photos);

    struct Result
    {
        std::vector<IQZorivuvBlock> blocks; // the readable photos, list order
        int leftOut = 0;                    // listed photos that could not be read
        int started = 0;                    // photos whose decoding began
        bool stopped = false;               // `photoDone` returned false
    };

    // Blocks until every started photo is done. When stopped, `blocks` is
    // empty.
    static Result decode(const QList<QString>& paths, const QSize& tile, int threads,
                         const PhotoDone& photoDone = PhotoDone());
};
