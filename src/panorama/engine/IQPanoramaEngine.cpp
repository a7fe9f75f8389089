#include "panorama/engine/IQPanoramaEngine.h"

#include "concurrency/CpuExecutor.h"
#include "files/IQImageIO.h"
#include "stitch/image/BitmapInfo.h"
#include "stitch/interface/PSStitch.h"

#include <QThread>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace {

std::atomic<long long> s_liveHandles{0};

// The engine whose stitch is running. A cancelled load puts back the user
// data of before the job was made (possibly an engine deleted since), so
// during a stitch the callbacks trust this rather than the user pointer.
std::atomic<IQPanoramaEngine*> s_pActive{nullptr};

IQPanoramaEngine* engineOf(void* user)
{
    IQPanoramaEngine* active = s_pActive.load();
    return active ? active : static_cast<IQPanoramaEngine*>(user);
}

struct ActiveEngine
{
    explicit ActiveEngine(IQPanoramaEngine* engine) { s_pActive = engine; }
    ~ActiveEngine() { s_pActive = nullptr; }
};

constexpr int kHeaderSize = 40;
constexpr int kResolution = 72;

void putU16(unsigned char* p, quint16 v)
{
    p[0] = v & 0xFF;
    p[1] = v >> 8;
}

void putU32(unsigned char* p, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = (v >> (8 * i)) & 0xFF;
}

quint32 getU32(const unsigned char* p)
{
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 getU16(const unsigned char* p)
{
    return quint16(p[0] | p[1] << 8);
}

// Cached photos are lent to the library rather than copied for every fetch:
// each block counts its holders (the cache, and each fetch not yet given
// back), so a photo the library still holds outlives the cache and is freed
// by the last DeleteImage.
std::mutex s_sharedMutex;
std::unordered_map<const void*, int> s_sharedHolders;

void shareBlock(void* block)
{
    const std::lock_guard<std::mutex> lock(s_sharedMutex);
    s_sharedHolders[block] = 1;
}

// One more holder of a shared block; false when the block is not shared.
bool holdBlock(void* block)
{
    const std::lock_guard<std::mutex> lock(s_sharedMutex);
    auto it = s_sharedHolders.find(block);
    if (it == s_sharedHolders.end())
        return false;
    ++it->second;
    return true;
}

// One holder fewer, freeing the block after the last; false when the block
// is not shared.
bool releaseBlock(void* block)
{
    bool last = false;
    {
        const std::lock_guard<std::mutex> lock(s_sharedMutex);
        auto it = s_sharedHolders.find(block);
        if (it == s_sharedHolders.end())
            return false;
        last = --it->second == 0;
        if (last)
            s_sharedHolders.erase(it);
    }
    if (last)
        std::free(block);
    return true;
}

// At most this many threads decode photos or convert a result at once: each
// full-size decode holds its picture twice (the reader's and the packed
// copy), so more would raise the peak memory for little gain.
constexpr int kMaxThreads = 4;

// The reduced size of a photo of `size` for the output size: halved or
// quartered, rounding down, at least a pixel (the size rule refuses what
// is too small).
QSize reduced(QSize size, tagStitchOutputSize outputSize)
{
    const int shift = outputSize == StitchOutputHalf ? 1 : outputSize == StitchOutputQuarter ? 2 : 0;
    return QSize(qMax(size.width() >> shift, 1), qMax(size.height() >> shift, 1));
}

} // namespace

IQPanoramaEngine::IQPanoramaEngine(tagStitchStyle style, tagStitchOutputSize outputSize)
    : m_Style(style)
    , m_OutputSize(outputSize)
{
    m_Callbacks.pUserData = this;
    m_Callbacks.ShowProgress = &IQPanoramaEngine::ShowProgress;
    m_Callbacks.GetImage = &IQPanoramaEngine::GetImage;
    m_Callbacks.DeleteImage = &IQPanoramaEngine::DeleteImage;
    m_Callbacks.GetResultDIBData = &IQPanoramaEngine::GetResultDIBData;
    m_Callbacks.MemAlloc = &IQPanoramaEngine::MemAlloc;
    m_Callbacks.MemLock = &IQPanoramaEngine::MemLock;
    m_Callbacks.MemUnlock = &IQPanoramaEngine::MemUnlock;
    m_Callbacks.MemFree = &IQPanoramaEngine::MemFree;
    // The photos arrive already reduced while they are decoded, so the job
    // itself works at their full size: reducing again would make "1/2 Size"
    // a quarter.
    m_pHandle = PSCreateStitch(style, StitchOutputOriginal, StitchMethodCalibrated, &m_Callbacks);
}

