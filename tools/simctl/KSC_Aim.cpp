#include "KSC_Aim.h"

#include "KSC_Tilt.h"

#include "SimInstrument/VSIM_Settings.h"

#include <QTextStream>

#include <cmath>

namespace KSC {

namespace {

constexpr double kPi = 3.14159265358979323846;

QString oneAngle(const char* strName, double dRadians)
{
    return QStringLiteral("%1 = %2 gon (%3 rad)")
        .arg(QLatin1String(strName))
        .arg(dRadians * 200.0 / kPi, 0, 'f', 4)
        .arg(dRadians, 0, 'g', 9);
}

} // namespace

QString aimText()
{
    return oneAngle("Hz", VSIM::SettingsC::doubleValue(QStringLiteral("Telescope/Hz"))) + "   " +
        oneAngle("V", VSIM::SettingsC::doubleValue(QStringLiteral("Telescope/V")));
}

int setAim(const QString& strHz, const QString& strV)
{
    double dHz = 0.0;
    double dV = 0.0;
    QString strError;
    if (parseAngle(strHz, dHz, strError) && parseAngle(strV, dV, strError)) {
        // Any direction is a direction: Hz within one turn.
        dHz = std::fmod(dHz, 2.0 * kPi);
        if (dHz < 0.0)
            dHz += 2.0 * kPi;
        if (VSIM::SettingsC::setValues({{QStringLiteral("Telescope/Hz"), dHz}, {QStringLiteral("Telescope/V"), dV}},
                                       VSIM::WRITER_USER, &strError))
            return 0;
    }
    QTextStream(stderr) << strError << '\n';
    return 1;
}

} // namespace KSC
