// The collage editor driven through its own controls: the top bar, the
// right bar swapping between a selection's panel and the canvas panels, the
// canvas size menu and read-out, the background colour, picture and border
// panels, and the zoom bar.
#include "collage/CollageAppliance.h"

#include "appframe/ApplianceTestSupport.h"
#include "appframe/ModalPrompts.h"
#include "appframe/SceneView.h"
#include "modebase/ColorBorderWidget.h"
#include "support/DialogDriver.h"
#include "collage/ExactSizeDialog.h"
#include "canvas/Canvas.h"
#include "canvas/CanvasModeInfo.h"
#include "canvas/CPixmap.h"
#include "canvas/PictureContent.h"
#include "widgets/QPopupColorWidget.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGraphicsRectItem>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QImage solid(const QSize& size, const QColor& color)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// Answers the size menu with `menuChoice` (-1: dismissed) and the size
// dialog by typing `width` x `height` and pressing OK, or cancelling.
struct SizeAnswers
{
    int menuChoice = -1;
    bool accept = true;
    int width = 0;
    int height = 0;
    QStringList menuTexts;
    QSize dialogShowed;
    int dialogs = 0;
    ModalPrompts::ScopedResponder responder {[this](const ModalPrompts::Request& request) {
        if (request.kind == ModalPrompts::Kind::Menu) {
            menuTexts = request.actionTexts;
            return menuChoice;
        }
        if (request.kind == ModalPrompts::Kind::Dialog) {
            ++dialogs;
            auto* dialog = qobject_cast<ExactSizeDialog*>(request.dialog);
            if (!dialog)
                return int(QDialog::Rejected);
            dialogShowed = QSize(dialog->ui.widthSpinBox->value(), dialog->ui.heightSpinBox->value());
            if (!accept)
                return int(QDialog::Rejected);
            dialog->ui.widthSpinBox->setValue(width);
            dialog->ui.heightSpinBox->setValue(height);
            return int(QDialog::Accepted);
        }
        return int(QMessageBox::Ok);
    }};
};

QPopupColorWidget* openPopup()
{
    const auto tops = QApplication::topLevelWidgets();
    for (QWidget* widget : tops) {
        if (auto* popup = qobject_cast<QPopupColorWidget*>(widget))
            return popup;
    }
    return nullptr;
}

} // namespace

class TestCollageAppliance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void form();
    void barsReachTheContainer();
    void rightBarSwapsPanels();
    void colourModes_data();
    void colourModes();
    void colourPopupEditsOneColour_data();
    void colourPopupEditsOneColour();
    void customSizeThenFree();
    void fixedSizeShownAtOnce();
    void sizeMenuLeftAlone_data();
    void sizeMenuLeftAlone();
    void borderReachesTheCanvas();
    void aspectComboFollowsRatio_data();
    void aspectComboFollowsRatio();
    void backgroundPictureChosen();
    void fineTuneReachesBackPicture();
    void previewFollowsBackPicture();
    void clearingBackground();
    void zoomBar();
    void popupOutlivedByNothing();
    void saveProjectAlwaysAsks();

private:
    void makeAppliance()
    {
        m_appliance = std::make_unique<CollageAppliance>(m_canvas.get(), nullptr);
    }
    const Ui::CollageApplianceElements& ui() const { return m_appliance->form(); }
    PictureContent* addBackPicture(const QSize& size = QSize(80, 40))
    {
        PictureContent* picture = m_canvas->createPicture(QPoint(10, 10), false);
        picture->loadFromFile(QStringLiteral("back.png"), solid(size, Qt::blue), true, true, false);
        m_canvas->setBackContent(picture);
        return picture;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Canvas> m_canvas;
    std::unique_ptr<CollageAppliance> m_appliance;
};

void TestCollageAppliance::initTestCase()
{
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void TestCollageAppliance::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_canvas = std::make_unique<Canvas>(72, 72, nullptr);
}

void TestCollageAppliance::cleanup()
{
    if (m_appliance)
        m_appliance->takeCanvas();
    m_appliance.reset();
    m_canvas.reset();
    QVERIFY(!openPopup());
}

