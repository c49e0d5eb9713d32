#pragma once
// The serial configuration record of a port: baud rate, parity, data bits, stop bits and the
// RTS/CTS handshake, kept as record "SERL" (port, 0) of the instrument, version 1, six integers
// in this order: baud rate, parity enabled, parity odd, data bits, two stop bits, RTS/CTS.
//
// A port without a usable record has the default record: 9600 baud, no parity, 8 data bits,
// 1 stop bit, no handshake. A getter fails for a field the record does not hold or holds with a
// value the port does not support (the out value is then left alone); a setter refuses such a
// value. Nothing is stored before commit().
#include <QList>

namespace CCF {
namespace ITF {

class SerialConfigurationC
{
public:
    static SerialConfigurationC defaultRecord();
    static SerialConfigurationC storedRecord(int iPort);

    // 1200, 2400, 4800, 9600, 14400, 19200, 38400, 57600, 115200.
    static QList<unsigned int> supportedBaudRates();

    bool getBaudRate(unsigned int& ruBaudRate) const;
    bool setBaudRate(unsigned int uBaudRate);
    bool getParityEnabled(bool& rbEnabled) const;
    bool setParityEnabled(bool bEnabled);
    bool getParityOdd(bool& rbOdd) const;
    bool setParityOdd(bool bOdd);
    // 7 or 8.
    bool getDataBits(int& riDataBits) const;
    bool setDataBits(int iDataBits);
    bool getTwoStopBits(bool& rbTwoStopBits) const;
    bool setTwoStopBits(bool bTwoStopBits);
    bool getRtsCtsHandshake(bool& rbRtsCts) const;
    bool setRtsCtsHandshake(bool bRtsCts);

    // Stores the record of the port; 0 on success, RC_NOT_STORED otherwise.
    int commit();

    static constexpr int RECORD_VERSION = 1;
    static constexpr int RC_NOT_STORED = 1;

private:
    enum FieldE
    {
        FIELD_BAUD_RATE,
        FIELD_PARITY_ENABLED,
        FIELD_PARITY_ODD,
        FIELD_DATA_BITS,
        FIELD_TWO_STOP_BITS,
        FIELD_RTS_CTS,
        FIELD_COUNT
    };

    explicit SerialConfigurationC(int iPort);
    static bool isSupported(int iField, int iValue);
    bool getField(int iField, int& riValue) const;
    bool setField(int iField, int iValue);
    bool getFlag(int iField, bool& rbValue) const;

    int m_iPort;
    int m_aiFields[FIELD_COUNT];
};

} // namespace ITF
} // namespace CCF
