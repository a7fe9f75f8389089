#include "HueDifference.h"
#include "StitchTestHost.h"
#include "SyntheticViews.h"
#include "Texture.h"
#include "ViewExposure.h"

#include "stitch/colour/CColorCorrection.h"
#include "stitch/colour/CFinestColorCorrection.h"
#include "stitch/image/CImage.h"
#include "stitch/image/CMask.h"

#include <QtTest>

#include <cmath>
#include <cstring>
#include <functional>
#include <vector>

using Cells = QList<QList<int>>; // {row, column, count} or {value, count}

// The response-curve fit and the fine correction of one new image against
// the panorama.
class TestColorCorrection : public QObject
{
    Q_OBJECT

private slots:
    void curve_data();
    void curve();
    void partValues();
    void weightOfT_data();
    void weightOfT();
    void rankPairing_data();
    void rankPairing();
    void identicalHistogramsGiveNearIdentity();
    void tooFewCountsGiveIdentity();
    void responseModelRecovered_data();
    void responseModelRecovered();
    void flatOverlapCastsNoColour_data();
    void flatOverlapCastsNoColour();
    void channelsKeepOneExposure_data();
    void channelsKeepOneExposure();

    void finestCountsBelowWhite_data();
    void finestCountsBelowWhite();
    void finestChangesOnlyMaskedPixels();
    void finestLeavesImageAloneWithoutOverlap_data();
    void finestLeavesImageAloneWithoutOverlap();
};

void TestColorCorrection::curve_data()
{
    QTest::addColumn<float>("a");
    QTest::addColumn<float>("x");
    for (float a : {-0.8f, -0.56f, -0.3f, 0.0f})
        for (float x : {0.0f, 0.01f, 0.2f, 0.5f, 0.77f, 0.99f, 1.0f})
            QTest::addRow("a %.2f x %.2f", double(a), double(x)) << a << x;
}

void TestColorCorrection::curve()
{
    QFETCH(float, a);
    QFETCH(float, x);
    // The fixture's half-circle form of the same curve, computed apart.
    QVERIFY(std::abs(CColorCorrection::Map(a, x) - ViewExposure::bend(a, x)) < 1e-6);
    QVERIFY(std::abs(CColorCorrection::InvMap(a, x) - ViewExposure::bend(-a, x)) < 1e-6);
    QVERIFY(std::abs(CColorCorrection::InvMap(a, CColorCorrection::Map(a, x)) - x) < 1e-6);
    if (a < 0 && x > 0 && x < 1)
        QVERIFY(CColorCorrection::Map(a, x) < x);
}

void TestColorCorrection::partValues()
{
    // Map(-0.8, 0.5) = 0.5 + (2 / pi) atan(-0.8 sin(pi/2) / (1 - 0)) =
    // 0.5 - 0.63662 x 0.67474 = 0.07045.
    QVERIFY(std::abs(CColorCorrection::Map(-0.8f, 0.5f) - 0.07045f) < 1e-4);
    // At a = 0 both are the identity; x is clamped to 0 .. 1 first.
    QCOMPARE(CColorCorrection::Map(0.0f, 0.3f), 0.3f);
    QCOMPARE(CColorCorrection::Map(-0.4f, -0.5f), 0.0f);
    QCOMPARE(CColorCorrection::Map(-0.4f, 1.5f), 1.0f);
    QCOMPARE(CColorCorrection::InvMap(-0.4f, 2.0f), 1.0f);
}

void TestColorCorrection::weightOfT_data()
{
    QTest::addColumn<int>("v");
    QTest::addColumn<float>("t");
    QTest::addColumn<float>("expected");
    QTest::newRow("below 10 keeps t") << 5 << 2.0f << 2.0f;
    QTest::newRow("9 keeps t") << 9 << 3.0f << 3.0f;
    QTest::newRow("10 is t") << 10 << 3.0f << 3.0f;
    QTest::newRow("255 reaches 1") << 255 << 2.0f << 1.0f;
    // 3.45 + 49 x (1 - 3.45) / 245 = 3.45 - 0.49
    QTest::newRow("59 on the slope") << 59 << 3.45f << 2.96f;
    QTest::newRow("t below 1 stays") << 100 << 0.5f << 0.5f;
    QTest::newRow("t of 1") << 200 << 1.0f << 1.0f;
}

