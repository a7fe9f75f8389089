#include "ViewerTestSupport.h"
#include "widgets/GraphicsImageViewer.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using namespace ViewerTest;

namespace {

// Every playback signal of a viewer, in the order they came.
struct SignalLog
{
    QStringList entries;

    explicit SignalLog(GraphicsImageViewer& v)
    {
        QObject::connect(&v, &GraphicsImageViewer::frameChanged, &v,
                         [this](int frame, const QImage& image) {
                             entries << QStringLiteral("frame %1 %2").arg(frame).arg(image.pixelColor(0, 0).name());
                         });
        QObject::connect(&v, &GraphicsImageViewer::durationChanged, &v, [this](int delay, int frames) {
            entries << QStringLiteral("duration %1 %2").arg(delay).arg(frames);
        });
        QObject::connect(&v, &GraphicsImageViewer::animationPaused, &v,
                         [this](bool paused) { entries << (paused ? "paused" : "playing"); });
        QObject::connect(&v, &GraphicsImageViewer::playbackFinished, &v, [this] { entries << "finished"; });
    }
};

const QString red = QColor(Qt::red).name();
const QString green = QColor(Qt::green).name();
const QString blue = QColor(Qt::blue).name();

int paintBlack(QPixmap* pixmap, void* data)
{
    ++*static_cast<int*>(data);
    pixmap->fill(Qt::black);
    return 0;
}

} // namespace

class TestAnimatedPlayback : public QObject
{
    Q_OBJECT

private slots:
    void playsOnceInOrderWithoutLoop();
    void loopsBackToFirstFrame();
    void switchingLoopOnRestartsFinishedPlayback();
    void pauseAndResume();
    void seeking_data();
    void seeking();
    void seekingBackwardsRestartsFromFirstFrame();
    void oneFrameIsShownButNotPlayed();
    void invalidSourceIsRefused();
    void frameCallbackChangesEachFrame();
    void decodingErrorStopsPlayback();
    void newFrameSizeRefitsSameSizeKeepsView();
    void stillPictureReplacesAnimation();
};

void TestAnimatedPlayback::playsOnceInOrderWithoutLoop()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.setLoopPlayback(false);
    SignalLog log(v);
    v.displayAnimation(std::make_unique<FakeMovie>());
    QVERIFY(v.hasAnimation());
    QVERIFY(v.isAnimationRunning());
    QTRY_VERIFY_WITH_TIMEOUT(log.entries.contains("finished"), 3000);
    QTest::qWait(100);
    const QStringList expected{"frame 0 " + red, "duration 20 3", "paused", "playing", "frame 1 " + green,
                               "frame 2 " + blue, "paused", "finished"};
    QCOMPARE(log.entries, expected);
    // The last frame stays on screen.
    QCOMPARE(shownColour(v), QColor(Qt::blue));
    QVERIFY(!v.isAnimationRunning());
}

void TestAnimatedPlayback::loopsBackToFirstFrame()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    QVERIFY(v.loopPlayback());
    SignalLog log(v);
    v.displayAnimation(std::make_unique<FakeMovie>());
    QTRY_VERIFY_WITH_TIMEOUT(log.entries.size() >= 8, 3000);
    const QStringList expected{"frame 0 " + red,   "duration 20 3",   "paused", "playing",
                               "frame 1 " + green, "frame 2 " + blue, "frame 0 " + red, "frame 1 " + green};
    QCOMPARE(log.entries.mid(0, 8), expected);
    QVERIFY(!log.entries.contains("finished"));
    v.stopAnimation();
    QVERIFY(!v.isAnimationRunning());
}

