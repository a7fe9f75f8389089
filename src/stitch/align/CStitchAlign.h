#pragma once

class CImage;
class CStitchElement;
class CStitchOptions;

// The alignment driver over a loaded, ordered job. The coarse stage aligns
// every neighbour pair of the grid on one pyramid layer and stores the
// result as the pair's single twin ((dx, dy), (0, 0)), its coarse angle and
// score; matching, calibration and motion estimation then refine the pairs
// layer by layer down to the working layer.
class CStitchAlign
{
public:
    explicit CStitchAlign(CStitchOptions* job) : m_pOptions(job) {}

    // The whole alignment: coarse offsets on the top layer, then for each
    // layer from the first matched one down to the working layer matching,
    // calibration (while the method is still to be found) and motion
    // estimation, then a coarse colour correction. Progress 0 to 100 (never
    // 100 on a failed path). 0, -1 (cancelled), -3 (a layer bitmap cannot be
    // attached) or the first failing stage's code.
    int Run();

    // The matcher's span of each layer from the first matched one down to
    // the working one: 20 to 80, each layer three times the share of the
    // one above it, the ends truncated.
    static void LayerSpans(int layers, int* from, int* to);

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
    // The fine-tune render on the working layer.
    int RenderFineTune(int working);
    int AlignPair(CImage* a, CImage* b, CStitchElement* first, CStitchElement* second, int layer, bool horizontal,
                  bool& shift);

    CStitchOptions* m_pOptions;
};
