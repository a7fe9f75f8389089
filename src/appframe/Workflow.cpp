#include "appframe/Workflow.h"

#include "appframe/AbstractAppliance.h"
#include "appframe/AbstractScene.h"
#include "appframe/App.h"
#include "appframe/Container.h"
#include "appframe/Settings.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>

Workflow* App::workflow = nullptr;

Workflow::Workflow(PlugGui::Container* container, QObject* parent, const Creators& creators)
    : QObject(parent)
    , m_container(container)
    , m_creators(creators)
{
    App::workflow = this;

    const QString project = startProject(Settings::defaultSettings()->commandlineUrls());
    if (!project.isEmpty() && loadCanvas_A(project))
        return;
    pushHome();
}

QString Workflow::startProject(const QStringList& commandlineUrls)
{
    if (commandlineUrls.size() == 1 && App::validateCollageUrl(commandlineUrls.first()))
        return commandlineUrls.first();
    return QString();
}

Workflow::~Workflow()
{
    while (!m_stack.isEmpty()) {
        qWarning("Workflow::~Workflow: not empty stack. dropping all");
        popNode(false);
    }
    if (App::workflow == this)
        App::workflow = nullptr;
    m_container = nullptr;
}

void Workflow::scheduleCommand(const Workflow::Command& command)
{
    if (!m_queueTimer) {
        m_queueTimer = new QTimer(this);
        m_queueTimer->setSingleShot(true);
        connect(m_queueTimer, &QTimer::timeout, this, &Workflow::slotProcessQueue);
    }
    m_queue.append(command);
    m_queueTimer->start(0);
}

void Workflow::slotProcessQueue()
{
    if (m_processing) {
        qWarning("Workflow::slotProcessQueue: nesting detected -FIXME-");
        return;
    }
    if (m_exiting) {
        // requestExit() starts the queue again when the user stays.
        return;
    }
    m_processing = true;
    while (!m_queue.isEmpty()) {
        const Command command = m_queue.takeFirst();
        if (!processCommand(command))
            m_queue.clear();
    }
    m_processing = false;

    if (m_closeDeferred) {
        m_closeDeferred = false;
        if (m_container)
            QMetaObject::invokeMethod(m_container.data(), "close", Qt::QueuedConnection);
    }
}

bool Workflow::processCommand(const Workflow::Command& command)
{
    switch (command.type) {
    case CloseDownTo:
        return closeDownTo(command.param.toInt());
    case OpenCollage:
    case OpenZorivuv:
    case OpenZorivuvTiles:
    case OpenPanorama:
        return createAndPush(command);
    case OpenZorivuvResult:
    case OpenPanoramaRetouch: {
        // Exactly the stored type: a QImage converts to a QPixmap and back,
        // and would make the wrong step out of the wrong result.
        const int wanted = command.type == OpenZorivuvResult ? QMetaType::QPixmap : QMetaType::QImage;
        if (command.param.typeId() != wanted) {
            qWarning("Workflow::processCommand: command %d needs a %s, not '%s'", command.type,
                QMetaType(wanted).name(), command.param.typeName() ? command.param.typeName() : "null");
            return false;
        }
        return createAndPush(command);
    }
    default:
        return false;
    }
}

