#include "SiftViews.h"

#include "stitch/sift/APMK.h"
#include "stitch/sift/SIFTKernels.h"
#include "stitch/sift/SIFTMatching.h"
#include "stitch/sift/SIFTObject.h"

#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

namespace {

struct Release
{
    void operator()(SIFTObject* object) const { APMK_ReleaseObject(&object); }
};
using Sift = std::unique_ptr<SIFTObject, Release>;

void quiet(int, bool*, void*) {}

_tagPixelArray pixelsOf(const SiftPicture& pic)
{
    return _tagPixelArray{0, pic.width, pic.height, pic.stride(), pic.bytes.data()};
}

Sift detected(const SiftPicture& pic)
{
    const _tagPixelArray pixels = pixelsOf(pic);
    Sift object(APMK_CreateObject(&pixels));
    if (APMK_SIFTDetecting(object.get(), 0, 100, nullptr, quiet) != 0)
        return nullptr;
    return object;
}

// A dark picture with bright Gaussian blobs (sigma 3) at the given centres.
SiftPicture blobs(int width, int height, const QList<QPointF>& centres)
{
    SiftPicture pic{width, height, std::vector<unsigned char>(size_t(width) * height * 3)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            double v = 10;
            for (const QPointF& c : centres)
                v += 200 * std::exp(-((x - c.x()) * (x - c.x()) + (y - c.y()) * (y - c.y())) / 18.0);
            pic.set(x, y, v);
        }
    }
    return pic;
}

// A feature for hand-made match inputs: descriptor `id` has one byte of 250
// at position id, so equal ids are at distance 0 and different ones at
// 2 x 250^2 = 125000, above the 80000 limit.
Keypoint* feature(float x, float y, int id, float angle = 0)
{
    auto* k = new Keypoint;
    k->x = x;
    k->y = y;
    k->sigma = 2;
    k->angle = angle;
    k->itsOriFV.assign(128, 0);
    k->itsOriFV[size_t(id)] = 250;
    return k;
}

struct Pair
{
    float xa, ya, xb, yb;
};

} // namespace

Q_DECLARE_METATYPE(Pair)

namespace {

// Two objects holding matching features (pair i gets descriptor i).
void fill(SIFTObject& a, SIFTObject& b, const QList<Pair>& pairs, int size = 200)
{
    a.width = a.height = b.width = b.height = size;
    for (int i = 0; i < pairs.size(); ++i) {
        a.features.push_back(feature(pairs[i].xa, pairs[i].ya, i));
        b.features.push_back(feature(pairs[i].xb, pairs[i].yb, i));
    }
}

// Scattered points, no three on a line.
const QList<QPointF> kSpots = {{10, 10}, {50, 12}, {30, 40}, {70, 60}, {20, 70}, {90, 25}, {60, 90}, {100, 80}};

QList<Pair> mapped(int count, double a, double b, double c, double d, double tx, double ty)
{
    QList<Pair> pairs;
    for (int i = 0; i < count; ++i) {
        const QPointF p = kSpots[i];
        pairs << Pair{float(p.x()), float(p.y()), float(a * p.x() + b * p.y() + tx), float(c * p.x() + d * p.y() + ty)};
    }
    return pairs;
}

// The view of the texture the rotation and shift tests start from.
const ViewMap kSource = ViewMap::shift(-600, -700);

} // namespace

class TestSift : public QObject
{
    Q_OBJECT

private slots:
    void scaleSpaceParam_data();
    void scaleSpaceParam();
    void octaveSizes();
    void greyValues();
    void smoothKernels_data();
    void smoothKernels();
    void extremaKernels_data();
    void extremaKernels();
    void gradientKernels_data();
    void gradientKernels();
    void refusedPictures();
    void fewOctaves();
    void houghVotes_data();
    void houghVotes();
    void blobCentres();
    void shiftedCrop();
    void turnedCopy_data();
    void turnedCopy();
    void syntheticPairs_data();
    void syntheticPairs();
    void plausibility_data();
    void plausibility();
    void outputRules_data();
    void outputRules();
    void nullObjects();
    void cancelAtEveryReport();
};

