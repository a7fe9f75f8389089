#include "SwatchContent.h"

#include "appframe/ModalPrompts.h"
#include "canvas/Canvas.h"
#include "canvas/CanvasModeInfo.h"
#include "canvas/RenderOpts.h"
#include "platform/RandomSource.h"

#include <QGraphicsRectItem>
#include <QGraphicsView>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// A content standing in for a picture: fills its target with one colour and
// may claim to cover it wholly.
class PlainContent : public SwatchContent
{
public:
    using SwatchContent::SwatchContent;
    bool contentOpaque() const override { return opaque; }
    bool opaque = false;
};

// A canvas whose panels are labels, so the selection hook can be seen.
class PanelCanvas : public Canvas
{
public:
    using Canvas::Canvas;
    int selectionPanelSize = -1;

protected:
    QWidget* createContentPanel(AbstractContent* content) override
    {
        return new QLabel(content->contentName());
    }
    QWidget* createSelectionPanel(const QList<AbstractContent*>& contents) override
    {
        selectionPanelSize = int(contents.size());
        return new QLabel(QStringLiteral("selection"));
    }
};

// A content of 20 x 20 at (x, 100), added to the canvas.
PlainContent* addSmall(Canvas& canvas, int x)
{
    auto* content = new PlainContent(&canvas);
    content->resizeContents(QRect(-10, -10, 20, 20));
    canvas.addManualContent(content, QPoint(x, 100));
    return content;
}

