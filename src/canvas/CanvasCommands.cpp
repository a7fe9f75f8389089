// The editing commands of a canvas: mouse and key handling, the stacking
// menu, pasting, dropping image files and the relays that carry a change
// made on one content to the other selected ones.
#include "canvas/Canvas.h"

#include "appframe/ModalPrompts.h"
#include "canvas/AbstractContent.h"
#include "canvas/ButtonItem.h"
#include "canvas/CornerItem.h"
#include "canvas/FrameFactory.h"
#include "canvas/PictureContent.h"

#include <QClipboard>
#include <QCursor>
#include <QDebug>
#include <QFileInfo>
#include <QGraphicsSceneContextMenuEvent>
#include <QGraphicsSceneDragDropEvent>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPointer>

#include <cmath>

namespace {

QPoint roundedPoint(const QPointF& point)
{
    return QPoint(int(std::lround(point.x())), int(std::lround(point.y())));
}

// "." and every format the image reader knows, lower case.
QStringList imageSuffixes()
{
    QStringList suffixes;
    const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    for (const QByteArray& format : formats)
        suffixes << QLatin1Char('.') + QString::fromLatin1(format).toLower();
    return suffixes;
}

bool namesImage(const QUrl& url, const QStringList& suffixes)
{
    const QString text = url.toString();
    const bool candidate = url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("ftp")
        || !text.isEmpty();
    if (!candidate)
        return false;
    for (const QString& suffix : suffixes) {
        if (text.endsWith(suffix, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace

void Canvas::contextMenuEvent(QGraphicsSceneContextMenuEvent* event)
{
    const bool fromHandle = m_rightPressOnHandle;
    m_rightPressOnHandle = false;
    if (fromHandle && event->reason() == QGraphicsSceneContextMenuEvent::Mouse) {
        event->accept();
        return;
    }
    QGraphicsScene::contextMenuEvent(event);
}

void Canvas::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    qDebug("mousePressEvent");
    QGraphicsScene::mousePressEvent(event);
    // A right button pressed on a handle starts a drag (a corner scales
    // keeping the ratio). The menu request the same click makes, with the
    // press (X11, macOS) or after the release (Windows, wherever the mouse
    // then is), is no request for the menu of the content below.
    QGraphicsItem* grabber = mouseGrabberItem();
    m_rightPressOnHandle = event->button() == Qt::RightButton
        && (dynamic_cast<CornerItem*>(grabber) || dynamic_cast<ButtonItem*>(grabber));
}

void Canvas::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    event->setAccepted(false);
    QGraphicsScene::mouseDoubleClickEvent(event);
}

void Canvas::keyPressEvent(QKeyEvent* event)
{
    // A content with the focus (a text being edited) has the keys first.
    QGraphicsScene::keyPressEvent(event);
    if (event->isAccepted())
        return;
    if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace)
        slotDeleteContent();
}

void Canvas::dragEnterEvent(QGraphicsSceneDragDropEvent* event)
{
    QGraphicsScene::dragEnterEvent(event);
    event->setAccepted(false);
    const QMimeData* mime = event->mimeData();
    if (!mime || !mime->hasUrls())
        return;
    const QStringList suffixes = imageSuffixes();
    const QList<QUrl> urls = mime->urls();
    for (const QUrl& url : urls) {
        if (namesImage(url, suffixes)) {
            event->accept();
            return;
        }
    }
}

void Canvas::dragMoveEvent(QGraphicsSceneDragDropEvent* event)
{
    event->setAccepted(false);
    QGraphicsScene::dragMoveEvent(event);
    if (event->isAccepted())
        return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void Canvas::dropEvent(QGraphicsSceneDragDropEvent* event)
{
    event->setAccepted(false);
    QGraphicsScene::dropEvent(event);
    if (event->isAccepted())
        return;
    const QMimeData* mime = event->mimeData();
    if (!mime || !mime->hasUrls())
        return;
    event->accept();

    QPoint position = roundedPoint(event->scenePos());
    const QList<QUrl> urls = mime->urls();
    for (const QUrl& url : urls) {
        const QString path = url.toLocalFile();
        if (path.isEmpty() || !QFileInfo::exists(path))
            continue;
        const bool changedBefore = m_changed;
        PictureContent* picture = createPicture(position, false);
        if (!picture->loadFromFile(path, true, true, false)) {
            discardContent(picture, changedBefore);
            continue;
        }
        position += QPoint(30, 30);
    }
}

void Canvas::pasteFromClipboard()
{
    const QString text = QGuiApplication::clipboard()->text(QClipboard::Clipboard);
    if (text.trimmed().isEmpty())
        return;
    QPoint position = roundedPoint(sceneRectangle().center());
    if (QGraphicsView* view = mainGraphicsView())
        position = roundedPoint(view->mapToScene(view->mapFromGlobal(QCursor::pos())));
    // The text keeps its blanks: they may be what the user meant.
    createPastedText(position, text);
}

void Canvas::slotContextMenu(QPoint scenePoint)
{
    Q_UNUSED(scenePoint);
    // Guarded: the menu runs the event loop, in which the content may go.
    QPointer<AbstractContent> content = qobject_cast<AbstractContent*>(QObject::sender());
    if (!content)
        return;

    QMenu menu;
    // The sub-menu's title has never been translated.
    QMenu* layout = menu.addMenu(QStringLiteral("Layout"));
    struct Row
    {
        const char* icon;
        QString text;
        const char* slot;
    };
    const Row rows[] = {
        {":/data/action-order-front.png", tr("To Front"), SLOT(slotStackFront())},
        {":/data/action-order-raise.png", tr("Raise"), SLOT(slotStackRaise())},
        {":/data/action-order-lower.png", tr("Lower"), SLOT(slotStackLower())},
        {":/data/action-order-back.png", tr("To Back"), SLOT(slotStackBack())},
    };
    for (const Row& row : rows) {
        QAction* action = layout->addAction(QIcon(QString::fromLatin1(row.icon)), row.text);
        action->setShortcut(QKeySequence());
        connect(action, SIGNAL(triggered()), content.data(), row.slot);
    }
    ModalPrompts::execMenu(&menu, QCursor::pos());
    if (content)
        content->setSelected(true);
}

void Canvas::slotCollateContent()
{
    // Nothing to lay out: the selection stays as it is.
}

void Canvas::slotApplyShape(quint32 frameClass, bool allContent)
{
    const QList<AbstractContent*> contents = m_contents;
    for (AbstractContent* content : contents) {
        if (!allContent && !content->isSelected())
            continue;
        if (content->frameClass() != frameClass)
            content->setFrame(FrameFactory::createFrame(frameClass));
    }
}

void Canvas::slotChangeShapeAlpha(int alpha)
{
    for (AbstractContent* content : std::as_const(m_contents)) {
        if (content->isSelected() && content->frameClass() != 0)
            content->setFrameAlpha(alpha);
    }
}

void Canvas::slotChangeShapeColor(QColor color)
{
    for (AbstractContent* content : std::as_const(m_contents)) {
        if (content->isSelected() && content->frameClass() != 0)
            content->setFrameColor(color);
    }
}

void Canvas::slotChangeShapeMargin(int margin)
{
    for (AbstractContent* content : std::as_const(m_contents)) {
        if (content->isSelected() && content->frameClass() != 0)
            content->setFrameMargin(margin);
    }
}

void Canvas::slotApplyEffect(const PictureEffect& effect, bool allPictures)
{
    const QList<AbstractContent*> contents = m_contents;
    for (AbstractContent* content : contents) {
        auto* picture = qobject_cast<PictureContent*>(content);
        if (picture && (allPictures || picture->isSelected()))
            picture->addEffect(effect);
    }
}

void Canvas::slotFlipHorizontally()
{
    relayToSelectedPictures(PictureEffect(PictureEffect::FlipHorizontally, 0.0, false));
}

void Canvas::slotFlipVertically()
{
    relayToSelectedPictures(PictureEffect(PictureEffect::FlipVertically, 0.0, false));
}

void Canvas::relayToSelectedPictures(const PictureEffect& effect)
{
    const QList<QGraphicsItem*> selected = selectedItems();
    for (QGraphicsItem* item : selected) {
        if (auto* picture = dynamic_cast<PictureContent*>(item))
            picture->addEffect(effect);
    }
}
