#include "ViewerTestSupport.h"
#include "widgets/BAImageViewerWidget.h"

#include <QSignalSpy>
#include <QtTest>

using namespace ViewerTest;

class TestBAImageViewerWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void constructedWithOnlyTheAfterViewer();
    void sameSizeMirrorsScrollAndZoomBothWays();
    void differentSizesDoNotMirror();
    void setSyncMoveAlignsAfterToBefore();
    void updatesDecideSyncMove();
    void nullPictureIsRefused();
    void beforeAfterModeNeedsViewersOn();
    void rangeComesFromAfterViewerOnly();
    void commandsDriveBothViewers();
    void interactionOffAndOnAgainActsOnce();
    void layoutDirectionAndMargins();
    void grabShowsBothPictures();

private:
    // Both viewers visible side by side, each about 299 x 298.
    void showBoth(std::unique_ptr<QPixmap> before, std::unique_ptr<QPixmap> after)
    {
        QVERIFY(m_widget->resetImages(std::move(before), std::move(after)));
        m_widget->setBA(true);
        QTest::qWait(20);
    }

    BAImageViewerWidget* m_widget = nullptr;
};

void TestBAImageViewerWidget::init()
{
    m_widget = new BAImageViewerWidget;
    m_widget->resize(601, 300);
    m_widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_widget));
}

void TestBAImageViewerWidget::cleanup()
{
    delete m_widget;
    m_widget = nullptr;
}

void TestBAImageViewerWidget::constructedWithOnlyTheAfterViewer()
{
    BAImageViewerWidget& w = *m_widget;
    QVERIFY(w.imageViewerEnabled());
    QVERIFY(w.interactionEnabled());
    QVERIFY(!w.isBA());
    QVERIFY(!w.isSyncMove());
    QVERIFY(w.afterViewer()->isVisible());
    QVERIFY(!w.beforeViewer()->isVisible());
    QVERIFY(!w.afterViewer()->expandImage());
    QVERIFY(!w.beforeViewer()->expandImage());
    QCOMPARE(w.currentScale(), 1.0f);
    QCOMPARE(w.sourceSize(), QSize(0, 0));
}

void TestBAImageViewerWidget::sameSizeMirrorsScrollAndZoomBothWays()
{
    BAImageViewerWidget& w = *m_widget;
    showBoth(picture(1200, 900), picture(1200, 900));
    QVERIFY(w.isSyncMove());
    GraphicsImageViewer* before = w.beforeViewer();
    GraphicsImageViewer* after = w.afterViewer();
    QCOMPARE(before->size(), after->size());
    QSignalSpy scale(&w, &BAImageViewerWidget::scaleChanged);

    after->zoom(1.0f);
    QCOMPARE(before->currentScale(), 1.0);
    QCOMPARE(scale.count(), 1);
    after->scrollPrecise(70, -40);
    QCOMPARE(scroll(before), scroll(after));

    before->scrollPrecise(-150, 90);
    QCOMPARE(scroll(after), scroll(before));
    before->zoomIn();
    QCOMPARE(after->currentScale(), before->currentScale());
    QCOMPARE(scroll(after), scroll(before));

    // A drag in one viewer moves the other with it.
    mouse(*before, QEvent::MouseButtonPress, QPoint(100, 100));
    mouse(*before, QEvent::MouseMove, QPoint(60, 80));
    mouse(*before, QEvent::MouseButtonRelease, QPoint(60, 80));
    QCOMPARE(scroll(after), scroll(before));
    QCOMPARE(after->scaledRect(), before->scaledRect());
}

void TestBAImageViewerWidget::differentSizesDoNotMirror()
{
    BAImageViewerWidget& w = *m_widget;
    showBoth(picture(1200, 900), picture(1000, 900));
    QVERIFY(!w.isSyncMove());
    QVERIFY(!w.canSyncMove());
    GraphicsImageViewer* before = w.beforeViewer();
    GraphicsImageViewer* after = w.afterViewer();
    const double beforeScale = before->currentScale();
    const QPoint beforeScroll = scroll(before);
    after->zoom(1.0f);
    after->scrollPrecise(70, -40);
    QCOMPARE(before->currentScale(), beforeScale);
    QCOMPARE(scroll(before), beforeScroll);
    const QPoint afterScroll = scroll(after);
    before->zoom(1.5f);
    QCOMPARE(after->currentScale(), 1.0);
    QCOMPARE(scroll(after), afterScroll);

    w.setSyncMove(true);
    QVERIFY(!w.isSyncMove());
}

