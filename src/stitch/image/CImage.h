#pragma once

#include "stitch/image/BitmapInfo.h"

#include <QString>

// A packed bitmap (40-byte header, palette for 1 and 8 bits, rows padded to
// 4 bytes, bottom row first, 24-bit pixels blue, green, red) held as a memory
// handle of the job's memory callbacks.
//
// The image owns its handle (made by Create or Load; freed through MemFree)
// or holds it attached (Attach, the handle constructor; never freed, only
// forgotten). Header() and Bits() are valid between Lock and Unlock, and
// after Unlock too when the host's MemUnlock says the address stays.
// Every operation but Lock leaves the image as locked as it found it.
//
// Nothing here throws: failures are the codes below.
class CImage
{
public:
    enum Error {
        ErrorMemory = -1001,   // memory cannot be allocated or locked
        ErrorIo = -1002,       // null handle, file cannot be opened or written, fetch failed
        ErrorBadFile = -1003,  // not a valid bitmap, or short
    };

    CImage();
    // Takes the handle as attached; stays empty when it is not a valid bitmap.
    explicit CImage(void* handle);
    CImage(int width, int height, unsigned short bitCount);
    virtual ~CImage();

    CImage(const CImage&) = delete;
    CImage& operator=(const CImage&) = delete;

    virtual void Release();
    // -1002 for null, -1001 when it cannot be locked, -1003 when its header
    // is not a bitmap this library can hold; a refused handle leaves the
    // image as it was. A host's handle must hold all its rows.
    virtual int Attach(void* handle);
    virtual void* Detach();
    // Bitmap files as CImage::Save writes them ("M" "B"); .jpg and .jpeg
    // go through the host's GetImage. A failure keeps the previous bitmap.
    virtual int Load(const QString& path);
    virtual int Save(const QString& path);

    // Frees what the image held first. bitCount must be 1, 8, 24 or 32.
    int Create(int width, int height, unsigned short bitCount);
    // A 24-bit bitmap from three top-down planes of width x height bytes.
    int Create(const unsigned char* red, const unsigned char* green, const unsigned char* blue,
               int width, int height);
    // Keeps the bitmap when it already has that size and depth.
    int Modify(int width, int height, unsigned short bitCount);

    int Lock();
    int Unlock();
    // Locks a, then b; 0 with both held, or the failing code with neither.
    static int LockBoth(CImage& a, CImage& b);
    bool IsEmpty() const { return m_hDib == nullptr; }
    bool IsAttached() const { return m_bAttached; }
    void* Handle() const { return m_hDib; }
    tagBITMAPINFOHEADER* Header() const { return m_pHeader; }
    unsigned char* Bits() const { return m_pBits; }
    int Stride() const { return m_lStride; }
    const QString& Name() const { return m_strName; }

    // Read from the header; lock briefly when the image is not locked.
    // 0 for an empty image.
    int Width();
    int Height();
    int BitCount();

    // Fills the image-size bytes of the pixel rows (the image must be locked).
    void Clear(unsigned char value);
    // Every 24-bit pixel takes the 0x00BBGGRR colour. Under the image's
    // own lock when it is held; -1001 (nothing changed) when a lock is
    // needed and refused, else 0.
    int Clear(unsigned int colour);
    // Copies the pixel bytes into target, of the same size and depth:
    // -1003 otherwise.
    int Clone(CImage* target);
    static bool Identical(CImage* a, CImage* b);
    static bool IdenticalDimensions(CImage* a, CImage* b);
    static int CountColorEntries(const tagBITMAPINFO* info);
    // 8- and 24-bit images only (-1003 otherwise); target is remade.
    int BilinearResample(CImage* target, int width, int height);
    // Every palette index v becomes grey (v, v, v); the 8-bit block is freed.
    int Convert8to24();
    // The byte planes of a 24- or 32-bit image: red, green and blue become
    // 8-bit images of the same size, rows as they lie in memory.
    int SeparateToRGB(CImage* red, CImage* green, CImage* blue);
    // The reverse for a 24-bit image from three 8-bit planes of its size.
    int CombineByRGB(CImage* red, CImage* green, CImage* blue);

private:
    int LoadBitmapFile(const QString& path);
    int LoadThroughHost(const QString& path);
    void Forget();
    int HeaderField(int which);

    void* m_hDib = nullptr;
    bool m_bAttached = false;
    tagBITMAPINFOHEADER* m_pHeader = nullptr;
    unsigned char* m_pBits = nullptr;
    int m_lStride = 0;
    QString m_strName;
    int m_nLocks = 0; // nested Lock calls not yet unlocked
};
