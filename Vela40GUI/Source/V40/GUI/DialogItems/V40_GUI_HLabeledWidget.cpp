#include "V40_GUI_HLabeledWidget.h"

#include "V40_GUI_AbstractValueWidget.h"
#include "V40/GUI/DialogItems/V40_GUI_LabeledRow.h"

#include "Ferrolib/BSS_Assert.h"

#include <QHBoxLayout>
#include <QLabel>

#define V40_GUI_REPORT(text) BSS_ASSERT_REPORT((text), "V40_GUI_HLabeledWidget", __LINE__)

namespace V40 {
namespace GUI {

namespace {
// Captions of one panel line up in a column as long as they fit.
constexpr int kCaptionWidth = 250;
constexpr int kUnitIndent = 8;
} // namespace

HLabeledWidgetC::HLabeledWidgetC(const QString& strCaption, AbstractValueWidgetC* pValueWidget, QWidget* parent)
    : QWidget(parent)
    , m_pWidget(pValueWidget)
    , m_pCaptionLabel(nullptr)
    , m_pUnitLabel(nullptr)
{
    if (!pValueWidget)
        V40_GUI_REPORT("pValueWidget");

    auto* pLayout = new QHBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);
    m_pCaptionLabel = LabeledRow::createLabel(strCaption, pValueWidget, this);
    m_pCaptionLabel->setMinimumWidth(kCaptionWidth);
    pLayout->addWidget(m_pCaptionLabel);
    if (pValueWidget) {
        pLayout->addWidget(pValueWidget);
        setFocusPolicy(Qt::ClickFocus);
        setFocusProxy(pValueWidget);
    }
    m_pUnitLabel = LabeledRow::createLabel(QString(), pValueWidget, this);
    m_pUnitLabel->setIndent(kUnitIndent);
    pLayout->addWidget(m_pUnitLabel);
    pLayout->addItem(new QSpacerItem(1, 1, QSizePolicy::Expanding, QSizePolicy::Minimum));
    updateUnitText();
}

HLabeledWidgetC::~HLabeledWidgetC() = default;

AbstractValueWidgetC* HLabeledWidgetC::getValueWidget() const
{
    return m_pWidget;
}

QLabel* HLabeledWidgetC::getCaptionLabel() const
{
    return m_pCaptionLabel;
}

QLabel* HLabeledWidgetC::getUnitLabel() const
{
    return m_pUnitLabel;
}

void HLabeledWidgetC::updateUnitText()
{
    const QString strUnit = m_pWidget ? m_pWidget->getUnitText() : QString();
    m_pUnitLabel->setText(strUnit);
    m_pUnitLabel->setVisible(!strUnit.isEmpty());
}

void HLabeledWidgetC::showEvent(QShowEvent* pEvent)
{
    updateUnitText();
    QWidget::showEvent(pEvent);
}

} // namespace GUI
} // namespace V40
