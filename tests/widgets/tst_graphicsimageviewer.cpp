#include "ViewerTestSupport.h"
#include "widgets/GraphicsImageViewer.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimeLine>
#include <QTimer>
#include <QtTest>

using namespace ViewerTest;

namespace {

// Counts the paint events a widget receives.
struct PaintCounter : QObject
{
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

} // namespace

class TestGraphicsImageViewer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startsEmptyWithItsSettings();
    void fitModes_data();
    void fitModes();
    void zoomStepsAndLimits_data();
    void zoomStepsAndLimits();
    void zoomKeepsCentreSpot();
    void zoomLocksKeepScaleForNextPicture();
    void viewLockKeepsScaleAndSpot();
    void togglingALockTwiceSwitchesItOff();
    void threeQuickScrollsAccelerate();
    void scrollNeverLeavesAGap();
    void burstOfResizesRequestsOneScaledCopy();
    void noScaledCopyAtNaturalSizeOrAbove();
    void updateKeepsZoomForSameSize();
    void updateOfAnotherSizeIsCentred();
    void nullPicturesAreIgnored();
    void closeImageEmpties();
    void sceneAndTimelinesAreOwned();
    void scrollFrameDoesNotRunTheEventLoop();
    void showDoesNotRunTheEventLoop();
    void transformationModeFollowsFilter();
    void grabShowsPicture();
};

void TestGraphicsImageViewer::initTestCase()
{
    qRegisterMetaType<ScalingFilter>();
}

void TestGraphicsImageViewer::startsEmptyWithItsSettings()
{
    GraphicsImageViewer viewer;
    QVERIFY(!viewer.isDisplaying());
    QCOMPARE(viewer.sourceSize(), QSize(0, 0));
    QCOMPARE(viewer.scaledSize(), QSize(0, 0));
    QVERIFY(viewer.imageFits());
    QCOMPARE(viewer.fitMode(), FitWindow);
    QCOMPARE(viewer.scalingFilter(), FilterBilinear);
    QCOMPARE(viewer.zoomStep(), 0.2);
    QVERIFY(viewer.expandImage());
    QCOMPARE(viewer.maximalScale(), 10.0);
    QCOMPARE(viewer.imageScrolling(), ImageScrollingDefault);
    QCOMPARE(viewer.scene()->sceneRect(), QRectF(0, 0, 200000, 200000));
    QCOMPARE(viewer.scene()->backgroundBrush().color(), QColor(34, 34, 34));
    QCOMPARE(viewer.focusPolicy(), Qt::NoFocus);
    QCOMPARE(viewer.displayedPixmap().isNull(), true);
    QCOMPARE(viewer.displayedImage().isNull(), true);
    // The view itself never scales: the zoom lives in the item.
    QVERIFY(viewer.transform().isIdentity());
}

void TestGraphicsImageViewer::fitModes_data()
{
    QTest::addColumn<QSize>("view");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<bool>("expand");
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("scale");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<QPoint>("topLeft"); // of the picture in the viewport

    const QSize view(400, 300);
    // Window: min(400/w, 300/h); a picture that fits has minimum 1.0.
    QTest::newRow("window, same aspect") << view << QSize(800, 600) << true << int(FitWindow) << 0.5 << 0.5 << QPoint(0, 0);
    QTest::newRow("window, wide") << view << QSize(1000, 300) << true << int(FitWindow) << 0.4 << 0.4 << QPoint(0, 90);
    QTest::newRow("window, tall") << view << QSize(300, 1500) << true << int(FitWindow) << 0.2 << 0.2 << QPoint(170, 0);
    QTest::newRow("window, small, expanded") << view << QSize(100, 50) << true << int(FitWindow) << 4.0 << 1.0 << QPoint(0, 50);
    QTest::newRow("window, tiny, expand capped") << view << QSize(50, 20) << true << int(FitWindow) << 4.0 << 1.0 << QPoint(100, 110);
    QTest::newRow("window, small, not expanded") << view << QSize(100, 50) << false << int(FitWindow) << 1.0 << 1.0 << QPoint(150, 125);
    QTest::newRow("window, exact") << view << QSize(400, 300) << true << int(FitWindow) << 1.0 << 1.0 << QPoint(0, 0);
    // Width: 400/w, at most 1.0 without expanding; a tall result shows its top.
    QTest::newRow("width, tall") << view << QSize(800, 1200) << true << int(FitWidth) << 0.5 << 0.25 << QPoint(0, 0);
    QTest::newRow("width, small, expanded") << view << QSize(200, 100) << true << int(FitWidth) << 2.0 << 1.0 << QPoint(0, 50);
    QTest::newRow("width, small, not expanded") << view << QSize(200, 100) << false << int(FitWidth) << 1.0 << 1.0 << QPoint(100, 100);
    QTest::newRow("width, capped at 4") << view << QSize(50, 40) << true << int(FitWidth) << 4.0 << 1.0 << QPoint(100, 70);
    // Original: 1.0, centred on the picture's centre.
    QTest::newRow("original, large") << view << QSize(800, 600) << true << int(FitOriginal) << 1.0 << 0.5 << QPoint(-200, -150);
    QTest::newRow("original, small") << view << QSize(100, 50) << true << int(FitOriginal) << 1.0 << 1.0 << QPoint(150, 125);
    QTest::newRow("window, odd view") << QSize(301, 201) << QSize(602, 201) << true << int(FitWindow) << 0.5 << 0.5
                                      << QPoint(0, 50);
}

