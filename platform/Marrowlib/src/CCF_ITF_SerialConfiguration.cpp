#include "Marrowlib/CCF_ITF_SerialConfiguration.h"

#include "Marrowlib/CCF_ConfigRecord.h"
#include "Marrowlib/CCF_ITF_DeviceConfiguration.h"

#include "Ferrolib/BSS_Trace.h"

#include <climits>

namespace CCF {
namespace ITF {

namespace {

// A field the stored record does not hold.
constexpr int kMissing = INT_MIN;

BSS::TraceChannelC& trace()
{
    static BSS::TraceChannelC s_oTrace("Marrowlib");
    return s_oTrace;
}

} // namespace

SerialConfigurationC::SerialConfigurationC(int iPort)
    : m_iPort(iPort)
    , m_aiFields{9600, 0, 0, 8, 0, 0}
{
}

SerialConfigurationC SerialConfigurationC::defaultRecord()
{
    return SerialConfigurationC(TS_PORT_RS232);
}

SerialConfigurationC SerialConfigurationC::storedRecord(int iPort)
{
    SerialConfigurationC oRecord(iPort);
    ConfigRecordC oStored("SERL", iPort, 0);
    int iVersion = 0;
    if (!oStored.openRead() || !oStored.readVersion(iVersion))
        return oRecord;
    if (iVersion < RECORD_VERSION) {
        trace().write("Serial record of port %d has version %d, using defaults\n", iPort, iVersion);
        return oRecord;
    }
    for (int& riField : oRecord.m_aiFields) {
        if (!oStored.readInt(riField))
            riField = kMissing;
    }
    return oRecord;
}

QList<unsigned int> SerialConfigurationC::supportedBaudRates()
{
    return {1200, 2400, 4800, 9600, 14400, 19200, 38400, 57600, 115200};
}

bool SerialConfigurationC::isSupported(int iField, int iValue)
{
    switch (iField) {
    case FIELD_BAUD_RATE:
        return iValue > 0 && supportedBaudRates().contains(unsigned(iValue));
    case FIELD_DATA_BITS:
        return iValue == 7 || iValue == 8;
    default:
        return iValue == 0 || iValue == 1;
    }
}

bool SerialConfigurationC::getField(int iField, int& riValue) const
{
    if (!isSupported(iField, m_aiFields[iField]))
        return false;
    riValue = m_aiFields[iField];
    return true;
}

bool SerialConfigurationC::setField(int iField, int iValue)
{
    if (!isSupported(iField, iValue))
        return false;
    m_aiFields[iField] = iValue;
    return true;
}

bool SerialConfigurationC::getFlag(int iField, bool& rbValue) const
{
    int iValue = 0;
    if (!getField(iField, iValue))
        return false;
    rbValue = iValue != 0;
    return true;
}

bool SerialConfigurationC::getBaudRate(unsigned int& ruBaudRate) const
{
    int iValue = 0;
    if (!getField(FIELD_BAUD_RATE, iValue))
        return false;
    ruBaudRate = unsigned(iValue);
    return true;
}

bool SerialConfigurationC::setBaudRate(unsigned int uBaudRate)
{
    return uBaudRate <= INT_MAX && setField(FIELD_BAUD_RATE, int(uBaudRate));
}

bool SerialConfigurationC::getParityEnabled(bool& rbEnabled) const
{
    return getFlag(FIELD_PARITY_ENABLED, rbEnabled);
}

bool SerialConfigurationC::setParityEnabled(bool bEnabled)
{
    return setField(FIELD_PARITY_ENABLED, bEnabled);
}

bool SerialConfigurationC::getParityOdd(bool& rbOdd) const
{
    return getFlag(FIELD_PARITY_ODD, rbOdd);
}

bool SerialConfigurationC::setParityOdd(bool bOdd)
{
    return setField(FIELD_PARITY_ODD, bOdd);
}

bool SerialConfigurationC::getDataBits(int& riDataBits) const
{
    return getField(FIELD_DATA_BITS, riDataBits);
}

bool SerialConfigurationC::setDataBits(int iDataBits)
{
    return setField(FIELD_DATA_BITS, iDataBits);
}

bool SerialConfigurationC::getTwoStopBits(bool& rbTwoStopBits) const
{
    return getFlag(FIELD_TWO_STOP_BITS, rbTwoStopBits);
}

bool SerialConfigurationC::setTwoStopBits(bool bTwoStopBits)
{
    return setField(FIELD_TWO_STOP_BITS, bTwoStopBits);
}

bool SerialConfigurationC::getRtsCtsHandshake(bool& rbRtsCts) const
{
    return getFlag(FIELD_RTS_CTS, rbRtsCts);
}

bool SerialConfigurationC::setRtsCtsHandshake(bool bRtsCts)
{
    return setField(FIELD_RTS_CTS, bRtsCts);
}

int SerialConfigurationC::commit()
{
    ConfigRecordC oStored("SERL", m_iPort, 0);
    oStored.beginWrite(RECORD_VERSION);
    for (int iField : m_aiFields) {
        // A field that was never readable goes out as it is, and reads as unreadable again.
        oStored.writeInt(iField);
    }
    return oStored.commit() ? 0 : RC_NOT_STORED;
}

} // namespace ITF
} // namespace CCF
