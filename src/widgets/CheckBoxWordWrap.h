#pragma once

#include <QCheckBox>

class ClickableLabel;
class QHBoxLayout;

// A check box whose caption wraps onto several lines. The check box keeps its
// own text empty and lays a word-wrapping ClickableLabel over itself,
// indented past the indicator; releasing the mouse over the caption toggles
// the box. text() and setText() address the caption, not QCheckBox's text.
class CheckBoxWordWrap : public QCheckBox
{
    Q_OBJECT
    Q_PROPERTY(bool wordwrap READ isWordWrap WRITE setWordWrap)
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    explicit CheckBoxWordWrap(QWidget* parent = nullptr);
    explicit CheckBoxWordWrap(const QString& text, QWidget* parent = nullptr);
    ~CheckBoxWordWrap() override;

    QString text() const;
    void setText(const QString& text);

    bool isWordWrap() const;
    void setWordWrap(bool wrap);

    // Width from the layout; height of the caption wrapped at the caption's
    // current width, so it changes once the box has been resized.
    QSize sizeHint() const override;

public slots:
    void labelIsClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void setUp();

    // Extra indent between the indicator and the caption, in pixels.
    int m_spacing = 5;
    QHBoxLayout* m_layout = nullptr;
    ClickableLabel* m_label = nullptr;
};
