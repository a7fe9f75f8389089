#include "app/MainWindow.h"
#include "app/initLanguage.h"

#include "appframe/AbstractAppliance.h"
#include "appframe/IQEnvironment.h"
#include "appframe/Settings.h"
#include "appframe/Workflow.h"
#include "online/OVEnv.h"
#include "online/OVURL.h"
#include "support/UrlCatcher.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QGraphicsView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

const QString geometryKey = QStringLiteral("Collage/Geometry");

// Answers the next message box that shows with `button`, keeping its text.
class MessageBoxAnswer : public QObject
{
public:
    explicit MessageBoxAnswer(QMessageBox::StandardButton button)
        : m_button(button)
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            m_timer.stop();
            title = box->windowTitle();
            text = box->text();
            ++shown;
            box->button(m_button)->click();
        });
        m_timer.start(10);
    }

    QString title;
    QString text;
    int shown = 0;

private:
    QMessageBox::StandardButton m_button;
    QTimer m_timer;
};

class PendingAppliance : public QObject, public PlugGui::AbstractAppliance
{
public:
    QString applianceName() const override { return QStringLiteral("pending"); }
    bool appliancePendingChanges() const override { return true; }
};

QMenu* menuTitled(QMenuBar* bar, const QString& title)
{
    for (QAction* action : bar->actions()) {
        if (action->menu() && action->text() == title)
            return action->menu();
    }
    return nullptr;
}

QAction* actionTitled(QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

QMenu* languageMenu(MainWindow& window)
{
    QMenu* help = menuTitled(window.menuBar(), QStringLiteral("Help"));
    return help ? help->actions().value(0)->menu() : nullptr;
}

bool hasFixedHeight(QWidget* widget, int height)
{
    return widget->minimumHeight() == height && widget->maximumHeight() == height;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void sizeAndTitle();
    void firstStartMaximisedThenGeometryKept();
    void closingMaximisedForgetsGeometry();
    void topBarPlacesWidgetsAndHidesReplacedOnes();
    void rightAndBottomBars();
    void sceneWidgetAttachAndDetach();
    void styleSheetAndPalette();
    void languageMenu_data();
    void languageMenu();
    void helpMenuShowsEnglishTexts();
    void helpLinksReachTheDesktop_data();
    void helpLinksReachTheDesktop();
    void editKeysHaveOneOwner();
    void editMenuActsOnTheFocusedWidget();
    void closeAsksTheWorkflow();

private:
    std::unique_ptr<MainWindow> makeWindow();
};

void TestMainWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setApplicationName(QStringLiteral("Vellumar"));
}

void TestMainWindow::init()
{
    Settings* settings = Settings::defaultSettings();
    settings->remove(geometryKey);
    settings->setLanguage(0);
    IQEnvironment::env()->url()->setLanguage(QLocale::English);
}

void TestMainWindow::cleanup()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

std::unique_ptr<MainWindow> TestMainWindow::makeWindow()
{
    auto window = std::make_unique<MainWindow>(nullptr);
    window->activateWindow();
    return window;
}

