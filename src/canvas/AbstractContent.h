#pragma once

#include "canvas/AbstractDisposeable.h"

#include <QColor>
#include <QList>
#include <QMap>
#include <QPixmap>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QString>

class ButtonItem;
class CornerItem;
class Frame;
class QDir;
class QDomElement;
class QGraphicsScene;
class QTimer;
class QWidget;

// Base of every item on a scene: the pictures and texts of a canvas and the
// tiles of the home screen. The item draws a content rectangle centred on
// its origin, with an optional frame around it that sets the item's outer
// (bounding) rectangle, a drop shadow, a perspective tilt and a rotation. It
// carries four corner handles (resize and turn) and a perspective handle,
// shown while the controls are visible, and writes these common properties
// as XML. Subclasses draw the content itself, name it and add their own XML.
//
// The item owns its frame and its handles. GUI thread only.
class AbstractContent : public AbstractDisposeable
{
    Q_OBJECT
    // Tilt in degrees: x about the vertical axis, y about the horizontal.
    Q_PROPERTY(QPointF perspective READ perspective WRITE setPerspective NOTIFY perspectiveChanged)
    Q_PROPERTY(QColor shadowColor READ shadowColor WRITE setShadowColor NOTIFY shadowColorChanged)
    // Blur radius of the drop shadow; no shadow at 1.0 and below.
    Q_PROPERTY(double shadowRadius READ shadowRadius WRITE setShadowRadius NOTIFY shadowRadiusChanged)

public:
    // Limits of the tilt, the frame margin and the shadow radius that the
    // handles and panels offer; a file read is held to them as well.
    static constexpr double maxPerspective = 70.0;
    static constexpr int maxFrameMargin = 15;
    static constexpr double maxShadowRadius = 20.0;

    // The item adds itself to `scene`, which must not be null. `fadeIn`
    // animates its appearance; `noResize` leaves the corner handles only
    // turning. `frameClass` is a FrameFactory id (0: no frame); the class
    // installed becomes the factory's default class.
    AbstractContent(QGraphicsScene* scene, bool fadeIn, bool noResize, int frameClass, QGraphicsItem* parent);
    ~AbstractContent() override;

    // Takes the handles and all flags away at once, then fades out (when
    // `animated`) and deletes itself from the event loop.
    void dispose(bool animated) override;

    // The translated name of the item, for its property panel.
    virtual QString contentName() const = 0;
    // Reads the common properties written by toXml(). Never fails: missing
    // values read as 0, numbers out of range leave their property as it was.
    virtual bool fromXml(QDomElement& contentElement, const QDir& baseDir);
    // Writes the common properties into `contentElement`, which it renames
    // "abstract"; subclasses rename it again. `baseDir` is not used here.
    virtual void toXml(QDomElement& contentElement, const QDir& baseDir) const;
    // Draws the content into `targetRect`, whose top-left is the content
    // rectangle's top-left.
    virtual void drawContent(QPainter* painter, const QRect& targetRect, Qt::AspectRatioMode ratio) = 0;
    // The content alone, drawn into a transparent pixmap of `size`.
    virtual QPixmap toPixmap(const QSize& size, Qt::AspectRatioMode ratio);
    // A square by default.
    virtual int contentHeightForWidth(int width) const;
    // Whether the content covers its whole rectangle.
    virtual bool contentOpaque() const;
    // The subclass's own sections of the property panel, keyed by title;
    // the caller takes the widgets. None here.
    virtual QMap<QString, QWidget*> createContentWidget() { return {}; }

    QRectF boundingRect() const override;
    // The content opacity, the frame, the content (clipped to a shaped
    // frame) and, when selected and unframed, a selection outline. Nothing
    // of the selection in output renders (RenderOpts::HQRendering).
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    // Left, top, width, height in item units; 200 x 150 centred on the
    // origin for a new item.
    QRect contentRect() const { return m_contentRect; }
    // An inverted rectangle is ignored. With `keepRatio` the height follows
    // contentHeightForWidth() (when that is at least 2) and is centred on
    // the origin.
    void resizeContents(const QRect& rect, bool keepRatio = false);
    void resetContentsRatio();

