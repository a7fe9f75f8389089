#pragma once

#include "stitch/image/Rect.h"
#include "stitch/interface/StitchCallbacks.h"
#include "stitch/interface/StitchEnums.h"

#include <QImage>
#include <QList>
#include <QMap>
#include <QSize>
#include <QString>

#include <atomic>
#include <functional>

class CStitchOptions;

// The stitching library's one client: one engine owns one stitching job of
// one style and output size, feeds the job its photos through the host
// callbacks, runs load, order and stitch, and turns the result bitmap into
// a QImage. The engine is made and deleted in the GUI thread while no
// worker runs; stitch() runs in the worker. The library's callbacks are
// process-wide, so one engine stitches at a time.
//
// Codes besides the library's: -3 a photo cannot be read, -7 the smallest
// width times the smallest height is below 40000 pixels, -8 the widths (or
// heights) differ by a fifth of the smallest or more; -4 the job could not
// be made (no temporary folder); -2 the result cannot be converted.
class IQPanoramaEngine
{
public:
    IQPanoramaEngine(tagStitchStyle style, tagStitchOutputSize outputSize);
    virtual ~IQPanoramaEngine();

    IQPanoramaEngine(const IQPanoramaEngine&) = delete;
    IQPanoramaEngine& operator=(const IQPanoramaEngine&) = delete;

    // The whole (uncropped) panorama, ARGB32 and opaque, rows top-down; or a
    // null image. *code receives the code (untouched for an empty list),
    // ordered the photos in the library's order, crop (when given, on
    // success) the library's crop in the result bitmap's bottom-up rows.
    // The photos are decoded once, already reduced to the output size and
    // packed as the library's bitmaps, several at a time, and dropped again
    // when stitch returns. The first photo in list order that cannot be
    // read gives the code (-3), as if they were read one by one; that photo
    // and the reason are then kept for the message (refusedPhoto()).
    QImage stitch(const QList<QString>& paths, QList<QString>& ordered, tagRECT* crop, int* code);

    // The photo of the last stitch that could not be read and why (the
    // user's message of the image road), or empty strings.
    QString refusedPhoto() const { return m_RefusedPhoto; }
    QString refusedReason() const { return m_RefusedReason; }

    // Progress of a running stitch, 0 to 100 on one forward scale (reading
    // and loading 0-20, ordering 20-30, stitching 30-100), called in the
    // stitching thread on every whole-percent rise. Set before stitch().
    using ProgressReceiver = std::function<void(int percent)>;
    void setProgressReceiver(ProgressReceiver receiver) { m_Progress = std::move(receiver); }
    // A flag read at every report of the library and between photos; once
    // set, the running stitch ends with -1. Not owned; null for none.
    void setCancelFlag(const std::atomic_bool* flag) { m_pCancel = flag; }

    // A library percentage of the stage [start, end] on the forward scale.
    static int mapProgress(int start, int end, int percent);

    // A 24-bit packed bitmap (bottom row first) turned into an ARGB32 image,
    // opaque and top-down. Null for a null bitmap, a bit count other than
    // 24, a size that does not fit, or when memory runs out. Large bitmaps
    // are converted in bands on several threads.
    static QImage dib2Image(const void* dib);

    // The size rule over count (width x, height y) pairs: false with -7 or
    // -8 in *code when it fails; false without a code for no pairs.
    static bool alignPhotoSize(const tagPOINT* sizes, long count, int* code);

    // A photo as the job sees it: turned upright, reduced by the output size
    // while it is decoded, in Format_BGR888. Null when it cannot be read:
    // damaged, not a regular file, or beyond the program's image memory cap
    // (the reason in `error` when not null).
    static QImage readPhoto(const QString& path, tagStitchOutputSize outputSize, QString* error = nullptr);
    // The size readPhoto() gives, from the file's header; invalid when the
    // header cannot be read.
    static QSize photoSize(const QString& path, tagStitchOutputSize outputSize);

    // Three point pairs (element point, neighbour point, three times) of the
    // overlap between the grid element (x column, y row) and its right
    // neighbour, or its lower one when vertical; 0 when found.
    int get3PairPoints(tagPOINT& element, bool vertical, tagPOINT* pairs);
    void overlapRects(QList<tagRECT>& rects) const;

