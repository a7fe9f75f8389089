#include "canvas/AbstractContent.h"
#include "canvas/Canvas.h"
#include "canvas/CanvasModeInfo.h"
#include "canvas/FrameFactory.h"
#include "canvas/PictureContent.h"

#include <QDomDocument>
#include <QDomElement>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The canvas inside a fresh "canvas" element, as text.
QString saved(const Canvas& canvas)
{
    QDomDocument doc;
    QDomElement root = doc.createElement(QStringLiteral("canvas"));
    doc.appendChild(root);
    canvas.saveToXml(root);
    return doc.toString(1);
}

QDomDocument savedDocument(const Canvas& canvas)
{
    QDomDocument doc;
    doc.setContent(saved(canvas));
    return doc;
}

bool load(Canvas& canvas, const QString& xml)
{
    QDomDocument doc;
    if (!doc.setContent(xml))
        return false;
    QDomElement root = doc.documentElement();
    canvas.loadFromXml(root);
    return true;
}

QString childNames(const QDomElement& element)
{
    QStringList names;
    for (QDomElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        names << child.tagName();
    return names.join(QLatin1Char(','));
}

QString rgbText(const QDomElement& element)
{
    return QStringLiteral("%1,%2,%3")
        .arg(element.firstChildElement(QStringLiteral("red")).text(),
            element.firstChildElement(QStringLiteral("green")).text(),
            element.firstChildElement(QStringLiteral("blue")).text());
}

// A photograph file of `size`, one colour.
QString writePhoto(const QTemporaryDir& dir, const QString& name, const QSize& size, const QColor& color)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    const QString path = dir.filePath(name);
    image.save(path);
    return path;
}

PictureContent* addPicture(Canvas& canvas, const QString& path, const QPoint& pos)
{
    PictureContent* picture = canvas.createPicture(pos, false);
    if (!picture->loadFromFile(path, true, true, false))
        qFatal("test photo %s does not load", qPrintable(path));
    return picture;
}

const char* const pictureOf = R"(<picture><rect><x>-50</x><y>-40</y><w>100</w><h>80</h></rect>
<pos><x>%2</x><y>60</y></pos><zvalue>%3</zvalue><visible>1</visible><frame>0</frame>
<fileUrl>%1</fileUrl></picture>)";

} // namespace

class TestCanvasXml : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void newCanvasSaved();
    void backgroundModeWritten_data();
    void backgroundModeWritten();
    void savingKeepsFlagAndDeselects();
    void roundTrip_data();
    void roundTrip();
    void roundTripWithText();
    void backgroundRead_data();
    void backgroundRead();
    void borderRead_data();
    void borderRead();
    void olderNames();
    void twoBackgrounds();
    void unknownElement();
    void unreadableContents();
    void loadReplacesAndClearsFlag();
    void fixedSizeTakesEffect();
};

void TestCanvasXml::init()
{
    FrameFactory::setDefaultFrameClass(1);
}

