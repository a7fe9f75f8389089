#include "collage/CollageProjectFile.h"

#include "appframe/ModalPrompts.h"
#include "appframe/Settings.h"
#include "modebase/SuffixedSaveDialog.h"
#include "canvas/Canvas.h"
#include "canvas/PictureContent.h"
#include "files/IQImageIO.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QTextStream>
#include <QUrl>

#include <algorithm>
#include <cstring>

namespace {

const QString projectSuffix = QStringLiteral(".pmp2");

// The whole file, or why it cannot be had. A FIFO or device would block or
// never end, so only regular files are opened.
bool readWholeFile(const QString& filePath, QByteArray* data)
{
    const QFileInfo info(filePath);
    if (!info.isFile())
        return false;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > CollageProjectFile::maxFileBytes)
        return false;
    // Read one byte past the cap, in case the file grows under us.
    *data = file.read(CollageProjectFile::maxFileBytes + 1);
    return data->size() <= CollageProjectFile::maxFileBytes && file.error() == QFileDevice::NoError;
}

// Where `what` starts in [from, end), or end.
const char* findText(const char* from, const char* end, const char* what)
{
    return std::search(from, end, what, what + std::strlen(what));
}

bool isXmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The end of a tag or declaration that starts at `from`: past the first
// '>' outside quoted values and, with `subset`, outside a "[...]" internal
// subset. End when there is none.
const char* tagEnd(const char* from, const char* end, bool subset)
{
    char quote = 0;
    int depth = 0;
    for (const char* p = from; p < end; ++p) {
        if (quote) {
            if (*p == quote)
                quote = 0;
        } else if (*p == '"' || *p == '\'') {
            quote = *p;
        } else if (subset && *p == '[') {
            ++depth;
        } else if (subset && *p == ']') {
            --depth;
        } else if (*p == '>' && depth <= 0) {
            return p + 1;
        }
    }
    return end;
}

// A byte pass over the raw document before any parser sees it, which
// builds nothing: the parsers would hold a text of tens of megabytes whole
// (twice over, as UTF-16) and the canvas would lay it out, and a declared
// entity would let a small file expand into more text than any file holds.
// Counts the bytes of text as stored (character data that is not only
// white space between elements, and CDATA; an entity reference counts its
// own bytes) and refuses any entity declaration. Syntax errors are left to
// the parsers.
QString textRefusal(const QByteArray& data)
{
    const char* p = data.constData();
    const char* const end = p + data.size();
    qint64 text = 0;
    while (p < end) {
        if (*p != '<') {
            const char* runEnd = std::find(p, end, '<');
            if (std::find_if_not(p, runEnd, isXmlSpace) != runEnd)
                text += runEnd - p;
            p = runEnd;
        } else if (end - p >= 4 && std::memcmp(p, "<!--", 4) == 0) {
            const char* close = findText(p + 4, end, "-->");
            p = close == end ? end : close + 3;
        } else if (end - p >= 9 && std::memcmp(p, "<![CDATA[", 9) == 0) {
            const char* close = findText(p + 9, end, "]]>");
            text += close - (p + 9);
            p = close == end ? end : close + 3;
        } else if (end - p >= 2 && p[1] == '?') {
            const char* close = findText(p + 2, end, "?>");
            p = close == end ? end : close + 2;
        } else if (end - p >= 2 && p[1] == '!') {
            const char* close = tagEnd(p + 2, end, true);
            if (findText(p, close, "<!ENTITY") != close)
                return CollageProjectFile::tr("The document declares entities, which no project holds.");
            p = close;
        } else {
            p = tagEnd(p + 1, end, false);
        }
        if (text > CollageProjectFile::maxTextBytes)
            return CollageProjectFile::tr("The document holds more than %1 bytes of text.")
                .arg(CollageProjectFile::maxTextBytes);
    }
    return QString();
}

// A cheap streaming pass before the DOM is built, so a hostile document
// cannot make it deep enough to exhaust the stack or large enough to
// exhaust memory. Syntax errors are left to the DOM parser, whose message
// the user sees.
QString structureRefusal(const QByteArray& data)
{
    // First, as the streaming reader itself holds each text whole.
    const QString text = textRefusal(data);
    if (!text.isEmpty())
        return text;
    switch (XmlDepthGuard::check(data, CollageProjectFile::maxDepth, CollageProjectFile::maxElements)) {
    case XmlDepthGuard::Verdict::TooDeep:
        return CollageProjectFile::tr("The document is nested more than %1 levels deep.")
            .arg(CollageProjectFile::maxDepth);
    case XmlDepthGuard::Verdict::TooManyElements:
        return CollageProjectFile::tr("The document holds more than %1 elements.")
            .arg(CollageProjectFile::maxElements);
    case XmlDepthGuard::Verdict::Within:
        break;
    }
    return QString();
}

