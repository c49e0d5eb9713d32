#pragma once
// A state under test as the only state of an application: success and fail both end the run, so
// run() tells how the state left (0 = success, 0x2000008 = fail, or a result the state set).
#include "GuiKeyDriver.h"
#include "KestraGuiPlatform.h"

#include "V40_APP_ApplicationModelBase.h"
#include "V40_GUI_MenuContainer.h"
#include "V40_GUI_MenuComponentProperties.h"
#include "V40_GUI_MessagePanel.h"

#include "SimInstrument/VSIM_Settings.h"

// Simulator settings of a test row: key, value.
using SettingList = QList<QPair<QString, QString>>;
Q_DECLARE_METATYPE(SettingList)

namespace StateTest {

template <class StateT, class ModelT>
class SingleStateApplicationC : public V40::APP::AbstractApplicationC
{
public:
    explicit SingleStateApplicationC(std::function<ModelT*()> fnModel) : m_fnModel(std::move(fnModel)) {}
    int getFirstStateId() override { return 0; }
    int getNextStateId(int, int) override { return -1; }
    V40::APP::ApplicationStateBaseC* createState(int iStateId) override
    {
        return iStateId == 0 ? new StateT() : V40::APP::AbstractApplicationC::createState(iStateId);
    }
    void createModel() override { setModel(m_fnModel()); }

private:
    std::function<ModelT*()> m_fnModel;
};

// Modified or not, and storing succeeds or fails, as the test says.
class FakeModelC : public V40::APP::ApplicationModelBaseC
{
public:
    FakeModelC(bool bModified, bool bStoreResult, int* piStores)
        : m_bModified(bModified), m_bStoreResult(bStoreResult), m_piStores(piStores) {}
    bool isModified() const override { return m_bModified; }
    bool store() override
    {
        ++*m_piStores;
        return m_bStoreResult;
    }

private:
    bool m_bModified;
    bool m_bStoreResult;
    int* m_piStores;
};

// The title, once the GUI has started (before that there is no main window to ask).
inline bool titleBecomes(const QString& strTitle)
{
    return KestraTest::waitFor([&] {
        V40::GUI::MainWindowC* pMainWindow = KestraTest::existingMainWindow();
        return pMainWindow && pMainWindow->isVisible() && GuiKeyDriver::title() == strTitle;
    });
}

// Where a test leaves its screenshots: beside the test, or where a parent process that compares
// them asks for them.
inline QString screenshotPath(const QString& strName)
{
    const QString strDir = qEnvironmentVariableIsSet("KESTRA_SCREENSHOT_DIR")
        ? qEnvironmentVariable("KESTRA_SCREENSHOT_DIR")
        : QCoreApplication::applicationDirPath();
    return strDir + "/" + strName + ".png";
}

// A script step that notes "<title>: <text>" of the message on the screen, if there is one.
inline std::function<void()> noteMessage(QStringList* pMessages)
{
    return [pMessages] {
        auto* pPanel = qobject_cast<V40::GUI::MessagePanelC*>(GuiKeyDriver::mainWindow()->contentBar());
        if (pPanel && pPanel->isVisible())
            *pMessages << pPanel->title() + ": " + pPanel->message();
    };
}

// The digit that picks the entry with the caption token in a menu, or 0 when it has none.
inline int menuDigit(const V40::GUI::MenuContainerC* pMenu, int iCaptionToken)
{
    const QList<V40::GUI::AbstractMenuComponentC*> lstComponents = pMenu ? pMenu->components() : QList<V40::GUI::AbstractMenuComponentC*>();
    for (int i = 0; i < lstComponents.size(); ++i) {
        if (lstComponents.at(i)->getProperties().getCaptionToken() == iCaptionToken)
            return Qt::Key_1 + i;
    }
    return 0;
}

// The digits from the menu to the entry with the last caption token, through the menus of the
// ones before; empty when one of them is missing.
inline QList<int> menuPath(const V40::GUI::MenuContainerC* pMenu, const QList<int>& lstCaptionTokens)
{
    QList<int> lstDigits;
    for (int iToken : lstCaptionTokens) {
        const int iDigit = menuDigit(pMenu, iToken);
        if (iDigit == 0)
            return QList<int>();
        lstDigits << iDigit;
        pMenu = qobject_cast<const V40::GUI::MenuContainerC*>(pMenu->components().at(iDigit - Qt::Key_1));
    }
    return lstDigits;
}

// Puts the settings of lstDefaultKeys back to their defaults and sets those of the row, in one
// change of the simulated instrument.
inline bool setSimulator(const QStringList& lstDefaultKeys, const SettingList& lstSettings)
{
    QList<QPair<QString, QVariant>> lstValues;
    for (const QString& strKey : lstDefaultKeys)
        lstValues << qMakePair(strKey, QVariant(VSIM::findSetting(strKey)->strDefault));
    for (const QPair<QString, QString>& rSetting : lstSettings)
        lstValues << qMakePair(rSetting.first, QVariant(rSetting.second));
    return VSIM::SettingsC::setValues(lstValues);
}

// True while a message is on the screen (for KeyScript::waitUntil).
inline bool messageShown()
{
    auto* pPanel = qobject_cast<V40::GUI::MessagePanelC*>(GuiKeyDriver::mainWindow()->contentBar());
    return pPanel && pPanel->isVisible();
}

// Ends a script: a message the row did not expect is answered with Escape (NO, OK), so that the
// application of a failing row still ends.
inline void answerLeftoverMessage(GuiKeyDriver::KeyScript& rScript)
{
    rScript.waitUntil([] { return !messageShown(); }, 5000).call([] {
        if (messageShown())
            GuiKeyDriver::pressKey(Qt::Key_Escape);
    });
}

// For KeyScript::waitUntil(): no message is shown that closes by itself ("Data stored ..."), so
// that the next key reaches the screen behind it.
inline bool noTimedMessage()
{
    auto* pPanel = qobject_cast<V40::GUI::MessagePanelC*>(GuiKeyDriver::mainWindow()->contentBar());
    return !pPanel || !pPanel->isVisible() || pPanel->buttonSet() != V40::GUI::MessagePanelC::BUTTONS_NONE;
}

} // namespace StateTest
