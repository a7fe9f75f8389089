#pragma once

#include "stitch/interface/StitchEnums.h"

#include <functional>

class CStitchOptions;

// The automatic style choice for a freshly loaded job whose photos come in
// no particular order: ordering trials as a tile grid, a row and a column
// (automatic ordering in its style-search mode), their mean link scores
// compared, close calls settled by SIFT correspondences between photos an
// arrangement claims to be neighbours, and a long row tested for a ring.

// The challenge that settles a close call: the challenger wins when SIFT
// confirms one of its links (tile over row: a vertical link of the tile
// arrangement; tile over column: a horizontal one; column over row: a link
// of the row arrangement that runs downwards).
enum class StyleChallenge { TileOverRow, TileOverColumn, ColumnOverRow };

// A mean link score of 2050.0 means the trial found no order.
constexpr double kNoOrderScore = 2050.0;

// True when `second` is a real score within 21 % above `best`.
bool IsCloseScore(double best, double second);

// The choice between the three arrangements from their mean link scores
// (lower is better). A close call runs `challenge`, which sets *confirmed
// and returns 0, or returns a failure code that ends the choice. 0 with
// *style one of row (0), column (1) or tile (3); -5 when no trial found an
// order; else the challenge's code.
int DecideStitchStyle(double tile, double row, double column,
                      const std::function<int(StyleChallenge, bool* confirmed)>& challenge, tagStitchStyle* style);

// Chooses style, grid and render kind of a loaded job and puts its elements
// in the chosen order (row, column, ring, or tile grid of at most maxCols x
// maxRows). Progress is reported from progressStart to progressEnd through
// the job's callback. 0; -5 when no trial found an order; -1 cancelled; -2
// out of memory; -3 a layer that cannot be had. On failure the elements keep
// their order (style and grid may have changed) and failing trials have
// reported their end of the range.
int AutoStyleOptimizeRun(CStitchOptions* job, int maxCols, int maxRows, int progressStart = 0,
                         int progressEnd = 100);

// The three trials as AutoStyleOptimizeRun runs them, then one challenge on
// their arrangements, whatever the scores: *confirmed tells whether SIFT
// confirmed a link of the challenger. The elements keep their order. For
// tests and tools; 0 or the first failure code.
int AutoStyleChallenge(CStitchOptions* job, int maxCols, int maxRows, StyleChallenge which, bool* confirmed);
