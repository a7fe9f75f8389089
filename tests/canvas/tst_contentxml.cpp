#include "SwatchContent.h"

#include "canvas/FrameFactory.h"
#include "canvas/StandardFrame.h"

#include <QDir>
#include <QDomDocument>
#include <QGraphicsDropShadowEffect>
#include <QGraphicsScene>
#include <QTest>

namespace {

// Wide enough that no position a file gives is held back by the scene,
// which keeps its contents inside a rectangle larger than 100 x 100.
const QRectF sceneArea(-100000, -100000, 200000, 200000);

QStringList s_warnings;

void captureWarnings(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtWarningMsg)
        s_warnings << text;
}

// The content's element as text.
QString written(const AbstractContent& content)
{
    QDomDocument doc;
    QDomElement element = doc.createElement(QStringLiteral("content"));
    doc.appendChild(element);
    content.toXml(element, QDir());
    return doc.toString(1);
}

QDomElement parsed(const QString& xml, QDomDocument& doc)
{
    doc.setContent(xml);
    return doc.documentElement();
}

QStringList childTags(const QDomElement& element)
{
    QStringList tags;
    for (QDomElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        tags << child.tagName();
    return tags;
}

// A complete element as the program writes it for a default content, with
// one value replaced by the row's.
QString element(const QString& rect = QStringLiteral("<x>-100</x><y>-75</y><w>200</w><h>150</h>"),
    const QString& rest = QString(), bool visible = true)
{
    return QStringLiteral("<abstract><rect>%1</rect><pos><x>5</x><y>6</y></pos><zvalue>2</zvalue>%2%3</abstract>")
        .arg(rect, visible ? QStringLiteral("<visible>1</visible>") : QString(), rest);
}

} // namespace

class TestContentXml : public QObject
{
    Q_OBJECT

private slots:
    void defaultContent();
    void roundTrip_data();
    void roundTrip();
    void olderShadowColour();
    void badValues_data();
    void badValues();
    void frameWithoutNumberRemovesFrame();
};

void TestContentXml::defaultContent()
{
    QGraphicsScene scene(sceneArea);
    SwatchContent content(&scene);
    QDomDocument doc;
    const QDomElement root = parsed(written(content), doc);
    QCOMPARE(root.tagName(), QStringLiteral("abstract"));
    // No "opacity" at 1.0, no "transformation" when untouched.
    QCOMPARE(childTags(root), QStringList({"rect", "pos", "zvalue", "visible", "frame", "shadow"}));
    const QDomElement rect = root.firstChildElement("rect");
    QCOMPARE(childTags(rect), QStringList({"x", "y", "w", "h"}));
    QCOMPARE(rect.firstChildElement("x").text(), QStringLiteral("-100"));
    QCOMPARE(rect.firstChildElement("y").text(), QStringLiteral("-75"));
    QCOMPARE(rect.firstChildElement("w").text(), QStringLiteral("200"));
    QCOMPARE(rect.firstChildElement("h").text(), QStringLiteral("150"));
    QCOMPARE(root.firstChildElement("visible").text(), QStringLiteral("1"));
    const QDomElement frame = root.firstChildElement("frame");
    QCOMPARE(frame.text(), QStringLiteral("0"));
    QVERIFY(!frame.hasAttributes());
    const QDomElement shadow = root.firstChildElement("shadow");
    QCOMPARE(shadow.attribute("blurRadius"), QStringLiteral("0"));
    QCOMPARE(shadow.attribute("color"), QStringLiteral("ff000000"));
}

