#pragma once

#include <QColor>
#include <QPixmap>
#include <QPushButton>

// The flat icon button of the tool bars and side panels: a fixed-size push
// button that paints a centred pixmap over grey hover, pressed and checked
// decorations, optionally faded while idle.
//
// Icons are drawn at half their pixel size on screens of device pixel ratio
// below 2 (a 64 x 64 image shows as a 32 x 32 icon) and at their pixel size
// divided by the ratio on denser screens. The ratio is read once, when the
// button is made.
class PixmapButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(QSize fixedSize READ fixedSize WRITE setFixedSize)
    Q_PROPERTY(QPixmap pixmap READ pixmap WRITE setPixmap)
    Q_PROPERTY(bool fadeInactive READ fadeInactive WRITE setFadeInactive)

public:
    explicit PixmapButton(QWidget* parent = nullptr);
    ~PixmapButton() override;

    // Stores the size and fixes the widget to it (32 x 32 at first).
    void setFixedSize(const QSize& size);
    void setFixedSize(int w, int h);
    QSize fixedSize() const { return m_fixedSize; }

    // Keeps a copy; a null pixmap when none was set.
    void setPixmap(const QPixmap& pixmap);
    QPixmap pixmap() const { return m_pixmap; }

    // Draw the icon at opacity 0.4 while the button is neither down,
    // hovered nor focused.
    void setFadeInactive(bool fade);
    bool fadeInactive() const { return m_fadeInactive; }

    // Stored only; the painting does not use it.
    void setCheckColor(const QColor& color);
    QColor checkColor() const { return m_checkColor; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    // The hover, pressed and checked decoration shared with the subclass;
    // `hoverNeedsEnabled` is false where a disabled button highlights too.
    void paintDecoration(QPainter& painter, bool hoverNeedsEnabled) const;

private:
    QSize m_fixedSize{32, 32};
    QPixmap m_pixmap;
    bool m_fadeInactive = false;
    bool m_hovered = false;
    double m_screenRatio = 1.0;
    double m_pixmapRatio = 1.0;
    bool m_highDensity = false;
    QColor m_checkColor = Qt::darkGray;
};
