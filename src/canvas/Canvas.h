#pragma once

#include "appframe/AbstractScene.h"
#include "canvas/CanvasBackColor.h"
#include "canvas/CanvasBorder.h"
#include "canvas/PictureEffect.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QSize>

#include <functional>

class AbstractContent;
class CanvasModeInfo;
class PictureContent;
class QDomElement;
class QGraphicsSceneContextMenuEvent;
class QGraphicsSceneDragDropEvent;
class QGraphicsSceneMouseEvent;
class QKeyEvent;
class QGraphicsItem;
class QGraphicsView;
class QPainter;
class QWidget;
class TextContent;

// The collage document: a scene holding contents (pictures and texts) in
// stacking order, one of which may be drawn as the background picture, with
// its mode record, size, background, border and change flag. The canvas owns
// its contents, its mode record and its markers. GUI thread only.
class Canvas : public AbstractScene
{
    Q_OBJECT

public:
    // dpiX, dpiY: the output resolution in dots per inch; the workflow
    // passes the main window's physical resolution. Never fails.
    Canvas(int dpiX, int dpiY, QObject* parent);
    ~Canvas() override;

    CanvasModeInfo* modeInfo() const { return m_modeInfo; }
    // Every content, the back content included; index 0 is the bottom-most.
    const QList<AbstractContent*>& contents() const { return m_contents; }
    // Files of contents are stored relative to this folder.
    const QDir& baseDir() const { return m_baseDir; }
    // The project file sets its own folder, so relative paths resolve there.
    void setBaseDir(const QDir& dir) { m_baseDir = dir; }

    // Connects, places (when `pos` is not (0, 0)), stacks on top and lists a
    // content made by the caller; marks a change.
    void initContent(AbstractContent* content, const QPoint& pos);
    void addManualContent(AbstractContent* content, const QPoint& pos);
    // A new picture with the default frame, placed by initContent; its
    // flips and fine-tune changes are relayed to the selected pictures.
    PictureContent* createPicture(const QPoint& pos, bool fadeIn);
    // A picture the user added: selected on success; a failed load leaves
    // no content behind. On a fixed-size canvas a picture narrower than an
    // eighth of the canvas (or, wide enough, lower than an eighth) grows to
    // that size, never beyond its own pixels.
    void addPictureContent(const QString& path, const QImage& image, QPoint pos);
    // A new text, placed by initContent.
    TextContent* createText(const QPoint& pos, bool fadeIn);
    // A new text at the visible centre, selected.
    void addTextContent();

    // The whole canvas inside a project's "canvas" element. Saving leaves
    // the change flag alone: the project writer clears it once the file is
    // committed (slotResetChanges). Saving renders the preview, which
    // deselects every content. Loading replaces everything and clears the
    // flag; it takes untrusted files: bad values are refused with warnings,
    // never reported to the caller.
    void saveToXml(QDomElement& canvasElement) const;
    void loadFromXml(QDomElement& canvasElement);
    // Null is ignored. Removes the content from the list and disposes of it
    // (faded out, the back content at once).
    void deleteContent(AbstractContent* content);
    // Deletes every content.
    void clearContent();
    void selectAllContent(bool selected);
    // The middle of what the view shows (of the scene without a view), moved
    // by -2..+2 in each direction so contents added in a row do not cover
    // each other exactly.
    QPoint visibleCenter() const;
    QGraphicsView* mainGraphicsView() const;

    // Deletes every marker.
    void clearMarkers();
    // Auxiliary items hidden in output; the canvas takes them over.
    void addMarker(QGraphicsItem* marker);
    const QList<QGraphicsItem*>& markers() const { return m_markers; }

    // Fixed mode takes the mode record's size whatever is asked; adaptive
    // mode announces the request and takes it.
    void resize(const QSize& size) override;
    void resizeEvent() override;

    // True when there are contents and something changed since the last
    // save or load.
    bool pendingChanges() const;

    void setBackColor(const CanvasBackColor& backColor);
    CanvasBackColor backColor() const { return m_backColor; }
    void setBorder(const CanvasBorder& border);
    CanvasBorder border() const { return m_border; }

    // A new picture at the visible centre loaded from `image` (or from the
    // ready `pixmap` and its alpha `mask`) replaces the back content. False,
    // and the canvas as before, when it cannot be loaded.
    bool setBackgroundContent(const QString& path, const QImage& image);
    bool setBackgroundContent(const QString& path, const QPixmap& pixmap, const QImage& mask);
    // The content drawn as the background picture; it stays in the list,
    // hidden as an item. A previous back content is disposed of.
    void setBackContent(AbstractContent* content);
    AbstractContent* backContentItem() const { return m_backContent; }
    // The back content when it is a picture, else null.
    PictureContent* backContent() const;
    // Both do nothing to a back content that is missing or not a picture;
    // a change marks the canvas.
    void setBackgroundMask(const QImage& mask);
    void applyBackgroundEffect(const PictureEffect& effect);
    // Removes the back content from the list and disposes of it at once.
    void clearBackgroundContent();
    // Makes the back content an ordinary visible content again.
    void clearBackContent();
    void setBackContentRatio(Qt::AspectRatioMode ratio);
    Qt::AspectRatioMode backContentRatio() const { return m_backContentRatio; }

