// Simulator control: changes the simulated instrument while the toolkit runs and presses its
// keys from outside. Works on the simulator root of KESTRA_SIM_ROOT.
#include "KSC_Aim.h"
#include "KSC_SettingList.h"
#include "KSC_Tilt.h"

#include "Ferrolib/BSS_SIM_Simulator.h"
#include "Ferrolib/BSS_SYS_Event.h"
#include "SimInstrument/VSIM_Settings.h"
#include "Stadion/INS_CorrectionData.h"
#include "Trigonel/GEO_Atmosphere.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>
#include <QTextStream>

namespace {

int usage()
{
    QTextStream(stderr) << "usage: KestraSimCtl set SETTING VALUE | get SETTING | list [--markdown]\n"
                           "                    | start-gui | level-key | set-event NAME | attach-device TYPE\n"
                           "                    | key KEY... | tilt [L T] | aim [HZ V]\n"
                           "                    | correction temperature|pressure VALUE\n"
                           "  SETTING is a simulator setting such as Configuration/SDCard or Sensor/TiltL ('list'\n"
                           "  shows them all with unit, default, range and value); a running toolkit takes a\n"
                           "  change at once.\n"
                           "  KEY is Escape, Enter, Up, Down, Left, Right, Tab, F1..F6, a digit, '.' or '-'.\n"
                           "  L and T are the instrument's inclinations with their unit (rad, mrad, gon, mgon,\n"
                           "  deg), for example 'tilt 0.05gon -0.02gon'; 'tilt' alone shows them.\n"
                           "  HZ and V turn the telescope: horizontal and zenith angle with their unit, for\n"
                           "  example 'aim 0gon 100gon' (face I at the horizon) or 'aim 200gon 300gon' (the same\n"
                           "  target in face II); 'aim' alone shows where it points.\n"
                           "  'correction' changes the instrument's stored correction data as a program on the\n"
                           "  instrument would: the air temperature in °C or the pressure in mbar; the relative\n"
                           "  humidity stays, the ppm follows.\n";
    return 2;
}

// The instrument's keys by name.
int keyCode(const QString& strName)
{
    static const QHash<QString, int> s_hashKeys{
        {"escape", Qt::Key_Escape}, {"enter", Qt::Key_Return}, {"return", Qt::Key_Return},
        {"up", Qt::Key_Up},         {"down", Qt::Key_Down},    {"left", Qt::Key_Left},
        {"right", Qt::Key_Right},   {"tab", Qt::Key_Tab},      {"f1", Qt::Key_F1},
        {"f2", Qt::Key_F2},         {"f3", Qt::Key_F3},        {"f4", Qt::Key_F4},
        {"f5", Qt::Key_F5},         {"f6", Qt::Key_F6}};
    const QString strKey = strName.toLower();
    if (strKey.size() == 1 && strKey.at(0).isDigit())
        return Qt::Key_0 + strKey.at(0).digitValue();
    if (strKey == QLatin1String("."))
        return Qt::Key_Period;
    if (strKey == QLatin1String("-"))
        return Qt::Key_Minus;
    return s_hashKeys.value(strKey, 0);
}

int pressKeys(const QStringList& lstKeys)
{
    for (const QString& strKey : lstKeys) {
        const int iKey = keyCode(strKey);
        if (!iKey) {
            QTextStream(stderr) << "Unknown key " << strKey << ".\n";
            return 2;
        }
        if (!BSS::SIM::pressKey(QStringLiteral("KestraToolkit"), iKey)) {
            QTextStream(stderr) << "No KestraToolkit window to press " << strKey << " in.\n";
            return 1;
        }
    }
    return 0;
}

int setEvent(const QString& strName)
{
    BSS::SYS::EventC oEvent(strName.toLatin1().constData());
    if (!oEvent.isValid() || !oEvent.set()) {
        QTextStream(stderr) << "Cannot set the event " << strName << ".\n";
        return 1;
    }
    return 0;
}

// Refusals and failures are printed and end the tool with 1.
int failed(const QString& strError)
{
    QTextStream(stderr) << strError << '\n';
    return 1;
}

int setSetting(const QString& strKey, const QString& strValue)
{
    QString strError;
    return VSIM::SettingsC::setValue(strKey, strValue, VSIM::WRITER_USER, &strError) ? 0 : failed(strError);
}

int getSetting(const QString& strKey)
{
    const VSIM::SettingS* pSetting = VSIM::findSetting(strKey);
    if (!pSetting)
        return failed(QStringLiteral("There is no simulator setting %1.").arg(strKey));
    QTextStream(stdout) << VSIM::SettingsC::textValue(pSetting->strKey) << '\n';
    return 0;
}

// Queued for the toolkit, which reports and takes them.
int attachDevice(const QString& strType)
{
    bool bOk = false;
    const int iType = strType.toInt(&bOk);
    if (!bOk || iType < 0 || iType > 255)
        return failed(QStringLiteral("A device type is a number from 0 to 255, not '%1'.").arg(strType));
    QString strError;
    const bool bQueued = VSIM::SettingsC::editValue(
        QStringLiteral("Events/DeviceAttached"),
        [iType](const QString& strPending) {
            QStringList lstPending = strPending.split(',', Qt::SkipEmptyParts);
            lstPending << QString::number(iType);
            return lstPending.join(',');
        },
        VSIM::WRITER_INSTRUMENT, &strError);
    return bQueued ? 0 : failed(strError);
}

int changeCorrection(const QString& strQuantity, const QString& strValue)
{
    bool bOk = false;
    const double dValue = strValue.toDouble(&bOk);
    const bool bTemperature = strQuantity == QLatin1String("temperature");
    if (!bTemperature && strQuantity != QLatin1String("pressure"))
        return usage();
    if (!bOk)
        return failed(QStringLiteral("The %1 is a number, not '%2'.").arg(strQuantity, strValue));
    const INS::CorrectionDataC oCorrectionData(1);
    SDR::AtmosphericCorrectionC oData;
    if (oCorrectionData.fetch(oData) != INS::CorrectionDataC::RC_OK)
        return failed(QStringLiteral("The stored correction data cannot be read."));
    const double dTemperature = bTemperature ? dValue : oData.getDryTemperature();
    const double dPressure = bTemperature ? oData.getPressure() : dValue;
    if (!INS::CorrectionDataC::changeAtmosphere(oData, dTemperature, dPressure) || !INS::CorrectionDataC::isValid(oData))
        return failed(QStringLiteral("The instrument corrects for %1 to %2 °C and for pressures of heights from %3 "
                                     "to %4 m; %5 %6 is refused.")
                          .arg(GEO::MIN_TEMPERATURE).arg(GEO::MAX_TEMPERATURE).arg(GEO::MIN_HEIGHT)
                          .arg(GEO::MAX_HEIGHT).arg(strQuantity, strValue));
    if (oCorrectionData.store(oData) != INS::CorrectionDataC::RC_OK)
        return failed(QStringLiteral("The correction data cannot be stored."));
    return 0;
}

} // namespace

