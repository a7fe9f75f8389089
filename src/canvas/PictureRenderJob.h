#pragma once

#include "effects/ZIZuzaVuvoviParam.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

class PixelBufferPool;
class ZIZuzaVuvovi;

// What a picture renders from: the image its pixmap held when the first
// render was asked for (`origin`), the unprocessed 24-bit blue-green-red
// source made from it by the first job that runs, and the picture's one
// effect engine, made with the source's size by the first fine-tune run and
// never made again. Only the one job in flight of a picture touches it.
struct PictureRenderSource
{
    PictureRenderSource();
    ~PictureRenderSource();

    QImage origin;
    QImage source; // Format_BGR888, or null until made
    std::unique_ptr<ZIZuzaVuvovi> engine;
    // The working copy, kept from run to run: a fresh buffer of a large
    // picture costs a page fault per page on first touch, often more than
    // the whole effect run. Never handed out of the job.
    QImage work;
    // The memory of rendered images, given back when their pixmap goes.
    std::shared_ptr<PixelBufferPool> buffers;
};

// One request of a picture, with copies of everything it reads: the
// records' values at the moment it was asked for, the mask, the size the
// picture is shown at and the formats the screen's pixmaps use.
struct PictureRenderJob
{
    enum Kind {
        Run,   // the whole run: fine-tune, mask, mirror
        Mask,  // the source with a new mask only
        Clear, // the source alone, without mask
        Scale, // a smooth copy of `image` at the shown size only
    };

    Kind kind = Run;
    quint64 serial = 0;
    bool fineTune = false; // call the engine with `param`
    ZIZuzaVuvoviParam param;
    bool flipHorizontally = false;
    bool flipVertically = false;
    QImage mask;             // null: none
    QImage image;            // Scale: the picture as it is shown
    QSize shownSize;         // empty: no smooth copy
    QImage::Format opaqueFormat = QImage::Format_RGB32;
    QImage::Format alphaFormat = QImage::Format_ARGB32_Premultiplied;
};

struct PictureRenderResult
{
    quint64 serial = 0;
    PictureRenderJob::Kind kind = PictureRenderJob::Run;
    bool ok = false;
    QString failure; // why, when not ok
    QImage image;    // the picture in the screen pixmap's format (not for Scale)
    QImage scaled;   // the smooth copy at the shown size, or null
};

// Runs `job` against `source` (making the source and the engine when they
// are missing). Thread-safe for different sources; any thread. A result
// that is not ok leaves the picture's pixmap as it was.
PictureRenderResult renderPictureJob(PictureRenderSource& source, const PictureRenderJob& job);

// `image` in the format QPixmap::fromImage with default flags would give it
// on this screen: `opaque` when no pixel is transparent, else `alpha`. Null
// when memory is short.
QImage toPixmapFormat(QImage image, QImage::Format opaque, QImage::Format alpha);
