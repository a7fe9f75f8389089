#pragma once

// Helpers of the image worker tests: running a worker to its end, and image
// files made inside the tests.

#include <QBuffer>
#include <QEventLoop>
#include <QImage>
#include <QImageWriter>
#include <QPointer>
#include <QRunnable>
#include <QThread>
#include <QThreadPool>
#include <QTimer>


namespace ImageFixtures {

// Starts `worker` and runs the event loop until its finished() arrives. The
// queued finished() comes after every queued result signal of the worker,
// so all of them have been delivered on return. False on a timeout.
inline bool runToEnd(QThread* worker, int timeoutMs = 60000)
{
    QEventLoop loop;
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    QTimer::singleShot(timeoutMs, &loop, [&loop] { loop.exit(1); });
    worker->start(QThread::InheritPriority);
    const bool finished = loop.exec() == 0;
    worker->wait();
    return finished;
}

// Runs a worker that is also a QRunnable as a task of a pool of its own,
// rather than starting it, and waits for the pool. True when the worker is
// still there afterwards: the pool left it to its maker.
inline bool runAsPoolTask(QThread* worker, QRunnable* task, int timeoutMs = 60000)
{
    const QPointer<QThread> watched(worker);
    QThreadPool pool;
    pool.start(task);
    return pool.waitForDone(timeoutMs) && !watched.isNull();
}

inline QByteArray encode(const QImage& image, const char* format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.write(image);
    return bytes;
}

inline void appendBigEndian(QByteArray& bytes, quint32 value, int size)
{
    for (int shift = (size - 1) * 8; shift >= 0; shift -= 8)
        bytes.append(char((value >> shift) & 0xFF));
}

inline void appendLittleEndian(QByteArray& bytes, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

// A JPEG of `image` carrying an EXIF block whose orientation tag is
// `orientation` (1 = as stored, 3 = 180 degrees, 6 = 90 degrees clockwise,
// 8 = 90 degrees counter-clockwise).
inline QByteArray jpegWithOrientation(const QImage& image, int orientation)
{
    QByteArray tiff("II*\0", 4);         // little-endian TIFF header
    appendLittleEndian(tiff, 8, 4);      // first directory right after it
    appendLittleEndian(tiff, 1, 2);      // one entry:
    appendLittleEndian(tiff, 0x0112, 2); //   orientation
    appendLittleEndian(tiff, 3, 2);      //   SHORT
    appendLittleEndian(tiff, 1, 4);      //   one value
    appendLittleEndian(tiff, quint32(orientation), 4);
    appendLittleEndian(tiff, 0, 4);      // no next directory

    QByteArray app1("\xFF\xE1", 2);
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    appendBigEndian(app1, quint32(payload.size() + 2), 2);
    app1 += payload;

    QByteArray jpeg = encode(image, "jpeg", 95);
    jpeg.insert(2, app1); // after the start-of-image marker
    return jpeg;
}

inline quint32 crc32(const QByteArray& bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char c : bytes) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A PNG whose header claims width x height RGBA pixels, followed by the
// start of a pixel chunk and nothing else.
inline QByteArray pngClaiming(quint32 width, quint32 height)
{
    QByteArray png("\x89PNG\r\n\x1A\n", 8);
    const auto chunk = [&png](const char* type, const QByteArray& data) {
        appendBigEndian(png, quint32(data.size()), 4);
        const QByteArray body = QByteArray(type, 4) + data;
        png += body;
        appendBigEndian(png, crc32(body), 4);
    };
    QByteArray ihdr;
    appendBigEndian(ihdr, width, 4);
    appendBigEndian(ihdr, height, 4);
    ihdr += QByteArray("\x08\x06\x00\x00\x00", 5); // 8 bits, RGBA, no interlace
    chunk("IHDR", ihdr);
    chunk("IDAT", QByteArray("\x78\x9C", 2)); // a zlib stream that stops at once
    chunk("IEND", QByteArray());
    return png;
}

// A small real JPEG whose frame header is patched to claim width x height.
inline QByteArray jpegClaiming(quint16 width, quint16 height)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(qRgb(90, 160, 30));
    QByteArray jpeg = encode(image, "jpeg");
    const qsizetype frame = jpeg.indexOf(QByteArray("\xFF\xC0", 2)); // baseline frame header
    if (frame < 0)
        return QByteArray();
    // Marker, length (2), precision (1), then height and width (2 each).
    jpeg[frame + 5] = char(height >> 8);
    jpeg[frame + 6] = char(height & 0xFF);
    jpeg[frame + 7] = char(width >> 8);
    jpeg[frame + 8] = char(width & 0xFF);
    return jpeg;
}

// A BMP whose header claims width x height pixels of 24 bits, plain rows,
// followed by `dataBytes` bytes of pixels.
inline QByteArray bmpClaiming(quint32 width, quint32 height, int dataBytes)
{
    QByteArray bmp("BM", 2);
    appendLittleEndian(bmp, quint32(54 + dataBytes), 4); // file size
    appendLittleEndian(bmp, 0, 4);
    appendLittleEndian(bmp, 54, 4); // pixels after the two headers
    appendLittleEndian(bmp, 40, 4);
    appendLittleEndian(bmp, width, 4);
    appendLittleEndian(bmp, height, 4);
    appendLittleEndian(bmp, 1, 2);  // planes
    appendLittleEndian(bmp, 24, 2); // bits a pixel
    appendLittleEndian(bmp, 0, 4);  // no compression
    bmp += QByteArray(20, '\0');    // image size, resolution, colours
    bmp += QByteArray(dataBytes, '\x40');
    return bmp;
}

// LZW data for a two-colour GIF frame: every pixel (0 or 1) coded on its
// own, with a clear code before each pair, so that the table never grows
// past its first free entry and every code stays 3 bits wide. Returned as
// the code-size byte, the sub-blocks and their terminator.
inline QByteArray gifPixelData(const QList<int>& pixels)
{
    const int clear = 4;
    const int end = 5;
    QList<int> codes;
    for (int i = 0; i < pixels.size(); ++i) {
        if (i % 2 == 0)
            codes << clear;
        codes << pixels.at(i);
    }
    codes << end;
    QByteArray packed;
    quint32 bits = 0;
    int count = 0;
    for (int code : codes) {
        bits |= quint32(code) << count;
        count += 3;
        while (count >= 8) {
            packed += char(bits & 0xFF);
            bits >>= 8;
            count -= 8;
        }
    }
    if (count > 0)
        packed += char(bits & 0xFF);
    QByteArray data(1, char(2)); // LZW code size
    for (qsizetype at = 0; at < packed.size(); at += 255) {
        const QByteArray block = packed.mid(at, 255);
        data += char(block.size());
        data += block;
    }
    data += char(0);
    return data;
}

// A GIF of one frame filling a screen of width x height, with a black and
// white table, whose data hold `pixels` (fewer than the frame has when the
// file lies about its size).
inline QByteArray gifOf(quint16 width, quint16 height, const QList<int>& pixels)
{
    QByteArray gif("GIF89a", 6);
    appendLittleEndian(gif, width, 2);
    appendLittleEndian(gif, height, 2);
    gif += QByteArray("\x80\x00\x00", 3); // a two-colour table follows
    gif += QByteArray("\x00\x00\x00\xFF\xFF\xFF", 6);
    gif += char(0x2C);
    appendLittleEndian(gif, 0, 2);
    appendLittleEndian(gif, 0, 2);
    appendLittleEndian(gif, width, 2);
    appendLittleEndian(gif, height, 2);
    gif += char(0);
    gif += gifPixelData(pixels);
    gif += char(0x3B);
    return gif;
}

// A GIF whose screen and frame claim width x height, with data for 64
// pixels and a proper end.
inline QByteArray gifClaiming(quint16 width, quint16 height)
{
    QList<int> pixels;
    for (int i = 0; i < 64; ++i)
        pixels << (i & 1);
    return gifOf(width, height, pixels);
}

// A TIFF with its directory first, claiming width x height pixels of
// `samples` samples of `bits` bits (8-bit grey unless said) in one
// uncompressed strip, followed by `dataBytes` bytes of them.
inline QByteArray tiffClaiming(quint32 width, quint32 height, int dataBytes, quint16 samples = 1, quint16 bits = 8)
{
    QByteArray tiff("II*\0", 4);
    appendLittleEndian(tiff, 8, 4);
    const int entries = 9;
    appendLittleEndian(tiff, entries, 2);
    const quint32 dataAt = 8 + 2 + entries * 12 + 4;
    const auto entry = [&tiff](quint16 tag, quint16 type, quint32 value) {
        appendLittleEndian(tiff, tag, 2);
        appendLittleEndian(tiff, type, 2);
        appendLittleEndian(tiff, 1, 4);
        appendLittleEndian(tiff, value, 4);
    };
    const quint16 shortType = 3;
    const quint16 longType = 4;
    entry(256, longType, width);
    entry(257, longType, height);
    entry(258, shortType, bits);    // bits a sample
    entry(259, shortType, 1);       // no compression
    entry(262, shortType, 1);       // black is zero
    entry(273, longType, dataAt);   // the strip's offset
    entry(277, shortType, samples); // samples a pixel
    entry(278, longType, height);   // rows in the strip
    entry(279, longType, quint32(qMin<quint64>(quint64(width) * height * samples * bits / 8, 0xFFFFFFFFu)));
    appendLittleEndian(tiff, 0, 4); // no next directory
    tiff += QByteArray(dataBytes, '\x80');
    return tiff;
}

// A lossless WebP whose header claims width x height (at most 16384 each),
// followed by `dataBytes` bytes of picture data.
inline QByteArray webpClaiming(quint32 width, quint32 height, int dataBytes)
{
    QByteArray chunk;
    chunk += char(0x2F); // lossless signature
    // 14 bits width - 1, 14 bits height - 1, alpha unused, version 0.
    appendLittleEndian(chunk, (width - 1) | ((height - 1) << 14), 4);
    chunk += QByteArray(dataBytes, '\x11');
    QByteArray webp("RIFF", 4);
    appendLittleEndian(webp, quint32(4 + 8 + chunk.size() + (chunk.size() & 1)), 4);
    webp += QByteArray("WEBPVP8L", 8);
    appendLittleEndian(webp, quint32(chunk.size()), 4);
    webp += chunk;
    if (chunk.size() & 1)
        webp += char(0);
    return webp;
}

} // namespace ImageFixtures
