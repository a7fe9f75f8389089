#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The process-wide cap on the memory that one image decode may allocate.
//
// Qt's own default (128 MB) refuses an ordinary 36-megapixel photograph,
// while switching the cap off lets a few bytes of crafted header ask for
// many gigabytes. The program therefore sets one generous, finite cap once,
// at start-up, before any image is read: main() must call install() right
// after the application object is made. Readers never change it afterwards.
class IQImageLimits
{
public:
    IQImageLimits() = delete;

    // Megabytes (MiB) one decoded image may take: a gigapixel at 8 bits a
    // channel with alpha, half of that at 16 bits a channel.
    static constexpr int allocationLimitMB = 4096;

    // Sets the cap with QImageReader::setAllocationLimit. Call on the GUI
    // thread before any worker thread reads an image.
    static void install();

    // True when an image of `size` in `format` would be refused by the cap
    // currently in force. An unknown format counts as 4 bytes a pixel.
    static bool exceedsLimit(const QSize& size, QImage::Format format = QImage::Format_Invalid);

    // The message for an image refused because of its size.
    static QString tooLargeMessage(const QSize& size);
};