void TestColorCorrection::weightOfT()
{
    QFETCH(int, v);
    QFETCH(float, t);
    QFETCH(float, expected);
    QVERIFY(std::abs(CColorCorrection::WeightOfT(static_cast<unsigned char>(v), t) - expected) < 1e-5);
}

void TestColorCorrection::rankPairing_data()
{
    QTest::addColumn<Cells>("first");
    QTest::addColumn<Cells>("second");
    QTest::addColumn<Cells>("joint");
    // Cells are {row = second's value, column = first's value, count}.
    QTest::newRow("identical") << Cells{{3, 2}, {7, 5}} << Cells{{3, 2}, {7, 5}} << Cells{{3, 3, 2}, {7, 7, 5}};
    // first 10:3, 20:2 against second 5:2, 6:3. Value 10 takes row 5
    // whole (2) and one of row 6; value 20 the two left in row 6.
    QTest::newRow("split")
        << Cells{{10, 3}, {20, 2}} << Cells{{5, 2}, {6, 3}} << Cells{{5, 10, 2}, {6, 10, 1}, {6, 20, 2}};
    // Value 0 (1 count) uses one of row 0's three; row 1 is empty. Value 1
    // must still get the two left in row 0 before row 2's three.
    QTest::newRow("partly used row before an empty one")
        << Cells{{0, 1}, {1, 5}} << Cells{{0, 3}, {2, 3}} << Cells{{0, 0, 1}, {0, 1, 2}, {2, 1, 3}};
    QTest::newRow("first has more: rest dropped") << Cells{{4, 5}} << Cells{{9, 2}} << Cells{{9, 4, 2}};
    QTest::newRow("second has more: rest dropped")
        << Cells{{4, 2}, {200, 1}} << Cells{{1, 1}, {2, 4}} << Cells{{1, 4, 1}, {2, 4, 1}, {2, 200, 1}};
    QTest::newRow("ends of the range") << Cells{{0, 1}, {255, 1}} << Cells{{255, 2}} << Cells{{255, 0, 1}, {255, 255, 1}};
    QTest::newRow("empty first") << Cells{} << Cells{{5, 5}} << Cells{};
}

void TestColorCorrection::rankPairing()
{
    QFETCH(Cells, first);
    QFETCH(Cells, second);
    QFETCH(Cells, joint);
    unsigned int h1[256] = {}, h2[256] = {};
    for (const auto& c : first)
        h1[c[0]] = unsigned(c[1]);
    for (const auto& c : second)
        h2[c[0]] = unsigned(c[1]);
    CColorCorrection cc;
    unsigned long long expectedTotal = 0;
    std::vector<unsigned> expected(256 * 256, 0);
    for (const auto& c : joint) {
        expected[size_t(c[0] * 256 + c[1])] = unsigned(c[2]);
        expectedTotal += unsigned(c[2]);
    }
    QCOMPARE(cc.PairByRank(h1, h2), expectedTotal);
    for (int r = 0; r < 256; ++r)
        for (int i = 0; i < 256; ++i)
            QVERIFY2(cc.Joint()[r * 256 + i] == expected[size_t(r * 256 + i)],
                     qPrintable(QStringLiteral("cell row %1 column %2: %3").arg(r).arg(i).arg(cc.Joint()[r * 256 + i])));
    // SubTotal reads the same cells: a row over the columns before a value,
    // a column over the rows before a value.
    for (const auto& c : joint) {
        unsigned rowBefore = 0, columnAbove = 0;
        for (int i = 0; i < c[1]; ++i)
            rowBefore += expected[size_t(c[0] * 256 + i)];
        for (int r = 0; r < c[0]; ++r)
            columnAbove += expected[size_t(r * 256 + c[1])];
        QCOMPARE(cc.SubTotal(c[0], c[1], 0), rowBefore);
        QCOMPARE(cc.SubTotal(c[0], c[1], 1), columnAbove);
    }
}

void TestColorCorrection::identicalHistogramsGiveNearIdentity()
{
    // At t = 1 the model is the identity for every shape, so the fit is
    // near t = 1 and the table within a truncation of the identity.
    unsigned int h[256];
    for (int v = 0; v < 256; ++v)
        h[v] = unsigned(20 + (v * 37) % 50);
    CColorCorrection cc;
    unsigned char table[256];
    cc.Run(h, h, table);
    QVERIFY2(std::abs(cc.T() - 1.0f) < 0.01f, qPrintable(QString::number(cc.T())));
    for (int v = 0; v < 256; ++v)
        QVERIFY2(table[v] == v || table[v] == v - 1, qPrintable(QStringLiteral("%1 -> %2").arg(v).arg(table[v])));
}

