#include "KPN_SettingControl.h"

#include "SimInstrument/VSIM_Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace KPN {

SettingControlC::SettingControlC(const VSIM::SettingS& rSetting, QWidget* pParent)
    : QWidget(pParent)
    , m_strKey(rSetting.strKey)
{
    auto* pLayout = new QHBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    setToolTip(QStringLiteral("%1 (%2, %3): %4").arg(rSetting.strKey, rSetting.strUnit, VSIM::rangeText(rSetting),
                                                     rSetting.strDescription));
    if (rSetting.eWriter == VSIM::WRITER_INSTRUMENT) {
        m_pLabel = new QLabel(this);
        m_pLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
        pLayout->addWidget(m_pLabel);
    } else if (rSetting.eType == VSIM::SETTING_BOOL) {
        m_pCheckBox = new QCheckBox(this);
        pLayout->addWidget(m_pCheckBox);
        connect(m_pCheckBox, &QCheckBox::toggled, this,
                [this](bool bChecked) { write(bChecked ? QStringLiteral("1") : QStringLiteral("0")); });
    } else if (!rSetting.lstChoices.isEmpty()) {
        m_pComboBox = new QComboBox(this);
        m_pComboBox->addItems(rSetting.lstChoices);
        pLayout->addWidget(m_pComboBox);
        connect(m_pComboBox, &QComboBox::textActivated, this, &SettingControlC::write);
    } else {
        m_pLineEdit = new QLineEdit(this);
        pLayout->addWidget(m_pLineEdit);
        connect(m_pLineEdit, &QLineEdit::editingFinished, this, [this] {
            if (m_pLineEdit->isModified())
                write(m_pLineEdit->text().trimmed());
        });
    }
    if (rSetting.strUnit != QLatin1String("bool") && rSetting.strUnit != QLatin1String("text")
        && rSetting.strUnit != QLatin1String("number"))
        pLayout->addWidget(new QLabel(rSetting.strUnit, this));
    pLayout->addStretch();
    refresh();
}

void SettingControlC::refresh()
{
    const QString strText = VSIM::SettingsC::textValue(m_strKey);
    if (m_pCheckBox) {
        const QSignalBlocker oBlocker(m_pCheckBox);
        m_pCheckBox->setChecked(VSIM::SettingsC::boolValue(m_strKey));
    } else if (m_pComboBox) {
        const QSignalBlocker oBlocker(m_pComboBox);
        m_pComboBox->setCurrentText(strText);
    } else if (m_pLineEdit) {
        // Not under the user's typing: a change elsewhere waits until the field is left.
        if (!m_pLineEdit->hasFocus() || !m_pLineEdit->isModified()) {
            m_pLineEdit->setText(strText);
            m_pLineEdit->setCursorPosition(0);
        }
    } else {
        m_pLabel->setText(strText.isEmpty() ? tr("(none)") : strText);
    }
}

void SettingControlC::write(const QString& strText)
{
    QString strError;
    if (!VSIM::SettingsC::setValue(m_strKey, strText, VSIM::WRITER_USER, &strError))
        emit refused(strError);
    if (m_pLineEdit)
        m_pLineEdit->setModified(false);
    refresh();
}

} // namespace KPN
