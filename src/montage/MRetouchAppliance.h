#pragma once

#include "modebase/CanvasAppliance.h"
#include "montage/engine/IQZorivuvParam.h"
#include "montage/MRetouchApplianceElements.h"

#include <QImage>
#include <QPixmap>

class QButtonGroup;
class QMenu;

// Montage step 3: the mosaic of step 2 as the background picture of an
// exact-size canvas on a checkerboard. The user sets the options of a new
// run ("Generate"), shapes the mosaic with a mask, adds stickers and text,
// exports and prints. Back returns to step 2 with its tile list.
//
// Option changes go into this appliance's own parameter record and act at
// the next run only. The canvas is the workflow's (see CanvasAppliance);
// every widget made here is the appliance's and goes with it. Dialogs go
// through ModalPrompts. GUI thread only.
class MRetouchAppliance : public CanvasAppliance
{
    Q_OBJECT

public:
    MRetouchAppliance(Canvas* canvas, const QPixmap& mosaic, QObject* parent = nullptr);
    ~MRetouchAppliance() override;

    bool appliancePendingChanges() const override;
    QString applianceName() const override;
    bool applicanceSaveImage() override;
    bool applianceSave(const QString& path) override;

    // Shows `pixmap` (with `mask`) as the canvas's background picture and
    // sizes the canvas to it. False when the canvas could not take it; the
    // zoom controls are then hidden.
    bool setCanvasPixmap(const QPixmap& pixmap, const QImage& mask, bool deferFit);
    void setPreviewImage(const QPixmap& pixmap);
    // The lowest zoom for a scene of `size`: larger scenes zoom out further.
    static double zoomFloor(const QSize& size);

    // For tests and screenshots.
    const Ui::MRetouchApplianceElements& form() const { return ui; }
    const IQZorivuvParam& param() const { return m_param; }
    QMenu* maskMenu() const { return m_maskMenu; }

public slots:
    void slotSaveAsImage();
    void slotGenerateZorivuv();
    // The run's result, queued to the GUI thread.
    void slotZorivuvFinished(QImage mosaic, QImage mask, int errorCode, int leftOut);
    // Mask id 2 to 8 of the templates.
    void slotTemplateMask(int id);
    void slotLocalMask();
    void slotRestoreMask();

private:
    void configureZorivuv();
    void buildMaskMenu();
    void updateZoomRange();
    void showSize();
    void applyMask(const QImage& mask, int maskMode);

    Ui::MRetouchApplianceElements ui;
    QButtonGroup* m_modeGroup = nullptr;
    QWidget* m_host = nullptr;
    QMenu* m_maskMenu = nullptr;
    IQZorivuvParam m_param;
    bool m_pendingChanges = true;
    // Photos listed when the running montage started.
    int m_runTileCount = 0;
};
