#include "KTX/APP/KTX_APP_PanelStateBase.h"

#include "V40_APP_ApplicationModelBase.h"
#include "V40_GUI_ContentBarBaseWidget.h"
#include "V40_GUI_FunctionKeyBar.h"
#include "V40_GUI_MainWindow.h"
#include "V40_GUI_TitleBar.h"
#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"

#include <QVBoxLayout>

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_PanelStateBase", __LINE__)

namespace KTX {
namespace APP {

PanelStateBaseC::PanelStateBaseC(int iTitleToken, QObject* parent)
    : V40::APP::ApplicationStateBaseC(parent)
    , m_iTitleToken(iTitleToken)
    , m_oAfterShow([this] {
        if (isRunning())
            afterShow();
    })
{
}

PanelStateBaseC::~PanelStateBaseC()
{
    // The page is handed back without a parent when another page replaces it.
    delete m_pPage.data();
}

void PanelStateBaseC::deletePage()
{
    delete m_pPage.data();
    m_lstFunctionKeys.clear();
}

QWidget* PanelStateBaseC::getPanel() const
{
    return m_pPanel;
}

void PanelStateBaseC::addShortcuts()
{
    addShortcut(Qt::Key_Escape, 0, &PanelStateBaseC::OnFail);
    addShortcut(Qt::Key_F6, V40::LNG::TK::Functionkey_OK, &PanelStateBaseC::OnSuccess);
}

bool PanelStateBaseC::canWarmUp() const
{
    return false;
}

bool PanelStateBaseC::refreshPanel()
{
    return false;
}

bool PanelStateBaseC::warmUp()
{
    V40::GUI::MainWindowC* pMainWindow = V40::GUI::MainWindowC::instance();
    if (!pMainWindow || m_pPage || !canWarmUp())
        return false;
    createPage();
    m_bBuiltAhead = true;
    pMainWindow->preparePage(m_pPage, true);
    if (V40::GUI::FunctionKeyBarC* pBar = pMainWindow->functionKeyBar()) {
        for (const FunctionKeyS& rKey : qAsConst(m_lstFunctionKeys))
            pBar->prepareFace(rKey.iKey, rKey.iLabelToken);
    }
    if (V40::GUI::TitleBarC* pTitleBar = pMainWindow->titleBar())
        pTitleBar->prepareTitle(titleText());
    return true;
}

void PanelStateBaseC::prepareShow()
{
}

void PanelStateBaseC::afterShow()
{
}

QWidget* PanelStateBaseC::focusOnShow() const
{
    return nullptr;
}

QString PanelStateBaseC::titleText() const
{
    return V40::LNG::getTextToken(m_iTitleToken);
}

QShortcut* PanelStateBaseC::newShortcut(int iKey, int iLabelToken)
{
    if (iLabelToken != 0)
        m_lstFunctionKeys.append(FunctionKeyS{iKey, iLabelToken});
    return new QShortcut(QKeySequence(iKey), m_pPage, nullptr, nullptr, Qt::WindowShortcut);
}

void PanelStateBaseC::createPage()
{
    m_pPage = new V40::GUI::ContentBarBaseWidgetC();
    QVBoxLayout* pLayout = new QVBoxLayout(m_pPage);
    pLayout->setContentsMargins(0, 0, 0, 0);
    addShortcuts();
    m_pPanel = createPanel(m_pPage);
    if (m_pPanel)
        pLayout->addWidget(m_pPanel);
}

void PanelStateBaseC::execute()
{
    if (!modelOrNull()) {
        KTX_APP_REPORT("pModel");
        return;
    }
    if (m_bBuiltAhead) {
        m_bBuiltAhead = false;
        // Built while the menus waited: what it shows must be what the opening reads.
        if (!m_pPanel || !refreshPanel())
            deletePage();
    }
    if (!m_pPage)
        createPage();
    if (!m_pPanel) {
        KTX_APP_REPORT("m_pPanel");
        return;
    }
    prepareShow();

    if (!V40::GUI::MainWindowC::instance()) {
        OnFail();
        return;
    }
    showPage();
    if (QWidget* pFocus = focusOnShow())
        pFocus->setFocus(Qt::OtherFocusReason);
    m_oAfterShow.schedule();
    V40::APP::ApplicationStateBaseC::execute();
    m_oAfterShow.cancel();
}

void PanelStateBaseC::showPage()
{
    V40::GUI::MainWindowC* pMainWindow = V40::GUI::MainWindowC::instance();
    pMainWindow->setContentBar(m_pPage);
    m_pPage->show();
    if (V40::GUI::FunctionKeyBarC* pBar = pMainWindow->functionKeyBar()) {
        pBar->setAllButtonsEnabled(false);
        for (const FunctionKeyS& rKey : qAsConst(m_lstFunctionKeys))
            pBar->setButton(rKey.iKey, rKey.iLabelToken);
        pBar->show();
    }
    if (V40::GUI::TitleBarC* pTitleBar = pMainWindow->titleBar())
        pTitleBar->setTitle(titleText());
}

} // namespace APP
} // namespace KTX
