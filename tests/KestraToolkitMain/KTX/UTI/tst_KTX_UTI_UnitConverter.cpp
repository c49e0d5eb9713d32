#include "KestraTest.h"

#include "KTX/UTI/KTX_UTI_Date.h"
#include "KTX/UTI/KTX_UTI_DegreeMinuteSecond.h"
#include "KTX/UTI/KTX_UTI_Time.h"
#include "KTX/UTI/KTX_UTI_UnitConverter.h"
#include "KTX/UTI/KTX_UTI_UsFootInch16th.h"

#include <algorithm>
#include <cmath>

using namespace KTX::UTI;
namespace UC = KTX::UTI::UnitConverter;

namespace {

constexpr double kPi = 3.141592653589793;

bool close(double dActual, double dExpected, double dTolerance)
{
    return std::fabs(dActual - dExpected) <= dTolerance;
}

} // namespace

class TestUnitConverter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void numbers_data();
    void numbers();
    void degreeMinuteSecond_data();
    void degreeMinuteSecond();
    void footInch16th_data();
    void footInch16th();
    void timeAndDate();
    void unitTexts_data();
    void unitTexts();
    void unknown_data();
    void unknown();
    void wrongDisplayType();
};

void TestUnitConverter::init()
{
    KestraTest::clearReports();
}

// Every unit with a plain number as display value: the display value, and back again.
void TestUnitConverter::numbers_data()
{
    QTest::addColumn<int>("iQuantity");
    QTest::addColumn<int>("iUnit");
    QTest::addColumn<double>("dInternal");
    QTest::addColumn<double>("dDisplay");
    QTest::addColumn<double>("dTolerance");

    QTest::newRow("0 rad in gon") << int(Q_Angle) << int(AU_Gon) << 0.0 << 0.0 << 0.0;
    QTest::newRow("0 rad in degrees") << int(Q_Angle) << int(AU_Degree) << 0.0 << 0.0 << 0.0;
    QTest::newRow("0 rad in mil") << int(Q_Angle) << int(AU_Mil) << 0.0 << 0.0 << 0.0;
    // A right angle must come out whole, not 99.99999999999999.
    QTest::newRow("pi/2 in gon") << int(Q_Angle) << int(AU_Gon) << kPi / 2 << 100.0 << 0.0;
    QTest::newRow("pi/2 in degrees") << int(Q_Angle) << int(AU_Degree) << kPi / 2 << 90.0 << 0.0;
    QTest::newRow("pi/2 in mil") << int(Q_Angle) << int(AU_Mil) << kPi / 2 << 1600.0 << 0.0;
    QTest::newRow("full circle in gon") << int(Q_Angle) << int(AU_Gon) << 2 * kPi << 400.0 << 0.0;
    QTest::newRow("negative in degrees") << int(Q_Angle) << int(AU_Degree) << -kPi / 4 << -45.0 << 0.0;
    QTest::newRow("1 rad in mil") << int(Q_Angle) << int(AU_Mil) << 1.0 << 3200 / kPi << 1e-9;

    QTest::newRow("metre") << int(Q_Distance) << int(DU_Metre) << 12.345 << 12.345 << 0.0;
    QTest::newRow("international foot") << int(Q_Distance) << int(DU_InternationalFoot) << 0.3048 << 1.0 << 1e-12;
    QTest::newRow("US survey foot") << int(Q_Distance) << int(DU_UsSurveyFoot) << 1200.0 << 3937.0 << 1e-9;
    QTest::newRow("feet differ") << int(Q_Distance) << int(DU_UsSurveyFoot) << 0.3048 << 0.999998 << 1e-12;
    QTest::newRow("negative feet") << int(Q_Distance) << int(DU_InternationalFoot) << -3.048 << -10.0 << 1e-12;

    QTest::newRow("Celsius") << int(Q_Temperature) << int(TU_Celsius) << 21.5 << 21.5 << 0.0;
    QTest::newRow("freezing in F") << int(Q_Temperature) << int(TU_Fahrenheit) << 0.0 << 32.0 << 1e-12;
    QTest::newRow("boiling in F") << int(Q_Temperature) << int(TU_Fahrenheit) << 100.0 << 212.0 << 1e-12;
    QTest::newRow("-40 is -40") << int(Q_Temperature) << int(TU_Fahrenheit) << -40.0 << -40.0 << 1e-12;

    QTest::newRow("mbar") << int(Q_Pressure) << int(PU_Millibar) << 1013.25 << 1013.25 << 0.0;
    QTest::newRow("hPa") << int(Q_Pressure) << int(PU_Hectopascal) << 1013.25 << 1013.25 << 0.0;
    // The conventional millimetre of mercury is 133.322387415 Pa, the inch 25.4 of them.
    QTest::newRow("mmHg") << int(Q_Pressure) << int(PU_MmHg) << 1333.22387415 << 1000.0 << 1e-9;
    QTest::newRow("inHg") << int(Q_Pressure) << int(PU_InHg) << 33.86388640341 << 1.0 << 1e-12;
}

