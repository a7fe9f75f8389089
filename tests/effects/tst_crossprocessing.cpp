#include "effects/CrossProcessing.h"

#include <QtTest>

#include <vector>

namespace {

const int kPlane = 17 * 17 * 17;

int node(int plane, int r, int g, int b)
{
    return g_pTable[plane * kPlane + r * 289 + g * 17 + b];
}

// Runs one pixel (given as R, G, B) and returns it as R, G, B.
QVector<int> crossProcess(int r, int g, int b)
{
    std::uint8_t pixel[3] = {std::uint8_t(b), std::uint8_t(g), std::uint8_t(r)};
    ExecuteCrossProcessingImage(pixel, 1, 1, 3);
    return {pixel[2], pixel[1], pixel[0]};
}

// The interpolation written out plane by plane: along r, then g, then b.
int reference(int plane, int r, int g, int b)
{
    const int ri = r >> 4, gi = g >> 4, bi = b >> 4;
    const int fr = r & 15, fg = g & 15, fb = b & 15;
    int alongB[2];
    for (int db = 0; db < 2; ++db) {
        int alongG[2];
        for (int dg = 0; dg < 2; ++dg)
            alongG[dg] = node(plane, ri, gi + dg, bi + db) * (16 - fr) + node(plane, ri + 1, gi + dg, bi + db) * fr;
        alongB[db] = alongG[0] * (16 - fg) + alongG[1] * fg;
    }
    return (alongB[0] * (16 - fb) + alongB[1] * fb) >> 12;
}

} // namespace

class TestCrossProcessing : public QObject
{
    Q_OBJECT

private slots:
    void greyAxis_data();
    void greyAxis();
    void offAxisNodesAndLayout();
    void interpolatesBetweenNodes();
    void greyBetweenNodesTakesOffAxisNodes();
    void everyColourMatchesThePlaneByPlaneRule();
    void keepsPaddingAndRefusesBadStrides();
};

void TestCrossProcessing::greyAxis_data()
{
    QTest::addColumn<int>("grey");
    QTest::addColumn<QVector<int>>("rgb");
    const int red[17] = {0, 12, 22, 34, 40, 59, 82, 97, 126, 154, 183, 205, 217, 232, 236, 246, 255};
    const int green[17] = {0, 8, 17, 26, 42, 66, 98, 127, 150, 178, 200, 221, 236, 247, 252, 255, 255};
    const int blue[17] = {0, 5, 11, 15, 20, 32, 51, 65, 100, 144, 181, 211, 230, 242, 249, 252, 255};
    for (int k = 0; k < 16; ++k)
        QTest::addRow("grey %d", 16 * k) << 16 * k << QVector<int>{red[k], green[k], blue[k]};
    // Between node 15 and node 16 (which stands for 256), with the
    // neighbouring off-axis nodes just below full.
    QTest::newRow("white") << 255 << QVector<int>{254, 254, 254};
}

void TestCrossProcessing::greyAxis()
{
    QFETCH(int, grey);
    QFETCH(QVector<int>, rgb);
    QCOMPARE(crossProcess(grey, grey, grey), rgb);
}

void TestCrossProcessing::offAxisNodesAndLayout()
{
    // Node (r, g, b) at r * 289 + g * 17 + b; planes B, G, R.
    QCOMPARE(crossProcess(32, 64, 16), (QVector<int>{node(2, 2, 4, 1), node(1, 2, 4, 1), node(0, 2, 4, 1)}));
    QCOMPARE(crossProcess(240, 0, 112), (QVector<int>{node(2, 15, 0, 7), node(1, 15, 0, 7), node(0, 15, 0, 7)}));
    // The channels interact: a red pixel's green differs from a grey's.
    QVERIFY(node(1, 12, 4, 4) != node(1, 4, 4, 4));
}

