#include "KestraTest.h"

#include "Pelletlib/CNV_Length.h"

#include <cmath>
#include <limits>

class TestLength : public QObject
{
    Q_OBJECT

private slots:
    void footDefinitions();
    void split_data();
    void split();
    void splitJoinRoundTrip();
};

// The two feet differ by 2 parts per million; mixing them up shows at the millimetre.
void TestLength::footDefinitions()
{
    QCOMPARE(CNV::internationalFeetToMetres(1000.0), 304.8);
    QVERIFY(std::fabs(CNV::usSurveyFeetToMetres(1000.0) - 304.8006096012192) < 1e-9);
    QVERIFY(std::fabs(CNV::metresToInternationalFeet(1.0) - 3.280839895013123) < 1e-12);
    QVERIFY(std::fabs(CNV::metresToUsSurveyFeet(1.0) - 3.2808333333333333) < 1e-12);
    QVERIFY(std::fabs(CNV::metresToUsSurveyFeet(CNV::usSurveyFeetToMetres(-1234.5)) + 1234.5) < 1e-9);
    QVERIFY(std::fabs(CNV::metresToInternationalFeet(-0.3048) + 1.0) < 1e-15);
}

void TestLength::split_data()
{
    QTest::addColumn<double>("dFeet");
    QTest::addColumn<bool>("bOk");
    QTest::addColumn<int>("iSign");
    QTest::addColumn<int>("iFeet");
    QTest::addColumn<int>("iInches");
    QTest::addColumn<int>("iSixteenths");

    QTest::newRow("zero") << 0.0 << true << 0 << 0 << 0 << 0;
    QTest::newRow("5 ft 3 in") << 5.25 << true << 1 << 5 << 3 << 0;
    QTest::newRow("negative") << -5.25 << true << -1 << 5 << 3 << 0;
    QTest::newRow("one inch") << 1.0 / 12.0 << true << 1 << 0 << 1 << 0;
    QTest::newRow("one sixteenth") << 1.0 / 192.0 << true << 1 << 0 << 0 << 1;
    QTest::newRow("15.5 sixteenths carry into inches") << 15.5 / 192.0 << true << 1 << 0 << 1 << 0;
    QTest::newRow("just below 12 ft carry into feet") << 11.999 << true << 1 << 12 << 0 << 0;
    QTest::newRow("one inch in metres")
        << CNV::metresToUsSurveyFeet(0.0254) << true << 1 << 0 << 1 << 0;
    QTest::newRow("tiny negative is zero") << -1e-9 << true << 0 << 0 << 0 << 0;
    QTest::newRow("feet beyond int") << 3.0e9 << false << 0 << 0 << 0 << 0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << false << 0 << 0
                                  << 0 << 0;
    QTest::newRow("infinite") << -std::numeric_limits<double>::infinity() << false << 0 << 0 << 0
                              << 0;
}

void TestLength::split()
{
    QFETCH(double, dFeet);
    CNV::FootInch16thS sParts;
    sParts.iFeet = 99;
    QTEST(CNV::splitUsSurveyFeet(dFeet, sParts), "bOk");
    QTEST(sParts.iSign, "iSign");
    QTEST(sParts.iFeet, "iFeet");
    QTEST(sParts.iInches, "iInches");
    QTEST(sParts.iSixteenths, "iSixteenths");
}

// Every sixteenth, also through metres, comes back as the same fields.
void TestLength::splitJoinRoundTrip()
{
    for (int iFeet : {0, 1, 11, 12, 999, 123456, 2000000000}) {
        for (int iSixteenths = 0; iSixteenths < 192; ++iSixteenths) {
            for (int iSign : {-1, 1}) {
                const double dFeet = CNV::joinUsSurveyFeet(iSign, iFeet, iSixteenths / 16, iSixteenths % 16);
                const bool bZero = iFeet == 0 && iSixteenths == 0;
                QCOMPARE(dFeet < 0.0, iSign < 0 && !bZero);
                CNV::FootInch16thS sParts;
                const double dThroughMetres =
                    CNV::metresToUsSurveyFeet(CNV::usSurveyFeetToMetres(dFeet));
                QVERIFY(CNV::splitUsSurveyFeet(iFeet < 1000000 ? dThroughMetres : dFeet, sParts));
                QCOMPARE(sParts.iSign, bZero ? 0 : iSign);
                QCOMPARE(sParts.iFeet, iFeet);
                QCOMPARE(sParts.iInches, iSixteenths / 16);
                QCOMPARE(sParts.iSixteenths, iSixteenths % 16);
            }
        }
    }
}

KESTRA_TEST_MAIN(TestLength)
#include "tst_CNV_Length.moc"
