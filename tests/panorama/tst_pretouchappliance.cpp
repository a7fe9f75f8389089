// The panorama retouch step driven through its own controls: the form, the
// canvas of the panorama's size, the fine-tune rows and their preview, the
// zoom row, the text panel, "Save as Image" and the save question on Back.
#include "panorama/PRetouchAppliance.h"

#include "appframe/ApplianceTestSupport.h"
#include "appframe/ModalPrompts.h"
#include "appframe/SceneView.h"
#include "appframe/Workflow.h"
#include "modebase/ColorBorderWidget.h"
#include "app/DefaultWorkflowCreators.h"
#include "support/DialogDriver.h"
#include "panorama/PanoramaAppliance.h"
#include "canvas/Canvas.h"
#include "canvas/CanvasModeInfo.h"
#include "canvas/PictureContent.h"
#include "filebrowser/IQThumbsViewer.h"
#include "widgets/PixmapButton.h"
#include "widgets/QContinuesSlider.h"
#include "widgets/QDoubleSlider.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QSignalSpy>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString lineStyleV = QStringLiteral("QFrame\n{\n\tborder:none;\n\tbackground-color:black;\n\tmax-width : 1px;\n}");

// A panorama with something to see: a sky, a green band and a gradient.
QImage panoramaImage(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const bool ground = y >= size.height() * 2 / 3;
            image.setPixel(x, y, ground ? qRgb(40, 150 + x % 60, 50) : qRgb(80 + x * 100 / size.width(), 140, 220));
        }
    }
    return image;
}

// Home, the photo list of two photos, then the retouch step over them.
struct Road
{
    std::unique_ptr<Workflow> workflow;
    PanoramaAppliance* list = nullptr;
    PRetouchAppliance* retouch = nullptr;

    Road(const QStringList& photos, const QImage& panorama)
    {
        Workflow::Creators creators;
        registerDefaultWorkflowCreators(creators);
        creators.home = [] { return new FakeAppliance(QStringLiteral("home")); };
        workflow = std::make_unique<Workflow>(nullptr, nullptr, creators);
        workflow->startPanorama(photos);
        runQueue();
        list = dynamic_cast<PanoramaAppliance*>(workflow->currentAppliance());
        workflow->scheduleCommand({Workflow::OpenPanoramaRetouch, QVariant(panorama)});
        runQueue();
        retouch = dynamic_cast<PRetouchAppliance*>(workflow->currentAppliance());
    }
    ~Road() { workflow.reset(); }
};

} // namespace

class TestPRetouchAppliance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void formAndStart();
    void continuousUpdates_data();
    void continuousUpdates();
    void temperatureReachesPictureAndPreview();
    void zoomRow();
    void textPanel();
    void saveAsImageThenBack();
    void backAsks_data();
    void backAsks();

private:
    QSpinBox* spin(PRetouchAppliance* retouch, const char* name) const
    {
        return retouch->finetuneWidget()->findChild<QSpinBox*>(QLatin1String(name));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_photos;
};

void TestPRetouchAppliance::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Vellumar"));
}

void TestPRetouchAppliance::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_photos.clear();
    for (int i = 0; i < 2; ++i) {
        const QString path = m_dir->filePath(QStringLiteral("view%1.png").arg(i));
        QVERIFY(panoramaImage(QSize(40, 30)).save(path));
        m_photos << path;
    }
}

void TestPRetouchAppliance::cleanup()
{
    m_dir.reset();
}

