// Simulator control: changes the simulated instrument while the toolkit runs and presses its
// keys from outside. Works on the simulator root of KESTRA_SIM_ROOT.
#include <windows.h>

#include "Ferrolib/BSS_REG_NativeSettings.h"
#include "Ferrolib/BSS_SIM_Simulator.h"
#include "Ferrolib/BSS_SYS_Event.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>
#include <QTextStream>

namespace {

int usage()
{
    QTextStream(stderr) << "usage: KestraSimCtl set KEY VALUE | get KEY | start-gui | level-key | set-event NAME\n"
                           "                    | attach-device TYPE | key KEY...\n"
                           "  KEY is Escape, Enter, Up, Down, Left, Right, Tab, F1..F6 or a digit.\n"
                           "  KEY is a simulator setting such as Configuration/SDCard or Settings/PlatformKind;\n"
                           "  'set' wakes a running toolkit so that it takes the change.\n";
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

} // namespace

int main(int iArgc, char** apArgv)
{
    QCoreApplication oApplication(iArgc, apArgv);
    const QStringList lstArguments = oApplication.arguments().mid(1);
    if (lstArguments.isEmpty())
        return usage();
    const QString strCommand = lstArguments.first();
    auto upSettings = BSS::REG::openNativeSettings(BSS::SIM::simulatorSettingsPath());
    if (strCommand == QLatin1String("set") && lstArguments.size() == 3) {
        upSettings->setValue(lstArguments.at(1), lstArguments.at(2));
        upSettings->sync();
        if (upSettings->status() != QSettings::NoError)
            return 1;
        return setEvent(QStringLiteral("Kestra_SimulatorChanged"));
    }
    if (strCommand == QLatin1String("get") && lstArguments.size() == 2) {
        if (!upSettings->contains(lstArguments.at(1)))
            return 1;
        QTextStream(stdout) << upSettings->value(lstArguments.at(1)).toString() << '\n';
        return 0;
    }
    if (strCommand == QLatin1String("start-gui") && lstArguments.size() == 1)
        return setEvent(QStringLiteral("KestraToolkit_StartGui"));
    if (strCommand == QLatin1String("level-key") && lstArguments.size() == 1)
        return setEvent(QStringLiteral("Tessel_KeyEvent_Level"));
    if (strCommand == QLatin1String("attach-device") && lstArguments.size() == 2) {
        bool bOk = false;
        lstArguments.at(1).toInt(&bOk);
        if (!bOk)
            return usage();
        QStringList lstPending = upSettings->value(QStringLiteral("Events/DeviceAttached")).toString().split(',', Qt::SkipEmptyParts);
        lstPending << lstArguments.at(1);
        upSettings->setValue(QStringLiteral("Events/DeviceAttached"), lstPending.join(','));
        upSettings->sync();
        return setEvent(QStringLiteral("Kestra_SimulatorChanged"));
    }
    if (strCommand == QLatin1String("key") && lstArguments.size() >= 2)
        return pressKeys(lstArguments.mid(1));
    if (strCommand == QLatin1String("set-event") && lstArguments.size() == 2)
        return setEvent(lstArguments.at(1));
    return usage();
}
