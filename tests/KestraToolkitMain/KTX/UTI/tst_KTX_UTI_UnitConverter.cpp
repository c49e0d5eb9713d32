#include "KestraTest.h"

#include "Ferrolib/BSS_Assert.h"

#include "KTX/UTI/KTX_UTI_Date.h"
#include "KTX/UTI/KTX_UTI_DegreeMinuteSecond.h"
#include "KTX/UTI/KTX_UTI_Time.h"
#include "KTX/UTI/KTX_UTI_UnitConverter.h"
#include "KTX/UTI/KTX_UTI_UsFootInch16th.h"

using namespace KTX::UTI;
namespace UC = KTX::UTI::UnitConverter;

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kUsFoot = 1200.0 / 3937.0;
const double kArcSecond = kPi / 180 / 3600;

// Typed display values as the user sees them; numbers stay numbers.
QVariant shown(const QVariant& varDisplay)
{
    if (varDisplay.userType() == qMetaTypeId<DegreeMinuteSecondC>())
        return varDisplay.value<DegreeMinuteSecondC>().toString();
    if (varDisplay.userType() == qMetaTypeId<UsFootInch16thC>())
        return varDisplay.value<UsFootInch16thC>().toString();
    if (varDisplay.userType() == qMetaTypeId<TimeC>())
        return varDisplay.value<TimeC>().toString();
    if (varDisplay.userType() == qMetaTypeId<DateC>())
        return varDisplay.value<DateC>().toString(DateC::DF_YearMonthDay);
    return varDisplay;
}

} // namespace

class TestUnitConverter : public QObject
{
    Q_OBJECT

private slots:
    void init() { KestraTest::clearReports(); }
    void convert_data();
    void convert();
    void timeAndDateJoin();
    void unitTexts_data();
    void unitTexts();
    void unknown_data();
    void unknown();
    void wrongDisplayType();
};

void TestUnitConverter::convert_data()
{
    QTest::addColumn<int>("iQuantity");
    QTest::addColumn<int>("iUnit");
    QTest::addColumn<double>("dInternal");
    QTest::addColumn<QVariant>("varDisplay");

    const double dDateTime = DateC(2024, 2, 29).toDateTime() + (13 * 3600 + 5 * 60 + 9) / 86400.0;
    const QString strDeg(QChar(0xB0)), strMin(QChar(0x2032)), strSec(QChar(0x2033));
    auto dms = [&](const char* strSign, const char* strD, const char* strM, const char* strS) {
        return QVariant(QLatin1String(strSign) + strD + strDeg + strM + strMin + strS + strSec);
    };

    QTest::newRow("0 gon") << int(Q_Angle) << int(AU_Gon) << 0.0 << QVariant(0.0);
    QTest::newRow("0 deg") << int(Q_Angle) << int(AU_Degree) << 0.0 << QVariant(0.0);
    QTest::newRow("0 mil") << int(Q_Angle) << int(AU_Mil) << 0.0 << QVariant(0.0);
    QTest::newRow("0 dms") << int(Q_Angle) << int(AU_DegreeMinuteSecond) << 0.0 << dms("", "000", "00", "00");
    QTest::newRow("pi/2 gon") << int(Q_Angle) << int(AU_Gon) << kPi / 2 << QVariant(100.0);
    QTest::newRow("pi/2 deg") << int(Q_Angle) << int(AU_Degree) << kPi / 2 << QVariant(90.0);
    QTest::newRow("pi/2 mil") << int(Q_Angle) << int(AU_Mil) << kPi / 2 << QVariant(1600.0);
    QTest::newRow("pi/2 dms") << int(Q_Angle) << int(AU_DegreeMinuteSecond) << kPi / 2 << dms("", "090", "00", "00");
    QTest::newRow("-pi/4 gon") << int(Q_Angle) << int(AU_Gon) << -kPi / 4 << QVariant(-50.0);
    QTest::newRow("59.99 s, no carry") << int(Q_Angle) << int(AU_DegreeMinuteSecond)
                                       << (12 * 3600 + 34 * 60 + 59.99) * kArcSecond << dms("", "012", "34", "59");
    QTest::newRow("negative dms") << int(Q_Angle) << int(AU_DegreeMinuteSecond)
                                  << -(5 * 3600 + 7 * 60 + 9.5) * kArcSecond << dms("-", "005", "07", "09");

    QTest::newRow("m") << int(Q_Distance) << int(DU_Metre) << 12.345 << QVariant(12.345);
    QTest::newRow("fi") << int(Q_Distance) << int(DU_InternationalFoot) << -3.048 << QVariant(-10.0);
    QTest::newRow("ft") << int(Q_Distance) << int(DU_UsSurveyFoot) << 0.3048 << QVariant(0.999998);
    QTest::newRow("0 ft-in") << int(Q_Distance) << int(DU_UsFootInch16th) << 0.0 << QVariant("0'00\"00");
    QTest::newRow("ft-in") << int(Q_Distance) << int(DU_UsFootInch16th)
                           << -(5 + 3 / 12.0 + 7 / 192.0) * kUsFoot << QVariant("-5'03\"07");

    QTest::newRow("C") << int(Q_Temperature) << int(TU_Celsius) << 21.5 << QVariant(21.5);
    QTest::newRow("F") << int(Q_Temperature) << int(TU_Fahrenheit) << 100.0 << QVariant(212.0);
    QTest::newRow("-40 F") << int(Q_Temperature) << int(TU_Fahrenheit) << -40.0 << QVariant(-40.0);

    // The conventional millimetre of mercury is 133.322387415 Pa, the inch 25.4 of them.
    QTest::newRow("mbar") << int(Q_Pressure) << int(PU_Millibar) << 1013.25 << QVariant(1013.25);
    QTest::newRow("hPa") << int(Q_Pressure) << int(PU_Hectopascal) << 1013.25 << QVariant(1013.25);
    QTest::newRow("mmHg") << int(Q_Pressure) << int(PU_MmHg) << 1333.22387415 << QVariant(1000.0);
    QTest::newRow("inHg") << int(Q_Pressure) << int(PU_InHg) << 33.86388640341 << QVariant(1.0);

    QTest::newRow("time") << int(Q_Time) << 0 << dDateTime << QVariant("13:05:09");
    QTest::newRow("date") << int(Q_Date) << 7 << dDateTime << QVariant("2024.02.29");
}

