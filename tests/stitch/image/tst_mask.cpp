#include "support/TestSupport.h"

#include "stitch/image/CMask.h"

#include <QtTest>

#include <cstdio>

using Points = QList<QPoint>;

namespace {

Points setBits(const CMask& mask)
{
    Points points;
    for (unsigned y = 0; y < mask.Height(); ++y)
        for (unsigned x = 0; x < mask.Width(); ++x)
            if (mask.GetPixel(y, x))
                points << QPoint(int(x), int(y));
    return points;
}

QByteArray maskFile(quint32 width, quint32 height, quint32 stride, QList<quint32> rect, qsizetype bits)
{
    QByteArray out;
    for (quint32 v : QList<quint32>{width, height, stride} + rect) {
        char field[4];
        qToLittleEndian(v, field);
        out.append(field, 4);
    }
    return out + QByteArray(bits, '\x01');
}

} // namespace

class TestMask : public QObject
{
    Q_OBJECT

private slots:
    void stride_data();
    void stride();
    void pixelBits();
    void setRun_data();
    void setRun();
    void drawLine_data();
    void drawLine();
    void objectRect();
    void fillAndErase();
    void copyTakesRectangle();
    void saveAndLoad();
    void saveTruncates();
    void streamSaveAndLoad();
    void badFile_data();
    void badFile();

private:
    QTemporaryDir m_dir;
};

// ((width + 31) / 32) x 4
void TestMask::stride_data()
{
    QTest::addColumn<unsigned>("width");
    QTest::addColumn<unsigned>("stride");
    QTest::newRow("1") << 1u << 4u;
    QTest::newRow("32") << 32u << 4u;
    QTest::newRow("33") << 33u << 8u;
    QTest::newRow("65") << 65u << 12u;
}

void TestMask::stride()
{
    QFETCH(unsigned, width);
    QFETCH(unsigned, stride);
    CMask mask(width, 3);
    QCOMPARE(mask.Stride(), stride);
    QCOMPARE(mask.Size(), 3 * stride);
}

void TestMask::setRun_data()
{
    QTest::addColumn<unsigned>("width");
    QTest::addColumn<unsigned>("column");
    QTest::addColumn<unsigned>("count");
    QTest::newRow("inside one byte") << 40u << 2u << 3u;
    QTest::newRow("across a byte border") << 40u << 6u << 4u;
    QTest::newRow("whole bytes between") << 70u << 3u << 50u;
    QTest::newRow("from a byte border, whole bytes") << 70u << 8u << 24u;
    QTest::newRow("past the width") << 37u << 30u << 20u;
    QTest::newRow("count beyond 32 bits") << 37u << 5u << 4294967295u;
    QTest::newRow("starting off the mask") << 37u << 37u << 5u;
    QTest::newRow("none") << 37u << 9u << 0u;
}

// The same bits as SetPixel one at a time; neighbours and other rows keep
// theirs.
void TestMask::setRun()
{
    QFETCH(unsigned, width);
    QFETCH(unsigned, column);
    QFETCH(unsigned, count);
    CMask run(width, 3), single(width, 3);
    for (unsigned x = 0; x < width; x += 5) {
        run.SetPixel(1, x, true);
        single.SetPixel(1, x, true);
    }
    run.SetRun(1, column, count);
    for (unsigned long long x = column; x < (unsigned long long)column + count && x < width; ++x)
        single.SetPixel(1, unsigned(x), true);
    QCOMPARE(setBits(run), setBits(single));
    // Padding bits past the width stay clear.
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(run.Bits()), int(run.Size())),
             QByteArray(reinterpret_cast<const char*>(single.Bits()), int(single.Size())));
}

void TestMask::pixelBits()
{
    // (x, y) is bit x mod 8 of byte y x stride + x / 8, lowest bit first.
    CMask mask(20, 2);
    mask.SetPixel(1, 9, true);
    QCOMPARE(int(mask.Bits()[4 + 1]), 2);
    QVERIFY(mask.GetPixel(1, 9));
    QVERIFY(mask.IsMask(1, 9));
    QVERIFY(!mask.GetPixel(9, 1));
    mask.SetPixel(1, 9, false);
    QCOMPARE(int(mask.Bits()[5]), 0);
    mask.SetPixel(7, 7, true); // off the mask: ignored
    QVERIFY(!mask.GetPixel(7, 7));
}

