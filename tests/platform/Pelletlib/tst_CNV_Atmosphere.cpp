#include "KestraTest.h"

#include "Pelletlib/CNV_Atmosphere.h"

#include <cmath>

class TestAtmosphere : public QObject
{
    Q_OBJECT

private slots:
    void referencePoints_data();
    void referencePoints();
};

void TestAtmosphere::referencePoints_data()
{
    QTest::addColumn<QString>("strQuantity");
    QTest::addColumn<double>("dInternal");
    QTest::addColumn<double>("dDisplay");
    QTest::addColumn<double>("dTolerance");

    QTest::newRow("freezing point") << "F" << 0.0 << 32.0 << 1e-12;
    QTest::newRow("boiling point") << "F" << 100.0 << 212.0 << 1e-12;
    QTest::newRow("minus forty") << "F" << -40.0 << -40.0 << 1e-12;
    // Conventional definitions: 133.322387415 Pa and 3386.388640341 Pa; a standard atmosphere
    // (1013.25 mbar) is 760 torr but not quite 760 mmHg.
    QTest::newRow("one mmHg") << "mmHg" << 1.33322387415 << 1.0 << 1e-12;
    QTest::newRow("one inHg") << "inHg" << 33.86388640341 << 1.0 << 1e-12;
    QTest::newRow("standard atmosphere in mmHg") << "mmHg" << 1013.25 << 759.9998917256 << 1e-9;
    QTest::newRow("standard atmosphere in inHg") << "inHg" << 1013.25 << 29.9212555797 << 1e-9;
    QTest::newRow("zero pressure") << "inHg" << 0.0 << 0.0 << 0.0;
}

void TestAtmosphere::referencePoints()
{
    QFETCH(QString, strQuantity);
    QFETCH(double, dInternal);
    QFETCH(double, dDisplay);
    QFETCH(double, dTolerance);
    double dShown = 0.0;
    double dBack = 0.0;
    if (strQuantity == "F") {
        dShown = CNV::celsiusToFahrenheit(dInternal);
        dBack = CNV::fahrenheitToCelsius(dDisplay);
    } else if (strQuantity == "mmHg") {
        dShown = CNV::millibarToMmHg(dInternal);
        dBack = CNV::mmHgToMillibar(dDisplay);
    } else {
        dShown = CNV::millibarToInHg(dInternal);
        dBack = CNV::inHgToMillibar(dDisplay);
    }
    QVERIFY2(std::fabs(dShown - dDisplay) <= dTolerance, qPrintable(QString::number(dShown, 'g', 15)));
    QVERIFY2(std::fabs(dBack - dInternal) <= dTolerance * 40, qPrintable(QString::number(dBack, 'g', 15)));
}

KESTRA_TEST_MAIN(TestAtmosphere)
#include "tst_CNV_Atmosphere.moc"
