#pragma once

#include "canvas/FrameProp.h"

#include <QList>
#include <QtGlobal>

class Frame;

// Makes frames from their class ids and keeps the class that new contents
// get. Ids: 0 no frame, 1 standard, 2 heart, 4 rounded rectangle, 5 round,
// 6 star, 7 the home screen's frame; 3 and ids above 7 do not exist.
//
// The default class is one process-wide value (1 at start) that the content
// base replaces with the class of every frame it installs. GUI thread only.
class FrameFactory
{
public:
    FrameFactory() = delete;

    // The ids offered to the user, in the order shown: 0, 1, 4, 5, 6, 2.
    static QList<quint32> classes();
    // A new frame with the class's default properties, owned by the caller.
    // Null for 0 (no frame) and, with a warning, for an unknown id.
    static Frame* createFrame(quint32 classId);
    // The default properties of a class; those of 0 (invalid colours, alpha
    // 255, margin 0) with a warning for an unknown id.
    static FrameProp defaultFrameProp(quint32 classId);

    static quint32 defaultFrameClass();
    static void setDefaultFrameClass(quint32 classId);
};
