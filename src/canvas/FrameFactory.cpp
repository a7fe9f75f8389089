#include "canvas/FrameFactory.h"

#include "canvas/HeartFrame.h"
#include "canvas/HomeFrame.h"
#include "canvas/PentacleFrame.h"
#include "canvas/RoundFrame.h"
#include "canvas/RoundRectangleFrame.h"

namespace {

quint32 s_defaultFrameClass = 1;

void warnUnknown(quint32 classId)
{
    qWarning("FrameFactory::createFrame: unknown frame for class %x, falling back to default", classId);
}

} // namespace

QList<quint32> FrameFactory::classes()
{
    return {0, 1, 4, 5, 6, 2};
}

Frame* FrameFactory::createFrame(quint32 classId)
{
    switch (classId) {
    case 0:
        return nullptr;
    case 1:
        return new StandardFrame(defaultFrameProp(classId));
    case 2:
        return new HeartFrame(defaultFrameProp(classId));
    case 4:
        return new RoundRectangleFrame(defaultFrameProp(classId));
    case 5:
        return new RoundFrame(defaultFrameProp(classId));
    case 6:
        return new PentacleFrame(defaultFrameProp(classId));
    case 7:
        return new HomeFrame;
    default:
        // The property lookup warns as well: the warning comes twice.
        defaultFrameProp(classId);
        warnUnknown(classId);
        return nullptr;
    }
}

FrameProp FrameFactory::defaultFrameProp(quint32 classId)
{
    switch (classId) {
    case 0:
        return FrameProp();
    case 1:
        return StandardFrame::defaultProp();
    case 2:
        return HeartFrame::defaultProp();
    case 4:
        return RoundRectangleFrame::defaultProp();
    case 5:
        return RoundFrame::defaultProp();
    case 6:
        return PentacleFrame::defaultProp();
    case 7:
        return HomeFrame::defaultProp();
    default:
        warnUnknown(classId);
        return FrameProp();
    }
}

quint32 FrameFactory::defaultFrameClass()
{
    return s_defaultFrameClass;
}

void FrameFactory::setDefaultFrameClass(quint32 classId)
{
    s_defaultFrameClass = classId;
}
