#include "files/IQCommon.h"

#include <QByteArray>
#include <QList>

namespace {

using ExtensionList = QList<QByteArray>;

// Function-local statics: each list is built once, also under concurrent
// first use, and is read-only afterwards.
const ExtensionList& standardImageExts()
{
    static const ExtensionList list{"jpg", "jpeg", "bmp", "png", "tif", "tiff", "webp", "gif"};
    return list;
}

const ExtensionList& heicExts()
{
    static const ExtensionList list{"heic", "heif", "heics", "heifs"};
    return list;
}

// The keys of the RAW image plug-in, in another order.
const ExtensionList& rawExts()
{
    static const ExtensionList list{"arw", "sr2", "srf", "nef", "nrw", "dng", "orf", "raf",
                                    "mrw", "pef", "x3f", "crw", "cr2", "cr3", "raw", "rw2"};
    return list;
}

// Families the program declares but does not read yet.
const ExtensionList& emptyExts()
{
    static const ExtensionList list;
    return list;
}

const ExtensionList& avifExts() { return emptyExts(); }
const ExtensionList& psdExts() { return emptyExts(); }
const ExtensionList& videoExts() { return emptyExts(); }
const ExtensionList& pdfExts() { return emptyExts(); }

// The characters after the last "." of the file name, as QFileInfo::suffix
// gives them, without building a QFileInfo: this runs for every file of a
// listed folder.
QStringView suffixOf(const QString& path)
{
    const QStringView name = QStringView(path).mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QStringView() : name.mid(dot + 1);
}

bool suffixIn(const QString& path, const ExtensionList& list)
{
    const QStringView suffix = suffixOf(path);
    if (suffix.isEmpty())
        return false;
    for (const QByteArray& ext : list) {
        if (suffix.compare(QLatin1String(ext), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void appendPatterns(QString& text, const ExtensionList& list)
{
    for (const QByteArray& ext : list)
        text += QLatin1Char(' ') + QStringLiteral("%1.%2").arg(QStringLiteral("*"), QString::fromLatin1(ext));
}

} // namespace

bool IQCommon::isSupportedStandardImageFile(const QString& path) { return suffixIn(path, standardImageExts()); }
bool IQCommon::isSupportedHEICFile(const QString& path) { return suffixIn(path, heicExts()); }
bool IQCommon::isSupportedRAWFile(const QString& path) { return suffixIn(path, rawExts()); }
bool IQCommon::isSupportedAvifFile(const QString& path) { return suffixIn(path, avifExts()); }
bool IQCommon::isSupportedPsdFile(const QString& path) { return suffixIn(path, psdExts()); }
bool IQCommon::isSupportedVideoFile(const QString& path) { return suffixIn(path, videoExts()); }
bool IQCommon::isSupportedPdfFile(const QString& path) { return suffixIn(path, pdfExts()); }

bool IQCommon::isSupportedFile(const QString& path, enFileFilter filter)
{
    if (filter & ImageFilter) {
        if (isSupportedStandardImageFile(path) || isSupportedHEICFile(path) || isSupportedRAWFile(path)
            || isSupportedAvifFile(path) || isSupportedPsdFile(path))
            return true;
    }
    if ((filter & VideoFilter) && isSupportedVideoFile(path))
        return true;
    if ((filter & PdfFilter) && isSupportedPdfFile(path))
        return true;
    return false;
}

QString IQCommon::supportedExt(enFileFilter filter)
{
    QString text = QStringLiteral("(");
    if (filter & ImageFilter) {
        appendPatterns(text, standardImageExts());
        appendPatterns(text, heicExts());
        appendPatterns(text, rawExts());
        appendPatterns(text, avifExts());
        appendPatterns(text, psdExts());
    }
    if (filter & VideoFilter)
        appendPatterns(text, videoExts());
    if (filter & PdfFilter)
        appendPatterns(text, pdfExts());
    text += QLatin1Char(')');
    return text;
}
