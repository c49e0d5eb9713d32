#include "Marrowlib/CCF_RefractionConfig.h"

#include "Marrowlib/CCF_ConfigRecordFile.h"

#include <QDataStream>
#include <QIODevice>

#include <cmath>

namespace CCF {

namespace {

constexpr int RECORD_VERSION = 1;

ConfigRecordFileC recordFile()
{
    return ConfigRecordFileC("REFR", 1, 1);
}

} // namespace

int RefractionConfigC::read(bool& rbOn, double& rdCoefficient) const
{
    rbOn = FACTORY_ON;
    rdCoefficient = FACTORY_COEFFICIENT;
    const ConfigRecordFileC oFile = recordFile();
    int iVersion = 0;
    QByteArray baPayload;
    if (!oFile.read(iVersion, baPayload))
        return oFile.exists() ? RC_DAMAGED : RC_OK;
    QDataStream oStream(baPayload);
    oStream.setByteOrder(QDataStream::LittleEndian);
    oStream.setFloatingPointPrecision(QDataStream::DoublePrecision);
    qint32 iOn = 0;
    double dCoefficient = 0.0;
    oStream >> iOn >> dCoefficient;
    if (iVersion != RECORD_VERSION || oStream.status() != QDataStream::Ok || !oStream.atEnd()
        || (iOn != 0 && iOn != 1) || !std::isfinite(dCoefficient))
        return RC_DAMAGED;
    rbOn = iOn == 1;
    rdCoefficient = dCoefficient;
    return RC_OK;
}

int RefractionConfigC::write(bool bOn, double dCoefficient) const
{
    if (!std::isfinite(dCoefficient))
        return RC_INVALID;
    QByteArray baPayload;
    QDataStream oStream(&baPayload, QIODevice::WriteOnly);
    oStream.setByteOrder(QDataStream::LittleEndian);
    oStream.setFloatingPointPrecision(QDataStream::DoublePrecision);
    oStream << qint32(bOn ? 1 : 0) << dCoefficient;
    return recordFile().write(RECORD_VERSION, baPayload) ? RC_OK : RC_WRITE_FAILED;
}

} // namespace CCF