IQPanoramaEngine::~IQPanoramaEngine()
{
    if (m_pHandle) {
        PSReleaseStitch(m_pHandle);
        m_pHandle = nullptr;
    }
    dropPhotos();
}

int IQPanoramaEngine::mapProgress(int start, int end, int percent)
{
    percent = std::clamp(percent, 0, 100);
    return start + (percent * (end - start)) / 100;
}

void IQPanoramaEngine::setStage(int start, int end)
{
    m_nStageStart = start;
    m_nStageEnd = end;
}

void IQPanoramaEngine::report(int percent)
{
    const int mapped = mapProgress(m_nStageStart, m_nStageEnd, percent);
    if (mapped <= m_nLastPercent)
        return;
    m_nLastPercent = mapped;
    if (m_Progress)
        m_Progress(mapped);
}

QSize IQPanoramaEngine::photoSize(const QString& path, tagStitchOutputSize outputSize)
{
    const QSize upright = IQImageIO::readSize(path);
    if (!upright.isValid() || upright.isEmpty())
        return QSize();
    return reduced(upright, outputSize);
}

QImage IQPanoramaEngine::decodePhoto(const QString& path, tagStitchOutputSize outputSize, QString* error)
{
    // Through the program's one image road: its memory cap, its refusal
    // of damaged and special files, its reduction while decoding.
    if (outputSize == StitchOutputOriginal)
        return IQImageIO::readImage(path, error);
    return IQImageIO::readImage(
        path, [outputSize](const QSize& upright) { return reduced(upright, outputSize); }, error);
}

QImage IQPanoramaEngine::readPhoto(const QString& path, tagStitchOutputSize outputSize, QString* error)
{
    QImage image = decodePhoto(path, outputSize, error);
    if (image.isNull())
        return QImage();
    // The bitmap's own byte order.
    if (image.format() != QImage::Format_BGR888)
        image = image.convertToFormat(QImage::Format_BGR888);
    return image;
}

bool IQPanoramaEngine::alignPhotoSize(const tagPOINT* sizes, long count, int* code)
{
    if (!sizes || count < 1)
        return false;
    // Sizes of the photos themselves, never a fixed start value, and the
    // product in 64 bits: large photos neither overflow nor slip through.
    qint64 minW = sizes[0].x, maxW = sizes[0].x, minH = sizes[0].y, maxH = sizes[0].y;
    for (long i = 1; i < count; ++i) {
        minW = std::min<qint64>(minW, sizes[i].x);
        maxW = std::max<qint64>(maxW, sizes[i].x);
        minH = std::min<qint64>(minH, sizes[i].y);
        maxH = std::max<qint64>(maxH, sizes[i].y);
    }
    auto fail = [code](int value) {
        if (code)
            *code = value;
        return false;
    };
    if (minW * minH < 40000)
        return fail(-7);
    // The quotient in single precision against 0.2 in double: a difference
    // of exactly a fifth rounds above 0.2 and fails.
    const float spreadW = float(maxW - minW) / float(minW);
    const float spreadH = float(maxH - minH) / float(minH);
    if (double(spreadW) > 0.2 || double(spreadH) > 0.2)
        return fail(-8);
    return true;
}

QImage IQPanoramaEngine::stitch(const QList<QString>& paths, QList<QString>& ordered, tagRECT* crop, int* code)
{
    if (paths.isEmpty())
        return QImage();
    int result = 0;
    auto finish = [&](int value) {
        dropPhotos();
        setStage(0, 100);
        report(100);
        if (code)
            *code = value;
        return QImage();
    };
    m_nLastPercent = -1;
    // Without a job there is no temporary folder: say so, rather than blame
    // the photos.
    if (!m_pHandle) {
        if (code)
            *code = StitchGridOrTempDir;
        return QImage();
    }
    ActiveEngine active(this);

    const int count = int(paths.size());
    QList<tagPOINT> sizes(count, tagPOINT{0, 0});
    setStage(0, 10);
    report(0);
    result = preload(paths, sizes.data());
    if (result != 0)
        return finish(result);
    if (!alignPhotoSize(sizes.data(), count, &result))
        return finish(result);
    if (cancelled())
        return finish(StitchCancelled);

    setStage(10, 20);
    result = PSLoadImages(m_pHandle, count, paths, sizes.data());
    if (result == 0) {
        setStage(20, 30);
        QList<QString> order = paths;
        result = PSAutoOrder(m_pHandle, order, &m_nCols, &m_nRows, true, 4, 4);
        if (result == 0)
            ordered = order;
    }
    void* dib = nullptr;
    if (result == 0) {
        setStage(30, 100);
        QList<QString> names;
        names.reserve(qsizetype(m_nCols) * m_nRows);
        result = DEZeviDirevi(m_pHandle, 0, &m_nCols, &m_nRows, names, &dib, &m_pOverlaps, &m_nOverlapCount,
                              &m_ppPaths, &m_nPathCount, &m_CropRect);
        // Names come back only when the stitch dropped a photo that almost
        // coincided with its neighbour: the grid's photos are then these,
        // and the overlaps' photos are looked up among them.
        if (result == 0 && !names.isEmpty())
            ordered = names;
    }
    if (result == 0 && cancelled())
        result = StitchCancelled;
    if (result != 0) {
        if (dib)
            PSReleaseResultDIB(m_pHandle);
        return finish(result);
    }
    QImage image = dib2Image(dib);
    PSReleaseResultDIB(m_pHandle);
    if (image.isNull())
        return finish(StitchNullArgument);
    if (crop)
        *crop = m_CropRect;
    dropPhotos();
    setStage(0, 100);
    report(100);
    if (code)
        *code = 0;
    return image;
}

