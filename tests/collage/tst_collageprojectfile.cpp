#include "collage/CollageProjectFile.h"

#include "appframe/ModalPrompts.h"
#include "appframe/Settings.h"
#include "canvas/CPixmap.h"
#include "canvas/Canvas.h"
#include "canvas/CanvasBackColor.h"
#include "canvas/PictureContent.h"
#include "canvas/PictureEffect.h"
#include "files/IQImageIO.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QDomDocument>
#include <QFileDialog>
#include <QGraphicsScene>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

#include <memory>

namespace {

// Answers every box with Ok (questions with `questionAnswer`) and writes
// down what it saw; dialogs go to `onDialog`.
struct Answerer
{
    struct Seen
    {
        ModalPrompts::Kind kind;
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QString details;
        bool parented;
    };
    QList<Seen> seen;
    QMessageBox::StandardButton questionAnswer = QMessageBox::Yes;
    std::function<int(QDialog*)> onDialog;
    ModalPrompts::ScopedResponder responder {[this](const ModalPrompts::Request& request) {
        Seen entry {request.kind, request.icon, request.title, request.text, QString(), bool(request.parent)};
        if (auto* box = qobject_cast<QMessageBox*>(request.dialog)) {
            entry.icon = box->icon();
            entry.title = box->windowTitle();
            entry.text = box->text();
            entry.details = box->detailedText();
            entry.parented = box->parentWidget();
            seen << entry;
            return int(QDialog::Accepted);
        }
        seen << entry;
        if (request.kind == ModalPrompts::Kind::Dialog)
            return onDialog ? onDialog(request.dialog) : int(QDialog::Rejected);
        if (request.kind == ModalPrompts::Kind::Question)
            return int(questionAnswer);
        return int(QMessageBox::Ok);
    }};
};

// Whether this build's canvas writes its own XML; tests of what goes
// through the canvas need it.
QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray pngBytes(const QSize& size, const QColor& color)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray projectWithPreview(const QByteArray& previewText)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Collage format=\"2\" version=\"1\">\n  <canvas>\n"
           "    <preview><![CDATA["
        + previewText + "]]></preview>\n  </canvas>\n</Collage>\n";
}

// A picture element as a project holds it, at `x` along the canvas.
QByteArray pictureElement(int x, const QString& files, bool background = false)
{
    return QStringLiteral("<picture><rect><x>-20</x><y>-15</y><w>40</w><h>30</h></rect>"
                          "<pos><x>%1</x><y>50</y></pos><zvalue>1</zvalue><visible>1</visible>%2"
                          "<effects><effect type=\"16\" param=\"20\" enable=\"1\"/></effects>%3</picture>")
        .arg(x)
        .arg(files, background ? QStringLiteral("<set-as-background/>") : QString())
        .toUtf8();
}

// The photo's pixels once its first render has landed, in one format.
QImage shownPixels(PictureContent* picture)
{
    if (!picture->photo())
        return QImage();
    picture->waitForRender();
    return picture->photo()->toImage().convertToFormat(QImage::Format_RGB32);
}

// Restores the file-size limit of the process when it goes.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace

class TestCollageProjectFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void writtenFrame();
    void readRoots_data();
    void readRoots();
    void readFailures_data();
    void readFailures();
    void textBound_data();
    void textBound();
    void saveUnderRegularFile();
    void saveFailingMidwayKeepsOldFile();
    void roundTrip();
    void relocatedProject();
    void readManyPicturesAsOneByOne();
    void unloadedPicturesAreTold_data();
    void unloadedPicturesAreTold();
    void embeddedPreview_data();
    void embeddedPreview();
    void embeddedPreviewOfSavedProject();
    void projectSuffix_data();
    void projectSuffix();
    void saveDialogAsksAboutFinalName_data();
    void saveDialogAsksAboutFinalName();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    void writePicture(const QString& name, const QSize& size, const QColor& color)
    {
        QVERIFY(TestSupport::writeFile(path(name), pngBytes(size, color)));
    }
    // A picture of the canvas, loaded from a file as the user adds one.
    PictureContent* addPicture(Canvas* canvas, const QString& file, const QPoint& pos)
    {
        PictureContent* picture = canvas->createPicture(pos, false);
        if (!picture->loadFromFile(file, true, true, false))
            return nullptr;
        return picture;
    }
    QList<QUrl> recent() const { return Settings::defaultSettings()->recentTessoliaUrls(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Canvas> m_canvas;
};

void TestCollageProjectFile::initTestCase()
{
    QCoreApplication::setApplicationVersion(QStringLiteral("4.2.1"));
    QCoreApplication::setApplicationName(QStringLiteral("Vellumar"));
}

void TestCollageProjectFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_canvas = std::make_unique<Canvas>(72, 72, nullptr);
    for (const QUrl& url : recent())
        Settings::defaultSettings()->removeRecentTessoliaUrl(url);
}

