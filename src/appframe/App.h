#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// What a path or address names: a picture, a collage project, or content the
// program takes at all. They look at the text only; only the existence tests
// touch the file system.
namespace App {

// True when the text after the last "." (the whole path when there is none)
// is, ignoring case, a format the image readers decode; RAW formats of the
// RAW plug-in included.
bool isPictureFile(const QString& path);

// True when the path ends with ".pmp2", ignoring case.
bool isCollageFile(const QString& path);

// True for a picture or project that exists as a file, or that is named by an
// address beginning "http:/" or "ftp:/" (ignoring case).
bool isContentUrl(const QString& path);

// True only for an existing local project file. Logs a warning for "http:/"
// and "ftp:/" addresses, which are not taken for now.
bool validateCollageUrl(const QString& path);

// "*.fmt *.FMT " for every format the image readers decode, in their order;
// built once and cached.
QString supportedImageFormats();

// The pattern text of supportedImageFormats() for a given format list.
QString imageFormatPatterns(const QList<QByteArray>& formats);

} // namespace App
