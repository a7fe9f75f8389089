#include "appframe/ModalPrompts.h"
#include "canvas/BezierCubicItem.h"
#include "canvas/Canvas.h"
#include "canvas/TextContent.h"
#include "canvas/TextProperties.h"
#include "platform/RandomSource.h"
#include "widgets/RichTextEditorDialog.h"

#include <QApplication>
#include <QDomDocument>
#include <QFontMetrics>
#include <QGraphicsScene>
#include <QGraphicsSceneContextMenuEvent>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <cmath>
#include <memory>

Q_DECLARE_METATYPE(Qt::MouseButton)

namespace {

// The document's own margin (Qt's default) and the extra right margin.
constexpr int margin = 4;
constexpr int extraRight = 10;

QFont defaultFont()
{
    QFont font;
    font.setPointSize(32);
    return font;
}

QString plainText(const TextContent& text)
{
    QTextDocument doc;
    doc.setHtml(text.toHtml());
    return doc.toPlainText();
}

// The content as the canvas would paint it, at its natural size.
QImage render(TextContent& text)
{
    const QRect source = text.hasShape() ? text.shapeRect() : text.textRect();
    QImage image(source.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    text.drawContent(&painter, QRect(QPoint(0, 0), source.size()), Qt::IgnoreAspectRatio);
    painter.end();
    return image;
}

// The smallest rectangle holding every painted pixel.
QRect paintedArea(const QImage& image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 0)
                area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

void sendMouse(QWidget* viewport, QEvent::Type type, const QPoint& at, Qt::MouseButton button,
    Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), QPointF(viewport->mapToGlobal(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

void doubleClick(QWidget* viewport, const QPoint& at, Qt::MouseButton button)
{
    sendMouse(viewport, QEvent::MouseButtonPress, at, button, button);
    sendMouse(viewport, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
    sendMouse(viewport, QEvent::MouseButtonDblClick, at, button, button);
    sendMouse(viewport, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

QDomElement parse(QDomDocument& doc, const QString& xml)
{
    doc.setContent(xml);
    return doc.documentElement();
}

QString textXml(const QString& children)
{
    return QStringLiteral("<text><html-text>&lt;p&gt;Hello&lt;/p&gt;</html-text>%1</text>").arg(children);
}

// Every point size the document's fragments draw with.
QList<double> fragmentSizes(const TextContent& text)
{
    QTextDocument doc;
    doc.setDefaultFont(text.defaultFont());
    doc.setHtml(text.toHtml());
    QList<double> sizes;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            sizes << it.fragment().charFormat().font().pointSizeF();
    }
    return sizes;
}

} // namespace

class TestTextContent : public QObject
{
    Q_OBJECT

private slots:
    void newText();
    void canvasAddsText();
    void layoutHeight_data();
    void layoutHeight();
    void ratioKeptWhenTextChanges();
    void curveSizesItem();
    void curveStates();
    void heightForWidthIn64Bits();
    void fragmentsDrawnWhole_data();
    void fragmentsDrawnWhole();
    void alignmentNotDrawn();
    void inheritedFontDrawnAtItsSize();
    void shakeZeroRepeats();
    void shakeOneMovesGlyph();
    void shakeTakesTwoNumbersPerCluster_data();
    void shakeTakesTwoNumbersPerCluster();
    void editDialog_data();
    void editDialog();
    void contextMenu_data();
    void contextMenu();
    void panel();
    void xmlRoundTrip();
    void xmlRead_data();
    void xmlRead();
    void xmlSizesBounded();
};

void TestTextContent::newText()
{
    QGraphicsScene scene;
    auto* text = new TextContent(false, &scene, 1);
    QCOMPARE(plainText(*text), QStringLiteral("Double click to edit..."));
    QCOMPARE(text->defaultFont().pointSize(), 32);
    // The frame class asked for is dropped.
    QCOMPARE(text->frameClass(), 0u);
    QVERIFY(!text->hasShape());
    QVERIFY(!text->isShapeEditing());
    QVERIFY(!text->shapeEditor()->isVisible());
    QCOMPARE(text->contentName(), QStringLiteral("Text"));
    // The editor is primed with its points all the same.
    QCOMPARE(text->shapeEditor()->controlPoints(),
        (QList<QPointF>{QPointF(-100, -50), QPointF(-10, 40), QPointF(100, -50), QPointF(100, 50)}));
}

void TestTextContent::canvasAddsText()
{
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(800, 600));
    TextContent* made = canvas.createText(QPoint(30, 40), false);
    QCOMPARE(made->pos(), QPointF(30, 40));
    made->setSelected(true);

    canvas.addTextContent();
    QCOMPARE(canvas.contents().size(), 2);
    auto* added = qobject_cast<TextContent*>(canvas.contents().last());
    QVERIFY(added);
    QVERIFY(added->isSelected());
    QVERIFY(!made->isSelected());
    // visibleCenter(): the middle of the 800 x 600 scene, moved by -2..+2.
    QVERIFY(std::abs(added->pos().x() - 400) <= 2);
    QVERIFY(std::abs(added->pos().y() - 300) <= 2);
}

void TestTextContent::layoutHeight_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("glyphLines");
    QTest::addColumn<int>("emptyLines");

    // A line of X is as high as the X's bounding box; a line of spaces adds
    // nothing; an empty line adds the font's height.
    QTest::newRow("one line") << "X" << 1 << 0;
    QTest::newRow("blank middle line") << "X\n   \nX" << 2 << 0;
    QTest::newRow("empty middle line") << "X\n\nX" << 2 << 1;
}

void TestTextContent::layoutHeight()
{
    QFETCH(QString, text);
    QFETCH(int, glyphLines);
    QFETCH(int, emptyLines);

    QGraphicsScene scene;
    auto* item = new TextContent(false, &scene, 0);
    item->setPlainText(text);

    const QFontMetrics metrics(defaultFont());
    const int lineHeight = metrics.boundingRect(QStringLiteral("X")).height();
    const QRect rect = item->textRect();
    QCOMPARE(rect.height(), glyphLines * lineHeight + emptyLines * metrics.height() + 2 * margin);
    QCOMPARE(rect.width(), metrics.horizontalAdvance(QStringLiteral("X")) + 2 * margin + extraRight);
    // A new item keeps the natural size, centred on its origin.
    QCOMPARE(item->contentRect().size(), rect.size());
    QCOMPARE(item->contentRect().left(), -(rect.width() / 2));
    QCOMPARE(item->contentRect().top(), -(rect.height() / 2));
}

void TestTextContent::ratioKeptWhenTextChanges()
{
    QGraphicsScene scene;
    auto* item = new TextContent(false, &scene, 0);
    const QRect before = item->textRect();
    item->resizeContents(QRect(-before.width(), -(before.height() / 2), 2 * before.width(), before.height()));

    item->setPlainText(QStringLiteral("A rather longer line of text"));
    const QRect after = item->textRect();
    QVERIFY(after.width() != before.width());
    // Width ratio 2.0 exactly, height ratio 1.0.
    QCOMPARE(item->contentRect().width(), 2 * after.width());
    QCOMPARE(item->contentRect().height(), after.height());
}

void TestTextContent::curveSizesItem()
{
    QGraphicsScene scene;
    auto* item = new TextContent(false, &scene, 0);
    const QRect natural = item->contentRect();
    item->resizeContents(QRect(-300, -20, 600, 40));

    item->setShapeEditing(true);
    QVERIFY(item->hasShape());
    const QPainterPath path = item->shapeEditor()->shape();
    QCOMPARE(item->shapePath(), path);
    // The path's rectangle grown by the tallest font's height (in 10..500).
    const int border = QFontMetrics(defaultFont()).height();
    const QRect expected = path.boundingRect().toRect().adjusted(-border, -border, border, border);
    QCOMPARE(item->shapeRect(), expected);
    QCOMPARE(item->contentRect(), expected);

    // Without the curve, the text's natural size (ratio 1) comes back.
    item->clearShape();
    QVERIFY(!item->hasShape());
    QCOMPARE(item->contentRect(), natural);
}

void TestTextContent::curveStates()
{
    QGraphicsScene scene;
    auto* item = new TextContent(false, &scene, 0);
    QSignalSpy editing(item, &TextContent::notifyShapeEditing);
    QSignalSpy hasShape(item, &TextContent::notifyHasShape);
    QSignalSpy edited(item, &AbstractContent::contentEdited);

    item->setShapeEditing(true);
    QVERIFY(item->isShapeEditing());
    QVERIFY(item->shapeEditor()->isVisible());
    QCOMPARE(editing.count(), 1);
    QCOMPARE(editing.last().at(0).toBool(), true);
    QCOMPARE(hasShape.last().at(0).toBool(), true);
    QVERIFY(edited.count() > 0);

    // Leaving editing keeps the curve; so does losing the selection.
    item->setShapeEditing(false);
    QVERIFY(!item->isShapeEditing());
    QVERIFY(item->hasShape());
    QCOMPARE(editing.last().at(0).toBool(), false);
    item->setShapeEditing(true);
    item->selectionChanged(false);
    QVERIFY(!item->isShapeEditing());
    QVERIFY(item->hasShape());
    QCOMPARE(editing.count(), 4);

    // Selecting does nothing.
    item->selectionChanged(true);
    QVERIFY(!item->isShapeEditing());

    // Dragging a point while editing reshapes the text.
    item->setShapeEditing(true);
    const QList<QPointF> points = {QPointF(-200, 0), QPointF(-100, -80), QPointF(200, 0), QPointF(100, -80)};
    item->shapeEditor()->setControlPoints(points);
    QCOMPARE(item->shapePath(), item->shapeEditor()->shape());

    // Removing the curve from editing ends both; the editor keeps its points.
    item->clearShape();
    QVERIFY(!item->hasShape());
    QVERIFY(!item->isShapeEditing());
    QCOMPARE(editing.last().at(0).toBool(), false);
    QCOMPARE(hasShape.last().at(0).toBool(), false);
    QCOMPARE(item->shapeEditor()->controlPoints(), points);
    // Editing again starts from the last curve.
    item->setShapeEditing(true);
    QCOMPARE(item->shapePath(), item->shapeEditor()->shape());
}

void TestTextContent::heightForWidthIn64Bits()
{
    QGraphicsScene scene;
    auto* item = new TextContent(false, &scene, 0);
    const QRect rect = item->textRect();
    // A billion times a height of about 60 does not fit 32 bits; the
    // quotient does.
    const int width = 1000000000;
    const qint64 expected = qint64(rect.height()) * width / rect.width();
    QVERIFY(expected < std::numeric_limits<int>::max());
    QCOMPARE(item->contentHeightForWidth(width), int(expected));
    QCOMPARE(item->contentHeightForWidth(rect.width() * 3), rect.height() * 3);
}

void TestTextContent::fragmentsDrawnWhole_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("emoji") << QStringLiteral("a\U0001F600b");
    QTest::newRow("accent of two code points") << QStringLiteral("Cafe\u0301");
    QTest::newRow("arabic word") << QStringLiteral("\u0633\u0644\u0627\u0645");
}

void TestTextContent::fragmentsDrawnWhole()
{
    QFETCH(QString, text);
    QGraphicsScene scene;
    auto* item = new TextContent(false, &scene, 0);
    item->setPlainText(text);
    const QImage drawn = render(*item);

    // One run at the block's baseline: x at the margin, y below the top
    // margin by the block's height above its baseline.
    const QRect block = item->blockRects().at(0);
    QImage expected(drawn.size(), drawn.format());
    expected.fill(Qt::transparent);
    QPainter painter(&expected);
    painter.setFont(item->defaultFont());
    painter.setPen(Qt::black);
    painter.drawText(QPointF(margin - block.left(), margin - block.top()), text);
    painter.end();
    QVERIFY(!paintedArea(drawn).isEmpty());
    QCOMPARE(drawn, expected);
}

void TestTextContent::alignmentNotDrawn()
{
    QGraphicsScene scene;
    auto* centred = new TextContent(false, &scene, 0);
    centred->setHtml(QStringLiteral("<p align=\"center\">ab</p><p>abcdefgh</p>"));
    auto* plain = new TextContent(false, &scene, 0);
    plain->setHtml(QStringLiteral("<p>ab</p><p>abcdefgh</p>"));
    QCOMPARE(render(*centred), render(*plain));
}

void TestTextContent::inheritedFontDrawnAtItsSize()
{
    // Text without a size of its own is drawn in the item's 32 points, as
    // text that names that size.
    QGraphicsScene scene;
    auto* inherited = new TextContent(false, &scene, 0);
    inherited->setHtml(QStringLiteral("<p>Size</p>"));
    inherited->setShapeEditing(true);
    auto* named = new TextContent(false, &scene, 0);
    named->setHtml(QStringLiteral("<p style=\"font-size:32pt\">Size</p>"));
    named->setShapeEditing(true);
    QCOMPARE(render(*inherited), render(*named));
    inherited->clearShape();
    named->clearShape();
    QCOMPARE(render(*inherited), render(*named));
}

void TestTextContent::shakeZeroRepeats()
{
    QGraphicsScene scene;
    auto* item = new TextContent(false, &scene, 0);
    item->setPlainText(QStringLiteral("Along the curve\nand below"));
    item->setShapeEditing(true);
    const QImage first = render(*item);
    QVERIFY(!paintedArea(first).isEmpty());
    QCOMPARE(render(*item), first);
}

void TestTextContent::shakeOneMovesGlyph()
{
    QGraphicsScene scene;
    auto* item = new TextContent(false, &scene, 0);
    item->setPlainText(QStringLiteral("I"));
    item->setShapeEditing(true);
    const QRect still = paintedArea(render(*item));
    QVERIFY(!still.isEmpty());

    QVERIFY(QMetaObject::invokeMethod(item, "slotShakeMore"));
    QCOMPARE(item->shakeRadius(), 1);
    for (quint64 seed : {1u, 2u, 3u, 4u}) {
        // Radius 1: dx = (r1 mod 1) - 0 + 1 = 1, dy = (r2 mod 2) - 1 + 1.
        RandomSource::seed(seed);
        RandomSource::next();
        const int dy = int(RandomSource::next() % 2);
        RandomSource::seed(seed);
        QCOMPARE(paintedArea(render(*item)), still.translated(1, dy));
    }
    RandomSource::reseedFromSystem();

    // Back to 0, and no lower.
    QVERIFY(QMetaObject::invokeMethod(item, "slotShakeLess"));
    QVERIFY(QMetaObject::invokeMethod(item, "slotShakeLess"));
    QCOMPARE(item->shakeRadius(), 0);
    QCOMPARE(paintedArea(render(*item)), still);
}

void TestTextContent::shakeTakesTwoNumbersPerCluster_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("clusters");
    QTest::newRow("letters") << QStringLiteral("abc") << 3;
    QTest::newRow("accent of two code points") << QStringLiteral("e\u0301") << 1;
    QTest::newRow("emoji") << QStringLiteral("\U0001F600") << 1;
    QTest::newRow("two lines") << QStringLiteral("ab\ncd") << 4;
}

void TestTextContent::shakeTakesTwoNumbersPerCluster()
{
    QFETCH(QString, text);
    QFETCH(int, clusters);
    QGraphicsScene scene;
    auto* item = new TextContent(false, &scene, 0);
    item->setPlainText(text);
    item->setShapeEditing(true);
    QVERIFY(QMetaObject::invokeMethod(item, "slotShakeMore"));
    QVERIFY(QMetaObject::invokeMethod(item, "slotShakeMore"));

    RandomSource::seed(99);
    for (int i = 0; i < 2 * clusters; ++i)
        RandomSource::next();
    const quint32 following = RandomSource::next();
    RandomSource::seed(99);
    render(*item);
    QCOMPARE(RandomSource::next(), following);
    RandomSource::reseedFromSystem();
}

void TestTextContent::editDialog_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("opens");

