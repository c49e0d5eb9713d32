// The application state machine — graph building, the modal wait loop driven by
// QTimer scripts, result codes, runs, trace and the value-widget focus seam.
#include "KestraTest.h"

#include "V40_APP_AbstractApplication.h"
#include "V40_APP_ApplicationModelBase.h"
#include "V40_APP_ApplicationStateBase.h"
#include "V40_APP_InvalidState.h"
#include "V40_APP_NextRound.h"
#include "V40_GUI_UTI_Trace.h"
#include "V40_GUI_ComboWidget.h"
#include "V40_GUI_ValueModel.h"
#include "V40_GUI_ValueWidget.h"

#include "Ferrolib/BSS_Assert.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <functional>

using namespace V40::APP;

namespace {

// Application codes allocated in static initialisation, as applications do.
const int s_iExitCodeA = V40::APP::newExitCode();
const int s_iExitCodeB = V40::APP::newExitCode();
const int s_iExitCodeC = V40::APP::newExitCode();

constexpr int kUnset = -2;

// What a scripted state does when it executes.
struct ActionS
{
    int iExitCode = 1;           // code to leave with
    int iSetResult = -1;         // setApplicationResult() before leaving, when >= 0
    int iSetResultCode = -1;     // model->setResultCode() before leaving, when >= 0
    bool bImmediate = false;     // leave inside execute() without waiting
    int iDelayMs = 0;            // delay of the QTimer script that leaves the state
    std::function<void(ApplicationStateBaseC*)> fnBefore; // runs first in execute()

    ActionS() = default;
    explicit ActionS(int iCode, int iResult = -1, int iResultCode = -1, bool bNow = false)
        : iExitCode(iCode)
        , iSetResult(iResult)
        , iSetResultCode(iResultCode)
        , bImmediate(bNow)
    {
    }
};

// Execution log and the per-state scripts, shared by all states of a test.
struct ScriptS
{
    QStringList lstLog;
    QHash<int, QList<ActionS>> mapActions;
    int iConstructed = 0;
    int iDestroyed = 0;
    bool bWarmUp = false; // what warmUp() returns
    QList<QPointer<ApplicationStateBaseC>> lstRunning;
};

class ScriptedStateC : public ApplicationStateBaseC
{
public:
    ScriptedStateC(int iId, ScriptS* pScript)
        : m_iId(iId)
        , m_pScript(pScript)
    {
        ++m_pScript->iConstructed;
        m_iSerial = m_pScript->iConstructed;
    }
    ~ScriptedStateC() override { ++m_pScript->iDestroyed; }

    int id() const { return m_iId; }
    int serial() const { return m_iSerial; }

    bool warmUp() override { return m_pScript->bWarmUp; }

    void execute() override
    {
        m_pScript->lstLog << QStringLiteral("exec %1").arg(m_iId);
        ActionS oAction;
        QList<ActionS>& rlstActions = m_pScript->mapActions[m_iId];
        if (!rlstActions.isEmpty())
            oAction = rlstActions.takeFirst();
        if (oAction.fnBefore)
            oAction.fnBefore(this);
        if (oAction.bImmediate) {
            leave(oAction);
        } else {
            QTimer::singleShot(oAction.iDelayMs, this, [this, oAction] { leave(oAction); });
            m_pScript->lstRunning << this;
            ApplicationStateBaseC::execute();
        }
        m_pScript->lstLog << QStringLiteral("ret %1").arg(m_iId);
    }

    void leave(const ActionS& rAction)
    {
        if (rAction.iSetResult >= 0)
            setApplicationResult(rAction.iSetResult);
        if (rAction.iSetResultCode >= 0 && getModel())
            getModel()->setResultCode(rAction.iSetResultCode);
        OnExit(rAction.iExitCode);
    }

private:
    int m_iId;
    int m_iSerial = 0;
    ScriptS* m_pScript;
};

class CountedModelC : public ApplicationModelBaseC
{
public:
    explicit CountedModelC(int* piDestroyed)
        : m_piDestroyed(piDestroyed)
    {
    }
    ~CountedModelC() override
    {
        if (m_piDestroyed)
            ++*m_piDestroyed;
    }

private:
    int* m_piDestroyed;
};

// An application whose graph is a table: (state, code) -> successor; unlisted pairs give -2.
class TableApplicationC : public AbstractApplicationC
{
public:
    explicit TableApplicationC(ScriptS* pScript)
        : m_pScript(pScript)
    {
    }

    int getFirstStateId() override { return m_iFirstStateId; }

    int getNextStateId(int iStateId, int iExitCode) override
    {
        ++m_iNextCalls;
        return m_mapTable.value(qMakePair(iStateId, iExitCode), kUnset);
    }

    ApplicationStateBaseC* createState(int iStateId) override
    {
        ++m_mapCreateCalls[iStateId];
        if (m_setNullIds.contains(iStateId))
            return nullptr;
        if (m_setStateIds.contains(iStateId))
            return new ScriptedStateC(iStateId, m_pScript);
        return AbstractApplicationC::createState(iStateId);
    }

    void createModel() override
    {
        ++m_iCreateModelCalls;
        m_iStatesAtCreateModel = stateCount();
        if (!m_bInstallModel)
            return;
        setModel(new CountedModelC(&m_iModelsDestroyed));
    }

    void link(int iStateId, int iExitCode, int iNext) { m_mapTable.insert(qMakePair(iStateId, iExitCode), iNext); }