void TestUnitConverter::numbers()
{
    QFETCH(int, iQuantity);
    QFETCH(int, iUnit);
    QFETCH(double, dInternal);
    QFETCH(double, dDisplay);
    QFETCH(double, dTolerance);

    const QVariant varDisplay = UC::toDisplay(iQuantity, dInternal, iUnit);
    QCOMPARE(varDisplay.userType(), int(QMetaType::Double));
    QVERIFY2(close(varDisplay.toDouble(), dDisplay, dTolerance),
             qPrintable(QString::number(varDisplay.toDouble(), 'g', 17)));

    const QVariant varInternal = UC::fromDisplay(iQuantity, dDisplay, iUnit);
    QCOMPARE(varInternal.userType(), int(QMetaType::Double));
    QVERIFY2(close(varInternal.toDouble(), dInternal, 1e-9 * std::max(1.0, std::fabs(dInternal))),
             qPrintable(QString::number(varInternal.toDouble(), 'g', 17)));
    QVERIFY(close(UC::fromDisplay(iQuantity, varDisplay, iUnit).toDouble(), dInternal, 1e-12 * std::max(1.0, std::fabs(dInternal))));
    QCOMPARE(KestraTest::assertTexts(), QStringList());
}

void TestUnitConverter::degreeMinuteSecond_data()
{
    QTest::addColumn<double>("dRadians");
    QTest::addColumn<int>("iDegrees");
    QTest::addColumn<int>("iMinutes");
    QTest::addColumn<int>("iSeconds");
    QTest::addColumn<bool>("bPositive");

    const double dPerSecond = kPi / 180 / 3600;
    QTest::newRow("zero") << 0.0 << 0 << 0 << 0 << true;
    QTest::newRow("right angle") << kPi / 2 << 90 << 0 << 0 << true;
    QTest::newRow("no carry at 59.99 s") << (12 * 3600 + 34 * 60 + 59.99) * dPerSecond << 12 << 34 << 59 << true;
    QTest::newRow("negative keeps fields positive") << -(5 * 3600 + 7 * 60 + 9.5) * dPerSecond << 5 << 7 << 9 << false;
    QTest::newRow("below a second") << -0.4 * dPerSecond << 0 << 0 << 0 << false;
}

void TestUnitConverter::degreeMinuteSecond()
{
    QFETCH(double, dRadians);
    QFETCH(int, iDegrees);
    QFETCH(int, iMinutes);
    QFETCH(int, iSeconds);
    QFETCH(bool, bPositive);

    const QVariant varDisplay = UC::toDisplay(Q_Angle, dRadians, AU_DegreeMinuteSecond);
    QCOMPARE(varDisplay.userType(), qMetaTypeId<DegreeMinuteSecondC>());
    const DegreeMinuteSecondC oAngle = varDisplay.value<DegreeMinuteSecondC>();
    QCOMPARE(oAngle.getDegrees(), iDegrees);
    QCOMPARE(oAngle.getMinutes(), iMinutes);
    QCOMPARE(oAngle.getSeconds(), iSeconds);
    QCOMPARE(oAngle.isPositive(), bPositive);

    // Back from the whole seconds shown.
    const double dShown = (bPositive ? 1 : -1)
                          * (iDegrees + iMinutes / 60.0 + iSeconds / 3600.0) * kPi / 180;
    const QVariant varBack = UC::fromDisplay(Q_Angle, varDisplay, AU_DegreeMinuteSecond);
    QCOMPARE(varBack.userType(), int(QMetaType::Double));
    QVERIFY(close(varBack.toDouble(), dShown, 1e-15));
}