void TestGraphicsImageViewer::fitModes()
{
    QFETCH(QSize, view);
    QFETCH(QSize, picture);
    QFETCH(bool, expand);
    QFETCH(int, mode);
    QFETCH(double, scale);
    QFETCH(double, minimum);
    QFETCH(QPoint, topLeft);

    HostedViewer host(view.width(), view.height());
    GraphicsImageViewer& v = *host.viewer;
    v.setExpandImage(expand);
    QSignalSpy range(&v, &GraphicsImageViewer::scaleRangeChanged);
    v.displayImage(ViewerTest::picture(picture.width(), picture.height()));
    v.setFitMode(ImageFitMode(mode));

    QCOMPARE(v.fitMode(), ImageFitMode(mode));
    QCOMPARE(v.currentScale(), double(float(scale)));
    QCOMPARE(v.minimumScale(), double(float(minimum)));
    QCOMPARE(v.maximalScale(), 10.0);
    QVERIFY(!range.isEmpty());
    QCOMPARE(range.last().at(0).toDouble(), v.minimumScale());
    QCOMPARE(range.last().at(1).toDouble(), 10.0);
    QCOMPARE(v.scaledSize(), QSize(qRound(picture.width() * scale), qRound(picture.height() * scale)));
    const QRect r = v.scaledRect();
    QVERIFY2(std::abs(r.left() - topLeft.x()) <= 1 && std::abs(r.top() - topLeft.y()) <= 1,
             qPrintable(QStringLiteral("picture at %1,%2").arg(r.left()).arg(r.top())));
}

void TestGraphicsImageViewer::zoomStepsAndLimits_data()
{
    QTest::addColumn<double>("step");
    QTest::addColumn<QString>("action");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("mode");

    // 800 x 600 in 400 x 300: fit-window scale 0.5, which is also the minimum.
    QTest::newRow("in, default step") << 0.2 << "in" << 0.6 << int(FitFree);
    QTest::newRow("in, step 0.05") << 0.05 << "in" << 0.525 << int(FitFree);
    QTest::newRow("out below minimum") << 0.2 << "out" << 0.5 << int(FitWindow);
    QTest::newRow("zoom to 3") << 0.2 << "3" << 3.0 << int(FitFree);
    QTest::newRow("zoom above maximum") << 0.2 << "25" << 10.0 << int(FitFree);
    QTest::newRow("zoom below minimum") << 0.2 << "0.01" << 0.5 << int(FitWindow);
}

void TestGraphicsImageViewer::zoomStepsAndLimits()
{
    QFETCH(double, step);
    QFETCH(QString, action);
    QFETCH(double, expected);
    QFETCH(int, mode);

    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.setZoomStep(step);
    v.displayImage(picture(800, 600));
    QCOMPARE(v.currentScale(), 0.5);
    QSignalSpy scaled(&v, &GraphicsImageViewer::scaleChanged);
    if (action == "in")
        v.zoomIn();
    else if (action == "out")
        v.zoomOut();
    else
        v.zoom(action.toFloat());
    QCOMPARE(v.currentScale(), double(float(expected)));
    QCOMPARE(v.fitMode(), ImageFitMode(mode));
    if (expected != 0.5) {
        QCOMPARE(scaled.count(), 1);
        QCOMPARE(scaled.first().first().toDouble(), double(float(expected)));
    }
}

