#include "stitch/image/CImage.h"

#include "stitch/image/BitmapLayout.h"
#include "stitch/job/CStitchOptions.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <cstring>
#include <utility>

// Headers are copied byte for byte: both the files and the host's bitmaps
// are little-endian.
static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "bitmap records are read as they lie");

namespace {

constexpr std::uint16_t kFileType = 0x424D; // the bytes "M" then "B"
constexpr qint64 kFileHeaderBytes = 14;
constexpr qint64 kInfoBytes = 40;

// Palette bytes in a file: the colours-used entries, or the bit count's
// customary palette when that field is 0.
qint64 FilePaletteBytes(const tagBITMAPINFOHEADER& header)
{
    if (header.biClrUsed != 0)
        return 4 * qint64(header.biClrUsed);
    switch (header.biBitCount) {
    case 1: return 8;
    case 4: return 64;
    case 8: return 1024;
    default: return 0;
    }
}

bool ReadExactly(QFile& file, void* into, qint64 bytes)
{
    return file.read(static_cast<char*>(into), bytes) == bytes;
}

} // namespace

int CImage::Load(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toUpper();
    if (suffix == QLatin1String("JPG") || suffix == QLatin1String("JPEG"))
        return LoadThroughHost(path);
    return LoadBitmapFile(path);
}

int CImage::LoadThroughHost(const QString& path)
{
    auto getImage = CStitchOptions::m_pfnGetImage;
    if (!getImage)
        return ErrorIo;
    void* handle = nullptr;
    if (getImage(&path, &handle, CStitchOptions::m_pUserData) != 0 || !handle)
        return ErrorIo;
    const int attached = Attach(handle);
    if (attached != 0) {
        if (CStitchOptions::m_pfnDeleteImage)
            CStitchOptions::m_pfnDeleteImage(&handle, CStitchOptions::m_pUserData);
        return attached;
    }
    m_strName = path;
    return 0;
}

int CImage::LoadBitmapFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ErrorIo;

    tagBITMAPFILEHEADER fileHeader{};
    tagBITMAPINFOHEADER header{};
    if (!ReadExactly(file, &fileHeader, kFileHeaderBytes) || fileHeader.bfType != kFileType)
        return ErrorBadFile;
    if (!ReadExactly(file, &header, kInfoBytes) || BitmapLayout::Check(header) != 0)
        return ErrorBadFile;

    // Everything the header promises must be in the file before anything
    // is allocated for it.
    const qint64 paletteBytes = FilePaletteBytes(header);
    const qint64 rowBytes = BitmapLayout::ImageSize(header.biWidth, header.biHeight, header.biBitCount);
    if (file.size() - kFileHeaderBytes - kInfoBytes < paletteBytes + rowBytes)
        return ErrorBadFile;
    const qint64 block = BitmapLayout::BlockSize(header.biWidth, header.biHeight, header.biBitCount);
    if (!BitmapLayout::FitsMemAlloc(block))
        return ErrorMemory;

    CImage loaded;
    if (loaded.Create(header.biWidth, header.biHeight, header.biBitCount) != 0)
        return ErrorMemory;
    if (loaded.Lock() != 0)
        return ErrorMemory;
    header.biSizeImage = std::uint32_t(rowBytes);
    std::memcpy(loaded.m_pHeader, &header, sizeof header);
    const bool complete = ReadExactly(file, reinterpret_cast<unsigned char*>(loaded.m_pHeader) + kInfoBytes,
                                      paletteBytes)
        && ReadExactly(file, loaded.m_pBits, rowBytes);
    loaded.Unlock();
    if (!complete)
        return ErrorBadFile;
    if (header.biBitCount == 8) {
        const int converted = loaded.Convert8to24();
        if (converted != 0)
            return converted;
    }

    Release();
    m_lStride = loaded.m_lStride;
    m_hDib = loaded.Detach();
    m_bAttached = false;
    m_strName = path;
    return 0;
}

int CImage::Save(const QString& path)
{
    if (IsEmpty())
        return ErrorIo;
    // Written aside and renamed over the target, so a failed save never
    // leaves half a file where a good one was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return ErrorIo;
    const int locked = Lock();
    if (locked != 0)
        return locked;

    tagBITMAPINFOHEADER header = *m_pHeader;
    const qint64 paletteLimit = 4 * qint64(BitmapLayout::PaletteEntries(header.biBitCount));
    qint64 paletteBytes = FilePaletteBytes(header);
    if (paletteBytes > paletteLimit) {
        // A palette larger than the block holds cannot be written from it.
        header.biClrUsed = 0;
        paletteBytes = paletteLimit;
    }
    const qint64 rowBytes = qint64(m_lStride) * header.biHeight;
    header.biSizeImage = std::uint32_t(rowBytes);
    tagBITMAPFILEHEADER fileHeader{};
    fileHeader.bfType = kFileType;
    fileHeader.bfSize = std::uint32_t(kFileHeaderBytes + kInfoBytes + paletteBytes + rowBytes);
    fileHeader.bfOffBits = std::uint32_t(kFileHeaderBytes + kInfoBytes + paletteBytes);

    const char* palette = reinterpret_cast<const char*>(m_pHeader) + kInfoBytes;
    const bool written = file.write(reinterpret_cast<const char*>(&fileHeader), kFileHeaderBytes) == kFileHeaderBytes
        && file.write(reinterpret_cast<const char*>(&header), kInfoBytes) == kInfoBytes
        && file.write(palette, paletteBytes) == paletteBytes
        && file.write(reinterpret_cast<const char*>(m_pBits), rowBytes) == rowBytes;
    Unlock();
    // A buffered write that fails only at the flush (a full disk) is not
    // reported by commit, which would put an empty file in place.
    if (!written || !file.flush()) {
        file.cancelWriting();
        return ErrorIo;
    }
    if (!file.commit())
        return ErrorIo;
    return 0;
}
