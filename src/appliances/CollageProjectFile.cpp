#include "appliances/CollageProjectFile.h"

#include "appframe/ModalPrompts.h"
#include "appframe/Settings.h"
#include "canvas/Canvas.h"
#include "canvas/PictureContent.h"
#include "files/IQImageIO.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>
#include <QUrl>
#include <QXmlStreamReader>

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

// A cheap streaming pass before the DOM is built, so a hostile document
// cannot make it deep enough to exhaust the stack or large enough to
// exhaust memory. Syntax errors are left to the DOM parser, whose message
// the user sees.
QString structureRefusal(const QByteArray& data)
{
    QXmlStreamReader xml(data);
    int depth = 0;
    int elements = 0;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth > CollageProjectFile::maxDepth)
                return CollageProjectFile::tr("The document is nested more than %1 levels deep.")
                    .arg(CollageProjectFile::maxDepth);
            if (++elements > CollageProjectFile::maxElements)
                return CollageProjectFile::tr("The document holds more than %1 elements.")
                    .arg(CollageProjectFile::maxElements);
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
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

void addToRecentList(const QString& filePath)
{
    // The path as it is, not a "file:" URL: the recent list shows and opens
    // these entries as paths.
    Settings::defaultSettings()->addRecentTessoliaUrl(QUrl(filePath, QUrl::TolerantMode));
}

// Asks about replacing a file under the name that will really be written,
// which may carry the suffix the user did not type.
class ProjectSaveDialog : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        const QStringList files = selectedFiles();
        const QString typed = files.value(0);
        // Empty or a folder: the dialog's own handling (it opens folders).
        if (typed.isEmpty() || QFileInfo(typed).isDir()) {
            QFileDialog::accept();
            return;
        }
        const QString finalName = CollageProjectFile::withProjectSuffix(typed);
        if (QFileInfo::exists(finalName)) {
            const QMessageBox::StandardButton answer = ModalPrompts::question(this, windowTitle(),
                CollageProjectFile::tr("%1 already exists.\nDo you want to replace it?")
                    .arg(QFileInfo(finalName).fileName()),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
            if (answer != QMessageBox::Yes)
                return;
        }
        QFileDialog::accept();
    }
};

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

    const QDomElement root = document.documentElement();
    QDomElement element = root.firstChildElement(QStringLiteral("canvas"));
    if (element.isNull())
        element = root;
    if (element.isNull() || !canvas) {
        result.status = LoadStatus::NoElement;
        return result;
    }

    // Relative picture paths are relative to the project, wherever the
    // program was started from and wherever the project was moved.
    canvas->setBaseDir(QFileInfo(filePath).absoluteDir());
    canvas->loadFromXml(element);
    result.status = LoadStatus::Loaded;

    const QDir projectDir = QFileInfo(filePath).absoluteDir();
    for (AbstractContent* content : canvas->contents()) {
        auto* picture = qobject_cast<PictureContent*>(content);
        if (!picture || !picture->isPlaceholder())
            continue;
        // A relative path is shown where it was looked for.
        for (const QString& missing : picture->missingPaths())
            result.missingPictures << QDir::cleanPath(projectDir.absoluteFilePath(missing));
    }
    result.missingPictures.removeDuplicates();
    return result;
}

bool CollageProjectFile::read(const QString& filePath, Canvas* canvas, bool addToRecent)
{
    const LoadResult result = load(filePath, canvas);
    switch (result.status) {
    case LoadStatus::CannotOpen:
        ModalPrompts::message(QMessageBox::Critical, nullptr, tr("Loading error"),
            tr("Unable to load the Collage file %1").arg(filePath), QMessageBox::Ok);
        return false;
    case LoadStatus::CannotParse:
        ModalPrompts::message(QMessageBox::Critical, nullptr, tr("Parsing error"),
            tr("Unable to parse the Collage file %1. The error was: %2").arg(filePath, result.error),
            QMessageBox::Ok);
        return false;
    case LoadStatus::NoElement:
        return false;
    case LoadStatus::Loaded:
        break;
    }

    if (!result.missingPictures.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, tr("Missing pictures"),
            tr("Some pictures of the Collage file %1 were not found. They keep their place and are saved with the "
               "project.")
                .arg(filePath),
            QMessageBox::Ok);
        box.setDetailedText(result.missingPictures.join(QLatin1Char('\n')));
        ModalPrompts::execDialog(&box);
    }
    if (addToRecent)
        addToRecentList(filePath);
    return true;
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
    ProjectSaveDialog dialog(
        nullptr, tr("Select the Collage file"), settings->saveCollageProjectDir(), QStringLiteral("Collage (*.pmp2)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The dialog asks itself, about the name with the suffix.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (ModalPrompts::execDialog(&dialog) != QDialog::Accepted)
        return QString();
    const QString typed = dialog.selectedFiles().value(0);
    if (typed.isEmpty())
        return QString();
    settings->setSaveCollageProjectDir(QFileInfo(typed).absolutePath());
    return withProjectSuffix(typed);
}

QString CollageProjectFile::withProjectSuffix(const QString& name)
{
    if (name.endsWith(projectSuffix, Qt::CaseInsensitive))
        return name;
    return name + projectSuffix;
}