void TestGraphicsImageViewer::zoomKeepsCentreSpot()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.displayImage(picture(2000, 1500));
    v.zoom(1.0f);
    v.scroll(v.horizontalScrollBar()->value() - 300, v.verticalScrollBar()->value() + 200);
    v.setAttribute(Qt::WA_UnderMouse, false); // the cursor variants then use the centre too
    const QPointF centre(v.viewport()->rect().right() / 2, v.viewport()->rect().bottom() / 2);
    double expected = 1.0;
    const QList<QPair<void (GraphicsImageViewer::*)(), double>> steps = {
        {&GraphicsImageViewer::zoomIn, 1.2},        {&GraphicsImageViewer::zoomIn, 1.2},
        {&GraphicsImageViewer::zoomInCursor, 1.2},  {&GraphicsImageViewer::zoomOut, 0.8},
        {&GraphicsImageViewer::zoomOutCursor, 0.8},
    };
    for (const auto& step : steps) {
        const QPointF spot = pictureAt(v, centre);
        (v.*step.first)();
        expected = float(expected * step.second);
        QCOMPARE(v.currentScale(), expected);
        // Scroll positions are whole pixels, and so is the measured rectangle.
        const QPointF after = viewportAt(v, spot);
        QVERIFY2(QLineF(after, centre).length() <= 1.5,
                 qPrintable(QStringLiteral("%1,%2").arg(after.x()).arg(after.y())));
    }
}

void TestGraphicsImageViewer::zoomLocksKeepScaleForNextPicture()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.displayImage(picture(800, 600));
    v.zoom(0.8f);
    v.toggleLockZoom();
    QVERIFY(v.lockZoomEnabled());
    QVERIFY(!v.lockViewEnabled());
    QCOMPARE(v.fitMode(), FitFree);

    // Another picture keeps the locked scale, also below its own minimum.
    v.displayImage(picture(4000, 3000));
    QCOMPARE(v.currentScale(), double(0.8f));
    QCOMPARE(v.fitMode(), FitFree);
    v.displayImage(picture(100, 100));
    QCOMPARE(v.currentScale(), double(0.8f));
    QCOMPARE(v.minimumScale(), double(0.8f));
    // Centred, as the picture fits: 80 x 80 in 400 x 300.
    QCOMPARE(v.scaledRect().topLeft(), QPoint(160, 110));
}

void TestGraphicsImageViewer::viewLockKeepsScaleAndSpot()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.displayImage(picture(2000, 1600));
    v.zoom(1.5f);
    v.scroll(v.horizontalScrollBar()->value() + 500, v.verticalScrollBar()->value() - 400);
    v.toggleLockView();
    QVERIFY(v.lockViewEnabled());
    const QPoint before = scroll(&v);
    const QPointF centre(v.viewport()->width() / 2.0, v.viewport()->height() / 2.0);
    const QPointF spot = pictureAt(v, centre);

    v.displayImage(picture(2000, 1600));
    QCOMPARE(v.currentScale(), double(1.5f));
    QCOMPARE(scroll(&v), before);

    // A picture of another size shows the same relative spot.
    v.displayImage(picture(1000, 800));
    QCOMPARE(v.currentScale(), double(1.5f));
    const QPointF relative = pictureAt(v, centre);
    QVERIFY(std::abs(relative.x() / 1000.0 - spot.x() / 2000.0) < 0.002);
    QVERIFY(std::abs(relative.y() / 800.0 - spot.y() / 1600.0) < 0.002);

    // Switching to the zoom lock goes straight there.
    v.toggleLockZoom();
    QVERIFY(v.lockZoomEnabled());
    QVERIFY(!v.lockViewEnabled());
}

void TestGraphicsImageViewer::togglingALockTwiceSwitchesItOff()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.toggleLockZoom(); // nothing shown: no lock
    QVERIFY(!v.lockZoomEnabled());
    v.displayImage(picture(800, 600));
    v.toggleLockZoom();
    v.toggleLockZoom();
    QVERIFY(!v.lockZoomEnabled());
    v.displayImage(picture(1600, 1200));
    QCOMPARE(v.fitMode(), FitWindow);
    QCOMPARE(v.currentScale(), 0.25);
}

void TestGraphicsImageViewer::threeQuickScrollsAccelerate()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.displayImage(picture(400, 8000));
    v.setFitMode(FitOriginal);
    const int start = v.verticalScrollBar()->value();
    v.scrollDown();
    v.scrollDown();
    v.scrollDown();
    // 220, then twice 1.3 x 220 on top of the running scroll.
    QTRY_COMPARE_WITH_TIMEOUT(v.verticalScrollBar()->value(), start + 220 + 286 + 286, 3000);
    QTest::qWait(v.scrollDuration() + 50);
    QCOMPARE(v.verticalScrollBar()->value(), start + 792);

    // One scroll the other way is a plain step.
    v.scrollUp();
    QTRY_COMPARE_WITH_TIMEOUT(v.verticalScrollBar()->value(), start + 792 - 220, 3000);
}

