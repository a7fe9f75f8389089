#pragma once

#include <QString>

// Which files the program takes, by file-name suffix alone, and the filter
// text of the open dialog. Nothing here opens a file. Every function may be
// called from any thread.
class IQCommon
{
public:
    IQCommon() = delete;

    // Families a caller selects; OR them together.
    enum enFileFilter {
        ImageFilter = 2, // standard images, HEIC, camera RAW, AVIF, PSD
        VideoFilter = 4,
        PdfFilter = 8,
    };

    // True when the suffix after the last "." of the file name is, ignoring
    // case, in the family's list. The AVIF, PSD, video and PDF lists are
    // empty, so their tests answer false.
    static bool isSupportedStandardImageFile(const QString& path);
    static bool isSupportedHEICFile(const QString& path);
    static bool isSupportedRAWFile(const QString& path);
    static bool isSupportedAvifFile(const QString& path);
    static bool isSupportedPsdFile(const QString& path);
    static bool isSupportedVideoFile(const QString& path);
    static bool isSupportedPdfFile(const QString& path);

    // True when a family selected by `filter` takes the path.
    static bool isSupportedFile(const QString& path, enFileFilter filter);
    static bool isSupportedFile(const QString& path, int filter)
    {
        return isSupportedFile(path, enFileFilter(filter));
    }

    // "( *.jpg *.jpeg ...)": one pattern per suffix of the selected families,
    // each after a blank, with no description in front.
    static QString supportedExt(enFileFilter filter);
    static QString supportedExt(int filter) { return supportedExt(enFileFilter(filter)); }
};