void TestContentXml::roundTrip_data()
{
    QTest::addColumn<int>("frameClass");
    QTest::addColumn<double>("shadowRadius");
    QTest::addColumn<double>("opacity");
    QTest::addColumn<double>("rotation");
    QTest::addColumn<QPointF>("perspective");
    // Expected texts: the frame element's attributes and the shadow's.
    QTest::addColumn<QString>("frameColour");
    QTest::addColumn<QString>("shadowColour");

    for (int frameClass : {0, 1, 2, 4, 5, 6}) {
        // Default top colours: 1, 4, 5 (240, 240, 240): f0f0f0; 2 red
        // ff0000; 6 (240, 240, 0): f0f000. The colour is written opaque.
        const QString colour = frameClass == 2 ? "ffff0000" : frameClass == 6 ? "fff0f000" : "fff0f0f0";
        QTest::addRow("frame %d", frameClass)
            << frameClass << 0.0 << 1.0 << 0.0 << QPointF() << (frameClass ? colour : QString()) << "ff000000";
    }
    QTest::newRow("shadow") << 1 << 7.5 << 1.0 << 0.0 << QPointF() << "fff0f0f0" << "ff0a141e";
    QTest::newRow("opacity 0.5") << 0 << 0.0 << 0.5 << 0.0 << QPointF() << QString() << "ff000000";
    QTest::newRow("rotation") << 2 << 0.0 << 1.0 << 33.3 << QPointF() << "ffff0000" << "ff000000";
    QTest::newRow("tilt") << 5 << 0.0 << 1.0 << 0.0 << QPointF(12.5, -0.1) << "fff0f0f0" << "ff000000";
    QTest::newRow("everything") << 6 << 20.0 << 0.25 << -170.0 << QPointF(-70, 70) << "fff0f000" << "ff0a141e";
}

void TestContentXml::roundTrip()
{
    QFETCH(int, frameClass);
    QFETCH(double, shadowRadius);
    QFETCH(double, opacity);
    QFETCH(double, rotation);
    QFETCH(QPointF, perspective);
    QFETCH(QString, frameColour);
    QFETCH(QString, shadowColour);

    QGraphicsScene scene(sceneArea);
    SwatchContent content(&scene, false, frameClass);
    content.resizeContents(QRect(-61, -40, 123, 81));
    content.setPos(310.25, -12.5);
    content.setZValue(3);
    content.setShadowRadius(shadowRadius);
    if (shadowRadius > 0)
        content.setShadowColor(QColor(10, 20, 30));
    content.setContentOpacity(opacity);
    content.setRotation(rotation);
    content.setPerspective(perspective);
    if (frameClass) {
        content.setFrameAlpha(99);
        content.setFrameMargin(7);
    }

    const QString first = written(content);
    QDomDocument doc;
    QDomElement root = parsed(first, doc);
    QStringList tags = {"rect", "pos", "zvalue", "visible"};
    if (opacity < 1.0)
        tags << "opacity";
    tags << "frame" << "shadow";
    if (rotation != 0.0 || !perspective.isNull())
        tags << "transformation";
    QCOMPARE(childTags(root), tags);
    QCOMPARE(root.firstChildElement("rect").firstChildElement("w").text(), QStringLiteral("123"));
    QCOMPARE(root.firstChildElement("pos").firstChildElement("x").text(), QStringLiteral("310.25"));
    if (opacity < 1.0)
        QCOMPARE(root.firstChildElement("opacity").text(), QString::number(opacity));
    const QDomElement frame = root.firstChildElement("frame");
    QCOMPARE(frame.text(), QString::number(frameClass));
    QCOMPARE(frame.attribute("color"), frameColour);
    QCOMPARE(frame.hasAttributes(), frameClass != 0);
    if (frameClass) {
        QCOMPARE(frame.attribute("opacity"), QStringLiteral("99"));
        QCOMPARE(frame.attribute("margin"), QStringLiteral("7"));
    }
    QCOMPARE(root.firstChildElement("shadow").attribute("color"), shadowColour);
    QCOMPARE(root.firstChildElement("shadow").attribute("blurRadius"), QString::number(shadowRadius));

    // Into a fresh content of another frame class, and out again.
    QGraphicsScene otherScene(sceneArea);
    SwatchContent copy(&otherScene, false, frameClass == 1 ? 2 : 1);
    QVERIFY(copy.fromXml(root, QDir()));
    QCOMPARE(copy.contentRect(), QRect(-61, -40, 123, 81));
    QCOMPARE(copy.frameClass(), quint32(frameClass));
    QCOMPARE(copy.rotation(), rotation);
    QCOMPARE(copy.perspective(), perspective);
    QCOMPARE(copy.contentOpacity(), opacity);
    QCOMPARE(copy.shadowRadius(), shadowRadius);
    QCOMPARE(copy.frameAlpha(), frameClass ? 99 : 255);
    QCOMPARE(copy.boundingRect(), QRectF(frameClass ? QRect(-68, -47, 137, 95) : QRect(-61, -40, 123, 81)));
    QCOMPARE(written(copy), first);
    // The file's class becomes the class of the next new content.
    QCOMPARE(FrameFactory::defaultFrameClass(), quint32(frameClass));
}

