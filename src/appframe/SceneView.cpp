#include "appframe/SceneView.h"

#include "appframe/AbstractScene.h"

#include <QAction>
#include <QApplication>
#include <QLinearGradient>
#include <QOpenGLWidget>
#include <QPainter>
#include <QPixmap>
#include <QWheelEvent>

#include <algorithm>

namespace {

// The shadow bands: tiles of this length, this deep.
constexpr int shadowTileLength = 64;
constexpr int shadowDepth = 8;

constexpr double wheelZoomIn = 1.1;
constexpr double wheelZoomOut = 0.9;

} // namespace

SceneView::SceneView(QWidget* parent)
    : QGraphicsView(parent)
{
    setInteractive(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    setDragMode(QGraphicsView::ScrollHandDrag);
    setAcceptDrops(true);
    setFrameStyle(QFrame::NoFrame);
    // The view paints no background of its own: the scene's shows.
    setTransparentBase(QPalette());

    auto* paste = new QAction(tr("Paste"), this);
    paste->setShortcut(QKeySequence::Paste);
    addAction(paste);
    connect(paste, &QAction::triggered, this, &SceneView::slotPasteActionTriggered);
}

SceneView::~SceneView()
{
    delete m_shadowTileH;
    delete m_shadowTileV;
}

void SceneView::setScene(AbstractScene* scene)
{
    if (scene == m_scene)
        return;
    if (m_scene)
        m_scene->disconnect(this);
    m_scene = scene;
    QGraphicsView::setScene(scene);
    if (scene) {
        connect(scene, &QObject::destroyed, this, &SceneView::slotSceneDestroyed);
        connect(scene, &AbstractScene::sceneSizeChanged, this, &SceneView::slotLayoutScene);
        slotLayoutScene();
    }
}

AbstractScene* SceneView::takeScene()
{
    AbstractScene* scene = m_scene;
    setScene(nullptr);
    return scene;
}

void SceneView::setOpenGL(bool enabled)
{
    if (enabled == m_openGL)
        return;
    m_openGL = enabled;
    if (enabled) {
        setViewport(new QOpenGLWidget);
        setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    } else {
        setViewport(new QWidget);
        setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    }
    setTransparentBase(QApplication::palette());
    update();
}

void SceneView::setTransparentBase(QPalette palette)
{
    palette.setBrush(QPalette::Base, Qt::NoBrush);
    setPalette(palette);
}

double SceneView::snapped(double scale)
{
    return (scale > 0.999 && scale < 1.0111) ? 1.0 : scale;
}

void SceneView::applyScale(double scale)
{
    m_viewScale = snapped(scale);
    slotUpdateViewTransform();
    if (m_scene)
        m_scene->setViewScale(m_viewScale);
    emit viewScaleChanged();
}

void SceneView::setViewScale(double scale)
{
    // Compared before snapping: asking for 1.005 at 1.0 re-applies 1.0.
    if (scale == m_viewScale)
        return;
    applyScale(scale);
}

void SceneView::fitIn()
{
    if (!m_scene)
        return;
    const QSize size = m_scene->sceneSize();
    const QRect viewport = this->viewport()->contentsRect();
    // A scene not sized yet is (-1, -1), and a view not laid out yet may be
    // empty: there is nothing to fit, and a zero or negative scale would
    // turn the picture over or make it vanish.
    if (size.width() <= 0 || size.height() <= 0 || viewport.isEmpty())
        return;
    double fit = std::min(double(viewport.width()) / size.width(), double(viewport.height()) / size.height());
    fit = std::min(fit, 1.0);
    if (fit == m_viewScale)
        return;
    applyScale(fit);
}

void SceneView::setDrawTileShadow(bool on)
{
    m_drawTileShadow = on;
    viewport()->update();
}

void SceneView::slotUpdateViewTransform()
{
    QTransform transform;
    if (m_viewScale != 1.0)
        transform.scale(m_viewScale, m_viewScale);
    if (m_scene) {
        const QPointF perspective = m_scene->perspective();
        const double rotation = m_scene->rotation();
        const QRectF rect = m_scene->sceneRectangle();
        const QPointF centre(rect.x() + rect.width() / 2, rect.y() + rect.height() / 2);
        transform.translate(centre.x(), centre.y());
        if (rotation != 0.0)
            transform.rotate(rotation, Qt::ZAxis);
        if (!perspective.isNull()) {
            transform.rotate(perspective.y(), Qt::XAxis);
            transform.rotate(perspective.x(), Qt::YAxis);
        }
        transform.translate(-centre.x(), -centre.y());
    }
    setTransform(transform, false);
    slotLayoutScene();
}

void SceneView::slotLayoutScene()
{
    if (!m_scene)
        return;
    const QSize viewSize = viewport()->contentsRect().size();
    m_scene->resize(viewSize);

    QSize sceneSize = m_scene->sceneSize();
    if (!transform().isIdentity()) {
        const QSizeF mapped = transform().mapRect(m_scene->sceneRectangle()).size();
        sceneSize = QSize(qRound(mapped.width()), qRound(mapped.height()));
    }
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    const bool larger = sceneSize.width() > viewSize.width() || sceneSize.height() > viewSize.height();
    setDragMode(larger ? QGraphicsView::ScrollHandDrag : QGraphicsView::NoDrag);
    viewport()->update();
}

void SceneView::slotPasteActionTriggered()
{
    if (m_scene)
        m_scene->pasteFromClipboard();
}

void SceneView::slotSceneDestroyed(QObject* object)
{
    if (object == m_scene)
        m_scene = nullptr;
}

void SceneView::wheelEvent(QWheelEvent* event)
{
    if (event->modifiers() != Qt::ControlModifier || !m_scene || !m_scene->sceneSelectable()) {
        QGraphicsView::wheelEvent(event);
        return;
    }
    const int delta = event->angleDelta().y();
    double scale = m_viewScale;
    if (delta < 0 && m_viewScale > m_minimumWheelScale)
        scale = std::max(m_minimumWheelScale, wheelZoomOut * m_viewScale);
    else if (delta > 0 && m_viewScale < maxWheelScale)
        scale = std::min(wheelZoomIn * m_viewScale, maxWheelScale);
    if (scale != m_viewScale)
        applyScale(scale);
    // Also at a bound and for a zero delta: a zoom gesture never scrolls.
    event->accept();
}

void SceneView::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    slotLayoutScene();
}