QImage onScreen(Canvas& canvas)
{
    QImage image(canvas.sceneSize(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    canvas.render(&painter, QRectF(QPointF(0, 0), canvas.sceneSize()), canvas.sceneRectangle());
    return image;
}

} // namespace

class TestCanvas : public QObject
{
    Q_OBJECT

private slots:
    void newCanvas();
    void resizing_data();
    void resizing();
    void initContentPlacesAndStacks();
    void visibleCenterJitter();
    void stacking_data();
    void stacking();
    void deleteAsks_data();
    void deleteAsks();
    void removalRequests();
    void removalsDuringQuestion();
    void destroyWithSelection();
    void selectionPanels();
    void changeFlag_data();
    void changeFlag();
    void backContentReplaced();
    void background_data();
    void background();
    void checkerOnScreenOnly();
    void backContentCoversGradient_data();
    void backContentCoversGradient();
    void border_data();
    void border();
    void renderedImageGeometry();
    void renderHidesTools();
    void renderedImageTooLarge();
    void shownInView();
};

void TestCanvas::newCanvas()
{
    Canvas canvas(96, 120, nullptr);
    QVERIFY(canvas.contents().isEmpty());
    QVERIFY(!canvas.pendingChanges());
    QCOMPARE(canvas.sceneSize(), QSize(1, 1));
    QCOMPARE(canvas.modeInfo()->canvasDpi().first, 96.0);
    QCOMPARE(canvas.modeInfo()->canvasDpi().second, 120.0);
    QVERIFY(!canvas.modeInfo()->isFixedSize());
    const CanvasBackColor back = canvas.backColor();
    QCOMPARE(back.mode, 2);
    QCOMPARE(back.color, QColor(Qt::white));
    QCOMPARE(back.topColor, QColor(192, 192, 192));
    QCOMPARE(back.bottomColor, QColor(80, 80, 80));
    QVERIFY(!back.showGrid);
    const CanvasBorder border = canvas.border();
    QCOMPARE(border.opacity, 128);
    QCOMPARE(border.width, 25);
    QCOMPARE(border.color, QColor(255, 0, 0));
    QVERIFY(!border.top && !border.left && !border.bottom && !border.right);
    QCOMPARE(canvas.backContentRatio(), Qt::KeepAspectRatioByExpanding);
    QVERIFY(!canvas.backContentItem());

    const QImage checker = canvas.checkerPattern().toImage();
    QCOMPARE(checker.size(), QSize(100, 100));
    QCOMPARE(checker.pixelColor(0, 0), QColor(128, 128, 128));
    QCOMPARE(checker.pixelColor(49, 49), QColor(128, 128, 128));
    QCOMPARE(checker.pixelColor(50, 49), QColor(192, 192, 192));
    QCOMPARE(checker.pixelColor(49, 50), QColor(192, 192, 192));
    QCOMPARE(checker.pixelColor(99, 99), QColor(128, 128, 128));
}

void TestCanvas::resizing_data()
{
    QTest::addColumn<QSizeF>("fixed");
    QTest::addColumn<QList<QSize>>("requests");
    QTest::addColumn<QSize>("scene");
    QTest::addColumn<int>("announced");

    QTest::newRow("adaptive follows") << QSizeF(-1, -1) << QList<QSize> {QSize(640, 480)} << QSize(640, 480) << 1;
    // The same size again is still announced.
    QTest::newRow("adaptive same size twice")
        << QSizeF(-1, -1) << QList<QSize> {QSize(640, 480), QSize(640, 480)} << QSize(640, 480) << 2;
    QTest::newRow("fixed ignores request") << QSizeF(2000, 1500) << QList<QSize> {QSize(640, 480)} << QSize(2000, 1500)
                                           << 0;
    QTest::newRow("fixed request equal") << QSizeF(2000, 1500) << QList<QSize> {QSize(2000, 1500)}
                                         << QSize(2000, 1500) << 0;
    // Halves away from zero: 100.5 -> 101, 200.4 -> 200.
    QTest::newRow("fixed rounded") << QSizeF(100.5, 200.4) << QList<QSize> {QSize(10, 10)} << QSize(101, 200) << 0;
    // One side 0: not fixed, so adaptive.
    QTest::newRow("zero side adaptive") << QSizeF(0, 300) << QList<QSize> {QSize(300, 200)} << QSize(300, 200) << 1;
}

void TestCanvas::resizing()
{
    QFETCH(QSizeF, fixed);
    QFETCH(QList<QSize>, requests);
    QFETCH(QSize, scene);
    QFETCH(int, announced);

    Canvas canvas(72, 72, nullptr);
    canvas.modeInfo()->setFixedSize(fixed);
    QSignalSpy spy(&canvas, &Canvas::adaptionSizeChanged);
    for (const QSize& request : requests)
        canvas.resize(request);
    QCOMPARE(canvas.sceneSize(), scene);
    QCOMPARE(canvas.sceneRectangle(), QRectF(QPointF(0, 0), QSizeF(scene)));
    QCOMPARE(spy.count(), announced);
    for (const QList<QVariant>& args : spy)
        QVERIFY(requests.contains(args.at(0).toSize()));
}

void TestCanvas::initContentPlacesAndStacks()
{
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(800, 600));
    auto* first = new PlainContent(&canvas);
    first->setPos(33, 44);
    first->setVisible(false);
    canvas.addManualContent(first, QPoint(0, 0));
    // (0, 0) leaves the position alone; the content is shown; z 1.
    QCOMPARE(first->pos(), QPointF(33, 44));
    QVERIFY(first->isVisible());
    QCOMPARE(first->zValue(), 1.0);
    QVERIFY(canvas.pendingChanges());

    first->setZValue(7.5);
    auto* second = addSmall(canvas, 120);
    QCOMPARE(second->pos(), QPointF(120, 100));
    // One above the last of the list: 7.5 + 1.
    QCOMPARE(second->zValue(), 8.5);
    QCOMPARE(canvas.contents(), (QList<AbstractContent*> {first, second}));
}

void TestCanvas::visibleCenterJitter()
{
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    RandomSource::seed(29);
    const quint32 r1 = RandomSource::next();
    const quint32 r2 = RandomSource::next();
    RandomSource::seed(29);
    // Scene centre (200, 150), moved by 2 - r mod 5 on each axis.
    QCOMPARE(canvas.visibleCenter(), QPoint(200 + 2 - int(r1 % 5), 150 + 2 - int(r2 % 5)));
    RandomSource::reseedFromSystem();
    for (int i = 0; i < 200; ++i) {
        const QPoint p = canvas.visibleCenter();
        QVERIFY(p.x() >= 198 && p.x() <= 202);
        QVERIFY(p.y() >= 148 && p.y() <= 152);
    }
}

