#include "widgets/RSDoubleValidator.h"
#include "widgets/RSIntValidator.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

namespace {

// Validates in the C locale; the text and the cursor position must come
// back untouched.
void checkValidate(QValidator& validator, const QString& input, QValidator::State state)
{
    validator.setLocale(QLocale::c());
    QString text = input;
    int pos = 1;
    QCOMPARE(validator.validate(text, pos), state);
    QCOMPARE(text, input);
    QCOMPARE(pos, 1);
}

} // namespace

class TestValidators : public QObject
{
    Q_OBJECT

private slots:
    void intValidate_data();
    void intValidate();
    void intBounds();
    void intFixup();
    void typingIntoTheFontSizeBox();
    void everyNumberCanBeTypedDigitByDigit_data();
    void everyNumberCanBeTypedDigitByDigit();
    void doubleValidate_data();
    void doubleValidate();
    void doubleInAnotherLocale_data();
    void doubleInAnotherLocale();
};

void TestValidators::intValidate_data()
{
    QTest::addColumn<int>("bottom");
    QTest::addColumn<int>("top");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QValidator::State>("state");

    const auto ok = QValidator::Acceptable;
    const auto partial = QValidator::Intermediate;
    const auto bad = QValidator::Invalid;

    // The font-size box: 9..400.
    QTest::newRow("12") << 9 << 400 << "12" << ok;
    QTest::newRow("bottom") << 9 << 400 << "9" << ok;
    QTest::newRow("top") << 9 << 400 << "400" << ok;
    QTest::newRow("1 begins 12") << 9 << 400 << "1" << partial;
    QTest::newRow("4 begins 40") << 9 << 400 << "4" << partial;
    QTest::newRow("empty") << 9 << 400 << "" << partial;
    QTest::newRow("401") << 9 << 400 << "401" << bad;
    QTest::newRow("5000") << 9 << 400 << "5000" << bad;
    QTest::newRow("0 can still become 09") << 9 << 400 << "0" << partial;
    QTest::newRow("letters") << 9 << 400 << "abc" << bad;
    QTest::newRow("digit then letter") << 9 << 400 << "1a" << bad;
    QTest::newRow("minus without negatives") << 9 << 400 << "-" << bad;
    QTest::newRow("minus number without negatives") << 9 << 400 << "-12" << bad;
    QTest::newRow("plus sign") << 9 << 400 << "+12" << bad;
    QTest::newRow("blank inside") << 9 << 400 << "1 2" << bad;
    QTest::newRow("decimal point") << 9 << 400 << "12.5" << bad;
    QTest::newRow("beyond int") << 9 << 400 << "99999999999999999999" << bad;

    // A range that holds 0: text that is not a number no longer reads as 0.
    QTest::newRow("0..100 letters") << 0 << 100 << "x" << bad;
    QTest::newRow("0..100 empty") << 0 << 100 << "" << partial;
    QTest::newRow("0..100 zero") << 0 << 100 << "0" << ok;

    QTest::newRow("-50..50 minus") << -50 << 50 << "-" << partial;
    QTest::newRow("-50..50 -7") << -50 << 50 << "-7" << ok;
    QTest::newRow("-50..50 -51") << -50 << 50 << "-51" << bad;
    QTest::newRow("-50..-10 -1 begins -10") << -50 << -10 << "-1" << partial;
    QTest::newRow("-50..-10 5") << -50 << -10 << "5" << bad;
}

void TestValidators::intValidate()
{
    QFETCH(int, bottom);
    QFETCH(int, top);
    QFETCH(QString, input);
    QFETCH(QValidator::State, state);

    RSIntValidator validator(bottom, top);
    checkValidate(validator, input, state);
}

void TestValidators::intBounds()
{
    const RSIntValidator font(9.7, 400.9);
    QCOMPARE(font.bottom(), 9);
    QCOMPARE(font.top(), 400);
    const RSIntValidator negative(-3.9, 1e12);
    QCOMPARE(negative.bottom(), -3);
    QCOMPARE(negative.top(), INT_MAX);
}

void TestValidators::intFixup()
{
    const RSIntValidator validator(9, 400);
    for (QString text : { "", "abc", "1", "5000" }) {
        validator.fixup(text);
        QCOMPARE(text, QStringLiteral("9"));
    }
}

// The editable font-size box of the rich-text editor: a value is typed digit
// by digit, the box can be emptied, and a number out of range is refused.
void TestValidators::typingIntoTheFontSizeBox()
{
    QLineEdit edit;
    RSIntValidator validator(9, 400);
    validator.setLocale(QLocale::c());
    edit.setValidator(&validator);

    edit.setText(QStringLiteral("12"));
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), QString());

    QTest::keyClicks(&edit, QStringLiteral("12"));
    QCOMPARE(edit.text(), QStringLiteral("12"));
    QVERIFY(edit.hasAcceptableInput());

    QTest::keyClicks(&edit, QStringLiteral("0"));
    QCOMPARE(edit.text(), QStringLiteral("120"));
    QTest::keyClicks(&edit, QStringLiteral("0x"));
    QCOMPARE(edit.text(), QStringLiteral("120"));

    // Leaving a prefix that is not a size yet puts in the smallest size.
    edit.setText(QStringLiteral("1"));
    QVERIFY(!edit.hasAcceptableInput());
    QTest::keyClick(&edit, Qt::Key_Return);
    QCOMPARE(edit.text(), QStringLiteral("9"));
}