void TestUnitConverter::footInch16th_data()
{
    QTest::addColumn<double>("dMetres");
    QTest::addColumn<UsFootInch16thC>("oDisplay");

    const double dUsFoot = 1200.0 / 3937.0;
    QTest::newRow("zero") << 0.0 << UsFootInch16thC(0, 0, 0, true);
    QTest::newRow("5'03\"07") << (5 + 3 / 12.0 + 7 / 192.0) * dUsFoot << UsFootInch16thC(5, 3, 7, true);
    QTest::newRow("negative") << -(1 + 11 / 12.0 + 15 / 192.0) * dUsFoot << UsFootInch16thC(1, 11, 15, false);
    QTest::newRow("one survey mile") << 5280 * dUsFoot << UsFootInch16thC(5280, 0, 0, true);
}

void TestUnitConverter::footInch16th()
{
    QFETCH(double, dMetres);
    QFETCH(UsFootInch16thC, oDisplay);

    const QVariant varDisplay = UC::toDisplay(Q_Distance, dMetres, DU_UsFootInch16th);
    QCOMPARE(varDisplay.userType(), qMetaTypeId<UsFootInch16thC>());
    const UsFootInch16thC oShown = varDisplay.value<UsFootInch16thC>();
    QCOMPARE(oShown, oDisplay);
    QCOMPARE(oShown.isPositive(), oDisplay.isPositive());

    const QVariant varBack =
        UC::fromDisplay(Q_Distance, QVariant::fromValue(oDisplay), DU_UsFootInch16th);
    QCOMPARE(varBack.userType(), int(QMetaType::Double));
    QVERIFY(close(varBack.toDouble(), dMetres, 1e-9));
}

void TestUnitConverter::timeAndDate()
{
    const double dDateTime = DateC(2024, 2, 29).toDateTime() + (13 * 3600 + 5 * 60 + 9) / 86400.0;
    // The unit plays no part for times and dates.
    for (const QVariant& varUnit : {QVariant(), QVariant(0), QVariant(7)}) {
        const QVariant varTime = UC::toDisplay(Q_Time, dDateTime, varUnit);
        QCOMPARE(varTime.userType(), qMetaTypeId<TimeC>());
        QCOMPARE(varTime.value<TimeC>(), TimeC(13, 5, 9));
        const QVariant varDate = UC::toDisplay(Q_Date, dDateTime, varUnit);
        QCOMPARE(varDate.userType(), qMetaTypeId<DateC>());
        QCOMPARE(varDate.value<DateC>(), DateC(2024, 2, 29));

        // A time goes back onto 2000-01-01, a date onto midnight.
        const double dTime = UC::fromDisplay(Q_Time, varTime, varUnit).toDouble();
        QCOMPARE(DateC::fromDateTime(dTime), DateC(2000, 1, 1));
        QCOMPARE(TimeC::fromDateTime(dTime), TimeC(13, 5, 9));
        const double dDate = UC::fromDisplay(Q_Date, varDate, varUnit).toDouble();
        QCOMPARE(DateC::fromDateTime(dDate), DateC(2024, 2, 29));
        QCOMPARE(TimeC::fromDateTime(dDate), TimeC(0, 0, 0));
    }
    QCOMPARE(KestraTest::assertTexts(), QStringList());
}

