#include "montage/MRetouchAppliance.h"

#include "appframe/ModalPrompts.h"
#include "appframe/SceneView.h"
#include "appframe/Settings.h"
#include "appframe/Workflow.h"
#include "montage/engine/IQZorivuvEngine.h"
#include "montage/MTileAppliance.h"
#include "canvas/Canvas.h"
#include "canvas/CanvasModeInfo.h"
#include "canvas/PictureContent.h"
#include "filebrowser/IQMenuIconSizeStyle.h"
#include "files/IQImageIO.h"
#include "widgets/PixmapButton.h"
#include "widgets/QDoubleSlider.h"
#include "widgets/QSliderWidget.h"
#include "widgets/QToolBoxWidget.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpacerItem>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char* const toolButtonStyle
    = "QToolButton { background-color:#222222; color:white; border:1px solid #444444; border-radius:4px;}"
      "QToolButton:hover {background-color:#333333; border:1px solid #444444; border-radius:4px;}"
      "QToolButton:disabled {background-color:#222222; color:#646464;border:1px solid #444444; border-radius:4px;}";

const char* const generateStyle = "QPushButton {color:rgba(67, 156, 243,255); }";

// White where `image` is opaque: the form the canvas and the engine take.
QImage invertedAlphaMask(const QImage& image)
{
    QImage mask = image.createAlphaMask();
    mask.invertPixels();
    return mask;
}

float dpiOf(const QPixmap& pixmap, QPaintDevice::PaintDeviceMetric metric)
{
    const int dpi = metric == QPaintDevice::PdmPhysicalDpiX ? pixmap.physicalDpiX() : pixmap.physicalDpiY();
    return dpi == 0 ? 72.0f : float(dpi);
}

// The mask "Restore to original" brings back: the target's own, or the
// opaque first resource for a target without transparency.
QImage originalMask()
{
    const QImage& target = IQZorivuvEngine::globalInstance()->background;
    if (target.hasAlphaChannel())
        return invertedAlphaMask(target);
    return invertedAlphaMask(QImage(QStringLiteral(":/mask/mask_1.png")));
}

} // namespace

MRetouchAppliance::MRetouchAppliance(Canvas* canvas, const QPixmap& mosaic, QObject* parent)
    : CanvasAppliance(canvas, parent)
    , m_host(new QWidget)
{
    m_param.makeDefault();
    ui.setupUi(m_host);

    connectContentButtons(ui.bPicture, ui.bText, ui.bPrint);
    connect(ui.bBack, &QToolButton::clicked, this, [] {
        if (App::workflow)
            App::workflow->popCurrentAppliance();
    });
    connect(ui.bSaveImage, &QToolButton::clicked, this, &MRetouchAppliance::slotSaveAsImage);
    for (QToolButton* button : {ui.bBack, ui.bSaveImage, ui.bPrint, ui.bPicture, ui.bText})
        button->setStyleSheet(QLatin1String(toolButtonStyle));

    if (m_canvas) {
        // Transparent, shown as the checkerboard: where a mask cuts the
        // mosaic away the user sees that the export will be transparent
        // there, not the view's own grey. Output never draws the checker.
        CanvasBackColor back;
        back.mode = 0;
        back.showGrid = true;
        m_canvas->setBackColor(back);
    }

    windowTitleSet(applianceName());
    bottomBarAddWidget(ui.bottomWidget, -1);
    auto* options = new QToolBoxWidget(nullptr, QToolBoxWidget::Flush);
    options->addWidget(tr("Options"), ui.zorivuvWidget, true);
    ui.scrollLayout->addWidget(options);
    ui.scrollLayout->addItem(new QSpacerItem(20, 20, QSizePolicy::Minimum, QSizePolicy::Expanding));
    topbarAddWidget(ui.addContentBox, false, -1);
    rightbarAddWidget(ui.propertiesBox, -1);
    rightbarAddWidget(ui.canvasPropertiesBox, -1);
    // The right box's label is a stand-in of the form, not a text for users.
    ui.label_4->hide();
    topbarAddWidget(ui.rightBox, true, -1);

    configureZoomBar(ui.scaleSlider, ui.fitinButn, ui.actualButn);
    configurePropertyPanels(ui.propertiesBox, ui.propLayout, ui.canvasPropertiesBox);
    if (m_canvas)
        connect(m_canvas, &AbstractScene::sceneSizeChanged, this, &MRetouchAppliance::updateZoomRange);

    const QImage& target = IQZorivuvEngine::globalInstance()->background;
    setCanvasPixmap(mosaic, target.hasAlphaChannel() ? invertedAlphaMask(target) : QImage(), true);
    setPreviewImage(QPixmap::fromImage(target));

    buildMaskMenu();
    configureZorivuv();
    ui.columnCountWidget->setValue(m_param.columns);
    ui.tileSizeWidget->setValue(m_param.tile.width());
    if (m_param.layout == 0)
        ui.tileRadioButton->setChecked(true);
    else if (m_param.layout == 1)
        ui.interlaceRadioButn->setChecked(true);
    ui.matchColorCheckBox->setChecked(m_param.colourise);
}

