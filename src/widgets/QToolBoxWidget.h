#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

class QLabel;

namespace Ui {
class QToolBoxWidget;
}

// A collapsible section of a side bar: a dark header button with an arrow
// and a title, optional widgets at the right end of the header, and a body
// holding one content widget. A click on the header shows or hides the body;
// the right-hand header widgets stay visible either way.
class QToolBoxWidget : public QWidget
{
    Q_OBJECT

public:
    // 0 is a flush section; any other value indents the title and the body.
    enum ToolboxType : int { Flush = 0, Indented = 1 };

    explicit QToolBoxWidget(QWidget* parent = nullptr, ToolboxType type = Indented);
    ~QToolBoxWidget() override;

    // Sets the title and takes `widget` (may be null) into the body, then
    // expands or collapses the section.
    void addWidget(const QString& title, QWidget* widget, bool expanded);
    // Adds `widget` at the right end of the header.
    void addRightWidget(QWidget* widget);

    void expand();
    void collapse();
    // False after construction, until addWidget() sets the state.
    bool isExpanded() const { return m_expanded; }

    // The arrow pixmap of a resource path, fitted into the 9 x 9 arrow label
    // with its aspect ratio kept, for this widget's device pixel ratio.
    QPixmap closureIcon(const QString& path) const;

signals:
    void statusChanged(QString name, int status);

private slots:
    void on_closureButn_clicked();

private:
    void initUI();

    Ui::QToolBoxWidget* ui;
    QLabel* m_arrowLabel = nullptr;
    QLabel* m_titleLabel = nullptr;
    bool m_expanded = false;
    ToolboxType m_type;
};
