#include "widgets/RSIntValidator.h"

#include "widgets/RSDoubleValidator.h"

#include <climits>
#include <cmath>

namespace {

int toIntBound(double v)
{
    const double t = std::trunc(v);
    if (std::isnan(t))
        return 0;
    if (t <= double(INT_MIN))
        return INT_MIN;
    if (t >= double(INT_MAX))
        return INT_MAX;
    return int(t);
}

} // namespace

RSIntValidator::RSIntValidator(double bottom, double top, QObject* parent)
    : QIntValidator(toIntBound(bottom), toIntBound(top), parent)
{
}

RSIntValidator::~RSIntValidator() = default;

QValidator::State RSIntValidator::validate(QString& input, int&) const
{
    return RSDoubleValidator::classify(input, bottom(), top(), -1, locale());
}

void RSIntValidator::fixup(QString& input) const
{
    input = QString::number(bottom());
}
