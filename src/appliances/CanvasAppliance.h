#pragma once

#include "appframe/AbstractAppliance.h"
#include "appliances/PrintInfo.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <functional>

class AbstractScene;
class Canvas;
class FloatingWidgetContainer;
class QThread;
class SceneView;
class ZoomIndicatorOverlayProxy;

// Base of every appliance that shows a Canvas (collage, montage background
// and result, panorama retouch). It builds the scene area (a container
// holding a SceneView of the canvas, with a zoom read-out over it) and the
// operations they share: add pictures, add a text, print, pick a background
// picture, save the canvas as an image.
//
// The canvas is not owned: the workflow made it and takes it back with
// takeCanvas() (or takeScene()) before deleting the appliance. The scene
// container (and with it the view) and the zoom indicator are the
// appliance's and go with it.
//
// Every dialog and message box these operations open with a parent uses the
// container the appliance is attached to, or none when it is not attached.
// Boxes go through ModalPrompts, so a test can answer them. GUI thread only.
class CanvasAppliance : public QObject, public PlugGui::AbstractAppliance
{
    Q_OBJECT

public:
    CanvasAppliance(Canvas* canvas, QObject* parent = nullptr);
    // Warns when the canvas was not taken back first; never deletes it.
    ~CanvasAppliance() override;

    // Gives the canvas up: every connection from the canvas to this
    // appliance goes, the view shows nothing, and the caller owns the
    // result. Null when none is held (a second call).
    Canvas* takeCanvas();
    AbstractScene* takeScene() override;

    // Detaches from the container and hides the zoom read-out.
    void removeFromApplianceContainer();

    // Handles nothing and says nothing.
    bool applianceCommand(int command) override;
    // The canvas's pending changes; false without a canvas.
    bool appliancePendingChanges() const override;

    Canvas* canvas() const { return m_canvas; }
    SceneView* sceneView() const { return m_sceneView; }
    FloatingWidgetContainer* sceneContainer() const { return m_sceneContainer; }
    ZoomIndicatorOverlayProxy* zoomIndicator() const { return m_zoomIndicator; }

    // The print choices, shared by every canvas appliance for the life of
    // the process: each print starts where the previous one ended.
    static PrintInfo s_PrintInfo;

    // How long the zoom read-out stays after a change of the view's zoom.
    static constexpr int zoomIndicatorMsecs = 600;
    // New pictures of one choice are laid out diagonally this far apart.
    static constexpr int pictureStep = 30;

public slots:
    // Asks for pictures and adds those that load near the visible centre,
    // 30 px apart along the diagonal in the order chosen; an unreadable one
    // is skipped and leaves its place empty, and a "Pictures not added" box
    // then names each such file with the reader's reason.
    void slotAddPicture();
    void slotAddText();
    // Renders the canvas and runs the print dialog on it.
    void slotPrint();

protected:
    // Builds the scene area around `canvas`. Called by the constructor.
    void configureScene(Canvas* canvas);
    void setFocusToScene();

    // Asks for one picture, loads it on a worker and hands it to `onLoaded`
    // (index 0, path, image) before returning. A picture that cannot be read
    // is reported in an "Error" box and not handed on.
    void selectBackContent(std::function<void(int, const QString&, const QImage&)> onLoaded);

    // Asks for a file name and writes the rendered canvas there as an image.
    // True only when the image was written; false when cancelled, when the
    // render failed ("Not enough memory.") or when the write failed ("Error"
    // box), an existing file then being left as it was.
    bool saveCanvas();
    // As saveCanvas(), but while the canvas holds only its back picture that
    // picture's own pixels are written at its full size.
    bool saveCanvas2();

    // The dialog parent: the attached container, or null.
    QWidget* dialogParent() const;

    // The canvas rendered for output at the scene's size (each side
    // truncated), without editing aids. Null when it cannot be allocated.
    QImage renderForOutput() const;

    // Runs `worker` (made with new, no parent, signals already connected)
    // under the modal busy dialog and returns when it has finished and its
    // queued results were handled. The worker deletes itself later.
    void runWorker(QThread* worker);

    Canvas* m_canvas = nullptr;
    FloatingWidgetContainer* m_sceneContainer = nullptr;
    SceneView* m_sceneView = nullptr;
    ZoomIndicatorOverlayProxy* m_zoomIndicator = nullptr;

private:
    bool saveImage(bool backPictureAlone);
};
