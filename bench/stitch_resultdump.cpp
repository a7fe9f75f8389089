// Writes everything the stitching library's main road decides for a few
// synthetic sets (rows, a column, a 2 x 2 tile, with and without exposure
// differences, at output sizes 0 and 1) as text: per element the
// transforms, angles, scores, twins, colour tables and overlaps, then the
// result bitmap's checksum, the crop, overlaps and seam paths. Two builds
// that must agree bit for bit are compared by diffing their outputs.
//   stitch_resultdump OUTPUT_FILE
#include "RoadRecord.h"
#include "SyntheticViews.h"

#include <QImage>

#include <cstdio>

namespace {

void dump(FILE* out, const QImage& photo, const char* label, int style, int cols, int rows, int width, bool hard,
          int outputSize)
{
    const RoadRecord record = RecordRoad(photo, style, cols, rows, width, hard, outputSize);
    std::fprintf(out, "== %s (output %d)\n", label, outputSize);
    std::fwrite(record.text.constData(), 1, size_t(record.text.size()), out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: stitch_resultdump OUTPUT_FILE\n");
        return 2;
    }
    const QImage photo(SyntheticViews::photoPath());
    if (photo.isNull()) {
        std::fprintf(stderr, "mate-backgrounds is missing\n");
        return 1;
    }
    FILE* out = std::fopen(argv[1], "w");
    if (!out)
        return 1;
    for (int size = 0; size <= 1; ++size) {
        dump(out, photo, "row of 3, 1600", 0, 3, 1, 1600, false, size);
        dump(out, photo, "row of 3, 640", 0, 3, 1, 640, false, size);
        dump(out, photo, "row of 3, 640, hard", 0, 3, 1, 640, true, size);
        dump(out, photo, "column of 3, 640", 1, 1, 3, 640, false, size);
        dump(out, photo, "column of 3, 640, hard", 1, 1, 3, 640, true, size);
        dump(out, photo, "2 x 2 tile, 640", 3, 2, 2, 640, false, size);
        dump(out, photo, "2 x 2 tile, 800, hard", 3, 2, 2, 800, true, size);
    }
    std::fclose(out);
    return 0;
}
