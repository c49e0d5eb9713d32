#include "KTX/APP/KTX_APP_SystemInformationPanel.h"

#include "KTX/APP/KTX_APP_SystemInformationModel.h"

#include "V40_GUI_Look.h"
#include "V40_GUI_PlainLabel.h"
#include "V40_GUI_TabPanel.h"
#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include <QGridLayout>
#include <QLabel>
#include <QShortcut>
#include <QVBoxLayout>

namespace KTX {
namespace APP {

namespace {
namespace TK = V40::LNG::TK;
const int s_iFontPointSize = 22;

// The rows in the order shown: the label, and the value the model gives.
struct RowS
{
    int iLabelToken;
    QString (SystemInformationModelC::*pfnValue)() const;
};
const RowS s_aRows[] = {
    {TK::Systeminformation_InstrumentModel, &SystemInformationModelC::GetInstrumentModel},
    {TK::Systeminformation_SerialNumber, &SystemInformationModelC::GetSerialNumber},
    {TK::Systeminformation_EquipmentNumber, &SystemInformationModelC::GetEquipmentNumber},
    {TK::Systeminformation_AngleAccuracy, &SystemInformationModelC::GetAngleAccuracy},
    {TK::Systeminformation_EDM, &SystemInformationModelC::GetEdm},
    {TK::Systeminformation_KestraToolkit, &SystemInformationModelC::GetToolkitVersion},
    {TK::Systeminformation_WinCEVersion, &SystemInformationModelC::GetWinCEVersion},
    {TK::Systeminformation_BootVersion, &SystemInformationModelC::GetBootVersion},
    {TK::Systeminformation_EFIVersion, &SystemInformationModelC::GetEfiVersion},
    {TK::Systeminformation_SBVersion, &SystemInformationModelC::GetSbVersion},
    {TK::Systeminformation_EDMVersion, &SystemInformationModelC::GetEdmVersion},
    {TK::Systeminformation_KDMVersion, &SystemInformationModelC::GetKdmVersion},
    {TK::Systeminformation_ExtendedRobotic, &SystemInformationModelC::GetExtendedRobotic},
    {TK::Systeminformation_VirtualRobotic, &SystemInformationModelC::GetVirtualRobotic},
    {TK::Systeminformation_Trevo360, &SystemInformationModelC::GetTrevo360},
    {TK::Systeminformation_Vantis360, &SystemInformationModelC::GetVantis360},
    {TK::Systeminformation_ProductionFlag, &SystemInformationModelC::GetProductionFlag},
    {TK::Systeminformation_OverviewCamera, &SystemInformationModelC::GetOverviewCamera},
    {TK::Systeminformation_OVCVersion, &SystemInformationModelC::GetOvcVersion},
    {TK::Systeminformation_Imaging, &SystemInformationModelC::GetImaging},
    {TK::Systeminformation_Video, &SystemInformationModelC::GetVideo},
};
} // namespace

SystemInformationPanelC::SystemInformationPanelC(QWidget* parent)
    : QWidget(parent)
    , m_pModel(new SystemInformationModelC(this))
    , m_pTabPanel(new V40::GUI::TabPanelC(this))
{
    setFont(V40::GUI::lookFont(s_iFontPointSize));
    QVBoxLayout* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->addWidget(m_pTabPanel);

    for (const RowS& rRow : s_aRows)
        addRow(rRow.iLabelToken);
    showValues();

    // The rows take no focus, so Left and Right are free to turn the pages.
    QShortcut* pPrevious = new QShortcut(QKeySequence(Qt::Key_Left), this, nullptr, nullptr, Qt::WindowShortcut);
    connect(pPrevious, &QShortcut::activated, m_pTabPanel.data(), &V40::GUI::TabPanelC::onPreviousTab);
    QShortcut* pNext = new QShortcut(QKeySequence(Qt::Key_Right), this, nullptr, nullptr, Qt::WindowShortcut);
    connect(pNext, &QShortcut::activated, m_pTabPanel.data(), &V40::GUI::TabPanelC::onNextTab);
}

SystemInformationPanelC::~SystemInformationPanelC() = default;

void SystemInformationPanelC::reload()
{
    delete m_pModel;
    m_pModel = new SystemInformationModelC(this);
    showValues();
}

void SystemInformationPanelC::showValues()
{
    for (int iRow = 0; iRow < m_lstRows.size(); ++iRow)
        m_lstRows.at(iRow).second->setText((m_pModel->*s_aRows[iRow].pfnValue)());
}

SystemInformationModelC* SystemInformationPanelC::getModel() const
{
    return m_pModel;
}

V40::GUI::TabPanelC* SystemInformationPanelC::getTabPanel() const
{
    return m_pTabPanel;
}

QList<QPair<QString, QString>> SystemInformationPanelC::rows() const
{
    QList<QPair<QString, QString>> lstRows;
    for (const QPair<QLabel*, QLabel*>& rRow : m_lstRows)
        lstRows << qMakePair(rRow.first->text(), rRow.second->text());
    return lstRows;
}

void SystemInformationPanelC::addRow(int iLabelToken)
{
    const int iRow = m_lstRows.size() % ROWS_PER_PAGE;
    if (iRow == 0) {
        QWidget* pPage = new QWidget();
        QGridLayout* pGrid = new QGridLayout(pPage);
        pGrid->setContentsMargins(10, 4, 10, 4);
        pGrid->setVerticalSpacing(0);
        pGrid->setColumnStretch(1, 1);
        pGrid->setRowStretch(ROWS_PER_PAGE, 1);
        m_pTabPanel->addTab(pPage);
    }
    QWidget* pPage = m_pTabPanel->widget(m_pTabPanel->count() - 1);
    QGridLayout* pGrid = static_cast<QGridLayout*>(pPage->layout());
    // Plain texts: a value such as "<unknown>" is no markup, and none needs a text document.
    QLabel* pLabel = new V40::GUI::PlainLabelC(V40::LNG::getTextToken(iLabelToken), pPage);
    QLabel* pValue = new V40::GUI::PlainLabelC(pPage);
    pValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pGrid->addWidget(pLabel, iRow, 0);
    pGrid->addWidget(pValue, iRow, 1);
    m_lstRows << qMakePair(pLabel, pValue);
}

} // namespace APP
} // namespace KTX