void TestMask::drawLine_data()
{
    QTest::addColumn<QList<int>>("line");
    QTest::addColumn<Points>("expected");
    // The end point is never drawn.
    QTest::newRow("row") << QList<int>{0, 0, 3, 0} << Points{{0, 0}, {1, 0}, {2, 0}};
    QTest::newRow("column upwards") << QList<int>{0, 3, 0, 0} << Points{{0, 1}, {0, 2}, {0, 3}};
    // Equal spans are stepped by rows.
    QTest::newRow("diagonal") << QList<int>{0, 0, 2, 2} << Points{{0, 0}, {1, 1}};
    QTest::newRow("point") << QList<int>{4, 4, 4, 4} << Points{};
    // Steep, by rows: k = 1/4, x = trunc(i / 4 + 0.5): i = 0, 1 -> 0; i = 2, 3 -> 1.
    QTest::newRow("steep") << QList<int>{0, 0, 1, 4} << Points{{0, 0}, {0, 1}, {1, 2}, {1, 3}};
    // Backward, by columns: k = (0 - 2) / (0 - 4) = 0.5; i = 0, -1, -2, -3 at
    // x = 4, 3, 2, 1 and y = trunc(2 + i / 2 + 0.5) = 2, 2, 1, 1.
    QTest::newRow("backward") << QList<int>{4, 2, 0, 0} << Points{{2, 1}, {1, 1}, {4, 2}, {3, 2}};
    // Steep and backward: k = (0 - 2) / (0 - 5) = 0.4; i = 0 .. -4 at
    // y = 5 .. 1, x = trunc(2 + 0.4 i + 0.5) = 2, 2, 1, 1, 0.
    QTest::newRow("steep backward") << QList<int>{2, 5, 0, 0}
                                    << Points{{0, 1}, {1, 2}, {1, 3}, {2, 4}, {2, 5}};
    // Only the points on the mask are drawn.
    QTest::newRow("clipped") << QList<int>{-2, 1, 8, 1} << Points{{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}};
}

void TestMask::drawLine()
{
    QFETCH(QList<int>, line);
    QFETCH(Points, expected);
    CMask mask(6, 6);
    mask.DrawLine(line[0], line[1], line[2], line[3], true);
    Points sorted = expected;
    std::sort(sorted.begin(), sorted.end(), [](QPoint a, QPoint b) { return std::make_pair(a.y(), a.x()) < std::make_pair(b.y(), b.x()); });
    QCOMPARE(setBits(mask), sorted);
    // Drawing again with false clears exactly those bits.
    mask.DrawLine(line[0], line[1], line[2], line[3], false);
    QCOMPARE(setBits(mask), Points{});
}

void TestMask::objectRect()
{
    CMask mask(12, 10);
    const tagRECT* r = mask.ObjectRect();
    QCOMPARE(QList<int>({r->left, r->top, r->right, r->bottom}), QList<int>({12, 10, 0, 0}));
    mask.SetPixel(7, 5, true);
    r = mask.ObjectRect();
    QCOMPARE(QList<int>({r->left, r->top, r->right, r->bottom}), QList<int>({5, 7, 5, 7}));
    mask.SetPixel(2, 11, true);
    r = mask.ObjectRect();
    QCOMPARE(QList<int>({r->left, r->top, r->right, r->bottom}), QList<int>({5, 2, 11, 7}));
}

void TestMask::fillAndErase()
{
    CMask a(9, 2), b(9, 2);
    a.SetPixel(0, 0, true);
    a.SetPixel(1, 8, true);
    b.SetPixel(1, 8, true);
    b.SetPixel(0, 3, true);
    QCOMPARE(a.MaskFill(&b), 2u);
    QCOMPARE(setBits(a), (Points{{0, 0}, {3, 0}, {8, 1}}));
    CMask c(9, 2);
    c.SetPixel(0, 3, true);
    QCOMPARE(a.MaskErase(&c), 2u);
    QCOMPARE(setBits(a), (Points{{0, 0}, {8, 1}}));
    CMask d(9, 2);
    a.Clone(&d);
    QCOMPARE(setBits(d), setBits(a));
    a.Clear();
    QCOMPARE(setBits(a), Points{});
}

