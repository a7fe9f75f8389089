#pragma once

#include "appframe/AbstractAppliance.h"

#include <QMessageBox>
#include <QObject>
#include <QString>

class QWidget;

// Base of every mode's steps, the canvas steps and the photo lists alike:
// an appliance that is a QObject, with the way a step talks to the user
// after a run. GUI thread only.
class ModeAppliance : public QObject, public PlugGui::AbstractAppliance
{
    Q_OBJECT

public:
    explicit ModeAppliance(QObject* parent = nullptr);

    // How long the message about a finished run waits: by then the busy
    // dialog the run was under has gone, so the box neither opens under it
    // nor reads as part of it.
    static constexpr int messageDelayMsecs = 100;

    // A box titled with the application's name, messageDelayMsecs from now,
    // over the container the step is attached to then (none when detached).
    // Nothing is shown when the step has gone by then.
    void reportLater(QMessageBox::Icon icon, const QString& text);

protected:
    // The parent of the step's dialogs and boxes: the attached container,
    // or null.
    QWidget* dialogParent() const;
};
