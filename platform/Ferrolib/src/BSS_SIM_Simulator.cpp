#include "Ferrolib/BSS_SIM_Simulator.h"

#include "Ferrolib/BSS_SYS_Event.h"
#include "SimInstrument/VSIM_Folders.h"
#include "SimInstrument/VSIM_Registry.h"
#include "SimInstrument/VSIM_Settings.h"
#include "SimInstrument/VSIM_SettingsWatcher.h"

#include <KestraWin.h>

#include <QFile>
#include <QStringList>

namespace BSS {
namespace SIM {

void setFileSystemRoot(const char* strPath)
{
    VSIM::setSimDataDir(QFile::decodeName(strPath ? strPath : ""));
    VSIM::ensureDir(VSIM::simDataDir());
}

QString fileSystemRoot()
{
    return VSIM::simDataDir();
}

void setRegistryRoot(HiveE eHive, const wchar_t* pwszKey)
{
    VSIM::setSimulatorRoot(eHive == HIVE_LOCAL_MACHINE, QString::fromWCharArray(pwszKey ? pwszKey : L""));
}

QString registryRoot()
{
    return VSIM::simulatorRootKey();
}

HiveE registryRootHive()
{
    return VSIM::isSimulatorRootLocalMachine() ? HIVE_LOCAL_MACHINE : HIVE_CURRENT_USER;
}

QString simulatorSettingsPath()
{
    return VSIM::simulatorSettingsPath();
}

void startWatchingSettings()
{
    VSIM::SettingsWatcherC::start();
}

bool pressKey(const QString& strWindowTitle, int iQtKey)
{
    HWND hWnd = KestraWin::findAnnouncedWindow(strWindowTitle);
    return hWnd && KestraWin::pressKeyInAnnouncedWindow(hWnd, iQtKey);
}

bool grabWindow(const QString& strWindowTitle, const QString& strPngPath)
{
    HWND hWnd = KestraWin::findAnnouncedWindow(strWindowTitle);
    return hWnd && KestraWin::grabAnnouncedWindow(hWnd, strPngPath);
}

bool pressLevelKey()
{
    SYS::EventC oEvent("Tessel_KeyEvent_Level");
    return oEvent.isValid() && oEvent.set();
}

bool attachDevice(int iType, QString* pstrError)
{
    if (iType < 0 || iType > 255) {
        if (pstrError)
            *pstrError = QStringLiteral("A device type is a number from 0 to 255, not %1.").arg(iType);
        return false;
    }
    return VSIM::SettingsC::editValue(
        QStringLiteral("Events/DeviceAttached"),
        [iType](const QString& strPending) {
            QStringList lstPending = strPending.split(',', Qt::SkipEmptyParts);
            lstPending << QString::number(iType);
            return lstPending.join(',');
        },
        VSIM::WRITER_INSTRUMENT, pstrError);
}

} // namespace SIM
} // namespace BSS