void TestSift::scaleSpaceParam_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("octaves");

    // O = floor(log2(shorter side)) - 3, clamped to 1..3.
    QTest::newRow("1x1: -3 clamped") << 1 << 1 << 1;
    QTest::newRow("16x16: log2 4, 1") << 16 << 16 << 1;
    QTest::newRow("31x500: log2 4.95, 1") << 31 << 500 << 1;
    QTest::newRow("500x32: log2 5, 2") << 500 << 32 << 2;
    QTest::newRow("63x63: log2 5.98, 2") << 63 << 63 << 2;
    QTest::newRow("64x64: log2 6, 3") << 64 << 64 << 3;
    QTest::newRow("4000x3000: 11 - 3 clamped to 3") << 4000 << 3000 << 3;
}

void TestSift::scaleSpaceParam()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, octaves);
    SIFTObject object;
    object.width = width;
    object.height = height;
    object.SetScaleSpaceParam();
    const SIFTScaleSpaceParam& p = object.ScaleSpace();
    QCOMPARE(p.O, octaves);
    QCOMPARE(p.omin, -1);
    QCOMPARE(p.omax, octaves - 2);
    QCOMPARE(p.S, 3);
    QCOMPARE(p.smin, -1);
    QCOMPARE(p.smax, 4);
    QCOMPARE(p.sigma0, 1.6f);
}

void TestSift::octaveSizes()
{
    SIFTObject object;
    object.width = 101;
    object.height = 64;
    object.SetScaleSpaceParam();
    QCOMPARE(object.ScaleSpace().O, 3);
    // Octave -1 doubles, 0 is the picture, 1 halves with the odd column dropped.
    QCOMPARE(object.GetOctaveWidth(-1), 202);
    QCOMPARE(object.GetOctaveHeight(-1), 128);
    QCOMPARE(object.GetOctaveWidth(0), 101);
    QCOMPARE(object.GetOctaveHeight(0), 64);
    QCOMPARE(object.GetOctaveWidth(1), 50);
    QCOMPARE(object.GetOctaveHeight(1), 32);
}

void TestSift::greyValues()
{
    // Pixels (blue, green, red): black, white, blue 100, green 100; then at
    // the padded stride of 20: red 200, blue 100 with red 200, (1, 2, 3).
    const unsigned char bytes[40] = {0, 0, 0, 255, 255, 255, 100, 0, 0, 0, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                     0, 0, 200, 100, 0, 200, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0, 0, 0};
    const _tagPixelArray pixels{0, 4, 2, 20, bytes};
    SIFTObject object;
    QCOMPARE(GetNormalizedGrayImg(&object, &pixels), 0);
    QCOMPARE(object.width, 4);
    QCOMPARE(object.height, 2);
    // 0.11 B + 0.59 G + 0.30 R, then divided by 255 in float.
    QCOMPARE(object.image[0], 0.0f);
    QCOMPARE(object.image[1], 1.0f); // 28.05 + 150.45 + 76.5 = 255
    QCOMPARE(object.image[2], 11.0f / 255.0f); // 0.11 x 100
    QCOMPARE(object.image[3], 59.0f / 255.0f); // 0.59 x 100
    QCOMPARE(object.image[4], 60.0f / 255.0f); // 0.30 x 200
    QCOMPARE(object.image[5], 71.0f / 255.0f); // 11 + 60
    QCOMPARE(object.image[6], 2.19f / 255.0f); // 0.11 + 1.18 + 0.90
}

void TestSift::smoothKernels_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<float>("sigma");
    // Narrower than the kernel, one block with a tail, several blocks, odd.
    QTest::newRow("1 x 1") << 1 << 1 << 1.6f;
    QTest::newRow("7 x 4") << 7 << 4 << 2.0f;
    QTest::newRow("11 x 11") << 11 << 11 << 1.2f;
    QTest::newRow("26 x 9") << 26 << 9 << 1.6f;
    QTest::newRow("27 x 30") << 27 << 30 << 3.2f;
    QTest::newRow("101 x 67") << 101 << 67 << 2.54f;
}

