#include "StitchTestHost.h"
#include "stitch/image/CImage.h"
#include "stitch/image/CMask.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/render/CStitchBlend.h"

#include <QtTest>

#include <cstring>
#include <memory>
#include <type_traits>

// A mask drawn as text: string i is stored row i, '#' a set bit.
using Picture = QStringList;

namespace {

std::unique_ptr<CMask> maskOf(const Picture& picture)
{
    auto mask = std::make_unique<CMask>(unsigned(picture.first().size()), unsigned(picture.size()));
    mask->Clear();
    for (int y = 0; y < picture.size(); ++y)
        for (int x = 0; x < picture[y].size(); ++x)
            mask->SetPixel(unsigned(y), unsigned(x), picture[y][x] == QLatin1Char('#'));
    return mask;
}

Picture rows(std::initializer_list<const char*> lines)
{
    Picture p;
    for (const char* line : lines)
        p << QString::fromLatin1(line);
    return p;
}

// A 24-bit image whose pixel (x, y) (stored rows) is B = 10x + y, G = y, R = 7.
void fillPattern(CImage& img, int w, int h)
{
    QCOMPARE(img.Create(w, h, 24), 0);
    QCOMPARE(img.Lock(), 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            unsigned char* p = img.Bits() + y * img.Stride() + 3 * x;
            p[0] = static_cast<unsigned char>(10 * x + y);
            p[1] = static_cast<unsigned char>(y);
            p[2] = 7;
        }
    img.Unlock();
}

// Pixels as 0xRRGGBB, stored row by row.
QList<unsigned> pixels(CImage& img)
{
    QList<unsigned> out;
    if (img.Lock() != 0)
        return out;
    for (int y = 0; y < img.Height(); ++y)
        for (int x = 0; x < img.Width(); ++x) {
            const unsigned char* p = img.Bits() + y * img.Stride() + 3 * x;
            out << (unsigned(p[2]) << 16 | unsigned(p[1]) << 8 | p[0]);
        }
    img.Unlock();
    return out;
}

unsigned pattern(int x, int y) { return 7u << 16 | unsigned(y) << 8 | unsigned(10 * x + y); }

} // namespace

class TestCrop : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_host = std::make_unique<StitchTestHost>(); }
    void cleanup() { m_host.reset(); }

    void cropRect_data();
    void cropRect();
    void cropRectWithoutMask();
    void cropImage_data();
    void cropImage();
    void cropImageFailureKeepsBitmap();
    void cropImageRefusedAttachKeepsBitmap();
    void cropRun();
    void drawCropRect_data();
    void drawCropRect();

private:
    std::unique_ptr<StitchTestHost> m_host;
};