void TestAnimatedPlayback::switchingLoopOnRestartsFinishedPlayback()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.setLoopPlayback(false);
    QSignalSpy finished(&v, &GraphicsImageViewer::playbackFinished);
    v.displayAnimation(std::make_unique<FakeMovie>());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 3000);
    QVERIFY(!v.isAnimationRunning());
    v.setLoopPlayback(true);
    QVERIFY(v.isAnimationRunning());
    QTRY_COMPARE_WITH_TIMEOUT(shownColour(v), QColor(Qt::red), 3000);
    QCOMPARE(finished.count(), 1);
}

void TestAnimatedPlayback::pauseAndResume()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    QSignalSpy paused(&v, &GraphicsImageViewer::animationPaused);
    v.pauseResume(); // no source: nothing
    QCOMPARE(paused.count(), 0);
    auto movie = std::make_unique<FakeMovie>();
    movie->delays = {1000, 1000, 1000};
    v.displayAnimation(std::move(movie));
    paused.clear();
    v.pauseResume();
    QVERIFY(!v.isAnimationRunning());
    QCOMPARE(paused.count(), 1);
    QCOMPARE(paused.last().first().toBool(), true);
    v.pauseResume();
    QVERIFY(v.isAnimationRunning());
    QCOMPARE(paused.last().first().toBool(), false);
}

void TestAnimatedPlayback::seeking_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("result");

    QTest::newRow("next") << 0 << "next" << 1 << true;
    QTest::newRow("next wraps") << 2 << "next" << 0 << true;
    QTest::newRow("previous") << 2 << "prev" << 1 << true;
    QTest::newRow("previous wraps") << 0 << "prev" << 2 << true;
    QTest::newRow("to last") << 0 << "2" << 2 << true;
    QTest::newRow("to current") << 1 << "1" << 1 << true;
    QTest::newRow("past the end") << 1 << "3" << 1 << false;
    QTest::newRow("negative") << 1 << "-1" << 1 << false;
}

void TestAnimatedPlayback::seeking()
{
    QFETCH(int, from);
    QFETCH(QString, action);
    QFETCH(int, expected);
    QFETCH(bool, result);

    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    auto owned = std::make_unique<FakeMovie>();
    FakeMovie* movie = owned.get();
    v.displayAnimation(std::move(owned));
    v.stopAnimation();
    QVERIFY(v.showAnimationFrame(from));
    QSignalSpy frames(&v, &GraphicsImageViewer::frameChanged);
    if (action == "next")
        v.nextFrame();
    else if (action == "prev")
        v.prevFrame();
    else
        QCOMPARE(v.showAnimationFrame(action.toInt()), result);
    QCOMPARE(movie->currentFrameNumber(), expected);
    QCOMPARE(shownColour(v), movie->colours.at(expected));
    // Seeking shows the frame it reaches but never restarts the timer.
    QCOMPARE(frames.count(), result && expected != from ? 1 : 0);
    QVERIFY(!v.isAnimationRunning());
}

void TestAnimatedPlayback::seekingBackwardsRestartsFromFirstFrame()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    auto owned = std::make_unique<FakeMovie>();
    owned->colours = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan};
    owned->delays = {20, 20, 20, 20, 20};
    FakeMovie* movie = owned.get();
    v.displayAnimation(std::move(owned));
    v.stopAnimation();
    QVERIFY(v.showAnimationFrame(4));
    const int jumps = movie->jumpsToZero;
    const int steps = movie->steps;
    QVERIFY(v.showAnimationFrame(2));
    QCOMPARE(movie->jumpsToZero, jumps + 1);
    QCOMPARE(movie->steps, steps + 2);
    QCOMPARE(shownColour(v), QColor(Qt::blue));
}

void TestAnimatedPlayback::oneFrameIsShownButNotPlayed()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    SignalLog log(v);
    auto movie = std::make_unique<FakeMovie>();
    movie->colours = {Qt::green};
    v.displayAnimation(std::move(movie));
    QCOMPARE(shownColour(v), QColor(Qt::green));
    QVERIFY(!v.isAnimationRunning());
    v.startAnimation();
    QVERIFY(!v.isAnimationRunning());
    QCOMPARE(log.entries, QStringList({"frame 0 " + green, "duration 20 1"}));
}

