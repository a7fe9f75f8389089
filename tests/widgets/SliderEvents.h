#pragma once

// Mouse events and handle geometry shared by the slider tests.

#include <QApplication>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWidget>

// A slider of type Base with the place of its handle exposed.
template <typename Base>
class HandleProbe : public Base
{
public:
    QRect handleRect()
    {
        QStyleOptionSlider option;
        this->initStyleOption(&option);
        return this->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    }
};

// A press, move or release of `button` at `pos`, sent straight to `w`; a
// move carries the button as held.
inline void sendMouse(QWidget* w, QEvent::Type type, const QPointF& pos, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, pos, w->mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}