void TestUnitConverter::convert()
{
    QFETCH(int, iQuantity);
    QFETCH(int, iUnit);
    QFETCH(double, dInternal);
    QFETCH(QVariant, varDisplay);

    auto fnCheck = [&](const QVariant& varShown) {
        QCOMPARE(shown(varShown).userType(), varDisplay.userType());
        if (varDisplay.userType() == QMetaType::Double)
            QCOMPARE(varShown.toDouble(), varDisplay.toDouble());
        else
            QCOMPARE(shown(varShown), varDisplay);
    };
    const QVariant varShown = UC::toDisplay(iQuantity, dInternal, iUnit);
    fnCheck(varShown);
    // Display -> internal -> display gives the same display value.
    const QVariant varInternal = UC::fromDisplay(iQuantity, varShown, iUnit);
    QCOMPARE(varInternal.userType(), int(QMetaType::Double));
    fnCheck(UC::toDisplay(iQuantity, varInternal, iUnit));
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(KestraTest::assertTexts(), QStringList());
}

void TestUnitConverter::timeAndDateJoin()
{
    // A time lands on 2000-01-01, a date on midnight.
    const double dTime = UC::fromDisplay(Q_Time, QVariant::fromValue(TimeC(13, 5, 9)), 1).toDouble();
    QCOMPARE(dTime, DateC(2000, 1, 1).toDateTime() + (13 * 3600 + 5 * 60 + 9) / 86400.0);
    const double dDate = UC::fromDisplay(Q_Date, QVariant::fromValue(DateC(2024, 2, 29)), 1).toDouble();
    QCOMPARE(dDate, DateC(2024, 2, 29).toDateTime());
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
    QTest::newRow("dms") << int(Q_Angle) << QVariant(2) << "";
    QTest::newRow("deg") << int(Q_Angle) << QVariant(3) << strDegree;
    QTest::newRow("mil") << int(Q_Angle) << QVariant(4) << "mil";
    QTest::newRow("C") << int(Q_Temperature) << QVariant(1) << strDegree + "C";
    QTest::newRow("F") << int(Q_Temperature) << QVariant(2) << strDegree + "F";
    QTest::newRow("mbar") << int(Q_Pressure) << QVariant(1) << "mbar";
    QTest::newRow("mmHg") << int(Q_Pressure) << QVariant(2) << "mmHg";
    QTest::newRow("inHg") << int(Q_Pressure) << QVariant(3) << "inHg";
    QTest::newRow("hPa as text") << int(Q_Pressure) << QVariant("4") << "hPa";
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

void TestUnitConverter::unknown_data()
{
    QTest::addColumn<int>("iQuantity");
    QTest::addColumn<int>("iUnit");
    QTest::addColumn<QString>("strReport");

    QTest::newRow("distance 0") << int(Q_Distance) << 0 << "false";
    QTest::newRow("distance 5") << int(Q_Distance) << 5 << "false";
    QTest::newRow("angle 5") << int(Q_Angle) << 5 << "false";
    QTest::newRow("temperature 3") << int(Q_Temperature) << 3 << "false";
    QTest::newRow("pressure -1") << int(Q_Pressure) << -1 << "false";
    QTest::newRow("quantity -1") << -1 << 1 << "Unknown quantity.";
    QTest::newRow("quantity 6") << 6 << 1 << "Unknown quantity.";
}

// Reported, and the value comes back untouched.
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
    QCOMPARE(BSS::TEST::assertReports().value(0).strSource, QStringLiteral("KTX_UTI_UnitConverter"));
}

void TestUnitConverter::wrongDisplayType()
{
    // A plain number where a typed value belongs must not read as zero.
    const QVariant varValue(1.5);
    QCOMPARE(UC::fromDisplay(Q_Angle, varValue, AU_DegreeMinuteSecond), varValue);
    QCOMPARE(UC::fromDisplay(Q_Distance, varValue, DU_UsFootInch16th), varValue);
    QCOMPARE(UC::fromDisplay(Q_Date, QVariant::fromValue(TimeC(1, 2, 3)), 1).userType(), qMetaTypeId<TimeC>());
    const QString strReport = QStringLiteral("Unexpected display value type.");
    QCOMPARE(KestraTest::assertTexts(), QStringList({strReport, strReport, strReport}));
}

KESTRA_TEST_MAIN(TestUnitConverter)
#include "tst_KTX_UTI_UnitConverter.moc"
