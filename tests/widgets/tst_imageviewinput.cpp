#include "ViewerTestSupport.h"
#include "widgets/GraphicsImageViewer.h"

#include <QGestureEvent>
#include <QKeyEvent>
#include <QNativeGestureEvent>
#include <QPinchGesture>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using namespace ViewerTest;

namespace {

bool sendNative(GraphicsImageViewer& v, Qt::NativeGestureType type, double value)
{
    QNativeGestureEvent event(type, QPointingDevice::primaryPointingDevice(), 2, QPointF(100, 100),
                              QPointF(100, 100), QPointF(100, 100), value, QPointF());
    QApplication::sendEvent(&v, &event);
    return event.isAccepted();
}

// Qt's gesture delivery decides the event's final accepted state, so the
// tests look at what the pinch did instead.
void sendPinch(GraphicsImageViewer& v, qreal total, qreal factor)
{
    QPinchGesture pinch;
    pinch.setChangeFlags(QPinchGesture::ScaleFactorChanged);
    pinch.setTotalScaleFactor(total);
    pinch.setScaleFactor(factor);
    QGestureEvent event({&pinch});
    event.ignore();
    QApplication::sendEvent(&v, &event);
}

} // namespace

class TestImageViewInput : public QObject
{
    Q_OBJECT

private slots:
    void dragOutAfterThresholdOnce();
    void leftDragPansWithoutGaps();
    void rightDragZoomsAboutPressPoint();
    void rightDragBelowThresholdDoesNothing();
    void mouseWheelZoomsAtCursor();
    void fractionsOfANotchAddUp_data();
    void fractionsOfANotchAddUp();
    void touchPadScrolls_data();
    void touchPadScrolls();
    void touchPadWithModifierGoesToParent();
    void keysAreSwallowed();
    void pinchAndNativeGestures();
    void interactionOffAndOn();
};

void TestImageViewInput::dragOutAfterThresholdOnce()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.setExpandImage(false);
    v.displayImage(picture(200, 100));
    const QPoint before = scroll(&v);
    QSignalSpy out(&v, &GraphicsImageViewer::draggedOut);
    mouse(v, QEvent::MouseButtonPress, QPoint(200, 150));
    mouse(v, QEvent::MouseMove, QPoint(205, 155));
    mouse(v, QEvent::MouseMove, QPoint(210, 160)); // exactly 10: not yet
    QCOMPARE(out.count(), 0);
    mouse(v, QEvent::MouseMove, QPoint(211, 150));
    QCOMPARE(out.count(), 1);
    // One drag-out per press, and the picture never moved.
    mouse(v, QEvent::MouseMove, QPoint(240, 170));
    mouse(v, QEvent::MouseMove, QPoint(260, 190));
    QCOMPARE(out.count(), 1);
    QCOMPARE(scroll(&v), before);
    mouse(v, QEvent::MouseButtonRelease, QPoint(260, 190));

    // The next press may drag out again, also vertically.
    mouse(v, QEvent::MouseButtonPress, QPoint(200, 150));
    mouse(v, QEvent::MouseMove, QPoint(200, 139));
    QCOMPARE(out.count(), 2);
    mouse(v, QEvent::MouseButtonRelease, QPoint(200, 139));
}

void TestImageViewInput::leftDragPansWithoutGaps()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.displayImage(picture(1000, 800));
    v.setFitMode(FitOriginal);
    QSignalSpy out(&v, &GraphicsImageViewer::draggedOut);
    const QPoint start = scroll(&v);
    mouse(v, QEvent::MouseButtonPress, QPoint(200, 150));
    mouse(v, QEvent::MouseMove, QPoint(150, 110));
    // Panning starts on the first move: the picture follows the mouse.
    QCOMPARE(scroll(&v), start + QPoint(50, 40));
    QCOMPARE(v.viewport()->cursor().shape(), Qt::ClosedHandCursor);
    mouse(v, QEvent::MouseMove, QPoint(160, 100));
    QCOMPARE(scroll(&v), start + QPoint(40, 50));
    // Far beyond the picture's corner: it stops at its edges.
    mouse(v, QEvent::MouseMove, QPoint(-3000, -3000));
    const QRect r = v.scaledRect();
    QVERIFY(std::abs(r.right() - 400) <= 1);
    QVERIFY(std::abs(r.bottom() - 300) <= 1);
    mouse(v, QEvent::MouseMove, QPoint(5000, 5000));
    QCOMPARE(v.scaledRect().topLeft(), QPoint(0, 0));
    mouse(v, QEvent::MouseButtonRelease, QPoint(5000, 5000));
    QCOMPARE(out.count(), 0);
    QVERIFY(v.viewport()->cursor().shape() != Qt::ClosedHandCursor);
    QCOMPARE(v.currentScale(), 1.0);
}

