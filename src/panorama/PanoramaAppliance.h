#pragma once

#include "modebase/ModePhotoListAppliance.h"
#include "panorama/PanoramaApplianceElements.h"

#include <QImage>
#include <QPointer>
#include <QStringList>

class IQStitchThread;
class QButtonGroup;

// Panorama step 1: the user lists photos, picks a layout style (horizontal,
// vertical, 360 degrees, tile) and an output size, and Next stitches the
// selected photos on a worker thread under the busy dialog (percentage and
// Cancel). A panorama opens the retouch step with workflow command 6; a
// failure is reported and leaves the list and its selection as they were.
//
// The controller's engine is made for each stitch and released after a
// failed or cancelled one and when this appliance goes. The appliance owns
// every widget it made, those lent to the main window's bars and the list
// included. Message boxes go through ModalPrompts. GUI thread only.
class PanoramaAppliance : public ModePhotoListAppliance
{
    Q_OBJECT

public:
    // Style ids of the style group, handed to the engine as its style.
    enum Style { Horizontal = 0, Vertical = 1, Full360 = 2, Tile = 3 };

    explicit PanoramaAppliance(QObject* parent = nullptr);
    // Cancels and waits for a running stitch, then releases the engine.
    ~PanoramaAppliance() override;

    // "Panorama" in every language; also the window title.
    QString applianceName() const override;
    // Never anything to save.
    bool appliancePendingChanges() const override;

    // Lists `paths` as the photo dialog would (unsupported files and files
    // already listed are skipped) and selects every listed photo.
    void addPhotos(const QStringList& paths);

    // What the user is told, by style: the hint under the style buttons
    // (also the warning for a count outside the style's range), and the
    // message of a stitch that ended with `code` (not 0, not cancelled).
    static QString styleHint(int style);
    static QString failureText(int code);
    // The message of a stitch refused because the photo at `path` could not
    // be read: the message of -3, naming the photo and the reason.
    static QString refusedPhotoText(const QString& path, const QString& reason);
    // The warning for `count` selected photos in `style`; empty when the
    // stitch may start.
    static QString countWarning(int style, int count);

    // For tests and screenshots.
    const Ui::PanoramaApplianceElements& form() const { return ui; }
    QButtonGroup* styleGroup() const { return m_styleGroup; }
    QButtonGroup* sizeGroup() const { return m_sizeGroup; }

public slots:
    void slotAddPicture();
    void slotStitchToggled(int id, bool checked);
    void slotSizeToggled(int id, bool checked);
    void slotStitch();
    // The worker's result, queued to the GUI thread: the cropped panorama
    // with 0, or a null image with the engine's code.
    void slotStitchFinished(QImage image, int errorCode);

protected:
    void listChanged() override;

private:
    Ui::PanoramaApplianceElements ui;
    QButtonGroup* m_styleGroup = nullptr;
    QButtonGroup* m_sizeGroup = nullptr;
    QWidget* m_host = nullptr;
    QPointer<IQStitchThread> m_stitch;
    // The photo the running stitch could not read, and why.
    QString m_refusedPhoto;
    QString m_refusedReason;
    // Set by a failed or cancelled stitch: the engine goes once the worker
    // has ended.
    bool m_releaseEngine = false;
};