void TestCollageAppliance::form()
{
    makeAppliance();
    QCOMPARE(m_appliance->applianceName(), QStringLiteral("Collage"));
    QCOMPARE(m_appliance->windowTitle(), QStringLiteral("Collage"));
    const struct {
        QToolButton* button;
        const char* text;
    } buttons[] = {{ui().bHome, "Back"}, {ui().bProject, "Open Project"}, {ui().bSaveProject, "Save Project"},
        {ui().bSaveImage, "Export"}, {ui().bPrint, "Print"}, {ui().bPicture, "Stickers"}, {ui().bText, "Text"}};
    for (const auto& entry : buttons) {
        QCOMPARE(entry.button->text(), QLatin1String(entry.text));
        QCOMPARE(entry.button->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
        QVERIFY(entry.button->styleSheet().startsWith(QLatin1String("QToolButton { background-color:#222222;")));
        QVERIFY(!entry.button->icon().isNull());
    }
    QCOMPARE(ui().bProject->toolTip(), QStringLiteral("Open Collage Project"));
    QCOMPARE(ui().colorCombo->count(), 3);
    QCOMPARE(ui().aspectCombo->itemText(1), QStringLiteral("Keep aspect ratio"));
    // The three sections, in order, in the canvas panel's scroll layout.
    QCOMPARE(ui().scrollLayout->count(), 3);
    QCOMPARE(ui().colorWidget->parentWidget()->parentWidget(), ui().scrollLayout->itemAt(0)->widget());
    QVERIFY(ui().scrollLayout->itemAt(1)->widget()->isAncestorOf(ui().addContentButn));
    QVERIFY(ui().scrollLayout->itemAt(2)->widget()->isAncestorOf(ui().borderColorWidget));
    QCOMPARE(ui().addContentButn->toolTip(), QStringLiteral("Add background"));
    QCOMPARE(ui().fitinButn->toolTip(), QStringLiteral("Fit in"));
    QCOMPARE(ui().actualButn->toolTip(), QStringLiteral("1:1"));
    // No back picture: the fine-tune panel is off; the read-out waits for
    // the canvas's first size announcement.
    QVERIFY(!ui().editWidget->isEnabled());
    QVERIFY(ui().sizeLabel->text().isEmpty());
}

void TestCollageAppliance::barsReachTheContainer()
{
    makeAppliance();
    RecordingContainer container;
    m_appliance->addToApplianceContainer(&container);
    const QStringList calls = container.take();
    QVERIFY(calls.contains(QStringLiteral("title:Collage")));
    QCOMPARE(calls.filter(QStringLiteral("top:")).last(), QStringLiteral("top:addContentBox,rightBox"));
    QCOMPARE(calls.filter(QStringLiteral("right:")).last(), QStringLiteral("right:propertiesBox,canvasPropertiesBox"));
    QCOMPARE(calls.filter(QStringLiteral("bottom:")).last(), QStringLiteral("bottom:bottomWidget"));
    QCOMPARE(ui().addContentBox->property("@onTopbar").toBool(), true);
    QCOMPARE(ui().addContentBox->property("@rightBar").toBool(), false);
    QCOMPARE(ui().rightBox->property("@rightBar").toBool(), true);
    m_appliance->removeFromApplianceContainer();
}

void TestCollageAppliance::rightBarSwapsPanels()
{
    makeAppliance();
    QVERIFY(ui().propertiesBox->isHidden());
    QVERIFY(!ui().canvasPropertiesBox->isHidden());

    // A picture was selected: its panel replaces the canvas panels.
    QPointer<QWidget> first = new QWidget;
    emit m_canvas->showPropertiesWidget(first);
    QVERIFY(ui().canvasPropertiesBox->isHidden());
    QVERIFY(!ui().propertiesBox->isHidden());
    QCOMPARE(first->parentWidget(), ui().propertiesBox);
    QCOMPARE(ui().propLayout->count(), 1);

    // Another selection: the previous panel is deleted, not kept.
    QPointer<QWidget> second = new QWidget;
    emit m_canvas->showPropertiesWidget(second);
    QVERIFY(!first);
    QCOMPARE(ui().propLayout->itemAt(0)->widget(), second.data());

    // Empty canvas clicked: back to the canvas panels, the panel gone.
    emit m_canvas->showPropertiesWidget(nullptr);
    QVERIFY(!second);
    QCOMPARE(ui().propLayout->count(), 0);
    QVERIFY(ui().propertiesBox->isHidden());
    QVERIFY(!ui().canvasPropertiesBox->isHidden());

    // A panel still shown goes with the editor.
    QPointer<QWidget> third = new QWidget;
    emit m_canvas->showPropertiesWidget(third);
    m_appliance->takeCanvas();
    m_appliance.reset();
    QVERIFY(!third);
}

void TestCollageAppliance::colourModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("grid");
    QTest::addColumn<bool>("colour");
    QTest::addColumn<bool>("gradient");
    QTest::newRow("None") << 0 << true << false << false;
    QTest::newRow("Color") << 1 << false << true << false;
    QTest::newRow("Gradients") << 2 << false << false << true;
}

