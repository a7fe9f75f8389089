// Writes the hostile seeds of the image fuzz targets: for every format we
// read, a small file whose header claims far more pixels than it holds;
// JPEGs cut short or garbled in their scans; flat grey, palette and 16-bit
// pictures of many megapixels in a few KB, which a reduced read must take
// in rows.
//   make_hostile_corpus <folder>
#include "DngFixture.h"
#include "HostileImageFiles.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_hostile_corpus <folder>\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    DngFixture::Options dng;
    dng.size = QSize(16, 16);
    dng.preview = DngFixture::Preview::None;
    dng.claimedSize = QSize(30000, 30000);

    QImage picture(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 4, y * 5, (x * y) & 0xFF));
    const QByteArray jpeg = ImageFixtures::encode(picture, "jpeg", 90);
    const QByteArray progressive = HostileImageFiles::progressiveJpeg(picture);

    using namespace ImageFixtures;
    using namespace HostileImageFiles;
    const QList<QPair<const char*, QByteArray>> seeds = {
        {"claims-30000x30000.jpg", jpegClaiming(30000, 30000)},
        {"claims-30000x30000.bmp", bmpClaiming(30000, 30000, 200)},
        {"claims-30000x30000.gif", gifClaiming(30000, 30000)},
        {"claims-30000x30000.tif", tiffClaiming(30000, 30000, 200)},
        {"claims-16384x16384.webp", webpClaiming(16384, 16384, 200)},
        {"claims-30000x30000.dng", DngFixture::make(dng)},
        {"truncated-in-scan.jpg", jpeg.left(jpeg.size() / 2)},
        {"truncated-progressive.jpg", progressive.left(progressive.size() * 3 / 4)},
        {"garbled-scan.jpg", garbled(jpeg, 0.4, 48, 1)},
        {"garbled-progressive.jpg", garbled(progressive, 0.4, 48, 2)},
        {"flat-4000x3000-1bit.png", flatPng(QSize(4000, 3000), 0, 1)},
        {"flat-2000x1500-8bit.png", flatPng(QSize(2000, 1500), 0, 8)},
        {"flat-1000x750-16bit.png", flatPng(QSize(1000, 750), 0, 16)},
        {"flat-2000x1500-palette.png", flatPng(QSize(2000, 1500), 3, 8)},
        {"flat-1000x750-16bit.tif", flatTiff16(QSize(1000, 750))},
    };
    bool ok = true;
    for (const auto& [name, bytes] : seeds) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ok = file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size() && ok;
    }
    return ok ? 0 : 1;
}