void TestCrop::cropRect_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<Picture>("mask");
    QTest::addColumn<QRect>("expected"); // left, top, right (exclusive), bottom (exclusive) as x, y, w, h

    // 10 x 10, W/5 = H/5 = 2, 4W/5 = 4H/5 = 8 throughout.
    const Picture full = rows({"##########", "##########", "##########", "##########", "##########",
                               "##########", "##########", "##########", "##########", "##########"});
    // Every threshold 10 x 99 / 100 = 9; row 0 and column 0 qualify at once,
    // row 9 and column 9 give bottom = right = 10.
    QTest::newRow("full, style 0") << 0 << full << QRect(0, 0, 10, 10);
    QTest::newRow("full, style 1") << 1 << full << QRect(0, 0, 10, 10);
    QTest::newRow("full, style 2") << 2 << full << QRect(0, 0, 10, 10);
    QTest::newRow("full, style 3") << 3 << full << QRect(0, 0, 10, 10);
    QTest::newRow("style 4") << 4 << full << QRect();

    // Top threshold: row 2 covers 9 -> 891 / 100 = 8; rows 0 (0) and 1 (4)
    // fall short, so top = H/5 = 2. Bottom threshold: row 8 covers 9 -> 8;
    // row 9 covers 2 -> bottom = 4H/5 + 1 = 9. Columns over rows 2..8:
    // column 0 misses row 2, column 1 is full -> left = 1; column 9 misses
    // row 8 -> right = 4W/5 + 1 = 9. Row 1 over [1, 9) has holes at 1, 2
    // and row 9 too: no widening.
    const Picture ragged = rows({"..........", "...####...", ".#########", "##########", "##########",
                                 "##########", "##########", "##########", "#########.", "....##...."});
    QTest::newRow("ragged, style 0") << 0 << ragged << QRect(QPoint(1, 2), QPoint(8, 8));
    QTest::newRow("ragged, style 3") << 3 << ragged << QRect(QPoint(1, 2), QPoint(8, 8));

    // Row 0 covers 5 + 4 = 9 bits in two runs: it would reach the threshold
    // (9) if the runs added up, but a second run disqualifies it; row 1 is
    // the first, top = 1. Bottom 10, left 0, right 10; row 0 is not full.
    const Picture twoRuns = rows({"#####.####", "##########", "##########", "##########", "##########",
                                  "##########", "##########", "##########", "##########", "##########"});
    QTest::newRow("two-run row") << 0 << twoRuns << QRect(QPoint(0, 1), QPoint(9, 9));

    // Rows 0, 1 cover 8 < 9 (threshold of full row 2): top = 2. Bottom
    // threshold: row 8 covers 8 -> 7, row 9 covers 8 -> bottom = 10.
    // Columns over rows 2..9: 0 and 9 miss rows 8, 9 -> left 1, right 9.
    // Rows 1 and 0 are full over [1, 9): the widening takes them up to the
    // panorama's edge, top = 0.
    const Picture widenToEdge = rows({".########.", ".########.", "##########", "##########", "##########",
                                      "##########", "##########", "##########", ".########.", ".########."});
    QTest::newRow("widening to the edge") << 0 << widenToEdge << QRect(QPoint(1, 0), QPoint(8, 9));
    // The same with row 0 empty: the widening stops at row 1.
    Picture widenStops = widenToEdge;
    widenStops[0] = QStringLiteral("..........");
    QTest::newRow("widening stops") << 0 << widenStops << QRect(QPoint(1, 1), QPoint(8, 9));

    // Style 2: threshold W = 10. Row 0 covers 9, row 1 is full: top = 1.
    // Row 9 covers 9: bottom = 4H/5 + 1 = 9. Full width although column 5
    // has a hole in rows 2..7; rows 0 and 9 are not full: no widening.
    const Picture ring = rows({"#########.", "##########", "#####.####", "#####.####", "#####.####",
                               "#####.####", "#####.####", "#####.####", "##########", ".#########"});
    QTest::newRow("360 keeps its width") << 2 << ring << QRect(QPoint(0, 1), QPoint(9, 8));

    // Style 1, columns first. Column 2 covers 10 -> threshold 9; columns 0
    // (0) and 1 (4) fall short: left = 2. Column 8 covers 10 -> 9; column 9
    // covers 9 (rows 0..8): right = 10. Rows over [2, 10): row 0 is full ->
    // top 0; row 9 misses column 9 -> bottom = 4H/5 + 1 = 9. Column 1 over
    // rows 0..8 misses row 0: left stays 2.
    Picture column(10, QStringLiteral(".........."));
    for (int y = 0; y < 10; ++y)
        for (int x = 1; x < 10; ++x)
            if ((x == 1 && y >= 3 && y <= 6) || (x >= 2 && x <= 8) || (x == 9 && y <= 8))
                column[y][x] = QLatin1Char('#');
    QTest::newRow("column") << 1 << column << QRect(QPoint(2, 0), QPoint(9, 8));

    // Style 1, widening towards the edges. Columns 0, 1, 9 hold rows 1..8
    // (8 < 9): left = 2, right = 4W/5 + 1 = 9. Columns 2..8 are full but
    // column 5 misses rows 0 and 9 (one run, 8). Rows over [2, 9): row 0
    // and row 9 miss column 5 -> top = 1 (row 1 full), bottom = 9. Over rows
    // 1..8 columns 1 and 0 are full: the widening reaches the left edge, so
    // left stays 2; column 9 likewise reaches the right edge, right stays 9.
    Picture columnEdges(10, QStringLiteral(".........."));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool outer = x <= 1 || x == 9;
            const bool set = outer ? (y >= 1 && y <= 8) : !(x == 5 && (y == 0 || y == 9));
            if (set)
                columnEdges[y][x] = QLatin1Char('#');
        }
    QTest::newRow("column, widening to the edges") << 1 << columnEdges << QRect(QPoint(2, 1), QPoint(8, 8));
    // Column 0 emptied: left threshold is still 9 -> left 2; the widening
    // takes column 1 and stops at column 0: left = 1.
    Picture columnStops = columnEdges;
    for (QString& line : columnStops)
        line[0] = QLatin1Char('.');
    QTest::newRow("column, widening stops") << 1 << columnStops << QRect(QPoint(1, 1), QPoint(8, 8));

    // H = 3 < 5: top 0; H - 1 = 2 <= 4H/5 = 2: bottom = 3. W = 10: column 0
    // misses row 0, column 1 is full over rows 0..2 -> left 1; column 9
    // misses row 2 -> right = 9.
    const Picture flat = rows({".#########", "##########", "########.."});
    QTest::newRow("three rows") << 0 << flat << QRect(QPoint(1, 0), QPoint(8, 2));
    // W = H = 3: every search gives the whole mask (0, 0, 3, 3) whatever
    // the bits; the widening has nothing left to take.
    const Picture tiny = rows({"#.#", "...", "#.#"});
    QTest::newRow("3 x 3, style 0") << 0 << tiny << QRect(0, 0, 3, 3);
    QTest::newRow("3 x 3, style 1") << 1 << tiny << QRect(0, 0, 3, 3);
}

