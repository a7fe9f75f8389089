#include "appframe/ModalPrompts.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QMenu>

ModalPrompts::Responder& ModalPrompts::responder()
{
    static Responder current;
    return current;
}

ModalPrompts::Responder ModalPrompts::setResponder(Responder responder)
{
    Responder previous = std::move(ModalPrompts::responder());
    ModalPrompts::responder() = std::move(responder);
    return previous;
}

bool ModalPrompts::hasResponder()
{
    return bool(responder());
}

QMessageBox::StandardButton ModalPrompts::question(QWidget* parent, const QString& title, const QString& text,
    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    if (responder()) {
        Request request;
        request.kind = Kind::Question;
        request.parent = parent;
        request.icon = QMessageBox::Question;
        request.title = title;
        request.text = text;
        request.buttons = buttons;
        request.defaultButton = defaultButton;
        // A copy: the responder may install another one while it answers.
        const Responder answer = responder();
        return QMessageBox::StandardButton(answer(request));
    }
    return QMessageBox::question(parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton ModalPrompts::message(QMessageBox::Icon icon, QWidget* parent, const QString& title,
    const QString& text, QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    if (responder()) {
        Request request;
        request.kind = Kind::Message;
        request.parent = parent;
        request.icon = icon;
        request.title = title;
        request.text = text;
        request.buttons = buttons;
        request.defaultButton = defaultButton;
        const Responder answer = responder();
        return QMessageBox::StandardButton(answer(request));
    }
    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    return clicked ? box.standardButton(clicked) : QMessageBox::NoButton;
}

QAction* ModalPrompts::execMenu(QMenu* menu, const QPoint& position)
{
    if (!menu)
        return nullptr;
    if (responder()) {
        Request request;
        request.kind = Kind::Menu;
        request.parent = menu->parentWidget();
        request.title = menu->title();
        request.menu = menu;
        request.position = position;
        const QList<QAction*> actions = menu->actions();
        for (QAction* action : actions)
            request.actionTexts << action->text();
        const Responder answer = responder();
        const int index = answer(request);
        return index >= 0 && index < actions.size() ? actions.at(index) : nullptr;
    }
    return menu->exec(position);
}

int ModalPrompts::execDialog(QDialog* dialog)
{
    if (!dialog)
        return QDialog::Rejected;
    if (responder()) {
        Request request;
        request.kind = Kind::Dialog;
        request.parent = dialog->parentWidget();
        request.title = dialog->windowTitle();
        request.dialog = dialog;
        const Responder answer = responder();
        const int result = answer(request);
        dialog->setResult(result);
        return result;
    }
    return dialog->exec();
}

ModalPrompts::ScopedResponder::ScopedResponder(Responder responder)
    : m_previous(ModalPrompts::setResponder(std::move(responder)))
{
}

ModalPrompts::ScopedResponder::~ScopedResponder()
{
    ModalPrompts::setResponder(std::move(m_previous));
}
