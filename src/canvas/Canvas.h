#pragma once

#include "appframe/AbstractScene.h"
#include "canvas/CanvasBackColor.h"
#include "canvas/CanvasBorder.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QSize>

class AbstractContent;
class CanvasModeInfo;
class PictureContent;
class QDomElement;
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
    // A new picture with the default frame, placed by initContent.
    PictureContent* createPicture(const QPoint& pos, bool fadeIn);
    // A picture the user added: selected on success; a failed load leaves
    // no content behind.
    void addPictureContent(const QString& path, const QImage& image, QPoint pos);
    // A new text, placed by initContent.
    TextContent* createText(const QPoint& pos, bool fadeIn);
    // A new text at the visible centre, selected.
    void addTextContent();

    // The whole canvas inside a project's "canvas" element. Saving leaves
    // the change flag alone: the project writer clears it once the file is
    // committed. Loading replaces everything and clears the flag.
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

    // The content drawn as the background picture; it stays in the list,
    // hidden as an item. A previous back content is disposed of.
    void setBackContent(AbstractContent* content);
    AbstractContent* backContentItem() const { return m_backContent; }
    // Removes the back content from the list and disposes of it at once.
    void clearBackgroundContent();
    // Makes the back content an ordinary visible content again.
    void clearBackContent();
    void setBackContentRatio(Qt::AspectRatioMode ratio);
    Qt::AspectRatioMode backContentRatio() const { return m_backContentRatio; }

    void drawBorder(QPainter* painter, const QRectF& exposed);
    // Renders `source` of the scene into `target` without editing aids; with
    // `hideTools` the selection is cleared for good and markers hidden.
    void renderVisible(QPainter* painter, const QRectF& target, const QRectF& source, Qt::AspectRatioMode mode,
        bool hideTools);
    // The scene scaled into `size` with `mode` and centred on transparent.
    // A null image and a warning when no image of `size` can be made.
    QImage renderedImage(const QSize& size, Qt::AspectRatioMode mode = Qt::IgnoreAspectRatio, bool hideTools = true,
        QImage::Format format = QImage::Format_ARGB32_Premultiplied);

    // The 100 x 100 checker pattern of a transparent background.
    const QPixmap& checkerPattern() const { return m_checker; }

signals:
    void backConfigChanged();
    // Null when nothing is selected.
    void showPropertiesWidget(QWidget* widget);
    void adaptionSizeChanged(QSize size);

public slots:
    void slotSelectionChanged();
    void slotBackgroundContent();
    void slotStackContent(int op);
    // Asked for by the selection panel; the contents stay as they are.
    void slotCollateContent();
    void slotDeleteContent();
    void slotTitleColorChanged();
    void slotForeColorChanged();
    void slotGradColorChanged();
    void slotBackContentChanged();
    void slotMarkChanges();
    void slotResetChanges();

protected:
    void drawBackground(QPainter* painter, const QRectF& exposed) override;
    void drawForeground(QPainter* painter, const QRectF& exposed) override;

    // The property panel of one selected content, or of several; null until
    // the contents provide panels. The receiver of showPropertiesWidget()
    // takes it over.
    virtual QWidget* createContentPanel(AbstractContent* content);
    virtual QWidget* createSelectionPanel(const QList<AbstractContent*>& contents);

private slots:
    void slotContentEdited();

private:
    // Marks unless a canvas-made move (resizeEvent, renumbering) is running.
    void markChanged();
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
};
