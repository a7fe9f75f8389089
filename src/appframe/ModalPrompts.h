#pragma once

#include <QMessageBox>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class QAction;
class QDialog;
class QMenu;
class QWidget;

// The one door through which the program asks the user something modally:
// message boxes, questions, context menus and dialogs. Each call runs the
// real box, menu or dialog, unless a responder is installed; then the
// responder sees the request and its answer is returned instead, and nothing
// is shown. Tests install one to answer and to check what was asked.
//
// GUI thread only. The responder is process-wide; ScopedResponder restores
// the previous one when it goes.
class ModalPrompts
{
public:
    enum class Kind { Question, Message, Menu, Dialog };

    // What was asked. Pointers are valid only while the responder runs.
    struct Request
    {
        Kind kind = Kind::Message;
        QPointer<QWidget> parent;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons = QMessageBox::NoButton;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        // Menu: the menu, its action texts in order and where it would open.
        QMenu* menu = nullptr;
        QStringList actionTexts;
        QPoint position;
        // Dialog: the dialog itself; the responder may fill it in (choose a
        // file, set fields) before it answers.
        QDialog* dialog = nullptr;
    };

    // The answer: a QMessageBox::StandardButton for questions and messages,
    // the index of the chosen action (-1: none) for menus, the dialog's
    // result (QDialog::Accepted, QDialog::Rejected) for dialogs.
    using Responder = std::function<int(const Request&)>;

    // Asks a question with the question icon. Returns the button pressed;
    // closing the box with Escape counts as its escape button.
    static QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // Shows a message (information, warning, critical) and returns the
    // button that closed it.
    static QMessageBox::StandardButton message(QMessageBox::Icon icon, QWidget* parent, const QString& title,
        const QString& text, QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // Runs `menu` at `position` (global coordinates) and returns the action
    // chosen, or null. The menu stays the caller's.
    static QAction* execMenu(QMenu* menu, const QPoint& position);

    // Runs `dialog` modally and returns its result. The dialog stays the
    // caller's.
    static int execDialog(QDialog* dialog);

    // Installs `responder` (an empty one restores the real prompts) and
    // returns the one it replaces.
    static Responder setResponder(Responder responder);
    static bool hasResponder();

    // Installs a responder for the life of the object.
    class ScopedResponder
    {
    public:
        explicit ScopedResponder(Responder responder);
        ~ScopedResponder();
        ScopedResponder(const ScopedResponder&) = delete;
        ScopedResponder& operator=(const ScopedResponder&) = delete;

    private:
        Responder m_previous;
    };

private:
    static Responder& responder();
};
