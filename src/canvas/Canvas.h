#pragma once

#include "appframe/AbstractScene.h"

// The collage document: a scene of pictures and texts with its mode, size,
// background and border. For now it holds only what the workflow needs to
// make one per canvas node and delete it again.
class Canvas : public AbstractScene
{
    Q_OBJECT

public:
    // dpiX, dpiY: the output resolution in dots per inch; the workflow
    // passes the main window's physical resolution. Never fails.
    Canvas(int dpiX, int dpiY, QObject* parent);
    ~Canvas() override;

    int dpiX() const { return m_dpiX; }
    int dpiY() const { return m_dpiY; }

private:
    int m_dpiX;
    int m_dpiY;
};