void TestCrossProcessing::interpolatesBetweenNodes()
{
    // Half way from node (0, 0, 0) to (1, 0, 0): weights 8 and 8 out of 16,
    // times 16 x 16 along g and b, shifted by 12.
    const QVector<int> halfRed = crossProcess(8, 0, 0);
    for (int c = 0; c < 3; ++c)
        QCOMPARE(halfRed[c], (node(2 - c, 0, 0, 0) * 8 + node(2 - c, 1, 0, 0) * 8) / 16);

    // A quarter along b from (3, 5, 9): weights 12 and 4.
    const QVector<int> quarter = crossProcess(48, 80, 148);
    for (int c = 0; c < 3; ++c)
        QCOMPARE(quarter[c], (node(2 - c, 3, 5, 9) * 12 + node(2 - c, 3, 5, 10) * 4) * 256 >> 12);
}

void TestCrossProcessing::greyBetweenNodesTakesOffAxisNodes()
{
    // Grey 100 = 6 x 16 + 4: of the 4096 weight, 12^3 on node (6, 6, 6),
    // 4^3 on (7, 7, 7), 4 x 144 on each of the three nodes one step up and
    // 16 x 12 on each of the three nodes two steps up.
    for (int plane = 0; plane < 3; ++plane) {
        const int sum = 1728 * node(plane, 6, 6, 6) + 64 * node(plane, 7, 7, 7)
            + 576 * (node(plane, 7, 6, 6) + node(plane, 6, 7, 6) + node(plane, 6, 6, 7))
            + 192 * (node(plane, 7, 7, 6) + node(plane, 7, 6, 7) + node(plane, 6, 7, 7));
        QCOMPARE(crossProcess(100, 100, 100)[2 - plane], sum >> 12);
    }
}

void TestCrossProcessing::everyColourMatchesThePlaneByPlaneRule()
{
    const int count = 1 << 24;
    std::vector<std::uint8_t> bytes(std::size_t(3) * count);
    for (int i = 0; i < count; ++i) {
        bytes[std::size_t(3) * i] = std::uint8_t(i);
        bytes[std::size_t(3) * i + 1] = std::uint8_t(i >> 8);
        bytes[std::size_t(3) * i + 2] = std::uint8_t(i >> 16);
    }
    // 4096 rows of 4096 pixels.
    QCOMPARE(ExecuteCrossProcessingImage(bytes.data(), 4096, 4096, 3 * 4096), 1);
    for (int i = 0; i < count; ++i) {
        const int b = i & 255, g = (i >> 8) & 255, r = i >> 16;
        for (int plane = 0; plane < 3; ++plane) {
            if (bytes[std::size_t(3) * i + plane] != reference(plane, r, g, b))
                QFAIL(qPrintable(QString("R %1 G %2 B %3, plane %4").arg(r).arg(g).arg(b).arg(plane)));
        }
    }
}

void TestCrossProcessing::keepsPaddingAndRefusesBadStrides()
{
    const int width = 3, height = 2, stride = 13;
    std::vector<std::uint8_t> bytes(stride * height, 0xAB);
    for (int y = 0; y < height; ++y)
        std::fill(bytes.begin() + y * stride, bytes.begin() + y * stride + 3 * width, 128);
    QCOMPARE(ExecuteCrossProcessingImage(bytes.data(), width, height, stride), 1);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < stride; ++x) {
            const int expected = x >= 3 * width ? 0xAB : (x % 3 == 0 ? 100 : (x % 3 == 1 ? 150 : 126));
            QCOMPARE(int(bytes[std::size_t(y * stride + x)]), expected);
        }
    }

    const std::vector<std::uint8_t> before = bytes;
    QCOMPARE(ExecuteCrossProcessingImage(bytes.data(), width, height, 3 * width - 1), 0);
    QCOMPARE(ExecuteCrossProcessingImage(nullptr, width, height, stride), 0);
    QCOMPARE(ExecuteCrossProcessingImage(bytes.data(), 0, height, stride), 1);
    QCOMPARE(ExecuteCrossProcessingImage(bytes.data(), width, -1, stride), 1);
    QCOMPARE(bytes, before);
}

QTEST_GUILESS_MAIN(TestCrossProcessing)
#include "tst_crossprocessing.moc"
