#pragma once

// Drives Qt's own file dialogs from inside their event loop, as a user
// would: type a name, wait for the Open/Save button, press it.

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <functional>

namespace DialogDriver {

// Runs `action` on the modal widget of type T once it shows. Actions only
// record and press buttons; checks run after the dialog returned.
template<class T>
void onModal(std::function<void(T*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action] {
        auto* widget = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!widget || !widget->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action(widget);
    });
    timer->start();
}

// The dialog enables its accept button once its file-system model caught up
// with the typed name; a loaded machine may take a while.
inline bool pressAccept(QFileDialog* dialog)
{
    const auto* box = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    if (!box)
        return false;
    QAbstractButton* accept = nullptr;
    for (QAbstractButton* button : box->buttons()) {
        if (box->buttonRole(button) == QDialogButtonBox::AcceptRole)
            accept = button;
    }
    if (!accept || !QTest::qWaitFor([accept] { return accept->isEnabled(); }, 20000))
        return false;
    accept->click();
    return true;
}

// What the next file dialog showed.
struct Seen
{
    bool shown = false;
    QString directory;
    int fileMode = -1;
    QWidget* parent = nullptr;
};

// Answers the next file dialog with `names` (one name, or several typed
// quoted, in order) in `directory`; an empty list cancels it.
inline void answerFileDialog(const QString& directory, const QStringList& names, Seen* seen = nullptr)
{
    onModal<QFileDialog>([directory, names, seen](QFileDialog* dialog) {
        if (seen) {
            seen->shown = true;
            seen->directory = dialog->directory().absolutePath();
            seen->fileMode = dialog->fileMode();
            seen->parent = dialog->parentWidget();
        }
        if (names.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->setDirectory(directory);
        QString typed;
        if (names.size() == 1) {
            typed = names.first();
        } else {
            QStringList quoted;
            for (const QString& name : names)
                quoted << QLatin1Char('"') + name + QLatin1Char('"');
            typed = quoted.join(QLatin1Char(' '));
        }
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(typed);
        if (!pressAccept(dialog))
            dialog->reject();
    });
}

} // namespace DialogDriver
