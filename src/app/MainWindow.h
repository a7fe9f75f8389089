#pragma once

#include "appframe/Container.h"
#include "desktop/MacOSUI.h"

class QActionGroup;
class QLayout;
class QMenu;
class QMenuBar;

namespace Ui {
class MainWindow;
}

// The one top-level window: hosts the current appliance (its scene widget in
// the middle, its top-bar widgets above, its right-bar panels at the right,
// its bottom-bar widgets below, and its title), loads the application style
// sheet, offers the Edit and Help menus with the language choice, and keeps
// its geometry in the settings under "Collage/Geometry". It makes the one
// Workflow, which it deletes again.
//
// The constructor shows the window. Bar widgets stay owned by their
// appliances: the window places, shows and hides them and deletes none.
//
// The window is the one owner of the standard edit keys (copy, paste, select
// all). The focused widget and its parents get them first as key presses (a
// line edit pastes itself, a text being edited on a canvas takes the paste);
// what they leave goes to the Edit menu's entry, which offers it along the
// focus chain (MacOSUI) and then to the first action of the window bound to
// that key, the shown scene's first. So the scene view's Paste action never
// competes with the Edit menu for Ctrl+V, where Qt would fire neither.
class MainWindow : public PlugGui::Container
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Loads ":/qss/psblack.css" into the application: the palette from the
    // colour at characters 20 to 26, then the whole sheet. Without the
    // resource nothing changes.
    static void initStyle();
    void initMenu();
    // A new menu without parent, of the 16 interface languages.
    QMenu* initLanguageOptions();

    void applianceSetTitle(const QString& title) override;
    void applianceAttachSceneWidget(QWidget* widget) override;
    void applianceDetachSceneWidget(QWidget* widget) override;
    void applianceSetTopbar(const QList<QWidget*>& widgets) override;
    void applianceSetBottombar(const QList<QWidget*>& widgets) override;
    void applianceSetRightbar(const QList<QWidget*>& widgets) override;
    void applianceSetValue(unsigned int key, const QVariant& value) override;

    QMenuBar* menuBar() const { return m_menuBar; }

public slots:
    void onlineHelp();
    void faq();
    void ccs();
    void about();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void editCopy();
    void editPaste();
    void editSelectAll();
    void offerToWindow(MacOSUI::EditAction action);
    // Takes every item out of the layout, hiding its widget.
    static void clearLayout(QLayout* layout);
    // Puts the widgets into the layout, each sized by `fixSize`; an empty
    // list hides the bar.
    static void fillBar(QWidget* bar, QLayout* layout, const QList<QWidget*>& widgets, void (*fixSize)(QWidget*));

    Ui::MainWindow* m_ui;
    QActionGroup* m_languageGroup = nullptr;
    QMenuBar* m_menuBar = nullptr;
    QAction* m_copyAction = nullptr;
    QAction* m_pasteAction = nullptr;
    QAction* m_selectAllAction = nullptr;
};
