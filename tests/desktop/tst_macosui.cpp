#include "desktop/MacOSUI.h"
#include "support/UrlCatcher.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QNativeGestureEvent>
#include <QPointingDevice>
#include <QUrlQuery>
#include <QtTest>

#include <cmath>
#include <memory>

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
    void nullWidgetsAreIgnored();
    void titleBarColourIsTheWindowsPalette_data();
    void titleBarColourIsTheWindowsPalette();
    void representedFileAndTitle_data();
    void representedFileAndTitle();
    void bringWindowToFrontRestoresAndActivates();
    void gestureEventsAreRead_data();
    void gestureEventsAreRead();
    void helpMailHasRecipientSubjectAndBody();
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

void TestMacOSUI::nullWidgetsAreIgnored()
{
    MacOSUI::setTitleBarColor(nullptr, 0.5, 0.5, 0.5);
    MacOSUI::setWindowRepresentTitle(nullptr, QStringLiteral("/tmp/a.jpg"), QStringLiteral("A"));
    MacOSUI::BringWindowToFront(nullptr);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestMacOSUI::titleBarColourIsTheWindowsPalette_data()
{
    QTest::addColumn<double>("red");
    QTest::addColumn<double>("green");
    QTest::addColumn<double>("blue");
    QTest::addColumn<QColor>("expected");
    // 0.2 x 255 = 51, 0.4 x 255 = 102, 0.6 x 255 = 153.
    QTest::newRow("in range") << 0.2 << 0.4 << 0.6 << QColor(51, 102, 153);
    // -1 clamps to 0, 2 to 1 (255), NaN counts as 0.
    QTest::newRow("clamped") << -1.0 << 2.0 << double(NAN) << QColor(0, 255, 0);
}

void TestMacOSUI::titleBarColourIsTheWindowsPalette()
{
    QFETCH(double, red);
    QFETCH(double, green);
    QFETCH(double, blue);
    QFETCH(QColor, expected);
    QWidget window;
    auto* child = new QWidget(&window);
    // Given a child, the colour still goes to its window.
    MacOSUI::setTitleBarColor(child, red, green, blue);
    QCOMPARE(window.palette().color(QPalette::Window).toRgb(), expected);
    QCOMPARE(window.palette().color(QPalette::Window).alpha(), 255);
}

void TestMacOSUI::representedFileAndTitle_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("expectedPath");
    QTest::addColumn<QString>("expectedTitle");
    QTest::newRow("title given") << "/photos/a.jpg" << "Holiday" << "/photos/a.jpg" << "Holiday";
    QTest::newRow("empty title keeps the title") << "/photos/b.jpg" << "" << "/photos/b.jpg" << "Before";
    QTest::newRow("relative path made absolute")
        << "c.jpg" << "" << QDir::current().absoluteFilePath(QStringLiteral("c.jpg")) << "Before";
}

void TestMacOSUI::representedFileAndTitle()
{
    QFETCH(QString, path);
    QFETCH(QString, title);
    QFETCH(QString, expectedPath);
    QFETCH(QString, expectedTitle);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Before"));
    auto* child = new QWidget(&window);
    MacOSUI::setWindowRepresentTitle(child, path, title);
    QCOMPARE(window.windowFilePath(), expectedPath);
    QCOMPARE(window.windowTitle(), expectedTitle);
}

void TestMacOSUI::bringWindowToFrontRestoresAndActivates()
{
    QWidget other;
    QWidget window;
    auto* child = new QWidget(&window);
    window.showMinimized();
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));

    MacOSUI::BringWindowToFront(child);
    QVERIFY(window.isVisible());
    QVERIFY(!(window.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)));
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

void TestMacOSUI::gestureEventsAreRead_data()
{
    QTest::addColumn<int>("gesture"); // a Qt::NativeGestureType; -1 for a plain event, -2 for none
    QTest::addColumn<int>("kind");
    QTest::addColumn<float>("magnification");
    QTest::addColumn<float>("deltaX");
    QTest::addColumn<float>("deltaY");
    // Every event carries value 0.25 and delta (3, -4); only the kind decides
    // which of them is read.
    QTest::newRow("zoom") << int(Qt::ZoomNativeGesture) << 30 << 0.25f << 0.0f << 0.0f;
    QTest::newRow("swipe") << int(Qt::SwipeNativeGesture) << 31 << 0.0f << 3.0f << -4.0f;
    QTest::newRow("smart zoom") << int(Qt::SmartZoomNativeGesture) << 32 << 0.0f << 0.0f << 0.0f;
    QTest::newRow("rotate") << int(Qt::RotateNativeGesture) << -1 << 0.0f << 0.0f << 0.0f;
    QTest::newRow("pan") << int(Qt::PanNativeGesture) << -1 << 0.0f << 0.0f << 0.0f;
    QTest::newRow("begin") << int(Qt::BeginNativeGesture) << -1 << 0.0f << 0.0f << 0.0f;
    QTest::newRow("not a gesture") << -1 << -1 << 0.0f << 0.0f << 0.0f;
    QTest::newRow("no event") << -2 << -1 << 0.0f << 0.0f << 0.0f;
}

void TestMacOSUI::gestureEventsAreRead()
{
    QFETCH(int, gesture);
    QFETCH(int, kind);
    QFETCH(float, magnification);
    QFETCH(float, deltaX);
    QFETCH(float, deltaY);
    std::unique_ptr<QEvent> event;
    if (gesture >= 0) {
        const QPointF point(10, 20);
        event = std::make_unique<QNativeGestureEvent>(Qt::NativeGestureType(gesture),
                                                      QPointingDevice::primaryPointingDevice(), 2, point, point,
                                                      point, 0.25, QPointF(3, -4));
    } else if (gesture == -1) {
        event = std::make_unique<QEvent>(QEvent::Wheel);
    }
    const NativeGestureInfo info = MacOSUI::analysisNativeGestureEvent(event.get());
    QCOMPARE(info.kind, kind);
    QCOMPARE(info.magnification, magnification);
    QCOMPARE(info.deltaX, deltaX);
    QCOMPARE(info.deltaY, deltaY);
}

void TestMacOSUI::helpMailHasRecipientSubjectAndBody()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
    const bool opened = MacOSUI::help();
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QVERIFY(opened);
    QCOMPARE(catcher.urls.size(), 1);

    const QUrl url = catcher.urls.first();
    QCOMPARE(url.scheme(), QStringLiteral("mailto"));
    QCOMPARE(url.path(), QStringLiteral("support@vellumar.example"));
    const QUrlQuery query(url);
    QCOMPARE(query.queryItems(QUrl::FullyDecoded).size(), 2);
    QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), QStringLiteral("Help"));
    QCOMPARE(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
             QStringLiteral("Hello,\r\nThanks for choosing our products.\r\n"
                            "If you have any question or problem, we will try our best to help you."));
    // Mail programs read line breaks and spaces only percent-encoded.
    const QString encoded = url.toString(QUrl::FullyEncoded);
    QVERIFY2(encoded.contains(QStringLiteral("Hello,%0D%0AThanks%20for")), qPrintable(encoded));
    QVERIFY(!encoded.contains(QLatin1Char('+')));
}

QTEST_MAIN(TestMacOSUI)
#include "tst_macosui.moc"
