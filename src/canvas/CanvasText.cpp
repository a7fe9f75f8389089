// Where the canvas makes its text contents: the "text" element of a project
// and pasted text. Kept apart so that the text class plugs in here alone.
//
// Until the text class is part of the build both return null: a "text"
// element is then skipped as an unknown content and pasting does nothing.
// With it, they read:
//
//   AbstractContent* Canvas::createTextForXml()
//   {
//       return createText(QPoint(), false);
//   }
//
//   AbstractContent* Canvas::createPastedText(const QPoint& pos, const QString& text)
//   {
//       TextContent* content = createText(pos, false);
//       content->setPlainText(text);
//       return content;
//   }
#include "canvas/Canvas.h"

AbstractContent* Canvas::createTextForXml()
{
    return nullptr;
}

AbstractContent* Canvas::createPastedText(const QPoint& pos, const QString& text)
{
    Q_UNUSED(pos);
    Q_UNUSED(text);
    return nullptr;
}
