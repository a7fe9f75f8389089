#pragma once

#include <QPointer>

class FloatingWidgetContainer;
class ZoomIndicatorOverlay;

// Makes the zoom read-out over a container only when it is first needed.
// A plain object, owned by an appliance. The overlay belongs to the
// container and may die with it before the proxy; the proxy then does
// nothing.
class ZoomIndicatorOverlayProxy
{
public:
    explicit ZoomIndicatorOverlayProxy(FloatingWidgetContainer* container);
    // Deletes the overlay later, through the event loop, if it still lives.
    ~ZoomIndicatorOverlayProxy();

    ZoomIndicatorOverlayProxy(const ZoomIndicatorOverlayProxy&) = delete;
    ZoomIndicatorOverlayProxy& operator=(const ZoomIndicatorOverlayProxy&) = delete;

    // Makes the overlay (hidden) if there is none yet.
    void init();
    // Passes the scale on, or keeps it until the overlay exists.
    void setScale(double scale);
    void show();
    void show(int ms);
    void hide();

    // The overlay, null until made or after it died.
    ZoomIndicatorOverlay* overlay() const { return m_overlay; }

private:
    QPointer<FloatingWidgetContainer> m_container;
    QPointer<ZoomIndicatorOverlay> m_overlay;
    double m_pendingScale = 1.0;
};
