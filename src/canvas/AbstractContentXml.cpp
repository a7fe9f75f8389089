// The common XML form of a content: what every picture and text writes and
// reads besides its own data.
#include "canvas/AbstractContent.h"

#include "canvas/FrameFactory.h"
#include "canvas/StandardFrame.h"
#include "files/IQImageLimits.h"

#include <QDir>
#include <QDomDocument>
#include <QDomElement>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

QString g6(double value)
{
    return QString::number(value, 'g', 6);
}

// Opaque 0xAARRGGBB in lower-case hex without "#": "ff000000" for black.
QString hexColour(const QColor& colour)
{
    const quint32 packed = 0xFF000000u + quint32(colour.red()) * 65536u + quint32(colour.green()) * 256u
        + quint32(colour.blue());
    return QString::number(packed, 16);
}

// The opaque colour of the low 24 bits of a hex number; 0 (black) for text
// that is no hex number fitting 32 bits.
QColor colourFromHex(const QString& text)
{
    bool ok = false;
    const uint value = text.toUInt(&ok, 16);
    return QColor::fromRgb(ok ? (value & 0xFFFFFF) : 0u);
}

void appendText(QDomElement& parent, const QString& tag, const QString& text)
{
    QDomDocument doc = parent.ownerDocument();
    QDomElement element = doc.createElement(tag);
    element.appendChild(doc.createTextNode(text));
    parent.appendChild(element);
}

// A number of the file. Text that is no number reads as 0, as missing values
// of older files do. A number that is not finite or lies beyond the int
// range is refused (`usable` false) with a warning: no such value is ever
// written, and it would poison geometry, sorting or allocations.
struct Number
{
    bool usable;
    double value;
};

Number readNumber(const QString& text, const char* what)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok && !std::isinf(value))
        return {true, 0.0};
    if (!std::isfinite(value) || value < double(INT_MIN) || value > double(INT_MAX)) {
        qWarning("AbstractContent::fromXml: %s '%s' is out of range, left as it was", what, qPrintable(text));
        return {false, 0.0};
    }
    return {true, value};
}

Number childNumber(const QDomElement& parent, const QString& child, const char* what)
{
    return readNumber(parent.firstChildElement(child).text(), what);
}

// A decimal int; 0 for text that is no int.
int readInt(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 0;
}

} // namespace

void AbstractContent::toXml(QDomElement& contentElement, const QDir&) const
{
    contentElement.setTagName(QStringLiteral("abstract"));
    QDomDocument doc = contentElement.ownerDocument();

    QDomElement rect = doc.createElement(QStringLiteral("rect"));
    appendText(rect, QStringLiteral("x"), g6(m_contentRect.left()));
    appendText(rect, QStringLiteral("y"), g6(m_contentRect.top()));
    appendText(rect, QStringLiteral("w"), g6(m_contentRect.width()));
    appendText(rect, QStringLiteral("h"), g6(m_contentRect.height()));
    contentElement.appendChild(rect);

    QDomElement position = doc.createElement(QStringLiteral("pos"));
    appendText(position, QStringLiteral("x"), g6(pos().x()));
    appendText(position, QStringLiteral("y"), g6(pos().y()));
    contentElement.appendChild(position);

    appendText(contentElement, QStringLiteral("zvalue"), g6(zValue()));
    appendText(contentElement, QStringLiteral("visible"), isVisible() ? QStringLiteral("1") : QStringLiteral("0"));
    if (contentOpacity() < 1.0)
        appendText(contentElement, QStringLiteral("opacity"), g6(contentOpacity()));

    QDomElement frame = doc.createElement(QStringLiteral("frame"));
    frame.appendChild(doc.createTextNode(QString::number(frameClass())));
    if (frameClass() != 0) {
        const auto* standard = dynamic_cast<const StandardFrame*>(m_frame);
        frame.setAttribute(QStringLiteral("color"), hexColour(standard ? standard->topColor() : QColor(Qt::white)));
        frame.setAttribute(QStringLiteral("opacity"), standard ? standard->colorAlpha() : 255);
        frame.setAttribute(QStringLiteral("margin"), frameMargin());
    }
    contentElement.appendChild(frame);

    QDomElement shadow = doc.createElement(QStringLiteral("shadow"));
    shadow.setAttribute(QStringLiteral("blurRadius"), g6(m_shadowRadius));
    shadow.setAttribute(QStringLiteral("color"), hexColour(m_shadowColor));
    contentElement.appendChild(shadow);

    if (!transform().isIdentity() || rotation() != 0.0) {
        QDomElement transformation = doc.createElement(QStringLiteral("transformation"));
        transformation.setAttribute(QStringLiteral("xRot"), m_perspective.x());
        transformation.setAttribute(QStringLiteral("yRot"), m_perspective.y());
        transformation.setAttribute(QStringLiteral("zRot"), rotation());
        contentElement.appendChild(transformation);
    }
}

