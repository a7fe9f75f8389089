#pragma once

#include "appframe/AbstractAppliance.h"
#include "appliances/MTileApplianceElements.h"

#include <QImage>
#include <QMessageBox>
#include <QObject>
#include <QPixmap>

class FloatingWidgetContainer;
class IQThumbsViewer;

// Montage step 2: the user collects the tile photos in a thumbnail list, and
// Next runs the first montage with default settings on a worker thread under
// the busy dialog (with progress and Cancel). A mosaic goes on to step 3
// with workflow command 4; a failure is reported and leaves the list as it
// was.
//
// The appliance owns every widget it made, those lent to the main window's
// bars and the scene (the list) included. GUI thread only.
class MTileAppliance : public QObject, public PlugGui::AbstractAppliance
{
    Q_OBJECT

public:
    // What the user is told after a montage run: the error of a run that
    // ended with `code` (neither a success nor a cancel), and the notice of
    // one that left photos out. Step 3 runs the montage again and says the
    // same.
    static QString runFailureText(int code);
    static QString leftOutText(int leftOut, int tileCount);

    explicit MTileAppliance(QObject* parent = nullptr);
    ~MTileAppliance() override;

    // "Zorivuv" in every language; also the window title.
    QString applianceName() const override;
    bool appliancePendingChanges() const override;
    void setFocusToScene();
    void removeFromApplianceContainer();

    // For tests and screenshots.
    const Ui::MTileApplianceElements& form() const { return ui; }
    IQThumbsViewer* thumbsViewer() const { return m_thumbsViewer; }

    // How long a failed or partial run waits before it says so.
    static constexpr int messageDelayMsecs = 100;

public slots:
    void slotAddPicture();
    void slotRemovePicture();
    void slotZorivuv();
    // The run's result, queued to the GUI thread. `leftOut` counts the
    // listed photos that could not be read.
    void slotZorivuvFinished(QImage mosaic, QImage mask, int errorCode, int leftOut);

private:
    void configureAppliance();
    void showCounts();
    // A message box 100 ms from now, over the main window when attached.
    void reportLater(QMessageBox::Icon icon, const QString& text);

    Ui::MTileApplianceElements ui;
    FloatingWidgetContainer* m_sceneContainer = nullptr;
    IQThumbsViewer* m_thumbsViewer = nullptr;
    QWidget* m_host = nullptr;
    // Photos listed when the running montage started.
    int m_runTileCount = 0;
};
