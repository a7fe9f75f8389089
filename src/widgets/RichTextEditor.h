#pragma once

#include <QTextEdit>

// The text editor of the "Edit Text" dialog: a QTextEdit that reports every
// change of the character format or cursor position as stateChanged(), and
// reads its text back as plain text or HTML.
class RichTextEditor : public QTextEdit
{
    Q_OBJECT

public:
    explicit RichTextEditor(QWidget* parent = nullptr);

    // Sets the document's default font and makes its point size the current
    // one (for a pixel-sized font the point size it comes out at); then
    // emits textChanged().
    void setDefaultFont(const QFont& font);

    // Qt::RichText gives the HTML, Qt::PlainText the plain text, and any
    // other format (Qt::AutoText) the plain text when the text carries no
    // formatting of its own, else the HTML.
    QString text(Qt::TextFormat format) const;

signals:
    // Kept for users of the signal; nothing emits it.
    void wheelScrolled(int steps);
    // The character format or the cursor position changed.
    void stateChanged();

public slots:
    // Weight 700 when `b`, else 400, for the selection or at the cursor.
    void setFontBold(bool b);
    void setFontPointSize(double size);
    // HTML when the text may be rich text (Qt::mightBeRichText), else the
    // plain text, tags and all.
    void setText(const QString& text);

protected:
    void wheelEvent(QWheelEvent* event) override;
};
