#pragma once

#include <QIntValidator>

// Accepts whole numbers inside [bottom, top], written with digits and, where
// the range allows negatives, a leading minus sign. Text that can still
// become such a number by typing on (the empty text, "1" when the range
// starts at 9) is Intermediate; anything else is Invalid and changes
// nothing. fixup() puts in the bottom of the range.
class RSIntValidator : public QIntValidator
{
    Q_OBJECT

public:
    // The bounds are truncated toward zero (and held to the int range).
    RSIntValidator(double bottom, double top, QObject* parent = nullptr);
    ~RSIntValidator() override;

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};
