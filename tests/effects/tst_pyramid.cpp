#include "effects/Pyramid.h"

#include <QtTest>

#include <vector>

using Plane = std::vector<std::uint8_t>;
Q_DECLARE_METATYPE(Plane)

class TestPyramid : public QObject
{
    Q_OBJECT

private slots:
    void reduce_data();
    void reduce();
    void reduceHonoursStrides();
    void expand_data();
    void expand();
    void reduceThenExpandKeepsEvenPositions();
    void filterBytes();
    void filterBand_data();
    void filterBand();
    void filtersLeaveNarrowPlanes();
    void diffAndAdd();
    void generateLevel_data();
    void generateLevel();
};

// Expected values: the [1 2 1] x [1 2 1] sum around (2i, 2j) by hand, >> 4.
void TestPyramid::reduce_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<Plane>("source");
    QTest::addColumn<Plane>("expected");

    // 10 x + 3 y: separable, so each output is (H(i) + V(j)) >> 2 with the
    // mirrored edge sums H = 20, 80, 140 and V = 6, 24, 42.
    Plane ramp;
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x)
            ramp.push_back(std::uint8_t(10 * x + 3 * y));
    }
    QTest::newRow("5x5 ramp, mirrored edges") << 5 << 5 << ramp << Plane{6, 21, 36, 11, 26, 41, 15, 30, 45};
    // One value wide or high: the missing side neighbour is the centre.
    QTest::newRow("1x4 column") << 1 << 4 << Plane{0, 40, 80, 120} << Plane{20, 80};
    QTest::newRow("4x1 row") << 4 << 1 << Plane{0, 40, 80, 120} << Plane{20, 80};
    QTest::newRow("1x1") << 1 << 1 << Plane{77} << Plane{77};
    QTest::newRow("2x2") << 2 << 2 << Plane{0, 16, 32, 48} << Plane{(4 * 0 + 4 * 16 + 4 * 32 + 4 * 48) >> 4};
}

void TestPyramid::reduce()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(Plane, source);
    QFETCH(Plane, expected);

    Plane out(expected.size(), 0xEE);
    QCOMPARE(Reduce_2D(source.data(), width, width, height, out.data(), (width + 1) >> 1), 1);
    QCOMPARE(out, expected);
}

void TestPyramid::reduceHonoursStrides()
{
    // 3 x 3 of 100 in rows of 5 whose last two bytes are 255.
    Plane source(5 * 3, 255);
    for (int y = 0; y < 3; ++y)
        std::fill(source.begin() + 5 * y, source.begin() + 5 * y + 3, 100);
    Plane out(4 * 2, 0xEE);
    Reduce_2D(source.data(), 5, 3, 3, out.data(), 4);
    QCOMPARE(out, (Plane{100, 100, 0xEE, 0xEE, 100, 100, 0xEE, 0xEE}));
}

// Even positions copy the source; odd ones average (truncating) their two
// or four neighbours; an even size repeats the last source column and row.
void TestPyramid::expand_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<Plane>("source");
    QTest::addColumn<Plane>("expected");

    QTest::newRow("3x3 to 5x5") << 5 << 5 << Plane{10, 20, 30, 40, 50, 60, 70, 80, 91}
                                << Plane{10, 15, 20, 25, 30, //
                                         25, 30, 35, 40, 45, //
                                         40, 45, 50, 55, 60, //
                                         55, 60, 65, 70, 75, //
                                         70, 75, 80, 85, 91};
    QTest::newRow("2x2 to 4x4") << 4 << 4 << Plane{0, 100, 200, 255}
                                << Plane{0, 50, 100, 100,    //
                                         100, 138, 177, 177, //
                                         200, 227, 255, 255, //
                                         200, 227, 255, 255};
    QTest::newRow("1x1 to 2x1") << 2 << 1 << Plane{9} << Plane{9, 9};
    QTest::newRow("1x2 to 1x3") << 1 << 3 << Plane{10, 21} << Plane{10, 15, 21};
}

void TestPyramid::expand()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(Plane, source);
    QFETCH(Plane, expected);

    Plane out(expected.size(), 0xEE);
    QCOMPARE(Expand_2D(out.data(), width, width, height, source.data(), (width + 1) >> 1), 1);
    QCOMPARE(out, expected);
}