void SceneView::makeShadowTiles()
{
    m_shadowTileH = new QPixmap(shadowTileLength, shadowDepth);
    m_shadowTileH->fill(Qt::transparent);
    QLinearGradient gradient(0, 0, 0, shadowDepth);
    gradient.setColorAt(0.0, QColor(0, 0, 0, 64));
    gradient.setColorAt(0.4, QColor(0, 0, 0, 16));
    gradient.setColorAt(0.7, QColor(0, 0, 0, 5));
    gradient.setColorAt(1.0, QColor(0, 0, 0, 0));
    {
        QPainter painter(m_shadowTileH);
        painter.fillRect(m_shadowTileH->rect(), gradient);
    }
    // Turned a quarter clockwise the dark top edge becomes the right edge.
    m_shadowTileV = new QPixmap(m_shadowTileH->transformed(QTransform().rotate(90), Qt::FastTransformation));
}

void SceneView::drawForeground(QPainter* painter, const QRectF& rect)
{
    QGraphicsView::drawForeground(painter, rect);
    if (!m_shadowTileH)
        makeShadowTiles();
    if (!m_drawTileShadow)
        return;
    painter->save();
    painter->resetTransform();
    const QRect r = viewport()->contentsRect();
    painter->drawTiledPixmap(QRect(r.left(), r.top(), r.width(), shadowDepth), *m_shadowTileH, QPoint(0, 0));
    painter->drawTiledPixmap(QRect(r.width() - shadowDepth, 0, shadowDepth, r.height()), *m_shadowTileV, QPoint(0, 0));
    painter->restore();
}
