#pragma once
// The serial parameters of the RS232 port, read from and written to the port's serial
// configuration record. Parity is one value for the two flags of the record: 0 none, 1 odd,
// 2 even. The flags of stop bits and flow control are 0 and 1: a value model compares an empty
// text equal to false, so a bool would not replace the empty value a field starts with.
#include "V40_GUI_SettingsModel.h"

#include <QHash>
#include <QSharedPointer>
#include <QVariant>

namespace CCF {
namespace ITF {
class RS232ProxyC;
class SerialConfigurationC;
}
} // namespace CCF

namespace KTX {
namespace APP {

class RS232SettingsModelC : public V40::GUI::SettingsModelC
{
    Q_OBJECT

public:
    enum KeyE
    {
        KEY_BAUD_RATE = 0,
        KEY_PARITY = 1,
        KEY_DATA_BITS = 2,
        KEY_STOP_BITS = 3,
        KEY_FLOW_CONTROL = 4
    };
    enum ParityE
    {
        PARITY_NONE = 0,
        PARITY_ODD = 1,
        PARITY_EVEN = 2
    };

    explicit RS232SettingsModelC(const QSharedPointer<CCF::ITF::RS232ProxyC>& spDeviceProxy, QObject* parent = nullptr);
    ~RS232SettingsModelC() override;

    // A field that cannot be read shows its default, and then every value counts as not stored;
    // the others are still read.
    bool readValues() override;
    // Stops with false at the first field the record refuses; true when the record is committed.
    bool writeValues() override;

    // The value of each key whose field the record can give.
    static QHash<int, QVariant> recordValues(const CCF::ITF::SerialConfigurationC& rRecord);

private:
    bool intValue(int iKey, int& riValue) const;

    QSharedPointer<CCF::ITF::RS232ProxyC> m_spDeviceProxy;
};

} // namespace APP
} // namespace KTX
