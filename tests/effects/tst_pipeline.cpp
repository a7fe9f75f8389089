#include "effects/AceTone.h"
#include "effects/BlackAndWhite.h"
#include "effects/Blur.h"
#include "effects/ContrastSaturation.h"
#include "effects/CrossProcessing.h"
#include "effects/PhotoFilter.h"
#include "effects/Vignetting.h"
#include "effects/WhiteBalance.h"
#include "effects/ZIZuzaVuvovi.h"

#include <QImage>
#include <QtTest>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <thread>

namespace {

using Change = std::function<void(ZIZuzaVuvoviParam&)>;

// A BGR888 picture, as the canvas hands it over, of reproducible noise with
// its row padding set to a sentinel.
QImage noisePicture(int width, int height, quint32 seed)
{
    QImage image(width, height, QImage::Format_BGR888);
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        for (qsizetype i = 0; i < image.bytesPerLine(); ++i) {
            seed = seed * 1664525u + 1013904223u;
            row[i] = i < 3 * width ? uchar(seed >> 24) : uchar(0xA5);
        }
    }
    return image;
}

bool paddingUntouched(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (qsizetype i = 3 * qsizetype(image.width()); i < image.bytesPerLine(); ++i) {
            if (row[i] != 0xA5)
                return false;
        }
    }
    return true;
}

ZIZuzaVuvoviParam paramWith(const Change& change)
{
    ZIZuzaVuvoviParam p;
    change(p);
    return p;
}

enum class Path { Fast, Reference };

QImage runEngine(const QImage& picture, const ZIZuzaVuvoviParam& p, Path path = Path::Fast, int threads = 0)
{
    QImage work = picture.copy();
    ZIZuzaVuvovi engine(work.width(), work.height());
    engine.setThreadCount(threads);
    engine.setEngineParam(p);
    const bool done = path == Path::Fast ? engine.runLomo(work.bits(), work.width(), work.height(), int(work.bytesPerLine()))
                                         : engine.runLomoReference(work.bits(), work.width(), work.height(), int(work.bytesPerLine()));
    if (!done)
        qWarning("run refused");
    return work;
}

// One step of the chain through the operation it stands for, with the
// settings of `p`.
enum class Step { Vibrance, Saturation, Brightness, Sharpness, Gamma, WhiteBalance, Colour, Filter, LensBlur, Vignetting };

void applyStep(Step step, QImage& image, const ZIZuzaVuvoviParam& p)
{
    uchar* bits = image.bits();
    const int w = image.width(), h = image.height(), stride = int(image.bytesPerLine());
    EffectImage record{w, h, EffectFormatBGR8, 0, stride, bits};
    ZIZuzaVuvovi tools(w, h);
    switch (step) {
    case Step::Vibrance:
        tools.vibrance(bits, bits, w, h, stride, p.vibrance);
        break;
    case Step::Saturation:
        ExecuteContrastSaturationImage(bits, w, h, stride, p.contrast, p.saturation);
        break;
    case Step::Brightness: {
        ACE_EXP_CONTEXT* context = nullptr;
        ACE_EXP_Init(&context);
        ACE_RunBrightnessEffectImage(context, p.brightness, &record);
        ACE_EXP_Uninit(context);
        break;
    }
    case Step::Sharpness:
        ACE_FixUnsharpMaskFilter(bits, w, h, stride, p.sharpness);
        break;
    case Step::Gamma:
        tools.gammaTransform(bits, bits, w, h, stride, ZIZuzaVuvovi::roundGamma(p.gamma));
        break;
    case Step::WhiteBalance: {
        AWB_WHITEBALANCE_CONTEXT* context = nullptr;
        AWB_WHITEBALANCE_Init(&context);
        AWB_RunWhiteBalanceEffectImage(context, {WhiteBalanceModeCustom, p.temperature}, p.tint, &record);
        AWB_WHITEBALANCE_Uninit(context);
        break;
    }
    case Step::Colour:
        if (p.colorMode == 3)
            tools.oldPhoto(bits, w, h, stride);
        else if (p.colorMode == 2)
            ExecuteBlackAndWhite(bits, w, h, stride);
        else if (p.colorMode == 1)
            ExecuteCrossProcessingImage(bits, w, h, stride);
        break;
    case Step::Filter:
        ExecutePhotoFilterImage(bits, w, h, stride, uchar(p.filterRed), uchar(p.filterGreen), uchar(p.filterBlue),
                                p.filterDensity, p.filterKeepLuminance);
        break;
    case Step::LensBlur: {
        const QImage source = image.copy();
        ExecuteLensBlur(source.constBits(), w, h, stride, bits, ZIZuzaVuvovi::roundLensBlur(p.lensBlur), 50);
        break;
    }
    case Step::Vignetting:
        ExecuteVignetting(bits, w, h, stride, p.vignetting);
        break;
    }
}

