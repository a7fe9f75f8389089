#pragma once

#include "widgets/ClickableLabel.h"

#include <QColor>

// The colour swatch next to a colour setting: a grey-framed rectangle filled
// with the current colour (empty while no colour is set), drawn at half
// opacity when disabled. A click arrives as ClickableLabel::clicked(); the
// owner opens its colour chooser and feeds the pick back with setColor().
class ColorSelectorButton : public ClickableLabel
{
    Q_OBJECT

public:
    explicit ColorSelectorButton(QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    // Stores and shows `color` and emits colorChanged unless `block` is
    // true. Setting the colour already shown changes and emits nothing.
    void setColor(const QColor& color, bool block = false);

    // A text kept for the owner; the swatch does not show it.
    QString description() const { return m_description; }
    void setDescription(const QString& text);

signals:
    void colorChanged(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color;
    QString m_description;
};