void TestSift::smoothKernels()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(float, sigma);
    if (!SimdHasAvx2())
        QSKIP("this processor has no AVX2");
    const size_t n = size_t(width) * height;
    std::vector<float> src(n), scratch(size_t(11) * width), plain(n), avx2(n);
    QRandomGenerator random(41);
    for (float& v : src)
        v = float(random.generateDouble());
    SiftSmooth(src.data(), plain.data(), scratch.data(), width, height, sigma, SimdKernel::Plain);
    SiftSmooth(src.data(), avx2.data(), scratch.data(), width, height, sigma, SimdKernel::Avx2);
    QVERIFY(std::memcmp(plain.data(), avx2.data(), n * sizeof(float)) == 0);
    // In place, as the scale space smooths its base level.
    std::vector<float> inPlace = src;
    SiftSmooth(inPlace.data(), inPlace.data(), scratch.data(), width, height, sigma, SimdKernel::Avx2);
    QVERIFY(std::memcmp(plain.data(), inPlace.data(), n * sizeof(float)) == 0);
}

void TestSift::extremaKernels_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("peaks");
    QTest::newRow("short row, tail only") << 7 << 2;
    QTest::newRow("quiet row") << 40 << 0;
    QTest::newRow("many peaks") << 61 << 12;
    QTest::newRow("dense peaks") << 130 << 40;
}

void TestSift::extremaKernels()
{
    QFETCH(int, width);
    QFETCH(int, peaks);
    // Nine rows of small noise, below the contrast, with maxima and minima
    // planted in the middle row; a planted value beaten by one neighbour is
    // no extremum.
    QRandomGenerator random(7);
    std::vector<std::vector<float>> data(9, std::vector<float>(size_t(width) + 2));
    for (auto& row : data)
        for (float& v : row)
            v = float(random.bounded(0.004) - 0.002);
    std::vector<float>& middle = data[4];
    for (int i = 0; i < peaks; ++i) {
        const size_t x = 1 + random.bounded(width);
        middle[x] = i % 2 ? -0.01f : 0.01f;
        if (i % 5 == 4) // one of its neighbours equals it
            data[1 + random.bounded(3)][x - 1 + random.bounded(3)] = middle[x];
    }
    const float* const rows[3][3] = {{data[0].data() + 1, data[1].data() + 1, data[2].data() + 1},
                                     {data[3].data() + 1, data[4].data() + 1, data[5].data() + 1},
                                     {data[6].data() + 1, data[7].data() + 1, data[8].data() + 1}};
    // Column by column, every test takes the scalar way.
    QList<int> expected;
    int one;
    for (int x = 0; x < width; ++x)
        if (SiftExtremaInRow(rows, x, x + 1, 0.0025f, &one, SimdKernel::Plain) == 1)
            expected << one;
    for (SimdKernel kernel : {SimdKernel::Plain, SimdKernel::Avx2}) {
        if (kernel == SimdKernel::Avx2 && !SimdHasAvx2())
            continue;
        std::vector<int> xs(static_cast<size_t>(width));
        const int count = SiftExtremaInRow(rows, 0, width, 0.0025f, xs.data(), kernel);
        QCOMPARE(QList<int>(xs.begin(), xs.begin() + count), expected);
    }
    if (peaks > 0)
        QVERIFY(!expected.isEmpty());
}

void TestSift::gradientKernels_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("grey values") << 0;
    QTest::newRow("tiny differences") << 1;
    QTest::newRow("flat and stepped (zero and axis gradients)") << 2;
    QTest::newRow("one direction much steeper") << 3;
}

