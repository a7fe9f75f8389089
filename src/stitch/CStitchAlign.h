#pragma once

class CImage;
class CStitchElement;
class CStitchOptions;

// The alignment driver over a loaded job. This part holds the coarse stage:
// every neighbour pair of the grid is aligned on one pyramid layer and the
// result stored as the pair's single twin ((dx, dy), (0, 0)), its coarse
// angle and score.
class CStitchAlign
{
public:
    explicit CStitchAlign(CStitchOptions* job) : m_pOptions(job) {}

    // Coarse alignment of all neighbour pairs on the layer, progress 0 to
    // 20. shift becomes true when some overlap is 13 pixels or less there,
    // and the offsets are then doubled for the layer below (unless the layer
    // is already the working one). 0, -1 (cancelled), -3 (a layer bitmap
    // cannot be attached) or the code of a pair's alignment.
    int StartUpCoarseAlign(int layer, bool& shift);
    // One pair: b is the right (horizontal) or lower neighbour of element.
    int CoarseAlign(CImage* a, CImage* b, bool horizontal, CStitchElement* element, bool& shift);
    // Makes the two paths around each cell of a tile grid agree, trusting
    // the path with the higher coarse scores.
    void ModifyShiftsForTile();

private:
    int AlignPair(CImage* a, CImage* b, CStitchElement* first, CStitchElement* second, int layer, bool horizontal,
                  bool& shift);

    CStitchOptions* m_pOptions;
};