void TestBAImageViewerWidget::setSyncMoveAlignsAfterToBefore()
{
    BAImageViewerWidget& w = *m_widget;
    showBoth(picture(1200, 900), picture(1200, 900));
    w.setSyncMove(false);
    QVERIFY(!w.isSyncMove());
    GraphicsImageViewer* before = w.beforeViewer();
    GraphicsImageViewer* after = w.afterViewer();
    before->zoom(1.25f);
    before->scrollPrecise(33, 44);
    QVERIFY(after->currentScale() != 1.25);
    w.setSyncMove(true);
    QVERIFY(w.isSyncMove());
    QCOMPARE(after->currentScale(), 1.25);
    QCOMPARE(scroll(after), scroll(before));
}

void TestBAImageViewerWidget::updatesDecideSyncMove()
{
    BAImageViewerWidget& w = *m_widget;
    showBoth(picture(1200, 900), picture(1200, 900));
    QVERIFY(w.isSyncMove());
    w.updateAfterImage(picture(600, 450), true);
    QVERIFY(!w.isSyncMove());
    w.updateBeforeImage(picture(600, 450), false);
    QVERIFY(w.isSyncMove());
    w.updateAfterImage(nullptr, true);
    QVERIFY(w.isSyncMove());
    QCOMPARE(w.afterImage().size(), QSize(600, 450));
    QCOMPARE(w.beforeImage().size(), QSize(600, 450));
    w.closeImage();
    QVERIFY(w.afterImage().isNull());
    QVERIFY(w.beforeImage().isNull());
    QVERIFY(!w.canSyncMove());
}

