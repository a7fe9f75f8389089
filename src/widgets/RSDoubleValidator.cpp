#include "widgets/RSDoubleValidator.h"

#include <algorithm>
#include <cmath>

namespace {

// Whether typing on after the digits so far can give a magnitude in
// [lo, hi]. `magnitude` is the value of the digits typed, `fractionDigits`
// how many of them follow the point (if `hasPoint`); `decimals` limits the
// fraction (0 for whole numbers).
bool canReach(double magnitude, bool hasPoint, int fractionDigits, int decimals, double lo, double hi)
{
    if (hi < 0.0 || lo > hi)
        return false;
    const double step = decimals > 0 ? std::pow(10.0, -decimals) : 1.0;
    // The ends below are sums of powers of ten, a rounding away from exact;
    // the slack is far below one step, so it admits no further value.
    lo -= step * 1e-6;
    if (hasPoint) {
        // Digits appended to the fraction add less than one unit of the last
        // place typed.
        const double last = fractionDigits < decimals
                                ? magnitude + std::pow(10.0, -fractionDigits) - step
                                : magnitude;
        return magnitude <= hi && last >= lo;
    }
    // k more whole digits (and perhaps a fraction) give
    // [m·10^k, m·10^k + 10^k − step].
    for (double scale = 1.0; std::isfinite(scale); scale *= 10.0) {
        const double from = magnitude * scale;
        if (from > hi)
            return false;
        if (from + scale - step >= lo)
            return true;
    }
    return false;
}

} // namespace

RSDoubleValidator::RSDoubleValidator(double bottom, double top, int decimals, QObject* parent)
    : QDoubleValidator(bottom, top, decimals, parent)
{
}

RSDoubleValidator::~RSDoubleValidator() = default;

QValidator::State RSDoubleValidator::validate(QString& input, int&) const
{
    return classify(input, bottom(), top(), decimals(), locale());
}

QValidator::State RSDoubleValidator::classify(const QString& input, double bottom, double top, int decimals,
                                              const QLocale& locale)
{
    if (input.isEmpty())
        return Intermediate;

    const QString point = locale.decimalPoint();
    const QString minus = locale.negativeSign();
    qsizetype at = 0;
    bool negative = false;
    if (input.startsWith(QLatin1Char('-'))) {
        negative = true;
        at = 1;
    } else if (!minus.isEmpty() && input.startsWith(minus)) {
        negative = true;
        at = minus.size();
    }

    // Rewritten in the C locale with ASCII digits, so that the locale's own
    // digits count too and the conversion sees nothing else.
    QString plain;
    bool hasPoint = false;
    int fractionDigits = 0;
    bool anyDigit = false;
    while (at < input.size()) {
        if (!point.isEmpty() && QStringView(input).mid(at).startsWith(point)) {
            if (hasPoint || decimals < 0)
                return Invalid;
            hasPoint = true;
            plain += QLatin1Char('.');
            at += point.size();
            continue;
        }
        const QChar c = input.at(at);
        if (!c.isDigit())
            return Invalid;
        plain += QChar(u'0' + c.digitValue());
        anyDigit = true;
        if (hasPoint && ++fractionDigits > decimals)
            return Invalid;
        ++at;
    }

    const double magnitude = anyDigit ? QLocale::c().toDouble(QLatin1Char('0') + plain) : 0.0;
    if (anyDigit) {
        const double value = negative ? -magnitude : magnitude;
        if (bottom <= value && value <= top)
            return Acceptable;
    }
    const double lo = negative ? -top : bottom;
    const double hi = negative ? -bottom : top;
    return canReach(magnitude, hasPoint, fractionDigits, std::max(decimals, 0), lo, hi) ? Intermediate : Invalid;
}
