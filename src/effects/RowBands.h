#pragma once

// Splits the rows of a picture into consecutive bands and runs one job per
// band on the program's CPU executor, the calling thread taking part.
// Returns when every band is done.

#include <cstddef>
#include <functional>

namespace Effects {

// Band `band` of `bands` over `rows` rows: [first, last).
struct RowBand
{
    int band;
    int first;
    int last;
};

RowBand rowBand(int rows, int bands, int band);

// job(band) once for each of bands 0 .. bands - 1 (bands at least 1), on at
// most as many threads at once as the executor runs, in any order: each
// band must write only its own rows.
void runRowBands(int rows, int bands, const std::function<void(const RowBand&)>& job);

// Bands worth making for a picture: one per core, but none smaller than
// about a quarter megapixel, where handing a band over costs more than it
// saves, and none of fewer than 16 rows. `requested` above 0 asks for that
// many bands (at most one per row, and 64), whatever the size: tests use it to show
// that the result does not depend on the split.
int rowBandCount(int width, int height, int requested);

} // namespace Effects
