#pragma once

#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QString>

// One entry of the thumbnail browser (IQThumbsViewer), which knows nothing of
// what the entry stands for. Items are shared through std::shared_ptr
// between the browser and the appliance that made them; an item lives as
// long as either holds it.
//
// The browser calls every operation on the GUI thread. Implementations hold
// no lock: reading their fixed fields is safe from any thread, but setPath
// must not race with readers.
class IQThumbnailItem
{
public:
    // A picture that fits inside `size`, keeping its aspect ratio; a null
    // image when there is none to show.
    virtual QImage thumbnail(QSize size) = 0;
    // The caption under the thumbnail.
    virtual QString text() = 0;
    virtual QString suffix() = 0;
    // When the underlying file was created; invalid when unknown.
    virtual QDateTime birthTime() = 0;
    // When the item was made (the moment it was added).
    virtual QDateTime dateTime() = 0;
    // Unique among all items of the process; the browser's key for the item.
    virtual QString id() = 0;
    virtual QString fileName() = 0;
    virtual ~IQThumbnailItem() = default;
    virtual void setPath(const QString& path) = 0;
    // The picture at full size; a null image when it cannot be read.
    virtual QImage image() = 0;
    virtual QString path() = 0;
};
