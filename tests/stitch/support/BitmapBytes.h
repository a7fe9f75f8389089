#pragma once

#include "stitch/image/BitmapInfo.h"

#include <QByteArray>
#include <QtEndian>

#include <cstring>

// Builds bitmap files and headers byte by byte, independently of the
// library, so tests can state exactly what a reader is given.
namespace BitmapBytes {

inline tagBITMAPINFOHEADER header(int width, int height, int bits, unsigned coloursUsed = 0)
{
    tagBITMAPINFOHEADER h{};
    h.biSize = 40;
    h.biWidth = width;
    h.biHeight = height;
    h.biPlanes = 1;
    h.biBitCount = std::uint16_t(bits);
    h.biClrUsed = coloursUsed;
    return h;
}

inline int stride(int width, int bits)
{
    return (bits * width + 31) / 32 * 4;
}

inline QByteArray bytesOf(const tagBITMAPINFOHEADER& h)
{
    return QByteArray(reinterpret_cast<const char*>(&h), 40);
}

// A file as the library writes it: "M" "B", sizes, header, palette, rows.
// The rows are `rows` when given, else stride x height bytes of 0x5A.
inline QByteArray file(const tagBITMAPINFOHEADER& h, int paletteBytes, QByteArray rows = QByteArray())
{
    if (rows.isNull())
        rows = QByteArray(qsizetype(stride(h.biWidth, h.biBitCount)) * h.biHeight, char(0x5A));
    QByteArray out;
    out.append('M').append('B');
    char field[4];
    qToLittleEndian<quint32>(quint32(54 + paletteBytes + rows.size()), field);
    out.append(field, 4);
    out.append(QByteArray(4, '\0'));
    qToLittleEndian<quint32>(quint32(54 + paletteBytes), field);
    out.append(field, 4);
    out.append(bytesOf(h));
    out.append(QByteArray(paletteBytes, '\0'));
    out.append(rows);
    return out;
}

} // namespace BitmapBytes
