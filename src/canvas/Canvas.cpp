#include "canvas/Canvas.h"

#include "appframe/ModalPrompts.h"
#include "canvas/AbstractContent.h"
#include "canvas/CanvasModeInfo.h"
#include "canvas/FrameFactory.h"
#include "canvas/PictureContent.h"
#include "canvas/RenderOpts.h"
#include "canvas/SelectionProperties.h"
#include "canvas/TextContent.h"
#include "files/IQImageLimits.h"
#include "platform/RandomSource.h"

#include <QDomElement>
#include <QGraphicsView>
#include <QLinearGradient>
#include <QMetaMethod>
#include <QPainter>
#include <QPointer>

#include <algorithm>
#include <cmath>

namespace {

// Registered once so the border travels in queued signals.
const int borderTypeId = qRegisterMetaType<CanvasBorder>();

} // namespace

Canvas::Canvas(int dpiX, int dpiY, QObject* parent)
    : AbstractScene(parent)
    , m_baseDir(QString())
    , m_modeInfo(new CanvasModeInfo)
{
    Q_UNUSED(borderTypeId);
    m_modeInfo->setCanvasDpi(float(dpiX), float(dpiY));
    connect(this, &QGraphicsScene::selectionChanged, this, &Canvas::slotSelectionChanged);

    m_checker = QPixmap(100, 100);
    m_checker.fill(Qt::lightGray);
    {
        QPainter painter(&m_checker);
        painter.fillRect(0, 0, 50, 50, Qt::darkGray);
        painter.fillRect(50, 50, 50, 50, Qt::darkGray);
    }
    resize(QSize(1, 1));
}

Canvas::~Canvas()
{
    // Nothing may answer the selection changes of the teardown.
    disconnect(this, &QGraphicsScene::selectionChanged, this, &Canvas::slotSelectionChanged);
    while (!m_contents.isEmpty())
        deleteContent(m_contents.first());
    m_backContent = nullptr;
    qDeleteAll(m_markers);
    m_markers.clear();
    delete m_modeInfo;
}

void Canvas::clearContent()
{
    while (!m_contents.isEmpty())
        deleteContent(m_contents.first());
    m_backContent = nullptr;
}

void Canvas::initContent(AbstractContent* content, const QPoint& pos)
{
    if (!content)
        return;
    connect(content, &AbstractContent::changeStack, this, &Canvas::slotStackContent);
    connect(content, &AbstractContent::requestProertyMenu, this, &Canvas::slotContextMenu);
    // Queued: a content asks from its own panel's handlers, which must
    // return before the frames they show are replaced.
    connect(content, &AbstractContent::changeFrame, this, &Canvas::slotApplyShape, Qt::QueuedConnection);
    connect(content, &AbstractContent::changeShapeAlpha, this, &Canvas::slotChangeShapeAlpha, Qt::QueuedConnection);
    connect(content, &AbstractContent::changeShapeMargin, this, &Canvas::slotChangeShapeMargin, Qt::QueuedConnection);
    connect(content, &AbstractContent::changeShapeColor, this, &Canvas::slotChangeShapeColor, Qt::QueuedConnection);
    // Queued: the content asks from its own handlers. The guard tells a
    // request of a content gone meanwhile, which then removes nothing.
    connect(
        content, &AbstractContent::requestRemoval, this,
        [this, guard = QPointer<AbstractContent>(content)] {
            if (guard && m_contents.contains(guard.data()))
                deleteRequested(guard.data());
        },
        Qt::QueuedConnection);
    if (!pos.isNull())
        content->setPos(pos);
    content->setZValue(m_contents.isEmpty() ? 1.0 : m_contents.last()->zValue() + 1.0);
    content->setVisible(true);
    // Connected after the placing: that is part of adding, marked below.
    connect(content, &AbstractContent::contentEdited, this, &Canvas::slotContentEdited);
    m_contents.append(content);
    m_changed = true;
}

void Canvas::addManualContent(AbstractContent* content, const QPoint& pos)
{
    initContent(content, pos);
}

