#include "Marrowlib/CCF_ConfigRecord.h"

#include "Ferrolib/BSS_Trace.h"

#include <QtEndian>

namespace CCF {

namespace {
constexpr int kIntBytes = 4;
} // namespace

ConfigRecordC::ConfigRecordC(int iId1, int iId2)
    : ConfigRecordC("CONF", iId1, iId2)
{
}

ConfigRecordC::ConfigRecordC(const char (&acKind)[5], int iId1, int iId2)
    : m_oFile(acKind, iId1, iId2)
{
}

ConfigRecordC::~ConfigRecordC()
{
    release();
}

bool ConfigRecordC::openRead()
{
    release();
    int iVersion = 0;
    QByteArray baPayload;
    if (!m_oFile.read(iVersion, baPayload))
        return false;
    if (baPayload.size() % kIntBytes != 0) {
        static BSS::TraceChannelC s_oTrace("Marrowlib");
        s_oTrace.writeLevel(BSS::TRACE_WARNING,
                            "Record %s unusable (payload is not a sequence of integers), "
                            "using defaults\n",
                            m_oFile.name().toLocal8Bit().constData());
        return false;
    }
    m_iVersion = iVersion;
    m_baPayload = baPayload;
    m_iReadPos = 0;
    m_eMode = MODE_READ;
    return true;
}

bool ConfigRecordC::isPresent() const
{
    return m_oFile.exists();
}

bool ConfigRecordC::readVersion(int& riVersion) const
{
    if (m_eMode != MODE_READ)
        return false;
    riVersion = m_iVersion;
    return true;
}

bool ConfigRecordC::readInt(int& riValue)
{
    if (m_eMode != MODE_READ || m_iReadPos + kIntBytes > m_baPayload.size())
        return false;
    riValue = qFromLittleEndian<qint32>(m_baPayload.constData() + m_iReadPos);
    m_iReadPos += kIntBytes;
    return true;
}

bool ConfigRecordC::beginWrite(int iVersion)
{
    release();
    m_iVersion = iVersion;
    m_eMode = MODE_WRITE;
    return true;
}

bool ConfigRecordC::writeInt(int iValue)
{
    if (m_eMode != MODE_WRITE)
        return false;
    char acBytes[kIntBytes];
    qToLittleEndian<qint32>(iValue, acBytes);
    m_baPayload.append(acBytes, kIntBytes);
    return true;
}

bool ConfigRecordC::commit()
{
    if (m_eMode != MODE_WRITE)
        return false;
    const bool bStored = m_oFile.write(m_iVersion, m_baPayload);
    release();
    return bStored;
}

void ConfigRecordC::release()
{
    m_eMode = MODE_CLOSED;
    m_iVersion = 0;
    m_baPayload.clear();
    m_iReadPos = 0;
}

bool ConfigRecordC::isOpen() const
{
    return m_eMode != MODE_CLOSED;
}

} // namespace CCF
