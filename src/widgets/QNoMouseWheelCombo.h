#pragma once

#include <QComboBox>

// A QComboBox that ignores the mouse wheel: the event goes on to the parent, so
// turning the wheel over a panel in a scroll area scrolls the panel and
// leaves the selection alone.
class QNoMouseWheelCombo : public QComboBox
{
    Q_OBJECT

public:
    explicit QNoMouseWheelCombo(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};