    ScriptS* m_pScript;
    int m_iFirstStateId = 0;
    QHash<QPair<int, int>, int> m_mapTable;
    QSet<int> m_setStateIds;
    QSet<int> m_setNullIds;
    QHash<int, int> m_mapCreateCalls;
    int m_iNextCalls = 0;
    int m_iCreateModelCalls = 0;
    int m_iStatesAtCreateModel = -1;
    int m_iModelsDestroyed = 0;
    bool m_bInstallModel = true;
};

// Runs the application; a watchdog ends every waiting state if a script failed to.
int runGuarded(AbstractApplicationC& rApplication, ScriptS& rScript, bool* pbTimedOut)
{
    *pbTimedOut = false;
    QTimer oWatchdog;
    oWatchdog.setSingleShot(true);
    QObject::connect(&oWatchdog, &QTimer::timeout, [&] {
        *pbTimedOut = true;
        for (const QPointer<ApplicationStateBaseC>& rpState : qAsConst(rScript.lstRunning)) {
            if (rpState && rpState->isRunning())
                rpState->OnExit(-12345);
        }
    });
    oWatchdog.start(10000);
    return rApplication.run();
}

} // namespace

class TestAbstractApplication : public QObject
{
    Q_OBJECT

private slots:
    void init() { KestraTest::clearReports(); V40::GUI::UTI::setTraceEnabled(false); }

    void exitCodes()
    {
        QCOMPARE(s_iExitCodeSuccess, 0);
        QCOMPARE(s_iExitCodeFail, 1);
        QCOMPARE(AbstractApplicationC::s_iExitCodeSuccess, 0);
        QCOMPARE(ApplicationStateBaseC::s_iExitCodeFail, 1);
        // Dense: this test's three follow each other, after the library's two and whatever the
        // libraries linked in allocated first.
        QVERIFY(s_iExitCodeA >= 2);
        QCOMPARE(s_iExitCodeB, s_iExitCodeA + 1);
        QCOMPARE(s_iExitCodeC, s_iExitCodeB + 1);
        QVERIFY(lastExitCode() >= s_iExitCodeC);
        QCOMPARE(AbstractApplicationC::lastExitCode(), lastExitCode());
    }

    void baseCreateState()
    {
        ScriptS oScript;
        TableApplicationC oApp(&oScript);
        QVERIFY(oApp.canStart());
        QCOMPARE(oApp.AbstractApplicationC::createState(-1), nullptr);
        for (int iId : {-2, 0, 5, 4711}) {
            QScopedPointer<ApplicationStateBaseC> spState(oApp.AbstractApplicationC::createState(iId));
            QVERIFY(spState);
            QVERIFY(qobject_cast<InvalidStateC*>(spState.data()));
        }
    }

    void stateMetaObjectAndDefaults()
    {
        ApplicationStateBaseC oState;
        const QMetaObject& rMeta = ApplicationStateBaseC::staticMetaObject;
        QCOMPARE(rMeta.methodCount() - rMeta.methodOffset(), 3);
        const char* astrSlots[] = {"OnExit(int)", "OnSuccess()", "OnFail()"};
        for (int i = 0; i < 3; ++i) {
            const QMetaMethod oMethod = rMeta.method(rMeta.methodOffset() + i);
            QCOMPARE(oMethod.methodSignature(), QByteArray(astrSlots[i]));
            QCOMPARE(oMethod.methodType(), QMetaMethod::Slot);
            QCOMPARE(oMethod.access(), QMetaMethod::Public);
        }
        QCOMPARE(rMeta.propertyCount(), rMeta.propertyOffset());
        QCOMPARE(InvalidStateC::staticMetaObject.methodCount(), rMeta.methodCount());
        QCOMPARE(QByteArray(InvalidStateC::staticMetaObject.superClass()->className()),
                 QByteArray("V40::APP::ApplicationStateBaseC"));

        // Success and fail are pre-filled with null links.
        QCOMPARE(oState.successorCount(), 2);
        QVERIFY(oState.hasSuccessor(s_iExitCodeSuccess));
        QVERIFY(oState.hasSuccessor(s_iExitCodeFail));
        QVERIFY(!oState.hasSuccessor(s_iExitCodeA));
        QCOMPARE(oState.getSuccessor(s_iExitCodeSuccess), nullptr);
        QVERIFY(!oState.isRunning());

        ApplicationStateBaseC oOther;
        oState.setSuccessor(s_iExitCodeA, &oOther);
        oState.setSuccessor(s_iExitCodeSuccess, &oOther);
        QCOMPARE(oState.successorCount(), 3);
        QCOMPARE(oState.getSuccessor(s_iExitCodeSuccess), &oOther);
        oState.setSuccessor(s_iExitCodeSuccess, nullptr); // replaces
        QCOMPARE(oState.getSuccessor(s_iExitCodeSuccess), nullptr);
        QCOMPARE(oState.successorCount(), 3);
    }

    void slotsAreInvokableByName()
    {
        // The panels connect to the slots through the meta-object.
        ScriptS oScript;
        TableApplicationC oApp(&oScript);
        oApp.setModel(new ApplicationModelBaseC());
        ApplicationStateBaseC oState;
        oState.setApplication(&oApp);
        QVERIFY(QMetaObject::invokeMethod(&oState, "OnExit", Q_ARG(int, s_iExitCodeFail)));
        QCOMPARE(oApp.getModel()->getResultCode(), 0x2000008);
        oApp.getModel()->clearResultCode();
        QVERIFY(QMetaObject::invokeMethod(&oState, "OnSuccess"));
        QCOMPARE(oApp.getModel()->getResultCode(), 0);
        oApp.getModel()->clearResultCode();
        QVERIFY(QMetaObject::invokeMethod(&oState, "OnFail"));
        QCOMPARE(oApp.getModel()->getResultCode(), 0x2000008);
    }