int main(int iArgc, char** apArgv)
{
    QCoreApplication oApplication(iArgc, apArgv);
    const QStringList lstArguments = oApplication.arguments().mid(1);
    if (lstArguments.isEmpty())
        return usage();
    const QString strCommand = lstArguments.first();
    if (strCommand == QLatin1String("set") && lstArguments.size() == 3)
        return setSetting(lstArguments.at(1), lstArguments.at(2));
    if (strCommand == QLatin1String("get") && lstArguments.size() == 2)
        return getSetting(lstArguments.at(1));
    if (strCommand == QLatin1String("list") && lstArguments.size() == 1) {
        QTextStream(stdout) << KSC::settingList();
        return 0;
    }
    if (strCommand == QLatin1String("list") && lstArguments.size() == 2 && lstArguments.at(1) == QLatin1String("--markdown")) {
        QTextStream(stdout) << KSC::settingListMarkdown();
        return 0;
    }
    if (strCommand == QLatin1String("start-gui") && lstArguments.size() == 1)
        return setEvent(QStringLiteral("KestraToolkit_StartGui"));
    if (strCommand == QLatin1String("level-key") && lstArguments.size() == 1)
        return setEvent(QStringLiteral("Tessel_KeyEvent_Level"));
    if (strCommand == QLatin1String("attach-device") && lstArguments.size() == 2)
        return attachDevice(lstArguments.at(1));
    if (strCommand == QLatin1String("key") && lstArguments.size() >= 2)
        return pressKeys(lstArguments.mid(1));
    if (strCommand == QLatin1String("tilt") && lstArguments.size() == 1) {
        QTextStream(stdout) << KSC::tiltText() << '\n';
        return 0;
    }
    if (strCommand == QLatin1String("tilt") && lstArguments.size() == 3)
        return KSC::setTilt(lstArguments.at(1), lstArguments.at(2));
    if (strCommand == QLatin1String("aim") && lstArguments.size() == 1) {
        QTextStream(stdout) << KSC::aimText() << '\n';
        return 0;
    }
    if (strCommand == QLatin1String("aim") && lstArguments.size() == 3)
        return KSC::setAim(lstArguments.at(1), lstArguments.at(2));
    if (strCommand == QLatin1String("correction") && lstArguments.size() == 3)
        return changeCorrection(lstArguments.at(1), lstArguments.at(2));
    if (strCommand == QLatin1String("set-event") && lstArguments.size() == 2)
        return setEvent(lstArguments.at(1));
    return usage();
}
