#include "KTX/APP/KTX_APP_SystemInformationPanel.h"

#include "KTX/APP/KTX_APP_SystemInformationModel.h"

#include "V40_GUI_Look.h"
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

    const SystemInformationModelC& rModel = *m_pModel;
    addRow(TK::Systeminformation_InstrumentModel, rModel.GetInstrumentModel());
    addRow(TK::Systeminformation_SerialNumber, rModel.GetSerialNumber());
    addRow(TK::Systeminformation_EquipmentNumber, rModel.GetEquipmentNumber());
    addRow(TK::Systeminformation_AngleAccuracy, rModel.GetAngleAccuracy());
    addRow(TK::Systeminformation_EDM, rModel.GetEdm());
    addRow(TK::Systeminformation_KestraToolkit, rModel.GetToolkitVersion());
    addRow(TK::Systeminformation_WinCEVersion, rModel.GetWinCEVersion());
    addRow(TK::Systeminformation_BootVersion, rModel.GetBootVersion());
    addRow(TK::Systeminformation_EFIVersion, rModel.GetEfiVersion());
    addRow(TK::Systeminformation_SBVersion, rModel.GetSbVersion());
    addRow(TK::Systeminformation_EDMVersion, rModel.GetEdmVersion());
    addRow(TK::Systeminformation_KDMVersion, rModel.GetKdmVersion());
    addRow(TK::Systeminformation_ExtendedRobotic, rModel.GetExtendedRobotic());
    addRow(TK::Systeminformation_VirtualRobotic, rModel.GetVirtualRobotic());
    addRow(TK::Systeminformation_Trevo360, rModel.GetTrevo360());
    addRow(TK::Systeminformation_Vantis360, rModel.GetVantis360());
    addRow(TK::Systeminformation_ProductionFlag, rModel.GetProductionFlag());
    addRow(TK::Systeminformation_OverviewCamera, rModel.GetOverviewCamera());
    addRow(TK::Systeminformation_OVCVersion, rModel.GetOvcVersion());
    addRow(TK::Systeminformation_Imaging, rModel.GetImaging());
    addRow(TK::Systeminformation_Video, rModel.GetVideo());

    // The rows take no focus, so Left and Right are free to turn the pages.
    QShortcut* pPrevious = new QShortcut(QKeySequence(Qt::Key_Left), this, nullptr, nullptr, Qt::WindowShortcut);
    connect(pPrevious, &QShortcut::activated, m_pTabPanel.data(), &V40::GUI::TabPanelC::onPreviousTab);
    QShortcut* pNext = new QShortcut(QKeySequence(Qt::Key_Right), this, nullptr, nullptr, Qt::WindowShortcut);
    connect(pNext, &QShortcut::activated, m_pTabPanel.data(), &V40::GUI::TabPanelC::onNextTab);
}

SystemInformationPanelC::~SystemInformationPanelC() = default;

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

void SystemInformationPanelC::addRow(int iLabelToken, const QString& strValue)
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
    QLabel* pLabel = new QLabel(pPage);
    pLabel->setTextFormat(Qt::PlainText);
    pLabel->setText(V40::LNG::getTextToken(iLabelToken));
    QLabel* pValue = new QLabel(pPage);
    pValue->setTextFormat(Qt::PlainText);
    pValue->setText(strValue);
    pValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pGrid->addWidget(pLabel, iRow, 0);
    pGrid->addWidget(pValue, iRow, 1);
    m_lstRows << qMakePair(pLabel, pValue);
}

} // namespace APP
} // namespace KTX
