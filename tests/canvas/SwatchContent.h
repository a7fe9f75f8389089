#pragma once

#include "canvas/AbstractContent.h"

#include <QList>
#include <QPainter>

// A content that fills its target with one colour and notes what it was
// asked to draw. Its ratio keeping and its scaling helper are open to tests.
class SwatchContent : public AbstractContent
{
public:
    explicit SwatchContent(QGraphicsScene* scene, bool fadeIn = false, int frameClass = 0, bool noResize = false)
        : AbstractContent(scene, fadeIn, noResize, frameClass, nullptr)
    {
    }

    QString contentName() const override { return QStringLiteral("Swatch"); }
    void drawContent(QPainter* painter, const QRect& target, Qt::AspectRatioMode mode) override
    {
        targets << target;
        modes << mode;
        painter->fillRect(target, fill);
    }
    int contentHeightForWidth(int width) const override { return heightForWidth < 0 ? width : heightForWidth; }

    QPixmap scaled(const QPixmap& source, const QSize& size, Qt::AspectRatioMode mode) const
    {
        return ratioScaledPixmap(&source, size, mode);
    }
    using AbstractContent::layoutChildren;

    QList<QRect> targets;
    QList<Qt::AspectRatioMode> modes;
    int heightForWidth = -1;
    QColor fill = Qt::green;
};
