#pragma once
// One state of an application's graph.
#include "V40_APP_ExitCode.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSharedPointer>
#include <QWidget>

namespace V40 {
namespace APP {

class AbstractApplicationC;
class ApplicationModelBaseC;
class WaitLoopC;

class ApplicationStateBaseC : public QObject
{
    Q_OBJECT

public:
    explicit ApplicationStateBaseC(QObject* parent = nullptr);
    ~ApplicationStateBaseC() override;

    // Runs the state. Default: the modal wait loop, which processes Qt events until OnExit()
    // clears the running flag, or until the GUI stops (the application then ends as if
    // cancelled). Overrides prepare their panel and then call the default,
    // or do their work at once and leave with OnSuccess()/OnFail()/OnExit().
    virtual void execute();
    // Outside any run, while the toolkit idles: builds what the state shows, off the screen, so
    // that its first real showing finds it ready. True when it built something: the state is then
    // kept for the next run, and brings what it built up to date when it is executed. Default:
    // nothing, false.
    virtual bool warmUp();

public slots:
    // Leaves the state with iExitCode: executes the successor nested, or ends the application.
    // Overrides do their clean-up first and then call the base.
    virtual void OnExit(int iExitCode);
    void OnSuccess();
    void OnFail();

public:
    void setApplication(AbstractApplicationC* pApplication);
    // Reports "m_pApplication" when the state belongs to no application.
    AbstractApplicationC* getApplication() const;
    // Inserts or replaces the weak reference to the successor for iExitCode (null = end).
    void setSuccessor(int iExitCode, ApplicationStateBaseC* pState);
    void setSuccessor(int iExitCode, const QSharedPointer<ApplicationStateBaseC>& spState);
    // The successor state for iExitCode (null when none or when it no longer exists).
    ApplicationStateBaseC* getSuccessor(int iExitCode) const;
    // Whether the successor map has an entry for iExitCode.
    bool hasSuccessor(int iExitCode) const;
    // Number of entries of the successor map.
    int successorCount() const;
    // The application's model; reports "m_spModel" when the application has none.
    ApplicationModelBaseC* getModel() const;
    // Sets the model's result code unless it already has one; reports "pModel" without a model.
    void setApplicationResult(int iResult);
    // True while the state's wait loop runs.
    bool isRunning() const;

    // Exit codes, reachable unqualified from states.
    static int newExitCode() { return V40::APP::newExitCode(); }
    static int lastExitCode() { return V40::APP::lastExitCode(); }
    static inline const int& s_iExitCodeSuccess = V40::APP::s_iExitCodeSuccess;
    static inline const int& s_iExitCodeFail = V40::APP::s_iExitCodeFail;

protected:
    // The application's model without an assertion report when there is none.
    ApplicationModelBaseC* modelOrNull() const;

private:
    // The end of the application: its result unless one is set already.
    void endApplication(int iExitCode);
    // The end of the application when the GUI stops under it: as if the operator had cancelled.
    void endAsCancelled();

    // A weak link to a successor; bBound records that a state was linked (so that a link whose
    // state has been destroyed is not taken for a deliberate end of the application).
    struct SuccessorS
    {
        QPointer<ApplicationStateBaseC> pState;
        bool bBound = false;
    };

    AbstractApplicationC* m_pApplication;
    QHash<int, SuccessorS> m_mapSuccessors;
    WaitLoopC* m_pWaitLoop;
    QPointer<QWidget> m_pFocusWhenLeft;
    bool m_bRunning;
};

} // namespace APP
} // namespace V40
