#include "widgets/QColorSquare.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

namespace {

double clamp01(double x)
{
    return std::clamp(x, 0.0, 1.0);
}

// The colour of plane pixel (fx, fy) for a channel, given the colour that
// holds the fixed channel.
QColor planeColour(char channel, double fx, double fy, double hue, double saturation, double value,
                   const QColor& current)
{
    switch (channel) {
    case 'H': return QColor::fromHsvF(hue, fx, fy, 1.0);
    case 'S': return QColor::fromHsvF(fx, saturation, fy, 1.0);
    case 'V': return QColor::fromHsvF(fx, fy, value, 1.0);
    case 'R': return QColor::fromRgbF(current.redF(), fx, fy, 1.0);
    case 'G': return QColor::fromRgbF(fx, current.greenF(), fy, 1.0);
    case 'B': return QColor::fromRgbF(fx, fy, current.blueF(), 1.0);
    default: return QColor();
    }
}

// QColor keeps HSV and RGB channels in 16 bits; rgb() rounds them to 8.
int to8Bits(int channel16)
{
    return (channel16 + 128) / 257;
}

// The hue plane, HSV(hue, x / w, y / h) for every pixel, computed the way
// QColor::fromHsvF(...).rgb() computes it (the same 16-bit steps, the same
// float arithmetic), so it matches that per-pixel reference bit for bit at a
// fraction of its cost: the hue sector is the same for the whole plane.
void renderHuePlane(QImage& image, double hue)
{
    const int w = image.width();
    const int h = image.height();
    const float hueF = float(hue);
    const int hue16 = hueF == -1.0f ? USHRT_MAX : qRound(hueF * 36000.0f);
    const bool grey = hue16 == USHRT_MAX;
    const float sector = hue16 == 36000 ? 0.0f : hue16 / 6000.0f;
    const int i = int(sector);
    const float f = sector - i;

    std::vector<float> saturation(static_cast<size_t>(w));
    std::vector<bool> achromatic(static_cast<size_t>(w));
    for (int x = 0; x < w; ++x) {
        const int s16 = qRound(float(double(x) / w) * float(USHRT_MAX));
        saturation[size_t(x)] = s16 / float(USHRT_MAX);
        achromatic[size_t(x)] = grey || s16 == 0;
    }
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const int v16 = qRound(float(double(y) / h) * float(USHRT_MAX));
        const float v = v16 / float(USHRT_MAX);
        const int top = to8Bits(qRound(v * USHRT_MAX));
        const int greyLevel = to8Bits(v16);
        for (int x = 0; x < w; ++x) {
            if (achromatic[size_t(x)]) {
                line[x] = qRgb(greyLevel, greyLevel, greyLevel);
                continue;
            }
            const float s = saturation[size_t(x)];
            const int low = to8Bits(qRound(v * (1.0f - s) * USHRT_MAX));
            if (i & 1) {
                const int falling = to8Bits(qRound(v * (1.0f - s * f) * USHRT_MAX));
                switch (i) {
                case 1: line[x] = qRgb(falling, top, low); break;
                case 3: line[x] = qRgb(low, falling, top); break;
                default: line[x] = qRgb(top, low, falling); break;
                }
            } else {
                const int rising = to8Bits(qRound(v * (1.0f - s * (1.0f - f)) * USHRT_MAX));
                switch (i) {
                case 0: line[x] = qRgb(top, rising, low); break;
                case 2: line[x] = qRgb(low, top, rising); break;
                default: line[x] = qRgb(rising, low, top); break;
                }
            }
        }
    }
}

bool isChannel(char c)
{
    return c == 'H' || c == 'S' || c == 'V' || c == 'R' || c == 'G' || c == 'B';
}

} // namespace

QColorSquare::QColorSquare(QWidget* parent)
    : QWidget(parent)
{
    setStyleSheet(QStringLiteral("border:1px; border-style:solid;border-color:black;"));
}

QColor QColorSquare::color() const
{
    return QColor::fromHsvF(m_hue, m_saturation, m_value, 1.0);
}

