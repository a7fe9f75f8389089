#pragma once

#include "files/IQFileItem.h"

// An image file as a browser item. Both reads go through IQImageIO's one
// road: the decoder the content names (camera RAW through the RAW
// plug-in), the orientation stored in the file applied, a damaged or
// special file refused with the same message wherever it is read.
class IQImageFileItem : public IQFileItem
{
public:
    explicit IQImageFileItem(const QString& path);

    // Decodes at reduced size: JPEG at a fraction of its scale, PNG and
    // TIFF a row at a time, the RAW plug-in from the camera's preview. The
    // result fits inside `size` with the upright picture's aspect ratio
    // (small pictures are enlarged to fill it). A null image when the file
    // cannot be read or `size` is empty.
    QImage thumbnail(QSize size) override;
    // The file name.
    QString text() override;
    // The whole picture at full size; a null image on failure.
    QImage image() override;

    // The user's message for why the last thumbnail() or image() gave a null
    // image; empty after a success.
    QString errorString() const { return m_error; }

private:
    QString m_error;
};
