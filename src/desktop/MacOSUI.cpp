#include "desktop/MacOSUI.h"

#include "desktop/SupportContact.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeySequence>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaMethod>
#include <QNativeGestureEvent>
#include <QPointer>
#include <QUrlQuery>

#include <cmath>

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

double unitComponent(double value)
{
    if (std::isnan(value))
        return 0.0;
    return qBound(0.0, value, 1.0);
}

void openContainingFolder(const QString& absolutePath)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(absolutePath).absolutePath()));
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

void MacOSUI::setTitleBarColor(QWidget* widget, double red, double green, double blue)
{
    if (!widget)
        return;
    QWidget* window = widget->window();
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window,
                     QColor::fromRgbF(float(unitComponent(red)), float(unitComponent(green)), float(unitComponent(blue))));
    window->setPalette(palette);
}

void MacOSUI::setWindowRepresentTitle(QWidget* widget, const QString& filePath, const QString& title)
{
    if (!widget)
        return;
    QWidget* window = widget->window();
    window->setWindowFilePath(filePath.isEmpty() ? QString() : QFileInfo(filePath).absoluteFilePath());
    if (!title.isEmpty())
        window->setWindowTitle(title);
}

void MacOSUI::revealInFinder(const QString& filePath)
{
    if (filePath.isEmpty())
        return;
    const QString absolute = QFileInfo(filePath).absoluteFilePath();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        openContainingFolder(absolute);
        return;
    }
    QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    message << QStringList{QUrl::fromLocalFile(absolute).toString(QUrl::FullyEncoded)} << QString();
    // Asynchronous: a file manager that the bus has to start first must not
    // freeze the window meanwhile.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(message), QCoreApplication::instance());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, [absolute](QDBusPendingCallWatcher* call) {
        if (call->isError())
            openContainingFolder(absolute);
        call->deleteLater();
    });
}

void MacOSUI::BringWindowToFront(QWidget* widget)
{
    if (!widget)
        return;
    QWidget* window = widget->window();
    window->showNormal();
    window->activateWindow();
    window->raise();
}

QString MacOSUI::helpMailBody()
{
    return QStringList{QStringLiteral("Hello,"), QStringLiteral("Thanks for choosing our products."),
                       QStringLiteral("If you have any question or problem, we will try our best to help you.")}
        .join(QStringLiteral("\r\n"));
}

QUrl MacOSUI::helpMailUrl()
{
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(QString::fromLatin1(SupportContact::mailAddress));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), QStringLiteral("Help"));
    query.addQueryItem(QStringLiteral("body"), helpMailBody());
    url.setQuery(query);
    return url;
}

bool MacOSUI::help()
{
    return QDesktopServices::openUrl(helpMailUrl());
}

NativeGestureInfo MacOSUI::analysisNativeGestureEvent(const QEvent* event)
{
    NativeGestureInfo info;
    if (!event || event->type() != QEvent::NativeGesture)
        return info;
    const auto* gesture = static_cast<const QNativeGestureEvent*>(event);
    switch (gesture->gestureType()) {
    case Qt::ZoomNativeGesture:
        info.kind = 30;
        info.magnification = float(gesture->value());
        break;
    case Qt::SwipeNativeGesture:
        info.kind = 31;
        info.deltaX = float(gesture->delta().x());
        info.deltaY = float(gesture->delta().y());
        break;
    case Qt::SmartZoomNativeGesture:
        info.kind = 32;
        break;
    default:
        break;
    }
    return info;
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
