#pragma once

// Writes small animated GIF files in memory for the tests: Qt cannot write
// GIF. Every frame covers the whole screen and uses a four-colour global
// table; the LZW stream sends a clear code every two pixels, so the code
// width never leaves three bits and no dictionary is needed.

#include <QByteArray>
#include <QColor>
#include <QList>

namespace TinyGif {

struct Frame
{
    int colourIndex = 0; // 0..3, the whole frame in one colour
    int delayCs = 10;    // hundredths of a second
};

inline void put16(QByteArray& out, int v)
{
    out.append(char(v & 0xff));
    out.append(char((v >> 8) & 0xff));
}

// Packs codes of `bits` bits, least significant bit first.
class BitWriter
{
public:
    void write(int code, int bits)
    {
        m_buffer |= quint32(code) << m_count;
        m_count += bits;
        while (m_count >= 8) {
            m_bytes.append(char(m_buffer & 0xff));
            m_buffer >>= 8;
            m_count -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_count > 0)
            m_bytes.append(char(m_buffer & 0xff));
        return m_bytes;
    }

private:
    quint32 m_buffer = 0;
    int m_count = 0;
    QByteArray m_bytes;
};

inline QByteArray imageData(int pixels, int index)
{
    constexpr int clear = 4, end = 5, width = 3;
    BitWriter bits;
    for (int i = 0; i < pixels; ++i) {
        if (i % 2 == 0)
            bits.write(clear, width);
        bits.write(index, width);
    }
    bits.write(end, width);
    const QByteArray lzw = bits.finish();
    QByteArray out;
    out.append(char(2)); // minimum code size
    for (int at = 0; at < lzw.size(); at += 255) {
        const QByteArray block = lzw.mid(at, 255);
        out.append(char(block.size()));
        out.append(block);
    }
    out.append(char(0));
    return out;
}

// An animated GIF of `width` x `height` that loops forever.
inline QByteArray animation(int width, int height, const QList<Frame>& frames,
                            const QList<QColor>& palette = {Qt::red, Qt::green, Qt::blue, Qt::white})
{
    QByteArray out("GIF89a");
    put16(out, width);
    put16(out, height);
    out.append(char(0x91)); // global table of 4 colours, 2 bits of colour resolution
    out.append(char(0));
    out.append(char(0));
    for (int i = 0; i < 4; ++i) {
        const QColor c = palette.value(i, Qt::black);
        out.append(char(c.red()));
        out.append(char(c.green()));
        out.append(char(c.blue()));
    }
    out.append("\x21\xff\x0bNETSCAPE2.0\x03\x01", 16);
    put16(out, 0);
    out.append(char(0));
    for (const Frame& f : frames) {
        out.append("\x21\xf9\x04\x00", 4); // graphic control: no disposal, no transparency
        put16(out, f.delayCs);
        out.append(char(0));
        out.append(char(0));
        out.append(char(0x2c));
        put16(out, 0);
        put16(out, 0);
        put16(out, width);
        put16(out, height);
        out.append(char(0));
        out.append(imageData(width * height, f.colourIndex));
    }
    out.append(char(0x3b));
    return out;
}

} // namespace TinyGif
