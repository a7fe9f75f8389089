#include "modebase/ModeAppliance.h"

#include "appframe/Container.h"
#include "appframe/ModalPrompts.h"

#include <QGuiApplication>
#include <QTimer>

ModeAppliance::ModeAppliance(QObject* parent)
    : QObject(parent)
{
}

QWidget* ModeAppliance::dialogParent() const
{
    return applianceContainer();
}

void ModeAppliance::reportLater(QMessageBox::Icon icon, const QString& text)
{
    // The container is looked up when the box opens: the step may have
    // been attached or detached meanwhile.
    QTimer::singleShot(messageDelayMsecs, this, [this, icon, text] {
        ModalPrompts::message(icon, dialogParent(), QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok);
    });
}
