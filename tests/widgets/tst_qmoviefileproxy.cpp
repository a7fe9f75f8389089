#include "TinyGif.h"
#include "ViewerTestSupport.h"
#include "widgets/ImageViewerWidget.h"
#include "widgets/QMovieFileProxy.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray threeFrames()
{
    return TinyGif::animation(8, 6, {{0, 2}, {1, 3}, {2, 4}});
}

} // namespace

class TestQMovieFileProxy : public QObject
{
    Q_OBJECT

private slots:
    void readsFramesDelaysAndCount();
    void goesBackToFirstFrame();
    void readsAFile();
    void damagedData_data();
    void damagedData();
    void viewerPlaysTheGif();
    void typeIsRegistered();
};

// QMovie takes the time it spent decoding a frame off that frame's delay, so
// a loaded machine sees a little less than the stored delay, never more.
#define COMPARE_DELAY(delay, stored) \
    QVERIFY2((delay) <= (stored) && (delay) >= 0, qPrintable(QStringLiteral("%1 for %2").arg(delay).arg(stored)))

void TestQMovieFileProxy::readsFramesDelaysAndCount()
{
    QMovieFileProxy movie(threeFrames(), "gif");
    QVERIFY(movie.isValid());
    QCOMPARE(movie.frameCount(), 3);
    QCOMPARE(movie.format(), QByteArray("gif"));
    QVERIFY(movie.jumpToFrame(0));
    QCOMPARE(movie.currentFrameNumber(), 0);
    COMPARE_DELAY(movie.nextFrameDelay(), 20);
    QCOMPARE(movie.currentPixmap().size(), QSize(8, 6));
    QCOMPARE(movie.currentImage().pixelColor(4, 3), QColor(Qt::red));
    QVERIFY(movie.jumpToNextFrame());
    QCOMPARE(movie.currentFrameNumber(), 1);
    COMPARE_DELAY(movie.nextFrameDelay(), 30);
    QCOMPARE(movie.currentPixmap().toImage().pixelColor(0, 0), QColor(Qt::green));
    QVERIFY(movie.jumpToNextFrame());
    COMPARE_DELAY(movie.nextFrameDelay(), 40);
    QCOMPARE(movie.currentImage().pixelColor(7, 5), QColor(Qt::blue));
    QVERIFY(!movie.jumpToNextFrame()); // past the last frame
}

void TestQMovieFileProxy::goesBackToFirstFrame()
{
    QMovieFileProxy movie(threeFrames());
    QVERIFY(movie.jumpToFrame(0));
    QVERIFY(movie.jumpToNextFrame());
    QVERIFY(movie.jumpToNextFrame());
    QVERIFY(movie.jumpToFrame(0));
    QCOMPARE(movie.currentFrameNumber(), 0);
    QCOMPARE(movie.currentImage().pixelColor(0, 0), QColor(Qt::red));
}

void TestQMovieFileProxy::readsAFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("three-frames.gif"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(threeFrames());
    file.close();
    QMovieFileProxy movie(path);
    QVERIFY(movie.isValid());
    QCOMPARE(movie.frameCount(), 3);
    QVERIFY(movie.jumpToFrame(0));
    QCOMPARE(movie.currentImage().pixelColor(0, 0), QColor(Qt::red));

    QMovieFileProxy missing(dir.filePath(QStringLiteral("missing.gif")));
    QVERIFY(!missing.isValid());
}

void TestQMovieFileProxy::damagedData_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("valid");

    const QByteArray gif = threeFrames();
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("not a picture") << QByteArray("this is no animation at all") << false;
    QTest::newRow("header only") << gif.left(13) << true;
    QTest::newRow("cut in the last frame") << gif.left(gif.size() - 8) << true;
    QTest::newRow("cut after the first frame") << gif.left(gif.size() * 2 / 5) << true;
}

void TestQMovieFileProxy::damagedData()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, valid);

    // Never a crash; what can be read is read, the rest fails cleanly.
    QMovieFileProxy movie(data, "gif");
    QCOMPARE(movie.isValid(), valid);
    if (!valid)
        return;
    movie.jumpToFrame(0);
    int frames = 0;
    while (frames < 10 && movie.jumpToNextFrame())
        ++frames;
    QVERIFY(frames < 3);
    movie.lastErrorString();

    // The viewer shows what it can and stops without a crash.
    ImageViewerWidget widget;
    widget.resize(200, 150);
    widget.showAnimation(std::make_unique<QMovieFileProxy>(data, "gif"));
    QTest::qWait(150);
}

void TestQMovieFileProxy::viewerPlaysTheGif()
{
    ImageViewerWidget widget;
    widget.resize(320, 240);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QSignalSpy frames(&widget, &ImageViewerWidget::frameChanged);
    QSignalSpy duration(&widget, &ImageViewerWidget::durationChanged);
    QVERIFY(widget.showAnimation(std::make_unique<QMovieFileProxy>(threeFrames(), "gif")));
    QCOMPARE(duration.count(), 1);
    COMPARE_DELAY(duration.first().at(0).toInt(), 20);
    QCOMPARE(duration.first().at(1).toInt(), 3);
    QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 4, 3000);
    QList<QColor> seen;
    for (const auto& args : frames)
        seen << args.at(1).value<QImage>().pixelColor(0, 0);
    QCOMPARE(seen.mid(0, 4), QList<QColor>({Qt::red, Qt::green, Qt::blue, Qt::red}));
    // Small pictures are enlarged up to 4 times: 8 x 6 becomes 32 x 24.
    QCOMPARE(widget.currentScale(), 4.0);
    ViewerTest::keepGrab(widget.grab().toImage(), QStringLiteral("gif.png"));
}

void TestQMovieFileProxy::typeIsRegistered()
{
    const QMetaType type = QMetaType::fromName("QMovieProxy*");
    QVERIFY(type.isValid());
    QCOMPARE(type, QMetaType::fromType<QMovieProxy*>());
}

QTEST_MAIN(TestQMovieFileProxy)
#include "tst_qmoviefileproxy.moc"