void TestCanvasXml::newCanvasSaved()
{
    Canvas canvas(72, 72, nullptr);
    const QDomDocument doc = savedDocument(canvas);
    const QDomElement root = doc.documentElement();
    QCOMPARE(childNames(root), QStringLiteral("mode,background,content,preview"));

    const QDomElement background = root.firstChildElement(QStringLiteral("background"));
    QCOMPARE(childNames(background),
        QStringLiteral("mode,back-properties,background-Gradient-color,background-color,foreground-color,border"));
    QCOMPARE(background.firstChildElement(QStringLiteral("mode")).text(), QStringLiteral("2"));
    QCOMPARE(background.firstChildElement(QStringLiteral("back-properties")).attribute(QStringLiteral("ratio")),
        QStringLiteral("2"));
    const QDomElement gradient = background.firstChildElement(QStringLiteral("background-Gradient-color"));
    QCOMPARE(childNames(gradient), QStringLiteral("top,bottom"));
    QCOMPARE(childNames(gradient.firstChildElement(QStringLiteral("top"))), QStringLiteral("red,green,blue"));
    QCOMPARE(rgbText(gradient.firstChildElement(QStringLiteral("top"))), QStringLiteral("192,192,192"));
    QCOMPARE(rgbText(gradient.firstChildElement(QStringLiteral("bottom"))), QStringLiteral("80,80,80"));
    QCOMPARE(rgbText(background.firstChildElement(QStringLiteral("background-color"))), QStringLiteral("255,255,255"));
    QCOMPARE(rgbText(background.firstChildElement(QStringLiteral("foreground-color"))), QStringLiteral("255,0,0"));

    // The border of a new canvas: opacity 128, width 25, no side drawn.
    const QDomElement border = background.firstChildElement(QStringLiteral("border"));
    QCOMPARE(border.attribute(QStringLiteral("opacity")), QStringLiteral("128"));
    QCOMPARE(border.attribute(QStringLiteral("width")), QStringLiteral("25"));
    for (const char* side : {"top", "left", "bottom", "right"})
        QCOMPARE(border.attribute(QLatin1String(side)), QStringLiteral("0"));

    QVERIFY(root.firstChildElement(QStringLiteral("content")).firstChild().isNull());

    // The preview: one CDATA section of Base64 PNG, 48 x 48.
    const QDomNode cdata = root.firstChildElement(QStringLiteral("preview")).firstChild();
    QVERIFY(cdata.isCDATASection());
    const QString text = cdata.toCDATASection().data();
    QVERIFY(!text.contains(QLatin1Char('\n')));
    const QByteArray png = QByteArray::fromBase64(text.toLatin1());
    QVERIFY(png.startsWith("\x89PNG"));
    const QImage preview = QImage::fromData(png, "PNG");
    QCOMPARE(preview.size(), QSize(48, 48));
}

void TestCanvasXml::backgroundModeWritten_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("transparent") << 0;
    QTest::newRow("solid") << 1;
    QTest::newRow("gradient") << 2;
}

void TestCanvasXml::backgroundModeWritten()
{
    QFETCH(int, mode);
    Canvas canvas(72, 72, nullptr);
    CanvasBackColor back = canvas.backColor();
    back.mode = mode;
    back.color = QColor(10, 20, 30, 40);
    canvas.setBackColor(back);
    const QDomElement background =
        savedDocument(canvas).documentElement().firstChildElement(QStringLiteral("background"));
    QCOMPARE(background.firstChildElement(QStringLiteral("mode")).text(), QString::number(mode));
    // Every mode writes all colours; alpha is not stored.
    const QDomElement gradient = background.firstChildElement(QStringLiteral("background-Gradient-color"));
    QCOMPARE(rgbText(gradient.firstChildElement(QStringLiteral("bottom"))), QStringLiteral("80,80,80"));
    QCOMPARE(rgbText(background.firstChildElement(QStringLiteral("background-color"))), QStringLiteral("10,20,30"));
}

void TestCanvasXml::savingKeepsFlagAndDeselects()
{
    QTemporaryDir dir;
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    PictureContent* picture = addPicture(canvas, writePhoto(dir, QStringLiteral("a.png"), QSize(40, 30), Qt::red),
        QPoint(100, 100));
    picture->setSelected(true);
    QVERIFY(canvas.pendingChanges());
    saved(canvas);
    // The project writer clears the flag once its file is committed.
    QVERIFY(canvas.pendingChanges());
    QVERIFY(canvas.selectedItems().isEmpty());
}

void TestCanvasXml::roundTrip_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("transparent") << 0;
    QTest::newRow("solid") << 1;
    QTest::newRow("gradient") << 2;
}

