#pragma once

#include <QSlider>

// A QSlider that ignores the mouse wheel: the event goes on to the parent, so
// turning the wheel over a panel in a scroll area scrolls the panel and
// leaves the value alone.
class QNoMouseWheelSlider : public QSlider
{
    Q_OBJECT

public:
    explicit QNoMouseWheelSlider(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};
