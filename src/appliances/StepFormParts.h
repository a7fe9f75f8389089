#pragma once

class PixmapButton;
class QFrame;
class QHBoxLayout;
class QIcon;
class QLabel;
class QToolButton;
class QVBoxLayout;
class QWidget;

// Pieces the step forms (montage and panorama) share, with the object names and looks
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

// The main window's top bar is 32 pixels high: a taller button would be cut
// through its icon.
constexpr int barButtonSide = 32;
// A square top-bar button showing `pixmap` (a resource path).
PixmapButton* barButton(QWidget* parent, const char* name, const char* pixmap);
// The black upright line between top-bar buttons of the panorama steps.
QFrame* barLine(QWidget* parent, const char* name);
// Sets the left and right margins, keeping the style's top and bottom.
void setSideMargins(QHBoxLayout* layout, int left, int right);

// The head of a right-bar panel, added to `column`: a rule, a row with the
// blue bold title and a 16-pixel slot at its right, and a rule.
struct PanelHead {
    QFrame* topLine;
    QHBoxLayout* row;
    QLabel* title;
    QWidget* slot;
    QFrame* bottomLine;
};
PanelHead panelHead(QWidget* box, QVBoxLayout* column, const char* topLineName, const char* rowName,
                    const char* titleName, const char* bottomLineName);

} // namespace StepFormParts
