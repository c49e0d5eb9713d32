#pragma once
#include <windows.h>

#include <QByteArrayList>

namespace KTX {

// The start-up object: owns the whole life of the application inside the library's entry.
class MainC
{
public:
    MainC();
    virtual ~MainC();
    MainC(const MainC&) = delete;
    MainC& operator=(const MainC&) = delete;

    static MainC* instance();
    static HINSTANCE instanceHandle();
    static void setInstance(MainC* pInstance, HINSTANCE hInstance);

    int Run(int iArgc, char* apArgv[]);
    void parseCommandLine(int iArgc, char* apArgv[]);

    // Splits a command line the way the platform's entry shim does (program name included).
    static QByteArrayList splitCommandLine(const QString& strCommandLine);

private:
    static MainC* s_pInstance;
    static HINSTANCE s_hInstance;
};

} // namespace KTX

extern "C" int KestraToolkitMain(HINSTANCE hInstance, char* pszCommandLine, int iShowCommand);
