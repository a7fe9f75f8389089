#include "LayerAlignment.h"
#include "StitchTestHost.h"
#include "SyntheticViews.h"

#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchOptions.h"

#include <QDir>
#include <QtTest>

#include <cmath>
#include <memory>

using Job = std::unique_ptr<CStitchOptions, void (*)(CStitchOptions*)>;

// The whole stitching road (alignment with its coarse colour correction,
// then the render) with one memory lock refused, each in turn: the stitch
// fails, hands no result out, leaves no temporary file, takes back every
// lock it was given and, once released, has freed every handle once.
class TestRoadLocks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyRefusedLockFails_data();
    void everyRefusedLockFails();

private:
    QImage m_photo;
    int m_locks = 0; // of a whole stitch, counted once
};

namespace {

double focalFor(int width)
{
    return width / 2.0 / std::tan(30 * M_PI / 180);
}

int stitch(CStitchOptions* job, int cols, int rows)
{
    QStringList names;
    void* dib = nullptr;
    tagRECT* overlaps = nullptr;
    int overlapCount = 0;
    unsigned short** paths = nullptr;
    int pathCount = 0;
    tagRECT crop{};
    return DEZeviDirevi(job, 0, &cols, &rows, names, &dib, &overlaps, &overlapCount, &paths, &pathCount, &crop);
}

} // namespace

void TestRoadLocks::initTestCase()
{
    const QString path = SyntheticViews::photoPath(QStringLiteral("GreenMeadow.jpg"));
    if (path.isEmpty())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    QVERIFY(m_photo.load(path));
}

void TestRoadLocks::everyRefusedLockFails_data()
{
    // The locks are shared out over four rows, so that no one row runs
    // for long.
    QTest::addColumn<int>("part");
    for (int part = 0; part < 4; ++part)
        QTest::addRow("every fourth lock from %d", part) << part;
}

void TestRoadLocks::everyRefusedLockFails()
{
    QFETCH(int, part);
    // A fresh job for every stitch: a job is stitched once (its middle
    // layers go once it is rendered). Loading is not counted.
    const SyntheticViews views(m_photo, SyntheticViews::Surface::Cylinder, 160, 120, focalFor(160));
    const QList<SyntheticViews::Camera> cameras = views.row(3, 0.4);
    if (m_locks == 0) {
        StitchTestHost host;
        Job job(LayerAlignment::load(host, views, cameras, StitchStyleHorizontal, 3, 1), PSReleaseStitch);
        QVERIFY(job);
        const int start = host.lockCalls;
        QCOMPARE(stitch(job.get(), 3, 1), 0);
        m_locks = host.lockCalls - start;
        QCOMPARE(host.locksHeld, 0);
        job.reset();
        QVERIFY2(host.clean(), qPrintable(host.report()));
        qInfo("%d locks a stitch", m_locks);
    }
    QVERIFY(m_locks > 10);
    for (int n = part; n < m_locks; n += 4) {
        StitchTestHost host;
        Job job(LayerAlignment::load(host, views, cameras, StitchStyleHorizontal, 3, 1), PSReleaseStitch);
        QVERIFY(job);
        host.failLockAt = host.lockCalls + n;
        const int code = stitch(job.get(), 3, 1);
        host.failLockAt = -1;
        const QString what = QStringLiteral("lock %1 of %2: code %3").arg(n).arg(m_locks).arg(code);
        QVERIFY2(code < 0, qPrintable(what));
        QVERIFY2(host.locksHeld == 0, qPrintable(what + QStringLiteral(", %1 held").arg(host.locksHeld)));
        QVERIFY2(!job->m_hResultDib, qPrintable(what));
        QVERIFY2(QDir(job->m_strTempDir).entryList(QDir::Files).isEmpty(), qPrintable(what));
        job.reset();
        QVERIFY2(host.clean(), qPrintable(what + QStringLiteral(": ") + host.report()));
    }
}

QTEST_MAIN(TestRoadLocks)
#include "tst_roadlocks.moc"
