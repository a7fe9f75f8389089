#pragma once

#include "canvas/AbstractContent.h"

#include <QFont>
#include <QList>
#include <QMap>
#include <QPainterPath>
#include <QRect>
#include <QString>

class BezierCubicItem;
class QTextDocument;

// The text item of a canvas: a rich-text document measured and drawn by the
// item itself, block by block, either in straight lines or along a cubic
// curve that the user shapes with a curve editor (a hidden child item,
// shown while the curve is edited). Only each fragment's font and colour
// reach the canvas; alignment, indents and backgrounds are not drawn.
//
// The item owns its document and its curve editor. Every change of the
// text or of the curve emits contentEdited(). GUI thread only.
class TextContent : public AbstractContent
{
    Q_OBJECT
    Q_PROPERTY(QString html READ toHtml WRITE setHtml)
    Q_PROPERTY(bool hasShape READ hasShape NOTIFY notifyHasShape)
    Q_PROPERTY(bool shapeEditing READ isShapeEditing WRITE setShapeEditing NOTIFY notifyShapeEditing)
    Q_PROPERTY(QPainterPath shapePath READ shapePath WRITE setShapePath)

public:
    // The largest point size a text may have, as in the edit dialog; sizes
    // read from elsewhere are held to it.
    static constexpr int maxPointSize = 400;

    // A 32-point "Double click to edit..." without frame (whatever
    // `frameClass` asks) and without curve.
    TextContent(bool fadeIn, QGraphicsScene* scene, int frameClass, QGraphicsItem* parent = nullptr);
    TextContent(bool fadeIn, QGraphicsScene* scene, const QFont& font, int frameClass,
        QGraphicsItem* parent = nullptr);
    ~TextContent() override;

    QString toHtml() const;
    // Both lay the text out again.
    void setHtml(const QString& htmlCode);
    void setPlainText(const QString& plainText);
    QFont defaultFont() const;

    bool hasShape() const { return !m_shapePath.isEmpty(); }
    QPainterPath shapePath() const { return m_shapePath; }
    // Nothing for a path equal to the present one.
    void setShapePath(const QPainterPath& path);
    bool isShapeEditing() const;
    // On: shows the editor and, when the text has no curve yet, takes the
    // editor's curve. Off: hides the editor and keeps the curve.
    void setShapeEditing(bool enabled);
    BezierCubicItem* shapeEditor() const { return m_shapeEditor; }

    // The layout run: measures every block and sizes the item, to the
    // curve's area when there is a curve, else keeping the ratio between
    // the item and its text from before the run.
    void updateTextConstraints();
    // Runs the edit dialog through ModalPrompts.
    void showTextDialog();
    // Runs the context menu at the cursor through ModalPrompts.
    void showContextMenu();

    // The measured blocks, in block coordinates (origin on the baseline at
    // the left end), and all of them stacked plus the margins.
    const QList<QRect>& blockRects() const { return m_blockRects; }
    QRect textRect() const { return m_textRect; }
    QRect shapeRect() const { return m_shapeRect; }
    int shakeRadius() const { return m_shakeRadius; }

    QString contentName() const override;
    // Never fails. Sizes above maxPointSize and control points that are not
    // finite numbers within 1,000,000 of the origin are not taken as read.
    bool fromXml(QDomElement& element, const QDir& baseDir) override;
    void toXml(QDomElement& element, const QDir& baseDir) const override;
    void drawContent(QPainter* painter, const QRect& target, Qt::AspectRatioMode mode) override;
    int contentHeightForWidth(int width) const override;
    // The "Curve" section; the caller takes the widget over.
    QMap<QString, QWidget*> createContentWidget() override;
    // Losing the selection ends the curve editing.
    void selectionChanged(bool selected) override;

public slots:
    // Back to straight text; the editor keeps its points.
    void clearShape();

signals:
    void notifyHasShape(bool hasShape);
    void notifyShapeEditing(bool editing);

protected:
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QGraphicsSceneContextMenuEvent* event) override;

private slots:
    void slotShakeMore();
    void slotShakeLess();

private:
    void init(const QFont* font);
    // Holds every font size of the document to maxPointSize.
    void boundFontSizes();
    void storeShapePath(const QPainterPath& path);
    void drawBlocks(QPainter* painter, bool alongCurve);

    QTextDocument* m_document = nullptr;
    QList<QRect> m_blockRects;
    QRect m_textRect;
    int m_textMargin = 0;
    int m_shakeRadius = 0;
    BezierCubicItem* m_shapeEditor = nullptr;
    QPainterPath m_shapePath;
    QRect m_shapeRect;
};