bool AbstractContent::fromXml(QDomElement& contentElement, const QDir&)
{
    // Rectangle: applied only when at least 1 x 1, its right and bottom
    // edges fit an int and one ARGB image of it stays under the image cap
    // (the content draws into such images).
    const QDomElement rectElement = contentElement.firstChildElement(QStringLiteral("rect"));
    const Number x = childNumber(rectElement, QStringLiteral("x"), "rect x");
    const Number y = childNumber(rectElement, QStringLiteral("y"), "rect y");
    const Number w = childNumber(rectElement, QStringLiteral("w"), "rect w");
    const Number h = childNumber(rectElement, QStringLiteral("h"), "rect h");
    if (x.usable && y.usable && w.usable && h.usable) {
        const qint64 left = qint64(x.value);
        const qint64 top = qint64(y.value);
        const qint64 width = qint64(w.value);
        const qint64 height = qint64(h.value);
        const double bytes = double(width) * double(height) * 4.0;
        const double cap = double(IQImageLimits::allocationLimitMB) * 1024.0 * 1024.0;
        if (width >= 1 && height >= 1) {
            // Edges far out would overflow the sums of two edges (plus a
            // margin) that the layout and the shapes take.
            constexpr qint64 edgeLimit = INT_MAX / 4;
            const bool edgesFit = left >= -edgeLimit && top >= -edgeLimit && left + width - 1 <= edgeLimit
                && top + height - 1 <= edgeLimit;
            if (!edgesFit || bytes > cap) {
                qWarning("AbstractContent::fromXml: rect of %lld x %lld at (%lld, %lld) is too large, left as it was",
                    width, height, left, top);
            } else {
                const QRect rect {int(left), int(top), int(width), int(height)};
                const bool changed = rect != m_contentRect;
                prepareGeometryChange();
                m_contentRect = rect;
                updateBoundingRect();
                layoutChildren();
                update();
                if (changed)
                    emit contentEdited();
            }
        }
    }

    const QDomElement posElement = contentElement.firstChildElement(QStringLiteral("pos"));
    const Number posX = childNumber(posElement, QStringLiteral("x"), "pos x");
    const Number posY = childNumber(posElement, QStringLiteral("y"), "pos y");
    if (posX.usable && posY.usable)
        setPos(posX.value, posY.value);

    const Number z = childNumber(contentElement, QStringLiteral("zvalue"), "zvalue");
    if (z.usable)
        setZValue(z.value);

    bool visibleOk = false;
    const int visible = contentElement.firstChildElement(QStringLiteral("visible")).text().toInt(&visibleOk);
    setVisible(visibleOk && visible != 0);

    const Number opacity = childNumber(contentElement, QStringLiteral("opacity"), "opacity");
    if (opacity.usable && opacity.value > 0.0 && opacity.value < 1.0)
        setContentOpacity(opacity.value);

    const QColor shadowColourBefore = m_shadowColor;
    const double shadowRadiusBefore = m_shadowRadius;
    const QDomElement shadow = contentElement.firstChildElement(QStringLiteral("shadow"));
    if (!shadow.isNull()) {
        const Number radius = readNumber(shadow.attribute(QStringLiteral("blurRadius")), "shadow blurRadius");
        if (radius.usable)
            m_shadowRadius = std::clamp(radius.value, 0.0, maxShadowRadius);
        const QString colour = shadow.attribute(QStringLiteral("color"));
        if (colour.startsWith(QLatin1Char('#'))) {
            const QColor named = QColor::fromString(colour);
            if (named.isValid())
                m_shadowColor = named;
            else
                qWarning("AbstractContent::fromXml: shadow color '%s' is no colour, left as it was", qPrintable(colour));
        } else {
            m_shadowColor = colourFromHex(colour);
        }
    }
    const QDomElement oldShadowColour = contentElement.firstChildElement(QStringLiteral("shadowColor"));
    if (!oldShadowColour.isNull())
        m_shadowColor = colourFromHex(oldShadowColour.text());
    setShadowEffect();
    if (m_shadowColor != shadowColourBefore)
        emit shadowColorChanged();
    if (m_shadowColor != shadowColourBefore || m_shadowRadius != shadowRadiusBefore)
        emit contentEdited();

    const QDomElement frameElement = contentElement.firstChildElement(QStringLiteral("frame"));
    if (!frameElement.isNull()) {
        bool ok = false;
        const quint32 classId = frameElement.text().toUInt(&ok);
        replaceFrame(ok && classId != 0 ? FrameFactory::createFrame(classId) : nullptr);
        emit contentEdited();
        if (auto* frame = dynamic_cast<StandardFrame*>(m_frame)) {
            frame->setTopColor(colourFromHex(frameElement.attribute(QStringLiteral("color"))));
            const int alpha = std::clamp(readInt(frameElement.attribute(QStringLiteral("opacity"))), 0, 255);
            frame->setColorAlpha(alpha, alpha);
            setFrameMargin(std::clamp(readInt(frameElement.attribute(QStringLiteral("margin"))), 0, maxFrameMargin));
        }
    }

    const QDomElement transformation = contentElement.firstChildElement(QStringLiteral("transformation"));
    if (!transformation.isNull()) {
        const Number xRot = readNumber(transformation.attribute(QStringLiteral("xRot")), "transformation xRot");
        const Number yRot = readNumber(transformation.attribute(QStringLiteral("yRot")), "transformation yRot");
        const Number zRot = readNumber(transformation.attribute(QStringLiteral("zRot")), "transformation zRot");
        const QPointF before = m_perspective;
        if (xRot.usable)
            m_perspective.setX(std::clamp(xRot.value, -maxPerspective, maxPerspective));
        if (yRot.usable)
            m_perspective.setY(std::clamp(yRot.value, -maxPerspective, maxPerspective));
        if (zRot.usable)
            setRotation(zRot.value);
        applyTransforms();
        if (m_perspective != before)
            emit contentEdited();
    }
    return true;
}
