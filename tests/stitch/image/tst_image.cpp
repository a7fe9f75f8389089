#include "BitmapBytes.h"
#include "StitchTestHost.h"
#include "support/TestSupport.h"

#include "stitch/image/CImage.h"
#include "stitch/job/CStitchOptions.h"

#include <QtTest>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 u32At(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

} // namespace

class TestImage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void createRefusesWhatMemAllocCannotCarry();
    void createFailureLeavesImageEmpty();
    void createFreesTheBitmapItOwns();
    void fileHeader_data();
    void fileHeader();
    void saveAndLoadKeepPixels();
    void eightBitLoadsAsGrey();
    void badFile_data();
    void badFile();
    void missingFileIsAnIoError();
    void saveFailureKeepsTheOldFile();
    void attachRefusesBadHeaders_data();
    void attachRefusesBadHeaders();
    void attachRewritesImageSize();
    void jpegComesThroughTheHost();
    void unlockForgetsAddressWhenHostSaysSo();
    void lockFailure();
    void clearColour();
    void resampleByHand();
    void resampleToSameSizeIsIdentity();
    void planesFlipTopDown();
    void separateAndCombineRoundTrip();
    void convertFreesTheEightBitBlock();
    void comparisonsAndModify();
    void countColorEntries_data();
    void countColorEntries();

private:
    StitchTestHost* m_host = nullptr;
    QTemporaryDir m_dir;
};

void TestImage::init()
{
    m_host = new StitchTestHost;
}

void TestImage::cleanup()
{
    const bool clean = m_host->clean();
    const QString report = m_host->report();
    delete m_host;
    m_host = nullptr;
    if (!QTest::currentTestFailed())
        QVERIFY2(clean, qPrintable(report));
}

// stride = ((bits x width + 31) / 32) x 4; request = stride x height +
// 4 x palette entries + 40.
void TestImage::layout_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("stride");
    QTest::addColumn<int>("imageSize");
    QTest::addColumn<int>("request");
    QTest::addColumn<int>("pixelOffset");
    // (3 + 31) / 32 = 1 word; 4 x 2 + 8 + 40
    QTest::newRow("1 bit 3x2") << 3 << 2 << 1 << 4 << 8 << 56 << 48;
    // (33 + 31) / 32 = 2 words
    QTest::newRow("1 bit 33x1") << 33 << 1 << 1 << 8 << 8 << 56 << 48;
    // (40 + 31) / 32 = 2 words; 8 + 1024 + 40
    QTest::newRow("8 bit 5x1") << 5 << 1 << 8 << 8 << 8 << 1072 << 1064;
    // (24 + 31) / 32 = 1 word; 4 + 40
    QTest::newRow("24 bit 1x1") << 1 << 1 << 24 << 4 << 4 << 44 << 40;
    // (120 + 31) / 32 = 4 words; 16 x 3 + 40
    QTest::newRow("24 bit 5x3") << 5 << 3 << 24 << 16 << 48 << 88 << 40;
    // 96 / 32 = 3 words exactly; 12 x 2 + 40
    QTest::newRow("32 bit 3x2") << 3 << 2 << 32 << 12 << 24 << 64 << 40;
}

