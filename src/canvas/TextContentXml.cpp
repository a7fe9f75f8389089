// The "text" element of TextContent.
#include "canvas/TextContent.h"

#include "canvas/BezierCubicItem.h"

#include <QDomDocument>
#include <QDomElement>
#include <QTextDocument>

#include <cmath>
#include <optional>

namespace {

const char* const pointNames[4] = {"one", "two", "three", "four"};

// A control point far enough out to overflow the item's integer
// rectangle is no curve the editor could have written.
constexpr double maxCoordinate = 1000000.0;

// "x y"; nothing unless both are finite numbers within reach.
std::optional<QPointF> readPoint(const QString& value)
{
    const QStringList parts = value.split(QLatin1Char(' '));
    if (parts.size() < 2)
        return std::nullopt;
    bool okX = false;
    bool okY = false;
    const double x = double(parts.at(0).toFloat(&okX));
    const double y = double(parts.at(1).toFloat(&okY));
    if (!okX || !okY || !std::isfinite(x) || !std::isfinite(y) || std::abs(x) > maxCoordinate
        || std::abs(y) > maxCoordinate)
        return std::nullopt;
    return QPointF(x, y);
}

QString writePoint(const QPointF& point)
{
    return QString::number(point.x(), 'g', 6) + QLatin1Char(' ') + QString::number(point.y(), 'g', 6);
}

} // namespace

void TextContent::toXml(QDomElement& element, const QDir& baseDir) const
{
    AbstractContent::toXml(element, baseDir);
    element.setTagName(QStringLiteral("text"));
    QDomDocument doc = element.ownerDocument();

    QDomElement html = doc.createElement(QStringLiteral("html-text"));
    html.appendChild(doc.createTextNode(m_document->toHtml()));
    element.appendChild(html);

    const QFont font = m_document->defaultFont();
    QDomElement fontElement = doc.createElement(QStringLiteral("default-font"));
    fontElement.setAttribute(QStringLiteral("font-family"), font.family());
    fontElement.setAttribute(QStringLiteral("font-size"), QString::number(font.pointSize()));
    element.appendChild(fontElement);

    QDomElement shape = doc.createElement(QStringLiteral("shape"));
    shape.setAttribute(QStringLiteral("enabled"), hasShape() ? 1 : 0);
    if (hasShape()) {
        QDomElement points = doc.createElement(QStringLiteral("control-points"));
        const QList<QPointF> controlPoints = m_shapeEditor->controlPoints();
        for (int i = 0; i < 4 && i < controlPoints.size(); ++i)
            points.setAttribute(QLatin1String(pointNames[i]), writePoint(controlPoints.at(i)));
        shape.appendChild(points);
    }
    element.appendChild(shape);
}

bool TextContent::fromXml(QDomElement& element, const QDir& baseDir)
{
    setHtml(element.firstChildElement(QStringLiteral("html-text")).text());

    const QDomElement fontElement = element.firstChildElement(QStringLiteral("default-font"));
    if (!fontElement.isNull()) {
        QFont font;
        font.setFamily(fontElement.attribute(QStringLiteral("font-family")));
        const int size = fontElement.attribute(QStringLiteral("font-size")).toInt();
        // A size of 0 or below is no size; QFont would only complain.
        if (size > 0)
            font.setPointSize(std::min(size, int(maxPointSize)));
        m_document->setDefaultFont(font);
    }

    const QDomElement shape = element.firstChildElement(QStringLiteral("shape"));
    if (!shape.isNull() && shape.attribute(QStringLiteral("enabled")).toInt() != 0) {
        const QDomElement pointsElement = shape.firstChildElement(QStringLiteral("control-points"));
        if (!pointsElement.isNull()) {
            QList<QPointF> points;
            for (const char* name : pointNames) {
                const std::optional<QPointF> point = readPoint(pointsElement.attribute(QLatin1String(name)));
                if (!point)
                    break;
                points.append(*point);
            }
            // The editor announces its new curve, which lays the text out
            // along it; the editor itself stays hidden.
            if (points.size() == 4)
                m_shapeEditor->setControlPoints(points);
        }
    }

    AbstractContent::fromXml(element, baseDir);
    return true;
}
