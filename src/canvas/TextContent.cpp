#include "canvas/TextContent.h"

#include "appframe/ModalPrompts.h"
#include "canvas/BezierCubicItem.h"
#include "canvas/PE_AbstractButton.h"
#include "canvas/TextProperties.h"
#include "widgets/RichTextEditorDialog.h"

#include <QAction>
#include <QCursor>
#include <QGraphicsScene>
#include <QGraphicsSceneContextMenuEvent>
#include <QGraphicsSceneMouseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <limits>

TextContent::TextContent(bool fadeIn, QGraphicsScene* scene, int frameClass, QGraphicsItem* parent)
    : AbstractContent(scene, fadeIn, false, frameClass, parent)
{
    init(nullptr);
}

TextContent::TextContent(bool fadeIn, QGraphicsScene* scene, const QFont& font, int frameClass,
    QGraphicsItem* parent)
    : AbstractContent(scene, fadeIn, false, frameClass, parent)
{
    init(&font);
}

void TextContent::init(const QFont* font)
{
    // A text is made bare; a frame comes only when the user asks for one.
    setFrame(nullptr);
    m_document = new QTextDocument(this);
    m_textMargin = int(m_document->documentMargin());
    QFont defaultFont;
    defaultFont.setPointSize(32);
    m_document->setDefaultFont(defaultFont);
    setPlainText(tr("Double click to edit..."));

    m_shapeEditor = new BezierCubicItem(this);
    m_shapeEditor->hide();
    m_shapeEditor->setControlPoints(
        {QPointF(-100, -50), QPointF(-10, 40), QPointF(100, -50), QPointF(100, 50)});
    // Connected only now, so the points just set give a new text no curve.
    connect(m_shapeEditor, &BezierCubicItem::shapeChanged, this, &TextContent::setShapePath);

    if (font)
        m_document->setDefaultFont(*font);
}

TextContent::~TextContent()
{
    delete m_shapeEditor;
    m_shapeEditor = nullptr;
    delete m_document;
    m_document = nullptr;
}

QString TextContent::toHtml() const
{
    return m_document->toHtml();
}

QFont TextContent::defaultFont() const
{
    return m_document->defaultFont();
}

void TextContent::setHtml(const QString& htmlCode)
{
    const QString before = m_document->toHtml();
    m_document->setHtml(htmlCode);
    boundFontSizes();
    updateTextConstraints();
    if (m_document->toHtml() != before)
        emit contentEdited();
}

void TextContent::setPlainText(const QString& plainText)
{
    const QString before = m_document->toHtml();
    m_document->setPlainText(plainText);
    // Through HTML once, so the default font is written into the text.
    m_document->setHtml(m_document->toHtml());
    updateTextConstraints();
    if (m_document->toHtml() != before)
        emit contentEdited();
}

void TextContent::boundFontSizes()
{
    // Giant glyphs cost memory and time on every paint; the edit dialog
    // offers nothing larger than maxPointSize, so nothing else may either.
    const double maxPoints = maxPointSize;
    const int maxPixels = maxPointSize * 4 / 3;
    const auto tooLarge = [&](const QTextCharFormat& format) {
        return (format.hasProperty(QTextFormat::FontPointSize) && !(format.fontPointSize() <= maxPoints))
            || (format.hasProperty(QTextFormat::FontPixelSize) && format.intProperty(QTextFormat::FontPixelSize) > maxPixels)
            || (format.hasProperty(QTextFormat::FontStretch) && format.fontStretch() > 400);
    };
    const auto bounded = [&](QTextCharFormat format) {
        if (format.hasProperty(QTextFormat::FontPointSize) && !(format.fontPointSize() <= maxPoints))
            format.setFontPointSize(maxPoints);
        if (format.hasProperty(QTextFormat::FontPixelSize) && format.intProperty(QTextFormat::FontPixelSize) > maxPixels)
            format.setProperty(QTextFormat::FontPixelSize, maxPixels);
        if (format.hasProperty(QTextFormat::FontStretch) && format.fontStretch() > 400)
            format.setFontStretch(400);
        return format;
    };

    // Collected first: changing formats invalidates the fragment iterators.
    QList<QPair<int, int>> ranges;
    QList<int> blocks;
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        if (tooLarge(block.charFormat()))
            blocks.append(block.position());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid() && tooLarge(fragment.charFormat()))
                ranges.append({fragment.position(), fragment.length()});
        }
    }
    for (const QPair<int, int>& range : std::as_const(ranges)) {
        QTextCursor cursor(m_document);
        cursor.setPosition(range.first);
        cursor.setPosition(range.first + range.second, QTextCursor::KeepAnchor);
        cursor.setCharFormat(bounded(cursor.charFormat()));
    }
    for (int position : std::as_const(blocks)) {
        QTextCursor cursor(m_document->findBlock(position));
        cursor.setBlockCharFormat(bounded(cursor.blockCharFormat()));
    }
}

bool TextContent::isShapeEditing() const
{
    return m_shapeEditor && m_shapeEditor->isVisibleTo(this);
}

void TextContent::storeShapePath(const QPainterPath& path)
{
    m_textRect = QRect();
    m_shapeRect = QRect();
    m_shapePath = path;
    updateTextConstraints();
    emit contentEdited();
}

void TextContent::setShapePath(const QPainterPath& path)
{
    if (path == m_shapePath)
        return;
    const bool had = hasShape();
    storeShapePath(path);
    // Keeps an open panel's "Remove" button honest whatever set the path.
    if (hasShape() != had)
        emit notifyHasShape(hasShape());
}

