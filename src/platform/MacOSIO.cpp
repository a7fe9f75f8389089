#include "platform/MacOSIO.h"

#include <QImageIOHandler>
#include <QImageReader>

#include <algorithm>
#include <cmath>

QImage MacOSIO::readImage(const QString& filePath)
{
    QImageReader reader(filePath);
    reader.setAutoTransform(true);
    QImage image;
    if (!reader.read(&image))
        return QImage();
    return image;
}

QSize MacOSIO::fittedSize(const QSize& size, const QSize& bounds)
{
    if (size.isEmpty() || bounds.isEmpty())
        return QSize();
    if (size.width() <= bounds.width() && size.height() <= bounds.height())
        return size;
    const double scale = std::min(double(bounds.width()) / size.width(), double(bounds.height()) / size.height());
    const int width = std::clamp(int(std::lround(size.width() * scale)), 1, bounds.width());
    const int height = std::clamp(int(std::lround(size.height() * scale)), 1, bounds.height());
    return QSize(width, height);
}

QImage MacOSIO::readImageByQL(const QString& filePath, const QSize& maximumSize)
{
    if (maximumSize.isEmpty())
        return QImage();
    QImageReader reader(filePath);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (stored.isValid()) {
        // The scaled size applies before the orientation turns the picture,
        // so a quarter turn fits the box with its sides swapped.
        const bool quarterTurn = reader.transformation() & QImageIOHandler::TransformationRotate90;
        const QSize bounds = quarterTurn ? maximumSize.transposed() : maximumSize;
        const QSize target = fittedSize(stored, bounds);
        if (!target.isValid())
            return QImage();
        reader.setScaledSize(target);
    }
    QImage image;
    if (!reader.read(&image))
        return QImage();
    // Readers that cannot tell the size in advance decode in full.
    if (image.width() > maximumSize.width() || image.height() > maximumSize.height())
        image = image.scaled(fittedSize(image.size(), maximumSize), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}
