#include "DngFixture.h"

#include <QBuffer>
#include <QList>
#include <QtEndian>

#include <cstdint>

namespace DngFixture {

namespace {

enum Type : std::uint16_t { Byte = 1, Ascii = 2, Short = 3, Long = 4, Rational = 5, SRational = 10 };

struct Entry
{
    std::uint16_t tag;
    std::uint16_t type;
    std::uint32_t count;
    QByteArray value; // little-endian bytes
};

void put16(QByteArray& out, std::uint16_t v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray& out, std::uint32_t v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

// One image file directory; entries are kept sorted by tag as TIFF wants.
class Ifd
{
public:
    void shorts(std::uint16_t tag, std::initializer_list<std::uint16_t> values)
    {
        QByteArray bytes;
        for (auto v : values)
            put16(bytes, v);
        add(tag, Short, std::uint32_t(values.size()), bytes);
    }
    void longs(std::uint16_t tag, std::initializer_list<std::uint32_t> values)
    {
        QByteArray bytes;
        for (auto v : values)
            put32(bytes, v);
        add(tag, Long, std::uint32_t(values.size()), bytes);
    }
    void bytes(std::uint16_t tag, std::initializer_list<std::uint8_t> values)
    {
        QByteArray bytes;
        for (auto v : values)
            bytes.append(char(v));
        add(tag, Byte, std::uint32_t(values.size()), bytes);
    }
    void ascii(std::uint16_t tag, const QByteArray& text)
    {
        add(tag, Ascii, std::uint32_t(text.size() + 1), text + '\0');
    }
    void rationals(std::uint16_t tag, Type type, std::initializer_list<std::int32_t> numerators, std::uint32_t denominator)
    {
        QByteArray bytes;
        for (auto v : numerators) {
            put32(bytes, std::uint32_t(v));
            put32(bytes, denominator);
        }
        add(tag, type, std::uint32_t(numerators.size()), bytes);
    }

    // Bytes this directory takes, its out-of-line values included.
    std::uint32_t size() const
    {
        std::uint32_t total = 2 + 12 * std::uint32_t(m_entries.size()) + 4;
        for (const Entry& e : m_entries)
            if (e.value.size() > 4)
                total += std::uint32_t(e.value.size() + (e.value.size() & 1));
        return total;
    }

    QByteArray serialise(std::uint32_t at) const
    {
        QByteArray head;
        QByteArray extra;
        std::uint32_t extraAt = at + 2 + 12 * std::uint32_t(m_entries.size()) + 4;
        put16(head, std::uint16_t(m_entries.size()));
        for (const Entry& e : m_entries) {
            put16(head, e.tag);
            put16(head, e.type);
            put32(head, e.count);
            if (e.value.size() <= 4) {
                head.append(e.value.leftJustified(4, '\0'));
            } else {
                put32(head, extraAt + std::uint32_t(extra.size()));
                extra.append(e.value);
                if (e.value.size() & 1)
                    extra.append('\0');
            }
        }
        put32(head, 0); // no next directory
        return head + extra;
    }

private:
    void add(std::uint16_t tag, std::uint16_t type, std::uint32_t count, const QByteArray& value)
    {
        auto it = m_entries.begin();
        while (it != m_entries.end() && it->tag < tag)
            ++it;
        if (it != m_entries.end() && it->tag == tag)
            *it = Entry{tag, type, count, value};
        else
            m_entries.insert(it, Entry{tag, type, count, value});
    }

    QList<Entry> m_entries;
};

// The colour-filter-array samples of `picture` (RGGB, 16 bits).
QByteArray mosaic(const QImage& picture)
{
    constexpr int black = 256;
    constexpr int range = 3000; // white level 4095 leaves headroom
    QByteArray out;
    out.resize(qsizetype(picture.width()) * picture.height() * 2);
    char* p = out.data();
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x, p += 2) {
            const QRgb c = line[x];
            const int channel = (y & 1) == 0 ? ((x & 1) == 0 ? qRed(c) : qGreen(c)) : ((x & 1) == 0 ? qGreen(c) : qBlue(c));
            qToLittleEndian(std::uint16_t(black + channel * range / 255), p);
        }
    }
    return out;
}

QByteArray rgbBytes(const QImage& picture)
{
    QByteArray out;
    out.reserve(qsizetype(picture.width()) * picture.height() * 3);
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            out.append(char(qRed(line[x])));
            out.append(char(qGreen(line[x])));
            out.append(char(qBlue(line[x])));
        }
    }
    return out;
}

QByteArray jpegBytes(const QImage& picture)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPEG", 95);
    return out;
}

} // namespace

QList<QColor> sensorColors()
{
    return {Qt::red, Qt::green, Qt::blue, Qt::white};
}

QList<QColor> previewColors()
{
    return {Qt::cyan, Qt::magenta, Qt::yellow, Qt::black};
}

QImage quadrants(QSize size, const QList<QColor>& colors)
{
    QImage image(size, QImage::Format_RGB32);
    const int halfW = size.width() / 2;
    const int halfH = size.height() / 2;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, colors.at((y < halfH ? 0 : 2) + (x < halfW ? 0 : 1)).rgb());
    return image;
}

