#pragma once
// The PIN of the internal Bluetooth module, kept as text in the settings registry. The module
// takes a new PIN only when it starts again, so a stored PIN marks the model as stored.
#include "V40_GUI_SettingsModel.h"

#include <QRegularExpression>
#include <QString>

namespace KTX {
namespace APP {

class BluetoothSettingsModelC : public V40::GUI::SettingsModelC
{
    Q_OBJECT

public:
    enum KeyE
    {
        KEY_PIN = 0
    };

    explicit BluetoothSettingsModelC(QObject* parent = nullptr);
    ~BluetoothSettingsModelC() override;

    // The stored PIN; "7351" when none (or none of four digits) is stored.
    bool readValues() override;
    // Stores the PIN and drops the module's pairings made with the old one.
    bool writeValues() override;

    static QString defaultPin();
    // Exactly four digits.
    static QRegularExpression pinExpression();
    static bool isPin(const QString& strText);
};

} // namespace APP
} // namespace KTX
