#pragma once
// The platform's loader of firmware images (OBJECT_TYPE_FIRMWARE, CMN_Update.h).
#include "Quillbase/LOD_LGE_BaseLoader.h"
#include "Quillbase/LOD_LGE_LoaderFactory.h"

#include <QByteArray>

namespace CMN {

class FirmwareLoaderC : public LOD::LGE::LoaderC
{
public:
    FirmwareLoaderC();
    ~FirmwareLoaderC() override;

    // Refuses before anything is written: another file type, a desktop platform, a battery too
    // low, an older major version, an image name that would leave the firmware folder.
    bool startLoader() override;
    // The running firmware's major version must not be newer than the file's.
    bool checkVersion() override;
    bool writePhyObjBlock(const char* pData, unsigned int uSize) override;
    // Writes the image durably, makes its version the running one and removes older images.
    bool finishPhyObjLoad() override;

private:
    bool refuse(int iError, const char* szReason);

    QByteArray m_baImage;
    bool m_bStarted;
};

class FirmwareLoaderFactoryC : public LOD::LGE::LoaderFactoryI
{
public:
    LOD::LGE::LoaderC* createLoader(int iObjectType) override;
    void destroyLoader(LOD::LGE::LoaderC* pLoader) override;
    ~FirmwareLoaderFactoryC() override;
};

// The folder of the installed firmware image.
QString firmwareDirectory();

} // namespace CMN
