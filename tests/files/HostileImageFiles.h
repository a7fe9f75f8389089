#pragma once

// Picture files a user meets that are not what they seem, made inside the
// tests: files cut short, JPEG scan data garbled, headers that lie about
// the size, flat pictures of 300 megapixels in a few hundred KB, and things
// that are no regular file at all (a FIFO, a folder, a device). One table
// of them is run through every road that reads a picture.

#include "ImageFixtures.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include <sys/stat.h>
#include <sys/types.h>

#include <zlib.h>

namespace HostileImageFiles {

// A picture with detail everywhere, so that its compressed data fill the
// file evenly and a cut or a garble anywhere hits rows.
inline QImage detailedPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    quint32 seed = 12345;
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            seed = seed * 1103515245u + 12345u;
            row[x] = qRgb((x * 255 / width + int(seed >> 28)) & 0xFF, (y * 255 / height) & 0xFF, int(seed >> 24));
        }
    }
    return image;
}

// A progressive JPEG: several scans, each after tables of its own.
inline QByteArray progressiveJpeg(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.write(image);
    return bytes;
}

// Where the first scan's entropy-coded data start (after the start-of-scan
// segment), or -1.
inline qsizetype scanDataStart(const QByteArray& jpeg)
{
    const qsizetype sos = jpeg.indexOf(QByteArray("\xFF\xDA", 2));
    if (sos < 0 || sos + 4 > jpeg.size())
        return -1;
    const int length = (quint8(jpeg[sos + 2]) << 8) | quint8(jpeg[sos + 3]);
    return sos + 2 + length;
}

// `jpeg` with `count` bytes of its scan data, starting `fraction` of the
// way into them, overwritten with noise: the sector of a file replaced by
// other data.
inline QByteArray garbled(QByteArray jpeg, double fraction, int count, quint32 seed)
{
    const qsizetype start = scanDataStart(jpeg);
    if (start < 0)
        return QByteArray();
    const qsizetype at = start + qsizetype(double(jpeg.size() - 2 - start) * fraction);
    for (qsizetype i = at; i < at + count && i < jpeg.size() - 2; ++i) {
        seed = seed * 1664525u + 1013904223u;
        jpeg[i] = char(seed >> 24);
    }
    return jpeg;
}

// A zlib stream of `total` zero bytes, made in a moment however large: one
// compressed block of a megabyte of zeros that ends on a byte boundary and
// refers to nothing before it is repeated, then a final empty block and
// the checksum of the whole (for zeros, Adler-32 is 1 plus the length in
// its high half).
inline QByteArray zlibZeros(qint64 total)
{
    const qint64 chunk = qMin<qint64>(total, 1 << 20);
    z_stream z{};
    deflateInit(&z, 9);
    QByteArray zeros(int(chunk), '\0');
    const auto deflated = [&z, &zeros](qint64 bytes) {
        QByteArray out(int(bytes / 500 + 1024), '\0');
        z.next_in = reinterpret_cast<Bytef*>(zeros.data());
        z.avail_in = uInt(bytes);
        z.next_out = reinterpret_cast<Bytef*>(out.data());
        z.avail_out = uInt(out.size());
        deflate(&z, Z_FULL_FLUSH);
        out.truncate(out.size() - int(z.avail_out));
        return out;
    };
    QByteArray stream = deflated(chunk); // with the zlib header
    const qint64 whole = total / chunk;
    if (whole > 1) {
        const QByteArray block = deflated(chunk);
        for (qint64 i = 1; i < whole; ++i)
            stream += block;
    }
    if (const qint64 rest = total - whole * chunk)
        stream += deflated(rest);
    deflateEnd(&z);
    stream += QByteArray("\x01\x00\x00\xFF\xFF", 5); // final stored block, empty
    ImageFixtures::appendBigEndian(stream, (quint32(total % 65521) << 16) | 1u, 4);
    return stream;
}

// A black PNG of `size`: colour type 0 (grey) or 3 (palette) at `depth`
// bits, its pixel data split over IDAT chunks of a megabyte.
inline QByteArray flatPng(QSize size, int colourType, int depth)
{
    QByteArray png("\x89PNG\r\n\x1A\n", 8);
    const auto chunk = [&png](const char* type, const QByteArray& data) {
        ImageFixtures::appendBigEndian(png, quint32(data.size()), 4);
        const QByteArray body = QByteArray(type, 4) + data;
        png += body;
        ImageFixtures::appendBigEndian(png, ImageFixtures::crc32(body), 4);
    };
    QByteArray header;
    ImageFixtures::appendBigEndian(header, quint32(size.width()), 4);
    ImageFixtures::appendBigEndian(header, quint32(size.height()), 4);
    header += char(depth);
    header += char(colourType);
    header += QByteArray(3, '\0'); // deflate, adaptive filters, not interlaced
    chunk("IHDR", header);
    if (colourType == 3)
        chunk("PLTE", QByteArray("\x00\x00\x00\xFF\xFF\xFF", 6));
    const qint64 rowBytes = 1 + (qint64(size.width()) * depth + 7) / 8; // filter byte first
    const QByteArray data = zlibZeros(rowBytes * size.height());
    for (qsizetype at = 0; at < data.size(); at += 1 << 20)
        chunk("IDAT", data.mid(at, 1 << 20));
    chunk("IEND", QByteArray());
    return png;
}

