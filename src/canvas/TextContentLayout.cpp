// Measuring and drawing of TextContent: each block measured from its
// baseline and stacked below the previous one, then drawn in straight lines
// or along the curve.
#include "canvas/TextContent.h"

#include "platform/RandomSource.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace {

// Far beyond any real text, small enough that sums of a few stay in int.
constexpr int maxExtent = 1 << 24;
// Block margins from a file are held to this many pixels.
constexpr double maxMargin = 10000.0;

int boundedInt(double value)
{
    if (!std::isfinite(value))
        return 0;
    return int(std::clamp(value, -double(maxExtent), double(maxExtent)));
}

int boundedInt(qint64 value)
{
    return int(std::clamp<qint64>(value, -maxExtent, maxExtent));
}

int margin(const QTextBlockFormat& format, QTextFormat::Property property)
{
    const double value = format.doubleProperty(property);
    return std::isfinite(value) ? int(std::clamp(value, -maxMargin, maxMargin)) : 0;
}

// The fragment's font with every attribute fixed. A fragment that sets
// nothing itself reports the document's default font, but marked as set by
// nobody, so a painter would fill it in from its device's font instead.
QFont fragmentFont(const QTextCharFormat& format)
{
    QFont font = format.font();
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

// `rect` within reach of int arithmetic, else false.
bool sane(const QRectF& rect)
{
    const auto ok = [](double v) { return std::isfinite(v) && std::abs(v) <= maxExtent; };
    return ok(rect.left()) && ok(rect.top()) && ok(rect.right()) && ok(rect.bottom());
}

} // namespace

void TextContent::updateTextConstraints()
{
    // The user's stretching of the item survives a new text.
    double ratioX = 1.0;
    double ratioY = 1.0;
    if (m_textRect.width() > 0 && m_textRect.height() > 0) {
        const QRect content = contentRect();
        ratioX = double(content.width()) / m_textRect.width();
        ratioY = double(content.height()) / m_textRect.height();
    }

    m_blockRects.clear();
    m_textRect = QRect();
    int largestFontHeight = 0;
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        if (!block.isVisible())
            continue;
        int top = 0;
        int bottom = -1;
        qint64 right = -1;
        if (block.begin().atEnd()) {
            // An empty line is one line of the block's own font high.
            const QFontMetrics metrics(block.charFormat().font());
            right = 0;
            bottom = metrics.height() - 1;
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || fragment.length() <= 0)
                continue;
            const QString text = fragment.text();
            if (text.trimmed().isEmpty())
                continue;
            const QFontMetrics metrics(fragmentFont(fragment.charFormat()));
            if (metrics.height() > largestFontHeight || largestFontHeight == 0)
                largestFontHeight = metrics.height();
            const QRect bounds = metrics.boundingRect(text);
            if (bounds.left() <= 9999) {
                top = std::min(top, bounds.top());
                bottom = std::max(bottom, bounds.bottom());
                right += metrics.horizontalAdvance(text);
            }
        }
        const QTextBlockFormat format = block.blockFormat();
        QRect rect(QPoint(0, top), QPoint(boundedInt(right), bottom));
        rect.adjust(-margin(format, QTextFormat::BlockLeftMargin), -margin(format, QTextFormat::BlockTopMargin),
            margin(format, QTextFormat::BlockRightMargin), margin(format, QTextFormat::BlockBottomMargin));
        m_blockRects.append(rect);

        QRect stacked = rect;
        stacked.moveTop(m_textRect.bottom() + 1);
        m_textRect.setLeft(std::min(m_textRect.left(), stacked.left()));
        m_textRect.setRight(std::max(m_textRect.right(), stacked.right()));
        m_textRect.setTop(std::min(m_textRect.top(), stacked.top()));
        m_textRect.setBottom(std::max(m_textRect.bottom(), stacked.bottom()));
        // Lines past this depth could never be seen; they would only
        // overflow the arithmetic.
        if (m_textRect.bottom() > maxExtent)
            break;
    }
    m_textRect.adjust(-m_textMargin, -m_textMargin, m_textMargin + 10, m_textMargin);

    if (!m_shapePath.isEmpty()) {
        const QRectF bounds = m_shapePath.boundingRect();
        if (sane(bounds)) {
            const int border = std::clamp(largestFontHeight, 10, 500);
            m_shapeRect = bounds.toRect().adjusted(-border, -border, border, border);
            resizeContents(m_shapeRect, false);
            return;
        }
    }
    const int w = boundedInt(m_textRect.width() * ratioX);
    const int h = boundedInt(m_textRect.height() * ratioY);
    resizeContents(QRect(-(w / 2), -(h / 2), w, h), false);
}

