#include "KTX/APP/KTX_APP_CommunicationSettingsPortSelectionState.h"

#include "KTX/APP/KTX_APP_CommunicationSettingsApplication.h"
#include "KTX/APP/KTX_APP_CommunicationSettingsModel.h"

#include "V40_GUI_ListWidget.h"
#include "V40_GUI_Look.h"
#include "V40_GUI_PlainLabel.h"
#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"
#include "Ferrolib/BSS_Trace.h"
#include "Marrowlib/CCF_ITF_DeviceProxy.h"

#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_CommunicationSettingsPortSelectionState", __LINE__)

namespace KTX {
namespace APP {

namespace TK = V40::LNG::TK;

CommunicationSettingsPortSelectionStateC::CommunicationSettingsPortSelectionStateC(QObject* parent)
    : PanelStateBaseC(TK::CommunicationSettings_COMMUNICATIONSETTINGS, parent)
{
}

CommunicationSettingsPortSelectionStateC::~CommunicationSettingsPortSelectionStateC() = default;

V40::GUI::ListWidgetC* CommunicationSettingsPortSelectionStateC::getPortList() const
{
    return m_pPortList;
}

CommunicationSettingsModelC* CommunicationSettingsPortSelectionStateC::communicationModel() const
{
    auto* pModel = dynamic_cast<CommunicationSettingsModelC*>(getModel());
    if (!pModel)
        KTX_APP_REPORT("pModel");
    return pModel;
}

QWidget* CommunicationSettingsPortSelectionStateC::createPanel(QWidget* pPage)
{
    QWidget* pPanel = new QWidget(pPage);
    QVBoxLayout* pLayout = new QVBoxLayout(pPanel);
    QLabel* pHint = new V40::GUI::PlainLabelC(V40::LNG::getTextToken(TK::CommunicationSettings_SelectTheCommunicationPort), pPanel);
    pHint->setFont(V40::GUI::lookFont(22));
    pLayout->addWidget(pHint);
    m_pPortList = new V40::GUI::ListWidgetC(pPanel);
    m_pPortList->horizontalHeader()->hide();
    pLayout->addWidget(m_pPortList);
    connect(m_pPortList.data(), &QTableWidget::itemSelectionChanged, this,
            &CommunicationSettingsPortSelectionStateC::UpdateToSelection);
    return pPanel;
}

bool CommunicationSettingsPortSelectionStateC::canWarmUp() const
{
    return true;
}

bool CommunicationSettingsPortSelectionStateC::refreshPanel()
{
    // The ports are listed when the page is shown.
    return m_pPortList != nullptr;
}

void CommunicationSettingsPortSelectionStateC::addShortcuts()
{
    addShortcut(Qt::Key_Escape, 0, &CommunicationSettingsPortSelectionStateC::OnEscapePressed);
    addShortcut(Qt::Key_F5, TK::CommunicationSettings_CONF, &CommunicationSettingsPortSelectionStateC::OnConfigPressed);
    addShortcut(Qt::Key_F6, TK::Functionkey_OK, &CommunicationSettingsPortSelectionStateC::OnOkPressed);
}

void CommunicationSettingsPortSelectionStateC::prepareShow()
{
    CommunicationSettingsModelC* pModel = communicationModel();
    if (!pModel)
        return;
    // Only a run has the model; a panel built ahead hears it from its first showing on.
    connect(pModel, &CommunicationSettingsModelC::notify, this,
            &CommunicationSettingsPortSelectionStateC::OnDeviceProxyCollectionChanged, Qt::UniqueConnection);
    pModel->setMode(CommunicationSettingsModelC::MODE_PORT_SELECTION);
    // Back from a device's settings the same port is selected; at the start the one in use.
    const int iSelected = pModel->getSelectedPort();
    fillPortList(iSelected != CommunicationSettingsModelC::NO_PORT ? iSelected : pModel->getActivePort());
}

QWidget* CommunicationSettingsPortSelectionStateC::focusOnShow() const
{
    return m_pPortList;
}

void CommunicationSettingsPortSelectionStateC::fillPortList(int iPreferredPort)
{
    CommunicationSettingsModelC* pModel = communicationModel();
    if (!pModel || !m_pPortList)
        return;
    m_pPortList->setRowCount(0);
    const CommunicationSettingsModelC::PortMapT& mapPorts = pModel->getPortDevices();
    QStringList lstTexts;
    for (auto it = mapPorts.cbegin(); it != mapPorts.cend(); ++it) {
        lstTexts << CommunicationSettingsModelC::getPortText(*it.value());
        const int iRow = m_pPortList->addRow({lstTexts.last()});
        m_pPortList->item(iRow, 0)->setData(Qt::UserRole, it.key());
        if (it.key() == iPreferredPort)
            m_pPortList->setCurrentCell(iRow, 0);
    }
    static BSS::TraceChannelC s_oTrace("CommunicationSettings");
    s_oTrace.write("Ports: %s\n", qPrintable(lstTexts.join(QLatin1String(", "))));
    UpdateToSelection();
}

void CommunicationSettingsPortSelectionStateC::UpdateToSelection()
{
    CommunicationSettingsModelC* pModel = communicationModel();
    if (!pModel || !m_pPortList)
        return;
    const QList<QTableWidgetItem*> lstSelected = m_pPortList->selectedItems();
    pModel->setSelectedPort(lstSelected.isEmpty() ? int(CommunicationSettingsModelC::NO_PORT)
                                                  : lstSelected.first()->data(Qt::UserRole).toInt());
}

void CommunicationSettingsPortSelectionStateC::OnDeviceProxyCollectionChanged()
{
    // Behind a device's settings the list waits: it is filled again when it is shown, and the
    // selection must not move under the device being configured.
    CommunicationSettingsModelC* pModel = communicationModel();
    if (pModel && isRunning())
        fillPortList(pModel->getSelectedPort());
}

void CommunicationSettingsPortSelectionStateC::OnOkPressed()
{
    OnSuccess();
}

void CommunicationSettingsPortSelectionStateC::OnEscapePressed()
{
    OnFail();
}

void CommunicationSettingsPortSelectionStateC::OnConfigPressed()
{
    OnExit(CommunicationSettingsApplicationC::s_iExitCodeConfigure);
}

} // namespace APP
} // namespace KTX