PictureContent* Canvas::createPicture(const QPoint& pos, bool fadeIn)
{
    auto* picture = new PictureContent(fadeIn, this, int(FrameFactory::defaultFrameClass()));
    initContent(picture, pos);
    connect(picture, &PictureContent::flipHorizontally, this, &Canvas::slotFlipHorizontally);
    connect(picture, &PictureContent::flipVertically, this, &Canvas::slotFlipVertically);
    const auto relay = [this](int code) {
        return [this, code](int value) { relayToSelectedPictures(PictureEffect(code, double(value), false)); };
    };
    connect(picture, &PictureContent::saturation, this, relay(PictureEffect::Saturation));
    connect(picture, &PictureContent::contrast, this, relay(PictureEffect::Contrast));
    connect(picture, &PictureContent::brightness, this, relay(PictureEffect::Brightness));
    connect(picture, &PictureContent::sharpness, this, relay(PictureEffect::Sharpness));
    connect(picture, &PictureContent::temperature, this, relay(PictureEffect::Temperature));
    connect(picture, &PictureContent::tint, this, relay(PictureEffect::Tint));
    connect(picture, &PictureContent::effect, this,
        [this](int effectId) { relayToSelectedPictures(PictureEffect(effectId, 0.0, false)); });
    return picture;
}

void Canvas::discardContent(AbstractContent* content, bool changedBefore)
{
    // An attempt that made nothing is no change.
    m_changed = changedBefore;
    disconnect(content, nullptr, this, nullptr);
    m_contents.removeAll(content);
    delete content;
}

void Canvas::addPictureContent(const QString& path, const QImage& image, QPoint pos)
{
    const bool changedBefore = m_changed;
    PictureContent* picture = createPicture(pos, false);
    if (!picture->loadFromFile(path, image, true, true, false)) {
        discardContent(picture, changedBefore);
        return;
    }
    picture->setSelected(true);
    if (!m_modeInfo->isFixedSize())
        return;

    const QSizeF fixed = m_modeInfo->fixedSize();
    const int minW = int(std::lround(fixed.width())) / 8;
    const int minH = int(std::lround(fixed.height())) / 8;
    const QRect cr = picture->contentRect();
    const int iw = image.width();
    const int ih = image.height();
    int newW = 0;
    int newH = 0;
    // Single precision, as the size has always been worked out.
    if (cr.width() < minW) {
        newW = qMin(minW, iw);
        newH = int(float(ih) * (float(newW) / float(iw)));
    } else if (cr.height() < minH) {
        newH = qMin(minH, ih);
        newW = int(float(iw) * (float(newH) / float(ih)));
    } else {
        return;
    }
    const int cx = (cr.left() + cr.right()) / 2;
    const int cy = (cr.top() + cr.bottom()) / 2;
    const int left = cx - newW / 2;
    const int top = cy - newH / 2;
    picture->resizeContents(QRect(left, top, newW, newH), true);
}

TextContent* Canvas::createText(const QPoint& pos, bool fadeIn)
{
    auto* text = new TextContent(fadeIn, this, 0);
    initContent(text, pos);
    return text;
}

void Canvas::addTextContent()
{
    clearSelection();
    TextContent* text = createText(visibleCenter(), false);
    text->setSelected(true);
}

void Canvas::deleteContent(AbstractContent* content)
{
    if (!content)
        return;
    const bool isBack = content == m_backContent;
    if (isBack) {
        disconnect(content, &AbstractContent::contentChanged, this, &Canvas::slotBackContentChanged);
        m_backContent = nullptr;
        m_changed = true;
        update();
    }
    disconnect(content, nullptr, this, nullptr);
    m_contents.removeAll(content);
    content->dispose(!isBack);
}

void Canvas::selectAllContent(bool selected)
{
    for (AbstractContent* content : std::as_const(m_contents))
        content->setSelected(selected);
}

QGraphicsView* Canvas::mainGraphicsView() const
{
    const QList<QGraphicsView*> all = views();
    return all.isEmpty() ? nullptr : all.first();
}

QPoint Canvas::visibleCenter() const
{
    QPoint center;
    if (QGraphicsView* view = mainGraphicsView()) {
        const QRect r = view->viewport()->rect();
        const QPoint viewportCenter((r.right() - r.left()) / 2, (r.bottom() - r.top()) / 2);
        center = view->mapToScene(viewportCenter).toPoint();
    } else {
        center = sceneRectangle().center().toPoint();
    }
    const int dx = 2 - int(RandomSource::next() % 5);
    const int dy = 2 - int(RandomSource::next() % 5);
    return center + QPoint(dx, dy);
}

void Canvas::clearMarkers()
{
    qDeleteAll(m_markers);
    m_markers.clear();
}

void Canvas::addMarker(QGraphicsItem* marker)
{
    if (!marker)
        return;
    if (marker->scene() != this)
        addItem(marker);
    m_markers.append(marker);
}

void Canvas::resize(const QSize& size)
{
    if (m_modeInfo->isFixedSize()) {
        const QSizeF fixed = m_modeInfo->fixedSize();
        AbstractScene::resize(QSize(int(std::round(fixed.width())), int(std::round(fixed.height()))));
        return;
    }
    emit adaptionSizeChanged(size);
    AbstractScene::resize(size);
}

