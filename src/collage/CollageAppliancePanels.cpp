// The canvas panels of the collage editor: canvas size, background colour,
// background picture, border and zoom.
#include "collage/CollageAppliance.h"
#include "collage/ExactSizeDialog.h"

#include "appframe/ModalPrompts.h"
#include "appframe/SceneView.h"
#include "canvas/Canvas.h"
#include "canvas/CanvasModeInfo.h"
#include "canvas/PictureContent.h"
#include "widgets/QPopupColorWidget.h"

#include <QCursor>
#include <QMenu>

#include <cmath>

namespace {

// Aspect combo index to back-picture ratio; the reverse is 2 - ratio.
const Qt::AspectRatioMode comboRatios[] = {Qt::KeepAspectRatioByExpanding, Qt::KeepAspectRatio, Qt::IgnoreAspectRatio};

QSize roundedDeviceSize(const QWidget* label)
{
    const qreal ratio = label->devicePixelRatioF();
    return QSize(int(std::lround(label->width() * ratio)), int(std::lround(label->height() * ratio)));
}

} // namespace

void CollageAppliance::configureSize()
{
    m_sizeMenu = new QMenu;
    QAction* normal = m_sizeMenu->addAction(QStringLiteral("Self-Adaption Size"));
    normal->setShortcut(QKeySequence());
    QAction* exact = m_sizeMenu->addAction(QStringLiteral("Custom Size..."));
    exact->setShortcut(QKeySequence());
    // Run through the prompt seam rather than the button's own pop-up, so
    // the choice can be answered in tests like every other menu.
    connect(ui.sizeButn, &QPushButton::clicked, this, [this, normal, exact] {
        QAction* chosen
            = ModalPrompts::execMenu(m_sizeMenu, ui.sizeButn->mapToGlobal(QPoint(0, ui.sizeButn->height())));
        if (chosen == normal)
            setNormalProject();
        else if (chosen == exact)
            setExactSizeProject();
    });
}

void CollageAppliance::setNormalProject()
{
    if (!m_canvas || m_canvas->modeInfo()->projectMode() == CanvasModeInfo::ModeNormal)
        return;
    m_canvas->clearMarkers();
    m_canvas->modeInfo()->setFixedSize(QSizeF(-1, -1));
    m_canvas->modeInfo()->setProjectMode(CanvasModeInfo::ModeNormal);
    // The mode record is saved with the project: leaving the fixed size is
    // an edit the user must not lose by closing.
    m_canvas->slotMarkChanges();
    m_canvas->adjustSceneSize();
    fitSceneInView();
}

void CollageAppliance::setExactSizeProject()
{
    if (!m_canvas)
        return;
    ExactSizeDialog dialog(nullptr);
    const QSize shown = m_canvas->sceneSize();
    dialog.ui.widthSpinBox->setValue(shown.width());
    dialog.ui.heightSpinBox->setValue(shown.height());
    if (ModalPrompts::execDialog(&dialog) != QDialog::Accepted || !m_canvas)
        return;
    const QSize chosen(dialog.ui.widthSpinBox->value(), dialog.ui.heightSpinBox->value());
    CanvasModeInfo* mode = m_canvas->modeInfo();
    if (chosen == shown && mode->projectMode() == CanvasModeInfo::ModeExactSize)
        return;
    const bool changed = mode->projectMode() != CanvasModeInfo::ModeExactSize || mode->fixedSize() != QSizeF(chosen);
    m_canvas->clearMarkers();
    mode->setFixedSize(QSizeF(chosen));
    mode->setProjectMode(CanvasModeInfo::ModeExactSize);
    if (changed)
        m_canvas->slotMarkChanges();
    m_canvas->adjustSceneSize();
    fitSceneInView();
}

void CollageAppliance::showSize(const QSize& size)
{
    if (!m_canvas)
        return;
    const QString text = m_canvas->modeInfo()->isFixedSize() ? tr("%1 x %2 Pix (Locked)")
                                                             : QStringLiteral("%1 x %2 Pix");
    ui.sizeLabel->setText(text.arg(size.width()).arg(size.height()));
}

