#include "V40_GUI_VLabeledWidget.h"

#include "V40_GUI_AbstractValueWidget.h"
#include "V40/GUI/DialogItems/V40_GUI_LabeledRow.h"

#include "Ferrolib/BSS_Assert.h"

#include <QLabel>
#include <QVBoxLayout>

#define V40_GUI_REPORT(text) BSS_ASSERT_REPORT((text), "V40_GUI_VLabeledWidget", __LINE__)

namespace V40 {
namespace GUI {

VLabeledWidgetC::VLabeledWidgetC(const QString& strCaption, AbstractValueWidgetC* pValueWidget, QWidget* parent)
    : QWidget(parent)
    , m_pWidget(pValueWidget)
    , m_pCaptionLabel(nullptr)
{
    if (!pValueWidget)
        V40_GUI_REPORT("pValueWidget");

    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);
    m_pCaptionLabel = LabeledRow::createLabel(strCaption, pValueWidget, this);
    pLayout->addWidget(m_pCaptionLabel);
    if (pValueWidget) {
        pLayout->addWidget(pValueWidget);
        setFocusPolicy(Qt::ClickFocus);
        setFocusProxy(pValueWidget);
    }
}

VLabeledWidgetC::~VLabeledWidgetC() = default;

AbstractValueWidgetC* VLabeledWidgetC::getValueWidget() const
{
    return m_pWidget;
}

QLabel* VLabeledWidgetC::getCaptionLabel() const
{
    return m_pCaptionLabel;
}

} // namespace GUI
} // namespace V40
