#include "V40_APP_ApplicationStateBase.h"

#include "V40_APP_AbstractApplication.h"
#include "V40_APP_ApplicationModelBase.h"
#include "V40_APP_InvalidState.h"
#include "V40_APP_WaitLoop.h"

#include "Ferrolib/BSS_Assert.h"

#include <QWidget>

#define V40_APP_REPORT(text) BSS_ASSERT_REPORT((text), "V40_APP_ApplicationStateBase", __LINE__)

namespace V40 {
namespace APP {

ApplicationStateBaseC::ApplicationStateBaseC(QObject* parent)
    : QObject(parent)
    , m_pApplication(nullptr)
    , m_pWaitLoop(nullptr)
    , m_bRunning(false)
{
    // Success and fail end the application unless the graph says otherwise.
    m_mapSuccessors.insert(s_iExitCodeSuccess, SuccessorS());
    m_mapSuccessors.insert(s_iExitCodeFail, SuccessorS());
}

ApplicationStateBaseC::~ApplicationStateBaseC() = default;

bool ApplicationStateBaseC::warmUp()
{
    return false;
}

void ApplicationStateBaseC::execute()
{
    // The field that had the focus when the state was left gets it back when the state returns.
    if (QWidget* pFocus = m_pFocusWhenLeft.data()) {
        if (pFocus->isVisible())
            pFocus->setFocus(Qt::OtherFocusReason);
    }
    m_pFocusWhenLeft.clear();

    m_bRunning = true;
    // A state that comes back runs nested inside its own earlier execute(): each run has its wait.
    WaitLoopC oWait;
    WaitLoopC* pOuterWait = m_pWaitLoop;
    m_pWaitLoop = &oWait;
    const bool bAnswered = oWait.exec();
    m_pWaitLoop = pOuterWait;
    if (!bAnswered) {
        // The GUI goes: the application ends as if cancelled.
        m_bRunning = false;
        endAsCancelled();
    }
}

void ApplicationStateBaseC::OnExit(int iExitCode)
{
    m_bRunning = false;
    if (m_pWaitLoop)
        m_pWaitLoop->quit();

    if (QWidget* pFocus = clearValueWidgetFocus())
        m_pFocusWhenLeft = pFocus;

    if (WaitLoopC::isCancelling()) {
        // The GUI goes: no successor runs, nothing more is stored or asked.
        endAsCancelled();
        return;
    }

    const auto itEntry = m_mapSuccessors.constFind(iExitCode);
    if (itEntry != m_mapSuccessors.cend() && itEntry.value().pState) {
        // Nested: returns when the successor has left (or the application has ended).
        itEntry.value().pState->execute();
        return;
    }

    if (itEntry == m_mapSuccessors.cend() || itEntry.value().bBound) {
        // No entry for the exit code, or the linked state no longer exists: the run ends as
        // through an invalid state. The transient state lives until its execute() returns.
        InvalidStateC oInvalidState;
        oInvalidState.setApplication(m_pApplication);
        oInvalidState.execute();
        return;
    }

    endApplication(iExitCode);
}

void ApplicationStateBaseC::endAsCancelled()
{
    ApplicationModelBaseC* pModel = modelOrNull();
    if (pModel && !pModel->hasResultCode())
        pModel->setResultCode(RESULT_ENDED_BY_EXIT);
}

void ApplicationStateBaseC::endApplication(int iExitCode)
{
    const int iResult = (iExitCode == s_iExitCodeSuccess) ? int(RESULT_SUCCESS) : int(RESULT_ENDED_BY_EXIT);
    ApplicationModelBaseC* pModel = modelOrNull();
    if (!pModel) {
        V40_APP_REPORT("pModel");
        return;
    }
    if (!pModel->hasResultCode())
        pModel->setResultCode(iResult);
}

void ApplicationStateBaseC::OnSuccess()
{
    OnExit(s_iExitCodeSuccess);
}

void ApplicationStateBaseC::OnFail()
{
    OnExit(s_iExitCodeFail);
}

void ApplicationStateBaseC::setApplication(AbstractApplicationC* pApplication)
{
    m_pApplication = pApplication;
}

AbstractApplicationC* ApplicationStateBaseC::getApplication() const
{
    if (!m_pApplication)
        V40_APP_REPORT("m_pApplication");
    return m_pApplication;
}

void ApplicationStateBaseC::setSuccessor(int iExitCode, ApplicationStateBaseC* pState)
{
    SuccessorS oSuccessor;
    oSuccessor.pState = pState;
    oSuccessor.bBound = (pState != nullptr);
    m_mapSuccessors.insert(iExitCode, oSuccessor);
}

void ApplicationStateBaseC::setSuccessor(int iExitCode, const QSharedPointer<ApplicationStateBaseC>& spState)
{
    setSuccessor(iExitCode, spState.data());
}

ApplicationStateBaseC* ApplicationStateBaseC::getSuccessor(int iExitCode) const
{
    const auto itEntry = m_mapSuccessors.constFind(iExitCode);
    return itEntry == m_mapSuccessors.cend() ? nullptr : itEntry.value().pState.data();
}

bool ApplicationStateBaseC::hasSuccessor(int iExitCode) const
{
    return m_mapSuccessors.contains(iExitCode);
}

int ApplicationStateBaseC::successorCount() const
{
    return m_mapSuccessors.size();
}

ApplicationModelBaseC* ApplicationStateBaseC::getModel() const
{
    AbstractApplicationC* pApplication = getApplication();
    if (!pApplication)
        return nullptr;
    ApplicationModelBaseC* pModel = pApplication->getModel();
    if (!pModel)
        V40_APP_REPORT("m_spModel");
    return pModel;
}

ApplicationModelBaseC* ApplicationStateBaseC::modelOrNull() const
{
    return m_pApplication ? m_pApplication->getModel() : nullptr;
}

void ApplicationStateBaseC::setApplicationResult(int iResult)
{
    ApplicationModelBaseC* pModel = modelOrNull();
    if (!pModel) {
        V40_APP_REPORT("pModel");
        return;
    }
    if (!pModel->hasResultCode())
        pModel->setResultCode(iResult);
}

bool ApplicationStateBaseC::isRunning() const
{
    return m_bRunning;
}

} // namespace APP
} // namespace V40
