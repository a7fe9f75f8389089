#pragma once

#include "SyntheticViews.h"

#include "stitch/image/Rect.h"
#include "stitch/interface/StitchEnums.h"

#include <QList>
#include <QPointF>

#include <functional>

class CStitchElement;
class CStitchOptions;
class StitchTestHost;

// Synthetic views loaded into a stitching job and aligned layer by layer the
// way the alignment driver goes: coarse offsets on the top layer, matching
// on the first layer and every later one down to the working layer, with
// calibration (method 0) and motion estimation after each layer. Elements
// are named "view<i>" after their camera, so a test can find a view's ground
// truth even after the grid dropped an image.
namespace LayerAlignment {

// The job (release it with PSReleaseStitch), or null when loading fails.
CStitchOptions* load(StitchTestHost& host, const SyntheticViews& views, const QList<SyntheticViews::Camera>& cameras,
                     tagStitchStyle style, int cols, int rows, tagStitchOutputSize size = StitchOutputOriginal,
                     STITCHMETHOD method = StitchMethodCalibrated);

// 0 or the first code that fails. afterMatching runs after each layer's
// matching, before calibration and motion estimation.
int align(CStitchOptions* job, const std::function<void(int layer, bool first)>& afterMatching = {});

// The camera index of an element ("view<i>").
int viewOf(const CStitchElement* element);

// Where layer point p of view `from` truly lies in view `to` (layer pixels
// of `layer`, whose pixel i spans layer-0 pixels [i 2^L, (i + 1) 2^L)).
bool trueMap(const SyntheticViews& views, const SyntheticViews::Camera& from, const SyntheticViews::Camera& to,
             int layer, QPointF p, QPointF* out);

// Where point p of the neighbour lies in the element under a pair rotation
// (rays of the neighbour onto rays of the element), without rounding.
QPointF rotate(const double matrix[9], double focal, QPointF p, QPointF centreOut, QPointF centreIn);

} // namespace LayerAlignment
