#pragma once

class QString;

// The host's side of a stitching job: nine pointer-sized slots in this
// order. ShowProgress, GetImage and DeleteImage are required; the four memory
// slots are used only when all four are set (else the library's defaults).
//
// Memory handles are opaque: MemLock turns one into an address, MemUnlock
// returns true when that address stays valid after unlocking. A bitmap
// handed out by GetImage must be lockable by MemLock and goes back only
// through DeleteImage, which clears the slot.
struct tagStitchCallbacks
{
    void* pUserData;
    // percent 0..100; set *cancel to true to stop the running work (-1)
    void (*ShowProgress)(int percent, bool* cancel, void* user);
    // stores a packed bitmap's handle in *dib and returns 0, or a failure code
    int (*GetImage)(const QString* name, void** dib, void* user);
    void (*DeleteImage)(void** dib, void* user);
    // fills a fresh 24-bit bitmap of the panorama's size; 0 when filled; may be null
    int (*GetResultDIBData)(void* dib, void* user);
    void* (*MemAlloc)(unsigned int size);
    void* (*MemLock)(void* handle);
    bool (*MemUnlock)(void* handle);
    void (*MemFree)(void* handle);
};
