#pragma once
// The platform log: every line of every channel, from every library of the platform, goes to
// the size-bounded, rotating Logs/trace.log in the simulator data folder (and to stderr with
// KESTRA_TRACE=stderr).
#include <QList>
#include <QString>
#include <QStringList>

namespace VSIM {

// Writes one finished line under a channel name (trailing line ends are dropped).
void traceLine(const QString& strChannel, const QString& strText);
bool tracesToStderr();

namespace TEST {

struct TraceS
{
    QString strChannel;
    QString strText;
};

// The most recent lines of this process (bounded), oldest first.
QList<TraceS> traces();
QStringList traceTexts(const QString& strChannel);
void clearTraces();

} // namespace TEST
} // namespace VSIM
