#pragma once

#include <QColor>
#include <QWidget>

namespace Ui {
class FrameWidget;
}
class ColorSelectorButton;
class QButtonGroup;
class QPopupColorWidget;

// The "Shape" section of a content's panel: one checkable button per frame
// class of FrameFactory::classes(), the frame colour swatch, opacity
// (0 .. 255) and margin (0 .. 15). It only announces; the owner applies.
// Owns its button group and its pop-up colour chooser. GUI thread only.
class FrameWidget : public QWidget
{
    Q_OBJECT
public:
    explicit FrameWidget(QWidget* parent = nullptr);
    ~FrameWidget() override;

    // Silent. An id without a button changes nothing.
    void setFrameClass(int frameClass);
    // Both announce the value (shapeAlphaChanged / shapeMarginChanged).
    void setFrameAlpha(int alpha);
    void setFrameMargin(int margin);
    // Silent.
    void setFrameColor(QColor color);
    void enableProp(int enabled);
    // Opens the pop-up chooser for `button`, or closes it when open.
    void popupColor(ColorSelectorButton* button);

    // For tests and screenshots: the pop-up, null until first used.
    QPopupColorWidget* popup() const { return m_popup; }

signals:
    void frameSelected(uint frameClass);
    void shapeColorChanged(QColor color);
    void shapeAlphaChanged(int alpha);
    void shapeMarginChanged(int margin);

private slots:
    void buttonToggled(int id, bool checked);
    void on_alphaSlider_valueChanged(int value);
    void on_marginSlider_valueChanged(int value);

private:
    void setupUI();

    Ui::FrameWidget* ui;
    QButtonGroup* m_buttonGroup = nullptr;
    QPopupColorWidget* m_popup = nullptr;
};
