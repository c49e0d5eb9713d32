#include "SimInstrument/VSIM_SettingTable.h"

#include <QHash>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace VSIM {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr int kMaxTextLength = 200;

SettingS number(const char* strKey, const char* strUnit, const char* strDefault, double dMin, double dMax,
                const char* strDescription)
{
    return {QString::fromUtf8(strKey), SETTING_DOUBLE, QString::fromUtf8(strUnit), QString::fromLatin1(strDefault),
            dMin, dMax, {}, {}, {}, WRITER_USER, QString::fromUtf8(strDescription)};
}

SettingS integer(const char* strKey, const char* strUnit, const char* strDefault, double dMin, double dMax,
                 const char* strDescription)
{
    SettingS oSetting = number(strKey, strUnit, strDefault, dMin, dMax, strDescription);
    oSetting.eType = SETTING_INT;
    return oSetting;
}

SettingS choice(const char* strKey, SettingTypeE eType, const char* strUnit, const char* strDefault,
                const QStringList& lstChoices, const char* strDescription)
{
    SettingS oSetting = number(strKey, strUnit, strDefault, 0, 0, strDescription);
    oSetting.eType = eType;
    oSetting.lstChoices = lstChoices;
    return oSetting;
}

SettingS flag(const char* strKey, const char* strDefault, const char* strDescription)
{
    return choice(strKey, SETTING_BOOL, "bool", strDefault, {"0", "1"}, strDescription);
}

SettingS text(const char* strKey, const char* strDefault, const char* strPattern, const char* strPatternText,
              const char* strDescription)
{
    SettingS oSetting = number(strKey, "text", strDefault, 0, 0, strDescription);
    oSetting.eType = SETTING_TEXT;
    oSetting.strPattern = QString::fromLatin1(strPattern);
    oSetting.strPatternText = QString::fromLatin1(strPatternText);
    return oSetting;
}

SettingS version(const char* strKey, const char* strDefault, const char* strDescription)
{
    return text(strKey, strDefault, "\\d{1,5}\\.\\d{1,5}(\\.\\d{1,5})?", "major.minor.build", strDescription);
}

// How a stored calibration value was obtained: "<date-time> <temperature in °C> <standard deviation in rad>".
SettingS statistic(const char* strKey, const char* strQuantity)
{
    static const char* const s_strNumber = "[-+]?[0-9.]+([eE][-+]?[0-9]+)?";
    static const QByteArray s_baPattern = QByteArray(s_strNumber) + " " + s_strNumber + " " + s_strNumber;
    static const QByteArray s_baDescription("statistics of the stored %1: date-time, temperature, standard deviation");
    SettingS oSetting = text(strKey, "0 0 0", s_baPattern.constData(), "three numbers", "");
    oSetting.strDescription = QString::fromLatin1(s_baDescription).arg(QString::fromLatin1(strQuantity));
    return oSetting;
}

SettingS byInstrument(SettingS oSetting)
{
    oSetting.eWriter = WRITER_INSTRUMENT;
    return oSetting;
}

