#include "widgets/ZoomIndicatorOverlayProxy.h"

#include "widgets/FloatingWidgetContainer.h"
#include "widgets/ZoomIndicatorOverlay.h"

ZoomIndicatorOverlayProxy::ZoomIndicatorOverlayProxy(FloatingWidgetContainer* container)
    : m_container(container)
{
}

ZoomIndicatorOverlayProxy::~ZoomIndicatorOverlayProxy()
{
    if (m_overlay)
        m_overlay->deleteLater();
}

void ZoomIndicatorOverlayProxy::init()
{
    // Without a living container there is nothing to float over.
    if (m_overlay || !m_container)
        return;
    m_overlay = new ZoomIndicatorOverlay(m_container);
    m_overlay->setScale(m_pendingScale);
}

void ZoomIndicatorOverlayProxy::setScale(double scale)
{
    if (m_overlay)
        m_overlay->setScale(scale);
    else
        m_pendingScale = scale;
}

void ZoomIndicatorOverlayProxy::show()
{
    init();
    if (m_overlay)
        m_overlay->show();
}

void ZoomIndicatorOverlayProxy::show(int ms)
{
    init();
    if (m_overlay)
        m_overlay->show(ms);
}

void ZoomIndicatorOverlayProxy::hide()
{
    if (m_overlay)
        m_overlay->hide();
}
