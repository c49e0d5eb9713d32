#include "KTX/APP/KTX_APP_UnitSettingsState.h"

#include "KTX/APP/KTX_APP_UnitSettingsApplication.h"
#include "KTX/APP/KTX_APP_UnitSettingsPanel.h"

#include "V40_APP_ApplicationModelBase.h"
#include "V40_GUI_ContentBarBaseWidget.h"
#include "V40_GUI_FunctionKeyBar.h"
#include "V40_GUI_MainWindow.h"
#include "V40_GUI_SettingsModel.h"
#include "V40_GUI_TitleBar.h"
#include "V40_LNG_TextTokens.h"

#include "Ferrolib/BSS_Assert.h"

#include <QShortcut>
#include <QVBoxLayout>

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_UnitSettingsState", __LINE__)

namespace KTX {
namespace APP {

namespace {
enum
{
    TOKEN_OK = 1,
    TOKEN_DEFAULT = 6,
    TOKEN_TITLE = 64
};
} // namespace

UnitSettingsStateC::UnitSettingsStateC(QObject* parent)
    : V40::APP::ApplicationStateBaseC(parent)
{
}

UnitSettingsStateC::~UnitSettingsStateC()
{
    // The page is handed back without a parent when another page replaces it.
    delete m_pContentBarWidget.data();
}

UnitSettingsPanelC* UnitSettingsStateC::getSettingsPanel() const
{
    return m_pSettingsPanel;
}

void UnitSettingsStateC::OnSetToDefault()
{
    OnExit(UnitSettingsApplicationC::s_iExitCodeSetToDefault);
}

void UnitSettingsStateC::createContentBar()
{
    m_pContentBarWidget = new V40::GUI::ContentBarBaseWidgetC();
    QVBoxLayout* pLayout = new QVBoxLayout(m_pContentBarWidget);
    pLayout->setContentsMargins(0, 0, 0, 0);

    QShortcut* pEscape = new QShortcut(QKeySequence(Qt::Key_Escape), m_pContentBarWidget, nullptr, nullptr,
                                       Qt::WindowShortcut);
    connect(pEscape, &QShortcut::activated, this, &UnitSettingsStateC::OnFail);
    QShortcut* pDefault = new QShortcut(QKeySequence(Qt::Key_F5), m_pContentBarWidget, nullptr, nullptr,
                                        Qt::WindowShortcut);
    connect(pDefault, &QShortcut::activated, this, &UnitSettingsStateC::OnSetToDefault);
    QShortcut* pOk = new QShortcut(QKeySequence(Qt::Key_F6), m_pContentBarWidget, nullptr, nullptr,
                                   Qt::WindowShortcut);
    connect(pOk, &QShortcut::activated, this, &UnitSettingsStateC::OnSuccess);

    m_pSettingsPanel = new UnitSettingsPanelC(m_pContentBarWidget);
    pLayout->addWidget(m_pSettingsPanel);
}

void UnitSettingsStateC::execute()
{
    V40::APP::ApplicationModelBaseC* pModel = modelOrNull();
    if (!pModel) {
        KTX_APP_REPORT("pModel");
        return;
    }
    if (!m_pContentBarWidget)
        createContentBar();
    if (!m_pContentBarWidget) {
        KTX_APP_REPORT("pContentBarWidget");
        return;
    }
    if (!m_pSettingsPanel) {
        KTX_APP_REPORT("pSettingsPanel");
        return;
    }
    // Registering the same panel model again when the state comes back changes nothing.
    pModel->addSettingsModel(0, m_pSettingsPanel->getModel());

    V40::GUI::MainWindowC* pMainWindow = V40::GUI::MainWindowC::instance();
    if (!pMainWindow) {
        // Without a screen nobody could ever leave the state: leave as Escape would.
        OnFail();
        return;
    }
    pMainWindow->setContentBar(m_pContentBarWidget);
    m_pContentBarWidget->show();
    if (V40::GUI::FunctionKeyBarC* pBar = pMainWindow->functionKeyBar()) {
        pBar->setAllButtonsEnabled(false);
        pBar->setButton(Qt::Key_F5, TOKEN_DEFAULT);
        pBar->setButton(Qt::Key_F6, TOKEN_OK);
        pBar->show();
    }
    if (V40::GUI::TitleBarC* pTitleBar = pMainWindow->titleBar())
        pTitleBar->setTitle(V40::LNG::getTextToken(TOKEN_TITLE));

    V40::APP::ApplicationStateBaseC::execute();
}

} // namespace APP
} // namespace KTX
