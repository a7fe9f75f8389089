#pragma once

#include "Keypoint.h"

#include <vector>

class SIFTObject;

// The gradients (magnitude, angle in 0 .. 2 pi) of the inner levels of one
// octave at a time, kept in the object's gradient store. Which octave is
// prepared is known only to this store, so every detection starts afresh.
class SiftGradientStore
{
public:
    explicit SiftGradientStore(SIFTObject* object) : m_object(object) {}

    // Makes sure the octave's gradients are in the store.
    void Prepare(int octave);
    // (magnitude, angle) pairs of level s of the prepared octave, row-major.
    const float* Level(int s) const;
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    SIFTObject* Object() const { return m_object; }

private:
    SIFTObject* m_object;
    int m_octave = 0;
    bool m_prepared = false;
    int m_width = 0;
    int m_height = 0;
};

// Up to four dominant orientations (radians) of a refined keypoint, in
// histogram bin order; returns their number (0 for a keypoint of the last
// octave, outside its octave or at an outer level).
int SiftOrientations(SiftGradientStore& store, const Keypoint& k, float angles[4]);
// The 128-byte descriptor of the keypoint at orientation theta; all zeros
// when the window holds no gradient. Leaves descriptor empty when the
// keypoint is not valid (as for SiftOrientations).
void SiftDescriptor(SiftGradientStore& store, const Keypoint& k, float theta, std::vector<unsigned char>& descriptor);
