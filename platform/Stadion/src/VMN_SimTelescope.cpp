#include "VMN_SimTelescope.h"

#include "SimInstrument/VSIM_Settings.h"
#include "Trigonel/GEO_Angle.h"

#include <cmath>
#include <random>

namespace VMN {
namespace SIM {

namespace {

double setting(const char* strKey)
{
    return VSIM::SettingsC::doubleValue(QString::fromLatin1(strKey));
}

double noisy(double dValue, double dSigma)
{
    if (dSigma <= 0.0)
        return dValue;
    thread_local std::mt19937 s_oRandom{std::random_device{}()};
    std::normal_distribution<double> oNoise(0.0, dSigma);
    return dValue + oNoise(s_oRandom);
}

double fullTurn(double dAngle)
{
    GEO::reduceAngleFull(dAngle);
    return dAngle;
}

} // namespace

FaceReadingS readFace()
{
    const double dHz = setting("Telescope/Hz");
    const double dV = setting("Telescope/V");
    const double dAngleNoise = setting("Measurement/AngleNoise");
    const double dTiltNoise = setting("Sensor/TiltNoise");
    FaceReadingS sReading;
    sReading.bFaceOne = dV < GEO::PI;
    // In face II the alidade is turned half round: the tilt and the target recognition's offsets
    // change sign, the collimation and the tilting axis act through sin V and cot V, which do.
    const double dFace = sReading.bFaceOne ? 1.0 : -1.0;
    double dSinV = std::sin(dV);
    if (std::fabs(dSinV) < 1e-6)
        dSinV = std::copysign(1e-6, dSinV);
    const double dCotV = std::cos(dV) / dSinV;
    const double dHzError = setting("Adjustment/HzCollimation") / dSinV + setting("Adjustment/TiltingAxis") * dCotV;
    sReading.dHz = fullTurn(noisy(dHz + dHzError, dAngleNoise));
    sReading.dV = fullTurn(noisy(dV + setting("Adjustment/VIndex"), dAngleNoise));
    sReading.dL = noisy(dFace * setting("Sensor/TiltL") + setting("Adjustment/CompensatorLIndex"), dTiltNoise);
    sReading.dT = noisy(dFace * setting("Sensor/TiltT") + setting("Adjustment/CompensatorTIndex"), dTiltNoise);
    sReading.dAtrHz = noisy(dFace * setting("Adjustment/AtrHz"), dAngleNoise);
    sReading.dAtrV = noisy(dFace * setting("Adjustment/AtrV"), dAngleNoise);
    return sReading;
}

bool isLevel()
{
    const double dRange = setting("Sensor/CompensatorRange");
    return std::fabs(setting("Sensor/TiltL")) <= dRange && std::fabs(setting("Sensor/TiltT")) <= dRange;
}

bool changeFace()
{
    const double dHz = fullTurn(setting("Telescope/Hz") + GEO::PI);
    const double dV = 2.0 * GEO::PI - setting("Telescope/V");
    return VSIM::SettingsC::setValues({{QStringLiteral("Telescope/Hz"), dHz}, {QStringLiteral("Telescope/V"), dV}},
                                      VSIM::WRITER_INSTRUMENT);
}

} // namespace SIM
} // namespace VMN
