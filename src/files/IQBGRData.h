#pragma once

#include <QtGlobal>

// Raw pixel buffers that own their bytes. IQBGRData holds 3 bytes a pixel
// (blue, green, red) with every row padded to a multiple of 4 bytes;
// IQBGRAData holds 4 bytes a pixel (blue, green, red, alpha), rows back to
// back. The classes never touch the pixels; the factories leave them
// uninitialised.
class IQBGRData
{
public:
    // An empty buffer: data() is null.
    IQBGRData() = default;
    virtual ~IQBGRData();

    IQBGRData(const IQBGRData&) = delete;
    IQBGRData& operator=(const IQBGRData&) = delete;

    // A new buffer of width x height pixels, owned by the caller, or null
    // when a side is not positive or the memory cannot be had.
    static IQBGRData* bgrData(int width, int height);

    // A deep copy of the same class, owned by the caller; null when the
    // memory cannot be had.
    virtual IQBGRData* clone() const;

    uchar* data() { return m_data; }
    const uchar* data() const { return m_data; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    int bytesPerLine() const { return m_bytesPerLine; }
    qsizetype byteCount() const { return qsizetype(m_bytesPerLine) * m_height; }

protected:
    // Takes the layout and allocates bytesPerLine x height bytes; false (and
    // no memory) when that fails.
    bool allocate(int width, int height, qint64 bytesPerLine);
    // Makes this buffer a deep copy of `other`; false when the memory cannot
    // be had.
    bool copyFrom(const IQBGRData& other);

private:
    uchar* m_data = nullptr;
    int m_width = 0;
    int m_height = 0;
    int m_bytesPerLine = 0;
};

class IQBGRAData : public IQBGRData
{
public:
    IQBGRAData() = default;

    static IQBGRAData* bgraData(int width, int height);

    IQBGRAData* clone() const override;
};
