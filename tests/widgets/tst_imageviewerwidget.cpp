#include "ViewerTestSupport.h"
#include "widgets/ImageViewerWidget.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

using namespace ViewerTest;

class TestImageViewerWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void constructedOnWithViewerShown();
    void takesTheGivenViewer();
    void nullPictureLeavesWidgetAsItWas();
    void stillPictureStopsAnimationFirst();
    void playbackControlsNeedAnAnimation();
    void seekStopsAndShowsFrame();
    void commandSignalsDriveTheViewer();
    void interactionOffAndOnAgainActsOnce();
    void scaleSignalsOnlyWhileVisible();
    void disabledViewerForwardsNoAnimationSignals();
    void playbackFinishedForwardedWhileOn();
    void setFitModeEmitsTheCommand_data();
    void setFitModeEmitsTheCommand();
    void cursorHidesAfterIdleAndComesBack();
    void mouseAndKeys();
    void grabShowsPicture();

private:
    ImageViewerWidget* m_widget = nullptr;
};

void TestImageViewerWidget::init()
{
    m_widget = new ImageViewerWidget;
    m_widget->resize(400, 300);
    m_widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_widget));
}

void TestImageViewerWidget::cleanup()
{
    delete m_widget;
    m_widget = nullptr;
}

void TestImageViewerWidget::constructedOnWithViewerShown()
{
    ImageViewerWidget& w = *m_widget;
    QVERIFY(w.imageViewerEnabled());
    QVERIFY(w.interactionEnabled());
    QVERIFY(w.viewer()->isVisible());
    QCOMPARE(w.viewer()->parentWidget(), &w);
    QCOMPARE(w.viewer()->geometry(), QRect(0, 0, 400, 300));
    QVERIFY(w.testAttribute(Qt::WA_MouseTracking));
    QVERIFY(!w.isDisplaying());
    QCOMPARE(w.sourceSize(), QSize(0, 0));
    QCOMPARE(w.maxScale(), 10.0);
}

void TestImageViewerWidget::takesTheGivenViewer()
{
    QPointer<GraphicsImageViewer> viewer = new GraphicsImageViewer;
    {
        ImageViewerWidget w(viewer);
        QCOMPARE(w.viewer(), viewer.data());
        QCOMPARE(viewer->parentWidget(), &w);
    }
    QVERIFY(viewer.isNull());
}

