#include "KTX/APP/KTX_APP_SystemInformationModel.h"

#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"
#include "Gaugelib/SDR_VersionRecord.h"
#include "Marrowlib/CCF_OptionRegistry.h"
#include "Quillbase/CMN_SystemInformation.h"
#include "Stadion/VMN_InstrumentInfo.h"
#include "Stadion/VMN_OrlinStatusController.h"
#include "Stadion/VMN_OrlinSystemAccessor.h"

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_SystemInformationModel", __LINE__)

namespace KTX {
namespace APP {

namespace {

namespace TK = V40::LNG::TK;

// The version of this toolkit, given by the build.
const SDR::VersionRecordC s_oToolkitVersion(KESTRA_VERSION_MAJOR, KESTRA_VERSION_MINOR, KESTRA_VERSION_BUILD);

QString option(int iOption)
{
    return SystemInformationModelC::formatYesNo(CCF::OptionRegistryC::isInstalled(iOption));
}

} // namespace

SystemInformationModelC::SystemInformationModelC(QObject* parent)
    : QObject(parent)
{
    QString strText;
    if (CMN::getInstrumentModelName(strText) == CMN::RC_SYSINFO_OK)
        m_strInstrumentModel = strText;
    int iNumber = 0;
    if (CMN::getSerialNumber(iNumber) == CMN::RC_SYSINFO_OK)
        m_strSerialNumber = QString::asprintf("%d", iNumber);
    if (CMN::getEquipmentNumber(strText) == CMN::RC_SYSINFO_OK)
        m_strEquipmentNumber = strText;

    // The instrument's own data; the flags of the option rows are read once, here.
    VMN::InstrumentInfoC oInformation;
    bool bInformation = false;
    if (VMN::OrlinStatusControllerC* pStatusController = VMN::OrlinSystemAccessorC::getOrlinStatusController())
        bInformation = pStatusController->getInstrumentInfo(oInformation) == VMN::OrlinStatusControllerC::RC_OK;
    else
        KTX_APP_REPORT("0 != pStatusController");
    if (bInformation) {
        m_strAngleAccuracy = formatAngleAccuracy(oInformation.getAngleAccuracy());
        m_strEdm = formatDistanceMeterType(oInformation.getDistanceMeterType());
    }
    const bool bOverviewCamera = bInformation && oInformation.hasOption(VMN::InstrumentInfoC::OPTION_OVERVIEW_CAMERA);
    m_strTrevo360 = formatYesNo(bInformation && oInformation.hasOption(VMN::InstrumentInfoC::OPTION_TREVO360));
    m_strOverviewCamera = formatYesNo(bOverviewCamera);

    m_strToolkitVersion = formatVersion("%1d.%02d.%d", s_oToolkitVersion);
    m_strWinCEVersion = componentVersion(CMN::COMPONENT_OPERATING_SYSTEM, "%1d.%02d.%03d");
    m_strBootVersion = componentVersion(CMN::COMPONENT_BOOT, "%1d.%02d");
    m_strEfiVersion = componentVersion(CMN::COMPONENT_FIRMWARE, "%d.%02d.%d");
    m_strSbVersion = componentVersion(CMN::COMPONENT_SENSOR_BOARD, "%1d.%1d.%d");
    m_strEdmVersion = componentVersion(CMN::COMPONENT_DISTANCE_METER, "%1d.%1d.%d");
    m_strKdmVersion = componentVersion(CMN::COMPONENT_KEYBOARD_DISPLAY, "%1d.%1d.%d");
    if (bOverviewCamera)
        m_strOvcVersion = componentVersion(CMN::COMPONENT_OVERVIEW_CAMERA, "%1d.%1d.%d");

    m_strExtendedRobotic = option(CCF::OPTION_EXTENDED_ROBOTIC);
    m_strVirtualRobotic = option(CCF::OPTION_VIRTUAL_ROBOTIC);
    m_strVantis360 = option(CCF::OPTION_VANTIS360);
    m_strProductionFlag = option(CCF::OPTION_PRODUCTION);
    m_strImaging = option(CCF::OPTION_IMAGING);
    m_strVideo = option(CCF::OPTION_VIDEO);
}

SystemInformationModelC::~SystemInformationModelC() = default;

QString SystemInformationModelC::formatAngleAccuracy(double dArcSeconds)
{
    // Whole seconds go without decimals, the others with one. (Plain %f always shows six
    // decimals, so its text cannot tell a whole number.)
    const QString strOneDecimal = QString::asprintf("%.1f", dArcSeconds);
    const QString strNumber = strOneDecimal.endsWith(QLatin1String(".0")) ? QString::asprintf("%.0f", dArcSeconds)
                                                                          : strOneDecimal;
    return strNumber + QLatin1Char('"');
}

QString SystemInformationModelC::formatDistanceMeterType(int iType)
{
    switch (iType) {
    case VMN::InstrumentInfoC::DISTANCE_METER_STANDARD:
        return V40::LNG::getTextToken(TK::Systeminformation_StandardEDM);
    case VMN::InstrumentInfoC::DISTANCE_METER_LONG_RANGE:
        return V40::LNG::getTextToken(TK::Systeminformation_LongRangeEDM);
    case VMN::InstrumentInfoC::DISTANCE_METER_NONE:
        break;
    default:
        KTX_APP_REPORT("Unknown distance meter type.");
        break;
    }
    return V40::LNG::getTextToken(TK::Functionkey_NO);
}

QString SystemInformationModelC::formatVersion(const char* szPattern, const SDR::VersionRecordC& rVersion)
{
    // Patterns with fewer fields leave the build unused.
    return QString::asprintf(szPattern, int(rVersion.getMajor()), int(rVersion.getMinor()), int(rVersion.getBuild()));
}

QString SystemInformationModelC::formatYesNo(bool bYes)
{
    return V40::LNG::getTextToken(bYes ? TK::Functionkey_YES : TK::Functionkey_NO);
}

QString SystemInformationModelC::componentVersion(int iComponent, const char* szPattern)
{
    SDR::VersionRecordC oVersion;
    if (CMN::getComponentVersion(iComponent, oVersion) != CMN::RC_SYSINFO_OK)
        return QString();
    return formatVersion(szPattern, oVersion);
}

} // namespace APP
} // namespace KTX
