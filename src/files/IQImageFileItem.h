#pragma once

#include "files/IQFileItem.h"

// An image file as a browser item. Both reads go through QImageReader with
// the decoder Qt picks (camera RAW through the RAW plug-in), apply the
// orientation stored in the file, and refuse a damaged file as
// IQImageIO::readImage() does. Neither changes process-wide reader
// settings: the allocation cap is IQImageLimits' business.
class IQImageFileItem : public IQFileItem
{
public:
    explicit IQImageFileItem(const QString& path);

    // Decodes at reduced size: the box, turned when the stored orientation
    // turns the picture, becomes the reader's scaled size, so JPEG decodes
    // at a fraction of its scale and the RAW plug-in takes the camera's
    // preview instead of the sensor data. The result fits inside `size` with
    // the picture's aspect ratio (small pictures are enlarged to fill it).
    // A null image when the file cannot be read or `size` is empty.
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
