#include "SimInstrument/VSIM_TraceLog.h"

#include "SimInstrument/VSIM_Folders.h"

#include <QFile>

#include <cstdio>
#include <ctime>
#include <mutex>

namespace VSIM {

namespace {

constexpr qint64 kMaxLogBytes = 1024 * 1024;
constexpr int kMaxKeptLines = 4000;

struct TraceSinkS
{
    std::mutex oMutex;
    QFile oFile;
    qint64 iFileBytes = 0;
    QList<TEST::TraceS> lstRecent;
};

TraceSinkS& sink()
{
    static TraceSinkS s_oSink;
    return s_oSink;
}

// The log lives in the simulator data folder, which the simulator set-up may move.
void writeToLogFile(TraceSinkS& rSink, const QByteArray& baLine)
{
    const QString strPath = simDataDir() + "/Logs/trace.log";
    if (rSink.oFile.fileName() != strPath || !rSink.oFile.isOpen()) {
        rSink.oFile.close();
        ensureDir(simDataDir() + "/Logs");
        rSink.oFile.setFileName(strPath);
        if (!rSink.oFile.open(QIODevice::Append | QIODevice::WriteOnly))
            return;
        rSink.iFileBytes = rSink.oFile.size();
    }
    // Counted, not asked of the file system at every line: only this sink writes the log.
    if (rSink.iFileBytes + baLine.size() > kMaxLogBytes) {
        rSink.oFile.close();
        QFile::remove(strPath + ".1");
        QFile::rename(strPath, strPath + ".1");
        if (!rSink.oFile.open(QIODevice::Append | QIODevice::WriteOnly))
            return;
        rSink.iFileBytes = rSink.oFile.size();
    }
    const qint64 iWritten = rSink.oFile.write(baLine);
    rSink.oFile.flush();
    if (iWritten > 0)
        rSink.iFileBytes += iWritten;
}

// The local time as ISO 8601 with milliseconds ("2026-12-09T16:30:05.042"). The C library reads
// the time zone once; a date-time object checks the zone file again at every call.
QByteArray localTimeStamp()
{
    timespec oNow;
    clock_gettime(CLOCK_REALTIME, &oNow);
    tm oLocal;
    localtime_r(&oNow.tv_sec, &oLocal);
    char acStamp[40];
    const int iLength = std::snprintf(acStamp, sizeof acStamp, "%04d-%02d-%02dT%02d:%02d:%02d.%03d", oLocal.tm_year + 1900,
                                      oLocal.tm_mon + 1, oLocal.tm_mday, oLocal.tm_hour, oLocal.tm_min, oLocal.tm_sec,
                                      int(oNow.tv_nsec / 1000000));
    return QByteArray(acStamp, qBound(0, iLength, int(sizeof acStamp) - 1));
}

} // namespace

bool tracesToStderr()
{
    static const bool s_bMirror = qgetenv("KESTRA_TRACE") == "stderr";
    return s_bMirror;
}

void traceLine(const QString& strChannel, const QString& strText)
{
    QString strClean = strText;
    while (strClean.endsWith('\n') || strClean.endsWith('\r'))
        strClean.chop(1);
    TraceSinkS& rSink = sink();
    // The stamp is taken under the lock, so that the lines stand in the log in time order.
    std::unique_lock<std::mutex> oLock(rSink.oMutex);
    const QByteArray baLine = localTimeStamp() + ' ' + (strChannel + QStringLiteral(": ") + strClean).toUtf8() + '\n';
    rSink.lstRecent.append({strChannel, strClean});
    if (rSink.lstRecent.size() > kMaxKeptLines)
        rSink.lstRecent.removeFirst();
    writeToLogFile(rSink, baLine);
    if (tracesToStderr()) {
        std::fwrite(baLine.constData(), 1, size_t(baLine.size()), stderr);
        std::fflush(stderr);
    }
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
} // namespace VSIM
