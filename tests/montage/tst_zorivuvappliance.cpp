// Montage step 1 driven through its own controls: the form, the empty and
// picked states, the fine-tune and border panels, the target handed to the
// engine on Next, and the road from the home screen and back.
#include "montage/ZorivuvAppliance.h"

#include "appframe/ModalPrompts.h"
#include "appframe/SceneView.h"
#include "modebase/ColorBorderWidget.h"
#include "support/DialogDriver.h"
#include "montage/engine/IQZorivuvEngine.h"
#include "montage/MTileAppliance.h"
#include "montage/ZorivuvTestSupport.h"
#include "support/TestSupport.h"
#include "canvas/Canvas.h"
#include "canvas/CanvasModeInfo.h"
#include "canvas/CPixmap.h"
#include "canvas/PictureContent.h"
#include "canvas/PictureEffect.h"
#include "widgets/PixmapButton.h"
#include "widgets/QContinuesSlider.h"
#include "widgets/QDoubleSlider.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

using namespace ZorivuvTestSupport;

namespace {

QImage filled(const QSize& size, const QColor& color, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(size, format);
    image.fill(color);
    return image;
}

// Counts the boxes asked through ModalPrompts and answers them with OK.
struct Boxes
{
    QStringList texts;
    ModalPrompts::ScopedResponder responder {[this](const ModalPrompts::Request& request) {
        texts << request.text;
        return request.kind == ModalPrompts::Kind::Dialog ? int(QDialog::Rejected) : int(QMessageBox::Ok);
    }};
};

} // namespace

class TestZorivuvAppliance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void form();
    void barsReachTheContainer();
    void pickPicture_data();
    void pickPicture();
    void secondPickResetsFinetune();
    void pickChangesNothing_data();
    void pickChangesNothing();
    void finetuneReachesPreview();
    void nextHandsTarget_data();
    void nextHandsTarget();
    void road();

private:
    void makeAppliance() { m_appliance = std::make_unique<ZorivuvAppliance>(m_canvas.get(), nullptr); }
    const Ui::ZorivuvApplianceElements& ui() const { return m_appliance->form(); }
    void pick(const QString& name)
    {
        DialogDriver::answerFileDialog(m_dir->path(), {name});
        ui().bPicture->click();
    }
    QSpinBox* spin(const char* name) const
    {
        return m_appliance->finetuneWidget()->findChild<QSpinBox*>(QLatin1String(name));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Canvas> m_canvas;
    std::unique_ptr<ZorivuvAppliance> m_appliance;
};

void TestZorivuvAppliance::initTestCase()
{
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void TestZorivuvAppliance::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_canvas = std::make_unique<Canvas>(72, 72, nullptr);
}

void TestZorivuvAppliance::cleanup()
{
    if (m_appliance)
        m_appliance->takeCanvas();
    m_appliance.reset();
    m_canvas.reset();
}

void TestZorivuvAppliance::form()
{
    makeAppliance();
    QCOMPARE(m_appliance->applianceName(), QStringLiteral("Zorivuv"));
    QCOMPARE(m_appliance->windowTitle(), QStringLiteral("Zorivuv"));
    QVERIFY(!m_appliance->appliancePendingChanges());
    QVERIFY(!m_appliance->applicanceSaveImage());
    QCOMPARE(ui().bHome->text(), QStringLiteral("Back"));
    QCOMPARE(ui().bPicture->text(), QStringLiteral("Select Background"));
    QCOMPARE(ui().label_3->text(), QStringLiteral("Step 1: Select a photo as background."));
    QCOMPARE(ui().nextButton->text(), QStringLiteral("Next"));
    QCOMPARE(ui().nextButton->size(), QSize(190, 28));
    for (QToolButton* button : {ui().bHome, ui().bPicture}) {
        QVERIFY(!button->icon().isNull());
        QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
        QVERIFY(button->styleSheet().startsWith(QLatin1String("QToolButton { background-color:#222222;")));
    }
    QCOMPARE(ui().canvasPropertiesBox->width(), 260);
    QCOMPARE(ui().imageThumbLabel->size(), QSize(200, 200));
    // Fine-tuning, then Border, then the spacer.
    QCOMPARE(ui().scrollLayout->count(), 3);
    QVERIFY(ui().scrollLayout->itemAt(0)->widget()->isAncestorOf(m_appliance->finetuneWidget()));
    QVERIFY(ui().scrollLayout->itemAt(1)->widget()->isAncestorOf(ui().borderColorWidget));
    QVERIFY(ui().scrollLayout->itemAt(2)->spacerItem());
    QCOMPARE(ui().fitinButn->toolTip(), QStringLiteral("Fit in"));
    QCOMPARE(ui().actualButn->toolTip(), QStringLiteral("1:1"));
    QVERIFY(!m_appliance->sceneView()->isInteractive());

    // The empty state.
    QCOMPARE(ui().sizeLabel->text(), QStringLiteral("No background yet."));
    QVERIFY(!ui().nextButton->isEnabled());
    QVERIFY(!m_appliance->finetuneWidget()->isEnabled());
    QVERIFY(ui().scaleSlider->isHidden());
    QVERIFY(ui().fitinButn->isHidden());
    QVERIFY(ui().actualButn->isHidden());
    // A transparent background, so that the target keeps a picture's alpha.
    QCOMPARE(m_canvas->backColor().mode, 0);
    QCOMPARE(m_canvas->backColor().showGrid, false);
}