void TestCrop::cropRect()
{
    QFETCH(int, style);
    QFETCH(Picture, mask);
    QFETCH(QRect, expected);
    CStitchOptions job;
    // Copied in: a style beyond the enumeration's values cannot be cast.
    std::underlying_type_t<tagStitchStyle> raw = style;
    std::memcpy(&job.m_Matrix.m_Style, &raw, sizeof raw);
    CStitchBlend blend(&job, 0);
    auto bits = maskOf(mask);
    const tagRECT rc = blend.CropPictureRect(bits.get());
    const QRect got = (rc.right <= rc.left || rc.bottom <= rc.top)
                          ? QRect()
                          : QRect(QPoint(rc.left, rc.top), QPoint(rc.right - 1, rc.bottom - 1));
    QCOMPARE(got, expected);
}

void TestCrop::cropRectWithoutMask()
{
    CStitchOptions job;
    CStitchBlend blend(&job, 0);
    const tagRECT none = blend.CropPictureRect(nullptr);
    QVERIFY(IsRectEmpty(&none));
    CMask empty;
    const tagRECT noBits = blend.CropPictureRect(&empty);
    QVERIFY(IsRectEmpty(&noBits));
}

void TestCrop::cropImage_data()
{
    QTest::addColumn<QRect>("rect"); // as left, top, right, bottom (exclusive)
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QList<unsigned>>("expected");
    const unsigned fill = 0x123456; // the job's 0x00BBGGRR 0x563412
    // Rows 1..2, columns 1..2 of the 4 x 3 pattern.
    QTest::newRow("inside") << QRect(1, 1, 3, 3) << 2 << 2
                            << QList<unsigned>{pattern(1, 1), pattern(2, 1), pattern(1, 2), pattern(2, 2)};
    QTest::newRow("whole") << QRect(0, 0, 4, 3) << 4 << 3
                           << QList<unsigned>{pattern(0, 0), pattern(1, 0), pattern(2, 0), pattern(3, 0),
                                              pattern(0, 1), pattern(1, 1), pattern(2, 1), pattern(3, 1),
                                              pattern(0, 2), pattern(1, 2), pattern(2, 2), pattern(3, 2)};
    // Columns 4, 5 and row 3 lie off the bitmap: fill colour.
    QTest::newRow("past the corner") << QRect(2, 2, 6, 4) << 4 << 2
                                     << QList<unsigned>{pattern(2, 2), pattern(3, 2), fill, fill,
                                                        fill, fill, fill, fill};
    QTest::newRow("before the corner") << QRect(-1, -1, 1, 1) << 2 << 2
                                       << QList<unsigned>{fill, fill, fill, pattern(0, 0)};
}

