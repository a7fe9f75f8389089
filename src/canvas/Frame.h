#pragma once

#include <QPainterPath>
#include <QPixmap>
#include <QRect>
#include <QtGlobal>

class QPainter;

// The border drawn behind a content item, which may also give the item a
// shape that clips its content. A frame is owned by the item that holds it
// and has no state of its own here. GUI thread only.
class Frame
{
public:
    Frame() = default;
    virtual ~Frame();

    // The frame's class id. Note that ids and classes are not one to one:
    // the home frame answers the id of the rounded rectangle.
    virtual quint32 frameClass() const = 0;
    // The item's outer rectangle around a content rectangle. Here: the
    // content rectangle itself.
    virtual QRect frameRect(const QRect& contentsRect) const;
    // Whether the content is to be clipped to contentsClipPath().
    virtual bool clipContents() const;
    virtual QPainterPath contentsClipPath(const QRect& contentsRect) const;
    // Whether the outline differs from the rectangle.
    virtual bool isShaped() const;
    // The outline, used as the item's shape.
    virtual QPainterPath frameShape(const QRect& frameRect) const;
    // `opaque` says whether the content covers its whole rectangle.
    virtual void drawFrame(QPainter* painter, const QRect& frameRect, bool selected, bool opaque) = 0;
    // The frame drawn, unselected, over a transparent pixmap of that size.
    virtual QPixmap preview(int width, int height);

private:
    Q_DISABLE_COPY(Frame)
};
