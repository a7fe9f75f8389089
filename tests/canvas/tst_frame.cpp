#include "canvas/HomeFrame.h"
#include "canvas/StandardFrame.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <memory>

class TestFrame : public QObject
{
    Q_OBJECT

private slots:
    void defaults_data();
    void defaults();
    void frameRectGrowsByMargin();
    void colourAndAlpha();
    void standardFrameDrawsGradientAndSelection();
    void homeFrameDrawsRoundedPlateWithoutSelection();
    void zeroHeightHomeFrameDrawsNothing();
};

void TestFrame::defaults_data()
{
    QTest::addColumn<bool>("home");
    QTest::addColumn<quint32>("frameClass");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("alpha");

    QTest::newRow("standard") << false << quint32(1) << QColor(240, 240, 240, 200) << 200;
    // The home frame answers the rounded rectangle's id.
    QTest::newRow("home") << true << quint32(4) << QColor(34, 34, 34, 200) << 0;
}

void TestFrame::defaults()
{
    QFETCH(bool, home);
    QFETCH(quint32, frameClass);
    QFETCH(QColor, colour);
    QFETCH(int, alpha);

    std::unique_ptr<StandardFrame> frame(home ? new HomeFrame : new StandardFrame);
    QCOMPARE(frame->frameClass(), frameClass);
    QCOMPARE(frame->topColor(), colour);
    QCOMPARE(frame->bottomColor(), colour);
    QCOMPARE(frame->alpha(), alpha);
    QCOMPARE(frame->margin(), 10);
    QVERIFY(!frame->clipContents());
    QVERIFY(!frame->isShaped());
    QVERIFY(frame->contentsClipPath(QRect(0, 0, 10, 10)).isEmpty());
}

void TestFrame::frameRectGrowsByMargin()
{
    HomeFrame frame;
    const QRect content(-100, -75, 200, 150);
    QCOMPARE(frame.frameRect(content), QRect(-110, -85, 220, 170));
    frame.setMargin(0);
    QCOMPARE(frame.frameRect(content), content);
    QCOMPARE(frame.frameShape(content).boundingRect(), QRectF(content));
}

void TestFrame::colourAndAlpha()
{
    StandardFrame frame;
    frame.setColorAlpha(100, 50);
    QCOMPARE(frame.colorAlpha(), 100);
    QCOMPARE(frame.bottomColor().alpha(), 50);
    // The frame's own alpha comes back with the next colour.
    frame.setTopColor(QColor(10, 20, 30, 255));
    QCOMPARE(frame.topColor(), QColor(10, 20, 30, 200));
    QCOMPARE(frame.bottomColor(), QColor(10, 20, 30, 200));
}

void TestFrame::standardFrameDrawsGradientAndSelection()
{
    StandardFrame frame(FrameProp {QColor(255, 0, 0), QColor(0, 0, 255), 255, 10});
    QImage image(40, 40, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        // Centred on the origin, as an item's frame is.
        painter.translate(20, 20);
        frame.drawFrame(&painter, QRect(-20, -20, 40, 40), true, false);
    }
    // Red at the top, blue at the bottom, the selection outline round it.
    QVERIFY(qRed(image.pixel(20, 4)) > 200 && qBlue(image.pixel(20, 4)) < 60);
    QVERIFY(qBlue(image.pixel(20, 36)) > 200 && qRed(image.pixel(20, 36)) < 60);
    QCOMPARE(QColor(image.pixel(20, 1)).name(), QStringLiteral("#439cf3"));

    const QImage preview = frame.preview(40, 40).toImage();
    QCOMPARE(preview.size(), QSize(40, 40));
    QVERIFY(QColor(preview.pixel(20, 1)).name() != QStringLiteral("#439cf3"));
}

void TestFrame::homeFrameDrawsRoundedPlateWithoutSelection()
{
    HomeFrame frame;
    QImage image(40, 40, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        frame.drawFrame(&painter, QRect(0, 0, 40, 40), true, false);
    }
    QCOMPARE(QColor::fromRgba(image.pixel(20, 20)), QColor(34, 34, 34, 200));
    QCOMPARE(QColor::fromRgba(image.pixel(20, 1)), QColor(34, 34, 34, 200));
    // The corners are rounded off.
    QVERIFY(qAlpha(image.pixel(0, 0)) < 100);
}

void TestFrame::zeroHeightHomeFrameDrawsNothing()
{
    HomeFrame frame;
    QImage image(10, 10, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        frame.drawFrame(&painter, QRect(0, 0, 10, 0), false, false);
        frame.drawFrame(&painter, QRect(0, 5, 10, -3), false, false);
    }
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            QCOMPARE(qAlpha(image.pixel(x, y)), 0);
}

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"