    QTest::newRow("left double click, OK") << "left" << int(QDialog::Accepted) << true;
    QTest::newRow("left double click, Cancel") << "left" << int(QDialog::Rejected) << true;
    QTest::newRow("right double click") << "right" << int(QDialog::Accepted) << false;
    QTest::newRow("F2, OK") << "F2" << int(QDialog::Accepted) << true;
    QTest::newRow("F2, Cancel") << "F2" << int(QDialog::Rejected) << true;
    QTest::newRow("other key") << "F3" << int(QDialog::Accepted) << false;
}

void TestTextContent::editDialog()
{
    QFETCH(QString, trigger);
    QFETCH(int, answer);
    QFETCH(bool, opens);

    QGraphicsScene scene(-300, -300, 600, 600);
    QGraphicsView view(&scene);
    view.setFrameStyle(QFrame::NoFrame);
    view.resize(600, 600);
    view.show();
    auto* item = new TextContent(false, &scene, 0);
    item->setPlainText(QStringLiteral("Before"));
    QSignalSpy edited(item, &AbstractContent::contentEdited);

    int asked = 0;
    QSize dialogSize;
    bool fixedSize = false;
    QString offered;
    ModalPrompts::ScopedResponder responder([&](const ModalPrompts::Request& request) {
        if (request.kind != ModalPrompts::Kind::Dialog)
            return -1;
        ++asked;
        auto* dialog = qobject_cast<RichTextEditorDialog*>(request.dialog);
        if (!dialog)
            return int(QDialog::Rejected);
        dialogSize = dialog->minimumSize();
        fixedSize = dialog->maximumSize() == dialogSize;
        offered = dialog->text(Qt::PlainText);
        dialog->setText(QStringLiteral("After"));
        return answer;
    });

    if (trigger == QLatin1String("left") || trigger == QLatin1String("right")) {
        doubleClick(view.viewport(), view.mapFromScene(item->scenePos()),
            trigger == QLatin1String("left") ? Qt::LeftButton : Qt::RightButton);
    } else {
        QKeyEvent key(QEvent::KeyPress, trigger == QLatin1String("F2") ? Qt::Key_F2 : Qt::Key_F3, Qt::NoModifier);
        scene.sendEvent(item, &key);
    }

    QCOMPARE(asked, opens ? 1 : 0);
    if (opens) {
        QCOMPARE(dialogSize, QSize(600, 300));
        QVERIFY(fixedSize);
        QCOMPARE(offered, QStringLiteral("Before"));
    }
    const bool changed = opens && answer == QDialog::Accepted;
    QCOMPARE(plainText(*item), changed ? QStringLiteral("After") : QStringLiteral("Before"));
    QCOMPARE(edited.count() > 0, changed);
}

