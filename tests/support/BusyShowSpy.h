#pragma once

// Notes every busy dialog that is shown, however briefly: a quick refusal
// can open and close it between two polls of a loaded machine.

#include "widgets/QWaitingDialog.h"

#include <QApplication>
#include <QEvent>

class BusyShowSpy : public QObject
{
public:
    bool opened = false;
    BusyShowSpy() { qApp->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<QWaitingDialog*>(watched))
            opened = true;
        return false;
    }
};
