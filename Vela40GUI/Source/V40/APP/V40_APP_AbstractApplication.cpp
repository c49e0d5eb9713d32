#include "V40_APP_AbstractApplication.h"

#include "V40_APP_ApplicationModelBase.h"
#include "V40_APP_ApplicationStateBase.h"
#include "V40_APP_InvalidState.h"
#include "V40_APP_NextRound.h"
#include "V40_APP_WaitLoop.h"
#include "V40_GUI_UTI_Trace.h"

#include "Ferrolib/BSS_Assert.h"

#include <QApplication>
#include <QWidget>

#include <functional>

#define V40_APP_REPORT(text) BSS_ASSERT_REPORT((text), "V40_APP_AbstractApplication", __LINE__)

namespace V40 {
namespace APP {

// The states and models of finished runs. Taking a run's pages apart costs as much as painting
// the menu that follows, so they go after that paint.
class AbstractApplicationC::RetiredRunsC : public QObject
{
public:
    // fnAfter runs in the round after a deletion.
    explicit RetiredRunsC(std::function<void()> fnAfter)
        : m_oClear([this] {
            clear();
            m_oAfter.schedule();
        })
        , m_oAfter(std::move(fnAfter))
    {
    }
    ~RetiredRunsC() override { clear(); }

    void retire(QHash<int, QSharedPointer<ApplicationStateBaseC>>& rmapStates,
                QScopedPointer<ApplicationModelBaseC>& rspModel)
    {
        m_lstRuns.append(RunS{std::move(rmapStates), QSharedPointer<ApplicationModelBaseC>(rspModel.take())});
        rmapStates.clear();
        m_oClear.schedule();
    }

    void clear()
    {
        m_oClear.cancel();
        // Taken out first: a destructor that reaches the application finds nothing half deleted.
        QList<RunS> lstRuns;
        lstRuns.swap(m_lstRuns);
        for (RunS& rRun : lstRuns) {
            // States first: they may still refer to the model while they are destroyed.
            rRun.mapStates.clear();
            rRun.spModel.reset();
        }
    }

private:
    struct RunS
    {
        QHash<int, QSharedPointer<ApplicationStateBaseC>> mapStates;
        QSharedPointer<ApplicationModelBaseC> spModel;
    };

