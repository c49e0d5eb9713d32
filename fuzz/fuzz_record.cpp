// Persistent records as the instrument's file system may hold them. The first byte picks the
// record; with its top bit set the rest is the whole file (damaged, foreign, cut), otherwise the
// rest is the payload of an intact record, so that the readers of the payloads are reached too.
// Whatever is stored, every reader hands out values of its domain.
#include "FuzzSupport.h"

#include "KTX/UTI/KTX_UTI_UnitConfig.h"

#include "Gaugelib/SDR_AtmosphericCorrection.h"
#include "Marrowlib/CCF_ConfigRecord.h"
#include "Marrowlib/CCF_ConfigRecordFile.h"
#include "Marrowlib/CCF_ITF_SerialConfiguration.h"
#include "Marrowlib/CCF_RefractionConfig.h"
#include "Stadion/INS_CorrectionData.h"

#include <cmath>

namespace {

enum RecordE { UNIT, SERIAL, REFRACTION, CORRECTION, RECORD_COUNT };

CCF::ConfigRecordFileC recordFile(int iRecord)
{
    switch (iRecord) {
    case UNIT: return CCF::ConfigRecordFileC("CONF", 2, 1);
    case SERIAL: return CCF::ConfigRecordFileC("SERL", 1, 0);
    case REFRACTION: return CCF::ConfigRecordFileC("REFR", 1, 1);
    default: return CCF::ConfigRecordFileC("CORR", 1, 1);
    }
}

void readAsStored(int iRecord)
{
    switch (iRecord) {
    case UNIT: {
        KTX::UTI::UnitConfigC oConfig;
        if (oConfig.loadRecord() == KTX::UTI::UnitConfigC::LOAD_STORED)
            KFZ::require(oConfig.getDateFormat() >= 1 && oConfig.getDateFormat() <= 3, "unit record: date format",
                         QString::number(oConfig.getDateFormat()));
        CCF::ConfigRecordC oRecord(2, 1);
        if (oRecord.openRead()) {
            int iValue = 0;
            for (int i = 0; oRecord.readInt(iValue); ++i)
                KFZ::require(i < CCF::ConfigRecordFileC::MAX_PAYLOAD_BYTES / 4, "config record: endless read");
        }
        break;
    }
    case SERIAL: {
        const CCF::ITF::SerialConfigurationC oSerial = CCF::ITF::SerialConfigurationC::storedRecord(1);
        unsigned int uBaud = 0;
        if (oSerial.getBaudRate(uBaud))
            KFZ::require(CCF::ITF::SerialConfigurationC::supportedBaudRates().contains(uBaud), "serial record: baud rate",
                         QString::number(uBaud));
        bool bFlag = false;
        int iBits = 0;
        oSerial.getParityEnabled(bFlag);
        oSerial.getParityOdd(bFlag);
        oSerial.getTwoStopBits(bFlag);
        oSerial.getRtsCtsHandshake(bFlag);
        if (oSerial.getDataBits(iBits))
            KFZ::require(iBits == 7 || iBits == 8, "serial record: data bits", QString::number(iBits));
        break;
    }
    case REFRACTION: {
        bool bOn = false;
        double dCoefficient = 0.0;
        CCF::RefractionConfigC().read(bOn, dCoefficient);
        KFZ::require(std::isfinite(dCoefficient), "refraction record: coefficient", QString::number(dCoefficient));
        break;
    }
    default: {
        SDR::AtmosphericCorrectionC oData;
        INS::CorrectionDataC(1).fetch(oData);
        KFZ::require(INS::CorrectionDataC::isValid(oData), "correction record: values outside the atmosphere");
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t uSize)
{
    static const bool s_bReady = KFZ::setUp();
    (void)s_bReady;
    if (uSize < 2)
        return 0;
    const int iRecord = (pData[0] & 0x7F) % RECORD_COUNT;
    const bool bWholeFile = pData[0] & 0x80;
    const CCF::ConfigRecordFileC oFile = recordFile(iRecord);
    if (bWholeFile) {
        KFZ::putFile(oFile.filePath(), KFZ::bytes(pData + 1, uSize - 1));
    } else {
        // Version 1 or 2 mostly, as the readers know them, sometimes any.
        const int iVersion = (pData[1] & 0x80) ? int(qint8(pData[1])) : pData[1] % 3;
        const QByteArray baPayload = KFZ::bytes(pData + 2, uSize - 2);
        KFZ::require(oFile.write(iVersion, baPayload), "record write");
        int iReadVersion = 0;
        QByteArray baRead;
        KFZ::require(oFile.read(iReadVersion, baRead) && iReadVersion == iVersion && baRead == baPayload,
                     "record read back", oFile.name());
    }
    readAsStored(iRecord);
    KFZ::endInput();
    return 0;
}
