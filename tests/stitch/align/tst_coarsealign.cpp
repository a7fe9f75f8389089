#include "StitchTestHost.h"
#include "Texture.h"

#include "stitch/align/CAlignDataBuffer.h"
#include "stitch/align/CCoarseAlign.h"
#include "stitch/align/CCorrelTable.h"
#include "stitch/align/CRotateImage.h"
#include "stitch/align/CStitchAlign.h"
#include "stitch/image/CImage.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <QtTest>

#include <cmath>
#include <functional>


class TestCoarseAlign : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tableEntries_data();
    void tableEntries();
    void gradientAndZeroMean();
    void refusedLockBuildsNothing_data();
    void refusedLockBuildsNothing();
    void flatImages();
    void halfTextured();
    void identicalImages();
    void findsTheShift_data();
    void findsTheShift();
    void findsTheTurn_data();
    void findsTheTurn();
    void edgeBitsAgreeWithBytes();
    void oneColumnRange();
    void shiftFlagAtFourteenPixels();
    void repairsTileShifts();
    void mergeAtOffset();

private:
    // An image of the texture's window (x, y, width, height), optionally
    // turned by angle about the window's centre.
    void* render(const Texture& texture, double x, double y, int width, int height, double angle = 0.0);

    StitchTestHost* m_host = nullptr;
};

void TestCoarseAlign::init()
{
    m_host = new StitchTestHost;
    CStitchPyramid::m_bTelephoto = false;
}

void TestCoarseAlign::cleanup()
{
    const bool clean = m_host->clean();
    const QString report = m_host->report();
    delete m_host;
    m_host = nullptr;
    if (!QTest::currentTestFailed())
        QVERIFY2(clean, qPrintable(report));
}

void* TestCoarseAlign::render(const Texture& texture, double x, double y, int width, int height, double angle)
{
    const double cx = (width - 1) / 2.0, cy = (height - 1) / 2.0;
    const double s = std::sin(angle), c = std::cos(angle);
    return m_host->makeHandle(StitchTestHost::packed24(width, height, [&](int i, int j) {
        const double u = i - cx, v = j - cy;
        return texture.at(x + cx + u * c - v * s, y + cy + u * s + v * c);
    }));
}

void TestCoarseAlign::tableEntries_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("entry");
    // 512ab / (a^2 + b^2), truncated toward zero.
    QTest::newRow("1, 1") << 1 << 1 << 256;
    QTest::newRow("1, -1") << 1 << -1 << -256;
    QTest::newRow("0, 9") << 0 << 9 << 0;
    QTest::newRow("2, 1") << 2 << 1 << 204;         // 1024 / 5
    QTest::newRow("226, -226") << 226 << -226 << -256;
    QTest::newRow("227, 227") << 227 << 227 << 256; // a lone bright pixel
    QTest::newRow("227, -1") << 227 << -1 << -2;    // -116224 / 51530
}

void TestCoarseAlign::tableEntries()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, entry);
    CCorrelTable table;
    QCOMPARE(int(table.At(a, b)), entry);
    QCOMPARE(int(table.At(b, a)), entry);
}

void TestCoarseAlign::refusedLockBuildsNothing_data()
{
    QTest::addColumn<int>("refused"); // the n-th lock of the build the host refuses
    QTest::addColumn<bool>("built");
    // The build locks the image once, for its size and its pixels; a build
    // that read the size under a lock of its own could take 0 x 0 from a
    // refused one and then walk the true pixels into a one-byte buffer.
    QTest::newRow("the first") << 0 << false;
    QTest::newRow("the second") << 1 << true;
    QTest::newRow("the third") << 2 << true;
}

