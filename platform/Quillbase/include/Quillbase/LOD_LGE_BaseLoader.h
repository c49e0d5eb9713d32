#pragma once
// Loaders receive one uploaded object each. The platform creates a loader through the factory
// registered for the object's type, hands it the object's header, calls startLoader, passes the
// payload in blocks and ends with finishPhyObjLoad, all on its loader thread, and then destroys
// the loader. A loader that refuses (false from any step) ends the load.
#include "Quillbase/CMN_FileHeader.h"

#include <QString>

namespace LOD {
namespace LGE {

class BaseLoaderC
{
public:
    BaseLoaderC();
    virtual ~BaseLoaderC();
    BaseLoaderC(const BaseLoaderC&) = delete;
    BaseLoaderC& operator=(const BaseLoaderC&) = delete;

    // Set by the platform before the load starts.
    void setObjectHeader(const CMN::FileHeaderS& rHeader);

    // The base checks that an object was handed over and the load was not started yet.
    virtual bool startLoader();
    // The base accepts every version.
    virtual bool checkVersion();

    // Object header queries.
    // The upload file's type (CMN::FileTypeE), which the object came in.
    int getFileType() const;
    int getObjectType() const;
    // The object's file name up to its first '.'.
    QString getObjectName() const;
    // The file name under which the object is kept.
    QString getObjectFileName() const;
    int getFileVersionMajor() const;
    int getFileVersionMinor() const;
    SDR::VersionRecordC getFileVersion() const;
    quint32 getObjectSize() const;

    // Why the load was refused, as an update result code; 0 when the loader named no reason.
    int getLoadError() const;

protected:
    void setLoadError(int iError);

private:
    CMN::FileHeaderS m_oHeader;
    bool m_bHasObject;
    bool m_bStarted;
    int m_iLoadError;
};

// Loader of a physical object: receives the object's bytes.
class LoaderC : public BaseLoaderC
{
public:
    LoaderC();
    ~LoaderC() override;

    // One block of the payload, in order; false ends the load.
    virtual bool writePhyObjBlock(const char* pData, unsigned int uSize) = 0;
    // All blocks were passed; true when the object is in place.
    virtual bool finishPhyObjLoad() = 0;
};

} // namespace LGE
} // namespace LOD
