#pragma once
// The control of one simulator setting, made from its row of the setting table: a check box for
// a yes/no setting, a choice for one of a few values, a field for the others, a read-only text
// for what only the instrument writes. A change is written at once; a refused value is reported
// and the control shows the stored value again.
#include "SimInstrument/VSIM_SettingTable.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace KPN {

class SettingControlC : public QWidget
{
    Q_OBJECT

public:
    SettingControlC(const VSIM::SettingS& rSetting, QWidget* pParent = nullptr);

    const QString& key() const { return m_strKey; }
    // Shows the stored value (after a change made elsewhere).
    void refresh();

signals:
    void refused(const QString& strMessage);

private:
    void write(const QString& strText);

    QString m_strKey;
    QCheckBox* m_pCheckBox = nullptr;
    QComboBox* m_pComboBox = nullptr;
    QLineEdit* m_pLineEdit = nullptr;
    QLabel* m_pLabel = nullptr;
};

} // namespace KPN