void TestCollageProjectFile::cleanup()
{
    m_canvas.reset();
}

void TestCollageProjectFile::writtenFrame()
{
    writePicture("red.png", QSize(40, 30), Qt::red);
    QVERIFY(addPicture(m_canvas.get(), path("red.png"), QPoint(50, 50)));
    QVERIFY(m_canvas->pendingChanges());

    Answerer answerer;
    const QString file = path("frame.pmp2");
    QVERIFY(CollageProjectFile::saveV2(file, m_canvas.get()));
    QVERIFY(answerer.seen.isEmpty());
    QVERIFY(!m_canvas->pendingChanges());
    QCOMPARE(recent().value(0), QUrl(file, QUrl::TolerantMode));
    QCOMPARE(m_canvas->baseDir().absolutePath(), m_dir->path());

    const QList<QByteArray> lines = fileBytes(file).split('\n');
    QCOMPARE(lines.value(0), QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    // The root on line 2, its one child indented by two spaces below it.
    QVERIFY(lines.value(1).startsWith("<Collage "));
    QVERIFY(lines.value(2).startsWith("  <canvas"));
    QDomDocument document;
    QVERIFY(document.setContent(fileBytes(file)));
    const QDomElement root = document.documentElement();
    QCOMPARE(root.tagName(), QStringLiteral("Collage"));
    QCOMPARE(root.attribute("format"), QStringLiteral("2"));
    QCOMPARE(root.attribute("version"), QStringLiteral("4.2.1"));
    QCOMPARE(root.attributes().count(), 2);
    QCOMPARE(root.childNodes().count(), 1);
    QCOMPARE(root.firstChildElement().tagName(), QStringLiteral("canvas"));
    QVERIFY(!fileBytes(file).contains("<!DOCTYPE"));
}

void TestCollageProjectFile::readRoots_data()
{
    QTest::addColumn<QByteArray>("xml");
    // Each document holds a background of mode 1 (a solid colour) where the
    // canvas is expected to read it; a new canvas has mode 2.
    const QByteArray background = "<background><mode>1</mode></background>";
    QTest::newRow("Collage with canvas") << "<Collage format=\"2\"><canvas>" + background + "</canvas></Collage>";
    QTest::newRow("root canvas") << "<canvas>" + background + "</canvas>";
    QTest::newRow("Collage without canvas") << "<Collage format=\"2\">" + background + "</Collage>";
    QTest::newRow("other root and format") << "<Album format=\"7\">" + background + "</Album>";
    QTest::newRow("canvas not first child")
        << "<Collage><notes/><canvas>" + background + "</canvas><canvas/></Collage>";
}

void TestCollageProjectFile::readRoots()
{
    QFETCH(QByteArray, xml);
    const QString file = path("roots.pmp2");
    QVERIFY(TestSupport::writeFile(file, xml));

    Answerer answerer;
    // The check before opening passes it, silently.
    QVERIFY(CollageProjectFile::check(file));
    QVERIFY(CollageProjectFile::read(file, m_canvas.get(), true));
    QVERIFY(answerer.seen.isEmpty());
    QCOMPARE(recent().value(0), QUrl(file, QUrl::TolerantMode));
    QCOMPARE(m_canvas->baseDir().absolutePath(), m_dir->path());

    QCOMPARE(m_canvas->backColor().mode, 1);
}

void TestCollageProjectFile::readFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("error"); // the text after "The error was: "

    QString emptyError;
    QDomDocument().setContent(QByteArray(), false, &emptyError);
    QString brokenError;
    QDomDocument().setContent(QByteArray("<Collage><canvas></Collage>"), false, &brokenError);

    QTest::newRow("missing file") << "missing.pmp2" << "Loading error" << QString();
    QTest::newRow("folder") << "folder.pmp2" << "Loading error" << QString();
    QTest::newRow("fifo") << "fifo.pmp2" << "Loading error" << QString();
    QTest::newRow("above 64 MiB") << "huge.pmp2" << "Loading error" << QString();
    QTest::newRow("empty file") << "empty.pmp2" << "Parsing error" << emptyError;
    QTest::newRow("malformed") << "broken.pmp2" << "Parsing error" << brokenError;
    QTest::newRow("too deep") << "deep.pmp2" << "Parsing error"
                              << "The document is nested more than 64 levels deep.";
    QTest::newRow("too many elements") << "many.pmp2" << "Parsing error"
                                       << "The document holds more than 250000 elements.";
}

