#include "montage/engine/IQZorivuvParam.h"

IQZorivuvParam::IQZorivuvParam()
{
    makeDefault();
}

void IQZorivuvParam::makeDefault()
{
    layout = 0;
    maskMode = 0;
    tile = QSize(20, 20);
    maxSize = QSize(1024, 1024);
    columns = 100;
    colourise = true;
}
