// Stores one kind of persistent data over and over, alternating between two contents, until it
// is killed (KestraStoreLoop <kind>); or reads what is stored and says whether it is whole, one
// of the two contents (KestraStoreLoop --check <kind>: exit code 0 and "whole A" or "whole B").
// tst_KestraStoreLoop kills it with SIGKILL at random moments, as a power cut would stop the
// instrument. The stores are the ones the applications call.
#include "KTX/LNG/KTX_LNG_LanguageFile.h"
#include "KTX/UTI/KTX_UTI_UnitConfig.h"
#include "LOD/LOD_KestraLanguageLoader.h"

#include "Ferrolib/BSS_HAL_DateTime.h"
#include "Gaugelib/SDR_AtmosphericCorrection.h"
#include "Marrowlib/CCF_ITF_SerialConfiguration.h"
#include "Marrowlib/CCF_RefractionConfig.h"
#include "Marrowlib/CCF_UpdatePath.h"
#include "Quillbase/CMN_FileHeader.h"
#include "Quillbase/CMN_FirmwareAccessor.h"
#include "Quillbase/CMN_Update.h"
#include "SimInstrument/VSIM_Folders.h"
#include "SimInstrument/VSIM_Settings.h"
#include "Stadion/INS_CorrectionData.h"
#include "Stadion/VMN_LaserPlummetSettings.h"
#include "Stadion/VMN_SensorCalibrationParameterSet.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <thread>

