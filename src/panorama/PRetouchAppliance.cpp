#include "panorama/PRetouchAppliance.h"

#include "appframe/Workflow.h"
#include "modebase/ColorBorderWidget.h"
#include "canvas/Canvas.h"
#include "canvas/CanvasModeInfo.h"
#include "canvas/PictureContent.h"
#include "canvas/PictureEffect.h"
#include "widgets/PixmapButton.h"
#include "widgets/QDoubleSlider.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {

float dpiOf(const QImage& image, QPaintDevice::PaintDeviceMetric metric)
{
    const int dpi = metric == QPaintDevice::PdmPhysicalDpiX ? image.physicalDpiX() : image.physicalDpiY();
    return dpi == 0 ? 72.0f : float(dpi);
}

} // namespace

PRetouchAppliance::PRetouchAppliance(Canvas* canvas, const QImage& panorama, QObject* parent)
    : CanvasAppliance(canvas, parent)
    , m_host(new QWidget)
{
    ui.setupUi(m_host);

    connectContentButtons(ui.bPicture, ui.bText, ui.bPrint);
    connect(ui.bSaveImage, &QAbstractButton::clicked, this, &PRetouchAppliance::slotSaveAsImage);
    connect(ui.bHome, &QAbstractButton::clicked, this, [] {
        if (App::workflow)
            App::workflow->popCurrentAppliance();
    });

    windowTitleSet(applianceName());

    setPlainBackColor();

    bottomBarAddWidget(ui.bottomWidget, -1);
    ui.addContentBox->setProperty("@onTopbar", true);
    topbarAddWidget(ui.addContentBox, false, -1);

    m_finetune = addPictureOptionPanels(ui.scrollLayout, ui.borderColorWidget);
    connect(m_finetune, SIGNAL(valueChanged(FinetuneWidget::FinetuneType,int)), this,
        SLOT(slotFinetuneChanged(FinetuneWidget::FinetuneType,int)));

    rightbarAddWidget(ui.propertiesBox, -1);
    rightbarAddWidget(ui.canvasPropertiesBox, -1);
    topbarAddWidget(ui.rightBox, true, -1);

    configureColorBorder();
    configureZoomBar(ui.scaleSlider, ui.fitinButn, ui.actualButn);
    configurePropertyPanels(ui.propertiesBox, ui.propLayout, ui.canvasPropertiesBox);
    if (m_canvas)
        connect(m_canvas, &AbstractScene::sceneSizeChanged, this, &PRetouchAppliance::showSize);

    setCanvasImage(panorama);
    refreshPreview();
}

PRetouchAppliance::~PRetouchAppliance()
{
    if (m_canvas)
        qWarning("PRetouchAppliance::~PRetouchAppliance: we still have a Canvas. take it before deleting this");
    // The main window adopted the bar widgets; without this each panorama
    // road would leave them behind in it.
    StepFormParts::deleteLentBoxes(ui);
    delete m_host;
}

QString PRetouchAppliance::applianceName() const
{
    return tr("Panorama");
}

bool PRetouchAppliance::appliancePendingChanges() const
{
    if (!m_canvas)
        return false;
    return m_unsaved || m_canvas->pendingChanges();
}

bool PRetouchAppliance::applicanceSaveImage()
{
    return save();
}

bool PRetouchAppliance::applianceSave(const QString&)
{
    return save();
}

bool PRetouchAppliance::save()
{
    // A cancelled or failed write keeps the node and its pending changes.
    if (!saveCanvas())
        return false;
    m_unsaved = false;
    if (m_canvas)
        m_canvas->slotResetChanges();
    return true;
}

bool PRetouchAppliance::slotSaveAsImage()
{
    return applicanceSaveImage();
}

void PRetouchAppliance::configureColorBorder()
{
    if (m_canvas)
        ui.borderColorWidget->setColorBorder(m_canvas->border());
    // Reconfiguring must not stack a second connection.
    disconnect(ui.borderColorWidget, &ColorBorderWidget::borderChanged, this, nullptr);
    connect(ui.borderColorWidget, &ColorBorderWidget::borderChanged, this, [this](const CanvasBorder& border) {
        if (m_canvas)
            m_canvas->setBorder(border);
    });
}

void PRetouchAppliance::showSize()
{
    if (!m_canvas)
        return;
    const QSize size = m_canvas->sceneSize();
    ui.sizeLabel->setText(QStringLiteral("%1 x %2 Pix").arg(size.width()).arg(size.height()));
}

void PRetouchAppliance::setCanvasImage(QImage image)
{
    if (!m_canvas)
        return;
    m_canvas->setBackgroundContent(QString(), image);
    CanvasModeInfo* mode = m_canvas->modeInfo();
    mode->setCanvasDpi(dpiOf(image, QPaintDevice::PdmPhysicalDpiX), dpiOf(image, QPaintDevice::PdmPhysicalDpiY));
    mode->setFixedSize(QSizeF(image.width(), image.height()));
    mode->setProjectMode(CanvasModeInfo::ModeExactSize);
    m_canvas->adjustSceneSize();
    // Fitted once the view has its size in the window.
    QTimer::singleShot(0, this, [this] {
        if (m_canvas)
            fitSceneInView();
    });
    showSize();

    // A new panorama starts neutral.
    if (m_finetune)
        resetFinetune(m_finetune, image.size());
    setZoomBarVisible(true);
    setFocusToScene();
}

void PRetouchAppliance::setPreviewImage(QPixmap pixmap)
{
    QLabel* label = ui.imageThumbLabel;
    label->setAlignment(Qt::AlignCenter);
    if (pixmap.isNull()) {
        label->setPixmap(QPixmap());
        return;
    }
    label->setPixmap(pixmap.scaled(label->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void PRetouchAppliance::refreshPreview()
{
    PictureContent* picture = m_canvas ? m_canvas->backContent() : nullptr;
    if (picture)
        setPreviewImage(picture->toPixmap(ui.imageThumbLabel->size(), Qt::KeepAspectRatio));
}

void PRetouchAppliance::slotFinetuneChanged(FinetuneWidget::FinetuneType type, int value)
{
    if (int(type) < 0 || int(type) >= FinetuneWidget::TypeCount)
        return;
    applyEffect(finetuneEffect[type], double(value));
}

void PRetouchAppliance::slotEffectSelected(uint effectId)
{
    applyEffect(int(effectId), 0.0);
}

void PRetouchAppliance::applyEffect(int code, double param)
{
    if (!m_canvas)
        return;
    PictureEffect effect(code, param, false);
    effect.rect = QRect(0, 0, -1, -1);
    m_canvas->applyBackgroundEffect(effect);
    refreshPreview();
}
