#pragma once

#include "canvas/PictureEffect.h"

#include <QImage>
#include <QString>

class Canvas;
class PictureContent;

// The canvas's background picture as the canvas appliances edit it: choose
// one from a loaded image, read it back, run a fine-tune value through it.
// GUI thread only.
namespace BackgroundPicture {

// The back content when it is a picture, else null (also for a null canvas).
PictureContent* of(const Canvas* canvas);

// Makes a picture of `image` at the visible centre and puts it in place of
// the current back content, which is disposed of. A picture that does not
// load leaves the canvas as it was and gives false.
bool set(Canvas* canvas, const QString& path, const QImage& image);

// Hands the effect to the back picture and repaints; nothing without one.
void applyEffect(Canvas* canvas, const PictureEffect& effect);

} // namespace BackgroundPicture
