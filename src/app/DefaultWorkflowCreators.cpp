#include "app/DefaultWorkflowCreators.h"

#include "collage/CollageAppliance.h"
#include "collage/CollageProjectFile.h"
#include "montage/MRetouchAppliance.h"
#include "montage/MTileAppliance.h"
#include "montage/ZorivuvAppliance.h"
#include "panorama/PRetouchAppliance.h"
#include "panorama/PanoramaAppliance.h"
#include "canvas/Canvas.h"

#include <QImage>
#include <QTimer>
#include <QStringList>
#include <QPixmap>

namespace {

Canvas* newCanvas(const Workflow::CreateRequest& request)
{
    return new Canvas(request.dpiX, request.dpiY, request.canvasParent);
}

} // namespace

void registerDefaultWorkflowCreators(Workflow::Creators& creators)
{
    creators.askProjectFile = &CollageProjectFile::getLoadCollageProjectFile;
    creators.checkProjectFile = &CollageProjectFile::check;

    creators.commands[Workflow::OpenCollage] = [](const Workflow::CreateRequest& request) {
        Canvas* canvas = newCanvas(request);
        const QString path = request.param.toString();
        QList<PictureContent::FileProblem> unloaded;
        if (request.param.typeId() == QMetaType::QString && !CollageProjectFile::read(path, canvas, true, &unloaded)) {
            // The user was told by the reader; the collage opens empty.
            qWarning("Workflow::processCommand: MasterCanvas: can't load canvas. Display error?");
        }
        auto* collage = new CollageAppliance(canvas, nullptr);
        // Pictures kept as placeholders are told about over the collage
        // that shows them, once it has taken the previous one's place.
        if (!unloaded.isEmpty()) {
            QTimer::singleShot(0, collage, [path, unloaded] {
                CollageProjectFile::reportUnloadedPictures(path, unloaded);
            });
        }
        return collage;
    };
    creators.commands[Workflow::OpenZorivuv] = [](const Workflow::CreateRequest& request) {
        return new ZorivuvAppliance(newCanvas(request), nullptr);
    };
    creators.commands[Workflow::OpenZorivuvTiles] = [](const Workflow::CreateRequest&) {
        return new MTileAppliance(nullptr);
    };
    creators.commands[Workflow::OpenZorivuvResult] = [](const Workflow::CreateRequest& request) {
        return new MRetouchAppliance(newCanvas(request), request.param.value<QPixmap>(), nullptr);
    };
    creators.commands[Workflow::OpenPanorama] = [](const Workflow::CreateRequest& request) {
        auto* appliance = new PanoramaAppliance(nullptr);
        // Photos handed in by the caller are listed and selected as if chosen.
        const QStringList paths = request.param.toStringList();
        if (!paths.isEmpty())
            appliance->addPhotos(paths);
        return appliance;
    };
    creators.commands[Workflow::OpenPanoramaRetouch] = [](const Workflow::CreateRequest& request) {
        return new PRetouchAppliance(newCanvas(request), request.param.value<QImage>(), nullptr);
    };
}