void TestSift::gradientKernels()
{
    QFETCH(int, kind);
    if (!SimdHasAvx2())
        QSKIP("this processor has no AVX2");
    // Three rows of 61 values (59 pixels with a neighbour each side), many
    // times over: the angles of the AVX2 kernel must be the C library's to
    // the last bit, above all where an angle lies near a float boundary.
    QRandomGenerator random(kind + 3);
    const int n = 59;
    std::vector<float> up(n + 2), row(n + 2), down(n + 2), plain(2 * n), avx2(2 * n);
    auto value = [&](float base) {
        switch (kind) {
        case 0:
            return float(random.generateDouble());
        case 1:
            return base + float(random.bounded(2e-6) - 1e-6);
        case 2:
            return float(random.bounded(3)) / 255.0f;
        default:
            return base + float(random.bounded(1e-3));
        }
    };
    for (int round = 0; round < 3000; ++round) {
        for (int x = 0; x < n + 2; ++x) {
            row[size_t(x)] = value(0.5f);
            up[size_t(x)] = value(0.5f);
            // The steep case: large vertical differences against small horizontal ones.
            down[size_t(x)] = kind == 3 && round % 2 ? up[size_t(x)] + 0.3f : value(0.5f);
        }
        SiftGradientRow(row.data() + 1, up.data() + 1, down.data() + 1, n, plain.data(), SimdKernel::Plain);
        SiftGradientRow(row.data() + 1, up.data() + 1, down.data() + 1, n, avx2.data(), SimdKernel::Avx2);
        QVERIFY2(std::memcmp(plain.data(), avx2.data(), plain.size() * sizeof(float)) == 0,
                 qPrintable(QString("round %1").arg(round)));
    }
}

void TestSift::refusedPictures()
{
    const unsigned char bytes[12] = {};
    const _tagPixelArray format1{1, 2, 2, 6, bytes};
    SIFTObject object;
    QCOMPARE(GetNormalizedGrayImg(&object, &format1), -3);
    QCOMPARE(GetNormalizedGrayImg(nullptr, &format1), -2);
    QCOMPARE(GetNormalizedGrayImg(&object, nullptr), -2);
    QVERIFY(!object.image);

    QVERIFY(!APMK_CreateObject(nullptr));
    // A picture of format 1 gives an empty object that finds nothing.
    SiftPicture pic = SiftViews().render(80, 80, kSource);
    _tagPixelArray pixels = pixelsOf(pic);
    pixels.format = 1;
    Sift empty(APMK_CreateObject(&pixels));
    QVERIFY(empty);
    QCOMPARE(empty->width, 0);
    QCOMPARE(empty->ScaleSpace().O, 1);
    QCOMPARE(APMK_SIFTDetecting(empty.get(), 0, 100, nullptr, quiet), 0);
    QVERIFY(empty->Features().empty());
    QCOMPARE(APMK_SIFTDetecting(nullptr, 0, 100, nullptr, quiet), -2);

    SIFTObject* gone = nullptr;
    APMK_ReleaseObject(&gone);
    APMK_ReleaseObject(nullptr);
}

void TestSift::fewOctaves()
{
    const SiftViews views;
    // Shorter side 28: one octave, the last, which yields nothing.
    Sift one = detected(views.render(60, 28, kSource));
    QVERIFY(one);
    QCOMPARE(one->ScaleSpace().O, 1);
    QVERIFY(one->Features().empty());

    // Shorter side 48: octaves -1 and 0; only -1 yields features.
    Sift two = detected(views.render(64, 48, kSource));
    QVERIFY(two);
    QCOMPARE(two->ScaleSpace().O, 2);
    QVERIFY(!two->Features().empty());
    for (const Keypoint* k : two->Features()) {
        QCOMPARE(k->octave, -1);
        QCOMPARE(k->itsOriFV.size(), size_t(128));
    }
    // With three octaves the middle one contributes too.
    Sift three = detected(views.render(160, 120, kSource));
    QVERIFY(three);
    bool octaveZero = false;
    for (const Keypoint* k : three->Features()) {
        QVERIFY(k->octave == -1 || k->octave == 0);
        octaveZero = octaveZero || k->octave == 0;
    }
    QVERIFY(octaveZero);
}