void QColorSquare::setColor(const QColor& c)
{
    const double h = c.hueF();
    m_hue = h <= 0 ? 0.0 : h;
    m_saturation = c.saturationF();
    m_value = c.valueF();
    m_markerX = m_saturation;
    m_markerY = m_value;
    update();
    emit colorChanged(c);
}

void QColorSquare::setHue(double h)
{
    m_hue = clamp01(h);
    update();
    emit colorChanged(color());
}

void QColorSquare::setSaturation(double s)
{
    m_saturation = clamp01(s);
    update();
    emit colorChanged(color());
}

void QColorSquare::setValue(double v)
{
    m_value = clamp01(v);
    update();
    emit colorChanged(color());
}

void QColorSquare::setCheckedColor(char checked)
{
    m_checked = checked;
    update();
}

void QColorSquare::mousePressEvent(QMouseEvent*)
{
    // Picking starts with the first move; the press only takes the grab.
}

void QColorSquare::mouseReleaseEvent(QMouseEvent* event)
{
    pick(event);
}

void QColorSquare::mouseMoveEvent(QMouseEvent* event)
{
    pick(event);
}

void QColorSquare::pick(const QMouseEvent* event)
{
    const int w = width();
    const int h = height();
    if (w <= 0 || h <= 0)
        return;
    const QPointF pos = event->position();
    const long px = std::lround(pos.x());
    const long py = std::lround(pos.y());
    const double fx = clamp01(double(px - w / 2) / w + 0.5);
    const double fy = clamp01(double(py - h / 2) / h + 0.5);
    m_markerX = fx;
    m_markerY = fy;

    switch (m_checked) {
    case 'H':
        m_saturation = fx;
        m_value = fy;
        break;
    case 'S':
        m_hue = fx;
        m_value = fy;
        break;
    case 'V':
        m_hue = fx;
        m_saturation = fy;
        break;
    case 'R':
    case 'G':
    case 'B': {
        const QColor picked = planeColour(m_checked, fx, fy, m_hue, m_saturation, m_value, color());
        m_hue = picked.hueF();
        m_saturation = picked.saturationF();
        m_value = picked.valueF();
        break;
    }
    default:
        break;
    }
    emit colorSelected(color());
    emit colorChanged(color());
    update();
}

double QColorSquare::fixedChannel() const
{
    switch (m_checked) {
    case 'H': return m_hue;
    case 'S': return m_saturation;
    case 'V': return m_value;
    case 'R': return color().redF();
    case 'G': return color().greenF();
    case 'B': return color().blueF();
    default: return 0;
    }
}

const QImage& QColorSquare::plane()
{
    const double fixed = fixedChannel();
    if (m_square.size() != size() || m_planeChannel != m_checked || m_planeFixed != fixed) {
        renderPlane();
        m_planeChannel = m_checked;
        m_planeFixed = fixed;
    }
    return m_square;
}

void QColorSquare::renderPlane()
{
    const int w = width();
    const int h = height();
    m_square = QImage(w, h, QImage::Format_RGB32);
    if (m_square.isNull())
        return;
    if (!isChannel(m_checked)) {
        // Nothing is written for an unknown channel; keep the memory defined.
        m_square.fill(Qt::black);
        return;
    }
    if (m_checked == 'H') {
        renderHuePlane(m_square, m_hue);
        return;
    }
    const QColor current = color();
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(m_square.scanLine(y));
        const double fy = double(y) / h;
        for (int x = 0; x < w; ++x) {
            const double fx = double(x) / w;
            line[x] = planeColour(m_checked, fx, fy, m_hue, m_saturation, m_value, current).rgb();
        }
    }
}

void QColorSquare::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int w = width();
    const int h = height();
    const QImage& image = plane();
    painter.drawImage(QRectF(1, 1, w, h), image, QRectF(image.rect()));

    painter.setPen(QPen(m_value > 0.5 ? Qt::black : Qt::white, 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(w * m_markerX - 6, h * m_markerY - 6, 12, 12));
}