void TextContent::drawContent(QPainter* painter, const QRect& target, Qt::AspectRatioMode mode)
{
    Q_UNUSED(mode);
    const bool alongCurve = !m_shapePath.isEmpty() && m_shapeRect.isValid();
    const QRect source = alongCurve ? m_shapeRect : m_textRect;

    painter->save();
    painter->translate(target.topLeft());
    if (source.width() >= 1 && source.height() >= 1) {
        const double sx = double(target.width()) / source.width();
        const double sy = double(target.height()) / source.height();
        if (!qFuzzyCompare(sx, 1.0) || !qFuzzyCompare(sy, 1.0))
            painter->scale(sx, sy);
    }
    if (alongCurve)
        painter->translate(-m_shapeRect.topLeft());
    drawBlocks(painter, alongCurve);
    painter->restore();
}

void TextContent::drawBlocks(QPainter* painter, bool alongCurve)
{
    QPointF origin = alongCurve ? QPointF(0, 0) : QPointF(-m_textRect.left(), -m_textRect.top());
    int index = 0;
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        if (!block.isVisible())
            continue;
        if (index >= m_blockRects.size())
            break;
        const QRect& rect = m_blockRects.at(index);
        // Straight lines start on the block's baseline; along the curve the
        // first line sits on it and further lines run parallel below.
        QPointF position = alongCurve ? origin : origin - QPointF(rect.topLeft());
        double distance = 8.0;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || fragment.length() <= 0)
                continue;
            const QTextCharFormat format = fragment.charFormat();
            const QFont font = fragmentFont(format);
            const QFontMetrics metrics(font);
            painter->setFont(font);
            painter->setPen(format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                                             : QColor(Qt::black));
            painter->setBrush(Qt::NoBrush);
            const QString text = fragment.text();
            if (!alongCurve) {
                // One run per fragment keeps surrogate pairs, combining marks
                // and right-to-left shaping whole; the measuring used the
                // same run's advance.
                painter->drawText(position, text);
                position.rx() += metrics.horizontalAdvance(text);
                continue;
            }
            // Along the curve, whole grapheme clusters, each turned to the
            // curve where it starts.
            QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
            qsizetype start = 0;
            while (start < text.size()) {
                qsizetype end = finder.toNextBoundary();
                if (end <= start)
                    end = text.size();
                const QString cluster = text.mid(start, end - start);
                start = end;
                const double t = m_shapePath.percentAtLength(distance);
                QPointF point = m_shapePath.pointAtPercent(t);
                const double angle = m_shapePath.angleAtPercent(t);
                if (m_shakeRadius > 0) {
                    const quint32 r1 = RandomSource::next();
                    const quint32 r2 = RandomSource::next();
                    const quint32 s = quint32(m_shakeRadius);
                    point.rx() += int(r1 % s) - m_shakeRadius / 2 + 1;
                    point.ry() += int(r2 % (2 * s)) - m_shakeRadius + 1;
                }
                painter->save();
                painter->translate(point);
                painter->rotate(-angle);
                painter->drawText(position, cluster);
                painter->restore();
                distance += metrics.horizontalAdvance(cluster);
            }
        }
        ++index;
        origin.ry() += rect.height();
    }
}
