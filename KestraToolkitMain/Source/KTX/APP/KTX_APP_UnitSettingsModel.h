#pragma once
// The display units of the unit settings panel, read from and written to the stored unit
// configuration. Each value is the unit code of the unit converter as an int.
#include "V40_GUI_SettingsModel.h"

#include <QList>
#include <QPair>
#include <QString>

namespace KTX {
namespace APP {

class UnitSettingsModelC : public V40::GUI::SettingsModelC
{
    Q_OBJECT

public:
    enum KeyE
    {
        KEY_ANGLE_UNIT = 0,
        KEY_DISTANCE_UNIT = 1,
        KEY_TEMPERATURE_UNIT = 2,
        KEY_PRESSURE_UNIT = 3
    };

    explicit UnitSettingsModelC(QObject* parent = nullptr);
    ~UnitSettingsModelC() override;

    // The four units of the stored configuration (factory units when there is none).
    bool readValues() override;
    // The four units into the stored configuration; its date format stays as stored.
    bool writeValues() override;

    // The choices of a key in the order the user sees them: (item text, unit code).
    static QList<QPair<QString, int>> getUnitItems(int iKey);

    // The item text of a unit code; an unknown code reports "false" and gives an empty text.
    static QString getAngleUnitText(int iUnit);
    static QString getDistanceUnitText(int iUnit);
    static QString getTemperatureUnitText(int iUnit);
    static QString getPressureUnitText(int iUnit);

private:
    static QString getUnitText(int iKey, int iUnit, int iLine);
    // The value of a key as a unit code; iFallback when it holds none.
    int unitValue(int iKey, int iFallback) const;
};

} // namespace APP
} // namespace KTX
