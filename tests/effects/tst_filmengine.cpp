#include "effects/FilmData.h"
#include "effects/FilmEngine.h"
#include "effects/IQFilmEngine.h"

#include "FilmTestData.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <vector>

using namespace FilmTestData;

namespace {

// Table indices of the block: effect m at m - 1, contrast t at 27 + t,
// saturation at 31 + t, special at 35 + t.
enum { Effect1 = 0, Contrast1 = 28, Saturation1 = 32, Special1 = 36 };

// The tone curve of contrast type 1 (exponent 1/1.8), worked on the
// distance from white: tone(e) = 255 - trunc(((255 - e) / 255)^g x 255 + 0.5).
int toneType1(int e)
{
    const double v = (255 - e) / 255.0;
    const double g = 0.5555555555555556;
    const double f = v <= 0.018 ? v * (std::pow(0.018, g) / 0.018) : std::pow(v, g);
    const int n = int(f * 255.0 + 0.5);
    return n >= 255 ? 0 : 255 - n;
}

struct Picture
{
    int width, height, stride;
    std::vector<std::uint8_t> bytes;
    std::uint8_t* pixel(int x, int y) { return bytes.data() + y * stride + 3 * x; }
};

Picture picture(int width, int height, int padding = 0)
{
    Picture p{width, height, 3 * width + padding, {}};
    p.bytes.assign(size_t(p.stride * height), 0xEE);
    return p;
}

// Runs a fresh handle over `in` with the given setters and returns the output.
template <typename Setup>
std::vector<std::uint8_t> convert(Picture& in, Setup setup, int keepRowOrder = 0)
{
    FPImage image{};
    SetFPParamAsDefault(&image);
    SetFPImage(&image, in.bytes.data(), in.width, in.height, in.stride, keepRowOrder);
    setup(&image);
    const int result = ConvertFPImage(&image);
    std::vector<std::uint8_t> out;
    if (result == 0)
        out.assign(image.output, image.output + in.stride * in.height);
    DisposeFPImage(&image);
    return out;
}

// Mean absolute difference of two RGB888 pictures of one size, over every
// pixel and channel, in levels.
double meanDifference(const QImage& a, const QImage& b)
{
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const uchar* p = a.constScanLine(y);
        const uchar* q = b.constScanLine(y);
        for (int i = 0; i < 3 * a.width(); ++i)
            sum += std::abs(int(p[i]) - int(q[i]));
    }
    return double(sum) / (3.0 * a.width() * a.height());
}

class LoadedBlob
{
public:
    explicit LoadedBlob(const QByteArray& blob) { m_ok = ExecuteFPEngine(blob.constData(), blob.size()) == 0; }
    ~LoadedBlob() { FinishFPEngine(); }
    bool ok() const { return m_ok; }

private:
    bool m_ok;
};

} // namespace

class TestFilmEngine : public QObject
{
    Q_OBJECT

private slots:
    void identityGivesPictureBack();
    void rowOrder();
    void compositionOrder();
    void contrastAloneHasNoToneCurve();
    void effectTypeGatesTheCopy();
    void toneTablesAreMonotone_data();
    void toneTablesAreMonotone();
    void outOfRangeNumbersAreRefused();
    void largerSecondPictureGetsItsOwnBuffer();
    void engineParam();
    void engineConvertsRepeatably();
    void enginesShareTheData();
    void contactSheet();
};

void TestFilmEngine::identityGivesPictureBack()
{
    LoadedBlob blob(identityBlob());
    QVERIFY(blob.ok());
    // Every byte value along each channel: 256 x 3 pixels.
    Picture in = picture(256, 3, 2);
    for (int v = 0; v < 256; ++v)
        for (int row = 0; row < 3; ++row) {
            std::uint8_t* p = in.pixel(v, row);
            p[0] = p[1] = p[2] = 0;
            p[row] = std::uint8_t(v);
        }
    const auto out = convert(in, [](FPImage* image) {
        SetFilmEffectType(image, 0);
        SetFilmEffectModel(image, 1);
    });
    QVERIFY(!out.empty());
    for (int row = 0; row < 3; ++row)
        for (int v = 0; v < 256; ++v) {
            // Node 16 holds 255 for 256: above 240 a value comes back as
            // 240 + 15 (v - 240) / 16, truncated.
            const int expected = v <= 240 ? v : 240 + (15 * (v - 240)) / 16;
            QCOMPARE(int(out[size_t(row * in.stride + 3 * v + row)]), expected);
        }
    // The row padding travels along unchanged.
    QCOMPARE(int(out[size_t(in.stride - 1)]), 0xEE);
}

