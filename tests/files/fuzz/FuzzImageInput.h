#pragma once

// Set-up shared by the image fuzz targets: the application object the image
// plug-ins need, the program's own allocation cap (so that what the fuzzer
// finds is what a user's file can do), and the input written to a file,
// since the readers under test take paths.

#include "files/IQImageLimits.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdint>

namespace FuzzImageInput {

// The path holding `data`; empty when it cannot be written.
inline QString write(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_image";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    static const bool limited = (IQImageLimits::install(), true);
    (void)limited;
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("input"));

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    return path;
}

} // namespace FuzzImageInput
