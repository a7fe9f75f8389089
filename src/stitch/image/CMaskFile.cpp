#include "stitch/image/CMask.h"

#include <QFile>
#include <QSaveFile>

#include <cstdint>
#include <cstring>

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "mask records are read as they lie");

struct CMask::FileHeader
{
    std::uint32_t width;
    std::uint32_t height;
    std::uint32_t stride;
    std::uint32_t rect[4];
};

// Takes the header's fields when they describe a mask whose bits the rest of
// the file holds; nothing is allocated for a header that lies.
bool CMask::TakeHeader(const FileHeader& header, long long bytesAfterHeader)
{
    static_assert(sizeof(FileHeader) == 28, "mask file header is 28 bytes");
    if (header.width == 0 || header.height == 0 || header.stride != StrideFor(header.width))
        return false;
    const std::uint64_t size = std::uint64_t(header.stride) * header.height;
    if (size > 0xFFFFFFFFu || bytesAfterHeader < 0 || std::uint64_t(bytesAfterHeader) < size)
        return false;
    // The rectangle is either the empty form (width, height, 0, 0) or lies
    // on the mask; anything else would send its users off the bits.
    const tagRECT rect{int(header.rect[0]), int(header.rect[1]), int(header.rect[2]), int(header.rect[3])};
    if (header.rect[0] > header.width || header.rect[1] > header.height || header.rect[2] >= header.width
        || header.rect[3] >= header.height)
        return false;
    if (!Create(header.width, header.height))
        return false;
    m_ObjectRect = rect;
    return true;
}

bool CMask::Save(const QString& path)
{
    if (!m_pBits)
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const FileHeader header{m_lWidth, m_lHeight, m_lStride,
                            {std::uint32_t(m_ObjectRect.left), std::uint32_t(m_ObjectRect.top),
                             std::uint32_t(m_ObjectRect.right), std::uint32_t(m_ObjectRect.bottom)}};
    if (file.write(reinterpret_cast<const char*>(&header), sizeof header) != qint64(sizeof header))
        return false;
    if (file.write(reinterpret_cast<const char*>(m_pBits), m_lSize) != qint64(m_lSize))
        return false;
    // commit does not report a failed final flush (a full disk).
    if (!file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool CMask::Load(const QString& path)
{
    Release();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    FileHeader header{};
    if (file.read(reinterpret_cast<char*>(&header), sizeof header) != qint64(sizeof header))
        return false;
    if (!TakeHeader(header, file.size() - qint64(sizeof header)))
        return false;
    if (file.read(reinterpret_cast<char*>(m_pBits), m_lSize) != qint64(m_lSize)) {
        Release();
        return false;
    }
    return true;
}

bool CMask::Save(FILE* file)
{
    if (!file || !m_pBits)
        return false;
    const FileHeader header{m_lWidth, m_lHeight, m_lStride,
                            {std::uint32_t(m_ObjectRect.left), std::uint32_t(m_ObjectRect.top),
                             std::uint32_t(m_ObjectRect.right), std::uint32_t(m_ObjectRect.bottom)}};
    return std::fwrite(&header, sizeof header, 1, file) == 1
        && std::fwrite(m_pBits, 1, m_lSize, file) == m_lSize;
}

bool CMask::Load(FILE* file)
{
    Release();
    if (!file)
        return false;
    FileHeader header{};
    if (std::fread(&header, sizeof header, 1, file) != 1)
        return false;
    // What is left of the stream, measured without disturbing the position.
    const long here = std::ftell(file);
    long long remaining = -1;
    if (here >= 0 && std::fseek(file, 0, SEEK_END) == 0) {
        const long end = std::ftell(file);
        if (end >= here)
            remaining = end - here;
        std::fseek(file, here, SEEK_SET);
    }
    if (!TakeHeader(header, remaining))
        return false;
    if (std::fread(m_pBits, 1, m_lSize, file) != m_lSize) {
        Release();
        return false;
    }
    return true;
}
