#include "appliances/PlaceholderAppliance.h"

#include "appframe/AbstractScene.h"
#include "appframe/Container.h"
#include "appframe/Workflow.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PlaceholderAppliance::PlaceholderAppliance(const QString& name, AbstractScene* scene, QObject* parent)
    : QObject(parent)
    , m_name(name)
    , m_scene(scene)
    , m_widget(new QWidget)
    , m_closeButton(new QPushButton(tr("Close"), m_widget))
{
    m_widget->setObjectName(QStringLiteral("PlaceholderAppliance"));
    auto* message = new QLabel(tr("%1 is not available in this version yet.").arg(name), m_widget);
    message->setObjectName(QStringLiteral("placeholderMessage"));
    message->setAlignment(Qt::AlignCenter);
    m_closeButton->setObjectName(QStringLiteral("placeholderClose"));

    auto* layout = new QVBoxLayout(m_widget);
    layout->addStretch(1);
    layout->addWidget(message);
    layout->addWidget(m_closeButton, 0, Qt::AlignHCenter);
    layout->addStretch(1);
    connect(m_closeButton, &QPushButton::clicked, this, &PlaceholderAppliance::slotClose);

    windowTitleSet(name);
    sceneSet(m_widget, nullptr, scene);
}

PlaceholderAppliance::~PlaceholderAppliance()
{
    delete m_widget;
}

QString PlaceholderAppliance::applianceName() const
{
    return m_name;
}

AbstractScene* PlaceholderAppliance::takeScene()
{
    AbstractScene* scene = m_scene;
    m_scene = nullptr;
    return scene;
}

void PlaceholderAppliance::slotClose()
{
    Workflow* workflow = App::workflow;
    if (workflow && workflow->nodeCount() > 1)
        workflow->popCurrentAppliance();
    else if (PlugGui::Container* container = applianceContainer())
        container->close();
}