void TestUnitConverter::unitTexts_data()
{
    QTest::addColumn<int>("iQuantity");
    QTest::addColumn<QVariant>("varUnit");
    QTest::addColumn<QString>("strText");

    const QString strDegree(QChar(0xB0));
    QTest::newRow("m") << int(Q_Distance) << QVariant(1) << "m";
    QTest::newRow("fi") << int(Q_Distance) << QVariant(2) << "fi";
    QTest::newRow("ft") << int(Q_Distance) << QVariant(3) << "ft";
    QTest::newRow("/16\"") << int(Q_Distance) << QVariant(4) << "/16\"";
    QTest::newRow("g") << int(Q_Angle) << QVariant(1) << "g";
    QTest::newRow("dms has its own marks") << int(Q_Angle) << QVariant(2) << "";
    QTest::newRow("degree") << int(Q_Angle) << QVariant(3) << strDegree;
    QTest::newRow("mil") << int(Q_Angle) << QVariant(4) << "mil";
    QTest::newRow("C") << int(Q_Temperature) << QVariant(1) << strDegree + "C";
    QTest::newRow("F") << int(Q_Temperature) << QVariant(2) << strDegree + "F";
    QTest::newRow("mbar") << int(Q_Pressure) << QVariant(1) << "mbar";
    QTest::newRow("mmHg") << int(Q_Pressure) << QVariant(2) << "mmHg";
    QTest::newRow("inHg") << int(Q_Pressure) << QVariant(3) << "inHg";
    QTest::newRow("hPa") << int(Q_Pressure) << QVariant(4) << "hPa";
    QTest::newRow("unit as text") << int(Q_Pressure) << QVariant(QStringLiteral("4")) << "hPa";
    QTest::newRow("time") << int(Q_Time) << QVariant(9) << "";
    QTest::newRow("date") << int(Q_Date) << QVariant() << "";
}

void TestUnitConverter::unitTexts()
{
    QFETCH(int, iQuantity);
    QFETCH(QVariant, varUnit);
    QTEST(UC::unitText(iQuantity, varUnit), "strText");
    QCOMPARE(KestraTest::assertTexts(), QStringList());
}

// Reported, and the value comes back untouched so nothing the user typed is lost.
void TestUnitConverter::unknown_data()
{
    QTest::addColumn<int>("iQuantity");
    QTest::addColumn<int>("iUnit");
    QTest::addColumn<QString>("strReport");

    QTest::newRow("distance 0") << int(Q_Distance) << 0 << "false";
    QTest::newRow("distance 5") << int(Q_Distance) << 5 << "false";
    QTest::newRow("angle 0") << int(Q_Angle) << 0 << "false";
    QTest::newRow("angle 5") << int(Q_Angle) << 5 << "false";
    QTest::newRow("temperature 3") << int(Q_Temperature) << 3 << "false";
    QTest::newRow("pressure 5") << int(Q_Pressure) << 5 << "false";
    QTest::newRow("pressure -1") << int(Q_Pressure) << -1 << "false";
    QTest::newRow("quantity -1") << -1 << 1 << "Unknown quantity.";
    QTest::newRow("quantity 6") << 6 << 1 << "Unknown quantity.";
}

void TestUnitConverter::unknown()
{
    QFETCH(int, iQuantity);
    QFETCH(int, iUnit);
    QFETCH(QString, strReport);

    const QVariant varValue(QStringLiteral("12.5"));
    QCOMPARE(UC::toDisplay(iQuantity, varValue, iUnit), varValue);
    QCOMPARE(UC::fromDisplay(iQuantity, varValue, iUnit), varValue);
    QCOMPARE(UC::unitText(iQuantity, iUnit), QStringLiteral("----"));
    QCOMPARE(KestraTest::assertTexts(), QStringList({strReport, strReport, strReport}));
}

void TestUnitConverter::wrongDisplayType()
{
    // A plain number where a typed display value belongs would otherwise read as zero.
    const QVariant varValue(1.5);
    QCOMPARE(UC::fromDisplay(Q_Angle, varValue, AU_DegreeMinuteSecond), varValue);
    QCOMPARE(UC::fromDisplay(Q_Distance, varValue, DU_UsFootInch16th), varValue);
    QCOMPARE(UC::fromDisplay(Q_Time, varValue, 0), varValue);
    QCOMPARE(UC::fromDisplay(Q_Date, QVariant::fromValue(TimeC(1, 2, 3)), 1),
             QVariant::fromValue(TimeC(1, 2, 3)));
    QCOMPARE(KestraTest::assertTexts().size(), 4);
    QVERIFY(KestraTest::assertTexts().count("Unexpected display value type.") == 4);
}

KESTRA_TEST_MAIN(TestUnitConverter)
#include "tst_KTX_UTI_UnitConverter.moc"
