#pragma once

#include <QFontComboBox>

// A QFontComboBox that ignores the mouse wheel: the event goes on to the parent, so
// turning the wheel over a panel in a scroll area scrolls the panel and
// leaves the selected font alone.
class QNoMouseWheelFontCombo : public QFontComboBox
{
    Q_OBJECT

public:
    explicit QNoMouseWheelFontCombo(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};