MRetouchAppliance::~MRetouchAppliance()
{
    if (m_canvas)
        qWarning("MRetouchAppliance::~MRetouchAppliance: we still have a Canvas. take it before deleting this");
    // The main window adopted the bar widgets; without this each montage
    // road would leave them behind in it.
    StepFormParts::deleteLentBoxes(ui);
    delete m_host;
    delete m_modeGroup;
    delete m_maskMenu;
}

bool MRetouchAppliance::appliancePendingChanges() const
{
    return m_pendingChanges;
}

QString MRetouchAppliance::applianceName() const
{
    return tr("Zorivuv");
}

bool MRetouchAppliance::applicanceSaveImage()
{
    return saveCanvas2();
}

bool MRetouchAppliance::applianceSave(const QString&)
{
    return saveCanvas2();
}

void MRetouchAppliance::configureZorivuv()
{
    m_modeGroup = new QButtonGroup;
    m_modeGroup->addButton(ui.tileRadioButton, 0);
    m_modeGroup->addButton(ui.interlaceRadioButn, 1);
    connect(m_modeGroup, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            m_param.layout = id;
    });

    ui.columnCountWidget->setDesc(tr("Column Count:"));
    ui.columnCountWidget->setMinMaxValue(20, 200);
    ui.columnCountWidget->setPropertyName(QStringLiteral("Column Count"));
    connect(ui.columnCountWidget, &QSliderWidget::propertyValueChanged, this,
        [this](const QString&, int value) { m_param.columns = value; });

    ui.tileSizeWidget->setDesc(tr("Tile Size:"));
    ui.tileSizeWidget->setMinMaxValue(10, 140);
    ui.tileSizeWidget->setPropertyName(QStringLiteral("Tile Size"));
    connect(ui.tileSizeWidget, &QSliderWidget::propertyValueChanged, this,
        [this](const QString&, int value) { m_param.tile = QSize(value, value); });

    connect(ui.matchColorCheckBox, &QCheckBox::stateChanged, this,
        [this](int state) { m_param.colourise = state == Qt::Checked; });

    ui.generateButton->setStyleSheet(QLatin1String(generateStyle));
    connect(ui.generateButton, &QPushButton::clicked, this, &MRetouchAppliance::slotGenerateZorivuv);
}

double MRetouchAppliance::zoomFloor(const QSize& size)
{
    const int w = size.width();
    const int h = size.height();
    if (w >= 20000 || h >= 20000)
        return 0.01;
    if (w >= 10000 || h >= 10000)
        return 0.03;
    return 0.05;
}

void MRetouchAppliance::updateZoomRange()
{
    if (!m_canvas)
        return;
    const double floor = zoomFloor(m_canvas->sceneSize());
    ui.scaleSlider->setRange(floor, zoomMaximum);
    m_sceneView->setMinimumWheelScale(floor);
    showSize();
}

void MRetouchAppliance::showSize()
{
    if (!m_canvas)
        return;
    const QSize size = m_canvas->sceneSize();
    ui.sizeLabel->setText(QStringLiteral("%1 x %2 Pix").arg(size.width()).arg(size.height()));
}

bool MRetouchAppliance::setCanvasPixmap(const QPixmap& pixmap, const QImage& mask, bool deferFit)
{
    if (!m_canvas)
        return false;
    const bool shown = !pixmap.isNull() && m_canvas->setBackgroundContent(QString(), pixmap, mask);
    if (shown) {
        CanvasModeInfo* mode = m_canvas->modeInfo();
        mode->setCanvasDpi(dpiOf(pixmap, QPaintDevice::PdmPhysicalDpiX), dpiOf(pixmap, QPaintDevice::PdmPhysicalDpiY));
        mode->setFixedSize(QSizeF(pixmap.width(), pixmap.height()));
        mode->setProjectMode(CanvasModeInfo::ModeExactSize);
        m_canvas->adjustSceneSize();
        auto fit = [this] {
            if (m_canvas)
                fitSceneInView();
        };
        if (deferFit)
            QTimer::singleShot(0, this, fit);
        else
            fit();
    }
    showSize();
    setZoomBarVisible(shown);
    setFocusToScene();
    return shown;
}

void MRetouchAppliance::setPreviewImage(const QPixmap& pixmap)
{
    QLabel* label = ui.imageThumbLabel;
    label->setAlignment(Qt::AlignCenter);
    if (pixmap.isNull()) {
        label->setPixmap(QPixmap());
        return;
    }
    const qreal ratio = label->devicePixelRatioF();
    const QRect inner = label->contentsRect();
    const QSize target(int((inner.width() - 10) * ratio), int((inner.height() - 10) * ratio));
    QPixmap scaled = pixmap.scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    label->setPixmap(scaled);
    label->show();
}

