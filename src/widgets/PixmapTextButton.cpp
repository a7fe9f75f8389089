#include "widgets/PixmapTextButton.h"

#include <QPainter>

#include <algorithm>

PixmapTextButton::PixmapTextButton(QWidget* parent)
    : PixmapButton(parent)
{
}

PixmapTextButton::~PixmapTextButton() = default;

double PixmapTextButton::captionLeft() const
{
    const QPixmap pm = pixmap();
    if (pm.isNull())
        return 10.0;
    // The width the icon would have at the integer ratio of its height to
    // the button's, plus a gap. A pixmap shorter than the button makes that
    // ratio 0: count it as 1 so the caption still clears the icon.
    const int ratio = height() > 0 ? pm.height() / height() : 0;
    return pm.width() / std::max(1, ratio) + 22;
}

void PixmapTextButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintDecoration(p, false);

    const QPixmap pm = pixmap();
    const int h = height();
    if (!pm.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(QRect(10, h / 2 - pm.height() / 4, pm.width() / 2, pm.height() / 2), pm);
    }

    const QString caption = text();
    if (caption.isEmpty())
        return;
    const QRect bounds = QFontMetrics(font()).boundingRect(caption);
    const int top = (h - bounds.height()) / 2;
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::white);
    p.drawText(QRectF(captionLeft(), top, bounds.width(), bounds.height()).toRect(),
               Qt::AlignLeft | Qt::AlignVCenter, caption);
}
