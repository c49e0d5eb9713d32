#pragma once
// The atmospheric correction of the atmospheric settings panel: height, temperature, pressure,
// humidity, the resulting ppm and the refraction coefficient with its switch, read from and written
// to the instrument's correction data and refraction configuration. Height and pressure are two
// ways of entering the same air pressure; the ppm follows the air.
#include "V40_GUI_SettingsModel.h"

namespace KTX {

class ObserverC;

namespace APP {

class AtmosphericSettingsModelC : public V40::GUI::SettingsModelC
{
    Q_OBJECT

public:
    // Internal units: metres, degrees Celsius, millibar, percent, ppm.
    enum KeyE
    {
        KEY_HEIGHT = 0,
        KEY_TEMPERATURE = 1,
        KEY_PRESSURE = 2,
        KEY_HUMIDITY = 3,
        KEY_PPM = 4,
        KEY_REFRACTION_COEFFICIENT = 5,
        KEY_USE_REFRACTION = 6
    };

    explicit AtmosphericSettingsModelC(QObject* parent = nullptr);
    ~AtmosphericSettingsModelC() override;

    bool readValues() override;
    bool writeValues() override;

    // The ppm of the air held by keys 0 to 3; false when one of them holds no value or the
    // atmosphere has none for it.
    bool computePpm(double& rdPpm) const;

public slots:
    // Couples height and pressure and recomputes the ppm.
    void OnValueChanged(int iKey);
    // The correction data changed elsewhere on the instrument: the screen shows it at once.
    void onConfigurationChanged(int iNotification);

private:
    bool doubleValue(int iKey, double& rdValue) const;
    // Sets iTargetKey to what fnConvert makes of iSourceKey; when it cannot, beeps and takes the
    // change of iSourceKey back. False when the change was taken back.
    bool couple(int iSourceKey, int iTargetKey, bool (*fnConvert)(double, double&));

    ObserverC* m_pObserver;
    // While one of height and pressure is set from the other, the other is not set back.
    bool m_bCoupling;
};

} // namespace APP
} // namespace KTX
