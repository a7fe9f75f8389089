// The reducer behind every reduced read of rows: each target pixel the
// area average of what it covers, exactly, whatever the rows' kind.
#include "files/IQAreaScaler.h"

#include <QtTest>

#include <cmath>

namespace {

using Rows = IQAreaScaler::Rows;

// The area average worked out in doubles, the rule the reducer must keep:
// source pixel (x, y) covers [x, x + 1) x [y, y + 1) scaled by the target
// over the source size, and weighs by its overlap with the target pixel.
double areaAverage(const std::function<double(int, int)>& value, QSize source, QSize target, int tx, int ty)
{
    const double sx = double(source.width()) / target.width();
    const double sy = double(source.height()) / target.height();
    double sum = 0;
    for (int y = int(std::floor(ty * sy)); y < source.height() && y < (ty + 1) * sy; ++y) {
        const double h = std::min<double>(y + 1, (ty + 1) * sy) - std::max<double>(y, ty * sy);
        for (int x = int(std::floor(tx * sx)); x < source.width() && x < (tx + 1) * sx; ++x) {
            const double w = std::min<double>(x + 1, (tx + 1) * sx) - std::max<double>(x, tx * sx);
            sum += value(x, y) * w * h;
        }
    }
    return sum / (sx * sy);
}

} // namespace

class TestIQAreaScaler : public QObject
{
    Q_OBJECT

private slots:
    void threeToTwo();
    void matchesTheAreaRule_data();
    void matchesTheAreaRule();
    void premultipliedAlphaStaysValid();
    void refusesWhatItCannotDo_data();
    void refusesWhatItCannotDo();
    void resultOnlyOnceEveryRowCame();
};

void TestIQAreaScaler::threeToTwo()
{
    // Three grey pixels 0, 90, 180 into two: the first target pixel covers
    // the first source pixel and half the second, (0 + 45) / 1.5 = 30; the
    // second half the second and the third, (45 + 180) / 1.5 = 150.
    IQAreaScaler scaler(QSize(3, 1), QSize(2, 1), Rows::Grey);
    QVERIFY(scaler.isValid());
    const uchar row[3] = {0, 90, 180};
    scaler.addGreyRow(row);
    const QImage out = scaler.result();
    QCOMPARE(out.format(), QImage::Format_RGB32);
    QCOMPARE(out.pixel(0, 0), qRgb(30, 30, 30));
    QCOMPARE(out.pixel(1, 0), qRgb(150, 150, 150));
}

void TestIQAreaScaler::matchesTheAreaRule_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QSize>("target");
    QTest::newRow("same size") << QSize(7, 5) << QSize(7, 5);
    QTest::newRow("halved") << QSize(8, 6) << QSize(4, 3);
    QTest::newRow("no common factor") << QSize(13, 11) << QSize(5, 4);
    QTest::newRow("to one pixel") << QSize(9, 7) << QSize(1, 1);
    QTest::newRow("one side only") << QSize(10, 3) << QSize(3, 3);
    QTest::newRow("a row of one") << QSize(31, 1) << QSize(6, 1);
}

void TestIQAreaScaler::matchesTheAreaRule()
{
    QFETCH(QSize, source);
    QFETCH(QSize, target);
    const auto red = [](int x, int y) { return double((x * 37 + y * 91) % 256); };
    const auto green = [](int x, int y) { return double((x * x + 3 * y) % 256); };
    const auto blue = [](int x, int y) { return double((255 - x * 11 - y * 17 + 4096) % 256); };

    IQAreaScaler colour(source, target, Rows::Opaque);
    IQAreaScaler grey(source, target, Rows::Grey);
    QVERIFY(colour.isValid() && grey.isValid());
    std::vector<QRgb> pixels(size_t(source.width()));
    std::vector<uchar> samples(size_t(source.width()));
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            // Alpha is not read for opaque rows.
            pixels[size_t(x)] = qRgba(int(red(x, y)), int(green(x, y)), int(blue(x, y)), 17);
            samples[size_t(x)] = uchar(red(x, y));
        }
        colour.addRow(pixels.data());
        grey.addGreyRow(samples.data());
    }
    const QImage out = colour.result();
    const QImage outGrey = grey.result();
    QCOMPARE(out.size(), target);
    for (int ty = 0; ty < target.height(); ++ty) {
        for (int tx = 0; tx < target.width(); ++tx) {
            const QRgb p = out.pixel(tx, ty);
            // Rounded to the nearest: within half a level of the rule.
            QVERIFY(std::abs(qRed(p) - areaAverage(red, source, target, tx, ty)) <= 0.5 + 1e-9);
            QVERIFY(std::abs(qGreen(p) - areaAverage(green, source, target, tx, ty)) <= 0.5 + 1e-9);
            QVERIFY(std::abs(qBlue(p) - areaAverage(blue, source, target, tx, ty)) <= 0.5 + 1e-9);
            QCOMPARE(qAlpha(p), 255);
            QCOMPARE(outGrey.pixel(tx, ty), qRgb(qRed(p), qRed(p), qRed(p)));
        }
    }
}

void TestIQAreaScaler::premultipliedAlphaStaysValid()
{
    // An opaque red pixel beside a transparent one: half-covered red,
    // premultiplied (128, 0, 0, 128) after rounding 127.5 up.
    IQAreaScaler scaler(QSize(2, 1), QSize(1, 1), Rows::Alpha);
    const QRgb row[2] = {qRgba(255, 0, 0, 255), qRgba(0, 0, 0, 0)};
    scaler.addRow(row);
    const QImage out = scaler.result();
    QCOMPARE(out.format(), QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(out.pixel(0, 0), qRgba(128, 0, 0, 128));
}

void TestIQAreaScaler::refusesWhatItCannotDo_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QSize>("target");
    QTest::newRow("wider target") << QSize(4, 4) << QSize(5, 4);
    QTest::newRow("taller target") << QSize(4, 4) << QSize(4, 5);
    QTest::newRow("empty target") << QSize(4, 4) << QSize(0, 2);
    QTest::newRow("rows too wide for its sums") << QSize(IQAreaScaler::maxSourceWidth + 1, 1) << QSize(1, 1);
}

void TestIQAreaScaler::refusesWhatItCannotDo()
{
    QFETCH(QSize, source);
    QFETCH(QSize, target);
    IQAreaScaler scaler(source, target, Rows::Opaque);
    QVERIFY(!scaler.isValid());
    QVERIFY(scaler.result().isNull());
}

void TestIQAreaScaler::resultOnlyOnceEveryRowCame()
{
    IQAreaScaler scaler(QSize(2, 3), QSize(1, 1), Rows::Grey);
    const uchar row[2] = {10, 20};
    scaler.addGreyRow(row);
    scaler.addGreyRow(row);
    QVERIFY(scaler.result().isNull());
    // Rows of the wrong kind are not taken.
    const QRgb pixels[2] = {0, 0};
    scaler.addRow(pixels);
    QVERIFY(scaler.result().isNull());
    scaler.addGreyRow(row);
    QCOMPARE(scaler.result().pixel(0, 0), qRgb(15, 15, 15));
    // More rows than the source has change nothing.
    const uchar bright[2] = {255, 255};
    scaler.addGreyRow(bright);
    QCOMPARE(scaler.result().pixel(0, 0), qRgb(15, 15, 15));
}

QTEST_GUILESS_MAIN(TestIQAreaScaler)
#include "tst_iqareascaler.moc"