namespace {

// Stores content A (bSecond false) or B; true when the store reported success.
using StoreF = std::function<bool(bool bSecond)>;
// "A", "B", or why what is stored is neither.
using CheckF = std::function<QString()>;

struct KindS
{
    StoreF fnStore;
    CheckF fnCheck;
};

QString which(bool bIsA, bool bIsB, const QString& strWhat)
{
    return bIsA ? QStringLiteral("A") : bIsB ? QStringLiteral("B") : strWhat;
}

KTX::UTI::UnitConfigC unitConfig(bool bSecond)
{
    KTX::UTI::UnitConfigC oConfig;
    oConfig.setToDefault();
    if (bSecond)
        oConfig.setDateFormat(3);
    return oConfig;
}

SDR::AtmosphericCorrectionC atmosphere(bool bSecond)
{
    SDR::AtmosphericCorrectionC oData = INS::CorrectionDataC::factoryValues();
    if (bSecond)
        INS::CorrectionDataC::changeAtmosphere(oData, 30.0, 900.0);
    return oData;
}

bool sameAtmosphere(const SDR::AtmosphericCorrectionC& rA, const SDR::AtmosphericCorrectionC& rB)
{
    return rA.getPressure() == rB.getPressure() && rA.getDryTemperature() == rB.getDryTemperature()
        && rA.getWetTemperature() == rB.getWetTemperature() && rA.getPpm() == rB.getPpm();
}

QList<int> serialFields(const CCF::ITF::SerialConfigurationC& rSerial)
{
    unsigned int uBaud = 0;
    bool bParity = false, bOdd = false, bTwoStop = false, bRtsCts = false;
    int iBits = 0;
    const bool bAll = rSerial.getBaudRate(uBaud) && rSerial.getParityEnabled(bParity) && rSerial.getParityOdd(bOdd)
        && rSerial.getDataBits(iBits) && rSerial.getTwoStopBits(bTwoStop) && rSerial.getRtsCtsHandshake(bRtsCts);
    if (!bAll)
        return {};
    return {int(uBaud), bParity, bOdd, iBits, bTwoStop, bRtsCts};
}

CCF::ITF::SerialConfigurationC serialRecord(bool bSecond)
{
    CCF::ITF::SerialConfigurationC oSerial = CCF::ITF::SerialConfigurationC::storedRecord(1);
    if (bSecond) {
        oSerial.setBaudRate(115200);
        oSerial.setParityEnabled(true);
        oSerial.setDataBits(7);
    } else {
        const CCF::ITF::SerialConfigurationC oDefault = CCF::ITF::SerialConfigurationC::defaultRecord();
        unsigned int uBaud = 0;
        int iBits = 0;
        bool bParity = false;
        oDefault.getBaudRate(uBaud);
        oDefault.getDataBits(iBits);
        oDefault.getParityEnabled(bParity);
        oSerial.setBaudRate(uBaud);
        oSerial.setDataBits(iBits);
        oSerial.setParityEnabled(bParity);
    }
    return oSerial;
}

// The two clock settings: a day in 2020 and one in 2030.
double clockDay(bool bSecond)
{
    return bSecond ? 11123.0 : 7305.0; // 2030-06-15, 2020-01-01 (days since 2000-01-01)
}

QString languageDir()
{
    return VSIM::simDataDir() + QStringLiteral("/System/Language");
}

QString firmwareDir()
{
    return VSIM::simDataDir() + QStringLiteral("/System/Firmware");
}

QByteArray firmwareImage(bool bSecond)
{
    return QByteArray(300000, bSecond ? 'b' : 'a');
}

// The files in the folder must each be one of the two contents; at least one is there. What a
// killed writer left under a temporary name is no installed file (the next write removes it).
QString checkFolder(const QString& strDir, const QByteArray& baA, const QByteArray& baB)
{
    QStringList lstFiles = QDir(strDir).entryList(QDir::Files);
    lstFiles.erase(std::remove_if(lstFiles.begin(), lstFiles.end(),
                                  [](const QString& strFile) { return strFile.contains(QLatin1String(".tmp-")); }),
                   lstFiles.end());
    if (lstFiles.isEmpty())
        return QStringLiteral("nothing installed");
    QString strResult;
    for (const QString& strFile : lstFiles) {
        QFile oFile(strDir + '/' + strFile);
        if (!oFile.open(QIODevice::ReadOnly))
            return QStringLiteral("%1 unreadable").arg(strFile);
        const QByteArray baContent = oFile.readAll();
        const QString strOne = which(baContent == baA, baContent == baB, QStringLiteral("%1 is cut (%2 bytes)").arg(strFile).arg(baContent.size()));
        if (strOne.size() > 1)
            return strOne;
        strResult = strOne;
    }
    return strResult;
}

QMap<QString, KindS> kinds(const QString& strTranslation)
{
    QMap<QString, KindS> mapKinds;
    mapKinds["unit"] = {[](bool bSecond) { return unitConfig(bSecond).save(); },
                        [] {
                            KTX::UTI::UnitConfigC oStored;
                            if (oStored.loadRecord() != KTX::UTI::UnitConfigC::LOAD_STORED)
                                return QStringLiteral("record unusable");
                            const auto fnSame = [&oStored](const KTX::UTI::UnitConfigC& rOther) {
                                return oStored.getDistanceUnit() == rOther.getDistanceUnit()
                                    && oStored.getAngleUnit() == rOther.getAngleUnit()
                                    && oStored.getDateFormat() == rOther.getDateFormat();
                            };
                            return which(fnSame(unitConfig(false)), fnSame(unitConfig(true)), QStringLiteral("other units"));
                        }};
    mapKinds["atmospheric"] = {[](bool bSecond) { return INS::CorrectionDataC(1).store(atmosphere(bSecond)) == INS::CorrectionDataC::RC_OK; },
                               [] {
                                   SDR::AtmosphericCorrectionC oStored;
                                   if (INS::CorrectionDataC(1).fetch(oStored) != INS::CorrectionDataC::RC_OK)
                                       return QStringLiteral("record unusable");
                                   return which(sameAtmosphere(oStored, atmosphere(false)), sameAtmosphere(oStored, atmosphere(true)),
                                                QStringLiteral("other values"));
                               }};
    mapKinds["serial"] = {[](bool bSecond) { return serialRecord(bSecond).commit() == 0; },
                          [] {
                              const QList<int> lstStored = serialFields(CCF::ITF::SerialConfigurationC::storedRecord(1));
                              if (lstStored.isEmpty())
                                  return QStringLiteral("record unusable");
                              return which(lstStored == serialFields(serialRecord(false)), lstStored == serialFields(serialRecord(true)),
                                           QStringLiteral("other values"));
                          }};
    mapKinds["refraction"] = {[](bool bSecond) { return CCF::RefractionConfigC().write(!bSecond, bSecond ? 0.2 : 0.13) == 0; },
                              [] {
                                  bool bOn = false;
                                  double dCoefficient = 0.0;
                                  if (CCF::RefractionConfigC().read(bOn, dCoefficient) != CCF::RefractionConfigC::RC_OK)
                                      return QStringLiteral("record unusable");
                                  return which(bOn && dCoefficient == 0.13, !bOn && dCoefficient == 0.2, QStringLiteral("other values"));
                              }};
    // The laser plummet's parameter record; calibration parameters are kept the same way. The
    // platform kind, set before, must survive in the same file.
    mapKinds["laserplummet"] = {[](bool bSecond) {
                                    VMN::LaserPlummetSettingsC oSettings(0);
                                    oSettings.setIntensity(bSecond ? 80 : 20);
                                    return oSettings.save(0) == 0;
                                },
                                [] {
                                    VMN::LaserPlummetSettingsC oSettings(0);
                                    if (oSettings.load(0) != 0)
                                        return QStringLiteral("record unusable");
                                    if (VSIM::SettingsC::intValue(QStringLiteral("Settings/PlatformKind")) != 1)
                                        return QStringLiteral("other settings lost");
                                    return which(oSettings.getIntensity() == 20, oSettings.getIntensity() == 80,
                                                 QStringLiteral("intensity %1").arg(oSettings.getIntensity()));
                                }};
    // A calibration stores every quantity with its statistics at once: all old or all new.
    mapKinds["calibration"] = {[](bool bSecond) {
                                   VMN::SensorCalibrationParameterSetC oSet(1);
                                   if (oSet.load(1) != 0)
                                       return false;
                                   SDR::CalibrationParametersC oParameters = oSet.getParameters();
                                   const double dValue = bSecond ? 2e-4 : -1e-4;
                                   for (int i = 0; i < SDR::CalibrationParametersC::QUANTITY_COUNT; ++i) {
                                       oParameters.setValue(i, dValue * (i + 1));
                                       oParameters.setStatistic(i, {bSecond ? 2.0 : 1.0, 20.0, 1e-5});
                                   }
                                   oParameters.setCalibrationTemperature(bSecond ? 30.0 : 10.0);
                                   oSet.setParameters(oParameters);
                                   return oSet.save(1) == 0;
                               },
                               [] {
                                   VMN::SensorCalibrationParameterSetC oSet(1);
                                   if (oSet.load(1) != 0)
                                       return QStringLiteral("record unusable");
                                   const SDR::CalibrationParametersC oStored = oSet.getParameters();
                                   const auto fnAll = [&oStored](double dValue, double dDateTime, double dTemperature) {
                                       for (int i = 0; i < SDR::CalibrationParametersC::QUANTITY_COUNT; ++i) {
                                           if (oStored.getValue(i) != dValue * (i + 1) || oStored.getStatistic(i).dDateTime != dDateTime)
                                               return false;
                                       }
                                       return oStored.getCalibrationTemperature() == dTemperature;
                                   };
                                   return which(fnAll(-1e-4, 1.0, 10.0), fnAll(2e-4, 2.0, 30.0), QStringLiteral("a mix of old and new"));
                               }};
    mapKinds["clock"] = {[](bool bSecond) {
                             BSS::HAL::DateTimeRecordC oRecord;
                             oRecord.setDate(bSecond ? 2030 : 2020, bSecond ? 6 : 1, bSecond ? 15 : 1);
                             oRecord.setTime(12, 0, 0);
                             return oRecord.setSystemClock() == 0;
                         },
                         [] {
                             const double dDay = std::floor(BSS::HAL::currentDateTime());
                             return which(dDay == clockDay(false), dDay == clockDay(true), QStringLiteral("day %1").arg(dDay));
                         }};
    mapKinds["language"] = {[strTranslation](bool bSecond) {
                                QFile oSource(strTranslation);
                                if (!oSource.open(QIODevice::ReadOnly))
                                    return false;
                                const QByteArray baContent = oSource.readAll();
                                CMN::FileHeaderS oHeader;
                                oHeader.iFileType = CMN::FILE_TYPE_LANGUAGE;
                                CMN::getFirmwareVersion(oHeader.oVersion);
                                oHeader.strObjectFileName = bSecond ? QStringLiteral("KestraToolkit_fr_FR.qm") : QStringLiteral("KestraToolkit_de_DE.qm");
                                oHeader.uPayloadSize = quint32(baContent.size());
                                LOD::KestraLanguageLoaderC oLoader;
                                oLoader.setObjectHeader(oHeader);
                                return oLoader.startLoader() && oLoader.writePhyObjBlock(baContent.constData(), unsigned(baContent.size()))
                                    && oLoader.finishPhyObjLoad();
                            },
                            [strTranslation] {
                                QFile oSource(strTranslation);
                                if (!oSource.open(QIODevice::ReadOnly))
                                    return QStringLiteral("no translation to compare with");
                                const QByteArray baContent = oSource.readAll();
                                // Both contents are the same translation under two names.
                                return checkFolder(languageDir(), baContent, baContent).replace("A", "A or B");
                            }};
    // Only on the instrument kind; the update runs on a thread of its own, as on the instrument.
    mapKinds["firmware"] = {[](bool bSecond) {
                                const QString strPackage = VSIM::simDataDir() + (bSecond ? "/b.fw" : "/a.fw");
                                if (!QFile::exists(strPackage)) {
                                    CMN::FileHeaderS oHeader;
                                    oHeader.iFileType = CMN::FILE_TYPE_FIRMWARE;
                                    oHeader.iObjectType = CMN::OBJECT_TYPE_FIRMWARE;
                                    oHeader.oVersion = SDR::VersionRecordC(2, bSecond ? 1 : 0, 0);
                                    oHeader.strObjectFileName = QStringLiteral("Vela40.img");
                                    if (!CMN::writePackageFile(strPackage, oHeader, firmwareImage(bSecond)))
                                        return false;
                                }
                                CCF::setUpdateFilePath(QFile::encodeName(strPackage).constData());
                                int iResult = -1;
                                std::thread oUpdate([&iResult] { iResult = CMN::startUpdate(); });
                                oUpdate.join();
                                return iResult == CMN::RC_UPDATE_OK;
                            },
                            [] {
                                const QString strVersion = VSIM::SettingsC::textValue(QStringLiteral("Settings/FirmwareVersion"));
                                // The version follows the image: it may still name the one before.
                                if (strVersion != QLatin1String("2.0.0") && strVersion != QLatin1String("2.1.0"))
                                    return QStringLiteral("version %1").arg(strVersion);
                                return checkFolder(firmwareDir(), firmwareImage(false), firmwareImage(true));
                            }};
    return mapKinds;
}

} // namespace