void TestSift::houghVotes_data()
{
    QTest::addColumn<QList<float>>("vote"); // cx, cy, ca, cs, weight
    QTest::addColumn<QList<int>>("cells");
    QTest::addColumn<QList<float>>("values");
    QTest::addColumn<QList<float>>("peak"); // b1, b2, b3 (angle), b4 (scale)

    // Cell of (b1, b2, b3, b4) = b1*512 + b2*64 + b4*8 + b3.
    // All centred: bins 3, 2, 4, 5 whole: 1536 + 128 + 40 + 4.
    QTest::newRow("middle bins") << QList<float>{3.5f, 2.5f, 4.5f, 5.5f, 1} << QList<int>{1708}
                                 << QList<float>{1} << QList<float>{3, 2, 4, 5};
    // x 3.75: bins 3 and 4 take 0.75 and 0.25; y 0.2 all in bin 0; scale
    // 7.9 all in bin 7; weight 2. Cells 1536 + 56 + 4 and 2048 + 56 + 4.
    QTest::newRow("edge bins, weight 2") << QList<float>{3.75f, 0.2f, 4.5f, 7.9f, 2} << QList<int>{1596, 2108}
                                         << QList<float>{1.5f, 0.5f} << QList<float>{3, 0, 4, 7};
    // Angle 0.25 wraps: bin 0 takes 0.75, bin 7 takes 0.25; x 0 in bin 0,
    // y 8 in bin 7, scale 0.5 in bin 0. Cells 448 and 455.
    QTest::newRow("angle wraps below") << QList<float>{0, 8, 0.25f, 0.5f, 1} << QList<int>{448, 455}
                                       << QList<float>{0.75f, 0.25f} << QList<float>{0, 7, 0, 0};
    // Angle 7.75: bin 7 takes 0.75, bin 0 takes 0.25; x 7.5 in bin 7; y 4
    // halves into bins 3 and 4, scale 1 into bins 0 and 1: each angle share
    // quartered. Angle 7 cells 3584 + {192, 256} + {0, 8} + 7 get 0.1875,
    // angle 0 cells get 0.0625; the lowest index of the maxima is 3783.
    QTest::newRow("angle wraps above")
        << QList<float>{7.5f, 4, 7.75f, 1, 1} << QList<int>{3783, 3791, 3847, 3855, 3776, 3784, 3840, 3848}
        << QList<float>{0.1875f, 0.1875f, 0.1875f, 0.1875f, 0.0625f, 0.0625f, 0.0625f, 0.0625f}
        << QList<float>{7, 3, 7, 0};
    // Angle exactly 0.5: all of it in bin 0, nothing in bin 7.
    QTest::newRow("angle at the first centre") << QList<float>{0.5f, 0.5f, 0.5f, 0.5f, 1} << QList<int>{0}
                                               << QList<float>{1} << QList<float>{0, 0, 0, 0};
    QTest::newRow("no vote peaks at cell 0") << QList<float>{} << QList<int>{} << QList<float>{}
                                             << QList<float>{0, 0, 0, 0};
}

void TestSift::houghVotes()
{
    QFETCH(QList<float>, vote);
    QFETCH(QList<int>, cells);
    QFETCH(QList<float>, values);
    QFETCH(QList<float>, peak);
    std::vector<float> accumulator(kSiftHoughCells, 0.0f);
    if (!vote.isEmpty())
        HoughAddValue(accumulator.data(), vote[0], vote[1], vote[2], vote[3], vote[4]);
    for (int i = 0; i < kSiftHoughCells; ++i) {
        const qsizetype listed = cells.indexOf(i);
        QCOMPARE(accumulator[size_t(i)], listed < 0 ? 0.0f : values[listed]);
    }
    float b1 = -1, b2 = -1, b3 = -1, b4 = -1;
    HoughGetPeak(accumulator.data(), &b1, &b2, &b3, &b4);
    QCOMPARE((QList<float>{b1, b2, b3, b4}), peak);
}

