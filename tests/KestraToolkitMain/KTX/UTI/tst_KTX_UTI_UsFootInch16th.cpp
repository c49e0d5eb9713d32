#include "KestraTest.h"

#include "KTX/UTI/KTX_UTI_UsFootInch16th.h"

using KTX::UTI::UsFootInch16thC;

class TestUsFootInch16th : public QObject
{
    Q_OBJECT

private slots:
    void fromString_data();
    void fromString();
    void fromFeet_data();
    void fromFeet();
    void comparison_data();
    void comparison();
};

void TestUsFootInch16th::fromString_data()
{
    QTest::addColumn<QString>("strText");
    QTest::addColumn<bool>("bOk");
    QTest::addColumn<int>("iFeet");
    QTest::addColumn<int>("iInches");
    QTest::addColumn<int>("iSixteenths");
    QTest::addColumn<bool>("bPositive");

    QTest::newRow("empty") << "" << true << 0 << 0 << 0 << true;
    QTest::newRow("all three") << "5'03\"07" << true << 5 << 3 << 7 << true;
    QTest::newRow("negative, white space") << "  -5'03\"07 " << true << 5 << 3 << 7 << false;
    QTest::newRow("feet only") << "5" << true << 5 << 0 << 0 << true;
    QTest::newRow("feet and inches") << "12'3" << true << 12 << 3 << 0 << true;
    QTest::newRow("inches and sixteenths") << "3\"15" << true << 0 << 3 << 15 << true;
    QTest::newRow("one leading zero") << "07'" << true << 7 << 0 << 0 << true;
    QTest::newRow("sign only") << "-" << true << 0 << 0 << 0 << false;
    QTest::newRow("12 inches") << "5'12\"" << false << 0 << 0 << 0 << true;
    QTest::newRow("16 sixteenths") << "3\"16" << false << 0 << 0 << 0 << true;
    QTest::newRow("three-digit sixteenths") << "3\"007" << false << 0 << 0 << 0 << true;
    QTest::newRow("two leading zeros") << "007'" << false << 7 << 0 << 0 << true;
    QTest::newRow("plus sign") << "+5'" << false << 0 << 0 << 0 << true;
    QTest::newRow("foot mark after inch mark") << "5\"3'" << false << 0 << 0 << 0 << true;
    QTest::newRow("bad feet keep inches") << "x'3\"" << false << 0 << 3 << 0 << true;
    QTest::newRow("second sign") << "--5'" << false << 0 << 0 << 0 << false;
    QTest::newRow("negative inches") << "5'-1\"" << false << 0 << 0 << 0 << true;
}

void TestUsFootInch16th::fromString()
{
    QFETCH(QString, strText);
    UsFootInch16thC oValue(9, 9, 9, false);
    QTEST(oValue.fromString(strText), "bOk");
    QTEST(oValue.getFeet(), "iFeet");
    QTEST(oValue.getInches(), "iInches");
    QTEST(oValue.getSixteenths(), "iSixteenths");
    QTEST(oValue.isPositive(), "bPositive");
}

void TestUsFootInch16th::fromFeet_data()
{
    QTest::addColumn<double>("dFeet");
    QTest::addColumn<QString>("strText");
    QTest::addColumn<double>("dBack");

    QTest::newRow("negative") << -(5.0 + 3.0 / 12 + 7.0 / 192) << "-5'03\"07" << -(5.0 + 3.0 / 12 + 7.0 / 192);
    QTest::newRow("rounds to a sixteenth") << 1.0 / 12 - 0.4 / 192 << "0'01\"00" << 1.0 / 12;
    QTest::newRow("tiny negative shows as zero") << -0.001 << "0'00\"00" << 0.0;
}

void TestUsFootInch16th::fromFeet()
{
    QFETCH(double, dFeet);
    QFETCH(QString, strText);
    QFETCH(double, dBack);
    const UsFootInch16thC oValue(dFeet);
    QCOMPARE(oValue.toString(), strText);
    QCOMPARE(oValue.toUsFeet(), dBack);
    UsFootInch16thC oParsed;
    QVERIFY(oParsed.fromString(strText));
    QCOMPARE(oParsed.toUsFeet(), dBack);
}

void TestUsFootInch16th::comparison_data()
{
    QTest::addColumn<UsFootInch16thC>("oLeft");
    QTest::addColumn<UsFootInch16thC>("oRight");
    QTest::addColumn<bool>("bEqual");
    QTest::addColumn<bool>("bLess");

    QTest::newRow("plus and minus zero") << UsFootInch16thC(0, 0, 0, true) << UsFootInch16thC(0, 0, 0, false) << true << false;
    QTest::newRow("opposite signs") << UsFootInch16thC(5, 0, 0, false) << UsFootInch16thC(5, 0, 0, true) << false << true;
    QTest::newRow("a sixteenth below zero") << UsFootInch16thC(0, 0, 1, false) << UsFootInch16thC(0, 0, 0, true) << false << true;
    QTest::newRow("inches against feet") << UsFootInch16thC(0, 11, 15, true) << UsFootInch16thC(1, 0, 0, true) << false << true;
    QTest::newRow("more negative is less") << UsFootInch16thC(2, 0, 0, false) << UsFootInch16thC(1, 11, 0, false) << false << true;
    QTest::newRow("same") << UsFootInch16thC(3, 4, 5, true) << UsFootInch16thC(3, 4, 5, true) << true << false;
}

void TestUsFootInch16th::comparison()
{
    QFETCH(UsFootInch16thC, oLeft);
    QFETCH(UsFootInch16thC, oRight);
    QFETCH(bool, bEqual);
    QFETCH(bool, bLess);
    QCOMPARE(oLeft == oRight, bEqual);
    QCOMPARE(oLeft != oRight, !bEqual);
    QCOMPARE(oLeft < oRight, bLess);
    QCOMPARE(oLeft >= oRight, !bLess);
    QCOMPARE(oRight > oLeft, bLess);
    QCOMPARE(oLeft <= oRight, bLess || bEqual);
}

KESTRA_TEST_MAIN(TestUsFootInch16th)
#include "tst_KTX_UTI_UsFootInch16th.moc"