    void noFirstState_data()
    {
        QTest::addColumn<int>("iFirstId");
        QTest::newRow("createState returns null") << 7;
        QTest::newRow("end identifier -1") << -1;
    }

    void noFirstState()
    {
        QFETCH(int, iFirstId);
        ScriptS oScript;
        TableApplicationC oApp(&oScript);
        oApp.m_iFirstStateId = iFirstId;
        oApp.m_setNullIds << 7;
        QCOMPARE(oApp.run(), 0x200001b);
        QCOMPARE(KestraTest::assertTexts(), QStringList{"Do not have a first state."});
        QCOMPARE(BSS::TEST::assertReports().first().strSource, QStringLiteral("V40_APP_AbstractApplication"));
        QCOMPARE(oApp.m_iCreateModelCalls, 0);
        QCOMPARE(oApp.getModel(), nullptr);
        QVERIFY(!oApp.isRunning());
        // The map is left as built, and the next run asks again.
        QCOMPARE(oApp.stateCount(), 1);
        QCOMPARE(oApp.run(), 0x200001b);
        QCOMPARE(oApp.m_mapCreateCalls.value(iFirstId), 2);
    }

    void cycleIsBuiltOncePerIdentifier()
    {
        ScriptS oScript;
        TableApplicationC oApp(&oScript);
        oApp.m_setStateIds << 0 << 3;
        oApp.link(0, s_iExitCodeSuccess, -1);
        oApp.link(0, s_iExitCodeFail, -1);
        oApp.link(0, s_iExitCodeA, 3);
        oApp.link(3, s_iExitCodeSuccess, 0);
        oApp.link(3, s_iExitCodeFail, -1);

        const QSharedPointer<ApplicationStateBaseC> spFirst = oApp.getState(0);
        QVERIFY(spFirst);
        QCOMPARE(oApp.m_mapCreateCalls.value(0), 1);
        QCOMPARE(oApp.m_mapCreateCalls.value(3), 1);
        QCOMPARE(oApp.m_mapCreateCalls.value(-1), 1);
        QCOMPARE(oApp.stateCount(), 3); // 0, 3 and the null entry of -1
        // Successors are resolved for every allocated code of every non-null state.
        QCOMPARE(oApp.m_iNextCalls, 2 * (lastExitCode() + 1));
        const QSharedPointer<ApplicationStateBaseC> spThree = oApp.getState(3);
        QCOMPARE(spFirst->getSuccessor(s_iExitCodeA), spThree.data());
        QCOMPARE(spThree->getSuccessor(s_iExitCodeSuccess), spFirst.data());
        QVERIFY(!spFirst->hasSuccessor(s_iExitCodeB));
        QCOMPARE(spFirst->successorCount(), 3);
        QCOMPARE(spThree->successorCount(), 2);
        QCOMPARE(spFirst->getApplication(), &oApp);
        QCOMPARE(oApp.getState(-1), QSharedPointer<ApplicationStateBaseC>());
        QCOMPARE(oApp.m_mapCreateCalls.value(-1), 1); // a null entry is not asked for twice
        QCOMPARE(oScript.iConstructed, 2);
    }

    void cycleRunsNestedAndTraces()
    {
        ScriptS oScript;
        TableApplicationC oApp(&oScript);
        oApp.m_setStateIds << 0 << 3;
        oApp.link(0, s_iExitCodeSuccess, -1);
        oApp.link(0, s_iExitCodeFail, -1);
        oApp.link(0, s_iExitCodeA, 3);
        oApp.link(3, s_iExitCodeSuccess, 0);
        oApp.link(3, s_iExitCodeFail, -1);
        oScript.mapActions[0] = {ActionS{s_iExitCodeA}, ActionS{s_iExitCodeSuccess}};
        oScript.mapActions[3] = {ActionS{s_iExitCodeSuccess}};

        bool bTimedOut = false;
        int iResult = -1;
        QStringList lstDebugLines;
        {
            KestraTest::DebugCaptureC oCapture(true);
            iResult = runGuarded(oApp, oScript, &bTimedOut);
            lstDebugLines = oCapture.lines();
        }
        QVERIFY(!bTimedOut);
        QCOMPARE(iResult, 0);
        QCOMPARE(oScript.lstLog, (QStringList{"exec 0", "exec 3", "exec 0", "ret 0", "ret 3", "ret 0"}));
        QCOMPARE(oScript.iConstructed, 2); // one object per identifier, executed twice
        QCOMPARE(oApp.m_mapCreateCalls.value(0), 1);
        QCOMPARE(lstDebugLines.filter("Application:"),
                 QStringList{"Application: Got 3 states with a total of 5 successor states."});
        // After the run: map empty, no model; states and model are deleted in the event loop's
        // next round, after the screen that follows the run is painted.
        QCOMPARE(oApp.stateCount(), 0);
        QCOMPARE(oApp.getModel(), nullptr);
        QCOMPARE(oScript.iDestroyed, 0);
        QTRY_COMPARE(oScript.iDestroyed, 2);
        QCOMPARE(oApp.m_iModelsDestroyed, 1);
        QCOMPARE(oApp.m_iStatesAtCreateModel, 3); // the model comes after all states
        QVERIFY(KestraTest::assertTexts().isEmpty());
    }

