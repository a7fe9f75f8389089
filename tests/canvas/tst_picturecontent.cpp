#include "appframe/ModalPrompts.h"
#include "canvas/CPixmap.h"
#include "canvas/FinetuneWidget.h"
#include "canvas/PictureContent.h"
#include "canvas/PicturePrefetch.h"
#include "canvas/PictureProperties.h"
#include "canvas/RenderOpts.h"
#include "widgets/QContinuesSlider.h"

#include <QDir>
#include <QDomDocument>
#include <QGraphicsScene>
#include <QImageWriter>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

QDomElement newElement(QDomDocument& doc)
{
    QDomElement element = doc.createElement(QStringLiteral("content"));
    doc.appendChild(element);
    return element;
}

// The element as the picture writes it.
QString written(const PictureContent& picture, const QDir& projectDir)
{
    QDomDocument doc;
    QDomElement element = newElement(doc);
    picture.toXml(element, projectDir);
    return doc.toString(1);
}

// The picture's own children (after the common ones), as tag=text.
QStringList pictureChildren(const QString& xml)
{
    QDomDocument doc;
    doc.setContent(xml);
    QStringList out;
    for (QDomElement child = doc.documentElement().firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        if (tag == QLatin1String("relativeFilePath") || tag == QLatin1String("fileUrl") || tag == QLatin1String("path"))
            out << tag + QLatin1Char('=') + child.text();
        else if (tag == QLatin1String("effects"))
            out << tag + QLatin1Char('#') + QString::number(child.childNodes().count());
    }
    return out;
}

QString pictureXml(const QString& children)
{
    return QStringLiteral("<picture><rect><x>-50</x><y>-40</y><w>100</w><h>80</h></rect>"
                          "<pos><x>10</x><y>20</y></pos><zvalue>1</zvalue><visible>1</visible>%1</picture>")
        .arg(children);
}

bool readXml(PictureContent& picture, const QString& xml, const QDir& projectDir)
{
    QDomDocument doc;
    doc.setContent(xml);
    QDomElement element = doc.documentElement();
    return picture.fromXml(element, projectDir);
}

QString writeImage(const QDir& dir, const QString& name, const QSize& size, const QColor& color)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    const QString path = dir.filePath(name);
    if (!image.save(path))
        return QString();
    return path;
}

// Black and white squares of 3 pixels: a plain painter stretch and a smooth
// reduction give visibly different pixels.
QImage checker(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, ((x / 3 + y / 3) % 2) ? 0xffffffff : 0xff000000);
    return image;
}

const char* const kSpinBoxes[FinetuneWidget::TypeCount] = {"saturationSpinBox", "contrastSpinBox",
    "brightnessSpinBox", "sharpnessSpinBox", "temperatureSpinBox", "tintSpinBox"};

// The "Fine-tuning" section of the picture's panel; the caller owns it.
PictureProperties* finetunePanel(PictureContent& picture)
{
    const QMap<QString, QWidget*> sections = picture.createContentWidget();
    if (sections.size() != 1 || !sections.contains(QStringLiteral("Fine-tuning"))) {
        qDeleteAll(sections);
        return nullptr;
    }
    return qobject_cast<PictureProperties*>(sections.first());
}

QList<int> rowValues(PictureProperties* panel)
{
    QList<int> values;
    for (const char* name : kSpinBoxes)
        values << panel->findChild<QSpinBox*>(QLatin1String(name))->value();
    return values;
}

// Whether the sliders announce during a drag; -1 when they disagree.
int slidersLive(PictureProperties* panel)
{
    const QList<QContinuesSlider*> sliders = panel->findChildren<QContinuesSlider*>();
    if (sliders.size() != FinetuneWidget::TypeCount)
        return -1;
    for (QContinuesSlider* slider : sliders)
        if (slider->acceptContinuesValue != sliders.first()->acceptContinuesValue)
            return -1;
    return sliders.first()->acceptContinuesValue ? 1 : 0;
}

} // namespace

class PictureContentTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_scene = new QGraphicsScene;
    }
    void cleanup()
    {
        delete m_scene;
        m_scene = nullptr;
    }

    void loadFitsRatioAndRecordsPath()
    {
        PictureContent picture(false, m_scene, 0);
        QCOMPARE(picture.contentHeightForWidth(100), -1);
        QVERIFY(!picture.effects().size());
        const QString path = writeImage(m_dir.path(), QStringLiteral("wide.png"), QSize(300, 100), Qt::red);
        QVERIFY(picture.loadFromFile(path, true, true, false));
        QCOMPARE(picture.filePaths(), QStringList{QDir(path).canonicalPath()});
        // 100 high per 300 wide: 200 wide gives 200 * 100 / 300 = 66 (truncated).
        QCOMPARE(picture.contentHeightForWidth(200), 66);
        QCOMPARE(picture.contentRect().height(), 66);
        QVERIFY(picture.contentOpaque());
        QCOMPARE(picture.effects().size(), 9);
        QCOMPARE(picture.contentName(), QStringLiteral("Picture"));
    }

    void heightForWidthIn64Bits()
    {
        PictureContent picture(false, m_scene, 0);
        QImage tall(1, 40000, QImage::Format_RGB32);
        tall.fill(Qt::blue);
        QVERIFY(picture.loadFromFile(QString(), tall, false, false, false));
        // 40000 * 100000 / 1 = 4e9, past the int range: held to its top.
        QCOMPARE(picture.contentHeightForWidth(100000), std::numeric_limits<int>::max());
        QCOMPARE(picture.contentHeightForWidth(3), 120000);
    }

    void failedLoadChangesNothing()
    {
        PictureContent picture(false, m_scene, 0);
        const QString good = writeImage(m_dir.path(), QStringLiteral("good.png"), QSize(40, 20), Qt::red);
        QVERIFY(picture.loadFromFile(good, true, true, false));
        CPixmap* before = picture.photo();
        const QRect rect = picture.contentRect();
        QFile bad(QDir(m_dir.path()).filePath(QStringLiteral("bad.png")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("\x89PNG\r\n\x1a\n garbage");
        bad.close();
        QVERIFY(!picture.loadFromFile(bad.fileName(), true, true, false));
        QCOMPARE(picture.photo(), before);
        QCOMPARE(picture.contentRect(), rect);
        QCOMPARE(picture.filePaths(), QStringList{QDir(good).canonicalPath()});
    }

    void roundTrip()
    {
        const QDir project(m_dir.path());
        const QString path = writeImage(project, QStringLiteral("photo.png"), QSize(60, 30), Qt::green);
        PictureContent picture(false, m_scene, 0);
        QVERIFY(picture.loadFromFile(path, true, true, false));
        picture.addEffect(PictureEffect(PictureEffect::Brightness, 40));
        picture.waitForRender();
        const QString xml = written(picture, project);
        QCOMPARE(pictureChildren(xml),
            (QStringList{QStringLiteral("relativeFilePath=photo.png"),
                QStringLiteral("fileUrl=") + QDir(path).canonicalPath(), QStringLiteral("effects#9")}));

        PictureContent reread(false, m_scene, 0);
        QVERIFY(readXml(reread, xml, project));
        reread.waitForRender();
        QCOMPARE(reread.effects().at(2)->param, 40.0);
        QVERIFY(reread.effects().at(2)->enable);
        QVERIFY(reread.pendingEffects().isEmpty());
        QCOMPARE(written(reread, project), xml);
    }

    void remotePaths_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("https upper") << QStringLiteral("HTTPS://example.org/a.png");
        QTest::newRow("http") << QStringLiteral("http://example.org/a.png");
        QTest::newRow("ftp mixed") << QStringLiteral("Ftp://example.org/a.png");
    }
    void remotePaths()
    {
        QFETCH(QString, path);
        // A remote address is never fetched; written as fileUrl only.
        PictureContent picture(false, m_scene, 0);
        QVERIFY(!readXml(picture, pictureXml(QStringLiteral("<fileUrl>%1</fileUrl><effects/>").arg(path)),
            QDir(m_dir.path())));
        QCOMPARE(pictureChildren(written(picture, QDir(m_dir.path()))),
            (QStringList{QStringLiteral("fileUrl=") + path, QStringLiteral("effects#0")}));
    }

    void withoutPathsOnlyEffects()
    {
        PictureContent picture(false, m_scene, 0);
        QImage image(10, 10, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QVERIFY(picture.loadFromFile(QStringLiteral("memory"), image, false, false, false));
        QVERIFY(!picture.contentOpaque());
        QCOMPARE(pictureChildren(written(picture, QDir(m_dir.path()))), QStringList{QStringLiteral("effects#9")});
    }

    void sourcePrecedence_data()
    {
        QTest::addColumn<QString>("children");
        QTest::addColumn<QString>("expectedFile");
        QTest::addColumn<QStringList>("expectedPaths");
        const QString a = QDir(m_dir.path()).filePath(QStringLiteral("a.png"));
        const QString b = QDir(m_dir.path()).filePath(QStringLiteral("b.png"));
        const QString gone = QDir(m_dir.path()).filePath(QStringLiteral("gone.png"));
        QTest::newRow("first fileUrl missing")
            << QStringLiteral("<fileUrl>%1</fileUrl><fileUrl>%2</fileUrl>").arg(gone, b) << QStringLiteral("b")
            << QStringList{gone, b};
        QTest::newRow("path ignored beside fileUrl")
            << QStringLiteral("<path>%1</path><fileUrl>%2</fileUrl>").arg(a, b) << QStringLiteral("b")
            << QStringList{b};
        QTest::newRow("legacy path") << QStringLiteral("<path>%1</path>").arg(a) << QStringLiteral("a")
                                     << QStringList{a};
        QTest::newRow("http then relative")
            << QStringLiteral("<relativeFilePath>a.png</relativeFilePath><fileUrl>http://x/a.png</fileUrl>")
            << QStringLiteral("a") << QStringList{QStringLiteral("http://x/a.png"), a};
    }
    void sourcePrecedence()
    {
        QFETCH(QString, children);
        QFETCH(QString, expectedFile);
        QFETCH(QStringList, expectedPaths);
        const QDir project(m_dir.path());
        // a is 20 wide, b 30 wide: the width tells which file loaded.
        writeImage(project, QStringLiteral("a.png"), QSize(20, 10), Qt::red);
        writeImage(project, QStringLiteral("b.png"), QSize(30, 10), Qt::blue);
        PictureContent picture(false, m_scene, 0);
        QVERIFY(readXml(picture, pictureXml(children + QStringLiteral("<effects/>")), project));
        QCOMPARE(picture.photo()->width(), expectedFile == QLatin1String("a") ? 20 : 30);
        QCOMPARE(picture.filePaths(), expectedPaths);
        QVERIFY(!picture.isPlaceholder());
    }

    void placeholderKeepsElement()
    {
        QTemporaryDir projectDir;
        const QDir project(projectDir.path());
        const QString path = project.filePath(QStringLiteral("later.png"));
        const QString children = QStringLiteral("<relativeFilePath>later.png</relativeFilePath>"
                                                "<fileUrl>%1</fileUrl><effects>"
                                                "<effect type=\"17\" param=\"30\" enable=\"1\"/>"
                                                "<effect type=\"1\" param=\"0\" enable=\"1\"/></effects>")
                                     .arg(path);
        const QString xml = pictureXml(children);
        PictureContent missing(false, m_scene, 0);
        QVERIFY(!readXml(missing, xml, project));
        QVERIFY(missing.isPlaceholder());
        QCOMPARE(missing.missingPaths(), (QStringList{path, QStringLiteral("later.png")}));
        QCOMPARE(missing.pendingEffects().size(), 2);
        const QString rewritten = written(missing, project);
        QCOMPARE(pictureChildren(rewritten), pictureChildren(xml));
        {
            QDomDocument doc;
            doc.setContent(rewritten);
            const QDomElement first =
                doc.documentElement().firstChildElement(QStringLiteral("effects")).firstChildElement();
            QCOMPARE(first.attribute(QStringLiteral("type")), QStringLiteral("17"));
            QCOMPARE(first.attribute(QStringLiteral("param")), QStringLiteral("30"));
            QCOMPARE(first.attribute(QStringLiteral("enable")), QStringLiteral("1"));
        }
        // The placeholder draws a grey box.
        const QPixmap drawn = missing.toPixmap(QSize(40, 40), Qt::IgnoreAspectRatio);
        QVERIFY(!drawn.isNull());

        // With the file back, the same element loads with its effects.
        writeImage(project, QStringLiteral("later.png"), QSize(20, 20), QColor(100, 100, 100));
        PictureContent restored(false, m_scene, 0);
        QVERIFY(readXml(restored, rewritten, project));
        restored.waitForRender();
        QVERIFY(!restored.isPlaceholder());
        QCOMPARE(restored.effects().at(2)->param, 30.0);
        QVERIFY(restored.effects().at(6)->enable);
    }

    void opacityFromFileHeld_data()
    {
        QTest::addColumn<QString>("param");
        QTest::addColumn<double>("opacity");
        QTest::newRow("half") << QStringLiteral("0.5") << 0.5;
        QTest::newRow("above") << QStringLiteral("7") << 1.0;
        QTest::newRow("below") << QStringLiteral("-3") << 0.0;
        QTest::newRow("nan") << QStringLiteral("nan") << 1.0;
    }
    void opacityFromFileHeld()
    {
        QFETCH(QString, param);
        QFETCH(double, opacity);
        // Also when the picture itself cannot be loaded.
        PictureContent picture(false, m_scene, 0);
        QVERIFY(!readXml(picture,
            pictureXml(QStringLiteral("<effects><effect type=\"7\" param=\"%1\" enable=\"1\"/></effects>").arg(param)),
            QDir(m_dir.path())));
        QCOMPARE(picture.contentOpacity(), opacity);
    }

    void dropReplaces()
    {
        const QDir project(m_dir.path());
        const QString first = writeImage(project, QStringLiteral("first.png"), QSize(40, 40), Qt::red);
        const QString second = writeImage(project, QStringLiteral("second.png"), QSize(80, 40), Qt::blue);
        QFile bad(project.filePath(QStringLiteral("broken.jpg")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a picture");
        bad.close();

        PictureContent picture(false, m_scene, 0);
        QVERIFY(readXml(picture,
            pictureXml(QStringLiteral("<relativeFilePath>first.png</relativeFilePath><fileUrl>%1</fileUrl>"
                                      "<effects><effect type=\"15\" param=\"50\" enable=\"1\"/></effects>")
                           .arg(first)),
            project));
        const QPointF pos = picture.pos();
        CPixmap* before = picture.photo();
        QSignalSpy edited(&picture, &AbstractContent::contentEdited);

        // Unreadable and missing files change nothing.
        QVERIFY(!picture.dropUrls({QUrl::fromLocalFile(bad.fileName()),
            QUrl::fromLocalFile(project.filePath(QStringLiteral("none.png")))}));
        QCOMPARE(picture.photo(), before);
        QCOMPARE(edited.count(), 0);

        // Several URLs: the first that loads wins.
        QVERIFY(picture.dropUrls({QUrl::fromLocalFile(bad.fileName()), QUrl::fromLocalFile(second),
            QUrl::fromLocalFile(first)}));
        QCOMPARE(picture.photo()->width(), 80);
        QCOMPARE(picture.pos(), pos);
        // 80 x 40 fitted to the 100 wide rectangle: 100 * 40 / 80 = 50.
        QCOMPARE(picture.contentRect().height(), 50);
        QVERIFY(!picture.effects().at(0)->enable);
        // The new ratio reports too; at least one edit is announced.
        QVERIFY(edited.count() >= 1);
        // The replaced file's relative path goes with it.
        QVERIFY(picture.relativeFilePath().isEmpty());
        QCOMPARE(pictureChildren(written(picture, project)),
            (QStringList{QStringLiteral("relativeFilePath=second.png"),
                QStringLiteral("fileUrl=") + QDir(second).canonicalPath(), QStringLiteral("effects#9")}));
    }

    // A project read hands the picture what a render thread decoded: that
    // image is shown, a failure there counts as the file failing (the next
    // file is tried), and the prefetch serves one read only.
    void prefetchedFilesTaken()
    {
        const QDir project(m_dir.path());
        const QString a = writeImage(project, QStringLiteral("a.png"), QSize(20, 10), Qt::red);
        const QString b = writeImage(project, QStringLiteral("b.png"), QSize(30, 10), Qt::blue);
        const QString xml =
            pictureXml(QStringLiteral("<fileUrl>%1</fileUrl><fileUrl>%2</fileUrl><effects/>").arg(a, b));
        // Stands in for the reader: a 7 x 3 picture tells it was used; "a"
        // fails to decode.
        const PicturePrefetch::Decoder decoder = [a](const QString& path, QString*) {
            return path == a ? QImage() : QImage(7, 3, QImage::Format_RGB32);
        };
        QDomDocument doc;
        doc.setContent(xml);
        QDomElement element = doc.documentElement();

        PictureContent picture(false, m_scene, 0);
        picture.setPrefetch(
            std::make_shared<PicturePrefetch>(PictureContent::fileCandidates(element, project), decoder));
        QVERIFY(picture.fromXml(element, project));
        QCOMPARE(picture.photo()->size(), QSize(7, 3));
        QCOMPARE(picture.filePaths(), (QStringList{a, b}));

        // Read again: the files themselves, "a" first.
        QVERIFY(picture.fromXml(element, project));
        QCOMPARE(picture.photo()->size(), QSize(20, 10));
    }

    void orientationApplied()
    {
        // 40 x 20 stored, orientation 6 (turn 90 degrees clockwise): shown
        // 20 x 40, whether added or reopened.
        const QString path = QDir(m_dir.path()).filePath(QStringLiteral("turned.jpg"));
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::white);
        QImageWriter writer(path);
        writer.setTransformation(QImageIOHandler::TransformationRotate90);
        QVERIFY(writer.write(image));

        PictureContent added(false, m_scene, 0);
        QVERIFY(added.loadFromFile(path, true, true, false));
        QCOMPARE(added.photo()->size(), QSize(20, 40));
        PictureContent reopened(false, m_scene, 0);
        QVERIFY(readXml(reopened, written(added, QDir(m_dir.path())), QDir(m_dir.path())));
        QCOMPARE(reopened.photo()->size(), QSize(20, 40));
    }

    void opacityEffect()
    {
        PictureContent picture(false, m_scene, 0);
        picture.addEffect(PictureEffect(PictureEffect::Opacity, 0.3));
        QCOMPARE(picture.contentOpacity(), 1.0); // no photo: nothing happens
        QImage image(10, 10, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(picture.loadFromFile(QString(), image, false, false, false));
        QSignalSpy edited(&picture, &AbstractContent::contentEdited);
        picture.addEffect(PictureEffect(PictureEffect::Opacity, 0.3));
        QCOMPARE(picture.contentOpacity(), 0.3);
        QCOMPARE(picture.effects().at(8)->param, 0.3);
        QVERIFY(edited.count() >= 1);
    }

    void keepRatioDrawing()
    {
        // A 200 x 100 red photo kept in ratio in a 100 x 100 target: drawn
        // 100 x 50, offset (100 - 50) / 2 = 25 from the top.
        PictureContent picture(false, m_scene, 0);
        QImage image(200, 100, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(picture.loadFromFile(QString(), image, false, false, false));
        QImage out(100, 100, QImage::Format_ARGB32_Premultiplied);
        out.fill(Qt::transparent);
        {
            QPainter painter(&out);
            picture.drawContent(&painter, QRect(0, 0, 100, 100), Qt::KeepAspectRatio);
        }
        QCOMPARE(out.pixelColor(50, 24).alpha(), 0);
        QCOMPARE(out.pixelColor(50, 26), QColor(Qt::red));
        QCOMPARE(out.pixelColor(50, 73), QColor(Qt::red));
        QCOMPARE(out.pixelColor(50, 76).alpha(), 0);
    }

    void contextMenu_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QByteArray>("signal");
        QTest::newRow("flip h") << 5 << QByteArray(SIGNAL(flipHorizontally()));
        QTest::newRow("flip v") << 6 << QByteArray(SIGNAL(flipVertically()));
        QTest::newRow("remove") << 8 << QByteArray(SIGNAL(requestRemoval()));
        QTest::newRow("to front") << 0 << QByteArray(SIGNAL(changeStack(int)));
        QTest::newRow("to back") << 3 << QByteArray(SIGNAL(changeStack(int)));
    }
    void contextMenu()
    {
        QFETCH(int, choice);
        QFETCH(QByteArray, signal);
        PictureContent picture(false, m_scene, 0);
        QStringList texts;
        QList<bool> separators;
        ModalPrompts::ScopedResponder responder([&](const ModalPrompts::Request& request) {
            texts = request.actionTexts;
            for (QAction* action : request.menu->actions())
                separators << action->isSeparator();
            return choice;
        });
        QSignalSpy spy(&picture, signal.constData());
        picture.showContextMenu(QPoint(10, 10));
        QCOMPARE(texts,
            (QStringList{QStringLiteral("To Front"), QStringLiteral("Raise"), QStringLiteral("Lower"),
                QStringLiteral("To Back"), QString(), QStringLiteral("Flip H"), QStringLiteral("Flip V"), QString(),
                QStringLiteral("Remove")}));
        QCOMPARE(separators, (QList<bool>{false, false, false, false, true, false, false, true, false}));
        QCOMPARE(spy.count(), 1);
        if (choice == 0)
            QCOMPARE(spy.at(0).at(0).toInt(), 1);
        if (choice == 3)
            QCOMPARE(spy.at(0).at(0).toInt(), 4);
    }

    void menuIcons()
    {
        PictureContent picture(false, m_scene, 0);
        QList<QSize> sizes;
        int icons = 0;
        ModalPrompts::ScopedResponder responder([&](const ModalPrompts::Request& request) {
            for (QAction* action : request.menu->actions()) {
                if (action->isSeparator())
                    continue;
                const QPixmap pixmap = action->icon().pixmap(24, 24);
                icons += pixmap.isNull() ? 0 : 1;
                QList<QSize> available = action->icon().availableSizes();
                std::sort(available.begin(), available.end(),
                    [](const QSize& a, const QSize& b) { return a.width() < b.width(); });
                sizes << (available.isEmpty() ? QSize() : available.first());
            }
            return -1;
        });
        picture.showContextMenu(QPoint(10, 10));
        // Seven entries, each with a drawn icon: the stacking and flip
        // entries at 24 x 24, the removal at the panels' 16 x 16.
        QCOMPARE(icons, 7);
        QCOMPARE(sizes,
            (QList<QSize>{QSize(24, 24), QSize(24, 24), QSize(24, 24), QSize(24, 24), QSize(24, 24), QSize(24, 24),
                QSize(16, 16)}));
    }

    void panelLiveUpdates_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("live");
        // 2000 x 2000 = 4,000,000 pixels: not below the limit.
        QTest::newRow("2000 x 2000") << QSize(2000, 2000) << 0;
        // 1999 x 2000 = 3,998,000.
        QTest::newRow("1999 x 2000") << QSize(1999, 2000) << 1;
        QTest::newRow("4000 x 1000") << QSize(4000, 1000) << 0;
        QTest::newRow("small") << QSize(40, 30) << 1;
    }
    void panelLiveUpdates()
    {
        QFETCH(QSize, size);
        QFETCH(int, live);
        PictureContent picture(false, m_scene, 0);
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::gray);
        QVERIFY(picture.loadFromFile(QString(), image, false, false, false));
        std::unique_ptr<PictureProperties> panel(finetunePanel(picture));
        QVERIFY(panel);
        QVERIFY(panel->isEnabled());
        QCOMPARE(slidersLive(panel.get()), live);
    }

    void panelRowsFromRecords()
    {
        // Truncated toward zero (6500.7 gives 6500, -20.9 gives -20), held
        // to the row's range first (contrast 1e300 gives 100, tint -1e9
        // gives -150); a disabled record shows its value too (sharpness 30).
        PictureContent picture(false, m_scene, 0);
        const QString path = writeImage(QDir(m_dir.path()), QStringLiteral("rows.png"), QSize(20, 10), Qt::blue);
        QVERIFY(!path.isEmpty());
        const QString xml = pictureXml(QStringLiteral("<fileUrl>%1</fileUrl><effects>"
                                                      "<effect type=\"15\" param=\"-20.9\" enable=\"1\"/>"
                                                      "<effect type=\"16\" param=\"1e300\" enable=\"1\"/>"
                                                      "<effect type=\"18\" param=\"30\" enable=\"0\"/>"
                                                      "<effect type=\"19\" param=\"6500.7\" enable=\"1\"/>"
                                                      "<effect type=\"20\" param=\"-1e9\" enable=\"1\"/>"
                                                      "</effects>")
                                           .arg(path));
        QVERIFY(readXml(picture, xml, QDir(m_dir.path())));
        picture.waitForRender();
        QSignalSpy temperature(&picture, &PictureContent::temperature);
        QSignalSpy saturation(&picture, &PictureContent::saturation);
        std::unique_ptr<PictureProperties> panel(finetunePanel(picture));
        QVERIFY(panel);
        QCOMPARE(rowValues(panel.get()), (QList<int>{-20, 100, 0, 30, 6500, -150}));
        // Filled silently.
        QCOMPARE(temperature.count(), 0);
        QCOMPARE(saturation.count(), 0);
    }

    void panelSignals_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("signal");
        QTest::newRow("saturation") << 0 << -40 << QByteArray(SIGNAL(saturation(int)));
        QTest::newRow("contrast") << 1 << 25 << QByteArray(SIGNAL(contrast(int)));
        QTest::newRow("brightness") << 2 << -7 << QByteArray(SIGNAL(brightness(int)));
        QTest::newRow("sharpness") << 3 << 60 << QByteArray(SIGNAL(sharpness(int)));
        QTest::newRow("temperature") << 4 << 7200 << QByteArray(SIGNAL(temperature(int)));
        QTest::newRow("tint") << 5 << -90 << QByteArray(SIGNAL(tint(int)));
    }
    void panelSignals()
    {
        QFETCH(int, row);
        QFETCH(int, value);
        QFETCH(QByteArray, signal);
        PictureContent picture(false, m_scene, 0);
        QImage image(30, 20, QImage::Format_RGB32);
        image.fill(Qt::gray);
        QVERIFY(picture.loadFromFile(QString(), image, false, false, false));
        std::unique_ptr<PictureProperties> panel(finetunePanel(picture));
        QVERIFY(panel);
        QSignalSpy spy(&picture, signal.constData());
        QSignalSpy others(&picture, &PictureContent::effect);
        panel->findChild<QSpinBox*>(QLatin1String(kSpinBoxes[row]))->setValue(value);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), value);
        QCOMPARE(others.count(), 0);
        // The rows speak through signals only: the photo is the canvas's to
        // change.
        QCOMPARE(picture.effects().at(row)->enable, false);
    }

    void panelFlips()
    {
        PictureContent picture(false, m_scene, 0);
        QImage image(30, 20, QImage::Format_RGB32);
        image.fill(Qt::gray);
        QVERIFY(picture.loadFromFile(QString(), image, false, false, false));
        std::unique_ptr<PictureProperties> panel(finetunePanel(picture));
        QVERIFY(panel);
        QSignalSpy horizontal(&picture, &PictureContent::flipHorizontally);
        QSignalSpy vertical(&picture, &PictureContent::flipVertically);
        panel->findChild<QPushButton*>(QStringLiteral("flipButn"))->click();
        QCOMPARE(horizontal.count(), 1);
        QCOMPARE(vertical.count(), 0);
        panel->findChild<QPushButton*>(QStringLiteral("invertButn"))->click();
        QCOMPARE(horizontal.count(), 1);
        QCOMPARE(vertical.count(), 1);
    }

    void panelWithoutPhoto()
    {
        // A placeholder (its file is missing) offers neutral, disabled rows.
        PictureContent picture(false, m_scene, 0);
        const QString xml = pictureXml(QStringLiteral("<fileUrl>%1</fileUrl><effects>"
                                                      "<effect type=\"19\" param=\"6500\" enable=\"1\"/>"
                                                      "</effects>")
                                           .arg(QDir(m_dir.path()).filePath(QStringLiteral("gone.png"))));
        QVERIFY(!readXml(picture, xml, QDir(m_dir.path())));
        QVERIFY(picture.isPlaceholder());
        std::unique_ptr<PictureProperties> panel(finetunePanel(picture));
        QVERIFY(panel);
        QVERIFY(!panel->isEnabled());
        QCOMPARE(rowValues(panel.get()), (QList<int>{0, 0, 0, 0, 5000, 10}));

        // A drop brings a photo: the open panel takes its values and wakes.
        const QString path = writeImage(QDir(m_dir.path()), QStringLiteral("dropped.png"), QSize(20, 10), Qt::red);
        panel->findChild<QSpinBox*>(QStringLiteral("temperatureSpinBox"))->setValue(9000);
        QVERIFY(picture.dropUrls({QUrl::fromLocalFile(path)}));
        QVERIFY(panel->isEnabled());
        QCOMPARE(rowValues(panel.get()), (QList<int>{0, 0, 0, 0, 5000, 10}));
    }

    void smoothCopyDrawing()
    {
        // Stretched by the painter until the render thread's smooth copy at
        // the target's size lands; from then on that copy is drawn as it is.
        PictureContent picture(false, m_scene, 0);
        const QImage image = checker(QSize(200, 100));
        QVERIFY(picture.loadFromFile(QString(), image, false, false, false));
        const QRect target(0, 0, 50, 25);
        auto draw = [&] {
            QImage out(50, 25, QImage::Format_ARGB32_Premultiplied);
            out.fill(Qt::transparent);
            QPainter painter(&out);
            picture.drawContent(&painter, target, Qt::IgnoreAspectRatio);
            painter.end();
            return out;
        };
        const QImage first = draw();
        QCOMPARE(first.pixelColor(25, 12).alpha(), 255);
        picture.waitForRender();
        QCOMPARE(picture.photo()->shownPixmap().size(), target.size());
        // The photo smoothly scaled to exactly the target's size.
        QCOMPARE(draw(),
            image.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }

    void drawnWhileTransformed()
    {
        // A handle dragged before any smooth copy exists: the photo is
        // stretched rather than the item left blank.
        PictureContent picture(false, m_scene, 0);
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QVERIFY(picture.loadFromFile(QString(), image, false, false, false));
        picture.delayedDirty(600000);
        QVERIFY(picture.beingTransformed());
        QImage out(30, 30, QImage::Format_ARGB32_Premultiplied);
        out.fill(Qt::transparent);
        {
            QPainter painter(&out);
            picture.drawContent(&painter, QRect(0, 0, 30, 30), Qt::IgnoreAspectRatio);
        }
        QCOMPARE(out.pixelColor(15, 15), QColor(Qt::blue));
        QCOMPARE(out.pixelColor(1, 28), QColor(Qt::blue));
    }

    void smoothCopyInOutput()
    {
        // An output render does not wait for the render thread: it scales
        // the photo itself at once.
        PictureContent picture(false, m_scene, 0);
        const QImage image = checker(QSize(200, 100));
        QVERIFY(picture.loadFromFile(QString(), image, false, false, false));
        QImage out(60, 30, QImage::Format_ARGB32_Premultiplied);
        out.fill(Qt::transparent);
        RenderOpts::HQRendering = true;
        {
            QPainter painter(&out);
            picture.drawContent(&painter, QRect(0, 0, 60, 30), Qt::IgnoreAspectRatio);
        }
        RenderOpts::HQRendering = false;
        // The rule for a picture shown at another size: the photo smoothly
        // scaled to exactly the target's size, drawn unscaled.
        const QImage expected = image.scaled(60, 30, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(out, expected);
        picture.waitForRender();
    }

private:
    QTemporaryDir m_dir;
    QGraphicsScene* m_scene = nullptr;
};

QTEST_MAIN(PictureContentTest)
#include "tst_picturecontent.moc"