    QList<RunS> m_lstRuns;
    NextRoundC m_oClear;
    NextRoundC m_oAfter;
};

AbstractApplicationC::AbstractApplicationC()
    : m_iPreparedStateId(STATE_END)
    , m_bRunning(false)
    , m_bWarmsUp(false)
    // The next run's first screen is built once the last run's pages are gone.
    , m_upRetired(new RetiredRunsC([this] {
        if (m_bWarmsUp)
            warmUpFirstState();
    }))
{
}

AbstractApplicationC::~AbstractApplicationC()
{
    m_upRetired->clear();
    m_spPrepared.reset();
    // States first: they may still refer to the model while they are destroyed.
    m_mapStates.clear();
    m_spModel.reset();
}

bool AbstractApplicationC::canStart()
{
    return true;
}

int AbstractApplicationC::run()
{
    // A nested run() of the same application would destroy the states that are executing
    // further up the call stack.
    if (m_bRunning) {
        V40_APP_REPORT("!m_bRunning");
        return RESULT_NONE;
    }
    m_bRunning = true;

    // Every run builds its own graph, also after a run that found no first state.
    m_mapStates.clear();

    const QSharedPointer<ApplicationStateBaseC> spFirst = getState(getFirstStateId());
    if (!spFirst) {
        V40_APP_REPORT("Do not have a first state.");
        m_bRunning = false;
        return RESULT_NO_FIRST_STATE;
    }

    int iSuccessors = 0;
    for (auto it = m_mapStates.cbegin(); it != m_mapStates.cend(); ++it) {
        if (it.value())
            iSuccessors += it.value()->successorCount();
    }
    V40_TRACE << QStringLiteral("Application: Got %1 states with a total of %2 successor states.\n")
                     .arg(m_mapStates.size())
                     .arg(iSuccessors);

    createModel();

    spFirst->execute();

    int iResult = RESULT_NONE;
    if (m_spModel) {
        iResult = m_spModel->getResultCode();
    } else {
        // A programming error (createModel() installed none, or a state removed it): report it
        // and return "no result" rather than crash.
        V40_APP_REPORT("m_spModel");
    }
    m_upRetired->retire(m_mapStates, m_spModel);
    m_bRunning = false;
    return iResult;
}

void AbstractApplicationC::warmUpFirstState()
{
    // A run's states are executing further up the call stack; inside any other wait the time
    // belongs to the screen shown and its keys.
    if (m_bRunning || m_spPrepared || WaitLoopC::depth() != 0)
        return;
    const int iStateId = getFirstStateId();
    const QSharedPointer<ApplicationStateBaseC> spState(createState(iStateId));
    if (!spState)
        return;
    spState->setApplication(this);
    if (spState->warmUp()) {
        // Only then is it worth doing again after every run.
        m_bWarmsUp = true;
        m_spPrepared = spState;
        m_iPreparedStateId = iStateId;
    }
}

void AbstractApplicationC::dropPreparedState()
{
    m_spPrepared.reset();
}

bool AbstractApplicationC::hasPreparedState() const
{
    return !m_spPrepared.isNull();
}

ApplicationStateBaseC* AbstractApplicationC::createState(int iStateId)
{
    if (iStateId == STATE_END)
        return nullptr;
    return new InvalidStateC();
}

void AbstractApplicationC::createModel()
{
    setModel(new ApplicationModelBaseC());
}

QSharedPointer<ApplicationStateBaseC> AbstractApplicationC::getState(int iStateId)
{
    const auto itFound = m_mapStates.constFind(iStateId);
    if (itFound != m_mapStates.cend())
        return itFound.value();

    QSharedPointer<ApplicationStateBaseC> spState;
    if (m_spPrepared && iStateId == m_iPreparedStateId)
        spState.swap(m_spPrepared);
    else
        spState.reset(createState(iStateId));
    // Inserted before the successors are resolved, so that cycles find this entry.
    m_mapStates.insert(iStateId, spState);

    if (spState) {
        spState->setApplication(this);
        if (iStateId != STATE_NO_SUCCESSOR) {
            const int iLastExitCode = lastExitCode();
            for (int iExitCode = 0; iExitCode <= iLastExitCode; ++iExitCode) {
                const int iNext = getNextStateId(iStateId, iExitCode);
                if (iNext != STATE_NO_SUCCESSOR)
                    spState->setSuccessor(iExitCode, getState(iNext));
            }
        }
    }
    return m_mapStates.value(iStateId);
}

void AbstractApplicationC::setModel(ApplicationModelBaseC* pModel)
{
    if (m_spModel.data() == pModel)
        return;
    m_spModel.reset(pModel);
}

ApplicationModelBaseC* AbstractApplicationC::getModel() const
{
    return m_spModel.data();
}

bool AbstractApplicationC::isRunning() const
{
    return m_bRunning;
}

int AbstractApplicationC::stateCount() const
{
    return m_mapStates.size();
}

// --- focus of value widgets -------------------------------------------------------------------

bool isValueWidget(const QWidget* pWidget)
{
    // By the meta-object, so that the state machine needs no widget of its own library.
    return pWidget && pWidget->inherits("V40::GUI::ValueWidgetC");
}

QWidget* clearValueWidgetFocus()
{
    QWidget* pFocus = QApplication::focusWidget();
    if (!pFocus)
        return nullptr;
    // The value widget itself holds the focus; its editor may hold it instead, so the
    // ancestors up to the window count too.
    for (const QWidget* pWidget = pFocus; pWidget; pWidget = pWidget->parentWidget()) {
        if (isValueWidget(pWidget)) {
            pFocus->clearFocus();
            return pFocus;
        }
        if (pWidget->isWindow())
            break;
    }
    return nullptr;
}

} // namespace APP
} // namespace V40