void TestZorivuvAppliance::barsReachTheContainer()
{
    makeAppliance();
    RecordingContainer container;
    m_appliance->addToApplianceContainer(&container);
    const QStringList calls = container.take();
    QVERIFY(calls.contains(QStringLiteral("title:Zorivuv")));
    QCOMPARE(calls.filter(QStringLiteral("top:")).last(), QStringLiteral("top:addContentBox,rightBox"));
    QCOMPARE(calls.filter(QStringLiteral("right:")).last(), QStringLiteral("right:canvasPropertiesBox"));
    QCOMPARE(calls.filter(QStringLiteral("bottom:")).last(), QStringLiteral("bottom:bottomWidget"));
    QCOMPARE(ui().addContentBox->property("@onTopbar").toBool(), true);
    QCOMPARE(ui().rightBox->property("@rightBar").toBool(), true);
    m_appliance->removeFromApplianceContainer();
}

void TestZorivuvAppliance::pickPicture_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("dotsPerMeter"); // 0: the file stores none
    QTest::addColumn<double>("dpi");
    QTest::addColumn<bool>("live");
    // 1999 x 2000 = 3,998,000 pixels: below 4,000,000, live.
    QTest::newRow("1999 x 2000, no resolution") << QSize(1999, 2000) << 0 << 72.0 << true;
    // 2000 x 2000 = 4,000,000: not below the limit, on release only.
    // 11811 dots per metre x 0.0254 = 299.999 -> 300 dpi.
    QTest::newRow("2000 x 2000, 300 dpi") << QSize(2000, 2000) << 11811 << 300.0 << false;
    QTest::newRow("small, 300 dpi") << QSize(30, 20) << 11811 << 300.0 << true;
}

void TestZorivuvAppliance::pickPicture()
{
    QFETCH(QSize, size);
    QFETCH(int, dotsPerMeter);
    QFETCH(double, dpi);
    QFETCH(bool, live);
    QImage image = filled(size, QColor(40, 120, 200));
    const QString path = m_dir->filePath(QStringLiteral("target.png"));
    if (dotsPerMeter) {
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        QVERIFY(image.save(path));
    } else {
        QVERIFY(writePngWithoutResolution(image, path));
    }
    makeAppliance();
    pick(QStringLiteral("target.png"));

    QVERIFY(m_canvas->backContent());
    QCOMPARE(ui().sizeLabel->text(), QStringLiteral("%1 x %2 Pix").arg(size.width()).arg(size.height()));
    QCOMPARE(m_canvas->sceneSize(), size);
    QCOMPARE(m_canvas->modeInfo()->projectMode(), CanvasModeInfo::ModeExactSize);
    QCOMPARE(m_canvas->modeInfo()->fixedSize(), QSizeF(size));
    QCOMPARE(m_canvas->modeInfo()->canvasDpi().first, dpi);
    QCOMPARE(m_canvas->modeInfo()->canvasDpi().second, dpi);
    QVERIFY(ui().nextButton->isEnabled());
    QVERIFY(m_appliance->finetuneWidget()->isEnabled());
    QVERIFY(!ui().scaleSlider->isHidden());
    QVERIFY(!ui().fitinButn->isHidden());
    QVERIFY(!ui().actualButn->isHidden());
    QVERIFY(!ui().imageThumbLabel->pixmap().isNull());
    const auto sliders = m_appliance->finetuneWidget()->findChildren<QContinuesSlider*>();
    QCOMPARE(sliders.size(), 6);
    for (const QContinuesSlider* slider : sliders)
        QCOMPARE(slider->acceptContinuesValue, live);
}

