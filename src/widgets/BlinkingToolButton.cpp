#include "widgets/BlinkingToolButton.h"

#include <QApplication>
#include <QPainter>
#include <QPropertyAnimation>
#include <QStyle>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace {
constexpr int markSize = 16;
constexpr int attentionMsecs = 1000;
constexpr int clearMsecs = 200;
} // namespace

BlinkingToolButton::BlinkingToolButton(QWidget* parent)
    : QToolButton(parent)
    , m_palette(palette())
{
    m_mark = style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this)
                 .pixmap(QSize(markSize, markSize), devicePixelRatioF());
    connect(this, &QToolButton::clicked, this, &BlinkingToolButton::clearAttenction);
}

QColor BlinkingToolButton::backColor() const
{
    return m_palette.color(QPalette::Button);
}

void BlinkingToolButton::setBackColor(const QColor& color)
{
    if (color != backColor())
        setRoleColor(QPalette::Button, color);
}

QColor BlinkingToolButton::textColor() const
{
    return m_palette.color(QPalette::ButtonText);
}

void BlinkingToolButton::setTextColor(const QColor& color)
{
    if (color != textColor())
        setRoleColor(QPalette::ButtonText, color);
}

void BlinkingToolButton::setRoleColor(QPalette::ColorRole role, const QColor& color)
{
    m_palette.setBrush(role, QBrush(color));
    setPalette(m_palette);
    update();
}

void BlinkingToolButton::setMarkOpacity(double opacity)
{
    if (opacity == m_markOpacity)
        return;
    m_markOpacity = opacity;
    update();
}

QSize BlinkingToolButton::sizeHint() const
{
    QSize hint = QToolButton::sizeHint();
    if (hint.isValid() && !m_mark.isNull())
        hint.rwidth() += qRound(m_mark.deviceIndependentSize().width());
    return hint;
}

void BlinkingToolButton::drawAttenction()
{
    setMarkOpacity(1.0);
    const QPalette app = QApplication::palette();
    animateColors(app.color(QPalette::Highlight), app.color(QPalette::HighlightedText), attentionMsecs);
}

void BlinkingToolButton::clearAttenction()
{
    setMarkOpacity(0.0);
    const QPalette app = QApplication::palette();
    animateColors(app.color(QPalette::Button), app.color(QPalette::ButtonText), clearMsecs);
}

void BlinkingToolButton::animateColors(const QColor& back, const QColor& text, int msecs)
{
    // Starting an animation of a property stops one still running on it
    // (QPropertyAnimation does so), so a click within the second of
    // drawAttenction() does not end highlighted.
    const std::pair<const char*, QColor> fades[] = { { "backColor", back }, { "textColor", text } };
    for (const auto& [property, end] : fades) {
        auto* animation = new QPropertyAnimation(this, property, this);
        animation->setEasingCurve(QEasingCurve::Linear);
        animation->setEndValue(end);
        animation->setDuration(msecs);
        animation->start(QAbstractAnimation::DeleteWhenStopped);
    }
}

void BlinkingToolButton::paintEvent(QPaintEvent* event)
{
    const bool showMark = m_markOpacity > 0.0 && !m_mark.isNull();
    if (!showMark) {
        QToolButton::paintEvent(event);
        return;
    }
    const int markWidth = qRound(m_mark.deviceIndependentSize().width());

    // The button's face over its whole width, its text and icon centred in
    // the part left of the mark (the room sizeHint() adds), so that the mark
    // does not cover them.
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    QStyleOptionToolButton face = option;
    face.text.clear();
    face.icon = QIcon();
    painter.drawComplexControl(QStyle::CC_ToolButton, face);

    QStyleOptionToolButton label = option;
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    label.rect = style()
                     ->subControlRect(QStyle::CC_ToolButton, &option, QStyle::SC_ToolButton, this)
                     .adjusted(frame, frame, -frame - markWidth, -frame);
    if (option.state & (QStyle::State_Sunken | QStyle::State_On)) {
        label.rect.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                             style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    painter.drawControl(QStyle::CE_ToolButtonLabel, label);

    if (m_markOpacity < 1.0)
        painter.setOpacity(m_markOpacity);
    painter.drawPixmap(QPoint(width() - markWidth, 0), m_mark);
}
