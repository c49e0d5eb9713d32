// Feet, inches and sixteenths as typed on the instrument keyboard: mark keys, sign, leading zeros
// and the range, with the cursor kept behind the same character.
#include "KestraTest.h"

#include "KTX/GUI/KTX_GUI_UsFootInch16thValidator.h"

using KTX::GUI::UsFootInch16thValidatorC;
using KTX::UTI::UsFootInch16thC;

class TestUsFootInch16thValidator : public QObject
{
    Q_OBJECT

private slots:
    void init() { KestraTest::clearReports(); }
    void cleanup() { QCOMPARE(KestraTest::assertTexts(), QStringList()); }

    void validate_data()
    {
        // Range in US survey feet; the cursor stands behind the last character typed.
        QTest::addColumn<double>("dMinimum");
        QTest::addColumn<double>("dMaximum");
        QTest::addColumn<QString>("strInput");
        QTest::addColumn<int>("iPos");
        QTest::addColumn<int>("iState");
        QTest::addColumn<QString>("strOutput");
        QTest::addColumn<int>("iOutputPos");
        const int A = QValidator::Acceptable, I = QValidator::Intermediate, X = QValidator::Invalid;
        QTest::newRow(". after feet is the foot mark") << -10.0 << 10.0 << "5." << 2 << A << "5'" << 2;
        QTest::newRow("space after feet is the foot mark") << -10.0 << 10.0 << "5 " << 2 << A << "5'" << 2;
        QTest::newRow(", after feet is the foot mark") << -10.0 << 10.0 << "5," << 2 << A << "5'" << 2;
        QTest::newRow(", after inches is the inch mark") << -10.0 << 10.0 << "5'3," << 4 << A << "5'3\"" << 4;
        QTest::newRow("mark key typed in the middle") << -10.0 << 10.0 << "5.3" << 2 << A << "5'3" << 2;
        QTest::newRow("a third mark is refused") << -10.0 << 10.0 << "5'3\"7." << 6 << X << "5'3\"7\"" << 6;
        QTest::newRow("leading zero of feet") << 0.0 << 10.0 << "07" << 2 << A << "7" << 1;
        QTest::newRow("leading zero after the sign") << -10.0 << 10.0 << "-07" << 3 << A << "-7" << 2;
        QTest::newRow("zero feet keep their zero") << 0.0 << 10.0 << "0'5" << 3 << A << "0'5" << 3;
        QTest::newRow("two leading zeros are refused") << 0.0 << 10.0 << "007" << 3 << X << "007" << 3;
        QTest::newRow("no sign without negative values") << 0.0 << 10.0 << "-5" << 2 << X << "-5" << 2;
        QTest::newRow("plus without a minus is refused") << -10.0 << 10.0 << "5+" << 2 << X << "5+" << 2;
        QTest::newRow("plus takes the minus away") << -10.0 << 10.0 << "-5+" << 3 << A << "5" << 1;
        QTest::newRow("above a positive maximum") << 0.0 << 10.0 << "12" << 2 << X << "12" << 2;
        QTest::newRow("below a positive minimum, may grow") << 2.0 << 10.0 << "1" << 1 << I << "1" << 1;
        QTest::newRow("positive, but no positive values") << -10.0 << -2.0 << "5" << 1 << X << "5" << 1;
        QTest::newRow("range compares the lengths") << 0.0 << 10.0 << "10'0\"1" << 6 << X << "10'0\"1" << 6;
    }

    void validate()
    {
        QFETCH(double, dMinimum);
        QFETCH(double, dMaximum);
        QFETCH(QString, strInput);
        QFETCH(int, iPos);
        QFETCH(int, iState);
        QFETCH(QString, strOutput);
        QFETCH(int, iOutputPos);
        const UsFootInch16thValidatorC oValidator{UsFootInch16thC(dMinimum), UsFootInch16thC(dMaximum)};
        QCOMPARE(int(oValidator.validate(strInput, iPos)), iState);
        QCOMPARE(strInput, strOutput);
        QCOMPARE(iPos, iOutputPos);
    }
};

KESTRA_TEST_MAIN(TestUsFootInch16thValidator)
#include "tst_KTX_GUI_UsFootInch16thValidator.moc"
