#include "KestraTest.h"

#include "Ferrolib/BSS_Assert.h"
#include "Ferrolib/BSS_HAL_DurableFile.h"
#include "Ferrolib/BSS_Trace.h"
#include "SimInstrument/VSIM_Settings.h"
#include "V40_GUI_UTI_Trace.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <cerrno>
#include <mutex>
#include <unistd.h>

namespace KestraTest {

namespace {
QTemporaryDir* s_pRoot = nullptr;
}

QString prepareSimRoot()
{
    if (!s_pRoot) {
        s_pRoot = new QTemporaryDir(QDir::tempPath() + "/kestra-test-XXXXXX");
        qputenv("KESTRA_SIM_ROOT", QFile::encodeName(s_pRoot->path()));
        qunsetenv("KESTRA_PLATFORM_KIND");
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            const QString strRuntime = s_pRoot->path() + "/xdg-runtime";
            QDir().mkpath(strRuntime);
            QFile::setPermissions(strRuntime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(strRuntime));
        }
        std::atexit([] { delete s_pRoot; s_pRoot = nullptr; });
    }
    return s_pRoot->path();
}

QString simRoot()
{
    return prepareSimRoot();
}

QString simDataDir()
{
    return simRoot() + "/Documents/KestraToolkit/Vela40";
}

QString binDir()
{
    return QStringLiteral(KESTRA_BIN_DIR);
}

bool waitFor(const std::function<bool()>& fnReady, int iTimeoutMs)
{
    QElapsedTimer oTimer;
    oTimer.start();
    while (!fnReady()) {
        if (oTimer.elapsed() > iTimeoutMs)
            return false;
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

namespace {
QStringList s_lstDebugLines;
QtMessageHandler s_fnPreviousHandler = nullptr;
} // namespace

DebugCaptureC::DebugCaptureC(bool bSwitchTraceOn)
    : m_bSwitchedTraceOn(bSwitchTraceOn)
{
    s_lstDebugLines.clear();
    m_fnPrevious = qInstallMessageHandler(&DebugCaptureC::handler);
    s_fnPreviousHandler = m_fnPrevious;
    if (m_bSwitchedTraceOn)
        V40::GUI::UTI::setTraceEnabled(true);
}

DebugCaptureC::~DebugCaptureC()
{
    if (m_bSwitchedTraceOn)
        V40::GUI::UTI::setTraceEnabled(false);
    qInstallMessageHandler(m_fnPrevious);
    s_fnPreviousHandler = nullptr;
}

QStringList DebugCaptureC::lines() const
{
    return s_lstDebugLines;
}

void DebugCaptureC::handler(QtMsgType eType, const QMessageLogContext& rContext, const QString& strMessage)
{
    if (eType == QtDebugMsg)
        s_lstDebugLines << strMessage.trimmed();
    if (s_fnPreviousHandler)
        s_fnPreviousHandler(eType, rContext, strMessage);
}

QStringList traces(const QString& strChannel)
{
    return BSS::TEST::traceTexts(strChannel);
}

bool setSimulatorSetting(const QString& strKey, const QVariant& varValue)
{
    QString strError;
    if (VSIM::SettingsC::setValue(strKey, varValue, VSIM::WRITER_INSTRUMENT, &strError))
        return true;
    qWarning("%s", qPrintable(strError));
    return false;
}

QStringList assertTexts()
{
    return BSS::TEST::assertTexts();
}

void clearReports()
{
    BSS::TEST::clearAssertReports();
    BSS::TEST::clearTraces();
}

// Flushes come from platform threads too (a language upload runs on the loader thread).
struct SyncRecorderC::StateS
{
    std::mutex oMutex;
    QStringList lstPaths;
};

SyncRecorderC::SyncRecorderC(std::function<bool(const QString&)> fnFails)
    : m_spState(std::make_shared<StateS>())
{
    std::shared_ptr<StateS> spState = m_spState;
    BSS::HAL::TEST::setSyncHook([spState, fnFails](int iFd, const QString& strPath) {
        {
            std::lock_guard<std::mutex> oLock(spState->oMutex);
            spState->lstPaths << strPath;
        }
        if (fnFails && fnFails(strPath)) {
            errno = EIO;
            return -1;
        }
        return ::fsync(iFd);
    });
}

SyncRecorderC::~SyncRecorderC()
{
    BSS::HAL::TEST::setSyncHook({});
}

QStringList SyncRecorderC::paths() const
{
    std::lock_guard<std::mutex> oLock(m_spState->oMutex);
    return m_spState->lstPaths;
}

} // namespace KestraTest