void TestCoarseAlign::refusedLockBuildsNothing()
{
    QFETCH(int, refused);
    QFETCH(bool, built);
    void* handle = m_host->makeHandle(StitchTestHost::packed24(16, 12, [](int x, int y) { return unsigned(x * 9 + y * 7); }));
    {
        CImage image(handle);
        m_host->failLockAt = m_host->lockCalls + refused;
        CAlignDataBuffer buffer;
        QCOMPARE(buffer.Build(&image), built);
        m_host->failLockAt = -1;
        QCOMPARE(buffer.m_lWidth, built ? 16 : 0);
        QCOMPARE(buffer.m_lHeight, built ? 12 : 0);
        QCOMPARE(m_host->unbalancedLocks(), 0);
        image.Detach();
    }
    CStitchOptions::MemFree(handle);
}

void TestCoarseAlign::gradientAndZeroMean()
{
    // 3 x 3, one channel lit: blue 90 at the centre, 0 elsewhere.
    void* handle = m_host->makeHandle(StitchTestHost::packed24(3, 3, [](int x, int y) { return x == 1 && y == 1 ? 90u : 0u; }));
    {
        CImage image(handle);
        CAlignDataBuffer buffer;
        QVERIFY(buffer.Build(&image));
        // Centre: 90 - 90 / 9 = 80; corner (0, 0): 0 - 90 / 4 = -22 (truncated).
        QCOMPARE(int(buffer.m_pCorrel[3 * 4]), 80);
        QCOMPARE(int(buffer.m_pCorrel[0]), -22);
        QCOMPARE(int(buffer.m_pCorrel[3 * 4 + 1]), 0);
        // Corner (0, 0), neighbours clamped: of its window only BR = (1, 1)
        // is lit, so gx = BR = 90 and gy = BR = 90; (90 + 90) >> 1 = 90.
        QCOMPARE(int(buffer.m_pGrad[0]), 90);
        QCOMPARE(int(buffer.m_pGrad[4]), 0); // the centre sees a symmetric field
        image.Detach();
    }
    CStitchOptions::MemFree(handle);
}

void TestCoarseAlign::flatImages()
{
    void* a = m_host->makeHandle(StitchTestHost::packed24(30, 20, [](int, int) { return 0x405060u; }));
    void* b = m_host->makeHandle(StitchTestHost::packed24(30, 20, [](int, int) { return 0x102030u; }));
    {
        // Both flat, so every score is 0.0: the first offset strictly inside
        // wins and nothing after it.
        CImage ia(a), ib(b);
        CCoarseAlign align(&ia, &ib);
        QVERIFY(align.IsValid());
        int dx = 99, dy = 99;
        double angle = 9, score = 9;
        QCOMPARE(align.Run(dx, dy, angle, tagRECT{0, -10, 27, 10}, score), 0);
        QCOMPARE(QPoint(dx, dy), QPoint(1, -9));
        QCOMPARE(angle, 0.0);
        QCOMPARE(score, 0.0);
        ia.Detach();
        ib.Detach();
    }
    CStitchOptions::MemFree(a);
    CStitchOptions::MemFree(b);
}

void TestCoarseAlign::halfTextured()
{
    void* a = render(Texture(60, 60, 4, 7), 0, 0, 40, 40);
    void* b = m_host->makeHandle(StitchTestHost::packed24(40, 40, [](int, int) { return 0x808080u; }));
    {
        CImage ia(a), ib(b);
        CCoarseAlign align(&ia, &ib);
        int strong = -1;
        QCOMPARE(align.GetImageCorrel(align.m_pBufferA, align.m_pBufferB, 3, 2, strong), -1.0);
        QCOMPARE(strong, 0);
        ia.Detach();
        ib.Detach();
    }
    CStitchOptions::MemFree(a);
    CStitchOptions::MemFree(b);
}

