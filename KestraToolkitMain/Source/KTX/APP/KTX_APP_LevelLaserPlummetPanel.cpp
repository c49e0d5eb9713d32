#include "KTX/APP/KTX_APP_LevelLaserPlummetPanel.h"

#include "KTX/APP/KTX_APP_AngleDisplay.h"

#include "KTX/APP/KTX_APP_LevelLaserPlummetModel.h"
#include "KTX/APP/KTX_APP_LevelWidget.h"
#include "KTX/GUI/KTX_GUI_UnitWidget.h"
#include "KTX/UTI/KTX_UTI_UnitConfig.h"
#include "KTX/UTI/KTX_UTI_UnitConverter.h"

#include "V40_GUI_ComboWidget.h"
#include "V40_GUI_HLabeledWidget.h"
#include "V40_GUI_Look.h"
#include "V40_GUI_ValueModel.h"
#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <cstdlib>

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_LevelLaserPlummetPanel", __LINE__)

namespace KTX {
namespace APP {

namespace {

// Room for the field's frame and cursor beside its text, and between caption and value.
constexpr int kFieldPadding = 14;
constexpr int kCaptionGap = 12;

// The offered intensity nearest to a stored one, which another tool may have set to any percentage.
int nearestIntensity(int iIntensity)
{
    int iNearest = LevelLaserPlummetPanelC::plummetIntensities().first();
    for (int iOffered : LevelLaserPlummetPanelC::plummetIntensities()) {
        if (std::abs(iOffered - iIntensity) < std::abs(iNearest - iIntensity))
            iNearest = iOffered;
    }
    return iNearest;
}

int configuredAngleUnit()
{
    UTI::UnitConfigC oUnits;
    oUnits.load();
    return oUnits.getAngleUnit();
}

} // namespace

const QList<int>& LevelLaserPlummetPanelC::plummetIntensities()
{
    static const QList<int> s_lstIntensities{20, 40, 60, 80, 100};
    return s_lstIntensities;
}

LevelLaserPlummetPanelC::LevelLaserPlummetPanelC(LevelLaserPlummetModelC* pModel, QWidget* parent)
    : QWidget(parent)
    , m_pLevelLaserPlummetModel(pModel)
    , m_pRoundBubble(new LevelWidgetC(QStringLiteral(":/Images/IconLevel_RoundBubble.png"),
                                      QStringLiteral(":/Images/IconLevel_CLevel.bmp"),
                                      LevelWidgetC::AXIS_VERTICAL | LevelWidgetC::AXIS_HORIZONTAL, this))
    , m_pVerticalBubble(new LevelWidgetC(QStringLiteral(":/Images/IconLevel_VBubble.png"),
                                         QStringLiteral(":/Images/IconLevel_V.bmp"), LevelWidgetC::AXIS_VERTICAL, this))
    , m_pHorizontalBubble(new LevelWidgetC(QStringLiteral(":/Images/IconLevel_HBubble.png"),
                                           QStringLiteral(":/Images/IconLevel_H.bmp"), LevelWidgetC::AXIS_HORIZONTAL, this))
    , m_pLRow(nullptr)
    , m_pTRow(nullptr)
    , m_pPlummetInputWidget(nullptr)
    , m_pPlummetRow(nullptr)
    , m_bShowingValues(false)
    , m_iAngleUnit(configuredAngleUnit())
    , m_iPlummetPreset(-1)
{
    setFont(V40::GUI::lookFont(22));
    const QVariant varAngleUnit = m_iAngleUnit;
    m_pLRow = newAngleRow(V40::LNG::TK::Level_L, varAngleUnit);
    m_pTRow = newAngleRow(V40::LNG::TK::Level_T, varAngleUnit);

    // The vertical vial beside the round one, the horizontal one below it, the values right.
    QGridLayout* pLayout = new QGridLayout(this);
    pLayout->setContentsMargins(10, 10, 10, 0);
    pLayout->setHorizontalSpacing(10);
    pLayout->setVerticalSpacing(10);
    pLayout->addWidget(m_pRoundBubble, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    pLayout->addWidget(m_pVerticalBubble, 0, 1, Qt::AlignLeft | Qt::AlignTop);
    pLayout->addWidget(m_pHorizontalBubble, 1, 0, Qt::AlignLeft | Qt::AlignTop);
    QVBoxLayout* pValues = new QVBoxLayout();
    pValues->setSpacing(10);
    pValues->addWidget(m_pLRow);
    pValues->addWidget(m_pTRow);
    pLayout->addLayout(pValues, 0, 2, Qt::AlignTop);
    pLayout->setColumnStretch(2, 1);
    pLayout->setRowStretch(2, 1);

    if (!m_pLevelLaserPlummetModel) {
        KTX_APP_REPORT("0 != m_pLevelLaserPlummetModel");
    } else {
        connect(m_pLevelLaserPlummetModel, &LevelLaserPlummetModelC::inclinationsChanged, this,
                &LevelLaserPlummetPanelC::onInclinationsChanged);
        connect(m_pLevelLaserPlummetModel, &LevelLaserPlummetModelC::inclinationsInvalid, this,
                &LevelLaserPlummetPanelC::onInclinationsInvalid);
        connect(this, &LevelLaserPlummetPanelC::laserPlummetIntensityChanged, m_pLevelLaserPlummetModel,
                &LevelLaserPlummetModelC::onLaserPlummetIntensityChanged);
        if (m_pLevelLaserPlummetModel->HasLaserPlummet()) {
            addPlummetRow();
            pValues->addWidget(m_pPlummetRow);
        }
    }
    alignCaptions();
    // Nothing is shown before the first reading.
    onInclinationsInvalid();
}

void LevelLaserPlummetPanelC::alignCaptions()
{
    // The captions as wide as the widest, so that the values line up beside the vials.
    int iWidth = 0;
    for (V40::GUI::HLabeledWidgetC* pRow : {m_pLRow, m_pTRow, m_pPlummetRow}) {
        if (pRow) {
            // The settings rows' wide caption column would push the values off the screen.
            pRow->getCaptionLabel()->setMinimumWidth(0);
            iWidth = qMax(iWidth, pRow->getCaptionLabel()->sizeHint().width());
        }
    }
    for (V40::GUI::HLabeledWidgetC* pRow : {m_pLRow, m_pTRow, m_pPlummetRow}) {
        if (pRow)
            pRow->getCaptionLabel()->setMinimumWidth(iWidth + kCaptionGap);
    }
}

void LevelLaserPlummetPanelC::showEvent(QShowEvent* pEvent)
{
    // The fields show their model's value when first shown; rows without a reading stay empty.
    if (!m_bShowingValues)
        onInclinationsInvalid();
    QWidget::showEvent(pEvent);
}

LevelLaserPlummetPanelC::~LevelLaserPlummetPanelC() = default;

V40::GUI::HLabeledWidgetC* LevelLaserPlummetPanelC::newAngleRow(int iLabelToken, const QVariant& rvarAngleUnit)
{
    const double dLimit = LevelWidgetC::MAX_VALID_INCLINATION;
    auto* pField = new GUI::UnitWidgetC(UTI::Q_Angle, rvarAngleUnit, -dLimit, dLimit, AngleDisplay::decimals(rvarAngleUnit.toInt()));
    pField->setMode(V40::GUI::AbstractValueWidgetC::MODE_DISPLAY_ONLY);
    auto* pRow = new V40::GUI::HLabeledWidgetC(V40::LNG::getTextToken(iLabelToken), pField, this);
    // As wide as the widest value it shows (in the panel's font): values are shown up to 1 gon
    // either way.
    if (QLineEdit* pEditor = pField->getLineEdit()) {
        const QString strWidest = pField->modelToDisplayValue(-dLimit).toString();
        pField->setFixedWidth(QFontMetrics(pEditor->font()).horizontalAdvance(strWidest) + kFieldPadding);
    }
    return pRow;
}

void LevelLaserPlummetPanelC::addPlummetRow()
{
    const int iPreset = nearestIntensity(m_pLevelLaserPlummetModel->GetLaserPlummetIntensity());
    m_iPlummetPreset = iPreset;
    m_pPlummetInputWidget = new V40::GUI::ComboWidgetC(nullptr, V40::GUI::ComboWidgetC::MODE_EDITABLE);
    // Beside the vials a field of the settings rows' width does not fit; the entries are short.
    m_pPlummetInputWidget->setWidthMode(V40::GUI::ValueWidgetC::WIDTH_UP_TO_FIXED);
    m_pPlummetInputWidget->getModel()->reset(iPreset, iPreset);
    for (int iIntensity : plummetIntensities())
        m_pPlummetInputWidget->addItem(QStringLiteral("%1%").arg(iIntensity), iIntensity);
    m_pPlummetRow = new V40::GUI::HLabeledWidgetC(V40::LNG::getTextToken(V40::LNG::TK::Level_Plummet),
                                                  m_pPlummetInputWidget, this);
    m_pPlummetInputWidget->setHasFocus();
    connect(m_pPlummetInputWidget->getModel(), &V40::GUI::ValueModelC::valueChanged, this,
            &LevelLaserPlummetPanelC::onLaserPlummetIntensityChanged);
}

bool LevelLaserPlummetPanelC::isUpToDate() const
{
    if (!m_pLevelLaserPlummetModel || configuredAngleUnit() != m_iAngleUnit)
        return false;
    if (!m_pLevelLaserPlummetModel->HasLaserPlummet())
        return !m_pPlummetRow;
    return m_pPlummetRow && nearestIntensity(m_pLevelLaserPlummetModel->GetLaserPlummetIntensity()) == m_iPlummetPreset;
}

LevelWidgetC* LevelLaserPlummetPanelC::getRoundBubble() const
{
    return m_pRoundBubble;
}

LevelWidgetC* LevelLaserPlummetPanelC::getVerticalBubble() const
{
    return m_pVerticalBubble;
}

LevelWidgetC* LevelLaserPlummetPanelC::getHorizontalBubble() const
{
    return m_pHorizontalBubble;
}

V40::GUI::HLabeledWidgetC* LevelLaserPlummetPanelC::getLRow() const
{
    return m_pLRow;
}

V40::GUI::HLabeledWidgetC* LevelLaserPlummetPanelC::getTRow() const
{
    return m_pTRow;
}

V40::GUI::ComboWidgetC* LevelLaserPlummetPanelC::getPlummetInputWidget() const
{
    return m_pPlummetInputWidget;
}

void LevelLaserPlummetPanelC::onInclinationsChanged(double dLInclination, double dTInclination)
{
    for (LevelWidgetC* pBubble : {m_pRoundBubble, m_pVerticalBubble, m_pHorizontalBubble})
        pBubble->setInclinations(dLInclination, dTInclination);
    if (!m_pRoundBubble->isValid()) {
        onInclinationsInvalid();
        return;
    }
    const QList<QPair<V40::GUI::HLabeledWidgetC*, double>> lstRows{{m_pLRow, dLInclination}, {m_pTRow, dTInclination}};
    for (const auto& rRow : lstRows) {
        V40::GUI::AbstractValueWidgetC* pField = rRow.first->getValueWidget();
        pField->setValue(rRow.second);
        // Also after the row was cleared for a value it still holds.
        pField->refresh();
    }
    m_bShowingValues = true;
}

void LevelLaserPlummetPanelC::onInclinationsInvalid()
{
    for (LevelWidgetC* pBubble : {m_pRoundBubble, m_pVerticalBubble, m_pHorizontalBubble})
        pBubble->setInvalid();
    for (V40::GUI::HLabeledWidgetC* pRow : {m_pLRow, m_pTRow}) {
        if (auto* pField = qobject_cast<V40::GUI::ValueWidgetC*>(pRow->getValueWidget()))
            pField->setDisplayValue(QString(""));
    }
    m_bShowingValues = false;
}

void LevelLaserPlummetPanelC::onLaserPlummetIntensityChanged()
{
    if (m_pPlummetInputWidget)
        emit laserPlummetIntensityChanged(m_pPlummetInputWidget->getValue().toInt());
}

} // namespace APP
} // namespace KTX