void TestCollageAppliance::colourModes()
{
    QFETCH(int, mode);
    // Start from a different mode, so that the choice is a real change.
    CanvasBackColor start = m_canvas->backColor();
    start.mode = (mode + 1) % 3;
    m_canvas->setBackColor(start);
    makeAppliance();
    QCOMPARE(ui().colorCombo->currentIndex(), start.mode);

    ui().colorCombo->setCurrentIndex(mode);
    emit ui().colorCombo->activated(mode);
    QCOMPARE(m_canvas->backColor().mode, mode);
    QFETCH(bool, grid);
    QCOMPARE(!ui().gridCheck->isHidden(), grid);
    QFETCH(bool, colour);
    QCOMPARE(!ui().canvasColorButn->isHidden(), colour);
    QFETCH(bool, gradient);
    QCOMPARE(!ui().canvasTopColorButn->isHidden(), gradient);
    QCOMPARE(!ui().canvasBottomColorButn->isHidden(), gradient);

    // The grid box writes the flag and nothing else.
    ui().gridCheck->setChecked(true);
    CanvasBackColor expected = start;
    expected.mode = mode;
    expected.showGrid = true;
    QCOMPARE(m_canvas->backColor(), expected);
}

void TestCollageAppliance::colourPopupEditsOneColour_data()
{
    QTest::addColumn<int>("tag");
    QTest::newRow("colour") << 1;
    QTest::newRow("top") << 2;
    QTest::newRow("bottom") << 3;
}

void TestCollageAppliance::colourPopupEditsOneColour()
{
    QFETCH(int, tag);
    CanvasBackColor start;
    start.mode = tag == 1 ? 1 : 2;
    start.color = QColor(1, 2, 3);
    start.topColor = QColor(40, 50, 60);
    start.bottomColor = QColor(70, 80, 90);
    m_canvas->setBackColor(start);
    makeAppliance();
    ColorSelectorButton* buttons[] = {ui().canvasColorButn, ui().canvasTopColorButn, ui().canvasBottomColorButn};
    QCOMPARE(buttons[0]->color(), start.color);
    QCOMPARE(buttons[1]->color(), start.topColor);
    QCOMPARE(buttons[2]->color(), start.bottomColor);

    QCursor::setPos(120, 90);
    const QPoint cursor = QCursor::pos();
    QTest::mouseClick(buttons[tag - 1], Qt::LeftButton);
    QPopupColorWidget* popup = openPopup();
    QVERIFY(popup);
    QVERIFY(popup->isVisible());
    QCOMPARE(popup->pos(), cursor);
    QCOMPARE(popup->tag, tag);
    const QColor shown[] = {start.color, start.topColor, start.bottomColor};
    QCOMPARE(popup->color().rgba(), shown[tag - 1].rgba());

    const QColor picked(200, 100, 0);
    emit popup->colorChanged(picked);
    CanvasBackColor expected = start;
    if (tag == 1)
        expected.color = picked;
    else if (tag == 2)
        expected.topColor = picked;
    else
        expected.bottomColor = picked;
    QCOMPARE(m_canvas->backColor(), expected);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(buttons[i]->color(), i == tag - 1 ? picked : shown[i]);

    // A second click on a button closes the open pop-up.
    QTest::mouseClick(buttons[tag - 1], Qt::LeftButton);
    QVERIFY(!popup->isVisible());
}

