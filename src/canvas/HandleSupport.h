#pragma once

#include <QColor>
#include <QRectF>

class QGraphicsItem;
class QPainter;

// What the corner handles and the button handles share: their size on
// screen, their look and how they select their content. GUI thread only.
namespace HandleSupport {

// Half the diameter, in item units, of a handle of nominal half-size `size`
// on `content`: `size` at view scales of 1.0 and above; below, enough to
// keep the size on screen, but never more than a quarter of the content's
// smaller side.
int halfSize(const QGraphicsItem* handle, const QGraphicsItem* content, int size);

// The round handle in `rect`: a white outline, then a disc one pixel larger
// filled with `fill`, outlined in white. Leaves the painter as it was.
void paintDisc(QPainter* painter, const QRectF& rect, const QColor& fill);

// Makes `content` the scene's only selected item, unless it already is.
void selectAlone(QGraphicsItem* content);

} // namespace HandleSupport