int IQPanoramaEngine::preload(const QList<QString>& paths, tagPOINT* sizes)
{
    const int count = int(paths.size());
    std::vector<void*> blocks(size_t(count), nullptr);
    std::vector<int> codes(size_t(count), 0);
    std::vector<QString> reasons(static_cast<size_t>(count));
    std::atomic<int> done{0};
    // The first photo in list order known to be unreadable: photos after it
    // are not started, those before it still finish, so the code is the one
    // reading one by one would give.
    std::atomic<int> firstFailed{count};
    const Qt::HANDLE caller = QThread::currentThreadId();
    CpuExecutor::shared().forEach(count, [&](int i) {
        if (cancelled() || i > firstFailed.load())
            return;
        const QImage image = decodePhoto(paths.at(i), m_OutputSize, &reasons[size_t(i)]);
        codes[size_t(i)] = image.isNull() ? StitchBadArgument : imageToDib(image, &blocks[size_t(i)]);
        if (codes[size_t(i)] == 0) {
            sizes[i] = tagPOINT{image.width(), image.height()};
        } else {
            int known = firstFailed.load();
            while (i < known && !firstFailed.compare_exchange_weak(known, i)) {
            }
        }
        const int finished = done.fetch_add(1) + 1;
        // Progress goes to the receiver from the stitching thread only,
        // and the end of reading is told once the photos are cached.
        if (QThread::currentThreadId() == caller && finished < count)
            report(finished * 100 / count);
    }, kMaxThreads);

    int result = 0;
    m_RefusedPhoto.clear();
    m_RefusedReason.clear();
    if (cancelled()) {
        result = StitchCancelled;
    } else if (firstFailed.load() < count) {
        result = codes[size_t(firstFailed.load())];
        if (result == StitchBadArgument) {
            m_RefusedPhoto = paths.at(firstFailed.load());
            m_RefusedReason = reasons[size_t(firstFailed.load())];
        }
    }
    for (int i = 0; i < count; ++i) {
        void* block = blocks[size_t(i)];
        if (!block)
            continue;
        if (result != 0) {
            std::free(block);
            continue;
        }
        // A path listed twice keeps its last reading, like a map would.
        auto it = m_PhotoCache.find(paths.at(i));
        if (it != m_PhotoCache.end()) {
            releaseBlock(it.value());
            it.value() = block;
        } else {
            m_PhotoCache.insert(paths.at(i), block);
        }
        shareBlock(block);
    }
    if (result == 0)
        report(100);
    return result;
}

void IQPanoramaEngine::dropPhotos()
{
    for (void* block : std::as_const(m_PhotoCache))
        releaseBlock(block);
    m_PhotoCache.clear();
}

long long IQPanoramaEngine::sharedPhotoCount()
{
    const std::lock_guard<std::mutex> lock(s_sharedMutex);
    return (long long)s_sharedHolders.size();
}