void TestContentXml::olderShadowColour()
{
    QGraphicsScene scene(sceneArea);
    SwatchContent content(&scene);
    QDomDocument doc;
    QDomElement root = parsed(element(QStringLiteral("<x>-100</x><y>-75</y><w>200</w><h>150</h>"),
                                  QStringLiteral("<shadowColor>ff336699</shadowColor>")),
        doc);
    content.fromXml(root, QDir());
    QCOMPARE(content.shadowColor(), QColor(0x33, 0x66, 0x99));

    // With both, the older element is read last.
    root = parsed(element(QStringLiteral("<x>-100</x><y>-75</y><w>200</w><h>150</h>"),
                      QStringLiteral("<shadow blurRadius=\"3\" color=\"ff010203\"/><shadowColor>ff0000ff</shadowColor>")),
        doc);
    content.fromXml(root, QDir());
    QCOMPARE(content.shadowColor(), QColor(Qt::blue));
    QCOMPARE(content.shadowRadius(), 3.0);
}

void TestContentXml::badValues_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QPointF>("pos");
    QTest::addColumn<double>("z");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<double>("opacity");
    QTest::addColumn<double>("shadowRadius");
    QTest::addColumn<QColor>("shadowColour");
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("frameAlpha");
    QTest::addColumn<QPointF>("perspective");
    QTest::addColumn<double>("rotation");
    QTest::addColumn<bool>("warns");

    // The content starts at (-100, -75) 200 x 150, position (1, 1), z 1,
    // radius 4, opacity 1, rotation 10, standard frame of margin 10 and
    // alpha 200: what a bad value leaves in place.
    const QRect start(-100, -75, 200, 150);
    const QString goodRect = QStringLiteral("<x>-100</x><y>-75</y><w>200</w><h>150</h>");
    const QString frame = QStringLiteral("<frame color=\"ff00ff00\" opacity=\"%1\" margin=\"%2\">1</frame>");
    const QString shadow = QStringLiteral("<shadow blurRadius=\"%1\" color=\"%2\"/>");
    const QString turn = QStringLiteral("<transformation xRot=\"%1\" yRot=\"%2\" zRot=\"%3\"/>");
    const QColor black(Qt::black);
    const QPointF at(5, 6);

    QTest::newRow("good") << element(goodRect, frame.arg(50).arg(3) + shadow.arg(2).arg("ff102030") + turn.arg(4).arg(5).arg(6))
                          << start << at << 2.0 << true << 1.0 << 2.0 << QColor(0x10, 0x20, 0x30) << 3 << 50
                          << QPointF(4, 5) << 6.0 << false;
    QTest::newRow("no visible: hidden") << element(goodRect, QString(), false) << start << at << 2.0 << false << 1.0
                                        << 4.0 << black << 10 << 200 << QPointF() << 10.0 << false;
    QTest::newRow("w 0.9: rect kept") << element("<x>0</x><y>0</y><w>0.9</w><h>50</h>") << start << at << 2.0 << true
                                      << 1.0 << 4.0 << black << 10 << 200 << QPointF() << 10.0 << false;
    QTest::newRow("rect x nan") << element("<x>nan</x><y>0</y><w>10</w><h>50</h>") << start << at << 2.0 << true
                                << 1.0 << 4.0 << black << 10 << 200 << QPointF() << 10.0 << true;
    QTest::newRow("rect w 1e40") << element("<x>0</x><y>0</y><w>1e40</w><h>50</h>") << start << at << 2.0 << true
                                 << 1.0 << 4.0 << black << 10 << 200 << QPointF() << 10.0 << true;
    QTest::newRow("rect h inf") << element("<x>0</x><y>0</y><w>10</w><h>inf</h>") << start << at << 2.0 << true
                                << 1.0 << 4.0 << black << 10 << 200 << QPointF() << 10.0 << true;
    // x + w - 1 would pass the int's end.
    QTest::newRow("rect past the int") << element("<x>2147483000</x><y>0</y><w>1000</w><h>50</h>") << start << at
                                       << 2.0 << true << 1.0 << 4.0 << black << 10 << 200 << QPointF() << 10.0 << true;
    // 100000 x 100000 x 4 bytes = 40 GB, past the 4096 MiB image cap.
    QTest::newRow("rect past the image cap") << element("<x>0</x><y>0</y><w>100000</w><h>100000</h>") << start << at
                                             << 2.0 << true << 1.0 << 4.0 << black << 10 << 200 << QPointF() << 10.0
                                             << true;
    // 30000 x 30000 x 4 = 3.6e9 bytes, under 4096 MiB = 4.29e9.
    QTest::newRow("rect under the image cap")
        << element("<x>-15000</x><y>-15000</y><w>30000</w><h>30000</h>") << QRect(-15000, -15000, 30000, 30000) << at
        << 2.0 << true << 1.0 << 4.0 << black << 10 << 200 << QPointF() << 10.0 << false;
    QTest::newRow("rect truncated") << element("<x>-10.7</x><y>3.9</y><w>20.9</w><h>1.2</h>") << QRect(-10, 3, 20, 1)
                                    << at << 2.0 << true << 1.0 << 4.0 << black << 10 << 200 << QPointF() << 10.0
                                    << false;
    QTest::newRow("pos inf") << QString(element()).replace("<x>5</x>", "<x>inf</x>") << start << QPointF(1, 1) << 2.0
                             << true << 1.0 << 4.0 << black << 10 << 200 << QPointF() << 10.0 << true;
    QTest::newRow("pos not a number reads 0") << QString(element()).replace("<x>5</x>", "<x>five</x>") << start
                                              << QPointF(0, 6) << 2.0 << true << 1.0 << 4.0 << black << 10 << 200
                                              << QPointF() << 10.0 << false;
    QTest::newRow("zvalue nan") << QString(element()).replace("<zvalue>2</zvalue>", "<zvalue>nan</zvalue>") << start
                                << at << 1.0 << true << 1.0 << 4.0 << black << 10 << 200 << QPointF() << 10.0 << true;
    QTest::newRow("zvalue 1e40") << QString(element()).replace("<zvalue>2</zvalue>", "<zvalue>1e40</zvalue>")
                                 << start << at << 1.0 << true << 1.0 << 4.0 << black << 10 << 200 << QPointF()
                                 << 10.0 << true;
    QTest::newRow("opacity 0") << element(goodRect, "<opacity>0</opacity>") << start << at << 2.0 << true << 1.0
                               << 4.0 << black << 10 << 200 << QPointF() << 10.0 << false;
    QTest::newRow("opacity 1.5") << element(goodRect, "<opacity>1.5</opacity>") << start << at << 2.0 << true << 1.0
                                 << 4.0 << black << 10 << 200 << QPointF() << 10.0 << false;
    QTest::newRow("opacity nan") << element(goodRect, "<opacity>nan</opacity>") << start << at << 2.0 << true << 1.0
                                 << 4.0 << black << 10 << 200 << QPointF() << 10.0 << true;
    QTest::newRow("margin 99999") << element(goodRect, frame.arg(50).arg(99999)) << start << at << 2.0 << true << 1.0
                                  << 4.0 << black << 15 << 50 << QPointF() << 10.0 << false;
    QTest::newRow("margin -5, alpha 300") << element(goodRect, frame.arg(300).arg(-5)) << start << at << 2.0 << true
                                          << 1.0 << 4.0 << black << 0 << 255 << QPointF() << 10.0 << false;
    QTest::newRow("alpha -1, margin text") << element(goodRect, frame.arg(-1).arg("wide")) << start << at << 2.0
                                           << true << 1.0 << 4.0 << black << 0 << 0 << QPointF() << 10.0 << false;
    QTest::newRow("blurRadius 1e30") << element(goodRect, shadow.arg("1e30", "ff000000")) << start << at << 2.0
                                     << true << 1.0 << 4.0 << black << 10 << 200 << QPointF() << 10.0 << true;
    QTest::newRow("blurRadius 500 clamped") << element(goodRect, shadow.arg("500", "ff000000")) << start << at << 2.0
                                            << true << 1.0 << 20.0 << black << 10 << 200 << QPointF() << 10.0 << false;
    QTest::newRow("blurRadius -3 clamped") << element(goodRect, shadow.arg("-3", "ff000000")) << start << at << 2.0
                                           << true << 1.0 << 0.0 << black << 10 << 200 << QPointF() << 10.0 << false;
    // A "#" name is a colour name, which may carry alpha.
    QTest::newRow("colour #80ff0000") << element(goodRect, shadow.arg("4", "#80ff0000")) << start << at << 2.0 << true
                                      << 1.0 << 4.0 << QColor(255, 0, 0, 128) << 10 << 200 << QPointF() << 10.0
                                      << false;
    // Hex without "#": the low 24 bits, opaque.
    QTest::newRow("colour 80ff0000") << element(goodRect, shadow.arg("4", "80ff0000")) << start << at << 2.0 << true
                                     << 1.0 << 4.0 << QColor(255, 0, 0) << 10 << 200 << QPointF() << 10.0 << false;
    // Nine hex digits do not fit 32 bits: 0, black.
    QTest::newRow("colour nine digits") << element(goodRect, shadow.arg("4", "1ffffffff")) << start << at << 2.0
                                        << true << 1.0 << 4.0 << black << 10 << 200 << QPointF() << 10.0 << false;
    QTest::newRow("colour #nonsense") << element(goodRect, shadow.arg("4", "#nonsense")) << start << at << 2.0 << true
                                      << 1.0 << 4.0 << black << 10 << 200 << QPointF() << 10.0 << true;
    QTest::newRow("tilt 200 clamped") << element(goodRect, turn.arg(200).arg(-90).arg(45)) << start << at << 2.0
                                      << true << 1.0 << 4.0 << black << 10 << 200 << QPointF(70, -70) << 45.0
                                      << false;
    QTest::newRow("angles nan, inf, 1e40") << element(goodRect, turn.arg("nan", "inf", "1e40")) << start << at << 2.0
                                           << true << 1.0 << 4.0 << black << 10 << 200 << QPointF() << 10.0 << true;
}

