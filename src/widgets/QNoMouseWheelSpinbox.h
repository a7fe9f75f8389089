#pragma once

#include <QSpinBox>

// A QSpinBox that ignores the mouse wheel: the event goes on to the parent, so
// turning the wheel over a panel in a scroll area scrolls the panel and
// leaves the value alone.
class QNoMouseWheelSpinbox : public QSpinBox
{
    Q_OBJECT

public:
    explicit QNoMouseWheelSpinbox(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};
