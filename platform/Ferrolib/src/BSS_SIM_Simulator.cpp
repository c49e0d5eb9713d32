#include "Ferrolib/BSS_SIM_Simulator.h"

#include "PlatformFolders.h"
#include "WinInternal.h"

#include <QFile>

#include <mutex>

namespace BSS {
namespace SIM {

namespace {

struct SimulatorS
{
    std::mutex oMutex;
    QString strRegistryRoot = QStringLiteral("Software\\Kestra\\Vela40 Simulator");
    HiveE eHive = HIVE_CURRENT_USER;
};

SimulatorS& simulator()
{
    static SimulatorS s_oSimulator;
    return s_oSimulator;
}

} // namespace

void setFileSystemRoot(const char* strPath)
{
    KestraPlatform::setSimDataDir(QFile::decodeName(strPath ? strPath : ""));
    KestraPlatform::ensureDir(KestraPlatform::simDataDir());
}

QString fileSystemRoot()
{
    return KestraPlatform::simDataDir();
}

void setRegistryRoot(HiveE eHive, const wchar_t* pwszKey)
{
    std::unique_lock<std::mutex> oLock(simulator().oMutex);
    simulator().eHive = eHive;
    simulator().strRegistryRoot = QString::fromWCharArray(pwszKey ? pwszKey : L"");
}

QString registryRoot()
{
    std::unique_lock<std::mutex> oLock(simulator().oMutex);
    return simulator().strRegistryRoot;
}

HiveE registryRootHive()
{
    std::unique_lock<std::mutex> oLock(simulator().oMutex);
    return simulator().eHive;
}

QString simulatorSettingsPath()
{
    const QString strHive = registryRootHive() == HIVE_LOCAL_MACHINE ? QStringLiteral("HKEY_LOCAL_MACHINE")
                                                                     : QStringLiteral("HKEY_CURRENT_USER");
    return strHive + "\\" + registryRoot();
}

bool pressKey(const QString& strWindowTitle, int iQtKey)
{
    HWND hWnd = KestraWin::findAnnouncedWindow(strWindowTitle);
    return hWnd && KestraWin::pressKeyInAnnouncedWindow(hWnd, iQtKey);
}

} // namespace SIM
} // namespace BSS
