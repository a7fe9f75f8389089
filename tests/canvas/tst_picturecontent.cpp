#include "appframe/ModalPrompts.h"
#include "canvas/CPixmap.h"
#include "canvas/PictureContent.h"

#include <QDir>
#include <QDomDocument>
#include <QGraphicsScene>
#include <QImageWriter>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

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

private:
    QTemporaryDir m_dir;
    QGraphicsScene* m_scene = nullptr;
};

QTEST_MAIN(PictureContentTest)
#include "tst_picturecontent.moc"
