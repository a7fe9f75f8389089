#pragma once

#include <QString>

class CImage;
class CStitchOptions;

// One photo's halved copies. Layer 0 is the host's photo, fetched through
// GetImage when needed and given back through DeleteImage; layers 1 to the
// job's deepest layer are 2 x 2 averages held as handles of the job's memory
// callbacks. Layer k is 1/2^k of the photo's width and height.
//
// Handles in the layer table are owned by the pyramid: ReleaseLayer frees one,
// and the destructor frees whatever is still held.
class CStitchPyramid
{
public:
    CStitchPyramid();
    ~CStitchPyramid();
    CStitchPyramid(const CStitchPyramid&) = delete;
    CStitchPyramid& operator=(const CStitchPyramid&) = delete;

    static int ZoomRatio(int layer) { return 1 << layer; }

    // The handle of a layer, fetching a supplied layer from the host when it
    // is not held; null when it cannot be had.
    void* LockHDib(int layer);
    // Gives a supplied layer back to the host at once; built layers stay.
    void UnlockHDib(int layer);
    // Frees a held layer (layer 0 back through DeleteImage).
    void ReleaseLayer(int layer);
    // Swaps every field with other.
    void PermuteData(CStitchPyramid* other);

    // Fetches layer 0 through GetImage and halves it down to the job's
    // deepest layer, reporting progress from progressStart to progressEnd.
    // Layer 0 goes back to the host once layer 1 exists; for quarter output
    // layer 1 is freed once layer 2 exists. 0, -1 (cancelled), -2 (a layer
    // cannot be allocated), -3 (no name, no photo, or a photo that is not a
    // 24-bit bitmap with pixels) or the host's GetImage code.
    int BuildPyramid(CStitchOptions* job, int progressStart, int progressEnd);
    // target becomes source halved (odd last column and row dropped), each
    // byte the rounded mean of its 2 x 2 block. 0, -1 or -2.
    static int ZoomImageBy2x2(CImage* source, CImage* target, int progressStart, int progressEnd,
                              CStitchOptions* job);

    // Makes an empty layer table of `layers` entries (deepest layer + 1),
    // freeing what was held. False when it cannot be had.
    bool AllocateLayers(int layers);
    void ReleaseAllLayers();
    bool IsHeld(int layer) const;

    // Sets the name handed to GetImage and derives the sibling name.
    void SetName(const QString& name);

    void** m_phLayers = nullptr;
    int m_lBuilt = 0;
    int m_lWidth = 0;
    int m_lHeight = 0;
    int m_lSupplied = 0;
    int m_lReserved = 0; // carried along by PermuteData
    QString m_strName;
    QString m_strSiblingName;
    int m_lLayerCount = 0; // entries of m_phLayers

    static bool m_bTelephoto;
    static int m_lMaxW;
    static int m_lMaxH;

private:
    QString SuppliedLayerName(int layer) const;
};