int IQPanoramaEngine::imageToDib(const QImage& source, void** dib)
{
    if (!dib)
        return StitchNullArgument;
    *dib = nullptr;
    if (source.isNull())
        return StitchBadArgument;
    // The reader gives 32-bit rows for most photos: those are packed
    // directly, anything else goes through the bitmap's own byte order.
    const bool direct = source.format() == QImage::Format_BGR888 || source.format() == QImage::Format_RGB32;
    const QImage image = direct ? source : source.convertToFormat(QImage::Format_BGR888);
    if (image.isNull())
        return StitchNullArgument;
    const qint64 width = image.width();
    const qint64 height = image.height();
    const qint64 stride = ((width * 24 + 31) / 32) * 4;
    const qint64 bytes = stride * height;
    // The header's image size field holds 32 bits.
    if (bytes > qint64(std::numeric_limits<quint32>::max()) - kHeaderSize)
        return StitchBadArgument;
    auto* block = static_cast<unsigned char*>(std::malloc(size_t(kHeaderSize + bytes)));
    if (!block)
        return StitchNullArgument;
    std::memset(block, 0, kHeaderSize);
    putU32(block, kHeaderSize);
    putU32(block + 4, quint32(width));
    putU32(block + 8, quint32(height));
    putU16(block + 12, 1);
    putU16(block + 14, 24);
    putU32(block + 20, quint32(bytes));
    putU32(block + 24, kResolution);
    putU32(block + 28, kResolution);
    const qint64 rowBytes = width * 3;
    const bool packed = image.format() == QImage::Format_BGR888;
    for (qint64 r = 0; r < height; ++r) {
        unsigned char* row = block + kHeaderSize + r * stride;
        const uchar* line = image.constScanLine(int(height - 1 - r));
        if (packed) {
            std::memcpy(row, line, size_t(rowBytes));
        } else {
            const auto* pixels = reinterpret_cast<const quint32*>(line);
            unsigned char* out = row;
            for (qint64 x = 0; x < width; ++x, out += 3) {
                const quint32 p = pixels[x];
                out[0] = uchar(p);
                out[1] = uchar(p >> 8);
                out[2] = uchar(p >> 16);
            }
        }
        std::memset(row + rowBytes, 0, size_t(stride - rowBytes));
    }
    *dib = block;
    return 0;
}

namespace {

// Bitmap rows [first, last) of a 24-bit bitmap into the top-down ARGB32
// image: four pixels (twelve bytes) at a time, then the rest one by one.
void convertRows(const unsigned char* bits, qint64 stride, qint64 width, qint64 height, uchar* out,
                 qint64 outStride, qint64 first, qint64 last)
{
    for (qint64 y = first; y < last; ++y) {
        const unsigned char* src = bits + (height - 1 - y) * stride;
        auto* dst = reinterpret_cast<quint32*>(out + y * outStride);
        qint64 x = 0;
        for (; x + 4 <= width; x += 4, src += 12) {
            const quint32 p0 = quint32(src[0]) | quint32(src[1]) << 8 | quint32(src[2]) << 16;
            const quint32 p1 = quint32(src[3]) | quint32(src[4]) << 8 | quint32(src[5]) << 16;
            const quint32 p2 = quint32(src[6]) | quint32(src[7]) << 8 | quint32(src[8]) << 16;
            const quint32 p3 = quint32(src[9]) | quint32(src[10]) << 8 | quint32(src[11]) << 16;
            dst[x] = 0xFF000000u | p0;
            dst[x + 1] = 0xFF000000u | p1;
            dst[x + 2] = 0xFF000000u | p2;
            dst[x + 3] = 0xFF000000u | p3;
        }
        for (; x < width; ++x, src += 3)
            dst[x] = 0xFF000000u | quint32(src[2]) << 16 | quint32(src[1]) << 8 | src[0];
    }
}

} // namespace

QImage IQPanoramaEngine::dib2Image(const void* dib)
{
    if (!dib)
        return QImage();
    const auto* block = static_cast<const unsigned char*>(dib);
    const qint64 width = qint32(getU32(block + 4));
    const qint64 height = qint32(getU32(block + 8));
    const int bitCount = getU16(block + 14);
    const quint32 coloursUsed = getU32(block + 32);
    // Only 24-bit rows can be read as such; anything else would be read past
    // its end.
    if (bitCount != 24 || width < 0 || height < 0 || coloursUsed > 256)
        return QImage();
    if (width == 0 || height == 0)
        return QImage();
    if (width > std::numeric_limits<int>::max() / 4 || height > std::numeric_limits<int>::max())
        return QImage();
    QImage image(int(width), int(height), QImage::Format_ARGB32);
    if (image.isNull())
        return QImage();
    const qint64 stride = ((width * 24 + 31) / 32) * 4;
    const unsigned char* bits = block + kHeaderSize + 4 * qint64(coloursUsed);
    // Bands of rows, several threads for a large result: the time goes
    // mostly into touching fresh memory, which threads share out well.
    constexpr qint64 kBandRows = 64;
    constexpr qint64 kPixelsPerThread = 512 * 1024;
    const qint64 bands = (height + kBandRows - 1) / kBandRows;
    const int threads = int(std::min<qint64>(
        {qint64(kMaxThreads), bands, std::max<qint64>(1, width * height / kPixelsPerThread)}));
    // The threads write through the bare pointer: taking a QImage's rows
    // for writing is not safe on several threads at once.
    uchar* out = image.bits();
    const qint64 outStride = image.bytesPerLine();
    CpuExecutor::shared().forEach(int(bands), [&](int band) {
        convertRows(bits, stride, width, height, out, outStride, band * kBandRows,
                    std::min(height, (band + 1) * kBandRows));
    }, threads);
    return image;
}

