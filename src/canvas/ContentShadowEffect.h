#pragma once

#include <QGraphicsDropShadowEffect>

// The drop shadow of a content. Qt keeps the picture of the item that the
// shadow is made from (handles and selection included) between paints, so
// an output render (RenderOpts::HQRendering) would show the handles of the
// last screen paint, and the screen then the bare picture of the output.
// This effect drops the kept picture whenever the mode changes. GUI thread
// only.
class ContentShadowEffect : public QGraphicsDropShadowEffect
{
    Q_OBJECT

public:
    explicit ContentShadowEffect(QObject* parent = nullptr);
    ~ContentShadowEffect() override;

protected:
    void draw(QPainter* painter) override;

private:
    bool m_outputPicture = false;
};
