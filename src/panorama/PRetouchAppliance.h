#pragma once

#include "modebase/CanvasAppliance.h"
#include "panorama/PRetouchApplianceElements.h"
#include "canvas/FinetuneWidget.h"

#include <QImage>
#include <QPixmap>

// Panorama step 2: the stitched panorama as the background picture of an
// exact-size canvas. The user fine-tunes it, gives it a border, adds
// pictures and text, zooms, saves it as an image and prints it. Back returns
// to the photo list.
//
// A fresh panorama is unsaved work: until it has been written, or while the
// canvas holds later edits, leaving asks the workflow's save question. The
// canvas is the workflow's (see CanvasAppliance); every widget made here is
// the appliance's and goes with it. GUI thread only.
class PRetouchAppliance : public CanvasAppliance
{
    Q_OBJECT

public:
    // Effect codes of the six fine-tune rows, by FinetuneWidget::FinetuneType.
    static constexpr int finetuneEffect[FinetuneWidget::TypeCount] = {15, 16, 17, 18, 19, 20};

    PRetouchAppliance(Canvas* canvas, const QImage& panorama, QObject* parent = nullptr);
    ~PRetouchAppliance() override;

    // "Panorama", translated; also the window title.
    QString applianceName() const override;
    bool appliancePendingChanges() const override;
    // Both ask for a file and write the canvas; true only when it was
    // written, which also ends the pending changes.
    bool applicanceSaveImage() override;
    bool applianceSave(const QString& path) override;

    void configureColorBorder();

    // For tests and screenshots.
    const Ui::PRetouchApplianceElements& form() const { return ui; }
    FinetuneWidget* finetuneWidget() const { return m_finetune; }

public slots:
    void setPreviewImage(QPixmap pixmap);
    void setCanvasImage(QImage image);
    bool slotSaveAsImage();
    void slotFinetuneChanged(FinetuneWidget::FinetuneType type, int value);
    void slotEffectSelected(uint effectId);

private:
    void applyEffect(int code, double param);
    void refreshPreview();
    void showSize();
    bool save();

    Ui::PRetouchApplianceElements ui;
    QWidget* m_host = nullptr;
    FinetuneWidget* m_finetune = nullptr;
    bool m_unsaved = true;
};