void Canvas::resizeEvent()
{
    // A view that is not on screen yet offers its provisional size (640 x 480
    // before any layout); keeping contents inside it would crowd a project
    // just read into that corner for good. Only a size the user sees counts.
    const QList<QGraphicsView*> shownIn = views();
    if (!shownIn.isEmpty()
        && std::none_of(shownIn.cbegin(), shownIn.cend(), [](QGraphicsView* view) { return view->window()->isVisible(); }))
        return;
    // Keeping contents inside a smaller view is no edit of the user's.
    ++m_quietEdits;
    for (AbstractContent* content : std::as_const(m_contents))
        content->ensureVisible(sceneRectangle());
    --m_quietEdits;
}

bool Canvas::pendingChanges() const
{
    return !m_contents.isEmpty() && m_changed;
}

void Canvas::markChanged()
{
    if (m_quietEdits == 0)
        m_changed = true;
}

void Canvas::slotContentEdited()
{
    markChanged();
}

void Canvas::slotMarkChanges()
{
    m_changed = true;
}

void Canvas::slotResetChanges()
{
    m_changed = false;
}

QWidget* Canvas::createContentPanel(AbstractContent* content)
{
    // The receiver owns the panel; with none listening it would be nobody's.
    if (!isSignalConnected(QMetaMethod::fromSignal(&Canvas::showPropertiesWidget)))
        return nullptr;
    return content->createPropertyWidget(content->contentName(), nullptr);
}

QWidget* Canvas::createSelectionPanel(const QList<AbstractContent*>& contents)
{
    // Only a receiver of the signal takes a panel over; without one it
    // would be lost.
    if (!isSignalConnected(QMetaMethod::fromSignal(&Canvas::showPropertiesWidget)))
        return nullptr;
    auto* panel = new SelectionProperties(contents, nullptr);
    connect(panel, &SelectionProperties::collateSelection, this, &Canvas::slotCollateContent);
    // Queued: the deletion replaces this panel, whose click is still running.
    connect(panel, &SelectionProperties::deleteSelection, this, &Canvas::slotDeleteContent, Qt::QueuedConnection);
    return panel;
}

AbstractContent* Canvas::listedSender() const
{
    // Compared as a pointer only: a queued request may come from a content
    // already gone, which must not be touched.
    const QObject* from = QObject::sender();
    if (!from)
        return nullptr;
    for (AbstractContent* content : m_contents) {
        if (static_cast<const QObject*>(content) == from)
            return content;
    }
    return nullptr;
}

void Canvas::slotSelectionChanged()
{
    const QList<QGraphicsItem*> selected = selectedItems();
    QList<AbstractContent*> contents;
    for (QGraphicsItem* item : selected) {
        if (auto* content = dynamic_cast<AbstractContent*>(item))
            contents.append(content);
    }
    if (selected.size() == 1 && contents.size() == 1) {
        emit showPropertiesWidget(createContentPanel(contents.first()));
        return;
    }
    emit showPropertiesWidget(contents.isEmpty() ? nullptr : createSelectionPanel(contents));
}

void Canvas::slotStackContent(int op)
{
    AbstractContent* sender = listedSender();
    const int n = int(m_contents.size());
    const int idx = sender ? int(m_contents.indexOf(sender)) : -1;
    if (idx < 0 || n < 2)
        return;

    int above = n - 1;
    int below = 0;
    const QList<QGraphicsItem*> overlapping =
        items(sender->sceneBoundingRect(), Qt::IntersectsItemShape, Qt::DescendingOrder, QTransform());
    for (QGraphicsItem* item : overlapping) {
        auto* other = dynamic_cast<AbstractContent*>(item);
        if (!other || other == sender)
            continue;
        const int j = int(m_contents.indexOf(other));
        if (idx < j && j < above)
            above = j;
        else if (below < j && j < idx)
            below = j;
    }

    const QList<AbstractContent*> before = m_contents;
    switch (op) {
    case 1:
        m_contents.move(idx, n - 1);
        break;
    case 2:
        if (idx >= n - 1)
            return;
        m_contents.move(idx, above);
        break;
    case 3:
        if (idx < 1)
            return;
        m_contents.move(idx, below);
        break;
    case 4:
        m_contents.move(idx, 0);
        break;
    default:
        break;
    }
    // Renumbering alone is no edit; a new order is.
    ++m_quietEdits;
    for (int i = 0; i < n; ++i)
        m_contents.at(i)->setZValue(i + 1.0);
    --m_quietEdits;
    if (m_contents != before)
        markChanged();
}