void TestImage::layout()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, bits);
    QFETCH(int, stride);
    QFETCH(int, imageSize);
    QFETCH(int, request);
    QFETCH(int, pixelOffset);

    CImage image;
    QCOMPARE(image.Create(width, height, std::uint16_t(bits)), 0);
    QCOMPARE(m_host->largestRequest, qint64(request));
    QCOMPARE(image.Stride(), stride);
    QCOMPARE(image.Lock(), 0);
    const tagBITMAPINFOHEADER* h = image.Header();
    QCOMPARE(int(h->biSize), 40);
    QCOMPARE(h->biWidth, width);
    QCOMPARE(h->biHeight, height);
    QCOMPARE(int(h->biPlanes), 1);
    QCOMPARE(int(h->biBitCount), bits);
    QCOMPARE(int(h->biSizeImage), imageSize);
    QCOMPARE(int(h->biClrUsed), bits == 1 ? 2 : bits == 8 ? 256 : 0);
    QCOMPARE(image.Bits() - reinterpret_cast<unsigned char*>(image.Header()), qptrdiff(pixelOffset));
    const auto* palette = reinterpret_cast<const unsigned char*>(h) + 40;
    if (bits == 8) // grey: entry i = (i, i, i, 0)
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(palette) + 4 * 200, 4), QByteArray("\xC8\xC8\xC8\x00", 4));
    if (bits == 1) // black, then white
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(palette), 8), QByteArray("\0\0\0\0\xFF\xFF\xFF\0", 8));
    for (int i = 0; i < imageSize; ++i)
        QCOMPARE(int(image.Bits()[i]), 0);
    image.Unlock();
}

void TestImage::createRefusesWhatMemAllocCannotCarry()
{
    // 100000 x 4 bytes = 400000 a row, x 100000 rows = 4e10 bytes: far past
    // a 32-bit request, so no truncated size may reach MemAlloc.
    CImage image;
    QCOMPARE(image.Create(100000, 100000, 32), int(CImage::ErrorMemory));
    QCOMPARE(m_host->allocations, 0);
    QVERIFY(image.IsEmpty());
    // 65536 x 65536 x 3 = 12 GiB, whose low 32 bits would be 0.
    QCOMPARE(image.Create(65536, 65536, 24), int(CImage::ErrorMemory));
    QCOMPARE(m_host->allocations, 0);
}

void TestImage::createFailureLeavesImageEmpty()
{
    m_host->failAllocation = 0;
    CImage image;
    QCOMPARE(image.Create(4, 4, 24), int(CImage::ErrorMemory));
    QVERIFY(image.IsEmpty());
    QCOMPARE(image.Width(), 0);
}

void TestImage::createFreesTheBitmapItOwns()
{
    CImage image(4, 4, 24);
    QCOMPARE(image.Create(2, 2, 8), 0);
    QCOMPARE(m_host->allocations, 2);
    QCOMPARE(m_host->frees, 1);
    QCOMPARE(m_host->liveHandles(), 1);
}

// File size = 54 + palette bytes + stride x height; pixel offset = 54 +
// palette bytes.
void TestImage::fileHeader_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("fileSize");
    QTest::addColumn<int>("pixelOffset");
    QTest::newRow("24 bit 2x2") << 2 << 2 << 24 << 54 + 8 * 2 << 54;      // stride (48 + 31) / 32 x 4 = 8
    QTest::newRow("32 bit 3x1") << 3 << 1 << 32 << 54 + 12 << 54;
    QTest::newRow("1 bit 3x2") << 3 << 2 << 1 << 54 + 8 + 4 * 2 << 62;     // 2 entries x 4
    QTest::newRow("8 bit 3x1") << 3 << 1 << 8 << 54 + 1024 + 4 << 1078;   // 256 entries x 4
}

void TestImage::fileHeader()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, bits);
    QFETCH(int, fileSize);
    QFETCH(int, pixelOffset);

    CImage image(width, height, std::uint16_t(bits));
    const QString path = m_dir.filePath(QStringLiteral("header.bmp"));
    QCOMPARE(image.Save(path), 0);
    const QByteArray bytes = readAll(path);
    QCOMPARE(bytes.size(), fileSize);
    QCOMPARE(bytes.at(0), 'M');
    QCOMPARE(bytes.at(1), 'B');
    QCOMPARE(int(u32At(bytes, 2)), fileSize);
    QCOMPARE(int(u32At(bytes, 6)), 0);
    QCOMPARE(int(u32At(bytes, 10)), pixelOffset);
    QCOMPARE(int(u32At(bytes, 14)), 40);
}

