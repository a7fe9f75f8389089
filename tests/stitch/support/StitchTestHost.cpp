#include "StitchTestHost.h"

#include "stitch/image/BitmapInfo.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchOptions.h"

#include <cstring>

namespace {
StitchTestHost* g_current = nullptr;
}

StitchTestHost::StitchTestHost()
{
    g_current = this;
    const tagStitchCallbacks table = callbacks();
    CStitchOptions::SetCallbacks(&table);
}

StitchTestHost::~StitchTestHost()
{
    if (g_current == this) {
        g_current = nullptr;
        tagStitchCallbacks defaults{};
        CStitchOptions::SetCallbacks(&defaults);
    }
}

StitchTestHost* StitchTestHost::current()
{
    return g_current;
}

tagStitchCallbacks StitchTestHost::callbacks()
{
    return tagStitchCallbacks{this, showProgress, getImage, deleteImage, getResultDIBData,
                              memAlloc, memLock, memUnlock, memFree};
}

void StitchTestHost::addImage(const QString& name, const QByteArray& packed)
{
    m_images.insert(name, packed);
}

QByteArray StitchTestHost::packed24(int width, int height, const std::function<unsigned(int, int)>& pixel)
{
    const int stride = (24 * width + 31) / 32 * 4;
    QByteArray bytes(40 + stride * height, '\0');
    tagBITMAPINFOHEADER header{};
    header.biSize = 40;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biSizeImage = std::uint32_t(stride * height);
    header.biXPelsPerMeter = header.biYPelsPerMeter = 72;
    std::memcpy(bytes.data(), &header, 40);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned rgb = pixel(x, y);
            char* p = bytes.data() + 40 + y * stride + 3 * x;
            p[0] = char(rgb & 0xFF);
            p[1] = char((rgb >> 8) & 0xFF);
            p[2] = char((rgb >> 16) & 0xFF);
        }
    }
    return bytes;
}

void* StitchTestHost::makeHandle(const QByteArray& bytes)
{
    ++allocations;
    auto block = std::make_unique<Block>();
    block->bytes.assign(bytes.begin(), bytes.end());
    void* handle = block.get();
    m_blocks.emplace(handle, std::move(block));
    return handle;
}

QByteArray StitchTestHost::handleBytes(void* handle) const
{
    const Block* block = find(handle);
    if (!block)
        return QByteArray();
    return QByteArray(reinterpret_cast<const char*>(block->bytes.data()), qsizetype(block->bytes.size()));
}

StitchTestHost::Block* StitchTestHost::find(void* handle) const
{
    const auto it = m_blocks.find(handle);
    return it == m_blocks.end() ? nullptr : it->second.get();
}

int StitchTestHost::liveHandles() const
{
    int live = 0;
    for (const auto& entry : m_blocks)
        live += entry.second->fetched ? 0 : 1;
    return live;
}

int StitchTestHost::outstandingImages() const
{
    int live = 0;
    for (const auto& entry : m_blocks)
        live += entry.second->fetched ? 1 : 0;
    return live;
}

int StitchTestHost::unbalancedLocks() const
{
    int unbalanced = 0;
    for (const auto& entry : m_blocks)
        unbalanced += entry.second->locks != 0 ? 1 : 0;
    return unbalanced;
}

bool StitchTestHost::clean() const
{
    return m_blocks.empty() && errors.isEmpty();
}

QString StitchTestHost::report() const
{
    return QStringLiteral("allocations %1, frees %2, fetches %3, returns %4, live handles %5, "
                          "outstanding images %6, errors: %7")
        .arg(allocations).arg(frees).arg(fetches).arg(returns).arg(liveHandles()).arg(outstandingImages())
        .arg(errors.join(QStringLiteral("; ")));
}