void TestImageViewerWidget::nullPictureLeavesWidgetAsItWas()
{
    ImageViewerWidget& w = *m_widget;
    QVERIFY(w.showImage(solid(100, 80, Qt::red)));
    QVERIFY(!w.showImage(std::unique_ptr<QPixmap>()));
    QVERIFY(!w.showImage(QImage()));
    QVERIFY(!w.showAnimation(nullptr));
    w.updateShownImage(nullptr);
    w.updateShownImage2(nullptr);
    QCOMPARE(w.displayedImage().pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(w.sourceSize(), QSize(100, 80));

    w.disableImageViewer();
    QVERIFY(!w.showImage(nullptr));
    QVERIFY(!w.imageViewerEnabled());
    // Any real picture switches the viewer back on.
    QVERIFY(w.showImage(QImage(10, 10, QImage::Format_RGB32)));
    QVERIFY(w.imageViewerEnabled());
    QVERIFY(w.viewer()->isVisible());
}

void TestImageViewerWidget::stillPictureStopsAnimationFirst()
{
    ImageViewerWidget& w = *m_widget;
    QVERIFY(w.showAnimation(std::make_unique<FakeMovie>()));
    QVERIFY(w.viewer()->isAnimationRunning());
    QSignalSpy paused(&w, &ImageViewerWidget::animationPaused);
    QVERIFY(w.showImage(solid(60, 40, Qt::yellow)));
    // Paused before the still picture took over.
    QVERIFY(!paused.isEmpty());
    QCOMPARE(paused.first().first().toBool(), true);
    QVERIFY(!w.viewer()->hasAnimation());
    QTest::qWait(60);
    QCOMPARE(w.displayedImage().pixelColor(0, 0), QColor(Qt::yellow));
}

void TestImageViewerWidget::playbackControlsNeedAnAnimation()
{
    ImageViewerWidget& w = *m_widget;
    w.showImage(solid(60, 40, Qt::yellow));
    QSignalSpy paused(&w, &ImageViewerWidget::animationPaused);
    w.startPlayback();
    w.stopPlayback();
    w.pauseResumePlayback();
    w.frameStep();
    w.frameStepBack();
    w.seek(1);
    QCOMPARE(paused.count(), 0);
    QCOMPARE(w.displayedImage().pixelColor(0, 0), QColor(Qt::yellow));

    w.showAnimation(std::make_unique<FakeMovie>());
    w.stopPlayback();
    QVERIFY(!w.viewer()->isAnimationRunning());
    w.startPlayback();
    QVERIFY(w.viewer()->isAnimationRunning());
    w.pauseResumePlayback();
    QVERIFY(!w.viewer()->isAnimationRunning());
}

void TestImageViewerWidget::seekStopsAndShowsFrame()
{
    ImageViewerWidget& w = *m_widget;
    w.showAnimation(std::make_unique<FakeMovie>());
    QSignalSpy frames(&w, &ImageViewerWidget::frameChanged);
    w.seek(2);
    QVERIFY(!w.viewer()->isAnimationRunning());
    QCOMPARE(frames.count(), 1);
    QCOMPARE(frames.first().at(0).toInt(), 2);
    QCOMPARE(w.displayedImage().pixelColor(0, 0), QColor(Qt::blue));
    w.frameStep();
    QCOMPARE(w.displayedImage().pixelColor(0, 0), QColor(Qt::red));
    w.frameStepBack();
    w.frameStepBack();
    QCOMPARE(w.displayedImage().pixelColor(0, 0), QColor(Qt::green));
    QVERIFY(!w.viewer()->isAnimationRunning());
}

void TestImageViewerWidget::commandSignalsDriveTheViewer()
{
    ImageViewerWidget& w = *m_widget;
    w.showImage(picture(800, 600));
    QCOMPARE(w.currentScale(), 0.5);
    emit w.zoomIn();
    QCOMPARE(w.currentScale(), double(float(0.6)));
    w.slotZoomOut(); // 0.48, held at the minimum, the fit-window scale
    QCOMPARE(w.currentScale(), 0.5);
    QCOMPARE(w.fitMode(), FitWindow);
    emit w.fitOriginal();
    QCOMPARE(w.fitMode(), FitOriginal);
    QCOMPARE(w.currentScale(), 1.0);
    emit w.fitWidth();
    QCOMPARE(w.fitMode(), FitWidth);
    emit w.fitWindow();
    QCOMPARE(w.fitMode(), FitWindow);
    w.slotZoom(2.0);
    QCOMPARE(w.currentScale(), 2.0);
    emit w.setFilterNearest();
    QCOMPARE(w.scalingFilter(), FilterNearest);
    emit w.setFilterBilinear();
    QCOMPARE(w.scalingFilter(), FilterBilinear);
    const int y = w.viewer()->verticalScrollBar()->value();
    emit w.scrollDown();
    QTRY_COMPARE_WITH_TIMEOUT(w.viewer()->verticalScrollBar()->value(), y + 220, 3000);
    emit w.toggleLockView();
    QVERIFY(w.lockViewEnabled());
    QVERIFY(!w.imageRect().isNull());

    QSignalSpy out(&w, &ImageViewerWidget::draggedOut);
    emit w.viewer()->draggedOut();
    QCOMPARE(out.count(), 1);
}

void TestImageViewerWidget::interactionOffAndOnAgainActsOnce()
{
    ImageViewerWidget& w = *m_widget;
    w.showImage(picture(800, 600));
    w.disableInteraction();
    QVERIFY(!w.interactionEnabled());
    QVERIFY(!w.viewer()->interactionEnabled());
    emit w.toggleLockZoom();
    emit w.zoomIn();
    QVERIFY(!w.lockZoomEnabled());
    QCOMPARE(w.currentScale(), 0.5);
    QSignalSpy out(&w, &ImageViewerWidget::draggedOut);
    emit w.viewer()->draggedOut();
    QCOMPARE(out.count(), 0);

    w.enableInteraction();
    w.enableInteraction(); // a second call wires nothing twice
    emit w.toggleLockZoom();
    QVERIFY(w.lockZoomEnabled());
    emit w.toggleLockZoom();
    QVERIFY(!w.lockZoomEnabled());
    emit w.viewer()->draggedOut();
    QCOMPARE(out.count(), 1);
}

void TestImageViewerWidget::scaleSignalsOnlyWhileVisible()
{
    ImageViewerWidget& w = *m_widget;
    w.showImage(picture(800, 600));
    QSignalSpy scale(&w, &ImageViewerWidget::scaleChanged);
    QSignalSpy range(&w, &ImageViewerWidget::scaleRangeChanged);
    w.slotZoom(0.7);
    QCOMPARE(scale.count(), 1);
    QCOMPARE(scale.first().first().toDouble(), double(0.7f));
    w.hide();
    scale.clear();
    range.clear();
    w.slotZoom(0.9);
    w.viewer()->displayImage(picture(500, 500));
    QCOMPARE(scale.count(), 0);
    QCOMPARE(range.count(), 0);
    // Hidden is only quiet: the viewer still works.
    QCOMPARE(w.sourceSize(), QSize(500, 500));
}

void TestImageViewerWidget::disabledViewerForwardsNoAnimationSignals()
{
    ImageViewerWidget& w = *m_widget;
    w.showImage(picture(800, 600));
    w.disableImageViewer();
    QVERIFY(!w.viewer()->isVisible());
    QVERIFY(!w.viewer()->isDisplaying());
    QCOMPARE(w.currentScale(), 1.0);
    QCOMPARE(w.sourceSize(), QSize(0, 0));
    QVERIFY(w.imageRect().isNull());
    QVERIFY(!w.isDisplaying());

    QSignalSpy frames(&w, &ImageViewerWidget::frameChanged);
    QSignalSpy duration(&w, &ImageViewerWidget::durationChanged);
    w.viewer()->displayAnimation(std::make_unique<FakeMovie>());
    QCOMPARE(frames.count(), 0);
    QCOMPARE(duration.count(), 0);
    w.enableImageViewer();
    w.enableImageViewer();
    w.viewer()->nextFrame();
    QCOMPARE(frames.count(), 1); // connected once
}

void TestImageViewerWidget::playbackFinishedForwardedWhileOn()
{
    ImageViewerWidget& w = *m_widget;
    w.setLoopPlayback(false);
    QSignalSpy finished(&w, &ImageViewerWidget::playbackFinished);
    w.showAnimation(std::make_unique<FakeMovie>());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 3000);

    w.disableImageViewer();
    emit w.viewer()->playbackFinished();
    QCOMPARE(finished.count(), 1);
}

