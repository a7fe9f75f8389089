#include "appliances/IQZorivuvEngine.h"
#include "appliances/IQZorivuvThread.h"

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
};

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

QTEST_MAIN(TestIQZorivuvThread)
#include "tst_iqzorivuvthread.moc"
