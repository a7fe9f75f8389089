#include "StitchTestHost.h"
#include "SyntheticViews.h"
#include "UnjoinablePairs.h"

#include "stitch/align/CStitchAlign.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <QtTest>

#include <cmath>
#include <memory>

using Job = std::unique_ptr<CStitchOptions, void (*)(CStitchOptions*)>;

// After alignment every neighbour pair is judged on its own overlap: views
// of real photographs that join agree, pairs no alignment can join end the
// stitch with -6, and flat overlaps are not judged at all.
class TestPairAgreement : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void joinablePairsAgree_data();
    void joinablePairsAgree();
    void unjoinablePairsAreRefused_data();
    void unjoinablePairsAreRefused();
    void flatOverlapIsNotJudged();
};

namespace {

// A loaded job of the given packed views, ordered as given.
Job loaded(StitchTestHost& host, const QList<QByteArray>& views, int width, int height, tagStitchStyle style,
           STITCHMETHOD method, int cols, int rows)
{
    tagStitchCallbacks table = host.callbacks();
    Job job(PSCreateStitch(style, StitchOutputOriginal, method, &table), PSReleaseStitch);
    QStringList names;
    QList<tagPOINT> sizes;
    for (int i = 0; i < views.size(); ++i) {
        names << QStringLiteral("view%1").arg(i);
        sizes << tagPOINT{width, height};
        host.addImage(names.last(), views.at(i));
    }
    if (!job || PSLoadImages(job.get(), int(names.size()), names, sizes.data()) != 0)
        return Job(nullptr, PSReleaseStitch);
    job->m_Matrix.m_lCols = cols;
    job->m_Matrix.m_lRows = rows;
    job->m_Matrix.m_lCount = cols * rows;
    return job;
}

QByteArray packed(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    return StitchTestHost::packed24(rgb.width(), rgb.height(),
                                    [&rgb](int x, int y) { return unsigned(rgb.pixel(x, y) & 0xFFFFFF); });
}

// Every neighbour pair's agreement on the agreement layer.
QList<CStitchAlign::PairAgreement> agreements(CStitchOptions* job)
{
    CStitchAlign align(job);
    const CStitchMatrix& grid = job->m_Matrix;
    QList<CStitchAlign::PairAgreement> out;
    for (int row = 0; row < grid.m_lRows; ++row)
        for (int col = 0; col < grid.m_lCols; ++col)
            for (const bool horizontal : {true, false}) {
                if (!grid.GetElement(horizontal ? col + 1 : col, horizontal ? row : row + 1))
                    continue;
                CStitchAlign::PairAgreement a;
                if (align.MeasurePair(col, row, horizontal, align.AgreementLayer(), &a) == 0)
                    out << a;
            }
    return out;
}

} // namespace

void TestPairAgreement::initTestCase()
{
    if (SyntheticViews::photoPath(QStringLiteral("GreenMeadow.jpg")).isEmpty())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
}

void TestPairAgreement::joinablePairsAgree_data()
{
    QTest::addColumn<QString>("photo");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("method");
    QTest::newRow("row, exposures, noise and JPEG") << "Dune.jpg" << 0 << 0;
    QTest::newRow("column, rolled") << "GreenMeadow.jpg" << 1 << 0;
    QTest::newRow("telephoto row") << "GreenMeadow.jpg" << 0 << 1;
}

void TestPairAgreement::joinablePairsAgree()
{
    QFETCH(QString, photo);
    QFETCH(int, style);
    QFETCH(int, method);
    const int width = 320, height = 240;
    const bool telephoto = method == StitchMethodTelephoto;
    const double focal = width / 2.0 / std::tan(25 * M_PI / 180);
    const SyntheticViews views(QImage(SyntheticViews::photoPath(photo)),
                               telephoto ? SyntheticViews::Surface::Plane : SyntheticViews::Surface::Sphere, width,
                               height, telephoto ? 400.0 : focal, 1.0);
    QList<SyntheticViews::Camera> cameras;
    if (telephoto) {
        for (int i = 0; i < 3; ++i)
            cameras << SyntheticViews::Camera{0, 0, 0, i * 190.0, i * 6.0};
    } else {
        cameras = SyntheticViews::rolled(style == 0 ? views.row(3, 0.4) : views.column(3, 0.4));
    }
    const QList<SyntheticViews::Hardship> hardships = SyntheticViews::hardships(3);
    QList<QByteArray> packedViews;
    for (int i = 0; i < 3; ++i)
        packedViews << (style == 0 && !telephoto ? views.render(cameras.at(i), hardships.at(i))
                                                 : views.render(cameras.at(i)));
    StitchTestHost host;
    Job job = loaded(host, packedViews, width, height, tagStitchStyle(style), STITCHMETHOD(method),
                     style == 0 ? 3 : 1, style == 0 ? 1 : 3);
    QVERIFY(job);
    QCOMPARE(CStitchAlign(job.get()).Run(), 0);
    const QList<CStitchAlign::PairAgreement> pairs = agreements(job.get());
    QCOMPARE(pairs.size(), 2);
    for (const CStitchAlign::PairAgreement& a : pairs) {
        qInfo("correlation %.3f, weakest quarter %.3f, detail %.1f over %d pixels", a.correlation, a.weakest,
              a.detail, a.samples);
        QVERIFY(a.judged);
        QVERIFY2(a.weakest >= 0.8, qPrintable(QString::number(a.weakest)));
    }
}