QByteArray pixelsOf(const QImage& image)
{
    QByteArray out;
    for (int y = 0; y < image.height(); ++y)
        out.append(reinterpret_cast<const char*>(image.constScanLine(y)), 3 * image.width());
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(Step)

class TestPipeline : public QObject
{
    Q_OBJECT

private slots:
    void defaultRecordChangesNothing();
    void skipRules_data();
    void skipRules();
    void stepOrder_data();
    void stepOrder();
    void analysisDoesNotMatter();
    void fastPathMatchesReference_data();
    void fastPathMatchesReference();
    void fastPathOnPhotograph_data();
    void fastPathOnPhotograph();
    void fineTuneValuesClamped_data();
    void fineTuneValuesClamped();
    void refusesPictureLargerThanEngine_data();
    void refusesPictureLargerThanEngine();
    void sizesPastIntRange();
    void swapBufferAndAnalysisOnce();
    void leavesRandStateAlone();
    void parametersChangeDuringRun();
};

void TestPipeline::defaultRecordChangesNothing()
{
    const QImage picture = noisePicture(31, 17, 5);
    for (Path path : {Path::Fast, Path::Reference}) {
        const QImage result = runEngine(picture, ZIZuzaVuvoviParam(), path);
        QCOMPARE(result, picture);
        QVERIFY(paddingUntouched(result));
    }
}

// Settings at the edges of the skip rules: a step that runs gives exactly
// what its operation gives on its own.
void TestPipeline::skipRules_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("changes");

    QTest::newRow("5000 K, tint 10") << Change([](ZIZuzaVuvoviParam& p) { p.temperature = 5000; p.tint = 10; }) << false;
    QTest::newRow("5000 K, tint 11") << Change([](ZIZuzaVuvoviParam& p) { p.tint = 11; }) << true;
    QTest::newRow("5001 K, tint 10") << Change([](ZIZuzaVuvoviParam& p) { p.temperature = 5001; }) << true;
    QTest::newRow("filter 255 255 255") << Change([](ZIZuzaVuvoviParam& p) { p.filterDensity = 100; p.filterKeepLuminance = false; }) << false;
    // Only the low 8 bits travel, but the whole field counts: a white filter runs.
    QTest::newRow("filter red 511") << Change([](ZIZuzaVuvoviParam& p) { p.filterRed = 511; p.filterDensity = 100; }) << true;
    QTest::newRow("filter density 0") << Change([](ZIZuzaVuvoviParam& p) { p.filterRed = 0; p.filterDensity = 0; }) << false;
    QTest::newRow("colour mode 4") << Change([](ZIZuzaVuvoviParam& p) { p.colorMode = 4; }) << false;
    QTest::newRow("colour mode -1") << Change([](ZIZuzaVuvoviParam& p) { p.colorMode = -1; }) << false;
    QTest::newRow("lens blur 14: no level") << Change([](ZIZuzaVuvoviParam& p) { p.lensBlur = 14; }) << false;
    QTest::newRow("lens blur 15: one level") << Change([](ZIZuzaVuvoviParam& p) { p.lensBlur = 15; }) << false;
    QTest::newRow("lens blur 29: two levels") << Change([](ZIZuzaVuvoviParam& p) { p.lensBlur = 29; }) << true;
    QTest::newRow("lens blur -50") << Change([](ZIZuzaVuvoviParam& p) { p.lensBlur = -50; }) << false;
    QTest::newRow("reserved") << Change([](ZIZuzaVuvoviParam& p) { p.reserved = 0; }) << false;
    QTest::newRow("sharpness 1") << Change([](ZIZuzaVuvoviParam& p) { p.sharpness = 1; }) << true;
    QTest::newRow("gamma 1") << Change([](ZIZuzaVuvoviParam& p) { p.gamma = 1; }) << true;
    QTest::newRow("vibrance 1") << Change([](ZIZuzaVuvoviParam& p) { p.vibrance = 1; }) << true;
}

