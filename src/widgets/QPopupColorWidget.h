#pragma once

#include <QColor>
#include <QWidget>

namespace Ui {
class QPopupColorWidget;
}

// A QColorWidget in a frameless pop-up window, black with a dark grey frame.
// While the user picks it forwards colorChanged; when a click outside closes
// it, colorSelected follows with the final colour. A press on its own black
// margin only hides it, and then nothing is emitted.
class QPopupColorWidget : public QWidget
{
    Q_OBJECT

public:
    explicit QPopupColorWidget(QWidget* parent = nullptr);
    ~QPopupColorWidget() override;

    // Silent.
    void setColor(const QColor& c);
    QColor color() const;

    // Free for the owner, to tell which colour the pop-up is editing; the
    // pop-up never reads it.
    int tag = 0;

public slots:
    // Moves the top-left corner to the global point `pos`, keeping the size
    // the laid-out pop-up has, and shows it kept on the screen.
    void showAt(const QPoint& pos);
    // Keeps `geom` on the screen under the mouse cursor (or the pop-up's own
    // screen, or the primary one, when no screen lies under the cursor),
    // within the part of it that panels and docks leave free: a rectangle
    // past the bottom ends at the cursor's height, one past the right side
    // ends at the screen's right edge, and neither then starts above or
    // left of the screen.
    void setGeometry(const QRect& geom);

signals:
    void colorChanged(const QColor& color);
    void colorSelected(const QColor& color);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Ui::QPopupColorWidget* ui;
};
