#pragma once

#include "stitch/sift/APMK.h"
#include "stitch/sift/Keypoint.h"

#include <cstdint>
#include <vector>

// Scale-space parameters: O octaves from omin to omax, levels smin .. smax in
// each, S levels per doubling of scale, sigma0 the base scale.
struct SIFTScaleSpaceParam
{
    int O = 0;
    int S = 0;
    int omin = 0;
    int omax = 0;
    int smin = 0;
    int smax = 0;
    float sigma0 = 0;
};

// SIFT keypoints of one image. The grey image and the scale-space buffers
// exist only until detection ends; the features stay until destruction.
// All state of a detection lives in the object, so different objects may
// be detected on different threads at once.
class SIFTObject
{
public:
    SIFTObject() = default;
    ~SIFTObject();
    SIFTObject(const SIFTObject&) = delete;
    SIFTObject& operator=(const SIFTObject&) = delete;

    void SetScaleSpaceParam();
    // Allocates the octaves and the convolution's scratch (eleven rows of
    // the first octave); -2 (with nothing left allocated) when memory runs out.
    int PrepareBuffers();
    // The scale space, the grey image and the candidates; the features stay.
    void FreeBuffers();
    // The octaves, scratch and gradient store only.
    void FreeScaleSpace();

    int GetOctaveWidth(int o) const;
    int GetOctaveHeight(int o) const;
    float* GetLevel(int o, int s);

    // Results: one record per keypoint and orientation, owned by the object.
    const std::vector<Keypoint*>& Features() const { return features; }
    const SIFTScaleSpaceParam& ScaleSpace() const { return ssParam; }
    int Width() const { return width; }
    int Height() const { return height; }

    float* image = nullptr;
    int width = 0;
    int height = 0;
    SIFTScaleSpaceParam ssParam;
    // Each octave's levels (see PrepareBuffers: later octaves may lie in
    // the first one's memory), and the blocks that own them.
    std::vector<float*> octaves;
    std::vector<float*> blocks;
    float* scratch = nullptr;
    float* gradients = nullptr;
    std::vector<Keypoint> keypoints;
    std::vector<Keypoint*> features;
    void* progressUser = nullptr;
    APMK_ProgressFunc progress = nullptr;
};

// The object's float buffers: zeroed unless the caller writes every float
// before reading it; null when the count cannot be had; freed only with
// SiftFreeFloats.
float* SiftAllocateFloats(std::int64_t count, bool zeroed = true);
void SiftFreeFloats(float* block);

// Fills the object's grey image from a 24-bit picture: 0, -2 for a null
// argument or no memory, -3 for another pixel format.
int GetNormalizedGrayImg(SIFTObject* object, const _tagPixelArray* pixels);
// Runs the whole detection (see SIFTDetect.cpp); 0, -1 cancelled, -2 no memory.
int SIFTDetecting(SIFTObject* object, int progressStart, int progressEnd);
