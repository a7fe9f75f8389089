#pragma once

#include <QDialog>
#include <QPointer>

class QGraphicsOpacityEffect;
class QPropertyAnimation;

// A frameless, translucent message that holds any widget, places itself at a
// fraction of its parent's area (or of the primary screen), fades in when
// asked and out by itself after its display time. It may delete itself once
// hidden. Invisible (opacity 0) until StartShowAnimation() runs.
class QToast : public QDialog
{
    Q_OBJECT

public:
    explicit QToast(QWidget* parent = nullptr);
    ~QToast() override;

    void Init();
    // Replaces the content; the previous content is deleted later. Null is ignored.
    void SetWidget(QWidget* widget);
    QWidget* widget() const { return m_content; }

    // Milliseconds from showing to hiding; below 1 the toast stays up.
    void SetDisplayTime(int ms) { m_displayTime = ms; }
    // Fade out before hiding (default) or hide at once.
    void SetAnimation(bool animation) { m_animation = animation; }
    void SetDeleteWhenHide(bool deleteWhenHide) { m_deleteWhenHide = deleteWhenHide; }

    void MoveToCenter();
    // Centre of the toast as fractions of the area; negative leaves the
    // toast where it is, values above 1 are capped.
    void MoveToPercentage(double x, double y);
    QPointF position() const { return QPointF(m_x, m_y); }

    // Hides the toast `seconds` seconds from now (nothing below 1).
    void SetDelaySeconds(int seconds);
    void MovePostion();

    double opacity() const;

public slots:
    void StartShowAnimation();
    void StartHideAnimation();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void applyWindowFlags();
    void hideAfter(int ms);

    QPointer<QWidget> m_content;
    double m_x = -1.0;
    double m_y = -1.0;
    int m_displayTime = -1;
    bool m_animation = true;
    bool m_deleteWhenHide = false;
    QGraphicsOpacityEffect* m_opacity = nullptr;
    QPropertyAnimation* m_hideAnimation = nullptr;
    QPropertyAnimation* m_showAnimation = nullptr;
};