void CollageAppliance::configureColorBorder()
{
    if (m_canvas)
        ui.borderColorWidget->setColorBorder(m_canvas->border());
    connect(ui.borderColorWidget, &ColorBorderWidget::borderChanged, this, [this](const CanvasBorder& border) {
        if (m_canvas)
            m_canvas->setBorder(border);
    });
}

void CollageAppliance::configureBackColor()
{
    const CanvasBackColor back = m_canvas ? m_canvas->backColor() : CanvasBackColor();
    connect(ui.gridCheck, &QCheckBox::stateChanged, this, [this](int state) {
        if (!m_canvas)
            return;
        CanvasBackColor changed = m_canvas->backColor();
        changed.showGrid = state == Qt::Checked;
        m_canvas->setBackColor(changed);
    });
    const struct {
        ColorSelectorButton* button;
        QColor color;
        QString tip;
        int tag;
    } buttons[] = {
        {ui.canvasColorButn, back.color, tr("Select canvas color"), 1},
        {ui.canvasTopColorButn, back.topColor, tr("Select canvas top color"), 2},
        {ui.canvasBottomColorButn, back.bottomColor, tr("Select canvas bottom color"), 3},
    };
    for (const auto& entry : buttons) {
        entry.button->setColor(entry.color, true);
        entry.button->setToolTip(entry.tip);
        entry.button->setFixedSize(16, 16);
        ColorSelectorButton* button = entry.button;
        const int tag = entry.tag;
        connect(button, &ClickableLabel::clicked, this, [this, button, tag] { popupColor(button, tag); });
    }
    {
        const QSignalBlocker blocker(ui.colorCombo);
        ui.colorCombo->setCurrentIndex(back.mode);
    }
    slotSetBackColorMode(back.mode);
}

void CollageAppliance::slotSetBackColorMode(int mode)
{
    if (mode >= 0 && mode <= 2) {
        ui.gridCheck->setVisible(mode == 0);
        ui.canvasColorButn->setVisible(mode == 1);
        ui.canvasTopColorButn->setVisible(mode == 2);
        ui.canvasBottomColorButn->setVisible(mode == 2);
    }
    if (!m_canvas)
        return;
    CanvasBackColor back = m_canvas->backColor();
    back.mode = mode;
    m_canvas->setBackColor(back);
}

void CollageAppliance::popupColor(ColorSelectorButton* button, int tag)
{
    if (!m_colorPopup) {
        m_colorPopup = new QPopupColorWidget(dialogParent());
        // The appliance is the context: a pop-up left open never reaches a
        // gone editor.
        connect(m_colorPopup, &QPopupColorWidget::colorChanged, this, [this](const QColor& picked) {
            // The chooser may speak HSV; the canvas compares and stores RGB.
            const QColor color = picked.toRgb();
            ColorSelectorButton* target = nullptr;
            CanvasBackColor back = m_canvas ? m_canvas->backColor() : CanvasBackColor();
            switch (m_colorPopup->tag) {
            case 1: back.color = color; target = ui.canvasColorButn; break;
            case 2: back.topColor = color; target = ui.canvasTopColorButn; break;
            case 3: back.bottomColor = color; target = ui.canvasBottomColorButn; break;
            default: return;
            }
            if (m_canvas)
                m_canvas->setBackColor(back);
            target->setColor(color, true);
        });
    }
    m_colorPopup->tag = tag;
    {
        const QSignalBlocker blocker(m_colorPopup);
        m_colorPopup->setColor(button->color());
    }
    if (m_colorPopup->isVisible())
        m_colorPopup->hide();
    else
        m_colorPopup->showAt(QCursor::pos());
}