void TestImage::saveAndLoadKeepPixels()
{
    CImage image(3, 2, 24);
    QCOMPARE(image.Lock(), 0);
    for (int i = 0; i < 2 * image.Stride(); ++i)
        image.Bits()[i] = static_cast<unsigned char>(i * 7 + 1);
    image.Unlock();
    const QString path = m_dir.filePath(QStringLiteral("round.bmp"));
    QCOMPARE(image.Save(path), 0);

    CImage loaded;
    QCOMPARE(loaded.Load(path), 0);
    QCOMPARE(loaded.Name(), path);
    QCOMPARE(loaded.Width(), 3);
    QCOMPARE(loaded.Height(), 2);
    QCOMPARE(loaded.BitCount(), 24);
    QCOMPARE(loaded.Lock(), 0);
    QCOMPARE(int(loaded.Header()->biSizeImage), 2 * 12);
    for (int i = 0; i < 2 * loaded.Stride(); ++i)
        QCOMPARE(int(loaded.Bits()[i]), (i * 7 + 1) & 0xFF);
    loaded.Unlock();
}

void TestImage::eightBitLoadsAsGrey()
{
    CImage image(3, 2, 8);
    QCOMPARE(image.Lock(), 0);
    const unsigned char values[2][3] = {{0, 17, 255}, {128, 64, 3}};
    for (int y = 0; y < 2; ++y)
        std::memcpy(image.Bits() + y * image.Stride(), values[y], 3);
    image.Unlock();
    const QString path = m_dir.filePath(QStringLiteral("grey.bmp"));
    QCOMPARE(image.Save(path), 0);

    CImage loaded;
    QCOMPARE(loaded.Load(path), 0);
    QCOMPARE(loaded.BitCount(), 24);
    QCOMPARE(loaded.Stride(), 12); // (72 + 31) / 32 x 4
    QCOMPARE(loaded.Lock(), 0);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            for (int c = 0; c < 3; ++c)
                QCOMPARE(int(loaded.Bits()[y * 12 + 3 * x + c]), int(values[y][x]));
    loaded.Unlock();
    // The 8-bit block of the load was freed: only the 24-bit one lives
    // besides the original.
    QCOMPARE(m_host->liveHandles(), 2);
}

void TestImage::badFile_data()
{
    using namespace BitmapBytes;
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("refusedRequest"); // MemAlloc must never see this much

    const QByteArray good = file(header(4, 3, 24), 0);
    QByteArray swapped = good;
    std::swap(swapped[0], swapped[1]);
    QTest::newRow("B then M") << swapped << qint64(0);
    QTest::newRow("100000x100000 in a short file") << file(header(100000, 100000, 24), 0, QByteArray(64, 'x'))
                                                   << qint64(30000000000);
    QTest::newRow("bit count 4") << file(header(4, 3, 4), 64) << qint64(0);
    QTest::newRow("bit count 16") << file(header(4, 3, 16), 0) << qint64(0);
    QTest::newRow("truncated row") << good.left(good.size() - 1) << qint64(0);
    QTest::newRow("header only") << good.left(54) << qint64(0);
    QTest::newRow("file header only") << good.left(14) << qint64(0);
    QTest::newRow("zero bytes") << QByteArray() << qint64(0);
    tagBITMAPINFOHEADER h = header(4, 3, 24);
    h.biSize = 12;
    QTest::newRow("header size 12") << file(h, 0) << qint64(0);
    h = header(4, 3, 24);
    h.biPlanes = 2;
    QTest::newRow("two planes") << file(h, 0) << qint64(0);
    h = header(4, 3, 24);
    h.biCompression = 1;
    QTest::newRow("compressed") << file(h, 0) << qint64(0);
    QTest::newRow("top-down height") << file(header(4, -3, 24), 0, QByteArray(36, 'x')) << qint64(0);
    QTest::newRow("zero width") << file(header(0, 3, 24), 0, QByteArray()) << qint64(0);
    QTest::newRow("palette of 300 on 8 bits") << file(header(4, 3, 8, 300), 1200) << qint64(0);
    QTest::newRow("palette on 24 bits") << file(header(4, 3, 24, 2), 8) << qint64(0);
    // 65536 x 65536 x 3 bytes wraps to 0 in 32 bits.
    QTest::newRow("rows wrapping 32 bits") << file(header(65536, 65536, 24), 0, QByteArray(16, 'x'))
                                           << qint64(1);
}