void TestCollageProjectFile::readFailures()
{
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(QString, error);
    const QString file = path(name);
    if (name == "folder.pmp2") {
        QVERIFY(QDir(m_dir->path()).mkdir(name));
    } else if (name == "fifo.pmp2") {
        QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    } else if (name == "huge.pmp2") {
        // Sparse: one byte past the cap costs no disk.
        QFile huge(file);
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.write("<canvas/>") > 0);
        QVERIFY(huge.resize(CollageProjectFile::maxFileBytes + 1));
    } else if (name == "empty.pmp2") {
        QVERIFY(TestSupport::writeFile(file, QByteArray()));
    } else if (name == "broken.pmp2") {
        QVERIFY(TestSupport::writeFile(file, "<Collage><canvas></Collage>"));
    } else if (name == "deep.pmp2") {
        // 65 levels: 64 would still do.
        QVERIFY(TestSupport::writeFile(file, QByteArray("<a>").repeated(65) + QByteArray("</a>").repeated(65)));
    } else if (name == "many.pmp2") {
        QVERIFY(TestSupport::writeFile(file, "<Collage>" + QByteArray("<b/>").repeated(250000) + "</Collage>"));
    }

    // What must survive a failed read.
    writePicture("red.png", QSize(40, 30), Qt::red);
    QVERIFY(addPicture(m_canvas.get(), path("red.png"), QPoint(50, 50)));
    const QDir base = m_canvas->baseDir();
    const QUrl earlier = QUrl(path("earlier.pmp2"), QUrl::TolerantMode);
    Settings::defaultSettings()->addRecentTessoliaUrl(earlier);

    Answerer answerer;
    QVERIFY(!CollageProjectFile::read(file, m_canvas.get(), true));
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen.first().icon, QMessageBox::Critical);
    QCOMPARE(answerer.seen.first().title, title);
    QVERIFY(!answerer.seen.first().parented);
    if (title == "Loading error")
        QCOMPARE(answerer.seen.first().text, "Unable to load the Collage file " + file);
    else
        QCOMPARE(answerer.seen.first().text, "Unable to parse the Collage file " + file + ". The error was: " + error);

    QCOMPARE(m_canvas->contents().size(), 1);
    QVERIFY(m_canvas->pendingChanges());
    QCOMPARE(m_canvas->baseDir(), base);
    QCOMPARE(recent(), QList<QUrl>{earlier});

    // The check before opening refuses it with the same words.
    const Answerer::Seen told = answerer.seen.first();
    answerer.seen.clear();
    QVERIFY(!CollageProjectFile::check(file));
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen.first().title, told.title);
    QCOMPARE(answerer.seen.first().text, told.text);
    QCOMPARE(recent(), QList<QUrl>{earlier});
}

// The text a project may carry, counted in bytes as stored before any
// parser runs: character data (not the white space between elements) and
// CDATA, whatever comments split it; entity declarations are refused.
void TestCollageProjectFile::textBound_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("refusal"); // empty: read
    const qint64 bound = CollageProjectFile::maxTextBytes;
    QCOMPARE(bound, 4LL * 1024 * 1024);
    const QByteArray open = "<Collage format=\"2\"><canvas><content><text><html-text>";
    const QByteArray close = "</html-text></text></content></canvas></Collage>";
    const QString tooMuch = QStringLiteral("The document holds more than 4194304 bytes of text.");
    // "&lt;p&gt;" stands for 3 characters and counts its 9 bytes.
    const QByteArray escaped = QByteArray("&lt;p&gt;").repeated(bound / 9) + QByteArray("x").repeated(bound % 9);
    QTest::newRow("at the bound") << open + escaped + close << QString();
    QTest::newRow("one byte more") << open + escaped + "y" + close << tooMuch;
    QTest::newRow("in two texts") << open + QByteArray(bound / 2, 'a') + "</html-text></text><text><html-text>"
            + QByteArray(bound / 2 + 1, 'b') + close
                                  << tooMuch;
    QTest::newRow("split by comments and CDATA")
        << open + QByteArray(bound / 2, 'a') + "<!-- < > -->" + "<![CDATA[" + QByteArray(bound / 2, '<') + "]]>z" + close
        << tooMuch;
    QTest::newRow("attribute holding >") << "<Collage note=\"a > b\">" + QByteArray(bound, 'c') + "</Collage>" << QString();
    // Indentation between elements is no text.
    QTest::newRow("white space between elements")
        << "<Collage>" + QByteArray(bound, ' ') + "<canvas/>\n\t" + QByteArray(bound, '\n') + "</Collage>" << QString();
    QTest::newRow("entity declared") << QByteArray("<!DOCTYPE Collage [<!ENTITY a \"aaaa\">]><Collage>&a;&a;</Collage>")
                                     << QStringLiteral("The document declares entities, which no project holds.");
    QTest::newRow("parameter entity declared")
        << QByteArray("<!DOCTYPE Collage [ <!-- ] --> <!ENTITY % p \"x\"> ]><Collage/>")
        << QStringLiteral("The document declares entities, which no project holds.");
    QTest::newRow("document type alone") << QByteArray("<!DOCTYPE Collage><Collage/>") << QString();
}