void TestCrop::cropImage()
{
    QFETCH(QRect, rect);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QList<unsigned>, expected);
    CStitchOptions job;
    job.m_lFillColour = 0x563412;
    CStitchBlend blend(&job, 0);
    {
        CImage img;
        fillPattern(img, 4, 3);
        void* old = img.Handle();
        const tagRECT rc{rect.x(), rect.y(), rect.width(), rect.height()};
        QCOMPARE(blend.CropPictureImage(&img, rc), 0);
        QVERIFY(img.Handle() != old);
        QCOMPARE(img.Width(), width);
        QCOMPARE(img.Height(), height);
        QCOMPARE(pixels(img), expected);
        // The old bitmap is gone; only the cut one lives.
        QCOMPARE(m_host->liveHandles(), 1);
        CStitchOptions::MemFree(img.Detach());
    }
    QVERIFY2(m_host->clean(), qPrintable(m_host->report()));
}

void TestCrop::cropImageFailureKeepsBitmap()
{
    CStitchOptions job;
    CStitchBlend blend(&job, 0);
    CImage img;
    fillPattern(img, 4, 3);
    const QList<unsigned> before = pixels(img);
    void* old = img.Handle();
    m_host->failAllocation = m_host->allocations;
    QCOMPARE(blend.CropPictureImage(&img, tagRECT{1, 1, 3, 3}), -2);
    QCOMPARE(img.Handle(), old);
    QCOMPARE(pixels(img), before);
    // An empty rectangle and an 8-bit image are refused before anything is made.
    QCOMPARE(blend.CropPictureImage(&img, tagRECT{2, 2, 2, 3}), -2);
    CImage grey;
    QCOMPARE(grey.Create(4, 3, 8), 0);
    QCOMPARE(blend.CropPictureImage(&grey, tagRECT{0, 0, 2, 2}), -3);
    QCOMPARE(blend.CropPictureImage(nullptr, tagRECT{0, 0, 2, 2}), -3);
    QCOMPARE(m_host->liveHandles(), 2);
}

// The attach of the cut is the last MemLock of a crop: count a good run's
// locks, then let that one fail.
void TestCrop::cropImageRefusedAttachKeepsBitmap()
{
    CStitchOptions job;
    CStitchBlend blend(&job, 0);
    int locksOfOneCrop = 0;
    {
        CImage probe;
        fillPattern(probe, 4, 3);
        const int start = m_host->lockCalls;
        QCOMPARE(blend.CropPictureImage(&probe, tagRECT{1, 1, 3, 3}), 0);
        locksOfOneCrop = m_host->lockCalls - start;
        CStitchOptions::MemFree(probe.Detach());
    }
    QVERIFY(locksOfOneCrop > 0);

    // Held attached, as the job's result slot is held.
    CImage source;
    fillPattern(source, 4, 3);
    void* slot = source.Detach();
    CImage img;
    QCOMPARE(img.Attach(slot), 0);
    const QList<unsigned> before = pixels(img);
    const int live = m_host->liveHandles();
    m_host->failLockAt = m_host->lockCalls + locksOfOneCrop - 1;
    QCOMPARE(blend.CropPictureImage(&img, tagRECT{1, 1, 3, 3}), -3);
    m_host->failLockAt = -1;
    QCOMPARE(img.Handle(), slot);
    QCOMPARE(pixels(img), before);
    QCOMPARE(m_host->liveHandles(), live); // the cut was freed, the slot kept
    img.Detach();
    CStitchOptions::MemFree(slot);
    QVERIFY2(m_host->clean(), qPrintable(m_host->report()));
}