void TestCollageAppliance::customSizeThenFree()
{
    m_canvas->addPictureContent(QStringLiteral("red.png"), solid(QSize(40, 30), Qt::red), QPoint(50, 50));
    makeAppliance();
    m_canvas->addMarker(new QGraphicsRectItem(0, 0, 10, 10));
    m_canvas->slotResetChanges();
    QVERIFY(!m_appliance->appliancePendingChanges());

    {
        SizeAnswers answers;
        answers.menuChoice = 1;
        answers.width = 1920;
        answers.height = 1080;
        ui().sizeButn->click();
        QCOMPARE(answers.menuTexts, (QStringList {"Self-Adaption Size", "Custom Size..."}));
        QCOMPARE(answers.dialogs, 1);
    }
    QCOMPARE(m_canvas->modeInfo()->projectMode(), CanvasModeInfo::ModeExactSize);
    QCOMPARE(m_canvas->modeInfo()->fixedSize(), QSizeF(1920, 1080));
    QCOMPARE(m_canvas->sceneSize(), QSize(1920, 1080));
    QCOMPARE(ui().sizeLabel->text(), QStringLiteral("1920 x 1080 Pix (Locked)"));
    QVERIFY(m_canvas->markers().isEmpty());
    // A new size is an edit: closing must not drop it unasked.
    QVERIFY(m_appliance->appliancePendingChanges());
    // Fitted in: never above 1.0, and the slider shows the view's scale.
    QVERIFY(m_appliance->sceneView()->viewScale() <= 1.0);
    // The slider holds its value in steps of 1/10000.
    QVERIFY(qAbs(ui().scaleSlider->value() - m_appliance->sceneView()->viewScale()) < 1e-4);

    m_canvas->slotResetChanges();
    {
        SizeAnswers answers;
        answers.menuChoice = 0;
        ui().sizeButn->click();
        QCOMPARE(answers.dialogs, 0);
    }
    QCOMPARE(m_canvas->modeInfo()->projectMode(), CanvasModeInfo::ModeNormal);
    QVERIFY(!m_canvas->modeInfo()->isFixedSize());
    // The canvas took the view's size again and the read-out says so, free.
    const QSize viewport = m_appliance->sceneView()->viewport()->contentsRect().size();
    QCOMPARE(m_canvas->sceneSize(), viewport);
    QCOMPARE(ui().sizeLabel->text(), QStringLiteral("%1 x %2 Pix").arg(viewport.width()).arg(viewport.height()));
    QVERIFY(m_appliance->appliancePendingChanges());
}

// A project read with a fixed size hands the canvas over with it: the view
// lays the scene out at that size without announcing it.
void TestCollageAppliance::fixedSizeShownAtOnce()
{
    m_canvas->modeInfo()->setFixedSize(QSizeF(1200, 800));
    m_canvas->modeInfo()->setProjectMode(CanvasModeInfo::ModeExactSize);
    m_canvas->adjustSceneSize();
    makeAppliance();
    QCOMPARE(m_canvas->sceneSize(), QSize(1200, 800));
    QCOMPARE(ui().sizeLabel->text(), QStringLiteral("1200 x 800 Pix (Locked)"));
}

void TestCollageAppliance::sizeMenuLeftAlone_data()
{
    QTest::addColumn<int>("menuChoice");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    // The canvas below is fixed at 800 x 600.
    QTest::newRow("menu dismissed") << -1 << true << 0 << 0;
    QTest::newRow("dialog cancelled") << 1 << false << 1000 << 1000;
    QTest::newRow("same size again") << 1 << true << 800 << 600;
    QTest::newRow("already free is fixed") << 0 << true << 0 << 0;
}

