#pragma once

#include <QGraphicsView>

class AbstractScene;
class QPixmap;

// The view of one AbstractScene (the home scene or a canvas). It owns the
// zoom: one scale factor, snapped to exactly 1.0 near 100 %, changed by
// setViewScale(), fitIn() and Ctrl+wheel, and written into the shown scene
// at every change. The scene's perspective and rotation are applied about
// its centre whenever the zoom changes. At every resize the view offers the
// scene its viewport size; the scene decides what size it takes.
//
// The scene is not owned; deleting it while shown leaves an empty view.
// GUI thread only.
class SceneView : public QGraphicsView
{
    Q_OBJECT
    Q_PROPERTY(bool openGL READ openGL WRITE setOpenGL)
    Q_PROPERTY(double viewScale READ viewScale WRITE setViewScale NOTIFY viewScaleChanged)

public:
    // Ctrl+wheel zooms within [minimumWheelScale, maxWheelScale].
    static constexpr double maxWheelScale = 4.0;
    static constexpr double defaultMinimumWheelScale = 0.05;

    explicit SceneView(QWidget* parent = nullptr);
    ~SceneView() override;

    // Null shows nothing. The zoom and the transform stay as they were.
    void setScene(AbstractScene* scene);
    AbstractScene* scene() const { return m_scene; }
    // The shown scene, which is shown no longer.
    AbstractScene* takeScene();

    bool supportsOpenGL() const { return true; }
    // True at construction although the plain viewport is kept until the
    // flag is switched off and on again.
    bool openGL() const { return m_openGL; }
    void setOpenGL(bool enabled);

    double viewScale() const { return m_viewScale; }
    // Values strictly between 0.999 and 1.0111 become exactly 1.0. Works
    // without a scene too; the scene, when shown, gets the new scale.
    void setViewScale(double scale);
    // Zooms so that the whole scene fits the viewport, never above 1.0.
    // Nothing without a scene or while the scene has no positive size.
    void fitIn();

    // The lowest scale the wheel zooms out to (not fitIn() nor
    // setViewScale()); a view of a very large picture lowers it.
    double minimumWheelScale() const { return m_minimumWheelScale; }
    void setMinimumWheelScale(double scale) { m_minimumWheelScale = scale; }

    // The soft shadow along the viewport's top and right edges; on by
    // default.
    bool drawTileShadow() const { return m_drawTileShadow; }
    void setDrawTileShadow(bool on);

signals:
    void viewScaleChanged();

protected:
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;

private slots:
    void slotLayoutScene();
    void slotUpdateViewTransform();
    void slotPasteActionTriggered();
    void slotSceneDestroyed(QObject* object);

private:
    static double snapped(double scale);
    void applyScale(double scale);
    void makeShadowTiles();
    void setTransparentBase(QPalette palette);

    double m_viewScale = 1.0;
    double m_minimumWheelScale = defaultMinimumWheelScale;
    bool m_openGL = true;
    AbstractScene* m_scene = nullptr;
    QPixmap* m_shadowTileH = nullptr;
    QPixmap* m_shadowTileV = nullptr;
    bool m_drawTileShadow = true;
};
