#include "montage/engine/IQZorivuvEngine.h"
#include "montage/engine/IQZorivuvRecolour.h"
#include "montage/engine/IQZorivuvTilePool.h"
#include "platform/RandomSource.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <mutex>

namespace {

struct RunResult
{
    int code = -1;
    QImage mosaic;
    QImage mask;
    IQZorivuvEngine::RunInfo info;
};

RunResult runEngine(const QImage& target, const QStringList& paths, const IQZorivuvParam& param, int threads,
                    const IQZorivuvEngine::Progress& progress = IQZorivuvEngine::Progress())
{
    IQZorivuvEngine* engine = IQZorivuvEngine::globalInstance();
    engine->setBackgroundImage(target);
    engine->tilePaths = paths;
    engine->overlay = QImage();
    engine->setThreadCount(threads);
    RunResult result;
    result.code = engine->zorivuv(&param, result.mosaic, result.mask, &result.info, progress);
    engine->setThreadCount(0);
    return result;
}

// The photographs of Debian's mate-backgrounds (installed by scripts/test).
QStringList realPhotos()
{
    QStringList photos;
    QDirIterator it(QStringLiteral("/usr/share/backgrounds/mate"), {QStringLiteral("*.jpg")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        photos << it.next();
    photos.sort();
    return photos;
}

QImage realTarget()
{
    const QImage photo(QStringLiteral("/usr/share/backgrounds/mate/nature/Wood.jpg"));
    return photo.isNull() ? QImage() : photo.scaled(600, 450, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(bytes);
    return path;
}

} // namespace

class TestIQZorivuvParallel : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase();

    void sameBytesAtAnyThreadCount_data();
    void sameBytesAtAnyThreadCount();
    void unreadablePhotosAtAnyThreadCount();
    void progressRisesToItsTotal();
    void cancelAtFirstReport_data();
    void cancelAtFirstReport();
    void cancelWhileDrawing();
    void threadsFor_data();
    void threadsFor();
    void fastRecolourMatchesReference();
};

void TestIQZorivuvParallel::cleanupTestCase()
{
    IQZorivuvEngine::globalInstance()->setBackgroundImage(QImage());
    RandomSource::reseedFromSystem();
}

void TestIQZorivuvParallel::sameBytesAtAnyThreadCount_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<bool>("withMask");
    QTest::newRow("grid") << 0 << false;
    QTest::newRow("offset rows") << 1 << false;
    QTest::newRow("grid, mask") << 0 << true;
    QTest::newRow("offset rows, mask") << 1 << true;
}

void TestIQZorivuvParallel::sameBytesAtAnyThreadCount()
{
    QFETCH(int, layout);
    QFETCH(bool, withMask);
    const QStringList photos = realPhotos();
    const QImage target = realTarget();
    if (photos.size() < 3 || target.isNull())
        QSKIP("no photographs (install mate-backgrounds)");

    IQZorivuvParam param;
    param.tile = QSize(9, 7);
    param.columns = 61;
    param.layout = layout;
    if (withMask) {
        QImage mask(31, 17, QImage::Format_Grayscale8);
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x)
                mask.scanLine(y)[x] = uchar((x * 37 + y * 11) % 256);
        param.maskMode = 1;
        param.mask = mask;
    }
    QImage reference;
    for (int threads : {1, 2, 8}) {
        RandomSource::seed(4242);
        const RunResult result = runEngine(target, photos, param, threads);
        QCOMPARE(result.code, 0);
        QCOMPARE(result.info.leftOut, 0);
        QCOMPARE(result.info.started, int(photos.size()));
        if (reference.isNull())
            reference = result.mosaic;
        else
            QVERIFY2(result.mosaic == reference, qPrintable(QStringLiteral("%1 threads").arg(threads)));
    }
}