void TestCrop::cropRun()
{
    {
        CStitchOptions job;
        CStitchBlend blend(&job, 0);
        QCOMPARE(blend.CropPictureRun(), -3); // no result yet
        CImage result;
        fillPattern(result, 4, 3);
        job.m_hResultDib = result.Detach();
        void* old = job.m_hResultDib;
        job.m_CropRect = tagRECT{1, 0, 4, 2};
        QCOMPARE(blend.CropPictureRun(), 0);
        QVERIFY(job.m_hResultDib != old);
        CImage cut(job.m_hResultDib);
        QCOMPARE(cut.Width(), 3);
        QCOMPARE(cut.Height(), 2);
        QCOMPARE(pixels(cut), (QList<unsigned>{pattern(1, 0), pattern(2, 0), pattern(3, 0), pattern(1, 1),
                                               pattern(2, 1), pattern(3, 1)}));
        QCOMPARE(m_host->liveHandles(), 1); // the old result was freed

        // A failing cut leaves the slot as it was.
        m_host->failAllocation = m_host->allocations;
        void* kept = job.m_hResultDib;
        job.m_CropRect = tagRECT{0, 0, 2, 2};
        QCOMPARE(blend.CropPictureRun(), -2);
        QCOMPARE(job.m_hResultDib, kept);
        QCOMPARE(pixels(cut).size(), 6);
    } // the job frees its result
    QVERIFY2(m_host->clean(), qPrintable(m_host->report()));
}

void TestCrop::drawCropRect_data()
{
    QTest::addColumn<QRect>("rect"); // as left, top, right, bottom (exclusive)
    QTest::addColumn<QList<QPoint>>("green");
    // Rows 1 and 4 from x 1 to 4, columns 1 and 4 from y 1 to 4: 12 pixels.
    QList<QPoint> frame;
    for (int i = 1; i <= 4; ++i)
        frame << QPoint(i, 1) << QPoint(i, 4) << QPoint(1, i) << QPoint(4, i);
    QTest::newRow("inside") << QRect(1, 1, 5, 5) << frame;
    // Right and bottom edges (9) lie off the 6 x 6 image and are skipped:
    // row 3 from x 3 to 5 and column 3 from y 3 to 5.
    QTest::newRow("partly off") << QRect(3, 3, 10, 10)
                                << QList<QPoint>{{3, 3}, {4, 3}, {5, 3}, {3, 4}, {3, 5}};
    // One pixel wide: a single column from y 2 to 3.
    QTest::newRow("one column") << QRect(2, 2, 3, 4) << QList<QPoint>{{2, 2}, {2, 3}};
    QTest::newRow("empty") << QRect(2, 2, 2, 4) << QList<QPoint>{};
    QTest::newRow("far off") << QRect(-100000, -100000, -99990, -99990) << QList<QPoint>{};
}

void TestCrop::drawCropRect()
{
    QFETCH(QRect, rect);
    QFETCH(QList<QPoint>, green);
    CStitchOptions job;
    CStitchBlend blend(&job, 0);
    CImage img;
    QCOMPARE(img.Create(6, 6, 24), 0);
    QCOMPARE(img.Lock(), 0);
    img.Clear(0x808080u);
    img.Unlock();
    blend.DrawCropRect(&img, tagRECT{rect.x(), rect.y(), rect.width(), rect.height()});
    const QList<unsigned> got = pixels(img);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            QCOMPARE(got[y * 6 + x], green.contains(QPoint(x, y)) ? 0x00FF00u : 0x808080u);
}

QTEST_GUILESS_MAIN(TestCrop)
#include "tst_crop.moc"
