#pragma once

#include "desktop/NativeGestureInfo.h"

#include <QCoreApplication>
#include <QUrl>

class QEvent;
class QWidget;

// The window and application actions the main window asks of the desktop:
// title-bar set-up, the About box, and the Edit menu's copy, paste and select
// all; and the further window touches, the help mail and the reading of
// gesture events a window may ask for.
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
// Every operation that takes a widget works on the widget's window and does
// nothing for a null widget.
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

    // The window manager draws the title bar; the nearest thing a window
    // controls is its own background, so this sets the Window colour of the
    // window's palette. Components run from 0 to 1; values outside are
    // clamped, NaN counts as 0.
    static void setTitleBarColor(QWidget* widget, double red, double green, double blue);

    // Makes the window represent the file at `filePath` (made absolute
    // against the current folder; empty clears it). When `title` is not
    // empty it also becomes the window title; an empty title keeps the one
    // the window has.
    static void setWindowRepresentTitle(QWidget* widget, const QString& filePath, const QString& title);

    // Asks the desktop's file manager to show the file selected, through
    // org.freedesktop.FileManager1 on the session bus. When no file manager
    // answers (no bus, no such service, an error reply) it opens the
    // containing folder through QDesktopServices instead. The answer is
    // awaited without blocking, so the fallback happens later, on the event
    // loop. An empty path does nothing.
    static void revealInFinder(const QString& filePath);

    // Restores the window from minimised, maximised or full screen,
    // activates it and raises it above its siblings.
    static void BringWindowToFront(QWidget* widget);

    // Opens a new mail to the support address (desktop/SupportContact.h)
    // through the desktop's "mailto:" handler, with the subject "Help" and
    // the greeting of helpMailBody(). False, and nothing else, when no
    // handler took it.
    static bool help();
    // The "mailto:" address help() opens.
    static QUrl helpMailUrl();
    // Three lines joined by CR LF, none after the last.
    static QString helpMailBody();

    // Reads a QNativeGestureEvent: zoom gives kind 30 with the event's value
    // as the magnification, swipe kind 31 with delta()'s x and y, smart zoom
    // kind 32. Any other event, gesture or not, and a null pointer give kind
    // -1 and zeros.
    static NativeGestureInfo analysisNativeGestureEvent(const QEvent* event);

    // Shows the product's name and version (the application's display name
    // and version) in a standard about box. Not modal; a second call brings
    // the open box to the front instead of opening another.
    static void about();
};