void TestImageViewerWidget::setFitModeEmitsTheCommand_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("signal");
    QTest::newRow("window") << int(FitWindow) << "fitWindow";
    QTest::newRow("width") << int(FitWidth) << "fitWidth";
    QTest::newRow("original") << int(FitOriginal) << "fitOriginal";
    QTest::newRow("free") << int(FitFree) << "";
}

void TestImageViewerWidget::setFitModeEmitsTheCommand()
{
    QFETCH(int, mode);
    QFETCH(QString, signal);
    ImageViewerWidget& w = *m_widget;
    QStringList emitted;
    connect(&w, &ImageViewerWidget::fitWindow, &w, [&] { emitted << "fitWindow"; });
    connect(&w, &ImageViewerWidget::fitWidth, &w, [&] { emitted << "fitWidth"; });
    connect(&w, &ImageViewerWidget::fitOriginal, &w, [&] { emitted << "fitOriginal"; });
    w.setFitMode(ImageFitMode(mode));
    QCOMPARE(emitted, signal.isEmpty() ? QStringList() : QStringList{signal});
}

void TestImageViewerWidget::cursorHidesAfterIdleAndComesBack()
{
    ImageViewerWidget& w = *m_widget;
    QCOMPARE(w.cursorInterval(), 1000);
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.setAttribute(Qt::WA_UnderMouse, true);
    w.showImage(picture(200, 100));
    QVERIFY(w.cursorTimerActive());
    w.hideCursor(); // what the timer does when it fires
    QVERIFY(!w.cursorTimerActive());
    QCOMPARE(w.cursor().shape(), Qt::BlankCursor);

    // Moving the mouse brings it back and starts the count again.
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), QPointF(w.mapToGlobal(QPoint(10, 10))), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &move);
    QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);
    QVERIFY(w.cursorTimerActive());
    QTRY_COMPARE_WITH_TIMEOUT(w.cursor().shape(), Qt::BlankCursor, 3000);

    w.closeImage();
    QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);
    w.hideCursor();
    QCOMPARE(w.cursor().shape(), Qt::ArrowCursor); // nothing shown: the cursor stays
}

void TestImageViewerWidget::mouseAndKeys()
{
    ImageViewerWidget& w = *m_widget;
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(w.mapToGlobal(QPoint(5, 5))), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &press);
    QVERIFY(!press.isAccepted());
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    key.ignore();
    QApplication::sendEvent(&w, &key);
    QVERIFY(key.isAccepted());
}

void TestImageViewerWidget::grabShowsPicture()
{
    ImageViewerWidget& w = *m_widget;
    w.showImage(picture(640, 480));
    const QImage shot = w.grab().toImage();
    keepGrab(shot, QStringLiteral("imageviewerwidget.png"));
    // Fitted at 0.625 to fill 400 x 300; red grows to the right, green downwards.
    QVERIFY(shot.pixelColor(5, 150).red() < 20);
    QVERIFY(shot.pixelColor(394, 150).red() > 235);
    QVERIFY(shot.pixelColor(200, 5).green() < 20);
    QVERIFY(shot.pixelColor(200, 294).green() > 235);
}

QTEST_MAIN(TestImageViewerWidget)
#include "tst_imageviewerwidget.moc"
