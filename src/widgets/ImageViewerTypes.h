#pragma once

#include <QMetaType>

// Enumerations shared by the image viewers. The numeric values are stored
// and compared, so they must not change.

// How a picture is sized when it is shown and when the view is resized.
enum ImageFitMode {
    FitWindow = 0,   // the whole picture inside the viewport
    FitWidth = 1,    // picture width = viewport width
    FitOriginal = 2, // scale 1.0
    FitFree = 3      // whatever zoom the user chose
};

// Filter for drawing and for requested scaled copies.
enum ScalingFilter {
    FilterNearest = 0,
    FilterBilinear = 1
};

// Only one way of scrolling exists; the type is kept for callers that ask.
enum ImageScrolling {
    ImageScrollingDefault = 1
};

Q_DECLARE_METATYPE(ImageFitMode)
Q_DECLARE_METATYPE(ScalingFilter)
Q_DECLARE_METATYPE(ImageScrolling)
