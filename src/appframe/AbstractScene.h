#pragma once

#include <QGraphicsScene>
#include <QPointF>
#include <QRectF>
#include <QSize>

// Base of every scene the program shows (the home scene and the canvas): a
// graphics scene with a size the scene view lays out, the view's zoom, and a
// perspective and rotation that views may apply.
class AbstractScene : public QGraphicsScene
{
    Q_OBJECT
    Q_PROPERTY(QPointF perspective READ perspective WRITE setPerspective NOTIFY scenePerspectiveChanged)
    Q_PROPERTY(double rotation READ rotation WRITE setRotation NOTIFY sceneRotationChanged)

public:
    explicit AbstractScene(QObject* parent = nullptr);
    ~AbstractScene() override;

    // Takes the size: the scene rectangle becomes (0, 0, width, height) and
    // resizeEvent() runs. Nothing happens when the size is unchanged.
    virtual void resize(const QSize& size);
    // Called by resize() after a change; empty here.
    virtual void resizeEvent();
    virtual bool sceneSelectable() const;
    virtual void pasteFromClipboard();

    // Asks the views to lay the scene out again (they answer with resize()).
    void adjustSceneSize();
    // Resizes to the bottom-right corner of the items, at least 10 x 10.
    void resizeAutoFit();

    // (-1, -1) until the first resize().
    QSize sceneSize() const { return m_sceneSize; }
    // Empty until the first resize().
    QRectF sceneRectangle() const { return m_sceneRect; }
    // The zoom factor of the view that shows the scene; 1.0 until a view
    // writes it.
    double viewScale() const { return m_viewScale; }
    void setViewScale(double scale) { m_viewScale = scale; }

    QPointF perspective() const { return m_perspective; }
    void setPerspective(const QPointF& perspective);
    // Degrees.
    double rotation() const { return m_rotation; }
    void setRotation(double rotation);

signals:
    void sceneSizeChanged();
    void scenePerspectiveChanged();
    void sceneRotationChanged();

protected:
    QSize m_sceneSize {-1, -1};
    QRectF m_sceneRect;
    double m_viewScale = 1.0;

private:
    QPointF m_perspective;
    double m_rotation = 0.0;
};