void TestFilmEngine::rowOrder()
{
    LoadedBlob blob(identityBlob());
    Picture in = picture(2, 3);
    for (int y = 0; y < 3; ++y)
        std::memset(in.pixel(0, y), 16 * (y + 1), 6);
    const auto kept = convert(in, [](FPImage*) {}, 0);
    const auto flipped = convert(in, [](FPImage*) {}, 1);
    for (int y = 0; y < 3; ++y) {
        QCOMPARE(int(kept[size_t(y * in.stride)]), 16 * (y + 1));
        QCOMPARE(int(flipped[size_t(y * in.stride)]), 16 * (3 - y));
    }
}

void TestFilmEngine::compositionOrder()
{
    // Tables that keep node values on nodes (or are linear along their own
    // axis), so each step can be followed by hand:
    //   effect E: brighten by two nodes (capped at node 15);
    //   contrast C: invert along each axis (node k -> 240 - 16 k);
    //   tone of contrast type 1 on the result;
    //   saturation S: swap the first and third channel;
    //   special P: halve (node k -> 8 k).
    QByteArray data = identityBlob();
    fillColorTable(colorTable(data, Effect1), [](int p, int n0, int n1, int n2) {
        const int n[3] = {n0, n1, n2};
        return 16 * std::min(15, n[p] + 2);
    });
    fillColorTable(colorTable(data, Contrast1), [](int p, int n0, int n1, int n2) {
        const int n[3] = {n0, n1, n2};
        return std::max(0, 240 - 16 * n[p]);
    });
    fillColorTable(colorTable(data, Saturation1), [](int p, int n0, int n1, int n2) {
        const int n[3] = {n2, n1, n0};
        return nodeValue(n[p]);
    });
    fillColorTable(colorTable(data, Special1), [](int p, int n0, int n1, int n2) {
        const int n[3] = {n0, n1, n2};
        return std::min(255, 8 * n[p]);
    });
    LoadedBlob blob(data);

    Picture in = picture(4, 1);
    const int inputs[4][3] = {{0, 16, 32}, {48, 96, 160}, {208, 224, 240}, {112, 0, 64}};
    for (int x = 0; x < 4; ++x)
        for (int c = 0; c < 3; ++c)
            in.pixel(x, 0)[c] = std::uint8_t(inputs[x][c]);

    const auto out = convert(in, [](FPImage* image) {
        SetFilmEffectModel(image, 1);
        SetFilmContrastType(image, 1);
        SetFilmSaturationType(image, 1);
        SetFilmSpecialType(image, 1);
    });
    QVERIFY(!out.empty());
    bool otherOrderDiffers = false;
    for (int x = 0; x < 4; ++x) {
        int afterTone[3], otherOrder[3];
        for (int c = 0; c < 3; ++c) {
            const int e = std::min(240, inputs[x][c] + 32); // E
            afterTone[c] = toneType1(240 - e);                // C, then the tone
            otherOrder[c] = toneType1(std::min(240, (240 - inputs[x][c]) + 32)); // C before E
        }
        for (int c = 0; c < 3; ++c) {
            const int expected = afterTone[2 - c] / 2; // S swaps, P halves
            QCOMPARE(int(out[size_t(3 * x + c)]), expected);
            otherOrderDiffers |= expected != otherOrder[2 - c] / 2;
        }
    }
    QVERIFY(otherOrderDiffers);
}

void TestFilmEngine::contrastAloneHasNoToneCurve()
{
    QByteArray data = identityBlob();
    fillColorTable(colorTable(data, Contrast1), [](int p, int n0, int n1, int n2) {
        const int n[3] = {n0, n1, n2};
        return std::max(0, 240 - 16 * n[p]);
    });
    LoadedBlob blob(data);
    Picture in = picture(1, 1);
    in.pixel(0, 0)[0] = 32;
    in.pixel(0, 0)[1] = 64;
    in.pixel(0, 0)[2] = 160;
    const auto out = convert(in, [](FPImage* image) { SetFilmContrastType(image, 1); });
    QCOMPARE(int(out[0]), 208);
    QCOMPARE(int(out[1]), 176);
    QCOMPARE(int(out[2]), 80);
}

