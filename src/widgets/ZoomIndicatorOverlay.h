#pragma once

#include "widgets/OverlayWidget.h"

#include <QFontMetrics>

class QHBoxLayout;
class QLabel;
class QTimer;

// The zoom read-out: a centred label showing the scale as a percentage
// ("150%") over the scene view. show(ms) keeps it for that long, then it
// fades out over 300 ms. Mouse events pass through it to the view beneath.
// Its look comes from the application style sheet (class name selector).
class ZoomIndicatorOverlay : public OverlayWidget
{
    Q_OBJECT

public:
    explicit ZoomIndicatorOverlay(FloatingWidgetContainer* container = nullptr);
    ~ZoomIndicatorOverlay() override;

    // 1.0 shows "100%"; the percentage is rounded half away from zero.
    void setScale(double scale);
    QString text() const;

    // Shows without a time limit.
    void show();
    // Shows, then fades out `ms` milliseconds later; a later call restarts
    // the wait.
    void show(int ms);

    void recalculateGeometry() override;

private:
    QFontMetrics m_fontMetrics;
    QHBoxLayout* m_layout;
    QLabel* m_label;
    QTimer* m_hideTimer;
    int m_hideDelay = 2000;
};