int main(int iArgc, char* apArgv[])
{
    const bool bCheck = iArgc > 1 && QLatin1String(apArgv[1]) == QLatin1String("--check");
    const int iKind = bCheck ? 2 : 1;
    if (iArgc <= iKind) {
        std::fprintf(stderr, "usage: KestraStoreLoop [--check] <kind> [translation.qm]\n");
        return 2;
    }
    const QMap<QString, KindS> mapKinds = kinds(iArgc > iKind + 1 ? QFile::decodeName(apArgv[iKind + 1]) : QString());
    const auto itKind = mapKinds.find(QString::fromLatin1(apArgv[iKind]));
    if (itKind == mapKinds.end()) {
        std::fprintf(stderr, "KestraStoreLoop: no such kind %s (%s)\n", apArgv[iKind],
                     qPrintable(QStringList(mapKinds.keys()).join(", ")));
        return 2;
    }
    if (bCheck) {
        const QString strResult = itKind->fnCheck();
        const bool bWhole = strResult.startsWith('A') || strResult.startsWith('B');
        std::printf("%s %s\n", bWhole ? "whole" : "damaged:", qPrintable(strResult));
        return bWhole ? 0 : 1;
    }
    VSIM::SettingsC::setValue(QStringLiteral("Settings/PlatformKind"), 1);
    QDir().mkpath(VSIM::simDataDir());
    for (int i = 0;; ++i) {
        if (!itKind->fnStore(i % 2)) {
            std::fprintf(stderr, "KestraStoreLoop: store %d of %s failed\n", i, apArgv[iKind]);
            return 1;
        }
        if (i == 0) {
            std::printf("stored\n");
            std::fflush(stdout);
        }
    }
}
