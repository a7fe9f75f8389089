#pragma once

class CStitchOptions;

// Gives every image of the grid a colour table (three 256-entry tables, one
// per pixel byte, in CStitchElement::m_ColorTable) that maps its values onto
// one reference image's colours. Neighbours are compared through histograms
// of their overlap on a reduced layer; each pair gets a table per byte from
// CColorCorrection::RunChannels (the three bytes fitted together), chained
// outward from the reference.
//
// Runs on the caller's thread. The job is not owned. Progress runs from 80
// to 100 unless quiet; a cancel returns -1 and keeps the tables already
// written.
class CCoarseColorCorrection
{
public:
    explicit CCoarseColorCorrection(CStitchOptions* job) : m_pOptions(job) {}

    // Layer: the pyramid layer the histograms come from. 0, -1 (cancelled),
    // -2 (no memory for the histograms), -3 / -4 (a histogram could not be
    // taken), -5 (tile grid of fewer than two rows or columns, or an empty
    // grid); a style out of range is returned as it is.
    int Run(int layer, bool quiet);

    int CorrectHistLandscape(int layer);
    int CorrectHistSkyscraper(int layer);
    int CorrectHistPanorama();
    int CorrectHistWideangle(int layer);

    // The pair histogram of elements 1 and 2 on a layer: 256 bins each of
    // bytes 0, 1, 2 of the first element's overlap, then of the second's
    // (1536 counts into out). right: the first element's right-neighbour
    // overlap rectangles, else its lower-neighbour ones. 0, -3 (an element
    // is missing or its layer cannot be attached), -4 (an overlap rectangle
    // is empty, also once clipped to the layer).
    int ComputeHist(unsigned int* out, int col1, int row1, int col2, int row2, int layer, bool right);

    // The reference among `count` histograms of 768 counts (bytes 0, 1, 2):
    // the widest range, ties within a tenth going to the higher median; from
    // three histograms on, the best one apart from that choice and its twin.
    // Writes the index to *best and 0 to *second; returns true.
    static bool GetBestHist(void* unused, const unsigned int* histograms, int count, int* best, int* second);

private:
    // Fits element `far` onto element `near` (already corrected) through
    // the pair histogram halves and chains the tables. Reports after each
    // byte; -1 when cancelled.
    int FitPair(unsigned char* farTable, const unsigned char* nearTable, const unsigned int* nearHist,
                const unsigned int* farHist);
    bool Report();
    int CorrectLine(int layer, bool vertical);

    CStitchOptions* m_pOptions;
    bool m_bQuiet = false;
    double m_dPosition = 80.0;
    double m_dStep = 0.0;
};
