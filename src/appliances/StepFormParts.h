#pragma once

class QFrame;
class QHBoxLayout;
class QIcon;
class QLabel;
class QToolButton;
class QWidget;

// Pieces the montage steps' forms share, with the object names and looks
// their style sheets and tests address.
namespace StepFormParts {

// A top-bar button with its text beside the icon.
QToolButton* toolButton(QWidget* parent, const char* name, const QIcon& icon);
// The thin grey upright line between groups of top-bar buttons.
QFrame* verticalLine(QWidget* parent, const char* name);
// A sunken rule across a side panel; `styled` draws it as one black pixel.
QFrame* horizontalLine(QWidget* parent, const char* name, bool styled = true);

// The right part of the top bar: a "rightBox" holding the step's bold,
// right-aligned title, the label named `labelName`.
struct TitleBox {
    QWidget* box;
    QHBoxLayout* layout;
    QLabel* label;
};
TitleBox titleBox(QWidget* host, const char* labelName);

} // namespace StepFormParts
