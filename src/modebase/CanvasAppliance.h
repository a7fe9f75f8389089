#pragma once

#include "modebase/ModeAppliance.h"
#include "modebase/PrintInfo.h"

#include <QImage>
#include <QPointer>
#include <QString>

#include <functional>

class AbstractScene;
class Canvas;
class FinetuneWidget;
class FloatingWidgetContainer;
class PictureContent;
class PixmapButton;
class QAbstractButton;
class QBoxLayout;
class QDoubleSlider;
class QLayout;
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
//
// It also holds the parts of the steps' forms that behave alike in every
// mode: the zoom bar, the right bar's swap between the selection's property
// panel and the canvas panels, and the watch on the back picture's renders.
class CanvasAppliance : public ModeAppliance
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
    // From this many pixels on the fine-tune rows apply only when a handle
    // is released.
    static constexpr qint64 liveFinetuneLimit = 4000000;
    // The zoom bar's range, as view scales.
    static constexpr double zoomMinimum = 0.05;
    static constexpr double zoomMaximum = 4.0;

public slots:
    // Asks for pictures and adds those that load near the visible centre,
    // 30 px apart along the diagonal in the order chosen; an unreadable one
    // is skipped and leaves its place empty, and a "Pictures not added" box
    // then names each such file with the reader's reason.
    void slotAddPicture();
    void slotAddText();
    // Renders the canvas and runs the print dialog on it.
    void slotPrint();
    // Shows `panel` (the selected content's, adopted) in the property box,
    // or the canvas panels when null. The previous panel is deleted.
    void slotShowPropertiesWidget(QWidget* panel);

protected:
    // Builds the scene area around `canvas`. Called by the constructor.
    void configureScene(Canvas* canvas);
    void setFocusToScene();

    // The buttons that add a picture, add a text and print.
    void connectContentButtons(QAbstractButton* picture, QAbstractButton* text, QAbstractButton* print);
    // White, with the grey gradient ready, and no checkerboard: for a step
    // whose picture fills the scene.
    void setPlainBackColor();
    // Adds the "Fine-tuning" panel (disabled until there is a picture) and
    // the "Border" panel around `border` to `column`; returns the rows.
    FinetuneWidget* addPictureOptionPanels(QBoxLayout* column, QWidget* border);
    // Shows the rows neutral without applying them and enables them, live
    // while a picture of `size` stays under liveFinetuneLimit pixels.
    static void resetFinetune(FinetuneWidget* finetune, const QSize& size);

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

    // The canvas rendered for output at the scene's size (each side
    // truncated), without editing aids. Null when it cannot be allocated.
    QImage renderForOutput() const;

    // Runs `worker` (made with new, no parent, signals already connected)
    // under the modal busy dialog over the container and returns when it has
    // finished and its queued results were handled (see ModeBusyRun). The
    // worker deletes itself later.
    void runWorker(QThread* worker);

    // The bottom bar's zoom controls: the slider (5 % to 400 %) sets the
    // view's scale and follows it, "Fit in" fits the scene into the view,
    // "1:1" shows it at its own pixels. Once, after configureScene().
    void configureZoomBar(QDoubleSlider* slider, PixmapButton* fitIn, PixmapButton* actual);
    // Shows the view's scale on the slider without setting it back.
    void syncZoomSlider();
    // Fits the scene into the view and shows the new scale.
    void fitSceneInView();
    void setZoomBarVisible(bool visible);

    // The right bar's two faces: `panelBox` holds the selected content's
    // property panel in `panelLayout`, `canvasBox` the canvas panels. The
    // canvas's selection switches between them; starts on the canvas panels.
    void configurePropertyPanels(QWidget* panelBox, QLayout* panelLayout, QWidget* canvasBox);

    // The canvas's background picture, or null.
    PictureContent* backPicture() const;
    // Follows the current back picture: backPictureRendered() is called
    // once per event-loop turn in which it announced a change (its renders
    // land after the call that asked for them), as long as it is still the
    // back picture. Call again after the back picture changed.
    void watchBackPicture();
    virtual void backPictureRendered() {}

    Canvas* m_canvas = nullptr;
    FloatingWidgetContainer* m_sceneContainer = nullptr;
    SceneView* m_sceneView = nullptr;
    ZoomIndicatorOverlayProxy* m_zoomIndicator = nullptr;

private:
    bool saveImage(bool backPictureAlone);

    QPointer<QDoubleSlider> m_zoomSlider;
    QPointer<PixmapButton> m_fitInButton;
    QPointer<PixmapButton> m_actualButton;
    QPointer<QWidget> m_panelBox;
    QPointer<QLayout> m_panelLayout;
    QPointer<QWidget> m_canvasBox;
    QPointer<PictureContent> m_watchedBackPicture;
    bool m_backPicturePending = false;
};
