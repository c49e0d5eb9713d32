#include "Gaugelib/SDR_VersionRecord.h"

#include <QStringList>

namespace SDR {

VersionRecordC::VersionRecordC()
    : VersionRecordC(0, 0, 0)
{
}

VersionRecordC::VersionRecordC(quint16 uMajor, quint16 uMinor, quint16 uBuild)
    : m_uMajor(uMajor)
    , m_uMinor(uMinor)
    , m_uBuild(uBuild)
{
}

quint16 VersionRecordC::getMajor() const
{
    return m_uMajor;
}

quint16 VersionRecordC::getMinor() const
{
    return m_uMinor;
}

quint16 VersionRecordC::getBuild() const
{
    return m_uBuild;
}

void VersionRecordC::set(quint16 uMajor, quint16 uMinor, quint16 uBuild)
{
    m_uMajor = uMajor;
    m_uMinor = uMinor;
    m_uBuild = uBuild;
}

bool VersionRecordC::fromText(const QString& strText)
{
    const QStringList lstParts = strText.trimmed().split(QLatin1Char('.'));
    if (lstParts.size() < 2 || lstParts.size() > 3)
        return false;
    quint16 auValues[3] = {0, 0, 0};
    for (int i = 0; i < lstParts.size(); ++i) {
        bool bOk = false;
        // Decimal only: "08" is eight, not an octal mistake.
        const uint uValue = lstParts.at(i).toUInt(&bOk, 10);
        if (!bOk || uValue > 0xFFFFu)
            return false;
        auValues[i] = quint16(uValue);
    }
    set(auValues[0], auValues[1], auValues[2]);
    return true;
}

QString VersionRecordC::toText() const
{
    return QStringLiteral("%1.%2.%3").arg(m_uMajor).arg(m_uMinor).arg(m_uBuild);
}

} // namespace SDR
