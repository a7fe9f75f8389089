#pragma once

#include <QDoubleValidator>

// Accepts decimal numbers inside [bottom, top] with at most decimals()
// digits after the locale's decimal point. Only digits, one decimal point and
// a leading minus sign are allowed; no exponent, no group separators.
//
// Text that is not yet a number in the range but can still become one by
// typing on (the empty text, "-", "1" when the range starts at 9) is
// Intermediate, so a box can be cleared and a number typed digit by digit;
// text that can never become valid is Invalid. validate() changes neither
// the text nor the cursor position.
class RSDoubleValidator : public QDoubleValidator
{
    Q_OBJECT

public:
    RSDoubleValidator(double bottom, double top, int decimals, QObject* parent = nullptr);
    ~RSDoubleValidator() override;

    QValidator::State validate(QString& input, int& pos) const override;

    // The rule shared with RSIntValidator: classifies `input` against
    // [bottom, top] in `locale`, with at most `decimals` fraction digits;
    // `decimals` < 0 allows no decimal point at all.
    static QValidator::State classify(const QString& input, double bottom, double top, int decimals,
                                      const QLocale& locale);
};
