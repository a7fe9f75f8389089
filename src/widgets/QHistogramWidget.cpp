#include "widgets/QHistogramWidget.h"

#include <QPainter>

QHistogramWidget::QHistogramWidget(QWidget* parent)
    : QWidget(parent)
{
}

void QHistogramWidget::setImage(QImage image)
{
    if (image.isNull()) {
        m_histogram.clear();
    } else {
        // Counting a 256-pixel-wide copy keeps big photos cheap.
        const QImage reduced = image.scaledToWidth(256, Qt::FastTransformation).convertToFormat(QImage::Format_ARGB32);
        m_histogram = calcHist(reduced);
    }
    update();
}

void QHistogramWidget::setBackColor(QColor color)
{
    m_backColor = color;
    update();
}

QList<double> QHistogramWidget::calcHist(QImage image)
{
    QList<double> bins(256, 0.0);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            if (!(pixel & 0x80000000u))
                continue;
            bins[qGray(pixel)] += 1.0;
        }
    }
    double largest = 0.0;
    for (double bin : qAsConst(bins))
        largest = qMax(largest, bin);
    if (largest > 0.0) {
        for (double& bin : bins)
            bin /= largest;
    }
    return bins;
}

void QHistogramWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();
    if (m_histogram.isEmpty()) {
        painter.fillRect(rect(), m_backColor);
        return;
    }
    const QColor barColor(244, 244, 244);
    const double binWidth = double(w) / m_histogram.size();
    for (int i = 0; i < m_histogram.size(); ++i) {
        const int x0 = int(i * binWidth);
        const int x1 = int((i + 1) * binWidth);
        const int top = int(h - m_histogram.at(i) * h);
        if (x1 <= x0)
            continue;
        painter.fillRect(QRect(x0, top, x1 - x0, h - top), barColor);
        painter.fillRect(QRect(x0, 0, x1 - x0, top), m_backColor);
    }
}