void TestImage::badFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, refusedRequest);

    CImage image(2, 2, 24);
    void* before = image.Handle();
    m_host->largestRequest = 0;
    const QString path = m_dir.filePath(QStringLiteral("bad.bmp"));
    QVERIFY(TestSupport::writeFile(path, bytes));
    QCOMPARE(image.Load(path), int(CImage::ErrorBadFile));
    QCOMPARE(image.Handle(), before);
    QCOMPARE(image.Width(), 2);
    QCOMPARE(m_host->allocations, 1);
    if (refusedRequest > 0)
        QVERIFY(m_host->largestRequest < refusedRequest);
}

void TestImage::missingFileIsAnIoError()
{
    CImage image;
    QCOMPARE(image.Load(m_dir.filePath(QStringLiteral("none.bmp"))), int(CImage::ErrorIo));
    QVERIFY(image.IsEmpty());
}

void TestImage::saveFailureKeepsTheOldFile()
{
    CImage image(2, 2, 24);
    const QString path = m_dir.filePath(QStringLiteral("keep.bmp"));
    QCOMPARE(image.Save(path), 0);
    const QByteArray good = readAll(path);
    // Locking fails midway: the good file stays whole.
    m_host->lockFails = true;
    QCOMPARE(image.Save(path), int(CImage::ErrorMemory));
    m_host->lockFails = false;
    QCOMPARE(readAll(path), good);
    CImage empty;
    QCOMPARE(empty.Save(path), int(CImage::ErrorIo));
    QCOMPARE(readAll(path), good);
}

void TestImage::attachRefusesBadHeaders_data()
{
    using namespace BitmapBytes;
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("bit count 4") << bytesOf(header(2, 2, 4)) + QByteArray(64 + 8, '\0');
    QTest::newRow("bit count 16") << bytesOf(header(2, 2, 16)) + QByteArray(8, '\0');
    QTest::newRow("bit count 0") << bytesOf(header(2, 2, 0)) + QByteArray(8, '\0');
    tagBITMAPINFOHEADER h = header(2, 2, 24);
    h.biSize = 108;
    QTest::newRow("header size 108") << bytesOf(h) + QByteArray(80, '\0');
    QTest::newRow("zero height") << bytesOf(header(2, 0, 24));
    QTest::newRow("negative width") << bytesOf(header(-2, 2, 24)) + QByteArray(16, '\0');
    QTest::newRow("rows past 4 GiB") << bytesOf(header(0x7FFFFFFF, 0x7FFFFFFF, 32));
}

void TestImage::attachRefusesBadHeaders()
{
    QFETCH(QByteArray, bytes);
    CImage image(1, 1, 24);
    void* before = image.Handle();
    void* handle = m_host->makeHandle(bytes);
    QCOMPARE(image.Attach(handle), int(CImage::ErrorBadFile));
    QCOMPARE(image.Handle(), before);
    QVERIFY(!image.IsAttached());
    CStitchOptions::MemFree(handle);
}

void TestImage::attachRewritesImageSize()
{
    using namespace BitmapBytes;
    tagBITMAPINFOHEADER h = header(3, 2, 24);
    h.biSizeImage = 0;
    void* handle = m_host->makeHandle(bytesOf(h) + QByteArray(24, '\x11'));
    {
        CImage image;
        QCOMPARE(image.Attach(nullptr), int(CImage::ErrorIo));
        QCOMPARE(image.Attach(handle), 0);
        QVERIFY(image.IsAttached());
        QCOMPARE(image.Stride(), 12);
        QCOMPARE(image.Lock(), 0);
        QCOMPARE(int(image.Header()->biSizeImage), 24);
        image.Unlock();
    }
    // The attached handle was only forgotten.
    QCOMPARE(m_host->frees, 0);
    CStitchOptions::MemFree(handle);
}

