#include "KestraTest.h"

#include "Trigonel/GEO_Atmosphere.h"

#include <cmath>
#include <limits>

namespace {
constexpr double kRed = 0.7e-6;
const double kNaN = std::numeric_limits<double>::quiet_NaN();
} // namespace

class TestGeoAtmosphere : public QObject
{
    Q_OBJECT

private slots:
    void ppmAgreesWithTheMakersFormula_data();
    void ppmAgreesWithTheMakersFormula();
    void standardAtmosphere_data();
    void standardAtmosphere();
    void psychrometer_data();
    void psychrometer();
    void domains_data();
    void domains();
};

void TestGeoAtmosphere::ppmAgreesWithTheMakersFormula_data()
{
    QTest::addColumn<double>("dTemperature");
    QTest::addColumn<double>("dPressure");
    QTest::addColumn<double>("dHumidity");
    QTest::addColumn<double>("dExpected");
    // The correction formula published for total stations (red carrier, reference 12 °C,
    // 1013.25 mbar, 60 %), worked out by hand apart from this code:
    //   ppm = 286.338 - [0.29535 p / (1 + a t) - 4.126e-4 h / (1 + a t) 10^x],
    //   x = 7.5 t / (237.3 + t) + 0.7857, a = 1 / 273.15.
    QTest::newRow("reference") << 12.0 << 1013.25 << 60.0 << 0.001;
    QTest::newRow("20 degrees") << 20.0 << 1013.25 << 60.0 << 8.031;
    QTest::newRow("cold, thin, dry") << -50.0 << 289.8 << 0.0 << 181.567;
    QTest::newRow("cold, thin, wet") << -50.0 << 289.8 << 100.0 << 181.570;
    QTest::newRow("cold, dense, wet") << -50.0 << 1301.4 << 100.0 << -184.151;
    QTest::newRow("hot, thin, wet") << 70.0 << 289.8 << 100.0 << 228.452;
    QTest::newRow("hot, thin, dry") << 70.0 << 289.8 << 0.0 << 218.206;
    QTest::newRow("hot, dense, dry") << 70.0 << 1301.4 << 0.0 << -19.622;
    QTest::newRow("freezing, dry") << 0.0 << 1013.25 << 0.0 << -12.925;
    QTest::newRow("tropics") << 30.0 << 850.0 << 80.0 << 61.396;
    QTest::newRow("mountains") << 35.0 << 700.0 << 40.0 << 103.897;
    QTest::newRow("winter") << -20.0 << 1100.0 << 50.0 << -64.187;
    QTest::newRow("high plateau") << 45.0 << 500.0 << 20.0 << 160.229;
    QTest::newRow("fog") << 5.0 << 950.0 << 90.0 << 11.117;
}

void TestGeoAtmosphere::ppmAgreesWithTheMakersFormula()
{
    QFETCH(double, dTemperature);
    QFETCH(double, dPressure);
    QFETCH(double, dHumidity);
    QFETCH(double, dExpected);
    double dWet = kNaN;
    QVERIFY(GEO::wetBulbTemperature(dPressure, dTemperature, dHumidity, dWet));
    double dPpm = kNaN;
    QVERIFY(GEO::atmosphericPpm(dPressure, dTemperature, dWet, kRed, dPpm));
    const double dTolerance = std::max(0.5, 0.015 * std::fabs(dExpected));
    QVERIFY2(std::fabs(dPpm - dExpected) <= dTolerance, qPrintable(QString::number(dPpm, 'f', 3)));
}

void TestGeoAtmosphere::standardAtmosphere_data()
{
    QTest::addColumn<double>("dHeight");
    QTest::addColumn<double>("dPressure");
    // ICAO standard atmosphere tables.
    QTest::newRow("sea level") << 0.0 << 1013.25;
    QTest::newRow("1000 m") << 1000.0 << 898.75;
    QTest::newRow("5000 m") << 5000.0 << 540.20;
    QTest::newRow("below sea level") << -2000.0 << 1277.74;
}

void TestGeoAtmosphere::standardAtmosphere()
{
    QFETCH(double, dHeight);
    QFETCH(double, dPressure);
    double dComputed = kNaN;
    QVERIFY(GEO::heightToPressure(dHeight, dComputed));
    QVERIFY2(std::fabs(dComputed - dPressure) < 0.01, qPrintable(QString::number(dComputed, 'f', 4)));
    double dBack = kNaN;
    QVERIFY(GEO::pressureToHeight(dComputed, dBack));
    QVERIFY2(std::fabs(dBack - dHeight) < 1e-6, qPrintable(QString::number(dBack, 'f', 9)));
}

