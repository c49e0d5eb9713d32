#pragma once
// An application: a graph of states built from the application's tables and run modally.
#include "V40_APP_ExitCode.h"

#include <QHash>
#include <QScopedPointer>
#include <QSharedPointer>

#include <memory>

class QWidget;

namespace V40 {
namespace APP {

class ApplicationStateBaseC;
class ApplicationModelBaseC;

class AbstractApplicationC
{
public:
    AbstractApplicationC();
    virtual ~AbstractApplicationC();

    AbstractApplicationC(const AbstractApplicationC&) = delete;
    AbstractApplicationC& operator=(const AbstractApplicationC&) = delete;

    // Asked by the menu item before run(); default true.
    virtual bool canStart();
    // Builds the state graph, creates the model, executes the first state (returns when the whole
    // run is over), gives up model and states and returns the result code. Not overridden. The
    // states and the model of the run are deleted once the event loop has had its round, after
    // the screen that follows the run is painted, or with the application. A first state kept
    // from a warm-up is taken instead of a new one.
    virtual int run();
    // While the toolkit idles, never during a run nor inside any wait: makes the first state
    // alone (no graph, no model) and lets it warm up. A state that built its screen is kept and
    // becomes the first state of the next run; after that run the one for the run after it is
    // built the same way, once the screen that follows is painted. Any other state is deleted.
    void warmUpFirstState();
    // Deletes the first state kept from a warm-up, as when its texts are out of date.
    void dropPreparedState();
    // Whether a first state is kept from a warm-up.
    bool hasPreparedState() const;
    virtual int getFirstStateId() = 0;
    // The successor of a state for an exit code, or -1 (end of the application), or -2 (none).
    virtual int getNextStateId(int iStateId, int iExitCode) = 0;
    // A new state, owned by the caller. Default: null for -1, a new InvalidStateC otherwise.
    virtual ApplicationStateBaseC* createState(int iStateId);
    // Creates the application's model and installs it with setModel(). Default: a plain
    // ApplicationModelBaseC.
    virtual void createModel();

    // Get or create the state of iStateId, resolving its successors recursively; an identifier
    // without a state is kept as a null entry so that it is not asked for twice.
    QSharedPointer<ApplicationStateBaseC> getState(int iStateId);

    // Installs the model (owned); the previous one is deleted. Installing the model that is
    // already installed does nothing.
    void setModel(ApplicationModelBaseC* pModel);
    // The model while the application runs, else null.
    ApplicationModelBaseC* getModel() const;

    // True while run() executes.
    bool isRunning() const;
    // Number of entries of the state map (null entries included).
    int stateCount() const;

    // The exit-code allocator, also reachable unqualified from applications.
    static int newExitCode() { return V40::APP::newExitCode(); }
    static int lastExitCode() { return V40::APP::lastExitCode(); }
    static inline const int& s_iExitCodeSuccess = V40::APP::s_iExitCodeSuccess;
    static inline const int& s_iExitCodeFail = V40::APP::s_iExitCodeFail;

private:
    class RetiredRunsC;

    QScopedPointer<ApplicationModelBaseC> m_spModel;
    QHash<int, QSharedPointer<ApplicationStateBaseC>> m_mapStates;
    QSharedPointer<ApplicationStateBaseC> m_spPrepared;
    int m_iPreparedStateId;
    bool m_bRunning;
    bool m_bWarmsUp;
    std::unique_ptr<RetiredRunsC> m_upRetired;
};

// Clears the keyboard focus when the widget that holds it is a value widget
// (V40::GUI::ValueWidgetC), so that a pending edit is committed to its model.
// The focus widget counts as a value widget when it, or one of its ancestors in the same window,
// passes isValueWidget(); its own focus is then cleared and the widget returned (else null).
QWidget* clearValueWidgetFocus();

// Whether the widget is a value widget (V40::GUI::ValueWidgetC or a subclass).
bool isValueWidget(const QWidget* pWidget);

} // namespace APP
} // namespace V40
