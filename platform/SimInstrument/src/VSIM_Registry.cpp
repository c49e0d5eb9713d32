#include "SimInstrument/VSIM_Registry.h"

#include "SimInstrument/VSIM_Folders.h"
#include "VSIM_WatcherControl.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
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

// Only texts are stored in the registry, and QSettings writes a text that begins with '@' as
// "@@", so a value in the variant form, alone or in a list, means the file is damaged.
bool holdsDamagedValue(const QString& strFile)
{
    QFile oFile(strFile);
    if (!QFileInfo(strFile).isFile() || !oFile.open(QIODevice::ReadOnly))
        return false;
    static const QRegularExpression s_oVariant(QStringLiteral("(^|[=,\"])\\s*@Variant\\("),
                                               QRegularExpression::MultilineOption);
    // The whole content: a damaged file may hold NUL bytes before the value.
    const QByteArray baContent = oFile.readAll();
    return s_oVariant.match(QString::fromLatin1(baContent.constData(), baContent.size())).hasMatch();
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