    // Takes ownership of `frame` (null removes the frame), deletes the old
    // one and makes the new class the factory's default class.
    void setFrame(Frame* frame);
    Frame* frame() const { return m_frame; }
    // 0 without a frame.
    quint32 frameClass() const;
    // Colour, alpha and margin of a StandardFrame; without one the getters
    // answer white, 255 and 0 and the setters do nothing.
    void setFrameAlpha(int alpha);
    int frameAlpha() const;
    // The colour takes the frame's own alpha; the getter answers it opaque.
    void setFrameColor(const QColor& color);
    QColor frameColor() const;
    // Pixels around the content rectangle.
    void setFrameMargin(int margin);
    int frameMargin() const;

    QPointF perspective() const { return m_perspective; }
    // Nothing for a value equal (fuzzily) to the present one.
    void setPerspective(const QPointF& perspective);
    // The item's transform from the perspective; the rotation is separate.
    void applyTransforms();

    double shadowRadius() const { return m_shadowRadius; }
    void setShadowRadius(double radius);
    QColor shadowColor() const { return m_shadowColor; }
    void setShadowColor(const QColor& color);
    // Gives the item a drop shadow matching the radius and colour, or none.
    void setShadowEffect();

    void setSelected(bool selected);
    // Shows or hides every handle.
    void setControlsVisible(bool visible);
    bool controlsVisible() const { return m_controlsVisible; }
    // Moves the item's position to the nearest point of `rect` when outside.
    void ensureVisible(const QRectF& rect);
    // Marks the item as being transformed until `msecs` after the last call;
    // then it repaints at full quality.
    void delayedDirty(int msecs);
    bool beingTransformed() const { return m_beingTransformed; }
    // Takes ownership; the button is shown with the other handles.
    void addButtonItem(ButtonItem* button);

    const QList<CornerItem*>& cornerItems() const { return m_cornerItems; }
    const QList<ButtonItem*>& buttonItems() const { return m_buttonItems; }

signals:
    // 1 to the front, 2 one up, 3 one down, 4 to the back.
    void changeStack(int opcode);
    void requestProertyMenu(QPoint scenePoint);
    // A request to start working on the item (the home tiles: on a click).
    void requestEditing();
    void requestRemoval();
    // The content itself changed (a subclass's picture or text).
    void contentChanged();
    void changeFrame(quint32 frameClass, bool all);
    void changeShapeAlpha(int alpha);
    void changeShapeMargin(int margin);
    void changeShapeColor(QColor color);
    void perspectiveChanged();
    void shadowRadiusChanged();
    void shadowColorChanged();
    // Something the item's XML stores has really changed: position, size,
    // rotation, tilt, stacking, visibility, frame, shadow or opacity. Not
    // selection, hover or the appearing and disposing fades.
    void contentEdited();

protected slots:
    void slotStackFront();
    void slotStackRaise();
    void slotStackLower();
    void slotStackBack();
    void slotSaveAs();

protected:
    // Puts the corner handles on the corners and the buttons in their
    // places.
    void layoutChildren();
    void createCorner(Qt::Corner corner, bool noResize);
    // `source` scaled to `size`: cropped to the centre when expanding,
    // letterboxed on transparent when keeping the ratio.
    QPixmap ratioScaledPixmap(const QPixmap* source, const QSize& size, Qt::AspectRatioMode ratio) const;
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private slots:
    // From the perspective handle: `sceneRelPoint` is the drag since the
    // press. Ctrl clears the tilt; a modifier makes it 2.5 times as fast.
    void slotSetPerspective(const QPointF& sceneRelPoint, Qt::KeyboardModifiers modifiers);
    void slotClearPerspective();
    void slotDirtyEnded();

private:
    void updateBoundingRect();
    void replaceFrame(Frame* frame);

    QColor m_selectionColor;
    QRect m_contentRect;
    QRectF m_boundingRect;
    Frame* m_frame = nullptr;
    QList<ButtonItem*> m_buttonItems;
    QList<CornerItem*> m_cornerItems;
    bool m_controlsVisible = false;
    bool m_beingTransformed = false;
    QTimer* m_dirtyTimer = nullptr;
    QPointF m_perspective;
    QColor m_shadowColor;
    double m_shadowRadius = 0.0;
    // The visibility last announced, items being visible when made.
    bool m_shown = true;
};