void TestImage::jpegComesThroughTheHost()
{
    m_host->addImage(QStringLiteral("photo.JPG"), StitchTestHost::packed24(2, 2, [](int, int) { return 0x0u; }));
    CImage image;
    QCOMPARE(image.Load(QStringLiteral("missing.jpeg")), int(CImage::ErrorIo));
    QCOMPARE(image.Load(QStringLiteral("photo.JPG")), 0);
    QVERIFY(image.IsAttached());
    QCOMPARE(image.Width(), 2);
    QCOMPARE(m_host->fetches, 1);
    // A fetched image goes back through DeleteImage only.
    void* handle = image.Detach();
    CStitchOptions::m_pfnDeleteImage(&handle, CStitchOptions::m_pUserData);
    QVERIFY(!handle);
}

void TestImage::unlockForgetsAddressWhenHostSaysSo()
{
    CImage image(2, 2, 24);
    QCOMPARE(image.Lock(), 0);
    QCOMPARE(image.Unlock(), 0);
    QVERIFY(image.Bits()); // the default promise: the address stays
    m_host->unlockKeepsAddress = false;
    QCOMPARE(image.Lock(), 0);
    QCOMPARE(image.Lock(), 0); // nested: the outer lock keeps the address
    image.Unlock();
    QVERIFY(image.Bits());
    image.Unlock();
    QVERIFY(!image.Bits());
    QVERIFY(!image.Header());
    QCOMPARE(m_host->unbalancedLocks(), 0);
}

void TestImage::lockFailure()
{
    CImage image(2, 2, 24);
    m_host->lockFails = true;
    QCOMPARE(image.Lock(), int(CImage::ErrorMemory));
    QVERIFY(!image.Bits());
    m_host->lockFails = false;
    CImage empty;
    QCOMPARE(empty.Lock(), int(CImage::ErrorMemory));
}

void TestImage::clearColour()
{
    // 0x00BBGGRR: blue 0x11, green 0x22, red 0x33, stored blue first.
    CImage image(2, 1, 24);
    image.Clear(0x00112233u);
    QCOMPARE(image.Lock(), 0);
    QCOMPARE(QByteArray(reinterpret_cast<char*>(image.Bits()), 8), QByteArray("\x11\x22\x33\x11\x22\x33\0\0", 8));
    image.Clear(static_cast<unsigned char>(7));
    QCOMPARE(QByteArray(reinterpret_cast<char*>(image.Bits()), 8), QByteArray(8, '\x07'));
    image.Unlock();

    // Every row of a taller one, coloured or grey; the rows' padding (3
    // bytes of a 12-byte row) keeps what it held.
    CImage tall(3, 3, 24);
    QCOMPARE(tall.Lock(), 0);
    for (const unsigned colour : {0x00112233u, 0x00444444u}) {
        tall.Clear(static_cast<unsigned char>(7));
        QCOMPARE(tall.Clear(colour), 0);
        const QByteArray pixel = colour == 0x00112233u ? QByteArray("\x11\x22\x33") : QByteArray("\x44\x44\x44");
        const QByteArray row = pixel + pixel + pixel + QByteArray(3, '\x07');
        QCOMPARE(QByteArray(reinterpret_cast<char*>(tall.Bits()), 36), row + row + row);
    }
    tall.Unlock();
}

