#include "canvas/FrameWidget.h"

#include "canvas/Frame.h"
#include "canvas/FrameFactory.h"
#include "ui_FrameWidget.h"
#include "widgets/PixmapButton.h"
#include "widgets/QPopupColorWidget.h"

#include <QButtonGroup>
#include <QCursor>
#include <QPainter>
#include <QSignalBlocker>

#include <memory>

namespace {

// The picture of "no frame": a light-grey cross on a transparent 96 x 96.
QPixmap noShapePreview()
{
    QPixmap pixmap(96, 96);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::lightGray, 2));
    painter.drawLine(20, 20, 77, 77);
    painter.drawLine(20, 77, 77, 20);
    return pixmap;
}

} // namespace

FrameWidget::FrameWidget(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::FrameWidget)
{
    ui->setupUi(this);
    setupUI();
}

FrameWidget::~FrameWidget()
{
    // A top-level window of its own: it does not go with the panel otherwise.
    delete m_popup;
    delete ui;
}

void FrameWidget::setupUI()
{
    ui->gridLayout->setSpacing(2);
    m_buttonGroup = new QButtonGroup(this);
    int index = 0;
    for (quint32 id : FrameFactory::classes()) {
        QPixmap preview;
        if (id == 0) {
            preview = noShapePreview();
        } else {
            std::unique_ptr<Frame> frame(FrameFactory::createFrame(id));
            preview = frame ? frame->preview(96, 96) : QPixmap();
        }
        auto* button = new PixmapButton(this);
        button->setCheckable(true);
        button->setFixedSize(56, 56);
        button->setPixmap(preview);
        if (id == 0)
            button->setToolTip(tr("No Shape"));
        ui->gridLayout->addWidget(button, index / 3, index % 3);
        m_buttonGroup->addButton(button, int(id));
        ++index;
    }
    connect(m_buttonGroup, &QButtonGroup::idToggled, this, &FrameWidget::buttonToggled);
    ui->marginSlider->setRange(0, 15);
    ui->alphaSlider->setRange(0, 255);
    ui->frameColorButn->setFixedSize(16, 16);
    connect(ui->frameColorButn, &ColorSelectorButton::clicked, this, [this] { popupColor(ui->frameColorButn); });
}

void FrameWidget::setFrameClass(int frameClass)
{
    QAbstractButton* button = m_buttonGroup->button(frameClass);
    if (!button)
        return;
    {
        const QSignalBlocker blocker(m_buttonGroup);
        button->setChecked(true);
    }
    enableProp(frameClass != 0);
}

void FrameWidget::setFrameAlpha(int alpha)
{
    ui->alphaSlider->setValue(alpha, false);
}

void FrameWidget::setFrameMargin(int margin)
{
    ui->marginSlider->setValue(margin, false);
}

void FrameWidget::setFrameColor(QColor color)
{
    const QSignalBlocker blocker(ui->frameColorButn);
    ui->frameColorButn->setColor(color, true);
}

void FrameWidget::enableProp(int enabled)
{
    ui->frameColorButn->setEnabled(enabled != 0);
    ui->alphaSlider->setEnabled(enabled != 0);
    ui->marginSlider->setEnabled(enabled != 0);
}

void FrameWidget::popupColor(ColorSelectorButton* button)
{
    if (!m_popup) {
        m_popup = new QPopupColorWidget(nullptr);
        connect(m_popup, &QPopupColorWidget::colorChanged, this, [this, button](const QColor& color) {
            button->setColor(color, false);
            emit shapeColorChanged(color);
        });
    }
    {
        const QSignalBlocker blocker(m_popup);
        m_popup->setColor(button->color());
    }
    if (m_popup->isVisible())
        m_popup->hide();
    else
        m_popup->showAt(QCursor::pos());
}

void FrameWidget::buttonToggled(int id, bool checked)
{
    if (!checked)
        return;
    emit frameSelected(uint(id));
    const FrameProp prop = FrameFactory::defaultFrameProp(quint32(id));
    setFrameAlpha(prop.alpha);
    setFrameMargin(prop.margin);
    setFrameColor(prop.topColor);
    enableProp(id != 0);
}

void FrameWidget::on_alphaSlider_valueChanged(int value)
{
    ui->opacityValueLabel->setNum(value);
    emit shapeAlphaChanged(value);
}

void FrameWidget::on_marginSlider_valueChanged(int value)
{
    ui->marginValueLabel->setNum(value);
    emit shapeMarginChanged(value);
}
