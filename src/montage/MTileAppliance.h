#pragma once

#include "montage/MTileApplianceElements.h"
#include "modebase/ModePhotoListAppliance.h"

#include <QImage>
#include <QPixmap>

#include <functional>

class IQZorivuvParam;

// Montage step 2: the user collects the tile photos in a thumbnail list, and
// Next runs the first montage with default settings on a worker thread under
// the busy dialog (with progress and Cancel). A mosaic goes on to step 3
// with workflow command 4; a failure is reported and leaves the list as it
// was.
//
// The appliance owns every widget it made, those lent to the main window's
// bars and the scene (the list) included. GUI thread only.
class MTileAppliance : public ModePhotoListAppliance
{
    Q_OBJECT

public:
    // What the user is told after a montage run: the error of a run that
    // ended with `code` (neither a success nor a cancel), and the notice of
    // one that left photos out. Step 3 runs the montage again and says the
    // same.
    static QString runFailureText(int code);
    static QString leftOutText(int leftOut, int tileCount);
    // Runs a montage of the engine's tile photos with `param` under the
    // busy dialog (progress and Cancel) and returns once `onResult` (with
    // zorivuvFinished()'s arguments) was called in `context`.
    static void runMontage(const IQZorivuvParam* param, QObject* context,
        std::function<void(QImage, QImage, int, int)> onResult);
    // Whether a run that ended with `errorCode` gave a mosaic; when not,
    // `step` tells the user why (a cancel needs no word).
    static bool montageSucceeded(ModeAppliance* step, const QImage& mosaic, int errorCode);

    explicit MTileAppliance(QObject* parent = nullptr);
    ~MTileAppliance() override;

    // "Zorivuv" in every language; also the window title.
    QString applianceName() const override;
    bool appliancePendingChanges() const override;

    // For tests and screenshots.
    const Ui::MTileApplianceElements& form() const { return ui; }

public slots:
    void slotAddPicture();
    void slotRemovePicture();
    void slotZorivuv();
    // The run's result, queued to the GUI thread. `leftOut` counts the
    // listed photos that could not be read.
    void slotZorivuvFinished(QImage mosaic, QImage mask, int errorCode, int leftOut);

protected:
    void listChanged() override;

private:
    Ui::MTileApplianceElements ui;
    QWidget* m_host = nullptr;
    // Photos listed when the running montage started.
    int m_runTileCount = 0;
};
