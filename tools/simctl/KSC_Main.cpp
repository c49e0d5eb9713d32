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
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>
#include <QHash>
#include <QStringList>
#include <QTextStream>

namespace {

// UTF-8: a stream takes a bare char text as Latin-1.
const char* const kHelp =
    "Usage: KestraSimCtl COMMAND [ARGUMENTS]\n"
    "Changes the simulated instrument while the toolkit runs, and presses its keys from outside.\n"
    "\n"
    "Commands:\n"
    "  set SETTING VALUE       writes a simulator setting after the checks of its row; a refused\n"
    "                          value is reported and the tool exits with 1\n"
    "  get SETTING             prints a simulator setting\n"
    "  list [--markdown]       every setting with unit, default, range and value (--markdown: the\n"
    "                          README's table, with the meaning instead of the value)\n"
    "  key KEY...              presses the instrument's keys in the toolkit's window: Escape, Enter,\n"
    "                          Up, Down, Left, Right, Tab, F1..F6, a digit, '.' or '-'\n"
    "  level-key               the instrument's level key\n"
    "  tilt [L T]              tilts the instrument (each with its unit: rad, mrad, gon, mgon, deg,\n"
    "                          for example 'tilt 0.05gon -0.02gon'); alone it shows the tilt\n"
    "  aim [HZ V]              turns the telescope: horizontal and zenith angle with their unit, for\n"
    "                          example 'aim 0gon 100gon' (face I at the horizon) or 'aim 200gon\n"
    "                          300gon' (the same target in face II); alone it shows where it points\n"
    "  correction temperature|pressure VALUE\n"
    "                          changes the stored correction data as a program on the instrument\n"
    "                          would (°C or mbar); the humidity stays, the ppm follows\n"
    "  attach-device TYPE      reports an attached hot-shoe device (0..255; 63 and 71 are known)\n"
    "  grab FILE.png           saves a picture of the toolkit's window and prints its texts, one\n"
    "                          a line: 'fits' or 'CUT' (cut off), the widget, the text (also in\n"
    "                          FILE.txt); exits with 3 when a text is cut off\n"
    "  start-gui               the start-GUI request of a second start\n"
    "  set-event NAME          sets a named event of the platform\n"
    "  -h, --help              this text\n"
    "\n"
    "SETTING is a simulator setting such as Configuration/SDCard or Sensor/TiltL ('list' shows\n"
    "them all); a running toolkit takes a change at once.\n"
    "\n"
    "Environment:\n"
    "  KESTRA_SIM_ROOT       the simulator root the toolkit runs on (registry/, Documents/, run/);\n"
    "                        default: the user's folders\n"
    "  KESTRA_TRACE=stderr   also write the traces to standard error\n"
    "\n"
    "KestraInstrumentPanel offers the same as buttons, sliders and fields.\n";

int usage()
{
    QTextStream(stderr) << QString::fromUtf8(kHelp);
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

// Waits for the report, which the toolkit writes after the picture.
int grabWindow(const QString& strPath)
{
    const QString strPng = QFileInfo(strPath).absoluteFilePath();
    if (!strPng.endsWith(QLatin1String(".png")))
        return failed(QStringLiteral("The picture is a .png file, not %1.").arg(strPath));
    const QString strReport = strPng.left(strPng.size() - 4) + ".txt";
    QFile::remove(strReport);
    if (!BSS::SIM::grabWindow(QStringLiteral("KestraToolkit"), strPng))
        return failed(QStringLiteral("No KestraToolkit window to grab."));
    QElapsedTimer oTimer;
    oTimer.start();
    QFile oReport(strReport);
    while (!oReport.open(QIODevice::ReadOnly)) {
        if (oTimer.elapsed() > 10000)
            return failed(QStringLiteral("The toolkit did not save %1.").arg(strPng));
        QThread::msleep(20);
    }
    const QString strTexts = QString::fromUtf8(oReport.readAll());
    QTextStream(stdout) << strTexts;
    return strTexts.contains(QRegularExpression("^CUT ", QRegularExpression::MultilineOption)) ? 3 : 0;
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

int attachDevice(const QString& strType)
{
    bool bOk = false;
    const int iType = strType.toInt(&bOk);
    if (!bOk || iType < 0 || iType > 255)
        return failed(QStringLiteral("A device type is a number from 0 to 255, not '%1'.").arg(strType));
    QString strError;
    return BSS::SIM::attachDevice(iType, &strError) ? 0 : failed(strError);
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
    if (strCommand == QLatin1String("--help") || strCommand == QLatin1String("-h")) {
        QTextStream(stdout) << QString::fromUtf8(kHelp);
        return 0;
    }
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
    if (strCommand == QLatin1String("grab") && lstArguments.size() == 2)
        return grabWindow(lstArguments.at(1));
    if (strCommand == QLatin1String("start-gui") && lstArguments.size() == 1)
        return setEvent(QStringLiteral("KestraToolkit_StartGui"));
    if (strCommand == QLatin1String("level-key") && lstArguments.size() == 1)
        return BSS::SIM::pressLevelKey() ? 0 : failed(QStringLiteral("Cannot press the level key."));
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
