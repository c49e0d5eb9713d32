#include "KestraProcess.h"

#include "KestraTest.h"

#include <QElapsedTimer>

namespace KestraTest {

ProgramC::ProgramC(const QString& strSimRoot, const QString& strProgram)
    : m_strProgram(strProgram.isEmpty() ? binDir() + "/KestraToolkit" : strProgram)
{
    QProcessEnvironment oEnvironment = QProcessEnvironment::systemEnvironment();
    oEnvironment.insert(QStringLiteral("KESTRA_SIM_ROOT"), strSimRoot);
    oEnvironment.insert(QStringLiteral("KESTRA_TRACE"), QStringLiteral("stderr"));
    oEnvironment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    oEnvironment.remove(QStringLiteral("KESTRA_PLATFORM_KIND"));
    m_oProcess.setProcessEnvironment(oEnvironment);
    m_oProcess.setProcessChannelMode(QProcess::MergedChannels);
}

ProgramC::~ProgramC()
{
    if (m_oProcess.state() != QProcess::NotRunning) {
        m_oProcess.kill();
        m_oProcess.waitForFinished(5000);
    }
}

void ProgramC::setEnvironment(const QString& strName, const QString& strValue)
{
    QProcessEnvironment oEnvironment = m_oProcess.processEnvironment();
    oEnvironment.insert(strName, strValue);
    m_oProcess.setProcessEnvironment(oEnvironment);
}

bool ProgramC::start(const QStringList& lstArguments)
{
    m_oProcess.start(m_strProgram, lstArguments);
    return m_oProcess.waitForStarted(10000);
}

QString ProgramC::output()
{
    m_strOutput += QString::fromLocal8Bit(m_oProcess.readAll());
    return m_strOutput;
}

int ProgramC::count(const QString& strText)
{
    return output().count(strText);
}

bool ProgramC::waitForText(const QString& strText, int iTimeoutMs, int iTimes)
{
    QElapsedTimer oTimer;
    oTimer.start();
    while (count(strText) < iTimes) {
        if (oTimer.elapsed() > iTimeoutMs)
            return false;
        if (m_oProcess.state() == QProcess::NotRunning)
            return count(strText) >= iTimes;
        m_oProcess.waitForReadyRead(50);
    }
    return true;
}

bool ProgramC::waitForFinished(int iTimeoutMs)
{
    const bool bFinished = m_oProcess.state() == QProcess::NotRunning || m_oProcess.waitForFinished(iTimeoutMs);
    output();
    return bFinished;
}

void ProgramC::terminate()
{
    m_oProcess.terminate();
}

int ProgramC::exitCode() const
{
    return m_oProcess.exitCode();
}

bool ProgramC::crashed() const
{
    return m_oProcess.exitStatus() == QProcess::CrashExit;
}

qint64 ProgramC::pid() const
{
    return m_oProcess.processId();
}

int runSimCtl(const QStringList& lstArguments, QString* pstrOutput, const QString& strSimRoot)
{
    ProgramC oTool(strSimRoot.isEmpty() ? simRoot() : strSimRoot, binDir() + "/KestraSimCtl");
    const bool bFinished = oTool.start(lstArguments) && oTool.waitForFinished();
    if (pstrOutput)
        *pstrOutput = oTool.output();
    return bFinished ? oTool.exitCode() : -1;
}

} // namespace KestraTest