void TestCanvas::stacking_data()
{
    QTest::addColumn<QList<int>>("xs");
    QTest::addColumn<int>("sender");
    QTest::addColumn<int>("op");
    QTest::addColumn<QString>("order");
    QTest::addColumn<QList<double>>("z");
    QTest::addColumn<bool>("marked");

    // Contents A, B, C, D from the bottom, 20 px wide at the given x; two of
    // them overlap when their x differ by less than 20. Before the call the
    // z values are 5, 6, 7, 8, so renumbering shows as 1..4.
    const QList<double> untouched {5, 6, 7, 8};
    const QList<double> renumbered {1, 2, 3, 4};
    QTest::newRow("raise B over C") << QList<int> {0, 300, 310, 600} << 1 << 2 << "ACBD" << renumbered << true;
    QTest::newRow("lower D under B") << QList<int> {0, 300, 600, 310} << 3 << 3 << "ADBC" << renumbered << true;
    QTest::newRow("raise without overlap to top") << QList<int> {0, 300, 600, 900} << 1 << 2 << "ACDB" << renumbered
                                                  << true;
    QTest::newRow("lower without overlap to bottom") << QList<int> {0, 300, 600, 900} << 2 << 3 << "CABD"
                                                     << renumbered << true;
    QTest::newRow("raise top-most") << QList<int> {0, 5, 10, 15} << 3 << 2 << "ABCD" << untouched << false;
    QTest::newRow("lower bottom-most") << QList<int> {0, 5, 10, 15} << 0 << 3 << "ABCD" << untouched << false;
    QTest::newRow("front on top-most renumbers") << QList<int> {0, 5, 10, 15} << 3 << 1 << "ABCD" << renumbered
                                                 << false;
    QTest::newRow("front") << QList<int> {0, 5, 10, 15} << 0 << 1 << "BCDA" << renumbered << true;
    QTest::newRow("back") << QList<int> {0, 5, 10, 15} << 2 << 4 << "CABD" << renumbered << true;
    QTest::newRow("unknown op renumbers") << QList<int> {0, 5, 10, 15} << 1 << 9 << "ABCD" << renumbered << false;
}

void TestCanvas::stacking()
{
    QFETCH(QList<int>, xs);
    QFETCH(int, sender);
    QFETCH(int, op);
    QFETCH(QString, order);
    QFETCH(QList<double>, z);
    QFETCH(bool, marked);

    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(1000, 300));
    QList<AbstractContent*> made;
    for (int i = 0; i < xs.size(); ++i) {
        made << addSmall(canvas, xs.at(i));
        made.last()->setObjectName(QString(QChar('A' + i)));
        made.last()->setZValue(5 + i);
    }
    canvas.slotResetChanges();
    emit made.at(sender)->changeStack(op);

    QString got;
    QList<double> gotZ;
    for (AbstractContent* content : canvas.contents()) {
        got += content->objectName();
        gotZ << content->zValue();
    }
    QCOMPARE(got, order);
    QCOMPARE(gotZ, z);
    QCOMPARE(canvas.pendingChanges(), marked);
}

void TestCanvas::deleteAsks_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("left");

    QTest::newRow("one asks nothing") << 1 << int(QMessageBox::No) << 0 << 2;
    QTest::newRow("two, No keeps both") << 2 << int(QMessageBox::No) << 1 << 3;
    QTest::newRow("two, Yes deletes") << 2 << int(QMessageBox::Yes) << 1 << 1;
    QTest::newRow("three, Yes deletes") << 3 << int(QMessageBox::Yes) << 1 << 0;
    QTest::newRow("none selected") << 0 << int(QMessageBox::Yes) << 0 << 3;
}

