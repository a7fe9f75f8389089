#include "stitch/image/CImage.h"

#include "stitch/image/BitmapLayout.h"
#include "stitch/job/CStitchOptions.h"

#include <cstdint>
#include <cstring>

CImage::CImage() = default;

CImage::CImage(void* handle)
{
    Attach(handle);
}

CImage::CImage(int width, int height, unsigned short bitCount)
{
    Create(width, height, bitCount);
}

CImage::~CImage()
{
    CImage::Release();
}

void CImage::Forget()
{
    m_hDib = nullptr;
    m_bAttached = false;
    m_pHeader = nullptr;
    m_pBits = nullptr;
    m_lStride = 0;
    m_nLocks = 0;
}

void CImage::Release()
{
    if (m_hDib && !m_bAttached) {
        if (m_nLocks > 0)
            CStitchOptions::MemUnlock(m_hDib);
        CStitchOptions::MemFree(m_hDib);
    }
    Forget();
}

void* CImage::Detach()
{
    void* handle = m_hDib;
    Forget();
    return handle;
}

int CImage::Create(int width, int height, unsigned short bitCount)
{
    Q_ASSERT_X(BitmapLayout::IsValidBitCount(bitCount), "Image",
               "wBitCount == 1 || wBitCount == 8 || wBitCount == 24 || wBitCount == 32");
    Release();
    if (width <= 0 || height <= 0 || !BitmapLayout::IsValidBitCount(bitCount))
        return ErrorMemory;
    const std::int64_t block = BitmapLayout::BlockSize(width, height, bitCount);
    if (!BitmapLayout::FitsMemAlloc(block))
        return ErrorMemory;
    void* handle = CStitchOptions::MemAlloc(unsigned(block));
    if (!handle)
        return ErrorMemory;
    auto* bytes = static_cast<unsigned char*>(CStitchOptions::MemLock(handle));
    if (!bytes) {
        CStitchOptions::MemFree(handle);
        return ErrorMemory;
    }
    std::memset(bytes, 0, size_t(block));
    const int entries = BitmapLayout::PaletteEntries(bitCount);
    tagBITMAPINFOHEADER header{};
    header.biSize = 40;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = bitCount;
    header.biSizeImage = std::uint32_t(BitmapLayout::ImageSize(width, height, bitCount));
    header.biClrUsed = std::uint32_t(entries);
    std::memcpy(bytes, &header, sizeof header);
    auto* palette = reinterpret_cast<tagRGBQUAD*>(bytes + 40);
    if (bitCount == 8) {
        for (int i = 0; i < 256; ++i)
            palette[i] = tagRGBQUAD{std::uint8_t(i), std::uint8_t(i), std::uint8_t(i), 0};
    } else if (bitCount == 1) {
        palette[0] = tagRGBQUAD{0, 0, 0, 0};
        palette[1] = tagRGBQUAD{255, 255, 255, 0};
    }
    CStitchOptions::MemUnlock(handle);

    m_hDib = handle;
    m_bAttached = false;
    m_lStride = int(BitmapLayout::Stride(width, bitCount));
    return 0;
}

int CImage::Modify(int width, int height, unsigned short bitCount)
{
    if (!IsEmpty() && Width() == width && Height() == height && BitCount() == bitCount)
        return 0;
    return Create(width, height, bitCount);
}

int CImage::Lock()
{
    if (!m_hDib)
        return ErrorMemory;
    auto* bytes = static_cast<unsigned char*>(CStitchOptions::MemLock(m_hDib));
    if (!bytes) {
        if (m_nLocks == 0) {
            m_pHeader = nullptr;
            m_pBits = nullptr;
        }
        return ErrorMemory;
    }
    ++m_nLocks;
    m_pHeader = reinterpret_cast<tagBITMAPINFOHEADER*>(bytes);
    Q_ASSERT_X(BitmapLayout::IsValidBitCount(m_pHeader->biBitCount), "Image",
               "wBitCount == 1 || wBitCount == 8 || wBitCount == 24 || wBitCount == 32");
    m_pBits = bytes + BitmapLayout::PixelOffset(m_pHeader->biBitCount);
    return 0;
}