void TestPyramid::reduceThenExpandKeepsEvenPositions()
{
    const int sizes[][2] = {{5, 5}, {8, 6}, {1, 7}, {7, 1}, {3, 3}, {33, 20}};
    for (const auto& size : sizes) {
        const int width = size[0];
        const int height = size[1];
        const int halfWidth = (width + 1) >> 1;
        const int halfHeight = (height + 1) >> 1;
        Plane source(std::size_t(width * height));
        for (std::size_t i = 0; i < source.size(); ++i)
            source[i] = std::uint8_t(i * 37 + 11);
        Plane reduced(std::size_t(halfWidth * halfHeight));
        Plane expanded(source.size());
        Reduce_2D(source.data(), width, width, height, reduced.data(), halfWidth);
        Expand_2D(expanded.data(), width, width, height, reduced.data(), halfWidth);
        for (int j = 0; j < halfHeight; ++j) {
            for (int i = 0; i < halfWidth; ++i)
                QCOMPARE(expanded[std::size_t(2 * j * width + 2 * i)], reduced[std::size_t(j * halfWidth + i)]);
        }
    }
}

void TestPyramid::filterBytes()
{
    // Centre 64 and corner 9: the top row's pass gives 9 >> 2 = 2, the
    // middle row's (2 x 64) >> 2 = 32, then (2 + 2 x 32) >> 2 = 16. The
    // border keeps its values.
    Plane plane{9, 0, 0, 0, 64, 0, 0, 0, 0};
    QCOMPARE(FilterImage0(plane.data(), 3, 3, 3), 1);
    QCOMPARE(plane, (Plane{9, 0, 0, 0, 16, 0, 0, 0, 0}));
}

// Both passes shift right by 4, arithmetically: -1 stays -1.
void TestPyramid::filterBand_data()
{
    QTest::addColumn<int>("centre");
    QTest::addColumn<int>("expected");

    QTest::newRow("-256") << -256 << -4;
    QTest::newRow("-1 rounds down") << -1 << -1;
    QTest::newRow("1") << 1 << 0;
    QTest::newRow("400") << 400 << 6;
}

void TestPyramid::filterBand()
{
    QFETCH(int, centre);
    QFETCH(int, expected);

    std::vector<std::int16_t> plane{0, 0, 0, 0, std::int16_t(centre), 0, 0, 0, 0};
    QCOMPARE(FilterImage(plane.data(), 3, 3, 3), 1);
    QCOMPARE(plane, (std::vector<std::int16_t>{0, 0, 0, 0, std::int16_t(expected), 0, 0, 0, 0}));
}

void TestPyramid::filtersLeaveNarrowPlanes()
{
    Plane bytes{10, 200, 30, 40};
    std::vector<std::int16_t> band{-10, 200, 30, -40};
    const Plane bytesBefore = bytes;
    const auto bandBefore = band;
    QCOMPARE(FilterImage0(bytes.data(), 1, 1, 4), 1);
    QCOMPARE(FilterImage(band.data(), 4, 4, 1), 1);
    QCOMPARE(FilterImage0(bytes.data(), 2, 2, 2), 1);
    QCOMPARE(bytes, bytesBefore);
    QCOMPARE(band, bandBefore);
}

void TestPyramid::diffAndAdd()
{
    const Plane a{0, 255, 100, 7};
    const Plane b{255, 0, 100, 3};
    std::vector<std::int16_t> band(4);
    DiffImage(band.data(), a.data(), b.data(), 0, 2, 2);
    QCOMPARE(band, (std::vector<std::int16_t>{-255, 255, 0, 4}));

    const std::vector<std::int16_t> offsets{10, -10, 300, -300};
    const Plane base{250, 5, 100, 100};
    Plane out(4);
    AddImage(offsets.data(), base.data(), out.data(), 0, 4, 1);
    QCOMPARE(out, (Plane{255, 0, 255, 0}));
}

void TestPyramid::generateLevel_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("expected");

    QTest::newRow("1000, 100: 500 250 125") << 1000 << 100 << 3;
    QTest::newRow("50 below 100") << 50 << 100 << 0;
    QTest::newRow("equal") << 100 << 100 << 0;
    QTest::newRow("minimum 0 counts as 1") << 1000 << 0 << 9;
    QTest::newRow("1, 1") << 1 << 1 << 0;
    QTest::newRow("size 0") << 0 << 0 << 0;
    QTest::newRow("negative size") << -8 << -8 << 0;
}

void TestPyramid::generateLevel()
{
    QFETCH(int, size);
    QFETCH(int, minimum);
    QFETCH(int, expected);

    QCOMPARE(GenerateLevel(size, minimum), expected);
}

QTEST_APPLESS_MAIN(TestPyramid)
#include "tst_pyramid.moc"