void TestCollageAppliance::sizeMenuLeftAlone()
{
    QFETCH(int, menuChoice);
    m_canvas->addPictureContent(QStringLiteral("red.png"), solid(QSize(40, 30), Qt::red), QPoint(50, 50));
    m_canvas->modeInfo()->setFixedSize(QSizeF(800, 600));
    m_canvas->modeInfo()->setProjectMode(CanvasModeInfo::ModeExactSize);
    makeAppliance();
    QCOMPARE(m_canvas->sceneSize(), QSize(800, 600));
    m_canvas->addMarker(new QGraphicsRectItem(0, 0, 10, 10));
    m_canvas->slotResetChanges();
    if (menuChoice == 0) {
        // "Self-Adaption Size" does nothing on a canvas already free.
        m_canvas->modeInfo()->setFixedSize(QSizeF(-1, -1));
        m_canvas->modeInfo()->setProjectMode(CanvasModeInfo::ModeNormal);
    }
    const QSizeF fixed = m_canvas->modeInfo()->fixedSize();
    const QString label = ui().sizeLabel->text();

    SizeAnswers answers;
    answers.menuChoice = menuChoice;
    QFETCH(bool, accept);
    answers.accept = accept;
    QFETCH(int, width);
    answers.width = width;
    QFETCH(int, height);
    answers.height = height;
    ui().sizeButn->click();
    if (menuChoice == 1)
        QCOMPARE(answers.dialogShowed, QSize(800, 600));

    QCOMPARE(m_canvas->modeInfo()->fixedSize(), fixed);
    QCOMPARE(m_canvas->markers().size(), 1);
    QCOMPARE(ui().sizeLabel->text(), label);
    QVERIFY(!m_appliance->appliancePendingChanges());
}

void TestCollageAppliance::borderReachesTheCanvas()
{
    CanvasBorder start;
    start.width = 60;
    start.left = true;
    m_canvas->setBorder(start);
    makeAppliance();
    // The panel shows the canvas's border as it was.
    QCOMPARE(ui().borderColorWidget->colorBorder(), start);
    ui().borderColorWidget->findChild<QCheckBox*>(QStringLiteral("topChck"))->click();
    CanvasBorder expected = start;
    expected.top = true;
    QCOMPARE(m_canvas->border(), expected);
}

void TestCollageAppliance::aspectComboFollowsRatio_data()
{
    QTest::addColumn<int>("ratio");
    QTest::addColumn<int>("index");
    // index = 2 - ratio.
    QTest::newRow("by expanding") << int(Qt::KeepAspectRatioByExpanding) << 0;
    QTest::newRow("keep") << int(Qt::KeepAspectRatio) << 1;
    QTest::newRow("ignore") << int(Qt::IgnoreAspectRatio) << 2;
}

void TestCollageAppliance::aspectComboFollowsRatio()
{
    QFETCH(int, ratio);
    QFETCH(int, index);
    // Read from the canvas at start.
    m_canvas->setBackContentRatio(Qt::AspectRatioMode(ratio));
    makeAppliance();
    QCOMPARE(ui().aspectCombo->currentIndex(), index);

    // The combo writes the canvas...
    const int other = (index + 1) % 3;
    ui().aspectCombo->setCurrentIndex(other);
    QCOMPARE(int(m_canvas->backContentRatio()), 2 - other);

    // ...and a changed canvas announces itself back, silently.
    m_canvas->setBackContentRatio(Qt::AspectRatioMode(ratio));
    QSignalSpy spy(ui().aspectCombo, &QComboBox::currentIndexChanged);
    emit m_canvas->backConfigChanged();
    QCOMPARE(ui().aspectCombo->currentIndex(), index);
    QCOMPARE(spy.count(), 0);
}

