#include "SimInstrument/VSIM_Folders.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <mutex>

#include <unistd.h>

namespace VSIM {

namespace {
std::mutex s_oMutex;
QString s_strSimDataDir;
} // namespace

QString simRoot()
{
    return QFile::decodeName(qgetenv("KESTRA_SIM_ROOT"));
}

QString registryDir()
{
    const QString strRoot = simRoot();
    if (!strRoot.isEmpty())
        return QDir::cleanPath(strRoot + "/registry");
    QString strConfig = QFile::decodeName(qgetenv("XDG_CONFIG_HOME"));
    if (strConfig.isEmpty())
        strConfig = QDir::homePath() + "/.config";
    return QDir::cleanPath(strConfig + "/Kestra");
}

QString documentsDir()
{
    const QString strRoot = simRoot();
    if (!strRoot.isEmpty())
        return QDir::cleanPath(strRoot + "/Documents");
    const QString strDocs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return strDocs.isEmpty() ? QDir::homePath() + "/Documents" : strDocs;
}

QString runtimeDir()
{
    const QString strRoot = simRoot();
    if (!strRoot.isEmpty())
        return QDir::cleanPath(strRoot + "/run");
    const QString strXdg = QFile::decodeName(qgetenv("XDG_RUNTIME_DIR"));
    if (!strXdg.isEmpty())
        return QDir::cleanPath(strXdg + "/kestra");
    return QStringLiteral("/tmp/kestra-%1").arg(getuid());
}

QString simDataDir()
{
    std::unique_lock<std::mutex> oLock(s_oMutex);
    if (s_strSimDataDir.isEmpty())
        return QDir::cleanPath(documentsDir() + "/KestraToolkit/Vela40");
    return s_strSimDataDir;
}

void setSimDataDir(const QString& strDir)
{
    std::unique_lock<std::mutex> oLock(s_oMutex);
    s_strSimDataDir = QDir::cleanPath(strDir);
}

bool ensureDir(const QString& strDir)
{
    return QDir().mkpath(strDir);
}

} // namespace VSIM
