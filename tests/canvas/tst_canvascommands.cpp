#include "SwatchContent.h"

#include "appframe/ModalPrompts.h"
#include "canvas/Canvas.h"
#include "canvas/Frame.h"
#include "canvas/FrameFactory.h"
#include "canvas/PictureContent.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QGraphicsSceneDragDropEvent>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

namespace {

QImage flat(const QSize& size, const QColor& color)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

PictureContent* addPicture(Canvas& canvas, const QPoint& pos)
{
    PictureContent* picture = canvas.createPicture(pos, false);
    picture->loadFromFile(QStringLiteral("/x/a.png"), flat(QSize(40, 30), Qt::red), true, true, false);
    return picture;
}

const PictureEffect* record(PictureContent* picture, int code)
{
    const PictureEffectList list = picture->effects();
    for (const QSharedPointer<PictureEffect>& effect : list) {
        if (effect->effect == code)
            return effect.data();
    }
    return nullptr;
}

QString order(const Canvas& canvas, const QList<AbstractContent*>& named)
{
    QString text;
    for (AbstractContent* content : canvas.contents())
        text += QChar(char16_t(u'A' + named.indexOf(content)));
    return text;
}

// Sends a drag or drop event of `urls` at `scenePos` to the canvas.
bool sendDrag(Canvas& canvas, QEvent::Type type, const QList<QUrl>& urls, const QPointF& scenePos = QPointF())
{
    QMimeData mime;
    if (urls.isEmpty())
        mime.setText(QStringLiteral("just text"));
    else
        mime.setUrls(urls);
    QGraphicsSceneDragDropEvent event(type);
    event.setMimeData(&mime);
    event.setScenePos(scenePos);
    event.setProposedAction(Qt::CopyAction);
    event.setPossibleActions(Qt::CopyAction);
    QCoreApplication::sendEvent(&canvas, &event);
    return event.isAccepted();
}

// Gives the scene the focus a window would give it, so items take keys.
void activate(Canvas& canvas)
{
    QEvent event(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&canvas, &event);
}

bool pressKey(Canvas& canvas, Qt::Key key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&canvas, &event);
    return event.isAccepted();
}

} // namespace

class TestCanvasCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void stackingMenu_data();
    void stackingMenu();
    void stackingMenuRequesterGone();
    void stackingMenuNoContentSender();
    void paste_data();
    void paste();
    void dragEnter_data();
    void dragEnter();
    void dragMoveAccepts();
    void dropCascade_data();
    void dropCascade();
    void deleteKeys_data();
    void deleteKeys();
    void applyShape_data();
    void applyShape();
    void shapeRelaysSkipFrameless();
    void shapeRequestsQueued();
    void fineTuneRelays_data();
    void fineTuneRelays();
    void flipRelays();
    void applyEffect_data();
    void applyEffect();
    void collateChangesNothing();
    void stackingMenuShown();
};

void TestCanvasCommands::init()
{
    FrameFactory::setDefaultFrameClass(0);
}

void TestCanvasCommands::stackingMenu_data()
{
    QTest::addColumn<int>("requester");
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("expected");

    // A, B, C on top of each other, C the top-most.
    QTest::newRow("raise top-most") << 2 << 1 << QStringLiteral("ABC");
    QTest::newRow("to back") << 2 << 3 << QStringLiteral("CAB");
    QTest::newRow("lower") << 2 << 2 << QStringLiteral("ACB");
    QTest::newRow("to front") << 0 << 0 << QStringLiteral("BCA");
    QTest::newRow("nothing chosen") << 0 << -1 << QStringLiteral("ABC");
}

void TestCanvasCommands::stackingMenu()
{
    QFETCH(int, requester);
    QFETCH(int, choice);
    QFETCH(QString, expected);

    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    QList<AbstractContent*> made;
    for (int i = 0; i < 3; ++i) {
        auto* content = new SwatchContent(&canvas);
        canvas.addManualContent(content, QPoint(200, 150));
        made << content;
    }

    QList<ModalPrompts::Request> asked;
    QStringList texts;
    int icons = 0;
    int shortcuts = 0;
    ModalPrompts::ScopedResponder responder([&](const ModalPrompts::Request& request) {
        asked << request;
        QMenu* layout = request.menu->actions().value(0)->menu();
        if (!layout)
            return -1;
        for (QAction* action : layout->actions()) {
            texts << action->text();
            icons += action->icon().isNull() ? 0 : 1;
            shortcuts += action->shortcut().isEmpty() ? 0 : 1;
        }
        if (choice >= 0)
            layout->actions().at(choice)->trigger();
        return -1;
    });
    emit made.at(requester)->requestProertyMenu(QPoint(1, 2));

    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().kind, ModalPrompts::Kind::Menu);
    QVERIFY(asked.first().parent.isNull());
    // The sub-menu's title is not translated.
    QCOMPARE(asked.first().actionTexts, QStringList{QStringLiteral("Layout")});
    QCOMPARE(texts,
        QStringList({QStringLiteral("To Front"), QStringLiteral("Raise"), QStringLiteral("Lower"),
            QStringLiteral("To Back")}));
    QCOMPARE(icons, 4);
    QCOMPARE(shortcuts, 0);
    QCOMPARE(order(canvas, made), expected);
    QVERIFY(made.at(requester)->isSelected());
}

