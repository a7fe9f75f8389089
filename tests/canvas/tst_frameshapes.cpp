#include "canvas/FrameFactory.h"
#include "canvas/HeartFrame.h"
#include "canvas/HomeFrame.h"
#include "canvas/PentacleFrame.h"
#include "canvas/RoundFrame.h"
#include "canvas/RoundRectangleFrame.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTest>

#include <memory>

namespace {

const QColor selection(0x43, 0x9c, 0xf3);

// Whether any pixel within one pixel of `at` is opaque `colour`.
bool hasColourNear(const QImage& image, const QPoint& at, const QColor& colour)
{
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint p = at + QPoint(dx, dy);
            if (image.rect().contains(p) && image.pixel(p) == colour.rgba())
                return true;
        }
    }
    return false;
}

bool near(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) <= 2 && qAbs(a.green() - b.green()) <= 2 && qAbs(a.blue() - b.blue()) <= 2
        && qAbs(a.alpha() - b.alpha()) <= 1;
}

// The 96 x 96 picture of the frame panel's buttons, selected or not.
QImage preview96(Frame& frame, bool selected)
{
    if (!selected)
        return frame.preview(96, 96).toImage().convertToFormat(QImage::Format_ARGB32);
    QPixmap pixmap(96, 96);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        frame.drawFrame(&painter, QRect(0, 0, 96, 96), true, false);
    }
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestFrameShapes : public QObject
{
    Q_OBJECT

private slots:
    void starPolygon_data();
    void starPolygon();
    void starPathIsThePolygon();
    void heartPath();
    void ellipse();
    void roundedRectangle();
    void shapesFollowTheClass_data();
    void shapesFollowTheClass();
    void previews_data();
    void previews();
    void unselectedOutlineUsesCallersPen();
    void emptyRoundedFramesDrawNothing_data();
    void emptyRoundedFramesDrawNothing();
};

void TestFrameShapes::starPolygon_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QPolygon>("expected");

    // 100 x 100 at (0, 0): right = bottom = 99, centre (99/2, 99/2) = (49, 49);
    // outer radii 50, inner 25.
    // Outer, at -90, -18, 54, 126, 198 degrees (cos, sin):
    //   (0, -1)          -> (49, -50 + 49 = -1)
    //   (.951057, -.309017) -> (47.55 + 49 = 96.55, -15.45 + 49 = 33.55) -> (96, 33)
    //   (.587785, .809017)  -> (29.39 + 49 = 78.39, 40.45 + 49 = 89.45) -> (78, 89)
    //   (-.587785, .809017) -> (19.61, 89.45) -> (19, 89)
    //   (-.951057, -.309017) -> (1.45, 33.55) -> (1, 33)
    // Inner, at -54, 18, 90, 162, 234 degrees, radius 25:
    //   (.587785, -.809017) -> (14.69 + 49 = 63.69, -20.23 + 49 = 28.77) -> (63, 28)
    //   (.951057, .309017)  -> (72.78, 56.73) -> (72, 56)
    //   (0, 1)              -> (49, 74)
    //   (-.951057, .309017) -> (25.22, 56.73) -> (25, 56)
    //   (-.587785, -.809017) -> (34.31, 28.77) -> (34, 28)
    // The top point lies one pixel above the rectangle.
    QTest::newRow("100 x 100 square")
        << QRect(0, 0, 100, 100)
        << QPolygon({QPoint(49, -1), QPoint(63, 28), QPoint(96, 33), QPoint(72, 56), QPoint(78, 89), QPoint(49, 74),
               QPoint(19, 89), QPoint(25, 56), QPoint(1, 33), QPoint(34, 28), QPoint(49, -1), QPoint(63, 28)});

    // 61 x 41 at (10, 20): right 70, bottom 60, centre (80/2, 80/2) = (40, 40);
    // outer radii 61/2 = 30 and 41/2 = 20, inner 61/4 = 15 and 41/4 = 10.
    // Outer: (40, 20); (28.53 + 40, -6.18 + 40) -> (68, 33);
    //        (17.63 + 40, 16.18 + 40) -> (57, 56); (22.37, 56.18) -> (22, 56);
    //        (11.47, 33.82) -> (11, 33).
    // Inner: (8.82 + 40, -8.09 + 40) -> (48, 31); (14.27 + 40, 3.09 + 40) -> (54, 43);
    //        (40, 50); (25.73, 43.09) -> (25, 43); (31.18, 31.91) -> (31, 31).
    QTest::newRow("61 x 41, odd sides")
        << QRect(10, 20, 61, 41)
        << QPolygon({QPoint(40, 20), QPoint(48, 31), QPoint(68, 33), QPoint(54, 43), QPoint(57, 56), QPoint(40, 50),
               QPoint(22, 56), QPoint(25, 43), QPoint(11, 33), QPoint(31, 31), QPoint(40, 20), QPoint(48, 31)});

    // A content rectangle centred on the origin: (-100, -75) 200 x 150,
    // right 99, bottom 74; centre (-1/2, -1/2) = (0, 0) (toward zero);
    // outer radii 100, 75; inner 50, 37. Negative values truncate toward zero.
    // Outer: (0, -75); (95.11, -23.18) -> (95, -23); (58.78, 60.68) -> (58, 60);
    //        (-58.78, 60.68) -> (-58, 60); (-95.11, -23.18) -> (-95, -23).
    // Inner: (29.39, -29.93) -> (29, -29); (47.55, 11.43) -> (47, 11); (0, 37);
    //        (-47.55, 11.43) -> (-47, 11); (-29.39, -29.93) -> (-29, -29).
    QTest::newRow("200 x 150 centred")
        << QRect(-100, -75, 200, 150)
        << QPolygon({QPoint(0, -75), QPoint(29, -29), QPoint(95, -23), QPoint(47, 11), QPoint(58, 60), QPoint(0, 37),
               QPoint(-58, 60), QPoint(-47, 11), QPoint(-95, -23), QPoint(-29, -29), QPoint(0, -75), QPoint(29, -29)});
}

