#pragma once

#include "stitch/sift/APMK.h"
#include "stitch/sift/RansacAffine.h"

#include <vector>

class SIFTObject;

// Hough accumulator of the matching: 8 x 8 x 8 x 8 cells over position x,
// position y, angle and scale; cell (b1, b2, b3, b4) is element
// b1 * 512 + b2 * 64 + b4 * 8 + b3.
constexpr int kSiftHoughCells = 4096;

// Soft vote at continuous bin coordinates (bin i centred on i + 0.5); the
// angle coordinate wraps round, the others pile up in the end bins.
void HoughAddValue(float* accumulator, float cx, float cy, float ca, float cs, float weight);
// Bins of the largest cell (the first of equal maxima; cell 0 when all are 0).
void HoughGetPeak(const float* accumulator, float* b1, float* b2, float* b3, float* b4);

// The first step of the matching: for each feature of the second object the
// nearest feature of the first within 0.2 radians of orientation, kept when
// the distance ratio test passes. The matches point into both objects.
std::vector<KeypointMatch> SiftNearestNeighbours(SIFTObject* first, SIFTObject* second);

// The affine plausibility test: a usable determinant, scales within 0.1 ..
// 10 and a moderate shear (a mirrored map is tested with its matrix negated).
bool SiftAffinePlausible(const SiftAffine& model);

// Point pairs between two detected objects (see APMK_SIFTMatching). When
// affine is given it receives the final fit of the pairs that remained
// before the output rules (left as is when matching stops earlier).
int SIFTMatching(SIFTObject* first, SIFTObject* second, std::vector<tagSIFTPOINT>* out,
                 SiftAffine* affine = nullptr);
