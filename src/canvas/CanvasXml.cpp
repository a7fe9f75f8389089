// The canvas inside a project file: writing and reading the "canvas"
// element.
#include "canvas/Canvas.h"

#include "canvas/AbstractContent.h"
#include "canvas/CanvasModeInfo.h"
#include "canvas/PictureContent.h"

#include <QBuffer>
#include <QDomDocument>
#include <QDomElement>

#include <deque>
#include <memory>

namespace {

// The border panel's ranges; a file may hold anything.
constexpr int minBorderWidth = 20;
constexpr int maxBorderWidth = 200;

QDomElement textElement(QDomDocument& doc, const QString& name, int value)
{
    QDomElement element = doc.createElement(name);
    element.appendChild(doc.createTextNode(QString::number(value)));
    return element;
}

void writeColor(QDomDocument& doc, QDomElement& parent, const QColor& color)
{
    parent.appendChild(textElement(doc, QStringLiteral("red"), color.red()));
    parent.appendChild(textElement(doc, QStringLiteral("green"), color.green()));
    parent.appendChild(textElement(doc, QStringLiteral("blue"), color.blue()));
}

// 0 for a missing element or a text that is not a decimal int.
int readInt(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 0;
}

// Black for a missing element; invalid when a component leaves 0..255.
QColor readColor(const QDomElement& element)
{
    const int r = readInt(element.firstChildElement(QStringLiteral("red")).text());
    const int g = readInt(element.firstChildElement(QStringLiteral("green")).text());
    const int b = readInt(element.firstChildElement(QStringLiteral("blue")).text());
    const auto inRange = [](int v) { return v >= 0 && v <= 255; };
    if (inRange(r) && inRange(g) && inRange(b))
        return QColor(r, g, b);
    return QColor();
}

// An attribute as an int when it is present and a number; `fallback`
// otherwise.
int intAttribute(const QDomElement& element, const QString& name, int fallback)
{
    if (!element.hasAttribute(name))
        return fallback;
    bool ok = false;
    const int value = element.attribute(name).toInt(&ok);
    return ok ? value : fallback;
}

QDomElement borderElement(QDomDocument& doc, const CanvasBorder& border)
{
    QDomElement element = doc.createElement(QStringLiteral("border"));
    element.setAttribute(QStringLiteral("opacity"), border.opacity);
    element.setAttribute(QStringLiteral("width"), border.width);
    element.setAttribute(QStringLiteral("top"), border.top ? 1 : 0);
    element.setAttribute(QStringLiteral("left"), border.left ? 1 : 0);
    element.setAttribute(QStringLiteral("bottom"), border.bottom ? 1 : 0);
    element.setAttribute(QStringLiteral("right"), border.right ? 1 : 0);
    return element;
}

// Fields the element lacks, or holds no number for, stay as they were.
void readBorder(const QDomElement& element, CanvasBorder& border)
{
    border.opacity = qBound(0, intAttribute(element, QStringLiteral("opacity"), border.opacity), 255);
    border.width =
        qBound(minBorderWidth, intAttribute(element, QStringLiteral("width"), border.width), maxBorderWidth);
    border.top = intAttribute(element, QStringLiteral("top"), border.top ? 1 : 0) != 0;
    border.left = intAttribute(element, QStringLiteral("left"), border.left ? 1 : 0) != 0;
    border.bottom = intAttribute(element, QStringLiteral("bottom"), border.bottom ? 1 : 0) != 0;
    border.right = intAttribute(element, QStringLiteral("right"), border.right ? 1 : 0) != 0;
}

} // namespace

void Canvas::saveToXml(QDomElement& canvasElement) const
{
    QDomDocument doc = canvasElement.ownerDocument();

    QDomElement mode = doc.createElement(QStringLiteral("mode"));
    m_modeInfo->toXml(mode);
    canvasElement.appendChild(mode);

    QDomElement background = doc.createElement(QStringLiteral("background"));
    background.appendChild(textElement(doc, QStringLiteral("mode"), m_backColor.mode));
    QDomElement properties = doc.createElement(QStringLiteral("back-properties"));
    properties.setAttribute(QStringLiteral("ratio"), int(m_backContentRatio));
    background.appendChild(properties);
    QDomElement gradient = doc.createElement(QStringLiteral("background-Gradient-color"));
    QDomElement top = doc.createElement(QStringLiteral("top"));
    writeColor(doc, top, m_backColor.topColor);
    gradient.appendChild(top);
    QDomElement bottom = doc.createElement(QStringLiteral("bottom"));
    writeColor(doc, bottom, m_backColor.bottomColor);
    gradient.appendChild(bottom);
    background.appendChild(gradient);
    QDomElement color = doc.createElement(QStringLiteral("background-color"));
    writeColor(doc, color, m_backColor.color);
    background.appendChild(color);
    QDomElement foreground = doc.createElement(QStringLiteral("foreground-color"));
    writeColor(doc, foreground, m_border.color);
    background.appendChild(foreground);
    // Last, where readers that do not know it skip it.
    background.appendChild(borderElement(doc, m_border));
    canvasElement.appendChild(background);

    QDomElement contents = doc.createElement(QStringLiteral("content"));
    for (AbstractContent* content : m_contents) {
        QDomElement element = doc.createElement(QStringLiteral("dummy-renamed-element"));
        contents.appendChild(element);
        content->toXml(element, m_baseDir);
        if (content == m_backContent)
            element.appendChild(doc.createElement(QStringLiteral("set-as-background")));
    }
    canvasElement.appendChild(contents);

    // Rendering for output deselects and waits for pictures: the canvas
    // changes no document state by it.
    const QImage preview = const_cast<Canvas*>(this)->renderedImage(
        QSize(48, 48), Qt::KeepAspectRatio, true, QImage::Format_ARGB32);
    if (!preview.isNull()) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::ReadWrite);
        if (preview.save(&buffer, "PNG")) {
            QDomElement element = doc.createElement(QStringLiteral("preview"));
            element.appendChild(doc.createCDATASection(QString::fromLatin1(png.toBase64())));
            canvasElement.appendChild(element);
        }
    }
}

