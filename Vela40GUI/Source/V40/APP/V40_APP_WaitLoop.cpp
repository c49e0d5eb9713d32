#include "V40_APP_WaitLoop.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <vector>

namespace V40 {
namespace APP {

namespace {

// GUI thread only, like every wait.
struct WaitsS
{
    std::vector<WaitLoopC*> vecRunning;
    std::vector<std::function<void()>> vecUnwound;
    bool bCancelling = false;
    bool bFinishPosted = false;
};

WaitsS& waits()
{
    static WaitsS s_oWaits;
    return s_oWaits;
}

} // namespace

WaitLoopC::WaitLoopC()
    : m_pLoop(nullptr)
    , m_bQuit(false)
{
}

WaitLoopC::~WaitLoopC() = default;

bool WaitLoopC::exec()
{
    WaitsS& rWaits = waits();
    if (rWaits.bCancelling)
        return false;
    if (m_bQuit)
        return true;

    QEventLoop oLoop;
    m_pLoop = &oLoop;
    rWaits.vecRunning.push_back(this);
    oLoop.exec();
    rWaits.vecRunning.pop_back();
    m_pLoop = nullptr;

    if (!m_bQuit && !rWaits.bCancelling) {
        // The application's loops were told to exit while this one waited: the waits below
        // unwind as well.
        rWaits.bCancelling = true;
    }
    if (rWaits.bCancelling)
        finishWhenUnwound();
    return !rWaits.bCancelling;
}

void WaitLoopC::quit()
{
    m_bQuit = true;
    if (m_pLoop)
        m_pLoop->quit();
}

int WaitLoopC::depth()
{
    return int(waits().vecRunning.size());
}

bool WaitLoopC::isCancelling()
{
    return waits().bCancelling;
}

void WaitLoopC::cancelAll(std::function<void()> fnUnwound)
{
    WaitsS& rWaits = waits();
    if (fnUnwound)
        rWaits.vecUnwound.push_back(std::move(fnUnwound));
    rWaits.bCancelling = true;
    for (WaitLoopC* pWait : rWaits.vecRunning) {
        if (pWait->m_pLoop)
            pWait->m_pLoop->quit();
    }
    finishWhenUnwound();
}

void WaitLoopC::finishWhenUnwound()
{
    WaitsS& rWaits = waits();
    if (!rWaits.vecRunning.empty() || rWaits.bFinishPosted)
        return;
    rWaits.bFinishPosted = true;
    // Posted, so that the code between the outermost wait and the event loop (the end of an
    // application's run, the menu showing itself again) has finished before the actions run.
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        WaitsS& rDone = waits();
        rDone.bFinishPosted = false;
        if (!rDone.vecRunning.empty())
            return; // a wait started meanwhile; its end finishes the cancellation
        rDone.bCancelling = false;
        std::vector<std::function<void()>> vecActions;
        vecActions.swap(rDone.vecUnwound);
        for (const std::function<void()>& fnAction : vecActions)
            fnAction();
    });
}

} // namespace APP
} // namespace V40
