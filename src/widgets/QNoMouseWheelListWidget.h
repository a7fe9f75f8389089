#pragma once

#include <QListWidget>

// A QListWidget that ignores the mouse wheel: the event goes on to the parent, so
// turning the wheel over a panel in a scroll area scrolls the panel and
// leaves both the selection and the list's own scrolling alone.
class QNoMouseWheelListWidget : public QListWidget
{
    Q_OBJECT

public:
    explicit QNoMouseWheelListWidget(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};
