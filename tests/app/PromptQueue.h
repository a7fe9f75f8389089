#pragma once

// Answers the program's ModalPrompts requests (boxes, menus, dialogs run
// through the seam) in order, for tests that drive the main window.

#include "appframe/ModalPrompts.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

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