void TestIQZorivuvParallel::unreadablePhotosAtAnyThreadCount()
{
    QStringList photos = realPhotos();
    const QImage target = realTarget();
    if (photos.size() < 3 || target.isNull())
        QSKIP("no photographs (install mate-backgrounds)");

    QTemporaryDir dir;
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImage noisy(48, 48, QImage::Format_RGB32);
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 48; ++x)
                noisy.setPixel(x, y, qRgb(x * 5, y * 5, (x ^ y) * 4));
        QImageWriter(&buffer, "png").write(noisy);
    }
    const qsizetype idat = png.indexOf("IDAT");
    QVERIFY(idat > 0 && idat + 40 < png.size());
    for (qsizetype i = idat + 8; i < idat + 40; ++i)
        png[i] = char(png[i] ^ 0x5A);
    // Listed, then deleted before the run.
    const QString deleted = writeFile(dir, QStringLiteral("deleted.jpg"), QByteArray());
    photos.insert(1, writeFile(dir, QStringLiteral("zero-bytes.jpg"), QByteArray()));
    photos.insert(4, writeFile(dir, QStringLiteral("text.jpg"), QByteArray("plain text\n")));
    photos.insert(6, writeFile(dir, QStringLiteral("corrupt-pixel-data.png"), png));
    photos.append(deleted);
    QVERIFY(QFile::remove(deleted));

    IQZorivuvParam param;
    param.tile = QSize(6, 6);
    param.layout = 1;
    RandomSource::seed(99);
    const RunResult single = runEngine(target, photos, param, 1);
    RandomSource::seed(99);
    const RunResult many = runEngine(target, photos, param, 8);
    QCOMPARE(single.code, 0);
    QCOMPARE(many.code, 0);
    QCOMPARE(single.info.leftOut, 4);
    QCOMPARE(many.info.leftOut, 4);
    QVERIFY(single.mosaic == many.mosaic);
}

void TestIQZorivuvParallel::progressRisesToItsTotal()
{
    QTemporaryDir dir;
    QStringList photos;
    for (int i = 0; i < 12; ++i) {
        QImage photo(40, 30, QImage::Format_RGB32);
        photo.fill(QColor::fromHsv(i * 30, 200, 200));
        photos << dir.filePath(QStringLiteral("p%1.png").arg(i));
        QVERIFY(photo.save(photos.last()));
    }
    photos << dir.filePath(QStringLiteral("missing.png"));
    QImage target(600, 450, QImage::Format_RGB32);
    target.fill(Qt::darkYellow);
    IQZorivuvParam param;
    param.tile = QSize(4, 4);
    param.columns = 60;

    std::mutex lock;
    QList<qint64> done;
    QList<qint64> totals;
    const RunResult result = runEngine(target, photos, param, 4, [&](qint64 d, qint64 t) {
        std::lock_guard<std::mutex> guard(lock);
        done << d;
        totals << t;
        return true;
    });
    QCOMPARE(result.code, 0);
    // 13 listed photos and 60 x 45 cells: 13 + 45 steps, one report each.
    const qint64 total = 13 + 45;
    QCOMPARE(done.size(), qsizetype(total));
    for (qsizetype i = 0; i < done.size(); ++i) {
        QCOMPARE(done[i], qint64(i + 1));
        QCOMPARE(totals[i], total);
    }
}

void TestIQZorivuvParallel::cancelAtFirstReport_data()
{
    QTest::addColumn<int>("threads");
    QTest::newRow("1 thread") << 1;
    QTest::newRow("2 threads") << 2;
    QTest::newRow("4 threads") << 4;
}

void TestIQZorivuvParallel::cancelAtFirstReport()
{
    QFETCH(int, threads);
    QTemporaryDir dir;
    QStringList photos;
    for (int i = 0; i < 40; ++i) {
        QImage photo(64, 48, QImage::Format_RGB32);
        photo.fill(QColor::fromHsv(i * 9, 180, 220));
        photos << dir.filePath(QStringLiteral("p%1.png").arg(i));
        QVERIFY(photo.save(photos.last()));
    }
    QImage target(300, 200, QImage::Format_ARGB32);
    target.fill(Qt::darkCyan);
    IQZorivuvParam param;
    param.tile = QSize(5, 5);

    int reports = 0;
    const RunResult cancelled = runEngine(target, photos, param, threads, [&](qint64, qint64) {
        ++reports;
        return false;
    });
    QCOMPARE(cancelled.code, int(IQZorivuvEngine::Cancelled));
    QCOMPARE(reports, 1);
    QVERIFY(cancelled.mosaic.isNull());
    QVERIFY(cancelled.mask.isNull());
    // Only the photos under way when the first one was done: one a thread.
    QVERIFY2(cancelled.info.started >= 1 && cancelled.info.started <= threads,
             qPrintable(QString::number(cancelled.info.started)));

    const RunResult next = runEngine(target, photos, param, threads);
    QCOMPARE(next.code, 0);
    QCOMPARE(next.info.started, 40);
}

