#include "V40_GUI_ComboWidget.h"

#include "V40_GUI_PlainLabel.h"
#include "V40_GUI_PushButtonBase.h"
#include "V40_GUI_UTI_Trace.h"
#include "V40/GUI/UTI/V40_GUI_UTI_StaticText.h"

#include "Ferrolib/BSS_Assert.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>

#define V40_GUI_REPORT(text) BSS_ASSERT_REPORT((text), "V40_GUI_ComboWidget", __LINE__)

namespace V40 {
namespace GUI {

ComboWidgetC::ComboWidgetC(ValueModelC* pModel, int iMode, QWidget* parent)
    : ValueWidgetC(pModel, iMode, parent, false)
    , m_iCurrentIndex(-1)
{
    m_pValueLabel = new PlainLabelC(this);
    m_pValueLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pValueLabel->setIndent(4); // where the text of a line edit starts
    m_pValueLabel->setAutoFillBackground(true);
    m_pValueLabel->setPalette(fieldPalette(false));
    m_pSwitchBtn = new PushButtonBaseC(QStringLiteral(":/Images/IconTabShowNext.bmp"), this);
    if (QHBoxLayout* pLayout = getLayout()) {
        pLayout->addWidget(m_pValueLabel, 1);
        pLayout->addWidget(m_pSwitchBtn);
    }
    connect(this, SIGNAL(arrowLeft()), this, SLOT(decrementIndex()));
    connect(this, SIGNAL(arrowRight()), this, SLOT(incrementIndex()));
    applyMode();
}

ComboWidgetC::ComboWidgetC(QWidget* parent)
    : ComboWidgetC(nullptr, MODE_EDITABLE, parent)
{
}

ComboWidgetC::~ComboWidgetC() = default;

void ComboWidgetC::addItem(const QString& strText, const QVariant& rvarValue)
{
    m_lstEntries.append(EntryS{strText, rvarValue});
    fitWidth(m_lstEntries.size() - 1);
    if (m_iCurrentIndex < 0 && rvarValue == getValue())
        setCurrentIndex(m_lstEntries.size() - 1);
}

int ComboWidgetC::count() const
{
    return m_lstEntries.size();
}

int ComboWidgetC::getCurrentIndex() const
{
    return m_iCurrentIndex;
}

QString ComboWidgetC::itemText(int iIndex) const
{
    return (iIndex >= 0 && iIndex < m_lstEntries.size()) ? m_lstEntries.at(iIndex).strText : QString();
}

QVariant ComboWidgetC::itemValue(int iIndex) const
{
    return (iIndex >= 0 && iIndex < m_lstEntries.size()) ? m_lstEntries.at(iIndex).varValue : QVariant();
}

QString ComboWidgetC::getTextForValue(const QVariant& rvarValue) const
{
    const int iIndex = indexOfValue(rvarValue);
    if (iIndex < 0) {
        V40_GUI_REPORT("Unknown or invalid value.");
        return QString();
    }
    return m_lstEntries.at(iIndex).strText;
}

QVariant ComboWidgetC::getValueForText(const QString& strText) const
{
    for (const EntryS& rEntry : m_lstEntries) {
        if (rEntry.strText == strText)
            return rEntry.varValue;
    }
    V40_GUI_REPORT("Unknown or invalid value.");
    return QVariant();
}

QLabel* ComboWidgetC::getValueLabel() const
{
    return m_pValueLabel;
}

QPushButton* ComboWidgetC::getSwitchButton() const
{
    return m_pSwitchBtn;
}

void ComboWidgetC::refresh()
{
    if (m_lstEntries.isEmpty())
        return;
    int iIndex = indexOfValue(getValue());
    if (iIndex < 0) {
        V40_GUI_REPORT("Unknown value.");
        iIndex = 0;
    }
    if (iIndex != m_iCurrentIndex) {
        setCurrentIndex(iIndex);
        return;
    }
    // The entry is already chosen but the model holds a value of no entry: what is shown is
    // what the model holds.
    if (!isInSync())
        setValue(m_lstEntries.at(iIndex).varValue);
    setDisplayValue(m_lstEntries.at(iIndex).strText);
}

QVariant ComboWidgetC::getDisplayValue() const
{
    return itemText(m_iCurrentIndex);
}

void ComboWidgetC::setDisplayValue(const QVariant& rvarDisplayValue)
{
    if (!rvarDisplayValue.isValid()) {
        V40_GUI_REPORT("varDisplayValue.isValid()");
        return;
    }
    if (!m_pValueLabel) {
        V40_GUI_REPORT("pValueLabel");
        return;
    }
    m_pValueLabel->setText(rvarDisplayValue.toString());
}

QVariant ComboWidgetC::modelToDisplayValue(const QVariant& rvarModelValue) const
{
    return getTextForValue(rvarModelValue);
}

QVariant ComboWidgetC::displayToModelValue(const QVariant& rvarDisplayValue) const
{
    return getValueForText(rvarDisplayValue.toString());
}

bool ComboWidgetC::isInSync() const
{
    if (m_lstEntries.isEmpty())
        return true;
    return m_iCurrentIndex >= 0 && m_lstEntries.at(m_iCurrentIndex).varValue == getValue();
}

bool ComboWidgetC::isAcceptable() const
{
    return m_iCurrentIndex >= 0 && m_iCurrentIndex < m_lstEntries.size();
}

QWidget* ComboWidgetC::getEditor() const
{
    return m_pValueLabel;
}

void ComboWidgetC::setHighlighted(bool bHighlighted)
{
    if (m_pValueLabel)
        m_pValueLabel->setPalette(fieldPalette(bHighlighted));
}

void ComboWidgetC::applyMode()
{
    ValueWidgetC::applyMode();
    if (!m_pSwitchBtn) {
        V40_GUI_REPORT("m_pSwitchBtn");
        return;
    }
    if (getMode() == MODE_EDITABLE)
        connect(m_pSwitchBtn, SIGNAL(clicked()), this, SLOT(OnSwitchButtonClicked()), Qt::UniqueConnection);
    else
        disconnect(m_pSwitchBtn, SIGNAL(clicked()), this, SLOT(OnSwitchButtonClicked()));
}

void ComboWidgetC::setCurrentIndex(int iIndex)
{
    if (iIndex < 0 || iIndex >= m_lstEntries.size()) {
        V40_GUI_REPORT("Index out of range.");
        return;
    }
    if (iIndex == m_iCurrentIndex)
        return;
    m_iCurrentIndex = iIndex;
    const EntryS oEntry = m_lstEntries.at(iIndex);
    setValue(oEntry.varValue);
    setDisplayValue(oEntry.strText);
    emit valueChanged();
}

void ComboWidgetC::incrementIndex()
{
    if (m_lstEntries.isEmpty())
        return;
    setCurrentIndex((m_iCurrentIndex + 1) % m_lstEntries.size());
}

void ComboWidgetC::decrementIndex()
{
    if (m_lstEntries.isEmpty())
        return;
    setCurrentIndex(m_iCurrentIndex <= 0 ? m_lstEntries.size() - 1 : m_iCurrentIndex - 1);
}

void ComboWidgetC::OnSwitchButtonClicked()
{
    setFocus(Qt::OtherFocusReason);
    incrementIndex();
}

void ComboWidgetC::changeEvent(QEvent* pEvent)
{
    // The widths were measured in the old font.
    if (pEvent->type() == QEvent::FontChange && m_pValueLabel)
        fitWidth();
    ValueWidgetC::changeEvent(pEvent);
}

int ComboWidgetC::indexOfValue(const QVariant& rvarValue) const
{
    if (!rvarValue.isValid())
        return -1;
    for (int iIndex = 0; iIndex < m_lstEntries.size(); ++iIndex) {
        if (m_lstEntries.at(iIndex).varValue == rvarValue)
            return iIndex;
    }
    return -1;
}

void ComboWidgetC::fitWidth(int iFrom)
{
    if (!m_pValueLabel) {
        V40_GUI_REPORT("pValueLabel");
        return;
    }
    const QFont oFont = m_pValueLabel->font();
    const QMargins oMargins = m_pValueLabel->contentsMargins();
    const int iFrame = oMargins.left() + oMargins.right() + 2 * m_pValueLabel->margin()
        + qMax(0, m_pValueLabel->indent());
    if (iFrom == 0)
        m_iWidestText = 0;
    for (int iIndex = iFrom; iIndex < m_lstEntries.size(); ++iIndex)
        m_iWidestText = qMax(m_iWidestText, UTI::textAdvance(m_lstEntries.at(iIndex).strText, oFont));
    const int iWidth = m_lstEntries.isEmpty() ? 0 : m_iWidestText + iFrame;
    if (iWidth == m_pValueLabel->minimumWidth())
        return;
    m_pValueLabel->setMinimumWidth(iWidth);
    V40_TRACE << QStringLiteral("ComboWidget: new minimum width: %1\n").arg(iWidth);
}

} // namespace GUI
} // namespace V40
