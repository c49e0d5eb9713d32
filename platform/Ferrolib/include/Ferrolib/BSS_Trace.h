#pragma once
// Named trace channels of the platform log.
#include "SimInstrument/VSIM_TraceLog.h"

#include <QList>
#include <QString>

namespace BSS {

class TraceChannelC
{
public:
    explicit TraceChannelC(const char* strName);
    ~TraceChannelC();
    TraceChannelC(const TraceChannelC&) = delete;
    TraceChannelC& operator=(const TraceChannelC&) = delete;

    void write(const char* strFormat, ...) __attribute__((format(printf, 2, 3)));
    void writeLevel(int iLevel, const char* strFormat, ...) __attribute__((format(printf, 3, 4)));
    const char* name() const;

private:
    char m_strName[64];
};

// Brackets the lines an operation writes: "Enter <operation>" when it begins, "Leave <operation>"
// when the scope ends.
class TraceScopeC
{
public:
    TraceScopeC(TraceChannelC& rChannel, const char* strOperation);
    ~TraceScopeC();
    TraceScopeC(const TraceScopeC&) = delete;
    TraceScopeC& operator=(const TraceScopeC&) = delete;

private:
    TraceChannelC& m_rChannel;
    const char* m_strOperation;
};

// Trace levels for writeLevel.
enum TraceLevelE { TRACE_INFO = 0, TRACE_WARNING = 1, TRACE_ERROR = 2 };

// Writes one finished line under a channel name (trailing line ends are dropped).
using VSIM::traceLine;

namespace TEST {

// The most recent lines of this process (bounded), oldest first.
using VSIM::TEST::TraceS;
using VSIM::TEST::traces;
using VSIM::TEST::traceTexts;
using VSIM::TEST::clearTraces;

} // namespace TEST
} // namespace BSS