void TestCoarseAlign::identicalImages()
{
    // A checkerboard of 2 x 2 squares, 200 and 20: every pixel is the corner
    // of its square, so its 3 x 3 window holds five of its own value and four
    // of the other: it lies 4 x 180 / 9 = 80 off the mean in every channel,
    // and its gradient is far above the gate.
    void* a = m_host->makeHandle(StitchTestHost::packed24(40, 40, [](int x, int y) {
        return (((x >> 1) + (y >> 1)) & 1) ? 0x141414u : 0xC8C8C8u;
    }));
    {
        CImage ia(a);
        CCoarseAlign align(&ia, &ia);
        // Every gated pixel has a non-zero zero-mean value in each channel,
        // so each scores 3 x 256 = 768.
        const CAlignDataBuffer* buffer = align.m_pBufferA;
        int gated = 0;
        for (int y = 1; y < 39; ++y)
            for (int x = 1; x < 39; ++x) {
                const int at = y * 40 + x;
                if (buffer->m_pGrad[at] <= 26)
                    continue;
                ++gated;
                for (int c = 0; c < 3; ++c)
                    QVERIFY(buffer->m_pCorrel[3 * at + c] != 0);
            }
        QCOMPARE(gated, 38 * 38);
        int strong = 0;
        QCOMPARE(align.GetImageCorrel(align.m_pBufferA, align.m_pBufferB, 0, 0, strong), 3.0);
        QCOMPARE(strong, gated);
        ia.Detach();
    }
    CStitchOptions::MemFree(a);
}

void TestCoarseAlign::findsTheShift_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QPoint>("shift");
    QTest::newRow("right, 60 across, 3 down") << true << QPoint(60, 3);
    QTest::newRow("right, 45 across, 6 up") << true << QPoint(45, -6);
    QTest::newRow("lower, 50 down, 4 left") << false << QPoint(-4, 50);
}

void TestCoarseAlign::findsTheShift()
{
    QFETCH(bool, horizontal);
    QFETCH(QPoint, shift);
    const Texture texture(300, 300, 5, 2024);
    // B's origin lies at the shift in A.
    void* a = render(texture, 20, 20, 90, 70);
    void* b = render(texture, 20 + shift.x(), 20 + shift.y(), 90, 70);
    {
        CImage ia(a), ib(b);
        CStitchElement element;
        bool shifted = false;
        CStitchAlign driver(nullptr);
        QCOMPARE(driver.CoarseAlign(&ia, &ib, horizontal, &element, shifted), 0);
        const PointTwinList& twins = horizontal ? element.m_RightTwins : element.m_LowerTwins;
        QCOMPARE(twins.m_lCount, 1);
        QCOMPARE(QPoint(twins.m_Twins[0][0].x, twins.m_Twins[0][0].y), shift);
        QCOMPARE(QPoint(twins.m_Twins[0][1].x, twins.m_Twins[0][1].y), QPoint(0, 0));
        QCOMPARE(horizontal ? element.m_dRightAngle : element.m_dLowerAngle, 0.0);
        QVERIFY((horizontal ? element.m_dRightScore : element.m_dLowerScore) > 1.0);
        QVERIFY(!shifted);
        ia.Detach();
        ib.Detach();
    }
    CStitchOptions::MemFree(a);
    CStitchOptions::MemFree(b);
}

void TestCoarseAlign::findsTheTurn_data()
{
    QTest::addColumn<int>("degrees");
    QTest::addColumn<QPoint>("shift");
    QTest::addColumn<bool>("horizontal");
    // Offsets 0 and 1 across are where truncating the turned copy's column
    // jumped from the copy's pixel left of the true one to the one right.
    QTest::newRow("3 degrees, right, 40 across, 2 down") << 3 << QPoint(40, 2) << true;
    QTest::newRow("-3 degrees, right, 37 across, 3 up") << -3 << QPoint(37, -3) << true;
    QTest::newRow("5 degrees, lower, 1 right, 45 down") << 5 << QPoint(1, 45) << false;
    QTest::newRow("-4 degrees, lower, 0 across, 42 down") << -4 << QPoint(0, 42) << false;
    QTest::newRow("4 degrees, lower, 2 left, 44 down") << 4 << QPoint(-2, 44) << false;
    QTest::newRow("-2 degrees, right, 37 across, 3 up") << -2 << QPoint(37, -3) << true;
    QTest::newRow("2 degrees, lower, 2 left, 44 down") << 2 << QPoint(-2, 44) << false;
}

