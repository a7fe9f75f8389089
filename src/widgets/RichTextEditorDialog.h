#pragma once

#include <QDialog>

class QAbstractButton;
class QColorWidget;
class QComboBox;
class QFontComboBox;
class RichTextEditor;

// The modal "Edit Text" dialog of the canvas's text items: the editor on
// the left, and on the right a point size box (9..400), a font family box,
// bold, italic and underline buttons (Ctrl+B, Ctrl+I, Ctrl+U) and a colour
// panel. Size, family and colour apply to the whole text; the three style
// buttons to the selection. The controls follow the format at the cursor
// without echoing it back.
class RichTextEditorDialog : public QDialog
{
    Q_OBJECT

public:
    explicit RichTextEditorDialog(QWidget* parent = nullptr);

    // Loads HTML when the text may be rich text, else the text literally;
    // clears the changed flag and puts the cursor at the end.
    void setText(const QString& text);
    // See RichTextEditor::text.
    QString text(Qt::TextFormat format) const;
    void setDefaultFont(const QFont& font);

    // True once the text was edited after the last setText.
    bool isTextChanged() const { return m_changed != 0; }

    // Selects all text and gives the editor the focus.
    void focusEditor();
    // Selects all text, focuses the editor and runs the dialog; 1 for OK,
    // 0 for Cancel.
    int showDialog();

    RichTextEditor* editor() const { return m_editor; }

private slots:
    void slotRichTextChanged();
    void slotUpdateActions();
    void slotSizeInputActivated(const QString& size);

private:
    QAbstractButton* addStyleButton(const QString& pixmap, const QString& toolTip, const QString& shortcut);

    RichTextEditor* m_editor;
    QColorWidget* m_colorInput;
    QFontComboBox* m_fontInput;
    QComboBox* m_sizeInput;
    QAbstractButton* m_boldAction;
    QAbstractButton* m_italicAction;
    QAbstractButton* m_underlineAction;
    int m_changed = 0;
};