void TestCollageAppliance::backgroundPictureChosen()
{
    makeAppliance();
    QVERIFY(solid(QSize(300, 100), Qt::green).save(m_dir->filePath("wide.png")));
    DialogDriver::answerFileDialog(m_dir->path(), {QStringLiteral("wide.png")});
    ui().addContentButn->click();

    PictureContent* back = qobject_cast<PictureContent*>(m_canvas->backContentItem());
    QVERIFY(back);
    QCOMPARE(back->photo()->size(), QSize(300, 100));
    QVERIFY(ui().editWidget->isEnabled());
    // A 300 x 100 picture kept in ratio inside the 150 x 120 label: 150 x 50,
    // centred, so rows 35 to 84 hold it and the rest is clear.
    const QPixmap preview = ui().imageThumbLabel->pixmap();
    QVERIFY(!preview.isNull());
    QCOMPARE(preview.deviceIndependentSize().toSize(), QSize(150, 120));
    const QImage shown = preview.toImage();
    QCOMPARE(shown.pixelColor(75, 60).rgba(), QColor(Qt::green).rgba());
    QCOMPARE(shown.pixelColor(75, 36).rgba(), QColor(Qt::green).rgba());
    QCOMPARE(shown.pixelColor(75, 10).alpha(), 0);
    QCOMPARE(shown.pixelColor(75, 110).alpha(), 0);

    // Cancelling the next choice keeps the picture.
    DialogDriver::answerFileDialog(m_dir->path(), {});
    ui().addContentButn->click();
    QCOMPARE(m_canvas->backContentItem(), back);
    QVERIFY(ui().editWidget->isEnabled());
}

void TestCollageAppliance::fineTuneReachesBackPicture()
{
    PictureContent* back = addBackPicture();
    // Values a project brought along are shown, truncated toward zero.
    back->addEffect(PictureEffect(PictureEffect::Brightness, 30.7));
    back->addEffect(PictureEffect(PictureEffect::Temperature, 6500.0));
    makeAppliance();
    QVERIFY(ui().editWidget->isEnabled());
    auto* brightness = ui().editWidget->findChild<QSpinBox*>(QStringLiteral("brightnessSpinBox"));
    auto* temperature = ui().editWidget->findChild<QSpinBox*>(QStringLiteral("temperatureSpinBox"));
    QVERIFY(brightness && temperature);
    QCOMPARE(brightness->value(), 30);
    QCOMPARE(temperature->value(), 6500);

    m_canvas->slotResetChanges();
    auto* contrast = ui().editWidget->findChild<QSpinBox*>(QStringLiteral("contrastSpinBox"));
    QVERIFY(contrast);
    contrast->setValue(-40);
    // Contrast is type 1: effect code 16, the picture's second record.
    QCOMPARE(back->effects().at(1)->effect, int(PictureEffect::Contrast));
    QCOMPARE(back->effects().at(1)->param, -40.0);
    QVERIFY(m_canvas->pendingChanges());
}

void TestCollageAppliance::previewFollowsBackPicture()
{
    PictureContent* back = addBackPicture(QSize(150, 120));
    makeAppliance();
    QCOMPARE(ui().imageThumbLabel->pixmap().toImage().pixelColor(75, 60).rgba(), QColor(Qt::blue).rgba());
    // A change reaching the picture another way (its render lands later, or
    // its own panel) shows in the preview once the event loop has run:
    // saturation -100 leaves the blue a grey.
    back->addEffect(PictureEffect(PictureEffect::Saturation, -100));
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            const QColor shown = ui().imageThumbLabel->pixmap().toImage().pixelColor(75, 60);
            return shown.red() == shown.green() && shown.green() == shown.blue();
        }(),
        20000);
}

void TestCollageAppliance::clearingBackground()
{
    PictureContent* back = addBackPicture();
    back->addEffect(PictureEffect(PictureEffect::Saturation, 50));
    makeAppliance();
    QVERIFY(!ui().imageThumbLabel->pixmap().isNull());
    QCOMPARE(ui().editWidget->findChild<QSpinBox*>(QStringLiteral("saturationSpinBox"))->value(), 50);

    QSignalSpy spy(ui().editWidget, &FinetuneWidget::valueChanged);
    ui().removeContentButn->click();
    QVERIFY(!m_canvas->backContentItem());
    QVERIFY(ui().imageThumbLabel->pixmap().isNull());
    QVERIFY(!ui().editWidget->isEnabled());
    // Back to 0, 0, 0, 0, 5000, 10 without a word.
    const char* boxes[] = {"saturationSpinBox", "contrastSpinBox", "brightnessSpinBox", "sharpnessSpinBox",
        "temperatureSpinBox", "tintSpinBox"};
    const int neutral[] = {0, 0, 0, 0, 5000, 10};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(ui().editWidget->findChild<QSpinBox*>(QLatin1String(boxes[i]))->value(), neutral[i]);
    QCOMPARE(spy.count(), 0);
}