void TestPipeline::skipRules()
{
    QFETCH(Change, change);
    QFETCH(bool, changes);
    const QImage picture = noisePicture(24, 20, 9);
    const ZIZuzaVuvoviParam p = paramWith(change);

    // The step that runs must be exactly the operation of that step.
    QImage expected = picture.copy();
    if (p.vibrance)
        applyStep(Step::Vibrance, expected, p);
    if (p.sharpness)
        applyStep(Step::Sharpness, expected, p);
    if (p.gamma)
        applyStep(Step::Gamma, expected, p);
    if (p.temperature != 5000 || p.tint != 10)
        applyStep(Step::WhiteBalance, expected, p);
    if (p.filterRed != 255 || p.filterGreen != 255 || p.filterBlue != 255)
        applyStep(Step::Filter, expected, p);
    if (p.lensBlur > 0)
        applyStep(Step::LensBlur, expected, p);
    QCOMPARE(expected != picture, changes);

    for (Path path : {Path::Fast, Path::Reference}) {
        const QImage result = runEngine(picture, p, path);
        QCOMPARE(pixelsOf(result), pixelsOf(expected));
        QVERIFY(paddingUntouched(result));
    }
}

// Each pair of neighbouring steps on a picture where the other order gives
// other bytes.
void TestPipeline::stepOrder_data()
{
    QTest::addColumn<Step>("first");
    QTest::addColumn<Step>("second");
    QTest::addColumn<Change>("change");

    QTest::newRow("vibrance, then contrast")
        << Step::Vibrance << Step::Saturation << Change([](ZIZuzaVuvoviParam& p) { p.vibrance = 80; p.contrast = 90; });
    QTest::newRow("saturation, then brightness")
        << Step::Saturation << Step::Brightness << Change([](ZIZuzaVuvoviParam& p) { p.saturation = 80; p.brightness = 70; });
    QTest::newRow("contrast, then brightness")
        << Step::Saturation << Step::Brightness << Change([](ZIZuzaVuvoviParam& p) { p.contrast = 80; p.brightness = -70; });
    QTest::newRow("brightness, then sharpness")
        << Step::Brightness << Step::Sharpness << Change([](ZIZuzaVuvoviParam& p) { p.brightness = 80; p.sharpness = 100; });
    QTest::newRow("sharpness, then gamma")
        << Step::Sharpness << Step::Gamma << Change([](ZIZuzaVuvoviParam& p) { p.sharpness = 100; p.gamma = 60; });
    QTest::newRow("gamma, then white balance")
        << Step::Gamma << Step::WhiteBalance << Change([](ZIZuzaVuvoviParam& p) { p.gamma = 50; p.temperature = 3000; });
    QTest::newRow("white balance, then sepia")
        << Step::WhiteBalance << Step::Colour << Change([](ZIZuzaVuvoviParam& p) { p.temperature = 9000; p.colorMode = 3; });
    QTest::newRow("black and white, then filter")
        << Step::Colour << Step::Filter
        << Change([](ZIZuzaVuvoviParam& p) { p.colorMode = 2; p.filterRed = 200; p.filterGreen = 100; p.filterBlue = 50; p.filterDensity = 80; p.filterKeepLuminance = false; });
    QTest::newRow("filter, then lens blur")
        << Step::Filter << Step::LensBlur
        << Change([](ZIZuzaVuvoviParam& p) { p.filterRed = 30; p.filterGreen = 100; p.filterBlue = 220; p.lensBlur = 60; });
    QTest::newRow("lens blur, then vignetting")
        << Step::LensBlur << Step::Vignetting << Change([](ZIZuzaVuvoviParam& p) { p.lensBlur = 60; p.vignetting = 80; });
}

