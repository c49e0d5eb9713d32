#include "Quillbase/CMN_SystemInformation.h"

#include "SimInstrument/VSIM_Settings.h"

namespace CMN {

namespace {

// The simulator setting that holds a component's version; empty for unknown components.
QString versionKey(int iComponent)
{
    switch (iComponent) {
    case COMPONENT_OPERATING_SYSTEM:
        return QStringLiteral("Versions/OS");
    case COMPONENT_BOOT:
        return QStringLiteral("Versions/Boot");
    case COMPONENT_FIRMWARE:
        return QStringLiteral("Settings/FirmwareVersion");
    case COMPONENT_SENSOR_BOARD:
        return QStringLiteral("Versions/SB");
    case COMPONENT_DISTANCE_METER:
        return QStringLiteral("Versions/EDM");
    case COMPONENT_KEYBOARD_DISPLAY:
        return QStringLiteral("Versions/KDM");
    case COMPONENT_OVERVIEW_CAMERA:
        return QStringLiteral("Versions/OVC");
    default:
        return QString();
    }
}

} // namespace

int getInstrumentModelName(QString& rstrName)
{
    rstrName = VSIM::SettingsC::textValue(QStringLiteral("Identity/Model"));
    return RC_SYSINFO_OK;
}

int getSerialNumber(int& riNumber)
{
    riNumber = VSIM::SettingsC::intValue(QStringLiteral("Identity/SerialNumber"));
    return RC_SYSINFO_OK;
}

int getEquipmentNumber(QString& rstrNumber)
{
    rstrNumber = VSIM::SettingsC::textValue(QStringLiteral("Identity/EquipmentNumber"));
    return RC_SYSINFO_OK;
}

int getComponentVersion(int iComponent, SDR::VersionRecordC& rVersion)
{
    const QString strKey = versionKey(iComponent);
    if (strKey.isEmpty())
        return RC_SYSINFO_UNKNOWN_COMPONENT;
    SDR::VersionRecordC oVersion;
    if (!oVersion.fromText(VSIM::SettingsC::textValue(strKey)))
        return RC_SYSINFO_NOT_READABLE;
    rVersion = oVersion;
    return RC_SYSINFO_OK;
}

} // namespace CMN
