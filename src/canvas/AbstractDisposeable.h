#pragma once

#include <QGraphicsObject>
#include <QPointer>

class QPropertyAnimation;

// A graphics object that can fade itself in when made and fade itself out
// before it deletes itself. The content opacity is separate from the item's
// own opacity: subclasses apply it when they paint. GUI thread only.
class AbstractDisposeable : public QGraphicsObject
{
    Q_OBJECT
    Q_PROPERTY(double contentOpacity READ contentOpacity WRITE setContentOpacity NOTIFY contentOpacityChanged)

public:
    // With `fadeIn` the item appears animated: its content opacity rises
    // from 0.01 over 150 ms and its scale springs from 0.2 over 500 ms.
    explicit AbstractDisposeable(bool fadeIn, QGraphicsItem* parent = nullptr);
    ~AbstractDisposeable() override;

    // 0.0 transparent to 1.0 opaque.
    double contentOpacity() const { return m_contentOpacity; }
    void setContentOpacity(double opacity);

    // Deletes the object later from the event loop; with `animated` after
    // fading its content out over 300 ms. The caller must not delete it.
    virtual void dispose(bool animated);

    // True while the appearing or the disposing fade changes the content
    // opacity, which is then no edit of the item.
    bool isFading() const { return !m_fade.isNull(); }

signals:
    void contentOpacityChanged();

private:
    double m_contentOpacity = 1.0;
    QPointer<QPropertyAnimation> m_fade;
};