void TestCanvas::deleteAsks()
{
    QFETCH(int, selected);
    QFETCH(int, answer);
    QFETCH(int, questions);
    QFETCH(int, left);

    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(800, 600));
    QList<AbstractContent*> made {addSmall(canvas, 100), addSmall(canvas, 300), addSmall(canvas, 500)};
    for (int i = 0; i < selected; ++i)
        made.at(i)->setSelected(true);
    canvas.slotResetChanges();

    QList<ModalPrompts::Request> asked;
    ModalPrompts::ScopedResponder responder([&](const ModalPrompts::Request& request) {
        asked << request;
        return answer;
    });
    canvas.slotDeleteContent();
    QCOMPARE(asked.size(), questions);
    if (questions) {
        QCOMPARE(asked.first().kind, ModalPrompts::Kind::Question);
        QVERIFY(asked.first().parent.isNull());
        QCOMPARE(asked.first().title, QStringLiteral("Delete content"));
        QCOMPARE(asked.first().text,
            QStringLiteral("All the %1 selected content will be deleted, do you want to continue?").arg(selected));
        QCOMPARE(asked.first().buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(asked.first().defaultButton, QMessageBox::NoButton);
    }
    QCOMPARE(int(canvas.contents().size()), left);
    // Deleting marks; the flag only shows while contents remain.
    const bool deleted = left < 3;
    QCOMPARE(canvas.pendingChanges(), deleted && left > 0);
}

void TestCanvas::removalRequests()
{
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(800, 600));
    auto* a = addSmall(canvas, 100);
    auto* b = addSmall(canvas, 300);
    auto* c = addSmall(canvas, 500);
    a->setSelected(true);
    b->setSelected(true);
    int questions = 0;
    ModalPrompts::ScopedResponder responder([&](const ModalPrompts::Request&) {
        ++questions;
        return int(QMessageBox::Yes);
    });

    // Not selected: only itself, no question; handled once queued.
    emit c->requestRemoval();
    QCOMPARE(int(canvas.contents().size()), 3);
    QTRY_COMPARE(int(canvas.contents().size()), 2);
    QCOMPARE(questions, 0);
    QVERIFY(!canvas.contents().contains(c));

    // Selected: takes the selection with it, asking first.
    emit a->requestRemoval();
    QTRY_VERIFY(canvas.contents().isEmpty());
    QCOMPARE(questions, 1);
}

void TestCanvas::removalsDuringQuestion()
{
    auto canvas = std::make_unique<Canvas>(72, 72, nullptr);
    canvas->resize(QSize(800, 600));
    auto* a = addSmall(*canvas, 100);
    QPointer<AbstractContent> b = addSmall(*canvas, 300);
    auto* c = addSmall(*canvas, 500);
    a->setSelected(true);
    b->setSelected(true);

    int questions = 0;
    ModalPrompts::ScopedResponder responder([&](const ModalPrompts::Request&) {
        ++questions;
        // While the box is up, a finished fade-out frees one of the contents.
        canvas->deleteContent(b.data());
        delete b.data();
        return int(QMessageBox::Yes);
    });
    // Two queued removals of the same content: the second finds it gone.
    emit a->requestRemoval();
    emit a->requestRemoval();
    QTRY_COMPARE(canvas->contents(), (QList<AbstractContent*> {c}));
    QTest::qWait(50);
    QCOMPARE(questions, 1);
    QCOMPARE(canvas->contents(), (QList<AbstractContent*> {c}));
}

void TestCanvas::destroyWithSelection()
{
    auto* canvas = new Canvas(72, 72, nullptr);
    canvas->resize(QSize(800, 600));
    QPointer<AbstractContent> a = addSmall(*canvas, 100);
    QPointer<AbstractContent> b = addSmall(*canvas, 300);
    addSmall(*canvas, 500);
    a->setSelected(true);
    b->setSelected(true);
    canvas->setBackContent(b);
    emit a->requestRemoval();
    delete canvas;
    QVERIFY(a.isNull());
    QVERIFY(b.isNull());
    // The queued removal finds nothing to do.
    QTest::qWait(20);
}

void TestCanvas::selectionPanels()
{
    PanelCanvas canvas(72, 72, nullptr);
    canvas.resize(QSize(800, 600));
    auto* a = addSmall(canvas, 100);
    auto* b = addSmall(canvas, 300);
    QList<QWidget*> shown;
    connect(&canvas, &Canvas::showPropertiesWidget, this, [&](QWidget* widget) { shown << widget; });

    a->setSelected(true);
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown.last());
    QCOMPARE(qobject_cast<QLabel*>(shown.last())->text(), QStringLiteral("Swatch"));
    b->setSelected(true);
    QCOMPARE(shown.size(), 2);
    QCOMPARE(canvas.selectionPanelSize, 2);
    QCOMPARE(qobject_cast<QLabel*>(shown.last())->text(), QStringLiteral("selection"));
    canvas.clearSelection();
    QVERIFY(!shown.last());
    // The receiver owns the panels.
    qDeleteAll(shown);
}

