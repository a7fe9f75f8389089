#pragma once

#include "files/IQThumbnailItem.h"

// What every file on disk shares as a browser item: an id of its own, the
// path, and the moment it was added. The file facts (suffix, name, birth
// time) are read from the file system on every call, never cached. How to
// picture the file is left to subclasses.
class IQFileItem : public IQThumbnailItem
{
public:
    // Gives the item a new random UUID (36 characters, no braces) and
    // stamps it with the current time. The path is kept as given.
    explicit IQFileItem(const QString& path);

    QImage thumbnail(QSize size) override = 0;
    QString text() override = 0;
    QString suffix() override;
    QDateTime birthTime() override;
    QDateTime dateTime() override;
    QString id() override;
    QString fileName() override;
    ~IQFileItem() override;
    // Points the item at another file; the id and the time stay.
    void setPath(const QString& path) override;
    // A null image: a plain file has no picture.
    QImage image() override;
    QString path() override;

private:
    QString m_id;
    QString m_path;
    QDateTime m_dateTime;
};
