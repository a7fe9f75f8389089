#include "BlendChecks.h"
#include "GeometryFixture.h"
#include "StitchTestHost.h"
#include "SyntheticViews.h"

#include "stitch/colour/CFinestColorCorrection.h"
#include "stitch/image/CImage.h"
#include "stitch/image/CMask.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/render/CStitchBlend.h"

#include <QDir>
#include <QtTest>

#include <functional>
#include <memory>

using Job = std::unique_ptr<CStitchOptions, void (*)(CStitchOptions*)>;
using namespace BlendChecks;

// A host that refuses one memory lock, each in turn, of a whole render:
// the render fails, nothing is read or written through a null
// address, every lock given is taken back, and the job keeps what the
// previous render left (result, crop, element files, paths, placements)
// with no new temporary file.
class TestRefusedLocks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void everyRefusedLockFails_data();
    void everyRefusedLockFails();
    void fineColourCorrectionKeepsThePixels_data();
    void fineColourCorrectionKeepsThePixels();

private:
    QImage m_photo;
    StitchTestHost* m_host = nullptr;
};

namespace {

// A 24-bit image of w x h whose pixel (x, y) is f(x, y) (0x00RRGGBB), and a
// mask set over all of it.
void makeImage(CImage& image, CMask& mask, int w, int h, const std::function<unsigned(int, int)>& f)
{
    QVERIFY(image.Create(w, h, 24) == 0);
    QVERIFY(mask.Create(unsigned(w), unsigned(h)));
    QVERIFY(image.Lock() == 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const unsigned rgb = f(x, y);
            unsigned char* p = image.Bits() + y * image.Stride() + 3 * x;
            p[0] = rgb & 0xFF;
            p[1] = (rgb >> 8) & 0xFF;
            p[2] = (rgb >> 16) & 0xFF;
            mask.SetPixel(unsigned(y), unsigned(x), true);
        }
    image.Unlock();
}

QByteArray pixels(CImage& image)
{
    if (image.Lock() != 0)
        return QByteArray();
    const QByteArray bytes(reinterpret_cast<const char*>(image.Bits()), image.Stride() * image.Height());
    image.Unlock();
    return bytes;
}

} // namespace

void TestRefusedLocks::initTestCase()
{
    const QString path = SyntheticViews::photoPath(QStringLiteral("GreenMeadow.jpg"));
    if (path.isEmpty())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    QVERIFY(m_photo.load(path));
}

void TestRefusedLocks::init()
{
    m_host = new StitchTestHost;
}

void TestRefusedLocks::cleanup()
{
    const bool clean = m_host->clean();
    const QString report = m_host->report();
    delete m_host;
    m_host = nullptr;
    if (!QTest::currentTestFailed())
        QVERIFY2(clean, qPrintable(report));
}

void TestRefusedLocks::everyRefusedLockFails_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("fineTune");
    // Three views far enough into each other that the first and third
    // overlap: the third is trimmed, so the trim's copy is met too.
    QTest::newRow("row") << int(StitchStyleHorizontal) << false;
    QTest::newRow("column") << int(StitchStyleVertical) << false;
    // A fine-tune render takes the colour tables again first.
    QTest::newRow("row, fine-tune") << int(StitchStyleHorizontal) << true;
    // Two rows of two on the sphere: each row is seamed into a strip of
    // its own, and the strips into the panorama.
    QTest::newRow("tile") << int(StitchStyleTile) << false;
}