void Canvas::slotDeleteContent()
{
    deleteRequested(listedSender());
}

void Canvas::deleteRequested(AbstractContent* requester)
{
    // Guarded: events run during the question and may free a content.
    QList<QPointer<AbstractContent>> doomed;
    for (QGraphicsItem* item : selectedItems()) {
        if (auto* content = dynamic_cast<AbstractContent*>(item))
            doomed.append(content);
    }
    if (requester && !doomed.contains(requester))
        doomed = {requester};
    if (doomed.isEmpty())
        return;

    if (doomed.size() >= 2) {
        const QMessageBox::StandardButton answer = ModalPrompts::question(nullptr, tr("Delete content"),
            tr("All the %1 selected content will be deleted, do you want to continue?").arg(doomed.size()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton);
        if (answer != QMessageBox::Yes)
            return;
    }
    bool deleted = false;
    for (const QPointer<AbstractContent>& content : std::as_const(doomed)) {
        if (content.isNull() || !m_contents.contains(content.data()))
            continue;
        deleteContent(content.data());
        deleted = true;
    }
    if (deleted)
        m_changed = true;
}

void Canvas::setBackColor(const CanvasBackColor& backColor)
{
    if (backColor != m_backColor)
        markChanged();
    m_backColor = backColor;
    update();
}

void Canvas::setBorder(const CanvasBorder& border)
{
    if (border != m_border)
        markChanged();
    m_border = border;
    update();
}

void Canvas::setBackContent(AbstractContent* content)
{
    if (content == m_backContent)
        return;
    if (content && !m_contents.contains(content))
        return;
    // The old one would otherwise stay in the list, hidden for good.
    if (m_backContent) {
        AbstractContent* old = m_backContent;
        m_backContent = nullptr;
        disconnect(old, &AbstractContent::contentChanged, this, &Canvas::slotBackContentChanged);
        disconnect(old, nullptr, this, nullptr);
        m_contents.removeAll(old);
        old->dispose(false);
    }
    m_backContent = content;
    if (content) {
        connect(content, &AbstractContent::contentChanged, this, &Canvas::slotBackContentChanged);
        content->setSelected(false);
        content->setVisible(false);
    }
    m_changed = true;
    update();
}

void Canvas::clearBackgroundContent()
{
    if (!m_backContent)
        return;
    AbstractContent* old = m_backContent;
    m_backContent = nullptr;
    disconnect(old, nullptr, this, nullptr);
    m_contents.removeAll(old);
    old->dispose(false);
    m_changed = true;
    update();
}

void Canvas::clearBackContent()
{
    if (!m_backContent)
        return;
    // Back among the ordinary contents: visible, selectable, its picture
    // changes no longer repaint the background.
    AbstractContent* old = m_backContent;
    m_backContent = nullptr;
    disconnect(old, &AbstractContent::contentChanged, this, &Canvas::slotBackContentChanged);
    old->setVisible(true);
    m_changed = true;
    update();
}

void Canvas::setBackContentRatio(Qt::AspectRatioMode ratio)
{
    if (ratio == m_backContentRatio)
        return;
    m_backContentRatio = ratio;
    markChanged();
    update();
}

bool Canvas::setBackgroundContent(const QString& path, const QImage& image)
{
    return replaceBackContent(
        [&](PictureContent* picture) { return picture->loadFromFile(path, image, true, true, false); });
}

bool Canvas::setBackgroundContent(const QString& path, const QPixmap& pixmap, const QImage& mask)
{
    return replaceBackContent(
        [&](PictureContent* picture) { return picture->loadFromFile(path, pixmap, mask, true, true, false); });
}

bool Canvas::replaceBackContent(const std::function<bool(PictureContent*)>& load)
{
    clearSelection();
    const bool changedBefore = m_changed;
    PictureContent* picture = createPicture(visibleCenter(), false);
    if (!load(picture)) {
        discardContent(picture, changedBefore);
        return false;
    }
    deleteContent(m_backContent);
    setBackContent(picture);
    return true;
}

PictureContent* Canvas::backContent() const
{
    return qobject_cast<PictureContent*>(m_backContent);
}

void Canvas::setBackgroundMask(const QImage& mask)
{
    clearSelection();
    if (PictureContent* picture = backContent()) {
        picture->setMask(mask);
        markChanged();
    }
    update();
}

void Canvas::applyBackgroundEffect(const PictureEffect& effect)
{
    PictureContent* picture = backContent();
    if (!picture)
        return;
    picture->addEffect(effect);
    markChanged();
    update();
}

void Canvas::slotBackContentChanged()
{
    update();
}

void Canvas::slotBackgroundContent()
{
    setBackContent(qobject_cast<AbstractContent*>(QObject::sender()));
}

void Canvas::slotTitleColorChanged()
{
    update(QRectF(0, 0, sceneRectangle().width(), 50));
}

void Canvas::slotForeColorChanged()
{
    update();
}

void Canvas::slotGradColorChanged()
{
    update();
}

void Canvas::drawBackground(QPainter* painter, const QRectF& exposed)
{
    const QRect scene = sceneRectangle().toAlignedRect();
    const QRect paint = exposed.toAlignedRect().intersected(scene);

    const bool covered =
        m_backContent && m_backContent->contentOpaque() && m_backContentRatio == Qt::IgnoreAspectRatio;
    if (!covered) {
        switch (m_backColor.mode) {
        case 2: {
            QLinearGradient gradient(0, 0, 0, scene.height());
            gradient.setColorAt(0.0, m_backColor.topColor);
            gradient.setColorAt(1.0, m_backColor.bottomColor);
            const QPainter::CompositionMode previous = painter->compositionMode();
            painter->setCompositionMode(QPainter::CompositionMode_Source);
            painter->fillRect(paint, gradient);
            painter->setCompositionMode(previous);
            break;
        }
        case 1:
            painter->fillRect(paint, m_backColor.color);
            break;
        case 0:
            if (!RenderOpts::HQRendering && m_backColor.showGrid)
                painter->drawTiledPixmap(paint, m_checker, QPoint(paint.x() % 100, paint.y() % 100));
            else
                painter->fillRect(paint, Qt::transparent);
            break;
        default:
            break;
        }
    }
    if (m_backContent)
        m_backContent->drawContent(painter, scene, m_backContentRatio);
    drawBorder(painter, exposed);
}

void Canvas::drawForeground(QPainter* painter, const QRectF& exposed)
{
    Q_UNUSED(painter);
    Q_UNUSED(exposed);
}

void Canvas::drawBorder(QPainter* painter, const QRectF& exposed)
{
    Q_UNUSED(exposed);
    if (!m_border.top && !m_border.left && !m_border.bottom && !m_border.right)
        return;
    const int w = sceneSize().width();
    const int h = sceneSize().height();
    const int b = m_border.width;
    QColor color = m_border.color;
    color.setAlpha(m_border.opacity);

    // Inclusive corners; the side bands stop at the top and bottom bands so
    // no pixel is covered twice.
    const auto band = [&](int x1, int y1, int x2, int y2) {
        painter->fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), color);
    };
    if (m_border.top)
        band(0, 0, w - 1, b - 1);
    if (m_border.bottom)
        band(0, h - b, w - 1, h - 1);
    const int y1 = m_border.top ? b : 0;
    const int y2 = m_border.bottom ? h - b - 1 : h - 1;
    if (m_border.left)
        band(0, y1, b - 1, y2);
    if (m_border.right)
        band(w - b, y1, w - 1, y2);
}