void TestImage::resampleByHand()
{
    // 2 x 1 grey (0, 200) to 4 x 1: sx = 0.5, sy = 1.
    // Row: wy = 256, so t = 256 x source = (0, 51200).
    // j = 0: x0 0, wx 256 -> (t1 x 0 + t0 x 256) >> 16 = 0
    // j = 1: x 0.5, x0 0, wx 128 -> (51200 x 128 + 0) >> 16 = 100
    // j = 2: x 1, x0 1, x1 clamped to 1, wx 256 -> 51200 x 256 >> 16 = 200
    // j = 3: x 1.5, x0 1, wx 128 -> (51200 x 128 x 2) >> 16 = 200
    CImage source(2, 1, 8);
    QCOMPARE(source.Lock(), 0);
    source.Bits()[0] = 0;
    source.Bits()[1] = 200;
    source.Unlock();
    CImage target;
    QCOMPARE(source.BilinearResample(&target, 4, 1), 0);
    QCOMPARE(target.BitCount(), 8);
    QCOMPARE(target.Lock(), 0);
    QCOMPARE(QByteArray(reinterpret_cast<char*>(target.Bits()), 4), QByteArray("\x00\x64\xC8\xC8", 4));
    target.Unlock();

    // Rows: 1 x 2 (10 above 90 in memory order) to 1 x 4: sy = 0.5.
    // i = 1: y 0.5, y0 0, wy 128: t = 90 x 128 + 10 x 128 = 12800; x wx 256 >> 16 = 50.
    // i = 3: y 1.5, y0 1, rows a = b = 1: 90.
    CImage column(1, 2, 8);
    QCOMPARE(column.Lock(), 0);
    column.Bits()[0] = 10;
    column.Bits()[column.Stride()] = 90;
    column.Unlock();
    QCOMPARE(column.BilinearResample(&target, 1, 4), 0);
    QCOMPARE(target.Lock(), 0);
    const int s = target.Stride();
    QCOMPARE(int(target.Bits()[0]), 10);
    QCOMPARE(int(target.Bits()[s]), 50);
    QCOMPARE(int(target.Bits()[2 * s]), 90);
    QCOMPARE(int(target.Bits()[3 * s]), 90);
    target.Unlock();

    CImage wide(2, 2, 32);
    QCOMPARE(wide.BilinearResample(&target, 1, 1), int(CImage::ErrorBadFile));
}

void TestImage::resampleToSameSizeIsIdentity()
{
    CImage source(5, 3, 24);
    QCOMPARE(source.Lock(), 0);
    for (int i = 0; i < 3 * source.Stride(); ++i)
        source.Bits()[i] = static_cast<unsigned char>(i * 37);
    source.Unlock();
    CImage target;
    QCOMPARE(source.BilinearResample(&target, 5, 3), 0);
    QCOMPARE(source.Lock(), 0);
    QCOMPARE(target.Lock(), 0);
    for (int y = 0; y < 3; ++y)
        QCOMPARE(QByteArray(reinterpret_cast<char*>(target.Bits() + y * 16), 15),
                 QByteArray(reinterpret_cast<char*>(source.Bits() + y * 16), 15));
    target.Unlock();
    source.Unlock();
}

void TestImage::planesFlipTopDown()
{
    const unsigned char red[4] = {1, 2, 3, 4}; // 2 x 2, top row first
    const unsigned char green[4] = {10, 20, 30, 40};
    const unsigned char blue[4] = {100, 101, 102, 103};
    CImage image;
    QCOMPARE(image.Create(red, green, blue, 2, 2), 0);
    QCOMPARE(image.Lock(), 0);
    QCOMPARE(int(image.Header()->biClrUsed), 0);
    // Memory row 0 is the bottom plane row (index 2, 3).
    QCOMPARE(QByteArray(reinterpret_cast<char*>(image.Bits()), 6), QByteArray("\x66\x1E\x03\x67\x28\x04", 6));
    QCOMPARE(QByteArray(reinterpret_cast<char*>(image.Bits()) + 8, 6), QByteArray("\x64\x0A\x01\x65\x14\x02", 6));
    image.Unlock();
}

