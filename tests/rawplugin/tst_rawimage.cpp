#include "rawplugin/RawImage.h"

#include <QBuffer>
#include <QtTest>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct FreeRecord
{
    void operator()(libraw_processed_image_t* p) const { std::free(p); }
};
using Record = std::unique_ptr<libraw_processed_image_t, FreeRecord>;

// A record laid out as LibRaw lays it out: header, then data_size bytes.
Record record(LibRaw_image_formats type, int width, int height, int colors, int bits, const QByteArray& data,
              unsigned dataSize)
{
    auto* p = static_cast<libraw_processed_image_t*>(std::calloc(1, sizeof(libraw_processed_image_t) + size_t(data.size())));
    p->type = type;
    p->width = ushort(width);
    p->height = ushort(height);
    p->colors = ushort(colors);
    p->bits = ushort(bits);
    p->data_size = dataSize;
    std::memcpy(p->data, data.constData(), size_t(data.size()));
    return Record(p);
}

Record bitmap(int width, int height, int colors, int bits, const QByteArray& data)
{
    return record(LIBRAW_IMAGE_BITMAP, width, height, colors, bits, data, unsigned(data.size()));
}

QByteArray samples16(std::initializer_list<quint16> values)
{
    QByteArray out;
    for (quint16 v : values)
        out.append(reinterpret_cast<const char*>(&v), 2); // host order, as LibRaw writes
    return out;
}

// Where LibRaw's flip code takes output pixel (x, y) from in a source of
// w x h: transpose for bit 4, then mirror rows for bit 2, columns for bit 1.
QPoint flipSource(int flip, int x, int y, int w, int h)
{
    int row = y, col = x;
    if (flip & 4)
        std::swap(row, col);
    if (flip & 2)
        row = h - 1 - row;
    if (flip & 1)
        col = w - 1 - col;
    return QPoint(col, row);
}

} // namespace

class TestRawImage : public QObject
{
    Q_OBJECT

private slots:
    void bitmaps_data();
    void bitmaps();
    void malformedBitmaps_data();
    void malformedBitmaps();
    void imageOutlivesRecord();
    void jpeg();
    void undecodableJpeg();
    void orient_data();
    void orient();
};

void TestRawImage::bitmaps_data()
{
    QTest::addColumn<int>("colors");
    QTest::addColumn<int>("bits");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QList<QRgb>>("expected"); // two pixels, 2 x 1

    QTest::newRow("8-bit RGB") << 3 << 8 << QByteArray("\x10\x20\x30\xf0\xe0\xd0", 6)
                               << QList<QRgb>{0xff102030, 0xfff0e0d0};
    QTest::newRow("8-bit grey") << 1 << 8 << QByteArray("\x40\xc0", 2) << QList<QRgb>{0xff404040, 0xffc0c0c0};
    // The upper byte of each 16-bit sample, not whichever byte comes first.
    QTest::newRow("16-bit RGB") << 3 << 16 << samples16({0x12ff, 0x3401, 0x5680, 0xffff, 0x00ff, 0x8000})
                                << QList<QRgb>{0xff123456, 0xffff0080};
    QTest::newRow("16-bit grey") << 1 << 16 << samples16({0xa0ff, 0x0100}) << QList<QRgb>{0xffa0a0a0, 0xff010101};
    QTest::newRow("4 colours: first three") << 4 << 8 << QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08", 8)
                                            << QList<QRgb>{0xff010203, 0xff050607};
}

void TestRawImage::bitmaps()
{
    QFETCH(int, colors);
    QFETCH(int, bits);
    QFETCH(QByteArray, data);
    QFETCH(QList<QRgb>, expected);

    QString error;
    const QImage image = RawImage::toQImage(*bitmap(2, 1, colors, bits, data), &error);
    QVERIFY2(!image.isNull(), qPrintable(error));
    QCOMPARE(image.format(), QImage::Format_RGB32);
    QCOMPARE(image.size(), QSize(2, 1));
    QCOMPARE(image.pixel(0, 0), expected.at(0));
    QCOMPARE(image.pixel(1, 0), expected.at(1));
}