void TestCanvas::changeFlag_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<bool>("marked");

    QTest::newRow("move") << "move" << true;
    QTest::newRow("resize content") << "resizeContent" << true;
    QTest::newRow("turn") << "turn" << true;
    QTest::newRow("tilt") << "tilt" << true;
    QTest::newRow("shadow") << "shadow" << true;
    QTest::newRow("restack") << "restack" << true;
    QTest::newRow("hide") << "hide" << true;
    QTest::newRow("background") << "backColor" << true;
    QTest::newRow("background same") << "backColorSame" << false;
    QTest::newRow("border") << "border" << true;
    QTest::newRow("border same") << "borderSame" << false;
    QTest::newRow("ratio") << "ratio" << true;
    QTest::newRow("ratio same") << "ratioSame" << false;
    QTest::newRow("back content") << "backContent" << true;
    QTest::newRow("clear back content") << "clearBackContent" << true;
    QTest::newRow("mark slot") << "mark" << true;
    QTest::newRow("select") << "select" << false;
    QTest::newRow("canvas resize moves content") << "shrink" << false;
    QTest::newRow("same move") << "moveSame" << false;
}

void TestCanvas::changeFlag()
{
    QFETCH(QString, op);
    QFETCH(bool, marked);

    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(800, 600));
    auto* a = addSmall(canvas, 400);
    auto* b = addSmall(canvas, 410);
    canvas.setBackContent(nullptr);
    if (op == "clearBackContent")
        canvas.setBackContent(b);
    canvas.slotResetChanges();
    QVERIFY(!canvas.pendingChanges());

    if (op == "move")
        a->setPos(420, 120);
    else if (op == "moveSame")
        a->setPos(400, 100);
    else if (op == "resizeContent")
        a->resizeContents(QRect(-30, -30, 60, 60));
    else if (op == "turn")
        a->setRotation(30);
    else if (op == "tilt")
        a->setPerspective(QPointF(10, 0));
    else if (op == "shadow")
        a->setShadowRadius(8);
    else if (op == "restack")
        emit a->changeStack(1);
    else if (op == "hide")
        a->setVisible(false);
    else if (op == "backColor") {
        CanvasBackColor back = canvas.backColor();
        back.mode = 1;
        canvas.setBackColor(back);
    } else if (op == "backColorSame")
        canvas.setBackColor(canvas.backColor());
    else if (op == "border") {
        CanvasBorder border = canvas.border();
        border.top = true;
        canvas.setBorder(border);
    } else if (op == "borderSame")
        canvas.setBorder(canvas.border());
    else if (op == "ratio")
        canvas.setBackContentRatio(Qt::KeepAspectRatio);
    else if (op == "ratioSame")
        canvas.setBackContentRatio(canvas.backContentRatio());
    else if (op == "backContent")
        canvas.setBackContent(b);
    else if (op == "clearBackContent")
        canvas.clearBackContent();
    else if (op == "mark")
        canvas.slotMarkChanges();
    else if (op == "select")
        a->setSelected(true);
    else if (op == "shrink")
        canvas.resize(QSize(200, 50));
    else
        QFAIL("unknown operation");

    if (op == "shrink")
        QCOMPARE(a->pos(), QPointF(200, 50)); // moved into the smaller scene
    QCOMPARE(canvas.pendingChanges(), marked);
}