void TestPipeline::stepOrder()
{
    QFETCH(Step, first);
    QFETCH(Step, second);
    QFETCH(Change, change);
    const QImage picture = noisePicture(40, 30, 3);
    const ZIZuzaVuvoviParam p = paramWith(change);

    QImage expected = picture.copy();
    applyStep(first, expected, p);
    applyStep(second, expected, p);
    QImage swapped = picture.copy();
    applyStep(second, swapped, p);
    applyStep(first, swapped, p);
    QVERIFY2(expected != swapped, "the fixture does not tell the orders apart");

    QCOMPARE(pixelsOf(runEngine(picture, p, Path::Fast)), pixelsOf(expected));
    QCOMPARE(pixelsOf(runEngine(picture, p, Path::Reference)), pixelsOf(expected));
    QCOMPARE(pixelsOf(runEngine(picture, p, Path::Fast, 4)), pixelsOf(expected));
}

// The exposure analysis runs once, on the first picture that needs the tone
// context; nothing reads it, so a later picture comes out as from a fresh
// engine.
void TestPipeline::analysisDoesNotMatter()
{
    const int w = 48, h = 32;
    QImage dark(w, h, QImage::Format_BGR888);
    dark.fill(QColor(8, 8, 8));
    QImage clipped(w, h, QImage::Format_BGR888);
    clipped.fill(Qt::white);
    const QImage second = noisePicture(w, h, 21);

    ZIZuzaVuvoviParam p;
    p.brightness = 40;
    p.sharpness = 60;
    p.saturation = 20;
    for (const QImage& first : {dark, clipped}) {
        for (int threads : {1, 3}) {
            ZIZuzaVuvovi used(w, h);
            used.setThreadCount(threads);
            used.setEngineParam(p);
            QImage a = first.copy();
            QVERIFY(used.runLomo(a.bits(), w, h, int(a.bytesPerLine())));
            QImage b = second.copy();
            QVERIFY(used.runLomo(b.bits(), w, h, int(b.bytesPerLine())));
            QCOMPARE(b, runEngine(second, p, Path::Fast, threads));
            QCOMPARE(b, runEngine(second, p, Path::Reference));
        }
    }
}

void TestPipeline::fastPathMatchesReference_data()
{
    QTest::addColumn<Change>("change");

    const auto row = [](const char* name, Change change) { QTest::newRow(name) << change; };
    row("saturation 100", [](ZIZuzaVuvoviParam& p) { p.saturation = 100; });
    row("saturation -100", [](ZIZuzaVuvoviParam& p) { p.saturation = -100; });
    row("saturation 37", [](ZIZuzaVuvoviParam& p) { p.saturation = 37; });
    row("contrast 100", [](ZIZuzaVuvoviParam& p) { p.contrast = 100; });
    row("contrast -100", [](ZIZuzaVuvoviParam& p) { p.contrast = -100; });
    row("contrast 30", [](ZIZuzaVuvoviParam& p) { p.contrast = 30; });
    row("brightness 100", [](ZIZuzaVuvoviParam& p) { p.brightness = 100; });
    row("brightness -100", [](ZIZuzaVuvoviParam& p) { p.brightness = -100; });
    row("brightness 45", [](ZIZuzaVuvoviParam& p) { p.brightness = 45; });
    row("sharpness 1", [](ZIZuzaVuvoviParam& p) { p.sharpness = 1; });
    row("sharpness 25", [](ZIZuzaVuvoviParam& p) { p.sharpness = 25; });
    row("sharpness 100", [](ZIZuzaVuvoviParam& p) { p.sharpness = 100; });
    row("temperature 2000", [](ZIZuzaVuvoviParam& p) { p.temperature = 2000; });
    row("temperature 6500", [](ZIZuzaVuvoviParam& p) { p.temperature = 6500; });
    row("temperature 12000", [](ZIZuzaVuvoviParam& p) { p.temperature = 12000; });
    row("tint -150", [](ZIZuzaVuvoviParam& p) { p.tint = -150; });
    row("tint 150", [](ZIZuzaVuvoviParam& p) { p.tint = 150; });
    row("contrast and brightness", [](ZIZuzaVuvoviParam& p) { p.contrast = 60; p.brightness = -35; });
    row("saturation and brightness", [](ZIZuzaVuvoviParam& p) { p.saturation = -60; p.brightness = 70; });
    row("all six", [](ZIZuzaVuvoviParam& p) {
        p.saturation = 30; p.contrast = 20; p.brightness = 15; p.sharpness = 40; p.temperature = 6500; p.tint = 20;
    });
    row("all six at their ends", [](ZIZuzaVuvoviParam& p) {
        p.saturation = -100; p.contrast = 100; p.brightness = -100; p.sharpness = 100; p.temperature = 2000; p.tint = -150;
    });
    row("all six past their ends", [](ZIZuzaVuvoviParam& p) {
        p.saturation = 400; p.contrast = -300; p.brightness = 101; p.sharpness = 1000; p.temperature = 100000; p.tint = 151;
    });
    row("the other steps", [](ZIZuzaVuvoviParam& p) {
        p.vibrance = 55; p.gamma = 30; p.colorMode = 1; p.filterRed = 20; p.filterDensity = 70; p.lensBlur = 40; p.vignetting = 50;
    });
    row("gamma with white balance", [](ZIZuzaVuvoviParam& p) { p.gamma = -20; p.temperature = 4000; p.sharpness = 50; });
    row("gamma alone, sepia", [](ZIZuzaVuvoviParam& p) { p.gamma = 100; p.colorMode = 3; p.vibrance = -100; });
    row("black and white, filter keeping luminance", [](ZIZuzaVuvoviParam& p) {
        p.colorMode = 2; p.filterBlue = 10; p.filterDensity = 100; p.brightness = 20;
    });
}

