#include "montage/ZorivuvAppliance.h"

#include "appframe/SceneView.h"
#include "appframe/Workflow.h"
#include "modebase/ColorBorderWidget.h"
#include "montage/engine/IQZorivuvEngine.h"
#include "canvas/Canvas.h"
#include "canvas/CanvasModeInfo.h"
#include "canvas/PictureContent.h"
#include "canvas/PictureEffect.h"
#include "widgets/PixmapButton.h"
#include "widgets/QDoubleSlider.h"

#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char* const toolButtonStyle
    = "QToolButton { background-color:#222222; color:white; border:1px solid #444444; border-radius:4px;}"
      "QToolButton:hover {background-color:#333333; border:1px solid #444444; border-radius:4px;}"
      "QToolButton:disabled {background-color:#222222; color:#646464;border:1px solid #444444; border-radius:4px;}";

// The resolution a picture carries, or 72 when it has none. Qt's readers
// leave a file without a stored resolution at the default of a new QImage
// (the screen's), so that value counts as none too.
float dpiOf(const QImage& image, QPaintDevice::PaintDeviceMetric metric)
{
    const QImage fresh(1, 1, QImage::Format_RGB32);
    const bool horizontal = metric == QPaintDevice::PdmPhysicalDpiX;
    const int dotsPerMeter = horizontal ? image.dotsPerMeterX() : image.dotsPerMeterY();
    if (dotsPerMeter == (horizontal ? fresh.dotsPerMeterX() : fresh.dotsPerMeterY()))
        return 72.0f;
    const int dpi = horizontal ? image.physicalDpiX() : image.physicalDpiY();
    return dpi == 0 ? 72.0f : float(dpi);
}

} // namespace

ZorivuvAppliance::ZorivuvAppliance(Canvas* canvas, QObject* parent)
    : CanvasAppliance(canvas, parent)
    , m_container(new QWidget)
{
    ui.setupUi(m_container);

    connect(ui.bHome, &QToolButton::clicked, this, [] {
        // Nothing to save here, so the workflow goes home without a question.
        if (App::workflow)
            App::workflow->scheduleCommand(Workflow::Command {Workflow::CloseDownTo, QVariant(0)});
    });

    setPlainBackColor();
    m_sceneView->setInteractive(false);

    windowTitleSet(applianceName());
    bottomBarAddWidget(ui.bottomWidget, -1);

    m_finetune = addPictureOptionPanels(ui.scrollLayout, ui.borderColorWidget);
    connect(m_finetune, SIGNAL(valueChanged(FinetuneWidget::FinetuneType,int)), this,
        SLOT(slotFinetuneChanged(FinetuneWidget::FinetuneType,int)));
    ui.scrollLayout->addItem(new QSpacerItem(20, 20, QSizePolicy::Minimum, QSizePolicy::Expanding));

    for (QToolButton* button : {ui.bHome, ui.bPicture})
        button->setStyleSheet(QLatin1String(toolButtonStyle));
    topbarAddWidget(ui.addContentBox, false, -1);

    connect(ui.bPicture, &QToolButton::clicked, this, &ZorivuvAppliance::slotSetBackground);

    rightbarAddWidget(ui.canvasPropertiesBox, -1);
    topbarAddWidget(ui.rightBox, true, -1);

    if (m_canvas)
        ui.borderColorWidget->setColorBorder(m_canvas->border());
    connect(ui.borderColorWidget, &ColorBorderWidget::borderChanged, this, [this](const CanvasBorder& border) {
        if (m_canvas)
            m_canvas->setBorder(border);
    });

    configureZoomBar(ui.scaleSlider, ui.fitinButn, ui.actualButn);
    setZoomBarVisible(false);

    ui.nextButton->setEnabled(false);
    connect(ui.nextButton, &QPushButton::clicked, this, &ZorivuvAppliance::next);

    if (m_canvas) {
        connect(m_canvas, &AbstractScene::sceneSizeChanged, this, [this] {
            if (!m_canvas)
                return;
            const QSize size = m_canvas->sceneSize();
            ui.sizeLabel->setText(QStringLiteral("%1 x %2 Pix").arg(size.width()).arg(size.height()));
        });
    }
    ui.sizeLabel->setText(tr("No background yet."));
}