void TestCanvas::backContentReplaced()
{
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    auto* a = addSmall(canvas, 100);
    QPointer<AbstractContent> b = addSmall(canvas, 200);
    auto* c = addSmall(canvas, 300);

    canvas.setBackContent(b);
    QCOMPARE(canvas.backContentItem(), b.data());
    QVERIFY(!b->isVisible());
    QVERIFY(canvas.contents().contains(b));

    // Another back content disposes of the old one, which would otherwise
    // stay hidden in the list.
    canvas.setBackContent(c);
    QVERIFY(!canvas.contents().contains(b));
    QTRY_VERIFY(b.isNull());

    // Cleared: an ordinary visible content again.
    canvas.clearBackContent();
    QVERIFY(!canvas.backContentItem());
    QVERIFY(c->isVisible());
    QVERIFY(canvas.contents().contains(c));

    canvas.setBackContent(a);
    canvas.clearBackgroundContent();
    QVERIFY(!canvas.backContentItem());
    QVERIFY(!canvas.contents().contains(a));

    // Deleting the back content clears the pointer.
    canvas.setBackContent(c);
    canvas.slotResetChanges();
    canvas.deleteContent(c);
    QVERIFY(!canvas.backContentItem());
    QVERIFY(canvas.contents().isEmpty());
}

void TestCanvas::background_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("grid");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("solid") << 1 << false << QPoint(10, 10) << QColor(0, 0, 255);
    // Gradient over H = 300 from (192,192,192) to (80,80,80): at pixel
    // centre y + 0.5, 192 - 112 * (y + 0.5) / 300: y 0 -> 191.8, y 150 ->
    // 135.8, y 299 -> 80.2.
    QTest::newRow("gradient top") << 2 << false << QPoint(10, 0) << QColor(192, 192, 192);
    QTest::newRow("gradient middle") << 2 << false << QPoint(10, 150) << QColor(136, 136, 136);
    QTest::newRow("gradient bottom") << 2 << false << QPoint(10, 299) << QColor(80, 80, 80);
    QTest::newRow("transparent") << 0 << false << QPoint(10, 10) << QColor(Qt::transparent);
    QTest::newRow("checker not in output") << 0 << true << QPoint(10, 10) << QColor(Qt::transparent);
    QTest::newRow("unknown mode no fill") << 7 << false << QPoint(10, 10) << QColor(Qt::transparent);
}

void TestCanvas::background()
{
    QFETCH(int, mode);
    QFETCH(bool, grid);
    QFETCH(QPoint, at);
    QFETCH(QColor, expected);

    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    CanvasBackColor back;
    back.mode = mode;
    back.color = Qt::blue;
    back.showGrid = grid;
    canvas.setBackColor(back);
    const QImage image = canvas.renderedImage(QSize(400, 300), Qt::IgnoreAspectRatio, true, QImage::Format_ARGB32);
    const QColor got = image.pixelColor(at);
    QVERIFY2(qAbs(got.red() - expected.red()) <= 1 && qAbs(got.green() - expected.green()) <= 1
            && qAbs(got.blue() - expected.blue()) <= 1 && qAbs(got.alpha() - expected.alpha()) <= 1,
        qPrintable(got.name(QColor::HexArgb)));
}

void TestCanvas::checkerOnScreenOnly()
{
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    CanvasBackColor back;
    back.mode = 0;
    back.showGrid = true;
    canvas.setBackColor(back);
    const QImage screen = onScreen(canvas);
    // Squares of 50 aligned to the scene origin, dark at (0,0) and (50,50).
    QCOMPARE(screen.pixelColor(10, 10), QColor(128, 128, 128));
    QCOMPARE(screen.pixelColor(60, 10), QColor(192, 192, 192));
    QCOMPARE(screen.pixelColor(60, 60), QColor(128, 128, 128));
    // (160, 110) lies at (60, 10) of the second tile: light; (160, 160) at
    // (60, 60): dark.
    QCOMPARE(screen.pixelColor(160, 110), QColor(192, 192, 192));
    QCOMPARE(screen.pixelColor(160, 160), QColor(128, 128, 128));
    QVERIFY(!RenderOpts::HQRendering);
    const QImage output = canvas.renderedImage(QSize(400, 300), Qt::IgnoreAspectRatio, true, QImage::Format_ARGB32);
    QCOMPARE(output.pixelColor(10, 10).alpha(), 0);
    QVERIFY(!RenderOpts::HQRendering);
}

