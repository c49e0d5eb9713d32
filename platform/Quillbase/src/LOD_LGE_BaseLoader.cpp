#include "Quillbase/LOD_LGE_BaseLoader.h"

namespace LOD {
namespace LGE {

BaseLoaderC::BaseLoaderC()
    : m_bHasObject(false)
    , m_bStarted(false)
    , m_iLoadError(0)
{
}

BaseLoaderC::~BaseLoaderC() = default;

void BaseLoaderC::setObjectHeader(const CMN::FileHeaderS& rHeader)
{
    m_oHeader = rHeader;
    m_bHasObject = true;
}

bool BaseLoaderC::startLoader()
{
    if (!m_bHasObject || m_bStarted)
        return false;
    m_bStarted = true;
    return true;
}

bool BaseLoaderC::checkVersion()
{
    return true;
}

int BaseLoaderC::getFileType() const
{
    return m_oHeader.iFileType;
}

int BaseLoaderC::getObjectType() const
{
    return m_oHeader.iObjectType;
}

QString BaseLoaderC::getObjectName() const
{
    return m_oHeader.strObjectFileName.section(QLatin1Char('.'), 0, 0);
}

QString BaseLoaderC::getObjectFileName() const
{
    return m_oHeader.strObjectFileName;
}

int BaseLoaderC::getFileVersionMajor() const
{
    return m_oHeader.oVersion.getMajor();
}

int BaseLoaderC::getFileVersionMinor() const
{
    return m_oHeader.oVersion.getMinor();
}

SDR::VersionRecordC BaseLoaderC::getFileVersion() const
{
    return m_oHeader.oVersion;
}

quint32 BaseLoaderC::getObjectSize() const
{
    return m_oHeader.uPayloadSize;
}

int BaseLoaderC::getLoadError() const
{
    return m_iLoadError;
}

void BaseLoaderC::setLoadError(int iError)
{
    m_iLoadError = iError;
}

LoaderC::LoaderC() = default;

LoaderC::~LoaderC() = default;

} // namespace LGE
} // namespace LOD