void TestImageViewInput::rightDragZoomsAboutPressPoint()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.displayImage(picture(1000, 800));
    v.setFitMode(FitOriginal);
    const QPoint press(120, 90);
    const QPointF spot = pictureAt(v, press);
    mouse(v, QEvent::MouseButtonPress, press, Qt::RightButton);
    // 10 pixels up: 1.0 x (1 + 10 x 0.003).
    mouse(v, QEvent::MouseMove, press - QPoint(0, 10), Qt::RightButton);
    QCOMPARE(v.currentScale(), double(float(1.03)));
    QCOMPARE(v.fitMode(), FitFree);
    QCOMPARE(v.viewport()->cursor().shape(), Qt::SizeVerCursor);
    QVERIFY(QLineF(viewportAt(v, spot), press).length() <= 1.5);
    // 30 down from there: x (1 - 30 x 0.003).
    mouse(v, QEvent::MouseMove, press + QPoint(0, 20), Qt::RightButton);
    QCOMPARE(v.currentScale(), double(float(double(float(1.03)) * (1.0 - 30 * 0.003))));
    QVERIFY(QLineF(viewportAt(v, spot), press).length() <= 1.5);
    // Far down: held at the minimum, which is the fit-window scale.
    mouse(v, QEvent::MouseMove, press + QPoint(0, 2000), Qt::RightButton);
    QCOMPARE(v.currentScale(), v.minimumScale());
    QCOMPARE(v.fitMode(), FitWindow);
    mouse(v, QEvent::MouseButtonRelease, press + QPoint(0, 2000), Qt::RightButton);
    QVERIFY(v.viewport()->cursor().shape() != Qt::SizeVerCursor);
}

void TestImageViewInput::rightDragBelowThresholdDoesNothing()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.displayImage(picture(1000, 800));
    v.setFitMode(FitOriginal);
    mouse(v, QEvent::MouseButtonPress, QPoint(100, 100), Qt::RightButton);
    mouse(v, QEvent::MouseMove, QPoint(130, 96), Qt::RightButton); // 4 up: at the threshold
    QCOMPARE(v.currentScale(), 1.0);
    QCOMPARE(v.fitMode(), FitOriginal);
    mouse(v, QEvent::MouseButtonRelease, QPoint(130, 96), Qt::RightButton);
}

void TestImageViewInput::mouseWheelZoomsAtCursor()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.displayImage(picture(1000, 800));
    v.setFitMode(FitOriginal);
    const QPoint at(300, 80);
    const QPointF spot = pictureAt(v, at);
    QVERIFY(wheel(v, at, {QPoint(0, 120)}));
    QCOMPARE(v.currentScale(), double(float(1.2)));
    QVERIFY(QLineF(viewportAt(v, spot), at).length() <= 1.5);
    QVERIFY(wheel(v, at, {QPoint(0, 240)})); // two notches at once
    QCOMPARE(v.currentScale(), double(float(double(float(double(float(1.2)) * 1.2)) * 1.2)));
    QVERIFY(QLineF(viewportAt(v, spot), at).length() <= 2.0);
    QVERIFY(wheel(v, at, {QPoint(0, -120)}));
    QCOMPARE(v.fitMode(), FitFree);
    QVERIFY(QLineF(viewportAt(v, spot), at).length() <= 2.5);
}

void TestImageViewInput::fractionsOfANotchAddUp_data()
{
    QTest::addColumn<QList<int>>("deltas");
    QTest::addColumn<QList<double>>("scales"); // after each event

    const double in = float(1.2);
    const double out = float(0.8);
    QTest::newRow("quarters") << QList<int>{30, 30, 30, 30, 30} << QList<double>{1, 1, 1, in, in};
    QTest::newRow("one and a half") << QList<int>{180, 60} << QList<double>{in, double(float(in * 1.2))};
    QTest::newRow("turning back starts afresh") << QList<int>{60, -60, -60} << QList<double>{1, 1, out};
    QTest::newRow("whole notches") << QList<int>{120, -120} << QList<double>{in, double(float(in * 0.8))};
}

void TestImageViewInput::fractionsOfANotchAddUp()
{
    QFETCH(QList<int>, deltas);
    QFETCH(QList<double>, scales);

    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.displayImage(picture(1000, 800));
    v.setFitMode(FitOriginal);
    for (int i = 0; i < deltas.size(); ++i) {
        QVERIFY(wheel(v, QPoint(200, 150), {QPoint(0, deltas[i])}));
        QCOMPARE(v.currentScale(), scales[i]);
    }
}