void TestCanvas::backContentCoversGradient_data()
{
    QTest::addColumn<int>("ratio");
    QTest::addColumn<bool>("opaque");
    QTest::addColumn<int>("alpha");

    // The content claims to cover but paints at alpha 128: where the gradient
    // is skipped, alpha 128 shows through; where it is drawn, 255.
    QTest::newRow("opaque stretched hides gradient") << int(Qt::IgnoreAspectRatio) << true << 128;
    QTest::newRow("opaque kept ratio keeps gradient") << int(Qt::KeepAspectRatio) << true << 255;
    QTest::newRow("not opaque keeps gradient") << int(Qt::IgnoreAspectRatio) << false << 255;
}

void TestCanvas::backContentCoversGradient()
{
    QFETCH(int, ratio);
    QFETCH(bool, opaque);
    QFETCH(int, alpha);

    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    auto* back = new PlainContent(&canvas);
    back->opaque = opaque;
    back->fill = QColor(0, 0, 255, 128);
    canvas.addManualContent(back, QPoint(200, 150));
    canvas.setBackContent(back);
    canvas.setBackContentRatio(Qt::AspectRatioMode(ratio));
    QVERIFY(!back->isVisible());

    const QImage image = canvas.renderedImage(QSize(400, 300), Qt::IgnoreAspectRatio, true, QImage::Format_ARGB32);
    QVERIFY(qAbs(image.pixelColor(5, 5).alpha() - alpha) <= 1);
    // The content drew the whole scene rectangle with the canvas's ratio.
    QCOMPARE(back->targets.last(), QRect(0, 0, 400, 300));
    QCOMPARE(int(back->modes.last()), ratio);
}

void TestCanvas::border_data()
{
    QTest::addColumn<QString>("sides");
    QTest::addColumn<int>("opacity");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QList<QPoint>>("inside");
    QTest::addColumn<QList<QPoint>>("outside");
    QTest::addColumn<int>("alpha");

    // 400 x 300, width 25, all sides: top (0,0)-(399,24), bottom
    // (0,275)-(399,299), left (0,25)-(24,274), right (375,25)-(399,274).
    // Every band pixel has exactly the band alpha: none is covered twice.
    const QList<QPoint> allIn {QPoint(0, 0), QPoint(399, 24), QPoint(0, 275), QPoint(399, 299), QPoint(0, 25),
        QPoint(24, 274), QPoint(375, 25), QPoint(399, 274), QPoint(24, 24), QPoint(375, 275)};
    const QList<QPoint> allOut {QPoint(25, 25), QPoint(374, 274), QPoint(200, 150)};
    QTest::newRow("all sides") << "tlbr" << 128 << QColor(Qt::red) << allIn << allOut << 128;
    QTest::newRow("left only") << "l" << 128 << QColor(Qt::red) << QList<QPoint> {QPoint(0, 0), QPoint(24, 299)}
                               << QList<QPoint> {QPoint(25, 0), QPoint(399, 0), QPoint(200, 299)} << 128;
    QTest::newRow("top and right") << "tr" << 128 << QColor(Qt::red)
                                   << QList<QPoint> {QPoint(0, 24), QPoint(375, 25), QPoint(399, 299)}
                                   << QList<QPoint> {QPoint(374, 25), QPoint(0, 25)} << 128;
    QTest::newRow("opacity 0") << "tlbr" << 0 << QColor(Qt::red) << allIn << allOut << 0;
    QTest::newRow("own alpha replaced") << "tlbr" << 200 << QColor(0, 255, 0, 50) << allIn << allOut << 200;
    QTest::newRow("no side") << "" << 255 << QColor(Qt::red) << QList<QPoint> {} << allIn << 0;
}

void TestCanvas::border()
{
    QFETCH(QString, sides);
    QFETCH(int, opacity);
    QFETCH(QColor, color);
    QFETCH(QList<QPoint>, inside);
    QFETCH(QList<QPoint>, outside);
    QFETCH(int, alpha);

    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    CanvasBackColor back;
    back.mode = 0;
    canvas.setBackColor(back);
    CanvasBorder border;
    border.top = sides.contains('t');
    border.left = sides.contains('l');
    border.bottom = sides.contains('b');
    border.right = sides.contains('r');
    border.opacity = opacity;
    border.color = color;
    canvas.setBorder(border);
    QCOMPARE(canvas.border().opacity, opacity);

    const QImage image = canvas.renderedImage(QSize(400, 300), Qt::IgnoreAspectRatio, true, QImage::Format_ARGB32);
    for (const QPoint& p : inside) {
        const QColor got = image.pixelColor(p);
        QVERIFY2(qAbs(got.alpha() - alpha) <= 1, qPrintable(QStringLiteral("(%1,%2) alpha %3")
                                                         .arg(p.x())
                                                         .arg(p.y())
                                                         .arg(got.alpha())));
        if (alpha > 0) {
            QVERIFY(qAbs(got.red() - color.red()) <= 2);
            QVERIFY(qAbs(got.green() - color.green()) <= 2);
        }
    }
    for (const QPoint& p : outside)
        QVERIFY2(image.pixelColor(p).alpha() == 0, qPrintable(QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y())));
}

