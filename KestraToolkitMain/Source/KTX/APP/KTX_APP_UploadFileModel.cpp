#include "KTX/APP/KTX_APP_UploadFileModel.h"

#include "KTX/LNG/KTX_LNG_LanguageManager.h"

#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"
#include "Ferrolib/BSS_HAL_PathMap.h"
#include "Ferrolib/BSS_HAL_Platform.h"
#include "Quillbase/CMN_DeviceManager.h"
#include "Quillbase/CMN_FileHeader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_UploadFileModel", __LINE__)

namespace KTX {
namespace APP {

namespace TK = V40::LNG::TK;

bool UploadFileInfoS::isLess(const UploadFileInfoS& rLeft, const UploadFileInfoS& rRight, int iCompareMember)
{
    switch (iCompareMember) {
    case COMPARE_FILE_NAME:
        return rLeft.strFileName < rRight.strFileName;
    case COMPARE_DESCRIPTION:
        return rLeft.strDescription < rRight.strDescription;
    default:
        KTX_APP_REPORT("Invalid compare member.");
        return false;
    }
}

UploadFileModelC::UploadFileModelC(int iFileType, int iMemoryDeviceType)
    : m_iMemoryDeviceType(iMemoryDeviceType)
    , m_iFileType(iFileType)
{
    if (iMemoryDeviceType != MEMORY_DEVICE_SDCARD)
        KTX_APP_REPORT("Unsupported memory device type.");
}

UploadFileModelC::~UploadFileModelC() = default;

QString UploadFileModelC::searchPattern(int iFileType)
{
    switch (iFileType) {
    case FILE_TYPE_FIRMWARE:
        return QStringLiteral("*.fw");
    case FILE_TYPE_LANGUAGE:
        return QStringLiteral("%1.s??").arg(QLatin1String(LNG::g_szLanguageFilePattern));
    default:
        return QString();
    }
}

int UploadFileModelC::headerType(int iFileType)
{
    switch (iFileType) {
    case FILE_TYPE_FIRMWARE:
        return CMN::FILE_TYPE_FIRMWARE;
    case FILE_TYPE_LANGUAGE:
        return CMN::FILE_TYPE_LANGUAGE;
    default:
        return 0;
    }
}

void UploadFileModelC::ScanFiles()
{
    m_vecFileList.clear();
    const QString strPattern = searchPattern(m_iFileType);
    if (strPattern.isEmpty()) {
        KTX_APP_REPORT("false");
        return;
    }
    const QString strRoot = GetMemoryDeviceRootPath();
    if (strRoot.isEmpty())
        return;
    const QDir oRoot(strRoot);
    const QStringList lstEntries = oRoot.entryList(QStringList(strPattern));
    for (const QString& strEntry : lstEntries) {
        const QFileInfo oFile(oRoot.absoluteFilePath(strEntry));
        CMN::FileHeaderS oHeader;
        if (CMN::readFileHeader(QFile::encodeName(oFile.absoluteFilePath()).constData(), oHeader) != CMN::RC_HEADER_OK
            || oHeader.iFileType != headerType(m_iFileType))
            continue;
        UploadFileInfoS oInfo;
        oInfo.strFileName = strEntry;
        oInfo.strDescription = oHeader.strDescription.left(UploadFileInfoS::DESCRIPTION_MAX);
        oInfo.iVersionMajor = oHeader.oVersion.getMajor();
        oInfo.iVersionMinor = oHeader.oVersion.getMinor();
        oInfo.oDate = oHeader.oDate;
        oInfo.iSize = oFile.size();
        oInfo.iMemoryDeviceType = m_iMemoryDeviceType;
        oInfo.iHeaderType = oHeader.iFileType;
        m_vecFileList.push_back(oInfo);
    }
}

void UploadFileModelC::RefreshFileList()
{
    ScanFiles();
    const int iMember =
        m_iFileType == FILE_TYPE_LANGUAGE ? UploadFileInfoS::COMPARE_DESCRIPTION : UploadFileInfoS::COMPARE_FILE_NAME;
    std::stable_sort(m_vecFileList.begin(), m_vecFileList.end(),
                     [iMember](const UploadFileInfoS& rLeft, const UploadFileInfoS& rRight) {
                         return UploadFileInfoS::isLess(rLeft, rRight, iMember);
                     });
}

const std::vector<UploadFileInfoS>& UploadFileModelC::GetFileList() const
{
    return m_vecFileList;
}

int UploadFileModelC::GetFileType() const
{
    return m_iFileType;
}

int UploadFileModelC::GetMemoryDeviceType() const
{
    return m_iMemoryDeviceType;
}

QString UploadFileModelC::GetSelectedFileName() const
{
    return m_strSelectedFileName;
}

void UploadFileModelC::SetSelectedFileName(const QString& strFileName)
{
    m_strSelectedFileName = strFileName;
}

QString UploadFileModelC::GetSelectedFilePath() const
{
    return QDir::cleanPath(QStringLiteral("%1/%2").arg(GetMemoryDeviceRootPath(), m_strSelectedFileName));
}

QString UploadFileModelC::GetMemoryDeviceRootPath() const
{
    if (m_iMemoryDeviceType != MEMORY_DEVICE_SDCARD)
        return QString();
    return QFile::decodeName(BSS::HAL::getSdCardRootPath().c_str());
}

bool UploadFileModelC::IsMemoryDeviceAvailable() const
{
    return m_iMemoryDeviceType == MEMORY_DEVICE_SDCARD && CMN::isMemoryDeviceAvailable(CMN::MEMORY_DEVICE_SDCARD);
}

bool UploadFileModelC::IsFileTypeAllowed() const
{
    switch (m_iFileType) {
    case FILE_TYPE_FIRMWARE:
        return BSS::HAL::getPlatformKind() == BSS::HAL::PLATFORM_INSTRUMENT;
    case FILE_TYPE_LANGUAGE:
        return true;
    default:
        KTX_APP_REPORT("File type not allowed.");
        return false;
    }
}

QString UploadFileModelC::GetMemoryDeviceLabel() const
{
    if (m_iMemoryDeviceType == MEMORY_DEVICE_SDCARD)
        return V40::LNG::getTextToken(TK::FileUpload_SDCard);
    return V40::LNG::getTextToken(TK::FileUpload_UnsupportedMemoryDevice);
}

QString UploadFileModelC::GetFileTypeLabel() const
{
    switch (m_iFileType) {
    case FILE_TYPE_FIRMWARE:
        return V40::LNG::getTextToken(TK::FileUpload_Firmware);
    case FILE_TYPE_LANGUAGE:
        return V40::LNG::getTextToken(TK::FileUpload_Language_Label_43);
    default:
        KTX_APP_REPORT("Unsupported file type.");
        return V40::LNG::getTextToken(TK::FileUpload_UnsupportedFileType);
    }
}

} // namespace APP
} // namespace KTX
