#pragma once

#include "canvas/AbstractContent.h"

#include <QPixmap>
#include <QPointer>

class QPropertyAnimation;

// One tile of the home screen: a picture on a dark plate that grows a
// little while the pointer or the keyboard focus is on it and asks to be
// started (requestEditing()) on a left click, or on Return, Enter or Space
// while it has the focus.
//
// The picture is drawn for screens of twice the density: a 400 x 400 picture
// makes a 200 x 200 tile on every screen. The scene owns the tile.
class HomeLabel : public AbstractContent
{
    Q_OBJECT

public:
    // Scale of a tile under the pointer or with the focus.
    static constexpr double hoverScale = 1.1;
    static constexpr int scaleDurationMs = 300;

    HomeLabel(const QPixmap& pixmap, QGraphicsScene* scene);
    ~HomeLabel() override;

    // "HomeLabel"; not shown to the user.
    QString contentName() const override;
    void drawContent(QPainter* painter, const QRect& targetRect, Qt::AspectRatioMode ratio) override;

    // Back to the normal size at once, stopping a grow or shrink under way.
    void resetScale();

protected:
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void animateScale(double scale);

    QPixmap m_pixmap;
    QPointer<QPropertyAnimation> m_scaleAnimation;
};
