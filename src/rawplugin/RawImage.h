#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <libraw/libraw_types.h>

// Conversions between LibRaw's results and QImage, kept apart from the
// handler so that they can be tested on hand-made records.
namespace RawImage {

// Converts a record from dcraw_make_mem_image or dcraw_make_mem_thumb into
// an image of QImage::Format_RGB32 that owns its pixels (the record may be
// freed at once). JPEG records are decoded; bitmap records must hold exactly
// width x height x colors samples of 8 or 16 bits, packed, in host byte
// order. One colour gives grey, three or more give red, green, blue.
// A malformed or undecodable record gives a null image and a reason in
// `error`.
QImage toQImage(const libraw_processed_image_t& record, QString* error);

// Turns an image stored in sensor orientation upright, for LibRaw's flip
// code: bit 4 transposes, then bit 2 mirrors rows, bit 1 mirrors columns
// (3 is 180 degrees, 5 a quarter turn counter-clockwise, 6 clockwise).
// Codes outside 0..7 leave the image as it is.
QImage orient(const QImage& image, int flip);

// The size an image of `size` has once oriented by `flip`.
QSize orientedSize(QSize size, int flip);

} // namespace RawImage
