#include "platform/MacOSUI.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaMethod>
#include <QPointer>

namespace {

const char* slotSignature(MacOSUI::EditAction action)
{
    switch (action) {
    case MacOSUI::EditAction::Copy: return "copy()";
    case MacOSUI::EditAction::Paste: return "paste()";
    case MacOSUI::EditAction::SelectAll: return "selectAll()";
    }
    return "";
}

QKeySequence::StandardKey standardKey(MacOSUI::EditAction action)
{
    switch (action) {
    case MacOSUI::EditAction::Copy: return QKeySequence::Copy;
    case MacOSUI::EditAction::Paste: return QKeySequence::Paste;
    case MacOSUI::EditAction::SelectAll: return QKeySequence::SelectAll;
    }
    return QKeySequence::UnknownKey;
}

bool invokeSlot(QWidget* widget, const char* signature)
{
    const QMetaObject* meta = widget->metaObject();
    const int index = meta->indexOfMethod(signature);
    if (index < 0)
        return false;
    const QMetaMethod method = meta->method(index);
    if (method.access() != QMetaMethod::Public || method.methodType() == QMetaMethod::Signal)
        return false;
    return method.invoke(widget, Qt::DirectConnection);
}

bool triggerBoundAction(QWidget* widget, QKeySequence::StandardKey key)
{
    if (!widget)
        return false;
    const QList<QKeySequence> bindings = QKeySequence::keyBindings(key);
    const QList<QAction*> actions = widget->actions();
    for (QAction* action : actions) {
        if (!action->isEnabled())
            continue;
        const QList<QKeySequence> shortcuts = action->shortcuts();
        for (const QKeySequence& binding : bindings) {
            if (shortcuts.contains(binding)) {
                action->trigger();
                return true;
            }
        }
    }
    return false;
}

// Set while an action travels, so that a responder which calls back into
// the edit actions (a menu action added to a chain widget) cannot loop.
bool dispatching = false;

} // namespace

void MacOSUI::SetUpWindowTitleBar(QWidget* widget, bool keepCollectionBehaviour)
{
    Q_UNUSED(widget);
    Q_UNUSED(keepCollectionBehaviour);
}

bool MacOSUI::copy()
{
    return sendEditAction(EditAction::Copy, QApplication::focusWidget());
}

bool MacOSUI::paste()
{
    return sendEditAction(EditAction::Paste, QApplication::focusWidget());
}

bool MacOSUI::selectAll()
{
    return sendEditAction(EditAction::SelectAll, QApplication::focusWidget());
}

bool MacOSUI::sendEditAction(EditAction action, QWidget* first)
{
    for (QWidget* widget = first; widget; widget = widget->parentWidget()) {
        if (sendEditActionTo(action, widget))
            return true;
        if (widget->isWindow())
            break;
    }
    return false;
}

bool MacOSUI::sendEditActionTo(EditAction action, QWidget* widget)
{
    if (!widget || dispatching)
        return false;
    dispatching = true;
    // Their line edit is a private child that never holds the focus itself.
    QWidget* target = widget;
    if (qobject_cast<QAbstractSpinBox*>(widget) || qobject_cast<QComboBox*>(widget)) {
        if (auto* edit = widget->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly))
            target = edit;
    }
    const bool taken = invokeSlot(target, slotSignature(action)) || triggerBoundAction(widget, standardKey(action));
    dispatching = false;
    return taken;
}

bool MacOSUI::triggerBoundEditAction(EditAction action, QWidget* widget)
{
    if (dispatching)
        return false;
    dispatching = true;
    const bool taken = triggerBoundAction(widget, standardKey(action));
    dispatching = false;
    return taken;
}

void MacOSUI::about()
{
    static QPointer<QMessageBox> box;
    if (!box) {
        const QString name = QGuiApplication::applicationDisplayName();
        box = new QMessageBox(QApplication::activeWindow());
        box->setObjectName(QStringLiteral("MacOSUIAboutBox"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowTitle(tr("About %1").arg(name));
        box->setTextFormat(Qt::RichText);
        box->setText(QStringLiteral("<h3>%1</h3><p>%2</p>")
                         .arg(name.toHtmlEscaped(),
                              tr("Version %1").arg(QCoreApplication::applicationVersion()).toHtmlEscaped()));
        const QIcon icon = QApplication::windowIcon();
        if (!icon.isNull())
            box->setIconPixmap(icon.pixmap(64, 64));
        box->setStandardButtons(QMessageBox::Ok);
        box->setModal(false);
    }
    box->show();
    box->raise();
    box->activateWindow();
}
