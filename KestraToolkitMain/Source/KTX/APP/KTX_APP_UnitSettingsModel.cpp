#include "KTX/APP/KTX_APP_UnitSettingsModel.h"

#include "KTX/UTI/KTX_UTI_UnitConfig.h"
#include "KTX/UTI/KTX_UTI_UnitConverter.h"

#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"

namespace KTX {
namespace APP {

namespace {

const char* const s_strSource = "KTX_APP_UnitSettingsModel";
const QChar s_cDegreeSign(0xB0);

struct UnitItemS
{
    int iToken;
    int iUnit;
};

QString itemText(const UnitItemS& rItem)
{
    const QString strText = V40::LNG::getTextToken(rItem.iToken);
    // The degree items are "%1'\"", "%1C" and "%1F".
    return strText.contains(QLatin1String("%1")) ? strText.arg(s_cDegreeSign) : strText;
}

QList<UnitItemS> unitItemTable(int iKey)
{
    namespace TK = V40::LNG::TK;
    switch (iKey) {
    case UnitSettingsModelC::KEY_ANGLE_UNIT:
        return {{TK::UnitSettings_Gon, UTI::AU_Gon}, {TK::UnitSettings_Deg, UTI::AU_Degree}, {TK::UnitSettings_Mil, UTI::AU_Mil}, {TK::UnitSettings_Text76, UTI::AU_DegreeMinuteSecond}};
    case UnitSettingsModelC::KEY_DISTANCE_UNIT:
        return {{TK::UnitSettings_Meter, UTI::DU_Metre},
                {TK::UnitSettings_USFt, UTI::DU_UsSurveyFoot},
                {TK::UnitSettings_INTFt, UTI::DU_InternationalFoot},
                {TK::UnitSettings_FtIn16, UTI::DU_UsFootInch16th}};
    case UnitSettingsModelC::KEY_TEMPERATURE_UNIT:
        return {{TK::UnitSettings_C, UTI::TU_Celsius}, {TK::UnitSettings_F, UTI::TU_Fahrenheit}};
    case UnitSettingsModelC::KEY_PRESSURE_UNIT:
        return {{TK::UnitSettings_HPa, UTI::PU_Hectopascal}, {TK::UnitSettings_Mbar, UTI::PU_Millibar}, {TK::UnitSettings_MmHg, UTI::PU_MmHg}, {TK::UnitSettings_InHg, UTI::PU_InHg}};
    default:
        return {};
    }
}

} // namespace

UnitSettingsModelC::UnitSettingsModelC(QObject* parent)
    : V40::GUI::SettingsModelC(parent)
{
}

UnitSettingsModelC::~UnitSettingsModelC() = default;

bool UnitSettingsModelC::readValues()
{
    UTI::UnitConfigC oConfig;
    // The factory units shown in place of a damaged record are what OK is to store.
    if (oConfig.loadRecord() == UTI::UnitConfigC::LOAD_DAMAGED)
        markReadValuesUnstored();
    setValue(KEY_DISTANCE_UNIT, oConfig.getDistanceUnit());
    setValue(KEY_ANGLE_UNIT, oConfig.getAngleUnit());
    setValue(KEY_TEMPERATURE_UNIT, oConfig.getTemperatureUnit());
    setValue(KEY_PRESSURE_UNIT, oConfig.getPressureUnit());
    return true;
}

bool UnitSettingsModelC::writeValues()
{
    // Loaded first: the date format belongs to the date settings and is written back unchanged.
    UTI::UnitConfigC oConfig;
    oConfig.load();
    oConfig.setDistanceUnit(unitValue(KEY_DISTANCE_UNIT, oConfig.getDistanceUnit()));
    oConfig.setAngleUnit(unitValue(KEY_ANGLE_UNIT, oConfig.getAngleUnit()));
    oConfig.setTemperatureUnit(unitValue(KEY_TEMPERATURE_UNIT, oConfig.getTemperatureUnit()));
    oConfig.setPressureUnit(unitValue(KEY_PRESSURE_UNIT, oConfig.getPressureUnit()));
    return oConfig.save();
}

int UnitSettingsModelC::unitValue(int iKey, int iFallback) const
{
    // A key without a live value model must not write "no unit" into the record.
    bool bOk = false;
    const int iUnit = getValue(iKey).toInt(&bOk);
    return bOk ? iUnit : iFallback;
}

QList<QPair<QString, int>> UnitSettingsModelC::getUnitItems(int iKey)
{
    QList<QPair<QString, int>> listItems;
    const QList<UnitItemS> listTable = unitItemTable(iKey);
    for (const UnitItemS& rItem : listTable)
        listItems.append(qMakePair(itemText(rItem), rItem.iUnit));
    return listItems;
}

QString UnitSettingsModelC::getUnitText(int iKey, int iUnit, int iLine)
{
    const QList<UnitItemS> listTable = unitItemTable(iKey);
    for (const UnitItemS& rItem : listTable) {
        if (rItem.iUnit == iUnit)
            return itemText(rItem);
    }
    BSS_ASSERT_REPORT("false", s_strSource, iLine);
    return QString();
}

QString UnitSettingsModelC::getAngleUnitText(int iUnit)
{
    return getUnitText(KEY_ANGLE_UNIT, iUnit, __LINE__);
}

QString UnitSettingsModelC::getDistanceUnitText(int iUnit)
{
    return getUnitText(KEY_DISTANCE_UNIT, iUnit, __LINE__);
}

QString UnitSettingsModelC::getTemperatureUnitText(int iUnit)
{
    return getUnitText(KEY_TEMPERATURE_UNIT, iUnit, __LINE__);
}

QString UnitSettingsModelC::getPressureUnitText(int iUnit)
{
    return getUnitText(KEY_PRESSURE_UNIT, iUnit, __LINE__);
}

} // namespace APP
} // namespace KTX
