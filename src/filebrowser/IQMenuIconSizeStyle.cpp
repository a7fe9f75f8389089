#include "filebrowser/IQMenuIconSizeStyle.h"

IQMenuIconSizeStyle::IQMenuIconSizeStyle(int size)
    : m_customSize(size)
{
}

IQMenuIconSizeStyle::~IQMenuIconSizeStyle() = default;

void IQMenuIconSizeStyle::SetCustomSize(int size)
{
    m_customSize = size;
}

int IQMenuIconSizeStyle::pixelMetric(QStyle::PixelMetric metric, const QStyleOption* option,
                                     const QWidget* widget) const
{
    if (metric == QStyle::PM_SmallIconSize)
        return m_customSize;
    return QCommonStyle::pixelMetric(metric, option, widget);
}