void TestRefusedLocks::everyRefusedLockFails()
{
    QFETCH(int, style);
    QFETCH(bool, fineTune);
    StitchTestHost& host = *m_host;
    Job job(nullptr, PSReleaseStitch);
    if (style == StitchStyleHorizontal || style == StitchStyleVertical) {
        const bool row = style == StitchStyleHorizontal;
        const SyntheticViews views(m_photo, SyntheticViews::Surface::Cylinder, 64, 48, focalFor(row ? 64 : 48), 0.8);
        job.reset(GeometryFixture::job(host, views, row ? views.row(3, 0.7) : views.column(3, 0.7),
                                       tagStitchStyle(style), row ? 3 : 1, row ? 1 : 3));
    } else {
        const SyntheticViews views(m_photo, SyntheticViews::Surface::Sphere, 64, 48, focalFor(64), 0.8);
        job.reset(GeometryFixture::job(host, views, views.tile(2, 2, 0.4), StitchStyleTile, 2, 2));
    }
    QVERIFY(job);

    // The first render leaves a result to keep; the second counts the
    // locks a render makes with a result in place.
    QCOMPARE(render(job.get(), fineTune), 0);
    const int first = host.lockCalls;
    QCOMPARE(render(job.get(), fineTune), 0);
    const int locks = host.lockCalls - first;
    QVERIFY(locks > 10);
    QCOMPARE(host.locksHeld, 0);
    RenderState before = RenderState::of(host, job.get());
    const QByteArray aligned = alignmentState(job.get());
    QVERIFY(!before.result.isEmpty());
    QVERIFY(!before.files.isEmpty());
    // A fine-tune lets go of the result at its start (the host hands it
    // back on request); all else stays.
    if (fineTune)
        before.result.clear();

    for (int n = 0; n < locks; ++n) {
        host.failLockAt = host.lockCalls + n;
        const int code = render(job.get(), fineTune);
        host.failLockAt = -1;
        const QString what = QStringLiteral("lock %1 of %2: code %3").arg(n).arg(locks).arg(code);
        QVERIFY2(code < 0, qPrintable(what));
        QVERIFY2(host.locksHeld == 0, qPrintable(what + QStringLiteral(", %1 held").arg(host.locksHeld)));
        QVERIFY2(host.unbalancedLocks() == 0 && host.outstandingImages() == 0, qPrintable(what));
        QVERIFY2(host.errors.isEmpty(), qPrintable(what + QStringLiteral(": ") + host.errors.join(QLatin1String("; "))));
        RenderState after = RenderState::of(host, job.get());
        if (fineTune) {
            after.result.clear();
            QVERIFY2(alignmentState(job.get()) == aligned, qPrintable(what));
        }
        QVERIFY2(after == before, qPrintable(what));
    }
    qInfo("%d locks a render, each refused in turn", locks);
    // Nothing refused: it renders as before, with as many locks.
    const int last = host.lockCalls;
    QCOMPARE(render(job.get(), fineTune), 0);
    QCOMPARE(host.lockCalls - last, locks);
    QCOMPARE(host.locksHeld, 0);
}

void TestRefusedLocks::fineColourCorrectionKeepsThePixels_data()
{
    QTest::addColumn<int>("refused"); // the n-th lock of the correction the host refuses
    // The histogram locks the new image, then the reference; the
    // correction locks the new image again to write it.
    QTest::newRow("new image, for counting") << 0;
    QTest::newRow("reference, for counting") << 1;
    QTest::newRow("new image, for writing") << 2;
}

void TestRefusedLocks::fineColourCorrectionKeepsThePixels()
{
    QFETCH(int, refused);
    // The new image is the reference darkened by 40 levels: a correction
    // that runs brightens it.
    CImage reference, fresh;
    CMask referenceMask, freshMask;
    auto texture = [](int x, int y) {
        const unsigned v = unsigned(60 + (x * 7 + y * 3) % 120);
        return (v << 16) | (v << 8) | v;
    };
    makeImage(reference, referenceMask, 32, 24, texture);
    makeImage(fresh, freshMask, 32, 24, [&](int x, int y) { return texture(x, y) - 0x282828u; });
    const QByteArray original = pixels(fresh);
    CFinestColorCorrection colour;
    colour.m_pNewImage = &fresh;
    colour.m_pNewMask = &freshMask;
    colour.m_pReferenceImage = &reference;
    colour.m_pReferenceMask = &referenceMask;
    const tagRECT whole{0, 0, 32, 24};

    m_host->failLockAt = m_host->lockCalls + refused;
    QCOMPARE(colour.Run(whole, whole, whole), -3);
    m_host->failLockAt = -1;
    QCOMPARE(m_host->locksHeld, 0);
    QCOMPARE(pixels(fresh), original);

    // Granted every lock, the same call corrects.
    QCOMPARE(colour.Run(whole, whole, whole), 0);
    QVERIFY(pixels(fresh) != original);
    QCOMPARE(m_host->locksHeld, 0);
}

QTEST_MAIN(TestRefusedLocks)
#include "tst_refusedlocks.moc"