void TestCanvasXml::roundTrip()
{
    QFETCH(int, mode);
    QTemporaryDir dir;
    Canvas canvas(72, 72, nullptr);
    canvas.setBaseDir(QDir(dir.path()));
    canvas.modeInfo()->setFixedSize(QSizeF(600, 400));
    canvas.modeInfo()->setProjectMode(CanvasModeInfo::ModeExactSize);
    canvas.resize(QSize(10, 10));
    QCOMPARE(canvas.sceneSize(), QSize(600, 400));

    CanvasBackColor back;
    back.mode = mode;
    back.color = QColor(1, 2, 3);
    back.topColor = QColor(200, 100, 0);
    back.bottomColor = QColor(0, 100, 200);
    canvas.setBackColor(back);
    CanvasBorder border;
    border.opacity = 200;
    border.width = 40;
    border.color = QColor(0, 0, 255);
    border.top = border.right = true;
    canvas.setBorder(border);
    canvas.setBackContentRatio(Qt::KeepAspectRatio);

    PictureContent* a = addPicture(canvas, writePhoto(dir, QStringLiteral("a.png"), QSize(80, 60), Qt::red),
        QPoint(100, 100));
    PictureContent* backPicture = addPicture(
        canvas, writePhoto(dir, QStringLiteral("back.png"), QSize(60, 40), Qt::yellow), QPoint(300, 200));
    PictureContent* c = addPicture(canvas, writePhoto(dir, QStringLiteral("c.png"), QSize(50, 50), Qt::green),
        QPoint(450, 250));
    c->setRotation(30);
    c->addEffect(PictureEffect(PictureEffect::Saturation, 40));
    a->setFrame(FrameFactory::createFrame(0));
    canvas.setBackContent(backPicture);

    const QString first = saved(canvas);
    Canvas reread(72, 72, nullptr);
    reread.setBaseDir(QDir(dir.path()));
    QVERIFY(load(reread, first));
    // As the view does once the layout is asked for.
    reread.resize(QSize(10, 10));
    const QString second = saved(reread);
    QCOMPARE(second, first);

    QCOMPARE(reread.contents().size(), 3);
    QCOMPARE(reread.contents().indexOf(reread.backContentItem()), 1);
    QCOMPARE(reread.backContent()->filePaths(), backPicture->filePaths());
    QCOMPARE(qobject_cast<PictureContent*>(reread.contents().at(2))->filePaths(), c->filePaths());
    QCOMPARE(reread.backColor().mode, mode);
    QCOMPARE(reread.border().width, 40);
    QCOMPARE(reread.border().opacity, 200);
    QVERIFY(reread.border().top && reread.border().right && !reread.border().left && !reread.border().bottom);
    QCOMPARE(reread.backContentRatio(), Qt::KeepAspectRatio);
    QCOMPARE(reread.sceneSize(), QSize(600, 400));
    QVERIFY(!reread.pendingChanges());
}

void TestCanvasXml::roundTripWithText()
{
    // A text element alone: whether the canvas can make texts shows in
    // whether one is read back.
    const QString xml = QStringLiteral(
        R"(<canvas><content><text><rect><x>-50</x><y>-20</y><w>100</w><h>40</h></rect>
<pos><x>100</x><y>80</y></pos><zvalue>1</zvalue><visible>1</visible><frame>0</frame>
<html-text>hello</html-text></text></content></canvas>)");
    Canvas canvas(72, 72, nullptr);
    // Without texts the element is skipped with a warning, which is no
    // failure here.
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const bool parsed = load(canvas, xml);
    qInstallMessageHandler(previous);
    QVERIFY(parsed);
    if (canvas.contents().isEmpty())
        QSKIP("needs TextContent");
    const QString first = saved(canvas);
    Canvas reread(72, 72, nullptr);
    QVERIFY(load(reread, first));
    QCOMPARE(saved(reread), first);
    QCOMPARE(reread.contents().size(), 1);
    QCOMPARE(reread.contents().first()->contentName(), canvas.contents().first()->contentName());
}

