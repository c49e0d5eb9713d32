#include "V40_GUI_SettingsPanel.h"

#include "V40_GUI_AbstractValueWidget.h"
#include "V40_GUI_HLabeledWidget.h"
#include "V40_GUI_Look.h"
#include "V40_GUI_SettingsModel.h"
#include "V40_GUI_ValueModel.h"

#include "Ferrolib/BSS_Assert.h"

#include <QSpacerItem>
#include <QVBoxLayout>

#define V40_GUI_REPORT(text) BSS_ASSERT_REPORT((text), "V40_GUI_SettingsPanel", __LINE__)

namespace V40 {
namespace GUI {

namespace {
constexpr int s_iLeadingSpace = 20;
constexpr int s_iSpacing = 10;
constexpr int s_iMargin = 10;
} // namespace

SettingsPanelC::SettingsPanelC(QWidget* parent)
    : ContentBarBaseWidgetC(parent)
    , m_bFocusGiven(false)
    , m_pLayout(new QVBoxLayout(this))
{
    setFont(lookFont(22));
    m_pLayout->setContentsMargins(s_iMargin, 0, s_iMargin, 0);
    m_pLayout->setSpacing(s_iSpacing);
    m_pLayout->setAlignment(Qt::AlignTop);
    // Room above the first row; given up when the rows need it.
    m_pLayout->addItem(new QSpacerItem(0, s_iLeadingSpace, QSizePolicy::Minimum, QSizePolicy::Fixed));
}

SettingsPanelC::~SettingsPanelC() = default;

SettingsModelC* SettingsPanelC::getModel()
{
    if (!m_pModel) {
        m_pModel = createModel();
        if (m_pModel)
            m_pModel->setParent(this);
    }
    return m_pModel;
}

SettingsModelC* SettingsPanelC::createModel()
{
    return new SettingsModelC();
}

QVBoxLayout* SettingsPanelC::panelLayout() const
{
    return m_pLayout;
}

HLabeledWidgetC* SettingsPanelC::getRow(int iKey) const
{
    return m_mapRows.value(iKey, nullptr);
}

void SettingsPanelC::addValueWidget(int iKey, const QVariant& rvarValue, const QVariant& rvarDefaultValue,
                                    const QString& strCaption, AbstractValueWidgetC* pWidget)
{
    if (!pWidget) {
        V40_GUI_REPORT("pWidget");
        return;
    }
    if (ValueModelC* pModel = pWidget->getModel())
        pModel->reset(rvarValue, rvarDefaultValue);

    HLabeledWidgetC* pRow = new HLabeledWidgetC(strCaption, pWidget, this);
    m_pLayout->addWidget(pRow);
    if (!m_bFocusGiven && pWidget->getMode() == AbstractValueWidgetC::MODE_EDITABLE) {
        m_bFocusGiven = true;
        pWidget->setHasFocus();
    }
    connect(pWidget, SIGNAL(arrowUp()), pWidget, SLOT(simulateBackTab()));
    connect(pWidget, SIGNAL(arrowDown()), pWidget, SLOT(simulateTab()));
    m_mapRows.insert(iKey, pRow);
    if (SettingsModelC* pSettingsModel = getModel())
        pSettingsModel->addInputModel(iKey, pWidget->getModel());
}

void SettingsPanelC::loadValues()
{
    if (!getModel() || !getModel()->load())
        V40_GUI_REPORT("getModel() && getModel()->load()");
}

bool SettingsPanelC::refresh()
{
    loadValues();
    return true;
}

void SettingsPanelC::showEvent(QShowEvent* pEvent)
{
    // Rows that do not fit first lose the room above them, then move closer together.
    if (m_pLayout->totalMinimumSize().height() > height()) {
        QLayoutItem* pFirst = m_pLayout->itemAt(0);
        if (pFirst && pFirst->spacerItem()) {
            m_pLayout->takeAt(0);
            delete pFirst;
        }
        m_pLayout->setSpacing(SQUEEZED_SPACING);
    }
    ContentBarBaseWidgetC::showEvent(pEvent);
}

} // namespace GUI
} // namespace V40
