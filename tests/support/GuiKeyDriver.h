#pragma once
// Drives the GUI the way the instrument's keyboard does: key presses reach the main window through
// the window system (shortcuts first, then the focus widget), and screens that run their own
// modal loop are answered by a key script scheduled on timers.
#include "KestraTest.h"

#include "V40_APP_AbstractApplication.h"
#include "V40_APP_ApplicationStateBase.h"
#include "V40_GUI_ContentBarBaseWidget.h"
#include "V40_GUI_FunctionKeyBar.h"
#include "V40_GUI_FunctionKeyButton.h"
#include "V40_GUI_MainWindow.h"
#include "V40_GUI_TitleBar.h"
#include "V40_LNG_TextTokens.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QResource>
#include <QShortcut>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <QVBoxLayout>

#include <functional>
#include <memory>

namespace GuiKeyDriver {

inline void setUpFrame()
{
    if (V40::LNG::textTokens().isEmpty())
        V40::LNG::initTextTokens();
    static const bool s_bResources = [] {
        QResource::registerResource(KestraTest::binDir() + "/Vela40GUIResources.rcc");
        // The menu pictures of the toolkit, so that screenshots look like the instrument.
        QResource::registerResource(KestraTest::binDir() + "/KestraToolkitMainResources.rcc");
        return true;
    }();
    Q_UNUSED(s_bResources);
    V40::GUI::MainWindowC::create();
    V40::GUI::MainWindowC::instance()->activateWindow();
    if (!QTest::qWaitForWindowActive(V40::GUI::MainWindowC::instance()))
        qWarning("The main window did not become active: shortcuts will not answer.");
}

inline void tearDownFrame()
{
    V40::GUI::MainWindowC::destroy();
}

inline V40::GUI::MainWindowC* mainWindow()
{
    return V40::GUI::MainWindowC::instance();
}

inline QString title()
{
    return mainWindow()->titleBar()->title();
}

// The function keys whose buttons are enabled while the bar is shown (empty when it is hidden).
inline QList<int> enabledFunctionKeys()
{
    QList<int> listKeys;
    V40::GUI::FunctionKeyBarC* pBar = mainWindow()->functionKeyBar();
    if (!pBar || pBar->isHidden())
        return listKeys;
    for (int iKey = Qt::Key_F1; iKey <= Qt::Key_F6; ++iKey) {
        if (pBar->button(iKey) && pBar->button(iKey)->isEnabled())
            listKeys << iKey;
    }
    return listKeys;
}

inline void pressKey(int iKey)
{
    // The press may run a whole application, and a GUI stop inside it takes the window away.
    QPointer<QWindow> pWindow = mainWindow()->windowHandle();
    QTest::keyPress(pWindow.data(), Qt::Key(iKey));
    if (pWindow)
        QTest::keyRelease(pWindow.data(), Qt::Key(iKey));
}

// Steps run one after the other, 20 ms apart. A step may start a modal loop: the next step is
// scheduled before it runs, so it fires inside that loop.
class KeyScript
{
public:
    KeyScript& key(int iKey)
    {
        m_listSteps.push_back({[iKey] { pressKey(iKey); }, {}});
        return *this;
    }
    KeyScript& call(const std::function<void()>& fnStep)
    {
        m_listSteps.push_back({fnStep, {}});
        return *this;
    }
    // Holds the script until the condition holds (a message that closes by itself has gone, for
    // instance), looking again every step; after iTimeoutMs it goes on all the same.
    KeyScript& waitUntil(const std::function<bool()>& fnReady, int iTimeoutMs = 5000)
    {
        auto spTimer = std::make_shared<QElapsedTimer>();
        m_listSteps.push_back({{}, [fnReady, spTimer, iTimeoutMs] {
                                   if (!spTimer->isValid())
                                       spTimer->start();
                                   return fnReady() || spTimer->elapsed() > iTimeoutMs;
                               }});
        return *this;
    }
    // Starts the script and returns at once: for a modal call that follows, whose loop runs it.
    void start()
    {
        m_spDone = std::make_shared<bool>(false);
        schedule(0, m_spDone);
    }
    // Waits until every step has run; false when that takes longer than the time.
    bool waitUntilDone(int iTimeoutMs = 10000)
    {
        auto spDone = m_spDone;
        return spDone && KestraTest::waitFor([spDone] { return *spDone; }, iTimeoutMs);
    }
    bool run(int iTimeoutMs = 10000)
    {
        start();
        return waitUntilDone(iTimeoutMs);
    }

private:
    void schedule(int iStep, const std::shared_ptr<bool>& spDone)
    {
        QTimer::singleShot(20, [this, iStep, spDone] {
            if (iStep >= int(m_listSteps.size())) {
                *spDone = true;
                return;
            }
            const StepS& rStep = m_listSteps[iStep];
            if (rStep.fnReady) {
                schedule(rStep.fnReady() ? iStep + 1 : iStep, spDone);
                return;
            }
            schedule(iStep + 1, spDone);
            rStep.fnRun();
        });
    }