void TestCoarseAlign::findsTheTurn()
{
    QFETCH(int, degrees);
    QFETCH(QPoint, shift);
    QFETCH(bool, horizontal);
    // B is the texture turned about its own centre: B's pixel q shows the
    // texture at B's origin + c + R(turn)(q - c), so A's pixel x = shift +
    // c + R(turn)(q - c). The result's model is x = d + c + R(-t)(q - c):
    // the search must find the copy turned the other way, t = -turn.
    const Texture texture(300, 300, 6, 99);
    const double turn = degrees * M_PI / 180;
    void* a = render(texture, 20, 20, 90, 70);
    void* b = render(texture, 20 + shift.x(), 20 + shift.y(), 90, 70, turn);
    {
        CImage ia(a), ib(b);
        CCoarseAlign align(&ia, &ib);
        // That copy scores A's pixels against the copy's pixels at their own
        // turned places only at the true shift, so it scores best there of
        // all nine offsets around it (a copy whose frame is not on A's pixel
        // grid pairs them with pixels up to one beside, and peaks at a
        // neighbour).
        const int copy = 2 * (std::abs(degrees) - 1) + (-degrees < 0 ? 1 : 0);
        QCOMPARE(qRound(align.m_ppRotate[copy]->m_dAngle * 180 / M_PI), -degrees);
        QPoint peak;
        double peakScore = -1024.0;
        for (int v = -1; v <= 1; ++v)
            for (int u = -1; u <= 1; ++u) {
                int strong = 0;
                const double s = align.GetImageCorrel(align.m_pBufferA, align.m_ppRotate[copy], shift.x() + u,
                                                      shift.y() + v, strong);
                if (s > peakScore) {
                    peakScore = s;
                    peak = shift + QPoint(u, v);
                }
            }
        QCOMPARE(peak, shift);

        // The whole search: the shift within a pixel (the support rule may
        // prefer a neighbouring offset with more strong pixels) and, from 3
        // degrees, that turn (the bilinear copy is smoother than B, so a
        // turn of 2 degrees over 90 x 70 pixels may lose to the untilted
        // image).
        int dx = 0, dy = 0;
        double angle = 0, score = 0;
        const tagRECT range = horizontal ? tagRECT{0, -10, 82, 10} : tagRECT{-10, 0, 10, 62};
        QCOMPARE(align.Run(dx, dy, angle, range, score), 0);
        QVERIFY2(std::abs(dx - shift.x()) <= 1 && std::abs(dy - shift.y()) <= 1,
                 qPrintable(QStringLiteral("%1, %2").arg(dx).arg(dy)));
        if (std::abs(degrees) >= 3)
            QVERIFY2(std::fabs(angle + turn) < 1e-9, qPrintable(QString::number(angle * 180 / M_PI)));
        ia.Detach();
        ib.Detach();
    }
    CStitchOptions::MemFree(a);
    CStitchOptions::MemFree(b);
}