void TestCanvasXml::backgroundRead_data()
{
    QTest::addColumn<QString>("background");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("ratio");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QColor>("top");
    QTest::addColumn<QString>("warning");

    // A new canvas: mode 2, ratio 2 (by expanding), white, top (192,192,192).
    const QString colors =
        QStringLiteral("<background-Gradient-color><top><red>1</red><green>2</green><blue>3</blue></top></background-"
                       "Gradient-color><background-color><red>4</red><green>5</green><blue>6</blue></background-color>");
    QTest::newRow("all given") << QStringLiteral("<mode>1</mode><back-properties ratio=\"1\"/>") + colors << 1 << 1
                               << QColor(4, 5, 6) << QColor(1, 2, 3) << QString();
    // Missing colour elements read 0, 0, 0: black.
    QTest::newRow("no colours") << QStringLiteral("<mode>1</mode>") << 1 << 2 << QColor(0, 0, 0) << QColor(0, 0, 0)
                                << QString();
    QTest::newRow("red 300 invalid")
        << QStringLiteral("<background-color><red>300</red><green>5</green><blue>6</blue></background-color>") << 2
        << 2 << QColor() << QColor(0, 0, 0) << QString();
    QTest::newRow("negative invalid")
        << QStringLiteral("<background-color><red>4</red><green>-1</green><blue>6</blue></background-color>") << 2
        << 2 << QColor() << QColor(0, 0, 0) << QString();
    QTest::newRow("text not a number") << QStringLiteral(
        "<background-color><red>x</red><green>5</green><blue>6</blue></background-color>")
                                       << 2 << 2 << QColor(0, 5, 6) << QColor(0, 0, 0) << QString();
    // The mode: not a number, or beyond int, reads 0; missing keeps it.
    QTest::newRow("mode abc") << QStringLiteral("<mode>abc</mode>") << 0 << 2 << QColor(0, 0, 0) << QColor(0, 0, 0)
                              << QString();
    QTest::newRow("mode huge") << QStringLiteral("<mode>99999999999</mode>") << 0 << 2 << QColor(0, 0, 0)
                               << QColor(0, 0, 0) << QString();
    QTest::newRow("mode 7 kept as is") << QStringLiteral("<mode>7</mode>") << 7 << 2 << QColor(0, 0, 0)
                                       << QColor(0, 0, 0) << QString();
    // back-properties without ratio: 0, Qt::IgnoreAspectRatio.
    QTest::newRow("ratio missing") << QStringLiteral("<back-properties/>") << 2 << 0 << QColor(0, 0, 0)
                                   << QColor(0, 0, 0) << QString();
    QTest::newRow("ratio not a number") << QStringLiteral("<back-properties ratio=\"wide\"/>") << 2 << 0
                                        << QColor(0, 0, 0) << QColor(0, 0, 0) << QString();
    QTest::newRow("ratio 3 refused") << QStringLiteral("<back-properties ratio=\"3\"/>") << 2 << 2 << QColor(0, 0, 0)
                                     << QColor(0, 0, 0) << QStringLiteral("Canvas::fromXml: ratio 3 refused");
    QTest::newRow("ratio -1 refused") << QStringLiteral("<back-properties ratio=\"-1\"/>") << 2 << 2
                                      << QColor(0, 0, 0) << QColor(0, 0, 0)
                                      << QStringLiteral("Canvas::fromXml: ratio -1 refused");
}

void TestCanvasXml::backgroundRead()
{
    QFETCH(QString, background);
    QFETCH(int, mode);
    QFETCH(int, ratio);
    QFETCH(QColor, color);
    QFETCH(QColor, top);
    QFETCH(QString, warning);

    Canvas canvas(72, 72, nullptr);
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
    QVERIFY(load(canvas, QStringLiteral("<canvas><background>%1</background></canvas>").arg(background)));
    QCOMPARE(canvas.backColor().mode, mode);
    QCOMPARE(int(canvas.backContentRatio()), ratio);
    QCOMPARE(canvas.backColor().color, color);
    QCOMPARE(canvas.backColor().color.isValid(), color.isValid());
    QCOMPARE(canvas.backColor().topColor, top);
    QVERIFY(!canvas.pendingChanges());
}

void TestCanvasXml::borderRead_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<int>("opacity");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("sides");

    // The canvas starts from opacity 90, width 60, left side only.
    QTest::newRow("no element keeps") << QString() << 90 << 60 << QStringLiteral("l");
    QTest::newRow("written form") << QStringLiteral(
        R"(<border opacity="10" width="30" top="1" left="0" bottom="1" right="1"/>)")
                                  << 10 << 30 << QStringLiteral("tbr");
    QTest::newRow("clamped high") << QStringLiteral(R"(<border opacity="300" width="999"/>)") << 255 << 200
                                  << QStringLiteral("l");
    QTest::newRow("clamped low") << QStringLiteral(R"(<border opacity="-5" width="5"/>)") << 0 << 20
                                 << QStringLiteral("l");
    QTest::newRow("not numbers keep") << QStringLiteral(R"(<border opacity="x" width="" left="y"/>)") << 90 << 60
                                      << QStringLiteral("l");
    QTest::newRow("beyond int keeps") << QStringLiteral(R"(<border width="99999999999"/>)") << 90 << 60
                                      << QStringLiteral("l");
}

