#pragma once

#include "appframe/AbstractAppliance.h"

#include <QObject>
#include <QPointer>

class AbstractScene;
class QPushButton;

// Stands in for a mode that is not built yet: says so, and offers to close
// it. Holds the canvas the workflow made for the mode, so that the workflow's
// canvas bookkeeping runs exactly as it will for the real appliance.
class PlaceholderAppliance : public QObject, public PlugGui::AbstractAppliance
{
    Q_OBJECT

public:
    // `name` is the mode's translated name. `scene` may be null; it is not
    // owned and goes back through takeScene().
    PlaceholderAppliance(const QString& name, AbstractScene* scene, QObject* parent = nullptr);
    ~PlaceholderAppliance() override;

    QString applianceName() const override;
    AbstractScene* takeScene() override;

    QPushButton* closeButton() const { return m_closeButton; }

private slots:
    // Back to the node below; the only node closes the window instead.
    void slotClose();

private:
    QString m_name;
    QPointer<AbstractScene> m_scene;
    QWidget* m_widget;
    QPushButton* m_closeButton;
};