void TestGraphicsImageViewer::scrollNeverLeavesAGap()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.displayImage(picture(1000, 700));
    v.setFitMode(FitOriginal);
    v.scroll(0, 0); // far above and left of the picture
    QRect r = v.scaledRect();
    QCOMPARE(r.topLeft(), QPoint(0, 0));
    v.scrollPrecise(100000, 100000); // far below and right
    r = v.scaledRect();
    QVERIFY(std::abs(r.right() - v.width()) <= 1);
    QVERIFY(std::abs(r.bottom() - v.height()) <= 1);

    // A picture narrower than the view stays centred on that axis.
    v.displayImage(picture(300, 2000));
    v.setFitMode(FitOriginal);
    v.scrollPrecise(-5000, -5000);
    r = v.scaledRect();
    QCOMPARE(r.left(), 50);
    QCOMPARE(r.top(), 0);
}

void TestGraphicsImageViewer::burstOfResizesRequestsOneScaledCopy()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.displayImage(picture(1600, 1200));
    QTest::qWait(150);
    QSignalSpy requests(&v, &GraphicsImageViewer::scalingRequested);
    for (int w = 300; w <= 380; w += 20)
        v.resize(w, w * 3 / 4);
    QCOMPARE(requests.count(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(requests.count(), 1, 2000);
    QTest::qWait(200);
    QCOMPARE(requests.count(), 1);
    // The last size, 380 x 285: scale 380 / 1600.
    QCOMPARE(requests.first().at(0).toSize(), QSize(380, 285));
    QCOMPARE(requests.first().at(1).value<ScalingFilter>(), FilterBilinear);
}

void TestGraphicsImageViewer::noScaledCopyAtNaturalSizeOrAbove()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    QSignalSpy requests(&v, &GraphicsImageViewer::scalingRequested);
    v.displayImage(picture(100, 50)); // expanded to 4.0
    v.setFitMode(FitOriginal);
    v.zoom(2.0f);
    QTest::qWait(150);
    QCOMPARE(requests.count(), 0);
    v.displayImage(picture(800, 600));
    QCOMPARE(requests.count(), 1);
    QCOMPARE(requests.first().at(0).toSize(), QSize(400, 300));
}

void TestGraphicsImageViewer::updateKeepsZoomForSameSize()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.displayImage(solid(1200, 900, Qt::red));
    v.zoom(1.3f);
    v.scrollPrecise(120, -80);
    const QPoint before = scroll(&v);
    v.updateDisplayImage(solid(1200, 900, Qt::blue));
    QCOMPARE(v.currentScale(), double(1.3f));
    QCOMPARE(scroll(&v), before);
    QCOMPARE(v.fitMode(), FitFree);
    QCOMPARE(shownColour(v), QColor(Qt::blue));
}

void TestGraphicsImageViewer::updateOfAnotherSizeIsCentred()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.displayImage(solid(1200, 900, Qt::red));
    v.zoom(2.0f);
    v.scrollPrecise(600, 500);
    v.updateDisplayImage(solid(200, 100, Qt::blue));
    // Set up as a new picture: fitted (expanded 2x) and centred.
    QCOMPARE(v.fitMode(), FitWindow);
    QCOMPARE(v.currentScale(), 2.0);
    QCOMPARE(v.scaledRect().topLeft(), QPoint(0, 50));
    QCOMPARE(v.sourceSize(), QSize(200, 100));

    v.updateDisplayImage2(solid(800, 600, Qt::green));
    QCOMPARE(v.currentScale(), 0.5);
    QCOMPARE(v.scaledRect().topLeft(), QPoint(0, 0));
}

void TestGraphicsImageViewer::nullPicturesAreIgnored()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.displayImage(solid(800, 600, Qt::red));
    v.zoom(0.7f);
    v.displayImage(nullptr);
    v.displayImage(std::make_unique<QPixmap>());
    v.updateDisplayImage(std::make_unique<QPixmap>());
    v.updateDisplayImage2(std::make_unique<QPixmap>());
    v.updateDisplayImage(nullptr);
    v.updateDisplayImage2(nullptr);
    v.displayAnimation(nullptr);
    QVERIFY(v.isDisplaying());
    QCOMPARE(v.currentScale(), double(0.7f));
    QCOMPARE(shownColour(v), QColor(Qt::red));
}