void TestRawImage::malformedBitmaps_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("colors");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("stored");    // bytes actually there
    QTest::addColumn<unsigned>("claimed"); // data_size

    QTest::newRow("data_size short by one") << 4 << 4 << 3 << 8 << 48 << 47u;
    QTest::newRow("data_size above the samples") << 4 << 4 << 3 << 8 << 49 << 49u;
    QTest::newRow("16 bits counted as 8") << 4 << 4 << 3 << 16 << 48 << 48u;
    // 65535 x 65535 x 3 x 2 is 25.8 GB: wraps in 32 bits, not in 64.
    QTest::newRow("size overflowing 32 bits") << 65535 << 65535 << 3 << 16 << 64 << 0xfff40006u;
    QTest::newRow("12-bit samples") << 2 << 2 << 3 << 12 << 18 << 18u;
    QTest::newRow("no colours") << 2 << 2 << 0 << 8 << 0 << 0u;
    QTest::newRow("zero width") << 0 << 2 << 3 << 8 << 0 << 0u;
}

void TestRawImage::malformedBitmaps()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, colors);
    QFETCH(int, bits);
    QFETCH(int, stored);
    QFETCH(unsigned, claimed);

    const Record r = record(LIBRAW_IMAGE_BITMAP, width, height, colors, bits, QByteArray(stored, '\x7f'), claimed);
    QString error;
    QVERIFY(RawImage::toQImage(*r, &error).isNull());
    QVERIFY(!error.isEmpty());
}

void TestRawImage::imageOutlivesRecord()
{
    QByteArray data(64 * 32 * 3, '\0');
    for (int i = 0; i < data.size(); ++i)
        data[i] = char(i * 7);
    Record r = bitmap(64, 32, 3, 8, data);
    const QImage image = RawImage::toQImage(*r, nullptr);
    std::memset(r->data, 0, size_t(data.size()));
    r.reset();
    QCOMPARE(image.pixel(5, 3), qRgb(quint8(((3 * 64 + 5) * 3) * 7), quint8(((3 * 64 + 5) * 3 + 1) * 7),
                                     quint8(((3 * 64 + 5) * 3 + 2) * 7)));
}

void TestRawImage::jpeg()
{
    QImage source(16, 8, QImage::Format_Grayscale8);
    source.fill(200);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QVERIFY(source.save(&buffer, "JPEG", 100));

    QString error;
    const QImage image = RawImage::toQImage(*record(LIBRAW_IMAGE_JPEG, 0, 0, 0, 0, bytes, unsigned(bytes.size())), &error);
    QVERIFY2(!image.isNull(), qPrintable(error));
    // Grey JPEG data still comes back in the format the handler announces.
    QCOMPARE(image.format(), QImage::Format_RGB32);
    QCOMPARE(image.size(), QSize(16, 8));
    QVERIFY(qAbs(qGray(image.pixel(8, 4)) - 200) <= 2);
}

void TestRawImage::undecodableJpeg()
{
    QString error;
    const QByteArray garbage(300, '\x33');
    QVERIFY(RawImage::toQImage(*record(LIBRAW_IMAGE_JPEG, 0, 0, 0, 0, garbage, 300), &error).isNull());
    QVERIFY(error.contains(QStringLiteral("JPEG")));
    QVERIFY(RawImage::toQImage(*record(LIBRAW_IMAGE_JPEG, 0, 0, 0, 0, QByteArray(), 0), &error).isNull());
}

void TestRawImage::orient_data()
{
    QTest::addColumn<int>("flip");
    for (int flip = 0; flip <= 7; ++flip)
        QTest::addRow("flip %d", flip) << flip;
}

void TestRawImage::orient()
{
    QFETCH(int, flip);
    // Every pixel distinct, width and height different.
    QImage source(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            source.setPixel(x, y, qRgb(x * 40, y * 90, 7));

    const QImage out = RawImage::orient(source, flip);
    const QSize expectedSize = (flip & 4) ? QSize(3, 5) : QSize(5, 3);
    QCOMPARE(out.size(), expectedSize);
    QCOMPARE(RawImage::orientedSize(source.size(), flip), expectedSize);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            QCOMPARE(out.pixel(x, y), source.pixel(flipSource(flip, x, y, 5, 3)));
}

QTEST_GUILESS_MAIN(TestRawImage)
#include "tst_rawimage.moc"
