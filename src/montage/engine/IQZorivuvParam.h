#pragma once

#include <QImage>
#include <QSize>

// The settings of one montage run, copied by value into every run.
struct IQZorivuvParam
{
    IQZorivuvParam();

    // Every field except `mask` back to its default.
    void makeDefault();

    // 0: plain grid; 1: every odd row shifted left by half a tile. Other
    // values are refused by the run (code 1).
    int layout;
    // 0: the target's own transparency is the mask; 1: `mask` is the mask.
    // Other values are refused by the run (code 1).
    int maskMode;
    // The mask of mode 1, stretched over the whole mosaic; null for none.
    QImage mask;
    // One cell of the mosaic in pixels; both sides at least 1.
    QSize tile;
    // Carried along for the appliances; no operation reads it.
    QSize maxSize;
    // Cells across as asked for; the run uses at least 60 and refuses more
    // than 65535.
    int columns;
    // Recolour each tile towards the colour of its cell.
    bool colourise;
};