void TestPRetouchAppliance::formAndStart()
{
    Road road(m_photos, panoramaImage(QSize(300, 100)));
    PRetouchAppliance* retouch = road.retouch;
    QVERIFY(retouch);
    const Ui::PRetouchApplianceElements& ui = retouch->form();

    QCOMPARE(retouch->applianceName(), QStringLiteral("Panorama"));
    QCOMPARE(retouch->windowTitle(), QStringLiteral("Panorama"));
    QCOMPARE(ui.addContentBox->parentWidget()->objectName(), QStringLiteral("PRetouchApplianceElements"));
    QCOMPARE(ui.addContentBox->property("@onTopbar").toBool(), true);
    const struct {
        PixmapButton* button;
        const char* name;
        const char* tip;
    } bar[] = {{ui.bHome, "bHome", "Back"}, {ui.bPicture, "bPicture", "Add Picture"}, {ui.bText, "bText", "Add Text"},
        {ui.bSaveImage, "bSaveImage", "Save as Image"}, {ui.bPrint, "bPrint", "Print"}};
    for (const auto& entry : bar) {
        QCOMPARE(entry.button->objectName(), QLatin1String(entry.name));
        QCOMPARE(entry.button->toolTip(), QLatin1String(entry.tip));
        QCOMPARE(entry.button->size(), QSize(32, 32));
        QVERIFY(!entry.button->pixmap().isNull());
    }
    for (QFrame* line : {ui.line_8, ui.line_6, ui.line_7}) {
        QCOMPARE(line->styleSheet(), lineStyleV);
        QCOMPARE(line->maximumSize(), QSize(1, 32));
    }
    QCOMPARE(ui.label->text(), QStringLiteral("This is the 'add content' Box"));
    QCOMPARE(ui.label_4->text(), QStringLiteral("This is the right Box"));
    QCOMPARE(ui.label_6->text(), QStringLiteral("Fine-tuning & Decoration"));
    QCOMPARE(ui.label_6->styleSheet(), QStringLiteral("font-weight:bold;color:rgba(67, 156, 243,255)"));
    QCOMPARE(ui.canvasPropertiesBox->minimumWidth(), 260);
    QCOMPARE(ui.canvasPropertiesBox->maximumWidth(), 260);
    QCOMPARE(ui.imageThumbLabel->size(), QSize(200, 160));
    QCOMPARE(ui.imageThumbLabel->styleSheet(), QStringLiteral("QLabel{border:1px solid grey;}"));
    QCOMPARE(ui.scrollFrame->minimumWidth(), 240);
    QCOMPARE(ui.fitinButn->size(), QSize(16, 16));
    QCOMPARE(ui.fitinButn->toolTip(), QStringLiteral("Fit in"));
    QCOMPARE(ui.actualButn->size(), QSize(16, 16));
    QCOMPARE(ui.actualButn->toolTip(), QStringLiteral("1:1"));
    QCOMPARE(ui.scaleSlider->minimumWidth(), 160);
    QCOMPARE(ui.scaleSlider->maximumWidth(), 160);
    QCOMPARE(ui.scaleSlider->minimum(), 0.05);
    QCOMPARE(ui.scaleSlider->maximum(), 4.0);
    QVERIFY(ui.propertiesBox->isHidden());
    QVERIFY(!ui.canvasPropertiesBox->isHidden());

    // The canvas is the panorama's size exactly, at 72 dpi for an image
    // without a resolution of its own... or with the image's.
    Canvas* canvas = retouch->canvas();
    QVERIFY(canvas && canvas->backContent());
    QCOMPARE(canvas->sceneSize(), QSize(300, 100));
    QCOMPARE(canvas->modeInfo()->projectMode(), CanvasModeInfo::ModeExactSize);
    QCOMPARE(canvas->modeInfo()->fixedSize(), QSizeF(300, 100));
    QCOMPARE(ui.sizeLabel->text(), QStringLiteral("300 x 100 Pix"));
    QCOMPARE(canvas->backColor().mode, 0);
    QCOMPARE(canvas->backColor().topColor, QColor(192, 192, 192));
    QCOMPARE(canvas->backColor().bottomColor, QColor(80, 80, 80));
    QVERIFY(!canvas->backColor().showGrid);

    // The fine-tune rows start neutral and enabled.
    const char* names[] = {"saturationSpinBox", "contrastSpinBox", "brightnessSpinBox", "sharpnessSpinBox",
        "temperatureSpinBox", "tintSpinBox"};
    const int neutral[] = {0, 0, 0, 0, 5000, 10};
    for (int type = 0; type < 6; ++type)
        QCOMPARE(spin(retouch, names[type])->value(), neutral[type]);
    QVERIFY(retouch->finetuneWidget()->isEnabled());
    QVERIFY(!ui.imageThumbLabel->pixmap().isNull());

    // A fresh panorama is unsaved work; the view is fitted once the loop ran.
    QVERIFY(retouch->appliancePendingChanges());
    QTest::qWait(20);
    QCOMPARE(ui.scaleSlider->value(), retouch->sceneView()->viewScale());

    // The border panel edits the canvas's border.
    CanvasBorder border = canvas->border();
    border.width = border.width + 5;
    emit ui.borderColorWidget->borderChanged(border);
    QCOMPARE(canvas->border().width, border.width);
}

void TestPRetouchAppliance::continuousUpdates_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("live");
    // 1999 x 2000 = 3998000 pixels, below 4000000: the rows apply while
    // dragged; 2000 x 2000 = 4000000 is not below.
    QTest::newRow("1999 x 2000") << QSize(1999, 2000) << true;
    QTest::newRow("2000 x 2000") << QSize(2000, 2000) << false;
}