void TestPipeline::fastPathMatchesReference()
{
    QFETCH(Change, change);
    const ZIZuzaVuvoviParam p = paramWith(change);
    // One engine per path serves every width (an engine takes any picture
    // up to its size); the first width goes through the exposure analysis.
    const int maxWidth = 64, maxHeight = 23;
    ZIZuzaVuvovi reference(maxWidth, maxHeight);
    ZIZuzaVuvovi single(maxWidth, maxHeight);
    ZIZuzaVuvovi banded(maxWidth, maxHeight);
    single.setThreadCount(1);
    banded.setThreadCount(4);
    for (ZIZuzaVuvovi* engine : {&reference, &single, &banded})
        engine->setEngineParam(p);
    for (int width = 1; width <= maxWidth; ++width) {
        const int height = 1 + (width * 7) % maxHeight;
        const QImage picture = noisePicture(width, height, quint32(width));
        QImage expected = picture.copy();
        QVERIFY(reference.runLomoReference(expected.bits(), width, height, int(expected.bytesPerLine())));
        QVERIFY(paddingUntouched(expected));
        for (ZIZuzaVuvovi* engine : {&single, &banded}) {
            QImage fast = picture.copy();
            QVERIFY(engine->runLomo(fast.bits(), width, height, int(fast.bytesPerLine())));
            if (fast != expected)
                QFAIL(qPrintable(QStringLiteral("width %1, height %2, %3").arg(width).arg(height).arg(engine == &single ? "one band" : "four bands")));
            QVERIFY(paddingUntouched(fast));
        }
    }
}

void TestPipeline::fastPathOnPhotograph_data()
{
    QTest::addColumn<Change>("change");
    QTest::newRow("all six") << Change([](ZIZuzaVuvoviParam& p) {
        p.saturation = 35; p.contrast = 25; p.brightness = 20; p.sharpness = 45; p.temperature = 6800; p.tint = 25;
    });
    QTest::newRow("all six, the other way") << Change([](ZIZuzaVuvoviParam& p) {
        p.saturation = -40; p.contrast = -15; p.brightness = -30; p.sharpness = 100; p.temperature = 3300; p.tint = -40;
    });
    QTest::newRow("sharpness alone") << Change([](ZIZuzaVuvoviParam& p) { p.sharpness = 70; });
}