void TestSift::blobCentres()
{
    const QList<QPointF> centres = {{40.3, 50.7}, {110.6, 45.2}, {70.25, 115.5}, {125.0, 120.4}};
    Sift object = detected(blobs(170, 160, centres));
    QVERIFY(object);
    QVERIFY(!object->Features().empty());
    for (const QPointF& c : centres) {
        double nearest = 1e9;
        for (const Keypoint* k : object->Features())
            nearest = std::min(nearest, std::hypot(k->x - c.x(), k->y - c.y()));
        QVERIFY2(nearest <= 0.5, qPrintable(QString("blob at %1,%2: nearest keypoint %3 away")
                                                .arg(c.x()).arg(c.y()).arg(nearest)));
    }
}

void TestSift::shiftedCrop()
{
    const SiftViews views;
    Sift source = detected(views.render(320, 240, kSource));
    // The crop's pixel (0, 0) is the source's (8, 6).
    Sift crop = detected(views.render(300, 220, kSource.then(ViewMap::shift(-8, -6))));
    QVERIFY(source && crop);
    std::vector<tagSIFTPOINT> out;
    const int pairs = APMK_SIFTMatching(source.get(), crop.get(), &out);
    QVERIFY2(pairs > 4, qPrintable(QString::number(pairs)));
    QCOMPARE(out.size(), size_t(2 * pairs));
    for (size_t i = 0; i < out.size(); i += 2) {
        QVERIFY(std::abs(out[i].x - out[i + 1].x - 8) <= 1);
        QVERIFY(std::abs(out[i].y - out[i + 1].y - 6) <= 1);
    }
}

void TestSift::turnedCopy_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<bool>("matches");

    QTest::newRow("8 degrees") << 8.0 << true;
    QTest::newRow("-8 degrees") << -8.0 << true;
    // 20 degrees is 0.35 radians, past the 0.2-radian orientation test.
    QTest::newRow("20 degrees") << 20.0 << false;
}

void TestSift::turnedCopy()
{
    QFETCH(double, degrees);
    QFETCH(bool, matches);
    const SiftViews views;
    const ViewMap turn = ViewMap::turn(degrees, 1.0, 159.5, 119.5);
    Sift source = detected(views.render(320, 240, kSource));
    Sift turned = detected(views.render(320, 240, kSource.then(turn)));
    QVERIFY(source && turned);
    std::vector<tagSIFTPOINT> out;
    SiftAffine fit;
    const int pairs = SIFTMatching(source.get(), turned.get(), &out, &fit);
    if (!matches) {
        QCOMPARE(pairs, 0);
        QVERIFY(out.empty());
        return;
    }
    QVERIFY2(pairs > 4, qPrintable(QString::number(pairs)));
    const double found = std::atan2(fit.c, fit.a) * 180 / M_PI;
    QVERIFY2(std::fabs(found - degrees) <= 0.5, qPrintable(QString::number(found)));
}

void TestSift::syntheticPairs_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QPointF>("shift");
    QTest::addColumn<double>("gain");
    QTest::addColumn<double>("noise");

    QTest::newRow("roll 3") << 3.0 << 1.0 << QPointF(0, 0) << 1.0 << 0.0;
    QTest::newRow("roll -7") << -7.0 << 1.0 << QPointF(0, 0) << 1.0 << 0.0;
    QTest::newRow("scale 0.7") << 0.0 << 0.7 << QPointF(0, 0) << 1.0 << 0.0;
    QTest::newRow("scale 1.4") << 0.0 << 1.4 << QPointF(0, 0) << 1.0 << 0.0;
    QTest::newRow("roll 5, scale 1.2, shift") << 5.0 << 1.2 << QPointF(40, -25) << 1.0 << 0.0;
    QTest::newRow("hard: roll -6, scale 0.8, darker, noise") << -6.0 << 0.8 << QPointF(-30, 20) << 0.7 << 8.0;
    QTest::newRow("hard: roll 8, scale 1.3, brighter, noise") << 8.0 << 1.3 << QPointF(25, 15) << 1.2 << 6.0;
}

