#include "files/IQImageStructure.h"

#include "files/IQCommon.h"

#include <QFileInfo>

#include <cstring>

namespace {

quint32 littleEndian(const uchar* p, int bytes)
{
    quint32 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | p[i];
    return value;
}

bool startsWith(const QByteArray& head, const char* magic, int length, int at = 0)
{
    return head.size() >= at + length && std::memcmp(head.constData() + at, magic, size_t(length)) == 0;
}

// Skips a chain of GIF data sub-blocks starting at `pos`; -1 when the data
// ends before the terminating empty block.
qint64 skipGifSubBlocks(const uchar* data, qint64 size, qint64 pos)
{
    while (pos < size) {
        const int length = data[pos];
        pos += 1 + length;
        if (length == 0)
            return pos;
    }
    return -1;
}

// Walks the blocks up to the end of the first frame's data, the one a
// still-image read decodes.
bool gifComplete(const uchar* data, qint64 size)
{
    if (size < 13)
        return false;
    qint64 pos = 13;
    const uchar screenFlags = data[10];
    if (screenFlags & 0x80)
        pos += 3 * (qint64(2) << (screenFlags & 7));
    while (true) {
        if (pos >= size)
            return false;
        const uchar block = data[pos];
        if (block == 0x21) { // extension: label, then sub-blocks
            pos = skipGifSubBlocks(data, size, pos + 2);
            if (pos < 0)
                return false;
        } else if (block == 0x2C) { // image descriptor
            if (pos + 10 > size)
                return false;
            const uchar flags = data[pos + 9];
            pos += 10;
            if (flags & 0x80)
                pos += 3 * (qint64(2) << (flags & 7));
            pos += 1; // LZW minimum code size
            return pos <= size && skipGifSubBlocks(data, size, pos) >= 0;
        } else {
            return true; // trailer before any frame, or garbage: the decoder's call
        }
    }
}

// Run-length coded rows: complete once the end-of-bitmap code or the last
// row's end is reached.
bool bmpRleComplete(const uchar* data, qint64 size, qint64 pos, qint64 height, bool fourBit)
{
    qint64 row = 0;
    while (pos + 2 <= size) {
        const uchar count = data[pos];
        const uchar code = data[pos + 1];
        pos += 2;
        if (count > 0)
            continue; // a run
        if (code == 0) {
            if (++row >= height)
                return true;
        } else if (code == 1) {
            return true;
        } else if (code == 2) {
            if (pos + 2 > size)
                return false;
            row += data[pos + 1];
            pos += 2;
            if (row >= height)
                return true;
        } else {
            const qint64 bytes = fourBit ? (code + 1) / 2 : code;
            pos += bytes + (bytes & 1); // absolute runs are padded to a word
        }
    }
    return false;
}

bool bmpComplete(const uchar* data, qint64 size)
{
    if (size < 26)
        return false;
    const qint64 pixelsAt = littleEndian(data + 10, 4);
    const quint32 headerSize = littleEndian(data + 14, 4);
    qint64 width = 0;
    qint64 height = 0;
    int bits = 0;
    quint32 compression = 0;
    if (headerSize == 12) { // OS/2 core header
        width = littleEndian(data + 18, 2);
        height = littleEndian(data + 20, 2);
        bits = int(littleEndian(data + 24, 2));
    } else {
        if (size < 34)
            return false;
        width = qint32(littleEndian(data + 18, 4));
        height = qint32(littleEndian(data + 22, 4));
        bits = int(littleEndian(data + 28, 2));
        compression = littleEndian(data + 30, 4);
    }
    height = qAbs(height); // negative: rows stored top-down
    if (width <= 0 || height <= 0 || bits <= 0)
        return true; // the decoder refuses it
    switch (compression) {
    case 0: // plain rows, padded to four bytes
    case 3: // bit fields
    case 6: { // bit fields with alpha
        // Some writers leave out the last row's padding: the pixels are all there.
        // Divided rather than multiplied: a forged header's rows times their
        // stride can pass 2^63.
        const qint64 stride = (width * bits + 31) / 32 * 4;
        const qint64 lastRow = (width * bits + 7) / 8;
        if (pixelsAt > size || lastRow > size - pixelsAt)
            return false;
        return height - 1 <= (size - pixelsAt - lastRow) / stride;
    }
    case 1:
    case 2:
        return bmpRleComplete(data, size, pixelsAt, height, compression == 2);
    default:
        return true;
    }
}

} // namespace

IQImageStructure::Kind IQImageStructure::kind(const QByteArray& head, const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("svg") || suffix == QLatin1String("svgz"))
        return Kind::Vector;
    // Most camera RAW files are TIFF inside; a JPEG misnamed ".nef" is still a JPEG.
    const bool tiff = startsWith(head, "II*\0", 4) || startsWith(head, "MM\0*", 4);
    if (IQCommon::isSupportedRAWFile(path) && (tiff || !startsWith(head, "\xFF\xD8\xFF", 3)))
        return Kind::Raw;
    if (tiff)
        return Kind::Tiff;
    if (startsWith(head, "\xFF\xD8\xFF", 3))
        return Kind::Jpeg;
    if (startsWith(head, "\x89PNG\r\n\x1A\n", 8))
        return Kind::Png;
    if (startsWith(head, "GIF87a", 6) || startsWith(head, "GIF89a", 6))
        return Kind::Gif;
    if (startsWith(head, "BM", 2))
        return Kind::Bmp;
    if (startsWith(head, "RIFF", 4) && startsWith(head, "WEBP", 4, 8))
        return Kind::WebP;
    return Kind::Unknown;
}

QSize IQImageStructure::claimedSize(Kind kind, const QByteArray& head, QSize readerSize)
{
    if (kind != Kind::Gif || head.size() < 10)
        return readerSize;
    const auto* bytes = reinterpret_cast<const uchar*>(head.constData());
    const QSize screen(int(littleEndian(bytes + 6, 2)), int(littleEndian(bytes + 8, 2)));
    return readerSize.isValid() ? screen.expandedTo(readerSize) : screen;
}

bool IQImageStructure::hasCompletenessCheck(Kind kind)
{
    return kind == Kind::Gif || kind == Kind::Bmp;
}

bool IQImageStructure::isComplete(Kind kind, const uchar* data, qint64 size)
{
    if (!data || size <= 0)
        return !hasCompletenessCheck(kind);
    switch (kind) {
    case Kind::Gif:
        return gifComplete(data, size);
    case Kind::Bmp:
        return bmpComplete(data, size);
    default:
        return true;
    }
}
