#include "files/IQImageFileItem.h"

#include "files/IQImageIO.h"

#include <QFileInfo>

namespace {

// `size` scaled into `box` with its aspect ratio, but never below one pixel
// a side: a hairline picture still gives a thumbnail.
QSize fitInto(QSize size, QSize box)
{
    return size.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

} // namespace

IQImageFileItem::IQImageFileItem(const QString& path)
    : IQFileItem(path)
{
}

QImage IQImageFileItem::thumbnail(QSize size)
{
    m_error.clear();
    if (size.isEmpty())
        return QImage();
    // The box applies to the upright picture: a turned photo fits the box
    // the caller asked for.
    return IQImageIO::readImage(path(), [size](const QSize& upright) { return fitInto(upright, size); }, &m_error);
}

QString IQImageFileItem::text()
{
    return QFileInfo(path()).fileName();
}

QImage IQImageFileItem::image()
{
    m_error.clear();
    return IQImageIO::readImage(path(), &m_error);
}
