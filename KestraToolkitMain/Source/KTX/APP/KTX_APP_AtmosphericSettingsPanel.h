#pragma once
// The seven rows of the atmospheric settings: height, temperature and pressure in the configured
// units, humidity, the resulting ppm (shown only), the refraction coefficient and its switch.
#include "V40_GUI_SettingsPanel.h"

#include <QList>

namespace KTX {
namespace APP {

class AtmosphericSettingsPanelC : public V40::GUI::SettingsPanelC
{
    Q_OBJECT

public:
    explicit AtmosphericSettingsPanelC(QWidget* parent = nullptr);
    ~AtmosphericSettingsPanelC() override;

    // Built again when the units have changed since.
    bool refresh() override;

protected:
    // An AtmosphericSettingsModelC.
    V40::GUI::SettingsModelC* createModel() override;

private:
    void addUnitRow(int iKey, int iQuantity, int iUnit, double dMinimum, double dMaximum, int iDecimals,
                    const QVariant& rvarDefault, int iLabelToken);
    void addNumberRow(int iKey, double dMinimum, double dMaximum, int iDecimals, const QString& strUnitText,
                      const QVariant& rvarDefault, int iLabelToken, int iMode);
    // Distance, temperature and pressure unit of the configuration now.
    static QList<int> configuredUnits();

    // The units the rows were built with.
    QList<int> m_lstUnits;
};

} // namespace APP
} // namespace KTX
