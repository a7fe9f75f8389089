#pragma once

#include "modebase/CanvasAppliance.h"
#include "montage/ZorivuvApplianceElements.h"
#include "canvas/FinetuneWidget.h"

#include <QImage>

// Montage step 1: the user picks the target photo (the picture the mosaic
// rebuilds), may fine-tune it and give it a border, and presses Next, which
// renders the canvas into the montage engine's target and opens step 2.
//
// The canvas holds the picture as its background only and cannot be edited
// with the mouse. The workflow owns the canvas and takes it back before it
// deletes the appliance; the appliance owns every widget it made, the ones
// lent to the main window's bars included. When it goes, the engine forgets
// the target. GUI thread only.
class ZorivuvAppliance : public CanvasAppliance
{
    Q_OBJECT

public:
    ZorivuvAppliance(Canvas* canvas, QObject* parent);
    ~ZorivuvAppliance() override;

    // Never anything to save: the workflow closes the step without asking.
    bool appliancePendingChanges() const override;
    // "Zorivuv" in every language; also the window title.
    QString applianceName() const override;
    bool applicanceSaveImage() override;

    // The form and the fine-tune panel, for tests and screenshots.
    const Ui::ZorivuvApplianceElements& form() const { return ui; }
    FinetuneWidget* finetuneWidget() const { return m_finetune; }

    // The target photo rendered as the engine receives it on Next: the
    // whole canvas at its size, ARGB32 for a picture with alpha, else BGR888.
    QImage renderTarget() const;

public slots:
    void slotSetBackground();
    void slotClearBackground();
    void slotFinetuneChanged(FinetuneWidget::FinetuneType type, int value);
    void slotEffectSelected(uint effectId);

protected:
    // Shows `image` fitted into the preview label; a null image empties it.
    void setBackgroundImage(const QImage& image);

    // The back picture's fine-tune renders refresh the preview.
    void backPictureRendered() override;

private:
    void pictureLoaded(const QString& path, const QImage& image);
    void applyEffect(int code, double param);
    void refreshPreview();
    void next();

    Ui::ZorivuvApplianceElements ui;
    QWidget* m_container = nullptr;
    FinetuneWidget* m_finetune = nullptr;
    bool m_hasAlpha = false;
};