void TestCanvasXml::borderRead()
{
    QFETCH(QString, element);
    QFETCH(int, opacity);
    QFETCH(int, width);
    QFETCH(QString, sides);

    Canvas canvas(72, 72, nullptr);
    CanvasBorder start;
    start.opacity = 90;
    start.width = 60;
    start.left = true;
    canvas.setBorder(start);
    const QString foreground =
        QStringLiteral("<foreground-color><red>0</red><green>128</green><blue>0</blue></foreground-color>");
    QVERIFY(load(canvas, QStringLiteral("<canvas><background>%1%2</background></canvas>").arg(foreground, element)));
    const CanvasBorder border = canvas.border();
    QCOMPARE(border.opacity, opacity);
    QCOMPARE(border.width, width);
    QCOMPARE(border.color, QColor(0, 128, 0));
    QString drawn;
    if (border.top)
        drawn += QLatin1Char('t');
    if (border.left)
        drawn += QLatin1Char('l');
    if (border.bottom)
        drawn += QLatin1Char('b');
    if (border.right)
        drawn += QLatin1Char('r');
    QCOMPARE(drawn, sides);
}

void TestCanvasXml::olderNames()
{
    const QString xml = QStringLiteral(R"(<canvas><project><mode><id>1</id><size><w>500</w><h>300</h><dpiX>72</dpiX><dpiY>72</dpiY></size></mode></project>
<desk><mode>1</mode><background-color><red>9</red><green>8</green><blue>7</blue></background-color></desk>
</canvas>)");
    Canvas canvas(72, 72, nullptr);
    QVERIFY(load(canvas, xml));
    QCOMPARE(int(canvas.modeInfo()->projectMode()), 1);
    QCOMPARE(canvas.modeInfo()->fixedSize(), QSizeF(500, 300));
    QCOMPARE(canvas.backColor().mode, 1);
    QCOMPARE(canvas.backColor().color, QColor(9, 8, 7));

    // The newer names win when both are there.
    const QString both = QStringLiteral(R"(<canvas><desk><mode>1</mode></desk><background><mode>0</mode></background>
<project><mode><id>1</id></mode></project><mode><id>0</id></mode></canvas>)");
    QVERIFY(load(canvas, both));
    QCOMPARE(canvas.backColor().mode, 0);
    QCOMPARE(int(canvas.modeInfo()->projectMode()), 0);
}

void TestCanvasXml::twoBackgrounds()
{
    QTemporaryDir dir;
    const QString a = writePhoto(dir, QStringLiteral("a.png"), QSize(20, 20), Qt::red);
    const QString b = writePhoto(dir, QStringLiteral("b.png"), QSize(20, 20), Qt::blue);
    const QString xml = QStringLiteral("<canvas><content>%1%2</content></canvas>")
                            .arg(QString::fromLatin1(pictureOf).arg(a, QStringLiteral("50"), QStringLiteral("1"))
                                     .replace(QStringLiteral("</picture>"),
                                         QStringLiteral("<set-as-background/></picture>")),
                                QString::fromLatin1(pictureOf).arg(b, QStringLiteral("150"), QStringLiteral("2"))
                                    .replace(QStringLiteral("</picture>"),
                                        QStringLiteral("<set-as-background/></picture>")));
    Canvas canvas(72, 72, nullptr);
    QTest::ignoreMessage(QtWarningMsg, "Canvas::fromXml: only 1 element with <set-as-background/> allowed");
    QVERIFY(load(canvas, xml));
    QCOMPARE(canvas.contents().size(), 2);
    QCOMPARE(canvas.backContentItem(), canvas.contents().at(0));
    QVERIFY(!canvas.contents().at(0)->isVisible());
    QVERIFY(canvas.contents().at(1)->isVisible());
    // Saved again, only the back content carries the mark.
    QCOMPARE(saved(canvas).count(QStringLiteral("set-as-background")), 1);
}