void Canvas::loadFromXml(QDomElement& canvasElement)
{
    while (!m_contents.isEmpty())
        deleteContent(m_contents.first());
    m_backContent = nullptr;

    QDomElement mode = canvasElement.firstChildElement(QStringLiteral("mode"));
    if (mode.isNull())
        mode = canvasElement.firstChildElement(QStringLiteral("project")).firstChildElement(QStringLiteral("mode"));
    if (!mode.isNull())
        m_modeInfo->fromXml(mode);

    QDomElement background = canvasElement.firstChildElement(QStringLiteral("background"));
    if (background.isNull())
        background = canvasElement.firstChildElement(QStringLiteral("desk"));
    if (!background.isNull())
        readBackground(background);

    readContents(canvasElement.firstChildElement(QStringLiteral("content")));

    m_changed = false;
    update();
    adjustSceneSize();
}

void Canvas::readBackground(const QDomElement& background)
{
    const QDomElement mode = background.firstChildElement(QStringLiteral("mode"));
    if (!mode.isNull())
        m_backColor.mode = readInt(mode.text());

    const QDomElement properties = background.firstChildElement(QStringLiteral("back-properties"));
    if (!properties.isNull()) {
        const int ratio = readInt(properties.attribute(QStringLiteral("ratio")));
        // Outside Qt's three modes the value names no behaviour at all.
        if (ratio >= Qt::IgnoreAspectRatio && ratio <= Qt::KeepAspectRatioByExpanding)
            m_backContentRatio = Qt::AspectRatioMode(ratio);
        else
            qWarning("Canvas::fromXml: ratio %d refused", ratio);
    }

    const QDomElement gradient = background.firstChildElement(QStringLiteral("background-Gradient-color"));
    m_backColor.topColor = readColor(gradient.firstChildElement(QStringLiteral("top")));
    m_backColor.bottomColor = readColor(gradient.firstChildElement(QStringLiteral("bottom")));
    m_backColor.color = readColor(background.firstChildElement(QStringLiteral("background-color")));
    m_border.color = readColor(background.firstChildElement(QStringLiteral("foreground-color")));

    const QDomElement border = background.firstChildElement(QStringLiteral("border"));
    if (!border.isNull())
        readBorder(border, m_border);
}

void Canvas::readContents(const QDomElement& contents)
{
    // Every picture's file starts decoding on the render threads now; the
    // contents are still made one by one, here, in document order, each
    // waiting for its own file only.
    const auto isPicture = [](const QDomElement& element) { return element.tagName() == QLatin1String("picture"); };
    std::deque<std::shared_ptr<PicturePrefetch>> prefetches;
    for (QDomElement element = contents.firstChildElement(); !element.isNull();
         element = element.nextSiblingElement()) {
        if (isPicture(element))
            prefetches.push_back(PictureContent::prefetch(element, m_baseDir));
    }

    for (QDomElement element = contents.firstChildElement(); !element.isNull();
         element = element.nextSiblingElement()) {
        const QString name = element.tagName();
        AbstractContent* content = nullptr;
        if (isPicture(element)) {
            PictureContent* picture = createPicture(QPoint(), false);
            picture->setPrefetch(std::move(prefetches.front()));
            prefetches.pop_front();
            content = picture;
        } else if (name == QLatin1String("text")) {
            content = createTextForXml();
        }
        if (!content) {
            qWarning("Canvas::fromXml: unknown content type '%s'", qUtf8Printable(name));
            continue;
        }

        // A picture whose files are missing stays as a placeholder: saving
        // again keeps it for when the files come back.
        bool kept = content->fromXml(element, m_baseDir);
        if (!kept) {
            auto* picture = qobject_cast<PictureContent*>(content);
            kept = picture && picture->isPlaceholder();
        }
        if (!kept) {
            qWarning("Canvas::fromXml: '%s' content could not be read, dropped", qUtf8Printable(name));
            discardContent(content, m_changed);
            continue;
        }
        if (element.firstChildElement(QStringLiteral("set-as-background")).isNull())
            continue;
        if (m_backContent)
            qWarning("Canvas::fromXml: only 1 element with <set-as-background/> allowed");
        else
            setBackContent(content);
    }
}
