#include "canvas/Canvas.h"

Canvas::Canvas(int dpiX, int dpiY, QObject* parent)
    : AbstractScene(parent)
    , m_dpiX(dpiX)
    , m_dpiY(dpiY)
{
    resize(QSize(1, 1));
}

Canvas::~Canvas() = default;