void TestZorivuvAppliance::secondPickResetsFinetune()
{
    QVERIFY(filled(QSize(40, 30), Qt::gray).save(m_dir->filePath("first.png")));
    QVERIFY(filled(QSize(50, 20), Qt::darkGreen).save(m_dir->filePath("second.png")));
    makeAppliance();
    pick(QStringLiteral("first.png"));
    spin("brightnessSpinBox")->setValue(40);
    spin("temperatureSpinBox")->setValue(7000);
    QCOMPARE(m_canvas->backContent()->effects().at(FinetuneWidget::Brightness)->param, 40.0);

    pick(QStringLiteral("second.png"));
    PictureContent* second = m_canvas->backContent();
    QVERIFY(second);
    QCOMPARE(second->photo() ? second->photo()->size() : QSize(), QSize(50, 20));
    // Back to 0, 0, 0, 0, 5000, 10 on the panel, and nothing applied to the
    // new picture.
    const char* names[] = {"saturationSpinBox", "contrastSpinBox", "brightnessSpinBox", "sharpnessSpinBox",
        "temperatureSpinBox", "tintSpinBox"};
    const int neutral[] = {0, 0, 0, 0, 5000, 10};
    for (int type = 0; type < 6; ++type)
        QCOMPARE(spin(names[type])->value(), neutral[type]);
    const PictureEffectList effects = second->effects();
    for (int type = 0; type < 6 && type < effects.size(); ++type)
        QCOMPARE(effects.at(type)->param, double(neutral[type]));
    QCOMPARE(ui().sizeLabel->text(), QStringLiteral("50 x 20 Pix"));
}

void TestZorivuvAppliance::pickChangesNothing_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<bool>("pickedBefore");
    QTest::newRow("cancelled, empty") << true << false;
    QTest::newRow("cancelled, picked") << true << true;
    QTest::newRow("unreadable, empty") << false << false;
    QTest::newRow("unreadable, picked") << false << true;
}

void TestZorivuvAppliance::pickChangesNothing()
{
    QFETCH(bool, cancel);
    QFETCH(bool, pickedBefore);
    QVERIFY(filled(QSize(40, 30), Qt::gray).save(m_dir->filePath("good.png")));
    QVERIFY(TestSupport::writeFile(m_dir->filePath("broken.png"), "\x89PNG\r\n\x1a\nnot really"));
    makeAppliance();
    if (pickedBefore)
        pick(QStringLiteral("good.png"));
    AbstractContent* before = m_canvas->backContentItem();
    const QString label = ui().sizeLabel->text();

    Boxes boxes;
    if (cancel) {
        DialogDriver::answerFileDialog(m_dir->path(), {});
        ui().bPicture->click();
        QVERIFY(boxes.texts.isEmpty());
    } else {
        pick(QStringLiteral("broken.png"));
        QCOMPARE(boxes.texts, QStringList {QStringLiteral("Failed to load file.")});
    }
    QCOMPARE(m_canvas->backContentItem(), before);
    QCOMPARE(ui().sizeLabel->text(), label);
    QCOMPARE(ui().nextButton->isEnabled(), pickedBefore);
    QCOMPARE(m_appliance->finetuneWidget()->isEnabled(), pickedBefore);
}

void TestZorivuvAppliance::finetuneReachesPreview()
{
    QVERIFY(filled(QSize(60, 60), QColor(100, 100, 100)).save(m_dir->filePath("grey.png")));
    makeAppliance();
    pick(QStringLiteral("grey.png"));
    const QImage before = ui().imageThumbLabel->pixmap().toImage();
    const QPoint middle(before.width() / 2, before.height() / 2);
    spin("brightnessSpinBox")->setValue(60);
    // The render lands after the change; the preview follows it.
    QVERIFY(QTest::qWaitFor([&] {
        const QImage now = ui().imageThumbLabel->pixmap().toImage();
        return !now.isNull() && qGray(now.pixel(middle)) > qGray(before.pixel(middle)) + 10;
    }, 10000));
}