int IQPanoramaEngine::get3PairPoints(tagPOINT& element, bool vertical, tagPOINT* pairs)
{
    return PSGetBestPoints(m_pHandle, element, !vertical, pairs);
}

void IQPanoramaEngine::overlapRects(QList<tagRECT>& rects) const
{
    if (!m_pOverlaps)
        return;
    for (int i = 0; i < m_nOverlapCount; ++i)
        rects.append(m_pOverlaps[i]);
}

QImage IQPanoramaEngine::finetune(tagPOINT* pairs, tagPOINT element, bool vertical, tagRECT* crop, int* code)
{
    void* dib = nullptr;
    int result = PSFineTune(m_pHandle, pairs, element, !vertical, &dib, &m_pOverlaps, &m_nOverlapCount, &m_ppPaths,
                            &m_nPathCount, &m_CropRect);
    QImage image;
    if (result == 0) {
        image = dib2Image(dib);
        // A result that cannot be shown is no success.
        if (image.isNull())
            result = StitchNullArgument;
        else if (crop)
            *crop = m_CropRect;
    }
    if (dib)
        PSReleaseResultDIB(m_pHandle);
    if (code)
        *code = result;
    return image;
}

QImage IQPanoramaEngine::adjustPath(tagPOINT element, bool horizontal, tagPOINT* points, bool render, bool* changed,
                                    unsigned short** path)
{
    void* dib = nullptr;
    const int result = PSAdjustPath(m_pHandle, element, horizontal, points, render, changed, path, &dib);
    QImage image;
    if (result == 0 && dib && changed)
        image = dib2Image(dib);
    if (dib)
        PSReleaseResultDIB(m_pHandle);
    return image;
}

int IQPanoramaEngine::adjustPathPoints(tagPOINT element, bool horizontal, tagPOINT* points, bool* changed,
                                       unsigned short** path)
{
    if (changed)
        *changed = false;
    return PSAdjustPath(m_pHandle, element, horizontal, points, true, changed, path, nullptr);
}

void IQPanoramaEngine::ShowProgress(int percent, bool* cancel, void* user)
{
    IQPanoramaEngine* engine = engineOf(user);
    if (!engine)
        return;
    engine->report(percent);
    if (cancel && engine->cancelled())
        *cancel = true;
}

int IQPanoramaEngine::GetImage(const QString* name, void** dib, void* user)
{
    if (!dib)
        return StitchNullArgument;
    *dib = nullptr;
    IQPanoramaEngine* engine = engineOf(user);
    if (!name || !engine)
        return StitchBadArgument;
    auto it = engine->m_PhotoCache.constFind(*name);
    if (it != engine->m_PhotoCache.constEnd() && holdBlock(it.value())) {
        *dib = it.value();
        return 0;
    }
    // Outside a stitch the cache is empty: read the photo again. -3 for a
    // photo that cannot be read or held in a bitmap, -2 when memory runs
    // out.
    return imageToDib(decodePhoto(*name, engine->m_OutputSize), dib);
}

void IQPanoramaEngine::DeleteImage(void** dib, void*)
{
    if (dib && *dib) {
        if (!releaseBlock(*dib))
            std::free(*dib);
        *dib = nullptr;
    }
}

int IQPanoramaEngine::GetResultDIBData(void*, void*)
{
    return 0;
}

void* IQPanoramaEngine::MemAlloc(unsigned int size)
{
    void* block = std::malloc(size);
    if (block)
        ++s_liveHandles;
    return block;
}

void* IQPanoramaEngine::MemLock(void* handle)
{
    return handle;
}

bool IQPanoramaEngine::MemUnlock(void*)
{
    return true;
}

void IQPanoramaEngine::MemFree(void* handle)
{
    if (handle) {
        --s_liveHandles;
        std::free(handle);
    }
}

long long IQPanoramaEngine::liveMemoryHandles()
{
    return s_liveHandles.load();
}
