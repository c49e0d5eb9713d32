#include "KestraTest.h"

#include "Pelletlib/CNV_Angle.h"

#include <cmath>
#include <limits>

namespace {
constexpr double kPi = 3.141592653589793;

double radiansOf(int iDegrees, int iMinutes, double dSeconds)
{
    return (iDegrees + iMinutes / 60.0 + dSeconds / 3600.0) * kPi / 180.0;
}
} // namespace

class TestAngle : public QObject
{
    Q_OBJECT

private slots:
    void split_data();
    void split();
    void wholeSecondsSurviveRadians();
};

void TestAngle::split_data()
{
    QTest::addColumn<double>("dRadians");
    QTest::addColumn<bool>("bOk");
    QTest::addColumn<int>("iSign");
    QTest::addColumn<int>("iDegrees");
    QTest::addColumn<int>("iMinutes");
    QTest::addColumn<double>("dSeconds");

    QTest::newRow("zero") << 0.0 << true << 0 << 0 << 0 << 0.0;
    QTest::newRow("right angle") << kPi / 2 << true << 1 << 90 << 0 << 0.0;
    QTest::newRow("negative right angle") << -kPi / 2 << true << -1 << 90 << 0 << 0.0;
    QTest::newRow("full circle") << 2 * kPi << true << 1 << 360 << 0 << 0.0;
    QTest::newRow("59.99 seconds stay below 60") << radiansOf(12, 34, 59.99) << true << 1 << 12
                                                 << 34 << 59.99;
    QTest::newRow("half degree negative") << -kPi / 360 << true << -1 << 0 << 30 << 0.0;
    QTest::newRow("noise around zero") << -1e-15 << true << 0 << 0 << 0 << 0.0;
    QTest::newRow("many turns") << 1000 * kPi << true << 1 << 180000 << 0 << 0.0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << false << 0 << 0
                                  << 0 << 0.0;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << false << 0 << 0 << 0
                              << 0.0;
    QTest::newRow("degrees beyond int") << 1e9 << false << 0 << 0 << 0 << 0.0;
}

void TestAngle::split()
{
    QFETCH(double, dRadians);
    QFETCH(double, dSeconds);
    CNV::AngleDmsS sDms;
    QTEST(CNV::splitRadians(dRadians, sDms), "bOk");
    QTEST(sDms.iSign, "iSign");
    QTEST(sDms.iDegrees, "iDegrees");
    QTEST(sDms.iMinutes, "iMinutes");
    QVERIFY2(std::fabs(sDms.dSeconds - dSeconds) < 1e-6, qPrintable(QString::number(sDms.dSeconds, 'g', 17)));
}

// A value typed as whole seconds must not come back as 59.999... of the second before.
void TestAngle::wholeSecondsSurviveRadians()
{
    for (int iTotal = 0; iTotal <= 400 * 3600; iTotal += 7) {
        const int iDegrees = iTotal / 3600;
        const int iMinutes = iTotal % 3600 / 60;
        const int iSeconds = iTotal % 60;
        CNV::AngleDmsS sDms;
        QVERIFY(CNV::splitRadians(-radiansOf(iDegrees, iMinutes, iSeconds), sDms));
        QCOMPARE(sDms.iDegrees, iDegrees);
        QCOMPARE(sDms.iMinutes, iMinutes);
        QCOMPARE(static_cast<int>(sDms.dSeconds), iSeconds);
        QCOMPARE(sDms.iSign, iTotal == 0 ? 0 : -1);
    }
}

KESTRA_TEST_MAIN(TestAngle)
#include "tst_CNV_Angle.moc"
