#pragma once

#include <QWidget>

class QPushButton;

namespace Ui {
class TextProperties;
}

// The "Curve" section of a text's property panel: a checkable button that
// turns the curve editor on and off and a button that removes the curve.
// The text content wires both; the panel has no behaviour of its own.
class TextProperties : public QWidget
{
    Q_OBJECT

public:
    explicit TextProperties(QWidget* parent = nullptr);
    ~TextProperties() override;

    QPushButton* editShapeButton() const;
    QPushButton* clearShapeButton() const;

private:
    Ui::TextProperties* m_ui;
};