void Canvas::renderVisible(QPainter* painter, const QRectF& target, const QRectF& source, Qt::AspectRatioMode mode,
    bool hideTools)
{
    // Output shows what the panels show, not an earlier state in flight.
    for (AbstractContent* content : std::as_const(m_contents)) {
        if (auto* picture = qobject_cast<PictureContent*>(content))
            picture->waitForRender();
    }
    if (hideTools) {
        clearSelection();
        for (QGraphicsItem* marker : std::as_const(m_markers))
            marker->hide();
    }
    RenderOpts::HQRendering = true;
    render(painter, target, source, mode);
    RenderOpts::HQRendering = false;
    if (hideTools) {
        for (QGraphicsItem* marker : std::as_const(m_markers))
            marker->show();
    }
}

QImage Canvas::renderedImage(const QSize& size, Qt::AspectRatioMode mode, bool hideTools, QImage::Format format)
{
    if (size.isEmpty() || IQImageLimits::exceedsLimit(size, format)) {
        qWarning("Canvas::renderedImage: no image of %d x %d can be made", size.width(), size.height());
        return QImage();
    }
    QImage image(size, format);
    if (image.isNull()) {
        qWarning("Canvas::renderedImage: no image of %d x %d can be made", size.width(), size.height());
        return QImage();
    }
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    const QSize scaled = sceneSize().scaled(size, mode);
    const QRect target((size.width() - scaled.width()) / 2, (size.height() - scaled.height()) / 2, scaled.width(),
        scaled.height());
    renderVisible(&painter, target, sceneRectangle(), Qt::IgnoreAspectRatio, hideTools);
    painter.end();
    return image;
}