void TestAnimatedPlayback::invalidSourceIsRefused()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.displayImage(solid(100, 80, Qt::magenta));
    auto movie = std::make_unique<FakeMovie>();
    movie->valid = false;
    v.displayAnimation(std::move(movie));
    QVERIFY(!v.hasAnimation());
    QCOMPARE(shownColour(v), QColor(Qt::magenta));

    // Valid, but its first frame cannot be decoded: refused just the same.
    movie = std::make_unique<FakeMovie>();
    movie->sizes = {QSize(0, 0)};
    QTest::ignoreMessage(QtDebugMsg, "[Error] QMovie: frame -1 is damaged");
    v.displayAnimation(std::move(movie));
    QVERIFY(!v.hasAnimation());
    QCOMPARE(shownColour(v), QColor(Qt::magenta));
}

void TestAnimatedPlayback::frameCallbackChangesEachFrame()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    int calls = 0;
    v.setAnimationCallback(&paintBlack, &calls);
    QSignalSpy frames(&v, &GraphicsImageViewer::frameChanged);
    v.displayAnimation(std::make_unique<FakeMovie>());
    QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 3, 3000);
    QVERIFY(calls >= 3);
    QCOMPARE(shownColour(v), QColor(Qt::black));
    QCOMPARE(frames.last().at(1).value<QImage>().pixelColor(0, 0), QColor(Qt::black));

    v.setAnimationCallback(nullptr, nullptr);
    v.stopAnimation();
    v.nextFrame();
    QVERIFY(shownColour(v) != QColor(Qt::black));
}

void TestAnimatedPlayback::decodingErrorStopsPlayback()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    SignalLog log(v);
    auto movie = std::make_unique<FakeMovie>();
    movie->failAt = 2;
    QTest::ignoreMessage(QtDebugMsg, "[Error] QMovie: frame 2 is damaged");
    v.displayAnimation(std::move(movie));
    QTRY_VERIFY_WITH_TIMEOUT(log.entries.size() >= 6, 3000);
    QTest::qWait(100);
    const QStringList expected{"frame 0 " + red, "duration 20 3", "paused", "playing", "frame 1 " + green, "paused"};
    QCOMPARE(log.entries, expected);
    QCOMPARE(shownColour(v), QColor(Qt::green));
    QVERIFY(!v.isAnimationRunning());
}

void TestAnimatedPlayback::newFrameSizeRefitsSameSizeKeepsView()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    auto owned = std::make_unique<FakeMovie>();
    owned->sizes = {QSize(800, 600), QSize(800, 600), QSize(1600, 1200)};
    v.displayAnimation(std::move(owned));
    v.stopAnimation();
    QCOMPARE(v.currentScale(), 0.5);
    v.zoom(0.9f);
    v.scrollPrecise(40, 30);
    const QPoint kept = scroll(&v);
    v.nextFrame(); // frame 1, same size
    QCOMPARE(v.currentScale(), double(0.9f));
    QCOMPARE(scroll(&v), kept);
    v.nextFrame(); // frame 2, twice the size: fitted anew
    QCOMPARE(v.currentScale(), 0.25);
    QCOMPARE(v.scaledRect().topLeft(), QPoint(0, 0));
    QCOMPARE(v.sourceSize(), QSize(1600, 1200));
}

void TestAnimatedPlayback::stillPictureReplacesAnimation()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.displayAnimation(std::make_unique<FakeMovie>());
    QVERIFY(v.isAnimationRunning());
    v.displayImage(solid(50, 50, Qt::white));
    QVERIFY(!v.hasAnimation());
    QTest::qWait(80);
    QCOMPARE(shownColour(v), QColor(Qt::white));
}

QTEST_MAIN(TestAnimatedPlayback)
#include "tst_animatedplayback.moc"