void TestCollageProjectFile::textBound()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, refusal);
    const QString file = path("text.pmp2");
    QVERIFY(TestSupport::writeFile(file, xml));
    Answerer answerer;
    QCOMPARE(CollageProjectFile::check(file), refusal.isEmpty());
    if (refusal.isEmpty()) {
        QVERIFY(answerer.seen.isEmpty());
        return;
    }
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen.first().title, QStringLiteral("Parsing error"));
    QCOMPARE(answerer.seen.first().text, "Unable to parse the Collage file " + file + ". The error was: " + refusal);
    const CollageProjectFile::LoadResult result = CollageProjectFile::load(file, m_canvas.get());
    QCOMPARE(result.status, CollageProjectFile::LoadStatus::CannotParse);
    QCOMPARE(result.error, refusal);
    QVERIFY(m_canvas->contents().isEmpty());
}

void TestCollageProjectFile::saveUnderRegularFile()
{
    // A regular file holds the folder's name (permissions would not stop
    // root).
    QVERIFY(TestSupport::writeFile(path("blocker"), "x"));
    const QString file = path("blocker/album.pmp2");
    writePicture("red.png", QSize(40, 30), Qt::red);
    QVERIFY(addPicture(m_canvas.get(), path("red.png"), QPoint(50, 50)));
    const QDir base = m_canvas->baseDir();

    Answerer answerer;
    QVERIFY(!CollageProjectFile::saveV2(file, m_canvas.get()));
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen.first().icon, QMessageBox::Warning);
    QCOMPARE(answerer.seen.first().title, QStringLiteral("File Error"));
    QCOMPARE(answerer.seen.first().text, "Error saving to the Vellumar file '" + file + "'");
    QVERIFY(!answerer.seen.first().parented);
    QVERIFY(m_canvas->pendingChanges());
    QCOMPARE(m_canvas->baseDir(), base);
    QVERIFY(recent().isEmpty());
}

void TestCollageProjectFile::saveFailingMidwayKeepsOldFile()
{
    const QString file = path("album.pmp2");
    const QByteArray old = "<Collage format=\"2\"><canvas/></Collage>\n";
    QVERIFY(TestSupport::writeFile(file, old));
    writePicture("red.png", QSize(40, 30), Qt::red);
    QVERIFY(addPicture(m_canvas.get(), path("red.png"), QPoint(50, 50)));
    const QUrl earlier = QUrl(path("earlier.pmp2"), QUrl::TolerantMode);
    Settings::defaultSettings()->addRecentTessoliaUrl(earlier);

    // The declaration and root alone pass 64 bytes with this version.
    QCoreApplication::setApplicationVersion(QString(200, QLatin1Char('9')));
    Answerer answerer;
    bool saved = true;
    {
        const FileSizeLimit limit(64);
        saved = CollageProjectFile::saveV2(file, m_canvas.get());
    }
    QCoreApplication::setApplicationVersion(QStringLiteral("4.2.1"));

    QVERIFY(!saved);
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen.first().title, QStringLiteral("File Error"));
    QCOMPARE(fileBytes(file), old);
    // No half-written file left beside it either.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), (QStringList{"album.pmp2", "red.png"}));
    QVERIFY(m_canvas->pendingChanges());
    QCOMPARE(recent(), QList<QUrl>{earlier});
}