void MRetouchAppliance::buildMaskMenu()
{
    m_maskMenu = new QMenu;
    m_maskMenu->setObjectName(QStringLiteral("maskMenu"));
    m_maskMenu->setMinimumWidth(200);
    QMenu* templates = m_maskMenu->addMenu(tr("Templates"));
    templates->setObjectName(QStringLiteral("templatesMenu"));
    templates->setMaximumWidth(50);
    auto* style = new IQMenuIconSizeStyle;
    style->setParent(templates);
    templates->setStyle(style);
    for (int id = 2; id <= 8; ++id) {
        QAction* action = templates->addAction(QIcon(QStringLiteral(":/mask/mask_%1_small.png").arg(id)), QString());
        action->setData(id);
        action->setIconVisibleInMenu(true);
        connect(action, &QAction::triggered, this, [this, id] { slotTemplateMask(id); });
    }
    QAction* local = m_maskMenu->addAction(tr("Local Mask") + QLatin1Char(' ') + tr("(PNG)"));
    connect(local, &QAction::triggered, this, &MRetouchAppliance::slotLocalMask);
    QAction* restore = m_maskMenu->addAction(tr("Restore to original"));
    connect(restore, &QAction::triggered, this, &MRetouchAppliance::slotRestoreMask);

    connect(ui.maskButton, &QPushButton::clicked, this, [this] {
        ModalPrompts::execMenu(m_maskMenu, ui.maskButton->mapToGlobal(QPoint(0, ui.maskButton->height())));
    });
}

void MRetouchAppliance::applyMask(const QImage& mask, int maskMode)
{
    if (m_canvas) {
        m_canvas->setBackgroundMask(mask);
        m_canvas->update();
    }
    m_param.maskMode = maskMode;
    m_param.mask = maskMode == 1 ? mask : QImage();
}

void MRetouchAppliance::slotTemplateMask(int id)
{
    const QImage shape(QStringLiteral(":/mask/mask_%1.png").arg(id));
    if (shape.isNull())
        return;
    applyMask(invertedAlphaMask(shape), 1);
}

void MRetouchAppliance::slotLocalMask()
{
    Settings* settings = Settings::defaultSettings();
    QFileDialog dialog(dialogParent(), tr("Choose a png with mask"), settings->maskDir(), QStringLiteral("*.png"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (ModalPrompts::execDialog(&dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();

    // Through the program's one image road: a mask file claiming a huge
    // size, cut short or not a regular file is refused, not read.
    const QImage image = IQImageIO::readImage(path);
    const QString title = QGuiApplication::applicationDisplayName();
    if (image.isNull()) {
        ModalPrompts::message(QMessageBox::Warning, dialogParent(), title,
            tr("The selected photo is not supported or damaged."), QMessageBox::Ok);
        return;
    }
    settings->setMaskDir(QFileInfo(path).path());
    if (!image.hasAlphaChannel()) {
        ModalPrompts::message(QMessageBox::Warning, dialogParent(), title, tr("The selected photo has no alpha layer."),
            QMessageBox::Ok);
        return;
    }
    applyMask(invertedAlphaMask(image), 1);
}

void MRetouchAppliance::slotRestoreMask()
{
    applyMask(originalMask(), 0);
}

void MRetouchAppliance::slotGenerateZorivuv()
{
    // The next effect run starts from the picture as it is now. No back
    // picture when the first mosaic could not be shown.
    if (m_canvas && m_canvas->backContent())
        m_canvas->backContent()->clearCache();

    m_runTileCount = int(IQZorivuvEngine::globalInstance()->tilePaths.size());
    MTileAppliance::runMontage(&m_param, this, [this](QImage mosaic, QImage mask, int errorCode, int leftOut) {
        slotZorivuvFinished(std::move(mosaic), std::move(mask), errorCode, leftOut);
    });
}

void MRetouchAppliance::slotZorivuvFinished(QImage mosaic, QImage mask, int errorCode, int leftOut)
{
    // A cancelled or failed run leaves canvas and options as they were.
    if (!MTileAppliance::montageSucceeded(this, mosaic, errorCode))
        return;
    // Moved in: a large mosaic is not held twice. A pixmap that cannot be
    // made is a mosaic the canvas cannot take: setCanvasPixmap then hides
    // the zoom controls as for any other refusal.
    const QPixmap pixmap = QPixmap::fromImage(std::move(mosaic));
    if (!setCanvasPixmap(pixmap, mask, false)) {
        // The previous mosaic stays, and so does its pending state.
        reportLater(QMessageBox::Critical, tr("Not enough memory."));
        return;
    }
    m_pendingChanges = true;
    if (leftOut > 0)
        reportLater(QMessageBox::Information, MTileAppliance::leftOutText(leftOut, m_runTileCount));
}

void MRetouchAppliance::slotSaveAsImage()
{
    // Only a written file clears the pending changes; a cancelled or failed
    // export leaves them as they were.
    if (applicanceSaveImage())
        m_pendingChanges = false;
}