void TestTextContent::contextMenu_data()
{
    QTest::addColumn<bool>("withCurve");
    QTest::addColumn<QString>("choice");

    QTest::newRow("no curve, remove") << false << "Remove";
    QTest::newRow("no curve, edit curve") << false << "Edit Text Curve";
    QTest::newRow("curve, edit curve") << true << "Edit Text Curve";
    QTest::newRow("curve, remove shape") << true << "Remove Text Shape";
    QTest::newRow("curve, to front") << true << "To Front";
    QTest::newRow("nothing chosen") << false << "";
}

void TestTextContent::contextMenu()
{
    QFETCH(bool, withCurve);
    QFETCH(QString, choice);

    QGraphicsScene scene;
    auto* other = new TextContent(false, &scene, 0);
    other->setSelected(true);
    auto* item = new TextContent(false, &scene, 0);
    if (withCurve) {
        item->setShapeEditing(true);
        item->setShapeEditing(false);
    }
    QSignalSpy removal(item, &AbstractContent::requestRemoval);
    QSignalSpy stack(item, &AbstractContent::changeStack);

    QStringList texts;
    ModalPrompts::ScopedResponder responder([&](const ModalPrompts::Request& request) {
        texts = request.actionTexts;
        return choice.isEmpty() ? -1 : int(request.actionTexts.indexOf(choice));
    });
    QGraphicsSceneContextMenuEvent event(QEvent::GraphicsSceneContextMenu);
    scene.sendEvent(item, &event);
    QVERIFY(event.isAccepted());

    // The clicked item alone is selected.
    QVERIFY(item->isSelected());
    QVERIFY(!other->isSelected());
    QStringList expected = {"To Front", "Raise", "Lower", "To Back", "", "Edit Text", "Edit Text Curve"};
    if (withCurve)
        expected << "Remove Text Shape";
    expected << "" << "Remove";
    QCOMPARE(texts, expected);

    QCOMPARE(removal.count(), choice == QLatin1String("Remove") ? 1 : 0);
    QCOMPARE(stack.count(), choice == QLatin1String("To Front") ? 1 : 0);
    if (choice == QLatin1String("Edit Text Curve"))
        QVERIFY(item->isShapeEditing());
    QCOMPARE(item->hasShape(), choice == QLatin1String("Remove Text Shape") ? false : withCurve || item->isShapeEditing());
}