void TestMainWindow::sizeAndTitle()
{
    auto window = makeWindow();
    QCOMPARE(window->minimumSize(), QSize(960, 640));
    QVERIFY(window->isVisible());
    QCOMPARE(window->layoutDirection(), Qt::LeftToRight);
    // The workflow has attached its first appliance.
    QVERIFY(App::workflow);
    QCOMPARE(App::workflow->nodeCount(), 1);

    window->applianceSetTitle(QString());
    QCOMPARE(window->windowTitle(), QStringLiteral("Vellumar"));
    window->applianceSetTitle(QStringLiteral("Collage"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Vellumar - Collage"));

    window.reset();
    QVERIFY(!App::workflow);
}

void TestMainWindow::firstStartMaximisedThenGeometryKept()
{
    auto window = makeWindow();
    QVERIFY(window->isMaximized());

    window->showNormal();
    const QRect normal(100, 80, 1000, 700);
    window->setGeometry(normal);
    QTRY_COMPARE(window->geometry(), normal);
    window.reset();
    QVERIFY(Settings::defaultSettings()->contains(geometryKey));

    window = makeWindow();
    QVERIFY(!window->isMaximized());
    QCOMPARE(window->geometry(), normal);
}

void TestMainWindow::closingMaximisedForgetsGeometry()
{
    auto window = makeWindow();
    window->showNormal();
    window.reset();
    QVERIFY(Settings::defaultSettings()->contains(geometryKey));

    window = makeWindow();
    QVERIFY(!window->isMaximized());
    window->showMaximized();
    QVERIFY(window->isMaximized());
    window.reset();
    QVERIFY(!Settings::defaultSettings()->contains(geometryKey));

    window = makeWindow();
    QVERIFY(window->isMaximized());
}

void TestMainWindow::topBarPlacesWidgetsAndHidesReplacedOnes()
{
    auto window = makeWindow();
    auto* topBar = window->findChild<QWidget*>(QStringLiteral("topBar"));
    auto* leftLayout = window->findChild<QHBoxLayout*>(QStringLiteral("applianceLeftBarLayout"));
    auto* rightLayout = window->findChild<QHBoxLayout*>(QStringLiteral("applianceRightBarLayout"));
    auto* barLayout = window->findChild<QHBoxLayout*>(QStringLiteral("horizontalLayout"));
    auto* rightBar = window->findChild<QWidget*>(QStringLiteral("applianceRightBar"));
    QVERIFY(topBar && leftLayout && rightLayout && barLayout && rightBar);
    QVERIFY(hasFixedHeight(topBar, 32));

    QPointer<QWidget> a = new QPushButton(QStringLiteral("a"));
    QPointer<QWidget> b = new QPushButton(QStringLiteral("b"));
    QPointer<QWidget> c = new QPushButton(QStringLiteral("c"));
    b->setProperty("@rightBar", true);
    c->setProperty("@rightBar", false);
    window->applianceSetTopbar({a, b, c});

    QVERIFY(topBar->isVisibleTo(window.get()));
    QCOMPARE(leftLayout->count(), 2);
    QCOMPARE(leftLayout->itemAt(0)->widget(), a.data());
    QCOMPARE(leftLayout->itemAt(1)->widget(), c.data());
    QCOMPARE(rightLayout->count(), 1);
    QCOMPARE(rightLayout->itemAt(0)->widget(), b.data());
    // The right part comes after the expanding spacer.
    QVERIFY(barLayout->itemAt(1)->spacerItem());
    QCOMPARE(barLayout->indexOf(rightBar), 2);
    for (QWidget* widget : {a.data(), b.data(), c.data()}) {
        QVERIFY(hasFixedHeight(widget, 32));
        QVERIFY(widget->isVisibleTo(window.get()));
    }

    QPointer<QWidget> d = new QPushButton(QStringLiteral("d"));
    window->applianceSetTopbar({d});
    QCOMPARE(leftLayout->count(), 1);
    QCOMPARE(rightLayout->count(), 0);
    QVERIFY(d->isVisibleTo(window.get()));
    for (const QPointer<QWidget>& widget : {a, b, c}) {
        QVERIFY(!widget.isNull());
        QVERIFY(widget->isHidden());
    }

    window->applianceSetTopbar({});
    QVERIFY(!topBar->isVisibleTo(window.get()));
    QVERIFY(d && d->isHidden());
}

void TestMainWindow::rightAndBottomBars()
{
    auto window = makeWindow();
    auto* toolBar = window->findChild<QWidget*>(QStringLiteral("applianceToolBar"));
    auto* bottomBar = window->findChild<QWidget*>(QStringLiteral("bottomBar"));
    QVERIFY(toolBar && bottomBar);
    QCOMPARE(toolBar->minimumWidth(), 240);
    QCOMPARE(toolBar->maximumWidth(), 240);
    QVERIFY(hasFixedHeight(bottomBar, 52));

    QPointer<QWidget> panel = new QWidget;
    QPointer<QWidget> second = new QWidget;
    window->applianceSetRightbar({panel, second});
    QVERIFY(toolBar->isVisibleTo(window.get()));
    QCOMPARE(panel->minimumWidth(), 240);
    QCOMPARE(panel->maximumWidth(), 240);
    QVERIFY(second->isVisibleTo(window.get()));
    window->applianceSetRightbar({});
    QVERIFY(!toolBar->isVisibleTo(window.get()));
    QVERIFY(panel && panel->isHidden() && second && second->isHidden());

    QPointer<QWidget> strip = new QWidget;
    window->applianceSetBottombar({strip});
    QVERIFY(bottomBar->isVisibleTo(window.get()));
    QVERIFY(hasFixedHeight(strip, 52));
    window->applianceSetBottombar({});
    QVERIFY(!bottomBar->isVisibleTo(window.get()));
    QVERIFY(strip && strip->isHidden());
}

void TestMainWindow::sceneWidgetAttachAndDetach()
{
    auto window = makeWindow();
    auto* layout = window->findChild<QVBoxLayout*>(QStringLiteral("sceneWidgetLayout"));
    QVERIFY(layout);
    QCOMPARE(layout->parentWidget()->metaObject()->className(), "FloatingWidgetContainer");
    const int before = layout->count();

    window->applianceAttachSceneWidget(nullptr);
    window->applianceDetachSceneWidget(nullptr);
    QCOMPARE(layout->count(), before);

    QPointer<QWidget> scene = new QWidget;
    window->applianceAttachSceneWidget(scene);
    QCOMPARE(layout->count(), before + 1);
    QVERIFY(scene->isVisibleTo(window.get()));
    window->applianceDetachSceneWidget(scene);
    QCOMPARE(layout->count(), before);
    QVERIFY(scene && scene->isHidden());
}

void TestMainWindow::styleSheetAndPalette()
{
    auto window = makeWindow();
    QFile file(QStringLiteral(":/qss/psblack.css"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString sheet = QString::fromLatin1(file.readAll());
    QCOMPARE(sheet.mid(20, 7), QStringLiteral("#222222"));
    QCOMPARE(qApp->styleSheet(), sheet);
    QCOMPARE(QApplication::palette().color(QPalette::Window), QColor(0x22, 0x22, 0x22));
    // The zoom read-out's look lives in this sheet.
    QVERIFY(sheet.contains(QStringLiteral("ZoomIndicatorOverlay QLabel")));
    // The images the sheet names are there.
    QRegularExpression url(QStringLiteral("url\\((:/qss/[^)]+)\\)"));
    auto it = url.globalMatch(sheet);
    int images = 0;
    while (it.hasNext()) {
        const QString path = it.next().captured(1);
        QVERIFY2(QFile::exists(path), qPrintable(path));
        ++images;
    }
    QVERIFY(images > 0);
}

void TestMainWindow::languageMenu_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("chosen");

    QTest::newRow("German stored, French chosen") << int(QLocale::German) << int(QLocale::French);
    QTest::newRow("the stored one chosen again") << int(QLocale::Japanese) << int(QLocale::Japanese);
}

void TestMainWindow::languageMenu()
{
    QFETCH(int, stored);
    QFETCH(int, chosen);
    Settings::defaultSettings()->setLanguage(stored);
    auto window = makeWindow();
    QMenu* menu = ::languageMenu(*window);
    QVERIFY(menu);

    const QList<int> order {14, 58, 68, 72, 75, 85, 94, 96, 119, 120, 209, 231, 239, 270, 275, 298};
    const QList<QAction*> actions = menu->actions();
    QCOMPARE(actions.size(), 16);
    QAction* toChoose = nullptr;
    for (int i = 0; i < actions.size(); ++i) {
        QAction* action = actions.at(i);
        QCOMPARE(action->data().toInt(), order.at(i));
        QCOMPARE(action->text(), IQOEM::languageName(QLocale::Language(order.at(i))));
        QVERIFY(action->isCheckable());
        QCOMPARE(action->isChecked(), order.at(i) == stored);
        QVERIFY(action->actionGroup() && action->actionGroup()->isExclusive());
        if (order.at(i) == chosen)
            toChoose = action;
    }

    MessageBoxAnswer answer(QMessageBox::Ok);
    toChoose->trigger();
    QCOMPARE(answer.shown, 1);
    QCOMPARE(answer.title, QGuiApplication::applicationDisplayName());
    QCOMPARE(answer.text, QStringLiteral("The language is switched successfully, please restart your application."));
    QCOMPARE(Settings::defaultSettings()->language(), chosen);
    QVERIFY(toChoose->isChecked());
    // Stored for good, not only in memory.
    QSettings file(Settings::defaultSettings()->fileName(), QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("/app/language")).toInt(), chosen);
}

void TestMainWindow::helpMenuShowsEnglishTexts()
{
    Settings::defaultSettings()->setLanguage(QLocale::English);
    initLanguage(qApp);
    auto window = makeWindow();

    QMenu* edit = menuTitled(window->menuBar(), QStringLiteral("Edit"));
    QVERIFY(edit);
    QCOMPARE(actionTitled(edit, QStringLiteral("Copy"))->shortcut(), QKeySequence(QKeySequence::Copy));
    QCOMPARE(actionTitled(edit, QStringLiteral("Paste"))->shortcut(), QKeySequence(QKeySequence::Paste));
    QCOMPARE(actionTitled(edit, QStringLiteral("Select All"))->shortcut(), QKeySequence(QKeySequence::SelectAll));

    QMenu* help = menuTitled(window->menuBar(), QStringLiteral("Help"));
    QVERIFY(help);
    QStringList texts;
    for (QAction* action : help->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(texts, QStringList({"Language", "-", "Online Help", "Product FAQ", "Contact Customer Service", "-", "About"}));
    QCOMPARE(actionTitled(help, QStringLiteral("Online Help"))->shortcut(), QKeySequence(QKeySequence::HelpContents));
    QCOMPARE(actionTitled(help, QStringLiteral("About"))->menuRole(), QAction::AboutRole);
}

void TestMainWindow::helpLinksReachTheDesktop_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("urls");

    QTest::newRow("English") << int(QLocale::English)
                             << QStringList({"https://www.vellumar.example/zorivuv/guide",
                                             "https://www.vellumar.example/faq/zorivuv",
                                             "https://www.vellumar.example/support"});
    QTest::newRow("German") << int(QLocale::German)
                            << QStringList({"https://de.vellumar.example/zorivuv/guide",
                                            "https://de.vellumar.example/faq/zorivuv",
                                            "https://de.vellumar.example/support"});
    QTest::newRow("Chinese") << int(QLocale::Chinese)
                             << QStringList({"https://zh-tw.vellumar.example/zorivuv/guide",
                                             "https://zh-tw.vellumar.example/faq/zorivuv",
                                             "https://zh-tw.vellumar.example/support"});
}

void TestMainWindow::helpLinksReachTheDesktop()
{
    QFETCH(int, language);
    QFETCH(QStringList, urls);
    IQEnvironment::env()->url()->setLanguage(QLocale::Language(language));
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");

    auto window = makeWindow();
    window->onlineHelp();
    window->faq();
    window->ccs();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QStringList opened;
    for (const QUrl& url : catcher.urls)
        opened << url.toString();
    QCOMPARE(opened, urls);
}

void TestMainWindow::editKeysHaveOneOwner()
{
    // A paste action on a scene view claims Ctrl+V as the Edit menu does;
    // Qt would fire neither of two claims.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("Ambiguous")));
    auto window = makeWindow();
    // The test's view stands in for the appliance's: the home screen's leaves.
    auto* sceneWidget = window->findChild<QWidget*>(QStringLiteral("sceneWidget"));
    QVERIFY(sceneWidget);
    for (QWidget* shown : sceneWidget->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        window->applianceDetachSceneWidget(shown);
    auto* view = new QGraphicsView;
    int scenePastes = 0;
    auto* viewPaste = new QAction(QStringLiteral("Paste"), view);
    viewPaste->setShortcut(QKeySequence::Paste);
    view->addAction(viewPaste);
    connect(viewPaste, &QAction::triggered, [&scenePastes] { ++scenePastes; });
    window->applianceAttachSceneWidget(view);

    auto* panel = new QWidget;
    auto* edit = new QLineEdit(panel);
    auto* button = new QPushButton(QStringLiteral("b"), panel);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(edit);
    panelLayout->addWidget(button);
    window->applianceSetRightbar({panel});
    // A top-bar tool that copies something of its own on Ctrl+C.
    auto* tool = new QPushButton(QStringLiteral("tool"));
    int toolCopies = 0;
    auto* toolCopy = new QAction(QStringLiteral("Copy"), tool);
    toolCopy->setShortcut(QKeySequence::Copy);
    tool->addAction(toolCopy);
    connect(toolCopy, &QAction::triggered, [&toolCopies] { ++toolCopies; });
    window->applianceSetTopbar({tool});
    QVERIFY(QTest::qWaitForWindowActive(window.get()));

    QGuiApplication::clipboard()->setText(QStringLiteral("clip"));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), QStringLiteral("clip"));
    QCOMPARE(scenePastes, 0);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(edit->selectedText(), QStringLiteral("clip"));

    view->setFocus();
    QCOMPARE(QApplication::focusWidget(), view);
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(scenePastes, 1);
    QCOMPARE(edit->text(), QStringLiteral("clip"));

    // Nothing on the focus chain pastes: the shown scene takes it.
    button->setFocus();
    QTest::keyClick(button, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(scenePastes, 2);
    // Nor copies: the window's action bound to the key does.
    QTest::keyClick(button, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(toolCopies, 1);
    // In the line edit the line edit copies.
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(toolCopies, 1);

    window->applianceSetTopbar({});
    delete tool;
    window->applianceSetRightbar({});
    window->applianceDetachSceneWidget(view);
    delete panel;
    delete view;
}

void TestMainWindow::editMenuActsOnTheFocusedWidget()
{
    auto window = makeWindow();
    auto* edit = new QLineEdit(QStringLiteral("some text"));
    window->applianceSetRightbar({edit});
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    edit->setFocus();

    QMenu* menu = menuTitled(window->menuBar(), window->tr("Edit"));
    QVERIFY(menu);
    const QList<QAction*> actions = menu->actions();
    QCOMPARE(actions.size(), 3);
    QGuiApplication::clipboard()->clear();
    actions.at(2)->trigger(); // Select All
    QCOMPARE(edit->selectedText(), QStringLiteral("some text"));
    actions.at(0)->trigger(); // Copy
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("some text"));
    edit->end(false);
    actions.at(1)->trigger(); // Paste
    QCOMPARE(edit->text(), QStringLiteral("some textsome text"));

    window->applianceSetRightbar({});
    delete edit;
}

void TestMainWindow::closeAsksTheWorkflow()
{
    auto window = makeWindow();
    App::workflow->pushNode({new PendingAppliance, false});
    QCOMPARE(App::workflow->nodeCount(), 2);

    {
        MessageBoxAnswer answer(QMessageBox::Cancel);
        QVERIFY(!window->close());
        QCOMPARE(answer.shown, 1);
    }
    QVERIFY(window->isVisible());
    QCOMPARE(App::workflow->nodeCount(), 2);

    {
        MessageBoxAnswer answer(QMessageBox::Discard);
        QVERIFY(window->close());
        QCOMPARE(answer.shown, 1);
    }
    QVERIFY(!window->isVisible());
    QCOMPARE(App::workflow->nodeCount(), 0);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