int CImage::LockBoth(CImage& a, CImage& b)
{
    int code = a.Lock();
    if (code != 0)
        return code;
    code = b.Lock();
    if (code != 0)
        a.Unlock();
    return code;
}

int CImage::Unlock()
{
    if (!m_hDib || m_nLocks == 0)
        return 0;
    --m_nLocks;
    // The host may move the block once it is unlocked.
    if (!CStitchOptions::MemUnlock(m_hDib) && m_nLocks == 0) {
        m_pHeader = nullptr;
        m_pBits = nullptr;
    }
    return 0;
}

int CImage::Attach(void* handle)
{
    if (!handle)
        return ErrorIo;
    // Checked before anything is released, so a refused handle keeps the
    // image as it was.
    auto* bytes = static_cast<unsigned char*>(CStitchOptions::MemLock(handle));
    if (!bytes)
        return ErrorMemory;
    auto* header = reinterpret_cast<tagBITMAPINFOHEADER*>(bytes);
    const int checked = BitmapLayout::Check(*header);
    if (checked == 0)
        header->biSizeImage = std::uint32_t(BitmapLayout::ImageSize(header->biWidth, header->biHeight,
                                                                    header->biBitCount));
    const std::int64_t stride = checked == 0 ? BitmapLayout::Stride(header->biWidth, header->biBitCount) : 0;
    CStitchOptions::MemUnlock(handle);
    if (checked != 0)
        return checked;

    if (handle != m_hDib)
        Release();
    else
        Forget();
    m_hDib = handle;
    m_bAttached = true;
    m_lStride = int(stride);
    return 0;
}

int CImage::HeaderField(int which)
{
    if (!m_hDib)
        return 0;
    const bool locked = m_nLocks > 0 && m_pHeader;
    if (!locked && Lock() != 0)
        return 0;
    int value = 0;
    switch (which) {
    case 0: value = m_pHeader->biWidth; break;
    case 1: value = m_pHeader->biHeight; break;
    default: value = m_pHeader->biBitCount; break;
    }
    if (!locked)
        Unlock();
    return value;
}

int CImage::Width()
{
    return HeaderField(0);
}

int CImage::Height()
{
    return HeaderField(1);
}

int CImage::BitCount()
{
    return HeaderField(2);
}

void CImage::Clear(unsigned char value)
{
    if (m_pHeader && m_pBits)
        std::memset(m_pBits, value, m_pHeader->biSizeImage);
}

int CImage::Clear(unsigned int colour)
{
    // A bitmap already locked is filled under that lock: a second lock the
    // host refused would leave it unfilled with no one the wiser.
    const bool held = m_nLocks > 0 && m_pHeader && m_pBits;
    if (!held && Lock() != 0)
        return ErrorMemory;
    if (m_pHeader->biBitCount == 24) {
        const unsigned char blue = (colour >> 16) & 0xFF;
        const unsigned char green = (colour >> 8) & 0xFF;
        const unsigned char red = colour & 0xFF;
        // The first row is filled pixel by pixel and copied to the others;
        // the padding at the rows' ends is left as it is.
        const int width = m_pHeader->biWidth, height = m_pHeader->biHeight;
        unsigned char* const bits = m_pBits;
        const std::int64_t stride = m_lStride;
        if (width > 0 && height > 0) {
            const size_t rowBytes = size_t(width) * 3;
            if (blue == green && green == red) {
                for (int y = 0; y < height; ++y)
                    std::memset(bits + y * stride, blue, rowBytes);
            } else {
                unsigned char* p = bits;
                for (int x = 0; x < width; ++x, p += 3) {
                    p[0] = blue;
                    p[1] = green;
                    p[2] = red;
                }
                for (int y = 1; y < height; ++y)
                    std::memcpy(bits + y * stride, bits, rowBytes);
            }
        }
    }
    if (!held)
        Unlock();
    return 0;
}

int CImage::CountColorEntries(const tagBITMAPINFO* info)
{
    if (!info)
        return 0;
    if (info->bmiHeader.biClrUsed != 0)
        return int(info->bmiHeader.biClrUsed);
    switch (info->bmiHeader.biBitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}
