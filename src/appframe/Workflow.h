#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <map>

class QTimer;
class Workflow;

namespace PlugGui {
class AbstractAppliance;
class Container;
} // namespace PlugGui

namespace App {
// The one workflow, through which appliances schedule commands. Set by the
// workflow's constructor and cleared by its destructor.
extern Workflow* workflow;
} // namespace App

// The driver of the program: a stack of appliances, the top one attached to
// the container (the main window), changed only by commands queued with
// scheduleCommand() and run from a 0 ms single-shot timer in the GUI thread.
//
// The workflow owns every appliance from its push until popNode() deletes
// it, and the canvas made for it: a creator makes the canvas with the
// workflow as parent, and popNode() takes it back with
// AbstractAppliance::takeScene() and deletes it before the appliance. The
// workflow knows no concrete appliance: the layers above hand it one creator
// per command type and one for the home appliance.
//
// GUI thread only. A modal question asked by a command runs a nested event
// loop; commands scheduled meanwhile run right after the current one, and a
// close request arriving meanwhile is refused and retried afterwards.
class Workflow : public QObject
{
    Q_OBJECT

public:
    enum CommandType {
        // param: int level (null counts as 0); closes nodes down to that
        // level, never below 1 and never the home appliance.
        CloseDownTo = 0,
        // param: QString path of a ".pmp2" project to read, or null.
        OpenCollage = 1,
        // Montage step 1, background photo, on a new canvas.
        OpenZorivuv = 2,
        // Montage step 2, tile photos; no canvas.
        OpenZorivuvTiles = 3,
        // param: exactly a QPixmap, the montage; step 3 on a new canvas.
        OpenZorivuvResult = 4,
        // Panorama photo list; no canvas.
        OpenPanorama = 5,
        // param: exactly a QImage, the stitched panorama; on a new canvas.
        OpenPanoramaRetouch = 6,
    };

    struct Command
    {
        int type = CloseDownTo;
        QVariant param;
    };

    struct Node
    {
        PlugGui::AbstractAppliance* appliance = nullptr;
        // The home appliance, which CloseDownTo never closes.
        bool home = false;
    };

    // What a creator is given. A creator that makes a canvas makes it with
    // this resolution and parent, and hands it out again from the appliance's
    // takeScene().
    struct CreateRequest
    {
        QVariant param;
        int dpiX = 72;
        int dpiY = 72;
        QObject* canvasParent = nullptr;
    };
    // Returns a new appliance without parent (the workflow takes ownership),
    // or null when it cannot make one.
    using Creator = std::function<PlugGui::AbstractAppliance*(const CreateRequest&)>;

    struct Creators
    {
        std::function<PlugGui::AbstractAppliance*()> home;
        // Asks the user for a project file to open; empty when cancelled.
        std::function<QString()> askProjectFile;
        // Reads a project file before anything is closed for it: false,
        // once the user has been told why, when it cannot be opened.
        // Without it every path is taken as readable.
        std::function<bool(const QString&)> checkProjectFile;
        // By command type, OpenCollage to OpenPanoramaRetouch.
        std::map<int, Creator> commands;
    };

    // Registers itself as App::workflow and starts: on the collage appliance
    // alone when the command line named exactly one existing project file
    // that can be opened, otherwise on the home appliance, pushed at once.
    // The container is not owned and may be null.
    Workflow(PlugGui::Container* container, QObject* parent, const Creators& creators = Creators());
    ~Workflow() override;

    void scheduleCommand(const Workflow::Command& command);
    // Runs one command now; false stops the queue.
    bool processCommand(const Workflow::Command& command);

    // Takes ownership of the node's appliance and attaches it.
    void pushNode(const Workflow::Node& node);
    // Closes the top node, saving it first when `save` and it has pending
    // changes. False, with nothing changed, when that save fails.
    bool popNode(bool save);

    void startCanvas();
    void startZorivuv();
    // Over the home level; `photos` (may be empty) are listed and selected.
    void startPanorama(const QStringList& photos = QStringList());
    // With an empty path asks for a project file first. Queues opening it
    // over the home level; false (nothing queued, nothing asked about the
    // work open now) when there is no path or the file cannot be opened.
    bool loadCanvas_A(const QString& path);
    // Closes the top appliance only; never the bottom one.
    void popCurrentAppliance();

    // Asked by the main window when it is to close: asks the user when
    // something would be lost, then closes every node, top first. False
    // keeps the program running.
    bool requestExit();

    QString applianceName() const;
    // Passes the command on to the top appliance; the answer is not kept.
    bool applianceCommand(int command);

    // The project to start on for these command-line entries: the only entry
    // when it is an existing local project file, else empty. A remote
    // address cannot be read and would only leave the user on an empty
    // collage with no way home.
    static QString startProject(const QStringList& commandlineUrls);

    int nodeCount() const { return int(m_stack.size()); }
    PlugGui::AbstractAppliance* currentAppliance() const;

public slots:
    void slotNodeClicked(uint level);
    void slotProcessQueue();

private:
    bool closeDownTo(int level);
    bool createAndPush(const Workflow::Command& command);
    void pushHome();
    bool anyPendingChanges() const;
    // The quit itself: the question, then every node closed, top first.
    bool confirmAndCloseAll();

    QPointer<PlugGui::Container> m_container;
    QTimer* m_queueTimer = nullptr;
    QList<Command> m_queue;
    bool m_processing = false;
    QList<Node> m_stack;
    Creators m_creators;
    // requestExit() is walking the stack.
    bool m_exiting = false;
    // A close was refused while the queue ran; ask for it again afterwards.
    bool m_closeDeferred = false;
};