void TestImage::separateAndCombineRoundTrip()
{
    CImage image(3, 2, 24);
    QCOMPARE(image.Lock(), 0);
    for (int y = 0; y < 2; ++y)
        for (int i = 0; i < 9; ++i)
            image.Bits()[y * image.Stride() + i] = static_cast<unsigned char>(y * 50 + i);
    image.Unlock();
    CImage red, green, blue;
    QCOMPARE(image.SeparateToRGB(&red, &green, &blue), 0);
    QCOMPARE(blue.BitCount(), 8);
    QCOMPARE(blue.Lock(), 0);
    QCOMPARE(red.Lock(), 0);
    QCOMPARE(int(blue.Bits()[1]), 3);                  // byte 0 of pixel 1
    QCOMPARE(int(red.Bits()[red.Stride() + 2]), 50 + 8); // byte 2 of pixel 2, row 1
    red.Unlock();
    blue.Unlock();

    CImage combined(3, 2, 24);
    QCOMPARE(combined.CombineByRGB(&red, &green, &blue), 0);
    QCOMPARE(image.Lock(), 0);
    QCOMPARE(combined.Lock(), 0);
    for (int y = 0; y < 2; ++y)
        QCOMPARE(QByteArray(reinterpret_cast<char*>(combined.Bits()) + y * 12, 9),
                 QByteArray(reinterpret_cast<char*>(image.Bits()) + y * 12, 9));
    combined.Unlock();
    image.Unlock();

    CImage mono(3, 2, 1);
    QCOMPARE(mono.SeparateToRGB(&red, &green, &blue), int(CImage::ErrorBadFile));
    QCOMPARE(mono.CombineByRGB(&red, &green, &blue), int(CImage::ErrorBadFile));
    CImage other(4, 2, 24);
    QCOMPARE(other.CombineByRGB(&red, &green, &blue), int(CImage::ErrorBadFile));
}

void TestImage::convertFreesTheEightBitBlock()
{
    CImage image(2, 2, 8);
    QCOMPARE(image.Convert8to24(), 0);
    QCOMPARE(image.BitCount(), 24);
    QCOMPARE(m_host->allocations, 2);
    QCOMPARE(m_host->frees, 1);
    QCOMPARE(image.Convert8to24(), int(CImage::ErrorBadFile));
}

void TestImage::comparisonsAndModify()
{
    CImage a(4, 3, 24), b(4, 3, 8), c(4, 3, 24), empty;
    QVERIFY(CImage::IdenticalDimensions(&a, &b));
    QVERIFY(!CImage::Identical(&a, &b));
    QVERIFY(CImage::Identical(&a, &c));
    QVERIFY(!CImage::Identical(&empty, &a));
    QCOMPARE(a.Clone(&b), int(CImage::ErrorBadFile));
    a.Clear(0x00030201u);
    QCOMPARE(a.Clone(&c), 0);
    QCOMPARE(c.Lock(), 0);
    QCOMPARE(int(c.Bits()[0]), 3); // blue, bits 16..23
    c.Unlock();

    void* handle = a.Handle();
    QCOMPARE(a.Modify(4, 3, 24), 0);
    QCOMPARE(a.Handle(), handle);
    QCOMPARE(a.Modify(5, 3, 24), 0);
    QVERIFY(a.Handle() != handle || m_host->frees == 1);
    QCOMPARE(a.Width(), 5);
}

void TestImage::countColorEntries_data()
{
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("used");
    QTest::addColumn<int>("entries");
    QTest::newRow("used wins") << 8 << 5 << 5;
    QTest::newRow("1 bit") << 1 << 0 << 2;
    QTest::newRow("4 bits") << 4 << 0 << 16;
    QTest::newRow("8 bits") << 8 << 0 << 256;
    QTest::newRow("24 bits") << 24 << 0 << 0;
}

void TestImage::countColorEntries()
{
    QFETCH(int, bits);
    QFETCH(int, used);
    QFETCH(int, entries);
    tagBITMAPINFO info{};
    info.bmiHeader = BitmapBytes::header(1, 1, bits, unsigned(used));
    QCOMPARE(CImage::CountColorEntries(&info), entries);
}

QTEST_APPLESS_MAIN(TestImage)
#include "tst_image.moc"
