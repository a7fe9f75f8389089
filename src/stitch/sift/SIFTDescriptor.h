#pragma once

#include "stitch/sift/Keypoint.h"

#include <cstdint>
#include <vector>

class SIFTObject;

// Gradients (magnitude, angle in 0 .. 2 pi) of the inner levels, taken only
// for the pixels that orientations and descriptors read, on first reading:
// most of a picture lies outside every window, and the angle is the
// costliest step of detection. The tiles that some window touches live in
// the object's gradient store, their pixels marked as not yet taken.
class SiftGradientStore
{
public:
    static constexpr int kTile = 16;
    static constexpr int kTileFloats = kTile * kTile * 2;

    explicit SiftGradientStore(SIFTObject* object) : m_object(object) {}

    // Sets up the tiles within reach of the keypoints' orientation and
    // descriptor windows; -2 when memory runs out.
    int Prepare(const std::vector<Keypoint>& keypoints);

    // The tiles of one level; a pixel may be read only inside a prepared
    // window, away from the level's border.
    struct Level
    {
        const std::int32_t* tiles = nullptr;
        int tilesPerRow = 0;
        float* block = nullptr;
        const float* image = nullptr; // the level itself
        int width = 0;

        // (magnitude, angle) of the pixel.
        const float* at(int x, int y) const
        {
            const unsigned ux = unsigned(x), uy = unsigned(y);
            float* g = block + std::int64_t(tiles[(uy / kTile) * unsigned(tilesPerRow) + ux / kTile]) * kTileFloats
                + ((uy % kTile) * kTile + ux % kTile) * 2;
            // Not taken yet while the angle is NaN.
            if (g[1] != g[1])
                take(x, y, g);
            return g;
        }
        void take(int x, int y, float* g) const;
    };
    Level LevelOf(int octave, int s) const;
    SIFTObject* Object() const { return m_object; }

private:
    int slot(int octave, int s) const;

    SIFTObject* m_object;
    // Per inner level of each octave: the tile numbers in the store, -1
    // where no window reaches.
    std::vector<std::vector<std::int32_t>> m_tiles;
    std::vector<int> m_tilesPerRow;
};

// Up to four dominant orientations (radians) of a refined keypoint, in
// histogram bin order; returns their number (0 for a keypoint of the last
// octave, outside its octave or at an outer level).
int SiftOrientations(const SiftGradientStore& store, const Keypoint& k, float angles[4]);
// The 128-byte descriptor of the keypoint at orientation theta; all zeros
// when the window holds no gradient. Leaves descriptor empty when the
// keypoint is not valid (as for SiftOrientations).
void SiftDescriptor(const SiftGradientStore& store, const Keypoint& k, float theta,
                    std::vector<unsigned char>& descriptor);