void TestTextContent::panel()
{
    QGraphicsScene scene;
    auto* item = new TextContent(false, &scene, 0);
    const QMap<QString, QWidget*> sections = item->createContentWidget();
    QCOMPARE(sections.keys(), QStringList{QStringLiteral("Curve")});
    std::unique_ptr<QWidget> owner(sections.first());
    auto* panel = qobject_cast<TextProperties*>(owner.get());
    QVERIFY(panel);
    QPushButton* edit = panel->editShapeButton();
    QPushButton* clear = panel->clearShapeButton();
    QCOMPARE(edit->text(), QStringLiteral("Edit "));
    QVERIFY(edit->isCheckable());
    QVERIFY(!edit->isChecked());
    QVERIFY(clear->isHidden());

    // The button turns editing on and shows the curve's remove button.
    edit->click();
    QVERIFY(item->isShapeEditing());
    QVERIFY(edit->isChecked());
    QVERIFY(!clear->isHidden());
    // It stays pressed while editing, and follows the item.
    item->setShapeEditing(true);
    QVERIFY(edit->isChecked());
    item->selectionChanged(false);
    QVERIFY(!edit->isChecked());
    QVERIFY(!clear->isHidden());

    clear->click();
    QVERIFY(!item->hasShape());
    QVERIFY(clear->isHidden());
    QVERIFY(!edit->isChecked());
}