// A black 16-bit grey TIFF of `size` in one deflate-compressed strip.
inline QByteArray flatTiff16(QSize size)
{
    const QByteArray strip = zlibZeros(qint64(size.width()) * size.height() * 2);
    QByteArray tiff("II*\0", 4);
    ImageFixtures::appendLittleEndian(tiff, 8, 4);
    const int entries = 9;
    ImageFixtures::appendLittleEndian(tiff, entries, 2);
    const quint32 dataAt = 8 + 2 + entries * 12 + 4;
    const auto entry = [&tiff](quint16 tag, quint16 type, quint32 value) {
        ImageFixtures::appendLittleEndian(tiff, tag, 2);
        ImageFixtures::appendLittleEndian(tiff, type, 2);
        ImageFixtures::appendLittleEndian(tiff, 1, 4);
        ImageFixtures::appendLittleEndian(tiff, value, 4);
    };
    entry(256, 4, quint32(size.width()));
    entry(257, 4, quint32(size.height()));
    entry(258, 3, 16);  // bits a sample
    entry(259, 3, 8);   // deflate
    entry(262, 3, 1);   // black is zero
    entry(273, 4, dataAt);
    entry(277, 3, 1);   // one sample a pixel
    entry(278, 4, quint32(size.height())); // one strip
    entry(279, 4, quint32(strip.size()));
    ImageFixtures::appendLittleEndian(tiff, 0, 4);
    return tiff + strip;
}

// What a row of the table is on disk.
enum class Thing { Bytes, Fifo, Folder, Device };

// Why a road must refuse the row.
enum class Refusal {
    Damaged,     // IQImageIO::damagedMessage()
    Implausible, // IQImageLimits::implausibleMessage(claim, file size)
    TooLarge,    // IQImageLimits::tooLargeMessage(claim) under the cap in force
};

struct Row
{
    QString tag;
    QString name; // the file name, suffix included
    Thing thing = Thing::Bytes;
    QByteArray bytes;
    Refusal refusal = Refusal::Damaged;
    QSize claim; // the size the header claims (Implausible, TooLarge)
};

// Puts the row on disk in `dir`; its path, or an empty string.
inline QString materialise(const Row& row, const QDir& dir)
{
    const QString path = dir.filePath(row.name);
    switch (row.thing) {
    case Thing::Bytes: {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(row.bytes) != row.bytes.size())
            return QString();
        return path;
    }
    case Thing::Fifo:
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
    case Thing::Folder:
        return dir.mkdir(row.name) ? path : QString();
    case Thing::Device:
        // A link named like a photo: the reader follows it to the device.
        return QFile::link(QStringLiteral("/dev/zero"), path) ? path : QString();
    }
    return QString();
}

// The size at which flat pictures are both tiny files and, decoded whole,
// hundreds of megabytes.
inline QSize hugeFlatSize()
{
    return QSize(20000, 15000);
}