void TestGeoAtmosphere::psychrometer_data()
{
    QTest::addColumn<double>("dPressure");
    QTest::addColumn<double>("dDry");
    QTest::addColumn<double>("dWet");
    QTest::addColumn<double>("dHumidity");
    QTest::addColumn<double>("dTolerance");
    // Psychrometer tables: 20 °C dry, 15 °C wet at sea level is 59 %.
    QTest::newRow("table value") << 1013.25 << 20.0 << 15.0 << 59.0 << 1.0;
    QTest::newRow("saturated air") << 1013.25 << 20.0 << 20.0 << 100.0 << 1e-9;
    QTest::newRow("saturated, hot and thin") << 289.8 << 70.0 << 70.0 << 100.0 << 1e-9;
    // Negative tolerance: the wet bulb is found from the humidity and must give it back.
    QTest::newRow("dry, cold, dense") << 1301.4 << -50.0 << 0.0 << 0.0 << -1.0;
    QTest::newRow("dry, hot, thin") << 289.8 << 70.0 << 0.0 << 0.0 << -1.0;
    QTest::newRow("humid below freezing") << 1013.25 << -10.0 << 0.0 << 80.0 << -1.0;
    QTest::newRow("reference") << 1013.25 << 12.0 << 0.0 << 60.0 << -1.0;
}

void TestGeoAtmosphere::psychrometer()
{
    QFETCH(double, dPressure);
    QFETCH(double, dDry);
    QFETCH(double, dWet);
    QFETCH(double, dHumidity);
    QFETCH(double, dTolerance);
    if (dTolerance < 0.0) {
        QVERIFY(GEO::wetBulbTemperature(dPressure, dDry, dHumidity, dWet));
        QVERIFY(dWet <= dDry);
        dTolerance = 1e-6;
    }
    double dComputed = kNaN;
    QVERIFY(GEO::relativeHumidity(dPressure, dWet, dDry, dComputed));
    QVERIFY2(std::fabs(dComputed - dHumidity) <= dTolerance, qPrintable(QString::number(dComputed, 'f', 9)));
}

void TestGeoAtmosphere::domains_data()
{
    QTest::addColumn<QString>("strFunction");
    QTest::addColumn<QList<double>>("lstArguments");
    QTest::addColumn<bool>("bOk");
    // The height of the thinnest air and the pressure of the lowest height stay inside the rows.
    QTest::newRow("height whose pressure is too low") << "h2p" << QList<double>{9400.0} << false;
    QTest::newRow("highest height with a pressure") << "h2p" << QList<double>{9394.0} << true;
    QTest::newRow("height above the range") << "h2p" << QList<double>{10000.5} << false;
    QTest::newRow("height below the range") << "h2p" << QList<double>{-2000.5} << false;
    QTest::newRow("height not a number") << "h2p" << QList<double>{kNaN} << false;
    QTest::newRow("pressure whose height is too low") << "p2h" << QList<double>{1301.4} << false;
    QTest::newRow("lowest pressure") << "p2h" << QList<double>{289.8} << true;
    QTest::newRow("pressure below the range") << "p2h" << QList<double>{289.7} << false;
    QTest::newRow("wet bulb warmer than the air") << "rh" << QList<double>{1013.25, 20.5, 20.0} << false;
    QTest::newRow("wet bulb too cold for any air") << "rh" << QList<double>{1013.25, 0.0, 20.0} << false;
    QTest::newRow("humidity above 100") << "tw" << QList<double>{1013.25, 20.0, 100.5} << false;
    QTest::newRow("temperature above the range") << "tw" << QList<double>{1013.25, 70.5, 50.0} << false;
    QTest::newRow("pressure outside for the wet bulb") << "tw" << QList<double>{1400.0, 20.0, 50.0} << false;
    QTest::newRow("ppm at an infrared carrier") << "ppm" << QList<double>{1013.25, 12.0, 8.0, 0.85e-6} << true;
    QTest::newRow("ppm at an ultraviolet carrier") << "ppm" << QList<double>{1013.25, 12.0, 8.0, 0.3e-6} << false;
    QTest::newRow("ppm with a wet bulb warmer than the air") << "ppm" << QList<double>{1013.25, 12.0, 13.0, kRed} << false;
    QTest::newRow("ppm below the coldest temperature") << "ppm" << QList<double>{1013.25, -51.0, -52.0, kRed} << false;
}

void TestGeoAtmosphere::domains()
{
    QFETCH(QString, strFunction);
    QFETCH(QList<double>, lstArguments);
    QFETCH(bool, bOk);
    const QList<double>& a = lstArguments;
    double dResult = 4711.0;
    bool bResult = false;
    if (strFunction == "h2p")
        bResult = GEO::heightToPressure(a[0], dResult);
    else if (strFunction == "p2h")
        bResult = GEO::pressureToHeight(a[0], dResult);
    else if (strFunction == "rh")
        bResult = GEO::relativeHumidity(a[0], a[1], a[2], dResult);
    else if (strFunction == "tw")
        bResult = GEO::wetBulbTemperature(a[0], a[1], a[2], dResult);
    else
        bResult = GEO::atmosphericPpm(a[0], a[1], a[2], a[3], dResult);
    QCOMPARE(bResult, bOk);
    if (!bOk)
        QCOMPARE(dResult, 4711.0);
}

KESTRA_TEST_MAIN(TestGeoAtmosphere)
#include "tst_GEO_Atmosphere.moc"