void TestSift::syntheticPairs()
{
    QFETCH(double, degrees);
    QFETCH(double, scale);
    QFETCH(QPointF, shift);
    QFETCH(double, gain);
    QFETCH(double, noise);
    const SiftViews views;
    const ViewMap map = ViewMap::turn(degrees, scale, 159.5, 119.5, shift.x(), shift.y());
    Sift first = detected(views.render(320, 240, kSource));
    Sift second = detected(views.render(320, 240, kSource.then(map), gain, noise));
    QVERIFY(first && second);
    std::vector<tagSIFTPOINT> out;
    const int pairs = APMK_SIFTMatching(first.get(), second.get(), &out);
    QVERIFY2(pairs > 4, qPrintable(QString::number(pairs)));
    int correct = 0;
    for (size_t i = 0; i < out.size(); i += 2) {
        double u, v;
        map.apply(out[i].x, out[i].y, u, v);
        correct += std::hypot(u - out[i + 1].x, v - out[i + 1].y) <= 2 ? 1 : 0;
    }
    QVERIFY2(correct * 100 >= 95 * pairs, qPrintable(QString("%1 of %2").arg(correct).arg(pairs)));
}

void TestSift::plausibility_data()
{
    QTest::addColumn<QList<float>>("matrix"); // a, b, c, d
    QTest::addColumn<bool>("plausible");

    QTest::newRow("identity") << QList<float>{1, 0, 0, 1} << true;
    // Quarter turn: r = 2, cos 0, sin -1, sx = sy = 1, no shear.
    QTest::newRow("quarter turn") << QList<float>{0, -1, 1, 0} << true;
    // det -0.5: negated to (1, 0, 0, -0.5): r 0.5, cos 1, sx 1, sy -0.5.
    QTest::newRow("mirror, squeezed") << QList<float>{-1, 0, 0, 0.5f} << true;
    // A pure reflection negated has a + d = b - c = 0: no rotation to take out.
    QTest::newRow("pure mirror") << QList<float>{-1, 0, 0, 1} << false;
    QTest::newRow("scale 12") << QList<float>{12, 0, 0, 12} << false;
    QTest::newRow("scale 10") << QList<float>{10, 0, 0, 10} << true;
    QTest::newRow("scale 0.05") << QList<float>{0.05f, 0, 0, 0.05f} << false;
    QTest::newRow("singular") << QList<float>{1, 2, 2, 4} << false;
    QTest::newRow("all zero") << QList<float>{0, 0, 0, 0} << false;
}

void TestSift::plausibility()
{
    QFETCH(QList<float>, matrix);
    QFETCH(bool, plausible);
    const SiftAffine model{matrix[0], matrix[1], matrix[2], matrix[3], 5, 7};
    QCOMPARE(SiftAffinePlausible(model), plausible);
}

void TestSift::outputRules_data()
{
    QTest::addColumn<QList<Pair>>("pairs");
    QTest::addColumn<int>("result");

    QTest::newRow("5 pairs give 5") << mapped(5, 1, 0, 0, 1, 5, 3) << 5;
    QTest::newRow("4 pairs give 0") << mapped(4, 1, 0, 0, 1, 5, 3) << 0;
    QTest::newRow("3 accepted pairs give 0") << mapped(3, 1, 0, 0, 1, 5, 3) << 0;
    QTest::newRow("mirrored and squeezed") << mapped(6, -1, 0, 0, 0.5, 150, 20) << 6;
    QTest::newRow("pure mirror") << mapped(6, -1, 0, 0, 1, 150, 0) << 0;
    QTest::newRow("scaled by 12") << mapped(6, 12, 0, 0, 12, 0, 0) << 0;
    // (11, 10.6) rounds to (11, 11), within 1 pixel of (10, 10): dropped.
    QList<Pair> close = mapped(6, 1, 0, 0, 1, 5, 3);
    close.insert(1, Pair{11, 10.6f, 16, 13.6f});
    QTest::newRow("1 pixel apart keeps the first") << close << 6;
    // Points on the border row or column are skipped: 5 output pairs remain of 6.
    QList<Pair> border = mapped(5, 1, 0, 0, 1, 5, 3);
    border.insert(2, Pair{0.4f, 150, 5.4f, 153});
    QTest::newRow("border pixel skipped") << border << 5;
}

