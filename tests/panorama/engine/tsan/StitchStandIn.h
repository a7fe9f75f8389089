#pragma once

// Stands in for the stitching library under the panorama engine: a job
// keeps the engine's callbacks; loading fetches every photo through
// GetImage on the calling thread, as the library does, keeps a copy of
// each bitmap, gives it back through DeleteImage and ends the stitch with
// LoadCode. Nothing else is done.

#include "stitch/image/Rect.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace StitchStandIn {

struct Fetched
{
    QString name;
    QByteArray bitmap; // header and rows
    tagPOINT size;     // as the engine gave it
};

// What the last load fetched.
extern std::vector<Fetched> fetched;

// Passed through by the engine as the stitch's code.
constexpr int LoadCode = -5;

} // namespace StitchStandIn