void TestCanvasCommands::stackingMenuRequesterGone()
{
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    auto* content = new SwatchContent(&canvas);
    canvas.addManualContent(content, QPoint(200, 150));
    ModalPrompts::ScopedResponder responder([&](const ModalPrompts::Request&) {
        // The content goes while the menu runs.
        canvas.deleteContent(content);
        delete content;
        return -1;
    });
    emit content->requestProertyMenu(QPoint());
    QVERIFY(canvas.contents().isEmpty());
    QVERIFY(canvas.selectedItems().isEmpty());
}

void TestCanvasCommands::stackingMenuNoContentSender()
{
    Canvas canvas(72, 72, nullptr);
    int asked = 0;
    ModalPrompts::ScopedResponder responder([&](const ModalPrompts::Request&) { return ++asked, -1; });
    canvas.slotContextMenu(QPoint());
    QCOMPARE(asked, 0);
}

void TestCanvasCommands::paste_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("made");
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("blanks only") << QStringLiteral(" \t\n ") << 0;
    QTest::newRow("text with blanks") << QStringLiteral("  text  ") << 1;
}

void TestCanvasCommands::paste()
{
    QFETCH(QString, text);
    QFETCH(int, made);

    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    QGuiApplication::clipboard()->setText(text);
    canvas.pasteFromClipboard();
    if (made && canvas.contents().isEmpty())
        QSKIP("needs TextContent");
    QCOMPARE(int(canvas.contents().size()), made);
    if (!made)
        return;
    AbstractContent* pasted = canvas.contents().first();
    // No view: the middle of the scene, (200, 150).
    QCOMPARE(pasted->pos(), QPointF(200, 150));
    QVERIFY(!pasted->isSelected());
    // The text read back from the content's own HTML, blanks kept.
    QTextDocument document;
    document.setHtml(pasted->property("html").toString());
    QCOMPARE(document.toPlainText(), text);
}

void TestCanvasCommands::dragEnter_data()
{
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("upper-case JPG") << QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/photos/IMG_1.JPG"))} << true;
    QTest::newRow("http png") << QList<QUrl>{QUrl(QStringLiteral("http://host/a.png"))} << true;
    QTest::newRow("txt") << QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/docs/notes.txt"))} << false;
    QTest::newRow("txt then png") << QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/docs/notes.txt")),
        QUrl::fromLocalFile(QStringLiteral("/photos/b.png"))}
                                  << true;
    QTest::newRow("no urls") << QList<QUrl>() << false;
}

void TestCanvasCommands::dragEnter()
{
    QFETCH(QList<QUrl>, urls);
    QFETCH(bool, accepted);
    if (!QImageReader::supportedImageFormats().contains("jpg"))
        QSKIP("no JPEG reader");
    Canvas canvas(72, 72, nullptr);
    QCOMPARE(sendDrag(canvas, QEvent::GraphicsSceneDragEnter, urls), accepted);
}

void TestCanvasCommands::dragMoveAccepts()
{
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    QVERIFY(sendDrag(canvas, QEvent::GraphicsSceneDragMove, {QUrl(QStringLiteral("http://host/a.png"))}));
}

void TestCanvasCommands::dropCascade_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QList<QPoint>>("positions");

    // From the drop point, each picture that loads moves the next by 30.
    QTest::newRow("three") << QStringList{QStringLiteral("a.png"), QStringLiteral("b.png"), QStringLiteral("c.png")}
                           << QList<QPoint>{{100, 100}, {130, 130}, {160, 160}};
    QTest::newRow("second fails") << QStringList{QStringLiteral("a.png"), QStringLiteral("broken.png"),
        QStringLiteral("c.png")} << QList<QPoint>{{100, 100}, {130, 130}};
    QTest::newRow("missing and remote skipped")
        << QStringList{QStringLiteral("missing.png"), QStringLiteral("http://host/x.png"), QStringLiteral("a.png")}
        << QList<QPoint>{{100, 100}};
}

