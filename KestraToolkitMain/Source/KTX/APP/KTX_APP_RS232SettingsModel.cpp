#include "KTX/APP/KTX_APP_RS232SettingsModel.h"

#include "Marrowlib/CCF_ITF_DeviceProxy.h"
#include "Marrowlib/CCF_ITF_SerialConfiguration.h"

namespace KTX {
namespace APP {

RS232SettingsModelC::RS232SettingsModelC(const QSharedPointer<CCF::ITF::RS232ProxyC>& spDeviceProxy, QObject* parent)
    : V40::GUI::SettingsModelC(parent)
    , m_spDeviceProxy(spDeviceProxy)
{
}

RS232SettingsModelC::~RS232SettingsModelC() = default;

QHash<int, QVariant> RS232SettingsModelC::recordValues(const CCF::ITF::SerialConfigurationC& rRecord)
{
    QHash<int, QVariant> mapValues;
    unsigned int uBaudRate = 0;
    if (rRecord.getBaudRate(uBaudRate))
        mapValues.insert(KEY_BAUD_RATE, int(uBaudRate));
    bool bParityEnabled = false;
    bool bParityOdd = false;
    // Without parity the odd flag means nothing.
    if (rRecord.getParityEnabled(bParityEnabled) && (!bParityEnabled || rRecord.getParityOdd(bParityOdd)))
        mapValues.insert(KEY_PARITY, !bParityEnabled ? PARITY_NONE : bParityOdd ? PARITY_ODD : PARITY_EVEN);
    int iDataBits = 0;
    if (rRecord.getDataBits(iDataBits))
        mapValues.insert(KEY_DATA_BITS, iDataBits);
    bool bTwoStopBits = false;
    if (rRecord.getTwoStopBits(bTwoStopBits))
        mapValues.insert(KEY_STOP_BITS, int(bTwoStopBits));
    bool bRtsCts = false;
    if (rRecord.getRtsCtsHandshake(bRtsCts))
        mapValues.insert(KEY_FLOW_CONTROL, int(bRtsCts));
    return mapValues;
}

bool RS232SettingsModelC::readValues()
{
    if (!m_spDeviceProxy)
        return false;
    const QHash<int, QVariant> mapValues = recordValues(m_spDeviceProxy->getSerialConfiguration());
    for (int iKey = KEY_BAUD_RATE; iKey <= KEY_FLOW_CONTROL; ++iKey) {
        if (mapValues.contains(iKey))
            setValue(iKey, mapValues.value(iKey));
        else
            setToDefault(iKey);
    }
    // The defaults shown for fields that cannot be read are what OK is to store, so that
    // confirming the screen repairs the record.
    if (mapValues.size() != KEY_FLOW_CONTROL + 1)
        markReadValuesUnstored();
    return true;
}

bool RS232SettingsModelC::intValue(int iKey, int& riValue) const
{
    bool bOk = false;
    riValue = getValue(iKey).toInt(&bOk);
    return bOk;
}

bool RS232SettingsModelC::writeValues()
{
    if (!m_spDeviceProxy)
        return false;
    CCF::ITF::SerialConfigurationC oRecord = m_spDeviceProxy->getSerialConfiguration();
    int iValue = 0;
    if (!intValue(KEY_BAUD_RATE, iValue) || iValue < 0 || !oRecord.setBaudRate(unsigned(iValue)))
        return false;
    if (!intValue(KEY_PARITY, iValue) || !oRecord.setParityEnabled(iValue != PARITY_NONE)
        || !oRecord.setParityOdd(iValue == PARITY_ODD))
        return false;
    if (!intValue(KEY_DATA_BITS, iValue) || !oRecord.setDataBits(iValue))
        return false;
    if (!intValue(KEY_STOP_BITS, iValue) || !oRecord.setTwoStopBits(iValue != 0))
        return false;
    if (!intValue(KEY_FLOW_CONTROL, iValue) || !oRecord.setRtsCtsHandshake(iValue != 0))
        return false;
    return oRecord.commit() == 0;
}

} // namespace APP
} // namespace KTX