void TestCollageAppliance::zoomBar()
{
    makeAppliance();
    SceneView* view = m_appliance->sceneView();
    QCOMPARE(ui().scaleSlider->minimum(), 0.05);
    QCOMPARE(ui().scaleSlider->maximum(), 4.0);
    QCOMPARE(ui().scaleSlider->value(), view->viewScale());

    // The slider's right end shows the scene at 400 %.
    ui().scaleSlider->setValue(ui().scaleSlider->maximum());
    QCOMPARE(view->viewScale(), 4.0);
    QCOMPARE(m_canvas->viewScale(), 4.0);

    // "1:1" sets 100 % and moves the slider without its signal.
    QSignalSpy slider(ui().scaleSlider, qOverload<double>(&QDoubleSlider::valueChanged));
    QSignalSpy scale(view, &SceneView::viewScaleChanged);
    ui().actualButn->click();
    QCOMPARE(view->viewScale(), 1.0);
    QCOMPARE(ui().scaleSlider->value(), 1.0);
    QCOMPARE(slider.count(), 0);
    QCOMPARE(scale.count(), 1);

    // A zoom of the view (the wheel) moves the slider too.
    view->setViewScale(2.5);
    QCOMPARE(ui().scaleSlider->value(), 2.5);
    QCOMPARE(slider.count(), 0);
}

void TestCollageAppliance::popupOutlivedByNothing()
{
    CanvasBackColor start;
    start.mode = 1;
    m_canvas->setBackColor(start);
    makeAppliance();
    QTest::mouseClick(ui().canvasColorButn, Qt::LeftButton);
    QPointer<QPopupColorWidget> popup = openPopup();
    QVERIFY(popup);
    m_appliance->takeCanvas();
    m_appliance.reset();
    // The pop-up went with the editor (cleanup checks none is left).
    QVERIFY(!popup);
}

void TestCollageAppliance::saveProjectAlwaysAsks()
{
    m_canvas->addPictureContent(QStringLiteral("red.png"), solid(QSize(40, 30), Qt::red), QPoint(50, 50));
    makeAppliance();
    QString typed;
    int dialogs = 0;
    ModalPrompts::ScopedResponder responder([&](const ModalPrompts::Request& request) {
        if (request.kind != ModalPrompts::Kind::Dialog)
            return int(QMessageBox::Ok);
        ++dialogs;
        auto* files = qobject_cast<QFileDialog*>(request.dialog);
        if (!files || typed.isEmpty())
            return int(QDialog::Rejected);
        files->selectFile(m_dir->filePath(typed));
        QMetaObject::invokeMethod(files, "accept");
        return files->result();
    });

    // Cancelled: nothing written, the work still pending.
    QVERIFY(!m_appliance->slotSaveProject());
    QCOMPARE(dialogs, 1);
    QVERIFY(QDir(m_dir->path()).entryList(QDir::Files).isEmpty());
    QVERIFY(m_appliance->appliancePendingChanges());

    // A name without suffix gets ".pmp2"; the mark is cleared.
    typed = QStringLiteral("party");
    ui().bSaveProject->click();
    QCOMPARE(dialogs, 2);
    QVERIFY(QFileInfo::exists(m_dir->filePath("party.pmp2")));
    QVERIFY(!m_appliance->appliancePendingChanges());

    // The next save asks again: no name is remembered.
    typed = QStringLiteral("other");
    QVERIFY(m_appliance->slotSaveProject());
    QCOMPARE(dialogs, 3);
    QVERIFY(QFileInfo::exists(m_dir->filePath("other.pmp2")));
    // With a path given (the workflow's save on closing) nothing is asked.
    QVERIFY(m_appliance->applianceSave(m_dir->filePath("given.pmp2")));
    QCOMPARE(dialogs, 3);
    QVERIFY(QFileInfo::exists(m_dir->filePath("given.pmp2")));
}

QTEST_MAIN(TestCollageAppliance)
#include "tst_collageappliance.moc"