void TestContentXml::badValues()
{
    QFETCH(QString, xml);
    QFETCH(QRect, rect);
    QFETCH(QPointF, pos);
    QFETCH(double, z);
    QFETCH(bool, visible);
    QFETCH(double, opacity);
    QFETCH(double, shadowRadius);
    QFETCH(QColor, shadowColour);
    QFETCH(int, margin);
    QFETCH(int, frameAlpha);
    QFETCH(QPointF, perspective);
    QFETCH(double, rotation);
    QFETCH(bool, warns);

    QGraphicsScene scene(sceneArea);
    SwatchContent content(&scene, false, 1);
    content.setPos(1, 1);
    content.setZValue(1);
    content.setShadowRadius(4);
    content.setRotation(10);

    QDomDocument doc;
    QDomElement root = parsed(xml, doc);
    QVERIFY(!root.isNull());
    s_warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureWarnings);
    const bool read = content.fromXml(root, QDir());
    qInstallMessageHandler(previous);
    QVERIFY(read);
    QCOMPARE(!s_warnings.isEmpty(), warns);
    for (const QString& warning : std::as_const(s_warnings))
        QVERIFY2(warning.startsWith(QStringLiteral("AbstractContent::fromXml: ")), qPrintable(warning));

    QCOMPARE(content.contentRect(), rect);
    QCOMPARE(content.pos(), pos);
    QCOMPARE(content.zValue(), z);
    QCOMPARE(content.isVisible(), visible);
    QCOMPARE(content.contentOpacity(), opacity);
    QCOMPARE(content.shadowRadius(), shadowRadius);
    QCOMPARE(content.shadowColor(), shadowColour);
    QCOMPARE(content.frameMargin(), margin);
    QCOMPARE(content.frameAlpha(), frameAlpha);
    QCOMPARE(content.perspective(), perspective);
    QCOMPARE(content.rotation(), rotation);
    // Whatever was read, the item is whole: bounding rectangle from the
    // frame, a finite transform, a shadow only above radius 1.
    QCOMPARE(content.boundingRect(), QRectF(rect.adjusted(-margin, -margin, margin, margin)));
    const QTransform transform = content.sceneTransform();
    QVERIFY(qIsFinite(transform.m11()) && qIsFinite(transform.m33()) && qIsFinite(transform.dx()));
    QCOMPARE(content.graphicsEffect() != nullptr, shadowRadius > 1.0);
    // And it writes out again.
    QVERIFY(!written(content).isEmpty());
}

