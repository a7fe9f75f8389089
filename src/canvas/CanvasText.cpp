// Where the canvas makes its text contents: the "text" element of a project
// and pasted text.
#include "canvas/Canvas.h"
#include "canvas/TextContent.h"

AbstractContent* Canvas::createTextForXml()
{
    return createText(QPoint(), false);
}

AbstractContent* Canvas::createPastedText(const QPoint& pos, const QString& text)
{
    TextContent* content = createText(pos, false);
    content->setPlainText(text);
    return content;
}