void TestPRetouchAppliance::continuousUpdates()
{
    QFETCH(QSize, size);
    QFETCH(bool, live);
    QImage plain(size, QImage::Format_RGB32);
    plain.fill(Qt::darkGray);
    Road road(m_photos, plain);
    QVERIFY(road.retouch);
    QCOMPARE(road.retouch->canvas()->sceneSize(), size);
    const auto sliders = road.retouch->finetuneWidget()->findChildren<QContinuesSlider*>();
    QCOMPARE(sliders.size(), 6);
    for (const QContinuesSlider* slider : sliders)
        QCOMPARE(slider->acceptContinuesValue, live);
}

void TestPRetouchAppliance::temperatureReachesPictureAndPreview()
{
    Road road(m_photos, panoramaImage(QSize(300, 100)));
    PRetouchAppliance* retouch = road.retouch;
    QVERIFY(retouch);
    PictureContent* picture = retouch->canvas()->backContent();
    QVERIFY(picture);
    QLabel* preview = retouch->form().imageThumbLabel;
    const QImage before = preview->pixmap().toImage();
    // 300 x 100 kept within 200 x 160: 200 wide, 200 * 100 / 300 = 66 high,
    // centred in a transparent box of the label's size.
    QVERIFY(before.width() <= 200 && before.height() <= 160);
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < before.height(); ++y) {
        if (qAlpha(before.pixel(before.width() / 2, y)) > 0) {
            top = top < 0 ? y : top;
            bottom = y;
        }
    }
    QVERIFY2(qAbs(bottom - top + 1 - 66) <= 1, qPrintable(QStringLiteral("%1..%2").arg(top).arg(bottom)));
    QVERIFY(qAlpha(before.pixel(0, (top + bottom) / 2)) > 0);
    QVERIFY(qAlpha(before.pixel(before.width() - 1, (top + bottom) / 2)) > 0);

    QSignalSpy changed(retouch->finetuneWidget(), &FinetuneWidget::valueChanged);
    spin(retouch, "temperatureSpinBox")->setValue(9000);
    QCOMPARE(changed.count(), 1);
    // The fine-tune records of the picture are its first six effects;
    // the temperature one has code 19 and the row's value.
    const PictureEffectList effects = picture->effects();
    QVERIFY(effects.size() >= 5);
    QCOMPARE(effects.at(FinetuneWidget::Temperature)->effect, 19);
    QCOMPARE(effects.at(FinetuneWidget::Temperature)->param, 9000.0);

    const QImage after = preview->pixmap().toImage();
    QCOMPARE(after.size(), before.size());
    // A warmer setting is a visible change of the preview's sky.
    const QPoint sky(after.width() / 2, top + (bottom - top) / 4);
    QVERIFY2(after.pixel(sky) != before.pixel(sky),
        qPrintable(QString::number(after.pixel(sky), 16) + " " + QString::number(before.pixel(sky), 16)));
    QVERIFY(retouch->appliancePendingChanges());
}

void TestPRetouchAppliance::zoomRow()
{
    Road road(m_photos, panoramaImage(QSize(300, 100)));
    PRetouchAppliance* retouch = road.retouch;
    QVERIFY(retouch);
    const Ui::PRetouchApplianceElements& ui = retouch->form();
    SceneView* view = retouch->sceneView();
    QTest::qWait(20);

    view->setViewScale(0.5);
    QCOMPARE(ui.scaleSlider->value(), 0.5);
    QSignalSpy zooms(view, &SceneView::viewScaleChanged);
    QSignalSpy slider(ui.scaleSlider, qOverload<double>(&QDoubleSlider::valueChanged));
    ui.actualButn->click();
    QCOMPARE(view->viewScale(), 1.0);
    QCOMPARE(ui.scaleSlider->value(), 1.0);
    QCOMPARE(zooms.count(), 1);
    QCOMPARE(slider.count(), 0);

    ui.scaleSlider->setValue(2.0);
    QCOMPARE(view->viewScale(), 2.0);
    ui.fitinButn->click();
    QVERIFY(view->viewScale() <= 1.0);
    // The slider stands on steps of 1/10000.
    QVERIFY(qAbs(ui.scaleSlider->value() - view->viewScale()) < 1e-4);
}

