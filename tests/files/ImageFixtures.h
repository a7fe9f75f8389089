#pragma once

// Helpers of the image worker tests: running a worker to its end, and image
// files made inside the tests.

#include <QBuffer>
#include <QEventLoop>
#include <QImage>
#include <QImageWriter>
#include <QThread>
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

} // namespace ImageFixtures
