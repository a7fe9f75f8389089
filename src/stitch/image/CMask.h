#pragma once

#include "stitch/image/Rect.h"

#include <QString>

#include <cstddef>
#include <cstdio>

// One bit per pixel: a set bit marks a pixel that an image covers. Pixel
// (x, y) is bit x mod 8 (least significant first) of byte y x stride + x / 8;
// rows lie in the packed bitmaps' memory order. The mask owns its bits.
//
// The mask file: width, height, stride, the object rectangle (four u32),
// then stride x height bytes of bits, all little-endian.
class CMask
{
public:
    CMask();
    CMask(unsigned int width, unsigned int height);
    // other must have bits; its object rectangle is computed and taken over.
    CMask(CMask& other);
    ~CMask();
    CMask& operator=(const CMask&) = delete;

    // Both sizes must be non-zero. False only when the bits cannot be had.
    bool Create(unsigned int width, unsigned int height);
    void Release();

    // Inline: the blend and colour code call these once per pixel. Off the
    // mask, Get and Is give false and Set does nothing.
    bool GetPixel(unsigned int row, unsigned int column) const
    {
        if (!m_pBits || row >= m_lHeight || column >= m_lWidth)
            return false;
        return (m_pBits[size_t(row) * m_lStride + column / 8] >> (column % 8)) & 1;
    }
    bool IsMask(unsigned int row, unsigned int column) const { return GetPixel(row, column); }
    void SetPixel(unsigned int row, unsigned int column, bool value)
    {
        if (!m_pBits || row >= m_lHeight || column >= m_lWidth)
            return;
        unsigned char& byte = m_pBits[size_t(row) * m_lStride + column / 8];
        const unsigned char bit = static_cast<unsigned char>(1u << (column % 8));
        byte = value ? static_cast<unsigned char>(byte | bit) : static_cast<unsigned char>(byte & ~bit);
    }
    // Sets count bits of a row from column on, whole bytes at once; bits
    // off the mask are left out as SetPixel leaves them.
    void SetRun(unsigned int row, unsigned int column, unsigned int count);
    void Clear();
    // target must have the same size.
    void Clone(CMask* target) const;
    // Both need the same width and height; return the height.
    unsigned int MaskFill(CMask* other);
    unsigned int MaskErase(CMask* other);

    // The bounding rectangle of the set bits, right and bottom inclusive;
    // (width, height, 0, 0) when no bit is set.
    tagRECT* ObjectRect();
    // The end point itself is not drawn; points off the mask are skipped.
    void DrawLine(int x1, int y1, int x2, int y2, bool value);

    // A failed Load leaves the mask without bits; a file whose fields do not
    // match its length is refused before anything is allocated.
    bool Save(const QString& path);
    bool Load(const QString& path);
    bool Save(FILE* file);
    bool Load(FILE* file);

    unsigned int Width() const { return m_lWidth; }
    unsigned int Height() const { return m_lHeight; }
    unsigned int Stride() const { return m_lStride; }
    unsigned int Size() const { return m_lSize; }
    const tagRECT& Rect() const { return m_ObjectRect; }
    unsigned char* Bits() const { return m_pBits; }

    static unsigned int StrideFor(unsigned int width);

private:
    struct FileHeader;
    bool TakeHeader(const FileHeader& header, long long bytesAfterHeader);

    unsigned int m_lWidth = 0;
    unsigned int m_lHeight = 0;
    unsigned int m_lStride = 0;
    unsigned int m_lSize = 0;
    tagRECT m_ObjectRect{0, 0, 0, 0};
    unsigned char* m_pBits = nullptr;
};