void TestBAImageViewerWidget::nullPictureIsRefused()
{
    BAImageViewerWidget& w = *m_widget;
    QVERIFY(w.resetImages(solid(50, 50, Qt::red), solid(50, 50, Qt::blue)));
    QVERIFY(!w.resetImages(nullptr, solid(50, 50, Qt::green)));
    QVERIFY(!w.resetImages(solid(50, 50, Qt::green), nullptr));
    QCOMPARE(w.beforeImage().pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(w.afterImage().pixelColor(0, 0), QColor(Qt::blue));
}

void TestBAImageViewerWidget::beforeAfterModeNeedsViewersOn()
{
    BAImageViewerWidget& w = *m_widget;
    w.disableImageViewer();
    QVERIFY(!w.afterViewer()->isVisible());
    w.setBA(true);
    QVERIFY(!w.isBA());
    QVERIFY(!w.beforeViewer()->isVisible());
    QVERIFY(w.imageRect().isNull());
    QCOMPARE(w.currentScale(), 1.0f);

    // Pictures switch the viewers on again, the before viewer only in before/after mode.
    QVERIFY(w.resetImages(solid(50, 50, Qt::red), solid(50, 50, Qt::blue)));
    QVERIFY(w.imageViewerEnabled());
    QVERIFY(w.afterViewer()->isVisible());
    QVERIFY(!w.beforeViewer()->isVisible());
    w.setBA(true);
    QVERIFY(w.isBA());
    QVERIFY(w.beforeViewer()->isVisible());
    w.setBA(false);
    QVERIFY(!w.beforeViewer()->isVisible());
}

void TestBAImageViewerWidget::rangeComesFromAfterViewerOnly()
{
    BAImageViewerWidget& w = *m_widget;
    showBoth(picture(1200, 900), picture(1200, 900));
    QSignalSpy range(&w, &BAImageViewerWidget::scaleRangeChanged);
    w.beforeViewer()->displayImage(picture(800, 800));
    QCOMPARE(range.count(), 0);
    w.afterViewer()->displayImage(picture(800, 800));
    QVERIFY(range.count() >= 1);
    QCOMPARE(range.last().at(0).toDouble(), w.afterViewer()->minimumScale());
    QCOMPARE(w.minScale(), w.afterViewer()->minimumScale());
    QCOMPARE(w.maxScale(), 10.0);
}

void TestBAImageViewerWidget::commandsDriveBothViewers()
{
    BAImageViewerWidget& w = *m_widget;
    showBoth(picture(1200, 900), picture(1000, 900)); // no mirroring: each acts on its own
    w.slotZoom(1.5);
    QCOMPARE(w.beforeViewer()->currentScale(), 1.5);
    QCOMPARE(w.afterViewer()->currentScale(), 1.5);
    QCOMPARE(w.currentScale(), 1.5f);
    w.setFitMode(FitOriginal);
    QCOMPARE(w.beforeViewer()->fitMode(), FitOriginal);
    QCOMPARE(w.fitMode(), FitOriginal);
    emit w.setFilterNearest();
    QCOMPARE(w.beforeViewer()->scalingFilter(), FilterNearest);
    QCOMPARE(w.scalingFilter(), FilterNearest);
    w.setZoomStep(0.5);
    w.slotZoomIn();
    QCOMPARE(w.beforeViewer()->currentScale(), 1.5);
    QCOMPARE(w.afterViewer()->currentScale(), 1.5);
    QSignalSpy out(&w, &BAImageViewerWidget::draggedOut);
    emit w.beforeViewer()->draggedOut();
    emit w.afterViewer()->draggedOut();
    QCOMPARE(out.count(), 2);
}

void TestBAImageViewerWidget::interactionOffAndOnAgainActsOnce()
{
    BAImageViewerWidget& w = *m_widget;
    showBoth(picture(1200, 900), picture(1200, 900));
    w.disableInteraction();
    QVERIFY(w.afterViewer()->testAttribute(Qt::WA_TransparentForMouseEvents));
    QVERIFY(!w.beforeViewer()->interactionEnabled());
    emit w.toggleLockZoom();
    QVERIFY(!w.afterViewer()->lockZoomEnabled());
    w.enableInteraction();
    w.enableInteraction();
    QVERIFY(!w.afterViewer()->testAttribute(Qt::WA_TransparentForMouseEvents));
    emit w.toggleLockZoom();
    QVERIFY(w.afterViewer()->lockZoomEnabled());
    QVERIFY(w.beforeViewer()->lockZoomEnabled());
    QVERIFY(w.lockZoomEnabled());
}

void TestBAImageViewerWidget::layoutDirectionAndMargins()
{
    BAImageViewerWidget& w = *m_widget;
    showBoth(solid(50, 50, Qt::red), solid(50, 50, Qt::blue));
    QCOMPARE(w.beforeViewer()->geometry(), QRect(1, 1, 299, 298));
    QCOMPARE(w.afterViewer()->geometry(), QRect(301, 1, 299, 298));
    w.setDisplayDirection(QBoxLayout::TopToBottom);
    w.setLayoutMargin(0, 0, 0, 0);
    QTRY_COMPARE(w.beforeViewer()->geometry().top(), 0);
    // Stacked, before on top, one pixel of spacing between.
    QCOMPARE(w.afterViewer()->geometry().top(), w.beforeViewer()->geometry().bottom() + 2);
    QCOMPARE(w.afterViewer()->geometry().bottom(), 299);
}

void TestBAImageViewerWidget::grabShowsBothPictures()
{
    BAImageViewerWidget& w = *m_widget;
    showBoth(solid(200, 100, QColor(180, 30, 30)), solid(200, 100, QColor(30, 30, 180)));
    const QImage shot = w.grab().toImage();
    keepGrab(shot, QStringLiteral("beforeafter.png"));
    QCOMPARE(shot.pixelColor(150, 150), QColor(180, 30, 30));
    QCOMPARE(shot.pixelColor(450, 150), QColor(30, 30, 180));
    QCOMPARE(shot.pixelColor(150, 20), QColor(34, 34, 34));
}

QTEST_MAIN(TestBAImageViewerWidget)
#include "tst_baimageviewerwidget.moc"
