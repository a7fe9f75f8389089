#include "widgets/RichTextEditor.h"

#include <QFontInfo>

RichTextEditor::RichTextEditor(QWidget* parent)
    : QTextEdit(parent)
{
    connect(this, &QTextEdit::currentCharFormatChanged, this, &RichTextEditor::stateChanged);
    connect(this, &QTextEdit::cursorPositionChanged, this, &RichTextEditor::stateChanged);
}

void RichTextEditor::setFontBold(bool b)
{
    setFontWeight(b ? 700 : 400);
}

void RichTextEditor::setFontPointSize(double size)
{
    QTextEdit::setFontPointSize(size);
}

void RichTextEditor::setText(const QString& text)
{
    if (Qt::mightBeRichText(text))
        setHtml(text);
    else
        setPlainText(text);
}

void RichTextEditor::setDefaultFont(const QFont& font)
{
    document()->setDefaultFont(font);
    double size = font.pointSizeF();
    if (size < 1)
        size = QFontInfo(font).pointSizeF();
    setFontPointSize(size);
    emit textChanged();
}

QString RichTextEditor::text(Qt::TextFormat format) const
{
    switch (format) {
    case Qt::RichText:
        return toHtml();
    case Qt::PlainText:
        return toPlainText();
    default:
        break;
    }
    // The text carries formatting exactly when its HTML differs from that of
    // the same plain text in a fresh editor.
    const QString plain = toPlainText();
    QTextEdit probe;
    probe.setPlainText(plain);
    const QString html = toHtml();
    return probe.toHtml() == html ? plain : html;
}

void RichTextEditor::wheelEvent(QWheelEvent* event)
{
    QTextEdit::wheelEvent(event);
}
