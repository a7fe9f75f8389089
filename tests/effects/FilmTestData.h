#pragma once

// Synthetic film data for the film tests: colour tables built from a
// function of the node, grain tables of one weight.

#include "effects/FilmData.h"

#include <QByteArray>

#include <functional>

namespace FilmTestData {

// value(plane, n0, n1, n2) -> byte for node (n0, n1, n2) of plane 0..2.
using NodeFunction = std::function<int(int plane, int n0, int n1, int n2)>;

inline void fillColorTable(std::uint8_t* table, const NodeFunction& value)
{
    for (int n2 = 0; n2 < 17; ++n2)
        for (int n1 = 0; n1 < 17; ++n1)
            for (int n0 = 0; n0 < 17; ++n0)
                for (int p = 0; p < 3; ++p)
                    table[p * FilmColorPlaneSize + n2 * 289 + n1 * 17 + n0] = std::uint8_t(value(p, n0, n1, n2));
}

// Node k stands for 16 k; node 16 (256) is stored as 255.
inline int nodeValue(int k)
{
    return k * 16 > 255 ? 255 : k * 16;
}

inline int identity(int plane, int n0, int n1, int n2)
{
    const int n[3] = {n0, n1, n2};
    return nodeValue(n[plane]);
}

// A blob whose 43 colour tables are identities and whose grain weights are
// all `grainWeight`.
inline QByteArray identityBlob(int grainWeight = 0)
{
    QByteArray blob(FilmDataSize, char(grainWeight));
    auto* bytes = reinterpret_cast<std::uint8_t*>(blob.data());
    for (int t = 0; t < 43; ++t)
        fillColorTable(bytes + t * FilmColorTableSize, identity);
    return blob;
}

inline std::uint8_t* colorTable(QByteArray& blob, int index)
{
    return reinterpret_cast<std::uint8_t*>(blob.data()) + index * FilmColorTableSize;
}

} // namespace FilmTestData
