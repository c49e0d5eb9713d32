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
    // Asked at every read of a setting: made again only when the environment it comes from changed.
    const QByteArray baRoot = qgetenv("KESTRA_SIM_ROOT");
    const QByteArray baConfig = baRoot.isEmpty() ? qgetenv("XDG_CONFIG_HOME") : QByteArray();
    const QByteArray baHome = baRoot.isEmpty() && baConfig.isEmpty() ? qgetenv("HOME") : QByteArray();
    static std::mutex s_oDirMutex;
    static QByteArray s_aba[3];
    static QString s_strDir;
    std::unique_lock<std::mutex> oLock(s_oDirMutex);
    if (!s_strDir.isNull() && s_aba[0] == baRoot && s_aba[1] == baConfig && s_aba[2] == baHome)
        return s_strDir;
    QString strDir;
    if (!baRoot.isEmpty()) {
        strDir = QDir::cleanPath(QFile::decodeName(baRoot) + "/registry");
    } else {
        QString strConfig = QFile::decodeName(baConfig);
        if (strConfig.isEmpty())
            strConfig = QDir::homePath() + "/.config";
        strDir = QDir::cleanPath(strConfig + "/Kestra");
    }
    s_aba[0] = baRoot;
    s_aba[1] = baConfig;
    s_aba[2] = baHome;
    s_strDir = strDir;
    return strDir;
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