void TextContent::clearShape()
{
    if (!m_shapePath.isEmpty())
        storeShapePath(QPainterPath());
    if (isShapeEditing()) {
        m_shapeEditor->hide();
        emit notifyShapeEditing(false);
    }
    emit notifyHasShape(false);
}

void TextContent::setShapeEditing(bool enabled)
{
    if (!enabled) {
        if (isShapeEditing()) {
            m_shapeEditor->hide();
            emit notifyShapeEditing(false);
        }
        return;
    }
    if (!isShapeEditing()) {
        m_shapeEditor->show();
        updateTextConstraints();
        emit notifyShapeEditing(true);
    }
    if (m_shapePath.isEmpty()) {
        const QPainterPath path = m_shapeEditor->shape();
        if (path != m_shapePath)
            storeShapePath(path);
        emit notifyHasShape(true);
    }
}

void TextContent::slotShakeMore()
{
    ++m_shakeRadius;
    updateTextConstraints();
}

void TextContent::slotShakeLess()
{
    if (m_shakeRadius < 1)
        return;
    --m_shakeRadius;
    updateTextConstraints();
}

QString TextContent::contentName() const
{
    return tr("Text");
}

int TextContent::contentHeightForWidth(int width) const
{
    if (m_textRect.width() < 1 || m_textRect.height() < 1)
        return AbstractContent::contentHeightForWidth(width);
    const qint64 height = qint64(m_textRect.height()) * width / m_textRect.width();
    return int(std::clamp<qint64>(height, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

QMap<QString, QWidget*> TextContent::createContentWidget()
{
    auto* panel = new TextProperties(nullptr);
    new PE_AbstractButton(panel->editShapeButton(), this, "shapeEditing", panel);
    QPushButton* clear = panel->clearShapeButton();
    clear->setVisible(hasShape());
    connect(this, &TextContent::notifyHasShape, clear, &QWidget::setVisible);
    connect(clear, &QPushButton::clicked, this, &TextContent::clearShape);
    QMap<QString, QWidget*> sections;
    sections.insert(tr("Curve"), panel);
    return sections;
}

void TextContent::selectionChanged(bool selected)
{
    if (!selected && isShapeEditing()) {
        m_shapeEditor->hide();
        emit notifyShapeEditing(false);
    }
}

void TextContent::showTextDialog()
{
    RichTextEditorDialog dialog(nullptr);
    dialog.setMinimumSize(600, 300);
    dialog.setMaximumSize(600, 300);
    dialog.setText(toHtml());
    dialog.adjustSize();
    dialog.focusEditor();
    // The dialog runs an event loop, in which the item may go.
    const QPointer<TextContent> self(this);
    const int result = ModalPrompts::execDialog(&dialog);
    if (self && result == QDialog::Accepted)
        setHtml(dialog.text(Qt::RichText));
}

void TextContent::showContextMenu()
{
    QMenu menu;
    const QKeySequence none;
    const auto add = [&menu, &none](const char* icon, const QString& text) {
        QAction* action = menu.addAction(QIcon(QString::fromLatin1(icon)), text);
        action->setShortcut(none);
        return action;
    };
    QAction* front = add(":/data/action-order-front24.png", tr("To Front"));
    QAction* raise = add(":/data/action-order-raise24.png", tr("Raise"));
    QAction* lower = add(":/data/action-order-lower24.png", tr("Lower"));
    QAction* back = add(":/data/action-order-back24.png", tr("To Back"));
    menu.addSeparator();
    QAction* edit = add(":/data/action-text.png", tr("Edit Text"));
    QAction* curve = add(":/data/action-text-shape.png", tr("Edit Text Curve"));
    QAction* removeShape = hasShape() ? add(":/data/restore.png", tr("Remove Text Shape")) : nullptr;
    menu.addSeparator();
    QAction* remove = add(":/data/action-delete.png", tr("Remove"));

    // Dispatched here rather than through triggered(), so that a chosen
    // action acts once whether the menu ran or a test answered for it.
    const QPointer<TextContent> self(this);
    QAction* chosen = ModalPrompts::execMenu(&menu, QCursor::pos());
    if (!self || !chosen)
        return;
    if (chosen == front)
        slotStackFront();
    else if (chosen == raise)
        slotStackRaise();
    else if (chosen == lower)
        slotStackLower();
    else if (chosen == back)
        slotStackBack();
    else if (chosen == edit)
        showTextDialog();
    else if (chosen == curve)
        setShapeEditing(!isShapeEditing());
    else if (removeShape && chosen == removeShape)
        clearShape();
    else if (chosen == remove)
        emit requestRemoval();
}

void TextContent::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        showTextDialog();
}

void TextContent::hoverEnterEvent(QGraphicsSceneHoverEvent* event)
{
    // The handles would cover the curve's points while they are dragged.
    if (!isShapeEditing())
        AbstractContent::hoverEnterEvent(event);
}

void TextContent::hoverLeaveEvent(QGraphicsSceneHoverEvent* event)
{
    if (!isShapeEditing())
        AbstractContent::hoverLeaveEvent(event);
}

void TextContent::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2) {
        event->accept();
        showTextDialog();
        return;
    }
    AbstractContent::keyPressEvent(event);
}

void TextContent::contextMenuEvent(QGraphicsSceneContextMenuEvent* event)
{
    if (scene())
        scene()->clearSelection();
    setSelected(true);
    event->accept();
    showContextMenu();
}