void TestColorCorrection::tooFewCountsGiveIdentity()
{
    // An empty first histogram would let every shape fit with error 0 and
    // settle on t about 2.1: a table that brightens for no reason.
    unsigned int empty[256] = {}, some[256] = {}, few[256] = {};
    for (int v = 0; v < 256; ++v)
        some[v] = 10;
    few[40] = 99;
    for (const unsigned int* first : {empty, few}) {
        CColorCorrection cc;
        unsigned char table[256];
        cc.Run(first, some, table);
        for (int v = 0; v < 256; ++v)
            QCOMPARE(int(table[v]), v);
    }
    // 100 paired counts are enough to fit.
    few[40] = 100;
    CColorCorrection cc;
    unsigned char table[256];
    cc.Run(few, some, table);
    QVERIFY(table[128] != 128);
}

void TestColorCorrection::responseModelRecovered_data()
{
    QTest::addColumn<float>("shape");
    QTest::addColumn<double>("ratio");
    // The model maps the second image onto the first as
    // InvMap(a, t Map(a, v)). Both views go through curve a, the reference
    // at gain 0.5 and the second at 0.5 x ratio, so a and t = 1 / ratio
    // undo the second exactly (t below 1: no fall-off) and little clips.
    // Shapes on the search grid -0.8 + 0.08 k.
    QTest::newRow("a -0.48, ratio 1.5") << -0.48f << 1.5;
    QTest::newRow("a -0.32, ratio 1.6") << -0.32f << 1.6;
    QTest::newRow("a -0.64, ratio 2") << -0.64f << 2.0;
}

void TestColorCorrection::responseModelRecovered()
{
    QFETCH(float, shape);
    QFETCH(double, ratio);
    const double gain = ratio;
    // A view of a smooth random colour texture: every value from dark to
    // bright is well represented (the garden photograph is mostly dark,
    // where every shape looks alike).
    const Texture texture(220, 170, 12, 43);
    const QByteArray scene = StitchTestHost::packed24(200, 150, [&](int x, int y) { return texture.at(x, y); });
    ViewExposure refExposure, secondExposure;
    refExposure.curve = secondExposure.curve = shape;
    for (int b = 0; b < 3; ++b) {
        refExposure.gain[b] = 0.5;
        secondExposure.gain[b] = 0.5 * ratio;
    }
    const QByteArray reference = refExposure.applied(scene);
    const QByteArray second = secondExposure.applied(scene);
    const auto* r = reinterpret_cast<const unsigned char*>(reference.constData()) + 40;
    const auto* s = reinterpret_cast<const unsigned char*>(second.constData()) + 40;
    const int bytes = int(reference.size()) - 40; // 600-byte rows need no padding

    for (int channel = 0; channel < 3; ++channel) {
        unsigned int h1[256] = {}, h2[256] = {};
        for (int k = channel; k < bytes; k += 3) {
            ++h1[r[k]];
            ++h2[s[k]];
        }
        CColorCorrection cc;
        unsigned char table[256];
        cc.Run(h1, h2, table);
        double error = 0;
        int counted = 0;
        for (int k = channel; k < bytes; k += 3) {
            if (s[k] == 255)
                continue; // clipped in the brighter view: nothing to map back
            error += std::abs(int(table[s[k]]) - int(r[k]));
            ++counted;
        }
        error /= counted;
        qInfo("channel %d: a %.3f t %.3f (truth %.3f, %.3f), mean error %.2f over %d pixels", channel,
              double(cc.A()), double(cc.T()), double(shape), 1 / gain, error, counted);
        QVERIFY(counted > bytes / 3 / 2);
        QVERIFY(error <= 2.0);
        QVERIFY(std::abs(cc.A() - shape) <= 0.04f); // half a step of the shape grid
        QVERIFY(std::abs(cc.T() - 1 / gain) <= 0.02);
    }
}

