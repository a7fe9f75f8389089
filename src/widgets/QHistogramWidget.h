#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QWidget>

// The brightness histogram of an image: 256 light grey bars on a dark
// background, the fullest bin reaching the top. The image is reduced to 256
// pixels wide before counting; pixels with alpha below 128 are not counted.
class QHistogramWidget : public QWidget
{
    Q_OBJECT

public:
    explicit QHistogramWidget(QWidget* parent = nullptr);

    // A null image clears the bars.
    void setImage(QImage image);
    void setBackColor(QColor color);

    // One bin per grey level (qGray), divided by the largest bin; all zero
    // when no pixel counts. `image` must be ARGB32.
    static QList<double> calcHist(QImage image);

    QList<double> histogram() const { return m_histogram; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<double> m_histogram;
    QColor m_backColor{34, 34, 34};
};