    struct StepS
    {
        std::function<void()> fnRun;
        std::function<bool()> fnReady;
    };
    std::vector<StepS> m_listSteps;
    std::shared_ptr<bool> m_spDone;
};

// A state that shows a page titled after its application and waits: F6 leaves it with success,
// Escape with fail. With bWait false it ends at once with the given exit.
class TestStateC : public V40::APP::ApplicationStateBaseC
{
public:
    TestStateC(const QString& strName, bool bWait, bool bSuccess)
        : m_strName(strName)
        , m_bWait(bWait)
        , m_bSuccess(bSuccess)
    {
    }
    ~TestStateC() override { delete m_pPage; }

    void execute() override
    {
        if (!m_bWait) {
            m_bSuccess ? OnSuccess() : OnFail();
            return;
        }
        m_pPage = new V40::GUI::ContentBarBaseWidgetC();
        QVBoxLayout* pLayout = new QVBoxLayout(m_pPage);
        pLayout->addWidget(new QLabel(m_strName, m_pPage));
        QShortcut* pOk = new QShortcut(QKeySequence(Qt::Key_F6), m_pPage);
        QObject::connect(pOk, &QShortcut::activated, this, [this] { OnSuccess(); });
        QShortcut* pEscape = new QShortcut(QKeySequence(Qt::Key_Escape), m_pPage);
        QObject::connect(pEscape, &QShortcut::activated, this, [this] { OnFail(); });
        mainWindow()->titleBar()->setTitle(m_strName);
        mainWindow()->setContentBar(m_pPage);
        V40::APP::ApplicationStateBaseC::execute();
    }

private:
    QString m_strName;
    bool m_bWait;
    bool m_bSuccess;
    QPointer<V40::GUI::ContentBarBaseWidgetC> m_pPage;
};

// An application of one state that writes its name into a shared log when it runs.
class TestApplicationC : public V40::APP::AbstractApplicationC
{
public:
    TestApplicationC(const QString& strName, QStringList* pLog, bool bWait = true, bool bSuccess = true)
        : m_strName(strName)
        , m_pLog(pLog)
        , m_bWait(bWait)
        , m_bSuccess(bSuccess)
    {
    }

    bool canStart() override { return m_fnCanStart ? m_fnCanStart() : true; }
    int getFirstStateId() override { return 0; }
    int getNextStateId(int, int) override { return -1; }
    V40::APP::ApplicationStateBaseC* createState(int iStateId) override
    {
        if (iStateId != 0)
            return V40::APP::AbstractApplicationC::createState(iStateId);
        if (m_pLog)
            *m_pLog << m_strName;
        return new TestStateC(m_strName, m_bWait, m_bSuccess);
    }

    // Null: the application can always start.
    std::function<bool()> m_fnCanStart;

private:
    QString m_strName;
    QStringList* m_pLog;
    bool m_bWait;
    bool m_bSuccess;
};

} // namespace GuiKeyDriver
