// Writes the seed inputs of the raw_read fuzz target: small DNG files with
// each kind of preview and orientation, and two damaged ones.
#include "DngFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_raw_corpus <folder>\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    };
    struct Seed
    {
        const char* name;
        DngFixture::Preview preview;
        int orientation;
    };
    const Seed seeds[] = {
        {"jpeg-preview.dng", DngFixture::Preview::Jpeg, 1},
        {"rgb-preview-orientation-6.dng", DngFixture::Preview::Rgb, 6},
        {"jpeg-preview-orientation-8.dng", DngFixture::Preview::Jpeg, 8},
        {"rgb-preview-orientation-3.dng", DngFixture::Preview::Rgb, 3},
        {"no-preview-orientation-5.dng", DngFixture::Preview::None, 5},
        {"broken-jpeg-preview.dng", DngFixture::Preview::BrokenJpeg, 1},
    };
    bool ok = true;
    for (const Seed& seed : seeds) {
        DngFixture::Options options;
        options.size = QSize(32, 24);
        options.previewSize = QSize(8, 6);
        options.preview = seed.preview;
        options.orientation = seed.orientation;
        const QByteArray bytes = DngFixture::make(options);
        ok &= write(QString::fromLatin1(seed.name), bytes);
        if (seed.orientation == 1 && seed.preview == DngFixture::Preview::Jpeg)
            ok &= write(QStringLiteral("truncated-in-sensor-data.dng"), bytes.left(bytes.size() - 700));
    }
    return ok ? 0 : 1;
}
