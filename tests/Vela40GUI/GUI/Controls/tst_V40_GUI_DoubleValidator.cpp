// The numeric validator: what may be typed, how a number is formatted, and its misuse reports.
#include "KestraTest.h"

#include "V40_GUI_DoubleValidator.h"

using V40::GUI::DoubleValidatorC;

Q_DECLARE_METATYPE(QValidator::State)

class TestDoubleValidator : public QObject
{
    Q_OBJECT

private slots:
    void init() { KestraTest::clearReports(); }

    void validate_data()
    {
        QTest::addColumn<double>("dBottom");
        QTest::addColumn<double>("dTop");
        QTest::addColumn<int>("iDecimals");
        QTest::addColumn<QString>("strInput");
        QTest::addColumn<int>("iPos");
        QTest::addColumn<QValidator::State>("eState");
        QTest::addColumn<QString>("strAfter");
        QTest::addColumn<int>("iPosAfter");

        const auto A = QValidator::Acceptable;
        const auto M = QValidator::Intermediate;
        const auto I = QValidator::Invalid;
        QTest::newRow("in range") << 0.0 << 100.0 << 2 << "12.5" << 4 << A << "12.5" << 4;
        QTest::newRow("placeholder") << 10.0 << 20.0 << 2 << "----" << 4 << A << "----" << 4;
        QTest::newRow("white space trimmed") << 0.0 << 100.0 << 2 << "  12 " << 4 << A << "12" << 2;
        QTest::newRow("plus makes negative") << -50.0 << 50.0 << 2 << "12+" << 3 << A << "-12" << 3;
        QTest::newRow("plus makes positive") << -50.0 << 50.0 << 2 << "-12+" << 4 << A << "12" << 2;
        QTest::newRow("plus without negatives") << 0.0 << 50.0 << 2 << "12+" << 3 << I << "12+" << 3;
        QTest::newRow("too many decimals") << 0.0 << 100.0 << 2 << "1.234" << 5 << I << "1.234" << 5;
        QTest::newRow("no decimals allowed") << 0.0 << 100.0 << 0 << "1.5" << 3 << I << "1.5" << 3;
        QTest::newRow("not a number") << 0.0 << 100.0 << 2 << "1a" << 2 << I << "1a" << 2;
        QTest::newRow("exponent") << 0.0 << 1e9 << 2 << "1e5" << 3 << I << "1e5" << 3;
        QTest::newRow("empty counts as 0") << 0.0 << 100.0 << 2 << "" << 0 << A << "" << 0;
        QTest::newRow("empty below the range") << 10.0 << 100.0 << 2 << "" << 0 << M << "" << 0;
        QTest::newRow("lone minus") << -50.0 << 50.0 << 2 << "-" << 1 << A << "-" << 1;
        QTest::newRow("minus without negatives") << 0.0 << 50.0 << 2 << "-" << 1 << I << "-" << 1;
        QTest::newRow("below a positive bottom") << 10.0 << 100.0 << 2 << "5" << 1 << M << "5" << 1;
        QTest::newRow("above a positive top") << 0.0 << 100.0 << 2 << "150" << 3 << I << "150" << 3;
        QTest::newRow("below a negative bottom") << -50.0 << 50.0 << 2 << "-60" << 3 << I << "-60" << 3;
        QTest::newRow("positive in a negative range") << -20.0 << -10.0 << 2 << "15" << 2 << M << "15" << 2;
    }

    void validate()
    {
        QFETCH(double, dBottom);
        QFETCH(double, dTop);
        QFETCH(int, iDecimals);
        QFETCH(QString, strInput);
        QFETCH(int, iPos);
        QFETCH(QValidator::State, eState);
        QFETCH(QString, strAfter);
        QFETCH(int, iPosAfter);
        const DoubleValidatorC oValidator(dBottom, dTop, iDecimals);
        QCOMPARE(oValidator.validate(strInput, iPos), eState);
        QCOMPARE(strInput, strAfter);
        QCOMPARE(iPos, iPosAfter);
    }

    void fixup_data()
    {
        QTest::addColumn<int>("iDecimals");
        QTest::addColumn<QString>("strInput");
        QTest::addColumn<QString>("strFixed");
        QTest::newRow("decimals filled") << 2 << "1.5" << "1.50";
        QTest::newRow("rounded") << 1 << "-1.26" << "-1.3";
        QTest::newRow("negative zero") << 2 << "-0.001" << "0.00";
        QTest::newRow("negative zero typed") << 2 << "-0" << "0.00";
        QTest::newRow("negative zero without decimals") << 0 << "-0.2" << "0";
        QTest::newRow("empty is 0") << 2 << "" << "0.00";
        QTest::newRow("white space") << 2 << " 3 " << "3.00";
        QTest::newRow("exponent of a stored value") << 2 << "1e-07" << "0.00";
        QTest::newRow("not a number stays") << 2 << "abc" << "abc";
        QTest::newRow("placeholder stays") << 2 << "----" << "----";
    }

    void fixup()
    {
        QFETCH(int, iDecimals);
        QFETCH(QString, strInput);
        QFETCH(QString, strFixed);
        const DoubleValidatorC oValidator(-100.0, 100.0, iDecimals);
        oValidator.fixup(strInput);
        QCOMPARE(strInput, strFixed);
    }

    void misuseIsReported_data()
    {
        QTest::addColumn<double>("dBottom");
        QTest::addColumn<double>("dTop");
        QTest::addColumn<int>("iDecimals");
        QTest::addColumn<QStringList>("lstReports");
        QTest::addColumn<int>("iDecimalsUsed");
        QTest::newRow("sound") << 0.0 << 1.0 << 2 << QStringList() << 2;
        QTest::newRow("bottom above top") << 2.0 << 1.0 << 2 << QStringList{"dBottom <= dTop"} << 2;
        QTest::newRow("negative decimals") << 0.0 << 1.0 << -1 << QStringList{"iDecimals >= 0"} << 0;
    }

    void misuseIsReported()
    {
        QFETCH(double, dBottom);
        QFETCH(double, dTop);
        QFETCH(int, iDecimals);
        QFETCH(QStringList, lstReports);
        QFETCH(int, iDecimalsUsed);
        const DoubleValidatorC oValidator(dBottom, dTop, iDecimals);
        QCOMPARE(KestraTest::assertTexts(), lstReports);
        QCOMPARE(oValidator.decimals(), iDecimalsUsed);
    }
};

KESTRA_TEST_MAIN(TestDoubleValidator)
#include "tst_V40_GUI_DoubleValidator.moc"
