#include "platform/MacOSUI.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// A window with one widget of each kind the edit actions meet.
struct EditWindow
{
    QWidget window;
    QLineEdit* edit = new QLineEdit(QStringLiteral("line"));
    QPlainTextEdit* text = new QPlainTextEdit(QStringLiteral("plain"));
    QSpinBox* spin = new QSpinBox;
    QComboBox* combo = new QComboBox;
    QListWidget* list = new QListWidget;
    QWidget* panel = new QWidget;
    QPushButton* button = new QPushButton(QStringLiteral("button"), panel);
    QAction* panelPaste = new QAction(QStringLiteral("Paste"), panel);
    int panelPastes = 0;

    EditWindow()
    {
        auto* layout = new QVBoxLayout(&window);
        for (QWidget* widget : {static_cast<QWidget*>(edit), static_cast<QWidget*>(text), static_cast<QWidget*>(spin),
                                static_cast<QWidget*>(combo), static_cast<QWidget*>(list), panel})
            layout->addWidget(widget);
        spin->setRange(0, 100000);
        combo->setEditable(true);
        list->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        // The way the scene view carries its paste: an action on the widget,
        // bound to the standard key.
        panelPaste->setShortcut(QKeySequence::Paste);
        panel->addAction(panelPaste);
        QObject::connect(panelPaste, &QAction::triggered, [this] { ++panelPastes; });
        window.show();
        window.activateWindow();
    }
};

} // namespace

class TestMacOSUI : public QObject
{
    Q_OBJECT

private slots:
    void titleBarSetUpChangesNothing();
    void copyPasteSelectAllOnLineEdit();
    void pasteReachesEditorsThroughTheirLineEdit_data();
    void pasteReachesEditorsThroughTheirLineEdit();
    void selectAllOnListView();
    void pasteClimbsToAnActionOfAParent();
    void disabledActionDoesNotRespond();
    void nothingRespondsWithoutFocusOrResponder();
    void aboutShowsNameAndVersionOnce();
};

void TestMacOSUI::titleBarSetUpChangesNothing()
{
    MacOSUI::SetUpWindowTitleBar(nullptr, false);
    QWidget window;
    const Qt::WindowFlags flags = window.windowFlags();
    MacOSUI::SetUpWindowTitleBar(&window, false);
    MacOSUI::SetUpWindowTitleBar(&window, true);
    QCOMPARE(window.windowFlags(), flags);
    QVERIFY(!window.isVisible());
}

void TestMacOSUI::copyPasteSelectAllOnLineEdit()
{
    EditWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.edit->setText(QStringLiteral("hello world"));
    w.edit->setFocus();
    QCOMPARE(QApplication::focusWidget(), w.edit);

    QVERIFY(MacOSUI::selectAll());
    QCOMPARE(w.edit->selectedText(), QStringLiteral("hello world"));
    QVERIFY(MacOSUI::copy());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("hello world"));

    w.edit->setText(QStringLiteral(">"));
    w.edit->end(false);
    QVERIFY(MacOSUI::paste());
    QCOMPARE(w.edit->text(), QStringLiteral(">hello world"));
    QCOMPARE(w.panelPastes, 0);
}

void TestMacOSUI::pasteReachesEditorsThroughTheirLineEdit_data()
{
    QTest::addColumn<QString>("which");
    QTest::newRow("plain text edit") << "text";
    QTest::newRow("spin box") << "spin";
    QTest::newRow("editable combo box") << "combo";
}

void TestMacOSUI::pasteReachesEditorsThroughTheirLineEdit()
{
    QFETCH(QString, which);
    EditWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    QGuiApplication::clipboard()->setText(QStringLiteral("4321"));
    if (which == "text") {
        w.text->clear();
        w.text->setFocus();
        QVERIFY(MacOSUI::paste());
        QCOMPARE(w.text->toPlainText(), QStringLiteral("4321"));
    } else if (which == "spin") {
        w.spin->setFocus();
        QVERIFY(MacOSUI::selectAll());
        QVERIFY(MacOSUI::paste());
        QCOMPARE(w.spin->text(), QStringLiteral("4321"));
    } else {
        w.combo->setFocus();
        QVERIFY(MacOSUI::paste());
        QCOMPARE(w.combo->currentText(), QStringLiteral("4321"));
    }
    QCOMPARE(w.panelPastes, 0);
}

void TestMacOSUI::selectAllOnListView()
{
    EditWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.list->setFocus();
    QVERIFY(MacOSUI::selectAll());
    QCOMPARE(w.list->selectedItems().size(), 3);
}

void TestMacOSUI::pasteClimbsToAnActionOfAParent()
{
    EditWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    // The button has nothing to paste into; its parent panel does.
    w.button->setFocus();
    QVERIFY(MacOSUI::paste());
    QCOMPARE(w.panelPastes, 1);
    // Copy has no responder anywhere on that chain.
    QVERIFY(!MacOSUI::copy());
    QVERIFY(MacOSUI::triggerBoundEditAction(MacOSUI::EditAction::Paste, w.panel));
    QCOMPARE(w.panelPastes, 2);
    // Slots are not asked by the bound-action trigger.
    QVERIFY(!MacOSUI::triggerBoundEditAction(MacOSUI::EditAction::Paste, w.edit));
}

void TestMacOSUI::disabledActionDoesNotRespond()
{
    EditWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.panelPaste->setEnabled(false);
    w.button->setFocus();
    QVERIFY(!MacOSUI::paste());
    QCOMPARE(w.panelPastes, 0);
}

void TestMacOSUI::nothingRespondsWithoutFocusOrResponder()
{
    QVERIFY(!MacOSUI::sendEditAction(MacOSUI::EditAction::Paste, nullptr));
    QVERIFY(!MacOSUI::sendEditActionTo(MacOSUI::EditAction::Copy, nullptr));
    QWidget plain;
    QVERIFY(!MacOSUI::sendEditAction(MacOSUI::EditAction::SelectAll, &plain));
}

void TestMacOSUI::aboutShowsNameAndVersionOnce()
{
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Sample <Product>"));
    QCoreApplication::setApplicationVersion(QStringLiteral("9.8.7"));

    MacOSUI::about();
    QMessageBox* box = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("MacOSUIAboutBox"))
            box = qobject_cast<QMessageBox*>(widget);
    }
    QVERIFY(box);
    QVERIFY(box->isVisible());
    QVERIFY(!box->isModal());
    QCOMPARE(box->windowTitle(), QStringLiteral("About Sample <Product>"));
    QVERIFY(box->text().contains(QStringLiteral("Sample &lt;Product&gt;")));
    QVERIFY(box->text().contains(QStringLiteral("Version 9.8.7")));

    const QPointer<QMessageBox> first = box;
    MacOSUI::about();
    int boxes = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        boxes += widget->objectName() == QLatin1String("MacOSUIAboutBox") && widget->isVisible();
    QCOMPARE(boxes, 1);

    box->close();
    QTRY_VERIFY(first.isNull());
}

QTEST_MAIN(TestMacOSUI)
#include "tst_macosui.moc"
