// Top-level window look-up, libraries, the command line, debug output and the shell.
#include <windows.h>

#include "SimInstrument/VSIM_Settings.h"
#include "SimInstrument/VSIM_TraceLog.h"
#include "WinInternal.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <dlfcn.h>

namespace {

QString fromWide(LPCWSTR pwszText)
{
    return pwszText ? QString::fromWCharArray(pwszText) : QString();
}

QString programDir()
{
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
}

// Windows-style quoting, so that the entry's splitter gives back the same arguments.
QString quoted(const QString& strArgument)
{
    if (!strArgument.isEmpty() && !strArgument.contains(QRegExp(QStringLiteral("[ \t\"]"))))
        return strArgument;
    QString strResult = QStringLiteral("\"");
    int iBackslashes = 0;
    for (const QChar cChar : strArgument) {
        if (cChar == '\\') {
            ++iBackslashes;
            continue;
        }
        if (cChar == '"')
            strResult += QString(iBackslashes * 2 + 1, '\\');
        else
            strResult += QString(iBackslashes, '\\');
        iBackslashes = 0;
        strResult += cChar;
    }
    strResult += QString(iBackslashes * 2, '\\') + '"';
    return strResult;
}

} // namespace

HWND FindWindowExW(HWND hParent, HWND hChildAfter, LPCWSTR pwszClassName, LPCWSTR pwszWindowName)
{
    if (hParent || hChildAfter)
        return nullptr; // only top-level searches from the start are needed
    const QString strClass = fromWide(pwszClassName);
    const QString strTitle = fromWide(pwszWindowName);
    if (HWND hLocal = KestraWin::findLocalWindow(strClass, strTitle, pwszWindowName == nullptr))
        return hLocal;
    if (!pwszWindowName)
        return nullptr;
    return KestraWin::findAnnouncedWindow(strTitle);
}

BOOL IsZoomed(HWND hWnd)
{
    if (KestraWin::isAnnouncedWindow(hWnd))
        return KestraWin::isAnnouncedWindowZoomed(hWnd);
    return KestraWin::isLocalWindowZoomed(hWnd);
}

BOOL ShowWindow(HWND hWnd, int iCmdShow)
{
    if (KestraWin::isAnnouncedWindow(hWnd))
        return KestraWin::showAnnouncedWindow(hWnd, iCmdShow);
    return KestraWin::showLocalWindow(hWnd, iCmdShow);
}

BOOL SetForegroundWindow(HWND hWnd)
{
    if (KestraWin::isAnnouncedWindow(hWnd))
        return KestraWin::foregroundAnnouncedWindow(hWnd);
    return KestraWin::isLocalWindow(hWnd);
}

HMODULE LoadLibraryW(LPCWSTR pwszFileName)
{
    QString strName = fromWide(pwszFileName);
    if (strName.isEmpty())
        return nullptr;
    QStringList lstCandidates;
    if (strName.contains('/')) {
        lstCandidates << strName;
    } else {
        if (strName.endsWith(QLatin1String(".dll"), Qt::CaseInsensitive))
            strName = QStringLiteral("lib%1.so").arg(strName.left(strName.size() - 4));
        // The program's folder comes first, as in the instrument's search order.
        lstCandidates << programDir() + "/" + strName << strName;
    }
    for (const QString& strCandidate : lstCandidates) {
        if (strCandidate.contains('/') && !QFileInfo::exists(strCandidate))
            continue;
        // Never unmapped again: Qt's exit handlers still reach into a library that used Qt
        // (metatypes, resources, thread storage) after it was freed.
        if (void* pHandle = ::dlopen(QFile::encodeName(strCandidate).constData(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE))
            return static_cast<HMODULE>(pHandle);
        VSIM::traceLine(QStringLiteral("Loader"), QString::fromLocal8Bit(::dlerror()));
    }
    return nullptr;
}

FARPROC GetProcAddress(HMODULE hModule, LPCSTR pszProcName)
{
    if (!hModule || !pszProcName)
        return nullptr;
    return reinterpret_cast<FARPROC>(::dlsym(hModule, pszProcName));
}

BOOL FreeLibrary(HMODULE hModule)
{
    return hModule && ::dlclose(hModule) == 0;
}

HMODULE GetModuleHandleFromAddress(const void* pAddress)
{
    Dl_info oInfo{};
    if (!::dladdr(pAddress, &oInfo) || !oInfo.dli_fname)
        return nullptr;
    void* pHandle = ::dlopen(oInfo.dli_fname, RTLD_NOW | RTLD_NOLOAD);
    if (pHandle)
        ::dlclose(pHandle); // the library stays loaded; the handle stays its name
    return static_cast<HMODULE>(pHandle);
}

LPWSTR GetCommandLineW()
{
    static std::wstring s_wstrCommandLine = [] {
        QFile oFile(QStringLiteral("/proc/self/cmdline"));
        QStringList lstParts;
        if (oFile.open(QIODevice::ReadOnly)) {
            QByteArray baAll = oFile.readAll();
            if (baAll.endsWith('\0'))
                baAll.chop(1);
            for (const QByteArray& baArgument : baAll.split('\0'))
                lstParts << quoted(QString::fromLocal8Bit(baArgument));
        }
        return lstParts.join(' ').toStdWString();
    }();
    return &s_wstrCommandLine[0];
}

void OutputDebugStringW(LPCWSTR pwszText)
{
    VSIM::traceLine(QStringLiteral("Debug"), fromWide(pwszText));
}

HINSTANCE ShellExecuteW(HWND, LPCWSTR, LPCWSTR pwszFile, LPCWSTR pwszParameters, LPCWSTR pwszDirectory, int)
{
    const QString strFile = fromWide(pwszFile);
    if (strFile.isEmpty() || !QFileInfo::exists(strFile))
        return reinterpret_cast<HINSTANCE>(intptr_t(2)); // file not found
    QStringList lstArguments{strFile};
    if (pwszParameters && *pwszParameters)
        lstArguments << fromWide(pwszParameters);
    // Tests and headless runs leave the desktop's viewer alone: the request is traced only.
    bool bOk = false;
    const int iOpen = qEnvironmentVariableIntValue("KESTRA_SHELL_OPEN", &bOk);
    if (bOk ? iOpen == 0 : !VSIM::SettingsC::boolValue(QStringLiteral("Settings/ShellOpen"))) {
        VSIM::traceLine(QStringLiteral("Shell"), QStringLiteral("open '%1' (not started)").arg(strFile));
        return reinterpret_cast<HINSTANCE>(intptr_t(42));
    }
    const bool bStarted = QProcess::startDetached(QStringLiteral("xdg-open"), lstArguments, fromWide(pwszDirectory));
    VSIM::traceLine(QStringLiteral("Shell"),
                    QStringLiteral("open '%1' with xdg-open%2").arg(strFile, bStarted ? QString() : QStringLiteral(" failed")));
    return reinterpret_cast<HINSTANCE>(intptr_t(bStarted ? 42 : 31));
}
