#pragma once

#include "modebase/CanvasAppliance.h"
#include "canvas/FinetuneWidget.h"
#include "ui_CollageApplianceElements.h"

#include <QPixmap>
#include <QPointer>

class ColorSelectorButton;
class PictureContent;
class QAction;
class QMenu;
class QPopupColorWidget;

// The collage editing mode: a canvas in the scene area, the command buttons
// in the top bar, the selection's property panel or the canvas panels
// (background colour, background picture, border) in the right bar, and the
// canvas size and zoom controls in the bottom bar.
//
// The workflow makes it on a canvas it owns and takes the canvas back with
// takeCanvas() before deleting it. The appliance owns every widget of its
// form, the property panel it shows, the colour pop-up and the size menu;
// the main window only hosts them. GUI thread only.
class CollageAppliance : public CanvasAppliance
{
    Q_OBJECT

public:
    CollageAppliance(Canvas* canvas, QObject* parent);
    ~CollageAppliance() override;

    // "Collage" in every language; also the window title.
    QString applianceName() const override;
    bool appliancePendingChanges() const override;
    // Writes the project; an empty path asks for one first (a cancelled
    // dialog gives false and writes nothing).
    bool applianceSave(const QString& filePath) override;
    // Asks for a file and exports the canvas; true whatever happened.
    bool applicanceSaveImage() override;

    // The form, for the owner's tests and the screenshots.
    const Ui::CollageApplianceElements& form() const { return ui; }

public slots:
    void slotSetBackground();
    void slotClearBackground();
    void slotSetBackRatio(QAction* action);
    void slotSetBackColorMode(int mode);
    void setPreviewImage(QPixmap pixmap);
    bool slotFileLoad();
    bool slotSaveProject();
    bool slotSaveAsImage();
    bool slotFileExport();
    void slotBackConfigChanged();
    void slotFinetuneChanged(FinetuneWidget::FinetuneType type, int value);
    void slotEffectChanged(uint code);
    void slotAspectComboCurrentIndexChanged(int index);

private:
    void configureSize();
    void configureColorBorder();
    void configureBackColor();
    void configureBackContent();
    void popupColor(ColorSelectorButton* button, int tag);
    void setNormalProject();
    void setExactSizeProject();
    // The size read-out for `size`, locked or free as the mode record says.
    void showSize(const QSize& size);
    void loadFinetuneValues();
    // Renders the back picture into the preview; `size` is what it is asked
    // to render at.
    void refreshPreview(const QSize& size);
    // The back picture's own changes (its fine-tune renders) refresh the
    // preview.
    void backPictureRendered() override;

    Ui::CollageApplianceElements ui;
    QWidget* m_formRoot = nullptr;
    QPointer<QPopupColorWidget> m_colorPopup;
    QMenu* m_sizeMenu = nullptr;
};