void TestCollageProjectFile::roundTrip()
{
    writePicture("back.png", QSize(200, 150), Qt::darkBlue);
    writePicture("red.png", QSize(40, 30), Qt::red);
    PictureContent* back = addPicture(m_canvas.get(), path("back.png"), QPoint(100, 100));
    QVERIFY(back);
    m_canvas->setBackContent(back);
    PictureContent* picture = addPicture(m_canvas.get(), path("red.png"), QPoint(60, 70));
    QVERIFY(picture);
    picture->addEffect(PictureEffect(PictureEffect::Brightness, 30, true));
    picture->addEffect(PictureEffect(PictureEffect::FlipHorizontally, 0, true));
    m_canvas->addTextContent();

    Answerer answerer;
    const QString first = path("first.pmp2");
    const QString second = path("second.pmp2");
    QVERIFY(CollageProjectFile::saveV2(first, m_canvas.get()));
    Canvas reread(72, 72, nullptr);
    QVERIFY(CollageProjectFile::read(first, &reread, false));
    QCOMPARE(reread.contents().size(), m_canvas->contents().size());
    QVERIFY(CollageProjectFile::saveV2(second, &reread));
    QVERIFY(answerer.seen.isEmpty());
    QCOMPARE(QString::fromUtf8(fileBytes(second)), QString::fromUtf8(fileBytes(first)));
}

void TestCollageProjectFile::relocatedProject()
{
    QVERIFY(QDir(m_dir->path()).mkpath("album/pics"));
    writePicture("album/pics/a.png", QSize(40, 30), Qt::green);
    PictureContent* picture = addPicture(m_canvas.get(), path("album/pics/a.png"), QPoint(60, 70));
    QVERIFY(picture);
    picture->addEffect(PictureEffect(PictureEffect::Contrast, 25, true));
    QVERIFY(CollageProjectFile::saveV2(path("album/p.pmp2"), m_canvas.get()));

    // Started elsewhere, folder moved: the picture is found beside the
    // project.
    const QString previousCurrent = QDir::currentPath();
    QVERIFY(QDir(m_dir->path()).mkdir("elsewhere"));
    QVERIFY(QDir::setCurrent(path("elsewhere")));
    QVERIFY(QDir(m_dir->path()).rename("album", "moved"));
    Answerer answerer;
    Canvas moved(72, 72, nullptr);
    const bool read = CollageProjectFile::read(path("moved/p.pmp2"), &moved, false);
    QDir::setCurrent(previousCurrent);
    QVERIFY(read);
    QVERIFY(answerer.seen.isEmpty());
    QCOMPARE(moved.contents().size(), 1);
    auto* found = qobject_cast<PictureContent*>(moved.contents().first());
    QVERIFY(found && !found->isPlaceholder());

    // Deleted: a placeholder, one message naming it, and a new save keeps
    // the picture's files and effects.
    QVERIFY(QFile::remove(path("moved/pics/a.png")));
    Canvas missing(72, 72, nullptr);
    QVERIFY(CollageProjectFile::read(path("moved/p.pmp2"), &missing, false));
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen.first().title, QStringLiteral("Missing pictures"));
    QCOMPARE(answerer.seen.first().text,
        "Some pictures of the Collage file " + path("moved/p.pmp2")
            + " were not found. They keep their place and are saved with the project.");
    QVERIFY(answerer.seen.first().details.split('\n').contains("Not found: " + path("moved/pics/a.png")));
    QVERIFY(!answerer.seen.first().parented);
    QCOMPARE(missing.contents().size(), 1);
    auto* placeholder = qobject_cast<PictureContent*>(missing.contents().first());
    QVERIFY(placeholder && placeholder->isPlaceholder());

    QVERIFY(CollageProjectFile::saveV2(path("moved/again.pmp2"), &missing));
    QDomDocument before;
    QDomDocument after;
    QVERIFY(before.setContent(fileBytes(path("moved/p.pmp2"))));
    QVERIFY(after.setContent(fileBytes(path("moved/again.pmp2"))));
    auto pictureXml = [](const QDomDocument& document) {
        QString text;
        QTextStream stream(&text);
        document.documentElement().firstChildElement("canvas").firstChildElement("content").firstChildElement().save(
            stream, 1);
        return text;
    };
    QCOMPARE(pictureXml(after), pictureXml(before));
}

