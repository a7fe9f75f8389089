#pragma once

#include <QPalette>
#include <QPixmap>
#include <QToolButton>

// A tool button that can call for attention: drawAttenction() shows a small
// warning mark at the top-right corner and fades the button's background and
// text towards the application's highlight colours over a second;
// clearAttenction(), also run by a click, hides the mark at once and fades
// back to the button colours over 200 ms. A new call replaces the fades of
// an earlier one that are still running.
//
// While the mark shows, the text and icon are centred left of it.
//
// The colours live in the button's palette (QPalette::Button and
// QPalette::ButtonText), so a style sheet that paints the button itself
// hides the fade.
class BlinkingToolButton : public QToolButton
{
    Q_OBJECT
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)

public:
    explicit BlinkingToolButton(QWidget* parent = nullptr);

    QColor backColor() const;
    void setBackColor(const QColor& color);
    QColor textColor() const;
    void setTextColor(const QColor& color);

    // 0 hides the mark, 1 shows it fully.
    double markOpacity() const { return m_markOpacity; }
    void setMarkOpacity(double opacity);

    // QToolButton's hint, widened by the mark so that the text keeps clear
    // of it.
    QSize sizeHint() const override;

public slots:
    void drawAttenction();
    void clearAttenction();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void animateColors(const QColor& back, const QColor& text, int msecs);
    void setRoleColor(QPalette::ColorRole role, const QColor& color);

    // Working copy of the palette, written back with setPalette().
    QPalette m_palette;
    QPixmap m_mark;
    double m_markOpacity = 0.0;
};