QImage stored(const QImage& upright, int orientation)
{
    const int uw = upright.width();
    const int uh = upright.height();
    const bool sideways = orientation >= 5 && orientation <= 8;
    QImage out(sideways ? uh : uw, sideways ? uw : uh, QImage::Format_RGB32);
    // Where stored row r, column c appears when the picture is shown
    // upright: TIFF names the sides that row 0 and column 0 are drawn along.
    for (int r = 0; r < out.height(); ++r) {
        for (int c = 0; c < out.width(); ++c) {
            int x = c;
            int y = r;
            switch (orientation) {
            case 2: x = uw - 1 - c; break;                  // row 0 top, column 0 right
            case 3: x = uw - 1 - c; y = uh - 1 - r; break;  // bottom, right
            case 4: y = uh - 1 - r; break;                  // bottom, left
            case 5: x = r; y = c; break;                    // row 0 left, column 0 top
            case 6: x = uw - 1 - r; y = c; break;           // right, top
            case 7: x = uw - 1 - r; y = uh - 1 - c; break;  // right, bottom
            case 8: x = r; y = uh - 1 - c; break;           // left, bottom
            default: break;
            }
            out.setPixel(c, r, upright.pixel(x, y));
        }
    }
    return out;
}

QByteArray make(const Options& options)
{
    const QImage sensor = stored(quadrants(options.size, sensorColors()), options.orientation);
    const bool hasPreview = options.preview != Preview::None;
    const QImage preview = hasPreview ? stored(quadrants(options.previewSize, previewColors()), options.orientation) : QImage();

    QByteArray previewData;
    switch (options.preview) {
    case Preview::None: break;
    case Preview::Jpeg: previewData = jpegBytes(preview); break;
    case Preview::Rgb: previewData = rgbBytes(preview); break;
    case Preview::BrokenJpeg: previewData = QByteArray("\xff\xd8\xff\xe0", 4) + QByteArray(508, '\x5a'); break;
    }
    const QByteArray rawData = mosaic(sensor);

    Ifd raw;
    raw.longs(254, {0});
    const QSize claimed = options.claimedSize.isValid() ? options.claimedSize : sensor.size();
    raw.longs(256, {std::uint32_t(claimed.width())});
    raw.longs(257, {std::uint32_t(claimed.height())});
    raw.shorts(258, {16});
    raw.shorts(259, {1});
    raw.shorts(262, {32803}); // colour filter array
    raw.longs(273, {0});
    raw.shorts(274, {std::uint16_t(options.orientation)});
    raw.shorts(277, {1});
    raw.longs(278, {std::uint32_t(sensor.height())});
    raw.longs(279, {std::uint32_t(rawData.size())});
    raw.shorts(284, {1});
    raw.shorts(33421, {2, 2});
    raw.bytes(33422, {0, 1, 1, 2}); // R G / G B
    raw.bytes(50710, {0, 1, 2});
    raw.shorts(50711, {1});
    raw.longs(50714, {256});
    raw.longs(50717, {4095});

    Ifd main;
    main.longs(254, {1}); // reduced-resolution preview
    main.ascii(271, "Vellumar");
    main.ascii(272, "Fixture");
    main.shorts(274, {std::uint16_t(options.orientation)});
    main.bytes(50706, {1, 4, 0, 0});
    main.bytes(50707, {1, 1, 0, 0});
    main.ascii(50708, "Vellumar Fixture");
    // XYZ to linear sRGB: the "camera" sees linear sRGB, so the decoded
    // colours are the ones written.
    main.rationals(50721, SRational, {32406, -15372, -4986, -9689, 18758, 415, 557, -2040, 10570}, 10000);
    main.rationals(50728, Rational, {1, 1, 1}, 1);
    main.shorts(50778, {21}); // D65
    if (hasPreview) {
        main.longs(256, {std::uint32_t(preview.width())});
        main.longs(257, {std::uint32_t(preview.height())});
        main.shorts(258, {8, 8, 8});
        main.shorts(259, {std::uint16_t(options.preview == Preview::Rgb ? 1 : 7)});
        main.shorts(262, {std::uint16_t(options.preview == Preview::Rgb ? 2 : 6)});
        main.longs(273, {0});
        main.shorts(277, {3});
        main.longs(278, {std::uint32_t(preview.height())});
        main.longs(279, {std::uint32_t(previewData.size())});
        main.shorts(284, {1});
    }
    main.longs(330, {0});

    // Layout: header, IFD 0, raw IFD, preview bytes, raw bytes.
    const std::uint32_t mainAt = 8;
    const std::uint32_t rawIfdAt = mainAt + main.size();
    const std::uint32_t previewAt = rawIfdAt + raw.size();
    const std::uint32_t rawDataAt = previewAt + std::uint32_t(previewData.size());
    main.longs(330, {rawIfdAt});
    if (hasPreview)
        main.longs(273, {previewAt});
    raw.longs(273, {rawDataAt});

    QByteArray file("II*\0", 4);
    put32(file, mainAt);
    file += main.serialise(mainAt);
    file += raw.serialise(rawIfdAt);
    file += previewData;
    file += rawData;
    return file;
}

} // namespace DngFixture