// Every picture's file is decoded ahead while the project is read; the
// canvas must come out as reading them one at a time gave: the same
// contents in document order, the same pixels (orientation applied), the
// same fallbacks from a damaged or missing file to the next, placeholders
// for missing, damaged and FIFO files, and one message naming them in
// document order.
void TestCollageProjectFile::readManyPicturesAsOneByOne()
{
    writePicture("red.png", QSize(40, 30), Qt::red);
    QVERIFY(QDir(m_dir->path()).mkdir("pics"));
    writePicture("pics/rel.png", QSize(16, 12), Qt::blue);
    {
        // Stored 40 x 20, orientation 6: shown 20 x 40.
        QImage stored(40, 20, QImage::Format_RGB32);
        stored.fill(Qt::yellow);
        QImageWriter writer(path("turned.jpg"));
        writer.setTransformation(QImageIOHandler::TransformationRotate90);
        QVERIFY(writer.write(stored));
        // A real JPEG cut in half.
        QImage noise(64, 48, QImage::Format_RGB32);
        for (int y = 0; y < noise.height(); ++y)
            for (int x = 0; x < noise.width(); ++x)
                noise.setPixel(x, y, qRgb((x * 37 + y * 11) & 0xff, (x * y) & 0xff, (x ^ y) * 4 & 0xff));
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(noise.save(&buffer, "JPEG", 90));
        QVERIFY(TestSupport::writeFile(path("damaged.jpg"), jpeg.left(jpeg.size() / 2)));
        QVERIFY(IQImageIO::readImage(path("damaged.jpg")).isNull());
    }
    QCOMPARE(::mkfifo(QFile::encodeName(path("fifo.png")).constData(), 0600), 0);

    const auto url = [this](const char* name) -> QString { return "<fileUrl>" + path(name) + "</fileUrl>"; };
    const QList<QByteArray> elements {
        pictureElement(30, url("red.png")),
        "<text><html-text>between</html-text></text>",
        pictureElement(60, url("gone.png")),
        pictureElement(90, url("damaged.jpg")),
        "<sticker/>",
        pictureElement(120, url("turned.jpg"), true),
        pictureElement(150, url("fifo.png") + "<relativeFilePath>gone2.png</relativeFilePath>"),
        pictureElement(180, url("gone3.png") + "<relativeFilePath>pics/rel.png</relativeFilePath>"),
        pictureElement(210, url("damaged.jpg") + url("red.png")),
        pictureElement(240, url("red.png")),
    };
    const QString file = path("many.pmp2");
    QVERIFY(TestSupport::writeFile(file,
        "<?xml version=\"1.0\"?>\n<Collage format=\"2\" version=\"1\"><canvas><content>" + elements.join()
            + "</content></canvas></Collage>"));

    Answerer answerer;
    QTest::ignoreMessage(QtWarningMsg, "Canvas::fromXml: unknown content type 'sticker'");
    QVERIFY(CollageProjectFile::read(file, m_canvas.get(), false));

    // Worked out by hand: what is shown, what stays a placeholder, which
    // files each picture records.
    struct Expected
    {
        int x; // 0: the text
        QSize size; // invalid: a placeholder
        QStringList files;
    };
    const QList<Expected> expected {
        {30, QSize(40, 30), {path("red.png")}},
        {0, QSize(), {}},
        {60, QSize(), {path("gone.png")}},
        {90, QSize(), {path("damaged.jpg")}},
        {120, QSize(20, 40), {path("turned.jpg")}},
        {150, QSize(), {path("fifo.png")}},
        {180, QSize(16, 12), {path("gone3.png"), path("pics/rel.png")}},
        {210, QSize(40, 30), {path("damaged.jpg"), path("red.png")}},
        {240, QSize(40, 30), {path("red.png")}},
    };
    const QList<AbstractContent*> contents = m_canvas->contents();
    QCOMPARE(contents.size(), expected.size());
    QGraphicsScene scene;
    int pictureIndex = 0;
    for (int i = 0; i < contents.size(); ++i) {
        const QByteArray rowName = "content " + QByteArray::number(i);
        const char* const row = rowName.constData();
        auto* picture = qobject_cast<PictureContent*>(contents.at(i));
        QVERIFY2((picture != nullptr) == (expected.at(i).x != 0), row);
        if (!picture)
            continue;
        QVERIFY2(picture->pos().x() == expected.at(i).x, row);
        QVERIFY2(picture->isPlaceholder() == !expected.at(i).size.isValid(), row);
        QVERIFY2(!picture->photo() == !expected.at(i).size.isValid(), row);
        if (picture->photo())
            QVERIFY2(picture->photo()->size() == expected.at(i).size, row);
        QVERIFY2(picture->filePaths() == expected.at(i).files, row);

        // The same element read alone, decoding on this thread.
        while (elements.at(pictureIndex).startsWith("<text") || elements.at(pictureIndex).startsWith("<sticker"))
            ++pictureIndex;
        QDomDocument one;
        QVERIFY(one.setContent(elements.at(pictureIndex++)));
        QDomElement element = one.documentElement();
        PictureContent alone(false, &scene, 0);
        alone.fromXml(element, QDir(m_dir->path()));
        QVERIFY2(alone.isPlaceholder() == picture->isPlaceholder(), row);
        QVERIFY2(alone.filePaths() == picture->filePaths(), row);
        QVERIFY2(alone.missingPaths() == picture->missingPaths(), row);
        QVERIFY2(alone.effects().size() == picture->effects().size(), row);
        QVERIFY2(alone.pendingEffects().size() == picture->pendingEffects().size(), row);
        QVERIFY2(shownPixels(&alone) == shownPixels(picture), row);
    }
    QCOMPARE(m_canvas->backContent(), contents.at(4));

    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen.first().title, QStringLiteral("Pictures not loaded"));
    QCOMPARE(answerer.seen.first().text,
        "Some pictures of the Collage file " + file
            + " were not found or could not be read. They keep their place and are saved with the project.");
    QCOMPARE(answerer.seen.first().details,
        QStringList({"Not found: " + path("gone.png"),
                        "Cannot be read: " + path("damaged.jpg") + " (The file is damaged or incomplete.)",
                        "Cannot be read: " + path("fifo.png") + " (It is not a regular file.)",
                        "Not found: " + path("gone2.png")})
            .join('\n'));
    QVERIFY(!answerer.seen.first().parented);
}

