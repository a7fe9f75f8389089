#pragma once

// Pairs of photos made from real photographs (mate-backgrounds) that no
// alignment can join, 320 x 240 each, to prove the stitch refuses them.

#include "SyntheticViews.h"

#include <QImage>
#include <QList>
#include <QString>

#include <algorithm>
#include <cmath>

namespace UnjoinablePairs {

// The kinds make() knows.
inline QList<QString> kinds()
{
    return {QStringLiteral("places"), QStringLiteral("apart"), QStringLiteral("parallax"), QStringLiteral("wall")};
}

// "places": two places (the dunes, a meadow); "apart": two parts of the
// meadow that do not overlap; "parallax": a view of the meadow against the
// next, 60 % along, whose rows are shifted further the nearer they are: a
// band across the middle is near, shifted by up to 80 pixels more than the
// top and the bottom, which no turn of the camera can follow (a shift
// growing steadily down the picture would pass for a roll); "wall": the
// meadow as a flat wall 500
// pixels away, seen straight and from 400 pixels along it, turned back by
// 30 degrees. Empty when the photographs are missing.
inline QList<QImage> make(const QString& kind)
{
    const int w = 320, h = 240;
    const QImage meadow =
        QImage(SyntheticViews::photoPath(QStringLiteral("GreenMeadow.jpg"))).convertToFormat(QImage::Format_RGB32);
    const QImage dune = QImage(SyntheticViews::photoPath(QStringLiteral("Dune.jpg"))).convertToFormat(QImage::Format_RGB32);
    if (meadow.isNull() || dune.isNull())
        return {};
    auto at = [&meadow](double x, double y) {
        return meadow.pixel(std::clamp(int(x), 0, meadow.width() - 1), std::clamp(int(y), 0, meadow.height() - 1));
    };
    const QImage first = meadow.copy(100, 100, w, h);
    QImage second(w, h, QImage::Format_RGB32);
    if (kind == QLatin1String("places"))
        return {dune.copy(600, 400, w, h), meadow.copy(300, 300, w, h)};
    if (kind == QLatin1String("apart"))
        return {first, meadow.copy(600, 300, w, h)};
    if (kind == QLatin1String("parallax")) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                second.setPixel(x, y, at(100 + 0.6 * w + x + 80.0 * std::pow(std::sin(M_PI * y / h), 2), 100 + y));
        return {first, second};
    }
    if (kind != QLatin1String("wall"))
        return {};
    const double focal = 500, distance = 500, along = 400, turn = -30 * M_PI / 180;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double rx = x - (w - 1) / 2.0, ry = y - (h - 1) / 2.0;
            const double dx = std::cos(turn) * rx + std::sin(turn) * focal;
            const double dz = -std::sin(turn) * rx + std::cos(turn) * focal;
            second.setPixel(x, y, at(100 + w / 2 + along + distance * dx / dz, 100 + h / 2 + distance * ry / dz));
        }
    return {first, second};
}

} // namespace UnjoinablePairs
