#include "montage/engine/IQZorivuvEngine.h"
#include "montage/engine/IQZorivuvThread.h"

#include "../../files/ImageFixtures.h"

#include <QImageWriter>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestIQZorivuvThread : public QObject
{
    Q_OBJECT

private slots:
    void resultReachesTheGuiThread();
    void progressReachesTheGuiThread();
    void cancelAtFirstReport();
    void poolTaskStaysItsMakers();

private:
    // Twenty small photos and a target in the engine.
    void prepareEngine(const QTemporaryDir& dir);
};

void TestIQZorivuvThread::prepareEngine(const QTemporaryDir& dir)
{
    QStringList photos;
    for (int i = 0; i < 20; ++i) {
        QImage photo(64, 48, QImage::Format_RGB32);
        photo.fill(QColor::fromHsv(i * 17, 160, 200));
        photos << dir.filePath(QStringLiteral("p%1.png").arg(i));
        QVERIFY(QImageWriter(photos.last()).write(photo));
    }
    IQZorivuvEngine* engine = IQZorivuvEngine::globalInstance();
    QImage target(600, 450, QImage::Format_RGB32);
    target.fill(Qt::darkRed);
    engine->setBackgroundImage(target);
    engine->tilePaths = photos;
}

void TestIQZorivuvThread::resultReachesTheGuiThread()
{
    QTemporaryDir dir;
    const QString photo = dir.filePath(QStringLiteral("tile.png"));
    QImage tile(16, 16, QImage::Format_RGB32);
    tile.fill(Qt::darkGreen);
    QVERIFY(QImageWriter(photo).write(tile));

    IQZorivuvEngine* engine = IQZorivuvEngine::globalInstance();
    QImage target(400, 300, QImage::Format_RGB32);
    target.fill(Qt::gray);
    engine->setBackgroundImage(target);
    engine->tilePaths = {photo, dir.filePath(QStringLiteral("gone.png"))};

    IQZorivuvParam param;
    param.tile = QSize(5, 5);
    auto* thread = new IQZorivuvThread(engine, &param, QImage());
    // The run works on its own copy of the record.
    param.tile = QSize(0, 0);

    QObject receiver;
    QImage mosaic;
    int code = -1;
    int leftOut = -1;
    bool inGuiThread = false;
    int results = 0;
    connect(thread, &IQZorivuvThread::zorivuvFinished, &receiver,
            [&](QImage image, QImage, int errorCode, int left) {
                inGuiThread = QThread::currentThread() == qApp->thread();
                mosaic = image;
                code = errorCode;
                leftOut = left;
                ++results;
            },
            Qt::QueuedConnection);
    QPointer<IQZorivuvThread> watched(thread);
    thread->start(QThread::InheritPriority);

    QTRY_VERIFY_WITH_TIMEOUT(watched.isNull(), 120000);
    QCOMPARE(results, 1);
    QVERIFY(inGuiThread);
    QCOMPARE(code, 0);
    QCOMPARE(leftOut, 1);
    QCOMPARE(mosaic.size(), QSize(500, 375));
    engine->setBackgroundImage(QImage());
}

void TestIQZorivuvThread::progressReachesTheGuiThread()
{
    QTemporaryDir dir;
    prepareEngine(dir);
    IQZorivuvParam param;
    param.tile = QSize(4, 4);
    param.columns = 60;
    auto* thread = new IQZorivuvThread(IQZorivuvEngine::globalInstance(), &param, QImage());

    QObject receiver;
    QList<qint64> done;
    qint64 total = 0;
    bool allInGuiThread = true;
    int code = -1;
    int reportsBeforeResult = -1;
    connect(thread, &IQZorivuvThread::progress, &receiver,
            [&](qint64 d, qint64 t) {
                allInGuiThread = allInGuiThread && QThread::currentThread() == qApp->thread();
                done << d;
                total = t;
            },
            Qt::QueuedConnection);
    connect(thread, &IQZorivuvThread::zorivuvFinished, &receiver,
            [&](QImage, QImage, int errorCode, int) {
                code = errorCode;
                reportsBeforeResult = int(done.size());
            },
            Qt::QueuedConnection);
    QPointer<IQZorivuvThread> watched(thread);
    thread->start(QThread::InheritPriority);
    QTRY_VERIFY_WITH_TIMEOUT(watched.isNull(), 120000);

    QCOMPARE(code, 0);
    QVERIFY(allInGuiThread);
    // 20 photos and 45 rows of 60 cells, every report before the result.
    QCOMPARE(total, qint64(20 + 45));
    QCOMPARE(reportsBeforeResult, int(total));
    for (qsizetype i = 1; i < done.size(); ++i)
        QVERIFY(done[i] > done[i - 1]);
    QCOMPARE(done.last(), total);
    IQZorivuvEngine::globalInstance()->setBackgroundImage(QImage());
}

void TestIQZorivuvThread::cancelAtFirstReport()
{
    QTemporaryDir dir;
    prepareEngine(dir);
    IQZorivuvParam param;
    param.tile = QSize(4, 4);
    IQZorivuvEngine::globalInstance()->setThreadCount(2);

    QObject receiver;
    for (const bool cancelling : {true, false}) {
        auto* thread = new IQZorivuvThread(IQZorivuvEngine::globalInstance(), &param, QImage());
        int reports = 0;
        int code = -1;
        QImage mosaic;
        // Blocking, so that the run waits for the GUI thread's answer to
        // its first report: the cancel is then certain to come in time.
        connect(thread, &IQZorivuvThread::progress, &receiver,
                [&, thread, cancelling](qint64, qint64) {
                    if (++reports == 1 && cancelling)
                        thread->cancel();
                },
                Qt::BlockingQueuedConnection);
        connect(thread, &IQZorivuvThread::zorivuvFinished, &receiver,
                [&](QImage image, QImage, int errorCode, int) {
                    code = errorCode;
                    mosaic = image;
                },
                Qt::QueuedConnection);
        QPointer<IQZorivuvThread> watched(thread);
        thread->start(QThread::InheritPriority);
        QTRY_VERIFY_WITH_TIMEOUT(watched.isNull(), 120000);
        if (cancelling) {
            QCOMPARE(code, int(IQZorivuvEngine::Cancelled));
            QVERIFY(mosaic.isNull());
            QCOMPARE(reports, 1);
        } else {
            // The next run is not touched by the last one's cancel.
            QCOMPARE(code, 0);
            QVERIFY(!mosaic.isNull());
        }
    }
    IQZorivuvEngine::globalInstance()->setThreadCount(0);
    IQZorivuvEngine::globalInstance()->setBackgroundImage(QImage());
}

void TestIQZorivuvThread::poolTaskStaysItsMakers()
{
    // Run through its QRunnable side rather than started as a thread, the
    // worker is still there for its maker to delete when the pool is done.
    IQZorivuvParam param;
    param.tile = QSize(4, 4);
    auto* thread = new IQZorivuvThread(nullptr, &param, QImage()); // no engine: ends at once
    QSignalSpy finished(thread, &IQZorivuvThread::zorivuvFinished);
    QVERIFY2(ImageFixtures::runAsPoolTask(thread, thread), "the pool deleted the worker");
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(2).toInt(), int(IQZorivuvEngine::NoTarget));
    delete thread;
}

QTEST_MAIN(TestIQZorivuvThread)
#include "tst_iqzorivuvthread.moc"
