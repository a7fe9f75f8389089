#pragma once

#include "modebase/ModeAppliance.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>

class FloatingWidgetContainer;
class IQThumbnailItem;
class IQThumbsViewer;
class QLabel;
class Settings;

// Base of the steps where the user collects photos in a thumbnail list
// (the montage's tiles, the panorama's photos): the list as the scene, the
// count read-out under it, and the adding of photos without doubles.
//
// The list and its container are the step's and go with it, even while
// the main window shows them. GUI thread only.
class ModePhotoListAppliance : public ModeAppliance
{
    Q_OBJECT

public:
    explicit ModePhotoListAppliance(QObject* parent = nullptr);
    ~ModePhotoListAppliance() override;

    void setFocusToScene();
    void removeFromApplianceContainer();

    IQThumbsViewer* thumbsViewer() const { return m_thumbsViewer; }

protected:
    // Builds the scene: the list, named "thumbsViewer" and styled with
    // `listStyle`, in a container named `sceneName`. `countLabel` shows
    // "No files", the count, or the selected of the count.
    void configurePhotoList(const char* sceneName, const char* listStyle, QLabel* countLabel);
    // After each change of the list or of its selection, the counts shown.
    virtual void listChanged() {}

    // Lists the photos of `paths` that are supported and not listed yet,
    // through whatever path (a photo chosen twice is listed once); returns
    // how many were added. Processes events: the step may be gone after it.
    int appendPhotos(const QStringList& paths);
    // Asks for photos in the folder `dir` gives, lists them as
    // appendPhotos() does and remembers their folder with `setDir`.
    void askForPhotos(QString (Settings::*dir)(), void (Settings::*setDir)(QString));

    static QStringList pathsOf(const QList<std::shared_ptr<IQThumbnailItem>>& items);

private:
    void showCounts();

    FloatingWidgetContainer* m_sceneContainer = nullptr;
    IQThumbsViewer* m_thumbsViewer = nullptr;
    QPointer<QLabel> m_countLabel;
};