void TestCanvasCommands::dropCascade()
{
    QFETCH(QStringList, files);
    QFETCH(QList<QPoint>, positions);

    QTemporaryDir dir;
    flat(QSize(40, 30), Qt::red).save(dir.filePath(QStringLiteral("a.png")));
    flat(QSize(40, 30), Qt::green).save(dir.filePath(QStringLiteral("b.png")));
    flat(QSize(40, 30), Qt::blue).save(dir.filePath(QStringLiteral("c.png")));
    QFile broken(dir.filePath(QStringLiteral("broken.png")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("\x89PNG\r\n\x1a\n truncated");
    broken.close();

    QList<QUrl> urls;
    for (const QString& file : files)
        urls << (file.startsWith(QLatin1String("http")) ? QUrl(file) : QUrl::fromLocalFile(dir.filePath(file)));

    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    // 99.6 and 100.4 round to 100.
    QVERIFY(sendDrag(canvas, QEvent::GraphicsSceneDrop, urls, QPointF(99.6, 100.4)));
    QCOMPARE(int(canvas.contents().size()), int(positions.size()));
    for (int i = 0; i < positions.size(); ++i) {
        QCOMPARE(canvas.contents().at(i)->pos(), QPointF(positions.at(i)));
        QVERIFY(!canvas.contents().at(i)->isSelected());
        // Not grown: the loaded size, 200 wide.
        QCOMPARE(canvas.contents().at(i)->contentRect().width(), 200);
    }
    // Nothing half-made stays in the scene.
    for (QGraphicsItem* item : canvas.items()) {
        if (auto* content = dynamic_cast<AbstractContent*>(item))
            QVERIFY(canvas.contents().contains(content));
    }
}

void TestCanvasCommands::deleteKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("editing");
    QTest::addColumn<int>("left");

    QTest::newRow("delete") << int(Qt::Key_Delete) << false << 1;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << false << 1;
    QTest::newRow("other key") << int(Qt::Key_A) << false << 2;
    QTest::newRow("backspace while editing text") << int(Qt::Key_Backspace) << true << 2;
}

void TestCanvasCommands::deleteKeys()
{
    QFETCH(int, key);
    QFETCH(bool, editing);
    QFETCH(int, left);

    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    auto* a = new SwatchContent(&canvas);
    canvas.addManualContent(a, QPoint(100, 100));
    canvas.addManualContent(new SwatchContent(&canvas), QPoint(300, 100));
    a->setSelected(true);
    activate(canvas);

    // A text being edited has the focus and takes its keys.
    auto* text = new QGraphicsTextItem(QStringLiteral("abc"));
    canvas.addItem(text);
    if (editing) {
        text->setTextInteractionFlags(Qt::TextEditorInteraction);
        text->setFocus();
        QTextCursor cursor = text->textCursor();
        cursor.movePosition(QTextCursor::End);
        text->setTextCursor(cursor);
    }
    pressKey(canvas, Qt::Key(key));
    QCOMPARE(int(canvas.contents().size()), left);
    if (editing)
        QCOMPARE(text->toPlainText(), QStringLiteral("ab"));
}

void TestCanvasCommands::applyShape_data()
{
    QTest::addColumn<bool>("all");
    QTest::addColumn<QList<int>>("classes");

    // A: class 1 selected, B: class 0 selected, C: class 0 not selected;
    // asked for class 1.
    QTest::newRow("selected") << false << QList<int>{1, 1, 0};
    QTest::newRow("all contents") << true << QList<int>{1, 1, 1};
}

void TestCanvasCommands::applyShape()
{
    QFETCH(bool, all);
    QFETCH(QList<int>, classes);

    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    auto* a = new SwatchContent(&canvas, false, 1);
    auto* b = new SwatchContent(&canvas, false, 0);
    auto* c = new SwatchContent(&canvas, false, 0);
    canvas.addManualContent(a, QPoint(50, 50));
    canvas.addManualContent(b, QPoint(150, 50));
    canvas.addManualContent(c, QPoint(250, 50));
    a->setSelected(true);
    b->setSelected(true);
    a->setFrameMargin(9);
    Frame* kept = a->frame();

    canvas.slotApplyShape(1, all);
    QCOMPARE(QList<int>({int(a->frameClass()), int(b->frameClass()), int(c->frameClass())}), classes);
    // Same class: the frame and its settings stay.
    QCOMPARE(a->frame(), kept);
    QCOMPARE(a->frameMargin(), 9);
}

void TestCanvasCommands::shapeRelaysSkipFrameless()
{
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    auto* framed = new SwatchContent(&canvas, false, 1);
    auto* frameless = new SwatchContent(&canvas, false, 0);
    auto* unselected = new SwatchContent(&canvas, false, 1);
    canvas.addManualContent(framed, QPoint(50, 50));
    canvas.addManualContent(frameless, QPoint(150, 50));
    canvas.addManualContent(unselected, QPoint(250, 50));
    framed->setSelected(true);
    frameless->setSelected(true);
    const int margin = unselected->frameMargin();
    const int alpha = unselected->frameAlpha();
    const QColor color = unselected->frameColor();

    canvas.slotChangeShapeAlpha(77);
    QCOMPARE(framed->frameAlpha(), 77);
    canvas.slotChangeShapeColor(QColor(10, 20, 30));
    QCOMPARE(framed->frameColor(), QColor(10, 20, 30));
    canvas.slotChangeShapeMargin(7);
    QCOMPARE(framed->frameMargin(), 7);
    QCOMPARE(frameless->frameClass(), 0u);
    QCOMPARE(unselected->frameAlpha(), alpha);
    QCOMPARE(unselected->frameColor(), color);
    QCOMPARE(unselected->frameMargin(), margin);
}

void TestCanvasCommands::shapeRequestsQueued()
{
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    auto* a = new SwatchContent(&canvas, false, 0);
    canvas.addManualContent(a, QPoint(50, 50));
    a->setSelected(true);
    emit a->changeFrame(1, false);
    // Handled once the emitting handler has returned.
    QCOMPARE(a->frameClass(), 0u);
    QCoreApplication::processEvents();
    QCOMPARE(a->frameClass(), 1u);
    const int alpha = a->frameAlpha();
    emit a->changeShapeAlpha(40);
    QCOMPARE(a->frameAlpha(), alpha);
    QCoreApplication::processEvents();
    QCOMPARE(a->frameAlpha(), 40);
}

void TestCanvasCommands::fineTuneRelays_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<int>("code");
    QTest::addColumn<double>("param");

    QTest::newRow("saturation") << 0 << 15 << 30.0;
    QTest::newRow("contrast") << 1 << 16 << -20.0;
    QTest::newRow("brightness") << 2 << 17 << 12.0;
    QTest::newRow("sharpness") << 3 << 18 << 55.0;
    QTest::newRow("temperature") << 4 << 19 << 6500.0;
    QTest::newRow("tint") << 5 << 20 << -40.0;
    // effect(int): the id is the code, the parameter 0.
    QTest::newRow("effect flip") << 6 << 1 << 0.0;
}