void TestFilmEngine::effectTypeGatesTheCopy()
{
    QByteArray data = identityBlob();
    fillColorTable(colorTable(data, 4), [](int, int, int, int) { return 100; }); // effect model 5
    fillColorTable(colorTable(data, 5), [](int, int, int, int) { return 200; }); // effect model 6
    LoadedBlob blob(data);
    Picture in = picture(1, 1);
    std::memset(in.pixel(0, 0), 50, 3);

    const auto gated = convert(in, [](FPImage* image) {
        SetFilmEffectType(image, 0);
        SetFilmEffectModel(image, 5);
        // Type 5 copies no table: model 6 keeps using the copy of model 5.
        SetFilmEffectType(image, 5);
        SetFilmEffectModel(image, 6);
    });
    QCOMPARE(int(gated[0]), 100);

    const auto typed = convert(in, [](FPImage* image) {
        SetFilmEffectType(image, 3);
        SetFilmEffectModel(image, 6);
    });
    QCOMPARE(int(typed[0]), 200);
}

void TestFilmEngine::toneTablesAreMonotone_data()
{
    QTest::addColumn<int>("type");
    for (int type = 1; type <= 4; ++type)
        QTest::addRow("contrast type %d", type) << type;
}

void TestFilmEngine::toneTablesAreMonotone()
{
    QFETCH(int, type);
    FPParamInfo info{};
    info.effectModel = 1;
    info.contrastType = type;
    fpGammaTable(&info);
    QCOMPARE(int(info.toneTable[0]), 0);
    QCOMPARE(int(info.toneTable[255]), 255);
    for (int i = 1; i < 256; ++i)
        QVERIFY(info.toneTable[i] >= info.toneTable[i - 1]);
    // Types 1 and 2 darken, 3 and 4 brighten.
    QCOMPARE(info.toneTable[128] < 128, type <= 2);
    if (type == 1)
        for (int e : {1, 100, 200, 254})
            QCOMPARE(int(info.toneTable[e]), toneType1(e));
}

void TestFilmEngine::outOfRangeNumbersAreRefused()
{
    FPImage image{};
    QCOMPARE(SetFilmGrainModel(&image, 24), int(FilmRefused));
    QCOMPARE(SetFilmGrainModel(&image, -1), int(FilmRefused));
    QCOMPARE(SetFilmContrastType(&image, 5), int(FilmRefused));
    QCOMPARE(SetFilmSaturationType(&image, 5), int(FilmRefused));
    QCOMPARE(SetFilmSpecialType(&image, 8), int(FilmRefused));
    QCOMPARE(SetFilmSpecialType(&image, -3), int(FilmRefused));
    SetFilmEffectType(&image, 2);
    QCOMPARE(SetFilmEffectModel(&image, 29), int(FilmRefused));
    QCOMPARE(SetFilmGrainSize(&image, std::nan("")), int(FilmRefused));
    FPParamInfo* info = fpGetParamInfo(&image);
    QCOMPARE(info->grainModel, 0);
    QCOMPARE(info->contrastType, 0);
    QCOMPARE(info->specialType, 0);
    QCOMPARE(info->effectModel, 0);
    QCOMPARE(SetFilmGrainModel(&image, 23), 0);
    QCOMPARE(SetFilmSpecialType(&image, 7), 0);
    DisposeFPImage(&image);
}

