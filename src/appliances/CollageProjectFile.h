#pragma once

#include <QCoreApplication>
#include <QString>

class Canvas;

// The ".pmp2" project file around the canvas's own XML. Static operations
// only; GUI thread, as they may show dialogs and message boxes.
class CollageProjectFile
{
    Q_DECLARE_TR_FUNCTIONS(CollageProjectFile)

public:
    CollageProjectFile() = delete;

    // Reads the project at `filePath` into `canvas`; with `addToRecent` a
    // file that was read goes first in the recent-project list. On failure
    // the user is told in a message box, the canvas and the list stay
    // untouched, and the result is false.
    //
    // Projects cannot be read into a canvas yet: every call fails that way.
    static bool read(const QString& filePath, Canvas* canvas, bool addToRecent);

    // Asks for a project to open, starting in the last project folder, which
    // it then remembers. Empty when cancelled.
    static QString getLoadCollageProjectFile();
};
