#include "KTX/APP/KTX_APP_DateTimeSettingsModel.h"

#include "KTX/GUI/KTX_GUI_UnitValueModel.h"
#include "KTX/UTI/KTX_UTI_Date.h"
#include "KTX/UTI/KTX_UTI_Time.h"
#include "KTX/UTI/KTX_UTI_UnitConfig.h"

#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"
#include "Ferrolib/BSS_HAL_DateTime.h"

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_DateTimeSettingsModel", __LINE__)

namespace KTX {
namespace APP {

namespace {

const int s_iTickMs = 1000;

} // namespace

DateTimeSettingsModelC::DateTimeSettingsModelC(QObject* parent)
    : V40::GUI::SettingsModelC(parent)
    , m_oTimer(this)
    , m_bDateFollowsClock(true)
    , m_bTimeFollowsClock(true)
    , m_bMissedTicks(false)
{
    connect(this, SIGNAL(valueChanged(int)), this, SLOT(onValueChanged(int)));
}

DateTimeSettingsModelC::~DateTimeSettingsModelC() = default;

QList<int> DateTimeSettingsModelC::dateFormats()
{
    return {UTI::DateC::DF_DayMonthYear, UTI::DateC::DF_MonthDayYear, UTI::DateC::DF_YearMonthDay};
}

QString DateTimeSettingsModelC::getDateFormatText(int iDateFormat)
{
    namespace TK = V40::LNG::TK;
    switch (iDateFormat) {
    case UTI::DateC::DF_DayMonthYear:
        return V40::LNG::getTextToken(TK::DateTimeSettings_DdMmYyyy);
    case UTI::DateC::DF_MonthDayYear:
        return V40::LNG::getTextToken(TK::DateTimeSettings_MmDdYyyy);
    case UTI::DateC::DF_YearMonthDay:
        return V40::LNG::getTextToken(TK::DateTimeSettings_YyyyMmDd);
    default:
        KTX_APP_REPORT("false");
        return QStringLiteral("----");
    }
}

bool DateTimeSettingsModelC::isDateFollowingClock() const
{
    return m_bDateFollowsClock;
}

bool DateTimeSettingsModelC::isTimeFollowingClock() const
{
    return m_bTimeFollowsClock;
}

void DateTimeSettingsModelC::onValueChanged(int iKey)
{
    if (iKey != KEY_DATE_FORMAT)
        return;
    auto* poModel = qobject_cast<GUI::UnitValueModelC*>(getInputModel(KEY_DATE));
    if (!poModel) {
        KTX_APP_REPORT("poModel");
        return;
    }
    poModel->setUnit(getValue(KEY_DATE_FORMAT));
}

void DateTimeSettingsModelC::onDateEdited()
{
    m_bDateFollowsClock = false;
}

void DateTimeSettingsModelC::onTimeEdited()
{
    m_bTimeFollowsClock = false;
}

void DateTimeSettingsModelC::onTimerTick()
{
    const double dNow = BSS::HAL::currentDateTime();
    if (m_bDateFollowsClock) {
        setValue(KEY_DATE, dNow);
        setOriginalToCurrentValue(KEY_DATE);
    }
    if (m_bTimeFollowsClock) {
        setValue(KEY_TIME, dNow);
        setOriginalToCurrentValue(KEY_TIME);
    }
}

bool DateTimeSettingsModelC::readValues()
{
    UTI::UnitConfigC oConfig;
    oConfig.load();
    onTimerTick();
    m_bMissedTicks = false;
    setValue(KEY_DATE_FORMAT, oConfig.getDateFormat());
    return true;
}

void DateTimeSettingsModelC::followClock(bool bFollow)
{
    // A screen built ahead and not shown must not wake the instrument every second.
    if (!bFollow) {
        m_oTimer.stop();
        m_bMissedTicks = true;
        return;
    }
    // Back after a message: the rows catch up with the clock at once.
    if (m_bMissedTicks)
        onTimerTick();
    m_bMissedTicks = false;
    connect(&m_oTimer, SIGNAL(timeout()), this, SLOT(onTimerTick()), Qt::UniqueConnection);
    m_oTimer.start(s_iTickMs);
}

bool DateTimeSettingsModelC::writeValues()
{
    if ((isModified(KEY_DATE) || isModified(KEY_TIME)) && !setClock())
        return false;
    if (isModified(KEY_DATE_FORMAT)) {
        bool bOk = false;
        const int iDateFormat = getValue(KEY_DATE_FORMAT).toInt(&bOk);
        if (!bOk)
            return false;
        UTI::UnitConfigC oConfig;
        oConfig.load();
        oConfig.setDateFormat(iDateFormat);
        if (!oConfig.save())
            return false;
    }
    return true;
}

bool DateTimeSettingsModelC::setClock()
{
    bool bDateOk = false;
    bool bTimeOk = false;
    const double dDate = getValue(KEY_DATE).toDouble(&bDateOk);
    const double dTime = getValue(KEY_TIME).toDouble(&bTimeOk);
    if (!bDateOk || !bTimeOk)
        return false;
    const UTI::DateC oDate = UTI::DateC::fromDateTime(dDate);
    const UTI::TimeC oTime = UTI::TimeC::fromDateTime(dTime);
    BSS::HAL::DateTimeRecordC oRecord;
    oRecord.setDate(oDate.getYear(), oDate.getMonth(), oDate.getDay());
    oRecord.setTime(oTime.getHour(), oTime.getMinute(), oTime.getSecond());
    if (!oRecord.validate() || oRecord.setSystemClock() != 0)
        return false;
    // The clock has taken them: should storing the format fail, a retry must not set the clock
    // again to a time that has gone stale meanwhile.
    setOriginalToCurrentValue(KEY_DATE);
    setOriginalToCurrentValue(KEY_TIME);
    return true;
}

} // namespace APP
} // namespace KTX