void TestCanvasCommands::fineTuneRelays()
{
    QFETCH(int, signal);
    QFETCH(int, code);
    QFETCH(double, param);

    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    PictureContent* p1 = addPicture(canvas, QPoint(50, 50));
    PictureContent* emitter = addPicture(canvas, QPoint(150, 50));
    PictureContent* p3 = addPicture(canvas, QPoint(250, 50));
    auto* swatch = new SwatchContent(&canvas);
    canvas.addManualContent(swatch, QPoint(350, 50));
    p1->setSelected(true);
    p3->setSelected(true);
    swatch->setSelected(true);

    const int value = int(param);
    switch (signal) {
    case 0: emit emitter->saturation(value); break;
    case 1: emit emitter->contrast(value); break;
    case 2: emit emitter->brightness(value); break;
    case 3: emit emitter->sharpness(value); break;
    case 4: emit emitter->temperature(value); break;
    case 5: emit emitter->tint(value); break;
    default: emit emitter->effect(code); break;
    }
    for (PictureContent* picture : {p1, p3}) {
        QVERIFY(record(picture, code)->enable);
        if (code != 1)
            QCOMPARE(record(picture, code)->param, param);
    }
    // The emitting picture is not selected.
    QVERIFY(!record(emitter, code)->enable);

    // Nothing selected: no picture changes.
    canvas.clearSelection();
    emit emitter->saturation(99);
    QVERIFY(record(emitter, 15)->param != 99.0);
}

