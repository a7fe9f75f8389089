#pragma once

#include <QProxyStyle>

// A proxy of the application style that gives the icons of the widgets it is
// set on (a menu of template pictures) a size of their own. Every other
// metric is the common style's default, not the proxied style's.
//
// QWidget::setStyle does not take ownership: whoever makes the style deletes
// it after the widgets that use it.
class IQMenuIconSizeStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // `size` is the edge of a small icon, in device-independent pixels.
    explicit IQMenuIconSizeStyle(int size = 30);
    ~IQMenuIconSizeStyle() override;

    void SetCustomSize(int size);
    int customSize() const { return m_customSize; }

    int pixelMetric(QStyle::PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

private:
    int m_customSize;
};
