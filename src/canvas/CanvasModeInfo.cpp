#include "canvas/CanvasModeInfo.h"

#include "files/IQImageLimits.h"

#include <QDomDocument>
#include <QDomElement>
#include <QImage>
#include <QtGlobal>

#include <cmath>

namespace {

void appendText(QDomElement& parent, const QString& name, const QString& text)
{
    QDomDocument doc = parent.ownerDocument();
    QDomElement child = doc.createElement(name);
    child.appendChild(doc.createTextNode(text));
    parent.appendChild(child);
}

float childFloat(const QDomElement& parent, const QString& name)
{
    // A missing element or no number reads as 0.
    return parent.firstChildElement(name).text().toFloat();
}

} // namespace

CanvasModeInfo::CanvasModeInfo() = default;

void CanvasModeInfo::setCanvasDpi(float dpiX, float dpiY)
{
    m_dpiX = dpiX;
    m_dpiY = dpiY;
}

void CanvasModeInfo::toXml(QDomElement& mode) const
{
    appendText(mode, QStringLiteral("id"), QString::number(int(m_projectMode)));
    if (!isFixedSize())
        return;
    QDomElement size = mode.ownerDocument().createElement(QStringLiteral("size"));
    mode.appendChild(size);
    appendText(size, QStringLiteral("w"), QString::number(m_fixedSize.width(), 'g', 6));
    appendText(size, QStringLiteral("h"), QString::number(m_fixedSize.height(), 'g', 6));
    appendText(size, QStringLiteral("dpiX"), QString::number(m_dpiX, 'g', 6));
    appendText(size, QStringLiteral("dpiY"), QString::number(m_dpiY, 'g', 6));
}

void CanvasModeInfo::fromXml(QDomElement& mode)
{
    const QDomElement size = mode.firstChildElement(QStringLiteral("size"));
    if (!size.isNull()) {
        const float w = childFloat(size, QStringLiteral("w"));
        const float h = childFloat(size, QStringLiteral("h"));
        // The canvas takes this size as its scene and renders images of it:
        // a size no image could have is refused rather than rounded to int.
        bool sizeOk = std::isfinite(w) && std::isfinite(h);
        if (sizeOk && w > 0 && h > 0) {
            const double rw = std::round(double(w));
            const double rh = std::round(double(h));
            sizeOk = rw <= INT_MAX && rh <= INT_MAX
                && !IQImageLimits::exceedsLimit(QSize(int(rw), int(rh)), QImage::Format_ARGB32_Premultiplied);
        }
        if (sizeOk)
            m_fixedSize = QSizeF(double(w), double(h));
        else
            qWarning("CanvasModeInfo::fromXml: canvas size %g x %g refused", double(w), double(h));

        const float dx = childFloat(size, QStringLiteral("dpiX"));
        const float dy = childFloat(size, QStringLiteral("dpiY"));
        if (!std::isfinite(dx) || !std::isfinite(dy))
            qWarning("CanvasModeInfo::fromXml: resolution %g x %g refused", double(dx), double(dy));
        else if (dx > 1.0f && dy > 1.0f)
            setCanvasDpi(dx, dy);
    }
    bool ok = false;
    const int id = mode.firstChildElement(QStringLiteral("id")).text().toInt(&ok, 10);
    m_projectMode = Mode(ok ? id : 0);
}