void TestMask::copyTakesRectangle()
{
    CMask mask(10, 10);
    mask.SetPixel(3, 4, true);
    CMask copy(mask);
    QCOMPARE(setBits(copy), (Points{{4, 3}}));
    QCOMPARE(QList<int>({copy.Rect().left, copy.Rect().top, copy.Rect().right, copy.Rect().bottom}),
             QList<int>({4, 3, 4, 3}));
    QCOMPARE(mask.Rect().left, 4); // computed in the original too
}

void TestMask::saveAndLoad()
{
    CMask mask(37, 5);
    mask.DrawLine(0, 0, 36, 4, true);
    mask.ObjectRect();
    const QString path = m_dir.filePath(QStringLiteral("m.mask"));
    QVERIFY(mask.Save(path));
    QCOMPARE(QFileInfo(path).size(), qint64(28 + 8 * 5));

    CMask loaded;
    QVERIFY(loaded.Load(path));
    QCOMPARE(loaded.Width(), 37u);
    QCOMPARE(loaded.Stride(), 8u);
    QCOMPARE(setBits(loaded), setBits(mask));
    QVERIFY(EqualRect(&loaded.Rect(), &mask.Rect()));
}

void TestMask::saveTruncates()
{
    const QString path = m_dir.filePath(QStringLiteral("t.mask"));
    QVERIFY(TestSupport::writeFile(path, QByteArray(4096, 'z')));
    CMask mask(3, 1);
    QVERIFY(mask.Save(path));
    QCOMPARE(QFileInfo(path).size(), qint64(28 + 4));
    CMask loaded;
    QVERIFY(loaded.Load(path));
}

void TestMask::streamSaveAndLoad()
{
    const QString path = m_dir.filePath(QStringLiteral("s.mask"));
    CMask mask(40, 3);
    mask.SetPixel(2, 39, true);
    FILE* out = std::fopen(QFile::encodeName(path).constData(), "wb");
    QVERIFY(out);
    QVERIFY(mask.Save(out));
    std::fclose(out);
    FILE* in = std::fopen(QFile::encodeName(path).constData(), "rb");
    QVERIFY(in);
    CMask loaded;
    QVERIFY(loaded.Load(in));
    std::fclose(in);
    QCOMPARE(setBits(loaded), (Points{{39, 2}}));
}

void TestMask::badFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QList<quint32> empty{4, 3, 0, 0};
    QTest::newRow("zero bytes") << QByteArray();
    QTest::newRow("header cut") << maskFile(4, 3, 4, empty, 0).left(20);
    QTest::newRow("bits cut") << maskFile(4, 3, 4, empty, 11);
    QTest::newRow("zero width") << maskFile(0, 3, 4, {0, 3, 0, 0}, 12);
    QTest::newRow("zero height") << maskFile(4, 0, 4, {4, 0, 0, 0}, 0);
    QTest::newRow("wrong stride") << maskFile(4, 3, 8, empty, 24);
    QTest::newRow("huge in a short file") << maskFile(100000, 100000, 12500, {100000, 100000, 0, 0}, 64);
    QTest::newRow("stride x height past 32 bits") << maskFile(0xFFFFFFE0u, 100, 0x1FFFFFFCu, {0, 0, 0, 0}, 64);
    QTest::newRow("rectangle off the mask") << maskFile(4, 3, 4, {0, 0, 9, 1}, 12);
}

void TestMask::badFile()
{
    QFETCH(QByteArray, bytes);
    const QString path = m_dir.filePath(QStringLiteral("bad.mask"));
    QVERIFY(TestSupport::writeFile(path, bytes));
    CMask mask(5, 5);
    QVERIFY(!mask.Load(path));
    QVERIFY(!mask.Bits());
    QCOMPARE(mask.Width(), 0u);
    FILE* in = std::fopen(QFile::encodeName(path).constData(), "rb");
    QVERIFY(in);
    CMask fromStream(2, 2);
    QVERIFY(!fromStream.Load(in));
    std::fclose(in);
    QVERIFY(!fromStream.Bits());
    QVERIFY(!mask.Load(m_dir.filePath(QStringLiteral("none.mask"))));
}

QTEST_APPLESS_MAIN(TestMask)
#include "tst_mask.moc"
