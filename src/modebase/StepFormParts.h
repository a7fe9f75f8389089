#pragma once

#include <tuple>

class PixmapButton;
class QDoubleSlider;
class QFrame;
class QHBoxLayout;
class QIcon;
class QLabel;
class QScrollArea;
class QToolButton;
class QVBoxLayout;
class QWidget;

// Pieces the step forms (montage and panorama) share, with the object names and looks
// their style sheets and tests address.
namespace StepFormParts {

// Members every step form has, under the names the steps and their tests
// use: the two parts of the top bar, the form's stand-in label and the
// bottom bar. The forms derive from these member groups.
struct BarMembers {
    QWidget* addContentBox = nullptr;
    QHBoxLayout* horizontalLayout_8 = nullptr;
    QLabel* label = nullptr;
    QWidget* rightBox = nullptr;
    QHBoxLayout* horizontalLayout_7 = nullptr;
    QWidget* bottomWidget = nullptr;
};
// The right bar of a form with panels: its box and column, and the
// scrolling column the panels go in.
struct SideBarMembers {
    QWidget* canvasPropertiesBox = nullptr;
    QVBoxLayout* verticalLayout_10 = nullptr;
    QScrollArea* scrollArea = nullptr;
    QVBoxLayout* scrollLayout = nullptr;
};
// The bottom bar of a canvas step: the size read-out and the zoom bar.
struct ZoomMembers {
    QLabel* sizeLabel = nullptr;
    PixmapButton* fitinButn = nullptr;
    PixmapButton* actualButn = nullptr;
    QDoubleSlider* scaleSlider = nullptr;
};
// The right bar's box for the selected content's property panel.
struct PropertyMembers {
    QWidget* propertiesBox = nullptr;
    QVBoxLayout* propLayout = nullptr;
};
// The groups as the forms combine them: a form with side panels, a canvas
// step's form (with the zoom bar), and an editing step's form (with the
// property box too).
struct PanelFormMembers : BarMembers, SideBarMembers {
};
struct CanvasFormMembers : PanelFormMembers, ZoomMembers {
};
struct EditingFormMembers : CanvasFormMembers, PropertyMembers {
    // The bottom bar's column, rule and rows.
    QVBoxLayout* verticalLayout = nullptr;
    QFrame* line = nullptr;
    QHBoxLayout* horizontalLayout_4 = nullptr;
    QHBoxLayout* horizontalLayout = nullptr;
};

// Deletes the boxes `form` lent to the main window's bars, which would
// otherwise stay behind in the window after the step.
void deleteLentBoxes(BarMembers& form);
void deleteLentBoxes(PanelFormMembers& form);
void deleteLentBoxes(EditingFormMembers& form);

// A top-bar button with its text beside the icon.
QToolButton* toolButton(QWidget* parent, const char* name, const QIcon& icon);
// The thin grey upright line between groups of top-bar buttons.
QFrame* verticalLine(QWidget* parent, const char* name);
// A sunken rule across a side panel; `styled` draws it as one black pixel.
QFrame* horizontalLine(QWidget* parent, const char* name, bool styled = true);

// `form`'s stand-in label "label", a note of the form and no text for
// users: the steps never show it.
void addStandInLabel(BarMembers& form, QWidget* host);

// The left part of the top bar: `form`'s "addContentBox" (shown on the
// top bar) and its row "horizontalLayout_8" (margins 12, 4, 0, 4, spacing
// 6), holding the Back tool button `back` and the line `line` after it,
// named `backName` and `lineName`.
void addBackBox(BarMembers& form, QWidget* host, QToolButton*& back, const char* backName, QFrame*& line,
    const char* lineName);

// The right part of the top bar: `form`'s "rightBox" and its row
// "horizontalLayout_7", with margins `left` and `right` at the sides.
void addRightBox(BarMembers& form, QWidget* host, int left, int right);
// A "rightBox" holding only the step's bold, right-aligned title: the
// label named `labelName`, which is returned.
QLabel* addTitleBox(BarMembers& form, QWidget* host, const char* labelName);

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
// blue bold title and a 16-pixel slot at its right, and a rule; in that
// order: top rule, row, title, slot, bottom rule.
using PanelHead = std::tuple<QFrame*, QHBoxLayout*, QLabel*, QWidget*, QFrame*>;
PanelHead panelHead(QWidget* box, QVBoxLayout* column, const char* topLineName, const char* rowName,
                    const char* titleName, const char* bottomLineName);

// `form`'s box for the selected content's panel: "propertiesBox" and its
// column "propLayout", without spacing or margins.
void addPropertyBox(PropertyMembers& form, QWidget* host);

// `form`'s right bar: "canvasPropertiesBox", 260 wide, and its column
// "verticalLayout_10" without spacing or margins.
void addSideBox(SideBarMembers& form, QWidget* host);

// The scrolling column of the right bar: `form`'s "scrollArea" (no frame,
// no horizontal bar, its widget resized) showing "scrollAreaWidgetContents",
// whose column holds "scrollFrame" (at least 240 wide) with `form`'s
// "scrollLayout" (spacing 1, no margins) for the panels.
struct ScrollPanel {
    QWidget* contents;
    QVBoxLayout* contentsLayout;
    QFrame* frame;
};
ScrollPanel scrollPanel(SideBarMembers& form, QWidget* parent);

// `form`'s "bottomWidget" as the editing steps have it: a rule "line" over
// the row "horizontalLayout_4", with the size read-out 12 pixels in at the
// left and the zoom controls at the right in "horizontalLayout" (12 pixels
// at the sides, 12 apart); the column is "verticalLayout".
void addEditingBottomBar(EditingFormMembers& form, QWidget* host);

// `form`'s zoom controls on the bottom bar `bar`, added to `row`:
// "fitinButn" and "actualButn" (16 pixels) and the horizontal
// "scaleSlider", 160 wide.
void addZoomParts(ZoomMembers& form, QWidget* bar, QHBoxLayout* row);

} // namespace StepFormParts
