#include "home/HomeAppliance.h"

#include "appframe/App.h"
#include "appframe/SceneView.h"
#include "appframe/Workflow.h"
#include "home/HomeScene.h"

#include <QHBoxLayout>
#include <QUrl>

HomeAppliance::HomeAppliance(QObject* parent)
    : QObject(parent)
{
    initScene();
}

HomeAppliance::~HomeAppliance()
{
    delete m_scene;
    delete m_view;
    delete m_sceneWidget;
}

void HomeAppliance::initScene()
{
    m_sceneWidget = new QWidget;
    m_sceneWidget->setObjectName(QStringLiteral("HomeAppliance"));
    auto* layout = new QHBoxLayout(m_sceneWidget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_view = new SceneView;
    layout->addWidget(m_view);

    m_scene = new HomeScene;
    m_view->setScene(m_scene);
    m_view->setDrawTileShadow(false);

    connect(m_scene, &HomeScene::startCanvas, this, &HomeAppliance::slotStartCollage);
    connect(m_scene, &HomeScene::startZorivuv, this, &HomeAppliance::slotStartZorivuv);
    connect(m_scene, &HomeScene::startPanorama, this, &HomeAppliance::slotStartPanorama);

    sceneSet(m_sceneWidget, m_view, m_scene);
}

QString HomeAppliance::applianceName() const
{
    return tr("Home");
}

void HomeAppliance::slotLoadCanvas(const QUrl& url)
{
    // A local file is opened by its path, not by its "file:" address.
    const QString text = url.isLocalFile() ? url.toLocalFile() : url.toString();
    if (!App::isCollageFile(text)) {
        qWarning("HomeAppliance::slotLoadCanvas: don't know how to load URL '%s'", qPrintable(text));
        return;
    }
    if (App::workflow)
        App::workflow->loadCanvas_A(text);
}

void HomeAppliance::slotOpenFile()
{
    if (App::workflow)
        App::workflow->loadCanvas_A(QString());
}

void HomeAppliance::slotStartCollage()
{
    if (App::workflow)
        App::workflow->startCanvas();
}

void HomeAppliance::slotStartZorivuv()
{
    if (App::workflow)
        App::workflow->startZorivuv();
}

void HomeAppliance::slotStartPanorama()
{
    if (App::workflow)
        App::workflow->startPanorama();
}