void TestColorCorrection::flatOverlapCastsNoColour_data()
{
    QTest::addColumn<QList<int>>("flat"); // red, green, blue of the overlap in the first photo
    QTest::addColumn<double>("exposure"); // the second photo's light against the first's
    // The sky of a real cast: every photo showed it as B/G/R 249/225/210.
    QTest::newRow("pale sky, second 4 % darker") << QList<int>{210, 225, 249} << 0.96;
    QTest::newRow("pale sky, second 6 % brighter, its blue clipped") << QList<int>{210, 225, 249} << 1.06;
    QTest::newRow("grey fog, second 12 % darker") << QList<int>{186, 190, 196} << 0.88;
}

void TestColorCorrection::flatOverlapCastsNoColour()
{
    QFETCH(QList<int>, flat);
    QFETCH(double, exposure);
    // Two photos whose overlap is a flat sky (a few levels of gentle
    // variation), the second taken with more or less light. Three
    // histograms of 256 per photo, channel after channel (red, green, blue).
    std::vector<unsigned int> first(768, 0), second(768, 0);
    auto seen = [exposure](double value) { return int(std::clamp(std::floor(value * exposure + 0.5), 0.0, 255.0)); };
    for (int i = 0; i < 4000; ++i)
        for (int c = 0; c < 3; ++c) {
            const double value = std::min(255.0, flat[c] + ((i * (7 + 3 * c)) % 5) - 2.0);
            ++first[size_t(256 * c) + size_t(value)];
            ++second[size_t(256 * c) + size_t(seen(value))];
        }
    // Colours the second photo shows elsewhere, and what the first would
    // have shown of them.
    const QList<QList<int>> elsewhere{{60, 90, 40}, {150, 110, 70}, {128, 128, 128}, {40, 45, 52}, {200, 160, 140}};

    // Channel by channel, each fitted curve runs through the one point the
    // overlap holds and bends every other value its own way: the blue of a
    // 4 % darker photo is lifted like a mid-tone three times over. This is
    // the cast a sky once turned magenta with.
    double worstAlone = 0.0;
    {
        unsigned char tables[3][256];
        CColorCorrection fit;
        for (int c = 0; c < 3; ++c)
            fit.Run(first.data() + 256 * c, second.data() + 256 * c, tables[c]);
        for (const QList<int>& colour : elsewhere) {
            const QRgb corrected = qRgb(tables[0][seen(colour[0])], tables[1][seen(colour[1])], tables[2][seen(colour[2])]);
            worstAlone = std::max(worstAlone, HueDifference::between(corrected, qRgb(colour[0], colour[1], colour[2])));
        }
    }

    // Together: the flat band goes exactly onto the first photo's sky and
    // every other colour keeps its hue.
    unsigned char tables[768];
    CColorCorrection fit;
    fit.RunChannels(first.data(), second.data(), tables);
    for (int c = 0; c < 3; ++c) {
        double sumFirst = 0, sumSecond = 0;
        for (int v = 0; v < 256; ++v) {
            sumFirst += double(first[size_t(256 * c + v)]) * v;
            sumSecond += double(second[size_t(256 * c + v)]) * tables[256 * c + v];
        }
        QVERIFY2(std::abs(sumFirst - sumSecond) / 4000 <= 1.0,
                 qPrintable(QStringLiteral("channel %1: %2 against %3").arg(c).arg(sumSecond / 4000).arg(sumFirst / 4000)));
    }
    double worst = 0.0;
    for (const QList<int>& colour : elsewhere) {
        const QRgb corrected =
            qRgb(tables[seen(colour[0])], tables[256 + seen(colour[1])], tables[512 + seen(colour[2])]);
        worst = std::max(worst, HueDifference::between(corrected, qRgb(colour[0], colour[1], colour[2])));
    }
    qInfo("hue moved by %.1f channel by channel, %.1f together", worstAlone, worst);
    QVERIFY2(worstAlone > 6.0, "the channel by channel fit no longer casts: the fixture lost its point");
    QVERIFY2(worst <= 2.0, qPrintable(QString::number(worst)));
}

void TestColorCorrection::channelsKeepOneExposure_data()
{
    QTest::addColumn<double>("ratio"); // the first photo's light against the second's
    QTest::newRow("first brighter by a quarter") << 1.25;
    QTest::newRow("first darker by a fifth") << 0.8;
}

