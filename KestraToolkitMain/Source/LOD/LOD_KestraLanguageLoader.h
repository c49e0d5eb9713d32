#pragma once
// Receives an uploaded translation file: checks its version against the firmware, writes it
// into the language directory, removes the other files there and installs it.
#include "Quillbase/LOD_LGE_BaseLoader.h"

#include <QByteArray>
#include <QString>

namespace LOD {

class KestraLanguageLoaderC : public LGE::LoaderC
{
public:
    KestraLanguageLoaderC();
    ~KestraLanguageLoaderC() override;

    bool startLoader() override;
    bool writePhyObjBlock(const char* pData, unsigned int uSize) override;
    bool finishPhyObjLoad() override;
    bool checkVersion() override;

private:
    bool isInstallable();
    bool writeTarget();
    bool deleteOtherFiles();

    // The blocks are kept until the whole file is there and proven to be a translation: only
    // then is anything installed replaced or deleted.
    QByteArray m_baContent;
    bool m_bStarted;
    QString m_strTargetDir;
    QString m_strTargetPath;
};

} // namespace LOD