void TestPairAgreement::unjoinablePairsAreRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("upsideDown"); // as a packed bitmap's rows come from a picture file
    for (const QString& kind : UnjoinablePairs::kinds())
        for (const bool upsideDown : {false, true})
            QTest::addRow("%s%s", qPrintable(kind), upsideDown ? ", upside down" : "") << kind << upsideDown;
}

void TestPairAgreement::unjoinablePairsAreRefused()
{
    QFETCH(QString, kind);
    QFETCH(bool, upsideDown);
    const QList<QImage> photos = UnjoinablePairs::make(kind);
    QCOMPARE(photos.size(), 2);
    StitchTestHost host;
    Job job = loaded(host, {packed(photos.at(0).mirrored(false, upsideDown)), packed(photos.at(1).mirrored(false, upsideDown))},
                     320, 240, StitchStyleHorizontal, StitchMethodCalibrated, 2, 1);
    QVERIFY(job);
    QCOMPARE(CStitchAlign(job.get()).Run(), int(StitchPairMismatch));
    const QList<CStitchAlign::PairAgreement> pairs = agreements(job.get());
    QCOMPARE(pairs.size(), 1);
    const CStitchAlign::PairAgreement& a = pairs.first();
    qInfo("correlation %.3f, weakest quarter %.3f, detail %.1f over %d pixels", a.correlation, a.weakest, a.detail,
          a.samples);
    QVERIFY(a.judged);
    QVERIFY(a.weakest < CStitchAlign::kMinimumCorrelation);

    // The whole road ends the same way, its progress at 100, the grid as
    // the caller gave it and nothing rendered.
    int cols = 2, rows = 1;
    QStringList names;
    void* dib = nullptr;
    host.progress.clear();
    QCOMPARE(DEZeviDirevi(job.get(), 0, &cols, &rows, names, &dib, nullptr, nullptr, nullptr, nullptr, nullptr),
             int(StitchPairMismatch));
    QCOMPARE(host.progress.last(), 100);
    QCOMPARE(cols, 2);
    QCOMPARE(rows, 1);
    QVERIFY(!dib);
    QVERIFY(!job->m_hResultDib);
}

void TestPairAgreement::flatOverlapIsNotJudged()
{
    // Two parts of an out-of-focus photograph that do not overlap, with
    // sensor noise: joined wrongly or rightly they look alike, and the
    // stitch goes on.
    const QImage garden(SyntheticViews::photoPath(QStringLiteral("Garden.jpg")));
    QVERIFY(!garden.isNull());
    QList<QByteArray> photos;
    for (const QPoint& at : {QPoint(0, 0), QPoint(900, 1200)}) {
        const QImage part = garden.copy(at.x(), at.y(), 320, 240).convertToFormat(QImage::Format_RGB32);
        quint32 noise = 12345;
        photos << StitchTestHost::packed24(320, 240, [&](int x, int y) {
            noise = noise * 1664525u + 1013904223u;
            const int d = int((noise >> 24) % 5) - 2;
            const QRgb p = part.pixel(x, y);
            auto c = [d](int v) { return unsigned(std::clamp(v + d, 0, 255)); };
            return c(qRed(p)) << 16 | c(qGreen(p)) << 8 | c(qBlue(p));
        });
    }
    StitchTestHost host;
    Job job = loaded(host, photos, 320, 240, StitchStyleHorizontal, StitchMethodCalibrated, 2, 1);
    QVERIFY(job);
    QCOMPARE(CStitchAlign(job.get()).Run(), 0);
    const QList<CStitchAlign::PairAgreement> pairs = agreements(job.get());
    QCOMPARE(pairs.size(), 1);
    qInfo("detail %.2f over %d pixels", pairs.first().detail, pairs.first().samples);
    QVERIFY(!pairs.first().judged);
    QVERIFY(pairs.first().detail < CStitchAlign::kMinimumDetail);
}

QTEST_MAIN(TestPairAgreement)
#include "tst_pairagreement.moc"