void TestZorivuvAppliance::nextHandsTarget_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("format");
    QTest::newRow("JPEG") << "target.jpg" << int(QImage::Format_BGR888);
    QTest::newRow("PNG with alpha") << "target.png" << int(QImage::Format_ARGB32);
}

void TestZorivuvAppliance::nextHandsTarget()
{
    QFETCH(QString, name);
    QFETCH(int, format);
    const bool alpha = format == int(QImage::Format_ARGB32);
    // Grey 100: far from the border's red and from a brightened grey.
    const QImage picture = alpha ? filled(QSize(120, 80), QColor(100, 100, 100, 200), QImage::Format_ARGB32)
                                 : filled(QSize(120, 80), QColor(100, 100, 100));
    QVERIFY(picture.save(m_dir->filePath(name), nullptr, 100));

    Road road;
    makeAppliance();
    pick(name);
    // Untouched, the picture's own alpha reaches the target.
    const QImage plainTarget = m_appliance->renderTarget();
    QCOMPARE(int(plainTarget.format()), format);
    QCOMPARE(plainTarget.pixelColor(60, 40).alpha(), alpha ? 200 : 255);
    spin("brightnessSpinBox")->setValue(50);
    CanvasBorder border;
    border.opacity = 255;
    border.width = 10;
    border.color = Qt::red;
    border.top = border.left = border.bottom = border.right = true;
    emit ui().borderColorWidget->borderChanged(border);

    IQZorivuvEngine* engine = IQZorivuvEngine::globalInstance();
    engine->setBackgroundImage(QImage());
    ui().nextButton->click();
    const QImage target = engine->background;
    QCOMPARE(target.size(), QSize(120, 80));
    QCOMPARE(int(target.format()), format);
    // The border band at the corner, the brightened picture in the middle.
    QCOMPARE(target.pixelColor(2, 2).red(), 255);
    QCOMPARE(target.pixelColor(2, 2).green(), 0);
    QVERIFY2(qGray(target.pixel(60, 40)) > 110, qPrintable(QString::number(qGray(target.pixel(60, 40)))));

    // Next asks for step 2.
    runQueue();
    QCOMPARE(road.current(), QStringLiteral("Zorivuv"));
    QVERIFY(dynamic_cast<MTileAppliance*>(road.workflow->currentAppliance()));
}

void TestZorivuvAppliance::road()
{
    QVERIFY(filled(QSize(90, 60), QColor(30, 160, 90)).save(m_dir->filePath("target.png")));
    IQZorivuvEngine* engine = IQZorivuvEngine::globalInstance();
    Boxes boxes;
    Road road;
    QCOMPARE(road.current(), QStringLiteral("home"));
    road.workflow->startZorivuv();
    runQueue();
    auto* step1 = dynamic_cast<ZorivuvAppliance*>(road.workflow->currentAppliance());
    QVERIFY(step1);

    DialogDriver::answerFileDialog(m_dir->path(), {QStringLiteral("target.png")});
    step1->form().bPicture->click();
    QCOMPARE(step1->form().sizeLabel->text(), QStringLiteral("90 x 60 Pix"));
    step1->form().nextButton->click();
    runQueue();
    auto* step2 = dynamic_cast<MTileAppliance*>(road.workflow->currentAppliance());
    QVERIFY(step2);
    QCOMPARE(road.workflow->nodeCount(), 3);
    QCOMPARE(engine->background.size(), QSize(90, 60));

    // Back from step 2: step 1 as it was.
    step2->form().bHome->click();
    runQueue();
    QCOMPARE(road.workflow->currentAppliance(), step1);
    QCOMPARE(step1->form().sizeLabel->text(), QStringLiteral("90 x 60 Pix"));
    QVERIFY(step1->form().nextButton->isEnabled());
    QVERIFY(step1->canvas()->backContent());

    // Back from step 1: home without a question, and the engine forgets
    // the target.
    step1->form().bHome->click();
    runQueue();
    QCOMPARE(road.current(), QStringLiteral("home"));
    QVERIFY(boxes.texts.isEmpty());
    QVERIFY(engine->background.isNull());
}

QTEST_MAIN(TestZorivuvAppliance)
#include "tst_zorivuvappliance.moc"
