#pragma once
// Apps > Update > Firmware or Language: installs a file of the kind from the SD card, after the
// card and file checks, the choice of the file and the warnings.
#include "V40_APP_AbstractApplication.h"

namespace KTX {
namespace APP {

class UploadFileApplicationC : public V40::APP::AbstractApplicationC
{
public:
    enum StateIdE
    {
        STATE_MEMORY_DEVICE_CHECK = 0,
        STATE_FILE_CHECK = 1,
        STATE_FILE_SELECTION = 2,
        STATE_PRE_UPLOAD_INFORMATION = 3,
        STATE_UPLOAD = 4,
        STATE_UPLOAD_RESULT = 5
    };

    // iFileType: UploadFileModelC::FILE_TYPE_FIRMWARE (118) or FILE_TYPE_LANGUAGE (121).
    explicit UploadFileApplicationC(int iFileType);
    ~UploadFileApplicationC() override;

    int getFileType() const;

    int getFirstStateId() override;
    int getNextStateId(int iStateId, int iExitCode) override;
    V40::APP::ApplicationStateBaseC* createState(int iStateId) override;
    void createModel() override;

private:
    const int m_iFileType;
};

} // namespace APP
} // namespace KTX
