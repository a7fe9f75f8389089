#include "appliances/BackgroundPicture.h"

#include "canvas/Canvas.h"
#include "canvas/PictureContent.h"

namespace BackgroundPicture {

PictureContent* of(const Canvas* canvas)
{
    return canvas ? qobject_cast<PictureContent*>(canvas->backContentItem()) : nullptr;
}

bool set(Canvas* canvas, const QString& path, const QImage& image)
{
    if (!canvas)
        return false;
    canvas->clearSelection();
    PictureContent* picture = canvas->createPicture(canvas->visibleCenter(), false);
    if (!picture->loadFromFile(path, image, true, true, false)) {
        // Removed like any content, so the list and the scene stay in step.
        canvas->deleteContent(picture);
        return false;
    }
    canvas->setBackContent(picture);
    return true;
}

void applyEffect(Canvas* canvas, const PictureEffect& effect)
{
    PictureContent* picture = of(canvas);
    if (!picture)
        return;
    picture->addEffect(effect);
    canvas->update();
}

} // namespace BackgroundPicture