void TestPipeline::fastPathOnPhotograph()
{
    QFETCH(Change, change);
    QString path = qEnvironmentVariable("VELLUMAR_TEST_PHOTO");
    if (path.isEmpty())
        path = QStringLiteral("/usr/share/backgrounds/mate/nature/Wood.jpg");
    QImage photo(path);
    if (photo.isNull())
        QSKIP("no photograph (install mate-backgrounds or set VELLUMAR_TEST_PHOTO)");
    // An odd width, so that the rows carry padding.
    photo = photo.copy(0, 0, std::min(photo.width(), 1001), std::min(photo.height(), 777)).convertToFormat(QImage::Format_BGR888);
    const ZIZuzaVuvoviParam p = paramWith(change);
    const QImage reference = runEngine(photo, p, Path::Reference);
    QVERIFY(reference != photo);
    for (int threads : {0, 1, 5})
        QCOMPARE(runEngine(photo, p, Path::Fast, threads), reference);
}

// Values from a project file are held to their sliders' ranges.
void TestPipeline::fineTuneValuesClamped_data()
{
    QTest::addColumn<Change>("outside");
    QTest::addColumn<Change>("limit");

    QTest::newRow("saturation 150") << Change([](ZIZuzaVuvoviParam& p) { p.saturation = 150; })
                                    << Change([](ZIZuzaVuvoviParam& p) { p.saturation = 100; });
    QTest::newRow("saturation -101") << Change([](ZIZuzaVuvoviParam& p) { p.saturation = -101; })
                                     << Change([](ZIZuzaVuvoviParam& p) { p.saturation = -100; });
    QTest::newRow("contrast 300") << Change([](ZIZuzaVuvoviParam& p) { p.contrast = 300; })
                                  << Change([](ZIZuzaVuvoviParam& p) { p.contrast = 100; });
    QTest::newRow("brightness -250") << Change([](ZIZuzaVuvoviParam& p) { p.brightness = -250; })
                                     << Change([](ZIZuzaVuvoviParam& p) { p.brightness = -100; });
    QTest::newRow("sharpness 400") << Change([](ZIZuzaVuvoviParam& p) { p.sharpness = 400; })
                                   << Change([](ZIZuzaVuvoviParam& p) { p.sharpness = 100; });
    QTest::newRow("sharpness -5") << Change([](ZIZuzaVuvoviParam& p) { p.sharpness = -5; })
                                  << Change([](ZIZuzaVuvoviParam&) {});
    QTest::newRow("temperature 100000") << Change([](ZIZuzaVuvoviParam& p) { p.temperature = 100000; })
                                        << Change([](ZIZuzaVuvoviParam& p) { p.temperature = 12000; });
    QTest::newRow("tint -400") << Change([](ZIZuzaVuvoviParam& p) { p.tint = -400; })
                               << Change([](ZIZuzaVuvoviParam& p) { p.tint = -150; });
    // Gamma settings below -20 would make a negative exponent.
    QTest::newRow("gamma -23") << Change([](ZIZuzaVuvoviParam& p) { p.gamma = -23; })
                               << Change([](ZIZuzaVuvoviParam& p) { p.gamma = -20; });
    QTest::newRow("gamma INT_MIN") << Change([](ZIZuzaVuvoviParam& p) { p.gamma = INT_MIN; })
                                   << Change([](ZIZuzaVuvoviParam& p) { p.gamma = -20; });
}

void TestPipeline::fineTuneValuesClamped()
{
    QFETCH(Change, outside);
    QFETCH(Change, limit);
    const QImage picture = noisePicture(20, 12, 77);
    for (Path path : {Path::Fast, Path::Reference})
        QCOMPARE(runEngine(picture, paramWith(outside), path), runEngine(picture, paramWith(limit), path));
}

void TestPipeline::refusesPictureLargerThanEngine_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("bytesPerLine");
    QTest::addColumn<bool>("accepted");

    // The engine is made for 10 x 8: rows of 32 bytes.
    QTest::newRow("its own size") << 10 << 8 << 32 << true;
    QTest::newRow("smaller") << 7 << 5 << 24 << true;
    QTest::newRow("one row more") << 10 << 9 << 32 << false;
    QTest::newRow("one pixel wider") << 11 << 8 << 36 << false;
    QTest::newRow("longer rows") << 10 << 8 << 36 << false;
    QTest::newRow("rows shorter than their pixels") << 10 << 8 << 29 << false;
    QTest::newRow("empty") << 0 << 8 << 32 << true;
}