// Every kind of hostile file, each format of ours; `extra` rows (a RAW
// file made by another fixture, say) may be appended by the caller.
inline QList<Row> table()
{
    using namespace ImageFixtures;
    QList<Row> rows;
    const auto bytesRow = [&rows](const QString& tag, const QString& name, const QByteArray& bytes, Refusal refusal,
                                  QSize claim = QSize()) {
        rows << Row{tag, name, Thing::Bytes, bytes, refusal, claim};
    };

    // Headers that lie: sizes no file of these few bytes can hold.
    bytesRow("lying JPEG", "lying.jpg", jpegClaiming(20000, 16000), Refusal::Implausible, QSize(20000, 16000));
    bytesRow("lying PNG", "lying.png", pngClaiming(30000, 30000), Refusal::Implausible, QSize(30000, 30000));
    bytesRow("lying GIF", "lying.gif", gifClaiming(30000, 30000), Refusal::Implausible, QSize(30000, 30000));
    // Qt's BMP decoder itself refuses a header whose rows pass the file's end.
    bytesRow("lying BMP", "lying.bmp", bmpClaiming(30000, 30000, 4000), Refusal::Damaged);
    bytesRow("lying TIFF", "lying.tif", tiffClaiming(30000, 30000, 900), Refusal::Implausible, QSize(30000, 30000));
    bytesRow("lying WebP", "lying.webp", webpClaiming(16384, 16384, 3000), Refusal::Implausible,
             QSize(16384, 16384));

    // Files cut short at several points.
    const QImage picture = detailedPicture(640, 480);
    const QByteArray jpeg = encode(picture, "jpeg", 90);
    const QByteArray progressive = progressiveJpeg(picture);
    const QByteArray png = encode(picture, "png");
    const QByteArray bmp = encode(picture, "bmp");
    const QByteArray webp = encode(picture, "webp");
    const QByteArray tiff = tiffClaiming(200, 150, 200 * 150);
    QList<int> pixels;
    for (int i = 0; i < 64 * 64; ++i)
        pixels << ((i / 4 + i / 256) & 1);
    const QByteArray gif = gifOf(64, 64, pixels);
    bytesRow("JPEG cut at a quarter", "cut-quarter.jpg", jpeg.left(jpeg.size() / 4), Refusal::Damaged);
    bytesRow("JPEG cut in half", "cut-half.jpg", jpeg.left(jpeg.size() / 2), Refusal::Damaged);
    bytesRow("JPEG cut near its end", "cut-end.jpg", jpeg.left(jpeg.size() * 9 / 10), Refusal::Damaged);
    bytesRow("JPEG without its end marker", "cut-eoi.jpg", jpeg.left(jpeg.size() - 2), Refusal::Damaged);
    bytesRow("JPEG cut in its headers", "cut-header.jpg", jpeg.left(200), Refusal::Damaged);
    bytesRow("progressive JPEG cut", "cut-progressive.jpg", progressive.left(progressive.size() * 3 / 4),
             Refusal::Damaged);
    bytesRow("PNG cut in half", "cut-half.png", png.left(png.size() / 2), Refusal::Damaged);
    bytesRow("PNG cut in its last chunk", "cut-end.png", png.left(png.size() - 20), Refusal::Damaged);
    bytesRow("BMP cut in half", "cut-half.bmp", bmp.left(bmp.size() / 2), Refusal::Damaged);
    bytesRow("GIF cut in its data", "cut.gif", gif.left(gif.size() / 2), Refusal::Damaged);
    bytesRow("TIFF cut in its strip", "cut.tif", tiff.left(tiff.size() - 5000), Refusal::Damaged);
    bytesRow("WebP cut in half", "cut.webp", webp.left(webp.size() / 2), Refusal::Damaged);

    // Scan data garbled: a few KB of noise early, in the middle, late.
    bytesRow("JPEG garbled early", "garbled-early.jpg", garbled(jpeg, 0.1, 4096, 1), Refusal::Damaged);
    bytesRow("JPEG garbled in the middle", "garbled-middle.jpg", garbled(jpeg, 0.5, 4096, 2), Refusal::Damaged);
    bytesRow("JPEG garbled late", "garbled-late.jpg", garbled(jpeg, 0.8, 2048, 3), Refusal::Damaged);
    bytesRow("progressive JPEG garbled", "garbled-progressive.jpg", garbled(progressive, 0.4, 4096, 4),
             Refusal::Damaged);

    // Flat pictures of 300 megapixels in a few hundred KB: refused under a
    // cap below their whole size.
    const QSize huge = hugeFlatSize();
    bytesRow("grey PNG, 1 bit", "huge-1bit.png", flatPng(huge, 0, 1), Refusal::TooLarge, huge);
    bytesRow("grey PNG, 8 bits", "huge-8bit.png", flatPng(huge, 0, 8), Refusal::TooLarge, huge);
    bytesRow("grey PNG, 16 bits", "huge-16bit.png", flatPng(huge, 0, 16), Refusal::TooLarge, huge);
    bytesRow("palette PNG", "huge-palette.png", flatPng(huge, 3, 8), Refusal::TooLarge, huge);

    // No regular file at all, and a file of nothing.
    rows << Row{"FIFO", "fifo.jpg", Thing::Fifo, {}, Refusal::Damaged, {}};
    rows << Row{"folder", "folder.jpg", Thing::Folder, {}, Refusal::Damaged, {}};
    rows << Row{"device", "zero.jpg", Thing::Device, {}, Refusal::Damaged, {}};
    bytesRow("empty file", "empty.jpg", QByteArray(""), Refusal::Damaged);
    return rows;
}

} // namespace HostileImageFiles