void TestTextContent::xmlRoundTrip()
{
    QGraphicsScene scene;
    auto* item = new TextContent(false, &scene, 0);
    item->setPlainText(QStringLiteral("Round\ntrip"));
    item->shapeEditor()->setControlPoints(
        {QPointF(-120.5, -40), QPointF(-30, 60.25), QPointF(110, -45), QPointF(90, 70)});
    item->setShapeEditing(true);
    item->setShapeEditing(false);
    item->setPos(15, 25);

    QDomDocument doc;
    QDomElement element = doc.createElement(QStringLiteral("content"));
    doc.appendChild(element);
    item->toXml(element, QDir());
    QCOMPARE(element.tagName(), QStringLiteral("text"));
    const QDomElement shape = element.firstChildElement(QStringLiteral("shape"));
    QCOMPARE(shape.attribute(QStringLiteral("enabled")), QStringLiteral("1"));
    const QDomElement points = shape.firstChildElement(QStringLiteral("control-points"));
    QCOMPARE(points.attribute(QStringLiteral("one")), QStringLiteral("-120.5 -40"));
    QCOMPARE(points.attribute(QStringLiteral("two")), QStringLiteral("-30 60.25"));
    QCOMPARE(points.attribute(QStringLiteral("three")), QStringLiteral("110 -45"));
    QCOMPARE(points.attribute(QStringLiteral("four")), QStringLiteral("90 70"));
    const QDomElement font = element.firstChildElement(QStringLiteral("default-font"));
    QCOMPARE(font.attribute(QStringLiteral("font-size")), QStringLiteral("32"));

    auto* copy = new TextContent(false, &scene, 0);
    QVERIFY(copy->fromXml(element, QDir()));
    QCOMPARE(plainText(*copy), QStringLiteral("Round\ntrip"));
    QVERIFY(copy->hasShape());
    QVERIFY(!copy->isShapeEditing());
    QCOMPARE(copy->shapeEditor()->controlPoints(), item->shapeEditor()->controlPoints());
    QCOMPARE(copy->shapePath(), item->shapePath());
    QCOMPARE(copy->contentRect(), item->contentRect());
    QCOMPARE(copy->pos(), QPointF(15, 25));

    // Without a curve, "enabled" 0 and no points.
    copy->clearShape();
    QDomElement plain = doc.createElement(QStringLiteral("content"));
    copy->toXml(plain, QDir());
    const QDomElement noShape = plain.firstChildElement(QStringLiteral("shape"));
    QCOMPARE(noShape.attribute(QStringLiteral("enabled")), QStringLiteral("0"));
    QVERIFY(noShape.firstChildElement().isNull());
}