    void graphTraceIsSilentWhenSwitchedOff()
    {
        ScriptS oScript;
        TableApplicationC oApp(&oScript);
        oApp.m_setStateIds << 0;
        oScript.mapActions[0] = {ActionS{s_iExitCodeSuccess, -1, -1, true}};
        KestraTest::DebugCaptureC oCapture;
        QCOMPARE(oApp.run(), 0);
        QVERIFY(oCapture.lines().filter("Application:").isEmpty());
    }

    void resultCodes_data()
    {
        QTest::addColumn<int>("iExitCode");
        QTest::addColumn<int>("iNext"); // kUnset: getNextStateId gives -2
        QTest::addColumn<int>("iExpected");
        QTest::newRow("success, default null entry") << s_iExitCodeSuccess << kUnset << 0;
        QTest::newRow("fail, default null entry") << s_iExitCodeFail << kUnset << 0x2000008;
        QTest::newRow("success to -1") << s_iExitCodeSuccess << -1 << 0;
        QTest::newRow("fail to -1") << s_iExitCodeFail << -1 << 0x2000008;
        QTest::newRow("own code to -1") << s_iExitCodeA << -1 << 0x2000008;
        QTest::newRow("own code without entry (-2)") << s_iExitCodeA << kUnset << 0x2000004;
        QTest::newRow("code never allocated") << 999 << kUnset << 0x2000004;
        QTest::newRow("negative code") << -7 << kUnset << 0x2000004;
        QTest::newRow("own code to unknown state") << s_iExitCodeB << 77 << 0x2000004;
        QTest::newRow("success to unknown state") << s_iExitCodeSuccess << 77 << 0x2000004;
        QTest::newRow("own code to a null state") << s_iExitCodeC << 55 << 0x2000008;
        QTest::newRow("success to a null state") << s_iExitCodeSuccess << 55 << 0;
    }

    void resultCodes()
    {
        QFETCH(int, iExitCode);
        QFETCH(int, iNext);
        QFETCH(int, iExpected);
        for (bool bImmediate : {false, true}) {
            ScriptS oScript;
            TableApplicationC oApp(&oScript);
            oApp.m_setStateIds << 0;
            oApp.m_setNullIds << 55;
            if (iNext != kUnset)
                oApp.link(0, iExitCode, iNext);
            oScript.mapActions[0] = {ActionS{iExitCode, -1, -1, bImmediate}};
            bool bTimedOut = false;
            QCOMPARE(runGuarded(oApp, oScript, &bTimedOut), iExpected);
            QVERIFY(!bTimedOut);
            QCOMPARE(oScript.lstLog, (QStringList{"exec 0", "ret 0"}));
            QVERIFY2(KestraTest::assertTexts().isEmpty(), qPrintable(KestraTest::assertTexts().join('|')));
            QCOMPARE(oApp.getModel(), nullptr);
        }
    }

    void firstStateUnknownIsInvalid()
    {
        ScriptS oScript;
        TableApplicationC oApp(&oScript);
        oApp.m_iFirstStateId = 42; // the base gives an InvalidStateC
        QCOMPARE(oApp.run(), 0x2000004);
        QCOMPARE(oApp.m_iCreateModelCalls, 1);
    }

    void graphLeadsToInvalidStateAfterWaiting()
    {
        // state 0 -> state 1 (waits) -> unknown state 9: the invalid state ends the run.
        ScriptS oScript;
        TableApplicationC oApp(&oScript);
        oApp.m_setStateIds << 0 << 1;
        oApp.link(0, s_iExitCodeSuccess, 1);
        oApp.link(1, s_iExitCodeB, 9);
        oScript.mapActions[0] = {ActionS{s_iExitCodeSuccess}};
        oScript.mapActions[1] = {ActionS{s_iExitCodeB}};
        bool bTimedOut = false;
        QCOMPARE(runGuarded(oApp, oScript, &bTimedOut), 0x2000004);
        QVERIFY(!bTimedOut);
        QCOMPARE(oScript.lstLog, (QStringList{"exec 0", "exec 1", "ret 1", "ret 0"}));
    }

    void stateSetsItsOwnResult_data()
    {
        QTest::addColumn<int>("iSetResult");
        QTest::addColumn<int>("iSetResultCode");
        QTest::addColumn<int>("iExitCode");
        QTest::addColumn<int>("iExpected");
        QTest::newRow("setApplicationResult, fail") << 0x2000001 << -1 << s_iExitCodeFail << 0x2000001;
        QTest::newRow("setResultCode, fail") << -1 << 0x77 << s_iExitCodeFail << 0x77;
        QTest::newRow("setApplicationResult, success") << 0x2000001 << -1 << s_iExitCodeSuccess << 0x2000001;
        QTest::newRow("result 0 then fail") << 0 << -1 << s_iExitCodeFail << 0;
        QTest::newRow("setApplicationResult, code without entry") << 0x55 << -1 << s_iExitCodeA << 0x55;
        QTest::newRow("setResultCode overwrites an earlier result") << 0x10 << 0x20 << s_iExitCodeFail << 0x20;
    }

    void stateSetsItsOwnResult()
    {
        QFETCH(int, iSetResult);
        QFETCH(int, iSetResultCode);
        QFETCH(int, iExitCode);
        QFETCH(int, iExpected);
        ScriptS oScript;
        TableApplicationC oApp(&oScript);
        oApp.m_setStateIds << 0;
        ActionS oAction(iExitCode, iSetResult, iSetResultCode);
        oScript.mapActions[0] = {oAction};
        bool bTimedOut = false;
        QCOMPARE(runGuarded(oApp, oScript, &bTimedOut), iExpected);
        QVERIFY(!bTimedOut);
    }

