#include "app/MainWindow.h"
#include "ui_MainWindow.h"

#include "home/HomeAppliance.h"
#include "appframe/IQEnvironment.h"
#include "appframe/Settings.h"
#include "appframe/Workflow.h"
#include "app/DefaultWorkflowCreators.h"
#include "online/OVEnv.h"
#include "online/OVURL.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

namespace {

const QString geometryKey = QStringLiteral("Collage/Geometry");

constexpr int topBarHeight = 32;
constexpr int rightBarWidth = 240;
constexpr int bottomBarHeight = 52;

// The edit key a key event stands for, if any.
bool editKey(QKeyEvent* event, MacOSUI::EditAction* action)
{
    if (event->matches(QKeySequence::Copy))
        *action = MacOSUI::EditAction::Copy;
    else if (event->matches(QKeySequence::Paste))
        *action = MacOSUI::EditAction::Paste;
    else if (event->matches(QKeySequence::SelectAll))
        *action = MacOSUI::EditAction::SelectAll;
    else
        return false;
    return true;
}

void openPage(const QString& address)
{
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : PlugGui::Container(parent)
    , m_ui(new Ui::MainWindow)
{
    applianceSetTitle(QString());
    setMinimumSize(960, 640);
    setLayoutDirection(Qt::LeftToRight);

    initStyle();
    m_ui->setupUi(this);
    initMenu();

    MacOSUI::SetUpWindowTitleBar(this, false);

    m_ui->topBar->setFixedHeight(topBarHeight);
    m_ui->topBar->hide();
    m_ui->applianceToolBar->setFixedWidth(rightBarWidth);
    m_ui->bottomBar->setFixedHeight(bottomBarHeight);
    m_ui->bottomBar->setMinimumHeight(bottomBarHeight);

    if (restoreGeometry(Settings::defaultSettings()->value(geometryKey).toByteArray())) {
        show();
    } else {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect available = screen->availableGeometry();
            resize(available.width() * 2 / 3, available.height() * 2 / 3);
        }
        showMaximized();
    }

    Workflow::Creators creators;
    registerDefaultWorkflowCreators(creators);
    creators.home = [] { return new HomeAppliance(nullptr); };
    // Registers itself as App::workflow and attaches the first appliance.
    new Workflow(this, nullptr, creators);
}

MainWindow::~MainWindow()
{
    Settings* settings = Settings::defaultSettings();
    if (isMaximized() || isFullScreen())
        settings->remove(geometryKey);
    else
        settings->setValue(geometryKey, saveGeometry());
    settings->sync();

    delete App::workflow;
    delete m_ui;
}

void MainWindow::initStyle()
{
    QFile file(QStringLiteral(":/qss/psblack.css"));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    const QString sheet = QString::fromLatin1(bytes.constData(), int(qstrnlen(bytes.constData(), bytes.size())));
    // The first rule carries the palette colour at a fixed place.
    QApplication::setPalette(QPalette(QColor(sheet.mid(20, 7))));
    qApp->setStyleSheet(sheet);
}

void MainWindow::initMenu()
{
    m_menuBar = new QMenuBar(this);
    // The bar sits in the strip the form keeps for it.
    auto* menuLayout = new QHBoxLayout(m_ui->menuWidget);
    menuLayout->setContentsMargins(0, 0, 0, 0);
    menuLayout->setSpacing(0);
    menuLayout->addWidget(m_menuBar);

    QMenu* edit = m_menuBar->addMenu(tr("Edit"));
    m_copyAction = edit->addAction(QCoreApplication::translate("QCocoaMenuItem", "Copy"));
    m_copyAction->setShortcut(QKeySequence::Copy);
    connect(m_copyAction, &QAction::triggered, this, &MainWindow::editCopy);
    m_pasteAction = edit->addAction(QCoreApplication::translate("QCocoaMenuItem", "Paste"));
    m_pasteAction->setShortcut(QKeySequence::Paste);
    connect(m_pasteAction, &QAction::triggered, this, &MainWindow::editPaste);
    m_selectAllAction = edit->addAction(QCoreApplication::translate("QCocoaMenuItem", "Select All"));
    m_selectAllAction->setShortcut(QKeySequence::SelectAll);
    connect(m_selectAllAction, &QAction::triggered, this, &MainWindow::editSelectAll);

    QMenu* help = m_menuBar->addMenu(tr("Help"));
    QMenu* languages = initLanguageOptions();
    languages->setParent(help, languages->windowFlags());
    help->addMenu(languages);
    help->addSeparator();
    QAction* onlineHelp = help->addAction(tr("IDS_MENU_ONLINE_HELP"));
    onlineHelp->setShortcut(QKeySequence::HelpContents);
    connect(onlineHelp, &QAction::triggered, this, &MainWindow::onlineHelp);
    connect(help->addAction(tr("IDS_MENU_FAQ")), &QAction::triggered, this, &MainWindow::faq);
    connect(help->addAction(tr("IDS_MENU_CCS")), &QAction::triggered, this, &MainWindow::ccs);
    help->addSeparator();
    QAction* about = help->addAction(tr("IDS_ABOUT"));
    about->setMenuRole(QAction::AboutRole);
    connect(about, &QAction::triggered, this, &MainWindow::about);
}

QMenu* MainWindow::initLanguageOptions()
{
    const int stored = Settings::defaultSettings()->language() & 0xffff;
    const int current = stored != 0 ? stored : int(IQOEM::language());

    auto* menu = new QMenu(tr("Language"));
    m_languageGroup = new QActionGroup(this);
    m_languageGroup->setExclusive(true);
    const QMap<QLocale::Language, QString> languages = IQOEM::languageMap();
    for (auto it = languages.keyBegin(); it != languages.keyEnd(); ++it) {
        QAction* action = menu->addAction(IQOEM::languageName(*it));
        action->setData(int(*it));
        action->setCheckable(true);
        action->setChecked(int(*it) == current);
        m_languageGroup->addAction(action);
    }
    connect(m_languageGroup, &QActionGroup::triggered, this, [this](QAction* action) {
        Settings::defaultSettings()->setLanguage(action->data().toInt());
        QMessageBox::information(this, QGuiApplication::applicationDisplayName(),
            tr("The language is switched successfully, please restart your application."), QMessageBox::Ok);
    });
    return menu;
}

void MainWindow::onlineHelp()
{
    openPage(IQEnvironment::env()->url()->helpURL());
}

void MainWindow::faq()
{
    openPage(IQEnvironment::env()->url()->faqURL());
}

void MainWindow::ccs()
{
    openPage(IQEnvironment::env()->url()->cssURL());
}

void MainWindow::about()
{
    MacOSUI::about();
}

void MainWindow::editCopy()
{
    if (!MacOSUI::copy())
        offerToWindow(MacOSUI::EditAction::Copy);
}

void MainWindow::editPaste()
{
    if (!MacOSUI::paste())
        offerToWindow(MacOSUI::EditAction::Paste);
}

void MainWindow::editSelectAll()
{
    // Item views, the list views among them, answer selectAll() themselves.
    if (!MacOSUI::selectAll())
        offerToWindow(MacOSUI::EditAction::SelectAll);
}

void MainWindow::offerToWindow(MacOSUI::EditAction action)
{
    // Nothing on the focus chain took it (a button of a panel had the focus,
    // say). The key still reaches what the window binds to it, as a window
    // shortcut would: the shown scene first, the document the user works on.
    QList<QWidget*> candidates {m_ui->sceneWidget};
    candidates += m_ui->sceneWidget->findChildren<QWidget*>();
    candidates += findChildren<QWidget*>();
    candidates += this;
    for (QWidget* widget : std::as_const(candidates)) {
        // The Edit menu's own entries are what brought the action here.
        if (qobject_cast<QMenu*>(widget) || qobject_cast<QMenuBar*>(widget) || !widget->isVisible())
            continue;
        if (MacOSUI::triggerBoundEditAction(action, widget))
            return;
    }
}

bool MainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        MacOSUI::EditAction action;
        // No child claimed the key: take it from the shortcut map, where the
        // Edit menu and a scene view would both match and neither fire.
        if (editKey(static_cast<QKeyEvent*>(event), &action)) {
            event->accept();
            return true;
        }
    }
    return PlugGui::Container::event(event);
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    MacOSUI::EditAction action;
    if (!editKey(event, &action)) {
        PlugGui::Container::keyPressEvent(event);
        return;
    }
    switch (action) {
    case MacOSUI::EditAction::Copy: m_copyAction->trigger(); break;
    case MacOSUI::EditAction::Paste: m_pasteAction->trigger(); break;
    case MacOSUI::EditAction::SelectAll: m_selectAllAction->trigger(); break;
    }
    event->accept();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!App::workflow || App::workflow->requestExit())
        event->accept();
    else
        event->ignore();
}

