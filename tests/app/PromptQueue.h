#pragma once

// Answers the program's questions for tests that drive the main window:
// its ModalPrompts requests (boxes, menus, dialogs run through the seam) in
// order, and the message boxes the workflow shows itself.

#include "appframe/ModalPrompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include <deque>
#include <functional>

// Answers requests in order with the queued handlers; a request with none
// queued is answered "reject" (or Cancel), which fails the caller's flow.
struct PromptQueue
{
    using Handler = std::function<int(const ModalPrompts::Request&)>;
    std::deque<Handler> queue;
    QList<ModalPrompts::Request> seen;
    ModalPrompts::ScopedResponder responder {[this](const ModalPrompts::Request& request) {
        seen << request;
        if (queue.empty())
            return request.kind == ModalPrompts::Kind::Dialog ? int(QDialog::Rejected) : int(QMessageBox::Cancel);
        Handler next = queue.front();
        queue.pop_front();
        return next(request);
    }};
};

// A file dialog run through the prompts: choose `path` and accept.
inline PromptQueue::Handler chooseFile(const QString& path)
{
    return [path](const ModalPrompts::Request& request) {
        auto* files = qobject_cast<QFileDialog*>(request.dialog);
        if (!files)
            return int(QDialog::Rejected);
        files->selectFile(path);
        QMetaObject::invokeMethod(files, "accept");
        return files->result();
    };
}

// Counts the workflow's own message boxes and answers each with `button`.
class BoxWatcher : public QObject
{
public:
    explicit BoxWatcher(QMessageBox::StandardButton button)
        : m_button(button)
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            texts << box->text();
            box->button(m_button)->click();
        });
        m_timer.start(10);
    }
    QStringList texts;

private:
    QMessageBox::StandardButton m_button;
    QTimer m_timer;
};