void TestCanvasXml::unknownElement()
{
    QTemporaryDir dir;
    const QString a = writePhoto(dir, QStringLiteral("a.png"), QSize(20, 20), Qt::red);
    const QString xml = QStringLiteral("<canvas><content><image/>%1<Picture/></content></canvas>")
                            .arg(QString::fromLatin1(pictureOf).arg(a, QStringLiteral("50"), QStringLiteral("1")));
    Canvas canvas(72, 72, nullptr);
    QTest::ignoreMessage(QtWarningMsg, "Canvas::fromXml: unknown content type 'image'");
    // Names are compared exactly.
    QTest::ignoreMessage(QtWarningMsg, "Canvas::fromXml: unknown content type 'Picture'");
    QVERIFY(load(canvas, xml));
    QCOMPARE(canvas.contents().size(), 1);
    QCOMPARE(canvas.contents().first()->pos(), QPointF(50, 60));
}

void TestCanvasXml::unreadableContents()
{
    // A picture whose file is missing stays as a placeholder and is written
    // back; one naming no file at all is dropped with a warning.
    const QString xml = QStringLiteral("<canvas><content>%1<picture><frame>0</frame></picture></content></canvas>")
                            .arg(QString::fromLatin1(pictureOf).arg(QStringLiteral("/nonexistent-vellumar/a.png"),
                                QStringLiteral("50"), QStringLiteral("1")));
    Canvas canvas(72, 72, nullptr);
    QTest::ignoreMessage(QtWarningMsg, "Canvas::fromXml: 'picture' content could not be read, dropped");
    QVERIFY(load(canvas, xml));
    QCOMPARE(canvas.contents().size(), 1);
    auto* picture = qobject_cast<PictureContent*>(canvas.contents().first());
    QVERIFY(picture && picture->isPlaceholder());
    QVERIFY(saved(canvas).contains(QStringLiteral("/nonexistent-vellumar/a.png")));
}

void TestCanvasXml::loadReplacesAndClearsFlag()
{
    QTemporaryDir dir;
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    addPicture(canvas, writePhoto(dir, QStringLiteral("old.png"), QSize(20, 20), Qt::red), QPoint(10, 10));
    QVERIFY(canvas.pendingChanges());
    const QString a = writePhoto(dir, QStringLiteral("a.png"), QSize(20, 20), Qt::red);
    const QString xml = QStringLiteral("<canvas><content>%1%2</content></canvas>")
                            .arg(QString::fromLatin1(pictureOf).arg(a, QStringLiteral("50"), QStringLiteral("1")),
                                QString::fromLatin1(pictureOf).arg(a, QStringLiteral("150"), QStringLiteral("2")));
    QVERIFY(load(canvas, xml));
    QCOMPARE(canvas.contents().size(), 2);
    QCOMPARE(canvas.contents().at(0)->pos(), QPointF(50, 60));
    QCOMPARE(canvas.contents().at(1)->pos(), QPointF(150, 60));
    QVERIFY(!canvas.pendingChanges());

    // A "canvas" element without "content" leaves no contents.
    QVERIFY(load(canvas, QStringLiteral("<canvas/>")));
    QVERIFY(canvas.contents().isEmpty());
}

void TestCanvasXml::fixedSizeTakesEffect()
{
    Canvas canvas(72, 72, nullptr);
    QVERIFY(load(canvas,
        QStringLiteral(R"(<canvas><mode><id>1</id><size><w>321.6</w><h>123.4</h><dpiX>72</dpiX><dpiY>72</dpiY>
</size></mode></canvas>)")));
    canvas.resize(QSize(999, 999));
    // Rounded to the nearest integer.
    QCOMPARE(canvas.sceneSize(), QSize(322, 123));
}

QTEST_MAIN(TestCanvasXml)
#include "tst_canvasxml.moc"
