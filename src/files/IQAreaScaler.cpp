#include "files/IQAreaScaler.h"

#include <algorithm>

// Positions are measured in units in which a source pixel is `target` long
// and a target pixel `source` long: both rows then have the same length and
// every overlap is a whole number. A source pixel is never longer than a
// target pixel, so it falls in at most two of them.
std::vector<IQAreaScaler::Tap> IQAreaScaler::taps(int source, int target)
{
    std::vector<Tap> out(static_cast<size_t>(source));
    for (qint64 i = 0; i < source; ++i) {
        const qint64 start = i * target;
        const qint64 end = start + target;
        const qint64 first = start / source;
        const qint64 boundary = (first + 1) * source;
        const qint64 inFirst = std::min(end, boundary) - start;
        out[size_t(i)] = Tap{int(first), quint32(inFirst), quint32(target - inFirst)};
    }
    return out;
}

std::vector<IQAreaScaler::Span> IQAreaScaler::spans(int source, int target)
{
    std::vector<Span> out(static_cast<size_t>(target));
    for (qint64 k = 0; k < target; ++k) {
        const qint64 start = k * source;
        const qint64 end = start + source;
        const qint64 first = start / target;
        const qint64 last = (end - 1) / target;
        const auto weight = [&](qint64 i) { return std::min((i + 1) * target, end) - std::max(i * target, start); };
        out[size_t(k)] = Span{int(first), int(last), quint32(weight(first)), quint32(weight(last))};
    }
    return out;
}

IQAreaScaler::IQAreaScaler(QSize source, QSize target, Rows rows)
    : m_source(source)
    , m_target(target)
{
    // Wider rows would not fit a column's sum in 32 bits; no decoder
    // reaching here hands over rows of 16 million pixels.
    if (target.width() < 1 || target.height() < 1 || target.width() > source.width()
        || target.height() > source.height() || source.width() > maxSourceWidth)
        return;
    m_result = QImage(target, rows == Rows::Alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (m_result.isNull())
        return;
    m_channels = rows == Rows::Grey ? 1 : rows == Rows::Opaque ? 3 : 4;
    m_spans = spans(source.width(), target.width());
    m_rows = taps(source.height(), target.height());
    m_line.assign(size_t(target.width()) * size_t(m_channels), 0);
    m_sums.assign(size_t(target.width()) * size_t(m_channels), 0);
}

namespace {

// Channel c (blue, green, red, alpha) of a pixel; a grey sample is its own.
template <int Channel>
quint32 channel(QRgb p)
{
    return (p >> (8 * Channel)) & 0xFF;
}

template <int Channel>
quint32 channel(uchar p)
{
    return p;
}

} // namespace

// One source row summed into target columns. Inside a column every source
// pixel weighs the target width, so those are added plainly and weighed
// once; only the two pixels at its edges weigh less. A column gathers at
// most 255 x source width, so 32 bits hold it (the constructor makes sure).
template <int Channels, typename Pixel>
void IQAreaScaler::sumRow(const Pixel* pixels)
{
    const quint32 full = quint32(m_target.width());
    quint32* d = m_line.data();
    for (const Span& span : m_spans) {
        quint32 sum[4] = {0, 0, 0, 0};
        for (int x = span.first + 1; x < span.last; ++x) {
            const Pixel p = pixels[x];
            sum[0] += channel<0>(p);
            if (Channels > 1) {
                sum[1] += channel<1>(p);
                sum[2] += channel<2>(p);
            }
            if (Channels == 4)
                sum[3] += channel<3>(p);
        }
        for (int c = 0; c < Channels; ++c)
            sum[c] *= full;
        const auto edge = [&sum](Pixel p, quint32 w) {
            sum[0] += channel<0>(p) * w;
            if (Channels > 1) {
                sum[1] += channel<1>(p) * w;
                sum[2] += channel<2>(p) * w;
            }
            if (Channels == 4)
                sum[3] += channel<3>(p) * w;
        };
        edge(pixels[span.first], span.firstWeight);
        if (span.last > span.first)
            edge(pixels[span.last], span.lastWeight);
        for (int c = 0; c < Channels; ++c)
            d[c] = sum[c];
        d += Channels;
    }
}

void IQAreaScaler::addRow(const QRgb* pixels)
{
    if (m_result.isNull() || m_row >= m_source.height() || m_channels == 1)
        return;
    if (m_channels == 4)
        sumRow<4>(pixels);
    else
        sumRow<3>(pixels);
    addSummedRow();
}

void IQAreaScaler::addGreyRow(const uchar* samples)
{
    if (m_result.isNull() || m_row >= m_source.height() || m_channels != 1)
        return;
    sumRow<1>(samples);
    addSummedRow();
}

void IQAreaScaler::addSummedRow()
{
    const Tap& tap = m_rows[size_t(m_row)];
    const size_t count = m_sums.size();
    for (size_t i = 0; i < count; ++i)
        m_sums[i] += quint64(m_line[i]) * tap.firstWeight;
    const qint64 end = qint64(m_row + 1) * m_target.height();
    ++m_row;
    if (tap.nextWeight > 0) {
        emitRow(tap.first);
        for (size_t i = 0; i < count; ++i)
            m_sums[i] = quint64(m_line[i]) * tap.nextWeight;
    } else if (end == qint64(tap.first + 1) * m_source.height()) {
        emitRow(tap.first);
        std::fill(m_sums.begin(), m_sums.end(), 0);
    }
}

void IQAreaScaler::emitRow(int targetRow)
{
    // Every target pixel gathers source width x source height units of weight.
    const quint64 total = quint64(m_source.width()) * quint64(m_source.height());
    const quint64 half = total / 2;
    auto* out = reinterpret_cast<QRgb*>(m_result.scanLine(targetRow));
    const quint64* sum = m_sums.data();
    for (int x = 0; x < m_target.width(); ++x, sum += m_channels) {
        const quint32 b = quint32((sum[0] + half) / total);
        if (m_channels == 1) {
            out[x] = 0xFF000000u | (b << 16) | (b << 8) | b;
            continue;
        }
        const quint32 g = quint32((sum[1] + half) / total);
        const quint32 r = quint32((sum[2] + half) / total);
        const quint32 a = m_channels == 4 ? quint32((sum[3] + half) / total) : 255;
        out[x] = (a << 24) | (r << 16) | (g << 8) | b;
    }
}

QImage IQAreaScaler::result() const
{
    return m_row == m_source.height() ? m_result : QImage();
}