// Angles inside are radians, as everywhere in the instrument.
QList<SettingS> makeTable()
{
    return {
        // The defaults that the main entry writes at start-up, and the platform's own switches.
        flag("Configuration/SDCard", "1", "the SD card is inserted"),
        flag("Configuration/DeviceService", "1", "the platform has a device service and a port service"),
        choice("Devices/Port", SETTING_INT, "number", "2", {"-1", "0", "1", "2"},
               "port the port service reports: -1 none, 0 RS232, 1 Bluetooth, 2 no hot shoe"),
        integer("Devices/BluetoothHandle", "number", "0", 0, 255,
                "device type of the handle on the port without hot shoe (63 and 71 are known); 0 no handle"),
        flag("Devices/InternalBluetooth", "1", "the internal Bluetooth module is fitted"),
        integer("Devices/InternalBluetoothDevice", "number", "0", 0, 255,
                "device type of the device the internal Bluetooth module serves (63 and 71 are known); 0 none"),
        byInstrument(text("Devices/ActiveDevice", "", "[A-Za-z0-9]{0,40}", "a device name; empty: none",
                          "device the data link uses: RS232, InternalBluetooth, RadioHandle, BluetoothHandle")),
        byInstrument(choice("Devices/ActivePort", SETTING_INT, "number", "-1", {"-1", "0", "1", "2"},
                            "port of the device the data link uses: -1 none, 0 RS232, 1 Bluetooth, 2 no hot shoe")),
        byInstrument(text("Events/DeviceAttached", "", "(\\d{1,3}(,\\d{1,3})*)?", "device types, comma-separated",
                          "devices attached by KestraSimCtl attach-device and not yet reported")),
        flag("Settings/SimTPS", "1", "the simulator stands in for a total station"),
        choice("Settings/Battery/BatteryInternal1/State", SETTING_INT, "number", "1", {"0", "1"},
               "internal battery: 1 the power service reports it, 0 its status cannot be read"),
        integer("Settings/Battery/BatteryInternal1/Capacity", "%", "70", 0, 100, "internal battery capacity"),
        choice("Settings/PlatformKind", SETTING_INT, "number", "0", {"0", "1"},
               "0 desktop simulator, 1 instrument (KESTRA_PLATFORM_KIND overrides it)"),
        integer("Settings/PlatformState", "number", "0", 0, 65535,
                "platform state value; 65535 means not available"),
        version("Settings/FirmwareVersion", "1.0.0",
                "version of the running firmware (the EFI row of SYSTEM INFO); a firmware upload sets it"),
        flag("Settings/SilentOperation", "0",
             "a host drives the instrument: no success message after an upload or a format"),
        flag("Settings/ShellOpen", "1",
             "documents the toolkit opens go to the desktop's viewer; 0 only traces it (KESTRA_SHELL_OPEN overrides it)"),
        flag("Switches/SHUTDOWN_FIRMWARE", "0", "on the instrument, leaving the toolkit stops the application"),

        // The instrument's sensors and telescope.
        number("Sensor/TiltL", "rad", "0", -0.1, 0.1, "longitudinal inclination"),
        number("Sensor/TiltT", "rad", "0", -0.1, 0.1, "transversal inclination"),
        number("Sensor/TiltNoise", "rad", "2e-06", 0, 1e-3, "standard deviation of the inclination readings"),
        number("Sensor/CompensatorRange", "rad", "0.0011635528346628863", 1e-4, 0.05,
               "largest inclination the compensator reads; beyond it the inclinations are invalid"),
        number("Sensor/InternalTemperature", "°C", "20", -40, 85, "internal temperature"),
        number("Telescope/Hz", "rad", "0", 0, 2 * kPi, "horizontal angle of the telescope"),
        number("Telescope/V", "rad", "1.5707963267948966", 0, 2 * kPi, "vertical (zenith) angle of the telescope"),

        // What the instrument has.
        flag("Capability/ATR", "1", "automatic target recognition"),
        flag("Capability/Motorised", "1", "motorised drives"),
        flag("LaserPlummet/Option", "1", "the laser plummet is installed"),
        byInstrument(flag("LaserPlummet/On", "0", "the laser plummet is switched on")),
        integer("LaserPlummet/Intensity", "%", "60", 0, 100, "stored brightness of the laser plummet; 0 keeps it off"),
        flag("Options/ExtendedRobotic", "0", "option extended robotic"),
        flag("Options/VirtualRobotic", "0", "option virtual robotic"),
        flag("Options/Trevo360", "0", "option Trevo360"),
        flag("Options/Vantis360", "0", "option Vantis360"),
        flag("Options/ProductionFlag", "0", "the production flag is set"),
        flag("Options/OverviewCamera", "0", "overview camera"),
        flag("Options/Imaging", "0", "option imaging"),
        flag("Options/Video", "0", "option video"),

        // The instrument's true adjustment errors: calibration measurements return them plus noise.
        number("Adjustment/CompensatorLIndex", "rad", "2.4e-05", -0.01, 0.01, "compensator longitudinal index error"),
        number("Adjustment/CompensatorTIndex", "rad", "-1.5e-05", -0.01, 0.01, "compensator transversal index error"),
        number("Adjustment/VIndex", "rad", "4.8e-05", -0.01, 0.01, "vertical index error"),
        number("Adjustment/HzCollimation", "rad", "-2.9e-05", -0.01, 0.01, "horizontal collimation error"),
        number("Adjustment/TiltingAxis", "rad", "1.9e-05", -0.01, 0.01, "tilting axis error"),
        number("Adjustment/AtrHz", "rad", "9.7e-06", -0.01, 0.01, "ATR collimation error, horizontal"),
        number("Adjustment/AtrV", "rad", "-1.45e-05", -0.01, 0.01, "ATR collimation error, vertical"),

        // The sensor calibration parameters the instrument keeps: what the last calibration stored.
        number("Calibration/LIndex", "rad", "0", -0.1, 0.1, "stored compensator longitudinal index error"),
        number("Calibration/TIndex", "rad", "0", -0.1, 0.1, "stored compensator transversal index error"),
        number("Calibration/VIndex", "rad", "0", -0.1, 0.1, "stored vertical index error"),
        number("Calibration/HzCollimation", "rad", "0", -0.1, 0.1, "stored horizontal collimation error"),
        number("Calibration/TiltingAxis", "rad", "0", -0.1, 0.1, "stored tilting axis error"),
        number("Calibration/AtrHz", "rad", "0", -0.1, 0.1, "stored ATR collimation error, horizontal"),
        number("Calibration/AtrV", "rad", "0", -0.1, 0.1, "stored ATR collimation error, vertical"),
        number("Calibration/AtrHzFace1", "rad", "0", -0.1, 0.1, "stored ATR horizontal value, face I"),
        number("Calibration/AtrHzFace2", "rad", "0", -0.1, 0.1, "stored ATR horizontal value, face II"),
        number("Calibration/AtrVFace1", "rad", "0", -0.1, 0.1, "stored ATR vertical value, face I"),
        number("Calibration/AtrVFace2", "rad", "0", -0.1, 0.1, "stored ATR vertical value, face II"),
        number("Calibration/Temperature", "°C", "20", -274, 100, "internal temperature of the last calibration"),
        statistic("Calibration/Statistics/LIndex", "compensator longitudinal index"),
        statistic("Calibration/Statistics/TIndex", "compensator transversal index"),
        statistic("Calibration/Statistics/VIndex", "vertical index"),
        statistic("Calibration/Statistics/HzCollimation", "horizontal collimation"),
        statistic("Calibration/Statistics/TiltingAxis", "tilting axis"),
        statistic("Calibration/Statistics/AtrHz", "ATR horizontal collimation"),
        statistic("Calibration/Statistics/AtrV", "ATR vertical collimation"),

        // Measurements.
        number("Measurement/AngleNoise", "rad", "1.5e-06", 0, 1e-3, "standard deviation of the angle measurements"),
        integer("Measurement/FaceChangeDelay", "ms", "2000", 0, 60000, "time a face change takes"),
        choice("Measurement/FailSensor", SETTING_TEXT, "text", "none", {"none", "angle", "tilt", "atr", "edm"},
               "sensor whose next calibration measurement fails with Measurement/FailCode; none again after it"),
        integer("Measurement/FailCode", "number", "0", 0, 2147483647,
                "error code of the failing measurements (decimal or 0x...); 0 = none"),
        number("EDM/CarrierWavelength", "µm", "0.658", 0.3, 1.6, "carrier wavelength of the distance meter"),
        byInstrument(integer("Events/CorrectionDataChanged", "number", "0", 0, 2147483647,
                             "changes of the correction data so far; each one tells the toolkit")),

        // Identity and versions, as the system information shows them.
        text("Identity/Model", "Vela40", ".{1,40}", "1 to 40 characters", "instrument model"),
        integer("Identity/SerialNumber", "number", "1000001", 0, 2147483647, "serial number"),
        text("Identity/EquipmentNumber", "740561", ".{0,40}", "up to 40 characters", "equipment number"),
        number("Identity/AngleAccuracy", "arcsec", "1", 0.1, 60, "angle accuracy"),
        choice("Identity/EdmType", SETTING_INT, "number", "70", {"0", "70", "78"},
               "distance meter type: 0 none, 70 and 78 the two variants"),
        version("Versions/OS", "6.0.0", "operating system version"),
        version("Versions/Boot", "1.2.0", "boot loader version"),
        version("Versions/SB", "1.4.2", "SB version"),
        version("Versions/EDM", "3.0.12", "distance meter version"),
        version("Versions/KDM", "1.1.3", "KDM version"),
        version("Versions/OVC", "1.0.5", "overview camera version"),
        version("Versions/ATR", "2.3.1", "target recognition version"),
        version("Versions/Motor", "1.5.0", "motor controller version"),
        version("Versions/Compensator", "1.2.4", "compensator version"),

        // The instrument's clock runs this far from the host's, which is never set.
        number("Clock/Offset", "s", "0", -3.2e9, 3.2e9, "instrument clock minus host clock"),
    };
}