    void drawBorder(QPainter* painter, const QRectF& exposed);
    // Renders `source` of the scene into `target` without editing aids,
    // once every picture's pending render has landed; with `hideTools` the
    // selection is cleared for good and markers hidden.
    void renderVisible(QPainter* painter, const QRectF& target, const QRectF& source, Qt::AspectRatioMode mode,
        bool hideTools);
    // The scene scaled into `size` with `mode` and centred on transparent.
    // A null image and a warning when no image of `size` can be made.
    QImage renderedImage(const QSize& size, Qt::AspectRatioMode mode = Qt::IgnoreAspectRatio, bool hideTools = true,
        QImage::Format format = QImage::Format_ARGB32_Premultiplied);

    // The 100 x 100 checker pattern of a transparent background.
    const QPixmap& checkerPattern() const { return m_checker; }

    // The scene view's Paste: the clipboard's text as a new text under the
    // mouse, unselected. Blank text does nothing.
    void pasteFromClipboard() override;

signals:
    void backConfigChanged();
    // Null when nothing is selected.
    void showPropertiesWidget(QWidget* widget);
    void adaptionSizeChanged(QSize size);

public slots:
    void slotSelectionChanged();
    void slotBackgroundContent();
    // The stacking menu of the requesting content at the mouse cursor; the
    // point is not used. The content is selected afterwards.
    void slotContextMenu(QPoint scenePoint);
    void slotStackContent(int op);
    // Does nothing: collating a selection has no layout to apply.
    void slotCollateContent();
    void slotDeleteContent();
    // Relays to the selected contents (every content, every picture with
    // the flag). Shape changes skip contents without a frame; a content
    // that has the class already keeps its frame and its settings.
    void slotApplyShape(quint32 frameClass, bool allContent);
    void slotChangeShapeAlpha(int alpha);
    void slotChangeShapeColor(QColor color);
    void slotChangeShapeMargin(int margin);
    void slotApplyEffect(const PictureEffect& effect, bool allPictures);
    void slotFlipHorizontally();
    void slotFlipVertically();
    void slotTitleColorChanged();
    void slotForeColorChanged();
    void slotGradColorChanged();
    void slotBackContentChanged();
    void slotMarkChanges();
    void slotResetChanges();

protected:
    // The content under the mouse opens its menu, unless the click's right
    // button was pressed on a handle (a drag, not a menu request).
    void contextMenuEvent(QGraphicsSceneContextMenuEvent* event) override;
    void dragEnterEvent(QGraphicsSceneDragDropEvent* event) override;
    void dragMoveEvent(QGraphicsSceneDragDropEvent* event) override;
    // Dropped image files become pictures at the drop point, each further
    // one 30 pixels lower right; a picture under the cursor may take the
    // drop itself.
    void dropEvent(QGraphicsSceneDragDropEvent* event) override;
    // Delete and Backspace delete the selection when no content took them.
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;
    void drawBackground(QPainter* painter, const QRectF& exposed) override;
    void drawForeground(QPainter* painter, const QRectF& exposed) override;

    // The property panel of one selected content (its own panel), or of
    // several; null when no one receives showPropertiesWidget(), whose
    // receiver takes it over.
    virtual QWidget* createContentPanel(AbstractContent* content);
    virtual QWidget* createSelectionPanel(const QList<AbstractContent*>& contents);

private slots:
    void slotContentEdited();

private:
    // Marks unless a canvas-made move (resizeEvent, renumbering) is running.
    void markChanged();
    // Hands `effect` to every selected picture, in selection order.
    void relayToSelectedPictures(const PictureEffect& effect);
    // Loads `load` into a new picture and makes it the back content.
    bool replaceBackContent(const std::function<bool(PictureContent*)>& load);
    // Removes a content that never became part of the document, at once,
    // and puts the change flag back to `changedBefore`.
    void discardContent(AbstractContent* content, bool changedBefore);
    // The text contents, made by the text class's own code (CanvasText.cpp):
    // a text for a "text" element, unplaced; a pasted text at `pos`. Null
    // while no text class is built in.
    AbstractContent* createTextForXml();
    AbstractContent* createPastedText(const QPoint& pos, const QString& text);
    // Parts of loadFromXml (CanvasXml.cpp).
    void readBackground(const QDomElement& background);
    void readContents(const QDomElement& contents);
    // The content that sent the running signal, when it is listed.
    AbstractContent* listedSender() const;
    // Deletes the selection, or only `requester` when that is not selected;
    // asks first for two or more.
    void deleteRequested(AbstractContent* requester);

    QDir m_baseDir;
    CanvasModeInfo* m_modeInfo = nullptr;
    QList<AbstractContent*> m_contents;
    CanvasBackColor m_backColor;
    AbstractContent* m_backContent = nullptr;
    Qt::AspectRatioMode m_backContentRatio = Qt::KeepAspectRatioByExpanding;
    QPixmap m_checker;
    CanvasBorder m_border;
    QList<QGraphicsItem*> m_markers;
    bool m_changed = false;
    int m_quietEdits = 0;
    // The last mouse press was the right button's, taken by a handle.
    bool m_rightPressOnHandle = false;
};
