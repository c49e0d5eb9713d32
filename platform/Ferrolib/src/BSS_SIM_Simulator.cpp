#include "Ferrolib/BSS_SIM_Simulator.h"

#include "SimInstrument/VSIM_Folders.h"
#include "SimInstrument/VSIM_Registry.h"

#include <KestraWin.h>

#include <QFile>

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

bool pressKey(const QString& strWindowTitle, int iQtKey)
{
    HWND hWnd = KestraWin::findAnnouncedWindow(strWindowTitle);
    return hWnd && KestraWin::pressKeyInAnnouncedWindow(hWnd, iQtKey);
}

} // namespace SIM
} // namespace BSS