void TestTextContent::xmlRead_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<bool>("curve");

    const QString points = QStringLiteral(
        "<control-points one=\"%1\" two=\"-10 40\" three=\"100 -50\" four=\"100 50\"/>");
    const auto shape = [&](const QString& enabled, const QString& first) {
        return QStringLiteral("<shape enabled=\"%1\">%2</shape>").arg(enabled, points.arg(first));
    };
    QTest::newRow("enabled") << shape("1", "-100 -50") << true;
    QTest::newRow("enabled 0") << shape("0", "-100 -50") << false;
    QTest::newRow("enabled missing") << QStringLiteral("<shape>%1</shape>").arg(points.arg("-100 -50")) << false;
    QTest::newRow("no points") << QStringLiteral("<shape enabled=\"1\"/>") << false;
    QTest::newRow("one number") << shape("1", "-100") << false;
    QTest::newRow("not a number") << shape("1", "-100 abc") << false;
    QTest::newRow("two spaces") << shape("1", "-100  -50") << false;
    QTest::newRow("extra part ignored") << shape("1", "-100 -50 7") << true;
    QTest::newRow("infinite") << shape("1", "inf -50") << false;
    QTest::newRow("not finite") << shape("1", "-100 nan") << false;
    QTest::newRow("at the limit") << shape("1", "-1000000 1000000") << true;
    QTest::newRow("past the limit") << shape("1", "-1000001 0") << false;
    QTest::newRow("far out") << shape("1", "3e38 0") << false;
}

