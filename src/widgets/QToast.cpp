#include "widgets/QToast.h"

#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QPropertyAnimation>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

QToast::QToast(QWidget* parent)
    : QDialog(parent)
{
    applyWindowFlags();

    m_opacity = new QGraphicsOpacityEffect(this);
    m_opacity->setOpacity(0.0);
    setGraphicsEffect(m_opacity);

    // Neither animation has a start value: each runs from the current opacity.
    m_hideAnimation = new QPropertyAnimation(m_opacity, "opacity", this);
    m_hideAnimation->setEasingCurve(QEasingCurve::Linear);
    m_hideAnimation->setDuration(1000);
    m_hideAnimation->setEndValue(0.0);
    connect(m_hideAnimation, &QPropertyAnimation::finished, this, &QWidget::hide);

    m_showAnimation = new QPropertyAnimation(m_opacity, "opacity", this);
    m_showAnimation->setEasingCurve(QEasingCurve::Linear);
    m_showAnimation->setDuration(200);
    m_showAnimation->setEndValue(1.0);
}

QToast::~QToast()
{
    if (m_content) {
        m_content->setParent(nullptr);
        m_content->deleteLater();
    }
}

void QToast::applyWindowFlags()
{
    setWindowFlags(parentWidget() ? Qt::FramelessWindowHint : (Qt::FramelessWindowHint | Qt::Tool));
    setAttribute(Qt::WA_AlwaysStackOnTop);
    setAttribute(Qt::WA_TranslucentBackground);
}

void QToast::Init()
{
    applyWindowFlags();
}

void QToast::SetWidget(QWidget* widget)
{
    if (!widget || widget == m_content)
        return;
    if (m_content) {
        m_content->setParent(nullptr);
        m_content->deleteLater();
    }
    // One margin-free layout for the toast's life: a second call puts the
    // new content into it.
    auto* box = qobject_cast<QVBoxLayout*>(layout());
    if (!box) {
        box = new QVBoxLayout;
        box->setContentsMargins(0, 0, 0, 0);
        box->setSpacing(0);
        setLayout(box);
    }
    box->addWidget(widget);
    m_content = widget;
}

void QToast::MoveToCenter()
{
    m_x = 0.5;
    m_y = 0.5;
}

void QToast::MoveToPercentage(double x, double y)
{
    m_x = x < 0.0 ? -1.0 : qMin(x, 1.0);
    m_y = y < 0.0 ? -1.0 : qMin(y, 1.0);
}

void QToast::hideAfter(int ms)
{
    // Bound to the toast: a toast deleted early is never called.
    if (m_animation)
        QTimer::singleShot(ms, this, &QToast::StartHideAnimation);
    else
        QTimer::singleShot(ms, this, &QWidget::hide);
}

void QToast::SetDelaySeconds(int seconds)
{
    if (seconds < 1)
        return;
    hideAfter(seconds * 1000);
}

void QToast::MovePostion()
{
    if (m_x == -1.0 || m_y == -1.0)
        return;
    QSize area;
    if (parentWidget()) {
        area = parentWidget()->size();
    } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->size();
    } else {
        return;
    }
    move(int(m_x * area.width() - width() * 0.5), int(m_y * area.height() - height() * 0.5));
}

double QToast::opacity() const
{
    return m_opacity->opacity();
}

void QToast::StartShowAnimation()
{
    setVisible(true);
    m_showAnimation->start();
}

void QToast::StartHideAnimation()
{
    m_hideAnimation->start();
}

void QToast::showEvent(QShowEvent* event)
{
    MovePostion();
    QDialog::showEvent(event);
    if (m_displayTime >= 1)
        hideAfter(m_displayTime);
}

void QToast::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (m_deleteWhenHide)
        deleteLater();
}