    void setApplicationResultKeepsTheFirst()
    {
        ScriptS oScript;
        TableApplicationC oApp(&oScript);
        oApp.m_setStateIds << 0;
        ActionS oAction{s_iExitCodeSuccess};
        oAction.fnBefore = [](ApplicationStateBaseC* pState) {
            pState->setApplicationResult(5);
            pState->setApplicationResult(6);
        };
        oScript.mapActions[0] = {oAction};
        bool bTimedOut = false;
        QCOMPARE(runGuarded(oApp, oScript, &bTimedOut), 5);
    }

    void twoRunsOfOneApplication()
    {
        ScriptS oScript;
        TableApplicationC oApp(&oScript);
        oApp.m_setStateIds << 0 << 1;
        oApp.link(0, s_iExitCodeSuccess, 1);
        QList<int> lstSerials;
        QList<ApplicationModelBaseC*> lstModels;
        auto fnRecord = [&](ApplicationStateBaseC* pState) {
            lstSerials << static_cast<ScriptedStateC*>(pState)->serial();
            lstModels << pState->getModel();
            QVERIFY(!pState->getModel()->hasResultCode()); // fresh model, no result carried over
        };
        // Run 1: 0 -> 1 -> fail. Run 2: 0 -> 1 -> success, result set by the state.
        ActionS oFirst{s_iExitCodeSuccess};
        oFirst.fnBefore = fnRecord;
        ActionS oFail{s_iExitCodeFail};
        oFail.fnBefore = fnRecord;
        ActionS oSuccess{s_iExitCodeSuccess};
        oSuccess.fnBefore = fnRecord;
        oScript.mapActions[0] = {oFirst, oFirst};
        oScript.mapActions[1] = {oFail, oSuccess};

        bool bTimedOut = false;
        QCOMPARE(runGuarded(oApp, oScript, &bTimedOut), 0x2000008);
        QTRY_COMPARE(oScript.iDestroyed, 2);
        QCOMPARE(runGuarded(oApp, oScript, &bTimedOut), 0);
        QVERIFY(!bTimedOut);
        QCOMPARE(oScript.iConstructed, 4);
        QTRY_COMPARE(oScript.iDestroyed, 4);
        QCOMPARE(lstSerials, (QList<int>{1, 2, 3, 4})); // fresh state objects in run 2
        QCOMPARE(oApp.m_iCreateModelCalls, 2);
        QCOMPARE(oApp.m_iModelsDestroyed, 2);
        QCOMPARE(lstModels.size(), 4);
        QCOMPARE(lstModels[0], lstModels[1]);
        QCOMPARE(lstModels[2], lstModels[3]);
        QCOMPARE(oApp.m_mapCreateCalls.value(0), 2);
        QCOMPARE(oApp.getModel(), nullptr);
    }

    // A first state that built its screen ahead is kept and taken by the next run instead of a new
    // one; once that run is over and the event loop had its rounds, the one for the run after it
    // is built. Nothing is built inside a wait, and a dropped state is gone.
    void firstStateBuiltAheadServesTheNextRun()
    {
        ScriptS oScript;
        TableApplicationC oApp(&oScript);
        oApp.m_setStateIds << 0 << 1;
        oApp.link(0, s_iExitCodeSuccess, 1);
        ScriptS oOtherScript;
        oOtherScript.bWarmUp = true;
        TableApplicationC oOther(&oOtherScript);
        oOther.m_setStateIds << 0;

        oApp.warmUpFirstState(); // builds nothing: not kept
        QVERIFY(!oApp.hasPreparedState());
        QCOMPARE(oScript.iDestroyed, 1);
        oScript.bWarmUp = true;
        oApp.warmUpFirstState();
        oApp.warmUpFirstState(); // one at most
        QVERIFY(oApp.hasPreparedState());
        QCOMPARE(oScript.iConstructed, 2);

        int iFirstSerial = 0;
        ActionS oFirst{s_iExitCodeSuccess};
        oFirst.fnBefore = [&](ApplicationStateBaseC* pState) {
            iFirstSerial = static_cast<ScriptedStateC*>(pState)->serial();
        };
        ActionS oSecond{s_iExitCodeFail};
        oSecond.fnBefore = [&](ApplicationStateBaseC*) {
            oApp.warmUpFirstState();
            oOther.warmUpFirstState();
        };
        oScript.mapActions[0] = {oFirst};
        oScript.mapActions[1] = {oSecond};
        bool bTimedOut = false;
        QCOMPARE(runGuarded(oApp, oScript, &bTimedOut), 0x2000008);
        QVERIFY(!bTimedOut);
        QCOMPARE(iFirstSerial, 2);
        QCOMPARE(oApp.m_mapCreateCalls.value(0), 2);
        QCOMPARE(oOtherScript.iConstructed, 0);
        QVERIFY(!oApp.hasPreparedState());

        QTRY_VERIFY(oApp.hasPreparedState());
        QCOMPARE(oApp.m_mapCreateCalls.value(0), 3);
        QCOMPARE(oScript.iDestroyed, 3); // the first built, and the run's two
        oApp.dropPreparedState();
        QVERIFY(!oApp.hasPreparedState());
        QCOMPARE(oScript.iDestroyed, 4);
    }

