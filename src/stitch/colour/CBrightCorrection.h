#pragma once

class CProcessingList;
class CStitchOptions;

// Gives every image of the grid one brightness offset (added to each byte
// of its warped pixels by the renderers, so positive brightens) from the
// differences of mean brightness measured in the overlaps of neighbours on
// the deepest layer. Offsets are CStitchElement::m_lBrightness[0]; the
// differences with the right and lower neighbour [1] and [2], each the
// neighbour's mean minus this element's, in 8-bit units.
//
// Runs on the caller's thread, reports nothing. The job is not owned.
class CBrightCorrection
{
public:
    explicit CBrightCorrection(CStitchOptions* job) : m_pOptions(job) {}

    // Horizontal, vertical and tile grids: offsets relaxed over the grid.
    // 0, or the first measurement's failure (offsets then unrelaxed).
    int Run();
    // The 360-degree ring (row 0, the last image next to the first): the
    // error around the ring spread evenly over its steps. 0, or the first
    // measurement's failure.
    int PanoramaRun();
    // The difference of element 2 against element 1, stored in element 1
    // (right slot for the same row, else lower slot). Only pixels whose byte
    // sums lie in 46 .. 719 count; fewer than a tenth of the overlap, no
    // overlap or no twins give 0. Returns 0, or -3 (difference 0) when the
    // host will not lock a layer.
    int MeasureBrightness(int col1, int row1, int col2, int row2);
    // 50 passes of half steps toward agreement with the listed neighbours,
    // keeping the offsets' mean at 0. An element without listed neighbours
    // takes no step (only the mean is taken off it).
    void RelaxionBrightness(CProcessingList* list);

    static constexpr int kDarkest = 46;
    static constexpr int kBrightest = 719;

private:
    CStitchOptions* m_pOptions;
};