void TestSift::outputRules()
{
    QFETCH(QList<Pair>, pairs);
    QFETCH(int, result);
    SIFTObject a, b;
    fill(a, b, pairs, 2000);
    std::vector<tagSIFTPOINT> out{{1, 2}};
    QCOMPARE(APMK_SIFTMatching(&a, &b, &out), result);
    QCOMPARE(out.size(), size_t(2 * result));
    // Every output pair is one of the inputs, rounded, in input order.
    int from = 0;
    for (size_t i = 0; i < out.size(); i += 2) {
        while (from < pairs.size()
               && !(int(pairs[from].xa + 0.5f) == out[i].x && int(pairs[from].ya + 0.5f) == out[i].y
                    && int(pairs[from].xb + 0.5f) == out[i + 1].x && int(pairs[from].yb + 0.5f) == out[i + 1].y))
            ++from;
        QVERIFY(from < pairs.size());
        ++from;
    }
    if (QByteArray(QTest::currentDataTag()) == "1 pixel apart keeps the first") {
        QCOMPARE(out[0].x, 10);
        QCOMPARE(out[2].x, 50);
    }
}

void TestSift::nullObjects()
{
    SIFTObject a;
    std::vector<tagSIFTPOINT> out{{1, 2}, {3, 4}};
    QCOMPARE(APMK_SIFTMatching(nullptr, &a, &out), -2);
    QCOMPARE(APMK_SIFTMatching(&a, nullptr, &out), -2);
    QCOMPARE(out.size(), size_t(2));
    QCOMPARE(out[1].y, 4);
    // Objects without features give 0 and empty the list.
    SIFTObject b;
    QCOMPARE(APMK_SIFTMatching(&a, &b, &out), 0);
    QVERIFY(out.empty());
}

void TestSift::cancelAtEveryReport()
{
    struct Log
    {
        QList<int> percents;
        int cancelAt = -1;
    };
    const auto progress = [](int percent, bool* cancel, void* user) {
        auto* log = static_cast<Log*>(user);
        if (log->percents.size() == log->cancelAt)
            *cancel = true;
        log->percents << percent;
    };
    const SiftPicture pic = SiftViews().render(96, 80, kSource);
    const _tagPixelArray pixels = pixelsOf(pic);

    Log full;
    Sift object(APMK_CreateObject(&pixels));
    QCOMPARE(APMK_SIFTDetecting(object.get(), 10, 60, &full, progress), 0);
    QVERIFY(!object->Features().empty());
    // 10, then buffers at 10 + 0.08 x 10, the scale space up to 20, one report per keypoint.
    QCOMPARE(full.percents.first(), 10);
    QVERIFY(full.percents.contains(20));
    for (int i = 1; i < full.percents.size(); ++i)
        QVERIFY(full.percents[i - 1] <= full.percents[i] && full.percents[i] < 60);

    for (int at = 0; at < full.percents.size(); ++at) {
        Log log;
        log.cancelAt = at;
        Sift cancelled(APMK_CreateObject(&pixels));
        QCOMPARE(APMK_SIFTDetecting(cancelled.get(), 10, 60, &log, progress), -1);
        QCOMPARE(log.percents.size(), at + 1);
        QVERIFY(!cancelled->image);
        QVERIFY(!cancelled->gradients);
        QVERIFY(cancelled->octaves.empty());
        QVERIFY(!cancelled->scratch);
        QVERIFY(cancelled->keypoints.empty());
    }
}

QTEST_APPLESS_MAIN(TestSift)
#include "tst_sift.moc"