void TestGraphicsImageViewer::closeImageEmpties()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.displayImage(solid(800, 600, Qt::red));
    v.zoom(2.0f);
    v.closeImage();
    QVERIFY(!v.isDisplaying());
    QCOMPARE(v.currentScale(), 1.0);
    QCOMPARE(v.sourceSize(), QSize(0, 0));
    // Nothing to zoom, fit or lock without a picture.
    QSignalSpy scaled(&v, &GraphicsImageViewer::scaleChanged);
    v.zoomIn();
    v.setFitWindow();
    v.toggleLockView();
    QCOMPARE(scaled.count(), 0);
    QVERIFY(!v.lockViewEnabled());
}

void TestGraphicsImageViewer::sceneAndTimelinesAreOwned()
{
    QPointer<QGraphicsScene> scene;
    QList<QPointer<QTimeLine>> lines;
    {
        GraphicsImageViewer v;
        scene = v.scene();
        QCOMPARE(scene->parent(), &v);
        for (QTimeLine* line : v.findChildren<QTimeLine*>())
            lines.append(line);
        QCOMPARE(lines.size(), 2);
    }
    QVERIFY(scene.isNull());
    for (const auto& line : lines)
        QVERIFY(line.isNull());
}

void TestGraphicsImageViewer::scrollFrameDoesNotRunTheEventLoop()
{
    auto* window = new QWidget;
    window->resize(400, 300);
    QPointer<GraphicsImageViewer> v = new GraphicsImageViewer(window);
    v->resize(400, 300);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    v->displayImage(picture(400, 4000));
    v->setFitMode(FitOriginal);
    QTest::qWait(50);
    PaintCounter paints;
    v->viewport()->installEventFilter(&paints);
    // Whatever is pending (here: closing the window) waits until the frame is done.
    QTimer::singleShot(0, window, [window] { delete window; });
    const int y = v->verticalScrollBar()->value() + 50;
    QVERIFY(QMetaObject::invokeMethod(v, "scrollToY", Q_ARG(int, y)));
    QVERIFY(!v.isNull());
    // The frame was painted before the call returned.
    QCOMPARE(paints.count, 1);
    QCOMPARE(v->verticalScrollBar()->value(), y);
    QTRY_VERIFY(v.isNull());
}

void TestGraphicsImageViewer::showDoesNotRunTheEventLoop()
{
    auto* window = new QWidget;
    window->resize(400, 300);
    QPointer<GraphicsImageViewer> v = new GraphicsImageViewer(window);
    v->resize(400, 300);
    v->hide();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    v->displayImage(picture(800, 600));
    v->setFitMode(FitOriginal);
    QTimer::singleShot(0, window, [window] { delete window; });
    v->show();
    QVERIFY(!v.isNull());
    QCOMPARE(v->currentScale(), 1.0);
    QTRY_VERIFY(v.isNull());
}

void TestGraphicsImageViewer::transformationModeFollowsFilter()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.displayImage(picture(800, 600));
    auto* item = qgraphicsitem_cast<QGraphicsPixmapItem*>(v.scene()->items().first());
    QVERIFY(item);
    QCOMPARE(item->transformationMode(), Qt::SmoothTransformation);
    v.setFilterNearest();
    QCOMPARE(v.scalingFilter(), FilterNearest);
    QCOMPARE(item->transformationMode(), Qt::FastTransformation);
    v.setFilterBilinear();
    QCOMPARE(item->transformationMode(), Qt::SmoothTransformation);
}

void TestGraphicsImageViewer::grabShowsPicture()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.displayImage(solid(200, 100, QColor(200, 40, 40)));
    v.setExpandImage(false);
    const QImage shot = v.grab().toImage();
    keepGrab(shot, QStringLiteral("viewer.png"));
    // Picture in the middle at natural size, the dark background around it.
    QCOMPARE(shot.pixelColor(200, 150), QColor(200, 40, 40));
    QCOMPARE(shot.pixelColor(102, 102), QColor(200, 40, 40));
    QCOMPARE(shot.pixelColor(297, 197), QColor(200, 40, 40));
    QCOMPARE(shot.pixelColor(97, 97), QColor(34, 34, 34));
    QCOMPARE(shot.pixelColor(302, 202), QColor(34, 34, 34));
    QCOMPARE(shot.pixelColor(10, 150), QColor(34, 34, 34));
}

QTEST_MAIN(TestGraphicsImageViewer)
#include "tst_graphicsimageviewer.moc"
