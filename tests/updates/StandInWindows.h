#pragma once

#include "support/UrlCatcher.h"

#include <QCloseEvent>
#include <QWidget>

// Stands for the main window with unsaved work: asked to close, it asks
// about that work and the user answers Cancel.
class UnsavedWindow : public QWidget
{
public:
    int closeRequests = 0;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        ++closeRequests;
        event->ignore();
    }
};
