#pragma once
// Receives an uploaded translation file: checks its version against the firmware, writes it
// into the language directory, removes the other files there and installs it.
#include "Quillbase/LOD_LGE_BaseLoader.h"

#include <QSaveFile>
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
    bool isInstallableName() const;

    // Written beside the target and renamed over it when complete: the installed file, which
    // the translator keeps mapped, is never truncated, and a failed upload leaves it as it was.
    QSaveFile m_oStream;
    QString m_strTargetDir;
    QString m_strTargetPath;
};

} // namespace LOD