    void immediateStatesRunNested()
    {
        // A store-like state that leaves inside execute(): 0 -(success)-> 2 (immediate, fail)
        // -> 0 (waits) -(success)-> 2 (immediate, success) -> end.
        ScriptS oScript;
        TableApplicationC oApp(&oScript);
        oApp.m_setStateIds << 0 << 2;
        oApp.link(0, s_iExitCodeSuccess, 2);
        oApp.link(2, s_iExitCodeSuccess, -1);
        oApp.link(2, s_iExitCodeFail, 0);
        oScript.mapActions[0] = {ActionS{s_iExitCodeSuccess}, ActionS{s_iExitCodeSuccess}};
        oScript.mapActions[2] = {ActionS{s_iExitCodeFail, -1, -1, true}, ActionS{s_iExitCodeSuccess, -1, -1, true}};
        bool bTimedOut = false;
        QCOMPARE(runGuarded(oApp, oScript, &bTimedOut), 0);
        QVERIFY(!bTimedOut);
        QCOMPARE(oScript.lstLog,
                 (QStringList{"exec 0", "exec 2", "exec 0", "exec 2", "ret 2", "ret 0", "ret 2", "ret 0"}));
    }

    void longSelfCycle()
    {
        ScriptS oScript;
        TableApplicationC oApp(&oScript);
        oApp.m_setStateIds << 0;
        oApp.link(0, s_iExitCodeB, 0);
        for (int i = 0; i < 30; ++i)
            oScript.mapActions[0] << ActionS{s_iExitCodeB};
        oScript.mapActions[0] << ActionS{s_iExitCodeFail};
        bool bTimedOut = false;
        QCOMPARE(runGuarded(oApp, oScript, &bTimedOut), 0x2000008);
        QVERIFY(!bTimedOut);
        QCOMPARE(oScript.lstLog.count("exec 0"), 31);
        QCOMPARE(oScript.iConstructed, 1);
    }

    void waitLoopKeepsProcessingEvents()
    {
        ScriptS oScript;
        TableApplicationC oApp(&oScript);
        oApp.m_setStateIds << 0;
        int iTicks = 0;
        bool bRunningWhileWaiting = false;
        ActionS oAction{s_iExitCodeSuccess};
        oAction.iDelayMs = 120;
        QTimer oTicker;
        oAction.fnBefore = [&](ApplicationStateBaseC* pState) {
            QObject::connect(&oTicker, &QTimer::timeout, [&, pState] {
                ++iTicks;
                bRunningWhileWaiting = pState->isRunning();
            });
            oTicker.start(20);
        };
        oScript.mapActions[0] = {oAction};
        QElapsedTimer oElapsed;
        oElapsed.start();
        bool bTimedOut = false;
        QCOMPARE(runGuarded(oApp, oScript, &bTimedOut), 0);
        QVERIFY(oElapsed.elapsed() >= 110);
        QVERIFY(oElapsed.elapsed() < 5000);
        QVERIFY(iTicks >= 2);
        QVERIFY(bRunningWhileWaiting);
    }

    void modelIsCreatedPerRunAndReachable()
    {
        ScriptS oScript;
        TableApplicationC oApp(&oScript);
        oApp.m_setStateIds << 0;
        QCOMPARE(oApp.getModel(), nullptr);
        ApplicationModelBaseC* pSeen = nullptr;
        ActionS oAction{s_iExitCodeSuccess};
        bool bOwnClass = false;
        oAction.fnBefore = [&](ApplicationStateBaseC* pState) {
            pSeen = pState->getModel();
            bOwnClass = dynamic_cast<CountedModelC*>(pSeen) != nullptr;
        };
        oScript.mapActions[0] = {oAction, oAction};
        QCOMPARE(oApp.run(), 0);
        QVERIFY(pSeen);
        QVERIFY(bOwnClass); // the application's own model class
        QTRY_COMPARE(oApp.m_iModelsDestroyed, 1);
        QVERIFY(KestraTest::assertTexts().isEmpty());

        // An application deleted before the event loop's round takes its last run along.
        auto upApp = std::make_unique<TableApplicationC>(&oScript);
        upApp->m_setStateIds << 0;
        QCOMPARE(upApp->run(), 0);
        const int iDestroyed = oScript.iDestroyed;
        upApp.reset();
        QCOMPARE(oScript.iDestroyed, iDestroyed + 1);
    }

    void runWithoutModelIsReportedNotCrashed()
    {
        ScriptS oScript;
        TableApplicationC oApp(&oScript);
        oApp.m_setStateIds << 0;
        oApp.m_bInstallModel = false;
        oScript.mapActions[0] = {ActionS{s_iExitCodeSuccess}};
        bool bTimedOut = false;
        QCOMPARE(runGuarded(oApp, oScript, &bTimedOut), -1);
        QVERIFY(!bTimedOut);
        QCOMPARE(KestraTest::assertTexts(), (QStringList{"pModel", "m_spModel"}));
        const QList<BSS::TEST::AssertReportS> lstReports = BSS::TEST::assertReports();
        QCOMPARE(lstReports[0].strSource, QStringLiteral("V40_APP_ApplicationStateBase"));
        QCOMPARE(lstReports[1].strSource, QStringLiteral("V40_APP_AbstractApplication"));
        QCOMPARE(oApp.stateCount(), 0);
    }