// A file that is gone and one that is there but holds no picture are told
// apart, in the title, the text and each line of the details.
void TestCollageProjectFile::unloadedPicturesAreTold_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("details");
    const QString keep = QStringLiteral(" They keep their place and are saved with the project.");
    QTest::newRow("missing") << QStringList{"gone.png"} << "Missing pictures"
                             << "Some pictures of the Collage file %1 were not found." + keep
                             << QStringList{"Not found: %2/gone.png"};
    QTest::newRow("no picture") << QStringList{"notes.png"} << "Pictures not loaded"
                                << "Some pictures of the Collage file %1 could not be read." + keep
                                << QStringList{"Cannot be read: %2/notes.png (Unsupported image format)"};
    QTest::newRow("both") << QStringList{"notes.png", "gone.png"} << "Pictures not loaded"
                          << "Some pictures of the Collage file %1 were not found or could not be read." + keep
                          << QStringList{"Cannot be read: %2/notes.png (Unsupported image format)",
                                 "Not found: %2/gone.png"};
}

void TestCollageProjectFile::unloadedPicturesAreTold()
{
    QFETCH(QStringList, files);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QStringList, details);
    QVERIFY(TestSupport::writeFile(path("notes.png"), "a text, not a picture\n"));
    QByteArray elements;
    for (int i = 0; i < files.size(); ++i)
        elements += pictureElement(30 * (i + 1), "<fileUrl>" + path(files.at(i)) + "</fileUrl>");
    const QString file = path("p.pmp2");
    QVERIFY(TestSupport::writeFile(
        file, "<Collage format=\"2\" version=\"1\"><canvas><content>" + elements + "</content></canvas></Collage>"));

    Answerer answerer;
    QVERIFY(CollageProjectFile::read(file, m_canvas.get(), false));
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen.first().title, title);
    QCOMPARE(answerer.seen.first().text, text.arg(file));
    QCOMPARE(answerer.seen.first().details, details.join('\n').replace("%2", m_dir->path()));
    QCOMPARE(m_canvas->contents().size(), files.size());
}

void TestCollageProjectFile::embeddedPreview_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QSize>("expected"); // invalid: a null image

    const QByteArray small = pngBytes(QSize(48, 36), Qt::magenta).toBase64();
    QTest::newRow("stored preview") << projectWithPreview(small) << QSize(48, 36);
    QTest::newRow("largest allowed") << projectWithPreview(pngBytes(QSize(1024, 1), Qt::magenta).toBase64())
                                     << QSize(1024, 1);
    QTest::newRow("wider than 1024") << projectWithPreview(pngBytes(QSize(1025, 1), Qt::magenta).toBase64()) << QSize();
    QTest::newRow("taller than 1024") << projectWithPreview(pngBytes(QSize(1, 1025), Qt::magenta).toBase64()) << QSize();
    QTest::newRow("not a PNG") << projectWithPreview(QByteArray("GIF89a").toBase64()) << QSize();
    QTest::newRow("no preview") << QByteArray("<Collage><canvas><content/></canvas></Collage>") << QSize();
    QTest::newRow("preview outside canvas")
        << QByteArray("<Collage><preview>" + small + "</preview></Collage>") << QSize();
    QTest::newRow("root canvas") << QByteArray("<canvas><preview>" + small + "</preview></canvas>") << QSize();
    QTest::newRow("malformed") << QByteArray("<Collage><canvas><preview>") << QSize();
    QTest::newRow("empty") << QByteArray() << QSize();
}

