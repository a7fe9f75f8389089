#pragma once

#include "appframe/AbstractScene.h"

#include <QList>

class QGraphicsItem;

// The home screen's scene: the Zorivuv and Collage tiles, in that order, in
// a grid centred in the view, over a dark background. It follows the view's
// size (at least 600 x 200). A tile's click becomes startZorivuv() or
// startCanvas(); no tile starts the panorama. Tab and the arrow keys move
// the keyboard focus from tile to tile, round in a circle.
class HomeScene : public AbstractScene
{
    Q_OBJECT

public:
    static constexpr int minimumWidth = 600;
    static constexpr int minimumHeight = 200;

    explicit HomeScene(QObject* parent = nullptr);
    ~HomeScene() override;

    // Takes at least the minimum size and lays the tiles out in it.
    void resize(const QSize& size) override;
    // The home screen neither selects nor zooms.
    bool sceneSelectable() const override;

    // The tiles in creation order; owned by the scene.
    QList<QGraphicsItem*> tiles() const { return m_tiles; }

signals:
    void keyPressed(int key);
    void startCanvas();
    void startZorivuv();
    void startPanorama();

public slots:
    // Each emits its start signal, then puts the tile that sent it back to
    // its normal size.
    void slotStartCanvas();
    void slotStartZorivuv();
    void slotStartPanorama();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    // The next or previous tile takes the focus; the first or the last
    // when none has it.
    bool focusNextPrevChild(bool next) override;

private:
    void addTile(const QString& resource, void (HomeScene::*start)());
    void resetSenderScale();

    QList<QGraphicsItem*> m_tiles;
};