void TestColorCorrection::channelsKeepOneExposure()
{
    QFETCH(double, ratio);
    // A real photograph whose channels lie apart (a blue sky over yellow
    // grass: most red values high, most blue ones low), seen through two
    // exposures that differ by the same ratio in every channel. Each
    // channel's table must be that ratio, whatever its values' spread:
    // a ratio fitted larger for the channel whose values are brighter
    // would tint the shadows.
    const QImage photo = QImage(SyntheticViews::photoPath(QStringLiteral("Dune.jpg")))
                             .scaled(420, 263, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_RGB32);
    if (photo.isNull())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    std::vector<unsigned int> first(768, 0), second(768, 0);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x) {
            const QRgb p = photo.pixel(x, y);
            const int values[3] = {qRed(p), qGreen(p), qBlue(p)};
            for (int c = 0; c < 3; ++c) {
                ++first[size_t(256 * c) + size_t(std::min(255.0, std::floor(values[c] * ratio + 0.5)))];
                ++second[size_t(256 * c + values[c])];
            }
        }
    unsigned char tables[768];
    CColorCorrection fit;
    fit.RunChannels(first.data(), second.data(), tables);
    for (int c = 0; c < 3; ++c)
        for (int v = 16; v <= 200; ++v) {
            const double expected = std::min(255.0, v * ratio);
            QVERIFY2(std::abs(tables[256 * c + v] - expected) <= 2.0,
                     qPrintable(QStringLiteral("channel %1: %2 -> %3, not %4").arg(c).arg(v).arg(tables[256 * c + v]).arg(expected)));
        }
}

namespace {

// A 24-bit image of the host's memory filled from pixel(x, y) (memory rows,
// bytes 0, 1, 2), and a mask set where covered(x, y).
struct Picture
{
    CImage image;
    CMask mask;

    Picture(int width, int height, const std::function<QList<int>(int, int)>& pixel,
            const std::function<bool(int, int)>& covered)
        : mask(unsigned(width), unsigned(height))
    {
        image.Create(width, height, 24);
        image.Lock();
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const QList<int> p = pixel(x, y);
                unsigned char* b = image.Bits() + y * image.Stride() + 3 * x;
                for (int k = 0; k < 3; ++k)
                    b[k] = static_cast<unsigned char>(p[k]);
                mask.SetPixel(unsigned(y), unsigned(x), covered(x, y));
            }
        image.Unlock();
    }

    QByteArray bytes()
    {
        image.Lock();
        const QByteArray out(reinterpret_cast<const char*>(image.Bits()), image.Stride() * image.Height());
        image.Unlock();
        return out;
    }
};

QList<int> texture(int x, int y, int base)
{
    return {base + (x * 7 + y * 3) % 40, base + (x * 5 + y * 11) % 50, base + (x * 13 + y) % 30};
}

} // namespace

void TestColorCorrection::finestCountsBelowWhite_data()
{
    QTest::addColumn<QList<int>>("reference");
    QTest::addColumn<QList<int>>("fresh");
    QTest::addColumn<bool>("counted");
    QTest::newRow("reference 251 251 250 = 752 counted") << QList<int>{251, 251, 250} << QList<int>{10, 20, 30} << true;
    QTest::newRow("reference 251 251 251 = 753 left out") << QList<int>{251, 251, 251} << QList<int>{10, 20, 30} << false;
    QTest::newRow("new 250 251 251 = 752 counted") << QList<int>{10, 20, 30} << QList<int>{250, 251, 251} << true;
    QTest::newRow("new 255 255 255 left out") << QList<int>{10, 20, 30} << QList<int>{255, 255, 255} << false;
}

void TestColorCorrection::finestCountsBelowWhite()
{
    QFETCH(QList<int>, reference);
    QFETCH(QList<int>, fresh);
    QFETCH(bool, counted);
    StitchTestHost host;
    {
        // One pixel of each at panorama (3, 2).
        Picture ref(5, 4, [&](int, int) { return reference; }, [](int, int) { return true; });
        Picture add(2, 2, [&](int, int) { return fresh; }, [](int, int) { return true; });
        CFinestColorCorrection fine;
        fine.m_pReferenceImage = &ref.image;
        fine.m_pReferenceMask = &ref.mask;
        fine.m_pNewImage = &add.image;
        fine.m_pNewMask = &add.mask;
        fine.ComputeHistogram(tagRECT{3, 2, 4, 3}, tagRECT{0, 0, 5, 4}, tagRECT{3, 2, 5, 4});
        unsigned total = 0;
        for (unsigned c : fine.m_Counts)
            total += c;
        QCOMPARE(total, counted ? 6u : 0u);
        if (counted) {
            // Reference bytes 2, 1, 0 first, then the new image's.
            QCOMPARE(fine.m_Counts[reference[2]], 1u);
            QCOMPARE(fine.m_Counts[256 + reference[1]], 1u);
            QCOMPARE(fine.m_Counts[512 + reference[0]], 1u);
            QCOMPARE(fine.m_Counts[768 + fresh[2]], 1u);
            QCOMPARE(fine.m_Counts[1024 + fresh[1]], 1u);
            QCOMPARE(fine.m_Counts[1280 + fresh[0]], 1u);
        }
    }
    QVERIFY2(host.clean(), qPrintable(host.report()));
}

