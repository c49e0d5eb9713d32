#include "Ferrolib/BSS_Trace.h"

#include <cstdarg>
#include <cstdlib>
#include <cstdio>
#include <cstring>

namespace BSS {

namespace {

QString formatted(const char* strFormat, va_list args)
{
    char acBuffer[2048];
    std::vsnprintf(acBuffer, sizeof acBuffer, strFormat, args);
    return QString::fromLocal8Bit(acBuffer);
}

} // namespace

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

TraceScopeC::TraceScopeC(TraceChannelC& rChannel, const char* strOperation)
    : m_rChannel(rChannel)
    , m_strOperation(strOperation)
{
    m_rChannel.write("Enter %s", m_strOperation);
}

TraceScopeC::~TraceScopeC()
{
    m_rChannel.write("Leave %s", m_strOperation);
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

namespace {

// Qt's debug channel goes to the platform log too; warnings always reach stderr.
void qtMessageHandler(QtMsgType eType, const QMessageLogContext&, const QString& strMessage)
{
    traceLine(QStringLiteral("Qt"), strMessage);
    if (eType != QtDebugMsg && eType != QtInfoMsg && !VSIM::tracesToStderr()) {
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
