#include "canvas/ContentShadowEffect.h"

#include "canvas/RenderOpts.h"

ContentShadowEffect::ContentShadowEffect(QObject* parent)
    : QGraphicsDropShadowEffect(parent)
{
}

ContentShadowEffect::~ContentShadowEffect() = default;

void ContentShadowEffect::draw(QPainter* painter)
{
    if (RenderOpts::HQRendering != m_outputPicture) {
        m_outputPicture = RenderOpts::HQRendering;
        // Qt keeps one picture, for one form of request: asking for another
        // form than the shadow's own replaces it, so the shadow's next
        // request draws the item afresh.
        sourcePixmap(Qt::LogicalCoordinates, nullptr, QGraphicsEffect::NoPad);
    }
    QGraphicsDropShadowEffect::draw(painter);
}