void TestCanvas::renderedImageGeometry()
{
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    CanvasBackColor back;
    back.mode = 1;
    back.color = Qt::blue;
    canvas.setBackColor(back);
    // 400 x 300 kept into 48 x 48: 48 x 36, centred at y (48 - 36) / 2 = 6,
    // so rows 6..41 are drawn.
    const QImage image = canvas.renderedImage(QSize(48, 48), Qt::KeepAspectRatio, true, QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(48, 48));
    QCOMPARE(image.format(), QImage::Format_ARGB32);
    for (int x : {0, 24, 47}) {
        QCOMPARE(image.pixelColor(x, 5).alpha(), 0);
        QCOMPARE(image.pixelColor(x, 6), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(x, 41), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(x, 42).alpha(), 0);
    }
}

void TestCanvas::renderHidesTools()
{
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    CanvasBackColor back;
    back.mode = 0;
    canvas.setBackColor(back);
    auto* a = addSmall(canvas, 100);
    a->setSelected(true);
    auto* marker = new QGraphicsRectItem(0, 0, 50, 50);
    marker->setBrush(Qt::red);
    canvas.addMarker(marker);

    const QImage image = canvas.renderedImage(QSize(400, 300), Qt::IgnoreAspectRatio, true, QImage::Format_ARGB32);
    QCOMPARE(image.pixelColor(25, 25).alpha(), 0);
    QVERIFY(marker->isVisible());
    QVERIFY(canvas.selectedItems().isEmpty());
    // The content itself is drawn.
    QCOMPARE(image.pixelColor(100, 100), QColor(Qt::green));

    canvas.clearMarkers();
    QVERIFY(canvas.markers().isEmpty());
}

void TestCanvas::renderedImageTooLarge()
{
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    QTest::ignoreMessage(QtWarningMsg, "Canvas::renderedImage: no image of 200000 x 200000 can be made");
    QVERIFY(canvas.renderedImage(QSize(200000, 200000), Qt::IgnoreAspectRatio, true, QImage::Format_ARGB32).isNull());
}

void TestCanvas::shownInView()
{
    Canvas canvas(72, 72, nullptr);
    QGraphicsView view(&canvas);
    view.resize(640, 480);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    canvas.resize(view.viewport()->size());
    CanvasBorder border;
    border.top = border.bottom = border.left = border.right = true;
    canvas.setBorder(border);
    const QColor fills[] = {QColor(200, 60, 60), QColor(60, 160, 60), QColor(60, 90, 200)};
    PlainContent* last = nullptr;
    for (int i = 0; i < 3; ++i) {
        last = new PlainContent(&canvas);
        last->fill = fills[i];
        last->resizeContents(QRect(-80, -60, 160, 120));
        canvas.addManualContent(last, QPoint(180 + 140 * i, 200 + 40 * i));
        last->setRotation(-10 + 10 * i);
    }
    last->setSelected(true);
    QCoreApplication::processEvents();
    const QImage shot = view.grab().toImage();
    const QString dir = qEnvironmentVariable("VELLUMAR_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        shot.save(dir + QStringLiteral("/canvas_view.png"));
    // The view centre maps to the middle of the scene.
    const QPoint centre = canvas.visibleCenter();
    QVERIFY(qAbs(centre.x() - canvas.sceneSize().width() / 2) <= 3);
    QVERIFY(qAbs(centre.y() - canvas.sceneSize().height() / 2) <= 3);
}

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
