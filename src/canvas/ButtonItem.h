#pragma once

#include <QBrush>
#include <QGraphicsItem>
#include <QIcon>
#include <QObject>
#include <QPointF>

// A round, clickable and draggable button with an icon, a child of the
// content it works on. Every content has one: the perspective handle. It
// reports drags as the mouse movement since the press, in scene units.
//
// Owned by its content (its graphics parent); keeps its size on screen when
// the view is zoomed out; not drawn in output renders. GUI thread only.
class ButtonItem : public QObject, public QGraphicsItem
{
    Q_OBJECT
    Q_INTERFACES(QGraphicsItem)

public:
    // Where the content places the button.
    enum Type {
        BottomRow = 0,
        TopCenter = 1,
        // Middle of the right edge of the bounding (frame) rectangle.
        RightEdge = 2,
        // Middle of the right edge of the content rectangle.
        Perspective = 3,
    };
    static constexpr int nominalSize = 8;

    ButtonItem(Type type, const QBrush& brush, const QIcon& icon, QGraphicsItem* parent);
    ~ButtonItem() override;

    Type buttonType() const { return m_type; }
    // Does nothing: the content places its buttons itself.
    void relayout(const QRect& rect);
    // 16 in item units, whatever the zoom.
    int width() const;
    int height() const;
    void setSelectsParent(bool selectsParent) { m_selectsParent = selectsParent; }
    // Mirrors the content's selection, which lights the button up.
    void select(bool selected);
    bool isPressed() const { return m_pressed; }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

signals:
    // `sceneRelPoint`: the mouse movement since the press, in scene units.
    void dragging(const QPointF& sceneRelPoint, Qt::KeyboardModifiers modifiers);
    void pressed();
    // A press and a release inside the button.
    void clicked();
    void doubleClicked();

protected:
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;

private:
    Type m_type;
    QIcon m_icon;
    QBrush m_brush;
    bool m_selectsParent = true;
    // A flag of its own rather than a special press point: a press at the
    // scene origin is a press like any other.
    bool m_pressed = false;
    QPointF m_pressPoint;
    int m_size = nominalSize;
    bool m_selected = false;
};
