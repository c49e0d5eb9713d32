#include "FuzzSupport.h"

#include "Ferrolib/BSS_Assert.h"
#include "Ferrolib/BSS_HAL_DurableFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace KFZ {

bool setUp()
{
    if (qEnvironmentVariableIsEmpty("KESTRA_SIM_ROOT")) {
        // Left behind on purpose: a crash input may be rerun against the same files.
        static QTemporaryDir s_oRoot(QDir::tempPath() + QStringLiteral("/kestra-fuzz-XXXXXX"));
        s_oRoot.setAutoRemove(false);
        qputenv("KESTRA_SIM_ROOT", QFile::encodeName(s_oRoot.path()));
    }
    qunsetenv("KESTRA_TRACE");
    // What is written need not reach the device here; the flushes would set the pace.
    BSS::HAL::TEST::setSyncHook([](int, const QString&) { return 0; });
    qputenv("KESTRA_SHELL_OPEN", "0");
    return true;
}

void endInput()
{
    BSS::TEST::clearAssertReports();
}

QByteArray bytes(const uint8_t* pData, size_t uSize)
{
    return QByteArray(reinterpret_cast<const char*>(pData), int(uSize));
}

void putFile(const QString& strPath, const QByteArray& baData)
{
    QDir().mkpath(QFileInfo(strPath).absolutePath());
    QFile oFile(strPath);
    if (!oFile.open(QIODevice::WriteOnly | QIODevice::Truncate) || oFile.write(baData) != baData.size()) {
        std::fprintf(stderr, "fuzz: cannot write %s\n", qPrintable(strPath));
        std::abort();
    }
}

void require(bool bHolds, const char* szWhat, const QString& strDetail)
{
    if (bHolds)
        return;
    std::fprintf(stderr, "fuzz: property broken: %s %s\n", szWhat, strDetail.toUtf8().constData());
    std::abort();
}

} // namespace KFZ