void TestFilmEngine::largerSecondPictureGetsItsOwnBuffer()
{
    LoadedBlob blob(identityBlob());
    FPImage image{};
    Picture small = picture(4, 4);
    Picture large = picture(64, 48, 3);
    QCOMPARE(SetFPImage(&image, small.bytes.data(), 4, 4, small.stride, 1), 0);
    QCOMPARE(ConvertFPImage(&image), 0);
    // Same handle, a larger picture: the output must grow with it.
    QCOMPARE(SetFPImage(&image, large.bytes.data(), 64, 48, large.stride, 1), 0);
    QCOMPARE(ConvertFPImage(&image), 0);
    QCOMPARE(image.outputSize, size_t(large.stride * 48));
    DisposeFPImage(&image);

    IQFilmEngine engine;
    QCOMPARE(engine.startFilm(small.bytes.data(), 4, 4, small.stride, 0), 0);
    std::vector<std::uint8_t> dst(large.bytes.size(), 1);
    // A destination of another size is refused and left alone.
    QCOMPARE(engine.convet(dst.data(), 64, 48, large.stride), int(FilmRefused));
    QVERIFY(std::all_of(dst.begin(), dst.end(), [](std::uint8_t v) { return v == 1; }));
    QCOMPARE(engine.startFilm(large.bytes.data(), 64, 48, large.stride, 0), 0);
    QCOMPARE(engine.convet(dst.data(), 64, 48, large.stride), 0);
}

void TestFilmEngine::engineParam()
{
    const IQFilmEngineParam plain;
    QCOMPARE(plain.grainModel, 0);
    QCOMPARE(plain.grainSize, 0.0);
    QVERIFY(!IQFilmEngineParam::isDefaultSettings(&plain)); // intensity 0

    const auto defaults = IQFilmEngineParam::defaultEngineParam();
    QCOMPARE(defaults->grainModel, 1);
    QCOMPARE(defaults->grainIntensity, 100);
    QCOMPARE(defaults->grainSize, 1.0);
    QCOMPARE(defaults->defaultGrainSize1, 1.0);
    QVERIFY(IQFilmEngineParam::isDefaultSettings(defaults.get()));
    IQFilmEngineParam changed = *defaults;
    changed.grainModel = 9;
    changed.grainSize = 3.0;
    QVERIFY(IQFilmEngineParam::isDefaultSettings(&changed));
    changed.specialType = 2;
    QVERIFY(!IQFilmEngineParam::isDefaultSettings(&changed));

    IQFilmEngine engine;
    Picture in = picture(2000, 2);
    QCOMPARE(engine.startFilm(in.bytes.data(), 2000, 2, in.stride, 0), 0);
    QCOMPARE(engine.param().defaultGrainSize0, 1.9);
    QCOMPARE(engine.param().defaultGrainSize1, 1.1);
    QCOMPARE(engine.param().defaultGrainSize2, 1.0);
    QCOMPARE(engine.param().grainSize, 1.9);
    QCOMPARE(engine.param().grainModel, 1);
    double size = 0;
    engine.getFilmDefaultGrainSize(&size);
    QCOMPARE(size, 1.1);
}

void TestFilmEngine::engineConvertsRepeatably()
{
    IQFilmEngine engine;
    Picture in = picture(120, 80);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x) {
            std::uint8_t* p = in.pixel(x, y);
            p[0] = std::uint8_t(x * 2);
            p[1] = std::uint8_t(y * 3);
            p[2] = std::uint8_t(x + y);
        }
    QCOMPARE(engine.startFilm(in.bytes.data(), 120, 80, in.stride, 0), 0);
    QCOMPARE(engine.applyFilmEffectType(FilmEffectType(0)), 0);
    QCOMPARE(engine.applyFilmEffectModel(FilmEffectModel(3)), 0);
    QCOMPARE(engine.applyFilmGrainModel(FilmGrainModel(4)), 0);
    QCOMPARE(engine.applyFilmContrastType(FilmContrastType(2)), 0);
    std::vector<std::uint8_t> first(in.bytes.size()), second(in.bytes.size());
    QCOMPARE(engine.convet(first.data(), 120, 80, in.stride), 0);
    QCOMPARE(engine.convet(second.data(), 120, 80, in.stride), 0);
    QVERIFY(first == second);
    QVERIFY(first != in.bytes);
    QCOMPARE(engine.finishFilm(), 0);
}

