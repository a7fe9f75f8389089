#pragma once

#include <QColor>
#include <QGraphicsItem>
#include <QObject>
#include <QPixmap>
#include <QRect>

class QTimeLine;

// A colour picker living in a graphics scene: a hue/saturation plane with a
// cross-hair and a swatch, and a value bar with a pointer. In animated mode it
// sits shrunk and tilted until hovered, then grows to full size in 300 ms.
class CColorPickerItem : public QObject, public QGraphicsItem
{
    Q_OBJECT
    Q_INTERFACES(QGraphicsItem)

public:
    // Which edges stay put while the item is shrunk; with neither bit of a
    // direction the item stays centred in it.
    enum AnchorBit {
        AnchorLeft = 1,
        AnchorRight = 2,
        AnchorTop = 8,
        AnchorBottom = 16,
    };
    Q_DECLARE_FLAGS(Anchor, AnchorBit)

    CColorPickerItem(int width, int height, QGraphicsItem* parent = nullptr);

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    QColor color() const;
    // Takes hue, saturation and value of `color`; emits nothing.
    void setColor(const QColor& color);

    void setAnimated(bool animated);
    bool animated() const { return m_animated; }

    void setAnchor(Anchor anchor);
    Anchor anchor() const { return m_anchor; }

    // Inclusive rectangles of the plane and the value bar, item coordinates.
    QRect planeRect() const { return m_planeRect; }
    QRect valueRect() const { return m_valueRect; }
    // Progress of the grow animation, 0 (shrunk) to 1 (full size).
    double animationScale() const { return m_scale; }

signals:
    void colorChanged(const QColor& color);

public slots:
    void slotAnimateScale(int step);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;

private:
    void pickColor(const QPoint& point);
    void renderPlane();
    void renderValueBar();
    void applyTransform();

    double m_hue = 0.0;
    double m_saturation = 1.0;
    double m_value = 1.0;
    int m_width;
    int m_height;
    QRect m_planeRect;
    QRect m_valueRect;
    QPixmap m_planePixmap;
    QPixmap m_valuePixmap;
    bool m_animated = false;
    QTimeLine* m_timeLine = nullptr;
    double m_scale = 0.0;
    Anchor m_anchor;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(CColorPickerItem::Anchor)
