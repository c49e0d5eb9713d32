#include "LOD/LOD_KestraLanguageLoader.h"

#include "KTX/LNG/KTX_LNG_LanguageFile.h"
#include "KTX/LNG/KTX_LNG_LanguageManager.h"

#include "Ferrolib/BSS_Assert.h"
#include "Ferrolib/BSS_HAL_DurableFile.h"
#include "Ferrolib/BSS_HAL_PathMap.h"
#include "Ferrolib/BSS_Trace.h"
#include "Gaugelib/SDR_VersionRecord.h"
#include "Quillbase/CMN_FileHeader.h"
#include "Quillbase/CMN_FirmwareAccessor.h"
#include "Quillbase/CMN_Update.h"

#include <QFile>
#include <QFileInfo>

namespace LOD {

namespace {

const char* const s_szSource = "LOD_KestraLanguageLoader";

BSS::TraceChannelC s_oTrace("loader");

std::string nativePath(const QString& strPath)
{
    return QFile::encodeName(strPath).toStdString();
}

QByteArray traced(const QString& strText)
{
    return QFile::encodeName(strText);
}

// A refused name comes from the upload file: a line break in it must not make a trace line.
QByteArray tracedName(QString strName)
{
    for (QChar& rcChar : strName) {
        if (!rcChar.isPrint())
            rcChar = QLatin1Char('?');
    }
    return strName.toLocal8Bit();
}

} // namespace

KestraLanguageLoaderC::KestraLanguageLoaderC()
    : m_bStarted(false)
{
}

KestraLanguageLoaderC::~KestraLanguageLoaderC() = default;

bool KestraLanguageLoaderC::startLoader()
{
    s_oTrace.write("KestraLanguageLoaderC::startLoader\n");
    if (!LoaderC::startLoader()) {
        BSS_ASSERT_REPORT("false", s_szSource, 61);
        return false;
    }
    if (!checkVersion() || !isInstallable())
        return false;
    m_strTargetDir = QFile::decodeName(BSS::HAL::getLanguageDirectory(-1).c_str());
    QString strError;
    if (!BSS::HAL::makePath(m_strTargetDir, strError)) {
        s_oTrace.write("KestraLanguageLoaderC::startLoader: cannot create %s (%s)\n",
                       traced(m_strTargetDir).constData(), traced(strError).constData());
        return false;
    }
    m_strTargetPath = m_strTargetDir + getObjectFileName();
    s_oTrace.write("KestraLanguageLoaderC::startLoader creating %s\n", traced(m_strTargetPath).constData());
    m_baContent.clear();
    m_baContent.reserve(int(qMin(getObjectSize(), CMN::MAX_PAYLOAD_BYTES)));
    m_bStarted = true;
    return true;
}

// Refused before anything is written: an upload file of another type, or an object name that
// the language manager would not find, or that leaves the language directory.
bool KestraLanguageLoaderC::isInstallable()
{
    if (getFileType() != CMN::FILE_TYPE_LANGUAGE) {
        s_oTrace.write("KestraLanguageLoaderC::startLoader: refusing file type %d\n", getFileType());
        setLoadError(CMN::RC_UPDATE_INVALID_FILE);
        return false;
    }
    if (!KTX::LNG::isLanguageFileName(getObjectFileName())) {
        s_oTrace.write("KestraLanguageLoaderC::startLoader: refusing object file name '%s'\n",
                       tracedName(getObjectFileName()).constData());
        return false;
    }
    return true;
}

bool KestraLanguageLoaderC::writePhyObjBlock(const char* pData, unsigned int uSize)
{
    // Never more than the header announced.
    if (!m_bStarted || quint64(m_baContent.size()) + uSize > getObjectSize())
        return false;
    m_baContent.append(pData, int(uSize));
    return true;
}

bool KestraLanguageLoaderC::finishPhyObjLoad()
{
    if (!m_bStarted)
        return false;
    if (quint32(m_baContent.size()) != getObjectSize() || !KTX::LNG::isLoadableTranslation(m_baContent)) {
        s_oTrace.write("KestraLanguageLoaderC::finishPhyObjLoad: %s is not a complete translation, "
                       "installed language kept!\n",
                       traced(getObjectFileName()).constData());
        setLoadError(CMN::RC_UPDATE_INVALID_FILE);
        return false;
    }
    if (!writeTarget())
        return false;
    const bool bDeleted = deleteOtherFiles();

    // The relative name: the manager makes it canonical, as it does for the file found at start.
    const QString strInstalled = getObjectName() + QStringLiteral(".qm");
    // No GUI, no manager: the next GUI start installs the one file in the directory.
    KTX::LNG::LanguageManagerC* pManager = KTX::LNG::LanguageManagerC::s_poInstance;
    if (!pManager) {
        s_oTrace.write("KestraLanguageLoaderC::finishPhyObjLoad: no GUI running, %s is shown at the next "
                       "GUI start\n",
                       traced(strInstalled).constData());
        return bDeleted;
    }
    if (!pManager->loadLanguageFile(strInstalled)) {
        s_oTrace.write("KestraLanguageLoaderC::finishPhyObjLoad: installing new language failed!\n");
        return false;
    }
    return bDeleted;
}

bool KestraLanguageLoaderC::writeTarget()
{
    const bool bExisted = QFileInfo::exists(m_strTargetPath);
    const BSS::HAL::DurableWriteS oWrite = BSS::HAL::replaceFile(m_strTargetPath, m_baContent);
    if (oWrite.bOk)
        return true;
    s_oTrace.write("KestraLanguageLoaderC::finishPhyObjLoad: writing %s failed (%s)!\n",
                   traced(m_strTargetPath).constData(), traced(oWrite.strError).constData());
    // A new file that may not survive would otherwise sit beside the installed one.
    if (oWrite.bReplaced && !bExisted)
        QFile::remove(m_strTargetPath);
    return false;
}

// Exactly one translation file stays. The deletions are flushed like the new file, so the next
// start cannot find an old file again.
bool KestraLanguageLoaderC::deleteOtherFiles()
{
    const QStringList lstFiles = BSS::HAL::listDirectory(nativePath(m_strTargetDir));
    for (const QString& strFile : lstFiles) {
        if (strFile.compare(getObjectFileName(), Qt::CaseInsensitive) == 0)
            continue;
        if (!BSS::HAL::deleteFile(nativePath(m_strTargetDir + strFile)))
            s_oTrace.write(
                "KestraLanguageLoaderC::finishPhyObjLoad: error deleting existing language file %S!\n",
                strFile.toStdWString().c_str());
    }
    QString strError;
    if (BSS::HAL::syncDirectory(m_strTargetDir, strError))
        return true;
    s_oTrace.write("KestraLanguageLoaderC::finishPhyObjLoad: flushing %s failed (%s)!\n",
                   traced(m_strTargetDir).constData(), traced(strError).constData());
    return false;
}

bool KestraLanguageLoaderC::checkVersion()
{
    SDR::VersionRecordC oFirmware;
    if (!CMN::getFirmwareVersion(oFirmware)) {
        s_oTrace.writeLevel(BSS::TRACE_WARNING,
                            "KestraLanguageLoaderC::checkVersion: get fw version failed\n");
        return false;
    }
    if (oFirmware.getMajor() != getFileVersionMajor() || oFirmware.getMinor() != getFileVersionMinor()) {
        s_oTrace.write("KestraLanguageLoaderC::checkVersion: version conflict (firmware: %d.%d, "
                       "language file: %d.%d)\n",
                       int(oFirmware.getMajor()), int(oFirmware.getMinor()), getFileVersionMajor(),
                       getFileVersionMinor());
        setLoadError(CMN::RC_UPDATE_VERSION_CONFLICT);
        return false;
    }
    return true;
}

} // namespace LOD
