#include "widgets/ColorSelectorButton.h"

#include <QApplication>
#include <QImage>
#include <QtTest>

namespace {

// The swatch on a white window, grabbed.
QImage grabSwatch(ColorSelectorButton& swatch)
{
    swatch.setAutoFillBackground(true);
    QPalette palette = swatch.palette();
    palette.setColor(QPalette::Window, Qt::white);
    swatch.setPalette(palette);
    return swatch.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool near(QRgb a, QColor b)
{
    return qAbs(qRed(a) - b.red()) <= 1 && qAbs(qGreen(a) - b.green()) <= 1 && qAbs(qBlue(a) - b.blue()) <= 1;
}

} // namespace

class TestColorSelectorButton : public QObject
{
    Q_OBJECT

private slots:
    void emission_data();
    void emission();
    void callersBlockingSurvives();
    void clickComesFromTheLabel();
    void paintsFrameAndColour();
    void disabledIsHalfOpaque();
    void noColourLeavesTheSwatchEmpty();
};

void TestColorSelectorButton::emission_data()
{
    QTest::addColumn<QColor>("start");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<bool>("block");
    QTest::addColumn<int>("emitted");

    QTest::newRow("new colour") << QColor(Qt::red) << QColor(Qt::blue) << false << 1;
    QTest::newRow("new colour, blocked") << QColor(Qt::red) << QColor(Qt::blue) << true << 0;
    QTest::newRow("same colour") << QColor(Qt::red) << QColor(Qt::red) << false << 0;
    QTest::newRow("same colour, blocked") << QColor(Qt::red) << QColor(Qt::red) << true << 0;
    QTest::newRow("first colour") << QColor() << QColor(Qt::green) << false << 1;
    QTest::newRow("alpha differs") << QColor(255, 0, 0) << QColor(255, 0, 0, 128) << false << 1;
}

void TestColorSelectorButton::emission()
{
    QFETCH(QColor, start);
    QFETCH(QColor, color);
    QFETCH(bool, block);
    QFETCH(int, emitted);

    ColorSelectorButton swatch;
    swatch.setColor(start, true);
    QCOMPARE(swatch.color(), start);
    QSignalSpy changed(&swatch, &ColorSelectorButton::colorChanged);

    swatch.setColor(color, block);
    QCOMPARE(swatch.color(), color);
    QCOMPARE(changed.size(), emitted);
    if (emitted)
        QCOMPARE(changed.at(0).at(0).value<QColor>(), color);
    QVERIFY(!swatch.signalsBlocked());
}

void TestColorSelectorButton::callersBlockingSurvives()
{
    ColorSelectorButton swatch;
    swatch.blockSignals(true);
    swatch.setColor(Qt::yellow, true);
    QVERIFY(swatch.signalsBlocked());
}

void TestColorSelectorButton::clickComesFromTheLabel()
{
    ColorSelectorButton swatch;
    swatch.resize(24, 16);
    QSignalSpy clicked(&swatch, &ClickableLabel::clicked);
    QTest::mouseClick(&swatch, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(clicked.size(), 1);
}

void TestColorSelectorButton::paintsFrameAndColour()
{
    ColorSelectorButton swatch;
    swatch.resize(30, 20);
    swatch.setColor(QColor(20, 120, 220));
    const QImage image = grabSwatch(swatch);

    // The frame is the outermost ring of pixels, a gap of one pixel follows,
    // and the colour fills from (2, 2) to (27, 17).
    const QColor frame(0xa4, 0xa4, 0xa4);
    QVERIFY(near(image.pixel(15, 0), frame));
    QVERIFY(near(image.pixel(0, 10), frame));
    QVERIFY(near(image.pixel(29, 10), frame));
    QVERIFY(near(image.pixel(15, 19), frame));
    QVERIFY(near(image.pixel(1, 10), Qt::white));
    QVERIFY(near(image.pixel(2, 2), QColor(20, 120, 220)));
    QVERIFY(near(image.pixel(27, 17), QColor(20, 120, 220)));
    QVERIFY(near(image.pixel(28, 10), Qt::white));
}

void TestColorSelectorButton::disabledIsHalfOpaque()
{
    ColorSelectorButton swatch;
    swatch.resize(30, 20);
    swatch.setColor(QColor(200, 0, 100));
    swatch.setEnabled(false);
    const QImage image = grabSwatch(swatch);

    // Half of the colour over white: 255 − (255 − c) / 2.
    QVERIFY(near(image.pixel(15, 10), QColor(228, 128, 178)));
    QVERIFY(near(image.pixel(15, 0), QColor(210, 210, 210)));
}

void TestColorSelectorButton::noColourLeavesTheSwatchEmpty()
{
    ColorSelectorButton swatch;
    swatch.resize(30, 20);
    QVERIFY(!swatch.color().isValid());
    const QImage image = grabSwatch(swatch);
    QVERIFY(near(image.pixel(15, 10), Qt::white));
    QVERIFY(near(image.pixel(15, 0), QColor(0xa4, 0xa4, 0xa4)));
}

QTEST_MAIN(TestColorSelectorButton)
#include "tst_colorselectorbutton.moc"