void StitchTestHost::showProgress(int percent, bool* cancel, void* user)
{
    auto* host = static_cast<StitchTestHost*>(user);
    if (percent < 0 || percent > 100)
        host->errors << QStringLiteral("progress %1 out of range").arg(percent);
    if (host->onProgress)
        host->onProgress(percent);
    if (host->progress.size() == host->cancelAtProgressCall)
        *cancel = true;
    host->progress << percent;
}

int StitchTestHost::getImage(const QString* name, void** dib, void* user)
{
    auto* host = static_cast<StitchTestHost*>(user);
    if (!name || !dib) {
        host->errors << QStringLiteral("GetImage without name or slot");
        return -3;
    }
    if (host->getImageResult != 0)
        return host->getImageResult;
    if (host->getImageGivesNull) {
        *dib = nullptr;
        return 0;
    }
    const auto it = host->m_images.constFind(*name);
    if (it == host->m_images.constEnd())
        return -3;
    void* handle = host->makeHandle(*it);
    --host->allocations; // counted as a fetch instead
    host->find(handle)->fetched = true;
    ++host->fetches;
    *dib = handle;
    return 0;
}

void StitchTestHost::deleteImage(void** dib, void* user)
{
    auto* host = static_cast<StitchTestHost*>(user);
    if (!dib || !*dib) {
        host->errors << QStringLiteral("DeleteImage of a null handle");
        return;
    }
    Block* block = host->find(*dib);
    if (!block)
        host->errors << QStringLiteral("DeleteImage of an unknown or freed handle");
    else if (!block->fetched)
        host->errors << QStringLiteral("DeleteImage of a MemAlloc handle");
    else {
        ++host->returns;
        host->m_blocks.erase(*dib);
    }
    *dib = nullptr;
}

int StitchTestHost::getResultDIBData(void* dib, void* user)
{
    auto* host = static_cast<StitchTestHost*>(user);
    if (!host->find(dib))
        host->errors << QStringLiteral("GetResultDIBData of an unknown handle");
    ++host->resultFills;
    return host->resultCode;
}

void* StitchTestHost::memAlloc(unsigned int size)
{
    StitchTestHost* host = g_current;
    if (!host)
        return nullptr;
    host->largestRequest = std::max<qint64>(host->largestRequest, size);
    if (host->allocations == host->failAllocation) {
        ++host->allocations;
        return nullptr;
    }
    ++host->allocations;
    auto block = std::make_unique<Block>();
    block->bytes.assign(size, 0xCD); // not zeroed: the library must not rely on it
    void* handle = block.get();
    host->m_blocks.emplace(handle, std::move(block));
    return handle;
}

void* StitchTestHost::memLock(void* handle)
{
    StitchTestHost* host = g_current;
    Block* block = host ? host->find(handle) : nullptr;
    if (!block) {
        if (host)
            host->errors << QStringLiteral("MemLock of an unknown handle");
        return nullptr;
    }
    if (host->lockFails || host->lockCalls++ == host->failLockAt)
        return nullptr;
    ++block->locks;
    ++host->locksHeld;
    return block->bytes.data();
}

bool StitchTestHost::memUnlock(void* handle)
{
    StitchTestHost* host = g_current;
    Block* block = host ? host->find(handle) : nullptr;
    if (!block) {
        if (host)
            host->errors << QStringLiteral("MemUnlock of an unknown handle");
        return false;
    }
    --host->locksHeld;
    if (--block->locks < 0)
        host->errors << QStringLiteral("MemUnlock without MemLock");
    return host->unlockKeepsAddress;
}

void StitchTestHost::memFree(void* handle)
{
    StitchTestHost* host = g_current;
    if (!host)
        return;
    Block* block = host->find(handle);
    if (!block) {
        host->errors << QStringLiteral("MemFree of an unknown or freed handle");
        return;
    }
    if (block->fetched)
        host->errors << QStringLiteral("MemFree of a fetched image");
    if (block->locks != 0)
        host->errors << QStringLiteral("MemFree of a locked handle");
    ++host->frees;
    host->m_blocks.erase(handle);
}
