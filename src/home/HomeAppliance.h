#pragma once

#include "appframe/AbstractAppliance.h"

#include <QObject>

class HomeScene;
class QUrl;
class SceneView;

// The home screen, at the bottom of the workflow's stack: the home scene in a
// scene view, no bars. A tile's click starts its mode through App::workflow.
// Owns its scene, view and scene widget. GUI thread only.
class HomeAppliance : public QObject, public PlugGui::AbstractAppliance
{
    Q_OBJECT

public:
    explicit HomeAppliance(QObject* parent = nullptr);
    ~HomeAppliance() override;

    // tr("Home").
    QString applianceName() const override;

    SceneView* view() const { return m_view; }
    HomeScene* scene() const { return m_scene; }

public slots:
    // Opens a project file; any other address is only logged.
    void slotLoadCanvas(const QUrl& url);
    // Asks for a project file and opens it.
    void slotOpenFile();
    void slotStartCollage();
    void slotStartZorivuv();
    void slotStartPanorama();

private:
    void initScene();

    QWidget* m_sceneWidget = nullptr;
    SceneView* m_view = nullptr;
    HomeScene* m_scene = nullptr;
};