ZorivuvAppliance::~ZorivuvAppliance()
{
    if (m_canvas)
        qWarning("ZorivuvAppliance::~ZorivuvAppliance: we still have a Canvas. take it before deleting this");
    // The main window adopted the bar widgets; without this each montage
    // road would leave them behind in it.
    StepFormParts::deleteLentBoxes(ui);
    delete m_container;
    // Step 1 going ends the montage road: the engine forgets the target.
    IQZorivuvEngine::globalInstance()->setBackgroundImage(QImage());
}

bool ZorivuvAppliance::appliancePendingChanges() const
{
    return false;
}

QString ZorivuvAppliance::applianceName() const
{
    return QStringLiteral("Zorivuv");
}

bool ZorivuvAppliance::applicanceSaveImage()
{
    return false;
}

void ZorivuvAppliance::slotSetBackground()
{
    selectBackContent([this](int, const QString& path, const QImage& image) { pictureLoaded(path, image); });
}

void ZorivuvAppliance::pictureLoaded(const QString& path, const QImage& image)
{
    if (!m_canvas || !m_canvas->setBackgroundContent(path, image))
        return;
    setBackgroundImage(image);
    m_hasAlpha = image.hasAlphaChannel();

    CanvasModeInfo* mode = m_canvas->modeInfo();
    mode->setCanvasDpi(dpiOf(image, QPaintDevice::PdmPhysicalDpiX), dpiOf(image, QPaintDevice::PdmPhysicalDpiY));
    mode->setFixedSize(QSizeF(image.width(), image.height()));
    mode->setProjectMode(CanvasModeInfo::ModeExactSize);
    m_canvas->adjustSceneSize();
    fitSceneInView();

    const QSize size = m_canvas->sceneSize();
    ui.sizeLabel->setText(QStringLiteral("%1 x %2 Pix").arg(size.width()).arg(size.height()));

    // A new picture starts neutral.
    resetFinetune(m_finetune, image.size());

    ui.nextButton->setEnabled(true);
    setZoomBarVisible(true);
    watchBackPicture();
    setFocusToScene();
}

void ZorivuvAppliance::slotClearBackground()
{
    if (m_canvas)
        m_canvas->clearBackgroundContent();
    setBackgroundImage(QImage());
}

void ZorivuvAppliance::slotFinetuneChanged(FinetuneWidget::FinetuneType type, int value)
{
    applyEffect(PictureEffect::Saturation + int(type), double(value));
}

void ZorivuvAppliance::slotEffectSelected(uint effectId)
{
    applyEffect(int(effectId), 0.0);
}

void ZorivuvAppliance::applyEffect(int code, double param)
{
    if (!m_canvas)
        return;
    m_canvas->applyBackgroundEffect(PictureEffect(code, param, false));
    refreshPreview();
}

void ZorivuvAppliance::refreshPreview()
{
    PictureContent* picture = m_canvas ? m_canvas->backContent() : nullptr;
    if (picture)
        setBackgroundImage(picture->toPixmap(ui.imageThumbLabel->size(), Qt::KeepAspectRatio).toImage());
}

void ZorivuvAppliance::backPictureRendered()
{
    refreshPreview();
}

void ZorivuvAppliance::setBackgroundImage(const QImage& image)
{
    QLabel* label = ui.imageThumbLabel;
    label->setAlignment(Qt::AlignCenter);
    if (image.isNull()) {
        label->setPixmap(QPixmap());
        return;
    }
    const qreal ratio = label->devicePixelRatioF();
    const QSize target(int((label->width() - 10) * ratio), int((label->height() - 10) * ratio));
    QPixmap scaled = QPixmap::fromImage(image).scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    label->setPixmap(scaled);
}

QImage ZorivuvAppliance::renderTarget() const
{
    if (!m_canvas)
        return QImage();
    // Truncated toward zero; step 1 sets the scene to the picture's pixels.
    const QRectF scene = m_canvas->sceneRectangle();
    const QSize size(int(scene.width()), int(scene.height()));
    return m_canvas->renderedImage(size, Qt::KeepAspectRatio, true,
        m_hasAlpha ? QImage::Format_ARGB32 : QImage::Format_BGR888);
}

void ZorivuvAppliance::next()
{
    IQZorivuvEngine::globalInstance()->setBackgroundImage(renderTarget());
    if (App::workflow)
        App::workflow->scheduleCommand(Workflow::Command {Workflow::OpenZorivuvTiles, QVariant()});
}