void TestCollageProjectFile::embeddedPreview()
{
    QFETCH(QByteArray, content);
    QFETCH(QSize, expected);
    const QString file = path("preview.pmp2");
    QVERIFY(TestSupport::writeFile(file, content));
    Answerer answerer;
    const QImage preview = CollageProjectFile::embeddedPreview(file);
    QVERIFY(answerer.seen.isEmpty());
    if (!expected.isValid()) {
        QVERIFY(preview.isNull());
        return;
    }
    QCOMPARE(preview.size(), expected);
    QCOMPARE(preview.pixelColor(0, 0), QColor(Qt::magenta));
}

void TestCollageProjectFile::embeddedPreviewOfSavedProject()
{
    QVERIFY(CollageProjectFile::embeddedPreview(path("missing.pmp2")).isNull());
    m_canvas->resize(QSize(480, 320));
    writePicture("red.png", QSize(40, 30), Qt::red);
    QVERIFY(addPicture(m_canvas.get(), path("red.png"), QPoint(50, 50)));
    QVERIFY(CollageProjectFile::saveV2(path("saved.pmp2"), m_canvas.get()));
    const QImage preview = CollageProjectFile::embeddedPreview(path("saved.pmp2"));
    QCOMPARE(preview.size(), QSize(48, 48));
}

void TestCollageProjectFile::projectSuffix_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no suffix") << "/p/party" << "/p/party.pmp2";
    QTest::newRow("suffix") << "/p/party.pmp2" << "/p/party.pmp2";
    QTest::newRow("capitals") << "/p/party.PMP2" << "/p/party.PMP2";
    QTest::newRow("mixed case") << "/p/party.pMp2" << "/p/party.pMp2";
    QTest::newRow("shorter form") << "/p/party.pmp" << "/p/party.pmp.pmp2";
    QTest::newRow("other suffix") << "/p/party.xml" << "/p/party.xml.pmp2";
}

void TestCollageProjectFile::projectSuffix()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(CollageProjectFile::withProjectSuffix(name), expected);
}

void TestCollageProjectFile::saveDialogAsksAboutFinalName_data()
{
    QTest::addColumn<QString>("typed"); // empty: cancelled
    QTest::addColumn<int>("answer");    // to the overwrite question
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("expected");
    QTest::newRow("existing without suffix, replace")
        << "party" << int(QMessageBox::Yes) << true << "party.pmp2";
    QTest::newRow("existing without suffix, keep") << "party" << int(QMessageBox::No) << true << "";
    QTest::newRow("existing with suffix, replace")
        << "party.pmp2" << int(QMessageBox::Yes) << true << "party.pmp2";
    QTest::newRow("new name") << "fresh" << int(QMessageBox::No) << false << "fresh.pmp2";
    QTest::newRow("cancelled") << "" << int(QMessageBox::Yes) << false << "";
}

void TestCollageProjectFile::saveDialogAsksAboutFinalName()
{
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(QString, expected);
    QVERIFY(TestSupport::writeFile(path("party.pmp2"), "<Collage/>"));
    QVERIFY(QDir(m_dir->path()).mkdir("projects"));
    Settings* settings = Settings::defaultSettings();
    settings->setSaveCollageProjectDir(path("projects"));

    Answerer answerer;
    answerer.questionAnswer = QMessageBox::StandardButton(answer);
    QString title;
    QString startDir;
    QStringList filters;
    answerer.onDialog = [&](QDialog* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        if (!files)
            return int(QDialog::Rejected);
        title = files->windowTitle();
        startDir = files->directory().absolutePath();
        filters = files->nameFilters();
        if (typed.isEmpty())
            return int(QDialog::Rejected);
        files->selectFile(path(typed));
        QMetaObject::invokeMethod(files, "accept");
        return files->result();
    };
    const QString chosen = CollageProjectFile::getSaveCollageProjectFile();

    QCOMPARE(title, QStringLiteral("Select the Collage file"));
    QCOMPARE(startDir, path("projects"));
    QCOMPARE(filters, QStringList{"Collage (*.pmp2)"});
    QCOMPARE(chosen, expected.isEmpty() ? QString() : path(expected));
    const bool questioned = answerer.seen.size() > 1;
    QCOMPARE(questioned, asked);
    if (asked) {
        QCOMPARE(answerer.seen.at(1).kind, ModalPrompts::Kind::Question);
        QCOMPARE(answerer.seen.at(1).text, QStringLiteral("party.pmp2 already exists.\nDo you want to replace it?"));
    }
    // The folder is remembered only when a name came back.
    QCOMPARE(settings->saveCollageProjectDir(), chosen.isEmpty() ? path("projects") : m_dir->path());
}

QTEST_MAIN(TestCollageProjectFile)
#include "tst_collageprojectfile.moc"
