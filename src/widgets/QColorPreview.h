#pragma once

#include <QBrush>
#include <QColor>
#include <QWidget>

// A small swatch of one colour, the colour picker panel's preview. Setting
// the colour emits nothing. The background brush, the alpha mode and the
// previous colour are kept for callers; the swatch paints the colour alone.
class QColorPreview : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor)
    Q_PROPERTY(Alpha_Mode alpha_mode READ alphaMode WRITE setAlphaMode)
    Q_PROPERTY(QBrush background READ background WRITE setBackground)

public:
    enum Alpha_Mode { NoAlpha, SplitAlpha };
    Q_ENUM(Alpha_Mode)

    explicit QColorPreview(QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    Alpha_Mode alphaMode() const { return m_alphaMode; }
    void setAlphaMode(Alpha_Mode mode);
    QBrush background() const { return m_background; }
    void setBackground(const QBrush& brush);
    QColor previousColor() const { return m_previousColor; }
    void setPreviousColor(const QColor& color);

    QSize sizeHint() const override;

public slots:
    void setColor(const QColor& c);

signals:
    // Declared for users of the property; the swatch never emits it.
    void colorChanged(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color = Qt::red;
    QBrush m_background;
    Alpha_Mode m_alphaMode = NoAlpha;
    QColor m_previousColor = Qt::blue;
};