    void stateWithoutApplication()
    {
        ApplicationStateBaseC oState;
        QCOMPARE(oState.getApplication(), nullptr);
        QCOMPARE(KestraTest::assertTexts(), QStringList{"m_pApplication"});
        KestraTest::clearReports();
        QCOMPARE(oState.getModel(), nullptr);
        QCOMPARE(KestraTest::assertTexts(), QStringList{"m_pApplication"});
        KestraTest::clearReports();
        oState.setApplicationResult(3);
        QCOMPARE(KestraTest::assertTexts(), QStringList{"pModel"});
        KestraTest::clearReports();
        oState.OnSuccess(); // ends "the application": no model, report and return
        QCOMPARE(KestraTest::assertTexts(), QStringList{"pModel"});
        KestraTest::clearReports();
        oState.OnExit(s_iExitCodeA); // no entry: a transient invalid state, which reports too
        QCOMPARE(KestraTest::assertTexts(), QStringList{"pModel"});
        QCOMPARE(BSS::TEST::assertReports().first().strSource, QStringLiteral("V40_APP_ApplicationStateBase"));
    }

    void applicationWithoutModelReportsOnGetModel()
    {
        ScriptS oScript;
        TableApplicationC oApp(&oScript);
        ApplicationStateBaseC oState;
        oState.setApplication(&oApp);
        QCOMPARE(oState.getModel(), nullptr);
        QCOMPARE(KestraTest::assertTexts(), QStringList{"m_spModel"});
    }

    void successorLinksAreWeak()
    {
        ScriptS oScript;
        TableApplicationC oApp(&oScript);
        oApp.setModel(new ApplicationModelBaseC());
        ApplicationStateBaseC oState;
        oState.setApplication(&oApp);
        auto* pSuccessor = new ScriptedStateC(1, &oScript);
        pSuccessor->setApplication(&oApp);
        oState.setSuccessor(s_iExitCodeA, pSuccessor);
        QCOMPARE(oState.getSuccessor(s_iExitCodeA), pSuccessor);
        delete pSuccessor;
        QCOMPARE(oState.getSuccessor(s_iExitCodeA), nullptr);
        QVERIFY(oState.hasSuccessor(s_iExitCodeA));
        // A linked state that no longer exists is not a deliberate end: it is treated as an
        // invalid state rather than reported as the application's success.
        auto* pOther = new ApplicationStateBaseC();
        oState.setSuccessor(s_iExitCodeSuccess, pOther);
        delete pOther;
        oState.OnSuccess();
        QCOMPARE(oApp.getModel()->getResultCode(), 0x2000004);
        oApp.getModel()->clearResultCode();
        oState.OnExit(s_iExitCodeA);
        QCOMPARE(oApp.getModel()->getResultCode(), 0x2000004);
        QCOMPARE(oScript.lstLog, QStringList()); // the destroyed state never ran
    }

    void destroyingStatesInAnyOrderIsSafe()
    {
        ScriptS oScript;
        {
            TableApplicationC oApp(&oScript);
            oApp.m_setStateIds << 0 << 1 << 2;
            oApp.link(0, s_iExitCodeSuccess, 1);
            oApp.link(1, s_iExitCodeSuccess, 2);
            oApp.link(2, s_iExitCodeSuccess, 0);
            oApp.link(2, s_iExitCodeFail, 1);
            QVERIFY(oApp.getState(0));
            QCOMPARE(oApp.stateCount(), 3);
        } // destroyed with a built, cyclic graph
        QCOMPARE(oScript.iConstructed, 3);
        QCOMPARE(oScript.iDestroyed, 3);
    }

    void nestedRunIsRefused()
    {
        ScriptS oScript;
        TableApplicationC oApp(&oScript);
        oApp.m_setStateIds << 0;
        int iNestedResult = 0;
        ActionS oAction{s_iExitCodeSuccess};
        oAction.fnBefore = [&](ApplicationStateBaseC*) { iNestedResult = oApp.run(); };
        oScript.mapActions[0] = {oAction};
        bool bTimedOut = false;
        QCOMPARE(runGuarded(oApp, oScript, &bTimedOut), 0);
        QCOMPARE(iNestedResult, -1);
        QCOMPARE(KestraTest::assertTexts(), QStringList{"!m_bRunning"});
        QCOMPARE(oScript.iConstructed, 1);
    }

    void setModelReplacesAndDeletes()
    {
        ScriptS oScript;
        // Outlives the application, which deletes its last model when it goes.
        int iDestroyed = 0;
        TableApplicationC oApp(&oScript);
        auto* pFirst = new CountedModelC(&iDestroyed);
        oApp.setModel(pFirst);
        oApp.setModel(pFirst); // the same model again: kept, not deleted
        QCOMPARE(iDestroyed, 0);
        QCOMPARE(oApp.getModel(), pFirst);
        oApp.setModel(new CountedModelC(&iDestroyed));
        QCOMPARE(iDestroyed, 1);
        oApp.setModel(nullptr);
        QCOMPARE(iDestroyed, 2);
        oApp.setModel(new CountedModelC(&iDestroyed));
        {
            // The application deletes its model when destroyed.
            TableApplicationC oOther(&oScript);
            oOther.setModel(new CountedModelC(&iDestroyed));
        }
        QCOMPARE(iDestroyed, 3);
    }

    // --- clearValueWidgetFocus() and its seam ---------------------------------------------------

    void defaultTestKnowsOnlyValueWidgets()
    {
        QLineEdit oEdit;
        QWidget oWidget;
        QVERIFY(!isValueWidget(&oEdit));
        QVERIFY(!isValueWidget(&oWidget));
        QVERIFY(!isValueWidget(nullptr));
    }