void TestPipeline::refusesPictureLargerThanEngine()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, bytesPerLine);
    QFETCH(bool, accepted);
    QByteArray buffer(bytesPerLine * height + 64, char(0x40));
    const QByteArray before = buffer;
    ZIZuzaVuvovi engine(10, 8);
    ZIZuzaVuvoviParam p;
    p.lensBlur = 100;
    p.contrast = 50;
    engine.setEngineParam(p);
    if (!accepted)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^ZIZuzaVuvovi::runLomo: "));
    QCOMPARE(engine.runLomo(reinterpret_cast<uchar*>(buffer.data()), width, height, bytesPerLine), accepted);
    if (!accepted)
        QCOMPARE(buffer, before);
    QCOMPARE(engine.runLomo(nullptr, 0, 0, 0), true);
}

// An engine wide enough that 24 x width passes the int range still takes
// its pictures: the sizes are worked out in 64 bits.
void TestPipeline::sizesPastIntRange()
{
    ZIZuzaVuvovi engine(100000000, 2);
    ZIZuzaVuvoviParam p;
    p.contrast = 100;
    engine.setEngineParam(p);
    QImage picture(4, 2, QImage::Format_BGR888);
    picture.fill(QColor(64, 64, 64));
    QVERIFY(engine.runLomo(picture.bits(), 4, 2, int(picture.bytesPerLine())));
    QCOMPARE(picture.pixelColor(0, 0), QColor(32, 32, 32));
}

void TestPipeline::swapBufferAndAnalysisOnce()
{
    const QImage picture = noisePicture(30, 20, 8);
    ZIZuzaVuvovi engine(30, 20);
    unsigned char* swap = engine.swapingData();
    QVERIFY(swap);
    QCOMPARE(engine.swapingData(), swap);

    QImage flat(30, 20, QImage::Format_BGR888);
    flat.fill(Qt::white);
    QCOMPARE(engine.analysisExposure(flat.bits(), 30, 20, int(flat.bytesPerLine())), 0);
    ZIZuzaVuvoviParam p;
    p.brightness = -40;
    p.lensBlur = 50;
    engine.setEngineParam(p);
    QImage work = picture.copy();
    QVERIFY(engine.runLomo(work.bits(), 30, 20, int(work.bytesPerLine())));
    QCOMPARE(work, runEngine(picture, p, Path::Reference));
    QCOMPARE(engine.swapingData(), swap);
}

void TestPipeline::leavesRandStateAlone()
{
    std::srand(1234);
    const int expected = std::rand();
    std::srand(1234);
    ZIZuzaVuvovi engine(8, 8);
    QCOMPARE(std::rand(), expected);
}

// setEngineParam waits for a run to end: every run sees one whole record.
void TestPipeline::parametersChangeDuringRun()
{
    const QImage picture = noisePicture(300, 200, 13);
    ZIZuzaVuvoviParam a;
    a.saturation = 40;
    a.sharpness = 60;
    ZIZuzaVuvoviParam b;
    b.brightness = -30;
    b.temperature = 7000;
    const QImage resultA = runEngine(picture, a);
    const QImage resultB = runEngine(picture, b);

    ZIZuzaVuvovi engine(300, 200);
    engine.setThreadCount(3);
    engine.setEngineParam(a);
    std::atomic<bool> stop(false);
    std::thread setter([&] {
        bool flip = false;
        while (!stop.load()) {
            engine.setEngineParam(flip ? a : b);
            flip = !flip;
        }
    });
    for (int i = 0; i < 20; ++i) {
        QImage work = picture.copy();
        engine.runLomo(work.bits(), 300, 200, int(work.bytesPerLine()));
        QVERIFY(work == resultA || work == resultB);
    }
    stop = true;
    setter.join();
}

QTEST_MAIN(TestPipeline)
#include "tst_pipeline.moc"