void TestCoarseAlign::edgeBitsAgreeWithBytes()
{
    // The edge masks as bits and the plain walk over gradient bytes give the
    // same score and strong count at every offset, on rows of 150 pixels
    // (runs of 64 that start anywhere in a word) with part of B turned out of
    // the frame; the bits are then taken away to force the byte walk.
    const Texture texture(400, 300, 5, 17);
    void* a = render(texture, 20, 20, 150, 40);
    void* b = render(texture, 20 + 70, 20 + 3, 150, 40, 4 * M_PI / 180);
    {
        CImage ia(a), ib(b);
        CCoarseAlign align(&ia, &ib);
        QVERIFY(align.IsValid());
        QVERIFY(!align.m_pBufferA->m_EdgeBits.Empty());
        struct Score
        {
            double score;
            int strong;
        };
        auto scores = [&]() {
            QList<Score> out;
            for (int dy = -6; dy <= 6; dy += 3)
                for (int dx = -20; dx <= 150; dx += 7) {
                    int strong = -1;
                    out.append({align.GetImageCorrel(align.m_pBufferA, align.m_pBufferB, dx, dy, strong), strong});
                    for (int i = 0; i < CCoarseAlign::kRotations; i += 3) {
                        strong = -1;
                        out.append({align.GetImageCorrel(align.m_pBufferA, align.m_ppRotate[i], dx, dy, strong), strong});
                    }
                }
            return out;
        };
        const QList<Score> fromBits = scores();
        align.m_pBufferA->m_EdgeBits = EdgeBits();
        align.m_pBufferB->m_EdgeBits = EdgeBits();
        for (int i = 0; i < CCoarseAlign::kRotations; ++i)
            align.m_ppRotate[i]->m_EdgeBits = EdgeBits();
        const QList<Score> fromBytes = scores();
        QCOMPARE(fromBits.size(), fromBytes.size());
        int textured = 0;
        for (int i = 0; i < fromBits.size(); ++i) {
            QCOMPARE(fromBits[i].score, fromBytes[i].score);
            QCOMPARE(fromBits[i].strong, fromBytes[i].strong);
            textured += fromBits[i].strong > 0;
        }
        // Not all empty overlaps: most offsets have matching edges.
        QVERIFY(textured > fromBits.size() / 2);
        ia.Detach();
        ib.Detach();
    }
    CStitchOptions::MemFree(a);
    CStitchOptions::MemFree(b);
}

void TestCoarseAlign::oneColumnRange()
{
    // No offset is strictly inside: the caller's values stay unless the
    // turned copies take one (they may, at the left edge).
    void* a = m_host->makeHandle(StitchTestHost::packed24(20, 20, [](int, int) { return 0x405060u; }));
    {
        CImage ia(a);
        CCoarseAlign align(&ia, &ia);
        int dx = 77, dy = 66;
        double angle = 5, score = 0;
        QCOMPARE(align.Run(dx, dy, angle, tagRECT{3, 0, 3, 4}, score), 0);
        QCOMPARE(QPoint(dx, dy), QPoint(77, 66));
        QCOMPARE(angle, 0.0);
        QCOMPARE(score, -1024.0);
        ia.Detach();
    }
    CStitchOptions::MemFree(a);
}

void TestCoarseAlign::shiftFlagAtFourteenPixels()
{
    // A horizontal overlap of w - dx pixels: 14 leaves the flag, 13 sets it.
    const Texture texture(300, 300, 3, 5);
    for (int overlap : {14, 13}) {
        void* a = render(texture, 10, 10, 80, 60);
        void* b = render(texture, 10 + 80 - overlap, 10, 80, 60);
        {
            CImage ia(a), ib(b);
            CStitchElement element;
            bool shifted = false;
            QCOMPARE(CStitchAlign(nullptr).CoarseAlign(&ia, &ib, true, &element, shifted), 0);
            QCOMPARE(element.m_RightTwins.m_Twins[0][0].x, 80 - overlap);
            QCOMPARE(shifted, overlap == 13);
            ia.Detach();
            ib.Detach();
        }
        CStitchOptions::MemFree(a);
        CStitchOptions::MemFree(b);
    }
}

