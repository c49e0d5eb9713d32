#include "Ferrolib/BSS_Trace.h"

#include "PlatformFolders.h"

#include <QDateTime>
#include <QFile>
#include <mutex>

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace BSS {

namespace {

constexpr qint64 kMaxLogBytes = 1024 * 1024;
constexpr int kMaxKeptLines = 4000;

struct TraceSinkS
{
    std::mutex oMutex;
    QFile oFile;
    QList<TEST::TraceS> lstRecent;
};

TraceSinkS& sink()
{
    static TraceSinkS s_oSink;
    return s_oSink;
}

bool mirrorToStderr()
{
    static const bool s_bMirror = qgetenv("KESTRA_TRACE") == "stderr";
    return s_bMirror;
}

// The log lives in the simulator data folder, which the simulator set-up may move.
void writeToLogFile(TraceSinkS& rSink, const QByteArray& baLine)
{
    const QString strPath = KestraPlatform::simDataDir() + "/Logs/trace.log";
    if (rSink.oFile.fileName() != strPath || !rSink.oFile.isOpen()) {
        rSink.oFile.close();
        KestraPlatform::ensureDir(KestraPlatform::simDataDir() + "/Logs");
        rSink.oFile.setFileName(strPath);
        if (!rSink.oFile.open(QIODevice::Append | QIODevice::WriteOnly))
            return;
    }
    if (rSink.oFile.size() + baLine.size() > kMaxLogBytes) {
        rSink.oFile.close();
        QFile::remove(strPath + ".1");
        QFile::rename(strPath, strPath + ".1");
        if (!rSink.oFile.open(QIODevice::Append | QIODevice::WriteOnly))
            return;
    }
    rSink.oFile.write(baLine);
    rSink.oFile.flush();
}

QString formatted(const char* strFormat, va_list args)
{
    char acBuffer[2048];
    std::vsnprintf(acBuffer, sizeof acBuffer, strFormat, args);
    return QString::fromLocal8Bit(acBuffer);
}

} // namespace

void traceLine(const QString& strChannel, const QString& strText)
{
    QString strClean = strText;
    while (strClean.endsWith('\n') || strClean.endsWith('\r'))
        strClean.chop(1);
    TraceSinkS& rSink = sink();
    // The local time is taken under the lock too: the C library's time zone set-up is not
    // safe to run on two threads at once.
    std::unique_lock<std::mutex> oLock(rSink.oMutex);
    const QByteArray baLine = QStringLiteral("%1 %2: %3\n")
                                  .arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs),
                                       strChannel, strClean)
                                  .toUtf8();
    rSink.lstRecent.append({strChannel, strClean});
    if (rSink.lstRecent.size() > kMaxKeptLines)
        rSink.lstRecent.removeFirst();
    writeToLogFile(rSink, baLine);
    if (mirrorToStderr()) {
        std::fwrite(baLine.constData(), 1, size_t(baLine.size()), stderr);
        std::fflush(stderr);
    }
}

TraceChannelC::TraceChannelC(const char* strName)
{
    std::snprintf(m_strName, sizeof m_strName, "%s", strName ? strName : "");
}

TraceChannelC::~TraceChannelC() = default;

const char* TraceChannelC::name() const
{
    return m_strName;
}

void TraceChannelC::write(const char* strFormat, ...)
{
    va_list args;
    va_start(args, strFormat);
    const QString strText = formatted(strFormat, args);
    va_end(args);
    traceLine(QString::fromLatin1(m_strName), strText);
}

void TraceChannelC::writeLevel(int iLevel, const char* strFormat, ...)
{
    va_list args;
    va_start(args, strFormat);
    const QString strText = formatted(strFormat, args);
    va_end(args);
    static const char* const s_astrLevels[] = {"", "WARNING ", "ERROR "};
    const char* strLevel = (iLevel >= 0 && iLevel <= 2) ? s_astrLevels[iLevel] : "";
    traceLine(QString::fromLatin1(m_strName), QString::fromLatin1(strLevel) + strText);
}

namespace TEST {

QList<TraceS> traces()
{
    // Deep copies: nothing the reader holds is shared with the writers' threads.
    std::unique_lock<std::mutex> oLock(sink().oMutex);
    QList<TraceS> lstCopy;
    lstCopy.reserve(sink().lstRecent.size());
    for (const TraceS& rTrace : sink().lstRecent)
        lstCopy.append({QString(rTrace.strChannel.constData(), rTrace.strChannel.size()),
                        QString(rTrace.strText.constData(), rTrace.strText.size())});
    return lstCopy;
}

QStringList traceTexts(const QString& strChannel)
{
    QStringList lstTexts;
    for (const TraceS& rTrace : traces()) {
        if (rTrace.strChannel == strChannel)
            lstTexts << rTrace.strText;
    }
    return lstTexts;
}

void clearTraces()
{
    std::unique_lock<std::mutex> oLock(sink().oMutex);
    sink().lstRecent.clear();
}

} // namespace TEST

namespace {

// Qt's debug channel goes to the platform log too; warnings always reach stderr.
void qtMessageHandler(QtMsgType eType, const QMessageLogContext&, const QString& strMessage)
{
    traceLine(QStringLiteral("Qt"), strMessage);
    if (eType != QtDebugMsg && eType != QtInfoMsg && !mirrorToStderr()) {
        const QByteArray baLine = strMessage.toLocal8Bit() + '\n';
        std::fwrite(baLine.constData(), 1, size_t(baLine.size()), stderr);
    }
    if (eType == QtFatalMsg)
        std::abort();
}

struct InstallQtHandlerS
{
    InstallQtHandlerS() { qInstallMessageHandler(qtMessageHandler); }
} s_oInstallQtHandler;

} // namespace
} // namespace BSS