void TestValidators::everyNumberCanBeTypedDigitByDigit_data()
{
    QTest::addColumn<int>("bottom");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("decimals");
    QTest::newRow("whole 9..400") << 9 << 400 << -1;
    QTest::newRow("whole -50..-10") << -50 << -10 << -1;
    QTest::newRow("whole -120..35") << -120 << 35 << -1;
    // In hundredths: 0.05 .. 0.50 and -1.00 .. 2.50 with two decimals.
    QTest::newRow("hundredths 0.05..0.5") << 5 << 50 << 2;
    QTest::newRow("hundredths -1..2.5") << -100 << 250 << 2;
}

// Whatever number lies in the range, each text on the way to it is accepted
// for editing, and no number outside it is Acceptable.
void TestValidators::everyNumberCanBeTypedDigitByDigit()
{
    QFETCH(int, bottom);
    QFETCH(int, top);
    QFETCH(int, decimals);

    const double scale = decimals > 0 ? 100.0 : 1.0;
    auto text = [&](int n) {
        return decimals > 0 ? QString::number(n / scale, 'f', decimals) : QString::number(n);
    };
    auto state = [&](const QString& input) {
        return decimals > 0 ? RSDoubleValidator::classify(input, bottom / scale, top / scale, decimals, QLocale::c())
                            : RSDoubleValidator::classify(input, bottom, top, -1, QLocale::c());
    };
    for (int n = bottom - 1000; n <= top + 1000; ++n) {
        const QString full = text(n);
        const bool inside = bottom <= n && n <= top;
        QCOMPARE(state(full) == QValidator::Acceptable, inside);
        if (!inside)
            continue;
        for (int length = 0; length < full.size(); ++length) {
            if (state(full.left(length)) == QValidator::Invalid)
                QFAIL(qPrintable(QStringLiteral("\"%1\" on the way to %2 is refused").arg(full.left(length), full)));
        }
    }
}

void TestValidators::doubleValidate_data()
{
    QTest::addColumn<double>("bottom");
    QTest::addColumn<double>("top");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QValidator::State>("state");

    const auto ok = QValidator::Acceptable;
    const auto partial = QValidator::Intermediate;
    const auto bad = QValidator::Invalid;

    QTest::newRow("empty") << 0.0 << 10.0 << 2 << "" << partial;
    QTest::newRow("minus alone") << 0.0 << 10.0 << 2 << "-" << partial;
    QTest::newRow("3.14") << 0.0 << 10.0 << 2 << "3.14" << ok;
    QTest::newRow("three decimals") << 0.0 << 10.0 << 2 << "3.141" << bad;
    QTest::newRow("top") << 0.0 << 10.0 << 2 << "10" << ok;
    QTest::newRow("10.5 above") << 0.0 << 10.0 << 2 << "10.5" << bad;
    QTest::newRow("-1 below") << 0.0 << 10.0 << 2 << "-1" << bad;
    QTest::newRow("ends in the point") << 0.0 << 10.0 << 2 << "3." << ok;
    QTest::newRow("point alone") << 0.0 << 10.0 << 2 << "." << partial;
    QTest::newRow("starts with the point") << 0.0 << 10.0 << 2 << ".5" << ok;
    QTest::newRow("two points") << 0.0 << 10.0 << 2 << "1.2.3" << bad;
    QTest::newRow("exponent") << 0.0 << 10.0 << 2 << "1e1" << bad;
    QTest::newRow("letters") << 0.0 << 10.0 << 2 << "abc" << bad;
    QTest::newRow("blank") << 0.0 << 10.0 << 2 << " 3" << bad;
    QTest::newRow("1 begins 10 in 9..400") << 9.0 << 400.0 << 1 << "1" << partial;
    QTest::newRow("8. can never reach 9") << 9.0 << 400.0 << 1 << "8." << bad;
    QTest::newRow("0.0 begins 0.05") << 0.05 << 0.5 << 2 << "0.0" << partial;
    QTest::newRow("0.00 is below 0.05") << 0.05 << 0.5 << 2 << "0.00" << bad;
    QTest::newRow("0.6 above 0.5") << 0.05 << 0.5 << 2 << "0.6" << bad;
    QTest::newRow("negative range -2.5") << -5.0 << -1.0 << 1 << "-2.5" << ok;
    QTest::newRow("negative range -0 begins -05") << -5.0 << -1.0 << 1 << "-0" << partial;
    QTest::newRow("negative range -6 below") << -5.0 << -1.0 << 1 << "-6" << bad;
    QTest::newRow("no decimals allowed") << 0.0 << 10.0 << 0 << "3.1" << bad;
}

void TestValidators::doubleValidate()
{
    QFETCH(double, bottom);
    QFETCH(double, top);
    QFETCH(int, decimals);
    QFETCH(QString, input);
    QFETCH(QValidator::State, state);

    RSDoubleValidator validator(bottom, top, decimals);
    checkValidate(validator, input, state);
}

void TestValidators::doubleInAnotherLocale_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QValidator::State>("state");
    QTest::newRow("comma is the point") << "3,25" << QValidator::Acceptable;
    QTest::newRow("dot is not") << "3.25" << QValidator::Invalid;
    QTest::newRow("group separator") << "1.000" << QValidator::Invalid;
    QTest::newRow("too many after the comma") << "3,255" << QValidator::Invalid;
}

void TestValidators::doubleInAnotherLocale()
{
    QFETCH(QString, input);
    QFETCH(QValidator::State, state);

    RSDoubleValidator validator(0.0, 10.0, 2);
    validator.setLocale(QLocale(QLocale::German, QLocale::Germany));
    int pos = 0;
    QCOMPARE(validator.validate(input, pos), state);
}

QTEST_MAIN(TestValidators)
#include "tst_validators.moc"
