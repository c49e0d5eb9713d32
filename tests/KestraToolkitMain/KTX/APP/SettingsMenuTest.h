#pragma once
// For the tests of the settings applications: the GUI started through the platform, with the
// settings menu shown, and the digit that starts one of its applications.
#include "GuiKeyDriver.h"
#include "KestraGuiPlatform.h"

#include "KTX/KTX_MainController.h"

#include "V40_GUI_MenuContainer.h"

namespace SettingsMenuTest {

// The title, once the GUI has started (before that there is no main window to ask).
inline bool titleBecomes(const QString& strTitle)
{
    return KestraTest::waitFor([&] {
        V40::GUI::MainWindowC* pMainWindow = KestraTest::existingMainWindow();
        return pMainWindow && pMainWindow->isVisible() && GuiKeyDriver::title() == strTitle;
    });
}

inline int indexOfCaption(const QList<V40::GUI::AbstractMenuComponentC*>& lstComponents, int iCaptionToken)
{
    for (int i = 0; i < lstComponents.size(); ++i) {
        if (lstComponents.at(i)->getProperties().getCaptionToken() == iCaptionToken)
            return i;
    }
    return -1;
}

// Starts the GUI and goes MAIN MENU > Settings by the digit of its tile; the digit key of the
// settings item with the caption token, or 0 when something on the way is missing.
inline int showSettingsMenu(KestraTest::GuiPlatformC& rPlatform, int iCaptionToken)
{
    if (!rPlatform.start())
        return 0;
    rPlatform.task().startGui();
    // Keys reach the menu's shortcuts only once the window is active.
    if (!titleBecomes(QStringLiteral("MAIN MENU")) || !QTest::qWaitForWindowActive(KestraTest::existingMainWindow()))
        return 0;
    V40::GUI::MenuContainerC* pRoot = rPlatform.controller().rootMenuContainer();
    const int iSettings = indexOfCaption(pRoot->components(), 182);
    if (iSettings < 0)
        return 0;
    auto* pSettings = qobject_cast<V40::GUI::MenuContainerC*>(pRoot->components().at(iSettings));
    const int iItem = pSettings ? indexOfCaption(pSettings->components(), iCaptionToken) : -1;
    GuiKeyDriver::pressKey(Qt::Key_1 + iSettings);
    if (iItem < 0 || !titleBecomes(QStringLiteral("SETTINGS")))
        return 0;
    return Qt::Key_1 + iItem;
}

} // namespace SettingsMenuTest
