#include "desktop/SlideshowWindow.h"

#include <QtTest>

namespace {

const QStringList threePaths{QStringLiteral("/photos/a.jpg"), QStringLiteral("/photos/trip/b.png"),
                             QStringLiteral("relative/c.tif")};

// A loader that paints each picture in its own colour and records its calls.
struct ColourLoader
{
    QStringList calls;

    SlideshowLoader loader()
    {
        return [this](const QString& path) {
            calls.append(path);
            QImage image(80, 60, QImage::Format_RGB32);
            image.fill(path.endsWith(QLatin1String("a.jpg"))   ? Qt::red
                       : path.endsWith(QLatin1String("b.png")) ? Qt::green
                                                                : Qt::blue);
            return image;
        };
    }
};

void fireTimer(SlideshowWindow* window)
{
    QVERIFY(QMetaObject::invokeMethod(window->autoPlayTimer(), "timeout"));
}

void closeRunning()
{
    if (SlideshowWindow* window = SlideshowWindow::current())
        window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestSlideshowWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void startsFullScreenAtTheFirstPicturePlaying();
    void timerAdvancesAndWraps();
    void keysStepPauseAndClose();
    void withoutLoaderNamesOnly();
    void secondStartReplacesTheFirst();
    void emptyListOpensNothing();
};

void TestSlideshowWindow::cleanup()
{
    closeRunning();
    QVERIFY(!SlideshowWindow::current());
}

void TestSlideshowWindow::startsFullScreenAtTheFirstPicturePlaying()
{
    ColourLoader colours;
    SlideshowWindow* window = SlideshowWindow::start(threePaths, colours.loader());
    QVERIFY(window);
    QCOMPARE(SlideshowWindow::current(), window);
    QVERIFY(window->isVisible());
    QVERIFY(window->windowState() & Qt::WindowFullScreen);
    QCOMPARE(window->numberOfSlideshowItems(), 3);
    QCOMPARE(window->currentIndex(), 0);
    QVERIFY(!window->isPaused());
    QCOMPARE(window->autoPlayTimer()->interval(), 1500);
    QVERIFY(!window->autoPlayTimer()->isSingleShot());
    // Only the picture on screen has been loaded.
    QCOMPARE(colours.calls, QStringList{threePaths.at(0)});
    QCOMPARE(window->currentImage().pixel(0, 0), qRgb(255, 0, 0));

    // The picture sits in the middle of a black screen.
    const QImage shot = window->grab().toImage();
    QCOMPARE(QColor(shot.pixel(shot.width() / 2, shot.height() / 3)), QColor(Qt::red));
    QCOMPARE(QColor(shot.pixel(0, 0)), QColor(Qt::black));
}

void TestSlideshowWindow::timerAdvancesAndWraps()
{
    ColourLoader colours;
    SlideshowWindow* window = SlideshowWindow::start(threePaths, colours.loader());
    QVERIFY(window);
    // The ticks below come from the test alone, however slow the machine.
    window->autoPlayTimer()->stop();
    const QStringList expectedNames{QStringLiteral("a.jpg"), QStringLiteral("b.png"), QStringLiteral("c.tif")};
    const QList<QRgb> expectedColours{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    // Five ticks from index 0: 1, 2, then wrap to 0, 1, 2.
    for (int tick = 1; tick <= 5; ++tick) {
        fireTimer(window);
        const int index = tick % 3;
        QCOMPARE(window->currentIndex(), index);
        QCOMPARE(window->nameOfSlideshowItemAtIndex(index), expectedNames.at(index));
        QCOMPARE(window->currentImage().pixel(0, 0), expectedColours.at(index));
    }
    QCOMPARE(colours.calls.size(), 6);
    QCOMPARE(colours.calls.last(), threePaths.at(2));
    QCOMPARE(window->nameOfSlideshowItemAtIndex(3), QString());
    QVERIFY(window->slideshowItemAtIndex(-1).isNull());
}

void TestSlideshowWindow::keysStepPauseAndClose()
{
    ColourLoader colours;
    QPointer<SlideshowWindow> window = SlideshowWindow::start(threePaths, colours.loader());
    QVERIFY(window);
    QTest::keyClick(window, Qt::Key_Left); // back from the first wraps to the last
    QCOMPARE(window->currentIndex(), 2);
    QTest::keyClick(window, Qt::Key_Right);
    QCOMPARE(window->currentIndex(), 0);
    QTest::keyClick(window, Qt::Key_Space);
    QVERIFY(window->isPaused());
    QTest::keyClick(window, Qt::Key_Right); // steps while paused stay paused
    QCOMPARE(window->currentIndex(), 1);
    QVERIFY(window->isPaused());
    QTest::keyClick(window, Qt::Key_Space);
    QVERIFY(!window->isPaused());

    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!SlideshowWindow::current() || !SlideshowWindow::current()->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
    QVERIFY(!SlideshowWindow::current());
}

void TestSlideshowWindow::withoutLoaderNamesOnly()
{
    SlideshowWindow* window = SlideshowWindow::start(threePaths, SlideshowLoader());
    QVERIFY(window);
    QVERIFY(window->slideshowItemAtIndex(0).isNull());
    QVERIFY(window->currentImage().isNull());
    QCOMPARE(window->nameOfSlideshowItemAtIndex(1), QStringLiteral("b.png"));
    window->autoPlayTimer()->stop();
    fireTimer(window);
    QCOMPARE(window->currentIndex(), 1);
    // No picture: the middle of the screen stays black.
    const QImage shot = window->grab().toImage();
    QCOMPARE(QColor(shot.pixel(shot.width() / 2, shot.height() / 3)), QColor(Qt::black));
}

void TestSlideshowWindow::secondStartReplacesTheFirst()
{
    ColourLoader colours;
    QPointer<SlideshowWindow> first = SlideshowWindow::start(threePaths, colours.loader());
    QVERIFY(first);
    SlideshowWindow* second = SlideshowWindow::start({QStringLiteral("/x/only.jpg")}, SlideshowLoader());
    QVERIFY(second);
    QCOMPARE(SlideshowWindow::current(), second);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QCOMPARE(second->numberOfSlideshowItems(), 1);
    // One picture: the show wraps onto itself.
    fireTimer(second);
    QCOMPARE(second->currentIndex(), 0);
}

void TestSlideshowWindow::emptyListOpensNothing()
{
    QPointer<SlideshowWindow> first = SlideshowWindow::start(threePaths, SlideshowLoader());
    QVERIFY(first);
    QVERIFY(!SlideshowWindow::start({}, SlideshowLoader()));
    QVERIFY(!SlideshowWindow::current());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
}

QTEST_MAIN(TestSlideshowWindow)
#include "tst_slideshowwindow.moc"
