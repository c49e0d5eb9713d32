#include "SimInstrument/VSIM_TraceLog.h"

#include "SimInstrument/VSIM_Folders.h"

#include <QDateTime>
#include <QFile>

#include <cstdio>
#include <mutex>

namespace VSIM {

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