void TestTextContent::xmlRead()
{
    QFETCH(QString, shape);
    QFETCH(bool, curve);

    QGraphicsScene scene;
    auto* item = new TextContent(false, &scene, 0);
    QDomDocument doc;
    QDomElement element = parse(doc, textXml(shape));
    QVERIFY(item->fromXml(element, QDir()));
    QCOMPARE(plainText(*item), QStringLiteral("Hello"));
    QCOMPARE(item->hasShape(), curve);
    QVERIFY(!item->isShapeEditing());
    QVERIFY(item->contentRect().isValid());
    if (curve)
        QCOMPARE(item->contentRect(), item->shapeRect());
}

void TestTextContent::xmlSizesBounded()
{
    QGraphicsScene scene;
    auto* item = new TextContent(false, &scene, 0);
    QDomDocument doc;
    const QString html = QStringLiteral(
        "&lt;p style='font-size:1000000pt'&gt;big&lt;/p&gt;&lt;p style='font-size:1000000px'&gt;px&lt;/p&gt;"
        "&lt;p style='font-size:12pt'&gt;small&lt;/p&gt;");
    QDomElement element = parse(doc,
        QStringLiteral("<text><html-text>%1</html-text><default-font font-family=\"Serif\" font-size=\"99999999\"/>"
                       "</text>")
            .arg(html));
    QVERIFY(item->fromXml(element, QDir()));
    QCOMPARE(item->defaultFont().pointSize(), TextContent::maxPointSize);
    QCOMPARE(item->defaultFont().family(), QStringLiteral("Serif"));
    const QList<double> sizes = fragmentSizes(*item);
    QCOMPARE(sizes.size(), 3);
    QCOMPARE(sizes.at(0), 400.0);
    QCOMPARE(sizes.at(2), 12.0);
    // Pixel sizes are held to as many pixels as 400 points take at 96 dpi.
    QTextDocument check;
    check.setHtml(item->toHtml());
    const QTextFragment px = check.begin().next().begin().fragment();
    QVERIFY(px.charFormat().font().pixelSize() <= 533);
    // Layout and drawing stay within ordinary sizes.
    QVERIFY(item->textRect().height() < 3 * 800);
    QVERIFY(!render(*item).isNull());

    // A size that is not a number leaves QFont's default.
    QDomDocument doc2;
    QDomElement bad = parse(doc2,
        QStringLiteral("<text><html-text>x</html-text><default-font font-size=\"huge\"/></text>"));
    item->fromXml(bad, QDir());
    QCOMPARE(item->defaultFont().pointSize(), QFont().pointSize());
    QCOMPARE(item->defaultFont().family(), QString());
}

QTEST_MAIN(TestTextContent)
#include "tst_textcontent.moc"