void TestImageViewInput::touchPadScrolls_data()
{
    QTest::addColumn<bool>("fromTouchPad");
    QTest::addColumn<QPoint>("pixels");
    QTest::addColumn<QPoint>("angle");
    QTest::addColumn<int>("phase");
    QTest::addColumn<QPoint>("moved");

    // The scroll moves by -delta x 0.7; whole pixels now, fractions later.
    QTest::newRow("touch-pad pixels") << true << QPoint(-10, -40) << QPoint(-10, -40) << int(Qt::ScrollUpdate)
                                      << QPoint(7, 28);
    QTest::newRow("touch-pad angle") << true << QPoint() << QPoint(15, 30) << int(Qt::NoScrollPhase) << QPoint(-10, -21);
    QTest::newRow("mouse with pixel delta") << false << QPoint(0, 25) << QPoint(0, 25) << int(Qt::NoScrollPhase)
                                            << QPoint(0, -17);
    QTest::newRow("mouse with a phase") << false << QPoint() << QPoint(0, -60) << int(Qt::ScrollUpdate)
                                        << QPoint(0, 42);
    QTest::newRow("momentum") << true << QPoint(3, 0) << QPoint(3, 0) << int(Qt::ScrollMomentum) << QPoint(-2, 0);
    QTest::newRow("slow strokes add up") << true << QPoint(0, -1) << QPoint(0, -1) << int(Qt::ScrollUpdate)
                                         << QPoint(0, 7);
    QTest::newRow("slow strokes add up, upward") << true << QPoint(0, 1) << QPoint(0, 1) << int(Qt::ScrollUpdate)
                                                 << QPoint(0, -7);
    QTest::newRow("scroll begin does nothing") << true << QPoint(0, 50) << QPoint(0, 50) << int(Qt::ScrollBegin)
                                               << QPoint(0, 0);
    QTest::newRow("scroll end does nothing") << true << QPoint(0, 50) << QPoint(0, 50) << int(Qt::ScrollEnd)
                                             << QPoint(0, 0);
}

void TestImageViewInput::touchPadScrolls()
{
    QFETCH(bool, fromTouchPad);
    QFETCH(QPoint, pixels);
    QFETCH(QPoint, angle);
    QFETCH(int, phase);
    QFETCH(QPoint, moved);

    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.displayImage(picture(2000, 1600));
    v.setFitMode(FitOriginal);
    const QPoint start = scroll(&v);
    Wheel w{angle, pixels, Qt::ScrollPhase(phase)};
    if (fromTouchPad)
        w.device = touchPad();
    // Ten events of a 1-pixel delta move 7 pixels; one event of more moves once.
    const int events = std::abs(pixels.x()) + std::abs(pixels.y()) == 1 ? 10 : 1;
    for (int i = 0; i < events; ++i)
        QVERIFY(wheel(v, QPoint(200, 150), w));
    QCOMPARE(scroll(&v) - start, moved);
    QCOMPARE(v.currentScale(), 1.0);
}

void TestImageViewInput::touchPadWithModifierGoesToParent()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.displayImage(picture(2000, 1600));
    v.setFitMode(FitOriginal);
    const QPoint start = scroll(&v);
    Wheel w{QPoint(0, 30), QPoint(0, 30), Qt::ScrollUpdate, Qt::ControlModifier, touchPad()};
    QVERIFY(!wheel(v, QPoint(200, 150), w));
    QCOMPARE(scroll(&v), start);
    // A whole notch from a touch-pad after a pause is the parent's too.
    QTest::qWait(120);
    QVERIFY(!wheel(v, QPoint(200, 150), {QPoint(0, 120), QPoint(), Qt::NoScrollPhase, Qt::NoModifier, touchPad()}));
    QCOMPARE(scroll(&v), start);
    QCOMPARE(v.currentScale(), 1.0);
}

void TestImageViewInput::keysAreSwallowed()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.displayImage(picture(2000, 1600));
    v.setFitMode(FitOriginal);
    const QPoint start = scroll(&v);
    for (int key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_PageDown, Qt::Key_Plus, Qt::Key_A}) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        event.ignore();
        QApplication::sendEvent(&v, &event);
        QVERIFY(event.isAccepted());
    }
    QCOMPARE(scroll(&v), start);
    QCOMPARE(v.currentScale(), 1.0);
}