void TestIQZorivuvParallel::cancelWhileDrawing()
{
    QTemporaryDir dir;
    const QString photo = dir.filePath(QStringLiteral("one.png"));
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(photo));
    QImage target(600, 450, QImage::Format_RGB32);
    target.fill(Qt::blue);
    IQZorivuvParam param;
    param.tile = QSize(3, 3);

    qint64 last = 0;
    // One photo, then rows: stop after the third row.
    const RunResult result = runEngine(target, {photo}, param, 2, [&](qint64 done, qint64) {
        last = done;
        return done < 1 + 3;
    });
    QCOMPARE(result.code, int(IQZorivuvEngine::Cancelled));
    QCOMPARE(last, qint64(4));
    QVERIFY(result.mosaic.isNull());
}

void TestIQZorivuvParallel::threadsFor_data()
{
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("photos");
    QTest::addColumn<int>("expected");
    const int ideal = std::max(1, QThread::idealThreadCount());
    QTest::newRow("ideal") << 0 << 1000 << ideal;
    QTest::newRow("ideal, one photo") << 0 << 1 << 1;
    QTest::newRow("more threads than photos") << 8 << 3 << 3;
    QTest::newRow("no photos") << 4 << 0 << 1;
    QTest::newRow("as asked") << 3 << 100 << 3;
}

void TestIQZorivuvParallel::threadsFor()
{
    QFETCH(int, requested);
    QFETCH(int, photos);
    QFETCH(int, expected);
    QCOMPARE(IQZorivuvTilePool::threadsFor(requested, photos), expected);
}

void TestIQZorivuvParallel::fastRecolourMatchesReference()
{
    QRandomGenerator random(7);
    // Widths below, at and past one 16-pixel chunk, with a row padding.
    for (const int width : {1, 2, 15, 16, 17, 33, 40, 101}) {
        QImage tile(width, 5, QImage::Format_BGR888);
        for (int y = 0; y < tile.height(); ++y)
            for (int x = 0; x < width * 3; ++x)
                tile.scanLine(y)[x] = uchar(random.bounded(256));
        for (int round = 0; round < 20; ++round) {
            // Extremes first: the largest gain and a black cell.
            const uchar mean[3] = {uchar(round == 0 ? 1 : 1 + random.bounded(255)), uchar(1 + random.bounded(255)),
                                   uchar(1 + random.bounded(255))};
            const uchar cell[3] = {uchar(round == 0 ? 255 : random.bounded(256)), uchar(round == 1 ? 0 : random.bounded(256)),
                                   uchar(random.bounded(256))};
            // Both outputs: packed bytes and the painter's 32-bit pixels.
            for (const QImage::Format format : {QImage::Format_BGR888, QImage::Format_RGB32}) {
                QImage fast(tile.size(), format);
                QImage plain(tile.size(), format);
                IQZorivuvRecolour::apply(tile, mean, cell, true, &fast);
                IQZorivuvRecolour::applyReference(tile, mean, cell, true, &plain);
                QVERIFY2(fast == plain, qPrintable(QStringLiteral("width %1, round %2, format %3")
                                                       .arg(width).arg(round).arg(int(format))));
                if (format == QImage::Format_RGB32) {
                    QImage packed(tile.size(), QImage::Format_BGR888);
                    IQZorivuvRecolour::applyReference(tile, mean, cell, true, &packed);
                    QVERIFY(fast.convertToFormat(QImage::Format_BGR888) == packed);
                }
            }
        }
    }
}

QTEST_MAIN(TestIQZorivuvParallel)
#include "tst_iqzorivuvparallel.moc"
