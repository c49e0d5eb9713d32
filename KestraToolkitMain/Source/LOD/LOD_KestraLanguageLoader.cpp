#include "LOD/LOD_KestraLanguageLoader.h"

#include "KTX/LNG/KTX_LNG_LanguageManager.h"

#include "Ferrolib/BSS_Assert.h"
#include "Ferrolib/BSS_HAL_PathMap.h"
#include "Ferrolib/BSS_Trace.h"
#include "Gaugelib/SDR_VersionRecord.h"
#include "Quillbase/CMN_FirmwareAccessor.h"
#include "Quillbase/CMN_Update.h"

#include <QDir>
#include <QFile>

namespace LOD {

namespace {

const char* const s_szSource = "LOD_KestraLanguageLoader";

BSS::TraceChannelC s_oTrace("loader");

std::string nativePath(const QString& strPath)
{
    return QFile::encodeName(strPath).toStdString();
}

} // namespace

KestraLanguageLoaderC::KestraLanguageLoaderC() = default;

// An unfinished load discards its partial file (QSaveFile without commit).
KestraLanguageLoaderC::~KestraLanguageLoaderC() = default;

bool KestraLanguageLoaderC::startLoader()
{
    s_oTrace.write("KestraLanguageLoaderC::startLoader\n");
    if (!LoaderC::startLoader()) {
        BSS_ASSERT_REPORT("false", s_szSource, 61);
        return false;
    }
    if (!checkVersion())
        return false;
    if (!isInstallableName()) {
        s_oTrace.write("KestraLanguageLoaderC::startLoader: refusing object file name '%s'\n",
                       getObjectFileName().toLocal8Bit().constData());
        return false;
    }
    m_strTargetDir = QFile::decodeName(BSS::HAL::getLanguageDirectory(-1).c_str());
    QDir().mkpath(m_strTargetDir);
    m_strTargetPath = m_strTargetDir + getObjectFileName();
    s_oTrace.write("KestraLanguageLoaderC::startLoader creating %s\n",
                   QFile::encodeName(m_strTargetPath).constData());
    m_oStream.setFileName(m_strTargetPath);
    return m_oStream.open(QIODevice::WriteOnly);
}

bool KestraLanguageLoaderC::writePhyObjBlock(const char* pData, unsigned int uSize)
{
    return m_oStream.isOpen() && m_oStream.write(pData, qint64(uSize)) == qint64(uSize)
           && m_oStream.error() == QFileDevice::NoError;
}

bool KestraLanguageLoaderC::finishPhyObjLoad()
{
    if (!m_oStream.isOpen() || !m_oStream.commit()) {
        s_oTrace.write("KestraLanguageLoaderC::finishPhyObjLoad: writing %s failed!\n",
                       QFile::encodeName(m_strTargetPath).constData());
        return false;
    }
    const QString strInstalled = getObjectName() + QStringLiteral(".qm");
    const QStringList lstFiles = BSS::HAL::listDirectory(nativePath(m_strTargetDir));
    for (const QString& strFile : lstFiles) {
        if (strFile.compare(strInstalled, Qt::CaseInsensitive) == 0)
            continue;
        if (!BSS::HAL::deleteFile(nativePath(m_strTargetDir + strFile)))
            s_oTrace.write(
                "KestraLanguageLoaderC::finishPhyObjLoad: error deleting existing language file %S!\n",
                strFile.toStdWString().c_str());
    }
    // The relative name: the manager makes it canonical, as it does for the file found at start.
    KTX::LNG::LanguageManagerC* pManager = KTX::LNG::LanguageManagerC::Instance();
    if (!pManager || !pManager->loadLanguageFile(strInstalled)) {
        s_oTrace.write("KestraLanguageLoaderC::finishPhyObjLoad: installing new language failed!\n");
        return false;
    }
    return true;
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

// The name comes from the uploaded file. Only a plain file name ("KestraToolkit_de_DE.qm": no
// folder, no "..", one extension) may reach the language directory, and it must be the file
// that finishPhyObjLoad installs.
bool KestraLanguageLoaderC::isInstallableName() const
{
    const QString strFile = getObjectFileName();
    if (strFile.contains(QLatin1Char('/')) || strFile.contains(QLatin1Char('\\'))
        || strFile.contains(QLatin1String("..")) || strFile.contains(QChar(0)))
        return false;
    const QString strName = getObjectName();
    return !strName.isEmpty() && strFile == strName + QStringLiteral(".qm");
}

} // namespace LOD