void TestImageViewInput::pinchAndNativeGestures()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.displayImage(picture(1000, 800));
    QCOMPARE(v.fitMode(), FitWindow);
    const double fit = v.currentScale();

    // Without the mouse over the view a pinch is not taken.
    v.setAttribute(Qt::WA_UnderMouse, false);
    sendPinch(v, 1.0, 1.0);
    QCOMPARE(v.fitMode(), FitWindow);
    v.setAttribute(Qt::WA_UnderMouse, true);
    QCursor::setPos(v.viewport()->mapToGlobal(QPoint(200, 150)));
    // Total factor exactly 1: natural size, then back to the window.
    sendPinch(v, 1.0, 1.0);
    QCOMPARE(v.fitMode(), FitOriginal);
    QCOMPARE(v.currentScale(), 1.0);
    sendPinch(v, 1.0, 1.0);
    QCOMPARE(v.fitMode(), FitWindow);
    QCOMPARE(v.currentScale(), fit);
    sendPinch(v, 1.1, 1.1);
    QCOMPARE(v.currentScale(), double(float(fit * 1.2)));
    sendPinch(v, 1.05, 0.95);
    QCOMPARE(v.currentScale(), fit); // held at the minimum

    // Touch-pad pinches come as many small magnifications: 0.05 each, one
    // zoom step (0.2) per four.
    QVERIFY(sendNative(v, Qt::BeginNativeGesture, 0));
    for (int i = 0; i < 3; ++i)
        QVERIFY(sendNative(v, Qt::ZoomNativeGesture, 0.05));
    QCOMPARE(v.currentScale(), fit);
    QVERIFY(sendNative(v, Qt::ZoomNativeGesture, 0.05));
    QCOMPARE(v.currentScale(), double(float(fit * 1.2)));
    QVERIFY(sendNative(v, Qt::EndNativeGesture, 0));
    // A double tap toggles like a pinch of factor 1.
    QVERIFY(sendNative(v, Qt::SmartZoomNativeGesture, 1));
    QCOMPARE(v.fitMode(), FitWindow);
    QVERIFY(sendNative(v, Qt::SmartZoomNativeGesture, 1));
    QCOMPARE(v.fitMode(), FitOriginal);
    v.setFitWidth();
    QVERIFY(v.nativeSmartMagnifyEvent(1, 0, 0));
    QCOMPARE(v.fitMode(), FitWidth);
    QVERIFY(v.nativeSwipeEvent(1, 0, 0));
}

void TestImageViewInput::interactionOffAndOn()
{
    HostedViewer host;
    GraphicsImageViewer& v = *host.viewer;
    v.displayImage(picture(1000, 800));
    v.setFitMode(FitOriginal);
    v.disableInteraction();
    QVERIFY(!v.interactionEnabled());
    const QPoint start = scroll(&v);
    QSignalSpy out(&v, &GraphicsImageViewer::draggedOut);

    mouse(v, QEvent::MouseButtonPress, QPoint(200, 150));
    mouse(v, QEvent::MouseMove, QPoint(100, 50));
    mouse(v, QEvent::MouseButtonRelease, QPoint(100, 50));
    mouse(v, QEvent::MouseButtonPress, QPoint(200, 150), Qt::RightButton);
    mouse(v, QEvent::MouseMove, QPoint(200, 50), Qt::RightButton);
    mouse(v, QEvent::MouseButtonRelease, QPoint(200, 50), Qt::RightButton);
    QVERIFY(wheel(v, QPoint(200, 150), {QPoint(0, 120)})); // taken, and nothing happens
    QVERIFY(wheel(v, QPoint(200, 150), {QPoint(0, 40), QPoint(0, 40), Qt::ScrollUpdate, Qt::NoModifier, touchPad()}));
    QVERIFY(!v.nativeMagnifyEvent(1, 0, 0));
    QVERIFY(!v.nativeSmartMagnifyEvent(1, 0, 0));
    QCOMPARE(scroll(&v), start);
    QCOMPARE(v.currentScale(), 1.0);
    QCOMPARE(out.count(), 0);

    v.enableInteraction();
    mouse(v, QEvent::MouseButtonPress, QPoint(200, 150));
    mouse(v, QEvent::MouseMove, QPoint(190, 150));
    mouse(v, QEvent::MouseButtonRelease, QPoint(190, 150));
    QCOMPARE(scroll(&v), start + QPoint(10, 0));
    QVERIFY(wheel(v, QPoint(200, 150), {QPoint(0, 120)}));
    QCOMPARE(v.currentScale(), double(float(1.2)));
    QVERIFY(v.nativeMagnifyEvent(-1, 0, 0));
    QCOMPARE(v.currentScale(), double(float(double(float(1.2)) * 0.8)));
}

QTEST_MAIN(TestImageViewInput)
#include "tst_imageviewinput.moc"