// Reads and parses; false with `error` set (empty for an unreadable file).
bool parseProject(const QString& filePath, QDomDocument* document, QString* error, bool* opened)
{
    QByteArray data;
    *opened = readWholeFile(filePath, &data);
    if (!*opened)
        return false;
    *error = structureRefusal(data);
    if (!error->isEmpty())
        return false;
    QString message;
    if (!document->setContent(data, false, &message)) {
        *error = message;
        return false;
    }
    return true;
}

// The element handed to the canvas: the root's first "canvas" child, or
// the root itself.
QDomElement projectElement(const QDomDocument& document)
{
    const QDomElement root = document.documentElement();
    const QDomElement element = root.firstChildElement(QStringLiteral("canvas"));
    return element.isNull() ? root : element;
}

void addToRecentList(const QString& filePath)
{
    // The path as it is, not a "file:" URL: the recent list shows and opens
    // these entries as paths.
    Settings::defaultSettings()->addRecentTessoliaUrl(QUrl(filePath, QUrl::TolerantMode));
}

} // namespace

CollageProjectFile::LoadResult CollageProjectFile::load(const QString& filePath, Canvas* canvas)
{
    LoadResult result;
    QDomDocument document;
    bool opened = false;
    if (!parseProject(filePath, &document, &result.error, &opened)) {
        result.status = opened ? LoadStatus::CannotParse : LoadStatus::CannotOpen;
        return result;
    }

    QDomElement element = projectElement(document);
    if (element.isNull() || !canvas) {
        result.status = LoadStatus::NoElement;
        return result;
    }

    // Relative picture paths are relative to the project, wherever the
    // program was started from and wherever the project was moved.
    canvas->setBaseDir(QFileInfo(filePath).absoluteDir());
    canvas->loadFromXml(element);
    result.status = LoadStatus::Loaded;

    // A file two pictures name is told about once.
    QSet<QString> named;
    for (AbstractContent* content : canvas->contents()) {
        auto* picture = qobject_cast<PictureContent*>(content);
        if (!picture)
            continue;
        for (const PictureContent::FileProblem& problem : picture->fileProblems()) {
            if (named.contains(problem.path))
                continue;
            named.insert(problem.path);
            result.unloadedPictures << problem;
        }
    }
    return result;
}

bool CollageProjectFile::reportFailure(const QString& filePath, const LoadResult& result)
{
    switch (result.status) {
    case LoadStatus::CannotOpen:
        ModalPrompts::message(QMessageBox::Critical, nullptr, tr("Loading error"),
            tr("Unable to load the Collage file %1").arg(filePath), QMessageBox::Ok);
        return true;
    case LoadStatus::CannotParse:
        ModalPrompts::message(QMessageBox::Critical, nullptr, tr("Parsing error"),
            tr("Unable to parse the Collage file %1. The error was: %2").arg(filePath, result.error),
            QMessageBox::Ok);
        return true;
    case LoadStatus::NoElement:
        return true;
    case LoadStatus::Loaded:
        break;
    }
    return false;
}

bool CollageProjectFile::check(const QString& filePath)
{
    LoadResult result;
    QDomDocument document;
    bool opened = false;
    if (!parseProject(filePath, &document, &result.error, &opened))
        result.status = opened ? LoadStatus::CannotParse : LoadStatus::CannotOpen;
    else if (projectElement(document).isNull())
        result.status = LoadStatus::NoElement;
    else
        result.status = LoadStatus::Loaded;
    return !reportFailure(filePath, result);
}

bool CollageProjectFile::read(
    const QString& filePath, Canvas* canvas, bool addToRecent, QList<PictureContent::FileProblem>* unloadedPictures)
{
    const LoadResult result = load(filePath, canvas);
    if (reportFailure(filePath, result))
        return false;
    if (unloadedPictures)
        *unloadedPictures = result.unloadedPictures;
    else if (!result.unloadedPictures.isEmpty())
        reportUnloadedPictures(filePath, result.unloadedPictures);
    if (addToRecent)
        addToRecentList(filePath);
    return true;
}

