#include "KestraTest.h"

#include "KTX/UTI/KTX_UTI_DegreeMinuteSecond.h"

using KTX::UTI::DegreeMinuteSecondC;

class TestDegreeMinuteSecond : public QObject
{
    Q_OBJECT

private slots:
    void fromString_data();
    void fromString();
    void toString_data();
    void toString();
};

void TestDegreeMinuteSecond::fromString_data()
{
    QTest::addColumn<QString>("strText");
    QTest::addColumn<bool>("bOk");
    QTest::addColumn<int>("iDegrees");
    QTest::addColumn<int>("iMinutes");
    QTest::addColumn<int>("iSeconds");
    QTest::addColumn<bool>("bPositive");

    QTest::newRow("empty") << "" << true << 0 << 0 << 0 << true;
    QTest::newRow("negative zero") << "-0°00′00″" << true << 0 << 0 << 0 << false;
    QTest::newRow("all three") << "-5°07′09″" << true << 5 << 7 << 9 << false;
    QTest::newRow("degrees and minutes") << "12°30′" << true << 12 << 30 << 0 << true;
    QTest::newRow("seconds without mark ignored") << "12°30′15" << true << 12 << 30 << 0 << true;
    QTest::newRow("degrees only") << "12°" << true << 12 << 0 << 0 << true;
    QTest::newRow("degrees unbounded") << "400°" << true << 400 << 0 << 0 << true;
    QTest::newRow("marks only") << "°′″" << true << 0 << 0 << 0 << true;
    QTest::newRow("empty minutes") << "12°′5″" << true << 12 << 0 << 5 << true;
    QTest::newRow("no mark") << "12" << false << 0 << 0 << 0 << true;
    QTest::newRow("too many parts") << "1°2′3″4″" << false << 0 << 0 << 0 << true;
    QTest::newRow("minutes 60") << "12°60′" << false << 0 << 0 << 0 << true;
    QTest::newRow("seconds 60 stop minutes") << "12°30′60″" << false << 0 << 0 << 0 << true;
    QTest::newRow("bad degrees keep minutes") << "x°30′" << false << 0 << 30 << 0 << true;
    QTest::newRow("letters in minutes") << "12°3a′" << false << 0 << 0 << 0 << true;
    QTest::newRow("degrees beyond int") << "9999999999°" << false << 0 << 0 << 0 << true;
}

void TestDegreeMinuteSecond::fromString()
{
    QFETCH(QString, strText);
    DegreeMinuteSecondC oValue(1, 2, 3, false);
    QTEST(oValue.fromString(strText), "bOk");
    QTEST(oValue.getDegrees(), "iDegrees");
    QTEST(oValue.getMinutes(), "iMinutes");
    QTEST(oValue.getSeconds(), "iSeconds");
    QTEST(oValue.isPositive(), "bPositive");
}

void TestDegreeMinuteSecond::toString_data()
{
    QTest::addColumn<int>("iDegrees");
    QTest::addColumn<int>("iMinutes");
    QTest::addColumn<int>("iSeconds");
    QTest::addColumn<bool>("bPositive");
    QTest::addColumn<QString>("strText");

    QTest::newRow("negative") << 5 << 7 << 9 << false << "-005°07′09″";
    QTest::newRow("zero") << 0 << 0 << 0 << true << "000°00′00″";
    QTest::newRow("negative zero") << 0 << 0 << 0 << false << "-000°00′00″";
    QTest::newRow("four digit degrees") << 1234 << 5 << 59 << true << "1234°05′59″";
    QTest::newRow("signs of fields dropped") << -5 << -7 << -9 << true << "005°07′09″";
}

void TestDegreeMinuteSecond::toString()
{
    QFETCH(int, iDegrees);
    QFETCH(int, iMinutes);
    QFETCH(int, iSeconds);
    QFETCH(bool, bPositive);
    QFETCH(QString, strText);
    const DegreeMinuteSecondC oValue(iDegrees, iMinutes, iSeconds, bPositive);
    QCOMPARE(oValue.toString(), strText);
    DegreeMinuteSecondC oParsed;
    QVERIFY(oParsed.fromString(strText));
    QCOMPARE(oParsed.toString(), strText);
}

KESTRA_TEST_MAIN(TestDegreeMinuteSecond)
#include "tst_KTX_UTI_DegreeMinuteSecond.moc"
