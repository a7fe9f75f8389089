#include "widgets/OverlayWidget.h"

#include <QEasingCurve>
#include <QGraphicsOpacityEffect>
#include <QPropertyAnimation>

OverlayWidget::OverlayWidget(FloatingWidgetContainer* container)
    : FloatingWidget(container)
    , m_effect(new QGraphicsOpacityEffect(this))
    , m_fade(std::make_unique<QPropertyAnimation>(this, QByteArrayLiteral("opacity")))
{
    m_effect->setOpacity(1.0);
    setGraphicsEffect(m_effect);

    m_fade->setDuration(120);
    m_fade->setStartValue(1.0f);
    m_fade->setEndValue(0.0f);
    m_fade->setEasingCurve(QEasingCurve::OutQuad);
    connect(m_fade.get(), &QAbstractAnimation::finished, m_fade.get(), [this] { QWidget::hide(); },
            Qt::DirectConnection);
}

// The widget owns the installed effect and deletes it with itself; the
// animation goes first so that nothing writes the opacity of a dying widget.
OverlayWidget::~OverlayWidget() = default;

double OverlayWidget::opacity() const
{
    return m_effect->opacity();
}

void OverlayWidget::setOpacity(double opacity)
{
    m_effect->setOpacity(opacity);
    update();
}

void OverlayWidget::setHorizontalMargin(int margin)
{
    m_horizontalMargin = margin;
    recalculateGeometry();
}

void OverlayWidget::setVerticalMargin(int margin)
{
    m_verticalMargin = margin;
    recalculateGeometry();
}

void OverlayWidget::setPosition(FloatingWidgetPosition position)
{
    m_position = position;
    recalculateGeometry();
}

void OverlayWidget::setFadeDuration(int ms)
{
    m_fade->setDuration(ms);
}

void OverlayWidget::show()
{
    m_fade->stop();
    m_effect->setOpacity(1.0);
    QWidget::show();
}

void OverlayWidget::hide()
{
    m_fade->stop();
    FloatingWidget::hide();
}

void OverlayWidget::hideAnimated()
{
    if (!m_fadeEnabled || testAttribute(Qt::WA_WState_Hidden)) {
        FloatingWidget::hide();
        return;
    }
    m_fade->stop();
    m_fade->start(QAbstractAnimation::KeepWhenStopped);
}

void OverlayWidget::recalculateGeometry()
{
    const QSize hint = sizeHint();
    const int w = hint.width();
    const int h = hint.height();
    const int cw = containerSize().width();
    const int ch = containerSize().height();
    const int hm = m_horizontalMargin;
    const int vm = m_verticalMargin;

    int x = 0;
    int y = 0;
    switch (m_position) {
    case FloatingWidgetPosition::Left:
        x = hm;
        y = (ch - h) / 2;
        break;
    case FloatingWidgetPosition::Right:
        x = cw - (hm + w);
        y = (ch - h) / 2;
        break;
    case FloatingWidgetPosition::Bottom:
        x = (cw - w) / 2;
        y = ch - (vm + h);
        break;
    case FloatingWidgetPosition::Top:
        x = (cw - w) / 2;
        y = vm;
        break;
    case FloatingWidgetPosition::TopLeft:
        x = hm;
        y = vm;
        break;
    case FloatingWidgetPosition::TopRight:
        x = cw - (hm + w);
        y = vm;
        break;
    case FloatingWidgetPosition::BottomLeft:
        x = hm;
        y = ch - (vm + h);
        break;
    case FloatingWidgetPosition::BottomRight:
        x = cw - (hm + w);
        y = ch - (vm + h);
        break;
    case FloatingWidgetPosition::Center:
        x = (cw - w) / 2;
        y = (ch - h) / 2;
        break;
    default:
        break;
    }
    setGeometry(QRect(x, y, w, h));
}