void CollageProjectFile::reportUnloadedPictures(const QString& filePath, const QList<PictureContent::FileProblem>& pictures)
{
    bool anyMissing = false;
    bool anyUnreadable = false;
    QStringList details;
    for (const PictureContent::FileProblem& picture : pictures) {
        if (picture.reason.isEmpty()) {
            anyMissing = true;
            details << tr("Not found: %1").arg(picture.path);
        } else {
            anyUnreadable = true;
            details << tr("Cannot be read: %1 (%2)").arg(picture.path, picture.reason);
        }
    }
    QString text;
    if (!anyUnreadable)
        text = tr("Some pictures of the Collage file %1 were not found. They keep their place and are saved with the "
                  "project.");
    else if (!anyMissing)
        text = tr("Some pictures of the Collage file %1 could not be read. They keep their place and are saved with "
                  "the project.");
    else
        text = tr("Some pictures of the Collage file %1 were not found or could not be read. They keep their place "
                  "and are saved with the project.");
    QMessageBox box(QMessageBox::Warning, anyUnreadable ? tr("Pictures not loaded") : tr("Missing pictures"),
        text.arg(filePath), QMessageBox::Ok);
    box.setDetailedText(details.join(QLatin1Char('\n')));
    ModalPrompts::execDialog(&box);
}

QImage CollageProjectFile::embeddedPreview(const QString& filePath)
{
    QDomDocument document;
    QString error;
    bool opened = false;
    if (!parseProject(filePath, &document, &error, &opened))
        return QImage();
    const QDomElement preview = document.documentElement()
                                    .firstChildElement(QStringLiteral("canvas"))
                                    .firstChildElement(QStringLiteral("preview"));
    if (preview.isNull())
        return QImage();

    const QByteArray png = QByteArray::fromBase64(preview.text().toLatin1());
    // The header tells the size; a preview claiming more is not decoded.
    const QSize size = IQImageIO::readSize(png, "PNG");
    if (!size.isValid() || size.width() > maxPreviewSide || size.height() > maxPreviewSide)
        return QImage();
    return IQImageIO::readImage(png, "PNG", IQImageIO::SizeRule());
}

QDomDocument CollageProjectFile::toDocument(Canvas* canvas, const QString& projectDir)
{
    QDomDocument document;
    document.appendChild(
        document.createProcessingInstruction(QStringLiteral("xml"), QStringLiteral("version=\"1.0\" ")));
    QDomElement root = document.createElement(QStringLiteral("Collage"));
    root.setAttribute(QStringLiteral("format"), 2);
    root.setAttribute(QStringLiteral("version"), QCoreApplication::applicationVersion());
    document.appendChild(root);

    QDomElement canvasElement = document.createElement(QStringLiteral("canvas"));
    root.appendChild(canvasElement);
    canvas->setBaseDir(QDir(projectDir));
    canvas->saveToXml(canvasElement);
    return document;
}

bool CollageProjectFile::saveV2(const QString& filePath, Canvas* canvas)
{
    if (!canvas)
        return false;
    const QDir previousBase = canvas->baseDir();
    const QDomDocument document = toDocument(canvas, QFileInfo(filePath).absolutePath());

    // Written beside the target and renamed over it once complete, so a
    // failure at any point leaves an existing project as it was.
    QSaveFile file(filePath);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        QTextStream stream(&file);
        stream.setEncoding(QStringConverter::Utf8);
        document.save(stream, 2, QDomNode::EncodingFromTextStream);
        stream.flush();
        if (stream.status() != QTextStream::Ok) {
            file.cancelWriting();
            written = false;
        }
        written = file.commit() && written;
    }
    if (!written) {
        // The project still lives where it lived, if anywhere.
        canvas->setBaseDir(previousBase);
        ModalPrompts::message(QMessageBox::Warning, nullptr, tr("File Error"),
            tr("Error saving to the %1 file '%2'").arg(QCoreApplication::applicationName(), filePath),
            QMessageBox::Ok);
        return false;
    }
    canvas->slotResetChanges();
    addToRecentList(filePath);
    return true;
}

QString CollageProjectFile::getLoadCollageProjectFile()
{
    Settings* settings = Settings::defaultSettings();
    QFileDialog dialog(nullptr, tr("Select the Collage file"), settings->collageProjectDir(), tr("Collage (*.pmp2)"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (ModalPrompts::execDialog(&dialog) != QDialog::Accepted)
        return QString();
    const QString path = dialog.selectedFiles().value(0);
    if (!path.isEmpty())
        settings->setCollageProjectDir(QFileInfo(path).absolutePath());
    return path;
}

QString CollageProjectFile::getSaveCollageProjectFile()
{
    Settings* settings = Settings::defaultSettings();
    SuffixedSaveDialog dialog(nullptr, tr("Select the Collage file"), settings->saveCollageProjectDir(),
        QStringLiteral("Collage (*.pmp2)"), projectSuffix);
    if (ModalPrompts::execDialog(&dialog) != QDialog::Accepted)
        return QString();
    const QString chosen = dialog.chosenFile();
    if (!chosen.isEmpty())
        settings->setSaveCollageProjectDir(QFileInfo(chosen).absolutePath());
    return chosen;
}

QString CollageProjectFile::withProjectSuffix(const QString& name)
{
    return SuffixedSaveDialog::withSuffix(name, projectSuffix);
}