void TestPRetouchAppliance::textPanel()
{
    Road road(m_photos, panoramaImage(QSize(300, 100)));
    PRetouchAppliance* retouch = road.retouch;
    QVERIFY(retouch);
    const Ui::PRetouchApplianceElements& ui = retouch->form();
    ui.bText->click();
    // The new text is selected: its panel replaces the canvas panel.
    QVERIFY(QTest::qWaitFor([&] { return !ui.propertiesBox->isHidden(); }, 5000));
    QVERIFY(ui.canvasPropertiesBox->isHidden());
    QCOMPARE(ui.propLayout->count(), 1);
    QPointer<QWidget> panel = ui.propLayout->itemAt(0)->widget();
    QVERIFY(panel);
    QCOMPARE(panel->parentWidget(), ui.propertiesBox);

    retouch->canvas()->clearSelection();
    QVERIFY(QTest::qWaitFor([&] { return ui.propertiesBox->isHidden(); }, 5000));
    QVERIFY(!ui.canvasPropertiesBox->isHidden());
    QCOMPARE(ui.propLayout->count(), 0);
    QVERIFY(panel.isNull());
}

void TestPRetouchAppliance::saveAsImageThenBack()
{
    const QImage panorama = panoramaImage(QSize(300, 100));
    Road road(m_photos, panorama);
    PRetouchAppliance* retouch = road.retouch;
    QVERIFY(retouch && road.list);
    QVERIFY(retouch->appliancePendingChanges());

    // A cancelled dialog writes nothing and keeps the work unsaved.
    DialogDriver::answerFileDialog(m_dir->path(), {});
    QVERIFY(!retouch->slotSaveAsImage());
    QVERIFY(retouch->appliancePendingChanges());

    const QString out = m_dir->filePath(QStringLiteral("panorama.png"));
    DialogDriver::answerFileDialog(m_dir->path(), {QStringLiteral("panorama.png")});
    retouch->form().bSaveImage->click();
    QVERIFY(QFile::exists(out));
    const QImage written = QImage(out).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(written.size(), panorama.size());
    // No effect applied: the written pixels are the panorama's, within one
    // level for the render's rounding.
    int worst = 0;
    for (int y = 0; y < panorama.height(); ++y) {
        for (int x = 0; x < panorama.width(); ++x) {
            const QRgb a = written.pixel(x, y);
            const QRgb b = panorama.pixel(x, y);
            worst = qMax(worst, qMax(qAbs(qRed(a) - qRed(b)), qMax(qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b)))));
        }
    }
    QVERIFY2(worst <= 1, qPrintable(QString::number(worst)));
    QVERIFY(!retouch->appliancePendingChanges());

    // Then Back asks nothing and finds the list as it was.
    BoxAnswerer answerer({});
    retouch->form().bHome->click();
    runQueue();
    QCOMPARE(road.workflow->currentAppliance(), road.list);
    QVERIFY(answerer.seen.isEmpty());
    QCOMPARE(road.list->thumbsViewer()->sourceCount(), 2);
}

void TestPRetouchAppliance::backAsks_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("stays");
    QTest::newRow("Discard") << int(QMessageBox::Discard) << false;
    QTest::newRow("Cancel") << int(QMessageBox::Cancel) << true;
    // Save, then the file dialog is cancelled: nothing written, the step stays.
    QTest::newRow("Save, dialog cancelled") << int(QMessageBox::Save) << true;
}

void TestPRetouchAppliance::backAsks()
{
    QFETCH(int, answer);
    QFETCH(bool, stays);
    Road road(m_photos, panoramaImage(QSize(120, 40)));
    PRetouchAppliance* retouch = road.retouch;
    QVERIFY(retouch && road.list);
    IQThumbsViewer* viewer = road.list->thumbsViewer();

    BoxAnswerer answerer({QMessageBox::StandardButton(answer)});
    if (answer == QMessageBox::Save)
        DialogDriver::answerFileDialog(m_dir->path(), {});
    retouch->form().bHome->click();
    QVERIFY(QTest::qWaitFor([&] { return !answerer.seen.isEmpty(); }, 10000));
    QTest::qWait(100);
    runQueue();
    QCOMPARE(answerer.seen.first().text, QStringLiteral("Do you want to save your changes?"));
    if (stays) {
        QCOMPARE(road.workflow->currentAppliance(), retouch);
        QVERIFY(retouch->appliancePendingChanges());
        return;
    }
    QCOMPARE(road.workflow->currentAppliance(), road.list);
    QCOMPARE(viewer->sourceCount(), 2);
    QCOMPARE(viewer->selectedCount(), 2);
    QVERIFY(road.list->form().nextButton->isEnabled());
}

QTEST_MAIN(TestPRetouchAppliance)
#include "tst_pretouchappliance.moc"