    void clearValueWidgetFocus_data()
    {
        QTest::addColumn<QString>("strFocus");
        QTest::addColumn<bool>("bCleared");
        QTest::newRow("value widget") << "valueWidget" << true;
        QTest::newRow("choice") << "choice" << true;
        QTest::newRow("editor inside a value widget") << "editorInValueWidget" << true;
        QTest::newRow("other widget") << "plainEdit" << false;
    }

    void clearValueWidgetFocus()
    {
        QFETCH(QString, strFocus);
        QFETCH(bool, bCleared);
        QWidget oWindow;
        auto* pLayout = new QVBoxLayout(&oWindow);
        auto* pValueWidget = new V40::GUI::ValueWidgetC(&oWindow);
        pValueWidget->setObjectName("valueWidget");
        auto* pChoice = new V40::GUI::ComboWidgetC(&oWindow);
        pChoice->setObjectName("choice");
        auto* pContainer = new V40::GUI::ValueWidgetC(&oWindow);
        auto* pInner = new QLineEdit(pContainer);
        pInner->setObjectName("editorInValueWidget");
        auto* pPlain = new QLineEdit(&oWindow);
        pPlain->setObjectName("plainEdit");
        for (QWidget* pWidget : {static_cast<QWidget*>(pValueWidget), static_cast<QWidget*>(pChoice),
                                 static_cast<QWidget*>(pContainer), static_cast<QWidget*>(pPlain)})
            pLayout->addWidget(pWidget);
        oWindow.show();
        QApplication::setActiveWindow(&oWindow);
        QVERIFY(QTest::qWaitForWindowActive(&oWindow));
        QWidget* pTarget = oWindow.findChild<QWidget*>(strFocus);
        pTarget->setFocus(Qt::OtherFocusReason);
        QVERIFY(KestraTest::waitFor([&] { return QApplication::focusWidget() == pTarget; }));

        QCOMPARE(V40::APP::clearValueWidgetFocus(), bCleared ? pTarget : nullptr);
        QCOMPARE(pTarget->hasFocus(), !bCleared);
    }

    void exitCommitsARealValueWidget()
    {
        // The real field, with the default test: typed but not confirmed when the state is left.
        QWidget oWindow;
        auto* pLayout = new QVBoxLayout(&oWindow);
        auto* pField = new V40::GUI::ValueWidgetC(&oWindow);
        pField->getModel()->reset(QStringLiteral("old"), QStringLiteral("old"));
        pLayout->addWidget(pField);
        QVERIFY(isValueWidget(pField));
        oWindow.show();
        QApplication::setActiveWindow(&oWindow);
        QVERIFY(QTest::qWaitForWindowActive(&oWindow));

        ScriptS oScript;
        TableApplicationC oApp(&oScript);
        oApp.m_setStateIds << 0 << 1;
        oApp.link(0, s_iExitCodeSuccess, 1);
        QVariant varBeforeExit;
        QVariant varSeenBySuccessor;
        ActionS oEdit{s_iExitCodeSuccess};
        oEdit.iDelayMs = 30;
        oEdit.fnBefore = [&](ApplicationStateBaseC*) {
            QTimer::singleShot(0, pField, [&] {
                pField->setFocus(Qt::OtherFocusReason);
                QTest::keyClicks(pField, QStringLiteral("new"));
                varBeforeExit = pField->getValue();
            });
        };
        ActionS oRead{s_iExitCodeSuccess, -1, -1, true};
        oRead.fnBefore = [&](ApplicationStateBaseC*) { varSeenBySuccessor = pField->getValue(); };
        oScript.mapActions[0] = {oEdit};
        oScript.mapActions[1] = {oRead};
        bool bTimedOut = false;
        QCOMPARE(runGuarded(oApp, oScript, &bTimedOut), 0);
        QVERIFY(!bTimedOut);
        QCOMPARE(varBeforeExit, QVariant(QStringLiteral("old")));
        QCOMPARE(varSeenBySuccessor, QVariant(QStringLiteral("new")));
        QVERIFY(!pField->hasFocus());
        QVERIFY(KestraTest::assertTexts().isEmpty());
    }

    void nextRoundComesAfterWhatIsPosted()
    {
        // Work for the next round runs once, after what was posted before it was scheduled.
        QStringList lstOrder;
        NextRoundC oNext([&] { lstOrder << QStringLiteral("next"); });
        QMetaObject::invokeMethod(this, [&] { lstOrder << QStringLiteral("posted"); }, Qt::QueuedConnection);
        oNext.schedule();
        oNext.schedule();
        QVERIFY(oNext.isPending());
        QTRY_VERIFY(!oNext.isPending());
        QCoreApplication::processEvents();
        QCOMPARE(lstOrder, QStringList({QStringLiteral("posted"), QStringLiteral("next")}));
        // Cancelled, it does not run.
        oNext.schedule();
        oNext.cancel();
        QVERIFY(!oNext.isPending());
        QCoreApplication::processEvents();
        QCOMPARE(lstOrder.size(), 2);
    }

    void exitCodeAllocatorCountsOn()
    {
        // Last: allocating after the tests above changes nothing they relied on.
        const int iLast = lastExitCode();
        QCOMPARE(newExitCode(), iLast + 1);
        QCOMPARE(lastExitCode(), iLast + 1);
        QCOMPARE(ApplicationStateBaseC::newExitCode(), iLast + 2);
    }

};

KESTRA_TEST_MAIN(TestAbstractApplication)
#include "tst_V40_APP_AbstractApplication.moc"
