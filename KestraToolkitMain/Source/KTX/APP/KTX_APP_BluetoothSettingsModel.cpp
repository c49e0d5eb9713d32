#include "KTX/APP/KTX_APP_BluetoothSettingsModel.h"

#include "Ferrolib/BSS_REG_NativeSettings.h"


namespace KTX {
namespace APP {

namespace {

const char* const s_szPinKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\BtSvcZeroConfig";
const char* const s_szPinValue = "devicePin";
const char* const s_szSecurityKey = "HKEY_LOCAL_MACHINE\\Comm\\Security";
const char* const s_szSecurityValue = "bluetooth";

} // namespace

BluetoothSettingsModelC::BluetoothSettingsModelC(QObject* parent)
    : V40::GUI::SettingsModelC(parent)
{
}

BluetoothSettingsModelC::~BluetoothSettingsModelC() = default;

QString BluetoothSettingsModelC::defaultPin()
{
    return QStringLiteral("7351");
}

QRegularExpression BluetoothSettingsModelC::pinExpression()
{
    return QRegularExpression(QStringLiteral("[0-9]{4}"));
}

bool BluetoothSettingsModelC::isPin(const QString& strText)
{
    static const QRegularExpression s_oPin(QRegularExpression::anchoredPattern(pinExpression().pattern()));
    return s_oPin.match(strText).hasMatch();
}

bool BluetoothSettingsModelC::readValues()
{
    const QString strPin = BSS::REG::openNativeSettings(s_szPinKey)->value(s_szPinValue).toString();
    // The field shows four digits or nothing at all; the module uses its default then.
    setValue(KEY_PIN, isPin(strPin) ? strPin : defaultPin());
    return true;
}

bool BluetoothSettingsModelC::writeValues()
{
    const QString strPin = getValue(KEY_PIN).toString();
    if (!isPin(strPin))
        return false;
    auto upPinSettings = BSS::REG::openNativeSettings(s_szPinKey);
    upPinSettings->setValue(s_szPinValue, strPin);
    upPinSettings->sync();
    if (upPinSettings->status() != QSettings::NoError)
        return false;
    auto upSecurity = BSS::REG::openNativeSettings(s_szSecurityKey);
    upSecurity->remove(s_szSecurityValue);
    upSecurity->sync();
    if (upSecurity->status() != QSettings::NoError)
        return false;
    setStored(true);
    return true;
}

} // namespace APP
} // namespace KTX
