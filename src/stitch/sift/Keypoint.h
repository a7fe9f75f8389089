#pragma once

#include <vector>

// One SIFT keypoint. As a detection candidate it has no descriptor; as a
// result it carries its orientation and a 128-byte descriptor.
struct Keypoint
{
    // where the extremum was found: octave, column and row in that octave's
    // pixels, and level
    int octave = 0;
    int ix = 0;
    int iy = 0;
    int is = 0;
    // refined position in pixels of the input image
    float x = 0;
    float y = 0;
    float s = 0; // refined (fractional) level
    float sigma = 0; // scale in pixels of the input image
    float angle = 0; // radians, 0 .. 2 pi
    std::vector<unsigned char> itsOriFV;

    // Sum of the squared byte differences of both descriptors, which must
    // have the same length (a programming error otherwise).
    int distSquared(const Keypoint* k) const;
};

// A candidate correspondence between a keypoint of the first image and one
// of the second, with the squared descriptor distances to the nearest and
// the second nearest feature.
struct KeypointMatch
{
    Keypoint* first = nullptr;
    Keypoint* second = nullptr;
    int distSq = 0;
    int distSq2 = 0;
};
