#pragma once

#include "canvas/PictureContent.h"
#include "canvas/XmlDepthGuard.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <QStringList>

class Canvas;
class QDomDocument;

// The ".pmp2" project file around the canvas's own XML: an XML declaration,
// the root "Collage" (attributes "format" = 2 and "version" = the
// application's version) and one "canvas" element, indented by 2 spaces.
// Static operations only; GUI thread, as they may show dialogs and message
// boxes (all through ModalPrompts).
class CollageProjectFile
{
    Q_DECLARE_TR_FUNCTIONS(CollageProjectFile)

public:
    CollageProjectFile() = delete;

    // Larger files are refused unread: no real project comes near.
    static constexpr qint64 maxFileBytes = 64LL * 1024 * 1024;
    // Deeper or larger documents are refused before the DOM is built; a
    // real project is a few levels deep and holds a few elements per
    // content.
    static constexpr int maxDepth = XmlDepthGuard::defaultMaxDepth;
    static constexpr int maxElements = XmlDepthGuard::defaultMaxElements;
    // The text a document may carry, all its elements together, in bytes
    // as stored; more is refused before any parser builds it. A collage's
    // text is drawn glyph by glyph over the pictures: a poster's worth is a
    // few thousand characters. Its HTML gives each run of one format a
    // span with the whole style, under 200 bytes, so even 5,000 characters
    // each in a format of its own come to about 1 MB, some 1.3 MB once the
    // markup is escaped for XML; every picture adds a few hundred bytes of
    // paths and the preview a few kilobytes. 4 MiB is three times that text
    // alone. Reading a text this long takes about 2 s and 80 MB; the text of
    // 60 MB that the file cap would let through took 14 to 30 s and 1.3 to
    // 2.2 GB.
    static constexpr qint64 maxTextBytes = 4LL * 1024 * 1024;
    // Embedded previews are small thumbnails; larger ones are not decoded.
    static constexpr int maxPreviewSide = 1024;

    enum class LoadStatus {
        Loaded,       // an element was handed to the canvas
        CannotOpen,   // missing, unreadable, not a regular file, too large
        CannotParse,  // not well-formed, too deep, too many elements
        NoElement,    // well-formed but empty of elements
    };

    struct LoadResult
    {
        LoadStatus status = LoadStatus::CannotOpen;
        // CannotParse: the parser's message (or why the document was
        // refused before parsing).
        QString error;
        // Loaded: the files of pictures that stayed placeholders because
        // none of their files could be read, one entry per file tried, in
        // document order: a file not found has an empty reason, one that
        // exists the reason it could not be read.
        QList<PictureContent::FileProblem> unloadedPictures;
    };

    // Reads the project at `filePath` into `canvas`, without a word to the
    // user. The canvas is touched only once the document parsed; its base
    // folder becomes the project's folder, so relative picture paths
    // resolve there.
    static LoadResult load(const QString& filePath, Canvas* canvas);

    // load(), then tells the user what went wrong in a box with no parent
    // ("Loading error", "Parsing error", or, for pictures kept as
    // placeholders, "Missing pictures" when none of their files exists and
    // "Pictures not loaded" when some exist but cannot be read, each file
    // in the details). True when an element was handed to the canvas
    // (missing pictures included); with `addToRecent` such a file goes
    // first in the recent-project list. A failed read leaves the canvas and
    // the list untouched.
    // With `unloadedPictures` the pictures kept as placeholders are handed
    // back there instead, for reportUnloadedPictures() at the caller's time.
    static bool read(const QString& filePath, Canvas* canvas, bool addToRecent,
        QList<PictureContent::FileProblem>* unloadedPictures = nullptr);

    // Reads and parses the project at `filePath`, touching no canvas, and
    // tells the user in read()'s box when it cannot be opened. True when
    // read() would hand an element to a canvas.
    static bool check(const QString& filePath);

    // The box read() shows for `pictures` (LoadResult::unloadedPictures) of
    // the project at `filePath`.
    static void reportUnloadedPictures(const QString& filePath, const QList<PictureContent::FileProblem>& pictures);

    // The preview picture stored in the project, or a null image when there
    // is none, it does not decode or it is larger than maxPreviewSide. Never
    // shows a message.
    static QImage embeddedPreview(const QString& filePath);

    // Writes the canvas as a project at `filePath`. The file is replaced only
    // once the new one is complete: when it cannot be written the user gets
    // a "File Error" box, the old file stays as it was, the canvas keeps its
    // pending changes and the result is false. On success the change mark is
    // cleared and the file goes first in the recent-project list.
    static bool saveV2(const QString& filePath, Canvas* canvas);

    // The document saveV2() would write, without writing it. Sets the
    // canvas's base folder to `projectDir` first.
    static QDomDocument toDocument(Canvas* canvas, const QString& projectDir);

    // Asks for a project to open, starting in the last project folder, which
    // it then remembers. Empty when cancelled.
    static QString getLoadCollageProjectFile();

    // Asks for a file name to save a project to, starting in the last save
    // folder, which it then remembers. The name gets ".pmp2" unless it ends
    // so already (ignoring case), and the overwrite question is asked about
    // that final name. Empty when cancelled.
    static QString getSaveCollageProjectFile();

    // `name`, with ".pmp2" appended unless it ends so, ignoring case.
    static QString withProjectSuffix(const QString& name);

private:
    // For a load that handed nothing to the canvas: tells the user why (a
    // document without elements gets no box) and returns true. False for a
    // load that did.
    static bool reportFailure(const QString& filePath, const LoadResult& result);
};