bool Workflow::closeDownTo(int level)
{
    if (level <= 0)
        level = 1;
    while (m_stack.size() > level) {
        const Node top = m_stack.last();
        if (top.home)
            return true;
        bool save = false;
        if (top.appliance->appliancePendingChanges()) {
            const QMessageBox::StandardButton answer = QMessageBox::question(m_container, tr("Closing File"),
                tr("Do you want to save your changes?"),
                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
            if (answer == QMessageBox::Cancel)
                return false;
            // The question ran an event loop; close only what was asked about.
            if (m_stack.isEmpty() || m_stack.last().appliance != top.appliance)
                continue;
            save = answer == QMessageBox::Save;
        }
        if (!popNode(save))
            return false;
    }
    return true;
}

bool Workflow::createAndPush(const Workflow::Command& command)
{
    const auto creator = m_creators.commands.find(command.type);
    if (creator == m_creators.commands.end() || !creator->second) {
        qWarning("Workflow::processCommand: no appliance is known for command %d", command.type);
        return false;
    }
    CreateRequest request;
    request.param = command.param;
    if (m_container) {
        request.dpiX = m_container->physicalDpiX();
        request.dpiY = m_container->physicalDpiY();
    }
    request.canvasParent = this;
    PlugGui::AbstractAppliance* appliance = creator->second(request);
    if (!appliance) {
        qWarning("Workflow::processCommand: command %d made no appliance", command.type);
        return false;
    }
    pushNode(Node {appliance, false});
    return true;
}

void Workflow::pushHome()
{
    PlugGui::AbstractAppliance* home = m_creators.home ? m_creators.home() : nullptr;
    if (!home) {
        qWarning("Workflow::Workflow: no home appliance to start on");
        return;
    }
    pushNode(Node {home, true});
}

void Workflow::pushNode(const Workflow::Node& node)
{
    if (!node.appliance)
        return;
    if (!m_stack.isEmpty() && m_container)
        m_stack.last().appliance->removeFromApplianceContainer();
    m_stack.append(node);
    if (m_container)
        node.appliance->addToApplianceContainer(m_container);
}

bool Workflow::popNode(bool save)
{
    if (m_stack.isEmpty())
        return true;
    PlugGui::AbstractAppliance* appliance = m_stack.last().appliance;
    if (save && appliance->appliancePendingChanges() && !appliance->applianceSave(QString()))
        return false;

    if (AbstractScene* scene = appliance->takeScene())
        delete scene;
    else
        qWarning("Workflow::popNode: pop of appliance '%s' not handled", qPrintable(appliance->applianceName()));
    if (m_container)
        appliance->removeFromApplianceContainer();
    // Off the stack before it dies, so nothing its destructor reaches sees it.
    m_stack.removeLast();
    delete appliance;
    if (m_container && !m_stack.isEmpty())
        m_stack.last().appliance->addToApplianceContainer(m_container);
    return true;
}

void Workflow::startCanvas()
{
    scheduleCommand({CloseDownTo, QVariant()});
    scheduleCommand({OpenCollage, QVariant()});
}

void Workflow::startZorivuv()
{
    scheduleCommand({CloseDownTo, QVariant()});
    scheduleCommand({OpenZorivuv, QVariant()});
}

void Workflow::startPanorama(const QStringList& photos)
{
    scheduleCommand({CloseDownTo, QVariant()});
    scheduleCommand({OpenPanorama, photos.isEmpty() ? QVariant() : QVariant(photos)});
}

bool Workflow::loadCanvas_A(const QString& path)
{
    QString file = path;
    if (file.isEmpty() && m_creators.askProjectFile)
        file = m_creators.askProjectFile();
    if (file.isEmpty())
        return false;
    // A file that cannot be opened must not cost the work open now a
    // question about it, or the work itself.
    if (m_creators.checkProjectFile && !m_creators.checkProjectFile(file))
        return false;
    scheduleCommand({CloseDownTo, QVariant()});
    scheduleCommand({OpenCollage, file});
    return true;
}

void Workflow::popCurrentAppliance()
{
    if (!m_stack.isEmpty())
        scheduleCommand({CloseDownTo, int(m_stack.size() - 1)});
}

void Workflow::slotNodeClicked(uint level)
{
    scheduleCommand({CloseDownTo, level});
}

bool Workflow::anyPendingChanges() const
{
    for (const Node& node : m_stack) {
        if (node.appliance->appliancePendingChanges())
            return true;
    }
    return false;
}

bool Workflow::requestExit()
{
    if (m_processing || m_exiting) {
        // The running command or quit still walks the stack; closing nodes
        // under it would delete what it holds. A running quit closes the
        // window itself; after a command the close is asked again.
        qWarning("Workflow::requestExit: busy, the close waits for the current command");
        if (m_processing)
            m_closeDeferred = true;
        return false;
    }

    m_exiting = true;
    const bool done = confirmAndCloseAll();
    m_exiting = false;

    if (done)
        m_queue.clear();
    else if (!m_queue.isEmpty() && m_queueTimer)
        m_queueTimer->start(0);
    return done;
}

bool Workflow::confirmAndCloseAll()
{
    bool save = false;
    // Pending changes are asked about on a lone node too (a project opened
    // from the command line), or quitting would drop them silently.
    if (anyPendingChanges()) {
        const QMessageBox::StandardButton answer = QMessageBox::question(m_container, tr("Quit"),
            tr("Are you sure you want to quit and lose your changes?"),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        if (answer == QMessageBox::Cancel)
            return false;
        save = answer == QMessageBox::Save;
    } else if (m_stack.size() >= 2) {
        const QMessageBox::StandardButton answer = QMessageBox::question(m_container, tr("Quit"),
            tr("Are you sure you want to quit?"), QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer != QMessageBox::Yes)
            return false;
    }
    while (!m_stack.isEmpty()) {
        if (!popNode(save))
            return false;
    }
    return true;
}

QString Workflow::applianceName() const
{
    if (m_stack.isEmpty())
        return QGuiApplication::applicationDisplayName();
    return m_stack.last().appliance->applianceName();
}

bool Workflow::applianceCommand(int command)
{
    if (!m_stack.isEmpty())
        m_stack.last().appliance->applianceCommand(command);
    return false;
}

PlugGui::AbstractAppliance* Workflow::currentAppliance() const
{
    return m_stack.isEmpty() ? nullptr : m_stack.last().appliance;
}