    // The fine-tune operations re-stitch or move a seam through points the
    // user set, after a successful stitch. finetune gives the new panorama
    // (and its crop) or a null image with the library's code (-4: the pairs
    // are too far apart); adjustPath the panorama with the neighbour's
    // pixels copied over the moved seam, or a null image when nothing
    // changed or render (the library's path-only flag) was set.
    static bool canFinetune() { return true; }
    QImage finetune(tagPOINT* pairs, tagPOINT element, bool vertical, tagRECT* crop, int* code = nullptr);
    QImage adjustPath(tagPOINT element, bool horizontal, tagPOINT* points, bool render, bool* changed,
                      unsigned short** path);
    int adjustPathPoints(tagPOINT element, bool horizontal, tagPOINT* points, bool* changed, unsigned short** path);

    CStitchOptions* handle() const { return m_pHandle; }
    tagStitchStyle style() const { return m_Style; }
    tagStitchOutputSize outputSize() const { return m_OutputSize; }
    int columns() const { return m_nCols; }
    int rows() const { return m_nRows; }
    const tagRECT& cropRect() const { return m_CropRect; }
    int dividingPathCount() const { return m_nPathCount; }
    unsigned short** dividingPaths() const { return m_ppPaths; }

    // The host callbacks. user is the engine. During a stitch GetImage lends
    // the cached bitmap itself (the library only reads photos) and
    // DeleteImage gives the loan back; a photo that is not (or no longer)
    // cached is read again into a bitmap of its own.
    static void ShowProgress(int percent, bool* cancel, void* user);
    static int GetImage(const QString* name, void** dib, void* user);
    static void DeleteImage(void** dib, void* user);
    static int GetResultDIBData(void* dib, void* user);
    static void* MemAlloc(unsigned int size);
    static void* MemLock(void* handle);
    static bool MemUnlock(void* handle);
    static void MemFree(void* handle);
    // Handles of MemAlloc not yet given back to MemFree, process-wide.
    static long long liveMemoryHandles();

    // The packed bitmap GetImage hands out for an image: 40-byte header,
    // 24-bit rows bottom-up padded to 4 bytes (padding zero). -3 when the
    // image is null or its size does not fit the header's 32-bit field, -2
    // when memory runs out; the bitmap is freed with DeleteImage.
    static int imageToDib(const QImage& image, void** dib);
    // The photos' packed bitmaps cached by an engine and lent to the
    // library, process-wide (for tests: none is left once every engine is
    // gone and every loan given back).
    static long long sharedPhotoCount();

private:
    void report(int percent);
    bool cancelled() const { return m_pCancel && m_pCancel->load(); }
    void setStage(int start, int end);
    // Decodes and packs the photos into the cache; 0, -1 when cancelled, or
    // the code of the first photo in list order that failed.
    int preload(const QList<QString>& paths, tagPOINT* sizes);
    void dropPhotos();
    // The photo decoded upright and reduced, in the reader's own format.
    static QImage decodePhoto(const QString& path, tagStitchOutputSize outputSize, QString* error = nullptr);

    CStitchOptions* m_pHandle = nullptr;
    tagRECT m_CropRect{0, 0, 0, 0};
    int m_nOverlapCount = 0;
    tagRECT* m_pOverlaps = nullptr;
    int m_nPathCount = 0;
    unsigned short** m_ppPaths = nullptr;
    tagStitchStyle m_Style;
    tagStitchOutputSize m_OutputSize;
    int m_nCols = 0;
    int m_nRows = 0;
    tagStitchCallbacks m_Callbacks;
    // Each photo of the running stitch as its packed bitmap, by path.
    QMap<QString, void*> m_PhotoCache;
    QString m_RefusedPhoto;
    QString m_RefusedReason;

    ProgressReceiver m_Progress;
    const std::atomic_bool* m_pCancel = nullptr;
    int m_nStageStart = 0;
    int m_nStageEnd = 100;
    int m_nLastPercent = -1;
};
