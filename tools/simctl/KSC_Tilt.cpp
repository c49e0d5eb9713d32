#include "KSC_Tilt.h"

#include "SimInstrument/VSIM_Settings.h"

#include <QRegularExpression>
#include <QTextStream>

#include <cmath>

namespace KSC {

namespace {

constexpr double kPi = 3.14159265358979323846;

const QString& tiltLKey()
{
    static const QString s_strKey = QStringLiteral("Sensor/TiltL");
    return s_strKey;
}

const QString& tiltTKey()
{
    static const QString s_strKey = QStringLiteral("Sensor/TiltT");
    return s_strKey;
}

// Radians per unit, by the unit's names.
double radiansPer(const QString& strUnit)
{
    const QString strName = strUnit.toLower();
    if (strName == QLatin1String("rad"))
        return 1.0;
    if (strName == QLatin1String("mrad"))
        return 1e-3;
    if (strName == QLatin1String("gon"))
        return kPi / 200.0;
    if (strName == QLatin1String("mgon"))
        return kPi / 200000.0;
    if (strName == QLatin1String("deg") || strName == QString(QChar(0xB0)))
        return kPi / 180.0;
    return 0.0;
}

QString oneAxis(const char* strName, double dRadians)
{
    return QStringLiteral("%1 = %2 gon (%3 rad)")
        .arg(QLatin1String(strName))
        .arg(dRadians * 200.0 / kPi, 0, 'f', 4)
        .arg(dRadians, 0, 'g', 6);
}

} // namespace

bool parseAngle(const QString& strText, double& rdRadians, QString& rstrError)
{
    static const QRegularExpression s_oAngle(
        QStringLiteral("^\\s*([+-]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][+-]?\\d+)?)\\s*(\\S+)\\s*$"));
    const QRegularExpressionMatch oMatch = s_oAngle.match(strText);
    const double dPerUnit = oMatch.hasMatch() ? radiansPer(oMatch.captured(2)) : 0.0;
    if (dPerUnit == 0.0) {
        rstrError = QStringLiteral("'%1' is no angle: give a number with its unit, one of rad, mrad, gon, mgon, deg "
                                   "(for example 0.05gon).")
                        .arg(strText);
        return false;
    }
    rdRadians = oMatch.captured(1).toDouble() * dPerUnit;
    return std::isfinite(rdRadians);
}

QString tiltText()
{
    return oneAxis("L", VSIM::SettingsC::doubleValue(tiltLKey())) + "   " +
        oneAxis("T", VSIM::SettingsC::doubleValue(tiltTKey()));
}

int setTilt(const QString& strL, const QString& strT)
{
    double dL = 0.0;
    double dT = 0.0;
    QString strError;
    if (parseAngle(strL, dL, strError) && parseAngle(strT, dT, strError) &&
        VSIM::SettingsC::setValues({{tiltLKey(), dL}, {tiltTKey(), dT}}, VSIM::WRITER_USER, &strError))
        return 0;
    QTextStream(stderr) << strError << '\n';
    return 1;
}

} // namespace KSC
