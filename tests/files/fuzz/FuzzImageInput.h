#pragma once

// Set-up shared by the image fuzz targets: the application object the image
// plug-ins need, an allocation cap far below the program's own (a header
// that asks for much memory is refused quickly instead of tripping the
// fuzzer's memory limit), and the input written to a file, since the
// readers under test take paths.

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
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
    static const bool limited = (QImageReader::setAllocationLimit(256), true);
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