void TestContentXml::frameWithoutNumberRemovesFrame()
{
    QGraphicsScene scene(sceneArea);
    SwatchContent content(&scene, false, 2);
    QDomDocument doc;
    QDomElement root = parsed(element(QStringLiteral("<x>-100</x><y>-75</y><w>200</w><h>150</h>"),
                                  QStringLiteral("<frame color=\"ff00ff00\">heart</frame>")),
        doc);
    content.fromXml(root, QDir());
    QCOMPARE(content.frameClass(), quint32(0));
    QCOMPARE(content.boundingRect(), QRectF(-100, -75, 200, 150));
    QCOMPARE(FrameFactory::defaultFrameClass(), quint32(0));

    // An element without "frame" keeps the frame the content was made with.
    SwatchContent framed(&scene, false, 5);
    root = parsed(element(), doc);
    framed.fromXml(root, QDir());
    QCOMPARE(framed.frameClass(), quint32(5));

    // The frame colour takes the frame's own alpha; the hex alpha is ignored.
    root = parsed(element(QStringLiteral("<x>-100</x><y>-75</y><w>200</w><h>150</h>"),
                      QStringLiteral("<frame color=\"10336699\" opacity=\"200\" margin=\"4\">4</frame>")),
        doc);
    framed.fromXml(root, QDir());
    QCOMPARE(framed.frameClass(), quint32(4));
    QCOMPARE(framed.frameColor(), QColor(0x33, 0x66, 0x99));
    QCOMPARE(static_cast<StandardFrame*>(framed.frame())->topColor(), QColor(0x33, 0x66, 0x99, 200));
    QCOMPARE(framed.frameMargin(), 4);
}

QTEST_MAIN(TestContentXml)
#include "tst_contentxml.moc"
