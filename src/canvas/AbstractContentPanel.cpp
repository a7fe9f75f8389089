// The property panel of a content: the controls every content shares, the
// sections a subclass adds, and the frame choice.

#include "canvas/AbstractContent.h"

#include "canvas/ContentProperties.h"
#include "canvas/FrameWidget.h"
#include "canvas/PE_ColorSelectionButton.h"
#include "canvas/PE_DoubleSlider.h"
#include "canvas/PE_PaneWidget.h"
#include "widgets/QToolBoxWidget.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

void addSection(ContentProperties* panel, const QString& title, QWidget* body)
{
    auto* section = new QToolBoxWidget(nullptr, QToolBoxWidget::Flush);
    section->addWidget(title, body, true);
    panel->scrollLayout->addWidget(section);
}

QString opacityText(double opacity)
{
    // Shown on the 0 .. 255 scale of the frame's opacity, truncated.
    return QString::number(int(opacity * 255));
}

QString radiusText(double radius)
{
    return QString::number(int(radius));
}

} // namespace

QMap<QString, QWidget*> AbstractContent::createContentWidget()
{
    return {};
}

QWidget* AbstractContent::createPropertyWidget(const QString& title, QWidget*)
{
    auto* panel = new ContentProperties(nullptr);
    panel->titleLabel->setText(title);
    addSection(panel, tr("Layer"), panel->contentWidget);

    connect(panel->cFront, &QAbstractButton::clicked, this, &AbstractContent::slotStackFront);
    connect(panel->cRaise, &QAbstractButton::clicked, this, &AbstractContent::slotStackRaise);
    connect(panel->cLower, &QAbstractButton::clicked, this, &AbstractContent::slotStackLower);
    connect(panel->cBack, &QAbstractButton::clicked, this, &AbstractContent::slotStackBack);

    // The value labels follow the sliders and, because the editors set the
    // sliders silently, the properties as well.
    QLabel* opacityLabel = panel->opacityValueLabel;
    panel->cOpacity->setRange(0.0, 1.0);
    opacityLabel->setText(opacityText(contentOpacity()));
    new PE_DoubleSlider(panel->cOpacity, this, "contentOpacity", panel);
    connect(panel->cOpacity, qOverload<double>(&QDoubleSlider::valueChanged), opacityLabel,
        [opacityLabel](double value) { opacityLabel->setText(opacityText(value)); });
    connect(this, &AbstractDisposeable::contentOpacityChanged, opacityLabel,
        [this, opacityLabel] { opacityLabel->setText(opacityText(contentOpacity())); });

    panel->cPerspWidget->setRange(
        QRectF(-maxPerspective, -maxPerspective, 2 * maxPerspective, 2 * maxPerspective));
    new PE_PaneWidget(panel->cPerspWidget, this, "perspective", panel);
    panel->restoreButn->setFixedSize(16, 16);
    connect(panel->restoreButn, &QAbstractButton::clicked, this, &AbstractContent::slotClearPerspective);

    ColorSelectorButton* shadowSwatch = panel->shadowColorButn;
    shadowSwatch->setFixedSize(16, 16);
    new PE_ColorSelectionButton(shadowSwatch, this, "shadowColor", panel);
    connect(shadowSwatch, &ClickableLabel::clicked, this, [this, shadowSwatch] { popupColor(shadowSwatch); });

    QLabel* radiusLabel = panel->radiusValueLabel;
    panel->cShadowRadius->setRange(0.0, maxShadowRadius);
    radiusLabel->setText(radiusText(shadowRadius()));
    new PE_DoubleSlider(panel->cShadowRadius, this, "shadowRadius", panel);
    connect(panel->cShadowRadius, qOverload<double>(&QDoubleSlider::valueChanged), radiusLabel,
        [radiusLabel](double value) { radiusLabel->setText(radiusText(value)); });
    connect(this, &AbstractContent::shadowRadiusChanged, radiusLabel,
        [this, radiusLabel] { radiusLabel->setText(radiusText(shadowRadius())); });

    // QMap walks its keys in ascending order.
    const QMap<QString, QWidget*> sections = createContentWidget();
    for (auto it = sections.cbegin(); it != sections.cend(); ++it)
        addSection(panel, it.key(), it.value());

    auto* frames = new FrameWidget(nullptr);
    addSection(panel, tr("Shape"), frames);
    connect(frames, &FrameWidget::frameSelected, this, [this](uint frameClass) { emit changeFrame(frameClass, false); });
    connect(frames, &FrameWidget::shapeAlphaChanged, this, &AbstractContent::changeShapeAlpha);
    connect(frames, &FrameWidget::shapeMarginChanged, this, &AbstractContent::changeShapeMargin);
    connect(frames, &FrameWidget::shapeColorChanged, this, &AbstractContent::changeShapeColor);
    // Margin and alpha are announced back, carrying the content's own values.
    frames->setFrameClass(int(frameClass()));
    frames->setFrameMargin(frameMargin());
    frames->setFrameAlpha(frameAlpha());
    frames->setFrameColor(frameColor());

    connect(panel->tRemove, &QPushButton::clicked, this, &AbstractContent::requestRemoval);
    return panel;
}