void TestColorCorrection::finestChangesOnlyMaskedPixels()
{
    StitchTestHost host;
    {
        // Panorama 60 x 30 placed at the origin, covered left of x = 45. The
        // new image, darker by 40, is placed at x = 30: the overlap is
        // panorama columns 30 .. 44. Its mask leaves out its last 5 columns
        // and its first 3 rows.
        Picture pano(60, 30, [](int x, int y) { return texture(x, y, 120); }, [](int x, int) { return x < 45; });
        Picture add(30, 30, [](int x, int y) { return texture(x + 30, y, 80); },
                    [](int x, int y) { return x < 25 && y >= 3; });
        const QByteArray before = add.bytes();
        CFinestColorCorrection fine;
        fine.m_pReferenceImage = &pano.image;
        fine.m_pReferenceMask = &pano.mask;
        fine.m_pNewImage = &add.image;
        fine.m_pNewMask = &add.mask;
        QCOMPARE(fine.Run(tagRECT{30, 0, 60, 30}, tagRECT{0, 0, 60, 30}, tagRECT{30, 0, 60, 30}), 0);
        const QByteArray after = add.bytes();
        const int stride = add.image.Stride();
        double shift = 0;
        int masked = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x)
                for (int k = 0; k < 3; ++k) {
                    const int i = y * stride + 3 * x + k;
                    const int b = static_cast<unsigned char>(before[i]), a = static_cast<unsigned char>(after[i]);
                    if (!add.mask.GetPixel(unsigned(y), unsigned(x))) {
                        QCOMPARE(a, b);
                    } else {
                        shift += a - b;
                        ++masked;
                    }
                }
        // The masked pixels, outside the overlap too, come up by about 40.
        shift /= masked;
        QVERIFY2(shift > 30 && shift < 50, qPrintable(QString::number(shift)));
    }
    QVERIFY2(host.clean(), qPrintable(host.report()));
}

void TestColorCorrection::finestLeavesImageAloneWithoutOverlap_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("overlap without rows") << 0;
    QTest::newRow("overlap all white in the panorama") << 1;
    QTest::newRow("masks never both set") << 2;
    QTest::newRow("overlap off both images") << 3;
}

void TestColorCorrection::finestLeavesImageAloneWithoutOverlap()
{
    QFETCH(int, kind);
    StitchTestHost host;
    {
        Picture pano(40, 20, [&](int x, int y) { return kind == 1 ? QList<int>{255, 255, 255} : texture(x, y, 150); },
                     [&](int x, int) { return kind == 2 ? x < 20 : true; });
        Picture add(20, 20, [](int x, int y) { return texture(x, y, 60); }, [](int, int) { return true; });
        const QByteArray before = add.bytes();
        CFinestColorCorrection fine;
        fine.m_pReferenceImage = &pano.image;
        fine.m_pReferenceMask = &pano.mask;
        fine.m_pNewImage = &add.image;
        fine.m_pNewMask = &add.mask;
        tagRECT overlap{20, 0, 40, 20};
        if (kind == 0)
            overlap.bottom = 0;
        if (kind == 3)
            overlap = tagRECT{100, 100, 120, 120};
        QCOMPARE(fine.Run(overlap, tagRECT{0, 0, 40, 20}, tagRECT{20, 0, 40, 20}), 0);
        QCOMPARE(add.bytes(), before);
    }
    QVERIFY2(host.clean(), qPrintable(host.report()));
}

QTEST_MAIN(TestColorCorrection)
#include "tst_colorcorrection.moc"
