#pragma once

#include <QCoreApplication>

class QWidget;

// The window and application actions the main window asks of the desktop:
// title-bar set-up, the About box, and the Edit menu's copy, paste and select
// all.
//
// The edit actions follow a responder chain, as a desktop's first responder
// does: the widget with the keyboard focus is asked first, then its parents
// up to its window, and the first one that responds takes the action. A
// widget responds when it has an invokable slot of the action's name
// ("copy()", "paste()", "selectAll()", as the text and item views do), or
// when it carries an enabled action bound to the standard key of the action
// (as the scene view's Paste action is). Spin boxes and editable combo boxes
// answer through their line edit.
//
// GUI thread only. No state besides the one About box.
class MacOSUI
{
    Q_DECLARE_TR_FUNCTIONS(MacOSUI)

public:
    enum class EditAction { Copy, Paste, SelectAll };

    MacOSUI() = delete;

    // The desktop draws the title bar here; nothing to set up. Accepts null.
    static void SetUpWindowTitleBar(QWidget* widget, bool keepCollectionBehaviour);

    // True when a widget of the focus chain took the action.
    static bool copy();
    static bool paste();
    static bool selectAll();

    // Offers the action along the chain from `first` up to its window.
    static bool sendEditAction(EditAction action, QWidget* first);
    // Offers the action to `widget` alone.
    static bool sendEditActionTo(EditAction action, QWidget* widget);
    // Triggers the first enabled action of `widget` bound to the action's
    // standard key; its slots are not asked. True when one was triggered.
    static bool triggerBoundEditAction(EditAction action, QWidget* widget);

    // Shows the product's name and version (the application's display name
    // and version) in a standard about box. Not modal; a second call brings
    // the open box to the front instead of opening another.
    static void about();
};
