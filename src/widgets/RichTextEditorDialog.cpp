#include "widgets/RichTextEditorDialog.h"

#include "widgets/PixmapButton.h"

#include "widgets/DescendantSignalBlocker.h"
#include "widgets/QColorWidget.h"
#include "widgets/RSIntValidator.h"
#include "widgets/RichTextEditor.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

RichTextEditorDialog::RichTextEditorDialog(QWidget* parent)
    : QDialog(parent)
    , m_editor(new RichTextEditor)
{
    setWindowTitle(tr("Edit Text"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    connect(m_editor, &QTextEdit::textChanged, this, &RichTextEditorDialog::slotRichTextChanged);

    auto* tools = new QVBoxLayout;
    tools->setContentsMargins(0, 0, 0, 0);

    m_sizeInput = new QComboBox(this);
    m_sizeInput->setEditable(true);
    m_sizeInput->setInsertPolicy(QComboBox::NoInsert);
    m_sizeInput->setValidator(new RSIntValidator(9, 400, m_sizeInput));
    for (int size : QFontDatabase::standardSizes())
        m_sizeInput->addItem(QString::number(size));
    connect(m_sizeInput, &QComboBox::editTextChanged, this, &RichTextEditorDialog::slotSizeInputActivated);
    tools->addWidget(m_sizeInput);

    m_fontInput = new QFontComboBox(this);
    m_fontInput->setMaximumWidth(200);
    m_fontInput->setEditable(false);
    connect(m_fontInput, &QComboBox::textActivated, this, [this](const QString& family) {
        m_editor->selectAll();
        m_editor->setFontFamily(family);
        m_editor->setFocus(Qt::OtherFocusReason);
    });
    tools->addWidget(m_fontInput);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(12);
    tools->addLayout(buttons);
    m_boldAction = addStyleButton(QStringLiteral(":/data/textbold.png"), tr("Bold"), QStringLiteral("CTRL+B"));
    connect(m_boldAction, &QAbstractButton::toggled, m_editor, &RichTextEditor::setFontBold);
    buttons->addWidget(m_boldAction);
    m_italicAction = addStyleButton(QStringLiteral(":/data/textitalic.png"), tr("Italic"), QStringLiteral("CTRL+I"));
    connect(m_italicAction, &QAbstractButton::toggled, m_editor, &QTextEdit::setFontItalic);
    buttons->addWidget(m_italicAction);
    m_underlineAction =
        addStyleButton(QStringLiteral(":/data/textunder.png"), tr("Underline"), QStringLiteral("CTRL+U"));
    connect(m_underlineAction, &QAbstractButton::toggled, m_editor, &QTextEdit::setFontUnderline);
    buttons->addWidget(m_underlineAction);
    buttons->addItem(new QSpacerItem(20, 20, QSizePolicy::Preferred, QSizePolicy::Minimum));

    m_colorInput = new QColorWidget(this);
    m_colorInput->setMaximumWidthKeepingBoxes(200);
    connect(m_colorInput, &QColorWidget::colorChanged, this, [this](const QColor& c) {
        m_editor->selectAll();
        m_editor->setTextColor(c);
    });
    tools->addWidget(m_colorInput);

    connect(m_editor, &QTextEdit::textChanged, this, &RichTextEditorDialog::slotUpdateActions);
    connect(m_editor, &RichTextEditor::stateChanged, this, &RichTextEditorDialog::slotUpdateActions);

    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(0, 12, 0, 12);
    grid->setSpacing(12);
    grid->addWidget(m_editor, 1, 0);
    grid->addLayout(tools, 1, 1);

    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this);
    QPushButton* ok = box->button(QDialogButtonBox::Ok);
    ok->setText(tr("OK"));
    ok->setDefault(true);
    box->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 0, 12, 12);
    layout->addWidget(central);
    layout->addWidget(box);

    m_editor->setFrameStyle(0);
    m_editor->setFocusPolicy(Qt::StrongFocus);
    m_editor->setFocus();
}

QAbstractButton* RichTextEditorDialog::addStyleButton(const QString& pixmap, const QString& toolTip,
                                                      const QString& shortcut)
{
    auto* button = new PixmapButton(this);
    button->setPixmap(QPixmap(pixmap));
    button->setCheckable(true);
    button->setChecked(false);
    button->setToolTip(toolTip);
    button->setShortcut(QKeySequence(shortcut));
    return button;
}

void RichTextEditorDialog::setText(const QString& text)
{
    m_editor->setText(text);
    m_changed = 0;
    m_editor->moveCursor(QTextCursor::End, QTextCursor::MoveAnchor);
}

QString RichTextEditorDialog::text(Qt::TextFormat format) const
{
    return m_editor->text(format);
}

void RichTextEditorDialog::setDefaultFont(const QFont& font)
{
    m_editor->setDefaultFont(font);
}

void RichTextEditorDialog::focusEditor()
{
    m_editor->selectAll();
    m_editor->setFocus(Qt::OtherFocusReason);
}

int RichTextEditorDialog::showDialog()
{
    focusEditor();
    return exec();
}

void RichTextEditorDialog::slotRichTextChanged()
{
    m_changed = 1;
}

void RichTextEditorDialog::slotSizeInputActivated(const QString& size)
{
    bool ok = false;
    const int points = size.toInt(&ok, 10);
    // A size of 0 or less would make the text vanish; such a text is only a
    // step of typing.
    if (!ok || points < 1)
        return;
    m_editor->selectAll();
    m_editor->setFontPointSize(points);
}

void RichTextEditorDialog::slotUpdateActions()
{
    const DescendantSignalBlocker blocker(this);
    const QFont font = m_editor->textCursor().charFormat().font();

    m_boldAction->setChecked(font.weight() >= 501);
    m_italicAction->setChecked(font.style() != QFont::StyleNormal);
    m_underlineAction->setChecked(font.underline());

    double points = font.pointSizeF();
    if (points <= 0)
        points = QFontInfo(font).pointSizeF();
    const QString size = QString::number(points);
    const int sizeIndex = m_sizeInput->findData(size, Qt::DisplayRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (sizeIndex >= 0)
        m_sizeInput->setCurrentIndex(sizeIndex);
    else
        m_sizeInput->setEditText(size);

    const int familyIndex =
        m_fontInput->findData(font.family(), Qt::DisplayRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (familyIndex >= 0)
        m_fontInput->setCurrentIndex(familyIndex);

    m_colorInput->setColor(m_editor->textColor());
}
