#include "appframe/ModalPrompts.h"
#include "canvas/Canvas.h"
#include "canvas/PictureContent.h"
#include "canvas/SelectionProperties.h"
#include "canvas/TextContent.h"

#include <QGraphicsScene>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

class TestSelectionProperties : public QObject
{
    Q_OBJECT

private slots:
    void counts_data();
    void counts();
    void removeEmitsOncePerClick();
    void canvasPanelDeletesSelection();
    void canvasWithoutReceiverMakesNoPanel();
};

void TestSelectionProperties::counts_data()
{
    QTest::addColumn<int>("pictures");
    QTest::addColumn<int>("texts");
    QTest::addColumn<bool>("withNull");
    QTest::addColumn<QString>("label");

    QTest::newRow("three pictures") << 3 << 0 << false << "3 pictures selected";
    QTest::newRow("two pictures and a text") << 2 << 1 << false << "3 objects selected";
    QTest::newRow("two texts") << 0 << 2 << false << "2 objects selected";
    // A null entry is counted but is no picture.
    QTest::newRow("a picture and a null") << 1 << 0 << true << "2 objects selected";
}

void TestSelectionProperties::counts()
{
    QFETCH(int, pictures);
    QFETCH(int, texts);
    QFETCH(bool, withNull);
    QFETCH(QString, label);

    QGraphicsScene scene;
    QList<AbstractContent*> contents;
    // Interleaved, so the lists must keep the order given per kind.
    for (int i = 0; i < std::max(pictures, texts); ++i) {
        if (i < texts)
            contents << new TextContent(false, &scene, 0);
        if (i < pictures)
            contents << new PictureContent(false, &scene, 0);
    }
    if (withNull)
        contents << nullptr;

    SelectionProperties panel(contents);
    QCOMPARE(panel.cLabel->text(), label);
    QCOMPARE(panel.pictures().size(), pictures);
    QCOMPARE(panel.texts().size(), texts);
    QList<AbstractContent*> pictureOrder;
    for (AbstractContent* content : contents) {
        if (qobject_cast<PictureContent*>(content))
            pictureOrder << content;
    }
    QCOMPARE(QList<AbstractContent*>(panel.pictures().begin(), panel.pictures().end()), pictureOrder);
    QCOMPARE(panel.titleLabel->text(), QStringLiteral("Selection"));
    QCOMPARE(panel.tRemove->text(), QStringLiteral("Remove"));
}

void TestSelectionProperties::removeEmitsOncePerClick()
{
    SelectionProperties panel({});
    QSignalSpy removed(&panel, &SelectionProperties::deleteSelection);
    QSignalSpy collated(&panel, &SelectionProperties::collateSelection);
    panel.tRemove->click();
    QCOMPARE(removed.count(), 1);
    panel.tRemove->click();
    QCOMPARE(removed.count(), 2);
    QCOMPARE(collated.count(), 0);
}

void TestSelectionProperties::canvasPanelDeletesSelection()
{
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(800, 600));
    QList<QPointer<AbstractContent>> all;
    for (int i = 0; i < 3; ++i)
        all << canvas.createText(QPoint(100 + 200 * i, 100), false);
    TextContent* kept = canvas.createText(QPoint(100, 400), false);
    QList<QWidget*> shown;
    connect(&canvas, &Canvas::showPropertiesWidget, this, [&](QWidget* widget) { shown << widget; });
    for (const QPointer<AbstractContent>& content : all)
        content->setSelected(true);

    auto* panel = qobject_cast<SelectionProperties*>(shown.last());
    QVERIFY(panel);
    QCOMPARE(panel->cLabel->text(), QStringLiteral("3 objects selected"));

    int questions = 0;
    ModalPrompts::ScopedResponder responder([&](const ModalPrompts::Request& request) {
        if (request.kind == ModalPrompts::Kind::Question)
            ++questions;
        return int(QMessageBox::Yes);
    });
    panel->tRemove->click();
    // Queued: nothing is gone while the click runs.
    QCOMPARE(canvas.contents().size(), 4);
    QTRY_COMPARE(canvas.contents().size(), 1);
    QCOMPARE(canvas.contents().first(), kept);
    QCOMPARE(questions, 1);

    // The collate request leaves everything as it was.
    kept->setSelected(true);
    QMetaObject::invokeMethod(&canvas, "slotCollateContent");
    QCOMPARE(canvas.contents().size(), 1);
    QVERIFY(kept->isSelected());
    qDeleteAll(shown);
}

void TestSelectionProperties::canvasWithoutReceiverMakesNoPanel()
{
    // Nobody would take the panel over; it must not be made and lost.
    Canvas canvas(72, 72, nullptr);
    canvas.resize(QSize(800, 600));
    TextContent* a = canvas.createText(QPoint(100, 100), false);
    TextContent* b = canvas.createText(QPoint(500, 100), false);
    a->setSelected(true);
    b->setSelected(true);
    QCOMPARE(canvas.selectedItems().size(), 2);
}

QTEST_MAIN(TestSelectionProperties)
#include "tst_selectionproperties.moc"
