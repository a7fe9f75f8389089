#pragma once

#include <QWidget>

// The host of floating widgets: holds a scene view (through any layout the
// owner sets) and the FloatingWidget children that float over it. It tells
// them its size on every resize and hands keyboard focus on to the first
// visible one that accepts it.
class FloatingWidgetContainer : public QWidget
{
    Q_OBJECT

public:
    explicit FloatingWidgetContainer(QWidget* parent = nullptr);

signals:
    void resized(QSize size);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};
