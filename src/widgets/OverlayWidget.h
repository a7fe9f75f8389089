#pragma once

#include "widgets/FloatingWidget.h"

#include <memory>

class QGraphicsOpacityEffect;
class QPropertyAnimation;

// Where an overlay sits in its container. Left and right keep the horizontal
// margin from their edge, top and bottom the vertical one. Any other value
// puts the overlay at (0, 0), margins aside.
enum class FloatingWidgetPosition : int {
    Left = 0,
    Right = 1,
    Bottom = 2,
    Top = 3,
    TopLeft = 4,
    TopRight = 5,
    BottomLeft = 6,
    BottomRight = 7,
    Center = 8,
};

// A floating widget anchored to a position of its container, at its size
// hint, with a fade-out through an opacity effect. Made hidden; a plain
// OverlayWidget starts at TopLeft.
class OverlayWidget : public FloatingWidget
{
    Q_OBJECT
    Q_PROPERTY(double opacity READ opacity WRITE setOpacity)

public:
    explicit OverlayWidget(FloatingWidgetContainer* container);
    ~OverlayWidget() override;

    void setHorizontalMargin(int margin);
    int horizontalMargin() const { return m_horizontalMargin; }
    void setVerticalMargin(int margin);
    int verticalMargin() const { return m_verticalMargin; }
    void setPosition(FloatingWidgetPosition position);
    FloatingWidgetPosition position() const { return m_position; }

    // Milliseconds of the fade of hideAnimated() (120 at first).
    void setFadeDuration(int ms);
    // Without fading, hideAnimated() hides at once.
    void setFadeEnabled(bool enabled) { m_fadeEnabled = enabled; }
    bool fadeEnabled() const { return m_fadeEnabled; }

    void recalculateGeometry() override;

public slots:
    // Shows the overlay at full opacity, cancelling a running fade.
    void show();
    void hide();
    // Fades the overlay out, then hides it.
    void hideAnimated();

private slots:
    double opacity() const;
    void setOpacity(double opacity);

private:
    QGraphicsOpacityEffect* m_effect;
    int m_horizontalMargin = 5;
    int m_verticalMargin = 35;
    bool m_fadeEnabled = false;
    std::unique_ptr<QPropertyAnimation> m_fade;
    FloatingWidgetPosition m_position = FloatingWidgetPosition::TopLeft;
};