void MainWindow::applianceSetTitle(const QString& title)
{
    if (title.isEmpty())
        setWindowTitle(QCoreApplication::applicationName());
    else
        setWindowTitle(QCoreApplication::applicationName() + QStringLiteral(" - ") + title);
}

void MainWindow::applianceAttachSceneWidget(QWidget* widget)
{
    if (!widget)
        return;
    m_ui->sceneWidgetLayout->addWidget(widget);
    widget->show();
}

void MainWindow::applianceDetachSceneWidget(QWidget* widget)
{
    if (!widget)
        return;
    widget->hide();
    m_ui->sceneWidgetLayout->removeWidget(widget);
}

void MainWindow::clearLayout(QLayout* layout)
{
    while (QLayoutItem* item = layout->takeAt(0)) {
        if (QWidget* widget = item->widget())
            widget->hide();
        delete item;
    }
}

void MainWindow::applianceSetTopbar(const QList<QWidget*>& widgets)
{
    clearLayout(m_ui->applianceLeftBarLayout);
    clearLayout(m_ui->applianceRightBarLayout);
    for (QWidget* widget : widgets) {
        if (widget->property("@rightBar").toBool())
            m_ui->applianceRightBarLayout->addWidget(widget);
        else
            m_ui->applianceLeftBarLayout->addWidget(widget);
        widget->setFixedHeight(topBarHeight);
        widget->show();
    }
    m_ui->topBar->setVisible(!widgets.isEmpty());
}

void MainWindow::applianceSetBottombar(const QList<QWidget*>& widgets)
{
    fillBar(m_ui->bottomBar, m_ui->applianceBottomBarLayout, widgets,
            [](QWidget* widget) { widget->setFixedHeight(bottomBarHeight); });
}

void MainWindow::applianceSetRightbar(const QList<QWidget*>& widgets)
{
    fillBar(m_ui->applianceToolBar, m_ui->applianceToolBarLayout, widgets,
            [](QWidget* widget) { widget->setFixedWidth(rightBarWidth); });
}

void MainWindow::fillBar(QWidget* bar, QLayout* layout, const QList<QWidget*>& widgets, void (*fixSize)(QWidget*))
{
    clearLayout(layout);
    for (QWidget* widget : widgets) {
        layout->addWidget(widget);
        fixSize(widget);
        widget->show();
    }
    bar->setVisible(!widgets.isEmpty());
}

void MainWindow::applianceSetValue(unsigned int key, const QVariant& value)
{
    Q_UNUSED(key);
    Q_UNUSED(value);
}
