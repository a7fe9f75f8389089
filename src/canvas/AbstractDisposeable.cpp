#include "canvas/AbstractDisposeable.h"

#include <QEasingCurve>
#include <QPropertyAnimation>

AbstractDisposeable::AbstractDisposeable(bool fadeIn, QGraphicsItem* parent)
    : QGraphicsObject(parent)
{
    if (!fadeIn)
        return;
    auto* opacity = new QPropertyAnimation(this, "contentOpacity", this);
    opacity->setEasingCurve(QEasingCurve::OutQuad);
    opacity->setDuration(150);
    opacity->setStartValue(0.01);
    opacity->setEndValue(1.0);
    m_fade = opacity;
    opacity->start(QAbstractAnimation::DeleteWhenStopped);

    auto* scale = new QPropertyAnimation(this, "scale", this);
    scale->setEasingCurve(QEasingCurve::OutElastic);
    scale->setDuration(500);
    scale->setStartValue(0.2);
    scale->setEndValue(1.0);
    scale->start(QAbstractAnimation::DeleteWhenStopped);

    show();
}

AbstractDisposeable::~AbstractDisposeable() = default;

void AbstractDisposeable::setContentOpacity(double opacity)
{
    if (opacity == m_contentOpacity)
        return;
    m_contentOpacity = opacity;
    update();
    emit contentOpacityChanged();
}

void AbstractDisposeable::dispose(bool animated)
{
    if (!animated) {
        deleteLater();
        return;
    }
    auto* fade = new QPropertyAnimation(this, "contentOpacity", this);
    fade->setEasingCurve(QEasingCurve::OutCubic);
    fade->setDuration(300);
    fade->setEndValue(0.0);
    connect(fade, &QAbstractAnimation::finished, this, &QObject::deleteLater);
    m_fade = fade;
    fade->start(QAbstractAnimation::DeleteWhenStopped);
}