void CollageAppliance::configureBackContent()
{
    ui.addContentButn->setFixedSize(16, 16);
    ui.addContentButn->setPixmap(QPixmap(QStringLiteral(":/data/add-new.png")));
    ui.addContentButn->setToolTip(tr("Add background"));
    connect(ui.addContentButn, &QAbstractButton::clicked, this, &CollageAppliance::slotSetBackground);
    ui.removeContentButn->setFixedSize(16, 16);
    ui.removeContentButn->setPixmap(QPixmap(QStringLiteral(":/data/remove-new.png")));
    ui.removeContentButn->setToolTip(tr("Clear background"));
    connect(ui.removeContentButn, &QAbstractButton::clicked, this, &CollageAppliance::slotClearBackground);

    connect(ui.editWidget, SIGNAL(valueChanged(FinetuneWidget::FinetuneType,int)), this,
        SLOT(slotFinetuneChanged(FinetuneWidget::FinetuneType,int)));

    if (backPicture()) {
        loadFinetuneValues();
        refreshPreview(ui.imageThumbLabel->size());
        watchBackPicture();
    }
}

void CollageAppliance::loadFinetuneValues()
{
    PictureContent* picture = backPicture();
    if (!picture)
        return;
    const PictureEffectList effects = picture->effects();
    if (effects.isEmpty())
        return;
    for (int type = 0; type < FinetuneWidget::TypeCount && type < effects.size(); ++type)
        ui.editWidget->setValue(FinetuneWidget::FinetuneType(type), int(effects.at(type)->param), true);
}

void CollageAppliance::refreshPreview(const QSize& size)
{
    if (PictureContent* picture = backPicture())
        setPreviewImage(picture->toPixmap(size, Qt::KeepAspectRatio));
}

void CollageAppliance::backPictureRendered()
{
    refreshPreview(ui.imageThumbLabel->size());
}

void CollageAppliance::setPreviewImage(QPixmap pixmap)
{
    QLabel* label = ui.imageThumbLabel;
    if (pixmap.isNull()) {
        label->setPixmap(QPixmap());
        return;
    }
    const qreal ratio = label->devicePixelRatioF();
    QPixmap scaled = pixmap.scaled(int(label->width() * ratio), int(label->height() * ratio), Qt::KeepAspectRatio,
        Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    label->setAlignment(Qt::AlignCenter);
    label->setPixmap(scaled);
}

void CollageAppliance::slotSetBackground()
{
    selectBackContent([this](int, const QString& path, const QImage& image) {
        if (m_canvas)
            m_canvas->setBackgroundContent(path, image);
    });
    const bool hasPicture = backPicture() != nullptr;
    ui.editWidget->setEnabled(hasPicture);
    if (!hasPicture) {
        setFocusToScene();
        return;
    }
    loadFinetuneValues();
    refreshPreview(roundedDeviceSize(ui.imageThumbLabel));
    watchBackPicture();
    setFocusToScene();
}

void CollageAppliance::slotClearBackground()
{
    if (m_canvas)
        m_canvas->clearBackgroundContent();
    watchBackPicture();
    setPreviewImage(QPixmap());
    ui.editWidget->setEnabled(backPicture() != nullptr);
    ui.editWidget->restore();
}

void CollageAppliance::slotFinetuneChanged(FinetuneWidget::FinetuneType type, int value)
{
    if (m_canvas)
        m_canvas->applyBackgroundEffect(PictureEffect(PictureEffect::Saturation + int(type), double(value), false));
    if (backPicture())
        refreshPreview(ui.imageThumbLabel->size());
}

void CollageAppliance::slotEffectChanged(uint code)
{
    if (m_canvas)
        m_canvas->applyBackgroundEffect(PictureEffect(int(code), 0.0, false));
    if (backPicture())
        refreshPreview(ui.imageThumbLabel->size());
}

void CollageAppliance::slotAspectComboCurrentIndexChanged(int index)
{
    if (m_canvas && index >= 0 && index < 3)
        m_canvas->setBackContentRatio(comboRatios[index]);
}

void CollageAppliance::slotSetBackRatio(QAction* action)
{
    if (m_canvas && action)
        m_canvas->setBackContentRatio(Qt::AspectRatioMode(action->property("ratioId").toInt()));
}

void CollageAppliance::slotBackConfigChanged()
{
    if (!m_canvas)
        return;
    const int ratio = int(m_canvas->backContentRatio());
    if (ratio < 3) {
        const QSignalBlocker blocker(ui.aspectCombo);
        ui.aspectCombo->setCurrentIndex(2 - ratio);
    }
}
