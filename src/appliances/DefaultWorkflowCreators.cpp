#include "appliances/DefaultWorkflowCreators.h"

#include "appliances/CollageAppliance.h"
#include "appliances/CollageProjectFile.h"
#include "appliances/MRetouchAppliance.h"
#include "appliances/MTileAppliance.h"
#include "appliances/PlaceholderAppliance.h"
#include "appliances/ZorivuvAppliance.h"
#include "canvas/Canvas.h"

#include <QCoreApplication>
#include <QPixmap>

namespace {

Canvas* newCanvas(const Workflow::CreateRequest& request)
{
    return new Canvas(request.dpiX, request.dpiY, request.canvasParent);
}

QString modeName(const char* name)
{
    return QCoreApplication::translate("DefaultWorkflowCreators", name);
}

} // namespace

void registerDefaultWorkflowCreators(Workflow::Creators& creators)
{
    creators.askProjectFile = &CollageProjectFile::getLoadCollageProjectFile;

    creators.commands[Workflow::OpenCollage] = [](const Workflow::CreateRequest& request) {
        Canvas* canvas = newCanvas(request);
        if (request.param.typeId() == QMetaType::QString
            && !CollageProjectFile::read(request.param.toString(), canvas, true)) {
            // The user was told by the reader; the collage opens empty.
            qWarning("Workflow::processCommand: MasterCanvas: can't load canvas. Display error?");
        }
        return new CollageAppliance(canvas, nullptr);
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
    creators.commands[Workflow::OpenPanorama] = [](const Workflow::CreateRequest&) {
        return new PlaceholderAppliance(modeName(QT_TRANSLATE_NOOP("DefaultWorkflowCreators", "Panorama")), nullptr);
    };
    creators.commands[Workflow::OpenPanoramaRetouch] = [](const Workflow::CreateRequest& request) {
        return new PlaceholderAppliance(
            modeName(QT_TRANSLATE_NOOP("DefaultWorkflowCreators", "Panorama retouch")), newCanvas(request));
    };
}
