#include "KTX/UTI/KTX_UTI_UnitConfig.h"

#include "KTX/UTI/KTX_UTI_Date.h"
#include "KTX/UTI/KTX_UTI_UnitConverter.h"

#include "Ferrolib/BSS_Trace.h"
#include "Marrowlib/CCF_ConfigRecord.h"

namespace KTX {
namespace UTI {

namespace {

BSS::TraceChannelC& trace()
{
    static BSS::TraceChannelC s_oTrace("KestraToolkit");
    return s_oTrace;
}

} // namespace

void UnitConfigC::load()
{
    setToDefault();

    // The handle is released when the record goes out of scope, on every path.
    CCF::ConfigRecordC oRecord(RECORD_ID1, RECORD_ID2);
    if (!oRecord.openRead())
        return;
    int iVersion = 0;
    if (!oRecord.readVersion(iVersion) || iVersion < 1)
        return;

    // Read everything first: a record shorter than its version promises is damaged, and half of
    // it must not be mixed with factory values.
    int aiUnits[4] = {};
    bool bComplete = true;
    for (int& riUnit : aiUnits)
        bComplete = bComplete && oRecord.readInt(riUnit);
    int iDateFormat = m_iDateFormat;
    if (bComplete && iVersion >= 2)
        bComplete = oRecord.readInt(iDateFormat);
    if (!bComplete) {
        trace().write("Unit configuration record of version %d is incomplete, "
                      "using factory units\n",
                      iVersion);
        return;
    }

    m_iDistanceUnit = aiUnits[0];
    m_iAngleUnit = aiUnits[1];
    m_iTemperatureUnit = aiUnits[2];
    m_iPressureUnit = aiUnits[3];
    m_iDateFormat = iDateFormat;
}

bool UnitConfigC::save()
{
    CCF::ConfigRecordC oRecord(RECORD_ID1, RECORD_ID2);
    if (!oRecord.beginWrite(RECORD_VERSION))
        return false;
    // One commit for all five fields, so the store holds either the old record or the new one.
    const int aiFields[] = {m_iDistanceUnit, m_iAngleUnit, m_iTemperatureUnit, m_iPressureUnit,
                            m_iDateFormat};
    for (int iField : aiFields) {
        if (!oRecord.writeInt(iField))
            return false;
    }
    return oRecord.commit();
}

void UnitConfigC::setToDefault()
{
    m_iDistanceUnit = DU_Metre;
    m_iAngleUnit = AU_Gon;
    m_iTemperatureUnit = TU_Celsius;
    m_iPressureUnit = PU_Hectopascal;
    m_iDateFormat = DateC::DF_DayMonthYear;
}

} // namespace UTI
} // namespace KTX
