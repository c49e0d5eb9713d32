#pragma once
#include "KTX/KTX_MainEventLoop.h"

#include <mutex>

class QApplication;

namespace KTX {

// The normal loop: a Qt application object that lives for one run().
class QtEventLoopC : public MainEventLoopI
{
public:
    QtEventLoopC(int iArgc, char* apArgv[]);
    ~QtEventLoopC() override;

    int run() override;
    // May be called from any thread.
    void quit() override;

private:
    int m_iArgc;
    char** m_ppArgv;
    std::mutex m_oMutex;
    QApplication* m_pApplication;
    bool m_bQuitRequested;
};

} // namespace KTX
