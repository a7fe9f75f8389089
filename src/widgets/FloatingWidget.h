#pragma once

#include <QSize>
#include <QWidget>

class FloatingWidgetContainer;

// Base of a widget that floats over a FloatingWidgetContainer. It is made
// hidden, follows the container's size (recalculateGeometry() runs on every
// change, also while hidden) and swallows the mouse presses, releases and
// wheel turns that land on it, so they do not reach what lies beneath.
class FloatingWidget : public QWidget
{
    Q_OBJECT

public:
    // A child of `container` (a top-level widget when it is null).
    explicit FloatingWidget(FloatingWidgetContainer* container);

    void setContainerSize(QSize size);
    QSize containerSize() const { return m_containerSize; }

    // Whether the container may hand its keyboard focus to this widget.
    void setAcceptKeyboardFocus(bool accept) { m_acceptKeyboardFocus = accept; }
    bool acceptKeyboardFocus() const { return m_acceptKeyboardFocus; }

    // Places the widget for the current container size; nothing here.
    virtual void recalculateGeometry();

public slots:
    // Hides the widget; focus held inside it goes back to the parent.
    void hide();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private slots:
    void onContainerResized(QSize container);

private:
    QSize m_containerSize{-1, -1};
    bool m_acceptKeyboardFocus = false;
};
