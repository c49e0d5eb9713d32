#include "KTX/KTX_Main.h"

#include "Ferrolib/BSS_Assert.h"

#include "KTX/CDT_FIL_TesselDefaultDirectory.h"
#include "KTX/KTX_FirmwareStarterTask.h"
#include "KTX/KTX_NativeEventFilter.h"
#include "KTX/KTX_QtEventLoop.h"
#include "KTX/KTX_SystemInitializer.h"
#include "KTX/KTX_ThreadSwitchHelper.h"
#include "KTX/KTX_WindowsEventLoop.h"

#include "Corvane/CFA_StartupConfiguration.h"
#include "Ferrolib/BSS_Trace.h"
#include "Quillbase/CMN_System.h"

#include <QMessageLogger>
#include <QString>

#include <memory>
#include <vector>

namespace KTX {

namespace {
BSS::TraceChannelC s_oTrace("KestraToolkit");
}

MainC* MainC::s_pInstance = nullptr;
HINSTANCE MainC::s_hInstance = nullptr;

MainC::MainC()
{
    if (s_pInstance)
        BSS_ASSERT_REPORT("0 == s_pInstance", "KTX_Main", __LINE__);
    else
        s_pInstance = this;
}

MainC::~MainC()
{
    if (s_pInstance == this)
        s_pInstance = nullptr;
}

MainC* MainC::instance()
{
    if (!s_pInstance)
        BSS_ASSERT_REPORT("0 != s_pInstance", "KTX_Main", __LINE__);
    return s_pInstance;
}

HINSTANCE MainC::instanceHandle()
{
    return s_hInstance;
}

void MainC::setInstance(MainC* pInstance, HINSTANCE hInstance)
{
    s_pInstance = pInstance;
    s_hInstance = hInstance;
}

QByteArrayList MainC::splitCommandLine(const QString& strCommandLine)
{
    QByteArrayList lstArguments;
    const QString& s = strCommandLine;
    int i = 0;
    const int n = s.size();
    // The program name ends at the next blank, or at the closing quote; no escapes in it.
    QString strProgram;
    if (i < n && s.at(i) == '"') {
        ++i;
        while (i < n && s.at(i) != '"')
            strProgram += s.at(i++);
        if (i < n)
            ++i;
    } else {
        while (i < n && s.at(i) != ' ' && s.at(i) != '\t')
            strProgram += s.at(i++);
    }
    lstArguments << strProgram.toLocal8Bit();
    for (;;) {
        while (i < n && (s.at(i) == ' ' || s.at(i) == '\t'))
            ++i;
        if (i >= n)
            break;
        QString strArgument;
        bool bQuoted = false;
        while (i < n && (bQuoted || (s.at(i) != ' ' && s.at(i) != '\t'))) {
            int iBackslashes = 0;
            while (i < n && s.at(i) == '\\') {
                ++iBackslashes;
                ++i;
            }
            if (i < n && s.at(i) == '"') {
                strArgument += QString(iBackslashes / 2, '\\');
                if (iBackslashes % 2) {
                    strArgument += '"';
                } else if (bQuoted && i + 1 < n && s.at(i + 1) == '"') {
                    strArgument += '"';
                    ++i;
                } else {
                    bQuoted = !bQuoted;
                }
                ++i;
            } else {
                strArgument += QString(iBackslashes, '\\');
                if (i < n && (bQuoted || (s.at(i) != ' ' && s.at(i) != '\t')))
                    strArgument += s.at(i++);
            }
        }
        lstArguments << strArgument.toLocal8Bit();
    }
    return lstArguments;
}

void MainC::parseCommandLine(int iArgc, char* apArgv[])
{
    CFA::StartupConfigurationC& rConfig = CFA::StartupConfigurationC::instance();
    rConfig.setStartupRegistryKey(L"SOFTWARE\\Kestra\\Startup");
    int iMode = CFA::APPLICATION_MODE_NO_GUI;
    bool bAutostart = false;
    for (int i = 0; i < iArgc; ++i) {
        const QString strArgument = QString::fromLocal8Bit(apArgv[i]);
        if (strArgument == QLatin1String("/START_FW_LOADER"))
            CMN::setLoaderMode(true);
        if (strArgument == QLatin1String("/AUTOSTART")) {
            rConfig.readStoredApplicationMode(iMode);
            bAutostart = true;
        }
    }
    if (!bAutostart)
        iMode = CFA::APPLICATION_MODE_GUI;
    rConfig.setApplicationMode(iMode);
    if (CMN::isLoaderMode())
        s_oTrace.write("Starting firmware (loader mode)\r\n");
    else
        s_oTrace.write("Starting firmware (application mode: %d)\r\n", iMode);
}

int MainC::Run(int iArgc, char* apArgv[])
{
    parseCommandLine(iArgc, apArgv);
    auto* pSystemInitializer = new SystemInitializerC;
    auto* pThreadSwitchHelper = new ThreadSwitchHelperC;
    std::unique_ptr<MainEventLoopI> upEventLoop;
    if (CMN::isLoaderMode())
        upEventLoop.reset(new WindowsEventLoopC);
    else
        upEventLoop.reset(new QtEventLoopC(iArgc, apArgv));
    auto* pStarterTask = new FirmwareStarterTaskC(upEventLoop.get());
    auto* pNativeEventFilter = new NativeEventFilterC(s_hInstance, pStarterTask);
    CMN::setDefaultDirectoryProvider(new CDT::FIL::TesselDefaultDirectoryC);
    CFA::StartupConfigurationC::instance().initialize();
    CFA::StartupConfigurationC::instance().start();

    const int iExitCode = upEventLoop->run();

    pStarterTask->stopExecution();
    delete pNativeEventFilter;
    delete pStarterTask;
    upEventLoop.reset();
    delete pThreadSwitchHelper;
    delete pSystemInitializer;
    QMessageLogger("KTX_Main", 68, "int __thiscall KTX::MainC::Run(int,char *[])")
        .debug("%s", qPrintable(QStringLiteral("Leaving Kestra Toolkit main with exit code %1.\r\n").arg(iExitCode)));
    return iExitCode;
}

} // namespace KTX

extern "C" int KestraToolkitMain(HINSTANCE hInstance, char*, int)
{
    KTX::MainC oMain;
    KTX::MainC::setInstance(&oMain, hInstance);
    // The arguments come again from the process's own command line.
    QByteArrayList lstArguments = KTX::MainC::splitCommandLine(QString::fromWCharArray(GetCommandLineW()));
    std::vector<char*> vecArgv;
    for (QByteArray& rArgument : lstArguments)
        vecArgv.push_back(rArgument.data());
    vecArgv.push_back(nullptr);
    return KTX::MainC::instance()->Run(int(lstArguments.size()), vecArgv.data());
}
