#include "appframe/AbstractAppliance.h"

#include "appframe/Container.h"

#include <QDebug>

namespace PlugGui {

AbstractAppliance::AbstractAppliance() = default;

AbstractAppliance::~AbstractAppliance()
{
    const qsizetype alive = livingWidgets(m_topbarWidgets).size();
    if (alive)
        qWarning("AbstractAppliance::~AbstractAppliance: some pointers (%d) not destroyed", int(alive));
}

bool AbstractAppliance::applianceCommand(int command)
{
    qWarning("AbstractAppliance::applianceCommand: current appliance '%s' doesn't handle command %d",
        qPrintable(applianceName()), command);
    return false;
}

bool AbstractAppliance::appliancePendingChanges() const
{
    return false;
}

bool AbstractAppliance::applianceSave(const QString& filePath)
{
    qWarning("AbstractAppliance::applianceSaveAs: saving not implemented for %s to '%s'",
        qPrintable(applianceName()), qPrintable(filePath));
    return true;
}

bool AbstractAppliance::applicanceSaveImage()
{
    return true;
}

AbstractScene* AbstractAppliance::takeScene()
{
    return nullptr;
}

void AbstractAppliance::windowTitleSet(const QString& title)
{
    m_windowTitle = title;
    if (m_container)
        m_container->applianceSetTitle(title);
}

void AbstractAppliance::windowTitleClear()
{
    windowTitleSet(QString());
}

void AbstractAppliance::sceneSet(QWidget* widget, QGraphicsView*, AbstractScene*)
{
    m_sceneWidget = widget;
    if (m_container)
        m_container->applianceAttachSceneWidget(widget);
}

void AbstractAppliance::sceneClear()
{
}

void AbstractAppliance::topbarAddWidget(QWidget* widget, bool rightSide, int index)
{
    if (!widget)
        return;
    widget->setProperty("@rightBar", rightSide);
    insertWidget(m_topbarWidgets, widget, index);
    refreshTopbar();
}

void AbstractAppliance::rightbarAddWidget(QWidget* widget, int index)
{
    if (!widget)
        return;
    insertWidget(m_rightbarWidgets, widget, index);
    refreshRightbar();
}

void AbstractAppliance::bottomBarAddWidget(QWidget* widget, int index)
{
    if (!widget)
        return;
    insertWidget(m_bottombarWidgets, widget, index);
    refreshBottombar();
}

void AbstractAppliance::topbarRemoveWidget(QWidget* widget)
{
    if (removeWidget(m_topbarWidgets, widget))
        refreshTopbar();
}

void AbstractAppliance::bottombarRemoveWidget(QWidget* widget)
{
    if (removeWidget(m_bottombarWidgets, widget))
        refreshBottombar();
}

void AbstractAppliance::containerValueSet(unsigned int key, const QVariant& value)
{
    if (value.isValid())
        m_containerValues.insert(key, value);
    else
        m_containerValues.remove(key);
    if (m_container)
        m_container->applianceSetValue(key, value);
}

bool AbstractAppliance::addToApplianceContainer(Container* container)
{
    if (m_container) {
        qWarning("AbstractAppliance::addToContainer: removing from previous container");
        removeFromApplianceContainer();
    }
    m_container = container;
    if (!container)
        return true;

    container->applianceSetTitle(m_windowTitle);
    container->applianceAttachSceneWidget(m_sceneWidget);
    refreshTopbar();
    refreshRightbar();
    refreshBottombar();
    for (auto it = m_containerValues.cbegin(); it != m_containerValues.cend(); ++it) {
        // A container call may have ended the container's life.
        if (!m_container)
            break;
        m_container->applianceSetValue(it.key(), it.value());
    }
    return true;
}

void AbstractAppliance::removeFromApplianceContainer()
{
    if (!m_container) {
        qWarning("AbstractAppliance::removeFromContainer: not on container");
        return;
    }
    m_container->applianceSetTitle(QString());
    if (m_container)
        m_container->applianceDetachSceneWidget(m_sceneWidget);
    // The right and bottom bars keep their widgets until the next appliance
    // sets its own.
    if (m_container)
        m_container->applianceSetTopbar(QList<QWidget*>());
    for (auto it = m_containerValues.cbegin(); it != m_containerValues.cend() && m_container; ++it)
        m_container->applianceSetValue(it.key(), QVariant());
    m_container = nullptr;
}

Container* AbstractAppliance::applianceContainer() const
{
    return m_container;
}

void AbstractAppliance::insertWidget(WidgetList& list, QWidget* widget, int index)
{
    if (index >= 0 && index < list.size())
        list.insert(index, widget);
    else
        list.append(widget);
}

bool AbstractAppliance::removeWidget(WidgetList& list, QWidget* widget)
{
    return list.removeIf([widget](const QPointer<QWidget>& entry) {
        return entry.isNull() || entry.data() == widget;
    }) > 0;
}

QList<QWidget*> AbstractAppliance::livingWidgets(const WidgetList& list)
{
    QList<QWidget*> widgets;
    for (const QPointer<QWidget>& entry : list) {
        if (entry)
            widgets.append(entry.data());
    }
    return widgets;
}

void AbstractAppliance::refreshTopbar()
{
    if (m_container)
        m_container->applianceSetTopbar(livingWidgets(m_topbarWidgets));
}

void AbstractAppliance::refreshRightbar()
{
    if (m_container)
        m_container->applianceSetRightbar(livingWidgets(m_rightbarWidgets));
}

void AbstractAppliance::refreshBottombar()
{
    if (m_container)
        m_container->applianceSetBottombar(livingWidgets(m_bottombarWidgets));
}

} // namespace PlugGui
