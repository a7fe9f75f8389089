#pragma once

#include "stitch/interface/StitchCallbacks.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <vector>

// A host for stitching jobs whose callbacks keep count: every memory handle
// allocated and freed, every image fetched and given back, every progress
// report. A test ends with clean() to prove each handle was freed once and
// each fetched image returned once.
//
// One host is current at a time (the memory callbacks carry no user data);
// constructing one makes it current and sets the library's memory callbacks
// to it, destroying it puts the library's defaults back.
class StitchTestHost
{
public:
    StitchTestHost();
    ~StitchTestHost();
    StitchTestHost(const StitchTestHost&) = delete;
    StitchTestHost& operator=(const StitchTestHost&) = delete;

    // The table to hand to PSCreateStitch.
    tagStitchCallbacks callbacks();

    // Images GetImage hands out, by name, as packed bitmap bytes.
    void addImage(const QString& name, const QByteArray& packed);
    // A packed 24-bit bitmap whose pixel (x, y) (memory rows) is
    // pixel(x, y) as 0x00RRGGBB.
    static QByteArray packed24(int width, int height, const std::function<unsigned(int, int)>& pixel);
    // Makes a block of the host's memory holding these bytes, counted as an
    // allocation (free it through MemFree).
    void* makeHandle(const QByteArray& bytes);
    QByteArray handleBytes(void* handle) const;

    // Counters and knobs.
    int allocations = 0;
    int frees = 0;
    int fetches = 0;
    int returns = 0;
    qint64 largestRequest = 0;
    QList<int> progress;
    QStringList errors;
    int cancelAtProgressCall = -1; // the n-th report (0-based) sets the cancel flag
    int failAllocation = -1;       // the n-th allocation (0-based) returns null
    int getImageResult = 0;        // a non-zero code is returned by GetImage
    bool getImageGivesNull = false;
    bool unlockKeepsAddress = true;
    bool lockFails = false;
    int lockCalls = 0;             // MemLock calls so far
    int locksHeld = 0;             // locks given minus unlocks taken, over every handle
    int failLockAt = -1;           // the n-th MemLock call (0-based) returns null
    int resultCode = 0;            // returned by GetResultDIBData
    std::function<void(int percent)> onProgress; // called at every report, before the cancel check
    int resultFills = 0;

    int liveHandles() const;
    int outstandingImages() const;
    int unbalancedLocks() const;
    // No live handle, no outstanding image, no unbalanced lock, no error.
    bool clean() const;
    QString report() const;

    static StitchTestHost* current();

private:
    struct Block
    {
        std::vector<unsigned char> bytes;
        bool fetched = false;
        int locks = 0;
    };

    static void showProgress(int percent, bool* cancel, void* user);
    static int getImage(const QString* name, void** dib, void* user);
    static void deleteImage(void** dib, void* user);
    static int getResultDIBData(void* dib, void* user);
    static void* memAlloc(unsigned int size);
    static void* memLock(void* handle);
    static bool memUnlock(void* handle);
    static void memFree(void* handle);

    Block* find(void* handle) const;

    QHash<QString, QByteArray> m_images;
    std::map<void*, std::unique_ptr<Block>> m_blocks;
};
