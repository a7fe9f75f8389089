#pragma once

#include "canvas/AbstractDisposeable.h"

#include <QColor>
#include <QRect>
#include <QRectF>
#include <QString>

class Frame;
class QGraphicsScene;

// Base of every item on a scene: the pictures and texts of a canvas and the
// tiles of the home screen. The item draws a content rectangle centred on
// its origin, with an optional frame around it that sets the item's outer
// (bounding) rectangle. Subclasses draw the content itself and name it.
//
// The item owns its frame. GUI thread only.
class AbstractContent : public AbstractDisposeable
{
    Q_OBJECT

public:
    // The item adds itself to `scene`, which must not be null. `fadeIn`
    // animates its appearance; `noResize` is for the corner handles, which
    // items do not have yet. `frameClass` 0 gives no frame, the only class known so
    // far; others are warned about and give none.
    AbstractContent(QGraphicsScene* scene, bool fadeIn, bool noResize, int frameClass, QGraphicsItem* parent);
    ~AbstractContent() override;

    // Left, top, width, height in item coordinates; 200 x 150 centred on the
    // origin for a new item.
    QRect contentRect() const { return m_contentRect; }
    // An inverted rectangle is ignored. With `keepRatio` the height follows
    // contentHeightForWidth() and is centred on the origin.
    void resizeContents(const QRect& rect, bool keepRatio = false);

    // Takes ownership of `frame` (null removes the frame) and deletes the
    // old one.
    void setFrame(Frame* frame);
    Frame* frame() const { return m_frame; }
    // 0 without a frame.
    quint32 frameClass() const;

    // The translated name of the item, for its property panel.
    virtual QString contentName() const = 0;
    // Draws the content into `targetRect`, whose top-left is the content
    // rectangle's top-left.
    virtual void drawContent(QPainter* painter, const QRect& targetRect, Qt::AspectRatioMode ratio) = 0;
    // A square by default.
    virtual int contentHeightForWidth(int width) const;
    // Whether the content covers its whole rectangle.
    virtual bool contentOpaque() const;

    QRectF boundingRect() const override;
    // The content opacity, the frame, the content and, when selected and
    // unframed, a selection outline.
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

signals:
    // A request to start working on the item (the home tiles: on a click).
    void requestEditing();

private:
    void updateBoundingRect();

    QColor m_selectionColor;
    QRect m_contentRect;
    QRectF m_boundingRect;
    Frame* m_frame = nullptr;
};
