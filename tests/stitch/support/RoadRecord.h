#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// The main road (load, order, stitch) on synthetic views of a photograph,
// loaded in reverse order, written down as text: the codes, the order, per
// element its transforms, angles, scores, twins, colour table and overlaps,
// then a digest of the result bitmap, the crop and the overlaps. Two runs
// that decide the same give the same text. The host's progress reports and
// lock calls are returned too, so callback order can be compared.
struct RoadRecord
{
    QByteArray text;
    QList<int> progress;
    int lockCalls = 0;
    int allocations = 0;
    bool clean = false; // every handle freed, every image returned
};

// style 0 row (cols views), 1 column (rows views), 3 tile; width of a view;
// hard: rolled views with exposure differences; outputSize 0 or 1.
RoadRecord RecordRoad(const QImage& photo, int style, int cols, int rows, int width, bool hard, int outputSize);