void TestCoarseAlign::repairsTileShifts()
{
    tagStitchCallbacks table = m_host->callbacks();
    CStitchOptions* job = PSCreateStitch(StitchStyleTile, StitchOutputOriginal, StitchMethodCalibrated, &table);
    QVERIFY(job);
    job->m_Matrix.m_pElements = new CStitchElement[9];
    job->m_Matrix.m_lCols = job->m_Matrix.m_lRows = 3;
    job->m_Matrix.m_lCount = 9;
    auto e = [job](int c, int r) -> CStitchElement& { return job->m_Matrix.m_pElements[r * 3 + c]; };
    auto set = [](PointTwinList& twins, int x, int y) {
        twins.m_lCount = 1;
        twins.m_Twins[0][0] = tagPOINT{x, y};
    };
    // A true grid: right neighbours at (100, 0), lower ones at (0, 80).
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            set(e(c, r).m_RightTwins, 100, 0);
            set(e(c, r).m_LowerTwins, 0, 80);
            e(c, r).m_dRightScore = e(c, r).m_dLowerScore = 2.0;
        }
    // Cell (1, 1): E's lower offset is wrong and weak. Path A = E right + R
    // lower = (100, 80) scores 2 + 2 = 4 > E lower 0.5 + D right 2 = 2.5, so
    // path A is trusted; D's right (2) beats E's lower (0.5): E's lower
    // becomes A - D's right = (0, 80).
    set(e(0, 0).m_LowerTwins, 30, 60);
    e(0, 0).m_dLowerScore = 0.5;
    // Cell (2, 2): R's lower (2, 1) is wrong and weaker than E's right:
    // path B = E lower + D right = (100, 80) wins (2 + 2 > 2 + 1.5), and R's
    // lower becomes B - E's right = (0, 80).
    set(e(2, 1).m_LowerTwins, -20, 95);
    e(2, 1).m_dLowerScore = 1.5;
    // Cell (1, 2): D's right is off by (4, -4), within 5: left alone.
    set(e(0, 2).m_RightTwins, 104, -4);

    CStitchAlign(job).ModifyShiftsForTile();
    auto at = [](const PointTwinList& twins) { return QPoint(twins.m_Twins[0][0].x, twins.m_Twins[0][0].y); };
    QCOMPARE(at(e(0, 0).m_LowerTwins), QPoint(0, 80));
    QCOMPARE(at(e(2, 1).m_LowerTwins), QPoint(0, 80));
    QCOMPARE(at(e(0, 2).m_RightTwins), QPoint(104, -4));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            if (!(c == 0 && r == 2))
                QCOMPARE(at(e(c, r).m_RightTwins), QPoint(100, 0));
            QCOMPARE(at(e(c, r).m_LowerTwins), QPoint(0, 80));
        }
    PSReleaseStitch(job);
}

void TestCoarseAlign::mergeAtOffset()
{
    void* a = m_host->makeHandle(StitchTestHost::packed24(2, 1, [](int, int) { return 0x000064u; }));
    void* b = m_host->makeHandle(StitchTestHost::packed24(2, 1, [](int, int) { return 0x0000C8u; }));
    {
        CImage ia(a), ib(b);
        // B one pixel right and one row on: 3 x 2, average where both lie.
        CImage* merged = CCoarseAlign::MergeAlignImage(&ia, &ib, 1, 1);
        QVERIFY(merged);
        QCOMPARE(merged->Width(), 3);
        QCOMPARE(merged->Height(), 2);
        QCOMPARE(merged->Lock(), 0);
        const unsigned char* row0 = merged->Bits();
        const unsigned char* row1 = row0 + merged->Stride();
        QCOMPARE(QList<int>({row0[0], row0[3], row0[6]}), QList<int>({100, 100, 255}));
        QCOMPARE(QList<int>({row1[0], row1[3], row1[6]}), QList<int>({255, 200, 200}));
        merged->Unlock();
        delete merged;
        CImage* overlap = CCoarseAlign::MergeAlignImage(&ia, &ib, 1, 0);
        QCOMPARE(overlap->Lock(), 0);
        QCOMPARE(int(overlap->Bits()[3]), 150); // (100 + 200) >> 1
        overlap->Unlock();
        delete overlap;
        ia.Detach();
        ib.Detach();
    }
    CStitchOptions::MemFree(a);
    CStitchOptions::MemFree(b);
}

QTEST_GUILESS_MAIN(TestCoarseAlign)
#include "tst_coarsealign.moc"