bool isPlainDecimal(const QString& strText)
{
    static const QRegularExpression s_oDecimal(QStringLiteral("^[+-]?\\d+$"));
    return s_oDecimal.match(strText).hasMatch();
}

// The shortest text that reads back as the same number.
QString numberText(double dValue)
{
    return QString::number(dValue, 'g', QLocale::FloatingPointShortest);
}

QString withUnit(const SettingS& rSetting, const QString& strText)
{
    return rSetting.strUnit == QLatin1String("number") ? strText : strText + " " + rSetting.strUnit;
}

} // namespace

const QList<SettingS>& settingTable()
{
    static const QList<SettingS> s_lstTable = makeTable();
    return s_lstTable;
}

const SettingS* findSetting(const QString& strKey)
{
    // Asked at every read of a setting, a screen reads twenty of them: looked up, not searched.
    static const QHash<QString, const SettingS*> s_hashByKey = [] {
        QHash<QString, const SettingS*> hashByKey;
        for (const SettingS& rSetting : settingTable())
            hashByKey.insert(rSetting.strKey.toCaseFolded(), &rSetting);
        return hashByKey;
    }();
    return s_hashByKey.value(strKey.toCaseFolded(), nullptr);
}

bool parseSetting(const SettingS& rSetting, const QString& strText, QVariant& rvarValue)
{
    const QString strValue = strText.trimmed();
    bool bOk = false;
    switch (rSetting.eType) {
    case SETTING_BOOL:
        if (strValue == QLatin1String("1") || strValue.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            rvarValue = true;
        else if (strValue == QLatin1String("0") || strValue.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            rvarValue = false;
        else
            return false;
        return true;
    case SETTING_INT: {
        // Decimal, or hexadecimal with 0x: a leading zero is no octal number here.
        const qlonglong iValue = strValue.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                                     ? strValue.mid(2).toLongLong(&bOk, 16)
                                     : (isPlainDecimal(strValue) ? strValue.toLongLong(&bOk, 10) : 0);
        if (!bOk || iValue < std::numeric_limits<int>::min() || iValue > std::numeric_limits<int>::max())
            return false;
        rvarValue = int(iValue);
        return true;
    }
    case SETTING_DOUBLE: {
        const double dValue = strValue.toDouble(&bOk);
        if (!bOk || !std::isfinite(dValue))
            return false;
        rvarValue = dValue;
        return true;
    }
    case SETTING_TEXT:
        rvarValue = strText;
        return true;
    }
    return false;
}

QString checkSetting(const SettingS& rSetting, const QString& strText)
{
    static const char* const s_astrTypes[] = {"0 or 1", "a whole number", "a number", "a text"};
    QVariant varValue;
    if (!parseSetting(rSetting, strText, varValue))
        return QStringLiteral("%1 takes %2, not '%3'.").arg(rSetting.strKey, s_astrTypes[rSetting.eType], strText);
    const QString strValue = settingText(rSetting, varValue);
    if (!rSetting.lstChoices.isEmpty()) {
        if (!rSetting.lstChoices.contains(strValue))
            return QStringLiteral("%1 takes one of %2; '%3' is refused.")
                .arg(rSetting.strKey, rangeText(rSetting), strText);
        return QString();
    }
    if (rSetting.eType == SETTING_TEXT) {
        if (strValue.size() > kMaxTextLength || strValue.contains(QRegularExpression(QStringLiteral("[\\x00-\\x1f]"))))
            return QStringLiteral("%1 takes one line of at most %2 characters.").arg(rSetting.strKey).arg(kMaxTextLength);
        const QRegularExpression oPattern(QRegularExpression::anchoredPattern(rSetting.strPattern));
        if (!rSetting.strPattern.isEmpty() && !oPattern.match(strValue).hasMatch())
            return QStringLiteral("%1 takes %2; '%3' is refused.").arg(rSetting.strKey, rangeText(rSetting), strText);
        return QString();
    }
    const double dValue = varValue.toDouble();
    if (dValue < rSetting.dMin || dValue > rSetting.dMax)
        return QStringLiteral("%1 takes %2; %3 is refused.")
            .arg(rSetting.strKey, withUnit(rSetting, rangeText(rSetting)), strText.trimmed());
    return QString();
}

QString settingText(const SettingS& rSetting, const QVariant& varValue)
{
    switch (rSetting.eType) {
    case SETTING_BOOL:
        return varValue.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case SETTING_INT:
        return QString::number(varValue.toInt());
    case SETTING_DOUBLE:
        return numberText(varValue.toDouble());
    case SETTING_TEXT:
        break;
    }
    return varValue.toString();
}

QString rangeText(const SettingS& rSetting)
{
    if (!rSetting.lstChoices.isEmpty())
        return rSetting.lstChoices.join(QLatin1String(", "));
    if (rSetting.eType == SETTING_TEXT)
        return rSetting.strPatternText.isEmpty() ? QStringLiteral("any") : rSetting.strPatternText;
    return QStringLiteral("%1 .. %2").arg(numberText(rSetting.dMin), numberText(rSetting.dMax));
}

} // namespace VSIM
