#pragma once

// Reads written PDF files back with poppler-utils: the page as pdfinfo
// reports it, and the pixels as pdftoppm renders them.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QTemporaryDir>

#include <cstdlib>

namespace PdfReadback {

// The page size in points of the first page; invalid when pdfinfo fails.
inline QSizeF pageSizePoints(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), { pdf });
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QSizeF();
    const QString info = QString::fromUtf8(process.readAllStandardOutput());
    const QRegularExpression pageSize(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts"));
    const QRegularExpressionMatch match = pageSize.match(info);
    if (!match.hasMatch())
        return QSizeF();
    return QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble());
}

inline int pageCount(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), { pdf });
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return -1;
    const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(QString::fromUtf8(process.readAllStandardOutput())).captured(1).toInt();
}

// The first page rendered at `dpi`, without anti-aliasing so that picture
// edges land on whole pixels; null when pdftoppm fails.
inline QImage render(const QString& pdf, int dpi)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    QProcess process;
    process.start(QStringLiteral("pdftoppm"),
        { QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
            QStringLiteral("1"), QStringLiteral("-singlefile"), QStringLiteral("-png"), QStringLiteral("-aa"),
            QStringLiteral("no"), QStringLiteral("-aaVector"), QStringLiteral("no"), pdf, prefix });
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        return QImage();
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// The bounding box of every pixel that is not (nearly) white.
inline QRect inkBox(const QImage& page)
{
    int left = page.width(), top = page.height(), right = -1, bottom = -1;
    for (int y = 0; y < page.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x) {
            if (qRed(row[x]) > 245 && qGreen(row[x]) > 245 && qBlue(row[x]) > 245)
                continue;
            left = qMin(left, x);
            right = qMax(right, x);
            top = qMin(top, y);
            bottom = qMax(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// The largest difference of one channel between `expected` and the page
// at `offset`, leaving out a border of `inset` pixels where the picture's
// edge may fall half a pixel either way.
inline int maxDifference(const QImage& page, const QPoint& offset, const QImage& expected, int inset = 1)
{
    const QImage want = expected.convertToFormat(QImage::Format_RGB32);
    int worst = 0;
    for (int y = inset; y < want.height() - inset; ++y) {
        for (int x = inset; x < want.width() - inset; ++x) {
            const QPoint at = offset + QPoint(x, y);
            if (!page.rect().contains(at))
                return 255;
            const QRgb a = page.pixel(at);
            const QRgb b = want.pixel(x, y);
            worst = qMax(worst, std::abs(qRed(a) - qRed(b)));
            worst = qMax(worst, std::abs(qGreen(a) - qGreen(b)));
            worst = qMax(worst, std::abs(qBlue(a) - qBlue(b)));
        }
    }
    return worst;
}

// True when every pixel of the page is grey (R = G = B).
inline bool isGrey(const QImage& page)
{
    for (int y = 0; y < page.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x) {
            if (qRed(row[x]) != qGreen(row[x]) || qGreen(row[x]) != qBlue(row[x]))
                return false;
        }
    }
    return true;
}

// A picture with no white in it and no hard edges inside: red grows to the
// right, green downwards, blue along a diagonal. JPEG keeps such a picture
// within a few levels, and a shift by one pixel changes it by about one.
inline QImage smoothPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.setPixel(x, y,
                qRgb(40 + 160 * x / qMax(1, width - 1), 30 + 160 * y / qMax(1, height - 1),
                    60 + 120 * (x + y) / qMax(1, width + height - 2)));
        }
    }
    return picture;
}

// The picture in grey by qGray's weights, (11 R + 16 G + 5 B) / 32.
inline QImage qGrayPicture(const QImage& picture)
{
    QImage grey(picture.size(), QImage::Format_RGB32);
    for (int y = 0; y < grey.height(); ++y) {
        for (int x = 0; x < grey.width(); ++x) {
            const int g = qGray(picture.pixel(x, y));
            grey.setPixel(x, y, qRgb(g, g, g));
        }
    }
    return grey;
}

} // namespace PdfReadback