void TestFilmEngine::enginesShareTheData()
{
    auto* first = new IQFilmEngine;
    IQFilmEngine second;
    QVERIFY(fpFilmColorTable(0));
    delete first;
    // The data stays for the engine still alive.
    QVERIFY(fpFilmColorTable(0));
    Picture in = picture(8, 8);
    QCOMPARE(second.startFilm(in.bytes.data(), 8, 8, in.stride, 0), 0);
    QCOMPARE(second.applyFilmEffectModel(FilmEffectModel(1)), 0);
    std::vector<std::uint8_t> out(in.bytes.size());
    QCOMPARE(second.convet(out.data(), 8, 8, in.stride), 0);
}

void TestFilmEngine::contactSheet()
{
    // A synthetic "photograph": sky gradient, skin-tone ramp, foliage,
    // a grey wedge and saturated patches. Every look must change it, and
    // differ from the look before it on the sheet, by at least one level
    // on average over all pixels and channels: a look that does nothing,
    // or repeats its neighbour (a table taken twice, a number mapped to the
    // wrong table), fails. The sheet of every look goes next to the test
    // program, in the build tree, for a person to judge.
    const int w = 160, h = 120;
    QImage photo(w, h, QImage::Format_RGB888);
    QPainter painter(&photo);
    QLinearGradient sky(0, 0, 0, h / 2);
    sky.setColorAt(0, QColor(70, 120, 200));
    sky.setColorAt(1, QColor(200, 220, 235));
    painter.fillRect(0, 0, w, h / 2, sky);
    QLinearGradient skin(0, 0, w, 0);
    skin.setColorAt(0, QColor(90, 55, 40));
    skin.setColorAt(1, QColor(245, 205, 180));
    painter.fillRect(0, h / 2, w, h / 6, skin);
    painter.fillRect(0, 2 * h / 3, w / 2, h / 6, QColor(60, 110, 45));
    painter.fillRect(w / 2, 2 * h / 3, w / 2, h / 6, QColor(200, 40, 40));
    for (int i = 0; i < 8; ++i)
        painter.fillRect(i * w / 8, 5 * h / 6, w / 8 + 1, h / 6, QColor::fromHsv(0, 0, i * 255 / 7));
    painter.end();
    const QImage bgr = photo.rgbSwapped(); // the engine's byte order is blue, green, red

    const int looks = 28 + 4 + 4 + 7;
    QImage sheet(w * 8, h * ((looks + 1 + 7) / 8), QImage::Format_RGB888);
    sheet.fill(Qt::black);
    QPainter out(&sheet);
    out.drawImage(0, 0, photo);
    IQFilmEngine engine;
    QImage previous;
    for (int look = 0; look < looks; ++look) {
        QCOMPARE(engine.startFilm(bgr.constBits(), w, h, int(bgr.bytesPerLine()), 1), 0);
        QCOMPARE(engine.applyFilmGrainModel(FilmGrainModel(0)), 0);
        if (look < 28)
            engine.applyFilmEffectModel(FilmEffectModel(look + 1));
        else if (look < 32)
            engine.applyFilmContrastType(FilmContrastType(look - 27));
        else if (look < 36)
            engine.applyFilmSaturationType(FilmSaturationType(look - 31));
        else
            engine.applyFilmSpecialType(FilmSpecialType(look - 35));
        QImage result(w, h, QImage::Format_RGB888);
        QCOMPARE(engine.convet(result.bits(), w, h, int(result.bytesPerLine())), 0);
        const QImage shown = result.rgbSwapped().mirrored(); // keepRowOrder 1 returns it upside down
        const double fromSource = meanDifference(shown, photo);
        QVERIFY2(fromSource >= 1.0, qPrintable(QStringLiteral("look %1 differs from the source by %2")
                                                   .arg(look).arg(fromSource)));
        if (!previous.isNull()) {
            const double fromNeighbour = meanDifference(shown, previous);
            QVERIFY2(fromNeighbour >= 1.0, qPrintable(QStringLiteral("look %1 differs from look %2 by %3")
                                                          .arg(look).arg(look - 1).arg(fromNeighbour)));
        }
        previous = shown;
        out.drawImage(((look + 1) % 8) * w, ((look + 1) / 8) * h, shown);
    }
    out.end();
    const QString sheetPath = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("film-contact-sheet.png"));
    QVERIFY(sheet.save(sheetPath));
}

QTEST_GUILESS_MAIN(TestFilmEngine)
#include "tst_filmengine.moc"