void TestFrameShapes::starPolygon()
{
    QFETCH(QRect, rect);
    QFETCH(QPolygon, expected);
    QCOMPARE(PentacleFrame::starPolygon(rect), expected);
}

void TestFrameShapes::starPathIsThePolygon()
{
    PentacleFrame frame;
    const QRect rect(0, 0, 100, 100);
    const QPainterPath path = frame.contentsClipPath(rect);
    const QPolygon polygon = PentacleFrame::starPolygon(rect);
    QCOMPARE(path.elementCount(), 12);
    QVERIFY(path.elementAt(0).isMoveTo());
    for (int i = 0; i < 12; ++i) {
        QCOMPARE(QPointF(path.elementAt(i)), QPointF(polygon.at(i)));
        if (i)
            QVERIFY(path.elementAt(i).isLineTo());
    }
    QCOMPARE(frame.frameShape(rect), path);
    QVERIFY(path.contains(QPointF(49, 49)));
    QVERIFY(!path.contains(QPointF(49, 90)));
}

void TestFrameShapes::heartPath()
{
    // 100 x 120 at (0, 0): cx = 50, ly = 120/3 = 40, h/20 = 6, h/4 = 30,
    // 3h/4 = 90.
    const QList<QPair<QPainterPath::ElementType, QPointF>> expected = {
        {QPainterPath::MoveToElement, {50, 34}},
        {QPainterPath::CurveToElement, {50, 0}},
        {QPainterPath::CurveToDataElement, {100, 0}},
        {QPainterPath::CurveToDataElement, {100, 40}},
        {QPainterPath::CurveToElement, {100, 70}},
        {QPainterPath::CurveToDataElement, {50, 90}},
        {QPainterPath::CurveToDataElement, {50, 120}},
        {QPainterPath::CurveToElement, {50, 90}},
        {QPainterPath::CurveToDataElement, {0, 70}},
        {QPainterPath::CurveToDataElement, {0, 40}},
        {QPainterPath::CurveToElement, {0, 0}},
        {QPainterPath::CurveToDataElement, {50, 0}},
        {QPainterPath::CurveToDataElement, {50, 34}},
    };
    HeartFrame frame;
    const QPainterPath path = frame.contentsClipPath(QRect(0, 0, 100, 120));
    QCOMPARE(path.elementCount(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(path.elementAt(i).type, expected.at(i).first);
        QCOMPARE(QPointF(path.elementAt(i)), expected.at(i).second);
    }

    // Shifted and odd: (-10, 5) 30 x 40: cx = 5, ly = 5 + 13.333, start at
    // y = 18.333 - 2 = 16.333.
    const QPainterPath shifted = ClipPathFrame::heartPath(QRect(-10, 5, 30, 40));
    QCOMPARE(QPointF(shifted.elementAt(0)), QPointF(5, 5 + 40.0 / 3 - 2));
    QCOMPARE(QPointF(shifted.elementAt(6)), QPointF(5, 45));
}

void TestFrameShapes::ellipse()
{
    RoundFrame frame;
    const QPainterPath path = frame.contentsClipPath(QRect(-50, -20, 100, 40));
    QCOMPARE(path.boundingRect(), QRectF(-50, -20, 100, 40));
    QVERIFY(path.contains(QPointF(0, 0)));
    QVERIFY(path.contains(QPointF(-49, 0)));
    // (45, 15): (45/50)^2 + (15/20)^2 = 0.81 + 0.5625 > 1, outside.
    QVERIFY(!path.contains(QPointF(45, 15)));
    // (30, 15): 0.36 + 0.5625 < 1, inside.
    QVERIFY(path.contains(QPointF(30, 15)));
}

void TestFrameShapes::roundedRectangle()
{
    RoundRectangleFrame frame;
    const QRect rect(0, 0, 100, 60);
    const QPainterPath path = frame.contentsClipPath(rect);
    QCOMPARE(frame.frameShape(rect), path);
    QCOMPARE(path.boundingRect(), QRectF(0, 0, 100, 60));
    // Corner arcs of radius 9 centred 9 in from each corner: (2, 2) lies
    // 9.9 from (9, 9), outside; (3, 3) lies 8.5 from it, inside.
    const QPointF corners[][2] = {{{2, 2}, {3, 3}}, {{98, 2}, {97, 3}}, {{2, 58}, {3, 57}}, {{98, 58}, {97, 57}}};
    for (const auto& corner : corners) {
        QVERIFY2(!path.contains(corner[0]), qPrintable(QString::number(corner[0].x())));
        QVERIFY(path.contains(corner[1]));
    }
    // The radius is absolute: on a large rectangle the corner is as small.
    const QPainterPath large = frame.contentsClipPath(QRect(0, 0, 1000, 600));
    QVERIFY(!large.contains(QPointF(2, 2)));
    QVERIFY(large.contains(QPointF(3, 3)));
    QVERIFY(large.contains(QPointF(9, 0.5)));
}

void TestFrameShapes::shapesFollowTheClass_data()
{
    QTest::addColumn<quint32>("classId");
    QTest::addColumn<bool>("shaped");

    QTest::newRow("standard") << 1u << false;
    QTest::newRow("heart") << 2u << true;
    QTest::newRow("rounded") << 4u << true;
    QTest::newRow("round") << 5u << true;
    QTest::newRow("pentacle") << 6u << true;
    QTest::newRow("home") << 7u << false;
}

void TestFrameShapes::shapesFollowTheClass()
{
    QFETCH(quint32, classId);
    QFETCH(bool, shaped);

    std::unique_ptr<Frame> frame(FrameFactory::createFrame(classId));
    const QRect rect(-30, -20, 60, 40);
    QCOMPARE(frame->isShaped(), shaped);
    QCOMPARE(frame->clipContents(), shaped);
    if (shaped) {
        // The outline and the clip are one path.
        QCOMPARE(frame->frameShape(rect), frame->contentsClipPath(rect));
        QVERIFY(!frame->contentsClipPath(rect).isEmpty());
    } else {
        QVERIFY(frame->contentsClipPath(rect).isEmpty());
        QPainterPath plain;
        plain.addRect(rect);
        QCOMPARE(frame->frameShape(rect), plain);
    }
}

void TestFrameShapes::previews_data()
{
    QTest::addColumn<quint32>("classId");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QPoint>("inside");
    QTest::addColumn<QColor>("insideColour");
    QTest::addColumn<QPoint>("outside");
    QTest::addColumn<QPoint>("outline");
    // The colour on the outline when not selected; invalid: the fill.
    QTest::addColumn<QColor>("plainOutline");

    const QColor grey(240, 240, 240, 200);
    const QColor black(Qt::black);
    for (bool selected : {false, true}) {
        const char* tag = selected ? "selected" : "plain";
        // Standard: the gradient fills the whole square; the outline is the
        // square shrunk by one pixel.
        QTest::addRow("standard %s", tag) << 1u << selected << QPoint(48, 48) << grey << QPoint(-1, -1)
                                          << QPoint(48, 1) << grey;
        // Heart in (0, 0) 96 x 96: lobes' outer points at (0, 32) and
        // (96, 32), notch at (48, 27.2), tip at (48, 96). The gradient runs
        // from (0, 0) to (96/8, 48) = (12, 48): at (48, 60) the projection
        // (48*12 + 60*48) / (12^2 + 48^2) = 1.41 is past the end, so the
        // bottom colour. The painter's default pen is black.
        QTest::addRow("heart %s", tag) << 2u << selected << QPoint(48, 60) << QColor(196, 0, 0, 200)
                                       << QPoint(48, 10) << QPoint(0, 32) << black;
        // Rounded rectangle: corners cut by radius 9, no pen unless selected.
        QTest::addRow("rounded %s", tag) << 4u << selected << QPoint(48, 48) << grey << QPoint(1, 1)
                                         << QPoint(48, 0) << grey;
        // Ellipse touching the middle of each side.
        QTest::addRow("round %s", tag) << 5u << selected << QPoint(48, 48) << grey << QPoint(5, 5) << QPoint(0, 48)
                                       << black;
        // Star: centre (95/2, 95/2) = (47, 47); outer points (47, -1) and,
        // at 198 degrees, (-45.65 + 47, -14.83 + 47) = (1, 32); the inner
        // point at 90 degrees is (47, 71), so (47, 85) lies between the
        // lower points, outside. The middle of the edge from the top point
        // (47, -1) to the inner point at -54 degrees, (14.1 + 47, -19.4 + 47)
        // = (61, 27), is (54, 13).
        QTest::addRow("pentacle %s", tag) << 6u << selected << QPoint(47, 47) << QColor(240, 240, 0, 200)
                                          << QPoint(47, 85) << QPoint(54, 13) << black;
        // Home: a plate with corners of radius 3; never shows selection.
        QTest::addRow("home %s", tag) << 7u << selected << QPoint(48, 48) << QColor(34, 34, 34, 200) << QPoint(0, 0)
                                      << QPoint(48, 0) << QColor(34, 34, 34, 200);
    }
}

void TestFrameShapes::previews()
{
    QFETCH(quint32, classId);
    QFETCH(bool, selected);
    QFETCH(QPoint, inside);
    QFETCH(QColor, insideColour);
    QFETCH(QPoint, outside);
    QFETCH(QPoint, outline);
    QFETCH(QColor, plainOutline);

    std::unique_ptr<Frame> frame(FrameFactory::createFrame(classId));
    const QImage image = preview96(*frame, selected);
    QCOMPARE(image.size(), QSize(96, 96));

    const QColor got = QColor::fromRgba(image.pixel(inside));
    QVERIFY2(near(got, insideColour), qPrintable(got.name(QColor::HexArgb)));
    if (outside.x() >= 0)
        QCOMPARE(qAlpha(image.pixel(outside)), 0);

    const bool showsSelection = selected && classId != 7;
    QCOMPARE(hasColourNear(image, outline, selection), showsSelection);
    if (!showsSelection) {
        const QColor atOutline = QColor::fromRgba(image.pixel(outline));
        if (plainOutline == QColor(Qt::black))
            QVERIFY2(hasColourNear(image, outline, Qt::black), qPrintable(atOutline.name(QColor::HexArgb)));
        else
            QVERIFY2(near(atOutline, plainOutline), qPrintable(atOutline.name(QColor::HexArgb)));
    }
}

void TestFrameShapes::unselectedOutlineUsesCallersPen()
{
    // The clip-path frames keep the caller's pen and leave their own pen and
    // brush set: they neither save nor restore the painter.
    HeartFrame frame;
    QImage image(96, 96, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const QPen green(Qt::green, 3);
    painter.setPen(green);
    frame.drawFrame(&painter, QRect(0, 0, 96, 96), false, false);
    QCOMPARE(painter.pen(), green);
    QCOMPARE(painter.brush().style(), Qt::LinearGradientPattern);
    frame.drawFrame(&painter, QRect(0, 0, 96, 96), true, false);
    QCOMPARE(painter.pen().color(), selection);
    QCOMPARE(painter.pen().widthF(), 2.0);
    QCOMPARE(painter.pen().joinStyle(), Qt::BevelJoin);
    QCOMPARE(painter.pen().capStyle(), Qt::SquareCap);
    painter.end();

    HeartFrame again;
    image.fill(Qt::transparent);
    painter.begin(&image);
    painter.setPen(green);
    again.drawFrame(&painter, QRect(0, 0, 96, 96), false, false);
    painter.end();
    QVERIFY(hasColourNear(image, QPoint(0, 32), Qt::green));
}

void TestFrameShapes::emptyRoundedFramesDrawNothing_data()
{
    QTest::addColumn<quint32>("classId");
    QTest::addColumn<QRect>("rect");

    QTest::newRow("rounded, zero height") << 4u << QRect(0, 5, 10, 0);
    QTest::newRow("rounded, negative height") << 4u << QRect(0, 5, 10, -3);
    QTest::newRow("home, zero height") << 7u << QRect(0, 5, 10, 0);
    QTest::newRow("home, negative height") << 7u << QRect(0, 5, 10, -3);
}

void TestFrameShapes::emptyRoundedFramesDrawNothing()
{
    QFETCH(quint32, classId);
    QFETCH(QRect, rect);

    std::unique_ptr<Frame> frame(FrameFactory::createFrame(classId));
    QImage image(10, 10, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setPen(QPen(Qt::red, 4));
        frame->drawFrame(&painter, rect, true, false);
    }
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            QCOMPARE(qAlpha(image.pixel(x, y)), 0);
}

QTEST_MAIN(TestFrameShapes)
#include "tst_frameshapes.moc"
