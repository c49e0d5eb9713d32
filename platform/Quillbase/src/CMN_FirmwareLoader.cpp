#include "CMN_FirmwareLoader.h"

#include "Ferrolib/BSS_HAL_DurableFile.h"
#include "Ferrolib/BSS_HAL_PathMap.h"
#include "Ferrolib/BSS_HAL_Platform.h"
#include "Ferrolib/BSS_Trace.h"
#include "Quillbase/CMN_FirmwareAccessor.h"
#include "Quillbase/CMN_Power.h"
#include "Quillbase/CMN_Update.h"
#include "SimInstrument/VSIM_Settings.h"

#include <QDir>
#include <QFile>

namespace CMN {

namespace {

BSS::TraceChannelC& trace()
{
    static BSS::TraceChannelC s_oTrace("Quillbase");
    return s_oTrace;
}

// A plain file name of printable characters: nothing that reaches outside the folder.
bool isImageName(const QString& strName)
{
    if (strName.isEmpty() || strName == QLatin1String(".") || strName == QLatin1String("..")
        || strName.contains(QLatin1Char('/')) || strName.contains(QLatin1Char('\\')))
        return false;
    for (const QChar cChar : strName) {
        if (!cChar.isPrint())
            return false;
    }
    return true;
}

} // namespace

QString firmwareDirectory()
{
    return QFile::decodeName(BSS::HAL::getSystemDirectory().c_str()) + QStringLiteral("Firmware/");
}

FirmwareLoaderC::FirmwareLoaderC()
    : m_bStarted(false)
{
}

FirmwareLoaderC::~FirmwareLoaderC() = default;

bool FirmwareLoaderC::refuse(int iError, const char* szReason)
{
    trace().write("FirmwareLoader: %s refused: %s\n", QFile::encodeName(getObjectFileName()).constData(), szReason);
    setLoadError(iError);
    return false;
}

bool FirmwareLoaderC::startLoader()
{
    if (!LoaderC::startLoader())
        return false;
    if (getFileType() != FILE_TYPE_FIRMWARE)
        return refuse(RC_UPDATE_INVALID_FILE, "not a firmware file");
    if (BSS::HAL::getPlatformKind() != BSS::HAL::PLATFORM_INSTRUMENT)
        return refuse(RC_UPDATE_NOT_ALLOWED, "no firmware on this platform");
    if (!isImageName(getObjectFileName()))
        return refuse(RC_UPDATE_INVALID_FILE, "image name");
    if (!hasCapacityFor(MIN_CAPACITY_FOR_UPDATE))
        return refuse(RC_BATTERY_TOO_LOW_FOR_UPDATE, "battery too low");
    if (!checkVersion())
        return refuse(RC_UPDATE_VERSION_CONFLICT, "version conflict");
    m_baImage.clear();
    m_baImage.reserve(int(qMin(getObjectSize(), MAX_PAYLOAD_BYTES)));
    m_bStarted = true;
    return true;
}

bool FirmwareLoaderC::checkVersion()
{
    SDR::VersionRecordC oRunning;
    if (!getFirmwareVersion(oRunning))
        return false;
    return getFileVersionMajor() >= oRunning.getMajor();
}

bool FirmwareLoaderC::writePhyObjBlock(const char* pData, unsigned int uSize)
{
    if (!m_bStarted || quint64(m_baImage.size()) + uSize > getObjectSize())
        return false;
    m_baImage.append(pData, int(uSize));
    return true;
}

bool FirmwareLoaderC::finishPhyObjLoad()
{
    if (!m_bStarted || quint32(m_baImage.size()) != getObjectSize())
        return refuse(RC_UPDATE_INVALID_FILE, "incomplete image");
    const QString strDir = firmwareDirectory();
    QString strError;
    if (!BSS::HAL::makePath(strDir, strError))
        return refuse(RC_UPDATE_LOAD_FAILED, qPrintable(strError));
    const BSS::HAL::DurableWriteS oWrite = BSS::HAL::replaceFile(strDir + getObjectFileName(), m_baImage);
    if (!oWrite.bOk)
        return refuse(RC_UPDATE_LOAD_FAILED, qPrintable(oWrite.strError));
    // The version follows the image: the image is whole before the instrument runs it.
    if (!VSIM::SettingsC::setValue(QStringLiteral("Settings/FirmwareVersion"), getFileVersion().toText(),
                                   VSIM::WRITER_INSTRUMENT, &strError))
        return refuse(RC_UPDATE_LOAD_FAILED, qPrintable(strError));
    // One image is installed; the ones it replaces go (temporaries are the durable writer's).
    const QStringList lstImages = QDir(strDir).entryList(QDir::Files);
    for (const QString& strImage : lstImages) {
        if (strImage != getObjectFileName() && !strImage.contains(QLatin1String(".tmp-")))
            QFile::remove(strDir + strImage);
    }
    BSS::HAL::syncDirectory(strDir, strError);
    trace().write("FirmwareLoader: firmware %s installed from %s\n", qPrintable(getFileVersion().toText()),
                  QFile::encodeName(getObjectFileName()).constData());
    return true;
}

LOD::LGE::LoaderC* FirmwareLoaderFactoryC::createLoader(int iObjectType)
{
    return iObjectType == OBJECT_TYPE_FIRMWARE ? new FirmwareLoaderC() : nullptr;
}

void FirmwareLoaderFactoryC::destroyLoader(LOD::LGE::LoaderC* pLoader)
{
    delete pLoader;
}

FirmwareLoaderFactoryC::~FirmwareLoaderFactoryC() = default;

} // namespace CMN