void TestCanvasCommands::flipRelays()
{
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    PictureContent* a = addPicture(canvas, QPoint(50, 50));
    PictureContent* b = addPicture(canvas, QPoint(150, 50));
    auto* swatch = new SwatchContent(&canvas);
    canvas.addManualContent(swatch, QPoint(250, 50));
    a->setSelected(true);
    swatch->setSelected(true);

    // From an unselected picture's menu: the selection is flipped.
    emit b->flipHorizontally();
    QVERIFY(record(a, PictureEffect::FlipHorizontally)->enable);
    QVERIFY(!record(b, PictureEffect::FlipHorizontally)->enable);
    emit a->flipVertically();
    QVERIFY(record(a, PictureEffect::FlipVertically)->enable);
    QVERIFY(!record(b, PictureEffect::FlipVertically)->enable);
    // A flip toggles.
    canvas.slotFlipHorizontally();
    QVERIFY(!record(a, PictureEffect::FlipHorizontally)->enable);
}

void TestCanvasCommands::applyEffect_data()
{
    QTest::addColumn<bool>("all");
    QTest::addColumn<int>("changed");
    QTest::newRow("selected pictures") << false << 1;
    QTest::newRow("all pictures") << true << 2;
}

void TestCanvasCommands::applyEffect()
{
    QFETCH(bool, all);
    QFETCH(int, changed);

    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    PictureContent* a = addPicture(canvas, QPoint(50, 50));
    PictureContent* b = addPicture(canvas, QPoint(150, 50));
    a->setSelected(true);
    canvas.slotApplyEffect(PictureEffect(PictureEffect::Brightness, 44), all);
    int count = 0;
    for (PictureContent* picture : {a, b})
        count += record(picture, PictureEffect::Brightness)->param == 44.0 ? 1 : 0;
    QCOMPARE(count, changed);
}

void TestCanvasCommands::collateChangesNothing()
{
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(400, 300));
    QList<AbstractContent*> made;
    for (int i = 0; i < 3; ++i) {
        auto* content = new SwatchContent(&canvas);
        canvas.addManualContent(content, QPoint(50 + 100 * i, 60));
        made << content;
    }
    made.at(0)->setSelected(true);
    made.at(2)->setSelected(true);
    canvas.slotResetChanges();
    canvas.slotCollateContent();
    QCOMPARE(order(canvas, made), QStringLiteral("ABC"));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(made.at(i)->pos(), QPointF(50 + 100 * i, 60));
    QCOMPARE(canvas.selectedItems().size(), 2);
    QVERIFY(!canvas.pendingChanges());
}

// A picture of the real menu over a canvas, for looking at. Runs only when
// VELLUMAR_SCREENSHOT_DIR names a folder and a real display is there.
void TestCanvasCommands::stackingMenuShown()
{
    const QString dir = qEnvironmentVariable("VELLUMAR_SCREENSHOT_DIR");
    if (dir.isEmpty() || QGuiApplication::platformName() == QLatin1String("offscreen"))
        QSKIP("screenshots only on request, on a display");
    FrameFactory::setDefaultFrameClass(1);
    Canvas canvas(72, 72, nullptr);
    QGraphicsView view(&canvas);
    view.resize(640, 480);
    view.move(0, 0);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    canvas.resize(view.viewport()->size());
    const QColor fills[] = {QColor(200, 60, 60), QColor(60, 160, 60), QColor(60, 90, 200)};
    AbstractContent* last = nullptr;
    for (int i = 0; i < 3; ++i) {
        PictureContent* picture = canvas.createPicture(QPoint(180 + 140 * i, 200 + 40 * i), false);
        picture->loadFromFile(QStringLiteral("/x/p.png"), flat(QSize(160, 120), fills[i]), true, true, false);
        last = picture;
    }
    QCursor::setPos(view.mapToGlobal(QPoint(420, 260)));
    QTest::qWait(200);
    QTimer::singleShot(600, [&] {
        // Opens the sub-menu as the user would, then takes the picture.
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            QAction* layout = menu->actions().value(0);
            menu->setActiveAction(layout);
            if (layout && layout->menu())
                layout->menu()->popup(menu->mapToGlobal(menu->actionGeometry(layout).topRight()));
        }
        QTimer::singleShot(600, [&] {
            QScreen* screen = QGuiApplication::primaryScreen();
            screen->grabWindow(0).save(dir + QStringLiteral("/canvas_stacking_menu.png"));
            while (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
        });
    });
    emit last->requestProertyMenu(QPoint());
    QVERIFY(last->isSelected());
}

QTEST_MAIN(TestCanvasCommands)
#include "tst_canvascommands.moc"
