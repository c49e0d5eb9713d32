#include "SimInstrument/VSIM_Registry.h"

#include "SimInstrument/VSIM_Folders.h"
#include "VSIM_WatcherControl.h"

#include <QStringList>

#include <mutex>

namespace VSIM {

namespace {

struct SimulatorRootS
{
    std::mutex oMutex;
    QString strKey = QStringLiteral("Software\\Kestra\\Vela40 Simulator");
    bool bLocalMachine = false;
};

SimulatorRootS& simulatorRoot()
{
    static SimulatorRootS s_oRoot;
    return s_oRoot;
}

} // namespace

QString normalisedRegistryKey(const QString& strNativePath)
{
    QStringList lstParts;
    for (const QString& strPart : QString(strNativePath).replace('\\', '/').split('/', Qt::SkipEmptyParts)) {
        if (strPart == QLatin1String(".") || strPart == QLatin1String(".."))
            continue;
        lstParts << strPart.toLower();
    }
    return lstParts.join('/');
}

QString registryFileFor(const QString& strNativePath)
{
    const QString strKey = normalisedRegistryKey(strNativePath);
    return registryDir() + "/" + (strKey.isEmpty() ? QStringLiteral("root") : strKey) + ".ini";
}

void setSimulatorRoot(bool bLocalMachine, const QString& strKey)
{
    {
        std::unique_lock<std::mutex> oLock(simulatorRoot().oMutex);
        if (simulatorRoot().bLocalMachine == bLocalMachine && simulatorRoot().strKey == strKey)
            return;
        simulatorRoot().bLocalMachine = bLocalMachine;
        simulatorRoot().strKey = strKey;
    }
    // The settings now live in another file: a running watcher follows them there.
    retargetSettingsWatcher();
}

QString simulatorRootKey()
{
    std::unique_lock<std::mutex> oLock(simulatorRoot().oMutex);
    return simulatorRoot().strKey;
}

bool isSimulatorRootLocalMachine()
{
    std::unique_lock<std::mutex> oLock(simulatorRoot().oMutex);
    return simulatorRoot().bLocalMachine;
}

QString simulatorSettingsPath()
{
    const QString strHive =
        isSimulatorRootLocalMachine() ? QStringLiteral("HKEY_LOCAL_MACHINE") : QStringLiteral("HKEY_CURRENT_USER");
    return strHive + "\\" + simulatorRootKey();
}

QString simulatorSettingsFile()
{
    // Asked at every read of a setting: the file's name is made again only for another root.
    struct FileS
    {
        QString strDir;
        QString strPath;
        QString strFile;
    };
    static std::mutex s_oFileMutex;
    static FileS s_oFile;
    const QString strDir = registryDir();
    const QString strPath = simulatorSettingsPath();
    std::unique_lock<std::mutex> oLock(s_oFileMutex);
    if (s_oFile.strFile.isEmpty() || s_oFile.strDir != strDir || s_oFile.strPath != strPath)
        s_oFile = FileS{strDir, strPath, registryFileFor(strPath)};
    return s_oFile.strFile;
}

} // namespace VSIM
