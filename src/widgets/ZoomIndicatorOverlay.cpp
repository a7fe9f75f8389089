#include "widgets/ZoomIndicatorOverlay.h"

#include "widgets/FloatingWidgetContainer.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>

#include <algorithm>

ZoomIndicatorOverlay::ZoomIndicatorOverlay(FloatingWidgetContainer* container)
    : OverlayWidget(container)
    , m_fontMetrics(QApplication::font())
    , m_layout(new QHBoxLayout)
    , m_label(new QLabel)
    , m_hideTimer(new QTimer(this))
{
    m_hideTimer->setSingleShot(true);
    m_hideTimer->setInterval(m_hideDelay);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->addWidget(m_label);

    m_label->setAlignment(Qt::AlignCenter);
    m_label->setMinimumWidth(120);
    setLayout(m_layout);

    setPosition(FloatingWidgetPosition::Center);
    setHorizontalMargin(0);
    setVerticalMargin(16);
    setAttribute(Qt::WA_TransparentForMouseEvents);

    setFadeEnabled(true);
    setFadeDuration(300);

    connect(m_hideTimer, &QTimer::timeout, this, &OverlayWidget::hideAnimated);

    if (container)
        setContainerSize(container->size());
}

ZoomIndicatorOverlay::~ZoomIndicatorOverlay() = default;

void ZoomIndicatorOverlay::setScale(double scale)
{
    // 64 bits: an absurd scale must not overflow the conversion.
    const qint64 percent = qRound64(scale * 100);
    m_label->setText(QString::number(percent) + QLatin1Char('%'));
    const int advance = m_fontMetrics.horizontalAdvance(m_label->text());
    m_label->setFixedSize(std::max(advance, 56) + 24, m_fontMetrics.height() + 12);
    recalculateGeometry();
}

QString ZoomIndicatorOverlay::text() const
{
    return m_label->text();
}

void ZoomIndicatorOverlay::show()
{
    OverlayWidget::show();
}

void ZoomIndicatorOverlay::show(int ms)
{
    m_hideTimer->stop();
    OverlayWidget::show();
    m_hideTimer->setInterval(ms);
    m_hideTimer->start();
}

void ZoomIndicatorOverlay::recalculateGeometry()
{
    OverlayWidget::recalculateGeometry();
}
