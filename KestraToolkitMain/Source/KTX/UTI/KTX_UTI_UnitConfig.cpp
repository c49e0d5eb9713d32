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
    loadRecord();
}

UnitConfigC::LoadResultE UnitConfigC::loadRecord()
{
    setToDefault();

    // The handle is released when the record goes out of scope, on every path.
    CCF::ConfigRecordC oRecord(RECORD_ID1, RECORD_ID2);
    if (!oRecord.openRead())
        return oRecord.isPresent() ? LOAD_DAMAGED : LOAD_MISSING;
    int iVersion = 0;
    if (!oRecord.readVersion(iVersion) || iVersion < 1) {
        trace().write("Unit configuration record of version %d is unusable, using factory units\n", iVersion);
        return LOAD_DAMAGED;
    }

    // Read everything first: a record shorter than its version promises is damaged, and half of
    // it must not be mixed with factory values.
    int aiFields[5] = {};
    bool bComplete = true;
    for (int i = 0; i < 4; ++i)
        bComplete = bComplete && oRecord.readInt(aiFields[i]);
    aiFields[4] = m_iDateFormat;
    if (bComplete && iVersion >= 2)
        bComplete = oRecord.readInt(aiFields[4]);
    if (!bComplete) {
        trace().write("Unit configuration record of version %d is incomplete, "
                      "using factory units\n",
                      iVersion);
        return LOAD_DAMAGED;
    }
    // A code outside its table would show as "----" in every value widget.
    static const int s_aiLast[5] = {DU_UsFootInch16th, AU_Mil, TU_Fahrenheit, PU_Hectopascal,
                                    DateC::DF_YearMonthDay};
    for (int i = 0; i < 5; ++i) {
        if (aiFields[i] < 1 || aiFields[i] > s_aiLast[i]) {
            trace().write("Unit configuration record holds codes outside their tables (%d, %d, %d, %d, %d), "
                          "using factory units\n",
                          aiFields[0], aiFields[1], aiFields[2], aiFields[3], aiFields[4]);
            return LOAD_DAMAGED;
        }
    }

    m_iDistanceUnit = aiFields[0];
    m_iAngleUnit = aiFields[1];
    m_iTemperatureUnit = aiFields[2];
    m_iPressureUnit = aiFields[3];
    m_iDateFormat = aiFields[4];
    return LOAD_STORED;
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
